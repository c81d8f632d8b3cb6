#include "tolm/gfx/CSpriteLayer.h"

#include <algorithm>
#include <climits>

namespace tolm {

CSpriteLayer::~CSpriteLayer() {
    const std::vector<CSprite*> sprites = mySprites;
    const std::vector<CSprite*> hidden = myHidden;
    mySprites.clear();
    myHidden.clear();
    for (CSprite* sprite : sprites) sprite->DetachFrom(this);
    for (CSprite* sprite : hidden) sprite->DetachFrom(this);
}

void CSpriteLayer::InsertByDepth(CSprite* sprite) {
    for (auto it = mySprites.begin(); it != mySprites.end(); ++it) {
        if (sprite->GetZ() <= (*it)->GetZ()) {
            mySprites.insert(it, sprite);
            return;
        }
        EraseSprite(*it);
    }
    mySprites.push_back(sprite);
}

void CSpriteLayer::AddSprite(CSprite* sprite) {
    if (sprite == nullptr) return;
    Invalidate();
    InsertByDepth(sprite);
    RaiseRedrawDepth(sprite->GetZ());
}

bool CSpriteLayer::EraseFrontTo(const CSprite* sprite, CSprite** inFront) {
    *inFront = nullptr;
    for (CSprite* current : mySprites) {
        EraseSprite(current);
        if (current == sprite) return true;
        *inFront = current;
    }
    return false;
}

void CSpriteLayer::TakeOff(CSprite* sprite, bool hide) {
    Invalidate();
    CSprite* inFront = nullptr;
    const bool found = EraseFrontTo(sprite, &inFront);
    if (inFront != nullptr) RaiseRedrawDepth(inFront->GetZ());
    if (found) mySprites.erase(std::find(mySprites.begin(), mySprites.end(), sprite));
    if (hide && found) myHidden.push_back(sprite);
}

void CSpriteLayer::RemoveSprite(CSprite* sprite) {
    TakeOff(sprite, false);
}

void CSpriteLayer::HideSprite(CSprite* sprite) {
    TakeOff(sprite, true);
}

void CSpriteLayer::ShowSprite(CSprite* sprite) {
    Invalidate();
    auto hidden = std::find(myHidden.begin(), myHidden.end(), sprite);
    if (hidden == myHidden.end()) return;
    myHidden.erase(hidden);
    InsertByDepth(sprite);
    RaiseRedrawDepth(sprite->GetZ());
}

void CSpriteLayer::ForgetHidden(const CSprite* sprite) {
    myHidden.erase(std::remove(myHidden.begin(), myHidden.end(), sprite), myHidden.end());
}

void CSpriteLayer::SpriteChanged(CSprite* sprite) {
    Invalidate();
    if (sprite->GetZ() < myRedrawDepth) EraseSprite(sprite);
    CSprite* inFront = nullptr;
    if (EraseFrontTo(sprite, &inFront)) {
        RaiseRedrawDepth(sprite->GetZ());
    } else if (!mySprites.empty()) {
        myRedrawDepth = mySprites.back()->GetZ();
    }
}

void CSpriteLayer::EraseDownTo(int z) {
    Invalidate();
    if (mySprites.empty()) return;
    for (CSprite* sprite : mySprites) {
        if (sprite->GetZ() > z) break;
        EraseSprite(sprite);
    }
    RaiseRedrawDepth(z);
}

void CSpriteLayer::SortSprites() {
    std::stable_sort(mySprites.begin(), mySprites.end(),
                     [](const CSprite* a, const CSprite* b) { return a->GetZ() < b->GetZ(); });
}

bool CSpriteLayer::Redraw(CSprite* target) {
    if (mySprites.empty()) return false;
    // A copy: drawing must not be confused by a sprite that changes the list.
    const std::vector<CSprite*> sprites = mySprites;
    for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) {
        CSprite* sprite = *it;
        if (sprite->GetZ() > myRedrawDepth) continue;
        AddDirtyRects(sprite);
        sprite->Redraw(target);
        myRedrawDepth = sprite->GetZ();
    }
    if (myRedrawDepth > INT_MIN) --myRedrawDepth;
    return true;
}

}  // namespace tolm
