#include "game/CSilenceStrategy.h"

#include <algorithm>

namespace game {
namespace {

constexpr int kLines = CGameArea::kLineCount;
constexpr int kTopRow = CVimbo_GameAreaLength - 1;

constexpr double kBurstWorth = 10.0;
constexpr double kFanHitWorth = -14.0;
constexpr double kPairWorth = 1.0;
constexpr double kHeightPenalty = 1.0;
constexpr int kSafeHeight = 10;
constexpr double kDiscount = 0.9;

// Negative, distinct per line: never equal to a real number or to each other.
constexpr std::int32_t Unknown(int line) {
    return -1 - line;
}

void RemoveRow(CGameArea::Board& board, int row) {
    for (int position = row; position < CVimbo_GameAreaLength; ++position) {
        for (int line = 0; line < kLines; ++line) board[line][position] = board[line][position + 1];
    }
}

bool RowMatches(const CGameArea::Board& board, int row) {
    const std::int32_t value = board[0][row];
    return value != 0 && board[1][row] == value && board[2][row] == value;
}

int Height(const CGameArea::Column& column) {
    for (int position = kTopRow; position >= 0; --position) {
        if (column[position] != 0) return position + 1;
    }
    return 0;
}

}  // namespace

CSilenceStrategy::CSilenceStrategy(EKind kind, int depth)
    : myKind(kind), myDepth(std::max(1, depth)) {}

int CSilenceStrategy::Choose(const CGameArea& area) const {
    Numbers next;
    for (int line = 0; line < kLines; ++line) next[line] = area.GetNextNumber(line);
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
    for (int line = 0; line < kLines; ++line) {
        if (line == silenced) continue;
        CGameArea::Column& column = board[line];
        for (int position = kTopRow; position > 0; --position) {
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
    for (int line = 0; line < kLines; ++line) {
        if (board[line][kTopRow] != 0) {
            if (fanHits != nullptr) ++*fanHits;
            RemoveRow(board, kTopRow);
        }
    }
    return bursts;
}

double CSilenceStrategy::Search(const CGameArea::Board& board, const Numbers& next, int depth,
                                int* bestChoice) const {
    double bestValue = 0.0;
    for (int silenced = -1; silenced < kLines; ++silenced) {
        CGameArea::Board copy = board;
        int fanHits = 0;
        const int bursts = SimulateStep(copy, next, silenced, &fanHits);
        double value = kBurstWorth * bursts + kFanHitWorth * fanHits;
        if (depth > 1) {
            Numbers unknown;
            for (int line = 0; line < kLines; ++line) {
                unknown[line] = line == silenced ? next[line] : Unknown(line);
            }
            value += kDiscount * Search(copy, unknown, depth - 1, nullptr);
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
        if (a > 0 && a == b) value += kPairWorth;
        if (b > 0 && b == c) value += kPairWorth;
        if (a > 0 && a == c) value += kPairWorth;
    }
    for (int line = 0; line < kLines; ++line) {
        const int over = Height(board[line]) - kSafeHeight;
        if (over > 0) value -= kHeightPenalty * over * over;
    }
    return value;
}

}  // namespace game
