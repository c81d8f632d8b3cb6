#include "tolm/gfx/CTextLayout.h"

#include <algorithm>

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CTextLayoutCentred.h"
#include "tolm/gfx/CTextLayoutJustified.h"
#include "tolm/gfx/CTextLayoutLeft.h"
#include "tolm/gfx/CTextLayoutRight.h"

namespace tolm {

std::unique_ptr<CTextLayout> CTextLayout::Create(int kind) {
    switch (kind) {
        case kLeft:
            return std::make_unique<CTextLayoutLeft>();
        case kCentred:
            return std::make_unique<CTextLayoutCentred>();
        case kRight:
            return std::make_unique<CTextLayoutRight>();
        case kJustified:
            return std::make_unique<CTextLayoutJustified>();
        default:
            return nullptr;
    }
}

int CTextLayout::MeasureLine(const CFont& font, const std::string& text, const types::rect& r,
                             int start) {
    myLineWidth = 0;
    myLineEnded = false;
    const std::size_t first = static_cast<std::size_t>(std::max(start, 0));
    const std::size_t lineEnd = std::min(text.find('\n', first), text.size());
    std::size_t position = first;
    while (position <= lineEnd && position < text.size()) {
        const std::size_t wordEnd = std::min(text.find(' ', position), lineEnd);
        const int width = font.GetTextWidth(text.substr(position, wordEnd - position));
        if (std::int64_t{myLineWidth} + width > r.w) return static_cast<int>(position - first);
        myLineWidth += width;
        if (wordEnd < text.size() && text[wordEnd] == ' ') myLineWidth += font.GetSpaceWidth();
        position = wordEnd + 1;
    }
    myLineEnded = true;
    return static_cast<int>(std::min(lineEnd + 1, text.size()) - std::min(first, text.size()));
}

void CTextLayout::DrawLine(CFont& font, CGfxBuffer* target, const std::string& line,
                           const types::rect& r, int y) {
    font.DrawText(target, line, r.x, y);
}

types::point CTextLayout::Draw(CFont& font, CGfxBuffer* target, const std::string& text,
                               const types::rect& r) {
    if (text.find('\t') != std::string::npos) {
        std::string expanded;
        for (char c : text) {
            if (c == '\t') {
                expanded += "    ";
            } else {
                expanded += c;
            }
        }
        return Draw(font, target, expanded, r);
    }
    const int lineHeight = font.GetLineHeight();
    std::int64_t y = r.y;
    std::int64_t used = 0;
    std::size_t position = 0;
    while (position < text.size() && used < r.h) {
        const int n = MeasureLine(font, text, r, static_cast<int>(position));
        if (n > 0) {
            DrawLine(font, target, text.substr(position, static_cast<std::size_t>(n)), r,
                     static_cast<int>(y));
        } else {
            // Nothing fits and nothing will: the remaining lines are empty. Step over them
            // at once (and never loop when lines have no height).
            if (lineHeight <= 0) break;
            const std::int64_t left = (r.h - used + lineHeight - 1) / lineHeight;
            y += left * lineHeight;
            break;
        }
        position += static_cast<std::size_t>(n);
        y += lineHeight;
        used += lineHeight;
    }
    return types::point(r.x, static_cast<std::int32_t>(y));
}

}  // namespace tolm
