// What the game shows and sounds, apart from the fixed scenery: the three characters, the
// waiting bubbles, the bubbles gliding up the board, the pictures between levels, the score
// and the sound effects. The presentation owns it and tells it what changed; it reads the
// characters' places from the approach rules it is given, which outlive it, and decides
// nothing itself. It owns its sprite groups (reference-counted) and its score counter.
#ifndef GAME_CGAMEVIEW_H
#define GAME_CGAMEVIEW_H

#include <array>
#include <memory>
#include <string>

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CLevelFlowView.h"
#include "game/CMovingSprite.h"
#include "game/CScoreCounter.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/types/Types.h"
#include "tolm/utils/CSmartPtr.h"

namespace game {

class CGameView : public CLevelFlowView {
public:
    using SpritePtr = tolm::CSmartPtr<tolm::CSprite>;

    static constexpr int kLineCount = CGameArea::kLineCount;
    // Bubbles released from the board show "death" this long.
    static constexpr tolm::types::ticks kDeathTime = 300;

    // Builds the score counter and the three characters, line 0 first.
    explicit CGameView(const CApproachRules& rules);
    CGameView(const CGameView&) = delete;
    CGameView& operator=(const CGameView&) = delete;

    // Centre of the bubble at (line, position) with the line's character at characterX.
    static tolm::types::point BubblePosition(int line, int position, int characterX);
    // A sprite from its description file; an empty one when the file cannot be read.
    static SpritePtr Load(const std::string& file);

    // The board's changes: a new waiting bubble, a line pushed up by one, a row removed with
    // the cells above coming down.
    void SetPreview(int line, int number);
    void PushBubble(int line);
    void RemoveRow(int line_count);
    // The outer characters glide to where the rules now put them, each only if it moved.
    void GlideOuterCharacters(int oldLeftX, int oldRightX);
    void PlayBurstSound(int sound);
    void PlayFanSound();
    void AddScore(std::uint32_t points);

    // The level flow's view.
    void ShowSilenced(int previous, int line) override;
    void ShowScreen(const std::string& file) override;
    void SetOverlay(const std::string& file) override;
    void ReleaseOverlay() override;
    void SetHelpAnimation(const std::string& file) override;
    void ReleaseHelpAnimation() override;
    void PlayCharacters(const std::string& animation) override;
    void JumpOuterCharacters(int leftX, int rightX) override;
    void ShowScore(std::uint32_t score) override;
    void ShowLevel(int number) override;
    void ShowTitleButtons(int continueNumber) override;
    void ShowBestScore(std::uint32_t score, bool onEnd) override;

    const CMovingSpritePtr& GetBubble(int line, int position) const;
    const CMovingSpritePtr& GetPreview(int line) const;
    const CMovingSpritePtr& GetMaker(int line) const;
    const CMovingSpritePtr& GetOverlay() const { return myOverlay; }
    const CMovingSpritePtr& GetHelpAnimation() const { return myHelpAnimation; }
    const CScoreCounter& GetScoreCounter() const { return *myScoreCounter; }

private:
    using Column = std::array<CMovingSpritePtr, CGameArea::kBoardHeight>;

    static CMovingSpritePtr MakeGroup(const std::string& file);
    // Puts the sprite, placed in the picture's coordinates, on the overlay so that it moves
    // with the picture; nothing without an overlay picture.
    void AddToOverlay(SpritePtr sprite);
    // The digits of the score font, their left edge between left and right centred.
    static SpritePtr MakeDigits(const std::string& digits, int left, int right, int top);
    void CreateCharacter(int line, const std::string& body, const std::string& head,
                         const std::string& eyes);
    void GlideBubble(int line, int position);

    const CApproachRules& myRules;
    std::array<Column, kLineCount> myBubbles;
    std::array<CMovingSpritePtr, kLineCount> myBubbleMakers;
    std::array<CMovingSpritePtr, kLineCount> myBubblePreviews;
    std::unique_ptr<CScoreCounter> myScoreCounter;
    CMovingSpritePtr myOverlay;
    CMovingSpritePtr myHelpAnimation;
};

}  // namespace game

#endif
