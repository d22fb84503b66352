#pragma once
// The clipboard as another application sees it.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tessavik::e2e {

// The CF_TEXT block's bytes up to and including its first zero byte (the whole block when it
// holds none); nullopt when there is no CF_TEXT or the clipboard cannot be opened.
std::optional<std::string> clipboardTextBytes();
// `owner` must be a window whose thread serves messages: the next EmptyClipboard of another
// program sends it WM_DESTROYCLIPBOARD.
bool putClipboardText(HWND owner, std::string_view text);

// Keeps the clipboard open, so that every other program's OpenClipboard fails meanwhile.
class ClipboardHold {
public:
    ClipboardHold();
    ~ClipboardHold();
    ClipboardHold(const ClipboardHold&) = delete;
    ClipboardHold& operator=(const ClipboardHold&) = delete;
    bool held() const { return held_; }

private:
    bool held_;
};

}  // namespace tessavik::e2e
