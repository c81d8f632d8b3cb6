// Cost of the input path: one event-task update that empties SDL's queue of 100 pointer
// motions, each going through the event manager and the mouse device to ten area listeners
// (nine see-through ones over the whole screen and a blocking one at the bottom). SDL's
// video part runs under the dummy driver; filling the queue is not measured.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "SDL.h"
#include "tolm/inputdevice/CMouse.h"
#include "tolm/tasks/task_sdl/CTaskEventSDL.h"

namespace {

class CCountingListener : public tolm::CMouseListener {
public:
    explicit CCountingListener(bool blocks) : myBlocks(blocks) {}
    void OnMouseMove(int x, int y) override { benchmark::DoNotOptimize(myCount += x + y); }
    void OnMouseLeave(int, int) override {}
    void OnMouseDown(int) override {}
    void OnMouseUp(int) override {}
    bool Blocks() const override { return myBlocks; }
    tolm::types::rect GetArea() const override { return tolm::types::rect(0, 0, 800, 600); }
    int GetDepth() const override { return 0; }
    long myCount = 0;

private:
    bool myBlocks;
};

constexpr int kEvents = 100;
constexpr int kListeners = 10;

void BM_PumpMotionThroughMouseDevice(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    {
        tolm::CTaskEventSDL task;
        task.Start();
        std::vector<std::unique_ptr<CCountingListener>> listeners;
        for (int i = 0; i < kListeners; ++i) {
            listeners.push_back(std::make_unique<CCountingListener>(i == kListeners - 1));
            tolm::Mouse().AddAreaListener(listeners.back().get());
        }
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        for (auto _ : state) {
            state.PauseTiming();
            for (int i = 0; i < kEvents; ++i) {
                event.motion.x = static_cast<Uint16>(i * 7 % 800);
                event.motion.y = static_cast<Uint16>(i * 5 % 600);
                SDL_PushEvent(&event);
            }
            state.ResumeTiming();
            task.Update();
        }
        state.counters["per_event"] =
            benchmark::Counter(static_cast<double>(state.iterations()) * kEvents,
                               benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
        if (listeners.back()->myCount == 0) state.SkipWithError("no motion arrived");
    }
    SDL_Quit();
}
BENCHMARK(BM_PumpMotionThroughMouseDevice)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
