#include "tolm/gfx/sdl/CSurfaceLock.h"

namespace tolm {

CSurfaceLock::CSurfaceLock(SDL_Surface* surface) : mySurface(surface) {
    if (mySurface != nullptr && SDL_MUSTLOCK(mySurface)) {
        myReady = SDL_LockSurface(mySurface) == 0;
        myNeedsUnlock = myReady;
    }
}

CSurfaceLock::~CSurfaceLock() {
    if (myNeedsUnlock) SDL_UnlockSurface(mySurface);
}

}  // namespace tolm
