// Fuzz entry for the OGF bitmap-font loader: the bytes are written to a file and loaded
// into a font, as the game loads data/gfx/numbers.ogf; a font that loads then draws every
// character, plainly and through each text layout, onto a small buffer. Every glyph must
// lie inside the font's picture.
//
// The glyph picture is found relative to the working directory, as the game finds it:
// scripts/fuzz.sh runs the targets in a folder holding the game's data/ and a tall picture
// (data/gfx/fuzz_tall.png, 1 x 40000) for the scaling path.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "tolm/gfx/CFont.h"
#include "tolm/gfx/font/COgfFontLoader.h"

namespace {

using namespace tolm;

constexpr int kLayoutKinds = 4;

void CheckGlyphs(const CFont& font) {
    const CGfxBuffer* picture = font.GetImage();
    fuzz::Require(picture != nullptr, "a loaded font has no picture");
    const types::rect bounds(0, 0, picture->GetWidth(), picture->GetHeight());
    for (int c = 0; c < 256; ++c) {
        const types::rect glyph = font.GetCharRect(static_cast<char>(c));
        if (glyph.w == 0 && glyph.h == 0) continue;
        fuzz::Require(glyph.w >= 0 && glyph.h >= 0 && glyph.x >= 0 && glyph.y >= 0 &&
                          glyph.x + glyph.w <= bounds.w && glyph.y + glyph.h <= bounds.h,
                      "a glyph lies outside the font's picture");
    }
}

void DrawEverything(CFont& font, CGfxBuffer* canvas) {
    std::string text;
    for (int c = 1; c < 256; ++c) text += static_cast<char>(c);
    font.DrawText(canvas, text, -5, 3);
    font.GetTextWidth(text);
    const types::rect area(2, 2, canvas->GetWidth() - 4, canvas->GetHeight() - 4);
    for (int kind = 0; kind < kLayoutKinds; ++kind) {
        font.SetLayout(kind);
        font.Draw(canvas, "0 12 345\t6789\nab  c", area);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = fuzz::OpenHeadlessScreen(64, 48);
    fuzz::Require(ready, "no headless screen");
    static const fuzz::CScratchFile file("font.ogf");
    static CGfxBuffer* const canvas = Gfx::NewBuffer(96, 40, types::kColorKeyMagenta);
    fuzz::CLogBudget& budget = fuzz::QuietLogger();
    budget.Start();

    CFont font;
    if (COgfFontLoader::Load(file.Write(data, size), font)) {
        CheckGlyphs(font);
        DrawEverything(font, canvas);
    }
    budget.Check(size);
    return 0;
}
