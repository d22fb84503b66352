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

std::string directoryOfThisProgram() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.rfind('\\') + 1);
}

// The reads of a hung window: each comes back empty within the bound; the figures are printed.
void expectBoundedTextReads(HWND w, const char* where) {
    platform::Win32ProbePlatform platform;
    std::optional<std::int64_t> length = 0;
    const double lengthMs = millisecondsOf([&] { length = platform.SendGetTextLength(handleOf(w)); });
    std::string text = "unset";
    const double textMs = millisecondsOf([&] { text = platform.SendGetText(handleOf(w), 64); });
    std::printf("hung window on %s: WM_GETTEXTLENGTH gave up after %.0f ms, WM_GETTEXT after %.0f ms\n", where,
                lengthMs, textMs);

    EXPECT_EQ(length, std::nullopt);
    EXPECT_EQ(text, "");
    EXPECT_LT(lengthMs, kDidNotHangMs);
    EXPECT_LT(textMs, kDidNotHangMs);
}

// showTargetInfo on a hung window: an empty title, the rest as for any window.
RecordingFieldSink targetInfoOf(HWND w, double& elapsedMs) {
    platform::Win32ProbePlatform platform;
    Rect targetRect;
    ProbeState state{handleOf(w), targetRect};
    RecordingFieldSink sink;
    elapsedMs = millisecondsOf([&] { showTargetInfo(platform, sink, state); });
    return sink;
}

TEST(HungWindowTest, WindowOnAThreadThatDoesNotAnswer) {
    HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND hung = nullptr;
    DWORD hungThread = 0;
    std::thread owner([&] {
        wintest::TestWindows windows;
        hung = windows.topLevel({700, 600, 900, 700}, "挂起的窗口");
        hungThread = ::GetCurrentThreadId();
        ::SetEvent(ready);
        ::WaitForSingleObject(release, 30000);  // takes no message meanwhile
    });
    ASSERT_EQ(::WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);

    expectBoundedTextReads(hung, "another thread");
    double tickMs = 0;
    const RecordingFieldSink sink = targetInfoOf(hung, tickMs);
    std::printf("the fields of the hung window took %.0f ms\n", tickMs);
    EXPECT_EQ(sink.textOf(InfoField::Title), "");
    EXPECT_EQ(sink.textOf(InfoField::ClassName), "TessavikProbeTestWindow");
    EXPECT_EQ(sink.textOf(InfoField::ThreadId), std::to_string(hungThread));
    EXPECT_EQ(sink.textOf(InfoField::Width), "200");

    ::SetEvent(release);
    owner.join();
    ::CloseHandle(ready);
    ::CloseHandle(release);
}

TEST(HungWindowTest, WindowOfAProcessThatDoesNotAnswer) {
    const std::string helper = directoryOfThisProgram() + "probe_hung_window_helper.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + helper + "\"";
    ASSERT_TRUE(::CreateProcessA(helper.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process))
        << helper;
    const platform::UniqueKernelHandle processHandle(process.hProcess);
    const platform::UniqueKernelHandle threadHandle(process.hThread);

    HWND hung = nullptr;
    for (int i = 0; i < 200 && !hung; ++i) {
        hung = ::FindWindowA("TessavikHungWindow", nullptr);
        if (!hung) ::Sleep(50);
    }
    ASSERT_NE(hung, nullptr) << "the helper's window did not appear";

    expectBoundedTextReads(hung, "another process");
    double tickMs = 0;
    const RecordingFieldSink sink = targetInfoOf(hung, tickMs);
    std::printf("the fields of the hung window took %.0f ms\n", tickMs);
    EXPECT_EQ(sink.textOf(InfoField::Title), "");
    EXPECT_EQ(sink.textOf(InfoField::ClassName), "TessavikHungWindow");
    EXPECT_EQ(sink.textOf(InfoField::ProcessId), std::to_string(process.dwProcessId));
    EXPECT_EQ(sink.textOf(InfoField::ProcessPath), helper) << "the other process's first module";
    EXPECT_EQ(sink.textOf(InfoField::Height), "100");

    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
}

}  // namespace
}  // namespace tessavik
