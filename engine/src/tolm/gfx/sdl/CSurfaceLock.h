// Scoped lock of an SDL surface for raw pixel access; only surfaces that SDL says must be
// locked (hardware or RLE-encoded ones) are locked. The surface stays the caller's.
#ifndef TOLM_GFX_SDL_CSURFACELOCK_H
#define TOLM_GFX_SDL_CSURFACELOCK_H

#include "SDL.h"

namespace tolm {

class CSurfaceLock {
public:
    explicit CSurfaceLock(SDL_Surface* surface);
    ~CSurfaceLock();
    CSurfaceLock(const CSurfaceLock&) = delete;
    CSurfaceLock& operator=(const CSurfaceLock&) = delete;
    bool IsLocked() const { return myReady; }

private:
    SDL_Surface* mySurface;
    bool myNeedsUnlock = false;
    bool myReady = true;
};

}  // namespace tolm

#endif
