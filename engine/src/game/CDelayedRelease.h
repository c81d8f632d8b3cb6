// Keeps a sprite alive for a while after its owner let it go, so that a burst bubble can
// show its "death" animation. Made with new and left to itself: it holds the last reference
// to the sprite, kills itself once the delay has passed, and the fake-thread pump deletes it.
#ifndef GAME_CDELAYEDRELEASE_H
#define GAME_CDELAYEDRELEASE_H

#include "tolm/gfx/CSprite.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/types/Types.h"
#include "tolm/utils/CSmartPtr.h"

namespace game {

class CDelayedRelease : public tolm::CFakeThread {
public:
    // Starts at once; an empty reference is allowed and simply waits out the delay.
    CDelayedRelease(tolm::CSmartPtr<tolm::CSprite> sprite, tolm::types::ticks delay);

    void Step() override;

private:
    tolm::CSmartPtr<tolm::CSprite> mySprite;
    tolm::types::ticks myDelay;
};

}  // namespace game

#endif
