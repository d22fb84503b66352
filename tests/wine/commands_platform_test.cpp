// The commands against the real system under Wine: the clipboard round trip, a clipboard held
// by another thread, and the relay procedure on a real window with a real hot key.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "commands/command_platform.h"
#include "commands/commands.h"
#include "commands/hot_key_relay.h"
#include "platform/scoped_handles.h"
#include "platform/win32_command_platform.h"

namespace tessavik::commands {
namespace {

using platform::nativeFromHwnd;
using platform::UniqueWindow;

// What a window of the test saw, by message.
struct Seen {
    std::vector<std::pair<UINT, WPARAM>> messages;
    LPARAM lastRelayLParam = -1;
};
Seen ownerSeen;
Seen notifySeen;

LRESULT CALLBACK ownerProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_HOTKEY)
        ownerSeen.messages.emplace_back(message, w);
    if (message == WM_HOTKEY)
        return 0x77;
    return DefWindowProcA(hwnd, message, w, l);
}

LRESULT CALLBACK notifyProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == kRelayMessage) {
        notifySeen.messages.emplace_back(message, w);
        notifySeen.lastRelayLParam = l;
        return 0;
    }
    return DefWindowProcA(hwnd, message, w, l);
}

UniqueWindow makeWindow(const char* className, WNDPROC procedure) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = procedure;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = className;
    RegisterClassA(&cls);
    return UniqueWindow(CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        cls.hInstance, nullptr));
}

std::string clipboardText() {
    std::string out;
    if (!OpenClipboard(nullptr))
        return "<not opened>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        const platform::GlobalLockGuard lock(data);
        if (lock.data())
            out.assign(static_cast<const char*>(lock.data()), GlobalSize(data));
    }
    CloseClipboard();
    return out;
}

class CommandsUnderWine : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "run with LANG=zh_CN.UTF-8";
        owner_ = makeWindow("TessavikTestOwner", ownerProcedure);
        ASSERT_TRUE(owner_);
    }
    std::unique_ptr<CommandPlatform> system_ = platform::makeWin32CommandPlatform();
    UniqueWindow owner_;
};

TEST_F(CommandsUnderWine, ClipboardGetsTheGbkBytesAndOneZero) {
    ASSERT_EQ(setClipboardText(*system_, nativeFromHwnd(owner_.get()), "进程ID：1234"), 1);
    const std::string expected =
        "\xBD\xF8\xB3\xCC"
        "ID\xA3\xBA"
        "1234";
    const std::string got = clipboardText();
    ASSERT_GE(got.size(), expected.size() + 1);  // a block may be rounded up; zero-filled
    EXPECT_EQ(got.substr(0, expected.size() + 1), expected + '\0');
    EXPECT_EQ(got.find_first_not_of('\0', expected.size()), std::string::npos);
}

TEST_F(CommandsUnderWine, AClipboardHeldByAnotherThreadKeepsItsContent) {
    ASSERT_EQ(setClipboardText(*system_, nativeFromHwnd(owner_.get()), "old"), 1);
    enum { kPending, kOpened, kFailed };
    std::atomic<int> holding{kPending};
    std::atomic<bool> release{false};
    std::thread holder([&] {
        UniqueWindow window = makeWindow("TessavikTestHolder", DefWindowProcA);
        holding = OpenClipboard(window.get()) ? kOpened : kFailed;
        while (holding == kOpened && !release) Sleep(5);
        if (holding == kOpened)
            CloseClipboard();
    });
    while (holding == kPending) Sleep(5);
    ASSERT_EQ(holding, kOpened);
    EXPECT_EQ(setClipboardText(*system_, nativeFromHwnd(owner_.get()), "new"), 0);
    release = true;
    holder.join();
    EXPECT_EQ(clipboardText().c_str(), std::string("old"));
}

// The relay procedure is installed once per process, so one test drives all of it.
TEST_F(CommandsUnderWine, RelayProcedureRelaysItsOwnHotKeysAndPassesEverythingOn) {
    UniqueWindow notify = makeWindow("TessavikTestNotify", notifyProcedure);
    ASSERT_TRUE(notify);
    // Ctrl+Alt+F12: out of the way of anything else in this prefix.
    const int id = registerHotKey(*system_, nativeFromHwnd(owner_.get()),
                                  nativeFromHwnd(notify.get()), 5, VK_F12);
    EXPECT_EQ(id, kFirstHotKeyId);
    EXPECT_NE(GetWindowLongPtrA(owner_.get(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(ownerProcedure));

    EXPECT_EQ(SendMessageA(owner_.get(), WM_HOTKEY, 33001, 0x0B0002), 0x77);  // the saved result
    EXPECT_EQ(SendMessageA(owner_.get(), WM_HOTKEY, 33002, 0), 0x77);
    EXPECT_EQ(SendMessageA(owner_.get(), WM_HOTKEY, static_cast<WPARAM>(-2), 0), 0x77);

    using Seen1 = std::vector<std::pair<UINT, WPARAM>>;
    EXPECT_EQ(notifySeen.messages, (Seen1{{kRelayMessage, 33001}}));
    EXPECT_EQ(notifySeen.lastRelayLParam, 0);
    EXPECT_EQ(
        ownerSeen.messages,
        (Seen1{{WM_HOTKEY, 33001}, {WM_HOTKEY, 33002}, {WM_HOTKEY, static_cast<WPARAM>(-2)}}));

    // The same key again is refused by the system; the id is used up all the same.
    EXPECT_EQ(registerHotKey(*system_, nativeFromHwnd(owner_.get()), nativeFromHwnd(notify.get()),
                             5, VK_F12),
              0);
    EXPECT_EQ(hotKeyRelay().highestId(), 33002);
    EXPECT_EQ(hotKeyRelay().registrationCount(), 2);

    // A real press of the key, through the input queue.
    notifySeen.messages.clear();
    INPUT keys[6] = {};
    const WORD sequence[6] = {VK_CONTROL, VK_MENU, VK_F12, VK_F12, VK_MENU, VK_CONTROL};
    for (int i = 0; i < 6; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i];
        keys[i].ki.dwFlags = i >= 3 ? KEYEVENTF_KEYUP : 0;
    }
    ASSERT_EQ(SendInput(6, keys, sizeof(INPUT)), 6u);
    MSG msg;
    for (DWORD start = GetTickCount();
         notifySeen.messages.empty() && GetTickCount() - start < 3000;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    EXPECT_EQ(notifySeen.messages, (Seen1{{kRelayMessage, 33001}}));
}

}  // namespace
}  // namespace tessavik::commands
