#include "ui/timer_state.h"

#include <algorithm>

namespace tessavik::ui {

TimerActions TimerState::setPeriod(std::int32_t milliseconds) {
    std::int32_t period = std::max(milliseconds, std::int32_t{0});
    if (period == period_)
        return {};
    period_ = period;
    TimerActions actions{running_, period};
    running_ = period > 0;
    return actions;
}

TimerActions TimerState::stop() {
    TimerActions actions{running_, 0};
    running_ = false;
    return actions;
}

}  // namespace tessavik::ui
