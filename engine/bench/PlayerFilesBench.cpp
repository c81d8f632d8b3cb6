// What the player's files cost: reading progress.xml and settings.xml at start (a file as
// the game writes it, a missing one, a broken one moved aside), and the safe write of a level
// won, which happens in a frame. The files live in a fresh folder under the system's
// temporary folder, or under the folder named by TOLM_BENCH_DIR (to measure the player's
// real disk, whose flush costs more than a memory file system's).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/CSavedProgress.h"
#include "tolm/tasks/CPlayerSettings.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

std::string Folder() {
    const char* chosen = std::getenv("TOLM_BENCH_DIR");
    const std::filesystem::path base =
        chosen != nullptr ? std::filesystem::path(chosen) : std::filesystem::temp_directory_path();
    const std::filesystem::path folder = base / ("tolm-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder.string();
}

const std::string& BenchFolder() {
    static const std::string folder = Folder();
    return folder;
}

std::string Name(const char* file) {
    return BenchFolder() + "/" + file;
}

void Write(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << text;
}

// As the game writes it after level 5 of a finished game.
const char* const kProgress =
    "<progress>\n  <best>\n    412300\n  </best>\n  <finished>\n    1\n  </finished>\n"
    "  <level>\n    5\n  </level>\n  <score>\n    99100\n  </score>\n</progress>\n";
const char* const kSettings =
    "<settings>\n  <fullscreen>\n    1\n  </fullscreen>\n  <mute>\n    0\n  </mute>\n"
    "  <volume>\n    96\n  </volume>\n</settings>\n";

void BM_StartReadsProgressAndSettings(benchmark::State& state) {
    Write(Name("progress.xml"), kProgress);
    Write(Name("settings.xml"), kSettings);
    for (auto _ : state) {
        game::SavedProgress().Open(Name("progress.xml"));
        tolm::PlayerSettings().Open(Name("settings.xml"));
        benchmark::DoNotOptimize(game::SavedProgress().GetLevelIndex());
    }
}
BENCHMARK(BM_StartReadsProgressAndSettings)->Unit(benchmark::kMicrosecond);

void BM_StartWithoutFiles(benchmark::State& state) {
    for (auto _ : state) {
        game::SavedProgress().Open(Name("none-progress.xml"));
        tolm::PlayerSettings().Open(Name("none-settings.xml"));
    }
}
BENCHMARK(BM_StartWithoutFiles)->Unit(benchmark::kMicrosecond);

// The worst start: a file at the size limit that is refused and moved aside.
void BM_StartMovesABrokenFileAside(benchmark::State& state) {
    const std::string broken = "<progress>" + std::string(tolm::CPlayerFile::kMaxSize - 12, 'x');
    for (auto _ : state) {
        state.PauseTiming();
        Write(Name("progress.xml"), broken);
        state.ResumeTiming();
        game::SavedProgress().Open(Name("progress.xml"));
    }
}
BENCHMARK(BM_StartMovesABrokenFileAside)->Unit(benchmark::kMicrosecond);

// A level won, as the frame sees it: the record queued for the writer thread. Each write is
// waited for outside the timing, as levels are won seconds apart.
void BM_LevelWonInTheFrame(benchmark::State& state) {
    Write(Name("progress.xml"), kProgress);
    game::SavedProgress().Open(Name("progress.xml"));
    std::uint32_t score = 0;
    for (auto _ : state) {
        game::SavedProgress().RecordLevelReached(3, score += 100);
        state.PauseTiming();
        tolm::CPlayerFile::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LevelWonInTheFrame)->Unit(benchmark::kMicrosecond);

// The whole safe write on the writer thread (temporary file, flush, rename, folder flush):
// what a frame would cost if it wrote itself.
void BM_LevelWonWrittenToTheDisk(benchmark::State& state) {
    Write(Name("progress.xml"), kProgress);
    game::SavedProgress().Open(Name("progress.xml"));
    std::uint32_t score = 0;
    for (auto _ : state) {
        game::SavedProgress().RecordLevelReached(3, score += 100);
        tolm::CPlayerFile::Settle();
    }
}
BENCHMARK(BM_LevelWonWrittenToTheDisk)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // The set-aside lines go beside the files, not into the working directory.
    tolm::Logger().SetFileName(Name("log.txt"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::error_code ignored;
    std::filesystem::remove_all(BenchFolder(), ignored);
    return 0;
}
