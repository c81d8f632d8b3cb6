#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../GfxTestSupport.h"
#include "support/TestFiles.h"
#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/gfx/sdl/SaveTGA.h"

namespace tolm {
namespace {

std::vector<int> Bytes(const std::string& data, std::size_t from, std::size_t count) {
    std::vector<int> out;
    for (std::size_t i = from; i < from + count && i < data.size(); ++i)
        out.push_back(static_cast<unsigned char>(data[i]));
    return out;
}

using SaveTGATest = test::CGfxTestBase;

TEST_F(SaveTGATest, TrueColourHeadersAndPixelOrder) {
    struct Case {
        Uint32 amask;
        int bits;
        int descriptor;
    } cases[] = {{0xFF000000, 32, 0x28}, {0, 24, 0x20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        SDL_Surface* s =
            SDL_CreateRGBSurface(0, 300, 2, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, c.amask);
        PutRawPixel(s, 0, 0, SDL_MapRGBA(s->format, 0x11, 0x22, 0x33, 0x44));
        PutRawPixel(s, 299, 1, SDL_MapRGBA(s->format, 0x55, 0x66, 0x77, 0x88));
        SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, 0x11, 0x22, 0x33));
        const std::string path = myDir.File("true.tga");
        ASSERT_EQ(SaveTGA(s, path), 0);
        const std::string data = test::ReadFile(path);
        const int bpp = c.bits / 8;
        ASSERT_EQ(data.size(), 18u + 300 * 2 * bpp);
        EXPECT_EQ(Bytes(data, 0, 18), (std::vector<int>{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x2C,
                                                        0x01, 2, 0, c.bits, c.descriptor}));
        // Keyed and transparent pixels are written as they are, top row first, b g r (a).
        std::vector<int> first{0x33, 0x22, 0x11};
        std::vector<int> last{0x77, 0x66, 0x55};
        if (bpp == 4) {
            first.push_back(0x44);
            last.push_back(0x88);
        }
        EXPECT_EQ(Bytes(data, 18, bpp), first);
        EXPECT_EQ(Bytes(data, data.size() - bpp, bpp), last);
        EXPECT_TRUE(s->flags & SDL_SRCCOLORKEY) << "colour key not restored";
        EXPECT_EQ(s->format->colorkey, SDL_MapRGB(s->format, 0x11, 0x22, 0x33));
        SDL_FreeSurface(s);
    }
}

TEST_F(SaveTGATest, PalettedPicturesWriteTheirColourMap) {
    for (bool keyed : {true, false}) {
        SCOPED_TRACE(keyed);
        SDL_Surface* s = SDL_CreateRGBSurface(0, 3, 1, 8, 0, 0, 0, 0);
        SDL_Color colors[2] = {{10, 20, 30, 0}, {40, 50, 60, 0}};
        SDL_SetPalette(s, SDL_LOGPAL, colors, 0, 2);
        s->format->palette->ncolors = 2;
        PutRawPixel(s, 0, 0, 1);
        PutRawPixel(s, 1, 0, 0);
        PutRawPixel(s, 2, 0, 1);
        if (keyed) SDL_SetColorKey(s, SDL_SRCCOLORKEY, 1);
        const std::string path = myDir.File("mapped.tga");
        ASSERT_EQ(SaveTGA(s, path), 0);
        const std::string data = test::ReadFile(path);
        const int entry = keyed ? 32 : 24;
        EXPECT_EQ(Bytes(data, 0, 18),
                  (std::vector<int>{0, 1, 1, 0, 0, 2, 0, entry, 0, 0, 0, 0, 3, 0, 1, 0, 8, 0x20}));
        std::vector<int> palette = keyed ? std::vector<int>{30, 20, 10, 255, 60, 50, 40, 0}
                                         : std::vector<int>{30, 20, 10, 60, 50, 40};
        EXPECT_EQ(Bytes(data, 18, palette.size()), palette);
        EXPECT_EQ(Bytes(data, 18 + palette.size(), 4), (std::vector<int>{1, 0, 1}));
        SDL_FreeSurface(s);
    }
}

TEST_F(SaveTGATest, BelowEightBitsIsRefusedWithoutTouchingTheFile) {
    SDL_Surface* s = SDL_CreateRGBSurface(0, 8, 8, 4, 0, 0, 0, 0);
    ASSERT_NE(s, nullptr);
    const std::string path = myDir.File("four.tga");
    EXPECT_EQ(SaveTGA(s, path), -1);
    EXPECT_EQ(std::string(SDL_GetError()), "cannot save <8bpp images as TGA");
    EXPECT_FALSE(std::filesystem::exists(path));
    SDL_FreeSurface(s);
    EXPECT_EQ(SaveTGA(nullptr, path), -1);
}

TEST_F(SaveTGATest, BufferSavesTGAByTheLastThreeCharactersAndItReadsBack) {
    CGfxBuffer* picture = Gfx::NewBuffer(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) picture->PutPixel(x, y, types::color(x * 50, y * 60, 200, 255));
    picture->ClearRect(types::rect(4, 3, 1, 1));
    const std::string path = myDir.File("back.tga");
    ASSERT_TRUE(picture->Save(path));
    EXPECT_EQ(Bytes(test::ReadFile(path), 0, 3), (std::vector<int>{0, 0, 2}));
    SDL_Surface* loaded = IMG_Load(path.c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    CGfxBufferSDL back(loaded);
    ASSERT_EQ(back.GetWidth(), 5);
    ASSERT_EQ(back.GetHeight(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.GetPixel(x, y), picture->GetPixel(x, y));
    EXPECT_EQ(back.GetPixel(4, 3).a, 0);
    for (const char* name : {"a.TGA", "ga"}) {
        ASSERT_TRUE(picture->Save(myDir.File(name))) << name;
        EXPECT_EQ(test::ReadFile(myDir.File(name)).substr(0, 2), "BM") << name;
    }
    EXPECT_FALSE(picture->Save(myDir.File("no/such/folder/a.bmp")));
    Gfx::FreeImage(picture);
}

}  // namespace
}  // namespace tolm
