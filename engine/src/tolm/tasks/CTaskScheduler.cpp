#include "tolm/tasks/CTaskScheduler.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CFakeThread.h"

namespace tolm {

namespace {

bool Contains(const std::list<CTask*>& list, const CTask* task) {
    return std::find(list.begin(), list.end(), task) != list.end();
}

}  // namespace

CTaskScheduler::CTaskScheduler()
    : myActivityHandler(std::make_unique<CActivityHandler>(*this)),
      myPassAt(myRunning.end()),
      myTimedTasks(*this) {
    AddTask(&myTimedTasks);
    EventManager().AddScreenListener(myActivityHandler.get());
}

CTaskScheduler::~CTaskScheduler() {
    // The event manager outlives the scheduler and must not keep calling a dead handler.
    if (CSingletonPtr<CEventManager>::Exists()) {
        EventManager().RemoveScreenListener(myActivityHandler.get());
    }
}

void CTaskScheduler::AddTask(CTask* task, const CParameterList* parameters) {
    if (task == nullptr) return;
    if (task->IsTimed()) {
        myTimedTasks.Add(task);
        return;
    }
    const bool started = parameters != nullptr ? task->Start(*parameters) : task->Start();
    if (started) {
        AddRunning(task);
    } else {
        myPaused.push_back(task);
    }
}

void CTaskScheduler::PauseTask(CTask* task) {
    if (task == nullptr) return;
    if (!Contains(myRunning, task)) {
        myTimedTasks.Pause(task);
        return;
    }
    task->OnPause();
    TakeOffRunning(task);
    myPaused.push_back(task);
}

void CTaskScheduler::ResumeTask(CTask* task) {
    if (task == nullptr) return;
    if (!Contains(myPaused, task)) {
        myTimedTasks.Resume(task);
        return;
    }
    task->OnResume();
    myPaused.remove(task);
    AddRunning(task);
    // Stopped while paused: the flag of that stop may be spent already, and a dead task
    // left in the running list would keep the loop alive for ever.
    if (task->IsDead()) myDeadTasks = true;
}

void CTaskScheduler::StopTask(CTask* task) {
    if (task == nullptr) return;
    if (task->IsTimed()) {
        myTimedTasks.Stop(task);
        return;
    }
    if (!task->IsDead()) task->OnStop();
    task->SetDead(true);
    myDeadTasks = true;
}

void CTaskScheduler::StopAll() {
    for (;;) {
        const auto front = std::find_if(myRunning.begin(), myRunning.end(),
                                        [](const CTask* task) { return task != nullptr; });
        if (front == myRunning.end()) break;
        CTask* task = *front;
        StopTask(task);
        TakeOffRunning(task);
    }
}

void CTaskScheduler::RemoveDead() {
    for (CTask*& task : myRunning) {
        if (task != nullptr && task->IsDead()) task = nullptr;
    }
    CloseHoles();
    myDeadTasks = false;
}

int CTaskScheduler::Run() {
    while (HasRunningTasks()) {
        Pass();
        if (myObserver != nullptr && !myObserver->LetsLoopPace()) continue;
        const types::ticks sleep = FrameSleep() != 0 ? GetSleepTime() : 0;
        if (sleep > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(sleep));
        } else if (!IsActive()) {
            // Inactive: give the processor away once per pass; input is still polled.
            std::this_thread::yield();
        }
    }
    StopAll();
    RemoveDead();
    return 0;
}

bool CTaskScheduler::RunOnce() {
    if (HasRunningTasks()) {
        Pass();
    } else {
        Quit();
        RemoveDead();
    }
    return HasRunningTasks();
}

int& CTaskScheduler::FrameSleep() {
    static int frameSleep = 0;
    return frameSleep;
}

types::ticks CTaskScheduler::GetSleepTime() const {
    if (myQuit || !HasRunningTasks()) return 0;
    types::ticks sleep = kMaxFrameSleep;
    for (const CTask* task : myRunning) {
        if (task == nullptr || task->IsDead()) continue;
        if (const auto due = task->GetTimeUntilDue()) sleep = std::min(sleep, *due);
    }
    if (const auto due = GetTimeUntilFakeThreadDue()) sleep = std::min(sleep, *due);
    return sleep;
}

