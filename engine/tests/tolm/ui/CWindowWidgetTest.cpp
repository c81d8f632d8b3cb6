#include <gtest/gtest.h>

#include <algorithm>

#include "support/CLogCapture.h"
#include "tolm/ui/CButtonWidget.h"
#include "tolm/ui/CDragTracker.h"
#include "tolm/ui/CWindowWidget.h"
#include "tolm/ui/UiTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::ui::test {
namespace {

using types::rect;

class ButtonTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        button = new CButtonWidget(&Desktop(), rect(100, 100, 50, 20));
        button->GetClickSignal().Connect(MakeFunctionSlot<>([] { Events().push_back("click"); }));
        button->GetDoubleClickSignal().Connect(
            MakeFunctionSlot<>([] { Events().push_back("double"); }));
        button->GetDragSignal().Connect(MakeFunctionSlot<int, int>([](int dx, int dy) {
            Events().push_back("drag " + std::to_string(dx) + "," + std::to_string(dy));
        }));
    }
    void TearDown() override { delete button; }
    void Press(int x = 110, int y = 110, int buttons = 1) {
        Route(CMouseEvent::kPressed, x, y, buttons);
    }
    void Release(int x = 110, int y = 110, int buttons = 1) {
        Route(CMouseEvent::kReleased, x, y, buttons);
    }

    CScopedManualTime time{1000};
    CButtonWidget* button = nullptr;
};

TEST_F(ButtonTest, DoubleClickNeedsLessThan300Milliseconds) {
    button->SetDraggable(false);
    Press();
    time.Advance(299);
    Press();
    EXPECT_EQ(Events(), std::vector<std::string>{"double"});
    Events().clear();
    Press();
    time.Advance(300);
    Press();  // too late: arms a new first click
    EXPECT_TRUE(Events().empty());
    time.Advance(299);
    Press();
    EXPECT_EQ(Events(), std::vector<std::string>{"double"});
    Press();
    button->SetDoubleClickMask(2);
    Press();  // a press outside the mask disarms
    button->SetDoubleClickMask(1);
    Press();
    EXPECT_EQ(Events(), std::vector<std::string>{"double"});
}

TEST_F(ButtonTest, ClickNeedsPressAndReleaseWithTheMask) {
    button->SetDraggable(false);
    Release();
    Press(110, 110, 4);
    Release(110, 110, 4);
    button->SetClickMask(4);
    Press(110, 110, 4);
    Route(CMouseEvent::kMoved, 300, 300);  // the pointer leaves: no longer pressed
    Release(110, 110, 4);
    Press(110, 110, 4);
    Release(110, 110, 4);
    EXPECT_EQ(Events(), std::vector<std::string>{"click"});
}

TEST_F(ButtonTest, DragFollowsThePointerAnywhereUntilTheRelease) {
    Press(110, 105);
    EXPECT_EQ(DragTracker().GetDragged(), button);
    Route(CMouseEvent::kMoved, 400, 300);  // far off the button
    Release(500, 500, 2);                  // another button's release does not end the drag
    Route(CMouseEvent::kMoved, 405, 310);
    Release(500, 500);
    Route(CMouseEvent::kMoved, 600, 400);
    EXPECT_EQ(Events(), (std::vector<std::string>{"drag 290,195", "drag 295,205"}));
    EXPECT_EQ(DragTracker().GetDragged(), nullptr);
    EXPECT_FALSE(button->IsDragging());

    Press();
    delete button;
    button = nullptr;
    EXPECT_EQ(DragTracker().GetDragged(), nullptr);
    Route(CMouseEvent::kMoved, 10, 10);
    Release();
}

class WindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        window = new CWindowWidget(&Desktop(), rect(10, 10, 400, 200), false, "Dev-tool");
    }
    void TearDown() override { delete window; }
    CWindowWidget* window = nullptr;
};

