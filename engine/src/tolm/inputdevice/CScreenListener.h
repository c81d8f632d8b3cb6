// Receiver of window notifications from the event manager: size changes and the
// application gaining or losing the input focus. Listeners are owned by whoever registers
// them and must unregister before they are destroyed.
#ifndef TOLM_INPUTDEVICE_CSCREENLISTENER_H
#define TOLM_INPUTDEVICE_CSCREENLISTENER_H

namespace tolm {

class CScreenListener {
public:
    virtual ~CScreenListener() = default;
    virtual void OnResize(int width, int height) = 0;
    virtual void OnActivityChanged(bool active) = 0;
};

}  // namespace tolm

#endif
