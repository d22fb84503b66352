#include "platform/win32_command_platform.h"

#include <windows.h>

#include <cstring>

#include "commands/command_platform.h"
#include "commands/hot_key_relay.h"
#include "platform/scoped_handles.h"

namespace tessavik::platform {

namespace {

using commands::GlobalBlock;
using commands::LParam;
using commands::LResult;
using commands::WindowProcedure;
using commands::WParam;

HGLOBAL toHglobal(GlobalBlock block) {
    return reinterpret_cast<HGLOBAL>(block);
}

LRESULT CALLBACK relayWindowProcedure(HWND, UINT, WPARAM, LPARAM);

class Win32CommandPlatform final : public commands::CommandPlatform {
  public:
    Point GetCursorPos() override {
        POINT p{};
        if (!::GetCursorPos(&p))
            return {};
        return {p.x, p.y};
    }

    bool OpenClipboard(ui::NativeWindow owner) override {
        return ::OpenClipboard(hwndFromNative(owner)) != FALSE;
    }
    bool EmptyClipboard() override { return ::EmptyClipboard() != FALSE; }
    bool SetClipboardData(GlobalBlock block) override {
        return ::SetClipboardData(CF_TEXT, toHglobal(block)) != nullptr;
    }
    bool CloseClipboard() override { return ::CloseClipboard() != FALSE; }

    GlobalBlock GlobalAlloc(std::size_t bytes) override {
        return reinterpret_cast<GlobalBlock>(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    }
    bool copyToGlobal(GlobalBlock block, std::string_view bytes) override {
        GlobalLockGuard lock(toHglobal(block));
        if (!lock.data())
            return false;
        if (!bytes.empty())
            std::memcpy(lock.data(), bytes.data(), bytes.size());
        return true;
    }
    void GlobalFree(GlobalBlock block) override { ::GlobalFree(toHglobal(block)); }

    bool RegisterHotKey(ui::NativeWindow owner, int id, unsigned modifiers,
                        unsigned virtualKey) override {
        return ::RegisterHotKey(hwndFromNative(owner), id, modifiers, virtualKey) != FALSE;
    }
    WindowProcedure installRelayProcedure(ui::NativeWindow owner) override {
        return static_cast<WindowProcedure>(
            ::SetWindowLongPtrA(hwndFromNative(owner), GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(&relayWindowProcedure)));
    }
    LResult SendMessageA(ui::NativeWindow window, unsigned message, WParam w, LParam l) override {
        return ::SendMessageA(hwndFromNative(window), message, w, l);
    }
    LResult CallWindowProcA(WindowProcedure procedure, ui::NativeWindow window, unsigned message,
                            WParam w, LParam l) override {
        if (procedure == 0)
            return ::DefWindowProcA(hwndFromNative(window), message, w, l);
        return ::CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), hwndFromNative(window),
                                 message, w, l);
    }
};

LRESULT CALLBACK relayWindowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    static Win32CommandPlatform system;  // stateless: the relay's state lives in hotKeyRelay()
    return commands::hotKeyRelay().relay(system, nativeFromHwnd(hwnd), message, w, l);
}

}  // namespace

std::unique_ptr<commands::CommandPlatform> makeWin32CommandPlatform() {
    return std::make_unique<Win32CommandPlatform>();
}

}  // namespace tessavik::platform
