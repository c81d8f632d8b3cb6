#include "tolm/gfx/font/CSystemFontLoader.h"

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/font/SystemFontData.h"
#include "tolm/types/Color.h"

namespace tolm {
namespace {

constexpr int kRunBase = 32;
constexpr char kRunCarry = '~';
constexpr int kRunStep = kRunCarry - kRunBase;

}  // namespace

const std::string& CSystemFontLoader::GetStoredText() {
    static const std::string text(kSystemFontText);
    return text;
}

std::vector<int> CSystemFontLoader::DecodeRuns(const std::string& text) {
    std::vector<int> runs(1, 0);
    for (char c : text) {
        runs.back() += static_cast<unsigned char>(c) - kRunBase;
        if (c != kRunCarry) runs.push_back(0);
    }
    return runs;
}

std::string CSystemFontLoader::EncodeRuns(const std::vector<int>& runs) {
    std::string text;
    for (int run : runs) {
        text.append(static_cast<std::size_t>(run / kRunStep), kRunCarry);
        text += static_cast<char>(kRunBase + run % kRunStep);
    }
    return text;
}

std::vector<unsigned char> CSystemFontLoader::PaintRuns(const std::vector<int>& runs, int count) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(count > 0 ? count : 0), 0);
    unsigned char colour = 0;
    long long counter = runs.empty() ? 0 : runs.front();
    std::size_t next = 1;
    for (unsigned char& pixel : pixels) {
        if (--counter < 0) {
            colour ^= 1;
            if (next < runs.size()) counter = runs[next++];
        }
        pixel = colour;
    }
    return pixels;
}

CSystemFontLoader::CSystemFontLoader(CFont* font) {
    if (font == nullptr) return;
    CGfxBuffer* picture = Gfx::NewBuffer(kWidth, kHeight);
    const std::vector<unsigned char> pixels =
        PaintRuns(DecodeRuns(GetStoredText()), kWidth * kHeight);
    // The new buffer is transparent already: only the glyphs' pixels are painted.
    const types::color white(255, 255, 255, 255);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (pixels[static_cast<std::size_t>(y * kWidth + x)]) picture->PutPixel(x, y, white);
        }
    }
    font->SetImage(picture);
    for (int c = kFirstChar; c <= kLastChar; ++c) {
        font->SetCharRect(
            static_cast<char>(c),
            types::rect(kFirstGlyphX + kGlyphWidth * (c - kFirstChar), 0, kGlyphWidth, kHeight));
    }
    font->SetLetterSpacing(0);
    font->SetLineHeight(kHeight);
    font->SetSpaceWidth(kGlyphWidth);
}

}  // namespace tolm