TEST_F(WindowTest, ChildrenAndTheirOrder) {
    EXPECT_EQ(window->GetTitleBar()->GetRect(), rect(12, 12, 396, 20));
    EXPECT_EQ(window->GetMaximiseButton()->GetRect(), rect(360, 12, 20, 20));
    EXPECT_EQ(window->GetCloseButton()->GetRect(), rect(385, 12, 20, 20));
    EXPECT_EQ(window->GetClientArea()->GetRect(), rect(12, 32, 396, 176));
    // The buttons lie on the title bar and must be hit and drawn before it.
    EXPECT_EQ(window->FindWidgetAt(types::point(370, 20)), window->GetMaximiseButton());
    EXPECT_EQ(window->FindWidgetAt(types::point(390, 20)), window->GetCloseButton());
    EXPECT_EQ(window->FindWidgetAt(types::point(100, 20)), window->GetTitleBar());
    EXPECT_GT(window->GetMaximiseButton()->GetDepth(), window->GetTitleBar()->GetDepth());
    EXPECT_GT(window->GetCloseButton()->GetDepth(), window->GetTitleBar()->GetDepth());
}

TEST_F(WindowTest, MaximiseAndRestore) {
    tolm::test::CLogCapture log;
    Route(CMouseEvent::kPressed, 370, 20, 1);
    Route(CMouseEvent::kReleased, 370, 20, 1);
    EXPECT_TRUE(window->IsMaximised());
    EXPECT_EQ(window->GetRect(), rect(0, 0, 800, 600));
    EXPECT_EQ(window->GetCloseButton()->GetRect(), rect(775, 2, 20, 20));
    Desktop().Resize(400, 300);  // a maximised window follows the desktop
    EXPECT_EQ(window->GetRect(), rect(0, 0, 400, 300));
    Desktop().Resize(800, 600);
    window->ToggleMaximised();
    EXPECT_FALSE(window->IsMaximised());
    EXPECT_EQ(window->GetRect(), rect(10, 10, 400, 200));
    EXPECT_EQ(window->GetClientArea()->GetRect(), rect(12, 32, 396, 176));
    EXPECT_EQ(std::count(log.Lines().begin(), log.Lines().end(), "10, 10\n"), 2);
}

TEST_F(WindowTest, TitleBarDragMovesTheWindowAndStopsAtTheEdge) {
    Route(CMouseEvent::kPressed, 100, 20, 1);
    Route(CMouseEvent::kMoved, 150, 70);
    EXPECT_EQ(window->GetRect(), rect(60, 60, 400, 200));
    Route(CMouseEvent::kMoved, 2000, 70);  // off the title bar and past the desktop's edge
    EXPECT_EQ(window->GetRect(), rect(400, 60, 400, 200));
    Route(CMouseEvent::kReleased, 2000, 900, 1);
    Route(CMouseEvent::kMoved, 100, 100);
    EXPECT_EQ(window->GetRect(), rect(400, 60, 400, 200));
    EXPECT_EQ(window->GetClientArea()->GetRect(), rect(402, 82, 396, 176));
}

TEST_F(WindowTest, CloseClickRaisesTheFlagAndTheOwnerMayDeleteAtOnce) {
    Route(CMouseEvent::kPressed, 390, 20, 1);
    Route(CMouseEvent::kReleased, 390, 20, 1);
    EXPECT_TRUE(window->IsCloseRequested());
    delete window;
    window = new CWindowWidget(&Desktop(), rect(10, 10, 400, 200));
    // The slot dies with the window: it touches nothing of its own after the delete.
    window->GetCloseButton()->GetClickSignal().Connect(MakeFunctionSlot<>([this] {
        CWindowWidget* doomed = window;
        window = nullptr;
        delete doomed;
    }));
    Route(CMouseEvent::kPressed, 390, 20, 1);
    Route(CMouseEvent::kReleased, 390, 20, 1);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(CWidget::GetHovered(), nullptr);
    EXPECT_EQ(CWidget::GetLiveCount(), 1);
}

TEST_F(WindowTest, PressRaisesTheWindowOverItsSiblings) {
    auto* other = new CWindowWidget(&Desktop(), rect(100, 100, 300, 200));
    EXPECT_EQ(Desktop().GetChildren().front(), window);
    Route(CMouseEvent::kPressed, 350, 250, 1);
    EXPECT_EQ(Desktop().GetChildren().front(), other);
    delete other;
}

}  // namespace
}  // namespace tolm::ui::test
