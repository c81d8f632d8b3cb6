// Lines start at the rectangle's left edge.
#ifndef TOLM_GFX_CTEXTLAYOUTLEFT_H
#define TOLM_GFX_CTEXTLAYOUTLEFT_H

#include "tolm/gfx/CTextLayout.h"

namespace tolm {

class CTextLayoutLeft : public CTextLayout {
public:
    int GetKind() const override { return kLeft; }
};

}  // namespace tolm

#endif
