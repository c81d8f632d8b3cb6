// The process-wide scheduler: keeps started tasks in a running list ordered by priority
// and a paused list, updates the running ones once per pass of the main loop, and runs the
// cooperative fake threads after them. It refers to tasks without owning them; it owns its
// activity handler and the "TimedTasks" group. The application deletes it at shutdown.
//
// A task removed from the running list during a pass (paused, stopped, destroyed) leaves
// a hole that the pass skips and that is closed when the pass ends, so a task may pause
// or stop itself or any other task from its Update.
#ifndef TOLM_TASKS_CTASKSCHEDULER_H
#define TOLM_TASKS_CTASKSCHEDULER_H

#include <list>
#include <memory>
#include <vector>

#include "tolm/Services.h"
#include "tolm/tasks/CActivityHandler.h"
#include "tolm/tasks/CParameterList.h"
#include "tolm/tasks/CPassObserver.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/CTimedTasks.h"

namespace tolm {

class CTaskScheduler {
public:
    CTaskScheduler();
    ~CTaskScheduler();
    CTaskScheduler(const CTaskScheduler&) = delete;
    CTaskScheduler& operator=(const CTaskScheduler&) = delete;

    // Starts the task (with the list when there is one) and runs it, or parks it when its
    // Start fails. Timed tasks go to the timed group.
    void AddTask(CTask* task, const CParameterList* parameters = nullptr);
    void PauseTask(CTask* task);
    void ResumeTask(CTask* task);
    // Marks the task dead after its OnStop (once); it leaves the running list next pass.
    void StopTask(CTask* task);
    void StopAll();
    void RemoveDead();
    void Quit() { myQuit = true; }
    bool IsQuitting() const { return myQuit; }

    // The longest sleep between two passes when the loop sleeps ("sys_frame_sleep").
    static constexpr types::ticks kMaxFrameSleep = 16;

    // The main loop; returns 0 when no task is left running.
    int Run();
    // One pass without yielding; true while tasks remain running.
    bool RunOnce();

    // Milliseconds the loop may sleep after a pass without making a running task, a timed
    // task or a fake thread late: until the earliest of them is due, at most kMaxFrameSleep;
    // 0 when quitting or when nothing is left to run.
    types::ticks GetSleepTime() const;
    // The setting behind the console variable "sys_frame_sleep": 0 (the default) keeps the
    // loop spinning; any other value lets it sleep between passes while nothing is due.
    static int& FrameSleep();

    // One observer at a time (null: none); it must clear itself before it is destroyed.
    void SetPassObserver(CPassObserver* observer) { myObserver = observer; }
    CPassObserver* GetPassObserver() const { return myObserver; }
    // Passes run since the scheduler was made.
    unsigned long GetPassCount() const { return myPassCount; }

    void PauseAllForInactivity();
    void ResumeAllAfterInactivity();

    // Called by a task's destructor: drops every reference to it.
    void ForgetTask(CTask* task);

    bool IsActive() const { return myActivityHandler->IsActive(); }
    CActivityHandler& GetActivityHandler() { return *myActivityHandler; }
    CTimedTasks& GetTimedTasks() { return myTimedTasks; }
    std::vector<CTask*> GetRunningTasks() const;
    std::vector<CTask*> GetPausedTasks() const;

private:
    void AddRunning(CTask* task);
    bool GoesBefore(std::list<CTask*>::iterator at, const CTask& task) const;
    bool TakeOffRunning(CTask* task);
    bool HasRunningTasks() const;
    void UpdateRunningTasks();
    void Pass();
    void CloseHoles();

    std::list<CTask*> myRunning;
    std::list<CTask*> myPaused;
    std::list<CTask*> myInactive;
    std::unique_ptr<CActivityHandler> myActivityHandler;
    bool myDeadTasks = false;
    bool myQuit = false;
    bool myPumpFakeThreads = true;
    int myPassDepth = 0;
    // The task the pass is updating and its place, valid while myPassDepth > 0.
    std::list<CTask*>::iterator myPassAt;
    CTask* myPassTask = nullptr;
    CPassObserver* myObserver = nullptr;
    unsigned long myPassCount = 0;
    CTimedTasks myTimedTasks;
};

}  // namespace tolm

#endif
