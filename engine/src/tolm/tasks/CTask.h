// A unit of work that the scheduler updates once per pass of the main loop, in ascending
// priority. Tasks started by the factory are owned by the factory; the scheduler only
// refers to them, and a task forgets itself from the scheduler when it is destroyed.
//
// A subclass that overrides one Start overload hides the other: add `using CTask::Start;`.
#ifndef TOLM_TASKS_CTASK_H
#define TOLM_TASKS_CTASK_H

#include <optional>
#include <string>

#include "tolm/tasks/CParameterList.h"
#include "tolm/types/Types.h"

namespace tolm {

class CTask {
public:
    CTask() = default;
    CTask(int priority, const std::string& name) : myName(name), myPriority(priority) {}
    // Removes the task from every scheduler list, so nothing refers to it afterwards.
    virtual ~CTask();
    CTask(const CTask&) = delete;
    CTask& operator=(const CTask&) = delete;

    // Untimed tasks order by priority, timed ones by interval.
    virtual bool IsLess(const CTask& other) const;
    // The list belongs to the caller and dies when the command returns: copy what you keep.
    virtual bool Start(const CParameterList& parameters);
    virtual bool Start();
    virtual void Update() = 0;
    virtual void OnStop() {}
    virtual void OnPause() {}
    virtual void OnResume() {}
    virtual void SetPriority(int priority) { myPriority = priority; }
    virtual int GetPriority() const { return myPriority; }
    virtual bool IsDead() const { return myDead; }
    virtual void SetDead(bool dead) { myDead = dead; }
    virtual std::string GetName() const { return myName; }
    virtual void SetName(const std::string& name) { myName = name; }
    // Tasks that accept commands run the line in their own console and answer true.
    virtual bool HandleCommand(const std::string& /*line*/) { return false; }
    // The same for one command of the task's console with a ready-made parameter list, so
    // that text taken from data files reaches the command as it is and is never parsed.
    virtual bool HandleCommandCall(const std::string& /*command*/,
                                   const CParameterList& /*parameters*/) {
        return false;
    }
    virtual bool IsTimed() const { return myInterval != 0; }
    virtual void SetInterval(types::ticks interval) { myInterval = interval; }
    virtual types::ticks GetInterval() const { return myInterval; }
    virtual bool PausesWhenInactive() const { return false; }
    // Milliseconds until the task next has work, for a main loop that sleeps between
    // frames; nothing when the task has no timetable of its own.
    virtual std::optional<types::ticks> GetTimeUntilDue() const { return std::nullopt; }

private:
    std::string myName = "AnonymousTask";
    int myPriority = 10;
    bool myDead = false;
    types::ticks myInterval = 0;
};

}  // namespace tolm

#endif
