// The screen as a graphics buffer: the SDL video surface, which SDL owns, plus the list of
// rectangles that changed since the last flip. The graphics task owns this buffer and binds
// the console variables "gfx_flip_rects_size" and "gfx_flip_debug_rects" to its settings,
// which are process-wide and outlive every screen buffer.
#ifndef TOLM_GFX_SDL_CSCREENBUFFERSDL_H
#define TOLM_GFX_SDL_CSCREENBUFFERSDL_H

#include <vector>

#include "tolm/gfx/sdl/CGfxBufferSDL.h"

namespace tolm {

class CScreenBufferSDL : public CGfxBufferSDL {
public:
    static constexpr int kDefaultFlipRectsSize = 75;

    explicit CScreenBufferSDL(SDL_Surface* videoSurface);
    ~CScreenBufferSDL() override;

    // Follows a new video mode: takes the surface (null: no display) and its full size,
    // and forgets the update list, which belonged to the old screen.
    void SetVideoSurface(SDL_Surface* videoSurface);

    void Flip() override;
    void AddUpdateRect(const types::rect& r) override;

    const std::vector<types::rect>& GetUpdateRects() const { return myUpdateRects; }
    bool IsFullFlip() const { return myFullFlip; }

    // The settings behind the console variables, shared by the whole process.
    static int& FlipRectsSize();
    static bool& FlipDebugRects();

private:
    bool myFullFlip = false;
    std::vector<types::rect> myUpdateRects;
    types::rect myScreenRect;
};

}  // namespace tolm

#endif
