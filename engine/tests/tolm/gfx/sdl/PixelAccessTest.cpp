#include <gtest/gtest.h>

#include <memory>

#include "SDL.h"
#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/types/Color.h"

namespace tolm {
namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr MakeSurface(int depth) {
    switch (depth) {
        case 16:
            return SurfacePtr(SDL_CreateRGBSurface(0, 4, 3, 16, 0xF800, 0x07E0, 0x001F, 0));
        case 24:
            return SurfacePtr(SDL_CreateRGBSurface(0, 4, 3, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0));
        case 32:
            return SurfacePtr(
                SDL_CreateRGBSurface(0, 4, 3, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000));
        default:
            return SurfacePtr(SDL_CreateRGBSurface(0, 4, 3, 8, 0, 0, 0, 0));
    }
}

TEST(PixelAccessTest, RawValuesRoundTripAtEveryDepth) {
    for (int depth : {8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        SurfacePtr surface = MakeSurface(depth);
        ASSERT_NE(surface, nullptr);
        const std::uint32_t mask = depth == 32 ? 0xFFFFFFFFu : (1u << depth) - 1;
        const std::uint32_t values[] = {0u, 0x12345678u & mask, mask, 0xA5A5A5A5u & mask};
        for (int x = 0; x < 4; ++x) PutRawPixel(surface.get(), x, 2, values[x]);
        // Read after all writes: a write that spills into its neighbour shows here.
        for (int x = 0; x < 4; ++x) EXPECT_EQ(GetRawPixel(surface.get(), x, 2), values[x]);
    }
}

TEST(PixelAccessTest, HalfAlphaBetweenBlackAndWhiteGives127AtTrueColourDepths) {
    for (int depth : {24, 32}) {
        SCOPED_TRACE(depth);
        SurfacePtr surface = MakeSurface(depth);
        SDL_PixelFormat* f = surface->format;
        const Uint32 black = SDL_MapRGBA(f, 0, 0, 0, 255),
                     white = SDL_MapRGBA(f, 255, 255, 255, 255);
        PutRawPixel(surface.get(), 0, 0, black);
        PutRawPixel(surface.get(), 1, 0, white);
        BlendPixel(surface.get(), 0, 0, white, 128);
        BlendPixel(surface.get(), 1, 0, black, 128);
        for (int x : {0, 1}) {
            types::color c;
            SDL_GetRGBA(GetRawPixel(surface.get(), x, 0), f, &c.r, &c.g, &c.b, &c.a);
            EXPECT_EQ(c, types::color(127, 127, 127, 255)) << x;
        }
        BlendPixel(surface.get(), 2, 0, 0x00123456, 255);
        EXPECT_EQ(GetRawPixel(surface.get(), 2, 0), 0x00123456u);
    }
}

}  // namespace
}  // namespace tolm
