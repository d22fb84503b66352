#pragma once
// Polling with generous time-outs: the tests wait for a state, never for a fixed time.

#include <chrono>
#include <thread>

namespace tessavik::e2e {

using namespace std::chrono_literals;

// Long enough for a loaded machine under Wine; a state that needs longer is a fault.
inline constexpr std::chrono::milliseconds kStateTimeout = 5s;

// True as soon as `done()` holds, false when it still does not after `timeout`.
template <typename Predicate>
bool waitUntil(Predicate&& done, std::chrono::milliseconds timeout = kStateTimeout,
               std::chrono::milliseconds poll = 10ms) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(poll);
    }
    return true;
}

}  // namespace tessavik::e2e
