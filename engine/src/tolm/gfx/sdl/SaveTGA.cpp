#include "tolm/gfx/sdl/SaveTGA.h"

#include <cstdint>
#include <vector>

#include "tolm/gfx/sdl/PixelAccess.h"

namespace tolm {
namespace {

constexpr std::size_t kHeaderSize = 18;

void PutLittleEndian16(std::uint8_t* at, int value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

bool WriteAll(SDL_RWops* out, const void* data, std::size_t size) {
    return size == 0 || SDL_RWwrite(out, data, static_cast<int>(size), 1) == 1;
}

bool WriteHeader(SDL_RWops* out, const SDL_Surface* surface) {
    const SDL_PixelFormat* format = surface->format;
    const bool mapped = format->BitsPerPixel == 8;
    const bool hasAlpha = format->Amask != 0;
    std::uint8_t header[kHeaderSize] = {};
    header[1] = mapped ? 1 : 0;
    header[2] = mapped ? 1 : 2;
    if (mapped) {
        PutLittleEndian16(header + 5, format->palette->ncolors);
        header[7] = (surface->flags & SDL_SRCCOLORKEY) ? 32 : 24;
    }
    PutLittleEndian16(header + 12, surface->w);
    PutLittleEndian16(header + 14, surface->h);
    header[16] = mapped ? 8 : (hasAlpha ? 32 : 24);
    header[17] = hasAlpha ? 0x28 : 0x20;
    return WriteAll(out, header, sizeof header);
}

bool WritePalette(SDL_RWops* out, const SDL_Surface* surface) {
    const SDL_Palette* palette = surface->format->palette;
    const bool keyed = (surface->flags & SDL_SRCCOLORKEY) != 0;
    std::vector<std::uint8_t> entries;
    for (int i = 0; i < palette->ncolors; ++i) {
        const SDL_Color& c = palette->colors[i];
        entries.push_back(c.b);
        entries.push_back(c.g);
        entries.push_back(c.r);
        if (keyed)
            entries.push_back(static_cast<Uint32>(i) == platform::SurfaceColorKey(surface) ? 0
                                                                                           : 255);
    }
    return WriteAll(out, entries.data(), entries.size());
}

SDL_Surface* CreateRowSurface(const SDL_Surface* surface) {
    const SDL_PixelFormat* format = surface->format;
    if (format->BitsPerPixel == 8) {
        SDL_Surface* row = SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, 1, 8, 0, 0, 0, 0);
        if (row != nullptr) {
            SDL_SetColors(row, format->palette->colors, 0, format->palette->ncolors);
        }
        return row;
    }
    const bool hasAlpha = format->Amask != 0;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, 1, hasAlpha ? 32 : 24, 0x00FF0000,
                                0x0000FF00, 0x000000FF, hasAlpha ? 0xFF000000 : 0);
}

void WriteRows(SDL_RWops* out, SDL_Surface* surface, SDL_Surface* row) {
    CBlendingOff plainCopy(surface);
    CSurfaceLock::Settle(surface);
    const std::size_t rowBytes = static_cast<std::size_t>(surface->w) * row->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        SDL_Rect from{0, static_cast<Sint16>(y), static_cast<Uint16>(surface->w), 1};
        SDL_Rect to{0, 0, 0, 0};
        if (SDL_BlitSurface(surface, &from, row, &to) != 0) return;
        if (!WriteAll(out, row->pixels, rowBytes)) return;
    }
}

}  // namespace

int SaveTGA_RW(SDL_Surface* surface, SDL_RWops* out) {
    if (surface == nullptr || out == nullptr) {
        SDL_SetError("no surface or file to save as TGA");
        return -1;
    }
    if (surface->format->BitsPerPixel < 8) {
        SDL_SetError("cannot save <8bpp images as TGA");
        return -1;
    }
    const bool mapped = surface->format->BitsPerPixel == 8;
    if (mapped && surface->format->palette == nullptr) {
        SDL_SetError("8-bit surface without a palette");
        return -1;
    }
    if (!WriteHeader(out, surface)) return -1;
    if (mapped && !WritePalette(out, surface)) return -1;
    SDL_Surface* row = CreateRowSurface(surface);
    if (row == nullptr) return -1;
    WriteRows(out, surface, row);
    SDL_FreeSurface(row);
    return 0;
}

int SaveTGA(SDL_Surface* surface, const std::string& filename) {
    if (surface != nullptr && surface->format->BitsPerPixel < 8) {
        SDL_SetError("cannot save <8bpp images as TGA");
        return -1;
    }
    SDL_RWops* out = SDL_RWFromFile(filename.c_str(), "wb");
    if (out == nullptr) return -1;
    const int result = SaveTGA_RW(surface, out);
    SDL_RWclose(out);
    return result;
}

}  // namespace tolm
