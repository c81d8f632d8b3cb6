// Receiver of key events from the event manager. Key codes are SDL 1.2 key symbols
// (0 to 322); a listener must not trust them blindly, since the event queue can carry any
// number. Listeners are owned by whoever registers them and must unregister before they
// are destroyed.
#ifndef TOLM_INPUTDEVICE_CKEYBOARDLISTENER_H
#define TOLM_INPUTDEVICE_CKEYBOARDLISTENER_H

#include <cstdint>

namespace tolm {

class CKeyboardListener {
public:
    virtual ~CKeyboardListener() = default;
    virtual void OnKeyDown(int key) = 0;
    virtual void OnKeyUp(int key) = 0;
    // The character a key press typed (UTF-16 unit, never 0), delivered right after its
    // OnKeyDown; text fields use it instead of guessing from key codes and modifiers.
    virtual void OnCharacter(std::uint16_t /*unicode*/) {}
};

}  // namespace tolm

#endif
