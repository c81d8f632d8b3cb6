#include "game/CLevelFlow.h"

#include "game/CLevelProgress.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "game/CSavedProgress.h"
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
    const CSavedProgress& saved = SavedProgress();
    myView.SetOverlay(kTitleFile);
    myOffersChoice = saved.CanContinue();
    myView.ShowTitleButtons(myOffersChoice ? saved.GetLevelIndex() + 1 : 0);
    if (saved.IsFinished()) myView.ShowBestScore(saved.GetBestScore(), false);
    myView.ShowLevel((myOffersChoice ? saved.GetLevelIndex() : LevelProgress().myLevelIndex) + 1);
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
            if (myOffersChoice) GoOnAtSavedLevel();
            LeaveTitle();
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

void CLevelFlow::NewGame() {
    if (myScreenState != kTitleShown || !myOffersChoice) return;
    StartFromFirstLevel();
    LeaveTitle();
}

void CLevelFlow::LeaveTitle() {
    myOffersChoice = false;
    myView.SetOverlay(kHelpFile);
    myView.SetHelpAnimation(kHelpAnimationFile);
    myScreenState = kHelpShown;
}

void CLevelFlow::GoOnAtSavedLevel() {
    const CSavedProgress& saved = SavedProgress();
    CLevelProgress& progress = LevelProgress();
    progress.myLevelIndex = saved.GetLevelIndex();
    LevelSettings() = CLevelTable::SettingsFor(progress.myLevelIndex);
    progress.myApproachSteps = LevelSettings().myApproachSteps;
    myRules.SetScore(saved.GetScoreAtLevelStart());
    myView.ShowScore(myRules.GetScore());
}

void CLevelFlow::StartFromFirstLevel() {
    SavedProgress().RecordNewGame();
    LevelProgress() = CLevelProgress();
    LevelSettings() = CLevelSettings();
    myRules.SetScore(0);
    myView.ShowScore(0);
    myView.ShowLevel(1);
}

void CLevelFlow::ScoreSettled() {
    if (!myWonUnrecorded) return;
    myWonUnrecorded = false;
    const std::int32_t next = LevelProgress().myLevelIndex + 1;
    if (next < CLevelTable::kLevelCount) {
        SavedProgress().RecordLevelReached(next, myRules.GetScore());
        return;
    }
    SavedProgress().RecordFinished(myRules.GetScore());
    if (SavedProgress().IsFinished()) myView.ShowBestScore(SavedProgress().GetBestScore(), true);
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
    myWonUnrecorded = true;
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
