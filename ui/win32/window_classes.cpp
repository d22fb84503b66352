#include "ui/win32/window_classes.h"

#include "ui/win32/label_window.h"
#include "ui/win32/timer_window.h"

namespace tessavik::ui {
namespace {

bool registerClass(HINSTANCE instance, const char* name, UINT style, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // Hollow: each window fills its own background when it paints.
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance, WNDPROC mainWindowProc) {
    return registerClass(instance, kMainWindowClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                         mainWindowProc) &&
           registerClass(instance, kLabelClass, CS_VREDRAW | CS_HREDRAW, labelWindowProc) &&
           registerClass(instance, kTimerClass, 0, timerWindowProc);
}

}  // namespace tessavik::ui
