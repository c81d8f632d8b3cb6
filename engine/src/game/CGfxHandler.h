// Everything the game shows and sounds: background, fan, the three characters, the waiting
// bubbles, the bubbles gliding up the board, the pictures between levels and the score. The
// area creates it and tells it of every change; it turns pointer movement into the choice of
// the silenced character, applies the approach rules, and runs the level flow on clicks.
// It owns its sprite groups (through reference-counted pointers), its score counter, its
// approach rules and its level flow; the area that owns it outlives it. While it exists it is
// a global listener of the mouse device.
#ifndef GAME_CGFXHANDLER_H
#define GAME_CGFXHANDLER_H

#include <array>
#include <memory>
#include <string>

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CGamePresentation.h"
#include "game/CLevelFlow.h"
#include "game/CLevelFlowView.h"
#include "game/CMouseListenerAdapter.h"
#include "game/CMovingSprite.h"
#include "game/CScoreCounter.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/utils/CSmartPtr.h"

namespace game {

class CGfxHandler : public CMouseListenerAdapter, public CGamePresentation, public CLevelFlowView {
public:
    static constexpr int LineCount = CGameArea::LineCount;
    // Bubbles released from the board show "death" this long.
    static constexpr tolm::types::ticks DeathTime = 300;
    // At or above this y the pointer silences nobody.
    static constexpr int SilenceLineY = 380;

    // Stops the area and shows the title.
    explicit CGfxHandler(CGameArea& area);
    ~CGfxHandler() override;
    CGfxHandler(const CGfxHandler&) = delete;
    CGfxHandler& operator=(const CGfxHandler&) = delete;

    // A factory for CGameArea that makes one of these.
    static CGameArea::PresentationFactory Factory();
    static CGfxHandler* Of(const CGameArea& area);

    // Centre of the bubble at (line, position) with the line's character at characterX.
    static tolm::types::point BubblePosition(int line, int position, int characterX);

    // The area's notifications.
    void SetPreview(int line, int number) override;
    void BubblePushed(int line, int number) override;
    void RowRemoved(int line_count) override;
    void FanHit() override;
    void FlushScore() override;

    // The mouse: the pointer's x chooses the silenced character, a press goes to the flow.
    void OnMouseMove(int x, int y) override;
    void OnMouseDown(int mask) override;
    tolm::types::rect GetArea() const override;

    // The level flow's view.
    void Select(int line) override;
    void ShowScreen(const std::string& file) override;
    void SetOverlay(const std::string& file) override;
    void ReleaseOverlay() override;
    void SetHelpAnimation(const std::string& file) override;
    void ReleaseHelpAnimation() override;
    void PlayCharacters(const std::string& animation) override;
    void JumpOuterCharacters(int leftX, int rightX) override;
    void ShowScore(std::uint32_t score) override;
    void ShowLevel(int number) override;

    int GetSelectedLine() const { return mySelectedLine; }
    const CMovingSpritePtr& GetBubble(int line, int position) const;
    const CMovingSpritePtr& GetPreview(int line) const;
    const CMovingSpritePtr& GetMaker(int line) const;
    const CMovingSpritePtr& GetOverlay() const { return myOverlay; }
    const CMovingSpritePtr& GetHelpAnimation() const { return myHelpAnimation; }
    const CScoreCounter& GetScoreCounter() const { return *myScoreCounter; }
    const CApproachRules& GetRules() const { return myRules; }
    CLevelFlow& GetFlow() { return *myFlow; }

private:
    using SpritePtr = tolm::CSmartPtr<tolm::CSprite>;
    using Column = std::array<CMovingSpritePtr, CGameArea::BoardHeight>;

    static SpritePtr Load(const std::string& file);
    static CMovingSpritePtr MakeGroup(const std::string& file);
    void CreateCharacter(int line, const std::string& body, const std::string& head,
                         const std::string& eyes);
    void GlideBubble(int line, int position);
    void GlideOuterCharacters(int oldLeftX, int oldRightX);
    void PlayBurstSound();
    void PlayFanSound();

    int mySelectedLine = -1;
    std::array<Column, LineCount> myBubbles;
    std::array<CMovingSpritePtr, LineCount> myBubbleMakers;
    std::array<CMovingSpritePtr, LineCount> myBubblePreviews;
    SpritePtr myBackground;
    SpritePtr myFan;
    std::unique_ptr<CScoreCounter> myScoreCounter;
    CGameArea* myArea;
    CMovingSpritePtr myOverlay;
    CMovingSpritePtr myHelpAnimation;
    // Character positions, the approach step, the points of the resolve and the score.
    CApproachRules myRules;
    // Screen state and the score at level start.
    std::unique_ptr<CLevelFlow> myFlow;
};

}  // namespace game

#endif
