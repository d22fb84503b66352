#pragma once
// The DrawText flags with which a label draws its text.

#include <cstdint>

#include "ui/window_description.h"

namespace tessavik::ui {

// The DrawText flag values (winuser.h), here so that the portable code can compute them.
inline constexpr std::uint32_t kDtLeft = 0x0000;
inline constexpr std::uint32_t kDtCenter = 0x0001;
inline constexpr std::uint32_t kDtRight = 0x0002;
inline constexpr std::uint32_t kDtVCenter = 0x0004;
inline constexpr std::uint32_t kDtWordBreak = 0x0010;
inline constexpr std::uint32_t kDtSingleLine = 0x0020;
inline constexpr std::uint32_t kDtNoClip = 0x0100;

// DT_NOCLIP, the alignment, then one vertically centred line, or with word wrap lines broken at
// the label's width (DT_VCENTER then has no effect: the text starts at the top).
std::uint32_t labelDrawTextFlags(HorizontalAlign align, bool wordWrap);

}  // namespace tessavik::ui