void CTaskScheduler::PauseAllForInactivity() {
    for (CTask* task : myRunning) {
        if (task != nullptr && task->PausesWhenInactive() && !Contains(myInactive, task)) {
            myInactive.push_back(task);
        }
    }
    // Copied: an OnPause hook may touch the scheduler.
    const std::vector<CTask*> inactive(myInactive.begin(), myInactive.end());
    for (CTask* task : inactive) PauseTask(task);
}

void CTaskScheduler::ResumeAllAfterInactivity() {
    while (!myInactive.empty()) {
        CTask* task = myInactive.front();
        myInactive.pop_front();
        ResumeTask(task);
    }
}

void CTaskScheduler::ForgetTask(CTask* task) {
    if (task == myPassTask) myPassTask = nullptr;
    TakeOffRunning(task);
    myPaused.remove(task);
    myInactive.remove(task);
    myTimedTasks.Forget(task);
}

std::vector<CTask*> CTaskScheduler::GetRunningTasks() const {
    std::vector<CTask*> tasks;
    for (CTask* task : myRunning) {
        if (task != nullptr) tasks.push_back(task);
    }
    return tasks;
}

std::vector<CTask*> CTaskScheduler::GetPausedTasks() const {
    return std::vector<CTask*>(myPaused.begin(), myPaused.end());
}

void CTaskScheduler::AddRunning(CTask* task) {
    auto at = myRunning.begin();
    while (at != myRunning.end() && GoesBefore(at, *task)) ++at;
    myRunning.insert(at, task);
}

bool CTaskScheduler::GoesBefore(std::list<CTask*>::iterator at, const CTask& task) const {
    const CTask* walked = *at;
    // The task being updated may have left the list from its own Update; its place keeps its
    // order, so that what it starts in front of itself waits for the next pass.
    if (walked == nullptr && myPassDepth > 0 && at == myPassAt) walked = myPassTask;
    return walked == nullptr || walked->IsLess(task);
}

bool CTaskScheduler::TakeOffRunning(CTask* task) {
    bool found = false;
    for (CTask*& entry : myRunning) {
        if (entry == task) {
            entry = nullptr;
            found = true;
        }
    }
    CloseHoles();
    return found;
}

bool CTaskScheduler::HasRunningTasks() const {
    return std::any_of(myRunning.begin(), myRunning.end(),
                       [](const CTask* task) { return task != nullptr; });
}

void CTaskScheduler::UpdateRunningTasks() {
    ++myPassDepth;
    // List iterators survive insertions, and removals only leave holes while a pass runs.
    const auto outerAt = myPassAt;
    CTask* const outerTask = myPassTask;
    // Only the outermost pass is the main loop's; a nested one is part of a task's update.
    const bool observed = myPassDepth == 1;
    int updates = 0;
    for (auto it = myRunning.begin(); it != myRunning.end(); ++it) {
        CTask* task = *it;
        if (task == nullptr || task->IsDead()) continue;
        myPassAt = it;
        myPassTask = task;
        task->Update();
        if (observed && myObserver != nullptr) myObserver->OnTaskUpdated(updates);
        ++updates;
    }
    myPassAt = outerAt;
    myPassTask = outerTask;
    --myPassDepth;
    CloseHoles();
}

void CTaskScheduler::Pass() {
    const bool outermost = myPassDepth == 0;
    if (outermost) ++myPassCount;
    if (outermost && myObserver != nullptr) myObserver->OnPassBegin();
    if (myDeadTasks) RemoveDead();
    UpdateRunningTasks();
    if (myQuit) StopAll();
    if (myPumpFakeThreads) UpdateFakeThreads(0);
    if (outermost && myObserver != nullptr) myObserver->OnPassEnd();
}

void CTaskScheduler::CloseHoles() {
    if (myPassDepth == 0) myRunning.remove(nullptr);
}

CTaskScheduler& Scheduler() {
    return *CSingletonPtr<CTaskScheduler>::Get();
}

}  // namespace tolm
