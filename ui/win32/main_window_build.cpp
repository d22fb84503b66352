// Building the main window from its description, step by step: window, icons and font, topmost
// band, controls (hidden, as children of the window), group-box parents, stacking, showing the
// controls, the created event, showing the window.

#include <map>
#include <string>

#include "ui/layout.h"
#include "ui/tab_order.h"
#include "ui/win32/fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/window_classes.h"

namespace tessavik::ui {
namespace {

constexpr DWORD kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT kNoMoveSizeOrActivate = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;  // 0x0013
constexpr int kFirstControlId = 100;

struct ControlClass {
    const char* name;
    DWORD style;
    DWORD exStyle;
    bool ownClass = false;  // a toolkit class: its procedure takes the ControlWindow at creation
};

ControlClass controlClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::EditBox:
            return {"EDIT", ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, WS_EX_STATICEDGE};
        case ControlKind::GroupBox:  // it fills its own background: its children stay clear of it
            return {"BUTTON", BS_GROUPBOX | BS_LEFT | WS_CLIPCHILDREN, 0};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0};
        case ControlKind::Label:
            return {kLabelClass, 0, 0, true};
        case ControlKind::Timer:
            return {kTimerClass, 0, 0, true};
        case ControlKind::Window:
        case ControlKind::QTip:
            break;
    }
    return {nullptr, 0, 0};
}

// Group boxes answer their children's colour requests as the main window does, so that the
// read-only edit boxes inside them paint black on white. A group box paints no background of
// its own, and the main window clips its children, so the box fills its background itself.
LRESULT CALLBACK groupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlWindow* group = controlOf(hwnd);
    if (auto colours = answerColourRequest(message, wParam, lParam))
        return *colours;
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(hwnd, &client);
        auto dc = reinterpret_cast<HDC>(wParam);
        FillRect(dc, &client, controlColours(*group, dc));
        return 1;
    }
    return CallWindowProcA(group->baseProc, hwnd, message, wParam, lParam);
}

}  // namespace

bool MainWindow::createWindow(HINSTANCE instance) {
    const WindowDescription& d = *description_;
    Origin origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  d.width, d.height);
    HWND hwnd = CreateWindowExA(0, kMainWindowClass, std::string(d.title).c_str(), kMainWindowStyle,
                                origin.left, origin.top, d.width, d.height, nullptr, nullptr,
                                instance, this);
    if (!hwnd)
        return false;
    RECT outer;
    if (GetWindowRect(hwnd, &outer) &&
        (outer.right - outer.left != d.width || outer.bottom - outer.top != d.height)) {
        SetWindowPos(hwnd, nullptr, origin.left, origin.top, d.width, d.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Shared: the system keeps the icon, so nothing is destroyed at the end. A program without
    // the icon resource (a test) simply has no icon.
    if (HANDLE icon =
            LoadImageA(instance, MAKEINTRESOURCEA(kWindowIconId), IMAGE_ICON, 32, 32, LR_SHARED)) {
        SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
    if (d.alwaysOnTop)
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, kNoMoveSizeOrActivate);
    return true;
}

bool MainWindow::createControl(HINSTANCE instance, ControlWindow& control) {
    const ControlRow& row = control.row;
    if (row.kind == ControlKind::QTip) {
        control.balloon = BalloonWindow::create(instance);
        control.hwnd = control.balloon ? control.balloon->hwnd() : nullptr;
        return control.hwnd != nullptr;
    }
    ControlClass cls = controlClassOf(row.kind);
    if (!cls.name)
        return false;
    DWORD style = cls.style | WS_CHILD | WS_CLIPSIBLINGS | (row.tabStop ? WS_TABSTOP : 0);
    auto id = static_cast<INT_PTR>(kFirstControlId + controls_.size());
    control.hwnd = CreateWindowExA(cls.exStyle, cls.name, std::string(row.text).c_str(), style,
                                   row.place.left, row.place.top, row.place.width, row.place.height,
                                   hwnd(), reinterpret_cast<HMENU>(id), instance, &control);
    if (!control.hwnd)
        return false;
    attachControl(control.hwnd, &control);
    if (row.font)
        control.font = createControlFont(*row.font);  // empty: the default GUI font
    SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.fontOrDefault()),
                 FALSE);
    switch (row.kind) {
        case ControlKind::EditBox:
            SendMessageA(control.hwnd, EM_SETLIMITTEXT, 0, 0);  // 0: the system's maximum
            break;
        case ControlKind::CheckBox:
            if (row.checked)
                SendMessageA(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case ControlKind::GroupBox:
            control.baseProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                control.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(groupBoxProc)));
            break;
        default:
            break;
    }
    return true;
}

void MainWindow::placeIntoGroupBoxes() {
    for (const auto& control : controls_) {
        const ControlRow& row = control->row;
        if (row.parent == kMainWindow)
            continue;
        SetParent(control->hwnd, hwndOf(row.parent));
        // Left and top are kept as numbers, so they now count from the group box.
        SetWindowPos(control->hwnd, nullptr, row.place.left, row.place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::stackInStoredOrder() {
    std::map<std::string_view, HWND> lowestSoFar;  // per parent
    for (const auto& control : controls_) {
        if (control->row.kind == ControlKind::QTip)
            continue;  // a top-level window of its own
        HWND& above = lowestSoFar[control->row.parent];
        SetWindowPos(control->hwnd, above ? above : HWND_TOP, 0, 0, 0, 0, kNoMoveSizeOrActivate);
        above = control->hwnd;
    }
}

bool MainWindow::build(HINSTANCE instance, const WindowDescription& description) {
    description_ = &description;
    events_.setEnabled(false);
    controls_.clear();
    if (!registerWindowClasses(instance, windowProc) || !createWindow(instance))
        return false;
    for (const ControlRow& row : description.controls) {
        controls_.push_back(std::make_unique<ControlWindow>(row, events_));
        if (!createControl(instance, *controls_.back())) {
            window_.reset();
            controls_.clear();
            return false;
        }
    }
    placeIntoGroupBoxes();
    stackInStoredOrder();
    for (const auto& control : controls_) {
        if (control->row.visible)
            ShowWindow(control->hwnd, SW_SHOWNA);
    }
    tabSequence_ = tabSequence(description.controls);
    quitOnDestroy_ = true;
    events_.setEnabled(true);
    events_.raise(kMainWindow, EventKind::Created);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    return true;
}

}  // namespace tessavik::ui
