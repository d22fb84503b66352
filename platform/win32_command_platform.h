#pragma once
// The real system behind the user commands (clipboard, hot key relay, cursor).

#include <memory>

namespace tessavik::commands {
class CommandPlatform;
}

namespace tessavik::platform {

std::unique_ptr<commands::CommandPlatform> makeWin32CommandPlatform();

}  // namespace tessavik::platform
