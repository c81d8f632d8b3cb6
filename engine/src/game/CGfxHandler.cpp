#include "game/CGfxHandler.h"

#include "game/CLevelProgress.h"
#include "game/GameLayout.h"
#include "tolm/inputdevice/CMouse.h"

namespace game {
namespace {

using layout::kScreenHeight;
using layout::kScreenWidth;

}  // namespace

CGfxHandler::CGfxHandler(CGameArea& area) {
    myRules.SetApproachSteps(LevelProgress().myApproachSteps);
    myRules.BeginLevel();
    myView = std::make_unique<CGameView>(myRules);
    myFlow = std::make_unique<CLevelFlow>(area, myRules, *myView);
    myPointer = std::make_unique<CPointerController>(myRules, *myFlow);
    // Before anything can run: the game must not play under the title.
    area.Stop();
    myBackground = Load("data/gfx/background.xml");
    myFan = Load("data/gfx/ceiling_fan.xml");
    tolm::Mouse().AddGlobalListener(this);
    myFlow->ShowTitle();
}

CGfxHandler::~CGfxHandler() {
    // First, so that no notification reaches a half-destroyed handler.
    tolm::Mouse().RemoveListener(this);
}

CGameArea::PresentationFactory CGfxHandler::Factory() {
    return [](CGameArea& area) { return std::make_unique<CGfxHandler>(area); };
}

CGfxHandler* CGfxHandler::Of(const CGameArea& area) {
    return dynamic_cast<CGfxHandler*>(area.GetPresentation());
}

void CGfxHandler::SetPreview(int line, int number) {
    myView->SetPreview(line, number);
}

void CGfxHandler::BubblePushed(int line, int /*number*/) {
    myView->PushBubble(line);
}

void CGfxHandler::RowRemoved(int line_count) {
    if (line_count < 0 || line_count >= CVimbo_GameAreaLength) return;
    myView->RemoveRow(line_count);
    const int oldLeftX = myRules.GetLeftX();
    const int oldRightX = myRules.GetRightX();
    const CApproachRules::EOutcome outcome = myRules.RowRemoved(line_count);
    if (CApproachRules::IsBurst(line_count)) {
        myView->GlideOuterCharacters(oldLeftX, oldRightX);
        for (int sound : myRules.GetBurstSounds()) myView->PlayBurstSound(sound);
    }
    myFlow->Apply(outcome);
}

void CGfxHandler::FanHit() {
    const int oldLeftX = myRules.GetLeftX();
    const int oldRightX = myRules.GetRightX();
    const CApproachRules::EOutcome outcome = myRules.FanHit();
    myView->GlideOuterCharacters(oldLeftX, oldRightX);
    myFlow->Apply(outcome);
    myView->PlayFanSound();
}

void CGfxHandler::FlushScore() {
    myView->AddScore(static_cast<std::uint32_t>(myRules.GetPoints()));
    myRules.FlushScore();
    myFlow->ScoreSettled();
}

void CGfxHandler::OnMouseMove(int x, int y) {
    myPointer->PointerMoved(x, y);
}

void CGfxHandler::OnMouseDown(int mask) {
    myPointer->ButtonPressed(mask);
}

tolm::types::rect CGfxHandler::GetArea() const {
    return tolm::types::rect{0, 0, kScreenWidth, kScreenHeight};
}

CGfxHandler::SpritePtr CGfxHandler::Load(const std::string& file) {
    return CGameView::Load(file);
}

}  // namespace game
