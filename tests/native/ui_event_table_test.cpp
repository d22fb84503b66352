#include <gtest/gtest.h>

#include <vector>

#include "ui/event_table.h"

namespace tessavik::ui {
namespace {

TEST(EventTable, OffUntilEnabledAndDroppedEventsAreNotReplayed) {
    EventTable events;
    int runs = 0;
    events.bind("时钟1", EventKind::Periodic, [&runs](const EventArgs&) { ++runs; });
    EXPECT_FALSE(events.enabled());
    EXPECT_FALSE(events.raise("时钟1", EventKind::Periodic));
    events.setEnabled(true);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(events.raise("时钟1", EventKind::Periodic));
    EXPECT_EQ(runs, 1);
}

TEST(EventTable, OneHandlerPerControlAndEventWithItsArguments) {
    EventTable events;
    events.setEnabled(true);
    std::vector<std::string> seen;
    events.bind("编辑框_句柄", EventKind::DoubleClick,
                [&seen](const EventArgs& a) { seen.push_back("first " + std::to_string(a.x)); });
    events.bind("编辑框_句柄", EventKind::DoubleClick, [&seen](const EventArgs& a) {
        seen.push_back("dbl " + std::to_string(a.x) + "," + std::to_string(a.y) + "," +
                       std::to_string(a.keys));
    });
    events.bind("标签3", EventKind::Feedback, [&seen](const EventArgs& a) {
        seen.push_back("fb " + std::to_string(a.wParam) + "," + std::to_string(a.lParam));
    });
    EXPECT_TRUE(
        events.raise("编辑框_句柄", EventKind::DoubleClick, EventArgs::doubleClick(3, 4, 5)));
    EXPECT_TRUE(events.raise("标签3", EventKind::Feedback, EventArgs::feedback(33001, 0)));
    EXPECT_FALSE(events.raise("编辑框_父句柄", EventKind::DoubleClick));  // nothing bound
    EXPECT_FALSE(events.raise("标签3", EventKind::Clicked));              // other event
    EXPECT_EQ(seen, (std::vector<std::string>{"dbl 3,4,5", "fb 33001,0"}));
}

}  // namespace
}  // namespace tessavik::ui
