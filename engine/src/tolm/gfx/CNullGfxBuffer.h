// The empty buffer: handed out wherever a buffer cannot be made, so callers never get null.
// One shared instance lives from its first use to process exit and is never freed.
#ifndef TOLM_GFX_CNULLGFXBUFFER_H
#define TOLM_GFX_CNULLGFXBUFFER_H

#include "tolm/gfx/CGfxBuffer.h"

namespace tolm {

class CNullGfxBuffer : public CGfxBuffer {
public:
    static CNullGfxBuffer* Instance();

    bool IsPermanent() const override { return true; }
    int GetType() const override { return 0; }
    bool IsEmpty() const override { return true; }
    void PutPixel(int, int, const types::color&) override {}
    types::color GetPixel(int, int) const override { return types::kColorKeyMagenta; }
    void ClearRect(const types::rect&) override {}
    int GetWidth() const override { return 0; }
    int GetHeight() const override { return 0; }
    CGfxBuffer* Scale(int, int) override { return this; }
    CGfxBuffer* Rotate(float) override { return this; }
    void SetAlpha(int) override {}
    CGfxBuffer* CreateBlank() override { return this; }
    bool Blit(CGfxBuffer*, const types::rect&, const types::rect&) override { return false; }
    bool Blit(CGfxBuffer*) override { return false; }
    void SetRect(const types::rect&) override {}
    types::rect GetRect() const override { return types::rect(); }
    bool IsClipped() const override { return false; }
    int GetFullWidth() const override { return 0; }
    int GetFullHeight() const override { return 0; }
    int GetX() const override { return 0; }
    int GetY() const override { return 0; }
    void SetOption(int, const CAnyContainer&) override {}
    bool Save(const std::string&) override { return false; }
    std::string GetFilename() const override { return ""; }
    void Flip() override {}
    void AddUpdateRect(const types::rect&) override {}
};

}  // namespace tolm

#endif
