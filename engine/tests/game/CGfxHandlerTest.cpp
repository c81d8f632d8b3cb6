// The game's presentation under the dummy video driver, with the data files absent (every
// sprite empty) unless a test writes its own: pointer zones, animations, bubbles following
// the board, approach, score and sounds, pictures between levels, and what stopping the
// game in the middle of things leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/CGameTask.h"
#include "game/GameFixture.h"
#include "support/TestFiles.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWindowWidget.h"

namespace game {
namespace {

using namespace test;

class GfxHandlerTest : public CGameFixture {};

TEST_F(GfxHandlerTest, PointerZonesFollowTheOuterCharacters) {
    ClickIntoPlay();
    const struct {
        int x, y, line;
    } atStart[] = {{100, 380, -1}, {100, 381, 0}, {400, 700, 1}, {50, 500, 1},  {51, 500, 0},
                   {299, 500, 0},  {300, 500, 1}, {500, 500, 1}, {501, 500, 2}, {749, 500, 2},
                   {750, 500, 2},  {-5, 500, 2},  {900, 450, 2}, {300, 10, -1}, {750, 500, -1}},
      moved[] = {{349, 500, 0}, {350, 500, 1}, {450, 500, 1}, {451, 500, 2}};
    for (const auto& at : atStart) {
        SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
        tolm::Mouse().OnPointerMoved(at.x, at.y);
        EXPECT_EQ(Area().GetSelectedLine(), at.line);
    }
    for (int i = 0; i < 14; ++i) Burst({0});
    ASSERT_EQ(myHandler->GetRules().GetLeftX(), 340);
    ASSERT_EQ(myHandler->GetRules().GetRightX(), 460);
    for (const auto& at : moved) {
        SCOPED_TRACE(at.x);
        tolm::Mouse().OnPointerMoved(at.x, at.y);
        EXPECT_EQ(Area().GetSelectedLine(), at.line);
    }
}

// The developer console's window over the title picture: clicks on the window are its own,
// a click beside it steps the game on to the help picture.
TEST_F(GfxHandlerTest, ClicksOnAWidgetStayThereAndClicksBesideItReachTheGame) {
    tolm::EventManager().Resize(800, 600);
    ASSERT_TRUE(Factory().StartTask("ui", "ui", 35, nullptr));
    auto* console =
        new tolm::ui::CWindowWidget(&tolm::ui::Desktop(), tolm::types::rect(10, 10, 400, 200));
    const auto clickAt = [](int x, int y) {
        tolm::EventManager().MouseMoved(x, y);
        tolm::EventManager().ButtonDown(kLeft);
        tolm::EventManager().ButtonUp(kLeft);
    };
    ASSERT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kTitleShown);
    clickAt(150, 15);   // the title bar
    clickAt(200, 150);  // the client area
    EXPECT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kTitleShown);
    clickAt(600, 400);
    EXPECT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kHelpShown);
    delete console;
}

TEST_F(GfxHandlerTest, SilencingSwitchesAnimationsOnlyWhenTheZoneChanges) {
    ClickIntoPlay();
    Lines& played = myPlayed;
    for (int line = 0; line < 2; ++line) {
        const std::string n = std::to_string(line);
        myView->GetMaker(line)->SetSprite(std::make_shared<CJournalSprite>("maker" + n, played));
        myView->GetPreview(line)->SetSprite(
            std::make_shared<CJournalSprite>("preview" + n, played));
    }
    tolm::Mouse().OnPointerMoved(100, 500);
    tolm::Mouse().OnPointerMoved(120, 550);
    EXPECT_EQ(played, (Lines{"preview0 death", "maker0 silent"}));
    tolm::Mouse().OnPointerMoved(400, 500);
    EXPECT_EQ(played, (Lines{"preview0 death", "maker0 silent", "preview0 blow", "maker0 talk",
                             "preview1 death", "maker1 silent"}));
}

TEST_F(GfxHandlerTest, BubblesLeaveTheMouthAndCurveIntoTheirColumns) {
    const struct {
        int line, position, characterX, x, y;
    } cases[] = {{0, 0, 200, 200, 370}, {0, 4, 200, 242, 270}, {2, 7, 600, 469, 195},
                 {2, 8, 600, 450, 170}, {1, 14, 400, 400, 20}, {0, 7, 360, 351, 195}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + "/" + std::to_string(c.position));
        const tolm::types::point at = CGameView::BubblePosition(c.line, c.position, c.characterX);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
    ClickIntoPlay();
    Area().SetSelectedLine(1);
    const CMovingSprite* waiting = myView->GetPreview(0).get();
    const CMovingSprite* silenced = myView->GetPreview(1).get();
    Area().Step();
    EXPECT_EQ(myView->GetBubble(0, 0).get(), waiting);
    EXPECT_EQ(myView->GetBubble(0, 0)->GetTarget().y, 370);
    EXPECT_EQ(myView->GetPreview(1).get(), silenced);
    EXPECT_FALSE(myView->GetBubble(1, 0));
    Area().Step();
    EXPECT_EQ(myView->GetBubble(0, 1).get(), waiting);
    EXPECT_EQ(myView->GetBubble(0, 1)->GetTarget().y, 345);
    EXPECT_FALSE(myView->GetBubble(0, 1)->IsPaused());
}

