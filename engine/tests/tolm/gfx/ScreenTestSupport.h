// A screen of the dummy video driver with its screen buffer, the screen layer on it and
// helpers that make keyed sprites and draw the same scene from scratch for comparison.
#ifndef TOLM_TESTS_GFX_SCREENTESTSUPPORT_H
#define TOLM_TESTS_GFX_SCREENTESTSUPPORT_H

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "GfxTestSupport.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"

namespace tolm::test {

class CScreenTestBase : public CGfxTestBase {
protected:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;

    void OpenWithDepth(int depth) {
        OpenScreen(kWidth, kHeight, depth);
        // The dummy driver does not clear the memory it gives the screen.
        SDL_FillRect(myVideo, nullptr, 0);
        myScreen = std::make_unique<CScreenBufferSDL>(myVideo);
        Gfx::SetScreen(myScreen.get());
    }
    void TearDown() override {
        mySprites.clear();
        CScreenLayer::Delete();
        Gfx::SetScreen(nullptr);
        myScreen.reset();
        CGfxTestBase::TearDown();
    }

    // A sprite of w x h in fill with a magenta hole, placed and put on the screen layer.
    CSprite* AddSprite(types::color fill, int x, int y, int w, int h, int z) {
        CGfxBuffer* picture = Gfx::NewBuffer(w, h, types::kColorKeyMagenta);
        PaintPicture(picture, fill, std::min(w, h) / 2);
        auto sprite = std::make_unique<CSprite>(picture);
        sprite->SetPosition(x, y);
        sprite->SetZ(z);
        sprite->SetLayer(CScreenLayer::Get());
        mySprites.push_back(std::move(sprite));
        return mySprites.back().get();
    }

    void Frame() {
        CScreenLayer::Get()->Update();
        myScreen->Flip();
    }

    static std::vector<Uint32> Pixels(SDL_Surface* surface) {
        std::vector<Uint32> pixels;
        for (int y = 0; y < surface->h; ++y) {
            const auto* row = reinterpret_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
            for (int x = 0; x < surface->w; ++x) {
                Uint32 value = 0;
                std::memcpy(&value, row + x * surface->format->BytesPerPixel,
                            surface->format->BytesPerPixel);
                pixels.push_back(value);
            }
        }
        return pixels;
    }

    // The scene drawn from scratch: a black screen and every sprite of the screen layer
    // drawn once, from back to front.
    std::vector<Uint32> FullRedraw() {
        const SDL_PixelFormat* f = myVideo->format;
        SDL_Surface* blank = SDL_CreateRGBSurface(0, kWidth, kHeight, f->BitsPerPixel, f->Rmask,
                                                  f->Gmask, f->Bmask, f->Amask);
        CSprite canvas(new CGfxBufferSDL(blank));
        const std::vector<CSprite*>& sprites = CScreenLayer::Get()->GetSprites();
        for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) (*it)->Draw(&canvas);
        return Pixels(blank);
    }

    std::unique_ptr<CScreenBufferSDL> myScreen;
    std::vector<std::unique_ptr<CSprite>> mySprites;
};

}  // namespace tolm::test

#endif
