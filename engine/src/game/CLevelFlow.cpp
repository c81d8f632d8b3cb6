#include "game/CLevelFlow.h"

#include "game/CLevelProgress.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "tolm/utils/logger/CLogger.h"

namespace game {
namespace {

const char* const TitleFile = "data/gfx/title_screen.xml";
const char* const HelpFile = "data/gfx/help_screen.xml";
const char* const HelpAnimationFile = "data/gfx/help_animation.xml";
const char* const LevelCompleteFile = "data/gfx/level_complete.xml";
const char* const LevelFailedFile = "data/gfx/level_failed.xml";
const char* const TheEndFile = "data/gfx/the_end.xml";

}  // namespace

CLevelFlow::CLevelFlow(CGameArea& area, CApproachRules& rules, CLevelFlowView& view)
    : myArea(area), myRules(rules), myView(view) {}

void CLevelFlow::ShowTitle() {
    myView.SetOverlay(TitleFile);
    myView.ShowLevel(LevelProgress().myLevelIndex + 1);
    myScreenState = TitleShown;
}

void CLevelFlow::ButtonPressed(int mask) {
    if (mask != LeftButton) return;
    switch (myScreenState) {
        case LevelCompleteShown:
            myScreenState = Playing;
            NextLevel();
            break;
        case LevelFailedShown:
            myScreenState = Playing;
            StartLevel();
            break;
        case TitleShown:
            myView.SetOverlay(HelpFile);
            myView.SetHelpAnimation(HelpAnimationFile);
            myScreenState = HelpShown;
            break;
        case HelpShown:
            myView.ReleaseHelpAnimation();
            myScreenState = Playing;
            StartLevel();
            break;
        default:
            break;
    }
}

void CLevelFlow::Apply(CApproachRules::EOutcome outcome) {
    if (outcome == CApproachRules::EOutcome::LevelComplete) LevelComplete();
    if (outcome == CApproachRules::EOutcome::LevelFailed) LevelFailed();
}

void CLevelFlow::StartLevel() {
    myView.Select(-1);
    myScoreAtLevelStart = myRules.GetScore();
    tolm::Logger() << "LevelScore " << myScoreAtLevelStart << std::endl;
    myView.ShowLevel(LevelProgress().myLevelIndex + 1);
    myView.PlayCharacters("talk");
    myRules.SetApproachSteps(LevelProgress().myApproachSteps);
    myRules.BeginLevel();
    myView.JumpOuterCharacters(myRules.GetLeftX(), myRules.GetRightX());
    myView.ReleaseOverlay();
    myArea.Reset();
    myArea.Start();
}

void CLevelFlow::NextLevel() {
    CLevelProgress& progress = LevelProgress();
    ++progress.myLevelIndex;
    if (progress.myLevelIndex < CLevelTable::LevelCount) {
        CLevelTable::CopyRowToSettings(progress.myLevelIndex);
        progress.myApproachSteps = LevelSettings().myApproachSteps;
    }
    StartLevel();
}

void CLevelFlow::LevelComplete() {
    myArea.Stop();
    if (LevelProgress().myLevelIndex + 1 >= CLevelTable::LevelCount) {
        // The state stays as it is: no click leads anywhere from the end.
        myView.ShowScreen(TheEndFile);
        return;
    }
    myView.ShowScreen(LevelCompleteFile);
    myScreenState = LevelCompleteShown;
}

void CLevelFlow::LevelFailed() {
    myArea.Stop();
    myView.ShowScreen(LevelFailedFile);
    // The resolve that failed the level still flushes its points; they belong to the lost
    // level and must not land on the score given back.
    myRules.DropPoints();
    myRules.SetScore(myScoreAtLevelStart);
    myView.ShowScore(myScoreAtLevelStart);
    myScreenState = LevelFailedShown;
}

}  // namespace game
