// The event manager: button numbers to masks, the cursor handler's hand-over, key
// listeners that unregister while being told, and pointer filters that take events away
// from the mouse listeners.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "tolm/inputdevice/CEventManager.h"

namespace tolm::test {
namespace {

TEST(CEventManager, ButtonNumbersOneToFiveHaveOneBitEachAndAnyOtherNone) {
    EXPECT_EQ(CEventManager::ButtonMask(1), 1);
    EXPECT_EQ(CEventManager::ButtonMask(5), 16);
    for (int button : {0, 6, -1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(CEventManager::ButtonMask(button), 0) << button;
    }
}

class CKindHandler : public CCursorHandler {
public:
    void ShowCursor() override { myCalls.push_back("show"); }
    void HideCursor() override { myCalls.push_back("hide"); }
    void SetCursor(int kind) override { myCalls.push_back("set " + std::to_string(kind)); }
    std::vector<std::string> myCalls;
};

TEST(CEventManager, CursorRequestsGoToTheCurrentHandlerWhichOnlyItsOwnerClears) {
    CEventManager manager;
    manager.SetCursor(1);  // no handler: nothing to reach
    CKindHandler first;
    CKindHandler second;
    manager.SetCursorHandler(&first);
    manager.SetCursorHandler(&second);
    manager.ClearCursorHandler(&first);  // not the current one: no effect
    manager.HideCursor();
    manager.SetCursor(12);
    manager.ClearCursorHandler(&second);
    manager.ShowCursor();
    EXPECT_TRUE(first.myCalls.empty());
    EXPECT_EQ(second.myCalls, (std::vector<std::string>{"hide", "set 12"}));
    EXPECT_EQ(manager.GetCursorHandler(), nullptr);
}

class CCountingKeys : public CKeyboardListener {
public:
    void OnKeyDown(int key) override {
        myText += "d" + std::to_string(key) + " ";
        if (myOnKey) myOnKey();
    }
    void OnKeyUp(int key) override { myText += "u" + std::to_string(key) + " "; }
    void OnCharacter(std::uint16_t unicode) override {
        myText += "c" + std::to_string(unicode) + " ";
    }
    std::string myText;
    std::function<void()> myOnKey;
};

TEST(CEventManager, TextEntryStaysOpenUntilEveryRequestIsClosed) {
    CEventManager events;
    events.CloseTextEntry();  // none open: ignored, not owed by the next request
    EXPECT_FALSE(events.IsTextEntryOpen());
    events.OpenTextEntry();
    events.OpenTextEntry();
    events.CloseTextEntry();
    EXPECT_TRUE(events.IsTextEntryOpen());
    events.CloseTextEntry();
    EXPECT_FALSE(events.IsTextEntryOpen());
}

TEST(CEventManager, KeyListenersMayUnregisterThemselvesAndOthersWhileBeingTold) {
    CEventManager manager;
    CCountingKeys a;
    CCountingKeys b;
    CCountingKeys c;
    manager.AddKeyboardListener(&a);
    manager.AddKeyboardListener(&b);
    manager.AddKeyboardListener(&b);
    manager.AddKeyboardListener(&c);
    a.myOnKey = [&] {
        manager.RemoveKeyboardListener(&a);
        manager.RemoveKeyboardListener(&b);
    };
    manager.KeyDown(97);
    manager.Character(97);
    manager.Character(0);
    manager.KeyUp(97);
    EXPECT_EQ(a.myText, "d97 ");
    EXPECT_EQ(b.myText, "");
    EXPECT_EQ(c.myText, "d97 c97 u97 ");
}

// Writes every pointer event it hears into a shared text.
class CTextMouse : public CMouseEventListener {
public:
    explicit CTextMouse(std::string& text) : myText(text) {}
    void OnPointerMoved(int x, int y) override {
        myText += "move " + std::to_string(x) + "," + std::to_string(y) + " ";
    }
    void OnButtonPressed(int mask) override { myText += "down " + std::to_string(mask) + " "; }
    void OnButtonReleased(int mask) override { myText += "up " + std::to_string(mask) + " "; }

private:
    std::string& myText;
};

// Takes moves left of x = 100 and presses of the right button; notes each question asked.
class CLeftFilter : public CPointerFilter {
public:
    explicit CLeftFilter(std::string& text) : myText(text) {}
    bool TakePointerMoved(int x, int /*y*/) override {
        myText += "f:move ";
        if (myOnAsk) myOnAsk();
        return x < 100;
    }
    bool TakeButtonPressed(int mask) override {
        myText += "f:down ";
        return mask == 4;
    }
    bool TakeButtonReleased(int mask) override {
        myText += "f:up ";
        return mask == 4;
    }
    std::function<void()> myOnAsk;

private:
    std::string& myText;
};

TEST(CEventManager, PointerFiltersTakeEventsAwayFromTheMouseListeners) {
    CEventManager manager;
    std::string text;
    CTextMouse mouse(text);
    CLeftFilter filter(text);
    CLeftFilter second(text);  // asked only when the first took nothing
    manager.AddMouseListener(&mouse);
    manager.AddPointerFilter(&filter);
    manager.AddPointerFilter(&second);
    const struct {
        std::function<void()> event;
        std::string heard;
    } cases[] = {
        {[&] { manager.MouseMoved(150, 5); }, "f:move f:move move 150,5 "},
        {[&] { manager.MouseMoved(50, 6); }, "f:move "},
        {[&] { manager.ButtonDown(4); }, "f:down "},
        {[&] { manager.ButtonUp(4); }, "f:up "},
        // After taken moves the listeners learn where the pointer is before a press...
        {[&] { manager.ButtonDown(1); }, "f:down f:down move 50,6 down 1 "},
        // ...once.
        {[&] { manager.ButtonDown(2); }, "f:down f:down down 2 "},
        {[&] { manager.MouseMoved(60, 7); }, "f:move "},
        // A release says nothing of the place: the press's listener gets it wherever it is.
        {[&] { manager.ButtonUp(1); }, "f:up f:up up 1 "},
        {[&] { manager.MouseMoved(160, 8); }, "f:move f:move move 160,8 "},
        {[&] { manager.ButtonDown(1); }, "f:down f:down down 1 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heard);
        text.clear();
        c.event();
        EXPECT_EQ(text, c.heard);
    }

    // A filter may leave while it is asked; the event then goes on its way.
    filter.myOnAsk = [&] { manager.RemovePointerFilter(&filter); };
    text.clear();
    manager.MouseMoved(170, 9);
    manager.MouseMoved(20, 9);
    EXPECT_EQ(text, "f:move f:move move 170,9 f:move ");
    manager.RemovePointerFilter(&second);
    text.clear();
    manager.MouseMoved(10, 10);
    EXPECT_EQ(text, "move 10,10 ");
}

}  // namespace
}  // namespace tolm::test
