#pragma once
// Registers a window class of the program's own; a class that is already registered (a second
// build of the same window in one process) counts as registered.

#include <windows.h>

namespace tessavik::platform {

struct WindowClassOptions {
    const char* name = nullptr;
    WNDPROC procedure = nullptr;
    UINT style = 0;
    HBRUSH background = nullptr;  // none: the window fills its own background
};

inline bool registerWindowClass(HINSTANCE instance, const WindowClassOptions& options) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = options.style;
    wc.lpfnWndProc = options.procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = options.background;
    wc.lpszClassName = options.name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace tessavik::platform
