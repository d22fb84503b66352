// copyField over the copy table, and setClipboardText's order of calls and its failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "commands/commands.h"
#include "commands_fakes.h"

namespace tessavik::commands {
namespace {

using testing::BalloonCall;
using testing::FakeCommandPlatform;
using testing::RecordingControls;

std::string withZero(std::string_view text) {
    return std::string(text) + '\0';
}

TEST(CopyTable, CoversTwelveDistinctBoxesButNotTheTwoHandleBoxes) {
    std::set<std::string_view> boxes;
    for (const CopyRow& row : kCopyTable) boxes.insert(row.box);
    EXPECT_EQ(boxes.size(), kCopyTable.size());
    EXPECT_FALSE(boxes.contains("编辑框_父句柄"));
    EXPECT_FALSE(boxes.contains("编辑框_顶级句柄"));
}

TEST(CopyTable, OnlyTheHandleBoxFailsWithTwoMarks) {
    for (const CopyRow& row : kCopyTable) {
        EXPECT_EQ(row.success, "复制成功！") << row.box;
        EXPECT_EQ(row.failure, row.box == "编辑框_句柄" ? "复制失败！！" : "复制失败！") << row.box;
    }
    const auto relative = std::find_if(kCopyTable.begin(), kCopyTable.end(), [](const CopyRow& r) {
        return r.box == "编辑框_鼠标相对窗口位置";
    });
    ASSERT_NE(relative, kCopyTable.end());
    EXPECT_EQ(relative->caption, "鼠标相对窗口位置：");  // not the label's "鼠标相对窗口："
}

class CopyFieldRow : public ::testing::TestWithParam<std::size_t> {
  protected:
    const CopyRow& row() const { return kCopyTable[GetParam()]; }
    FakeCommandPlatform platform;
    RecordingControls controls;
};

TEST_P(CopyFieldRow, CopiesCaptionAndTextAndConfirmsAtTheCursor) {
    controls.boxes[std::string(row().box)] = "1234";
    platform.cursor = {321, -45};
    copyField(controls, platform, row());
    EXPECT_EQ(platform.clipboard, withZero(std::string(row().caption) + "1234"));
    EXPECT_EQ(platform.clipboardOwner, RecordingControls::kMainWindowHandle);
    EXPECT_EQ(controls.balloons,
              (std::vector<BalloonCall>{
                  {"气球提示框1", 321, -45, std::string(row().success), -1, true}}));
}

TEST_P(CopyFieldRow, ShowsTheRowsFailureTextWhenTheClipboardIsHeld) {
    controls.boxes[std::string(row().box)] = "1234";
    platform.failOpenClipboard = true;
    copyField(controls, platform, row());
    EXPECT_EQ(platform.clipboard, "old content");
    ASSERT_EQ(controls.balloons.size(), 1u);
    EXPECT_EQ(controls.balloons[0].text, row().failure);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, CopyFieldRow,
                         ::testing::Range<std::size_t>(0, kCopyTable.size()));

TEST(CopyField, AnEmptyBoxCopiesTheCaptionAlone) {
    FakeCommandPlatform platform;
    RecordingControls controls;
    copyField(controls, platform, kCopyTable[1]);
    EXPECT_EQ(platform.clipboard, withZero("窗口标题："));
}

TEST(SetClipboardText, FillsTheBlockBeforeItTouchesTheClipboard) {
    FakeCommandPlatform platform;
    EXPECT_EQ(setClipboardText(platform, 0x42, "进程ID：1234"), 1);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"GlobalAlloc", "copyToGlobal", "OpenClipboard",
                                        "EmptyClipboard", "SetClipboardData", "CloseClipboard"}));
    EXPECT_EQ(platform.clipboard, withZero("进程ID：1234"));
    EXPECT_EQ(platform.clipboard.size(), std::string_view("进程ID：1234").size() + 1);
    EXPECT_EQ(platform.clipboardOwner, 0x42u);
    EXPECT_TRUE(platform.liveBlocks.empty());  // the clipboard took the block
}

struct ClipboardFailure {
    const char* name;
    bool FakeCommandPlatform::*fail;
    const char* clipboardAfter;
    bool opened;
};

class SetClipboardTextFailure : public ::testing::TestWithParam<ClipboardFailure> {};

TEST_P(SetClipboardTextFailure, ReportsZeroFreesTheBlockAndClosesWhatItOpened) {
    FakeCommandPlatform platform;
    platform.*GetParam().fail = true;
    EXPECT_EQ(setClipboardText(platform, 0x42, "窗口句柄：66"), 0);
    EXPECT_EQ(platform.clipboard, GetParam().clipboardAfter);
    EXPECT_TRUE(platform.liveBlocks.empty());
    EXPECT_EQ(platform.badFrees, 0);
    const auto count = [&](const char* call) {
        return std::count(platform.calls.begin(), platform.calls.end(), call);
    };
    EXPECT_EQ(count("CloseClipboard"), GetParam().opened ? 1 : 0);
}

// Every failure before EmptyClipboard keeps what the user had; once it has run, a failing
// SetClipboardData cannot give it back.
INSTANTIATE_TEST_SUITE_P(
    EachCall, SetClipboardTextFailure,
    ::testing::Values(ClipboardFailure{"GlobalAlloc", &FakeCommandPlatform::failGlobalAlloc,
                                       "old content", false},
                      ClipboardFailure{"GlobalLock", &FakeCommandPlatform::failCopyToGlobal,
                                       "old content", false},
                      ClipboardFailure{"OpenClipboard", &FakeCommandPlatform::failOpenClipboard,
                                       "old content", false},
                      ClipboardFailure{"EmptyClipboard", &FakeCommandPlatform::failEmptyClipboard,
                                       "old content", true},
                      ClipboardFailure{"SetClipboardData",
                                       &FakeCommandPlatform::failSetClipboardData, "", true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace tessavik::commands
