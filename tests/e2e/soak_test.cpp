// A long run over windows that appear, move and vanish under the cursor: the program's private
// bytes stay flat after the first 30 seconds, and it keeps ticking about five times a second.
// TESSAVIK_SOAK_SECONDS sets the length (120 s when unset; scripts/test --soak-minutes sets it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <optional>

#include "tests/e2e/driver/fixture_thread.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/tessavik_app.h"
#include "tests/e2e/driver/wait_until.h"

namespace tessavik::e2e {
namespace {

constexpr std::chrono::seconds kWarmUp{30};
constexpr auto kStep = 250ms;

std::chrono::seconds soakLength() {
    const char* value = std::getenv("TESSAVIK_SOAK_SECONDS");
    const long seconds = value ? std::strtol(value, nullptr, 10) : 0;
    return std::chrono::seconds(seconds > 0 ? seconds : 120);
}

// A place on the screen, clear of the main window, where a target comes and goes: a window
// with two overlapping children, so that every tick also walks siblings.
class Slot {
public:
    explicit Slot(RECT home) : home_(home) {}

    bool exists() const { return window_ != nullptr; }
    POINT centre() const { return centreOf(current_); }

    void create(FixtureThread& thread) {
        current_ = home_;
        window_ = thread.create({home_, "soak target"});
        const RECT big{0, 0, width() * 3 / 4, height() * 3 / 4};
        const RECT small{width() / 4, height() / 4, width() * 3 / 4, height() * 3 / 4};
        thread.create({big, "soak child", window_});
        thread.create({small, "soak small child", window_});
    }
    void destroy(FixtureThread& thread) {
        thread.destroy(window_);
        window_ = nullptr;
    }
    void nudge(FixtureThread& thread, int by) {
        current_ = {home_.left + by, home_.top + by, home_.right + by, home_.bottom + by};
        thread.move(window_, current_);
    }

private:
    int width() const { return home_.right - home_.left; }
    int height() const { return home_.bottom - home_.top; }

    RECT home_;
    RECT current_{};
    HWND window_ = nullptr;
};

std::vector<Slot> slots() {
    std::vector<Slot> all;
    for (int row = 0; row < 4; ++row) {
        all.emplace_back(RECT{20, 20 + 250 * row, 340, 220 + 250 * row});
        all.emplace_back(RECT{920, 20 + 250 * row, 1240, 220 + 250 * row});
    }
    return all;
}

TEST(Soak, PrivateBytesStayFlatAndTicksKeepPace) {
    const auto length = soakLength();
    ASSERT_GT(length, kWarmUp) << "a soak shorter than its warm-up measures nothing";
    FixtureThread thread;
    auto all = slots();
    for (auto& slot : all) slot.create(thread);
    ASSERT_TRUE(moveCursor(all[0].centre()));
    auto app = TessavikApp::start();
    ASSERT_TRUE(app);

    const auto start = Clock::now();
    std::optional<std::size_t> baseBytes;
    std::size_t baseTicks = 0;
    Clock::time_point baseAt;
    auto lastReport = start;
    for (std::size_t step = 0; Clock::now() - start < length; ++step) {
        // Touch one slot; put the cursor on the one across from it, which this step leaves alone.
        Slot& touched = all[step % all.size()];
        Slot& watched = all[(step + all.size() / 2) % all.size()];
        if (!touched.exists()) {
            touched.create(thread);
        } else if (step % 3 == 0) {
            touched.destroy(thread);
        } else {
            touched.nudge(thread, static_cast<int>(step % 7));
        }
        if (!watched.exists()) watched.create(thread);
        moveCursor(watched.centre());
        std::this_thread::sleep_for(kStep);

        ASSERT_TRUE(app->process().isRunning()) << "the program ended during the soak";
        const auto now = Clock::now();
        if (!baseBytes && now - start >= kWarmUp) {
            baseBytes = app->process().privateBytes();
            baseTicks = thread.totalTextReads();
            baseAt = now;
            ASSERT_TRUE(baseBytes && *baseBytes > 0) << "GetProcessMemoryInfo gave no private bytes";
        }
        if (now - lastReport >= 10s) {
            lastReport = now;
            std::cout << "soak +" << std::chrono::duration_cast<std::chrono::seconds>(now - start).count()
                      << " s: private bytes " << app->process().privateBytes().value_or(0) << ", ticks "
                      << thread.totalTextReads() << "\n";
        }
    }

    ASSERT_TRUE(baseBytes);
    const std::size_t endBytes = app->process().privateBytes().value_or(0);
    const double seconds = std::chrono::duration<double>(Clock::now() - baseAt).count();
    const double rate = static_cast<double>(thread.totalTextReads() - baseTicks) / seconds;
    const double growth = (static_cast<double>(endBytes) - static_cast<double>(*baseBytes)) /
                          static_cast<double>(*baseBytes);
    std::cout << "soak over " << seconds << " s after the warm-up: private bytes " << *baseBytes << " -> "
              << endBytes << " (" << growth * 100 << " %), " << rate << " ticks per second\n";
    RecordProperty("private_bytes_growth_percent", std::to_string(growth * 100));
    RecordProperty("ticks_per_second", std::to_string(rate));
    EXPECT_LT(growth, 0.01);
    EXPECT_GT(rate, 3.5);
    EXPECT_LT(rate, 5.5);
    EXPECT_EQ(app->close(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace tessavik::e2e
