// A sprite that keeps a depth-ordered list of sprites and redraws only what changed: a
// change erases the changed sprite and everything in front of it (front-most first), and
// the update pass redraws the erased sprites from back to front. The layer refers to its
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
    virtual void SpriteChanged(CSprite* sprite);
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
    // Erases from the front down to sprite; true when it was found. inFront receives the
    // sprite just in front of it (or of the list's end), null when there is none.
    bool EraseFrontTo(const CSprite* sprite, CSprite** inFront);
    void TakeOff(CSprite* sprite, bool hide);
    virtual void AddDirtyRects(CSprite*) {}

    std::vector<CSprite*> myHidden;
    std::vector<CSprite*> mySprites;  // ascending Z: the front-most sprite first
    CSprite* myTarget = nullptr;
    int myRedrawDepth = 0;
};

}  // namespace tolm

#endif
