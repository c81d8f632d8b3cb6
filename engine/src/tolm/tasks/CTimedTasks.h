// The scheduler's group for tasks that run at fixed intervals of the process-wide time
// instead of once per pass. It is itself a task ("TimedTasks", priority 100) that stays
// parked while it has nothing to run. It refers to its tasks without owning them.
//
// A task whose interval is set to 0 while it is in the group is run at most once per pass
// (its next due time becomes the time its last run ended), so the catch-up cannot spin.
#ifndef TOLM_TASKS_CTIMEDTASKS_H
#define TOLM_TASKS_CTIMEDTASKS_H

#include <cstddef>
#include <vector>

#include "tolm/tasks/CTask.h"
#include "tolm/types/Types.h"

namespace tolm {

class CTaskScheduler;

class CTimedTasks : public CTask {
public:
    // The scheduler owns the group and so outlives it.
    explicit CTimedTasks(CTaskScheduler& scheduler);

    using CTask::Start;
    // True only when there is something to run.
    bool Start() override;
    // Runs every entry that is due, catching up on missed intervals.
    void Update() override;
    // Stops every entry.
    void OnStop() override;
    // Until the first entry is due; nothing when there is none.
    std::optional<types::ticks> GetTimeUntilDue() const override;

    void Add(CTask* task);
    void Pause(CTask* task);
    void Resume(CTask* task);
    void Stop(CTask* task);
    // Drops every reference to a task that is being destroyed.
    void Forget(CTask* task);

    std::size_t GetEntryCount() const { return myEntries.size(); }
    bool IsScheduled(const CTask* task) const;
    bool IsPausedHere(const CTask* task) const;

private:
    struct Entry {
        CTask* task;
        types::ticks due;
    };

    void Schedule(CTask* task);
    void SortEntries();

    CTaskScheduler& myScheduler;
    std::vector<Entry> myEntries;
    std::vector<CTask*> myPausedTasks;
    bool myDeadEntries = false;
};

}  // namespace tolm

#endif
