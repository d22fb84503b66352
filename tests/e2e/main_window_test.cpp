// The main window as a user first meets it, and its end.

#include <gtest/gtest.h>

#include "tests/e2e/driver/main_window_layout.h"
#include "tests/e2e/program_test.h"

namespace tessavik::e2e {
namespace {

class MainWindowTest : public ProgramTest {};

TEST_F(MainWindowTest, OpensCentredOnTopWithItsWindowStyles) {
    HWND w = app_->window();
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
    EXPECT_EQ(rectText(windowRect(w)), rectText({left, top, left + kMainWindowWidth, top + kMainWindowHeight}));

    const LONG_PTR style = windowStyle(w);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP), 0);
    EXPECT_NE(windowExStyle(w) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetParent(w), nullptr);

    ASSERT_TRUE(waitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return ::GetGUIThreadInfo(app_->guiThread(), &info) && info.hwndFocus == app_->control("编辑框_父句柄");
    })) << "the first focus is not in 编辑框_父句柄";
}

TEST_F(MainWindowTest, HoldsItsControlsAtTheirPlacesWithTheirTexts) {
    for (const auto& row : kMainWindowControls) {
        SCOPED_TRACE(std::string(row.name));
        HWND c = app_->control(row.name);
        ASSERT_NE(c, nullptr) << "no control of that kind at " << row.left << "," << row.top << " "
                              << row.width << "x" << row.height;
        HWND parent = row.parent.empty() ? app_->window() : app_->control(row.parent);
        EXPECT_EQ(::GetParent(c), parent);
        EXPECT_TRUE(::IsWindowVisible(c));
        if (row.kind == ControlKind::Edit) {
            EXPECT_NE(windowStyle(c) & ES_READONLY, 0);
            EXPECT_NE(windowExStyle(c) & WS_EX_STATICEDGE, 0);
        } else {
            EXPECT_EQ(windowText(c), row.text);
        }
    }
    // Labels are windows of the program's own class, one class for all sixteen.
    const std::string labelClass = className(app_->control("标签1"));
    for (const auto& row : kMainWindowControls) {
        if (row.kind == ControlKind::Label) {
            EXPECT_EQ(className(app_->control(row.name)), labelClass) << row.name;
        }
    }
    DWORD_PTR check = 0;
    ::SendMessageTimeoutA(app_->control("选择框1"), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &check);
    EXPECT_EQ(check, static_cast<DWORD_PTR>(BST_CHECKED));
}

TEST_F(MainWindowTest, StacksSiblingsInTableOrderAndKeepsItsHelpersHidden) {
    int visible = 0;
    for (HWND child : descendantsOf(app_->window())) visible += ::IsWindowVisible(child) ? 1 : 0;
    EXPECT_EQ(visible, 34) << "the timer window must be hidden";
    for (HWND top : topLevelWindowsOf(app_->process().pid())) {
        if (top != app_->window()) {
            EXPECT_FALSE(::IsWindowVisible(top)) << className(top);
        }
    }
    // Walking each parent's children top to bottom meets the table's controls in table order.
    for (const auto& parentRow : kMainWindowControls) {
        if (parentRow.kind != ControlKind::GroupBox && &parentRow != &kMainWindowControls[0]) continue;
        const std::string_view parentName = parentRow.kind == ControlKind::GroupBox ? parentRow.name : "";
        HWND parent = parentName.empty() ? app_->window() : app_->control(parentName);
        std::vector<std::string_view> expected, seen;
        for (const auto& row : kMainWindowControls) {
            if (row.parent == parentName) expected.push_back(row.name);
        }
        for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
            for (const auto& row : kMainWindowControls) {
                if (app_->control(row.name) == c) seen.push_back(row.name);
            }
        }
        EXPECT_EQ(seen, expected) << "children of " << (parentName.empty() ? "the main window" : parentName);
    }
}

TEST_F(MainWindowTest, ShowsTheTargetUnderTheCursorAndEndsWithCodeZero) {
    const FieldTexts expected = expectedFields(targetFacts(targetPoint()));
    EXPECT_TRUE(waitForFields(expected)) << describe(readFields(), expected);
    // The target is the driver's own: its thread, its process, its executable on Wine's Z: drive.
    EXPECT_EQ(expected.at("编辑框_线程ID"), idText(targets_.threadId()));
    EXPECT_EQ(expected.at("编辑框_进程ID"), idText(::GetCurrentProcessId()));
    EXPECT_EQ(expected.at("编辑框_进程路径").rfind("Z:\\", 0), 0u);
    const std::size_t ticks = targets_.textReadCount(target_);
    EXPECT_TRUE(waitUntil([&] { return targets_.textReadCount(target_) > ticks; })) << "no tick after the first";
    EXPECT_EQ(app_->close(), std::optional<DWORD>(0));
}

// The fields before the first tick: the program must be read within the ~200 ms before its
// first tick, so the check counts only when the target saw no tick yet while they were read.
TEST(MainWindowStart, FieldsAreEmptyBeforeTheFirstTick) {
    FixtureThread targets;
    HWND target = targets.create({kTargetRect, kTargetTitle});
    ASSERT_TRUE(moveCursor(centreOf(kTargetRect)));
    std::string late;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::size_t before = targets.textReadCount(target);
        auto app = TessavikApp::start();
        ASSERT_TRUE(app);
        FieldTexts texts;
        for (auto box : kFieldBoxes) texts.emplace(box, app->field(box));
        const auto reads = targets.textReads(target);
        if (reads.size() > before) {  // a tick came first: read again in a new run
            const auto ms = [&](Clock::time_point t) {
                return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(t - app->shownAt()).count());
            };
            late += " first tick at +" + ms(reads[before]) + " ms, fields read by +" + ms(Clock::now()) + " ms;";
            continue;
        }
        for (const auto& [box, text] : texts) EXPECT_EQ(text, "") << box;
        return;
    }
    ADD_FAILURE() << "three starts in a row ticked before their fields could be read:" << late;
}

}  // namespace
}  // namespace tessavik::e2e
