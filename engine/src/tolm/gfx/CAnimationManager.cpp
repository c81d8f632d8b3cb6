#include "tolm/gfx/CAnimationManager.h"

#include <algorithm>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CAnimatedSprite.h"

namespace tolm {

CAnimationManager& AnimationManager() {
    return *CSingletonPtr<CAnimationManager>::Get();
}

bool CAnimationManager::Contains(const CAnimatedSprite* sprite) const {
    return std::find(mySprites.begin(), mySprites.end(), sprite) != mySprites.end();
}

void CAnimationManager::InsertSorted(CAnimatedSprite* sprite) {
    const types::ticks due = sprite->GetNextUpdateTime();
    auto place = std::upper_bound(
        mySprites.begin(), mySprites.end(), due,
        [](types::ticks time, const CAnimatedSprite* s) { return time < s->GetNextUpdateTime(); });
    mySprites.insert(place, sprite);
}

void CAnimationManager::Insert(CAnimatedSprite* sprite) {
    if (sprite == nullptr) return;
    Remove(sprite);
    InsertSorted(sprite);
}

void CAnimationManager::Remove(CAnimatedSprite* sprite) {
    auto found = std::find(mySprites.begin(), mySprites.end(), sprite);
    if (found == mySprites.end()) return;
    mySprites.erase(found);
    if (myUpdating == sprite) myUpdating = nullptr;
}

void CAnimationManager::Tick(types::ticks now) {
    std::vector<CAnimatedSprite*> updated;
    std::size_t i = 0;
    while (i < mySprites.size()) {
        CAnimatedSprite* sprite = mySprites[i];
        if (sprite->GetNextUpdateTime() > now) break;
        myUpdating = sprite;
        sprite->AdvanceTime(now);
        sprite->Update();
        if (myUpdating == nullptr) break;
        myUpdating = nullptr;
        updated.push_back(sprite);
        // An update may play or pause other sprites (a sound frame runs commands): find
        // this one again instead of trusting the index.
        if (i >= mySprites.size() || mySprites[i] != sprite) {
            auto found = std::find(mySprites.begin(), mySprites.end(), sprite);
            if (found == mySprites.end()) break;
            i = static_cast<std::size_t>(found - mySprites.begin());
        }
        ++i;
    }
    myUpdating = nullptr;
    // Only the updated sprites moved in time; the rest is still in order.
    for (CAnimatedSprite* sprite : updated) {
        auto found = std::find(mySprites.begin(), mySprites.end(), sprite);
        if (found == mySprites.end()) continue;
        mySprites.erase(found);
        InsertSorted(sprite);
    }
}

}  // namespace tolm
