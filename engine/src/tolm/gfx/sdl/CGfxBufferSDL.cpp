#include "tolm/gfx/sdl/CGfxBufferSDL.h"

#include <SDL_rotozoom.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CTextureManager.h"
#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/gfx/sdl/SaveTGA.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {
namespace {

int ourZoomSmoothing = 0;
int ourRotateSmoothing = 1;
std::uint64_t ourBlitCount = 0;

types::rect FullRectOf(const SDL_Surface* surface) {
    if (surface == nullptr) return types::rect();
    return types::rect(0, 0, surface->w, surface->h);
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Both rects are in surface coordinates. The copied area is cut to both views, and the
// source moves with every cut of the destination's left or top edge, so that nothing outside
// either view is read or written whatever the rectangles hold.
bool ClipToViews(const types::rect& srcView, const types::rect& src, const types::rect& dstView,
                 const types::rect& dst, SDL_Rect& outSrc, SDL_Rect& outDst) {
    std::int64_t sx = src.x, sy = src.y, dx = dst.x, dy = dst.y;
    std::int64_t w = std::min(src.w, dst.w), h = std::min(src.h, dst.h);
    auto cutLeading = [](std::int64_t& a, std::int64_t& b, std::int64_t& size, std::int64_t edge) {
        if (a < edge) {
            const std::int64_t by = edge - a;
            a += by;
            b += by;
            size -= by;
        }
    };
    cutLeading(sx, dx, w, srcView.x);
    cutLeading(dx, sx, w, dstView.x);
    cutLeading(sy, dy, h, srcView.y);
    cutLeading(dy, sy, h, dstView.y);
    w = std::min({w, srcView.Right() - sx, dstView.Right() - dx});
    h = std::min({h, srcView.Bottom() - sy, dstView.Bottom() - dy});
    if (w <= 0 || h <= 0) return false;
    constexpr std::int64_t kMaxCoordinate = 32767;
    if (sx > kMaxCoordinate || sy > kMaxCoordinate || dx > kMaxCoordinate || dy > kMaxCoordinate)
        return false;
    outSrc = SDL_Rect{static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(w),
                      static_cast<Uint16>(h)};
    outDst = SDL_Rect{static_cast<Sint16>(dx), static_cast<Sint16>(dy), static_cast<Uint16>(w),
                      static_cast<Uint16>(h)};
    return true;
}

void RawCopy(SDL_Surface* from, const SDL_Rect& src, SDL_Surface* to, const SDL_Rect& dst) {
    if (from->format->BytesPerPixel != 4 || to->format->BytesPerPixel != 4) return;
    CSurfaceLock fromLock(from);
    CSurfaceLock toLock(to);
    if (!fromLock.IsLocked() || !toLock.IsLocked()) return;
    const SDL_PixelFormat* f = from->format;
    const SDL_PixelFormat* t = to->format;
    const bool sameFormat = f->Rmask == t->Rmask && f->Gmask == t->Gmask && f->Bmask == t->Bmask &&
                            f->Amask == t->Amask;
    // The key still hides a keyed picture's background (glyphs drawn into a text picture):
    // its pixels are not copied. Pictures with an alpha channel carry it over as it is.
    const bool keyed = (from->flags & SDL_SRCCOLORKEY) != 0 && f->Amask == 0;
    const Uint32 colourBits = f->Rmask | f->Gmask | f->Bmask;
    const Uint32 key = platform::SurfaceColorKey(from) & colourBits;
    // A keyed picture into an alpha picture of the same colour layout (text drawn with a
    // font file): opaque pixels only gain the full alpha.
    const bool sameColours = f->Rmask == t->Rmask && f->Gmask == t->Gmask && f->Bmask == t->Bmask;
    for (int row = 0; row < src.h; ++row) {
        if (keyed && sameColours) {
            const auto* in =
                reinterpret_cast<const Uint32*>(static_cast<const std::uint8_t*>(from->pixels) +
                                                (src.y + row) * from->pitch + src.x * 4);
            auto* out = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(to->pixels) +
                                                  (dst.y + row) * to->pitch + dst.x * 4);
            for (int column = 0; column < src.w; ++column) {
                const Uint32 colour = in[column] & colourBits;
                if (colour != key) out[column] = colour | t->Amask;
            }
            continue;
        }
        if (sameFormat && !keyed) {
            const auto* in = static_cast<const std::uint8_t*>(from->pixels) +
                             (src.y + row) * from->pitch + src.x * 4;
            auto* out =
                static_cast<std::uint8_t*>(to->pixels) + (dst.y + row) * to->pitch + dst.x * 4;
            std::memcpy(out, in, static_cast<std::size_t>(src.w) * 4);
            continue;
        }
        for (int column = 0; column < src.w; ++column) {
            Uint8 r, g, b, a;
            const Uint32 pixel = GetRawPixel(from, src.x + column, src.y + row);
            if (keyed && (pixel & colourBits) == key) continue;
            SDL_GetRGBA(pixel, from->format, &r, &g, &b, &a);
            PutRawPixel(to, dst.x + column, dst.y + row, SDL_MapRGBA(to->format, r, g, b, a));
        }
    }
}

// A blit that only copies pixels: no key, no alpha, the same 32-bit format on both sides.
// Copied here row by row, since SDL's own copy writes past the cache, and the next blit (a
// background saved from the screen) reads the same pixels back.
bool IsPlainCopy(const SDL_Surface* from, const SDL_Surface* to) {
    const SDL_PixelFormat* f = from->format;
    const SDL_PixelFormat* t = to->format;
    return (from->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCEL)) == 0 &&
           (to->flags & SDL_RLEACCEL) == 0 && f->BytesPerPixel == 4 && t->BytesPerPixel == 4 &&
           f->Rmask == t->Rmask && f->Gmask == t->Gmask && f->Bmask == t->Bmask &&
           f->Amask == t->Amask && !SDL_MUSTLOCK(from) && !SDL_MUSTLOCK(to);
}

