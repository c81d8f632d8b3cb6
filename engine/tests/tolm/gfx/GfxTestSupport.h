// Test support for graphics: a real SDL video surface under the dummy driver with the SDL
// factory installed, torn down in reverse order. Pictures used by tests are drawn here.
#ifndef TOLM_TESTS_GFX_GFXTESTSUPPORT_H
#define TOLM_TESTS_GFX_GFXTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SDL.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"

namespace tolm::test {

class CGfxTestBase : public ::testing::Test {
protected:
    // depth 0 asks the dummy driver for its own choice, which is 8 bits.
    void OpenScreen(int w, int h, int depth) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
        myVideo = SDL_SetVideoMode(w, h, depth, depth == 0 ? SDL_ANYFORMAT : SDL_SWSURFACE);
        ASSERT_NE(myVideo, nullptr) << SDL_GetError();
        Gfx::SetFactory(new CGfxFactorySDL);
    }
    void TearDown() override {
        Gfx::DeleteFactory();
        Gfx::SetScreen(nullptr);
        SDL_Quit();
    }

    // A keyed picture of w x h filled with fill, with a magenta square of side hole at (1, 1).
    static void PaintPicture(CGfxBuffer* buffer, types::color fill, int hole) {
        for (int y = 0; y < buffer->GetHeight(); ++y) {
            for (int x = 0; x < buffer->GetWidth(); ++x) {
                const bool inHole = x >= 1 && y >= 1 && x < 1 + hole && y < 1 + hole;
                buffer->PutPixel(x, y, inHole ? types::kColorKeyMagenta : fill);
            }
        }
    }

    SDL_Surface* myVideo = nullptr;
};

}  // namespace tolm::test

#endif
