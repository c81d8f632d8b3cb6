// The main loop's optional sleep between passes ("sys_frame_sleep"): how long it may sleep
// without making a task, a timed task or a fake thread late.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "tolm/tasks/CApplication.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

class CDueTask : public CRecordingTask {
public:
    CDueTask(int priority, const std::string& name) : CRecordingTask(priority, name) {}
    std::optional<types::ticks> GetTimeUntilDue() const override { return myDue; }
    std::optional<types::ticks> myDue;
};

class CSteppingThread : public CFakeThread {
public:
    void Step() override {}
};

class FramePacingTest : public CRuntimeTest {
protected:
    void TearDown() override {
        CTaskScheduler::FrameSleep() = 0;
        CRuntimeTest::TearDown();
    }
    CScopedManualTime myTime{1000};
};

TEST_F(FramePacingTest, SleepEndsWhenTheFirstRunningTaskIsDue) {
    CDueTask slow(10, "slow"), fast(20, "fast"), paused(30, "paused");
    for (CDueTask* task : {&slow, &fast, &paused}) Scheduler().AddTask(task);
    paused.myDue = 1;
    Scheduler().PauseTask(&paused);
    const auto none = std::nullopt;
    const struct {
        std::optional<types::ticks> slow, fast;
        types::ticks sleep;
    } cases[] = {
        // clang-format off
        {none, none, CTaskScheduler::kMaxFrameSleep}, {7, none, 7}, {7, 3, 3}, {40, 30, 16},
        {0, 9, 0}, {none, 15, 15},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slow.value_or(99) << " " << c.fast.value_or(99));
        slow.myDue = c.slow;
        fast.myDue = c.fast;
        EXPECT_EQ(Scheduler().GetSleepTime(), c.sleep);
    }
    fast.myDue = 2;
    Scheduler().StopTask(&fast);
    EXPECT_EQ(Scheduler().GetSleepTime(), 16u) << "a dead task waits for nothing";
    Scheduler().Quit();
    EXPECT_EQ(Scheduler().GetSleepTime(), 0u) << "quitting does not sleep";
}

TEST_F(FramePacingTest, TimedTasksAndFakeThreadsWakeTheLoopInTime) {
    CDueTask frame(10, "frame");
    Scheduler().AddTask(&frame);
    CRecordingTask timed(10, "timed");
    timed.SetInterval(5);
    Scheduler().AddTask(&timed);  // due at 1005, runs once the time has passed that
    // Each step: the time to set, then the sleep expected.
    for (auto [now, sleep] : {std::pair{1000u, 6u}, {1005u, 1u}, {1006u, 0u}}) {
        myTime.Set(now);
        EXPECT_EQ(Scheduler().GetSleepTime(), sleep) << now;
    }
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 1);
    EXPECT_EQ(Scheduler().GetSleepTime(), 5u) << "next due at 1010";

    Scheduler().PauseTask(&timed);
    auto* thread = new CSteppingThread;
    thread->SetSleepTime(3);
    EXPECT_EQ(Scheduler().GetSleepTime(), 16u) << "a thread not started waits for nothing";
    thread->Start();
    EXPECT_EQ(Scheduler().GetSleepTime(), 0u) << "a started thread is due at once";
    UpdateFakeThreads(0);
    EXPECT_EQ(Scheduler().GetSleepTime(), 3u);
    myTime.Advance(2);
    EXPECT_EQ(Scheduler().GetSleepTime(), 1u);
    frame.myDue = 0;
    EXPECT_EQ(Scheduler().GetSleepTime(), 0u);
    thread->Kill();
    UpdateFakeThreads(0);
}

TEST_F(FramePacingTest, ConsoleVariableSwitchesTheSleepOnAndTheLoopStillEnds) {
    CApplication application(0, nullptr);
    EXPECT_EQ(Console().GetVariable("sys_frame_sleep"), "0");
    Console().Execute("sys_frame_sleep = 1");
    auto task = std::make_unique<CDueTask>(10, "sleeper");
    task->myDue = 10;
    task->myOnUpdate = [t = task.get()] {
        if (t->myUpdates == 3) Scheduler().Quit();
    };
    Scheduler().AddTask(task.get());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(task->myUpdates, 3);
    // Two sleeps of 10 ms after the first two passes; none once quitting.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

}  // namespace
}  // namespace tolm::test
