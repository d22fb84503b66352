#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "probe/info_field.h"
#include "ui/window_description.h"

namespace tessavik::ui {
namespace {

const auto& rows() {
    return kMainWindowDescription.controls;
}

const ControlRow& row(std::string_view name) {
    const ControlRow* found = findControl(kMainWindowDescription, name);
    EXPECT_NE(found, nullptr) << name;
    static const ControlRow kMissing{};
    return found ? *found : kMissing;
}

TEST(MainWindowDescription, WindowItself) {
    EXPECT_EQ(kMainWindowDescription.title, "Tessavik V1.2");
    EXPECT_EQ(kMainWindowDescription.width, 499);
    EXPECT_EQ(kMainWindowDescription.height, 391);
    EXPECT_TRUE(kMainWindowDescription.alwaysOnTop);
    EXPECT_EQ(kMainWindowDescription.events, eventBit(EventKind::Created));
}

TEST(MainWindowDescription, ThirtySixUniquelyNamedControlsOfTheGivenKinds) {
    ASSERT_EQ(rows().size(), 36u);
    std::set<std::string_view> names;
    std::map<ControlKind, int> kinds;
    for (const ControlRow& r : rows()) {
        EXPECT_TRUE(names.insert(r.name).second) << "duplicate " << r.name;
        ++kinds[r.kind];
    }
    EXPECT_EQ(kinds[ControlKind::GroupBox], 3);
    EXPECT_EQ(kinds[ControlKind::EditBox], 14);
    EXPECT_EQ(kinds[ControlKind::Label], 16);
    EXPECT_EQ(kinds[ControlKind::CheckBox], 1);
    EXPECT_EQ(kinds[ControlKind::Timer], 1);
    EXPECT_EQ(kinds[ControlKind::QTip], 1);
    EXPECT_EQ(names.count(kMainWindow), 0u);
}

TEST(MainWindowDescription, EveryParentIsTheWindowOrAGroupBox) {
    for (const ControlRow& r : rows()) {
        if (r.parent == kMainWindow)
            continue;
        const ControlRow* parent = findControl(kMainWindowDescription, r.parent);
        ASSERT_NE(parent, nullptr) << r.name;
        EXPECT_EQ(parent->kind, ControlKind::GroupBox) << r.name;
    }
}

// Where each visible control lies in the window's client area, as the layout gives it; the
// rows store places relative to the parent, so this checks the parents' offsets too.
TEST(MainWindowDescription, PlacesInTheWindow) {
    struct Case {
        const char* name;
        std::int32_t left, top;
    } cases[] = {
        {"选择框1", 264, 240},      {"编辑框_进程路径", 78, 320},
        {"标签16", 16, 317},        {"标签15", 16, 285},
        {"编辑框_进程ID", 78, 288}, {"编辑框_线程ID", 78, 255},
        {"标签14", 16, 252},        {"分组框3", 8, 229},
        {"标签7", 272, 195},        {"编辑框_鼠标相对窗口位置", 352, 200},
        {"标签8", 272, 166},        {"编辑框_鼠标位置", 337, 168},
        {"标签9", 272, 134},        {"编辑框_高度", 337, 137},
        {"标签10", 272, 102},       {"编辑框_宽度", 337, 103},
        {"标签5", 272, 66},         {"编辑框_顶边", 337, 69},
        {"标签4", 272, 32},         {"编辑框_左边", 337, 34},
        {"分组框2", 259, 15},       {"标签11", 24, 151},
        {"编辑框_父句柄", 98, 154}, {"编辑框_顶级句柄", 98, 186},
        {"标签12", 24, 183},        {"标签13", 19, 143},
        {"标签3", 24, 36},          {"编辑框_标题", 98, 39},
        {"标签2", 24, 108},         {"编辑框_类名", 98, 111},
        {"标签1", 24, 72},          {"编辑框_句柄", 98, 75},
        {"分组框1", 8, 15},         {"标签6", 259, 273},
    };
    for (const Case& c : cases) {
        const ControlRow& r = row(c.name);
        std::int32_t left = r.place.left, top = r.place.top;
        if (r.parent != kMainWindow) {
            left += row(r.parent).place.left;
            top += row(r.parent).place.top;
        }
        EXPECT_EQ(left, c.left) << c.name;
        EXPECT_EQ(top, c.top) << c.name;
    }
}

TEST(MainWindowDescription, EditBoxesAreTheInfoFieldsInKaiTi14Bold) {
    std::set<std::string_view> boxes(kInfoFieldBoxes.begin(), kInfoFieldBoxes.end());
    for (const ControlRow& r : rows()) {
        if (r.kind != ControlKind::EditBox)
            continue;
        EXPECT_EQ(boxes.erase(r.name), 1u) << r.name;
        EXPECT_TRUE(r.text.empty()) << r.name;
        ASSERT_NE(r.font, nullptr) << r.name;
        EXPECT_EQ(r.font->face, "楷体");
        EXPECT_EQ(r.font->height, -14);
        EXPECT_EQ(r.font->weight, 700);
        EXPECT_EQ(r.textColour, (Rgb{0, 0, 0}));
        EXPECT_EQ(r.background, (Rgb{255, 255, 255}));
    }
    EXPECT_TRUE(boxes.empty());
}

TEST(MainWindowDescription, BoundEvents) {
    std::map<std::string_view, EventSet> bound;
    for (const ControlRow& r : rows()) {
        if (r.events)
            bound[r.name] = r.events;
    }
    std::map<std::string_view, EventSet> expected{
        {"时钟1", eventBit(EventKind::Periodic)},
        {"标签3", eventBit(EventKind::Feedback)},
        {"选择框1", eventBit(EventKind::Clicked)},
    };
    for (std::string_view box : kInfoFieldBoxes) {
        if (box != "编辑框_父句柄" && box != "编辑框_顶级句柄") {
            expected[box] = eventBit(EventKind::DoubleClick);
        }
    }
    EXPECT_EQ(bound, expected);
}

TEST(MainWindowDescription, TabStopsCheckBoxAndNonVisualComponents) {
    for (const ControlRow& r : rows()) {
        bool tabStop = r.name == "编辑框_父句柄" || r.name == "选择框1";
        EXPECT_EQ(r.tabStop, tabStop) << r.name;
        EXPECT_EQ(r.tabOrder, 0) << r.name;
        bool nonVisual = r.kind == ControlKind::Timer || r.kind == ControlKind::QTip;
        EXPECT_EQ(r.visible, !nonVisual) << r.name;
    }
    EXPECT_TRUE(row("选择框1").checked);
    EXPECT_EQ(row("选择框1").text, "窗口置顶（默认置顶）");
}

TEST(MainWindowDescription, LabelsAndGroupBoxesUseTheDefaultGuiFontExceptTheBlueNote) {
    for (const ControlRow& r : rows()) {
        if (r.kind != ControlKind::Label && r.kind != ControlKind::GroupBox)
            continue;
        bool note = r.name == "标签6";
        EXPECT_EQ(r.font != nullptr, note) << r.name;
        EXPECT_EQ(r.wordWrap, note) << r.name;
        EXPECT_EQ(r.textColour, (note ? Rgb{0, 0, 255} : Rgb{0, 0, 0})) << r.name;
        EXPECT_FALSE(r.background.has_value()) << r.name;
        EXPECT_EQ(r.align, HorizontalAlign::Left) << r.name;
    }
    EXPECT_EQ(row("标签6").text,
              "Esc键暂停探测\r\n\r\n双击对应项可复制其内容到剪辑版\r\n\r\nTessavik  V_1.2");
    EXPECT_EQ(row("标签13").text, std::string(36, '-'));
    EXPECT_EQ(row("标签13").place, (Place{11, 128, 217, 8}));
}

TEST(MainWindowDescription, TextsAreGbk) {
    // "窗口句柄：" in code page 936.
    EXPECT_EQ(row("标签1").text, "\xB4\xB0\xBF\xDA\xBE\xE4\xB1\xFA\xA3\xBA");
}

}  // namespace
}  // namespace tessavik::ui