void CopyRows(SDL_Surface* from, const SDL_Rect& src, SDL_Surface* to, const SDL_Rect& dst) {
    for (int row = 0; row < src.h; ++row) {
        const auto* in = static_cast<const std::uint8_t*>(from->pixels) +
                         (src.y + row) * from->pitch + src.x * 4;
        auto* out = static_cast<std::uint8_t*>(to->pixels) + (dst.y + row) * to->pitch + dst.x * 4;
        std::memmove(out, in, static_cast<std::size_t>(src.w) * 4);
    }
}

SDL_Surface* CopyOfArea(SDL_Surface* surface, const types::rect& area) {
    const SDL_PixelFormat* f = surface->format;
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, area.w, area.h, f->BitsPerPixel,
                                             f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (copy == nullptr) return nullptr;
    if (f->palette != nullptr && copy->format->palette != nullptr) {
        SDL_SetColors(copy, f->palette->colors, 0, f->palette->ncolors);
    }
    {
        CSurfaceLock lock(surface);
        CSurfaceLock copyLock(copy);
        if (lock.IsLocked() && copyLock.IsLocked()) {
            for (int row = 0; row < area.h; ++row) {
                const auto* in = static_cast<const std::uint8_t*>(surface->pixels) +
                                 (area.y + row) * surface->pitch + area.x * f->BytesPerPixel;
                std::memcpy(static_cast<std::uint8_t*>(copy->pixels) + row * copy->pitch, in,
                            static_cast<std::size_t>(area.w) * f->BytesPerPixel);
            }
        }
    }
    // The copy is drawn like the original: same key, same per-surface alpha.
    if (surface->flags & SDL_SRCCOLORKEY)
        SDL_SetColorKey(copy, SDL_SRCCOLORKEY, platform::SurfaceColorKey(surface));
    if (surface->flags & SDL_SRCALPHA)
        SDL_SetAlpha(copy, SDL_SRCALPHA, platform::SurfaceAlpha(surface));
    return copy;
}

}  // namespace

CGfxBufferSDL* surface_cast(CGfxBuffer* buffer) {
    if (buffer == nullptr || buffer->GetType() != CGfxBufferSDL::kType) return nullptr;
    return static_cast<CGfxBufferSDL*>(buffer);
}

std::uint64_t CGfxBufferSDL::GetBlitCount() {
    return ourBlitCount;
}
int CGfxBufferSDL::GetZoomSmoothing() {
    return ourZoomSmoothing;
}
int CGfxBufferSDL::GetRotateSmoothing() {
    return ourRotateSmoothing;
}

CGfxBufferSDL::CGfxBufferSDL(SDL_Surface* surface, const std::string& filename)
    : mySurface(surface),
      myWorkingSurface(surface),
      myViewRect(FullRectOf(surface)),
      myFullRect(FullRectOf(surface)),
      myFilename(filename) {}

