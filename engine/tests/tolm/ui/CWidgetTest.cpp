#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "tolm/ui/CWidgetFactory.h"
#include "tolm/ui/UiTestSupport.h"
#include "tolm/ui/WidgetLayout.h"

namespace tolm::ui::test {
namespace {

using types::rect;

TEST(WidgetLayout, PlainNumbers) {
    for (const char* plain : {"10", " -5 ", "+3.5", ".", "007"})
        EXPECT_TRUE(IsPlainNumber(plain)) << plain;
    for (const char* formula : {"", "  ", "-", "+", "1e3", "parent.w", "10 + 2", "--5", "5-"})
        EXPECT_FALSE(IsPlainNumber(formula)) << formula;
}

TEST(WidgetLayout, FormulaCasesGiveDefinedPixels) {
    const rect parent(-20, 10, 100, 50);
    const rect self(1, 2, 3, 4);
    const struct {
        const char* formula;
        bool withParent;
        int expected;
    } cases[] = {
        {"parent.x + ( parent.w / 2 - ( parent.w * 0.9 / 2 ) )", true, -15},
        {"parent.x + 10", true, -10},
        {"parent.x + 10", false, 10},  // the unreplaced name is skipped
        {"parent.w - parent.x", true, 120},
        {"this.x + this.w * this.h", true, 13},
        {"", true, 0},
        {"parent.w / 0", true, 0},
        {"( ( parent.h + 1", true, 51},
        {"parent.h ) ) * 2", true, 100},
        {"99999999999", true, INT_MAX},
        {"-99999999999", true, INT_MIN},
        {"10 / 4", true, 2},
        {"-10 / 4", true, -2},
        {"width", true, 0},
        // Leftover values do not reach the next formula.
        {"2 3", false, 3},
        {"4 *", false, 0},
        {"- 7", false, -7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        EXPECT_EQ(EvaluateFormula(c.formula, c.withParent ? &parent : nullptr, &self), c.expected);
    }
}

TEST_F(UiTest, FormulaPlacementAndParentResize) {
    CWidget parent(nullptr, rect(0, 0, 100, 40));
    auto* child = new CWidget(&parent, rect());
    child->SetLayout("parent.x + ( parent.w / 2 - ( parent.w * 0.9 / 2 ) )", "parent.y + 2",
                     "parent.w * 0.9", "parent.h - this.y");
    EXPECT_TRUE(child->HasFormulas());
    EXPECT_EQ(child->GetRect(), rect(5, 2, 90, 40));  // this.y was 0 before the layout
    parent.Resize(200, 60);
    EXPECT_EQ(child->GetRect(), rect(10, 2, 180, 58));

    child->SetLayout("10", "20", "30", "40");
    EXPECT_FALSE(child->HasFormulas());
    EXPECT_EQ(child->GetRect(), rect(10, 20, 30, 40));
    parent.Resize(100, 30);  // now the resize mode (scale) applies
    EXPECT_EQ(child->GetRect(), rect(5, 10, 15, 20));
}

TEST_F(UiTest, ResizeModes) {
    const struct {
        int mode;
        rect oldParent, newParent, expected;
    } cases[] = {
        {CWidget::kResizeFit, rect(0, 0, 100, 100), rect(0, 0, 40, 40), rect(10, 10, 30, 30)},
        {CWidget::kResizeScale, rect(0, 0, 100, 100), rect(0, 0, 200, 50), rect(40, 10, 60, 15)},
        {CWidget::kResizeKeepSize, rect(0, 0, 100, 100), rect(0, 0, 200, 50), rect(55, 2, 30, 30)},
        // An old size of 0 has no ratio: the child stays.
        {CWidget::kResizeScale, rect(0, 0, 0, -5), rect(0, 0, 200, 50), rect(20, 20, 30, 30)},
        {CWidget::kResizeScale, rect(10, 10, 100, 100), rect(10, 10, 50, 200),
         rect(15, 30, 15, 60)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " to " << c.newParent.w);
        // A desktop parent keeps children inside, as mode 0 relies on.
        CDesktopWidget parent(rect(0, 0, 1000, 1000));
        CWidget child(&parent, rect(20, 20, 30, 30));
        parent.SetRect(c.newParent);
        child.SetResizeMode(c.mode);
        child.OnParentResized(c.oldParent);
        EXPECT_EQ(child.GetRect(), c.expected);
    }
}

TEST_F(UiTest, MovingAWidgetMovesItsDescendants) {
    CWidget root(nullptr, rect(0, 0, 100, 100));
    auto* child = new CWidget(&root, rect(10, 10, 50, 50));
    auto* grandchild = new CWidget(child, rect(5, 5, 10, 10), true);
    EXPECT_EQ(grandchild->GetRect(), rect(15, 15, 10, 10));
    root.MoveTo(types::point(-30, 7));
    EXPECT_EQ(root.GetRect(), rect(-30, 7, 100, 100));
    EXPECT_EQ(child->GetRect(), rect(-20, 17, 50, 50));
    EXPECT_EQ(grandchild->GetRect(), rect(-15, 22, 10, 10));
}

TEST_F(UiTest, DesktopKeepsChildrenInsideWithTheirSize) {
    auto* window = new CWidget(&Desktop(), rect(700, 500, 200, 150));
    EXPECT_EQ(window->GetRect(), rect(600, 450, 200, 150));
    window->Move(-1000, 30);
    EXPECT_EQ(window->GetRect(), rect(0, 450, 200, 150));
    window->Resize(1000, 100);
    EXPECT_EQ(window->GetRect(), rect(0, 450, 800, 100));
    delete window;
}

TEST_F(UiTest, RoutingHoverAndIgnoredTypes) {
    auto* back = new CRecordingWidget(&Desktop(), rect(0, 0, 100, 100), false, "back");
    auto* a = new CRecordingWidget(back, rect(0, 0, 50, 50), false, "a");
    auto* b = new CRecordingWidget(back, rect(0, 0, 50, 50), false, "b");  // under a
    Route(CMouseEvent::kMoved, 10, 10);
    Route(CMouseEvent::kPressed, 10, 10, 1);
    Route(CMouseEvent::kMoved, 70, 10);
    EXPECT_EQ(Events(), (std::vector<std::string>{"a:3", "a:1", "a:4", "a:2", "back:3", "back:1"}));

    Events().clear();
    a->SetIgnoreEvent(CMouseEvent::kMoved, true);
    b->SetIgnoreEvent(CMouseEvent::kLeft, true);
    Route(CMouseEvent::kMoved, 10, 10);       // passes a, reaches b
    Route(CMouseEvent::kPressed, 10, 10, 1);  // a takes presses
    Route(CMouseEvent::kEntered, 10, 10);     // not a routed type
    back->SetIgnoreEvent(CMouseEvent::kMoved, true);
    Route(CMouseEvent::kMoved, 70, 10);  // the desktop passes back over and takes it
    EXPECT_EQ(Events(), (std::vector<std::string>{"back:2", "b:3", "b:1", "a:3", "a:4", "a:2"}));
    EXPECT_EQ(CWidget::GetHovered(), &Desktop());
    Route(CMouseEvent::kPressed, 10, 10, 1);
    EXPECT_EQ(CWidget::GetHovered(), a);

    delete a;
    EXPECT_EQ(CWidget::GetHovered(), nullptr);
    delete back;
    EXPECT_EQ(CWidget::GetLiveCount(), 1);  // the desktop
}

TEST_F(UiTest, WidgetDeletedByItsOwnEnterEventIsNotTouchedAgain) {
    auto* doomed = new CRecordingWidget(&Desktop(), rect(0, 0, 50, 50), false, "doomed");
    doomed->myAction = [doomed](const CMouseEvent& e) {
        if (e.type == CMouseEvent::kEntered) delete doomed;
    };
    Route(CMouseEvent::kMoved, 10, 10);
    EXPECT_EQ(Events(), std::vector<std::string>{"doomed:3"});
    EXPECT_EQ(CWidget::GetHovered(), nullptr);
    EXPECT_TRUE(Desktop().GetChildren().empty());
}

TEST_F(UiTest, DepthsDrawFirstChildrenInFront) {
    CWidget root(nullptr, rect(0, 0, 10, 10));
    auto* first = new CWidget(&root, rect());
    auto* second = new CWidget(&root, rect());
    auto* inner = new CWidget(first, rect());
    // Later children take lower numbers; the first child's subtree ends up in front.
    EXPECT_EQ(root.GetSubtreeSize(), 4);
    EXPECT_LT(root.GetDepth(), second->GetDepth());
    EXPECT_LT(second->GetDepth(), first->GetDepth());
    EXPECT_LT(first->GetDepth(), inner->GetDepth());
    root.BringChildToFront(second);
    EXPECT_EQ(root.GetChildren().front(), second);
    EXPECT_GT(second->GetDepth(), inner->GetDepth());
}

TEST(WidgetFactory, MakesEachRegisteredClass) {
    EXPECT_EQ(
        WidgetFactory().GetClassNames(),
        (std::vector<std::string>{"CButtonWidget", "CDesktopWidget", "CWidget", "CWindowWidget"}));
    std::unique_ptr<CWidget> window(
        WidgetFactory().Create("CWindowWidget", nullptr, rect(0, 0, 100, 50), false, "w"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetChildren().size(), 4u);
    EXPECT_EQ(WidgetFactory().Create("CNoSuchWidget", nullptr, rect()), nullptr);
}

}  // namespace
}  // namespace tolm::ui::test
