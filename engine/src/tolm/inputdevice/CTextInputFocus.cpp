#include "tolm/inputdevice/CTextInputFocus.h"

namespace tolm {
namespace {
CTextInputFocus* ourFocus = nullptr;
}  // namespace

CTextInputFocus* GetTextInputFocus() {
    return ourFocus;
}

void SetTextInputFocus(CTextInputFocus* focus) {
    ourFocus = focus;
}

void ClearTextInputFocus(const CTextInputFocus* focus) {
    if (ourFocus == focus) ourFocus = nullptr;
}

bool MayRunBinding(const std::string& command) {
    return ourFocus == nullptr || ourFocus->LetsBindingRun(command);
}

}  // namespace tolm
