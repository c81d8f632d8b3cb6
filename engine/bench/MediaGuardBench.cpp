// What the media guard adds to start-up: the header and block checks of every picture and
// sound under the game's data folder, as the loaders run them (run from the repository root,
// or with TOLM_GAME_DIR naming the game folder). The budget is 2 ms for all of them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tolm/utils/media/MediaGuard.h"

namespace {

using tolm::media::EUse;

struct CDataFile {
    std::string path;
    EUse use;
};

std::vector<CDataFile> GameMediaFiles() {
    const char* dir = std::getenv("TOLM_GAME_DIR");
    if (chdir(dir != nullptr ? dir : "game") != 0) std::abort();
    std::vector<CDataFile> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("data")) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (extension == ".png" || extension == ".gif" || extension == ".bmp" ||
            extension == ".jpg" || extension == ".tga") {
            files.push_back({entry.path().string(), EUse::kPicture});
        } else if (extension == ".wav" || extension == ".ogg") {
            files.push_back({entry.path().string(), EUse::kEffect});
        }
    }
    return files;
}

void BM_AdmitAllGameMedia(benchmark::State& state) {
    static const std::vector<CDataFile> files = GameMediaFiles();
    for (auto _ : state) {
        for (const CDataFile& file : files) {
            if (!tolm::media::Admit(file.path, file.use, 22050)) {
                state.SkipWithError(("refused: " + file.path).c_str());
                return;
            }
        }
    }
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_AdmitAllGameMedia)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
