#include "tolm/utils/timer/CTimer.h"

#include <gtest/gtest.h>

#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

TEST(CTimer, CountsFromConstructionAgainstTheSystemTime) {
    CScopedManualTime clock(1000);
    CTimer timer;
    EXPECT_EQ(timer.GetTime(), 0u);
    clock.Advance(250);
    EXPECT_EQ(timer.GetTime(), 250u);
    EXPECT_DOUBLE_EQ(timer.GetSeconds(), 0.25);
}

TEST(CTimer, PauseFreezesAndResumeContinuesWithoutThePause) {
    CScopedManualTime clock(0);
    CTimer timer;
    clock.Advance(40);
    timer.Pause();
    timer.Pause();  // a second pause must not move the frozen value
    clock.Advance(100);
    EXPECT_EQ(timer.GetTime(), 40u);
    timer.Resume();
    EXPECT_EQ(timer.GetTime(), 40u);
    clock.Advance(10);
    EXPECT_EQ(timer.GetTime(), 50u);
    timer.Resume();  // resuming a running timer does nothing
    EXPECT_EQ(timer.GetTime(), 50u);
}

TEST(CTimer, ResetKeepsThePausedFlag) {
    CScopedManualTime clock(500);
    CTimer timer;
    clock.Advance(70);
    timer.Pause();
    timer.Reset();
    EXPECT_TRUE(timer.IsPaused());
    clock.Advance(30);
    EXPECT_EQ(timer.GetTime(), 0u);
    timer.Resume();
    clock.Advance(5);
    EXPECT_EQ(timer.GetTime(), 5u);
}

TEST(CTimer, UpdateMeasuresTheTimeSince) {
    CScopedManualTime clock(0);
    CTimer timer;
    clock.Advance(16);
    timer.Update();
    clock.Advance(20);
    EXPECT_EQ(timer.GetTimeSinceUpdate(), 20u);
    EXPECT_DOUBLE_EQ(timer.GetSecondsSinceUpdate(), 0.02);
}

TEST(CTimer, TimerCanServeAsTheBaseOfAnother) {
    CScopedManualTime clock(0);
    CTimer outer;
    CTimer inner(&outer);
    clock.Advance(10);
    outer.Pause();
    clock.Advance(100);
    EXPECT_EQ(inner.GetTime(), 10u);
    outer.Resume();
    clock.Advance(1);
    EXPECT_EQ(inner.GetTime(), 11u);
}

TEST(CTimer, AssignmentCopiesStateButNotTheBase) {
    CScopedManualTime clock(0);
    CTimer base;
    CTimer a(&base);
    CTimer b;
    clock.Advance(30);
    a.Pause();
    b = a;
    EXPECT_TRUE(b.IsPaused());
    EXPECT_EQ(b.GetTime(), 30u);
    EXPECT_EQ(b.GetBaseTimer(), GetSystemTimer());
}

TEST(SystemTime, SwappedSourceIsSeenByExistingTimers) {
    CTimer timer;  // made against the real clock
    {
        CScopedManualTime clock(0);
        timer.Reset();
        clock.Set(5000);
        EXPECT_EQ(timer.GetTime(), 5000u);
    }
    SetSystemTimeSource(nullptr);
    EXPECT_EQ(GetSystemTime(), 0u);
    SetSystemTimeSource(CreateSdlTimeSource());
}

}  // namespace
}  // namespace tolm
