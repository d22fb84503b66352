#pragma once
// The handlers bound to the events of a window's controls, at most one per control and event,
// and the switch that keeps events off while the window is being built.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "ui/window_description.h"

namespace tessavik::ui {

// What an event carries: double-click gives x, y and keys (1 Ctrl, 2 Shift, 4 Alt); feedback
// gives the relay message's wParam and lParam. The other events carry nothing.
struct EventArgs {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t keys = 0;
    std::int32_t wParam = 0;
    std::int32_t lParam = 0;

    static EventArgs doubleClick(std::int32_t x, std::int32_t y, std::int32_t keys) {
        EventArgs args;
        args.x = x;
        args.y = y;
        args.keys = keys;
        return args;
    }
    static EventArgs feedback(std::int32_t wParam, std::int32_t lParam) {
        EventArgs args;
        args.wParam = wParam;
        args.lParam = lParam;
        return args;
    }
};

using EventHandler = std::function<void(const EventArgs&)>;

class EventTable {
  public:
    // Binds the handler of this control and event, replacing an earlier one.
    void bind(std::string_view control, EventKind event, EventHandler handler);
    // Runs the bound handler; false when events are off (the event is dropped, not kept for
    // later) or nothing is bound.
    bool raise(std::string_view control, EventKind event, const EventArgs& args = {}) const;

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

  private:
    std::map<std::pair<std::string, EventKind>, EventHandler, std::less<>> handlers_;
    bool enabled_ = false;  // off until the window is built
};

}  // namespace tessavik::ui
