// The graphics task's back-end-free half: per frame it advances the animations by its own
// clock and brings the process-wide screen layer up to date. A back end (the "gfx" task of
// the "sdl" library) decides when a frame is due and puts the picture on the display. The
// screen layer is process-wide; stopping this task deletes it.
#ifndef TOLM_TASKS_CTASKGFX_H
#define TOLM_TASKS_CTASKGFX_H

#include "tolm/tasks/CTask.h"
#include "tolm/utils/timer/CTimer.h"

namespace tolm {

class CTaskGfx : public CTask {
public:
    using CTask::Start;
    bool Start() override { return true; }
    // One frame: animation tick, then the screen layer's update.
    void Update() override;
    void OnStop() override;

    const CTimer& GetAnimationClock() const { return myAnimationClock; }

private:
    CTimer myAnimationClock;
};

}  // namespace tolm

#endif
