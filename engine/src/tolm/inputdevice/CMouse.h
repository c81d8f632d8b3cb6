// The mouse device: turns the event manager's raw pointer events into notifications for
// global listeners (every event) and area listeners (motion inside their area, enter and
// leave of the blocking one under the pointer, presses and the matching release). One per
// process (Mouse()); it hears nothing until its owner attaches it to the event manager as a
// mouse listener, which the engine's services do. It owns none of its listeners; removing
// one (its destructor does so) is safe at any time, also while it is being called.
#ifndef TOLM_INPUTDEVICE_CMOUSE_H
#define TOLM_INPUTDEVICE_CMOUSE_H

#include "tolm/Services.h"
#include "tolm/inputdevice/CListenerList.h"
#include "tolm/inputdevice/CMouseEventListener.h"
#include "tolm/inputdevice/CMouseListener.h"

namespace tolm {

class CMouse : public CMouseEventListener {
public:
    CMouse() = default;
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;

    // Listeners are called in the order they were added; adding one twice keeps one
    // registration. Removing also forgets it as the pressed, hovered or called listener.
    void AddGlobalListener(CMouseListener* listener);
    void RemoveGlobalListener(CMouseListener* listener);
    void AddAreaListener(CMouseListener* listener);
    void RemoveAreaListener(CMouseListener* listener);
    // Both lists at once (what a listener's destructor does).
    void RemoveListener(CMouseListener* listener);

    // Motion: global listeners, then the area listeners whose area holds the point, down
    // to the first that blocks; that one becomes the hovered listener and the previous
    // hovered one is told it was left.
    void OnPointerMoved(int x, int y) override;
    // Buttons: global listeners, then the area listeners at the last position down to the
    // first that blocks, which becomes the pressed listener on a press. A release always
    // reaches the pressed listener, also outside its area. A listener that removes itself
    // while being called ends the pass it was called from.
    void OnButtonPressed(int mask) override;
    void OnButtonReleased(int mask) override;

    int GetX() const { return myX; }
    int GetY() const { return myY; }
    CMouseListener* GetHovered() const { return myHovered; }
    CMouseListener* GetPressed() const { return myPressed; }

private:
    using ButtonOperation = void (CMouseListener::*)(int);

    void ForgetListener(CMouseListener* listener);
    void CallGlobal(ButtonOperation operation, int mask);
    // The area pass of a button event; answers the blocking listener that ended it (or
    // null) and whether the pressed listener was among those called.
    CMouseListener* CallAreas(ButtonOperation operation, int mask, bool& pressedCalled);

    CListenerList<CMouseListener> myGlobalListeners;
    CListenerList<CMouseListener> myAreaListeners;
    CMouseListener* myPressed = nullptr;
    CMouseListener* myHovered = nullptr;
    int myX = 0;
    int myY = 0;
};

}  // namespace tolm

#endif
