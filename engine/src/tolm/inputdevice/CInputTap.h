// One input event as the event manager receives it, and the tap that may watch or hold back
// every event at that seam: a recorder notes them, a replay keeps the live devices out while
// it feeds its own. The event manager does not own its tap; the tap clears itself before it
// is destroyed.
#ifndef TOLM_INPUTDEVICE_CINPUTTAP_H
#define TOLM_INPUTDEVICE_CINPUTTAP_H

namespace tolm {

struct SInputEvent {
    enum EKind {
        kPointerMoved,  // a = x, b = y
        kButtonDown,    // a = button mask
        kButtonUp,      // a = button mask
        kKeyDown,       // a = key code
        kKeyUp,         // a = key code
        kCharacter,     // a = the typed character (never 0)
        kActivity,      // a = 1 gained, 0 lost
        kResize,        // a = width, b = height
        kQuit,          // the window was closed
    };
    EKind kind = kPointerMoved;
    int a = 0;
    int b = 0;

    bool operator==(const SInputEvent& other) const {
        return kind == other.kind && a == other.a && b == other.b;
    }
};

class CInputTap {
public:
    virtual ~CInputTap() = default;
    // Called before the event reaches any listener; false keeps it from all of them.
    virtual bool OnInput(const SInputEvent& event) = 0;
};

}  // namespace tolm

#endif
