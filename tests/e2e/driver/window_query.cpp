#include "tests/e2e/driver/window_query.h"

#include <array>

#include "tests/e2e/driver/wait_until.h"

namespace tessavik::e2e {

namespace {
constexpr UINT kAnswerTimeoutMs = 3000;
}

std::string windowText(HWND window) {
    // The length in UTF-16 units, asked with the W message: Wine's A form of WM_GETTEXTLENGTH
    // ignores the time-out across processes. A GBK character takes at most two bytes per unit.
    DWORD_PTR units = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &units)) {
        return {};
    }
    std::string buffer(2 * units + 1, '\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                               SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied)) {
        return {};
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

std::string rectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string className(HWND window) {
    std::array<char, 512> buffer{};
    const int length = ::GetClassNameA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

RECT windowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

RECT rectInClientOf(HWND window, HWND reference) {
    RECT r = windowRect(window);
    ::MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG_PTR windowStyle(HWND window) { return ::GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR windowExStyle(HWND window) { return ::GetWindowLongPtrA(window, GWL_EXSTYLE); }

DWORD processOf(HWND window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> descendantsOf(HWND parent) {
    std::vector<HWND> found;
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> topLevelWindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    ::EnumWindows(
        [](HWND window, LPARAM param) {
            auto& s = *reinterpret_cast<Search*>(param);
            if (processOf(window) == s.pid) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForVisibleWindow(DWORD pid, std::string_view title, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND w : topLevelWindowsOf(pid)) {
                std::array<char, 256> text{};
                ::GetWindowTextA(w, text.data(), static_cast<int>(text.size()));
                if (::IsWindowVisible(w) && title == text.data()) found = w;
            }
            return found != nullptr;
        },
        timeout, 2ms);
    return found;
}

}  // namespace tessavik::e2e
