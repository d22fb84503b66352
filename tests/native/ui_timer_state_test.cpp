#include <gtest/gtest.h>

#include "ui/timer_state.h"

namespace tessavik::ui {
namespace {

// Each step writes a period and expects the timer window's calls, the stored period and the
// running flag afterwards. The sequence runs on one timer.
struct Step {
    std::int32_t write;
    TimerActions actions;
    std::int32_t period;
    bool running;
};

TEST(TimerState, StartsStoppedWithPeriodZero) {
    TimerState timer;
    EXPECT_EQ(timer.period(), 0);
    EXPECT_FALSE(timer.running());
}

TEST(TimerState, PeriodWritesFollowTheStateMachine) {
    const Step steps[] = {
        {0, {}, 0, false},   // 0 while stopped: nothing
        {-5, {}, 0, false},  // negative is 0: still nothing
        {200, {false, 200}, 200, true},
        {200, {}, 200, true},            // same value: the count is not restarted
        {0, {true, 0}, 0, false},        // pause
        {200, {false, 200}, 200, true},  // resume: a full period from now
        {50, {true, 50}, 50, true},      // a new period restarts the count
        {-5, {true, 0}, 0, false},       // negative stops a running timer
    };
    TimerState timer;
    int i = 0;
    for (const Step& s : steps) {
        EXPECT_EQ(timer.setPeriod(s.write), s.actions) << "step " << i;
        EXPECT_EQ(timer.period(), s.period) << "step " << i;
        EXPECT_EQ(timer.running(), s.running) << "step " << i;
        ++i;
    }
}

TEST(TimerState, StopKillsOnlyARunningTimer) {
    TimerState timer;
    EXPECT_EQ(timer.stop(), TimerActions{});
    timer.setPeriod(200);
    EXPECT_EQ(timer.stop(), (TimerActions{true, 0}));
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(timer.stop(), TimerActions{});
}

}  // namespace
}  // namespace tessavik::ui
