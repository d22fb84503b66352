#pragma once
// What a user sees of the main window: its 34 windowed controls with their kind, parent, place
// in the main window's client area, size and text, in their stacking order.

#include <array>
#include <string_view>

namespace tessavik::e2e {

enum class ControlKind { Edit, Label, GroupBox, CheckBox };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // a group box's name, or empty for the main window
    int left, top, width, height;  // in the main window's client area
    std::string_view text;
};

extern const std::array<ControlRow, 34> kMainWindowControls;

const ControlRow* findControlRow(std::string_view name);

inline constexpr std::string_view kMainWindowTitle = "Tessavik V1.2";
inline constexpr int kMainWindowWidth = 499;
inline constexpr int kMainWindowHeight = 391;

}  // namespace tessavik::e2e
