// A target whose thread does not answer: the text reads give up after their bound instead of
// holding the probe, and the other fields are still shown. Once with the window on another
// thread of this process, once in another process.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/win32_probe_platform.h"
#include "probe/probe.h"
#include "tests/support/recording_field_sink.h"
#include "tests/wine/probe_test_windows.h"

namespace tessavik {
namespace {

using Clock = std::chrono::steady_clock;
using wintest::handleOf;

// A generous bound: a read that takes this long has hung, whatever the machine's load.
constexpr double kDidNotHangMs = 2000;

template <typename F>
double millisecondsOf(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The reads of a hung window: each comes back empty within the bound; the figures are printed.
void expectBoundedTextReads(HWND w, const char* where) {
    platform::Win32ProbePlatform platform;
    std::optional<std::int64_t> length = 0;
    const double lengthMs =
        millisecondsOf([&] { length = platform.SendGetTextLength(handleOf(w)); });
    std::string text = "unset";
    const double textMs = millisecondsOf([&] { text = platform.SendGetText(handleOf(w), 64); });
    std::printf(
        "hung window on %s: WM_GETTEXTLENGTH gave up after %.0f ms, WM_GETTEXT after %.0f ms\n",
        where, lengthMs, textMs);

    EXPECT_EQ(length, std::nullopt);
    EXPECT_EQ(text, "");
    EXPECT_LT(lengthMs, kDidNotHangMs);
    EXPECT_LT(textMs, kDidNotHangMs);
}

// The reads of the text, then showTargetInfo on the hung window: an empty title, the rest as for
// any window. The figures are printed; the fields are given back for the caller's checks.
RecordingFieldSink fieldsOfHungWindow(HWND w, const char* where, const std::string& className) {
    expectBoundedTextReads(w, where);
    platform::Win32ProbePlatform platform;
    Rect targetRect;
    ProbeState state{handleOf(w), targetRect};
    RecordingFieldSink sink;
    const double elapsedMs = millisecondsOf([&] { showTargetInfo(platform, sink, state); });
    std::printf("the fields of the hung window took %.0f ms\n", elapsedMs);
    EXPECT_LT(elapsedMs, kDidNotHangMs);
    EXPECT_EQ(sink.textOf(InfoField::Title), "");
    EXPECT_EQ(sink.textOf(InfoField::ClassName), className);
    return sink;
}

// A window on a thread of its own that, once the window is made, waits without taking a message
// until the object ends.
class WindowOnHungThread {
  public:
    WindowOnHungThread()
        : ready_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          release_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          thread_([this] {
              wintest::TestWindows windows;
              window_ = windows.topLevel({700, 600, 900, 700}, "挂起的窗口");
              threadId_ = ::GetCurrentThreadId();
              ::SetEvent(ready_.get());
              ::WaitForSingleObject(release_.get(), 30000);
          }) {
        ::WaitForSingleObject(ready_.get(), 10000);
    }
    ~WindowOnHungThread() {
        ::SetEvent(release_.get());
        thread_.join();
    }
    WindowOnHungThread(const WindowOnHungThread&) = delete;
    WindowOnHungThread& operator=(const WindowOnHungThread&) = delete;

    HWND window() const { return window_; }
    DWORD threadId() const { return threadId_; }

  private:
    platform::UniqueKernelHandle ready_;
    platform::UniqueKernelHandle release_;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

TEST(HungWindowTest, WindowOnAThreadThatDoesNotAnswer) {
    const WindowOnHungThread hung;
    ASSERT_NE(hung.window(), nullptr);

    const RecordingFieldSink sink =
        fieldsOfHungWindow(hung.window(), "another thread", "TessavikProbeTestWindow");
    EXPECT_EQ(sink.textOf(InfoField::ThreadId), std::to_string(hung.threadId()));
    EXPECT_EQ(sink.textOf(InfoField::Width), "200");
}

TEST(HungWindowTest, WindowOfAProcessThatDoesNotAnswer) {
    const wintest::OtherProcessWindow hung(false);
    ASSERT_NE(hung.window(), nullptr) << "no window from " << hung.programPath();

    const RecordingFieldSink sink = fieldsOfHungWindow(hung.window(), "another process",
                                                       wintest::OtherProcessWindow::kClassName);
    EXPECT_EQ(sink.textOf(InfoField::ProcessId), std::to_string(hung.processId()));
    EXPECT_EQ(sink.textOf(InfoField::ProcessPath), hung.programPath())
        << "the other process's first module";
    EXPECT_EQ(sink.textOf(InfoField::Height), "100");
}

}  // namespace
}  // namespace tessavik
