#include "tolm/gfx/sdl/CGfxFactorySDL.h"

#include <SDL_image.h>

#include <cstring>

#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CSurfaceLock.h"
#include "tolm/gfx/sdl/CTextureManager.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {
namespace {

// On a palettized display (or with no display at all) pictures stay in true colour: SDL
// maps them onto the palette when they are blitted, so no colour is lost at load time and
// backgrounds saved from the screen restore exactly what they took.
bool DisplayTakesConversion() {
    const SDL_Surface* screen = SDL_GetVideoSurface();
    return screen != nullptr && screen->format->BytesPerPixel > 1;
}

// Replaces surface by its conversion when one can be made.
SDL_Surface* Converted(SDL_Surface* surface, bool withAlpha) {
    SDL_Surface* converted = nullptr;
    CSurfaceLock::Settle(surface);
    if (withAlpha) {
        converted = SDL_GetVideoSurface() != nullptr ? SDL_DisplayFormatAlpha(surface) : nullptr;
    } else if (DisplayTakesConversion()) {
        converted = SDL_DisplayFormat(surface);
    }
    if (converted == nullptr) return surface;
    SDL_FreeSurface(surface);
    return converted;
}

// A web page's SDL ignores colour keys: there a freshly loaded picture (its pixels still as
// decoded) gets its key colour turned into transparency instead. Most pictures have no pixel
// of that colour and are left alone without a copy to the canvas and back.
void KeyToAlpha(SDL_Surface* loaded, const types::color& key) {
    const SDL_PixelFormat* f = loaded->format;
    if (f->BytesPerPixel != 4 || f->Amask == 0 || loaded->pixels == nullptr) return;
    const Uint32 colourBits = f->Rmask | f->Gmask | f->Bmask;
    const Uint32 keyed = SDL_MapRGB(loaded->format, key.r, key.g, key.b) & colourBits;
    const auto keyedPixel = [&](int x, int y) -> Uint32* {
        auto* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(loaded->pixels) + y * loaded->pitch);
        return (row[x] & colourBits) == keyed ? row + x : nullptr;
    };
    bool found = false;
    for (int y = 0; y < loaded->h && !found; ++y)
        for (int x = 0; x < loaded->w && !found; ++x) found = keyedPixel(x, y) != nullptr;
    if (!found) return;
    CSurfaceLock lock(loaded);
    if (!lock.IsLocked()) return;
    for (int y = 0; y < loaded->h; ++y) {
        for (int x = 0; x < loaded->w; ++x) {
            if (Uint32* pixel = keyedPixel(x, y)) *pixel = 0;
        }
    }
}

}  // namespace

SDL_Surface* CGfxFactorySDL::CreateSurface(int w, int h) const {
    if (w <= 0 || h <= 0 || w > CGfxBufferSDL::kMaxSide || h > CGfxBufferSDL::kMaxSide)
        return nullptr;
    Uint32 rmask = 0, gmask = 0, bmask = 0, amask = 0;
    if (const SDL_Surface* screen = SDL_GetVideoSurface();
        screen != nullptr && screen->format->BytesPerPixel == 4) {
        rmask = screen->format->Rmask;
        gmask = screen->format->Gmask;
        bmask = screen->format->Bmask;
        amask = screen->format->Amask;
    }
    return SDL_CreateRGBSurface(myFlags, w, h, myDepth, rmask, gmask, bmask, amask);
}

CGfxBuffer* CGfxFactorySDL::NewBuffer(int w, int h, const types::color& colorKey) {
    SDL_Surface* surface = CreateSurface(w, h);
    if (surface == nullptr) return Gfx::GetEmptyBuffer();
    return new CGfxBufferSDL(Converted(surface, false), colorKey, "");
}

CGfxBuffer* CGfxFactorySDL::NewBuffer(int w, int h) {
    SDL_Surface* surface = CreateSurface(w, h);
    if (surface == nullptr) return Gfx::GetEmptyBuffer();
    surface = Converted(surface, true);
    if (CSurfaceLock lock(surface); lock.IsLocked() && surface->format->BytesPerPixel == 4) {
        for (int row = 0; row < surface->h; ++row) {
            std::memset(static_cast<Uint8*>(surface->pixels) + row * surface->pitch, 0,
                        static_cast<std::size_t>(surface->w) * 4);
        }
    }
    auto* buffer = new CGfxBufferSDL(surface);
    buffer->SetOption(CGfxBuffer::kOptionRawCopy, CAnyContainer("1"));
    return buffer;
}

CGfxBuffer* CGfxFactorySDL::LoadImage(const std::string& filename, const types::color& colorKey) {
    CTextureManager* textures = &TextureManager();
    SDL_Surface* surface = nullptr;
    if (textures->Exists(filename)) {
        surface = textures->GetPointer(filename);
        if (surface == nullptr) return Gfx::GetEmptyBuffer();
    } else {
        // SDL_image believes what a file claims; the guard reads the claims first.
        if (!media::Admit(filename, media::EUse::kPicture)) return Gfx::GetEmptyBuffer();
        SDL_Surface* loaded = IMG_Load(filename.c_str());
        if (loaded == nullptr) {
            const std::string error = IMG_GetError();
            media::ReportFailure(filename, media::EUse::kPicture,
                                 error.empty() ? "SDL_image could not decode it" : error);
            return Gfx::GetEmptyBuffer();
        }
        if (platform::InBrowser()) KeyToAlpha(loaded, colorKey);
        surface =
            Converted(loaded, platform::SurfaceAlpha(loaded) != 0 && loaded->format->Amask != 0);
        textures->AddNew(filename, surface, false);
    }
    auto* buffer = new CGfxBufferSDL(surface, colorKey, filename);
    AccelerateDrawing(surface);
    return buffer;
}

void CGfxFactorySDL::AccelerateDrawing(SDL_Surface* surface) {
    if (surface == nullptr) return;
    if (surface->format->Amask != 0 && (surface->flags & SDL_SRCALPHA) != 0) {
        SDL_SetColorKey(surface, 0, 0);
        SDL_SetAlpha(surface, SDL_SRCALPHA | SDL_RLEACCEL, platform::SurfaceAlpha(surface));
    } else if (surface->flags & SDL_SRCCOLORKEY) {
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        platform::SurfaceColorKey(surface));
    }
}

void CGfxFactorySDL::FreeImage(CGfxBuffer* buffer) {
    if (buffer != nullptr && !buffer->IsPermanent()) delete buffer;
}

}  // namespace tolm
