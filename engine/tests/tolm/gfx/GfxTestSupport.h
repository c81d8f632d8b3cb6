// Test support for graphics: a real SDL video surface under the dummy driver with the SDL
// factory installed, torn down in reverse order; test pictures, pixel counts, a log recorder.
#ifndef TOLM_TESTS_GFX_GFXTESTSUPPORT_H
#define TOLM_TESTS_GFX_GFXTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "SDL.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm::test {

inline const types::color kRed(255, 0, 0);
inline const types::color kGreen(0, 255, 0);
inline const types::color kBlue(0, 0, 255);
inline const types::color kBlack(0, 0, 0);
inline const types::color kWhite(255, 255, 255);

// Records what the process-wide logger emits while it is alive.
class CLogRecorder : public CLogListener {
public:
    CLogRecorder() { Logger().AddListener(this); }
    ~CLogRecorder() override { Logger().RemoveListener(this); }
    void Write(const std::string& line, int level) override {
        if (level >= 0) lines.emplace_back(line, level);
    }
    bool Has(const std::string& line, int level) const {
        for (const auto& entry : lines) {
            if (entry.first == line && entry.second == level) return true;
        }
        return false;
    }
    std::vector<std::pair<std::string, int>> lines;
};

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

    // A keyed picture of one colour (c is never magenta here); the caller owns it.
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

    SDL_Surface* myVideo = nullptr;
};

}  // namespace tolm::test

#endif
