#include "game/CHeadlessPresentation.h"

namespace game {

CHeadlessPresentation::CHeadlessPresentation(CGameArea& area) : myArea(&area) {
    area.Stop();
}

CGameArea::PresentationFactory CHeadlessPresentation::Factory() {
    return [](CGameArea& area) { return std::make_unique<CHeadlessPresentation>(area); };
}

CHeadlessPresentation* CHeadlessPresentation::Of(const CGameArea& area) {
    return dynamic_cast<CHeadlessPresentation*>(area.GetPresentation());
}

void CHeadlessPresentation::StartLevel(std::int32_t approachSteps) {
    myArea->SetSelectedLine(-1);
    myRules.SetApproachSteps(approachSteps);
    myRules.BeginLevel();
    myOutcome = CApproachRules::EOutcome::None;
    myBursts = 0;
    myFanHits = 0;
    myPreviewCounts = {};
    myArea->Reset();
    myArea->Start();
}

void CHeadlessPresentation::SetPreview(int line, int number) {
    if (line < 0 || line >= CGameArea::kLineCount) return;
    myPreviews[line] = number;
    ++myPreviewCounts[line];
}

void CHeadlessPresentation::BubblePushed(int line, int) {
    // The waiting bubble entered the board; the line shows none until the next preview.
    if (line >= 0 && line < CGameArea::kLineCount) myPreviews[line] = 0;
}

void CHeadlessPresentation::RowRemoved(int line_count) {
    if (CApproachRules::IsBurst(line_count)) ++myBursts;
    Apply(myRules.RowRemoved(line_count));
}

void CHeadlessPresentation::FanHit() {
    ++myFanHits;
    Apply(myRules.FanHit());
}

void CHeadlessPresentation::FlushScore() {
    myRules.FlushScore();
}

int CHeadlessPresentation::GetPreview(int line) const {
    return line >= 0 && line < CGameArea::kLineCount ? myPreviews[line] : 0;
}

int CHeadlessPresentation::GetPreviewCount(int line) const {
    return line >= 0 && line < CGameArea::kLineCount ? myPreviewCounts[line] : 0;
}

void CHeadlessPresentation::Apply(CApproachRules::EOutcome outcome) {
    if (outcome == CApproachRules::EOutcome::None) return;
    myOutcome = outcome;
    myArea->Stop();
    if (outcome == CApproachRules::EOutcome::LevelFailed) myRules.LoseLevel();
}

}  // namespace game
