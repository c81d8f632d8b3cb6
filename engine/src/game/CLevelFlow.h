// The level flow: title, help, playing, level complete, level failed and the end, stepped on
// by left clicks; eight levels with their settings; the score at the start of a level, which
// a lost level falls back to. The presentation owns one and hands it the area, its approach
// rules and itself as the view; all three outlive the flow.
#ifndef GAME_CLEVELFLOW_H
#define GAME_CLEVELFLOW_H

#include <cstdint>

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CLevelFlowView.h"

namespace game {

class CLevelFlow {
public:
    // Screen states: what is shown, and so what a click does.
    static constexpr int Playing = 0;  // also on the end picture, where clicks lead nowhere
    static constexpr int LevelCompleteShown = 1;
    static constexpr int LevelFailedShown = 2;
    static constexpr int TitleShown = 3;
    static constexpr int HelpShown = 4;

    static constexpr int LeftButton = 1;

    CLevelFlow(CGameArea& area, CApproachRules& rules, CLevelFlowView& view);
    CLevelFlow(const CLevelFlow&) = delete;
    CLevelFlow& operator=(const CLevelFlow&) = delete;

    // The title picture as the overlay, state TitleShown.
    void ShowTitle();
    // A press of the buttons in `mask`; only the left button alone counts.
    void ButtonPressed(int mask);
    // Carries out what the approach rules decided at a row removal or a fan hit.
    void Apply(CApproachRules::EOutcome outcome);
    void LevelComplete();
    void LevelFailed();
    void NextLevel();
    void StartLevel();

    int GetScreenState() const { return myScreenState; }
    std::uint32_t GetScoreAtLevelStart() const { return myScoreAtLevelStart; }

private:
    CGameArea& myArea;
    CApproachRules& myRules;
    CLevelFlowView& myView;
    std::uint32_t myScoreAtLevelStart = 0;
    int myScreenState = Playing;
};

}  // namespace game

#endif
