#include "tolm/inputdevice/CEventManager.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace tolm {

void CEventManager::AddScreenListener(CScreenListener* listener) {
    myScreenListeners.Add(listener);
}

void CEventManager::RemoveScreenListener(CScreenListener* listener) {
    myScreenListeners.Remove(listener);
}

void CEventManager::AddKeyboardListener(CKeyboardListener* listener) {
    myKeyboardListeners.Add(listener);
}

void CEventManager::RemoveKeyboardListener(CKeyboardListener* listener) {
    myKeyboardListeners.Remove(listener);
}

void CEventManager::AddMouseListener(CMouseEventListener* listener) {
    myMouseListeners.Add(listener);
}

void CEventManager::RemoveMouseListener(CMouseEventListener* listener) {
    myMouseListeners.Remove(listener);
}

void CEventManager::AddPointerFilter(CPointerFilter* filter) {
    myPointerFilters.Add(filter);
}

void CEventManager::RemovePointerFilter(CPointerFilter* filter) {
    myPointerFilters.Remove(filter);
}

void CEventManager::SetCursorHandler(CCursorHandler* handler) {
    myCursorHandler = handler;
}

void CEventManager::ClearCursorHandler(const CCursorHandler* handler) {
    if (myCursorHandler == handler) myCursorHandler = nullptr;
}

void CEventManager::KeyDown(int key) {
    myKeyboardListeners.Walk([key](CKeyboardListener* listener) {
        listener->OnKeyDown(key);
        return true;
    });
}

void CEventManager::KeyUp(int key) {
    myKeyboardListeners.Walk([key](CKeyboardListener* listener) {
        listener->OnKeyUp(key);
        return true;
    });
}

void CEventManager::Character(std::uint16_t unicode) {
    if (unicode == 0) return;
    myKeyboardListeners.Walk([unicode](CKeyboardListener* listener) {
        listener->OnCharacter(unicode);
        return true;
    });
}

template <class TTake>
bool CEventManager::Filtered(TTake take) {
    bool taken = false;
    myPointerFilters.Walk([&taken, &take](CPointerFilter* filter) {
        taken = take(filter);
        return !taken;
    });
    return taken;
}

void CEventManager::CatchUpPointer() {
    if (!myListenersBehind) return;
    myListenersBehind = false;
    const int x = myPointerX;
    const int y = myPointerY;
    myMouseListeners.Walk([x, y](CMouseEventListener* listener) {
        listener->OnPointerMoved(x, y);
        return true;
    });
}

void CEventManager::MouseMoved(int x, int y) {
    myPointerX = x;
    myPointerY = y;
    if (Filtered([x, y](CPointerFilter* filter) { return filter->TakePointerMoved(x, y); })) {
        myListenersBehind = true;
        return;
    }
    myListenersBehind = false;
    myMouseListeners.Walk([x, y](CMouseEventListener* listener) {
        listener->OnPointerMoved(x, y);
        return true;
    });
}

void CEventManager::ButtonDown(int mask) {
    if (Filtered([mask](CPointerFilter* filter) { return filter->TakeButtonPressed(mask); }))
        return;
    CatchUpPointer();
    myMouseListeners.Walk([mask](CMouseEventListener* listener) {
        listener->OnButtonPressed(mask);
        return true;
    });
}

void CEventManager::ButtonUp(int mask) {
    if (Filtered([mask](CPointerFilter* filter) { return filter->TakeButtonReleased(mask); }))
        return;
    myMouseListeners.Walk([mask](CMouseEventListener* listener) {
        listener->OnButtonReleased(mask);
        return true;
    });
}

void CEventManager::Activity(bool gained) {
    myScreenListeners.Walk([gained](CScreenListener* listener) {
        listener->OnActivityChanged(gained);
        return true;
    });
}

void CEventManager::Resize(int width, int height) {
    myWidth = width;
    myHeight = height;
    myScreenListeners.Walk([width, height](CScreenListener* listener) {
        listener->OnResize(width, height);
        return true;
    });
}

void CEventManager::ShowCursor() {
    if (myCursorHandler != nullptr) myCursorHandler->ShowCursor();
}

void CEventManager::HideCursor() {
    if (myCursorHandler != nullptr) myCursorHandler->HideCursor();
}

void CEventManager::SetCursor(int kind) {
    if (myCursorHandler != nullptr) myCursorHandler->SetCursor(kind);
}

void CEventManager::OpenTextEntry() {
    ++myTextEntries;
}

void CEventManager::CloseTextEntry() {
    if (myTextEntries > 0) --myTextEntries;
}

int CEventManager::ButtonMask(int button) {
    if (button < 1 || button > 5) return 0;
    return 1 << (button - 1);
}

CEventManager& EventManager() {
    return *CSingletonPtr<CEventManager>::Get();
}

}  // namespace tolm
