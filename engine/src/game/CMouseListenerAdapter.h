// The mouse-listener base of the game's objects: every notification does nothing, nothing
// blocks, the area is empty and the depth 0, so a subclass overrides only what it needs.
// Like every mouse listener it leaves the mouse device when destroyed, registered or not.
#ifndef GAME_CMOUSELISTENERADAPTER_H
#define GAME_CMOUSELISTENERADAPTER_H

#include "tolm/inputdevice/CMouseListener.h"

namespace game {

class CMouseListenerAdapter : public tolm::CMouseListener {
public:
    void OnMouseMove(int /*x*/, int /*y*/) override {}
    void OnMouseLeave(int /*x*/, int /*y*/) override {}
    void OnMouseDown(int /*mask*/) override {}
    void OnMouseUp(int /*mask*/) override {}
    bool Blocks() const override { return false; }
    tolm::types::rect GetArea() const override { return tolm::types::rect{0, 0, 0, 0}; }
    int GetDepth() const override { return 0; }
};

}  // namespace game

#endif
