// A cooperative pseudo-thread: an object that wants a Step every so many milliseconds of
// its own clock, pumped by the main loop after the tasks. Every fake thread is listed in a
// process-wide registry from construction to destruction. A thread ends itself with Kill;
// the pump then deletes it, so killed threads must have been created with new. Deleting a
// live thread from outside is allowed, but not from within another thread's Step, and a
// Step must not delete its own thread (Kill it instead).
#ifndef TOLM_TASKS_CFAKETHREAD_H
#define TOLM_TASKS_CFAKETHREAD_H

#include <cstddef>
#include <memory>
#include <optional>

#include "tolm/types/Types.h"
#include "tolm/utils/timer/CTimer.h"

namespace tolm {

class CFakeThread {
public:
    CFakeThread();
    virtual ~CFakeThread();
    CFakeThread(const CFakeThread&) = delete;
    CFakeThread& operator=(const CFakeThread&) = delete;

    // The pump's order: running threads (overdue first), then paused, then dead ones.
    virtual bool IsLess(const CFakeThread& other) const;
    virtual void Step() = 0;
    virtual void Start();
    virtual void Kill();
    virtual void Pause();
    virtual void Resume();
    virtual types::ticks GetTime() const;

    void SetSleepTime(types::ticks milliseconds) { mySleepTime = milliseconds; }
    bool IsPaused() const { return myPaused; }
    bool IsDead() const { return myDead; }
    types::ticks GetDueTime() const { return myDueTime; }

private:
    friend void UpdateFakeThreads(types::ticks budget);

    // The first member: registered before anything else is built, unregistered after
    // everything else is gone.
    class CRegistration {
    public:
        explicit CRegistration(CFakeThread* thread);
        ~CRegistration();
        CRegistration(const CRegistration&) = delete;
        CRegistration& operator=(const CRegistration&) = delete;

    private:
        CFakeThread* myThread;
    };

    CRegistration myRegistration;
    std::unique_ptr<CTimer> myClock;
    bool myPaused = true;
    types::ticks mySleepTime = 10;
    types::ticks myDueTime = 0;
    bool myDead = false;
};

// Gives due threads their Step. With budget 0 each due, unpaused thread gets at most one
// Step, most urgent first, and the walk stops at the first paused or not-yet-due thread.
// With a positive budget the most urgent thread is stepped again and again, waiting
// actively, until that many milliseconds have passed.
void UpdateFakeThreads(types::ticks budget);

// Milliseconds until the next running thread is due (0 when one is overdue); nothing when
// no thread is running.
std::optional<types::ticks> GetTimeUntilFakeThreadDue();

// Threads currently registered (0 when the registry does not exist).
std::size_t GetFakeThreadCount();

}  // namespace tolm

#endif
