// A named sequence of frames played on an animated sprite's own clock. The animation owns
// its frames; the sprite owns its animations.
#ifndef TOLM_GFX_CANIMATION_H
#define TOLM_GFX_CANIMATION_H

#include <memory>
#include <string>
#include <vector>

#include "tolm/gfx/CFrame.h"
#include "tolm/types/Types.h"

namespace tolm {

class CSprite;
class CXmlFileSys;

class CAnimation {
public:
    CAnimation() = default;
    explicit CAnimation(const std::string& name, bool loop = false) : name(name), loop(loop) {}

    // Works on frame i at animation time t and answers the frame to show next. At most one
    // frame is advanced per call; at the end of a non-looping animation an animated sprite is
    // paused on the last frame.
    int Update(CSprite* sprite, int i, types::ticks t);
    // Animation time at which the current frame wants its next update; never, for an
    // animation without frames.
    types::ticks GetNextUpdateTime() const;
    void Serialize(CXmlFileSys* filesys);

    void AddFrame(std::unique_ptr<CFrame> frame) { myFrames.push_back(std::move(frame)); }
    int GetFrameCount() const { return static_cast<int>(myFrames.size()); }
    CFrame* GetFrame(int i) const;
    int GetCurrentFrame() const { return myCurrentFrame; }

    std::string name;
    bool loop = false;

private:
    std::vector<std::unique_ptr<CFrame>> myFrames;
    int myCurrentFrame = 0;
    types::ticks myFrameStart = 0;
    types::ticks myLastTime = 0;
};

}  // namespace tolm

#endif
