// The level flow: title, help, playing, level complete, level failed and the end, stepped on
// by left clicks; eight levels with their settings; the score at the start of a level, which
// a lost level falls back to (kept by the approach rules). With a saved progress the title
// offers to go on at the level reached or to start again from level 1; each won level and
// the end are recorded there. The presentation owns one and hands it the area, its approach
// rules and its view; all three outlive the flow.
#ifndef GAME_CLEVELFLOW_H
#define GAME_CLEVELFLOW_H

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CLevelFlowView.h"

namespace game {

class CLevelFlow {
public:
    // Screen states: what is shown, and so what a click does.
    static constexpr int kPlaying = 0;  // also on the end picture, where clicks lead nowhere
    static constexpr int kLevelCompleteShown = 1;
    static constexpr int kLevelFailedShown = 2;
    static constexpr int kTitleShown = 3;
    static constexpr int kHelpShown = 4;

    static constexpr int kLeftButton = 1;

    CLevelFlow(CGameArea& area, CApproachRules& rules, CLevelFlowView& view);
    CLevelFlow(const CLevelFlow&) = delete;
    CLevelFlow& operator=(const CLevelFlow&) = delete;

    // The title picture as the overlay, state kTitleShown.
    void ShowTitle();
    // A press of the buttons in `mask`; only the left button alone counts. On the title that
    // offers a choice it goes on at the saved level.
    void ButtonPressed(int mask);
    // On the title that offers a choice: starts again from level 1 (as a left click leaves
    // the title). Anywhere else it does nothing.
    void NewGame();
    // The resolve's score is final: a level won in it is recorded with the score the next
    // level starts from.
    void ScoreSettled();
    // Silences `line` (-1: nobody): the area keeps the choice, the view shows the change.
    void Silence(int line);
    // Carries out what the approach rules decided at a row removal or a fan hit.
    void Apply(CApproachRules::EOutcome outcome);
    void LevelComplete();
    void LevelFailed();
    void NextLevel();
    void StartLevel();

    int GetScreenState() const { return myScreenState; }
    // True while the title offers to go on at a saved level.
    bool OffersChoice() const { return myOffersChoice; }

private:
    void LeaveTitle();
    // The saved level, its settings and score become the game's.
    void GoOnAtSavedLevel();
    void StartFromFirstLevel();

    CGameArea& myArea;
    CApproachRules& myRules;
    CLevelFlowView& myView;
    int myScreenState = kPlaying;
    bool myOffersChoice = false;
    // A level was won in the resolve now running; recorded once its score is final.
    bool myWonUnrecorded = false;
};

}  // namespace game

#endif
