// The probe against the scripted desktop: the sibling scan at growing sizes, and the fourteen
// fields of one target, with the heap allocations each iteration makes.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string_view>

#include "probe/probe.h"
#include "tests/support/fake_desktop.h"

namespace {

std::size_t allocations = 0;  // single-threaded benchmarks

}  // namespace

// Not inlined, so that the compiler pairs each delete with its new rather than with malloc.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tessavik {
namespace {

class DiscardingFieldSink : public FieldSink {
public:
    void setField(InfoField, std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
};

// Counts the allocations made while the benchmark's loop runs, per iteration.
class AllocationCounter {
public:
    explicit AllocationCounter(benchmark::State& state) : state_(state), start_(allocations) {}
    ~AllocationCounter() {
        state_.counters["allocs/iter"] =
            benchmark::Counter(static_cast<double>(allocations - start_), benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& state_;
    std::size_t start_;
};

// W and its siblings all contain the cursor, each smaller than the one above it, so every sibling
// is a candidate that wins: the scan's worst case.
void windowUnderCursorOverSiblings(benchmark::State& state) {
    const auto siblings = static_cast<std::int32_t>(state.range(0));
    FakeDesktop desktop;
    desktop.setRecording(false);
    desktop.addWindow({.handle = 1, .rect = {-1000000, -1000000, 1000000, 1000000}});
    for (std::int32_t i = 0; i <= siblings; ++i) {
        const std::int32_t halfWidth = siblings - i + 1;
        desktop.addWindow({.handle = static_cast<WindowHandle>(2 + i), .rect = {-halfWidth, -1, halfWidth, 1},
                           .parent = 1});
    }
    desktop.setCursor(Point{0, 0});
    const WindowHandle smallest = static_cast<WindowHandle>(2 + siblings);
    {
        AllocationCounter counter(state);
        for (auto _ : state) {
            const WindowHandle found = windowUnderCursor(desktop);
            if (found != smallest) state.SkipWithError("the scan did not find the smallest sibling");
            benchmark::DoNotOptimize(found);
        }
    }
    state.SetItemsProcessed(state.iterations() * siblings);
}
BENCHMARK(windowUnderCursorOverSiblings)->Arg(10)->Arg(1000)->Arg(100000);

void showTargetInfoOfOneWindow(benchmark::State& state) {
    FakeDesktop desktop;
    desktop.setRecording(false);
    desktop.addProcess(88, "C:\\Windows\\System32\\notepad.exe");
    desktop.addWindow({.handle = 0x1234, .rect = {-8, 20, 600, 400}, .text = "无标题 - 记事本",
                       .className = "Notepad", .threadId = 77, .processId = 88});
    desktop.setCursor(Point{100, 50});
    DiscardingFieldSink sink;
    Rect targetRect;
    ProbeState probeState{0x1234, targetRect};
    {
        AllocationCounter counter(state);
        for (auto _ : state) showTargetInfo(desktop, sink, probeState);
    }
}
BENCHMARK(showTargetInfoOfOneWindow);

}  // namespace
}  // namespace tessavik

BENCHMARK_MAIN();
