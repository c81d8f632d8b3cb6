// Writes an SDL surface of any depth as an 8-bit RGB PNG picture, for screenshots: with
// libpng where the build has it, uncompressed otherwise.
// The surface stays the caller's and is left as it was found.
#ifndef TOLM_GFX_SDL_SAVEPNG_H
#define TOLM_GFX_SDL_SAVEPNG_H

#include <string>

#include "SDL.h"

namespace tolm {

// True on success; otherwise false, with the reason in error when one is given.
bool SavePNG(SDL_Surface* surface, const std::string& filename, std::string* error = nullptr);

}  // namespace tolm

#endif
