// Passes of the main loop: ending conditions, quitting, stopping and starting tasks in the
// middle of a pass, the fake-thread pump, and the application's start-up and shutdown.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestFiles.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CApplication.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

class CMainLoopTest : public CRuntimeTest {};

TEST_F(CMainLoopTest, QuitInsideUpdateFinishesThePassThenStopsEachRunningTaskOnce) {
    CRecordingTask* a = Start("a", 1);
    Start("b", 2)->myOnUpdate = [] { Scheduler().Quit(); };
    Start("c", 3);
    Start("paused", 4);
    Factory().PauseTask("paused");
    a->myOnUpdate = [a] { Scheduler().StopTask(a); };
    Journal().clear();
    EXPECT_EQ(Scheduler().Run(), 0);
    EXPECT_EQ(Journal(), (Lines{"update a", "stop a", "update b", "update c", "stop b", "stop c"}));
}

TEST_F(CMainLoopTest, LoopEndsWhenNothingRunsAndAfterOneMorePassWhenTheOnlyTaskStops) {
    EXPECT_EQ(Scheduler().Run(), 0);
    CRecordingTask* only = Start("only", 1);
    only->myOnUpdate = [only] { Scheduler().StopTask(only); };
    EXPECT_TRUE(Scheduler().RunOnce());  // dead, but still listed until the next pass
    EXPECT_FALSE(Scheduler().RunOnce());
    EXPECT_EQ(only->myUpdates, 1);
    EXPECT_FALSE(Scheduler().IsQuitting());
    EXPECT_FALSE(Scheduler().RunOnce());  // an empty list is a quit
    EXPECT_TRUE(Scheduler().IsQuitting());
}

TEST_F(CMainLoopTest, StartingPausingStoppingAndDestroyingDuringAPassKeepThePassValid) {
    CRecordingTask* a = Start("a", 1);
    Start("b", 2);
    Start("c", 3);
    auto* d = new CRecordingTask(4, "d");
    Scheduler().AddTask(d);
    Start("e", 5);
    a->myOnUpdate = [a, d] {
        if (a->myUpdates != 1) return;
        Scheduler().PauseTask(a);
        Factory().PauseTask("b");
        Factory().StopTask("c");
        delete d;
        Start("front", 0);  // lands before the task being updated: waits for the next pass
        Start("behind", 60);
    };
    Journal().clear();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update a", "pause a", "pause b", "stop c", "start front",
                                "start behind", "update e", "update behind"}));
    EXPECT_EQ(RunningNames(), (Lines{"front", "c", "e", "behind"}));  // c leaves next pass
    Factory().ResumeTask("a");
    Scheduler().RunOnce();
    EXPECT_EQ(RunningNames(), (Lines{"front", "a", "e", "behind"}));
}

class CCountingThread : public CFakeThread {
public:
    void Step() override { Journal().push_back("thread step"); }
};

TEST_F(CMainLoopTest, FakeThreadsArePumpedAfterTheTasksEveryPass) {
    CScopedManualTime clock(0);
    Start("t", 1);
    CCountingThread thread;
    thread.SetSleepTime(0);
    thread.Start();
    Journal().clear();
    Scheduler().RunOnce();
    Scheduler().RunOnce();
    Scheduler().Quit();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update t", "thread step", "update t", "thread step", "update t",
                                "stop t", "thread step"}));
}

TEST_F(CMainLoopTest, ApplicationRunsTheScriptAndShutsDownInOrder) {
    CTempDir dir;
    const std::filesystem::path oldDirectory = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteFile("autoexec.txt",
              "starttask(\"recorder\", \"r\", 5, 1)\nstarttask(\"ghost\")\nstoptask(r)\n");
    {
        CApplication application(0, nullptr);
        EXPECT_NE(FindRecorder("r"), nullptr);
        EXPECT_EQ(application.Run(), 0);
    }
    EXPECT_FALSE(CSingletonPtr<CTaskScheduler>::Exists());
    EXPECT_FALSE(CSingletonPtr<CConsoleHolder>::Exists());
    EXPECT_EQ(Journal(), (Lines{"start r 1", "stop r"}));
    std::filesystem::current_path(oldDirectory);
}

}  // namespace
}  // namespace tolm::test
