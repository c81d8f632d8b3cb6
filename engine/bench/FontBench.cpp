// Text costs under the dummy video driver: (a) decoding the built-in font into a new font,
// (b) refreshing a 600 x 20 text sprite whose 40-character line changes, with the built-in
// font (alpha glyphs) and with an OGF font over a keyed picture.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "SDL.h"
#include "support/CEngineFixture.h"
#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CTextSprite.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/font/COgfFontLoader.h"
#include "tolm/gfx/font/CSystemFontLoader.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"

namespace {

using namespace tolm;

class CVideo {
public:
    CVideo() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
        Gfx::SetFactory(new CGfxFactorySDL);
    }
    ~CVideo() {
        myEngine.reset();
        SDL_Quit();
    }

private:
    std::optional<test::CEngineFixture> myEngine{std::in_place};
};

// A 10-glyph OGF font over a keyed 160 x 20 picture, written to the temporary directory.
CFont* MakeOgfFont() {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string picture = (dir / "tolm_font_bench.bmp").string();
    CGfxBuffer* cells = Gfx::NewBuffer(160, 20, types::kColorKeyMagenta);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 160; ++x)
            cells->PutPixel(
                x, y, (x % 16 < 2 || y < 3) ? types::kColorKeyMagenta : types::color(250, 200, 0));
    cells->Save(picture);
    Gfx::FreeImage(cells);
    const std::string ogf = (dir / "tolm_font_bench.ogf").string();
    std::ofstream(ogf) << "OGF;10;1;16;20;10;888;0123456789;64646464646464646464;" << picture;
    auto* font = new CFont;
    COgfFontLoader::Load(ogf, *font);
    return font;
}

void BM_DecodeSystemFont(benchmark::State& state) {
    CVideo video;
    for (auto _ : state) {
        CFont font;
        CSystemFontLoader loader(&font);
        benchmark::DoNotOptimize(font.GetImage());
    }
}

// The line turns by one character each time, so that every SetText is a real change.
void RefreshLine(benchmark::State& state, CFont* font) {
    CTextSprite sprite(font, 600, 20);
    std::string line;
    for (int i = 0; i < 40; ++i) line += static_cast<char>('0' + i % 10);
    for (auto _ : state) {
        std::rotate(line.begin(), line.begin() + 1, line.end());
        sprite.SetText(line);
    }
}

void BM_TextSpriteRefresh40Chars_SystemFont(benchmark::State& state) {
    CVideo video;
    auto* font = new CFont;
    CSystemFontLoader loader(font);
    RefreshLine(state, font);
}

void BM_TextSpriteRefresh40Chars_OgfFont(benchmark::State& state) {
    CVideo video;
    RefreshLine(state, MakeOgfFont());
}

BENCHMARK(BM_DecodeSystemFont)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextSpriteRefresh40Chars_SystemFont)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextSpriteRefresh40Chars_OgfFont)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
