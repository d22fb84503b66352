#include "ui/win32/label_window.h"

#include <string>

#include "ui/label_format.h"
#include "ui/win32/control_window.h"

namespace tessavik::ui {
namespace {

std::string windowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void paintLabel(HWND hwnd, const ControlWindow& label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, controlColours(label, dc));
    std::string text = windowText(hwnd);
    if (!text.empty()) {
        platform::SelectGuard font(dc, label.fontOrDefault());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colourRef(label.row.textColour));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
                  labelDrawTextFlags(label.row.align, label.row.wordWrap));
    }
    EndPaint(hwnd, &paint);
}

}  // namespace

LRESULT CALLBACK labelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ControlWindow* label = controlForMessage(hwnd, message, lParam)) {
        switch (message) {
            case WM_ERASEBKGND:
                return 1;  // the paint fills the whole label
            case WM_PAINT:
                paintLabel(hwnd, *label);
                return 0;
            case WM_SETTEXT: {
                LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
                InvalidateRect(hwnd, nullptr, TRUE);
                return result;
            }
            case kRelayMessage:
                label->events.raise(label->row.name, EventKind::Feedback,
                                    EventArgs::feedback(static_cast<std::int32_t>(wParam),
                                                        static_cast<std::int32_t>(lParam)));
                return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace tessavik::ui
