// Plays the game's levels without graphics, on the real rules, with a simulated clock
// (frames of 16 ms), and prints for each level: won or lost, steps, bursts, fan hits, score
// and simulated play time. Each level starts from score 0 with the generator seeded with the
// given seed, so one level plays the same alone or within --all.
//
// Strategies for choosing the silenced character (--strategy):
//   lookahead (default)  before each step, try the four choices (nobody, left, middle,
//                        right) on a copy of the board for --depth steps (default 3): push the
//                        known waiting bubbles, burst and let the fan hit as the rules do,
//                        treating waiting bubbles not yet drawn as matching nothing. Count 10
//                        per burst and -14 per fan hit, and at the end of each path +1 per pair
//                        of equal bubbles at one height and minus the square of how far any
//                        line is above height 10. Take the first move of the best path.
//   nobody               never silence anyone.
//
// Usage: headless_player [--level 1..8 | --all] [--seed S] [--strategy lookahead|nobody]
//                        [--depth D]
// Exit code: 0 when every level played was won, 1 otherwise, 2 for bad arguments.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/CHeadlessPlayer.h"
#include "game/CLevelTable.h"

namespace {

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: headless_player [--level 1..8 | --all] [--seed S] "
                 "[--strategy lookahead|nobody] [--depth D]\n");
}

bool ParseInt(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < -1000000 || parsed > 1000000) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseDouble(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    int firstLevel = 0;
    int lastLevel = game::CLevelTable::kLevelCount - 1;
    double seed = 1.0;
    int depth = 3;
    game::CSilenceStrategy::EKind kind = game::CSilenceStrategy::EKind::Lookahead;

    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--all") {
            firstLevel = 0;
            lastLevel = game::CLevelTable::kLevelCount - 1;
        } else if (argument == "--level" && hasValue) {
            int level = 0;
            if (!ParseInt(argv[++i], level) || level < 1 || level > game::CLevelTable::kLevelCount) {
                PrintUsage();
                return 2;
            }
            firstLevel = lastLevel = level - 1;
        } else if (argument == "--seed" && hasValue) {
            if (!ParseDouble(argv[++i], seed)) {
                PrintUsage();
                return 2;
            }
        } else if (argument == "--depth" && hasValue) {
            if (!ParseInt(argv[++i], depth) || depth < 1 || depth > 6) {
                PrintUsage();
                return 2;
            }
        } else if (argument == "--strategy" && hasValue) {
            const std::string name = argv[++i];
            if (name == "lookahead") {
                kind = game::CSilenceStrategy::EKind::Lookahead;
            } else if (name == "nobody") {
                kind = game::CSilenceStrategy::EKind::Nobody;
            } else {
                PrintUsage();
                return 2;
            }
        } else {
            PrintUsage();
            return 2;
        }
    }

    const game::CHeadlessPlayer player(game::CSilenceStrategy(kind, depth), seed);
    bool allWon = true;
    for (int level = firstLevel; level <= lastLevel; ++level) {
        const game::SLevelResult result = player.PlayLevel(level);
        const char* verdict = !result.myDecided ? "undecided" : result.myWon ? "won" : "lost";
        std::printf(
            "level %d: %s, steps %d, bursts %d, fan hits %d, score %u, play time %u.%03u s\n",
            level + 1, verdict, result.mySteps, result.myBursts, result.myFanHits,
            static_cast<unsigned>(result.myScore), result.myPlayTime / 1000u,
            result.myPlayTime % 1000u);
        allWon = allWon && result.myWon;
    }
    return allWon ? 0 : 1;
}
