// The real main window, built in-process from its description under Wine: classes, places,
// styles, texts, stacking, timer, events and their order, focus and keys.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/timer_state.h"
#include "ui/win32/event_loop.h"
#include "ui/win32/main_window.h"
#include "ui/window_description.h"

namespace tessavik::ui {
namespace {

std::string classNameOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string textOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The window's rectangle in its parent's client area.
RECT rectInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class MainWindowTest : public ::testing::Test {
  protected:
    HWND hwndOf(ControlName name) { return platform::hwndFromNative(window.windowHandle(name)); }

    void bindRecorders() {
        window.bind(kMainWindow, EventKind::Created, [this](const EventArgs&) {
            log.push_back("created");
            visibleAtCreated = IsWindowVisible(window.hwnd()) != 0;
            // The window is still hidden, so IsWindowVisible would say no for every child.
            controlsVisibleAtCreated =
                (GetWindowLongPtrA(hwndOf("编辑框_句柄"), GWL_STYLE) & WS_VISIBLE) != 0;
            periodAtCreated = window.getTimerPeriod("时钟1");
        });
        window.bind("选择框1", EventKind::Clicked, [this](const EventArgs&) {
            log.push_back("clicked " + std::to_string(window.isChecked("选择框1")));
        });
        window.bind("时钟1", EventKind::Periodic,
                    [this](const EventArgs&) { log.push_back("tick"); });
        window.bind("标签3", EventKind::Feedback, [this](const EventArgs& a) {
            log.push_back("feedback " + std::to_string(a.wParam) + " " + std::to_string(a.lParam));
        });
        window.bind("编辑框_句柄", EventKind::DoubleClick, [this](const EventArgs& a) {
            DWORD start = 0, end = 0;
            SendMessageA(hwndOf("编辑框_句柄"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            log.push_back("dblclick " + std::to_string(a.x) + "," + std::to_string(a.y) + "," +
                          std::to_string(a.keys) + " sel " + std::to_string(end - start));
        });
    }

    void build() {
        bindRecorders();
        ASSERT_TRUE(window.build(GetModuleHandleA(nullptr)));
        SetForegroundWindow(window.hwnd());
        pump(std::chrono::milliseconds(50));
    }

    // Runs the program's loop steps (look, translate, dispatch) until `done` or the time is up.
    bool pumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
        auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quitCode = static_cast<int>(message.wParam);
                    continue;
                }
                if (window.preTranslateMessage(message))
                    continue;
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }
    void pump(std::chrono::milliseconds duration) {
        pumpUntil([] { return false; }, duration);
    }

    MainWindow window;
    std::vector<std::string> log;
    bool visibleAtCreated = true;
    bool controlsVisibleAtCreated = false;
    std::int32_t periodAtCreated = -1;
    int quitCode = -2;
};

TEST_F(MainWindowTest, WindowClassStylesPlaceAndTopmost) {
    build();
    HWND main = window.hwnd();
    EXPECT_EQ(classNameOf(main), "TessavikWindow");
    EXPECT_EQ(GetClassLongPtrA(main, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(main, GCLP_HBRBACKGROUND)),
              GetStockObject(NULL_BRUSH));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(main, GCLP_HCURSOR)),
              LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(GetClassLongPtrA(main, GCLP_HICON), 0);
    EXPECT_EQ(textOf(main), "Tessavik V1.2");

    auto style = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_STYLE));
    constexpr DWORD kExpected =
        WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
    EXPECT_EQ(style & (kExpected | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP),
              kExpected);
    auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & ~DWORD{WS_EX_WINDOWEDGE},
              DWORD{WS_EX_TOPMOST});  // the system adds the edge
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(main), nullptr);

    RECT outer;
    GetWindowRect(main, &outer);
    int left = (GetSystemMetrics(SM_CXSCREEN) - 499) / 2,
        top = (GetSystemMetrics(SM_CYSCREEN) - 391) / 2;
    EXPECT_EQ(outer.left, left);
    EXPECT_EQ(outer.top, top);
    EXPECT_EQ(outer.right - outer.left, 499);
    EXPECT_EQ(outer.bottom - outer.top, 391);
}

