#include "tolm/gfx/sdl/PixelAccess.h"

#include <cstddef>

namespace tolm {
namespace {

std::uint8_t* PixelAddress(const SDL_Surface* surface, int x, int y) {
    return static_cast<std::uint8_t*>(surface->pixels) +
           static_cast<std::ptrdiff_t>(y) * surface->pitch +
           static_cast<std::ptrdiff_t>(x) * surface->format->BytesPerPixel;
}

// d + ((s - d) * a) >> 8, with an arithmetic shift so that darkening rounds like brightening.
std::int64_t Mix(std::int64_t d, std::int64_t s, std::uint8_t alpha) {
    const std::int64_t delta = (s - d) * alpha;
    return d + (delta >= 0 ? delta >> 8 : -((-delta + 255) >> 8));
}

std::uint32_t MixMasked(std::uint32_t oldValue, std::uint32_t newValue, std::uint32_t mask,
                        std::uint8_t alpha) {
    const std::int64_t mixed = Mix(oldValue & mask, newValue & mask, alpha);
    return static_cast<std::uint32_t>(mixed) & mask;
}

void BlendPaletted(SDL_Surface* surface, int x, int y, std::uint32_t value, std::uint8_t alpha) {
    const SDL_Palette* palette = surface->format->palette;
    const std::uint32_t oldIndex = GetRawPixel(surface, x, y);
    if (palette == nullptr || oldIndex >= static_cast<std::uint32_t>(palette->ncolors) ||
        value >= static_cast<std::uint32_t>(palette->ncolors)) {
        return;
    }
    const SDL_Color& d = palette->colors[oldIndex];
    const SDL_Color& s = palette->colors[value];
    const Uint32 index = SDL_MapRGB(surface->format, static_cast<Uint8>(Mix(d.r, s.r, alpha)),
                                    static_cast<Uint8>(Mix(d.g, s.g, alpha)),
                                    static_cast<Uint8>(Mix(d.b, s.b, alpha)));
    PutRawPixel(surface, x, y, index);
}

void BlendTrueColor(SDL_Surface* surface, int x, int y, std::uint32_t value, std::uint8_t alpha) {
    const SDL_PixelFormat* format = surface->format;
    const std::uint32_t oldValue = GetRawPixel(surface, x, y);
    std::uint32_t result = MixMasked(oldValue, value, format->Rmask, alpha) |
                           MixMasked(oldValue, value, format->Gmask, alpha) |
                           MixMasked(oldValue, value, format->Bmask, alpha);
    if (format->Amask != 0) result |= MixMasked(oldValue, value, format->Amask, alpha);
    PutRawPixel(surface, x, y, result);
}

void BlendThreeBytes(SDL_Surface* surface, int x, int y, std::uint32_t value, std::uint8_t alpha) {
    const SDL_PixelFormat* format = surface->format;
    std::uint8_t* pixel = PixelAddress(surface, x, y);
    const std::uint8_t shifts[] = {format->Rshift, format->Gshift, format->Bshift};
    // A 24-bit format has no alpha byte; mixing only the colour bytes keeps a channel from
    // being mixed twice.
    for (std::uint8_t shift : shifts) {
        const int byte = shift / 8;
        if (byte > 2) continue;
        const std::uint8_t newByte = static_cast<std::uint8_t>(value >> (byte * 8));
        pixel[byte] = static_cast<std::uint8_t>(Mix(pixel[byte], newByte, alpha));
    }
}

}  // namespace

void PutRawPixel(SDL_Surface* surface, int x, int y, std::uint32_t value) {
    std::uint8_t* pixel = PixelAddress(surface, x, y);
    switch (surface->format->BytesPerPixel) {
        case 1:
            *pixel = static_cast<std::uint8_t>(value);
            break;
        case 2:
            *reinterpret_cast<std::uint16_t*>(pixel) = static_cast<std::uint16_t>(value);
            break;
        case 3:
            pixel[0] = static_cast<std::uint8_t>(value);
            pixel[1] = static_cast<std::uint8_t>(value >> 8);
            pixel[2] = static_cast<std::uint8_t>(value >> 16);
            break;
        case 4:
            *reinterpret_cast<std::uint32_t*>(pixel) = value;
            break;
        default:
            break;
    }
}

std::uint32_t GetRawPixel(const SDL_Surface* surface, int x, int y) {
    const std::uint8_t* pixel = PixelAddress(surface, x, y);
    switch (surface->format->BytesPerPixel) {
        case 1:
            return *pixel;
        case 2:
            return *reinterpret_cast<const std::uint16_t*>(pixel);
        case 3:
            return pixel[0] + pixel[1] * 256u + pixel[2] * 65536u;
        case 4:
            return *reinterpret_cast<const std::uint32_t*>(pixel);
        default:
            return 0;
    }
}

void BlendPixel(SDL_Surface* surface, int x, int y, std::uint32_t value, std::uint8_t alpha) {
    if (alpha == 255) {
        PutRawPixel(surface, x, y, value);
        return;
    }
    switch (surface->format->BytesPerPixel) {
        case 1:
            BlendPaletted(surface, x, y, value, alpha);
            break;
        case 2:
        case 4:
            BlendTrueColor(surface, x, y, value, alpha);
            break;
        case 3:
            BlendThreeBytes(surface, x, y, value, alpha);
            break;
        default:
            break;
    }
}

}  // namespace tolm
