#include "tolm/gfx/CTextLayoutCentred.h"

#include "tolm/gfx/CFont.h"

namespace tolm {

void CTextLayoutCentred::DrawLine(CFont& font, CGfxBuffer* target, const std::string& line,
                                  const types::rect& r, int y) {
    const std::int64_t x = r.x + (std::int64_t{r.w} - myLineWidth - 1) / 2;
    font.DrawText(target, line, static_cast<int>(x), y);
}

}  // namespace tolm
