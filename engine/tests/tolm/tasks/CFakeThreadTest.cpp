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

class CNamedThread : public CFakeThread {
public:
    CNamedThread(Lines& journal, std::string name, types::ticks sleep)
        : myJournal(journal), myName(std::move(name)) {
        SetSleepTime(sleep);
    }
    void Step() override {
        myJournal.push_back(myName);
        if (myOnStep) myOnStep();
    }
    Lines& myJournal;
    std::string myName;
    std::function<void()> myOnStep;
};

class CFakeThreadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetFakeThreadCount(), 0u); }
    void TearDown() override { EXPECT_EQ(GetFakeThreadCount(), 0u); }

    // Passes every `step` ms up to and including `until`, returning the steps seen.
    Lines Passes(types::ticks until, types::ticks step = 5) {
        Lines seen;
        while (myClock.Now() < until) {
            myClock.Advance(step);
            myJournal.clear();
            UpdateFakeThreads(0);
            seen.insert(seen.end(), myJournal.begin(), myJournal.end());
        }
        return seen;
    }

    CScopedManualTime myClock{1000};
    Lines myJournal;
};

TEST_F(CFakeThreadTest, NeverStartedIsNeverStepped) {
    CNamedThread thread(myJournal, "idle", 0);
    EXPECT_EQ(GetFakeThreadCount(), 1u);
    EXPECT_TRUE(Passes(1100).empty());
    EXPECT_EQ(thread.GetTime(), 0u);
}

TEST_F(CFakeThreadTest, StepsEverySleepTimeOfItsOwnClockAndPauseCausesNoBurst) {
    CNamedThread thread(myJournal, "t", 30);
    thread.Start();
    UpdateFakeThreads(0);                // due at once: clock 0
    EXPECT_EQ(Passes(1295).size(), 9u);  // clock 30, 60, ..., 270
    thread.Pause();
    EXPECT_TRUE(Passes(2295).empty());
    thread.Resume();
    EXPECT_EQ(Passes(2300).size(), 1u);  // clock 300: the one step that was due
    EXPECT_TRUE(Passes(2325).empty());
    EXPECT_EQ(Passes(2330).size(), 1u);
}

TEST_F(CFakeThreadTest, SelfKillDeletesInTheSamePumpAndTheLastTakesTheRegistry) {
    auto* thread = new CNamedThread(myJournal, "once", 0);
    thread->myOnStep = [thread] { thread->Kill(); };
    thread->Start();
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"once"}));
    EXPECT_EQ(GetFakeThreadCount(), 0u);
    UpdateFakeThreads(0);
}

TEST_F(CFakeThreadTest, ThreadAfterASelfKilledOneIsStillSteppedThatPass) {
    auto* first = new CNamedThread(myJournal, "first", 0);
    first->myOnStep = [first] { first->Kill(); };
    CNamedThread second(myJournal, "second", 0);
    first->Start();
    second.Start();
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"first", "second"}));
}

TEST_F(CFakeThreadTest, ExactlyDueThreadSortsBehindNotYetDueAndWaitsAPass) {
    CNamedThread a(myJournal, "a", 10), b(myJournal, "b", 20);
    a.Start();
    b.Start();
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"a", "b"}));
    myClock.Advance(10);  // a is due exactly, b in 10 ms: b sorts first and stops the walk
    myJournal.clear();
    UpdateFakeThreads(0);
    EXPECT_TRUE(myJournal.empty());
    myClock.Advance(1);
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"a"}));
}

TEST_F(CFakeThreadTest, LeastOverdueThreadGoesFirst) {
    CNamedThread x(myJournal, "x", 5), y(myJournal, "y", 7);
    x.Start();
    y.Start();
    UpdateFakeThreads(0);
    myClock.Advance(10);  // x 5 ms overdue, y 3 ms
    myJournal.clear();
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"y", "x"}));
}

TEST_F(CFakeThreadTest, PausedAndDeadThreadsSortLastAndDeadOnesWaitForTheWalk) {
    CNamedThread running(myJournal, "running", 0);
    auto* paused = new CNamedThread(myJournal, "paused", 0);
    auto* dead = new CNamedThread(myJournal, "dead", 0);
    dead->Start();
    dead->Kill();
    paused->Start();
    paused->Pause();
    running.Start();
    EXPECT_TRUE(running.IsLess(*paused));
    EXPECT_TRUE(paused->IsLess(*dead));
    EXPECT_FALSE(dead->IsLess(*paused));
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"running"}));
    // The walk stops at the paused thread, so the dead one is still listed.
    EXPECT_EQ(GetFakeThreadCount(), 3u);
    paused->Kill();
    UpdateFakeThreads(0);
    EXPECT_EQ(GetFakeThreadCount(), 1u);
}

TEST_F(CFakeThreadTest, ThreadsMadeDuringAStepJoinTheSameWalk) {
    CNamedThread parent(myJournal, "parent", 100);
    CNamedThread* child = nullptr;
    parent.myOnStep = [&] {
        child = new CNamedThread(myJournal, "child", 0);
        child->myOnStep = [&child] { child->Kill(); };
        child->Start();
    };
    parent.Start();
    UpdateFakeThreads(0);
    EXPECT_EQ(myJournal, (Lines{"parent", "child"}));
    EXPECT_EQ(GetFakeThreadCount(), 1u);
}

}  // namespace
}  // namespace tolm
