// The graphics factory interface: the one installed factory makes every buffer the engine
// uses (see Gfx). Buffers it returns belong to the caller and come back through FreeImage.
#ifndef TOLM_GFX_CGFXFACTORY_H
#define TOLM_GFX_CGFXFACTORY_H

#include <string>

#include "tolm/gfx/CGfxBuffer.h"
#include "tolm/types/Color.h"

namespace tolm {

class CGfxFactory {
public:
    virtual ~CGfxFactory() = default;
    // A blank opaque buffer keyed on colorKey.
    virtual CGfxBuffer* NewBuffer(int w, int h, const types::color& colorKey) = 0;
    // A blank buffer with an alpha channel, every pixel transparent.
    virtual CGfxBuffer* NewBuffer(int w, int h) = 0;
    virtual CGfxBuffer* LoadImage(const std::string& filename, const types::color& colorKey) = 0;
    virtual CGfxBuffer* ConvertBuffer(CGfxBuffer* buffer) = 0;
    // Kept for other back ends; nothing in the engine calls them.
    virtual CGfxBuffer* CreateBuffer() = 0;
    virtual void FreeImage(CGfxBuffer* buffer) = 0;
    virtual void ReleaseAll() = 0;
};

}  // namespace tolm

#endif
