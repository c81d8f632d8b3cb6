// Lays text out inside a rectangle with word wrapping; the kinds (left, centred, right,
// justified) differ only in where each line starts. A layout belongs to its font and keeps
// what it measured of the last line.
#ifndef TOLM_GFX_CTEXTLAYOUT_H
#define TOLM_GFX_CTEXTLAYOUT_H

#include <memory>
#include <string>

#include "tolm/gfx/CGfxBuffer.h"
#include "tolm/types/Rect.h"
#include "tolm/types/Types.h"

namespace tolm {

class CFont;

class CTextLayout {
public:
    static constexpr int kLeft = 0;
    static constexpr int kCentred = 1;
    static constexpr int kRight = 2;
    static constexpr int kJustified = 3;

    // Null for a kind outside 0 to 3.
    static std::unique_ptr<CTextLayout> Create(int kind);

    virtual ~CTextLayout() = default;
    virtual int GetKind() const = 0;
    // Draws the lines that fit in r; answers (r.x, the y below the last line).
    virtual types::point Draw(CFont& font, CGfxBuffer* target, const std::string& text,
                              const types::rect& r);
    // The number of characters, from start, of the line that fits in r.w: whole words, with
    // the separator that ended the line when the line ended at a break or the text's end.
    virtual int MeasureLine(const CFont& font, const std::string& text, const types::rect& r,
                            int start);

    int GetLineWidth() const { return myLineWidth; }
    bool LineEnded() const { return myLineEnded; }

protected:
    // Draws one measured line at y; the kinds override where it goes.
    virtual void DrawLine(CFont& font, CGfxBuffer* target, const std::string& line,
                          const types::rect& r, int y);

    int myLineWidth = 0;
    bool myLineEnded = false;
};

}  // namespace tolm

#endif
