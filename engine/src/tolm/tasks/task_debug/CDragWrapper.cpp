#include "tolm/tasks/task_debug/CDragWrapper.h"

#include "tolm/gfx/CSprite.h"
#include "tolm/inputdevice/CMouse.h"

namespace tolm {

CDragWrapper::CDragWrapper(CSprite* sprite) : mySprite(sprite) {
    Mouse().AddGlobalListener(this);
}

CDragWrapper::~CDragWrapper() {
    Mouse().RemoveGlobalListener(this);
}

void CDragWrapper::OnMouseMove(int x, int y) {
    if (myDragging) {
        mySprite->SetPosition(mySprite->GetX() + (x - myPointer.x),
                              mySprite->GetY() + (y - myPointer.y));
    }
    myPointer = types::point(x, y);
}

void CDragWrapper::OnMouseDown(int mask) {
    if (!(mask & kLeftButton)) return;
    const types::rect area = GetArea();
    myDragging = myPointer.x >= area.x && myPointer.y >= area.y && myPointer.x < area.Right() &&
                 myPointer.y < area.Bottom();
}

void CDragWrapper::OnMouseUp(int mask) {
    if (mask & kLeftButton) myDragging = false;
}

types::rect CDragWrapper::GetArea() const {
    return mySprite->GetRect();
}

int CDragWrapper::GetDepth() const {
    return mySprite->GetZ();
}

}  // namespace tolm
