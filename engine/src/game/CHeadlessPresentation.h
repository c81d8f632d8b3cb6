// A presentation without graphics or sound: applies the approach and score rules to what the
// area reports, counts bursts and fan hits, and ends a level the way the level flow does
// (stop the area; the rules take back a lost level's points). Used by the headless player and
// tests.
// It keeps a plain pointer to the area that owns it; the area outlives it by construction.
#ifndef GAME_CHEADLESSPRESENTATION_H
#define GAME_CHEADLESSPRESENTATION_H

#include <array>
#include <cstdint>

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CGamePresentation.h"

namespace game {

class CHeadlessPresentation : public CGamePresentation {
public:
    // Stops the area, as the graphical presentation does while it shows the title.
    explicit CHeadlessPresentation(CGameArea& area);

    // A factory for CGameArea / CGame that makes one of these.
    static CGameArea::PresentationFactory Factory();
    // The headless presentation of an area, or null if it has another one.
    static CHeadlessPresentation* Of(const CGameArea& area);

    // Begins a level with the given approach divisor: characters to their start, counters to
    // zero, area emptied and started.
    void StartLevel(std::int32_t approachSteps);

    void SetPreview(int line, int number) override;
    void BubblePushed(int line, int number) override;
    void RowRemoved(int line_count) override;
    void FanHit() override;
    void FlushScore() override;

    CApproachRules::EOutcome GetOutcome() const { return myOutcome; }
    const CApproachRules& GetRules() const { return myRules; }
    int GetBursts() const { return myBursts; }
    int GetFanHits() const { return myFanHits; }
    // The waiting bubble each line shows, and how often it was set since StartLevel.
    int GetPreview(int line) const;
    int GetPreviewCount(int line) const;

private:
    void Apply(CApproachRules::EOutcome outcome);

    CGameArea* myArea;
    CApproachRules myRules;
    CApproachRules::EOutcome myOutcome = CApproachRules::EOutcome::None;
    int myBursts = 0;
    int myFanHits = 0;
    std::array<int, CGameArea::kLineCount> myPreviews{};
    std::array<int, CGameArea::kLineCount> myPreviewCounts{};
};

}  // namespace game

#endif
