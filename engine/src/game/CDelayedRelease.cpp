#include "game/CDelayedRelease.h"

#include <utility>

namespace game {

CDelayedRelease::CDelayedRelease(tolm::CSmartPtr<tolm::CSprite> sprite, tolm::types::ticks delay)
    : mySprite(std::move(sprite)), myDelay(delay) {
    SetSleepTime(delay);
    Start();
}

void CDelayedRelease::Step() {
    if (GetTime() >= myDelay) Kill();
}

}  // namespace game
