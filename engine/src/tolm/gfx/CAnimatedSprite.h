// A sprite whose picture holds several frames side by side, with named animations that
// select the part to show over time and play sounds. The sprite owns its animations; while
// it plays, the process-wide animation manager refers to it and advances it once per frame.
#ifndef TOLM_GFX_CANIMATEDSPRITE_H
#define TOLM_GFX_CANIMATEDSPRITE_H

#include <memory>
#include <string>
#include <vector>

#include "tolm/gfx/CAnimation.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/types/Types.h"

namespace tolm {

class CAnimatedSprite : public CSprite {
public:
    static constexpr types::ticks kDefaultMinimumUpdateTime = 250;

    CAnimatedSprite() = default;
    // Takes ownership of the picture, as a sprite does.
    explicit CAnimatedSprite(CGfxBuffer* image) : CSprite(image) {}
    ~CAnimatedSprite() override;

    int GetType() const override { return 4; }
    void Serialize(CXmlFileSys* filesys) override;
    void PlayAnimation(const std::string& name) override { SetAnimation(name); }

    // Selects the first animation of that name (an unknown name keeps the current one),
    // restarts it from frame 0 and plays.
    void SetAnimation(const std::string& name);
    void Play();
    void Pause();
    void Stop();
    void SetCurrentFrame(int i) { myCurrentFrame = i; }
    int GetCurrentFrame() const { return myCurrentFrame; }
    // Negative or not-a-number multipliers stop the clock (taken as 0).
    void SetTimeMultiply(float multiplier);
    float GetTimeMultiply() const { return myTimeMultiply; }
    std::string GetAnimationName() const;
    bool IsPlaying() const { return myPlaying; }
    void SetMinimumUpdateTime(types::ticks t) { myMinimumUpdateTime = t; }

    // Real time at which the sprite wants its next update.
    types::ticks GetNextUpdateTime() const;
    // Both are called by the animation manager.
    void AdvanceTime(types::ticks now);
    void Update();

    void AddAnimation(std::unique_ptr<CAnimation> animation);
    CAnimation* GetAnimation() const { return myAnimation; }
    const std::vector<std::unique_ptr<CAnimation>>& GetAnimations() const { return myAnimations; }
    types::ticks GetAnimationTime() const { return myAnimationTime; }

private:
    void ReadAnimations(CXmlFileSys* filesys);
    void WriteAnimations(CXmlFileSys* filesys);

    std::vector<std::unique_ptr<CAnimation>> myAnimations;
    CAnimation* myAnimation = nullptr;  // one of myAnimations, or null
    int myCurrentFrame = 0;
    types::ticks myAnimationTime = 0;
    types::ticks myLastRealTime = 0;
    types::ticks myMinimumUpdateTime = kDefaultMinimumUpdateTime;
    bool myPlaying = false;
    float myTimeMultiply = 1.0f;
};

}  // namespace tolm

#endif
