// Raw pixel routines over SDL surfaces of 1 to 4 bytes per pixel. The caller checks that
// (x, y) lies on the surface and locks surfaces that need it; values are in the surface's
// own pixel format, as SDL_MapRGB gives them.
#ifndef TOLM_GFX_SDL_PIXELACCESS_H
#define TOLM_GFX_SDL_PIXELACCESS_H

#include <cstdint>

#include "SDL.h"
#include "tolm/gfx/sdl/CBlendingOff.h"
#include "tolm/gfx/sdl/CSurfaceLock.h"

namespace tolm {

void PutRawPixel(SDL_Surface* surface, int x, int y, std::uint32_t value);
std::uint32_t GetRawPixel(const SDL_Surface* surface, int x, int y);
// Mixes value into the pixel with the given alpha; 255 simply stores it.
void BlendPixel(SDL_Surface* surface, int x, int y, std::uint32_t value, std::uint8_t alpha);

}  // namespace tolm

#endif
