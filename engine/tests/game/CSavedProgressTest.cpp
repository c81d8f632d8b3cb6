// The player's progress kept between runs of the real game task: a level won by autoplay is
// offered at the next start, the visible control starts again from level 1, a broken file is
// moved aside and play starts at level 1, a folder that refuses writes costs one line, a
// write that fails before its rename keeps the old file, and the finished game's best score.
#include <gtest/gtest.h>

#include "game/CAutoPlayTask.h"
#include "game/CGameTask.h"
#include "game/CGfxHandler.h"
#include "game/CLevelTable.h"
#include "game/CSavedProgress.h"
#include "game/GameFixture.h"
#include "game/GameLayout.h"
#include "support/TestFiles.h"
#include "tolm/gfx/CTextSprite.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/utils/files/SafeWrite.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

using tolm::test::Factory;
using tolm::test::ReadFile;
using tolm::test::WriteFile;

std::string ProgressText(int level, std::uint32_t score, bool finished, std::uint32_t best) {
    return "<progress>\n  <best>\n    " + std::to_string(best) + "\n  </best>\n  <finished>\n    " +
           (finished ? "1" : "0") + "\n  </finished>\n  <level>\n    " + std::to_string(level) +
           "\n  </level>\n  <score>\n    " + std::to_string(score) + "\n  </score>\n</progress>\n";
}

class SavedProgressTest : public tolm::test::CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        test::ResetLevelState();
        SavedProgress() = CSavedProgress();
        tolm::CPlayerFile::SetFolder(myDir.Path().string());
        ASSERT_NE(SDL_SetVideoMode(800, 600, 32, 0), nullptr) << SDL_GetError();
    }
    void TearDown() override {
        CInputTest::TearDown();
        tolm::CPlayerFile::SetFolder("");
        SavedProgress() = CSavedProgress();
        test::ResetLevelState();
    }
    CGameTask* StartGame() {
        Factory().StopTask("game");
        Factory().DeleteAllTasks();
        EXPECT_TRUE(Factory().StartTask("game", "game", 50, nullptr));
        myTask = dynamic_cast<CGameTask*>(Factory().FindTask("game"));
        return myTask;
    }
    CGfxHandler& Handler() { return *CGfxHandler::Of(myTask->GetGame()->GetArea()); }
    CLevelFlow& Flow() { return Handler().GetFlow(); }
    CGameArea& Area() { return myTask->GetGame()->GetArea(); }
    void Click() { Handler().OnMouseDown(test::kLeft); }
    // Wins the level being played at once: whole rows of equal bubbles until it ends.
    void WinLevel() {
        for (int i = 0; i < 200 && !Area().IsStopped(); ++i) {
            for (int line = 0; line < 3; ++line) Area().SetCell(line, 0, 4);
            Area().Resolve();
        }
    }
    // The digits written on the overlay, in the order they were put there.
    std::vector<std::string> OverlayTexts() {
        std::vector<std::string> texts;
        const CMovingSpritePtr& overlay = Handler().GetView().GetOverlay();
        if (!overlay) return texts;
        for (const auto& child : overlay->GetChildren())
            if (auto* text = dynamic_cast<tolm::CTextSprite*>(child.get()))
                texts.push_back(text->GetText());
        return texts;
    }
    std::string LevelShown() {
        return Handler().GetView().GetScoreCounter().GetLevelSprite()->GetText();
    }
    std::string File() const { return myDir.File(CSavedProgress::kFileName); }
    // The file once the writes queued so far are done.
    std::string Saved() const {
        tolm::CPlayerFile::Settle();
        return ReadFile(File());
    }

    tolm::test::CTempDir myDir;
    CGameTask* myTask = nullptr;
};

TEST_F(SavedProgressTest, ALevelWonByAutoplayIsOfferedAtTheNextStartAndPlayedFromItsScore) {
    tolm::CScopedManualTime clock(1000);
    ASSERT_TRUE(Factory().StartTask("event", "event", 10, nullptr));
    ASSERT_TRUE(Factory().StartTask("game", "game", 50, nullptr));
    myTask = dynamic_cast<CGameTask*>(Factory().FindTask("game"));
    EXPECT_FALSE(Flow().OffersChoice());
    tolm::SetRandomSeed(1.0);
    ASSERT_TRUE(Factory().StartTask("autoplay", "autoplay", 60, nullptr));
    for (int pass = 0; pass < 75000 && LevelProgress().myLevelIndex == 0; ++pass) {
        clock.Advance(16);
        tolm::Scheduler().RunOnce();
    }
    ASSERT_EQ(LevelProgress().myLevelIndex, 1);
    const std::uint32_t score = Handler().GetRules().GetScoreAtLevelStart();
    ASSERT_GT(score, 0u);
    EXPECT_EQ(Saved(), ProgressText(1, score, false, 0));

    // A new run: nothing of the last one but the file.
    Factory().DeleteAllTasks();
    test::ResetLevelState();
    StartGame();
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::kTitleShown);
    EXPECT_TRUE(Flow().OffersChoice());
    EXPECT_EQ(OverlayTexts(), std::vector<std::string>{"2"});
    EXPECT_EQ(LevelShown(), "Level 2");
    Click();
    Click();
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::kPlaying);
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_EQ(LevelSettings(), *CLevelTable::GetRow(1));
    EXPECT_EQ(Handler().GetRules().GetScoreAtLevelStart(), score);
    EXPECT_EQ(Handler().GetView().GetScoreCounter().Get(), score);
    EXPECT_TRUE(myLog->Contains("LevelScore " + std::to_string(score) + "\n"));
}

