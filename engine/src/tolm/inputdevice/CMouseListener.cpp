#include "tolm/inputdevice/CMouseListener.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/inputdevice/CMouse.h"

namespace tolm {

CMouseListener::~CMouseListener() {
    // Never creates the device just to leave it.
    if (CSingletonPtr<CMouse>::Exists()) Mouse().RemoveListener(this);
}

}  // namespace tolm
