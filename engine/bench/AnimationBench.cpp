// Cost of the animation manager's tick with 100 playing animated sprites (looping, three
// rect frames of 100 ms each, started at staggered times) under the dummy video driver:
// (a) one tick every 16 ms, as the graphics task runs it, so that about a sixth of the
// sprites are due; (b) every sprite due at every tick (frames of 1 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "SDL.h"
#include "support/CEngineFixture.h"
#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CFrameRect.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"

namespace {

using namespace tolm;

constexpr int kSprites = 100;

class CAnimations {
public:
    explicit CAnimations(types::ticks frameLength) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_SetVideoMode(320, 200, 32, SDL_SWSURFACE);
        Gfx::SetFactory(new CGfxFactorySDL);
        for (int i = 0; i < kSprites; ++i) {
            auto sprite =
                std::make_unique<CAnimatedSprite>(Gfx::NewBuffer(30, 10, types::kColorKeyMagenta));
            auto animation = std::make_unique<CAnimation>("spin", true);
            for (int f = 0; f < 3; ++f) {
                animation->AddFrame(
                    std::make_unique<CFrameRect>(types::rect(10 * f, 0, 10, 10), frameLength));
            }
            sprite->AddAnimation(std::move(animation));
            sprite->SetAnimation("spin");
            // Staggered starts, so that the sprites fall due at different ticks.
            AnimationManager().Tick(1000 + static_cast<types::ticks>(i));
            mySprites.push_back(std::move(sprite));
        }
    }
    ~CAnimations() {
        mySprites.clear();
        myEngine.reset();
        SDL_Quit();
    }

private:
    std::optional<test::CEngineFixture> myEngine{std::in_place};
    std::vector<std::unique_ptr<CAnimatedSprite>> mySprites;
};

void BM_TickEvery16ms(benchmark::State& state) {
    CAnimations animations(100);
    types::ticks now = 2000;
    for (auto _ : state) {
        now += 16;
        AnimationManager().Tick(now);
    }
}

void BM_TickAllDue(benchmark::State& state) {
    CAnimations animations(1);
    types::ticks now = 2000;
    for (auto _ : state) {
        now += 16;
        AnimationManager().Tick(now);
    }
}

BENCHMARK(BM_TickEvery16ms)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickAllDue)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
