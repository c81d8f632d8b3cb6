#include "tolm/inputdevice/CEventManager.h"

#include <vector>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace tolm {

void CEventManager::AddScreenListener(CScreenListener* listener) {
    if (listener != nullptr) myScreenListeners.insert(listener);
}

void CEventManager::RemoveScreenListener(CScreenListener* listener) {
    myScreenListeners.erase(listener);
}

void CEventManager::Activity(bool gained) {
    // A listener may unregister itself (or another) while being told.
    const std::vector<CScreenListener*> listeners(myScreenListeners.begin(),
                                                  myScreenListeners.end());
    for (CScreenListener* listener : listeners) {
        if (myScreenListeners.count(listener) != 0) listener->OnActivityChanged(gained);
    }
}

void CEventManager::Resize(int width, int height) {
    myWidth = width;
    myHeight = height;
    const std::vector<CScreenListener*> listeners(myScreenListeners.begin(),
                                                  myScreenListeners.end());
    for (CScreenListener* listener : listeners) {
        if (myScreenListeners.count(listener) != 0) listener->OnResize(width, height);
    }
}

CEventManager& EventManager() {
    return *CSingletonPtr<CEventManager>::Get();
}

}  // namespace tolm
