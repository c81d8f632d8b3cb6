// Lines end at the rectangle's right edge.
#ifndef TOLM_GFX_CTEXTLAYOUTRIGHT_H
#define TOLM_GFX_CTEXTLAYOUTRIGHT_H

#include "tolm/gfx/CTextLayout.h"

namespace tolm {

class CTextLayoutRight : public CTextLayout {
public:
    int GetKind() const override { return kRight; }

protected:
    void DrawLine(CFont& font, CGfxBuffer* target, const std::string& line, const types::rect& r,
                  int y) override;
};

}  // namespace tolm

#endif
