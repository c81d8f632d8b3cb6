// Advances the playing animated sprites once per frame. It keeps them in ascending order of
// their next update time, so a tick touches only the due ones. Process-wide
// (AnimationManager(), tolm/Services.h); it refers to the sprites without owning them (a sprite
// takes itself out when it pauses, stops or dies).
#ifndef TOLM_GFX_CANIMATIONMANAGER_H
#define TOLM_GFX_CANIMATIONMANAGER_H

#include <vector>

#include "tolm/Services.h"
#include "tolm/types/Types.h"

namespace tolm {

class CAnimatedSprite;

class CAnimationManager {
public:
    // Called once per frame with the current time, before the screen layer is redrawn.
    void Tick(types::ticks now);

    // (Re)inserts the sprite at its place in the order.
    void Insert(CAnimatedSprite* sprite);
    void Remove(CAnimatedSprite* sprite);

    bool Contains(const CAnimatedSprite* sprite) const;
    const std::vector<CAnimatedSprite*>& GetSprites() const { return mySprites; }

private:
    void InsertSorted(CAnimatedSprite* sprite);

    std::vector<CAnimatedSprite*> mySprites;
    CAnimatedSprite* myUpdating = nullptr;
};

}  // namespace tolm

#endif
