// The graphics factory over SDL 1.2: blank buffers in the display's pixel format, pictures
// loaded with SDL_image and shared through the texture manager. Every buffer it returns is
// the caller's; FreeImage deletes it.
#ifndef TOLM_GFX_SDL_CGFXFACTORYSDL_H
#define TOLM_GFX_SDL_CGFXFACTORYSDL_H

#include "SDL.h"
#include "tolm/gfx/CGfxFactory.h"

namespace tolm {

class CGfxFactorySDL : public CGfxFactory {
public:
    CGfxBuffer* NewBuffer(int w, int h, const types::color& colorKey) override;
    CGfxBuffer* NewBuffer(int w, int h) override;
    CGfxBuffer* LoadImage(const std::string& filename, const types::color& colorKey) override;
    CGfxBuffer* ConvertBuffer(CGfxBuffer* buffer) override { return buffer; }
    CGfxBuffer* CreateBuffer() override { return nullptr; }
    void FreeImage(CGfxBuffer* buffer) override;
    void ReleaseAll() override {}

    // Run-length encodes a picture that is drawn from rather than drawn on: a keyed picture
    // skips its runs of key colour, a picture with an alpha channel its transparent runs
    // (SDL ignores the key of such pictures, and a key would keep them from the encoding,
    // so it is dropped). Pixel access still works: it locks, and SDL decodes for the lock.
    static void AccelerateDrawing(SDL_Surface* surface);

private:
    SDL_Surface* CreateSurface(int w, int h) const;

    Uint32 myFlags = 0;
    int myDepth = 32;
};

}  // namespace tolm

#endif
