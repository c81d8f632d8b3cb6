#include "tolm/gfx/CSpriteLayer.h"

#include <algorithm>
#include <climits>

namespace tolm {
namespace {

// Where the sprite was last drawn on the target: the old place of a change.
types::rect DrawnPlace(const CSprite* sprite) {
    return sprite->GetDirtyRect(1);
}

}  // namespace

CSpriteLayer::~CSpriteLayer() {
    const std::vector<CSprite*> sprites = mySprites;
    const std::vector<CSprite*> hidden = myHidden;
    mySprites.clear();
    myHidden.clear();
    myWaiting.clear();
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

void CSpriteLayer::TakeOff(CSprite* sprite, bool hide) {
    Invalidate();
    myWaiting.erase(std::remove(myWaiting.begin(), myWaiting.end(), sprite), myWaiting.end());
    EraseForChange(sprite);
    const auto at = std::find(mySprites.begin(), mySprites.end(), sprite);
    if (at == mySprites.end()) return;
    mySprites.erase(at);
    if (hide) myHidden.push_back(sprite);
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

bool CSpriteLayer::IsHiddenInFront(const CSprite* sprite, types::rect a, types::rect b) const {
    // Only what lies on the target can be seen; a place wholly off it needs no cover.
    if (myTarget != nullptr) {
        a = a.Intersection(myTarget->GetRect());
        b = b.Intersection(myTarget->GetRect());
    }
    if (a.w <= 0 || a.h <= 0) a = b;
    if (b.w <= 0 || b.h <= 0) b = a;
    if (a.w <= 0 || a.h <= 0) return false;
    bool hidden = false;
    for (const CSprite* front : mySprites) {
        if (front == sprite) return hidden;
        hidden = hidden || (front->HidesArea(a) && front->HidesArea(b));
    }
    return false;  // not on this layer
}

void CSpriteLayer::SpriteChanged(CSprite* sprite) {
    Invalidate();
    // Called before the change: the sprite still stands where it was drawn.
    const types::rect shown = DrawnPlace(sprite);
    if (sprite->GetDrawState() == CSprite::kDrawn && IsHiddenInFront(sprite, shown, shown)) {
        if (std::find(myWaiting.begin(), myWaiting.end(), sprite) == myWaiting.end())
            myWaiting.push_back(sprite);
        return;
    }
    EraseForChange(sprite);
}

void CSpriteLayer::SettleWaitingChange(CSprite* sprite) {
    auto waiting = std::find(myWaiting.begin(), myWaiting.end(), sprite);
    if (waiting == myWaiting.end()) return;
    myWaiting.erase(waiting);
    EraseForChange(sprite);
}

void CSpriteLayer::SettleWaitingChanges() {
    const std::vector<CSprite*> waiting = myWaiting;
    for (CSprite* sprite : waiting) {
        // Erased meanwhile by another change: the pass redraws it anyway.
        if (sprite->GetDrawState() != CSprite::kDrawn) {
            myWaiting.erase(std::find(myWaiting.begin(), myWaiting.end(), sprite));
            continue;
        }
        // The old place is where the background was saved; the new one is the rect now.
        if (IsHiddenInFront(sprite, DrawnPlace(sprite), sprite->GetRect())) continue;
        SettleWaitingChange(sprite);
    }
}

void CSpriteLayer::EraseForChange(CSprite* sprite) {
    const auto at = std::find(mySprites.begin(), mySprites.end(), sprite);
    if (at == mySprites.end()) {
        if (mySprites.empty()) return;
        for (CSprite* s : mySprites) EraseSprite(s);
        myRedrawDepth = mySprites.back()->GetZ();
        return;
    }
    RaiseRedrawDepth(sprite->GetZ());
    // Already erased: its old place was cleared, with all that lay over it, back then.
    if (sprite->GetDrawState() != CSprite::kDrawn) return;
    // Only the sprites in front that lie over its place, or over the place of one of them,
    // must come off first; the others keep their pixels and saved backgrounds.
    std::vector<types::rect> places{DrawnPlace(sprite)};
    std::vector<CSprite*> over;
    for (auto it = std::make_reverse_iterator(at); it != mySprites.rend(); ++it) {
        CSprite* front = *it;
        if (front->GetDrawState() != CSprite::kDrawn) continue;
        const types::rect drawn = DrawnPlace(front);
        if (!MeetsAny(drawn, places)) continue;
        over.push_back(front);
        places.push_back(drawn);
    }
    for (auto it = over.rbegin(); it != over.rend(); ++it) EraseSprite(*it);
    EraseSprite(sprite);
}

void CSpriteLayer::EraseOverNewPlaces() {
    // Back to front: every erased sprite is drawn at its place now, so a drawn sprite in
    // front of it that lies over that place must be drawn again after it, and so must every
    // drawn sprite in front that lies over one of those.
    std::vector<types::rect> places;
    std::vector<CSprite*> over;
    for (auto it = mySprites.rbegin(); it != mySprites.rend(); ++it) {
        CSprite* sprite = *it;
        if (sprite->GetDrawState() != CSprite::kDrawn) {
            places.push_back(sprite->GetRect());
            continue;
        }
        const types::rect drawn = DrawnPlace(sprite);
        if (places.empty() || !MeetsAny(drawn, places)) continue;
        over.push_back(sprite);
        places.push_back(drawn);
        places.push_back(sprite->GetRect());
    }
    for (auto it = over.rbegin(); it != over.rend(); ++it) {
        EraseSprite(*it);
        RaiseRedrawDepth((*it)->GetZ());
    }
}

bool CSpriteLayer::MeetsAny(const types::rect& r, const std::vector<types::rect>& places) {
    return std::any_of(places.begin(), places.end(),
                       [&r](const types::rect& p) { return p.Intersects(r); });
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
    SettleWaitingChanges();
    if (mySprites.empty()) return false;
    EraseOverNewPlaces();
    // A copy: drawing must not be confused by a sprite that changes the list.
    const std::vector<CSprite*> sprites = mySprites;
    for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) {
        CSprite* sprite = *it;
        if (sprite->GetZ() > myRedrawDepth) continue;
        // A sprite still drawn keeps its pixels, also one whose change waits behind a cover.
        if (sprite->GetDrawState() != CSprite::kDrawn) AddDirtyRects(sprite);
        sprite->Redraw(target);
        myRedrawDepth = sprite->GetZ();
    }
    if (myRedrawDepth > INT_MIN) --myRedrawDepth;
    // Drawn anew, so their changes wait no more.
    myWaiting.erase(std::remove_if(myWaiting.begin(), myWaiting.end(),
                                   [](const CSprite* s) { return !s->IsDirty(); }),
                    myWaiting.end());
    return true;
}

}  // namespace tolm
