#pragma once
// The toolkit's own label: paints its background and text itself, and turns the hot-key relay
// message into its feedback event.

#include <windows.h>

namespace tessavik::ui {

inline constexpr UINT kRelayMessage = WM_APP + 0x75;  // 0x8075

LRESULT CALLBACK labelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tessavik::ui
