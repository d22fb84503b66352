#include "ui/win32/window_classes.h"

#include "platform/window_class.h"
#include "ui/win32/label_window.h"
#include "ui/win32/timer_window.h"

namespace tessavik::ui {
namespace {

bool registerClass(HINSTANCE instance, const char* name, UINT style, WNDPROC proc) {
    // Hollow: each window fills its own background when it paints.
    return platform::registerWindowClass(
        instance, {name, proc, style, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))});
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance, WNDPROC mainWindowProc) {
    return registerClass(instance, kMainWindowClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                         mainWindowProc) &&
           registerClass(instance, kLabelClass, CS_VREDRAW | CS_HREDRAW, labelWindowProc) &&
           registerClass(instance, kTimerClass, 0, timerWindowProc);
}

}  // namespace tessavik::ui
