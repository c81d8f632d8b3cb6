// The mouse device: global and area passes, blocking, hover and leave, the release that
// follows its press, and listeners removed (or deleted) while they are being called.
#include <gtest/gtest.h>

#include <memory>

#include "support/CEngineFixture.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/CMouse.h"
#include "tolm/inputdevice/InputTestSupport.h"

namespace tolm::test {
namespace {

class CMouseTest : public ::testing::Test {
protected:
    void SetUp() override { Journal().clear(); }
    void TearDown() override { Journal().clear(); }

    // The listener lives until the test ends or a hook deletes it.
    CJournalMouseListener* Area(const std::string& name, types::rect area, bool blocks,
                                bool global = false) {
        myOwned.push_back(std::make_unique<CJournalMouseListener>(name, area, blocks));
        CJournalMouseListener* listener = myOwned.back().get();
        global ? Mouse().AddGlobalListener(listener) : Mouse().AddAreaListener(listener);
        return listener;
    }
    CJournalMouseListener* Global(const std::string& name) {
        return Area(name, types::rect(), false, true);
    }
    // Deletes a listener made by Area or Global, as its owner would.
    void Delete(CJournalMouseListener* listener) {
        for (auto& owned : myOwned)
            if (owned.get() == listener) owned.reset();
    }
    static Lines Take() {
        Lines lines = Journal();
        Journal().clear();
        return lines;
    }

    // The mouse device attached to the event manager, as in the program.
    CEngineFixture myEngine;
    std::vector<std::unique_ptr<CJournalMouseListener>> myOwned;
};

TEST_F(CMouseTest, MotionReachesGlobalsThenAreasDownToTheFirstBlockingOne) {
    Global("g");
    Area("outside", types::rect(50, 50, 10, 10), true);
    Area("see-through", types::rect(0, 0, 20, 20), false);
    Area("top", types::rect(5, 5, 10, 10), true);
    Area("below", types::rect(0, 0, 20, 20), true);

    EventManager().MouseMoved(7, 7);
    EXPECT_EQ(Take(), (Lines{"g move 7,7", "see-through move 7,7", "top move 7,7"}));
    // Right and bottom edges are outside an area.
    EventManager().MouseMoved(15, 14);
    EXPECT_EQ(Take(), (Lines{"g move 15,14", "see-through move 15,14", "below move 15,14",
                             "top leave 15,14"}));
    EXPECT_EQ(Mouse().GetX(), 15);
    EXPECT_EQ(Mouse().GetY(), 14);
}

TEST_F(CMouseTest, OnlyTheBlockingListenerUnderThePointerIsHoveredAndToldWhenLeft) {
    CJournalMouseListener* a = Area("a", types::rect(0, 0, 10, 10), true);
    CJournalMouseListener* b = Area("b", types::rect(10, 0, 10, 10), true);
    Area("open", types::rect(0, 0, 40, 10), false);

    EventManager().MouseMoved(1, 1);
    EventManager().MouseMoved(2, 2);  // still inside: no leave
    EXPECT_EQ(Mouse().GetHovered(), a);
    EventManager().MouseMoved(11, 1);
    EXPECT_EQ(Mouse().GetHovered(), b);
    EventManager().MouseMoved(30, 1);
    EXPECT_EQ(Mouse().GetHovered(), nullptr);
    EXPECT_EQ(Take(), (Lines{"a move 1,1", "a move 2,2", "b move 11,1", "a leave 11,1",
                             "open move 30,1", "b leave 30,1"}));
}

TEST_F(CMouseTest, ReleaseReachesThePressedListenerOnceWhereverThePointerIs) {
    Global("g");
    CJournalMouseListener* button = Area("button", types::rect(0, 0, 10, 10), true);
    Area("field", types::rect(0, 0, 100, 100), false);

    EventManager().MouseMoved(5, 5);
    EventManager().ButtonDown(1);
    EXPECT_EQ(Mouse().GetPressed(), button);
    EventManager().MouseMoved(50, 50);
    EventManager().ButtonUp(1);
    EXPECT_EQ(Mouse().GetPressed(), nullptr);
    EXPECT_EQ(Take(), (Lines{"g move 5,5", "button move 5,5", "g down 1", "button down 1",
                             "g move 50,50", "field move 50,50", "button leave 50,50", "g up 1",
                             "field up 1", "button up 1"}));

    // Released inside: the area pass delivers it, and only once.
    EventManager().MouseMoved(5, 5);
    EventManager().ButtonDown(4);
    Take();
    EventManager().ButtonUp(4);
    EXPECT_EQ(Take(), (Lines{"g up 4", "button up 4"}));
    // A later release, pressed nowhere, reaches nobody but the global listener.
    EventManager().MouseMoved(50, 50);
    Take();
    EventManager().ButtonUp(1);
    EXPECT_EQ(Take(), (Lines{"g up 1", "field up 1"}));
}

TEST_F(CMouseTest, ListenersRemovedOrDeletedDuringACallAreNeverCalledAgain) {
    {
        SCOPED_TRACE("an area listener deletes itself while told of a move");
        CJournalMouseListener* top = Area("top", types::rect(0, 0, 10, 10), true);
        Area("below", types::rect(0, 0, 10, 10), true);
        EventManager().MouseMoved(1, 1);
        top->myHook = [this, top] { Delete(top); };
        EventManager().MouseMoved(2, 2);  // the pass ends with it: nobody is hovered
        EXPECT_EQ(Mouse().GetHovered(), nullptr);
        EventManager().ButtonDown(1);
        EXPECT_EQ(Take(), (Lines{"top move 1,1", "top move 2,2", "below down 1"}));
        Mouse().RemoveListener(Mouse().GetPressed());
    }
    {
        SCOPED_TRACE("a global listener deletes itself, then another deletes the pressed one");
        CJournalMouseListener* first = Global("first");
        Global("second");
        CJournalMouseListener* pressed = Area("pressed", types::rect(0, 0, 10, 10), true);
        CJournalMouseListener* killer = Area("killer", types::rect(20, 0, 10, 10), true);
        EventManager().MouseMoved(1, 1);
        EventManager().ButtonDown(1);
        first->myHook = [this, first] { Delete(first); };
        EventManager().MouseMoved(21, 1);  // "first" goes and ends the global pass
        killer->myHook = [this, pressed] { Delete(pressed); };
        EventManager().ButtonUp(1);  // the pressed listener is gone before its release
        EXPECT_EQ(Take(),
                  (Lines{"first move 1,1", "second move 1,1", "pressed move 1,1", "first down 1",
                         "second down 1", "pressed down 1", "first move 21,1", "killer move 21,1",
                         "pressed leave 21,1", "second up 1", "killer up 1"}));
        EXPECT_EQ(Mouse().GetPressed(), nullptr);
        EXPECT_EQ(Mouse().GetHovered(), killer);
        killer->myHook = nullptr;
    }
    {
        SCOPED_TRACE("the hovered listener deletes the new one while told it was left");
        CJournalMouseListener* left = Area("left", types::rect(100, 0, 10, 10), true);
        CJournalMouseListener* entered = Area("entered", types::rect(120, 0, 10, 10), true);
        EventManager().MouseMoved(101, 1);
        left->myHook = [this, entered] { Delete(entered); };
        EventManager().MouseMoved(121, 1);
        EXPECT_EQ(Mouse().GetHovered(), nullptr);
    }
}

}  // namespace
}  // namespace tolm::test
