// Cost of one sound effect as the game plays it: the script line
// `Audio::PlayEffect("...")` routed by the process-wide console to the audio task, with the
// effect already cached. Runs on the dummy audio driver with the game's 16 mixing channels;
// they are silenced outside the timing whenever all are taken, so that every measured play
// finds a free one. The audio thread mixes meanwhile and holds the audio lock that each play
// takes, so the wall time depends on the load of the machine more than the CPU time does.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "SDL_mixer.h"
#include "support/CEngineFixture.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

constexpr int kChannels = 16;

void WriteTone(const std::string& fileName) {
    std::ofstream out(fileName, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    const std::uint32_t samples = 2205;
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(22050, 4);
    put(44100, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) put((i / 20) % 2 ? 0x2000 : 0xe000, 2);
}

void BM_PlayCachedEffect(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string file = "audio_bench_tone.wav";
    WriteTone(file);
    std::optional<tolm::test::CEngineFixture> engine{std::in_place};
    tolm::CConsole* console = &tolm::Console();
    tolm::CTaskLibraries::Load("sdl_mixer");
    console->Execute("starttask(\"audio\", \"Audio\", 10, 22050, \"S16LSB\", 2, 1024, " +
                     std::to_string(kChannels) + ")");
    const std::string line = "Audio::PlayEffect(\"" + file + "\");";
    console->Execute("Audio::PreloadEffect(\"" + file + "\")");

    tolm::CLogger& logger = tolm::Logger();
    logger.RemoveListener(logger.GetDefaultListener());
    int played = 0;
    for (auto _ : state) {
        if (played++ == kChannels) {
            state.PauseTiming();
            Mix_HaltChannel(-1);
            played = 1;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(console->Execute(line));
    }
    logger.AddListener(logger.GetDefaultListener());
    // Every play found its channel: all of them sound at the end.
    state.counters["playing"] = Mix_Playing(-1);
    engine.reset();
    std::remove(file.c_str());
}
BENCHMARK(BM_PlayCachedEffect);

}  // namespace

BENCHMARK_MAIN();
