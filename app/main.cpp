// Tessavik: shows what lies under the mouse cursor. A GUI program without a console; it reads
// no command line.

#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    return tessavik::app::runTessavik(instance);
}
