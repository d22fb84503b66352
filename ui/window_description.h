#pragma once
// A window described as data: the window itself and its controls as constant rows, each with
// its kind, name, parent, place, text, font, colours, flags and the events it binds. The Win32
// toolkit builds a window from such a description with one loop; the rows are tested on Linux.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/controls.h"

namespace tessavik::ui {

enum class ControlKind { Window, EditBox, GroupBox, Label, CheckBox, Timer, QTip };

enum class EventKind : std::uint8_t { Created, Periodic, DoubleClick, Clicked, Feedback };

// The events a row binds, one bit per EventKind.
using EventSet = std::uint8_t;
constexpr EventSet eventBit(EventKind e) {
    return static_cast<EventSet>(1u << static_cast<unsigned>(e));
}
constexpr bool hasEvent(EventSet set, EventKind e) {
    return (set & eventBit(e)) != 0;
}

// The LOGFONT fields a control stores; character set, precision, quality and pitch are fixed
// by the toolkit when the font is made.
struct FontSpec {
    std::string_view face;
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Left and top relative to the parent's client area; width and height are outer sizes.
struct Place {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

enum class HorizontalAlign { Left, Centre, Right };

struct ControlRow {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    std::string_view parent = kMainWindow;  // the main window or a group box
    Place place;
    std::string_view text;
    const FontSpec* font = nullptr;  // none: the system's default GUI font
    Rgb textColour;
    std::optional<Rgb> background;  // none: the kind's system colour
    HorizontalAlign align = HorizontalAlign::Left;
    bool wordWrap = false;
    bool visible = true;  // false for the non-visual components
    bool tabStop = false;
    int tabOrder = 0;
    bool checked = false;
    EventSet events = 0;
};

struct WindowDescription {
    std::string_view title;
    std::int32_t width = 0;  // outer size
    std::int32_t height = 0;
    bool alwaysOnTop = false;
    EventSet events = 0;
    std::span<const ControlRow> controls;  // in stored order: the first of siblings is on top
};

// The main window: "Tessavik V1.2" with its 36 controls.
extern const WindowDescription kMainWindowDescription;

// The row of the named control, or nullptr.
const ControlRow* findControl(const WindowDescription& description, std::string_view name);

}  // namespace tessavik::ui
