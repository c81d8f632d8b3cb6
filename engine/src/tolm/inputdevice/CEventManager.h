// The process-wide hub that fans window and input events out to registered listeners.
// It owns none of its listeners. This is the screen-listener part; keyboard, mouse and
// cursor handling join it with the event task.
#ifndef TOLM_INPUTDEVICE_CEVENTMANAGER_H
#define TOLM_INPUTDEVICE_CEVENTMANAGER_H

#include <set>

#include "tolm/inputdevice/CScreenListener.h"

namespace tolm {

class CEventManager {
public:
    CEventManager() = default;
    CEventManager(const CEventManager&) = delete;
    CEventManager& operator=(const CEventManager&) = delete;

    // A null listener is ignored; adding one twice keeps one registration.
    void AddScreenListener(CScreenListener* listener);
    void RemoveScreenListener(CScreenListener* listener);

    // Event entry points: each informs every screen listener (ordered by address).
    void Activity(bool gained);
    void Resize(int width, int height);

    int GetWidth() const { return myWidth; }
    int GetHeight() const { return myHeight; }

private:
    int myWidth = 0;
    int myHeight = 0;
    std::set<CScreenListener*> myScreenListeners;
};

// The process-wide event manager, created on first use and never deleted.
CEventManager& EventManager();

}  // namespace tolm

#endif
