// Tells the scheduler when the application loses or regains the input focus, so that
// tasks that pause while inactive do so, and when the window is closed, so that it quits.
// Owned by the scheduler, which registers it with the event manager for its own lifetime.
#ifndef TOLM_TASKS_CACTIVITYHANDLER_H
#define TOLM_TASKS_CACTIVITYHANDLER_H

#include "tolm/inputdevice/CScreenListener.h"

namespace tolm {

class CTaskScheduler;

class CActivityHandler : public CScreenListener {
public:
    // The scheduler owns the handler and so outlives it.
    explicit CActivityHandler(CTaskScheduler& scheduler) : myScheduler(scheduler) {}

    void OnResize(int /*width*/, int /*height*/) override {}
    void OnActivityChanged(bool active) override;
    void OnQuitRequested() override;
    bool IsActive() const { return myActive; }

private:
    CTaskScheduler& myScheduler;
    bool myActive = true;
};

}  // namespace tolm

#endif
