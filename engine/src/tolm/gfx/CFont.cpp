#include "tolm/gfx/CFont.h"

#include <fstream>

#include "tolm/gfx/Gfx.h"
#include "tolm/types/Color.h"

namespace tolm {
namespace {

constexpr int kGridCells = 16;
constexpr int kGridCellSize = 16;
constexpr int kTabBlanks = 4;

}  // namespace

CFont::CFont() = default;

CFont::CFont(const std::string& picturePath, const std::string& widthsPath) {
    SetImage(Gfx::LoadImage(picturePath, types::kColorKeyMagenta));
    // A short file leaves the glyphs it does not reach without a rectangle.
    std::ifstream widths(widthsPath, std::ios::binary);
    for (int row = 0; row < kGridCells && widths; ++row) {
        for (int column = 0; column < kGridCells; ++column) {
            char b = 0;
            if (!widths.get(b)) break;
            myCharPositions[static_cast<std::size_t>(row * kGridCells + column)] =
                types::rect(column * kGridCellSize, row * kGridCellSize,
                            static_cast<unsigned char>(b) + 1, kGridCellSize);
        }
    }
    SetLayout(CTextLayout::kLeft);
    myLineHeight = kGridCellSize;
    myLetterSpacing = 0;
    mySpaceWidth = GetCharRect(' ').w;
}

CFont::~CFont() {
    Gfx::FreeImage(myImage);
}

void CFont::SetImage(CGfxBuffer* picture) {
    if (picture == myImage) return;
    Gfx::FreeImage(myImage);
    myImage = picture;
}

void CFont::ClearCharRects() {
    myCharPositions.fill(types::rect());
}

void CFont::SetLayout(int kind) {
    myLayout = CTextLayout::Create(kind);
}

types::point CFont::Draw(CGfxBuffer* target, const std::string& text, const types::rect& r,
                         const types::point&) {
    if (!myLayout) return DrawText(target, text, r.x, r.y);
    return myLayout->Draw(*this, target, text, r);
}

types::point CFont::Draw(CGfxBuffer* target, const std::string& text, const types::rect& r) {
    return Draw(target, text, r, types::point(r.x, r.y));
}

types::point CFont::DrawText(CGfxBuffer* target, const std::string& text) {
    return DrawText(target, text, 0, 0);
}

types::point CFont::DrawText(CGfxBuffer* target, const std::string& text, int x, int y) {
    if (text.empty()) return types::point(0, 0);
    int offset = 0;
    for (char c : text) {
        switch (c) {
            case '\t':
                offset += kTabBlanks * mySpaceWidth;
                break;
            case '\n':
                offset = 0;
                y += myLineHeight;
                break;
            case ' ':
                offset += mySpaceWidth;
                break;
            default:
                offset += DrawChar(target, c, x + offset, y);
                break;
        }
    }
    return types::point(x + offset, y);
}

int CFont::DrawChar(CGfxBuffer* target, char c, int x, int y) {
    const types::rect& glyph = myCharPositions[Index(c)];
    if (glyph.IsEmpty()) return 0;
    if (myImage != nullptr && !myImage->IsEmpty() && target != nullptr) {
        myImage->Blit(target, glyph, types::rect(x, y + myLineHeight - glyph.h, glyph.w, glyph.h));
    }
    return glyph.w + myLetterSpacing;
}

int CFont::GetTextWidth(const std::string& text) const {
    int width = 0;
    for (char c : text) {
        if (c == ' ') {
            width += mySpaceWidth;
            continue;
        }
        const types::rect& glyph = myCharPositions[Index(c)];
        if (!glyph.IsEmpty()) width += glyph.w + myLetterSpacing;
    }
    return width;
}

}  // namespace tolm
