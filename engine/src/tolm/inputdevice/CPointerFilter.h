// A first look at raw pointer events, before every mouse listener: an event that a filter
// takes reaches no mouse listener (the mouse device and the game behind it). The "ui" task is
// one: what the pointer does on a widget belongs to the widget alone. Filters are owned by
// whoever registers them with the event manager and must unregister before destruction.
#ifndef TOLM_INPUTDEVICE_CPOINTERFILTER_H
#define TOLM_INPUTDEVICE_CPOINTERFILTER_H

namespace tolm {

class CPointerFilter {
public:
    virtual ~CPointerFilter() = default;
    // Each answers true when it took the event. mask as for CMouseEventListener.
    virtual bool TakePointerMoved(int x, int y) = 0;
    virtual bool TakeButtonPressed(int mask) = 0;
    virtual bool TakeButtonReleased(int mask) = 0;
};

}  // namespace tolm

#endif
