// Task ordering and lifecycle in the scheduler: running-list order, parking, pausing,
// stopping, inactivity and the timed-task group.
#include <gtest/gtest.h>

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

using Lines = std::vector<std::string>;

class CTaskSchedulerTest : public CRuntimeTest {};

TEST_F(CTaskSchedulerTest, EqualPrioritiesGoInFrontOfEarlierOnes) {
    CRecordingTask first(100, "first"), low(10, "low"), second(100, "second");
    Scheduler().AddTask(&first);
    Scheduler().AddTask(&low);
    Scheduler().AddTask(&second);
    Journal().clear();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update low", "update second", "update first"}));
}

TEST_F(CTaskSchedulerTest, FailedStartParksUntilResumedWithoutAnotherStart) {
    CRecordingTask task(10, "t");
    task.myStartResult = false;
    Scheduler().AddTask(&task);
    EXPECT_TRUE(Scheduler().GetRunningTasks().empty());
    Scheduler().ResumeTask(&task);
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"start t", "resume t", "update t"}));
}

TEST_F(CTaskSchedulerTest, PauseTwiceResumeOnceRunsAndResumingARunningTaskDoesNothing) {
    CRecordingTask task(10, "t");
    Scheduler().AddTask(&task);
    Scheduler().PauseTask(&task);
    Scheduler().PauseTask(&task);
    Scheduler().ResumeTask(&task);
    Scheduler().ResumeTask(&task);
    EXPECT_EQ(RunningNames(), (Lines{"t"}));
    EXPECT_EQ(Journal(), (Lines{"start t", "pause t", "resume t"}));
}

TEST_F(CTaskSchedulerTest, StoppingTwiceCallsOnStopOnceAndTheTaskLeavesNextPass) {
    CRecordingTask task(10, "t");
    Scheduler().AddTask(&task);
    Scheduler().StopTask(&task);
    Scheduler().StopTask(&task);
    EXPECT_EQ(RunningNames(), (Lines{"t"}));
    EXPECT_FALSE(Scheduler().RunOnce());
    EXPECT_EQ(Journal(), (Lines{"start t", "stop t"}));
}

TEST_F(CTaskSchedulerTest, StoppedPausedTaskStaysDeadWhenResumed) {
    CRecordingTask task(10, "t");
    Scheduler().AddTask(&task);
    Scheduler().PauseTask(&task);
    Scheduler().StopTask(&task);
    Scheduler().ResumeTask(&task);
    Scheduler().RunOnce();
    EXPECT_EQ(task.myUpdates, 0);
    EXPECT_TRUE(Scheduler().GetRunningTasks().empty());
}

TEST_F(CTaskSchedulerTest, DestroyedTaskIsForgottenEverywhere) {
    CRecordingTask survivor(10, "survivor");
    Scheduler().AddTask(&survivor);
    {
        CRecordingTask running(5, "running"), parked(5, "parked");
        parked.myStartResult = false;
        Scheduler().AddTask(&running);
        Scheduler().AddTask(&parked);
    }
    EXPECT_EQ(RunningNames(), (Lines{"survivor"}));
    EXPECT_EQ(Scheduler().GetPausedTasks().size(), 1u);  // only the parked timed group
    EXPECT_TRUE(Scheduler().RunOnce());
}

TEST_F(CTaskSchedulerTest, InactivityPausesOnlyTasksThatAskAndKeepsCommandPauses) {
    CRecordingTask game(10, "game"), audio(20, "audio"), paused(30, "paused");
    game.myPausesWhenInactive = true;
    paused.myPausesWhenInactive = true;
    for (CRecordingTask* task : {&game, &audio, &paused}) Scheduler().AddTask(task);
    Scheduler().PauseTask(&paused);

    EventManager().Activity(false);
    EXPECT_FALSE(Scheduler().IsActive());
    EXPECT_EQ(RunningNames(), (Lines{"audio"}));
    EventManager().Activity(true);
    EXPECT_TRUE(Scheduler().IsActive());
    EXPECT_EQ(RunningNames(), (Lines{"game", "audio"}));
}

TEST_F(CTaskSchedulerTest, DeletedSchedulerNoLongerListensForActivity) {
    Scheduler();
    CSingletonPtr<CTaskScheduler>::Delete();
    EventManager().Activity(false);  // must not reach the freed handler
    EXPECT_TRUE(Scheduler().IsActive());
}

class CTimedTaskTest : public CRuntimeTest {
protected:
    CScopedManualTime myClock{1000};
};

TEST_F(CTimedTaskTest, LateFirstUpdateCatchesUpAndEqualDueTimeWaits) {
    CRecordingTask timed(10, "timed");
    timed.SetInterval(100);
    Scheduler().AddTask(&timed);
    myClock.Advance(350);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 3);
    myClock.Advance(50);  // now equals the next due time exactly
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 3);
    myClock.Advance(1);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 4);
}

TEST_F(CTimedTaskTest, EqualDueTimesKeepInsertionOrder) {
    CRecordingTask a(10, "a"), b(10, "b");
    a.SetInterval(100);
    b.SetInterval(100);
    Scheduler().AddTask(&a);
    Scheduler().AddTask(&b);
    Journal().clear();
    myClock.Advance(101);
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update a", "update b"}));
}

TEST_F(CTimedTaskTest, IntervalDroppedToZeroRunsOncePerPassInsteadOfHanging) {
    CRecordingTask timed(10, "timed");
    timed.SetInterval(100);
    Scheduler().AddTask(&timed);
    timed.myOnUpdate = [&timed] { timed.SetInterval(0); };
    myClock.Advance(1000);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 1);
    myClock.Advance(1);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 2);
}

TEST_F(CTimedTaskTest, PauseResumeAndStopThroughTheScheduler) {
    CRecordingTask timed(10, "timed");
    timed.SetInterval(100);
    Scheduler().AddTask(&timed);
    Scheduler().PauseTask(&timed);
    myClock.Advance(500);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 0);
    Scheduler().ResumeTask(&timed);  // due again one interval after resuming
    myClock.Advance(101);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 1);
    Scheduler().StopTask(&timed);
    Scheduler().StopTask(&timed);
    myClock.Advance(1000);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 1);
    EXPECT_EQ(Journal(),
              (Lines{"start timed", "pause timed", "resume timed", "update timed", "stop timed"}));
}

TEST_F(CTimedTaskTest, TaskStoppedDuringCatchUpIsNotUpdatedAgain) {
    CRecordingTask timed(10, "timed");
    timed.SetInterval(10);
    Scheduler().AddTask(&timed);
    timed.myOnUpdate = [&timed] { Scheduler().StopTask(&timed); };
    myClock.Advance(100);
    Scheduler().RunOnce();
    EXPECT_EQ(timed.myUpdates, 1);
}

}  // namespace
}  // namespace tolm::test
