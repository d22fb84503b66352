#pragma once
// The hot key relay: registers keys with the system for an owner window and, from a window
// procedure installed once on the first owner, passes each WM_HOTKEY of its own ids on to one
// notify window as the relay message. One instance serves the whole process (hotKeyRelay());
// tests make their own.

#include "commands/command_platform.h"

namespace tessavik::commands {

inline constexpr int kFirstHotKeyId = 33001;  // 0x80E9, in the application range of hot-key ids

// The relay's modifiers (1 Ctrl, 2 Shift, 4 Alt and their sums 3, 5, 6) as the system's MOD_
// flags; any other value is passed on unchanged.
unsigned translateModifiers(int modifiers);

class HotKeyRelay {
  public:
    int registerHotKey(CommandPlatform& platform, ui::NativeWindow owner, ui::NativeWindow notify,
                       int modifiers, int virtualKey);
    // The installed window procedure's rule, for every message of the owner window.
    LResult relay(CommandPlatform& platform, ui::NativeWindow window, unsigned message, WParam w,
                  LParam l) const;

    ui::NativeWindow notifyWindow() const { return notify_; }
    int registrationCount() const { return registrationCount_; }
    int serial() const { return serial_; }
    int highestId() const { return highestId_; }
    WindowProcedure savedProcedure() const { return savedProcedure_; }

  private:
    ui::NativeWindow notify_ = 0;
    int registrationCount_ = 0;
    int serial_ = 0;
    int highestId_ = 0;
    WindowProcedure savedProcedure_ = 0;
};

// The process-wide relay behind registerHotKey (commands.h) and the installed window procedure.
HotKeyRelay& hotKeyRelay();

}  // namespace tessavik::commands
