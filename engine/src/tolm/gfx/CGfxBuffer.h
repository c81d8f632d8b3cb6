// A rectangular picture that can be drawn onto other pictures: the only drawing surface the
// engine outside gfx/sdl knows. Buffers are made by the graphics factory through the `Gfx`
// facade; whoever receives one owns it and gives it back with Gfx::FreeImage, which never
// deletes a permanent buffer (the shared empty buffer).
#ifndef TOLM_GFX_CGFXBUFFER_H
#define TOLM_GFX_CGFXBUFFER_H

#include <string>

#include "tolm/types/Color.h"
#include "tolm/types/Rect.h"
#include "tolm/utils/xml/CAnyContainer.h"

namespace tolm {

class CGfxBuffer {
public:
    // Options understood by SetOption.
    static constexpr int kOptionRawCopy = 0;          // bool: blits onto this buffer copy pixels
    static constexpr int kOptionZoomSmoothing = 1;    // int, process-wide
    static constexpr int kOptionRotateSmoothing = 2;  // int, process-wide
    static constexpr int kOptionColorKey = 3;         // bool: false drops the colour key for good

    virtual ~CGfxBuffer() = default;
    virtual bool IsPermanent() const = 0;
    virtual int GetType() const = 0;
    virtual bool IsEmpty() const = 0;
    // Coordinates are relative to the view rect; positions outside it are ignored.
    virtual void PutPixel(int x, int y, const types::color& c) = 0;
    virtual types::color GetPixel(int x, int y) const = 0;
    virtual void ClearRect(const types::rect& r) = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    // The three creators return a new buffer that the caller owns.
    virtual CGfxBuffer* Scale(int w, int h) = 0;
    virtual CGfxBuffer* Rotate(float angle) = 0;
    virtual void SetAlpha(int alpha) = 0;
    virtual CGfxBuffer* CreateBlank() = 0;
    virtual bool Blit(CGfxBuffer* target, const types::rect& srcRect,
                      const types::rect& dstRect) = 0;
    virtual bool Blit(CGfxBuffer* target) = 0;
    virtual void SetRect(const types::rect& r) = 0;
    virtual types::rect GetRect() const = 0;
    virtual bool IsClipped() const = 0;
    virtual int GetFullWidth() const = 0;
    virtual int GetFullHeight() const = 0;
    virtual int GetX() const = 0;
    virtual int GetY() const = 0;
    virtual void SetOption(int option, const CAnyContainer& value) = 0;
    virtual bool Save(const std::string& filename) = 0;
    virtual std::string GetFilename() const = 0;
    virtual void Flip() = 0;
    virtual void AddUpdateRect(const types::rect& r) = 0;
    // True when drawing the visible area covers every pixel under it fully: no keyed and no
    // translucent pixel. False when that is not known.
    virtual bool IsOpaque() const { return false; }
};

}  // namespace tolm

#endif
