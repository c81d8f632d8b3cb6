// A sprite that keeps a depth-ordered list of sprites and redraws only what changed: a
// change erases the changed sprite and the sprites in front of it that lie over it (front-most
// first), and the update pass redraws the erased sprites from back to front, after erasing
// too the drawn ones that lie over their new places. The layer refers to its
// sprites without owning them; each sprite takes itself off when it goes, and a layer that
// goes first detaches the sprites still on it.
#ifndef TOLM_GFX_CSPRITELAYER_H
#define TOLM_GFX_CSPRITELAYER_H

#include <vector>

#include "tolm/gfx/CSprite.h"

namespace tolm {

class CSpriteLayer : public CSprite {
public:
    CSpriteLayer() = default;
    ~CSpriteLayer() override;

    int GetType() const override { return 1; }
    bool IsEmpty() const override { return mySprites.empty(); }
    // The update pass: redraws every due sprite onto target; false when the layer is empty.
    bool Redraw(CSprite* target) override;

    virtual void AddSprite(CSprite* sprite);
    virtual void RemoveSprite(CSprite* sprite);
    virtual void SortSprites();
    virtual void EraseDownTo(int z);
    // A change of a sprite that an opaque sprite in front hides wholly waits (see
    // SettleWaitingChanges) instead of erasing the sprites in front, which would redraw them
    // for nothing; a picture over the whole scene then costs nothing while the scene behind
    // it animates.
    virtual void SpriteChanged(CSprite* sprite);
    // Carries out the sprite's waiting change now, if it has one.
    void SettleWaitingChange(CSprite* sprite);
    // The target must outlive the layer's use of it; the layer does not own it.
    virtual void SetTarget(CSprite* target) { myTarget = target; }
    virtual CSprite* GetTarget() const { return myTarget; }
    virtual void HideSprite(CSprite* sprite);
    virtual void ShowSprite(CSprite* sprite);

    // Takes a sprite off the hidden list without drawing anything (it was put elsewhere).
    void ForgetHidden(const CSprite* sprite);

    const std::vector<CSprite*>& GetSprites() const { return mySprites; }
    const std::vector<CSprite*>& GetHiddenSprites() const { return myHidden; }
    int GetRedrawDepth() const { return myRedrawDepth; }

protected:
    void EraseSprite(CSprite* sprite) { sprite->Erase(GetDrawTarget()); }
    // The target that erasing restores onto; null when it cannot be drawn on now.
    virtual CSprite* GetDrawTarget() const { return myTarget; }
    void RaiseRedrawDepth(int z) { myRedrawDepth = std::max(myRedrawDepth, z); }
    void InsertByDepth(CSprite* sprite);
    void TakeOff(CSprite* sprite, bool hide);
    // Erases the changed sprite and, first, those in front of it that lie over its place or
    // over the place of another one erased so. A sprite not on the layer erases them all.
    void EraseForChange(CSprite* sprite);
    // Before the update pass draws: erases the drawn sprites that lie over the new place of
    // an erased one behind them, and those over them, so that they are drawn again on top.
    void EraseOverNewPlaces();
    static bool MeetsAny(const types::rect& r, const std::vector<types::rect>& places);
    // At the start of an update pass: each waiting change whose sprite is no longer hidden,
    // at its old place and at its new one, is carried out; the others wait on.
    void SettleWaitingChanges();
    // True when a sprite in front of sprite hides both rects on the target.
    bool IsHiddenInFront(const CSprite* sprite, types::rect a, types::rect b) const;
    virtual void AddDirtyRects(CSprite*) {}

    std::vector<CSprite*> myHidden;
    std::vector<CSprite*> mySprites;  // ascending Z: the front-most sprite first
    std::vector<CSprite*> myWaiting;  // drawn sprites whose change waits behind another
    CSprite* myTarget = nullptr;
    int myRedrawDepth = 0;
};

}  // namespace tolm

#endif