TEST_F(SavedProgressTest, TheVisibleControlOrItsKeyStartsAgainFromLevelOne) {
    const struct {
        const char* how;
        int x;
        int y;
        bool byKey;
        bool again;
    } cases[] = {
        {"click on the button", layout::kNewGameLeft + 1, layout::kNewGameBottom - 1, false, true},
        {"click just outside it", layout::kNewGameRight, layout::kNewGameTop, false, false},
        {"click above it", layout::kNewGameLeft + 20, layout::kNewGameTop - 1, false, false},
        {"the key", 0, 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        WriteFile(File(), ProgressText(4, 5100, true, 9900));
        test::ResetLevelState();
        StartGame();
        ASSERT_TRUE(Flow().OffersChoice());
        EXPECT_EQ(OverlayTexts(), (std::vector<std::string>{"5", "9900"}));
        if (c.byKey) {
            Factory().SendToTask("game", CGameTask::kNewGame);
        } else {
            Handler().OnMouseMove(c.x, c.y);
            Click();
        }
        EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::kHelpShown);
        Click();
        EXPECT_EQ(LevelProgress().myLevelIndex, c.again ? 0 : 4);
        EXPECT_EQ(Handler().GetView().GetScoreCounter().Get(), c.again ? 0u : 5100u);
        EXPECT_EQ(LevelShown(), c.again ? "Level 1" : "Level 5");
        // Starting again is kept at once; the finished game's best score stays.
        EXPECT_EQ(Saved(),
                  c.again ? ProgressText(0, 0, true, 9900) : ProgressText(4, 5100, true, 9900));
    }
}

TEST_F(SavedProgressTest, ABrokenFileIsMovedAsideAndPlayStartsAtLevelOne) {
    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"cut short", ProgressText(3, 700, false, 0).substr(0, 60)},
        {"binary", std::string("\x7f"
                               "ELF\x02\x01\x01\0\0\0\xff\xfe",
                               12)},
        {"garbage", "level=3 score=700"},
        {"level out of range", ProgressText(8, 700, false, 0)},
        {"negative score",
         ProgressText(3, 0, false, 0)
             .replace(ProgressText(3, 0, false, 0).find("    0\n  </score>"), 5, "    -7")},
        {"a field missing", "<progress><level>3</level></progress>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(File(), c.content);
        test::ResetLevelState();
        myLog->Clear();
        StartGame();
        EXPECT_FALSE(Flow().OffersChoice());
        const std::string aside = SavedProgress().GetFile().GetSetAsideName();
        ASSERT_FALSE(aside.empty());
        EXPECT_EQ(ReadFile(aside), c.content);
        EXPECT_EQ(myLog->CountHolding(" moved aside to " + aside + ", going on with defaults"), 1);
        Click();
        Click();
        EXPECT_EQ(LevelProgress().myLevelIndex, 0);
        EXPECT_TRUE(myLog->Contains("LevelScore 0\n"));
        std::filesystem::remove(aside);
    }
}

TEST_F(SavedProgressTest, AFolderThatCannotBeWrittenCostsOneLineAndPlayGoesOn) {
    // A file where the folder should be refuses even root, like a read-only home.
    WriteFile(myDir.File("state"), "");
    tolm::CPlayerFile::SetFolder(myDir.File("state"));
    StartGame();
    Click();
    Click();
    for (int level = 0; level < 3; ++level) {
        WinLevel();
        Click();
    }
    EXPECT_EQ(LevelProgress().myLevelIndex, 3);
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::kPlaying);
    tolm::CPlayerFile::Settle();
    EXPECT_EQ(myLog->CountHolding("[WARNING] Cannot save "), 1);
}

TEST_F(SavedProgressTest, AWriteThatFailsBeforeItsRenameKeepsTheOldProgress) {
    StartGame();
    Click();
    Click();
    WinLevel();
    const std::string afterFirst = Saved();
    ASSERT_EQ(afterFirst, ProgressText(1, Handler().GetRules().GetScore(), false, 0));
    Click();
    tolm::FailNextSafeWriteAt(tolm::ESafeWriteStep::kRename);
    WinLevel();
    EXPECT_EQ(Saved(), afterFirst);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(myDir.Path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left
    // The next level's record goes through again.
    Click();
    WinLevel();
    EXPECT_EQ(Saved(), ProgressText(3, Handler().GetRules().GetScore(), false, 0));
}

TEST_F(SavedProgressTest, FinishingTheGameKeepsTheBestScoreForTheEndAndTheTitle) {
    WriteFile(File(), ProgressText(7, 1000, true, 999999));
    StartGame();
    Click();
    Click();
    WinLevel();
    const std::uint32_t final = Handler().GetRules().GetScore();
    ASSERT_LT(final, 999999u);
    // A lower final score leaves the best as it was; the next game starts at level 1.
    EXPECT_EQ(Saved(), ProgressText(0, 0, true, 999999));
    EXPECT_EQ(OverlayTexts(), std::vector<std::string>{"999999"});

    WriteFile(File(), ProgressText(7, 1000, true, 5));
    test::ResetLevelState();
    StartGame();
    Click();
    Click();
    WinLevel();
    EXPECT_EQ(Saved(), ProgressText(0, 0, true, final));
    EXPECT_EQ(OverlayTexts(), std::vector<std::string>{std::to_string(final)});

    test::ResetLevelState();
    StartGame();
    EXPECT_FALSE(Flow().OffersChoice());
    EXPECT_EQ(OverlayTexts(), std::vector<std::string>{std::to_string(final)});
}

}  // namespace
}  // namespace game
