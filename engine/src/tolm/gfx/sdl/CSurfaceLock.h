// Scoped lock of an SDL surface for raw pixel access; only surfaces that SDL says must be
// locked (hardware or RLE-encoded ones, and every surface of a web page) are locked. The
// surface stays the caller's.
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

    // In a web page a lock copies the whole canvas into memory and an unlock copies it back,
    // so a lock there outlives its scope: pixel work in a row costs one copy each way. Settle
    // ends a kept lock; call it before SDL itself draws with or onto the surface, or frees
    // it. Nothing happens for a surface without a kept lock (always on the desktop).
    static void Settle(SDL_Surface* surface);

private:
    SDL_Surface* mySurface;
    bool myNeedsUnlock = false;
    bool myReady = true;
};

}  // namespace tolm

#endif
