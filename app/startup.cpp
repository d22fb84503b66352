#include "app/startup.h"

#include <cfenv>
#include <cfloat>
#include <cstdlib>
#include <new>

#include "app/bindings.h"
#include "app/controls_field_sink.h"
#include "platform/win32_command_platform.h"
#include "platform/win32_probe_platform.h"
#include "ui/win32/event_loop.h"
#include "ui/win32/main_window.h"

namespace tessavik::app {
namespace {

// The frame owns the target rectangle: allocated zeroed before the window is built, so that it
// exists before the first tick, and released by the exit routine at a normal end.
Rect* targetRect = nullptr;

void releaseTargetRect() {
    delete targetRect;
    targetRect = nullptr;
}

[[noreturn]] void failStartUp() {
    MessageBoxA(nullptr, "无法创建主窗口，或内存不足。程序将退出。", "Tessavik V1.2",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // Not a normal end: _Exit runs no exit routine, so releaseTargetRect does not run.
    std::_Exit(-1);
}

}  // namespace

void resetFloatingPoint() {
    std::fesetenv(FE_DFL_ENV);
    std::feclearexcept(FE_ALL_EXCEPT);
    // MinGW's default environment leaves the exception masks as they were: set them explicitly
    // (for the x87 unit and SSE alike), with rounding to nearest.
    unsigned int control = 0;
    _controlfp_s(&control, _MCW_EM | _RC_NEAR, _MCW_EM | _MCW_RC);
}

int runTessavik(HINSTANCE instance) {
    resetFloatingPoint();
    std::set_new_handler(failStartUp);
    targetRect = new (std::nothrow) Rect{};
    if (!targetRect)
        failStartUp();
    std::atexit(releaseTargetRect);

    ProbeState probeState{0, *targetRect};
    ui::MainWindow window;
    ControlsFieldSink fields(window);
    platform::Win32ProbePlatform probe;
    auto commands = platform::makeWin32CommandPlatform();
    AppContext app{window, *commands, probe, fields, probeState};
    for (Binding& binding : makeBindings(app)) {
        window.bind(binding.control, binding.event, std::move(binding.handler));
    }
    if (!window.build(instance))
        failStartUp();
    return ui::runEventLoop(window);
}

}  // namespace tessavik::app