TEST_F(MainWindowTest, EveryControlHasItsClassParentPlaceTextAndStyle) {
    build();
    for (const ControlRow& row : kMainWindowDescription.controls) {
        SCOPED_TRACE(std::string(row.name));
        HWND hwnd = hwndOf(row.name);
        ASSERT_NE(hwnd, nullptr);
        auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
        EXPECT_EQ(IsWindowVisible(hwnd) != 0, row.visible);
        EXPECT_EQ((style & WS_TABSTOP) != 0, row.tabStop);
        if (row.kind == ControlKind::QTip) {
            EXPECT_EQ(GetParent(hwnd), nullptr);  // a top-level tip window of its own
            continue;
        }
        EXPECT_EQ(GetParent(hwnd), hwndOf(row.parent));
        RECT r = rectInParent(hwnd);
        EXPECT_EQ(r.left, row.place.left);
        EXPECT_EQ(r.top, row.place.top);
        EXPECT_EQ(r.right - r.left, row.place.width);
        EXPECT_EQ(r.bottom - r.top, row.place.height);
        EXPECT_TRUE(IsWindowEnabled(hwnd));
        switch (row.kind) {
            case ControlKind::EditBox:
                EXPECT_EQ(classNameOf(hwnd), "Edit");
                EXPECT_EQ(textOf(hwnd), "");
                EXPECT_TRUE(style & ES_READONLY);
                EXPECT_TRUE(style & ES_AUTOHSCROLL);
                EXPECT_FALSE(style & (ES_MULTILINE | ES_PASSWORD | ES_NOHIDESEL | WS_BORDER |
                                      WS_HSCROLL | WS_VSCROLL | ES_UPPERCASE | ES_LOWERCASE));
                EXPECT_EQ(exStyle & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE), DWORD{WS_EX_STATICEDGE});
                break;
            case ControlKind::GroupBox:
                EXPECT_EQ(classNameOf(hwnd), "Button");
                EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_GROUPBOX});
                EXPECT_EQ(textOf(hwnd), row.text);
                break;
            case ControlKind::CheckBox:
                EXPECT_EQ(classNameOf(hwnd), "Button");
                EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_AUTOCHECKBOX});
                EXPECT_TRUE(style & BS_MULTILINE);
                EXPECT_EQ(textOf(hwnd), row.text);
                EXPECT_EQ(window.isChecked(row.name), 1);
                break;
            case ControlKind::Label:
                EXPECT_EQ(classNameOf(hwnd), "TessavikLabel");
                EXPECT_EQ(textOf(hwnd), row.text);
                break;
            case ControlKind::Timer:
                EXPECT_EQ(classNameOf(hwnd), "TessavikTimer");
                break;
            default:
                break;
        }
    }
}

TEST_F(MainWindowTest, SiblingsStackInStoredOrder) {
    build();
    std::map<std::string_view, std::vector<HWND>> expected;
    for (const ControlRow& row : kMainWindowDescription.controls) {
        if (row.kind != ControlKind::QTip)
            expected[row.parent].push_back(hwndOf(row.name));
    }
    for (const auto& [parent, children] : expected) {
        std::vector<HWND> actual;
        for (HWND child = GetWindow(hwndOf(parent), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            actual.push_back(child);
        }
        EXPECT_EQ(actual, children) << std::string(parent);
    }
}

TEST_F(MainWindowTest, CreatedIsTheFirstEventAndRunsBeforeTheWindowShows) {
    build();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "created");  // the initial BM_SETCHECK raised no clicked event
    EXPECT_EQ(log.size(), 1u);
    EXPECT_FALSE(visibleAtCreated);
    EXPECT_TRUE(controlsVisibleAtCreated);
    EXPECT_EQ(periodAtCreated, 0);
    EXPECT_EQ(GetFocus(), hwndOf("编辑框_父句柄"));
}

