// Writes an SDL surface as an uncompressed TGA picture: colour-mapped for 8-bit surfaces,
// true colour (24 bits, or 32 with the alpha channel) otherwise. The surface stays the
// caller's and is left as it was found.
#ifndef TOLM_GFX_SDL_SAVETGA_H
#define TOLM_GFX_SDL_SAVETGA_H

#include <string>

#include "SDL.h"

namespace tolm {

// 0 on success, -1 on failure (SDL_GetError tells why). The writer stays the caller's.
int SaveTGA_RW(SDL_Surface* surface, SDL_RWops* out);
int SaveTGA(SDL_Surface* surface, const std::string& filename);

}  // namespace tolm

#endif
