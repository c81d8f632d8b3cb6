// Lets the left mouse button drag a sprite around the screen: a global listener of the
// mouse device that starts a drag when the left button goes down over the sprite and moves
// the sprite with the pointer until the button comes up. The sprite is not owned and must
// outlive the wrapper; the wrapper leaves the mouse device when it is destroyed.
#ifndef TOLM_TASKS_TASK_DEBUG_CDRAGWRAPPER_H
#define TOLM_TASKS_TASK_DEBUG_CDRAGWRAPPER_H

#include "tolm/inputdevice/CMouseListener.h"
#include "tolm/types/Types.h"

namespace tolm {

class CSprite;

class CDragWrapper : public CMouseListener {
public:
    explicit CDragWrapper(CSprite* sprite);
    ~CDragWrapper() override;

    void OnMouseMove(int x, int y) override;
    void OnMouseLeave(int /*x*/, int /*y*/) override {}
    void OnMouseDown(int mask) override;
    void OnMouseUp(int mask) override;
    bool Blocks() const override { return false; }
    types::rect GetArea() const override;
    int GetDepth() const override;

    bool IsDragging() const { return myDragging; }

private:
    static constexpr int kLeftButton = 1;

    CSprite* mySprite;
    types::point myPointer;
    bool myDragging = false;
};

}  // namespace tolm

#endif
