// A presentation for tests of the level flow and the game task: it applies the approach rules
// and runs a real CLevelFlow, as the graphical presentation does, and records what the flow
// asks of the view as lines ("overlay data/gfx/title_screen.xml", "select -1", ...).
#ifndef TESTS_GAME_FLOWTESTSUPPORT_H
#define TESTS_GAME_FLOWTESTSUPPORT_H

#include <memory>
#include <string>
#include <vector>

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CGamePresentation.h"
#include "game/CLevelFlow.h"
#include "game/CLevelFlowView.h"
#include "game/CLevelProgress.h"
#include "game/CLevelSettings.h"

namespace game::test {

class CFlowPresentation : public CGamePresentation, public CLevelFlowView {
public:
    explicit CFlowPresentation(CGameArea& area) : myArea(area), myFlow(area, myRules, *this) {
        area.Stop();
        myFlow.ShowTitle();
    }

    static CGameArea::PresentationFactory Factory() {
        return [](CGameArea& area) { return std::make_unique<CFlowPresentation>(area); };
    }
    static CFlowPresentation* Of(const CGameArea& area) {
        return dynamic_cast<CFlowPresentation*>(area.GetPresentation());
    }

    void SetPreview(int, int) override {}
    void BubblePushed(int, int) override {}
    void RowRemoved(int line_count) override { myFlow.Apply(myRules.RowRemoved(line_count)); }
    void FanHit() override { myFlow.Apply(myRules.FanHit()); }
    void FlushScore() override {
        myRules.FlushScore();
        ShowScore(myRules.GetScore());
    }

    void Select(int line) override { Add("select " + std::to_string(line)); }
    void ShowScreen(const std::string& file) override { Add("screen " + file); }
    void SetOverlay(const std::string& file) override { Add("overlay " + file); }
    void ReleaseOverlay() override { Add("release overlay"); }
    void SetHelpAnimation(const std::string& file) override { Add("help " + file); }
    void ReleaseHelpAnimation() override { Add("release help"); }
    void PlayCharacters(const std::string& animation) override { Add("play " + animation); }
    void JumpOuterCharacters(int leftX, int rightX) override {
        Add("jump " + std::to_string(leftX) + " " + std::to_string(rightX));
    }
    void ShowScore(std::uint32_t score) override { myShownScore = score; }

    // One burst per resolve, on a matching bottom row, until the level ends (or 100 tries).
    void BurstUntilStopped() {
        for (int i = 0; i < 100 && !myArea.IsStopped(); ++i) {
            for (int line = 0; line < CGameArea::LineCount; ++line) myArea.SetCell(line, 0, 1);
            myArea.Resolve();
        }
    }
    // One fan hit per resolve until the level ends (or 100 tries).
    void FanUntilStopped() {
        for (int i = 0; i < 100 && !myArea.IsStopped(); ++i) {
            myArea.SetCell(0, CVimbo_GameAreaLength - 1, 1);
            myArea.Resolve();
        }
    }

    CGameArea& myArea;
    CApproachRules myRules;
    CLevelFlow myFlow;
    std::vector<std::string> myCalls;
    std::uint32_t myShownScore = 0;

private:
    void Add(const std::string& call) { myCalls.push_back(call); }
};

// Puts the process-wide level state back as a fresh process has it.
inline void ResetLevelState() {
    LevelProgress() = CLevelProgress();
    LevelSettings() = CLevelSettings();
}

}  // namespace game::test

#endif
