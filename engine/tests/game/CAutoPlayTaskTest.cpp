// The "autoplay" task driving the real game through the event manager (dummy video driver): a
// whole first level played and won by it. Where it points is in PointerZonesTest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/CAutoPlayTask.h"
#include "game/CGameTask.h"
#include "game/CGfxHandler.h"
#include "game/GameFixture.h"
#include "game/PointerZones.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/utils/random/Random.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

class AutoPlayTest : public tolm::test::CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        test::ResetLevelState();
        ASSERT_NE(SDL_SetVideoMode(800, 600, 32, 0), nullptr) << SDL_GetError();
    }
    void TearDown() override {
        CInputTest::TearDown();
        test::ResetLevelState();
    }
};

// What reaches the event manager's mouse listeners, as text.
class CPointerJournal : public tolm::CMouseEventListener {
public:
    CPointerJournal() { tolm::EventManager().AddMouseListener(this); }
    ~CPointerJournal() override { tolm::EventManager().RemoveMouseListener(this); }
    void OnPointerMoved(int x, int y) override {
        myEvents.push_back("moved " + std::to_string(x) + " " + std::to_string(y));
    }
    void OnButtonPressed(int mask) override {
        myEvents.push_back("pressed " + std::to_string(mask));
    }
    void OnButtonReleased(int mask) override {
        myEvents.push_back("released " + std::to_string(mask));
    }
    std::vector<std::string> myEvents;
};

TEST_F(AutoPlayTest, ItsClicksEnterThroughTheEventManagerWithoutSDLsQueue) {
    using tolm::test::Factory;
    tolm::CScopedManualTime clock(1000);
    // No event task: nothing would take events out of SDL's queue.
    ASSERT_TRUE(Factory().StartTask("game", "game", 50, nullptr));
    ASSERT_TRUE(Factory().StartTask("autoplay", "autoplay", 60, nullptr));
    auto* task = dynamic_cast<CGameTask*>(Factory().FindTask("game"));
    const CLevelFlow& flow = CGfxHandler::Of(task->GetGame()->GetArea())->GetFlow();
    CPointerJournal journal;
    tolm::Scheduler().RunOnce();
    EXPECT_EQ(flow.GetScreenState(), CLevelFlow::kTitleShown);
    // The first click comes when the title has been up for the click delay.
    clock.Advance(CAutoPlayTask::kClickDelay - 1);
    tolm::Scheduler().RunOnce();
    EXPECT_TRUE(journal.myEvents.empty());
    clock.Advance(1);
    tolm::Scheduler().RunOnce();
    EXPECT_EQ(journal.myEvents,
              (std::vector<std::string>{"moved 400 300", "pressed 1", "released 1"}));
    tolm::Scheduler().RunOnce();
    EXPECT_EQ(flow.GetScreenState(), CLevelFlow::kHelpShown);
    SDL_Event queued;
    EXPECT_EQ(SDL_PeepEvents(&queued, 1, SDL_PEEKEVENT, SDL_ALLEVENTS), 0);
}

TEST_F(AutoPlayTest, ClicksThroughThePicturesAndWinsTheFirstLevel) {
    using tolm::test::Factory;
    tolm::CScopedManualTime clock(1000);
    ASSERT_TRUE(Factory().StartTask("event", "event", 10, nullptr));
    ASSERT_TRUE(Factory().StartTask("game", "game", 50, nullptr));
    tolm::SetRandomSeed(1.0);
    ASSERT_TRUE(Factory().StartTask("autoplay", "autoplay", 60, nullptr));
    auto* task = dynamic_cast<CGameTask*>(Factory().FindTask("game"));
    CGfxHandler* view = CGfxHandler::Of(task->GetGame()->GetArea());
    int silenced = 0;
    // At most 20 minutes of game time, 16 ms a pass.
    for (int pass = 0; pass < 75000 && LevelProgress().myLevelIndex == 0; ++pass) {
        clock.Advance(16);
        tolm::Scheduler().RunOnce();
        // Silenced through the pointer: it stands in the zone of the silenced line.
        const int line = task->GetGame()->GetArea().GetSelectedLine();
        const CApproachRules& rules = view->GetRules();
        const SPointerZones zones = PointerZones(rules.GetLeftX(), rules.GetRightX());
        if (line >= 0 && LineAtPointer(zones, tolm::Mouse().GetX(), tolm::Mouse().GetY()) == line)
            ++silenced;
    }
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_TRUE(myLog->Contains("LevelScore 0\n"));
    EXPECT_EQ(view->GetFlow().GetScreenState(), CLevelFlow::kPlaying);
    EXPECT_FALSE(task->GetGame()->GetArea().IsStopped());
    // It played through the pointer, not by telling the area.
    EXPECT_GT(silenced, 0);
}

}  // namespace
}  // namespace game
