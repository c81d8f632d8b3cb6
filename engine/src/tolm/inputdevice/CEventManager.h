// The process-wide hub that fans window and input events out to registered listeners:
// the event task calls its entry points, as does synthetic input (the autoplay task) with
// the events a real device would send, and screen, keyboard and mouse listeners receive
// them in the order they registered. Pointer filters see pointer events before the mouse
// listeners and may take them away from them. It also forwards cursor requests to the
// cursor handler (the event task while it runs), and counts the open requests for typed
// characters, which the event task follows. It owns none of its listeners, filters nor
// the handler; each must unregister before it is destroyed. Any listener may unregister
// itself or another one while it is being called.
#ifndef TOLM_INPUTDEVICE_CEVENTMANAGER_H
#define TOLM_INPUTDEVICE_CEVENTMANAGER_H

#include <cstdint>

#include "tolm/Services.h"
#include "tolm/inputdevice/CCursorHandler.h"
#include "tolm/inputdevice/CInputTap.h"
#include "tolm/inputdevice/CKeyboardListener.h"
#include "tolm/inputdevice/CListenerList.h"
#include "tolm/inputdevice/CMouseEventListener.h"
#include "tolm/inputdevice/CPointerFilter.h"
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
    void AddKeyboardListener(CKeyboardListener* listener);
    void RemoveKeyboardListener(CKeyboardListener* listener);
    void AddMouseListener(CMouseEventListener* listener);
    void RemoveMouseListener(CMouseEventListener* listener);
    // Asked in the order they registered; the first that takes an event ends its way.
    void AddPointerFilter(CPointerFilter* filter);
    void RemovePointerFilter(CPointerFilter* filter);

    // One handler at a time; a new one replaces the old.
    void SetCursorHandler(CCursorHandler* handler);
    // Clears the handler only when it is this one, so a second event task stopping does
    // not take the cursor away from the first.
    void ClearCursorHandler(const CCursorHandler* handler);
    CCursorHandler* GetCursorHandler() const { return myCursorHandler; }

    // Event entry points.
    void KeyDown(int key);
    void KeyUp(int key);
    // A typed character; 0 (no character) is not passed on.
    void Character(std::uint16_t unicode);
    // Pointer events go to the filters, then, unless one took them, to the mouse listeners.
    // When moves were taken, the listeners hear of the pointer's place before the next
    // press they get, so that they never press where the pointer no longer is.
    void MouseMoved(int x, int y);
    void ButtonDown(int mask);
    void ButtonUp(int mask);
    void Activity(bool gained);
    // The window was resized by its user: stores the size, then tells every screen listener.
    void Resize(int width, int height);
    // The same for a size the program set itself (a new video mode): not input, so no tap
    // sees it.
    void SizeChanged(int width, int height);
    // The window was closed: every screen listener hears of it (the scheduler then quits).
    void Quit();
    // Calls the entry point that the event names.
    void Dispatch(const SInputEvent& event);

    // One tap at a time (null: none); it sees every event first and may hold it back.
    void SetInputTap(CInputTap* tap) { myTap = tap; }
    CInputTap* GetInputTap() const { return myTap; }

    // Forwarded to the cursor handler; nothing happens without one.
    void ShowCursor();
    void HideCursor();
    void SetCursor(int kind);

    // Typed characters (Character) are wanted while at least one request is open; each
    // Open is matched by one Close, and a Close without an Open is ignored.
    void OpenTextEntry();
    void CloseTextEntry();
    bool IsTextEntryOpen() const { return myTextEntries > 0; }

    int GetWidth() const { return myWidth; }
    int GetHeight() const { return myHeight; }

    // Button number (1 left, 2 middle, 3 right, 4 and 5 the wheel) to its mask bit; any
    // other number gives 0.
    static int ButtonMask(int button);

private:
    template <class TTake>
    bool Filtered(TTake take);
    bool Passes(SInputEvent::EKind kind, int a = 0, int b = 0) {
        return myTap == nullptr || myTap->OnInput(SInputEvent{kind, a, b});
    }
    void CatchUpPointer();

    int myWidth = 0;
    int myHeight = 0;
    CListenerList<CScreenListener> myScreenListeners;
    CListenerList<CKeyboardListener> myKeyboardListeners;
    CListenerList<CMouseEventListener> myMouseListeners;
    CListenerList<CPointerFilter> myPointerFilters;
    // The pointer's last place, and whether the mouse listeners missed moves to it.
    int myPointerX = 0;
    int myPointerY = 0;
    bool myListenersBehind = false;
    CCursorHandler* myCursorHandler = nullptr;
    CInputTap* myTap = nullptr;
    int myTextEntries = 0;
};

}  // namespace tolm

#endif
