// Test support for graphics: a real SDL video surface under the dummy driver with the SDL
// factory installed, optionally a screen buffer with the screen layer on it; keyed test
// pictures, pixel counts and a from-scratch redraw of the screen layer's scene.
#ifndef TOLM_TESTS_GFX_GFXTESTSUPPORT_H
#define TOLM_TESTS_GFX_GFXTESTSUPPORT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SDL.h"
#include "support/CEngineFixture.h"
#include "support/CLogCapture.h"
#include "support/TestFiles.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/tasks/task_sdl/CTaskGfxSDL.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm::test {

inline const types::color kRed(255, 0, 0);
inline const types::color kGreen(0, 255, 0);
inline const types::color kBlue(0, 0, 255);
inline const types::color kBlack(0, 0, 0);
inline const types::color kWhite(255, 255, 255);

class CGfxTestBase : public ::testing::Test {
protected:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;

    // depth 0 asks the dummy driver for its own choice, which is 8 bits.
    void OpenScreen(int w, int h, int depth) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
        myVideo = SDL_SetVideoMode(w, h, depth, depth == 0 ? SDL_ANYFORMAT : SDL_SWSURFACE);
        ASSERT_NE(myVideo, nullptr) << SDL_GetError();
        Gfx::SetFactory(new CGfxFactorySDL);
    }
    // A black screen (the dummy driver does not clear it) with its screen buffer installed;
    // fixtures that want another screen open their own.
    void SetUp() override {
        OpenScreen(kWidth, kHeight, 32);
        InstallScreen();
    }
    void InstallScreen() {
        SDL_FillRect(myVideo, nullptr, 0);
        myScreen = std::make_unique<CScreenBufferSDL>(myVideo);
        // As the graphics task does with its screen buffer.
        CTaskGfxSDL::BindScreenVariables();
        Gfx::SetScreen(myScreen.get());
    }
    void TearDown() override {
        mySprites.clear();
        myEngine.reset();
        Gfx::SetScreen(nullptr);
        myScreen.reset();
        SDL_Quit();
    }

    // Fills the buffer with fill, except a magenta square of side hole at (1, 1).
    static void PaintPicture(CGfxBuffer* buffer, types::color fill, int hole) {
        for (int y = 0; y < buffer->GetHeight(); ++y) {
            for (int x = 0; x < buffer->GetWidth(); ++x) {
                const bool inHole = x >= 1 && y >= 1 && x < 1 + hole && y < 1 + hole;
                buffer->PutPixel(x, y, inHole ? types::kColorKeyMagenta : fill);
            }
        }
    }
    // A picture file in the test's folder, painted as above.
    std::string MakePictureFile(const std::string& name, int w, int h, types::color fill,
                                int hole) {
        CGfxBuffer* picture = Gfx::NewBuffer(w, h, types::kColorKeyMagenta);
        PaintPicture(picture, fill, hole);
        EXPECT_TRUE(picture->Save(myDir.File(name)));
        Gfx::FreeImage(picture);
        return myDir.File(name);
    }
    // A keyed picture of one colour; the caller owns it.
    static CGfxBuffer* Solid(int w, int h, types::color c) {
        CGfxBuffer* picture = Gfx::NewBuffer(w, h, types::kColorKeyMagenta);
        PaintPicture(picture, c, 0);
        return picture;
    }
    static int Count(const CGfxBuffer* buffer, types::color c) {
        int n = 0;
        for (int y = 0; y < buffer->GetHeight(); ++y)
            for (int x = 0; x < buffer->GetWidth(); ++x) n += buffer->GetPixel(x, y) == c;
        return n;
    }

    // A sprite of the picture at (x, y) and depth z on the screen layer.
    static std::unique_ptr<CSprite> OnScreen(CGfxBuffer* picture, int x, int y, int z) {
        auto sprite = std::make_unique<CSprite>(picture);
        sprite->SetPosition(x, y);
        sprite->SetZ(z);
        sprite->SetLayer(&ScreenLayer());
        return sprite;
    }
    // A sprite of w x h in fill with a magenta hole, on the screen, kept by the fixture.
    CSprite* AddSprite(types::color fill, int x, int y, int w, int h, int z) {
        CGfxBuffer* picture = Gfx::NewBuffer(w, h, types::kColorKeyMagenta);
        PaintPicture(picture, fill, std::min(w, h) / 2);
        mySprites.push_back(OnScreen(picture, x, y, z));
        return mySprites.back().get();
    }
    void Frame() {
        ScreenLayer().Update();
        myScreen->Flip();
    }
    static std::vector<Uint32> Pixels(SDL_Surface* surface) {
        const int bpp = surface->format->BytesPerPixel;
        std::vector<Uint32> pixels(static_cast<std::size_t>(surface->w) * surface->h, 0);
        for (int y = 0; y < surface->h; ++y)
            for (int x = 0; x < surface->w; ++x)
                std::memcpy(
                    &pixels[y * surface->w + x],
                    static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp, bpp);
        return pixels;
    }
    // The scene drawn from scratch: a black screen and every sprite of the screen layer drawn
    // once, from back to front.
    std::vector<Uint32> FullRedraw() {
        const SDL_PixelFormat* f = myVideo->format;
        SDL_Surface* blank = SDL_CreateRGBSurface(0, myVideo->w, myVideo->h, f->BitsPerPixel,
                                                  f->Rmask, f->Gmask, f->Bmask, f->Amask);
        CSprite canvas(new CGfxBufferSDL(blank));
        const std::vector<CSprite*>& sprites = ScreenLayer().GetSprites();
        for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) (*it)->Draw(&canvas);
        return Pixels(blank);
    }

    // Made with the test, taken down (with the screen layer and the factory) in TearDown.
    std::optional<CEngineFixture> myEngine{std::in_place};
    CTempDir myDir;
    SDL_Surface* myVideo = nullptr;
    std::unique_ptr<CScreenBufferSDL> myScreen;
    std::vector<std::unique_ptr<CSprite>> mySprites;
};

}  // namespace tolm::test

#endif
