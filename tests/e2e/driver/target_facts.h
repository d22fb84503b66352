#pragma once
// The fourteen texts the program must show for a target window, worked out by the driver from
// its own view of that window.

#include <windows.h>

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace tessavik::e2e {

// The edit boxes in the order a tick writes them.
extern const std::array<std::string_view, 14> kFieldBoxes;

using FieldTexts = std::map<std::string, std::string, std::less<>>;

// A handle or id as the program shows it: signed decimal of its low 32 bits.
std::string handleText(HWND window);
std::string idText(DWORD id);

struct TargetFacts {
    HWND window = nullptr;
    POINT cursor{};
    std::string title;      // what the title field must show
    std::string className;  // what the class field must show
    std::string imagePath;  // the owning process's executable, as a Windows path
};

// The texts for a target, its rectangle clamped at 0 on the left and top as the program does.
FieldTexts expectedFields(const TargetFacts& facts);

// The module path of this process (the driver's own executable).
std::string ownImagePath();

}  // namespace tessavik::e2e