TEST_F(MainWindowTest, EditTextsPassGbkBytesAndEmptyReadsBackAsNoText) {
    build();
    EXPECT_EQ(window.getEditText("编辑框_标题"), "");
    window.setEditText("编辑框_标题", "窗口标题：abc");
    EXPECT_EQ(window.getEditText("编辑框_标题"), "窗口标题：abc");
    EXPECT_EQ(textOf(hwndOf("编辑框_标题")),
              "\xB4\xB0\xBF\xDA\xB1\xEA\xCC\xE2\xA3\xBA"
              "abc");
    window.setEditText("编辑框_标题", std::string_view("xy\0z", 4).substr(0, 2));
    EXPECT_EQ(window.getEditText("编辑框_标题"), "xy");
    window.setEditText("编辑框_标题", {});
    EXPECT_EQ(window.getEditText("编辑框_标题"), "");
    // Read-only: typed characters change nothing.
    SendMessageA(hwndOf("编辑框_类名"), WM_CHAR, 'q', 0);
    EXPECT_EQ(window.getEditText("编辑框_类名"), "");
}

TEST_F(MainWindowTest, TimerTicksAtItsPeriodAndStopsAtZero) {
    build();
    HWND timer = hwndOf("时钟1");
    window.setTimerPeriod("时钟1", -5);
    EXPECT_EQ(window.getTimerPeriod("时钟1"), 0);
    window.setTimerPeriod("时钟1", 50);
    EXPECT_EQ(window.getTimerPeriod("时钟1"), 50);
    auto ticks = [this] { return std::count(log.begin(), log.end(), "tick"); };
    EXPECT_TRUE(pumpUntil([&] { return ticks() >= 3; }));
    window.setTimerPeriod("时钟1", 0);
    EXPECT_EQ(window.getTimerPeriod("时钟1"), 0);
    EXPECT_FALSE(KillTimer(timer, kTimerId));  // already killed
    auto stopped = ticks();
    pump(std::chrono::milliseconds(200));
    EXPECT_EQ(ticks(), stopped);
    // A WM_TIMER that still arrives is a tick: the timer window does not look at the period.
    SendMessageA(timer, WM_TIMER, kTimerId, 0);
    EXPECT_EQ(ticks(), stopped + 1);
}

TEST_F(MainWindowTest, SamePeriodDoesNotRestartTheCount) {
    build();
    window.setTimerPeriod("时钟1", 300);
    auto ticked = [this] { return std::count(log.begin(), log.end(), "tick") > 0; };
    auto start = std::chrono::steady_clock::now();
    // Writing 300 again every 50 ms would postpone the tick forever if it restarted the count.
    bool got = pumpUntil([&] {
        window.setTimerPeriod("时钟1", 300);
        return ticked();
    });
    EXPECT_TRUE(got);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
}

TEST_F(MainWindowTest, DoubleClickIsRaisedBeforeTheEditBoxSelectsTheWord) {
    build();
    HWND box = hwndOf("编辑框_句柄");
    window.setEditText("编辑框_句柄", "131140 next");
    PostMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 7));
    ASSERT_TRUE(pumpUntil([this] { return log.size() >= 2; }));
    EXPECT_EQ(log[1], "dblclick 5,7,0 sel 0");  // nothing selected yet when the handler ran
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_GT(end, start);  // then the box did its own word selection
    // A box without a handler still gets the message; no event is recorded.
    PostMessageA(hwndOf("编辑框_父句柄"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 7));
    pump(std::chrono::milliseconds(50));
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(MainWindowTest, FeedbackAndClickedReachTheirHandlers) {
    build();
    EXPECT_EQ(SendMessageA(hwndOf("标签3"), 0x8075, 33001, 0), 0);
    HWND box = hwndOf("选择框1");
    SendMessageA(box, BM_CLICK, 0, 0);
    SendMessageA(box, BM_CLICK, 0, 0);
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);  // not a click: no event
    pump(std::chrono::milliseconds(50));
    EXPECT_EQ(log,
              (std::vector<std::string>{"created", "feedback 33001 0", "clicked 0", "clicked 1"}));
}

TEST_F(MainWindowTest, TheBalloonTipControlPopsUpItsWindow) {
    build();
    HWND tip = hwndOf("气球提示框1");
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(window.popUpBalloon("气球提示框1", 300, 300, "复制成功！", -1, true), 1);
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(textOf(tip), "复制成功！");
    EXPECT_EQ(window.popUpBalloon("编辑框_句柄", 300, 300, "x", -1, true), 0);  // not a tip
}

