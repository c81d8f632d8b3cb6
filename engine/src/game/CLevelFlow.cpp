#include "game/CLevelFlow.h"

#include "game/CLevelProgress.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "tolm/utils/logger/CLogger.h"

namespace game {
namespace {

const char* const kTitleFile = "data/gfx/title_screen.xml";
const char* const kHelpFile = "data/gfx/help_screen.xml";
const char* const kHelpAnimationFile = "data/gfx/help_animation.xml";
const char* const kLevelCompleteFile = "data/gfx/level_complete.xml";
const char* const kLevelFailedFile = "data/gfx/level_failed.xml";
const char* const kTheEndFile = "data/gfx/the_end.xml";

}  // namespace

CLevelFlow::CLevelFlow(CGameArea& area, CApproachRules& rules, CLevelFlowView& view)
    : myArea(area), myRules(rules), myView(view) {}

void CLevelFlow::ShowTitle() {
    myView.SetOverlay(kTitleFile);
    myView.ShowLevel(LevelProgress().myLevelIndex + 1);
    myScreenState = kTitleShown;
}

void CLevelFlow::ButtonPressed(int mask) {
    if (mask != kLeftButton) return;
    switch (myScreenState) {
        case kLevelCompleteShown:
            myScreenState = kPlaying;
            NextLevel();
            break;
        case kLevelFailedShown:
            myScreenState = kPlaying;
            StartLevel();
            break;
        case kTitleShown:
            myView.SetOverlay(kHelpFile);
            myView.SetHelpAnimation(kHelpAnimationFile);
            myScreenState = kHelpShown;
            break;
        case kHelpShown:
            myView.ReleaseHelpAnimation();
            myScreenState = kPlaying;
            StartLevel();
            break;
        default:
            break;
    }
}

void CLevelFlow::Silence(int line) {
    const int previous = myArea.GetSelectedLine();
    myArea.SetSelectedLine(line);
    myView.ShowSilenced(previous, line);
}

void CLevelFlow::Apply(CApproachRules::EOutcome outcome) {
    if (outcome == CApproachRules::EOutcome::LevelComplete) LevelComplete();
    if (outcome == CApproachRules::EOutcome::LevelFailed) LevelFailed();
}

void CLevelFlow::StartLevel() {
    Silence(-1);
    myRules.SetApproachSteps(LevelProgress().myApproachSteps);
    myRules.BeginLevel();
    tolm::Logger() << "LevelScore " << myRules.GetScoreAtLevelStart() << std::endl;
    myView.ShowLevel(LevelProgress().myLevelIndex + 1);
    myView.PlayCharacters("talk");
    myView.JumpOuterCharacters(myRules.GetLeftX(), myRules.GetRightX());
    myView.ReleaseOverlay();
    myArea.Reset();
    myArea.Start();
}

void CLevelFlow::NextLevel() {
    CLevelProgress& progress = LevelProgress();
    ++progress.myLevelIndex;
    if (progress.myLevelIndex < CLevelTable::kLevelCount) {
        CLevelTable::CopyRowToSettings(progress.myLevelIndex);
        progress.myApproachSteps = LevelSettings().myApproachSteps;
    }
    StartLevel();
}

void CLevelFlow::LevelComplete() {
    myArea.Stop();
    if (LevelProgress().myLevelIndex + 1 >= CLevelTable::kLevelCount) {
        // The state stays as it is: no click leads anywhere from the end.
        myView.ShowScreen(kTheEndFile);
        return;
    }
    myView.ShowScreen(kLevelCompleteFile);
    myScreenState = kLevelCompleteShown;
}

void CLevelFlow::LevelFailed() {
    myArea.Stop();
    myView.ShowScreen(kLevelFailedFile);
    myRules.LoseLevel();
    myView.ShowScore(myRules.GetScore());
    myScreenState = kLevelFailedShown;
}

}  // namespace game
