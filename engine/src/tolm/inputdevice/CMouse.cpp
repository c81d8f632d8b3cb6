#include "tolm/inputdevice/CMouse.h"

#include <cstdint>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace tolm {

namespace {

bool Holds(const types::rect& area, int x, int y) {
    return area.x <= x && x < area.Right() && area.y <= y && y < area.Bottom();
}

}  // namespace

void CMouse::AddGlobalListener(CMouseListener* listener) {
    myGlobalListeners.Add(listener);
}

void CMouse::RemoveGlobalListener(CMouseListener* listener) {
    if (myGlobalListeners.Remove(listener)) ForgetListener(listener);
}

void CMouse::AddAreaListener(CMouseListener* listener) {
    myAreaListeners.Add(listener);
}

void CMouse::RemoveAreaListener(CMouseListener* listener) {
    if (myAreaListeners.Remove(listener)) ForgetListener(listener);
}

void CMouse::RemoveListener(CMouseListener* listener) {
    myGlobalListeners.Remove(listener);
    myAreaListeners.Remove(listener);
    ForgetListener(listener);
}

void CMouse::ForgetListener(CMouseListener* listener) {
    if (myPressed == listener) myPressed = nullptr;
    if (myHovered == listener) myHovered = nullptr;
}

void CMouse::OnPointerMoved(int x, int y) {
    myGlobalListeners.Walk([this, x, y](CMouseListener* listener) {
        listener->OnMouseMove(x, y);
        return myGlobalListeners.Contains(listener);
    });
    CMouseListener* blocker = nullptr;
    myAreaListeners.Walk([this, x, y, &blocker](CMouseListener* listener) {
        if (!Holds(listener->GetArea(), x, y)) return true;
        listener->OnMouseMove(x, y);
        // Gone during its own call: nothing more may be asked of it, and the pass ends.
        if (!myAreaListeners.Contains(listener)) return false;
        if (!listener->Blocks()) return true;
        blocker = listener;
        return false;
    });
    // The new hovered listener is in place before the old one hears of leaving, so a
    // listener removed by that call is forgotten too.
    CMouseListener* const previous = myHovered;
    myHovered = blocker;
    if (previous != nullptr && previous != blocker) previous->OnMouseLeave(x, y);
    myX = x;
    myY = y;
}

void CMouse::OnButtonPressed(int mask) {
    CallGlobal(&CMouseListener::OnMouseDown, mask);
    bool pressedCalled = false;
    CMouseListener* const blocker = CallAreas(&CMouseListener::OnMouseDown, mask, pressedCalled);
    if (blocker != nullptr) myPressed = blocker;
}

void CMouse::OnButtonReleased(int mask) {
    CallGlobal(&CMouseListener::OnMouseUp, mask);
    bool pressedCalled = false;
    CallAreas(&CMouseListener::OnMouseUp, mask, pressedCalled);
    CMouseListener* const pressed = myPressed;
    myPressed = nullptr;
    if (pressed != nullptr && !pressedCalled) pressed->OnMouseUp(mask);
}

void CMouse::CallGlobal(ButtonOperation operation, int mask) {
    myGlobalListeners.Walk([this, operation, mask](CMouseListener* listener) {
        (listener->*operation)(mask);
        return myGlobalListeners.Contains(listener);
    });
}

CMouseListener* CMouse::CallAreas(ButtonOperation operation, int mask, bool& pressedCalled) {
    CMouseListener* blocker = nullptr;
    myAreaListeners.Walk([&](CMouseListener* listener) {
        if (!Holds(listener->GetArea(), myX, myY)) return true;
        if (listener == myPressed) pressedCalled = true;
        (listener->*operation)(mask);
        if (!myAreaListeners.Contains(listener)) return false;
        if (!listener->Blocks()) return true;
        blocker = listener;
        return false;
    });
    return blocker;
}

CMouse& Mouse() {
    return *CSingletonPtr<CMouse>::Get();
}

}  // namespace tolm
