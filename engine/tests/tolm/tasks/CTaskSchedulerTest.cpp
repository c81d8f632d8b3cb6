// Task ordering and lifecycle in the scheduler: running-list order, parking, pausing,
// stopping, inactivity and the timed-task group.
#include <gtest/gtest.h>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

class CTaskSchedulerTest : public CRuntimeTest {};

TEST_F(CTaskSchedulerTest, EqualPrioritiesGoInFrontOfEarlierOnes) {
    CRecordingTask first(100, "first"), low(10, "low"), second(100, "second");
    for (CTask* task : {&first, &low, &second}) Scheduler().AddTask(task);
    Journal().clear();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update low", "update second", "update first"}));
}

TEST_F(CTaskSchedulerTest, ParkingPausingResumingAndStoppingOneTask) {
    CRecordingTask task(10, "t"), other(20, "other");
    task.myStartResult = false;
    Scheduler().AddTask(&task);
    Scheduler().AddTask(&other);
    Scheduler().RunOnce();  // t is parked
    Scheduler().ResumeTask(&task);
    Scheduler().PauseTask(&task);
    Scheduler().PauseTask(&task);
    Scheduler().ResumeTask(&task);
    Scheduler().ResumeTask(&task);
    Scheduler().RunOnce();
    // Stopped (twice) while paused, and a pass spends the stop's dead flag: once resumed,
    // the task must still leave the running list instead of staying there for ever.
    Scheduler().PauseTask(&task);
    Scheduler().StopTask(&task);
    Scheduler().StopTask(&task);
    Scheduler().RunOnce();
    Scheduler().ResumeTask(&task);
    Scheduler().RunOnce();
    EXPECT_EQ(RunningNames(), (Lines{"other"}));
    EXPECT_EQ(Journal(), (Lines{"start t", "start other", "update other", "resume t", "pause t",
                                "resume t", "update t", "update other", "pause t", "stop t",
                                "update other", "resume t", "update other"}));
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

TEST_F(CTaskSchedulerTest,
       InactivityPausesOnlyTasksThatAskKeepsCommandPausesAndEndsWithTheScheduler) {
    CRecordingTask game(10, "game"), audio(20, "audio"), paused(30, "paused");
    game.myPausesWhenInactive = paused.myPausesWhenInactive = true;
    for (CTask* task : {&game, &audio, &paused}) Scheduler().AddTask(task);
    Scheduler().PauseTask(&paused);
    EventManager().Activity(false);
    EXPECT_FALSE(Scheduler().IsActive());
    EXPECT_EQ(RunningNames(), (Lines{"audio"}));
    EventManager().Activity(true);
    EXPECT_TRUE(Scheduler().IsActive());
    EXPECT_EQ(RunningNames(), (Lines{"game", "audio"}));
    CSingletonPtr<CTaskScheduler>::Delete();
    EventManager().Activity(false);  // must not reach the freed handler
    EXPECT_TRUE(Scheduler().IsActive());
}

class CTimedTaskTest : public CRuntimeTest {
protected:
    CScopedManualTime myClock{1000};
};

TEST_F(CTimedTaskTest, LateUpdateCatchesUpInDueOrderAndEqualDueTimeWaits) {
    CRecordingTask a(10, "a"), b(10, "b");
    a.SetInterval(100);
    b.SetInterval(100);
    Scheduler().AddTask(&a);
    Scheduler().AddTask(&b);
    Journal().clear();
    myClock.Advance(350);
    Scheduler().RunOnce();
    // Stable re-sorting after every run: a task whose due time ties keeps its place.
    EXPECT_EQ(Journal(),
              (Lines{"update a", "update b", "update b", "update a", "update a", "update b"}));
    Journal().clear();
    myClock.Advance(50);  // now equals both due times exactly
    Scheduler().RunOnce();
    EXPECT_TRUE(Journal().empty());
    myClock.Advance(1);
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update b", "update a"}));
}

TEST_F(CTimedTaskTest, IntervalDroppedToZeroRunsOncePerPassInsteadOfHanging) {
    CRecordingTask timed(10, "timed");
    timed.SetInterval(100);
    Scheduler().AddTask(&timed);
    // Each update takes a millisecond; the guard ends a spinning catch-up.
    timed.myOnUpdate = [&] {
        timed.SetInterval(0);
        myClock.Advance(1);
        if (timed.myUpdates == 5) timed.SetDead(true);
    };
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
    Scheduler().ResumeTask(&timed);  // due again one interval after resuming
    myClock.Advance(101);
    Scheduler().RunOnce();
    // Stopping itself (twice) in the middle of a catch-up ends the catch-up.
    timed.myOnUpdate = [&timed] {
        Scheduler().StopTask(&timed);
        Scheduler().StopTask(&timed);
    };
    myClock.Advance(1000);
    Scheduler().RunOnce();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"start timed", "pause timed", "resume timed", "update timed",
                                "update timed", "stop timed"}));
}

}  // namespace
}  // namespace tolm::test
