// What the game area tells whoever shows the game. The area owns its presentation and calls
// it on every change of the board; the graphical one and the headless one implement this, so
// the rules run the same with or without a screen.
#ifndef GAME_CGAMEPRESENTATION_H
#define GAME_CGAMEPRESENTATION_H

namespace game {

class CGamePresentation {
public:
    virtual ~CGamePresentation() = default;

    // `number` becomes the waiting bubble of `line`.
    virtual void SetPreview(int line, int number) = 0;
    // The line's bubbles went up one cell and its waiting bubble entered cell 0.
    virtual void BubblePushed(int line, int number) = 0;
    // Row `line_count` went away and the cells above it came down by one.
    virtual void RowRemoved(int line_count) = 0;
    // Called just before the top row is removed because a bubble reached the fan.
    virtual void FanHit() = 0;
    // Called at the end of every resolve.
    virtual void FlushScore() = 0;
};

}  // namespace game

#endif
