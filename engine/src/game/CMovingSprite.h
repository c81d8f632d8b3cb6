// A group of sprites that glides on its own: a main sprite and children that follow it,
// moved towards a target by its fake-thread steps, easing in (each tick a fifth of the way)
// or falling (slow at first, faster each tick). The group owns references to its sprites;
// owners hold the group through the engine's reference-counted pointer, and the last release
// takes its sprites off the screen, the main one after the release delay if there is one.
#ifndef GAME_CMOVINGSPRITE_H
#define GAME_CMOVINGSPRITE_H

#include <string>
#include <vector>

#include "game/CMouseListenerAdapter.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/types/Rect.h"
#include "tolm/types/Types.h"
#include "tolm/utils/CSmartPtr.h"

namespace game {

class CMovingSprite : public CMouseListenerAdapter, public tolm::CFakeThread {
public:
    static constexpr int kEase = 1;
    static constexpr int kFall = 2;
    static constexpr tolm::types::ticks kStepTime = 30;

    using SpritePtr = tolm::CSmartPtr<tolm::CSprite>;

    // Idle (its thread paused) until a glide.
    CMovingSprite();
    // With a release delay, the main sprite plays "death" and stays that long on screen;
    // the children go at once.
    ~CMovingSprite() override;

    void SetSprite(SpritePtr sprite) { mySprite = std::move(sprite); }
    void AddChild(SpritePtr sprite) { myChildren.push_back(std::move(sprite)); }
    void SetReleaseDelay(tolm::types::ticks delay) { myReleaseDelay = delay; }
    void SetMotion(int mode) { myMotion = mode; }

    // Glides until the main sprite's centre is at (x, y); pauses when it is there already.
    void GlideTo(int x, int y);
    // The same horizontally; y stays.
    void GlideToX(int x);
    // Moves horizontally at once, children along; the thread is left as it is.
    void JumpToX(int x);
    // On the main sprite and every child; nothing at all without a main sprite.
    void PlayAnimation(const std::string& name);

    void Step() override;

    tolm::types::rect GetArea() const override;
    int GetDepth() const override;

    const SpritePtr& GetSprite() const { return mySprite; }
    const std::vector<SpritePtr>& GetChildren() const { return myChildren; }
    tolm::types::point GetTarget() const { return myTarget; }

private:
    bool AtTarget() const;
    void Glide();
    void MoveChildren(int dx, int dy);

    int myMotion = kEase;
    tolm::types::ticks myReleaseDelay = 0;
    tolm::types::point myTarget{0, 0};
    float mySpeed = 0.2f;
    SpritePtr mySprite;
    std::vector<SpritePtr> myChildren;
};

using CMovingSpritePtr = tolm::CSmartPtr<CMovingSprite>;

}  // namespace game

#endif
