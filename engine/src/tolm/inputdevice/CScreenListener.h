// Receiver of window notifications from the event manager: size changes, the
// application gaining or losing the input focus, and the window being closed. Listeners are
// owned by whoever registers them and must unregister before they are destroyed.
#ifndef TOLM_INPUTDEVICE_CSCREENLISTENER_H
#define TOLM_INPUTDEVICE_CSCREENLISTENER_H

namespace tolm {

class CScreenListener {
public:
    virtual ~CScreenListener() = default;
    virtual void OnResize(int width, int height) = 0;
    virtual void OnActivityChanged(bool active) = 0;
    // The window was closed; only the scheduler's handler acts on it.
    virtual void OnQuitRequested() {}
};

}  // namespace tolm

#endif
