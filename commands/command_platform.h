#pragma once
// What the user commands need of the system: the cursor, the clipboard with its global memory
// block, RegisterHotKey, the relay window procedure and the messages it sends. Each operation
// bears the name of the Win32 call behind it. platform/win32_command_platform.cpp is the real
// one; the tests script a fake.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "probe/probe_types.h"
#include "ui/controls.h"

namespace tessavik::commands {

using GlobalBlock = std::uintptr_t;      // an HGLOBAL; 0 is none
using WindowProcedure = std::uintptr_t;  // a WNDPROC as SetWindowLongPtr gives it; 0 is none
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

inline constexpr unsigned kWmHotKey = 0x0312;      // WM_HOTKEY
inline constexpr unsigned kRelayMessage = 0x8075;  // WM_APP + 0x75, the label's feedback
inline constexpr unsigned kModControl = 0x0002;    // MOD_CONTROL
inline constexpr unsigned kModShift = 0x0004;      // MOD_SHIFT
inline constexpr unsigned kModAlt = 0x0001;        // MOD_ALT

class CommandPlatform {
  public:
    virtual ~CommandPlatform() = default;

    // The cursor in screen pixels; (0, 0) when the system cannot tell.
    virtual Point GetCursorPos() = 0;

    // --- clipboard ---
    virtual bool OpenClipboard(ui::NativeWindow owner) = 0;
    virtual bool EmptyClipboard() = 0;
    // CF_TEXT; true when the clipboard took the block (and with it its ownership).
    virtual bool SetClipboardData(GlobalBlock block) = 0;
    virtual bool CloseClipboard() = 0;

    // --- global memory ---
    // GMEM_MOVEABLE | GMEM_ZEROINIT; 0 on failure.
    virtual GlobalBlock GlobalAlloc(std::size_t bytes) = 0;
    // GlobalLock, copy the bytes to the start of the block, GlobalUnlock; false if it cannot be
    // locked.
    virtual bool copyToGlobal(GlobalBlock block, std::string_view bytes) = 0;
    virtual void GlobalFree(GlobalBlock block) = 0;

    // --- hot key and its relay ---
    virtual bool RegisterHotKey(ui::NativeWindow owner, int id, unsigned modifiers,
                                unsigned virtualKey) = 0;
    // SetWindowLongPtrA(GWLP_WNDPROC) with the relay procedure; the procedure it replaced, 0 on
    // failure.
    virtual WindowProcedure installRelayProcedure(ui::NativeWindow owner) = 0;
    virtual LResult SendMessageA(ui::NativeWindow window, unsigned message, WParam w, LParam l) = 0;
    virtual LResult CallWindowProcA(WindowProcedure procedure, ui::NativeWindow window,
                                    unsigned message, WParam w, LParam l) = 0;
};

}  // namespace tessavik::commands
