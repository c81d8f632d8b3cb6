#include "tolm/tasks/task_debug/CFpsCounter.h"

namespace tolm {

void CFpsCounter::Restart(std::uint32_t framesDrawn, types::ticks now) {
    myFramesAtReadout = framesDrawn;
    myFrameCounter = 0;
    myLastReadout = now;
}

bool CFpsCounter::Update(std::uint32_t framesDrawn, types::ticks now) {
    // Unsigned differences: both counters may wrap around without harm.
    myFrameCounter = framesDrawn - myFramesAtReadout;
    if (static_cast<types::ticks>(now - myLastReadout) <= kReadoutInterval) return false;
    myReadout = myFrameCounter;
    Restart(framesDrawn, now);
    return true;
}

}  // namespace tolm
