#include "tolm/tasks/CTimedTasks.h"

#include <algorithm>

#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {

CTimedTasks::CTimedTasks(CTaskScheduler& scheduler)
    : CTask(100, "TimedTasks"), myScheduler(scheduler) {}

bool CTimedTasks::Start() {
    return !myEntries.empty();
}

void CTimedTasks::Update() {
    if (myDeadEntries) {
        myEntries.erase(std::remove_if(myEntries.begin(), myEntries.end(),
                                       [](const Entry& entry) { return entry.task->IsDead(); }),
                        myEntries.end());
        myDeadEntries = false;
    }
    types::ticks now = GetSystemTime();
    while (!myEntries.empty() && now > myEntries.front().due) {
        CTask* task = myEntries.front().task;
        // A task stopped during the catch-up must not run again.
        if (task->IsDead()) {
            myEntries.erase(myEntries.begin());
            continue;
        }
        task->Update();
        // The update may have paused, stopped or rescheduled anything, this task included.
        const auto entry = std::find_if(myEntries.begin(), myEntries.end(),
                                        [task](const Entry& e) { return e.task == task; });
        // Read after the update: an interval-0 task becomes due at exactly this time, which
        // the strict comparison does not run again, however long its update took.
        now = GetSystemTime();
        if (entry != myEntries.end()) {
            const types::ticks interval = task->GetInterval();
            entry->due = interval == 0 ? now : entry->due + interval;
            SortEntries();
        }
    }
}

std::optional<types::ticks> CTimedTasks::GetTimeUntilDue() const {
    if (myEntries.empty()) return std::nullopt;
    // An entry runs once the time has passed its due time.
    const types::ticks now = GetSystemTime();
    const types::ticks due = myEntries.front().due;
    return now > due ? 0 : due - now + 1;
}

void CTimedTasks::OnStop() {
    while (!myEntries.empty()) {
        CTask* task = myEntries.front().task;
        myEntries.erase(myEntries.begin());
        Stop(task);
    }
}

void CTimedTasks::Add(CTask* task) {
    if (!task->Start()) {
        myPausedTasks.push_back(task);
        return;
    }
    Schedule(task);
}

void CTimedTasks::Pause(CTask* task) {
    const auto entry = std::find_if(myEntries.begin(), myEntries.end(),
                                    [task](const Entry& e) { return e.task == task; });
    if (entry == myEntries.end()) return;
    task->OnPause();
    // The hook may have changed the entries.
    Forget(task);
    myPausedTasks.push_back(task);
}

void CTimedTasks::Resume(CTask* task) {
    const auto paused = std::find(myPausedTasks.begin(), myPausedTasks.end(), task);
    if (paused == myPausedTasks.end()) return;
    task->OnResume();
    Forget(task);
    Schedule(task);
}

void CTimedTasks::Stop(CTask* task) {
    if (!task->IsDead()) task->OnStop();
    task->SetDead(true);
    myDeadEntries = true;
}

void CTimedTasks::Forget(CTask* task) {
    myEntries.erase(std::remove_if(myEntries.begin(), myEntries.end(),
                                   [task](const Entry& e) { return e.task == task; }),
                    myEntries.end());
    myPausedTasks.erase(std::remove(myPausedTasks.begin(), myPausedTasks.end(), task),
                        myPausedTasks.end());
}

bool CTimedTasks::IsScheduled(const CTask* task) const {
    return std::any_of(myEntries.begin(), myEntries.end(),
                       [task](const Entry& e) { return e.task == task; });
}

bool CTimedTasks::IsPausedHere(const CTask* task) const {
    return std::find(myPausedTasks.begin(), myPausedTasks.end(), task) != myPausedTasks.end();
}

void CTimedTasks::Schedule(CTask* task) {
    // The group was parked while empty; it has to run again now.
    if (myEntries.empty()) myScheduler.ResumeTask(this);
    myEntries.push_back(Entry{task, GetSystemTime() + task->GetInterval()});
    SortEntries();
}

void CTimedTasks::SortEntries() {
    std::stable_sort(myEntries.begin(), myEntries.end(),
                     [](const Entry& a, const Entry& b) { return a.due < b.due; });
}

}  // namespace tolm
