// tessavik_bench: runs the program and the floor one after the other under the same conditions
// (the cursor resting on a window of the bench's own, which counts the ticks by their WM_GETTEXT)
// and prints, for each, the start-up time, the CPU time per tick and the peak working set, and
// the ratio of the two CPU times.  Usage: tessavik_bench [ticks]  (100 when not given)

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "tests/e2e/driver/child_process.h"
#include "tests/e2e/driver/fixture_thread.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/wait_until.h"
#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {
namespace {

constexpr RECT kTargetRect{40, 40, 340, 240};
constexpr std::size_t kWarmUpTicks = 5;

struct Measured {
    double startUpMs = 0;
    double cpuPerTickMs = 0;
    double tickMs = 0;
    std::size_t peakWorkingSet = 0;
};

std::optional<Measured> measure(const char* label, const std::string& exe, const char* title,
                                std::size_t ticks) {
    FixtureThread thread;
    HWND target = thread.create({kTargetRect, "bench target"});
    moveCursor(centreOf(kTargetRect));

    auto process = ChildProcess::launch(exe);
    if (!process) {
        std::fprintf(stderr, "%s: cannot start %s\n", label, exe.c_str());
        return std::nullopt;
    }
    HWND window = waitForVisibleWindow(process->pid(), title, std::chrono::seconds(30));
    if (!window) {
        std::fprintf(stderr, "%s: no window \"%s\"\n", label, title);
        return std::nullopt;
    }
    Measured m;
    m.startUpMs = std::chrono::duration<double, std::milli>(Clock::now() - process->startedAt()).count();

    auto ticked = [&](std::size_t n) {
        return waitUntil([&] { return thread.textReadCount(target) >= n; }, std::chrono::seconds(10 + n));
    };
    if (!ticked(kWarmUpTicks)) {
        std::fprintf(stderr, "%s: does not tick\n", label);
        return std::nullopt;
    }
    const std::size_t firstTick = thread.textReadCount(target);
    const double firstCpu = process->cpuSeconds().value_or(0);
    const auto firstAt = Clock::now();
    if (!ticked(firstTick + ticks)) return std::nullopt;
    const std::size_t counted = thread.textReadCount(target) - firstTick;
    const double cpu = process->cpuSeconds().value_or(0) - firstCpu;
    m.cpuPerTickMs = 1000.0 * cpu / static_cast<double>(counted);
    m.tickMs = std::chrono::duration<double, std::milli>(Clock::now() - firstAt).count() /
               static_cast<double>(counted);
    m.peakWorkingSet = process->peakWorkingSet().value_or(0);

    ::PostMessageA(window, WM_CLOSE, 0, 0);
    process->waitForExit(std::chrono::seconds(5));
    std::printf("%-8s start-up %.0f ms, cpu per tick %.3f ms over %zu ticks (tick %.1f ms), "
                "peak working set %zu KiB\n",
                label, m.startUpMs, m.cpuPerTickMs, counted, m.tickMs, m.peakWorkingSet / 1024);
    return m;
}

}  // namespace
}  // namespace tessavik::e2e

int main(int argc, char** argv) {
    using namespace tessavik::e2e;
    const std::size_t ticks = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const auto program = measure("program", windowsPathOf(TESSAVIK_EXE), "Tessavik V1.2", ticks);
    const auto floor = measure("floor", windowsPathOf(TESSAVIK_FLOOR_EXE), "Tessavik floor", ticks);
    if (!program || !floor || floor->cpuPerTickMs <= 0) return 1;
    std::printf("cpu-per-tick ratio: %.2f\n", program->cpuPerTickMs / floor->cpuPerTickMs);
    std::fflush(stdout);
    return 0;
}
