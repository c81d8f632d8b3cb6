// A bitmap font: one glyph picture and, for each of the 256 byte values, the rectangle of
// its glyph in it. The font owns its picture (freed through Gfx::FreeImage) and its layout.
// Fonts are filled by the loaders in gfx/font/ or by the grid-font constructor.
#ifndef TOLM_GFX_CFONT_H
#define TOLM_GFX_CFONT_H

#include <array>
#include <memory>
#include <string>

#include "tolm/gfx/CGfxBuffer.h"
#include "tolm/gfx/CTextLayout.h"
#include "tolm/types/Rect.h"
#include "tolm/types/Types.h"

namespace tolm {

class CFont {
public:
    CFont();
    // A 16 x 16 grid of 16-pixel cells from a picture and a file of 256 width bytes (each
    // glyph is one pixel wider than its byte says).
    CFont(const std::string& picturePath, const std::string& widthsPath);
    virtual ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Draws inside rect with the layout, or from the rect's corner without one; answers
    // where the drawing ended.
    virtual types::point Draw(CGfxBuffer* target, const std::string& text, const types::rect& r,
                              const types::point& origin);
    virtual types::point Draw(CGfxBuffer* target, const std::string& text, const types::rect& r);
    virtual types::point DrawText(CGfxBuffer* target, const std::string& text, int x, int y);
    virtual types::point DrawText(CGfxBuffer* target, const std::string& text);
    // Kinds 0 left, 1 centred, 2 right, 3 justified; any other kind removes the layout.
    virtual void SetLayout(int kind);
    virtual CTextLayout* GetLayout() const { return myLayout.get(); }
    // Answers the advance: the glyph's width plus the letter spacing, 0 without a glyph.
    virtual int DrawChar(CGfxBuffer* target, char c, int x, int y);
    virtual int GetTextWidth(const std::string& text) const;

    // Frees the old picture and takes the new one.
    void SetImage(CGfxBuffer* picture);
    CGfxBuffer* GetImage() const { return myImage; }
    void SetCharRect(char c, const types::rect& r) { myCharPositions[Index(c)] = r; }
    types::rect GetCharRect(char c) const { return myCharPositions[Index(c)]; }
    void ClearCharRects();
    void SetLineHeight(int h) { myLineHeight = h; }
    int GetLineHeight() const { return myLineHeight; }
    void SetLetterSpacing(int s) { myLetterSpacing = s; }
    int GetLetterSpacing() const { return myLetterSpacing; }
    void SetSpaceWidth(int w) { mySpaceWidth = w; }
    int GetSpaceWidth() const { return mySpaceWidth; }

private:
    static unsigned char Index(char c) { return static_cast<unsigned char>(c); }

    CGfxBuffer* myImage = nullptr;  // owned
    std::array<types::rect, 256> myCharPositions;
    std::unique_ptr<CTextLayout> myLayout;
    int myLineHeight = 0;
    int myLetterSpacing = 0;
    int mySpaceWidth = 0;
};

}  // namespace tolm

#endif
