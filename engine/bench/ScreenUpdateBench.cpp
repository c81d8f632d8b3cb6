// Cost of one screen-layer update plus flip on an 800 x 600 32-bit screen (dummy video
// driver) with a full-screen background and 60 keyed sprites of about 50 x 50:
// (a) nothing changed, (b) the 5 front sprites moved, (c) a forced full redraw.
// The argument selects the pictures: 0 keyed, 1 keyed and RLE-accelerated as loaded pictures
// are, 2 with an alpha channel (round, with a half-transparent rim), 3 alpha and RLE.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "SDL.h"
#include "support/CEngineFixture.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

using namespace tolm;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kSprites = 60;
constexpr int kMoving = 5;

enum EPictures { kKeyed = 0, kKeyedRle = 1, kAlpha = 2, kAlphaRle = 3 };

bool UsesRle(int mode) {
    return mode == kKeyedRle || mode == kAlphaRle;
}

CGfxBuffer* MakePicture(int w, int h, types::color fill, int mode) {
    const bool alpha = mode == kAlpha || mode == kAlphaRle;
    CGfxBuffer* picture =
        alpha ? Gfx::NewBuffer(w, h) : Gfx::NewBuffer(w, h, types::kColorKeyMagenta);
    SDL_Surface* surface = surface_cast(picture)->GetSDLSurface();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // A round sprite: the corners are keyed out (or transparent), the rim is half
            // transparent in the alpha pictures.
            const int dx = 2 * x - w, dy = 2 * y - h;
            const int d = dx * dx + dy * dy;
            const bool inside = d <= w * w;
            const Uint8 a = !inside ? 0 : d > (w - 6) * (w - 6) ? 128 : 255;
            Uint32 pixel = 0;
            if (alpha) {
                pixel = SDL_MapRGBA(surface->format, fill.r, fill.g, fill.b, a);
            } else {
                const types::color c = inside ? fill : types::kColorKeyMagenta;
                pixel = SDL_MapRGB(surface->format, c.r, c.g, c.b);
            }
            *reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch +
                                       x * 4) = pixel;
        }
    }
    if (UsesRle(mode)) CGfxFactorySDL::AccelerateDrawing(surface);
    return picture;
}

// The whole scene, built once per benchmark run.
class CScene {
public:
    explicit CScene(int mode) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_SetVideoMode(kWidth, kHeight, 32, SDL_SWSURFACE);
        Gfx::SetFactory(new CGfxFactorySDL);
        myScreen = std::make_unique<CScreenBufferSDL>(SDL_GetVideoSurface());
        Gfx::SetScreen(myScreen.get());

        CGfxBuffer* backdrop = Gfx::NewBuffer(kWidth, kHeight, types::kColorKeyMagenta);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                backdrop->PutPixel(x, y, types::color(x % 256, y % 256, 90));
        // A loaded backdrop is accelerated like every loaded picture.
        if (UsesRle(mode))
            CGfxFactorySDL::AccelerateDrawing(surface_cast(backdrop)->GetSDLSurface());
        mySprites.push_back(std::make_unique<CSprite>(backdrop));
        mySprites.back()->SetZ(1000);
        mySprites.back()->SetLayer(&ScreenLayer());

        std::mt19937 random(7);
        auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int i = 0; i < kSprites; ++i) {
            const types::color fill(pick(0, 254), pick(0, 255), pick(0, 255));
            auto sprite =
                std::make_unique<CSprite>(MakePicture(pick(45, 55), pick(45, 55), fill, mode));
            sprite->SetPosition(pick(0, kWidth - 55), pick(0, kHeight - 55));
            sprite->SetZ(10 + i);  // sprites 0..4 are the front-most
            sprite->SetLayer(&ScreenLayer());
            mySprites.push_back(std::move(sprite));
        }
        Frame();
    }
    ~CScene() {
        mySprites.clear();
        myEngine.reset();
        Gfx::SetScreen(nullptr);
        myScreen.reset();
        SDL_Quit();
    }

    void Frame() {
        ScreenLayer().Update();
        myScreen->Flip();
    }
    void MoveFront(int step) {
        for (int i = 1; i <= kMoving; ++i) {
            CSprite* sprite = mySprites[i].get();
            sprite->SetPosition(100 + 120 * i + (step % 40), 200 + (step % 30));
        }
    }
    void FullRedraw() {
        ScreenLayer().DrawAll(ScreenLayer().GetTarget());
        myScreen->Flip();
    }

private:
    // The services, taken down with the screen layer and the factory before the screen.
    std::optional<test::CEngineFixture> myEngine{std::in_place};
    std::unique_ptr<CScreenBufferSDL> myScreen;
    std::vector<std::unique_ptr<CSprite>> mySprites;
};

void CountBlits(benchmark::State& state, std::uint64_t before) {
    state.counters["blits_per_frame"] =
        static_cast<double>(CGfxBufferSDL::GetBlitCount() - before) /
        static_cast<double>(state.iterations());
}

void BM_NothingChanged(benchmark::State& state) {
    CScene scene(static_cast<int>(state.range(0)));
    const std::uint64_t before = CGfxBufferSDL::GetBlitCount();
    for (auto _ : state) scene.Frame();
    CountBlits(state, before);
}

void BM_FiveFrontSpritesMoved(benchmark::State& state) {
    CScene scene(static_cast<int>(state.range(0)));
    int step = 0;
    const std::uint64_t before = CGfxBufferSDL::GetBlitCount();
    for (auto _ : state) {
        scene.MoveFront(++step);
        scene.Frame();
    }
    CountBlits(state, before);
}

void BM_ForcedFullRedraw(benchmark::State& state) {
    CScene scene(static_cast<int>(state.range(0)));
    const std::uint64_t before = CGfxBufferSDL::GetBlitCount();
    for (auto _ : state) scene.FullRedraw();
    CountBlits(state, before);
}

// The line every full redraw writes to the log, alone: part of (c).
void BM_DrawingAllLogLine(benchmark::State& state) {
    for (auto _ : state) Logger() << "drawing all" << std::endl;
}

BENCHMARK(BM_NothingChanged)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FiveFrontSpritesMoved)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForcedFullRedraw)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawingAllLogLine)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
