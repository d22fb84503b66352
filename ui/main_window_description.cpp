#include <algorithm>
#include <array>

#include "ui/window_description.h"

namespace tessavik::ui {
namespace {

constexpr FontSpec kaiTi14Bold() {
    FontSpec font;
    font.face = "楷体";
    font.height = -14;  // a character height of 14 pixels
    font.weight = 700;
    return font;
}
constexpr FontSpec kKaiTi14Bold = kaiTi14Bold();
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr EventSet kDoubleClick = eventBit(EventKind::DoubleClick);

// The kinds' common properties; a row changes what differs from its kind.
constexpr ControlRow control(ControlKind kind, std::string_view name, std::string_view parent,
                             Place place, std::string_view text = {}) {
    ControlRow row;
    row.kind = kind;
    row.name = name;
    row.parent = parent;
    row.place = place;
    row.text = text;
    return row;
}
constexpr ControlRow editBox(std::string_view name, std::string_view parent, Place place,
                             EventSet events) {
    ControlRow row = control(ControlKind::EditBox, name, parent, place);
    row.font = &kKaiTi14Bold;
    row.background = kWhite;
    row.events = events;
    return row;
}
constexpr ControlRow label(std::string_view name, std::string_view parent, Place place,
                           std::string_view text) {
    return control(ControlKind::Label, name, parent, place, text);
}
constexpr ControlRow groupBox(std::string_view name, Place place, std::string_view text) {
    return control(ControlKind::GroupBox, name, kMainWindow, place, text);
}
constexpr ControlRow checkedBox(std::string_view name, Place place, std::string_view text) {
    ControlRow row = control(ControlKind::CheckBox, name, kMainWindow, place, text);
    row.tabStop = true;
    row.checked = true;
    return row;
}
constexpr ControlRow nonVisual(ControlKind kind, std::string_view name, Place place) {
    ControlRow row = control(kind, name, kMainWindow, place);
    row.visible = false;
    return row;
}

constexpr ControlRow tabStopped(ControlRow row) {
    row.tabStop = true;
    return row;
}
constexpr ControlRow withEvents(ControlRow row, EventSet events) {
    row.events = events;
    return row;
}
constexpr ControlRow wrappedInBlueKaiTi(ControlRow row) {
    row.textColour = kBlue;
    row.wordWrap = true;
    row.font = &kKaiTi14Bold;
    return row;
}

constexpr std::string_view kGroup1 = "分组框1";
constexpr std::string_view kGroup2 = "分组框2";
constexpr std::string_view kGroup3 = "分组框3";

constexpr std::array kControls = {
    withEvents(checkedBox("选择框1", {264, 240, 144, 24}, "窗口置顶（默认置顶）"),
               eventBit(EventKind::Clicked)),
    editBox("编辑框_进程路径", kGroup3, {70, 91, 162, 25}, kDoubleClick),
    label("标签16", kGroup3, {8, 88, 56, 32}, "进程路径："),
    label("标签15", kGroup3, {8, 56, 43, 32}, "进程ID："),
    editBox("编辑框_进程ID", kGroup3, {70, 59, 72, 25}, kDoubleClick),
    editBox("编辑框_线程ID", kGroup3, {70, 26, 72, 25}, kDoubleClick),
    label("标签14", kGroup3, {8, 23, 43, 32}, "线程ID："),
    groupBox(kGroup3, {8, 229, 240, 129}, "进程信息"),
    label("标签7", kGroup2, {13, 180, 80, 32}, "鼠标相对窗口："),
    editBox("编辑框_鼠标相对窗口位置", kGroup2, {93, 185, 115, 25}, kDoubleClick),
    label("标签8", kGroup2, {13, 151, 55, 32}, "鼠标位置："),
    editBox("编辑框_鼠标位置", kGroup2, {78, 153, 130, 25}, kDoubleClick),
    label("标签9", kGroup2, {13, 119, 61, 32}, "窗口高度："),
    editBox("编辑框_高度", kGroup2, {78, 122, 130, 25}, kDoubleClick),
    label("标签10", kGroup2, {13, 87, 61, 32}, "窗口宽度："),
    editBox("编辑框_宽度", kGroup2, {78, 88, 130, 25}, kDoubleClick),
    label("标签5", kGroup2, {13, 51, 61, 32}, "窗口顶边："),
    editBox("编辑框_顶边", kGroup2, {78, 54, 130, 25}, kDoubleClick),
    label("标签4", kGroup2, {13, 17, 61, 32}, "窗口左边："),
    editBox("编辑框_左边", kGroup2, {78, 19, 130, 25}, kDoubleClick),
    groupBox(kGroup2, {259, 15, 224, 217}, "窗口/鼠标信息"),
    label("标签11", kGroup1, {16, 136, 56, 32}, "父句柄："),
    tabStopped(editBox("编辑框_父句柄", kGroup1, {90, 139, 120, 25}, 0)),
    editBox("编辑框_顶级句柄", kGroup1, {90, 171, 120, 25}, 0),
    label("标签12", kGroup1, {16, 168, 56, 32}, "顶级句柄："),
    label("标签13", kGroup1, {11, 128, 217, 8}, "------------------------------------"),
    withEvents(label("标签3", kGroup1, {16, 21, 56, 32}, "窗口标题："),
               eventBit(EventKind::Feedback)),
    editBox("编辑框_标题", kGroup1, {90, 24, 120, 25}, kDoubleClick),
    label("标签2", kGroup1, {16, 93, 56, 32}, "窗口类名："),
    editBox("编辑框_类名", kGroup1, {90, 96, 120, 25}, kDoubleClick),
    label("标签1", kGroup1, {16, 57, 56, 32}, "窗口句柄："),
    editBox("编辑框_句柄", kGroup1, {90, 60, 120, 25}, kDoubleClick),
    groupBox(kGroup1, {8, 15, 240, 206}, "句柄信息"),
    nonVisual(ControlKind::QTip, "气球提示框1", {240, 56, 16, 24}),
    withEvents(nonVisual(ControlKind::Timer, "时钟1", {232, 136, 24, 24}),
               eventBit(EventKind::Periodic)),
    wrappedInBlueKaiTi(
        label("标签6", kMainWindow, {259, 273, 229, 80},
              "Esc键暂停探测\r\n\r\n双击对应项可复制其内容到剪辑版\r\n\r\nTessavik  V_1.2")),
};

}  // namespace

const WindowDescription kMainWindowDescription{
    "Tessavik V1.2", 499, 391, true, eventBit(EventKind::Created), kControls};

const ControlRow* findControl(const WindowDescription& description, std::string_view name) {
    auto found = std::find_if(description.controls.begin(), description.controls.end(),
                              [name](const ControlRow& row) { return row.name == name; });
    return found == description.controls.end() ? nullptr : &*found;
}

}  // namespace tessavik::ui
