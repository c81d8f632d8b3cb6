// The whole game is a function of its seed and its timed input: a full eight-level headless
// game hashed after every step and resolve comes out the same when played again or replayed
// from its recorded input, and the graphical presentation, fed the same frames through the
// pointer, leaves the board exactly as the headless one does.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/CAutoPlayTask.h"
#include "game/CHeadlessPlayer.h"
#include "game/CLevelTable.h"
#include "game/GameFixture.h"
#include "game/GameTestSupport.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

using namespace test;

// One level as played: the silenced line in every frame and the board's hash after every
// step and every resolve.
struct SLevelRun {
    std::vector<int> myInput;
    std::vector<std::uint64_t> myHashes;
    std::uint32_t myScore = 0;
    bool myWon = false;

    bool operator==(const SLevelRun& other) const {
        return myInput == other.myInput && myHashes == other.myHashes && myScore == other.myScore &&
               myWon == other.myWon;
    }
};

// Notes the board whenever a step or a resolve changed it.
class CBoardRecorder {
public:
    explicit CBoardRecorder(SLevelRun& run) : myRun(run) {}
    void Frame(const CGame& game) {
        const CGameArea& area = game.GetArea();
        myRun.myInput.push_back(area.GetSelectedLine());
        if (area.GetStepCount() == myStep && game.IsResolved() == myResolved) return;
        myStep = area.GetStepCount();
        myResolved = game.IsResolved();
        myRun.myHashes.push_back(BoardHash(area));
    }

private:
    SLevelRun& myRun;
    int myStep = 0;
    bool myResolved = true;
};

// Plays the eight levels with the lookahead strategy, or replays `input` when given.
std::vector<SLevelRun> PlayGame(double seed, const std::vector<SLevelRun>* input = nullptr) {
    std::vector<SLevelRun> runs(CLevelTable::kLevelCount);
    for (int level = 0; level < CLevelTable::kLevelCount; ++level) {
        CHeadlessPlayer player(CSilenceStrategy(CSilenceStrategy::EKind::Lookahead, 3), seed);
        CBoardRecorder recorder(runs[level]);
        player.SetObserver([&recorder](const CGame& game) { recorder.Frame(game); });
        if (input != nullptr) {
            const std::vector<int>& frames = (*input)[level].myInput;
            player.SetInput([&frames](int frame) {
                return frame < static_cast<int>(frames.size()) ? frames[frame] : -1;
            });
        }
        const SLevelResult result = player.PlayLevel(level);
        runs[level].myScore = result.myScore;
        runs[level].myWon = result.myWon;
    }
    return runs;
}

TEST(Determinism, TheSameSeedAndTimedInputGiveTheSameGame) {
    const std::vector<SLevelRun> played = PlayGame(1.0);
    std::size_t hashes = 0;
    for (const SLevelRun& run : played) {
        EXPECT_TRUE(run.myWon);
        hashes += run.myHashes.size();
    }
    EXPECT_GT(hashes, 8u * 2u * 20u);  // a step and a resolve, 20 steps a level at the least

    EXPECT_TRUE(PlayGame(1.0) == played);
    // The input alone, without the strategy that chose it, plays the same game.
    EXPECT_TRUE(PlayGame(1.0, &played) == played);
    // The hashes see the seed: another one gives another first level.
    EXPECT_NE(PlayGame(2.0, &played)[0].myHashes, played[0].myHashes);
}

class DesktopDeterminismTest : public CGameFixture {
protected:
    // Plays `level` on the graphical presentation from the headless run's seed and input,
    // moving the pointer into the zone of each frame's line.
    SLevelRun PlayOnScreen(int level, double seed, const std::vector<int>& input) {
        myGame.reset();
        LevelProgress().myLevelIndex = level;
        LevelSettings() = CLevelTable::SettingsFor(level);
        LevelProgress().myApproachSteps = LevelSettings().myApproachSteps;
        myGame = std::make_unique<CGame>(CGfxHandler::Factory());
        ShowGame();
        tolm::SetRandomSeed(seed);
        ClickIntoPlay();
        SLevelRun run;
        CBoardRecorder recorder(run);
        for (int line : input) {
            const CApproachRules& rules = myHandler->GetRules();
            const tolm::types::point at =
                CAutoPlayTask::PointerFor(line, rules.GetLeftX(), rules.GetRightX());
            tolm::Mouse().OnPointerMoved(at.x, at.y);
            myClock.Advance(CHeadlessPlayer::kFrameTime);
            myGame->Update();
            tolm::UpdateFakeThreads(0);
            recorder.Frame(*myGame);
        }
        run.myScore = myHandler->GetRules().GetScore();
        run.myWon = Area().IsStopped() && myHandler->GetRules().GetLeftX() > 350;
        return run;
    }
};

TEST_F(DesktopDeterminismTest, TheGraphicalAndTheHeadlessPresentationLeaveTheSameBoards) {
    const std::vector<SLevelRun> headless = PlayGame(1.0);
    for (int level = 0; level < CLevelTable::kLevelCount; ++level) {
        SCOPED_TRACE(level);
        const SLevelRun onScreen = PlayOnScreen(level, 1.0, headless[level].myInput);
        EXPECT_EQ(onScreen.myHashes, headless[level].myHashes);
        EXPECT_EQ(onScreen.myScore, headless[level].myScore);
        EXPECT_TRUE(onScreen.myWon);
    }
}

}  // namespace
}  // namespace game
