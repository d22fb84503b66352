#pragma once
// The user commands, as the application binds them to control events.

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/controls.h"

namespace tessavik::commands {

class CommandPlatform;  // commands/command_platform.h: what the commands need of the system

// One row of the copy table: the edit box, the caption put in front of its text, and the tip's
// texts for success and failure.
struct CopyRow {
    std::string_view box;
    std::string_view caption;
    std::string_view success;
    std::string_view failure;
};
extern const std::array<CopyRow, 12> kCopyTable;

// The double-click handler of one copyable edit box.
void copyField(ui::Controls& controls, CommandPlatform& platform, const CopyRow& row);

// Puts the text (GBK bytes) on the clipboard as CF_TEXT; 1 when the clipboard took it, else 0.
int setClipboardText(CommandPlatform& platform, ui::NativeWindow owner, std::string_view text);

// Registers a system-wide hot key for `owner` and relays each of its presses to `notify` as
// message 0x8075; the new hot-key id, or 0 when the system refused the key.
int registerHotKey(CommandPlatform& platform, ui::NativeWindow owner, ui::NativeWindow notify,
                   int modifiers, int virtualKey);

// The feedback handler of 标签3: pauses sampling when it runs, resumes it when paused.
void pauseToggle(ui::Controls& controls);

// The clicked handler of 选择框1: the window's always-on-top state follows the box.
void applyAlwaysOnTop(ui::Controls& controls);

}  // namespace tessavik::commands
