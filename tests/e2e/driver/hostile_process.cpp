#include "tests/e2e/driver/hostile_process.h"

#include "tests/e2e/driver/wait_until.h"
#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {

std::string hostileExePath() {
#ifdef TESSAVIK_HOSTILE_EXE
    return windowsPathOf(TESSAVIK_HOSTILE_EXE);
#else
    return {};
#endif
}

std::optional<HostileProcess> startHostile(const std::string& mode, const RECT& rect,
                                           std::chrono::milliseconds timeout) {
    const std::string arguments = mode + " " + std::to_string(rect.left) + " " + std::to_string(rect.top) +
                                  " " + std::to_string(rect.right - rect.left) + " " +
                                  std::to_string(rect.bottom - rect.top);
    auto process = ChildProcess::launch(hostileExePath(), arguments);
    if (!process) return std::nullopt;
    HWND window = nullptr;
    waitUntil(
        [&] {
            for (HWND w : topLevelWindowsOf(process->pid())) {
                if (::IsWindowVisible(w)) window = w;
            }
            return window != nullptr || !process->isRunning();
        },
        timeout);
    if (!window) return std::nullopt;
    // Until the fixture has painted what it put up (10,000 children take a while), the window
    // server is busy with it and every other program's calls crawl.
    ::WaitForInputIdle(process->handle(), static_cast<DWORD>(timeout.count()));
    return HostileProcess{std::move(*process), window};
}

}  // namespace tessavik::e2e
