// One step of an animation: shows a part of the sprite's picture, plays a sound, or both
// when one frame wraps another. A frame owns the frame it wraps; the animation owns its
// frames. Frames are made by type id through the frame factory.
#ifndef TOLM_GFX_CFRAME_H
#define TOLM_GFX_CFRAME_H

#include "tolm/types/Types.h"

namespace tolm {

class CSprite;
class CXmlFileSys;

class CFrame {
public:
    static constexpr int kFrameRect = 0;
    static constexpr int kFrameSound = 1;

    virtual ~CFrame() = default;
    virtual int GetType() const = 0;
    // Applies the frame to the sprite; true when the frame is over after delta milliseconds
    // of animation time since the previous update.
    virtual bool Update(CSprite* sprite, types::ticks delta) = 0;
    virtual types::ticks GetUpdateInterval() const = 0;
    virtual types::ticks GetLength() const = 0;
    virtual void Serialize(CXmlFileSys* filesys) = 0;
};

}  // namespace tolm

#endif
