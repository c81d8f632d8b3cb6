#include <gtest/gtest.h>

#include "tolm/utils/timer/CTimer.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

TEST(CTimer, CountsPausesResumesAndResets) {
    CScopedManualTime clock(1000);
    CTimer timer;
    EXPECT_EQ(timer.GetTime(), 0u);
    clock.Advance(16);
    timer.Update();
    clock.Advance(24);
    EXPECT_EQ(timer.GetTimeSinceUpdate(), 24u);
    EXPECT_DOUBLE_EQ(timer.GetSecondsSinceUpdate(), 0.024);
    EXPECT_DOUBLE_EQ(timer.GetSeconds(), 0.04);
    timer.Pause();
    clock.Advance(50);
    timer.Pause();  // a second pause must not move the frozen value
    clock.Advance(50);
    EXPECT_EQ(timer.GetTime(), 40u);
    timer.Resume();
    EXPECT_EQ(timer.GetTime(), 40u);
    clock.Advance(10);
    timer.Resume();  // resuming a running timer does nothing
    EXPECT_EQ(timer.GetTime(), 50u);
    // Reset keeps a paused timer paused at 0.
    timer.Pause();
    timer.Reset();
    EXPECT_TRUE(timer.IsPaused());
    clock.Advance(30);
    EXPECT_EQ(timer.GetTime(), 0u);
    EXPECT_EQ(timer.GetTimeSinceUpdate(), 0u);
    timer.Resume();
    clock.Advance(5);
    EXPECT_EQ(timer.GetTime(), 5u);
}

TEST(CTimer, TimersAsBasesAndAssignment) {
    CScopedManualTime clock(1000);
    CTimer outer;
    clock.Advance(4);
    CTimer inner(&outer);  // starts at 0 on its base's time
    CTimer copy;
    EXPECT_EQ(inner.GetTime(), 0u);
    clock.Advance(6);
    outer.Pause();
    clock.Advance(100);
    EXPECT_EQ(inner.GetTime(), 6u);
    outer.Resume();
    clock.Advance(1);
    EXPECT_EQ(inner.GetTime(), 7u);
    inner.Pause();
    copy = inner;  // the state, not the base
    EXPECT_TRUE(copy.IsPaused());
    EXPECT_EQ(copy.GetTime(), 7u);
    EXPECT_EQ(copy.GetBaseTimer(), GetSystemTimer());
}

}  // namespace
}  // namespace tolm
