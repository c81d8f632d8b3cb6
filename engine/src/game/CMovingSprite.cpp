#include "game/CMovingSprite.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "game/CDelayedRelease.h"

namespace game {

CMovingSprite::CMovingSprite() {
    SetSleepTime(kStepTime);
}

CMovingSprite::~CMovingSprite() {
    if (myReleaseDelay != 0) {
        if (mySprite) mySprite->PlayAnimation("death");
        // Owned by the fake-thread pump from here on.
        new CDelayedRelease(mySprite, myReleaseDelay);
    }
    myChildren.clear();
    mySprite.reset();
}

void CMovingSprite::GlideTo(int x, int y) {
    if (!mySprite) return;
    const tolm::types::rect r = mySprite->GetRect();
    myTarget = tolm::types::point(x - r.w / 2, y - r.h / 2);
    if (!AtTarget() && myMotion == kFall) mySpeed = 0.1f;
    Glide();
}

void CMovingSprite::GlideToX(int x) {
    if (!mySprite) return;
    myTarget = tolm::types::point(x - mySprite->GetRect().w / 2, mySprite->GetY());
    Glide();
}

void CMovingSprite::JumpToX(int x) {
    if (!mySprite) return;
    myTarget = tolm::types::point(x - mySprite->GetRect().w / 2, mySprite->GetY());
    const int dx = myTarget.x - mySprite->GetX();
    mySprite->SetPosition(myTarget.x, myTarget.y);
    MoveChildren(dx, 0);
}

void CMovingSprite::PlayAnimation(const std::string& name) {
    if (!mySprite) return;
    mySprite->PlayAnimation(name);
    for (const SpritePtr& child : myChildren) child->PlayAnimation(name);
}

void CMovingSprite::Step() {
    if (!mySprite || AtTarget()) return;
    int dx = myTarget.x - mySprite->GetX();
    int dy = myTarget.y - mySprite->GetY();
    if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
        mySprite->SetPosition(myTarget.x, myTarget.y);
        MoveChildren(dx, dy);
        Pause();
        return;
    }
    if (myMotion == kEase) {
        // Truncation leaves the glide resting up to 4 pixels short: the game's look.
        dx = static_cast<int>(static_cast<float>(dx) * mySpeed);
        dy = static_cast<int>(static_cast<float>(dy) * mySpeed);
        mySprite->SetPosition(mySprite->GetX() + dx, mySprite->GetY() + dy);
        MoveChildren(dx, dy);
    } else if (myMotion == kFall) {
        mySpeed *= 1.5f;
        // 64 bits: a far target must not overflow the sum of squares.
        const std::int64_t squares =
            static_cast<std::int64_t>(dx) * dx + static_cast<std::int64_t>(dy) * dy;
        const float distance = static_cast<float>(std::sqrt(static_cast<double>(squares)));
        float f = mySpeed / distance;
        if (f > 1.0f) f = 1.0f;
        dx = static_cast<int>(static_cast<float>(dx) * f);
        dy = static_cast<int>(static_cast<float>(dy) * f);
        mySprite->SetPosition(mySprite->GetX() + dx, mySprite->GetY() + dy);
    }
}

tolm::types::rect CMovingSprite::GetArea() const {
    return mySprite ? mySprite->GetRect() : tolm::types::rect{0, 0, 0, 0};
}

int CMovingSprite::GetDepth() const {
    return mySprite ? mySprite->GetZ() : 0;
}

bool CMovingSprite::AtTarget() const {
    return mySprite->GetX() == myTarget.x && mySprite->GetY() == myTarget.y;
}

void CMovingSprite::Glide() {
    if (AtTarget()) {
        Pause();
    } else {
        Resume();
    }
}

void CMovingSprite::MoveChildren(int dx, int dy) {
    for (const SpritePtr& child : myChildren) {
        child->SetPosition(child->GetX() + dx, child->GetY() + dy);
    }
}

}  // namespace game
