// Wrapped lines fill the rectangle's width by widening the gaps between words; the last line
// of a paragraph stays left-aligned.
#ifndef TOLM_GFX_CTEXTLAYOUTJUSTIFIED_H
#define TOLM_GFX_CTEXTLAYOUTJUSTIFIED_H

#include "tolm/gfx/CTextLayout.h"

namespace tolm {

class CTextLayoutJustified : public CTextLayout {
public:
    int GetKind() const override { return kJustified; }

protected:
    void DrawLine(CFont& font, CGfxBuffer* target, const std::string& line, const types::rect& r,
                  int y) override;
};

}  // namespace tolm

#endif
