#include "game/CHeadlessPlayer.h"

#include "game/CGame.h"
#include "game/CHeadlessPresentation.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "tolm/utils/random/Random.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

// Keeps the board and waiting bubbles last decided on, so the strategy thinks once per change
// of the board instead of once per frame.
struct SSeen {
    CGameArea::Board myBoard{};
    CSilenceStrategy::Numbers myNext{};
    bool myValid = false;
};

bool SameAsSeen(const CGameArea& area, const SSeen& seen) {
    if (!seen.myValid || area.GetBoard() != seen.myBoard) return false;
    for (int line = 0; line < CGameArea::kLineCount; ++line) {
        if (area.GetNextNumber(line) != seen.myNext[line]) return false;
    }
    return true;
}

void Remember(const CGameArea& area, SSeen& seen) {
    seen.myBoard = area.GetBoard();
    for (int line = 0; line < CGameArea::kLineCount; ++line) {
        seen.myNext[line] = area.GetNextNumber(line);
    }
    seen.myValid = true;
}

}  // namespace

CHeadlessPlayer::CHeadlessPlayer(const CSilenceStrategy& strategy, double seed)
    : myStrategy(strategy), mySeed(seed) {}

SLevelResult CHeadlessPlayer::PlayLevel(int levelIndex) const {
    SLevelResult result;
    result.myLevelIndex = levelIndex;
    if (levelIndex < 0 || levelIndex >= CLevelTable::kLevelCount) return result;

    const CLevelSettings previousSettings = LevelSettings();
    LevelSettings() = CLevelTable::SettingsFor(levelIndex);
    tolm::CScopedManualTime clock(0);
    {
        CGame game(CHeadlessPresentation::Factory());
        CGameArea& area = game.GetArea();
        CHeadlessPresentation* presentation = CHeadlessPresentation::Of(area);
        // Construction seeded the generator from the calendar; the run must not depend on it.
        tolm::SetRandomSeed(mySeed);
        presentation->StartLevel(LevelSettings().myApproachSteps);

        const tolm::types::ticks start = clock.Now();
        SSeen seen;
        int choice = -1;
        for (int frame = 0; presentation->GetOutcome() == CApproachRules::EOutcome::None &&
                            clock.Now() - start < myTimeLimit;
             ++frame) {
            if (myInput) {
                choice = myInput(frame);
            } else if (!SameAsSeen(area, seen)) {
                choice = myStrategy.Choose(area);
                Remember(area, seen);
            }
            area.SetSelectedLine(choice);
            clock.Advance(kFrameTime);
            game.Update();
            if (myObserver) myObserver(game);
        }

        const CApproachRules::EOutcome outcome = presentation->GetOutcome();
        result.myDecided = outcome != CApproachRules::EOutcome::None;
        result.myWon = outcome == CApproachRules::EOutcome::LevelComplete;
        result.mySteps = area.GetStepCount();
        result.myBursts = presentation->GetBursts();
        result.myFanHits = presentation->GetFanHits();
        result.myScore = presentation->GetRules().GetScore();
        result.myPlayTime = clock.Now() - start;
    }
    LevelSettings() = previousSettings;
    return result;
}

}  // namespace game
