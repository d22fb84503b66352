#include "commands/hot_key_relay.h"

#include "commands/commands.h"

namespace tessavik::commands {

unsigned translateModifiers(int modifiers) {
    switch (modifiers) {
        case 1:
            return kModControl;
        case 2:
            return kModShift;
        case 4:
            return kModAlt;
        case 3:
            return kModControl | kModShift;
        case 5:
            return kModControl | kModAlt;
        case 6:
            return kModShift | kModAlt;
        default:
            return static_cast<unsigned>(modifiers);
    }
}

int HotKeyRelay::registerHotKey(CommandPlatform& platform, ui::NativeWindow owner,
                                ui::NativeWindow notify, int modifiers, int virtualKey) {
    notify_ = notify;
    const unsigned systemModifiers = translateModifiers(modifiers);
    // Installed once, on the first owner; later registrations, even for another owner, reuse it.
    if (savedProcedure_ == 0)
        savedProcedure_ = platform.installRelayProcedure(owner);
    ++registrationCount_;
    ++serial_;
    highestId_ = kFirstHotKeyId - 1 + serial_;
    const int id = highestId_;
    return platform.RegisterHotKey(owner, id, systemModifiers, static_cast<unsigned>(virtualKey))
               ? id
               : 0;
}

LResult HotKeyRelay::relay(CommandPlatform& platform, ui::NativeWindow window, unsigned message,
                           WParam w, LParam l) const {
    if (message == kWmHotKey && serial_ > 0 && w >= static_cast<WParam>(kFirstHotKeyId) &&
        w <= static_cast<WParam>(highestId_)) {
        platform.SendMessageA(notify_, kRelayMessage, w, 0);  // pauseToggle runs inside the send
    }
    return platform.CallWindowProcA(savedProcedure_, window, message, w, l);
}

HotKeyRelay& hotKeyRelay() {
    static HotKeyRelay relay;
    return relay;
}

int registerHotKey(CommandPlatform& platform, ui::NativeWindow owner, ui::NativeWindow notify,
                   int modifiers, int virtualKey) {
    return hotKeyRelay().registerHotKey(platform, owner, notify, modifiers, virtualKey);
}

}  // namespace tessavik::commands
