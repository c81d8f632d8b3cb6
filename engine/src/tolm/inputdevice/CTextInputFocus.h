// A text field that has taken the keyboard (the developer console's command line): while
// one is set, the keyboard task runs only the key bindings the field lets through, so that
// typing does not trigger the game's keys. One process-wide slot; the field is not owned
// and must clear itself before it is destroyed.
#ifndef TOLM_INPUTDEVICE_CTEXTINPUTFOCUS_H
#define TOLM_INPUTDEVICE_CTEXTINPUTFOCUS_H

#include <string>

namespace tolm {

class CTextInputFocus {
public:
    virtual ~CTextInputFocus() = default;
    // Whether a binding's command line may still run while this field has the keyboard.
    virtual bool LetsBindingRun(const std::string& command) const = 0;
};

// The field that has the keyboard, or null.
CTextInputFocus* GetTextInputFocus();
void SetTextInputFocus(CTextInputFocus* focus);
// Clears the slot only when that field holds it.
void ClearTextInputFocus(const CTextInputFocus* focus);
// Whether a key binding's command may run now.
bool MayRunBinding(const std::string& command);

}  // namespace tolm

#endif
