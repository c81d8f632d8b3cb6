// The event manager: button numbers to masks, the cursor handler's hand-over, and key
// listeners that unregister while being told.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "tolm/inputdevice/CEventManager.h"

namespace tolm::test {
namespace {

TEST(CEventManager, ButtonNumbersOneToFiveHaveOneBitEachAndAnyOtherNone) {
    const struct {
        int button;
        int mask;
    } cases[] = {{1, 1}, {2, 2},  {3, 4},   {4, 8},       {5, 16},     {0, 0},
                 {6, 0}, {-1, 0}, {255, 0}, {INT_MAX, 0}, {INT_MIN, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(CEventManager::ButtonMask(c.button), c.mask);
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

}  // namespace
}  // namespace tolm::test
