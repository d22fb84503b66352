// Windows that answer the text messages wrongly: a negative or huge length, and a text without a
// terminating zero. The probe shows a bounded text and reads nothing past its own buffer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <limits>
#include <string>

#include "platform/win32_probe_platform.h"
#include "probe/probe.h"
#include "tests/support/recording_field_sink.h"
#include "tests/wine/probe_test_windows.h"

namespace tessavik {
namespace {

using wintest::handleOf;

// Answers WM_GETTEXTLENGTH with the value kept in GWLP_USERDATA and fills every byte it is given
// on WM_GETTEXT with 'x', leaving no terminating zero.
LRESULT CALLBACK hostileProcedure(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETTEXTLENGTH:
            return ::GetWindowLongPtrA(w, GWLP_USERDATA);
        case WM_GETTEXT:
            std::memset(reinterpret_cast<char*>(lParam), 'x', wParam);
            return static_cast<LRESULT>(wParam);
        default:
            return ::DefWindowProcA(w, message, wParam, lParam);
    }
}

constexpr LONG_PTR kLargest = std::numeric_limits<LONG_PTR>::max();

struct HostileCase {
    const char* name;
    LONG_PTR answeredLength;
    std::int64_t bound;      // what the platform makes of it, in bytes
    std::size_t shownBytes;  // the title field's length
};

class HostileWindowTest : public ::testing::TestWithParam<HostileCase> {
  protected:
    platform::Win32ProbePlatform platform_;
    wintest::TestWindowClass class_{"TessavikHostileWindow", hostileProcedure};
    wintest::TestWindows windows_;
};

TEST_P(HostileWindowTest, TitleIsBoundedAndNothingIsReadPastTheBuffer) {
    const HostileCase& c = GetParam();
    ASSERT_TRUE(class_.registered());
    HWND w = windows_.topLevel({100, 100, 300, 300}, "", class_.name());
    ::SetWindowLongPtrA(w, GWLP_USERDATA, c.answeredLength);

    const auto bound = platform_.SendGetTextLength(handleOf(w));
    ASSERT_TRUE(bound.has_value());
    EXPECT_EQ(*bound, c.bound);
    EXPECT_EQ(platform_.SendGetText(handleOf(w), 8), std::string(7, 'x'));

    Rect targetRect;
    ProbeState state{handleOf(w), targetRect};
    RecordingFieldSink sink;
    showTargetInfo(platform_, sink, state);
    EXPECT_EQ(sink.textOf(InfoField::Title), std::string(c.shownBytes, 'x'));
    EXPECT_EQ(sink.textOf(InfoField::ClassName), "TessavikHostileWindow");
    EXPECT_EQ(sink.textOf(InfoField::Width), "200");
}

INSTANTIATE_TEST_SUITE_P(Lengths, HostileWindowTest,
                         ::testing::Values(HostileCase{"negative", -1, -2, 0},
                                           HostileCase{"huge", 0x7FFFFFFF, 0xFFFFFFFE, 65535},
                                           HostileCase{"beyond32Bits", kLargest, kLargest, 65535},
                                           HostileCase{"five", 5, 10, 10}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessavik
