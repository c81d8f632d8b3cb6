#include "game/CSilenceStrategy.h"

#include <algorithm>

namespace game {
namespace {

constexpr int Lines = CGameArea::LineCount;
constexpr int TopRow = CVimbo_GameAreaLength - 1;

constexpr double BurstWorth = 10.0;
constexpr double FanHitWorth = -14.0;
constexpr double PairWorth = 1.0;
constexpr double HeightPenalty = 1.0;
constexpr int SafeHeight = 10;
constexpr double Discount = 0.9;

// Negative, distinct per line: never equal to a real number or to each other.
constexpr std::int32_t Unknown(int line) {
    return -1 - line;
}

void RemoveRow(CGameArea::Board& board, int row) {
    for (int position = row; position < CVimbo_GameAreaLength; ++position) {
        for (int line = 0; line < Lines; ++line) board[line][position] = board[line][position + 1];
    }
}

bool RowMatches(const CGameArea::Board& board, int row) {
    const std::int32_t value = board[0][row];
    return value != 0 && board[1][row] == value && board[2][row] == value;
}

int Height(const CGameArea::Column& column) {
    for (int position = TopRow; position >= 0; --position) {
        if (column[position] != 0) return position + 1;
    }
    return 0;
}

}  // namespace

CSilenceStrategy::CSilenceStrategy(EKind kind, int depth)
    : myKind(kind), myDepth(std::max(1, depth)) {}

int CSilenceStrategy::Choose(const CGameArea& area) const {
    Numbers next;
    for (int line = 0; line < Lines; ++line) next[line] = area.GetNextNumber(line);
    return Choose(area.GetBoard(), next);
}

int CSilenceStrategy::Choose(const CGameArea::Board& board, const Numbers& next) const {
    if (myKind == EKind::Nobody) return -1;
    int best = -1;
    Search(board, next, myDepth, &best);
    return best;
}

int CSilenceStrategy::SimulateStep(CGameArea::Board& board, const Numbers& next, int silenced,
                                   int* fanHits) {
    for (int line = 0; line < Lines; ++line) {
        if (line == silenced) continue;
        CGameArea::Column& column = board[line];
        for (int position = TopRow; position > 0; --position) {
            column[position] = column[position - 1];
        }
        column[0] = next[line];
    }
    int bursts = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < CVimbo_GameAreaLength; ++row) {
            if (RowMatches(board, row)) {
                RemoveRow(board, row);
                ++bursts;
            }
        }
    }
    for (int line = 0; line < Lines; ++line) {
        if (board[line][TopRow] != 0) {
            if (fanHits != nullptr) ++*fanHits;
            RemoveRow(board, TopRow);
        }
    }
    return bursts;
}

double CSilenceStrategy::Search(const CGameArea::Board& board, const Numbers& next, int depth,
                                int* bestChoice) const {
    double bestValue = 0.0;
    for (int silenced = -1; silenced < Lines; ++silenced) {
        CGameArea::Board copy = board;
        int fanHits = 0;
        const int bursts = SimulateStep(copy, next, silenced, &fanHits);
        double value = BurstWorth * bursts + FanHitWorth * fanHits;
        if (depth > 1) {
            Numbers unknown;
            for (int line = 0; line < Lines; ++line) {
                unknown[line] = line == silenced ? next[line] : Unknown(line);
            }
            value += Discount * Search(copy, unknown, depth - 1, nullptr);
        } else {
            value += Evaluate(copy);
        }
        if (silenced == -1 || value > bestValue) {
            bestValue = value;
            if (bestChoice != nullptr) *bestChoice = silenced;
        }
    }
    return bestValue;
}

double CSilenceStrategy::Evaluate(const CGameArea::Board& board) {
    double value = 0.0;
    for (int row = 0; row < CVimbo_GameAreaLength; ++row) {
        const std::int32_t a = board[0][row];
        const std::int32_t b = board[1][row];
        const std::int32_t c = board[2][row];
        if (a > 0 && a == b) value += PairWorth;
        if (b > 0 && b == c) value += PairWorth;
        if (a > 0 && a == c) value += PairWorth;
    }
    for (int line = 0; line < Lines; ++line) {
        const int over = Height(board[line]) - SafeHeight;
        if (over > 0) value -= HeightPenalty * over * over;
    }
    return value;
}

}  // namespace game