CGfxBufferSDL::CGfxBufferSDL(SDL_Surface* surface, const types::color& colorKey,
                             const std::string& filename)
    : CGfxBufferSDL(surface, filename) {
    if (mySurface != nullptr) {
        SDL_SetColorKey(mySurface, SDL_SRCCOLORKEY,
                        SDL_MapRGB(mySurface->format, colorKey.r, colorKey.g, colorKey.b));
    }
}

CGfxBufferSDL::~CGfxBufferSDL() {
    DropWorkingCopy();
    TextureManager().Release(mySurface);
}

void CGfxBufferSDL::DropWorkingCopy() {
    if (myWorkingSurface != mySurface) {
        CSurfaceLock::Settle(myWorkingSurface);
        SDL_FreeSurface(myWorkingSurface);
    }
    myWorkingSurface = mySurface;
}

types::rect CGfxBufferSDL::ClipRect(const types::rect& r) const {
    std::int64_t x = std::int64_t{r.x} + myViewRect.x;
    std::int64_t y = std::int64_t{r.y} + myViewRect.y;
    std::int64_t w = r.w, h = r.h;
    if (x + w > myViewRect.Right()) w = myViewRect.Right() - x;
    if (y + h > myViewRect.Bottom()) h = myViewRect.Bottom() - y;
    auto narrow = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return types::rect(narrow(x), narrow(y), narrow(w), narrow(h));
}

void CGfxBufferSDL::PutPixel(int x, int y, const types::color& c) {
    if (mySurface == nullptr) return;
    const std::int64_t ax = std::int64_t{x} + myViewRect.x;
    const std::int64_t ay = std::int64_t{y} + myViewRect.y;
    if (ax < myViewRect.x || ay < myViewRect.y || ax >= myViewRect.Right() ||
        ay >= myViewRect.Bottom())
        return;
    DropWorkingCopy();
    CSurfaceLock lock(mySurface);
    if (!lock.IsLocked()) return;
    const Uint32 value = SDL_MapRGB(mySurface->format, c.r, c.g, c.b);
    if (c.a == 255) {
        PutRawPixel(mySurface, static_cast<int>(ax), static_cast<int>(ay), value);
    } else {
        BlendPixel(mySurface, static_cast<int>(ax), static_cast<int>(ay), value, c.a);
    }
}

