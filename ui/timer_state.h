#pragma once
// The period of a timer control and what the timer window must do with its Win32 timer when
// the period is written: the decisions, without the system calls.

#include <cstdint>

namespace tessavik::ui {

inline constexpr std::uintptr_t kTimerId = 1000;

struct TimerActions {
    bool kill = false;       // KillTimer(timer window, kTimerId)
    std::int32_t start = 0;  // above 0: SetTimer(timer window, kTimerId, start) after the kill
    friend bool operator==(const TimerActions&, const TimerActions&) = default;
};

class TimerState {
  public:
    // A negative period is taken as 0. Writing the stored period changes nothing, so a running
    // timer keeps its count; any other value restarts the count from now.
    TimerActions setPeriod(std::int32_t milliseconds);
    // The timer window is going away: a running timer is killed.
    TimerActions stop();

    std::int32_t period() const { return period_; }
    bool running() const { return running_; }

  private:
    std::int32_t period_ = 0;
    bool running_ = false;
};

}  // namespace tessavik::ui
