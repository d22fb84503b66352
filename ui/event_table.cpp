#include "ui/event_table.h"

namespace tessavik::ui {

void EventTable::bind(std::string_view control, EventKind event, EventHandler handler) {
    handlers_[{std::string(control), event}] = std::move(handler);
}

bool EventTable::raise(std::string_view control, EventKind event, const EventArgs& args) const {
    if (!enabled_)
        return false;
    auto found = handlers_.find(std::pair{std::string(control), event});
    if (found == handlers_.end() || !found->second)
        return false;
    found->second(args);
    return true;
}

}  // namespace tessavik::ui
