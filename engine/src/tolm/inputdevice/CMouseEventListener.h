// Receiver of raw pointer events from the event manager: every motion and every button
// change, wherever it happens. The mouse device is one; widgets that route events
// themselves are others. Listeners are owned by whoever registers them and must
// unregister before they are destroyed.
#ifndef TOLM_INPUTDEVICE_CMOUSEEVENTLISTENER_H
#define TOLM_INPUTDEVICE_CMOUSEEVENTLISTENER_H

namespace tolm {

class CMouseEventListener {
public:
    virtual ~CMouseEventListener() = default;
    virtual void OnPointerMoved(int x, int y) = 0;
    // mask: one bit per button (1 left, 2 middle, 4 right, 8 and 16 the wheel), 0 for a
    // button number outside 1 to 5.
    virtual void OnButtonPressed(int mask) = 0;
    virtual void OnButtonReleased(int mask) = 0;
};

}  // namespace tolm

#endif
