// Cost of one frame of the game being played, as the graphics task draws it: game update,
// gliding groups, animations, screen-layer update and flip, on an 800 x 600 32-bit screen
// (dummy video driver) with the game's own pictures. The pointer silences the character that
// the headless player's strategy picks, and clicks lead on from every picture, so the frames
// are those of a level in play. Run from the repository root (the pictures are read from
// game/, or from the directory named by TOLM_GAME_DIR).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "SDL.h"
#include "game/CAutoPlayTask.h"
#include "game/CGame.h"
#include "game/CGfxHandler.h"
#include "game/CSilenceStrategy.h"
#include "support/CEngineFixture.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/utils/random/Random.h"
#include "tolm/utils/timer/SystemTime.h"

namespace {

using namespace tolm;

constexpr types::ticks kFrame = 16;

// Takes the game's sound commands as the audio task would, without sound or log lines.
class CSilentAudio : public CTask {
public:
    void Update() override {}
    bool HandleCommand(const std::string&) override { return true; }
};
CTaskRegistrar<CSilentAudio> ourSilentAudio("silent_audio");

class CPlayedGame {
public:
    CPlayedGame() : myClock(1000) {
        const char* dir = std::getenv("TOLM_GAME_DIR");
        if (chdir(dir != nullptr ? dir : "game") != 0) std::abort();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
        Gfx::SetFactory(new CGfxFactorySDL);
        myScreen = std::make_unique<CScreenBufferSDL>(SDL_GetVideoSurface());
        Gfx::SetScreen(myScreen.get());
        TaskFactory().StartTask("silent_audio", "Audio", 40, nullptr);
        myGame = std::make_unique<game::CGame>(game::CGfxHandler::Factory());
        SetRandomSeed(1.0);
        myView = game::CGfxHandler::Of(myGame->GetArea());
        // Through the title and the help into the first level.
        myView->OnMouseDown(1);
        myView->OnMouseDown(1);
    }
    ~CPlayedGame() {
        myGame.reset();
        for (int i = 0; i < 20; ++i) {
            myClock.Advance(kFrame);
            UpdateFakeThreads(0);
        }
        myEngine.reset();
        Gfx::SetScreen(nullptr);
        myScreen.reset();
        SDL_Quit();
    }

    void Frame() {
        myClock.Advance(kFrame);
        myGame->Update();
        Steer();
        UpdateFakeThreads(0);
        AnimationManager().Tick(myClock.Now());
        ScreenLayer().Update();
        myScreen->Flip();
    }

private:
    void Steer() {
        const game::CGameArea& area = myGame->GetArea();
        if (area.IsStopped()) {
            myView->OnMouseDown(1);
            return;
        }
        if (!myGame->IsResolved() || area.GetStepCount() == myChosenAt) return;
        myChosenAt = area.GetStepCount();
        const game::CApproachRules& rules = myView->GetRules();
        const types::point at = game::CAutoPlayTask::PointerFor(
            myStrategy.Choose(area), rules.GetLeftX(), rules.GetRightX());
        myView->OnMouseMove(at.x, at.y);
    }

    // The services, taken down with the screen layer and the factory before the screen.
    std::optional<test::CEngineFixture> myEngine{std::in_place};
    CScopedManualTime myClock;
    std::unique_ptr<CScreenBufferSDL> myScreen;
    std::unique_ptr<game::CGame> myGame;
    game::CGfxHandler* myView = nullptr;
    game::CSilenceStrategy myStrategy;
    int myChosenAt = -1;
};

void BM_PlayFrame(benchmark::State& state) {
    CPlayedGame played;
    // Into the level: the characters and the first bubbles are on screen.
    for (int i = 0; i < 600; ++i) played.Frame();
    const std::uint64_t before = CGfxBufferSDL::GetBlitCount();
    for (auto _ : state) played.Frame();
    state.counters["blits_per_frame"] =
        static_cast<double>(CGfxBufferSDL::GetBlitCount() - before) /
        static_cast<double>(state.iterations());
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond)->Iterations(20000);

}  // namespace

BENCHMARK_MAIN();
