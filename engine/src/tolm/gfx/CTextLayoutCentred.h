// Lines are centred in the rectangle (an odd leftover puts the extra pixel on the right).
#ifndef TOLM_GFX_CTEXTLAYOUTCENTRED_H
#define TOLM_GFX_CTEXTLAYOUTCENTRED_H

#include "tolm/gfx/CTextLayout.h"

namespace tolm {

class CTextLayoutCentred : public CTextLayout {
public:
    int GetKind() const override { return kCentred; }

protected:
    void DrawLine(CFont& font, CGfxBuffer* target, const std::string& line, const types::rect& r,
                  int y) override;
};

}  // namespace tolm

#endif
