// Passes of the main loop: ending conditions, quitting, stopping and starting tasks in the
// middle of a pass, the fake-thread pump, and the application's start-up and shutdown.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestFiles.h"
#include "tolm/tasks/CApplication.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

using Lines = std::vector<std::string>;

class CMainLoopTest : public CRuntimeTest {
protected:
    CRecordingTask* Start(const std::string& name, int priority) {
        Factory().StartTask("recorder", name, priority, nullptr);
        return FindRecorder(name);
    }
};

TEST_F(CMainLoopTest, NothingRunningEndsAtOnce) {
    EXPECT_EQ(Scheduler().Run(), 0);
    EXPECT_FALSE(Scheduler().RunOnce());
    EXPECT_TRUE(Scheduler().IsQuitting());
}

TEST_F(CMainLoopTest, QuitInsideUpdateFinishesThePassThenStopsEachRunningTaskOnce) {
    CRecordingTask* a = Start("a", 1);
    Start("b", 2);
    Start("c", 3);
    Start("paused", 4);
    Factory().PauseTask("paused");
    FindRecorder("b")->myOnUpdate = [] { Scheduler().Quit(); };
    a->myOnUpdate = [] { Scheduler().StopTask(Factory().FindTask("a")); };
    Journal().clear();
    EXPECT_EQ(Scheduler().Run(), 0);
    EXPECT_EQ(Journal(), (Lines{"update a", "stop a", "update b", "update c", "stop b", "stop c"}));
}

TEST_F(CMainLoopTest, OnlyTaskStoppingItselfEndsTheLoopAfterOneMorePass) {
    CRecordingTask* only = Start("only", 1);
    only->myOnUpdate = [only] { Scheduler().StopTask(only); };
    EXPECT_TRUE(Scheduler().RunOnce());  // dead, but still listed until the next pass
    EXPECT_FALSE(Scheduler().RunOnce());
    EXPECT_EQ(only->myUpdates, 1);
    EXPECT_FALSE(Scheduler().IsQuitting());
}

TEST_F(CMainLoopTest, TaskStartedMidPassRunsThisPassOnlyWhenBehind) {
    CRecordingTask* starter = Start("starter", 50);
    starter->myOnUpdate = [starter] {
        if (starter->myUpdates == 1) {
            Factory().StartTask("recorder", "front", 10, nullptr);
            Factory().StartTask("recorder", "behind", 60, nullptr);
        }
    };
    Journal().clear();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update starter", "start front", "start behind", "update behind"}));
}

TEST_F(CMainLoopTest, PausingStoppingAndDestroyingDuringAPassKeepThePassValid) {
    CRecordingTask* a = Start("a", 1);
    Start("b", 2);
    Start("c", 3);
    auto* d = new CRecordingTask(4, "d");
    Scheduler().AddTask(d);
    Start("e", 5);
    a->myOnUpdate = [a, d] {
        if (a->myUpdates != 1) return;
        Scheduler().PauseTask(a);
        Scheduler().PauseTask(Factory().FindTask("b"));
        Factory().StopTask("c");
        delete d;
    };
    Journal().clear();
    Scheduler().RunOnce();
    EXPECT_EQ(Journal(), (Lines{"update a", "pause a", "pause b", "stop c", "update e"}));
    EXPECT_EQ(RunningNames(), (Lines{"c", "e"}));  // c leaves at the start of the next pass
    Factory().ResumeTask("a");
    Scheduler().RunOnce();
    EXPECT_EQ(RunningNames(), (Lines{"a", "e"}));
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
    EXPECT_EQ(Journal(), (Lines{"update t", "thread step", "update t", "thread step"}));
}

class CApplicationTest : public CMainLoopTest {
protected:
    void SetUp() override {
        CMainLoopTest::SetUp();
        myOldDirectory = std::filesystem::current_path();
        std::filesystem::current_path(myDir.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(myOldDirectory);
        CMainLoopTest::TearDown();
    }
    CTempDir myDir;
    std::filesystem::path myOldDirectory;
};

TEST_F(CApplicationTest, RunsTheScriptAndShutsDownInOrder) {
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
    const std::string log = ReadFile("log.txt");
    EXPECT_NE(log.find("<!> [ERROR] Trying to start a task ghost that doesn't exist.\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tolm::test