TEST_F(MainWindowTest, AlwaysOnTopFollowsTheFlag) {
    build();
    auto topmost = [this] {
        return (GetWindowLongPtrA(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    RECT before;
    GetWindowRect(window.hwnd(), &before);
    window.setAlwaysOnTop(kMainWindow, 0);
    EXPECT_FALSE(topmost());
    window.setAlwaysOnTop(kMainWindow, 1);
    window.setAlwaysOnTop(kMainWindow, 1);
    EXPECT_TRUE(topmost());
    RECT after;
    GetWindowRect(window.hwnd(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(MainWindowTest, TabAndShiftTabAlternateBetweenTheTwoTabStops) {
    build();
    HWND parentBox = hwndOf("编辑框_父句柄"), checkBox = hwndOf("选择框1");
    ASSERT_EQ(GetFocus(), parentBox);
    auto pressTab = [this] {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        return window.preTranslateMessage(tab);
    };
    EXPECT_TRUE(pressTab());
    EXPECT_EQ(GetFocus(), checkBox);
    EXPECT_TRUE(pressTab());
    EXPECT_EQ(GetFocus(), parentBox);
    // From a box that took the focus by a click, Tab goes to the first tab stop.
    SetFocus(hwndOf("编辑框_类名"));
    EXPECT_TRUE(pressTab());
    EXPECT_EQ(GetFocus(), parentBox);
}

TEST_F(MainWindowTest, FocusReturnsToTheLastFocusedChildOnReactivation) {
    build();
    SetFocus(hwndOf("选择框1"));
    SendMessageA(window.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageA(window.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), hwndOf("选择框1"));
}

TEST_F(MainWindowTest, EscAsAKeyPressClosesTheWindowAndEndsTheLoopWithZero) {
    build();
    MSG escWithShift{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    EXPECT_FALSE(window.preTranslateMessage(escWithShift));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(IsWindow(window.hwnd()));

    MSG esc{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(window.preTranslateMessage(esc));
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(runEventLoop(window), 0);  // the quit message the destroyed window posted
}

TEST_F(MainWindowTest, AControlThatCannotBeMadeFailsTheBuildAndLeavesNothingBehind) {
    ControlRow rows[2];
    rows[0].kind = ControlKind::Label;
    rows[0].name = "a";
    rows[1].kind = ControlKind::Window;  // no control can be of the window's own kind
    rows[1].name = "b";
    WindowDescription broken = kMainWindowDescription;
    broken.controls = rows;
    bool created = false;
    window.bind(kMainWindow, EventKind::Created, [&created](const EventArgs&) { created = true; });
    EXPECT_FALSE(window.build(GetModuleHandleA(nullptr), broken));
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(FindWindowA("TessavikWindow", nullptr), nullptr);
    EXPECT_FALSE(created);
    MSG quit;
    EXPECT_FALSE(
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the error box can show
}

// The labels paint themselves: text in the default GUI font, the blue note in its own font.
// (The separator 标签13 is not checked by its pixels: under Wine here the default GUI font is
// WenQuanYi Zen Hei, whose hyphen renders no pixel at that size.)
TEST_F(MainWindowTest, LabelsPaintTheirText) {
    build();
    pump(std::chrono::milliseconds(100));
    auto countPixels = [](HWND hwnd, auto match) {
        UpdateWindow(hwnd);
        RECT r;
        GetClientRect(hwnd, &r);
        HDC dc = GetDC(hwnd);
        int n = 0;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) n += match(GetPixel(dc, x, y)) ? 1 : 0;
        ReleaseDC(hwnd, dc);
        return n;
    };
    auto dark = [](COLORREF c) {
        return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96;
    };
    auto blue = [](COLORREF c) {
        return GetBValue(c) > 160 && GetRValue(c) < 96 && GetGValue(c) < 96;
    };
    EXPECT_GT(countPixels(hwndOf("标签1"), dark), 40);
    EXPECT_GT(countPixels(hwndOf("标签6"), blue), 200);
    EXPECT_EQ(countPixels(hwndOf("标签6"), dark), 0);
}

}  // namespace
}  // namespace tessavik::ui
