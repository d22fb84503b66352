#include "tests/e2e/driver/clipboard.h"

#include <cstring>

#include "platform/scoped_handles.h"
#include "tests/e2e/driver/wait_until.h"

namespace tessavik::e2e {

namespace {
// The program may hold the clipboard for a moment while it copies.
bool openClipboard(HWND owner = nullptr) {
    return waitUntil([owner] { return ::OpenClipboard(owner) != FALSE; }, 2s);
}
}  // namespace

std::optional<std::string> clipboardTextBytes() {
    if (!openClipboard()) return std::nullopt;
    std::optional<std::string> bytes;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        platform::GlobalLockGuard lock(data);
        if (const auto* p = static_cast<const char*>(lock.data())) {
            const std::size_t size = ::GlobalSize(data);
            const auto* zero = static_cast<const char*>(std::memchr(p, 0, size));
            bytes.emplace(p, zero ? static_cast<std::size_t>(zero - p) + 1 : size);
        }
    }
    ::CloseClipboard();
    return bytes;
}

bool putClipboardText(HWND owner, std::string_view text) {
    platform::UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
    if (!block) return false;
    {
        platform::GlobalLockGuard lock(block.get());
        if (!lock.data()) return false;
        std::memcpy(lock.data(), text.data(), text.size());
    }
    if (!openClipboard(owner)) return false;
    ::EmptyClipboard();
    const bool taken = ::SetClipboardData(CF_TEXT, block.get()) != nullptr;
    if (taken) block.release();  // the clipboard owns the block from here on
    ::CloseClipboard();
    return taken;
}

ClipboardHold::ClipboardHold() : held_(openClipboard()) {}
ClipboardHold::~ClipboardHold() {
    if (held_) ::CloseClipboard();
}

}  // namespace tessavik::e2e
