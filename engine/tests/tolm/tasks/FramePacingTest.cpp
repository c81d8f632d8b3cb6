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
};

TEST_F(FramePacingTest, SleepEndsWhenTheFirstRunningTaskIsDue) {
    CScopedManualTime time(1000);
    CDueTask slow(10, "slow");
    CDueTask fast(20, "fast");
    CDueTask paused(30, "paused");
    Scheduler().AddTask(&slow);
    EXPECT_EQ(Scheduler().GetSleepTime(), CTaskScheduler::kMaxFrameSleep) << "nothing said";

    struct Case {
        std::optional<types::ticks> slow, fast;
        types::ticks sleep;
    };
    Scheduler().AddTask(&fast);
    Scheduler().AddTask(&paused);
    paused.myDue = 1;
    Scheduler().PauseTask(&paused);
    const Case cases[] = {
        {std::nullopt, std::nullopt, 16}, {7, std::nullopt, 7}, {7, 3, 3}, {40, 30, 16}, {0, 9, 0},
        {std::nullopt, 15, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "slow " << c.slow.value_or(99) << " fast " << c.fast.value_or(99));
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
    CScopedManualTime time(1000);
    CDueTask frame(10, "frame");
    Scheduler().AddTask(&frame);
    CRecordingTask timed(10, "timed");
    timed.SetInterval(5);
    Scheduler().AddTask(&timed);  // due at 1005, runs once the time has passed that
    EXPECT_EQ(Scheduler().GetSleepTime(), 6u);
    time.Set(1005);
    EXPECT_EQ(Scheduler().GetSleepTime(), 1u);
    time.Set(1006);
    EXPECT_EQ(Scheduler().GetSleepTime(), 0u);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 1);
    EXPECT_EQ(Scheduler().GetSleepTime(), 5u) << "next due at 1010";

    Scheduler().PauseTask(&timed);
    EXPECT_EQ(Scheduler().GetSleepTime(), 16u);
    auto* thread = new CSteppingThread;
    thread->SetSleepTime(3);
    EXPECT_EQ(Scheduler().GetSleepTime(), 16u) << "a thread not started waits for nothing";
    thread->Start();
    EXPECT_EQ(Scheduler().GetSleepTime(), 0u) << "a started thread is due at once";
    UpdateFakeThreads(0);
    EXPECT_EQ(Scheduler().GetSleepTime(), 3u);
    time.Advance(2);
    EXPECT_EQ(Scheduler().GetSleepTime(), 1u);
    frame.myDue = 0;
    EXPECT_EQ(Scheduler().GetSleepTime(), 0u);
    thread->Kill();
    UpdateFakeThreads(0);
    EXPECT_EQ(GetFakeThreadCount(), 0u);
}

TEST_F(FramePacingTest, ConsoleVariableSwitchesTheSleepOnAndTheLoopStillEnds) {
    {
        CApplication application(0, nullptr);
        EXPECT_EQ(GetConsole()->GetVariable("sys_frame_sleep"), "0");
        GetConsole()->Execute("sys_frame_sleep = 1");
        EXPECT_EQ(CTaskScheduler::FrameSleep(), 1);

        CScopedManualTime time(1000);
        CDueTask* task = nullptr;
        auto owned = std::make_unique<CDueTask>(10, "sleeper");
        task = owned.get();
        task->myDue = 10;
        task->myOnUpdate = [task] {
            if (task->myUpdates == 3) Scheduler().Quit();
        };
        Scheduler().AddTask(task);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(application.Run(), 0);
        const auto slept = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(task->myUpdates, 3);
        // Two sleeps of 10 ms after the first two passes; none once quitting.
        EXPECT_GE(slept, std::chrono::milliseconds(20));
    }
}

}  // namespace
}  // namespace tolm::test
