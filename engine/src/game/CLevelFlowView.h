// What the level flow asks of whoever shows the game: pictures between levels, the
// characters and the score. The game's view implements it; the flow holds it by reference and
// never outlives it.
#ifndef GAME_CLEVELFLOWVIEW_H
#define GAME_CLEVELFLOWVIEW_H

#include <cstdint>
#include <string>

namespace game {

class CLevelFlowView {
public:
    virtual ~CLevelFlowView() = default;

    // The visual side of the silenced line changing from `previous` to `line` (-1: nobody);
    // nothing when they are equal.
    virtual void ShowSilenced(int previous, int line) = 0;
    // Clears the board's bubbles and the waiting ones, silences the characters and drops the
    // picture in from above as the new overlay.
    virtual void ShowScreen(const std::string& file) = 0;
    // The picture replaces the overlay where its file puts it, without moving.
    virtual void SetOverlay(const std::string& file) = 0;
    virtual void ReleaseOverlay() = 0;
    virtual void SetHelpAnimation(const std::string& file) = 0;
    virtual void ReleaseHelpAnimation() = 0;
    // The animation on all three characters.
    virtual void PlayCharacters(const std::string& animation) = 0;
    // The outer characters jump to these centre x at once; the middle one never moves.
    virtual void JumpOuterCharacters(int leftX, int rightX) = 0;
    virtual void ShowScore(std::uint32_t score) = 0;
    // The number of the level being played, counted from 1.
    virtual void ShowLevel(int number) = 0;
    // The title's buttons: with `continueNumber` 0 the one that starts the game, otherwise
    // the choice between going on at that level and starting again from level 1.
    virtual void ShowTitleButtons(int continueNumber) = 0;
    // On the overlay, the title or (onEnd) the end picture: the best final score; it moves
    // with the picture.
    virtual void ShowBestScore(std::uint32_t score, bool onEnd) = 0;
};

}  // namespace game

#endif
