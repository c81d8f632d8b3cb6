// A receiver of the mouse device's notifications: either global (every motion and every
// button change) or bound to an on-screen area (enter/leave and clicks inside it). The
// object is owned by whoever made it; its destructor removes it from the mouse device, so
// a listener may be deleted at any time, even while it is being called.
#ifndef TOLM_INPUTDEVICE_CMOUSELISTENER_H
#define TOLM_INPUTDEVICE_CMOUSELISTENER_H

#include "tolm/types/Rect.h"

namespace tolm {

class CMouseListener {
public:
    virtual ~CMouseListener();
    virtual void OnMouseMove(int x, int y) = 0;
    // The pointer left the area of this (blocking, hovered) listener.
    virtual void OnMouseLeave(int x, int y) = 0;
    // mask: the button's bit (1 left, 2 middle, 4 right, 8 and 16 the wheel).
    virtual void OnMouseDown(int mask) = 0;
    virtual void OnMouseUp(int mask) = 0;
    // True: area listeners after this one do not get the event.
    virtual bool Blocks() const = 0;
    // Where an area listener listens; global listeners' areas are not consulted.
    virtual types::rect GetArea() const = 0;
    // The depth (Z) of the listener's picture, for owners that sort; the device ignores it.
    virtual int GetDepth() const = 0;
};

}  // namespace tolm

#endif
