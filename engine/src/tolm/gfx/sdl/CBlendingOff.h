// Scoped switch that makes blits out of a surface plain copies; used when a picture is
// written to a file. The surface stays the caller's.
#ifndef TOLM_GFX_SDL_CBLENDINGOFF_H
#define TOLM_GFX_SDL_CBLENDINGOFF_H

#include "SDL.h"
#include "tolm/platform/WebPlatform.h"

namespace tolm {

// Switches off per-surface alpha and the colour key for the scope, so that blits out of the
// surface copy its pixels instead of drawing them; both are restored afterwards.
class CBlendingOff {
public:
    explicit CBlendingOff(SDL_Surface* surface)
        : mySurface(surface),
          myAlphaFlags(surface->flags & SDL_SRCALPHA),
          myAlpha(platform::SurfaceAlpha(surface)),
          myKeyFlags(surface->flags & SDL_SRCCOLORKEY),
          myKey(platform::SurfaceColorKey(surface)),
          myRle((surface->flags & (SDL_RLEACCEL | SDL_RLEACCELOK)) ? SDL_RLEACCEL : 0) {
        SDL_SetAlpha(mySurface, 0, 255);
        SDL_SetColorKey(mySurface, 0, 0);
    }
    ~CBlendingOff() {
        // In this order, so that clearing an absent key does not drop the alpha's encoding.
        SDL_SetColorKey(mySurface, myKeyFlags | myRle, myKey);
        SDL_SetAlpha(mySurface, myAlphaFlags | myRle, myAlpha);
    }
    CBlendingOff(const CBlendingOff&) = delete;
    CBlendingOff& operator=(const CBlendingOff&) = delete;

private:
    SDL_Surface* mySurface;
    Uint32 myAlphaFlags;
    Uint8 myAlpha;
    Uint32 myKeyFlags;
    Uint32 myKey;
    Uint32 myRle;
};

}  // namespace tolm

#endif
