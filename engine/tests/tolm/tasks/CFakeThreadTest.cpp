// Fake-thread ordering and pumping against a hand-driven clock.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tolm/tasks/CFakeThread.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

using Lines = std::vector<std::string>;

Lines& Steps() {
    static Lines steps;
    return steps;
}

class CNamedThread : public CFakeThread {
public:
    CNamedThread(std::string name, types::ticks sleep) : myName(std::move(name)) {
        SetSleepTime(sleep);
    }
    void Step() override {
        Steps().push_back(myName);
        if (myOnStep) myOnStep();
    }
    std::string myName;
    std::function<void()> myOnStep;
};

class CFakeThreadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetFakeThreadCount(), 0u); }
    void TearDown() override { EXPECT_EQ(GetFakeThreadCount(), 0u); }

    // One pump call; the steps it made.
    static Lines Pump() {
        Steps().clear();
        UpdateFakeThreads(0);
        return Steps();
    }
    // Passes every `step` ms up to and including `until`, returning the steps seen.
    Lines Passes(types::ticks until, types::ticks step = 5) {
        Lines seen;
        while (myClock.Now() < until) {
            myClock.Advance(step);
            for (const std::string& name : Pump()) seen.push_back(name);
        }
        return seen;
    }

    CScopedManualTime myClock{1000};
};

TEST_F(CFakeThreadTest, StepsEverySleepTimeOfItsOwnClockPauseCausesNoBurstUnstartedNever) {
    CNamedThread idle("idle", 0), thread("t", 30);
    thread.Start();
    EXPECT_EQ(Pump(), Lines{"t"});           // due at once: clock 0
    EXPECT_EQ(Passes(1295), Lines(9, "t"));  // clock 30, 60, ..., 270
    thread.Pause();
    EXPECT_TRUE(Passes(2295).empty());
    thread.Resume();
    EXPECT_EQ(Passes(2300).size(), 1u);  // clock 300: the one step that was due
    EXPECT_TRUE(Passes(2325).empty());
    EXPECT_EQ(Passes(2330).size(), 1u);
    EXPECT_EQ(idle.GetTime(), 0u);
}

TEST_F(CFakeThreadTest, SelfKilledThreadsGoInTheSamePumpAndTheLastTakesTheRegistry) {
    for (const char* name : {"first", "second"}) {
        auto* thread = new CNamedThread(name, 0);
        thread->myOnStep = [thread] { thread->Kill(); };
        thread->Start();
    }
    // The walk goes on with the thread after a deleted one, without skipping it.
    EXPECT_EQ(Pump(), (Lines{"first", "second"}));
    EXPECT_EQ(GetFakeThreadCount(), 0u);
    UpdateFakeThreads(0);
}

TEST_F(CFakeThreadTest, LeastOverdueFirstAndAnExactlyDueThreadWaitsAPass) {
    CNamedThread a("a", 10), b("b", 20), c("c", 8);
    for (CFakeThread* thread : {&a, &b, &c}) thread->Start();
    EXPECT_EQ(Pump(), (Lines{"a", "b", "c"}));
    // a is due exactly, b in 10 ms, c 2 ms overdue: c, then b, which is not due, ends the walk.
    myClock.Advance(10);
    EXPECT_EQ(Pump(), (Lines{"c"}));
    myClock.Advance(9);  // a 9 ms overdue, c 1 ms: the least overdue goes first
    EXPECT_EQ(Pump(), (Lines{"c", "a"}));
}

TEST_F(CFakeThreadTest, PausedAndDeadThreadsSortLastAndDeadOnesWaitForTheWalk) {
    // Registered in the reverse of the order they must be walked in.
    auto* dead = new CNamedThread("dead", 0);
    auto* paused = new CNamedThread("paused", 0);
    CNamedThread running("running", 0);
    dead->Start();
    dead->Kill();
    paused->Start();
    paused->Pause();
    running.Start();
    EXPECT_EQ(Pump(), (Lines{"running"}));
    // The walk stops at the paused thread, so the dead one is still listed.
    EXPECT_EQ(GetFakeThreadCount(), 3u);
    paused->Kill();
    UpdateFakeThreads(0);
    EXPECT_EQ(GetFakeThreadCount(), 1u);
}

TEST_F(CFakeThreadTest, ThreadsMadeDuringAStepJoinTheSameWalk) {
    CNamedThread parent("parent", 100);
    parent.myOnStep = [] {
        auto* child = new CNamedThread("child", 0);
        child->myOnStep = [child] { child->Kill(); };
        child->Start();
    };
    parent.Start();
    EXPECT_EQ(Pump(), (Lines{"parent", "child"}));
    EXPECT_EQ(GetFakeThreadCount(), 1u);
}

}  // namespace
}  // namespace tolm
