// A frame that shows one rectangle of the sprite's picture for a given time. A wrapped
// frame, when there is one (owned), takes over the timing and runs as well.
#ifndef TOLM_GFX_CFRAMERECT_H
#define TOLM_GFX_CFRAMERECT_H

#include <memory>

#include "tolm/gfx/CFrame.h"
#include "tolm/types/Rect.h"

namespace tolm {

class CFrameRect : public CFrame {
public:
    CFrameRect() = default;
    CFrameRect(const types::rect& r, types::ticks length) : myRect(r), myFrameLength(length) {}

    int GetType() const override { return kFrameRect; }
    bool Update(CSprite* sprite, types::ticks delta) override;
    types::ticks GetUpdateInterval() const override;
    types::ticks GetLength() const override;
    void Serialize(CXmlFileSys* filesys) override;

    const types::rect& GetRect() const { return myRect; }
    types::ticks GetFrameLength() const { return myFrameLength; }
    CFrame* GetWrapped() const { return myWrapped.get(); }
    void SetWrapped(std::unique_ptr<CFrame> wrapped) { myWrapped = std::move(wrapped); }

private:
    types::rect myRect;
    types::ticks myFrameLength = 0;
    std::unique_ptr<CFrame> myWrapped;
};

}  // namespace tolm

#endif
