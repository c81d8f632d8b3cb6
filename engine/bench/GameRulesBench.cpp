// Cost of the game's rules: steps plus resolves on a full board (they run inside a 60 fps
// loop, so they must stay far below a frame), and the headless player over all eight levels.
#include <benchmark/benchmark.h>

#include <memory>

#include "game/CGameArea.h"
#include "game/CGamePresentation.h"
#include "game/CHeadlessPlayer.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "tolm/utils/random/Random.h"

namespace {

// Takes every call, as a real presentation would, and does nothing with it.
class CSilentPresentation : public game::CGamePresentation {
public:
    void SetPreview(int, int) override { ++myCalls; }
    void BubblePushed(int, int) override { ++myCalls; }
    void RowRemoved(int) override { ++myCalls; }
    void FanHit() override { ++myCalls; }
    void FlushScore() override { ++myCalls; }
    long myCalls = 0;
};

void FillBoard(game::CGameArea& area) {
    const int lowest = game::LevelSettings().myLowestNumber;
    const int span = game::LevelSettings().myHighestNumber - lowest + 1;
    for (int line = 0; line < game::CGameArea::kLineCount; ++line) {
        for (int position = 0; position < game::CVimbo_GameAreaLength; ++position) {
            area.SetCell(line, position, lowest + (position * 7 + line * 3) % span);
        }
    }
}

// Steps and resolves on a board kept full. Argument: -1 silences nobody, so the lines keep
// their alignment, nothing bursts and the fan hits at every resolve; 3 silences a different
// line each step, which makes bursts too.
void BM_StepAndResolveOnFullBoard(benchmark::State& state) {
    const int silence = static_cast<int>(state.range(0));
    game::LevelSettings() = game::CLevelTable::SettingsFor(7);
    CSilentPresentation* presentation = nullptr;
    game::CGameArea area([&presentation](game::CGameArea&) {
        auto made = std::make_unique<CSilentPresentation>();
        presentation = made.get();
        return made;
    });
    tolm::SetRandomSeed(1.0);
    FillBoard(area);
    long steps = 0;
    for (auto _ : state) {
        area.SetSelectedLine(silence < 0 ? -1 : static_cast<int>(steps % 3));
        area.Step();
        area.Resolve();
        ++steps;
        // Refill now and then so that the board stays (nearly) full.
        if ((steps & 63) == 0) FillBoard(area);
    }
    benchmark::DoNotOptimize(presentation->myCalls);
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["calls_per_step"] =
        static_cast<double>(presentation->myCalls) / static_cast<double>(steps);
}
BENCHMARK(BM_StepAndResolveOnFullBoard)->Arg(-1)->Arg(3);

void BM_HeadlessPlayerAllLevels(benchmark::State& state) {
    const game::CHeadlessPlayer player(
        game::CSilenceStrategy(game::CSilenceStrategy::EKind::Lookahead, 3), 1.0);
    int won = 0;
    for (auto _ : state) {
        won = 0;
        for (int level = 0; level < game::CLevelTable::kLevelCount; ++level) {
            won += player.PlayLevel(level).myWon ? 1 : 0;
        }
    }
    state.counters["levels_won"] = won;
}
BENCHMARK(BM_HeadlessPlayerAllLevels)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
