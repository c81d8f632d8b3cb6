#include "tolm/gfx/CTextLayoutJustified.h"

#include <algorithm>

#include "tolm/gfx/CFont.h"

namespace tolm {

void CTextLayoutJustified::DrawLine(CFont& font, CGfxBuffer* target, const std::string& line,
                                    const types::rect& r, int y) {
    if (myLineEnded) {
        font.DrawText(target, line, r.x, y);
        return;
    }
    std::string words = line;
    int lineWidth = myLineWidth;
    if (!words.empty() && words.back() == ' ') {
        words.pop_back();
        lineWidth -= font.GetSpaceWidth();
    }
    const auto blanks = std::count(words.begin(), words.end(), ' ');
    const std::int64_t gap =
        blanks > 0 ? (std::int64_t{r.w} - lineWidth) / static_cast<std::int64_t>(blanks) : 0;
    double x = r.x;
    std::size_t start = 0;
    while (start <= words.size()) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        const std::string word = words.substr(start, end - start);
        font.DrawText(target, word, static_cast<int>(std::clamp(x, -2147483648.0, 2147483647.0)),
                      y);
        x += font.GetTextWidth(word) + font.GetSpaceWidth() + static_cast<double>(gap);
        start = end + 1;
    }
}

}  // namespace tolm