TEST_F(GfxHandlerTest, BurstsAndFanHitsMoveTheCharactersScoreAndSound) {
    ClickIntoPlay();
    Burst({0, 1, 2});
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "900");
    const Lines sounds = Sounds();
    ASSERT_EQ(sounds.size(), 9u);
    for (const std::string& sound : sounds) {
        const std::string n = sound.size() > 33 ? sound.substr(33, 1) : "";
        EXPECT_EQ(sound, R"(PlayEffect("data/sfx/bubble_hit_0)" + n + R"(.wav" ))");
        EXPECT_TRUE(n >= "1" && n <= "7") << sound;
    }
    EXPECT_EQ(myView->GetMaker(0)->GetTarget().x, 230);
    EXPECT_EQ(myView->GetMaker(2)->GetTarget().x, 570);
    EXPECT_EQ(myView->GetMaker(1)->GetTarget().x, 0);

    Area().SetCell(1, 14, 2);
    Burst({});
    EXPECT_EQ(Sounds(), Lines{R"(PlayEffect("data/sfx/fan_hit.wav" ))"});
    EXPECT_EQ(myView->GetMaker(0)->GetTarget().x, 220);
    EXPECT_EQ(myView->GetMaker(2)->GetTarget().x, 580);
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "900");
    Burst({3, 4});
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "1200");
}

TEST_F(GfxHandlerTest, PicturesBetweenLevelsClearTheBoardAndDropIn) {
    ClickIntoPlay();
    for (int i = 0; i < 3; ++i) Area().Step();
    for (int i = 0; i < 15; ++i) Burst({5});
    ASSERT_TRUE(myView->GetBubble(2, 0));
    Burst({0, 1});  // complete at both removals: the picture is shown twice
    EXPECT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kLevelCompleteShown);
    for (int line = 0; line < 3; ++line) {
        EXPECT_FALSE(myView->GetPreview(line));
        for (int position = 0; position < CGameArea::kBoardHeight; ++position)
            EXPECT_FALSE(myView->GetBubble(line, position));
    }
    ASSERT_TRUE(myView->GetOverlay());
    EXPECT_EQ(myView->GetOverlay()->GetTarget().x, 400);  // an empty picture has no size
    EXPECT_FALSE(myView->GetOverlay()->IsPaused());
    // Moves and clicks of other buttons during the drop change nothing.
    tolm::Mouse().OnPointerMoved(100, 500);
    tolm::Mouse().OnButtonPressed(2);
    EXPECT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kLevelCompleteShown);
    Pump(30);
    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_EQ(myView->GetScoreCounter().GetLevelSprite()->GetText(), "Level 2");
}

TEST_F(GfxHandlerTest, StoppingTheGameMidGlideOrFromAMouseCallLeavesNothingDangling) {
    myGame.reset();
    Factory().StartTask("game", "Game", 50, nullptr);
    auto* task = dynamic_cast<CGameTask*>(Factory().FindTask("Game"));
    ASSERT_NE(task, nullptr);
    ASSERT_NE(CGfxHandler::Of(task->GetGame()->GetArea()), nullptr);
    ClickIntoPlay();
    CGameArea& area = task->GetGame()->GetArea();
    for (int i = 0; i < 3; ++i) area.Step();
    for (int line = 0; line < 3; ++line) area.SetCell(line, 0, 1);
    area.Resolve();  // three bubbles now in "death"
    Pump(30);
    Factory().StopTask("Game");
    EXPECT_EQ(task->GetGame(), nullptr);
    Pump(30);
    tolm::Mouse().OnPointerMoved(100, 500);

    // A listener that stops the game while the mouse device walks its listeners.
    struct CStopper : CMouseListenerAdapter {
        void OnMouseDown(int) override { Factory().StopTask("Game2"); }
    } stopper;
    tolm::Mouse().AddGlobalListener(&stopper);
    Factory().StartTask("game", "Game2", 50, nullptr);
    tolm::Mouse().OnButtonPressed(kLeft);
    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_EQ(dynamic_cast<CGameTask*>(Factory().FindTask("Game2"))->GetGame(), nullptr);
}

TEST_F(GfxHandlerTest, BrokenDataFilesGiveEmptySpritesAndTheGameGoesOn) {
    myGame.reset();
    tolm::test::CTempDir dir;
    std::filesystem::create_directories(dir.Path() / "data/gfx");
    for (const char* name : {"title_screen.xml", "help_screen.xml", "character_01.xml",
                             "soap_bubble_01.xml", "level_complete.xml", "level_failed.xml"})
        tolm::test::WriteFile(dir.File(std::string("data/gfx/") + name), "<Sprite><Image");
    tolm::test::WriteFile(dir.File("data/gfx/numbers.ogf"), "2 x \xff");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    myGame = std::make_unique<CGame>(CGfxHandler::Factory());
    ShowGame();
    ClickIntoPlay();
    Area().Step();
    for (int i = 0; i < 16; ++i) Burst({0});
    EXPECT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kLevelCompleteShown);
    tolm::Mouse().OnButtonPressed(kLeft);
    for (int i = 0; i < 30 && !Area().IsStopped(); ++i) {
        Area().SetCell(0, 14, 1);
        Burst({});
    }
    EXPECT_EQ(myHandler->GetFlow().GetScreenState(), CLevelFlow::kLevelFailedShown);
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "1600");
    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_FALSE(Area().IsStopped());
    std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace game
