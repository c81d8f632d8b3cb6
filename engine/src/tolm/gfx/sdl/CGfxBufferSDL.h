// A graphics buffer over an SDL 1.2 surface. The surface is shared through the texture
// manager (pictures loaded from the same file) and released there when the buffer goes; a
// buffer may stand for only a part of it, its view rect, and all coordinates given to the
// buffer are relative to that view.
#ifndef TOLM_GFX_SDL_CGFXBUFFERSDL_H
#define TOLM_GFX_SDL_CGFXBUFFERSDL_H

#include <cstdint>
#include <string>

#include "SDL.h"
#include "tolm/gfx/CGfxBuffer.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {

class CGfxBufferSDL : public CGfxBuffer {
public:
    static constexpr int kType = 1;
    // The longest side a blank buffer may have; larger requests give the empty buffer.
    static constexpr int kMaxSide = 16384;

    // Takes over one user's share of the surface (null gives an empty SDL buffer).
    explicit CGfxBufferSDL(SDL_Surface* surface, const std::string& filename = "");
    // The same, and keys the surface on colorKey (its alpha is not used).
    CGfxBufferSDL(SDL_Surface* surface, const types::color& colorKey, const std::string& filename);
    ~CGfxBufferSDL() override;
    CGfxBufferSDL(const CGfxBufferSDL&) = delete;
    CGfxBufferSDL& operator=(const CGfxBufferSDL&) = delete;

    bool IsPermanent() const override { return false; }
    int GetType() const override { return kType; }
    bool IsEmpty() const override { return mySurface == nullptr; }
    void PutPixel(int x, int y, const types::color& c) override;
    types::color GetPixel(int x, int y) const override;
    void ClearRect(const types::rect& r) override;
    int GetWidth() const override { return myViewRect.w; }
    int GetHeight() const override { return myViewRect.h; }
    CGfxBuffer* Scale(int w, int h) override;
    CGfxBuffer* Rotate(float angle) override;
    void SetAlpha(int alpha) override;
    CGfxBuffer* CreateBlank() override;
    bool Blit(CGfxBuffer* target, const types::rect& srcRect, const types::rect& dstRect) override;
    bool Blit(CGfxBuffer* target) override;
    void SetRect(const types::rect& r) override;
    types::rect GetRect() const override { return myViewRect; }
    bool IsOpaque() const override;
    bool IsClipped() const override { return myViewRect != myFullRect; }
    int GetFullWidth() const override { return myFullRect.w; }
    int GetFullHeight() const override { return myFullRect.h; }
    int GetX() const override { return myViewRect.x; }
    int GetY() const override { return myViewRect.y; }
    void SetOption(int option, const CAnyContainer& value) override;
    bool Save(const std::string& filename) override;
    std::string GetFilename() const override { return myFilename; }
    void Flip() override {}
    void AddUpdateRect(const types::rect&) override {}

    // r moved into surface coordinates and cut at the view's right and bottom edges.
    virtual types::rect ClipRect(const types::rect& r) const;
    // A surface holding exactly the view: the shared one, or a private copy when clipped.
    // The surface stays this buffer's.
    virtual SDL_Surface* GetSurface();
    virtual SDL_Surface* GetSDLSurface() const { return mySurface; }
    virtual void SetSurface(SDL_Surface* surface, bool releaseOld);

    // Blits performed by all SDL buffers since start-up (for measurements).
    static std::uint64_t GetBlitCount();

    static int GetZoomSmoothing();
    static int GetRotateSmoothing();

private:
    bool BlitArea(CGfxBufferSDL* target, const types::rect& src, const types::rect& dst);
    void DropWorkingCopy();
    CGfxBuffer* WrapTransformed(SDL_Surface* transformed);
    // False, and logged once, when SDL_gfx may not scale or rotate this picture as asked.
    bool TransformAllowed(const media::CMediaVerdict& verdict) const;

    SDL_Surface* mySurface = nullptr;
    SDL_Surface* myWorkingSurface = nullptr;
    bool myRawCopy = false;
    types::rect myViewRect;
    types::rect myFullRect;
    std::string myFilename;
};

// The buffer as an SDL buffer when it is one, else null.
CGfxBufferSDL* surface_cast(CGfxBuffer* buffer);

}  // namespace tolm

#endif
