// The board and its rules: three lines of bubbles, steps that push the waiting bubbles in,
// resolves that burst equal rows and let the fan clear the top row. The area owns its
// presentation, which it creates through a replaceable factory and tells of every change.
#ifndef GAME_CGAMEAREA_H
#define GAME_CGAMEAREA_H

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "game/CGamePresentation.h"

namespace game {

// Positions in play per line: 0 at the bottom next to the character, 14 next to the fan.
constexpr int CVimbo_GameAreaLength = 15;

class CGameArea {
public:
    static constexpr int kLineCount = 3;
    // One more position than in play: the top cell takes it when a row is removed.
    static constexpr int kBoardHeight = CVimbo_GameAreaLength + 1;
    using Column = std::array<std::int32_t, kBoardHeight>;
    using Board = std::array<Column, kLineCount>;

    // Makes the presentation of a new area. It receives the area under construction (board
    // empty, not stopped) and may call Stop on it; the area owns what it returns and keeps it
    // until the area is destroyed. A null result means no presentation: every call to it is
    // then skipped.
    using PresentationFactory = std::function<std::unique_ptr<CGamePresentation>(CGameArea&)>;

    explicit CGameArea(const PresentationFactory& factory);
    ~CGameArea();
    CGameArea(const CGameArea&) = delete;
    CGameArea& operator=(const CGameArea&) = delete;

    // Values outside 0..2 silence nobody; they are stored as they arrive.
    void SetSelectedLine(std::int32_t line) { mySelectedLine = line; }
    std::int32_t GetSelectedLine() const { return mySelectedLine; }

    void Stop() { myStopped = true; }
    void Start() { myStopped = false; }
    bool IsStopped() const { return myStopped; }

    void Reset();
    void Step();
    void Resolve();

    std::int32_t PickNumber(int line);
    void PushBubble(int line, std::int32_t number);
    void RemoveRow(int line_count);

    const Board& GetBoard() const { return myBoard; }
    std::int32_t GetCell(int line, int position) const;
    std::int32_t GetNextNumber(int line) const;
    CGamePresentation* GetPresentation() const { return myPresentation.get(); }
    // Steps that ran (the area was not stopped) since construction or the last Reset.
    int GetStepCount() const { return myStepCount; }

    // For tests and tools that set up a position; the presentation is not told.
    void SetCell(int line, int position, std::int32_t number);
    void SetNextNumber(int line, std::int32_t number);

private:
    bool IsSilenced(int line) const { return line == mySelectedLine; }
    void ChooseNextNumbers();
    void ShowAllPreviews();
    bool RowMatches(int position) const;

    std::int32_t mySelectedLine = -1;
    Board myBoard{};
    std::unique_ptr<CGamePresentation> myPresentation;
    std::array<std::int32_t, kLineCount> myNextNumbers{};
    bool myStopped = false;
    int myStepCount = 0;
    // Kept between picks so a pick allocates nothing once the range has been seen.
    std::vector<float> myWeights;
};

}  // namespace game

#endif
