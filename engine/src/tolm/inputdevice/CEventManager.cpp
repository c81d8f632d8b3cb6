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
    if (!Passes(SInputEvent::kKeyDown, key)) return;
    myKeyboardListeners.Walk([key](CKeyboardListener* listener) {
        listener->OnKeyDown(key);
        return true;
    });
}

void CEventManager::KeyUp(int key) {
    if (!Passes(SInputEvent::kKeyUp, key)) return;
    myKeyboardListeners.Walk([key](CKeyboardListener* listener) {
        listener->OnKeyUp(key);
        return true;
    });
}

void CEventManager::Character(std::uint16_t unicode) {
    if (unicode == 0 || !Passes(SInputEvent::kCharacter, unicode)) return;
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
    if (!Passes(SInputEvent::kPointerMoved, x, y)) return;
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
    if (!Passes(SInputEvent::kButtonDown, mask)) return;
    if (Filtered([mask](CPointerFilter* filter) { return filter->TakeButtonPressed(mask); }))
        return;
    CatchUpPointer();
    myMouseListeners.Walk([mask](CMouseEventListener* listener) {
        listener->OnButtonPressed(mask);
        return true;
    });
}

void CEventManager::ButtonUp(int mask) {
    if (!Passes(SInputEvent::kButtonUp, mask)) return;
    if (Filtered([mask](CPointerFilter* filter) { return filter->TakeButtonReleased(mask); }))
        return;
    myMouseListeners.Walk([mask](CMouseEventListener* listener) {
        listener->OnButtonReleased(mask);
        return true;
    });
}

void CEventManager::Activity(bool gained) {
    if (!Passes(SInputEvent::kActivity, gained ? 1 : 0)) return;
    myScreenListeners.Walk([gained](CScreenListener* listener) {
        listener->OnActivityChanged(gained);
        return true;
    });
}

void CEventManager::Resize(int width, int height) {
    if (Passes(SInputEvent::kResize, width, height)) SizeChanged(width, height);
}

void CEventManager::SizeChanged(int width, int height) {
    myWidth = width;
    myHeight = height;
    myScreenListeners.Walk([width, height](CScreenListener* listener) {
        listener->OnResize(width, height);
        return true;
    });
}

void CEventManager::Quit() {
    if (!Passes(SInputEvent::kQuit)) return;
    myScreenListeners.Walk([](CScreenListener* listener) {
        listener->OnQuitRequested();
        return true;
    });
}

void CEventManager::Dispatch(const SInputEvent& event) {
    switch (event.kind) {
        case SInputEvent::kPointerMoved:
            MouseMoved(event.a, event.b);
            break;
        case SInputEvent::kButtonDown:
            ButtonDown(event.a);
            break;
        case SInputEvent::kButtonUp:
            ButtonUp(event.a);
            break;
        case SInputEvent::kKeyDown:
            KeyDown(event.a);
            break;
        case SInputEvent::kKeyUp:
            KeyUp(event.a);
            break;
        case SInputEvent::kCharacter:
            Character(static_cast<std::uint16_t>(event.a));
            break;
        case SInputEvent::kActivity:
            Activity(event.a != 0);
            break;
        case SInputEvent::kResize:
            Resize(event.a, event.b);
            break;
        case SInputEvent::kQuit:
            Quit();
            break;
    }
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
