// The event timer: delivery order, the ten-entry limit, cancelling, reports that schedule
// or tear the timer down, and the wrap of the tick count.
#include "controls/event_timer.h"
#include "controls_fixture.h"

using controls_testing::ControlsTest;
using controls_testing::Event;

namespace {

using EventTimerTest = ControlsTest;

TEST_F(EventTimerTest, EntriesFireOnceInOrderWhenDue) {
    auto* timer = Add(new EventTimer(290));
    timer->Schedule(2.0f, 8);
    timer->Schedule(1.0f, 7);
    Tick(999);
    EXPECT_TRUE(TakeEvents().empty());
    Tick(1);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 7, 1}}));
    Tick(1000);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 8, 1}}));
    EXPECT_FALSE(timer->IsPending());
    Tick(5000);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(EventTimerTest, EntriesDueInTheSameFrameFireInScheduleOrder) {
    auto* timer = Add(new EventTimer(290));
    timer->Schedule(0.5f, 3);
    timer->Schedule(0.2f, 1);
    timer->Schedule(0.4f, 2);
    Tick(600);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 3, 1}, {290, 1, 1}, {290, 2, 1}}));
}

TEST_F(EventTimerTest, AnEleventhEntryIsIgnoredAndAFiredOneFreesItsPlace) {
    auto* timer = Add(new EventTimer(290));
    for (int i = 0; i < 10; ++i) timer->Schedule(1.0f + i, i);
    timer->Schedule(0.1f, 99);
    EXPECT_EQ(timer->PendingCount(), 10);
    Tick(1000);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 0, 1}}));
    timer->Schedule(0.1f, 50);
    Tick(100);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 50, 1}}));
    Tick(20000);
    EXPECT_EQ(TakeEvents().size(), 9u);
}

TEST_F(EventTimerTest, CancelAllLeavesNothingPending) {
    auto* timer = Add(new EventTimer(290));
    timer->Schedule(1.0f, 1);
    timer->Schedule(2.0f, 2);
    timer->CancelAll();
    EXPECT_FALSE(timer->IsPending());
    Tick(5000);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(EventTimerTest, AReportMayScheduleTheNextStepOrCancelTheRest) {
    auto* timer = Add(new EventTimer(290));
    OnEvent() = [timer](const Event& event) {
        if (event.code == 1) timer->Schedule(1.0f, 2);
        if (event.code == 3) timer->CancelAll();
    };
    timer->Schedule(1.0f, 1);
    timer->Schedule(3.0f, 3);
    timer->Schedule(3.0f, 4);
    Tick(1000);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 1, 1}}));
    Tick(1000);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 2, 1}}));
    Tick(1000);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 3, 1}}));  // 4 was cancelled by 3
}

TEST_F(EventTimerTest, AReportThatTearsTheScreenDownEndsTheUpdate) {
    auto* timer = Add(new EventTimer(290));
    OnEvent() = [](const Event&) { Interface::RemoveAllControls(true); };
    timer->Schedule(0.1f, 1);
    timer->Schedule(0.1f, 2);
    Tick(100);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 1, 1}}));
    EXPECT_EQ(Interface::FindControl(290), nullptr);
}

TEST_F(EventTimerTest, DelaysAcrossTheTickCountsHalfwayPointAndWrapAreKept) {
    for (uint32_t start : {0x7FFFFE00u, 0xFFFFFE00u}) {
        headless::SetTickCount(start);
        auto* timer = Add(new EventTimer(290));
        timer->Schedule(1.0f, 1);
        Tick(500);
        EXPECT_TRUE(TakeEvents().empty()) << start;
        Tick(500);
        EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 1, 1}})) << start;
        Interface::RemoveAllControls(true);
    }
}

TEST_F(EventTimerTest, NegativeAndZeroDelaysFireAtTheNextUpdate) {
    auto* timer = Add(new EventTimer(290));
    timer->Schedule(-3.0f, 1);
    timer->Schedule(0.0f, 2);
    Tick(0);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{290, 1, 1}, {290, 2, 1}}));
}

}  // namespace
