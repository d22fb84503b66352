#include "ui/win32/event_loop.h"

namespace tessavik::ui {

int runEventLoop(MainWindow& window) {
    MSG message;
    while (true) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return -1;
        if (window.preTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace tessavik::ui
