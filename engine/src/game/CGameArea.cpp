#include "game/CGameArea.h"

#include "game/CLevelSettings.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

bool IsLine(int line) {
    return line >= 0 && line < CGameArea::kLineCount;
}

}  // namespace

CGameArea::CGameArea(const PresentationFactory& factory) {
    if (factory) myPresentation = factory(*this);
    tolm::SetRandomSeed(tolm::ClockSeed());
    ChooseNextNumbers();
    ShowAllPreviews();
}

CGameArea::~CGameArea() = default;

void CGameArea::Reset() {
    mySelectedLine = -1;
    myBoard = Board{};
    myStepCount = 0;
    ChooseNextNumbers();
    ShowAllPreviews();
}

void CGameArea::Step() {
    if (myStopped) return;
    ++myStepCount;
    for (int line = 0; line < kLineCount; ++line) {
        if (!IsSilenced(line)) PushBubble(line, myNextNumbers[line]);
    }
    // The weights must see the board after the pushes.
    ChooseNextNumbers();
    for (int line = 0; line < kLineCount; ++line) {
        if (!IsSilenced(line) && myPresentation) {
            myPresentation->SetPreview(line, myNextNumbers[line]);
        }
    }
}

bool CGameArea::RowMatches(int position) const {
    const std::int32_t value = myBoard[0][position];
    return value != 0 && myBoard[1][position] == value && myBoard[2][position] == value;
}

void CGameArea::Resolve() {
    // Read once: a level that ends inside this resolve still finishes it.
    if (myStopped) return;
    // A row that drops into the position just examined waits for the second pass, and a
    // third such row for the next resolve; the game's pace depends on that.
    for (int pass = 0; pass < 2; ++pass) {
        for (int position = 0; position < CVimbo_GameAreaLength; ++position) {
            if (RowMatches(position)) RemoveRow(position);
        }
    }
    const int top = CVimbo_GameAreaLength - 1;
    for (int line = 0; line < kLineCount; ++line) {
        if (myBoard[line][top] != 0) {
            if (myPresentation) myPresentation->FanHit();
            RemoveRow(top);
        }
    }
    if (myPresentation) myPresentation->FlushScore();
}

std::int32_t CGameArea::PickNumber(int line) {
    const CLevelSettings& settings = LevelSettings();
    const std::int32_t lowest = settings.myLowestNumber;
    const std::int32_t count = settings.myHighestNumber - lowest + 1;
    if (count < 1) return lowest;

    myWeights.assign(static_cast<std::size_t>(count), 1.0f / static_cast<float>(count));
    if (IsLine(line)) {
        for (int position = 0; position < CVimbo_GameAreaLength; ++position) {
            const std::int32_t value = myBoard[line][position];
            if (value == 0) continue;
            const std::int64_t index = static_cast<std::int64_t>(value) - lowest;
            if (index >= 0 && index < count) myWeights[static_cast<std::size_t>(index)] *= 0.5f;
        }
    }
    float sum = 0.0f;
    for (float weight : myWeights) sum += weight;
    const float scale = 1.0f / sum;
    for (float& weight : myWeights) weight *= scale;

    float r = static_cast<float>(tolm::RandomUnit());
    for (std::int32_t i = 0; i < count; ++i) {
        const float weight = myWeights[static_cast<std::size_t>(i)];
        if (weight >= r) return lowest + i;
        r -= weight;
    }

    tolm::Logger() << "Random problems: " << r << std::endl;
    for (float weight : myWeights) tolm::Logger() << weight << ", ";
    tolm::Logger() << std::endl;
    // The highest number of the range: rounding left r just above the total, so the last
    // number is the one it was meant to reach. The count is no number of the range unless
    // the range starts at 1.
    return settings.myHighestNumber;
}

void CGameArea::PushBubble(int line, std::int32_t number) {
    if (!IsLine(line)) return;
    Column& column = myBoard[line];
    for (int position = CVimbo_GameAreaLength - 1; position > 0; --position) {
        column[position] = column[position - 1];
    }
    column[0] = number;
    if (myPresentation) myPresentation->BubblePushed(line, number);
}

void CGameArea::RemoveRow(int line_count) {
    if (line_count < 0 || line_count >= CVimbo_GameAreaLength) return;
    for (int position = line_count; position < CVimbo_GameAreaLength; ++position) {
        for (int line = 0; line < kLineCount; ++line) {
            myBoard[line][position] = myBoard[line][position + 1];
        }
    }
    if (myPresentation) myPresentation->RowRemoved(line_count);
}

void CGameArea::ChooseNextNumbers() {
    const std::int32_t skip = mySelectedLine;
    for (int line = 0; line < kLineCount; ++line) {
        if (line != skip) myNextNumbers[line] = PickNumber(line);
    }
    const CLevelSettings& settings = LevelSettings();
    // With a single number in the range no redraw could ever break the three up.
    if (settings.myLowestNumber >= settings.myHighestNumber) return;
    while (myNextNumbers[0] == myNextNumbers[1] && myNextNumbers[1] == myNextNumbers[2]) {
        int line = tolm::Random(0, kLineCount - 1);
        while (line == skip) line = tolm::Random(0, kLineCount - 1);
        myNextNumbers[line] = tolm::Random(settings.myLowestNumber, settings.myHighestNumber);
    }
}

void CGameArea::ShowAllPreviews() {
    if (!myPresentation) return;
    for (int line = 0; line < kLineCount; ++line) {
        myPresentation->SetPreview(line, myNextNumbers[line]);
    }
}

std::int32_t CGameArea::GetCell(int line, int position) const {
    if (!IsLine(line) || position < 0 || position >= kBoardHeight) return 0;
    return myBoard[line][position];
}

std::int32_t CGameArea::GetNextNumber(int line) const {
    return IsLine(line) ? myNextNumbers[line] : 0;
}

void CGameArea::SetCell(int line, int position, std::int32_t number) {
    // The top cell past play stays empty; RemoveRow relies on it.
    if (!IsLine(line) || position < 0 || position >= CVimbo_GameAreaLength) return;
    myBoard[line][position] = number;
}

void CGameArea::SetNextNumber(int line, std::int32_t number) {
    if (IsLine(line)) myNextNumbers[line] = number;
}

}  // namespace game
