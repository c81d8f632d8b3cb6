// The arithmetic of the frame-rate readout: how many frames the graphics side drew since
// the previous readout, and whether the next readout is due (more than 999 ms later).
// Counting drawn frames rather than main-loop passes keeps the figure honest when the loop
// spins much faster than the screen is redrawn.
#ifndef TOLM_TASKS_TASK_DEBUG_CFPSCOUNTER_H
#define TOLM_TASKS_TASK_DEBUG_CFPSCOUNTER_H

#include <cstdint>
#include <string>

#include "tolm/types/Types.h"

namespace tolm {

class CFpsCounter {
public:
    static constexpr types::ticks kReadoutInterval = 999;

    // Starts a readout interval at this frame count and time.
    void Restart(std::uint32_t framesDrawn, types::ticks now);
    // Takes the running totals; true when a readout fell due, whose count GetReadout gives.
    bool Update(std::uint32_t framesDrawn, types::ticks now);

    std::uint32_t GetFrameCounter() const { return myFrameCounter; }
    std::uint32_t GetReadout() const { return myReadout; }
    std::string GetReadoutText() const { return "Fps: " + std::to_string(myReadout); }

private:
    std::uint32_t myFramesAtReadout = 0;
    std::uint32_t myFrameCounter = 0;
    types::ticks myLastReadout = 0;
    std::uint32_t myReadout = 0;
};

}  // namespace tolm

#endif