types::color CGfxBufferSDL::GetPixel(int x, int y) const {
    const types::color outside(0, 0, 0, 255);
    if (mySurface == nullptr) return outside;
    const std::int64_t ax = std::int64_t{x} + myViewRect.x;
    const std::int64_t ay = std::int64_t{y} + myViewRect.y;
    if (ax < myViewRect.x || ay < myViewRect.y || ax >= myViewRect.Right() ||
        ay >= myViewRect.Bottom())
        return outside;
    CSurfaceLock lock(mySurface);
    if (!lock.IsLocked()) return outside;
    types::color c;
    SDL_GetRGBA(GetRawPixel(mySurface, static_cast<int>(ax), static_cast<int>(ay)),
                mySurface->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

void CGfxBufferSDL::ClearRect(const types::rect& r) {
    if (mySurface == nullptr || mySurface->format->BytesPerPixel != 4) return;
    const types::rect absolute(static_cast<std::int32_t>(std::int64_t{r.x} + myViewRect.x),
                               static_cast<std::int32_t>(std::int64_t{r.y} + myViewRect.y), r.w,
                               r.h);
    const bool translatable = std::int64_t{r.x} + myViewRect.x == absolute.x &&
                              std::int64_t{r.y} + myViewRect.y == absolute.y;
    if (!translatable) return;
    const types::rect area = absolute.Intersection(myViewRect);
    if (area.w <= 0 || area.h <= 0) return;
    DropWorkingCopy();
    CSurfaceLock lock(mySurface);
    if (!lock.IsLocked()) return;
    for (int row = area.y; row < area.y + area.h; ++row) {
        std::memset(
            static_cast<std::uint8_t*>(mySurface->pixels) + row * mySurface->pitch + area.x * 4, 0,
            static_cast<std::size_t>(area.w) * 4);
    }
}

CGfxBuffer* CGfxBufferSDL::WrapTransformed(SDL_Surface* transformed) {
    if (transformed == nullptr) return Gfx::GetEmptyBuffer();
    // The copy keeps the picture's transparent colour, or its keyed pixels would show.
    if (mySurface->flags & SDL_SRCCOLORKEY) {
        SDL_SetColorKey(transformed, SDL_SRCCOLORKEY, platform::SurfaceColorKey(mySurface));
    }
    return new CGfxBufferSDL(transformed);
}

bool CGfxBufferSDL::TransformAllowed(const media::CMediaVerdict& verdict) const {
    if (verdict.allowed) return true;
    const std::string subject = myFilename.empty() ? "a " + std::to_string(GetWidth()) + " x " +
                                                         std::to_string(GetHeight()) + " picture"
                                                   : "\"" + myFilename + "\"";
    media::ReportRefusedTransform(subject, verdict.reason);
    return false;
}

CGfxBuffer* CGfxBufferSDL::Scale(int w, int h) {
    // Nothing to draw is no fault: widgets ask for 0 x 0 before their first layout.
    if (mySurface == nullptr || GetWidth() <= 0 || GetHeight() <= 0 || w <= 0 || h <= 0 ||
        !TransformAllowed(media::CheckScale(GetWidth(), GetHeight(), w, h)))
        return Gfx::GetEmptyBuffer();
    SDL_Surface* view = GetSurface();
    if (view == nullptr) return Gfx::GetEmptyBuffer();
    CSurfaceLock::Settle(view);
    return WrapTransformed(zoomSurface(view, static_cast<double>(w) / GetWidth(),
                                       static_cast<double>(h) / GetHeight(), ourZoomSmoothing));
}

CGfxBuffer* CGfxBufferSDL::Rotate(float angle) {
    if (mySurface == nullptr || GetWidth() <= 0 || GetHeight() <= 0 ||
        !TransformAllowed(media::CheckRotate(GetWidth(), GetHeight())))
        return Gfx::GetEmptyBuffer();
    SDL_Surface* view = GetSurface();
    if (view == nullptr) return Gfx::GetEmptyBuffer();
    CSurfaceLock::Settle(view);
    return WrapTransformed(rotozoomSurface(view, angle, 1.0, ourRotateSmoothing));
}

void CGfxBufferSDL::SetAlpha(int alpha) {
    if (mySurface == nullptr) return;
    // Keep the run-length encoding a loaded picture was given.
    const Uint32 rle = (mySurface->flags & (SDL_RLEACCEL | SDL_RLEACCELOK)) ? SDL_RLEACCEL : 0;
    SDL_SetAlpha(mySurface, SDL_SRCALPHA | rle, static_cast<Uint8>(std::clamp(alpha, 0, 255)));
}

CGfxBuffer* CGfxBufferSDL::CreateBlank() {
    if (mySurface == nullptr) return Gfx::GetEmptyBuffer();
    const SDL_PixelFormat* f = mySurface->format;
    SDL_Surface* blank =
        SDL_CreateRGBSurface(mySurface->flags, mySurface->w, mySurface->h, f->BitsPerPixel,
                             f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (blank == nullptr) return Gfx::GetEmptyBuffer();
    if (f->palette != nullptr && blank->format->palette != nullptr) {
        SDL_SetColors(blank, f->palette->colors, 0, f->palette->ncolors);
    }
    auto* buffer = new CGfxBufferSDL(blank);
    buffer->SetRect(myViewRect);
    return buffer;
}

bool CGfxBufferSDL::IsOpaque() const {
    SDL_Surface* surface = mySurface;
    if (surface == nullptr || myViewRect.w <= 0 || myViewRect.h <= 0) return false;
    const SDL_PixelFormat* format = surface->format;
    const bool blended = (surface->flags & SDL_SRCALPHA) != 0;
    if (blended && format->Amask == 0 && platform::SurfaceAlpha(surface) != SDL_ALPHA_OPAQUE)
        return false;
    const bool keyed = (surface->flags & SDL_SRCCOLORKEY) != 0;
    const bool perPixel = blended && format->Amask != 0;
    if (!keyed && !perPixel) return true;
    CSurfaceLock lock(surface);
    if (!lock.IsLocked()) return false;
    // Keyed pixels are compared without their alpha bits, which counts more pixels as keyed
    // than a blit might: a wrong "not opaque" only costs a redraw.
    const Uint32 colorBits = ~format->Amask;
    const Uint32 key = platform::SurfaceColorKey(surface) & colorBits;
    const types::rect area = myViewRect.Intersection(types::rect(0, 0, surface->w, surface->h));
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            const Uint32 pixel = GetRawPixel(surface, x, y);
            if (keyed && (pixel & colorBits) == key) return false;
            if (perPixel && (pixel & format->Amask) != format->Amask) return false;
        }
    }
    return area.w == myViewRect.w && area.h == myViewRect.h;
}

bool CGfxBufferSDL::BlitArea(CGfxBufferSDL* target, const types::rect& src,
                             const types::rect& dst) {
    if (mySurface == nullptr || target->mySurface == nullptr) return false;
    SDL_Rect from, to;
    if (!ClipToViews(myViewRect, src, target->myViewRect, dst, from, to)) return true;
    target->DropWorkingCopy();
    ++ourBlitCount;
    if (target->myRawCopy) {
        RawCopy(mySurface, from, target->mySurface, to);
    } else if (IsPlainCopy(mySurface, target->mySurface)) {
        CopyRows(mySurface, from, target->mySurface, to);
    } else {
        CSurfaceLock::Settle(mySurface);
        CSurfaceLock::Settle(target->mySurface);
        SDL_UpperBlit(mySurface, &from, target->mySurface, &to);
    }
    return true;
}

bool CGfxBufferSDL::Blit(CGfxBuffer* target, const types::rect& srcRect,
                         const types::rect& dstRect) {
    CGfxBufferSDL* sdlTarget = surface_cast(target);
    if (sdlTarget == nullptr) return false;
    return BlitArea(sdlTarget, ClipRect(srcRect), sdlTarget->ClipRect(dstRect));
}

bool CGfxBufferSDL::Blit(CGfxBuffer* target) {
    CGfxBufferSDL* sdlTarget = surface_cast(target);
    if (sdlTarget == nullptr) return false;
    const types::rect& to = sdlTarget->myViewRect;
    return BlitArea(sdlTarget, myViewRect, types::rect(to.x, to.y, myViewRect.w, myViewRect.h));
}

void CGfxBufferSDL::SetRect(const types::rect& r) {
    // A view reaching past the surface would let pixel access leave the surface's memory.
    types::rect view = r.Intersection(myFullRect);
    if (view.w <= 0 || view.h <= 0) {
        view =
            types::rect(std::clamp(r.x, 0, myFullRect.w), std::clamp(r.y, 0, myFullRect.h), 0, 0);
    }
    if (view == myViewRect) return;
    DropWorkingCopy();
    myViewRect = view;
}

void CGfxBufferSDL::SetOption(int option, const CAnyContainer& value) {
    switch (option) {
        case kOptionRawCopy:
            value.Get(myRawCopy);
            break;
        case kOptionZoomSmoothing:
            value.Get(ourZoomSmoothing);
            break;
        case kOptionRotateSmoothing:
            value.Get(ourRotateSmoothing);
            break;
        case kOptionColorKey: {
            bool keyed = true;
            value.Get(keyed);
            if (!keyed && mySurface != nullptr) SDL_SetColorKey(mySurface, 0, 0);
            break;
        }
        default:
            break;
    }
}

bool CGfxBufferSDL::Save(const std::string& filename) {
    if (mySurface == nullptr) return false;
    SDL_Surface* view = GetSurface();
    if (view == nullptr) return false;
    if (EndsWith(filename, "tga")) return SaveTGA(view, filename) == 0;
    SDL_RWops* out = SDL_RWFromFile(filename.c_str(), "wb");
    if (out == nullptr) return false;
    // SDL draws the picture into its file format; keyed pixels would come out black.
    CBlendingOff plainCopy(view);
    return SDL_SaveBMP_RW(view, out, 1) == 0;
}

SDL_Surface* CGfxBufferSDL::GetSurface() {
    if (myWorkingSurface != nullptr && myWorkingSurface->w == myViewRect.w &&
        myWorkingSurface->h == myViewRect.h)
        return myWorkingSurface;
    DropWorkingCopy();
    if (mySurface == nullptr || !IsClipped()) return mySurface;
    if (myViewRect.w <= 0 || myViewRect.h <= 0) return nullptr;
    myWorkingSurface = CopyOfArea(mySurface, myViewRect);
    if (myWorkingSurface == nullptr) myWorkingSurface = mySurface;
    return myWorkingSurface == mySurface ? nullptr : myWorkingSurface;
}

void CGfxBufferSDL::SetSurface(SDL_Surface* surface, bool releaseOld) {
    DropWorkingCopy();
    if (releaseOld) TextureManager().Release(mySurface);
    mySurface = surface;
    myWorkingSurface = surface;
    myViewRect = FullRectOf(surface);
    myFullRect = myViewRect;
}

}  // namespace tolm
