#include <gtest/gtest.h>

#include "../GfxTestSupport.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"

namespace tolm {
namespace {

using namespace test;

class GfxFactorySDLTest : public CGfxTestBase {
protected:
    static Uint32 Flags(CGfxBuffer* buffer) { return surface_cast(buffer)->GetSDLSurface()->flags; }
};

TEST_F(GfxFactorySDLTest, LoadedKeyedPicturesAreRunLengthEncodedAndStillReadAndWritten) {
    CGfxBuffer* picture =
        Gfx::LoadImage(MakePictureFile("keyed.bmp", 8, 6, kRed, 3), types::kColorKeyMagenta);
    EXPECT_TRUE(Flags(picture) & SDL_RLEACCELOK);
    ASSERT_TRUE(picture->Blit(myScreen.get()));
    EXPECT_TRUE(Flags(picture) & SDL_RLEACCEL);   // encoded by its first blit
    EXPECT_EQ(myScreen->GetPixel(2, 2), kBlack);  // the key is not drawn
    EXPECT_EQ(myScreen->GetPixel(5, 5), kRed);
    EXPECT_EQ(picture->GetPixel(2, 2), types::kColorKeyMagenta);
    picture->PutPixel(2, 2, kGreen);
    // Whole-sprite alpha comes and goes around every draw; the encoding stays allowed.
    picture->SetAlpha(128);
    picture->SetAlpha(255);
    EXPECT_TRUE(Flags(picture) & SDL_RLEACCELOK);
    ASSERT_TRUE(picture->Blit(myScreen.get()));
    EXPECT_EQ(myScreen->GetPixel(2, 2), kGreen);
    EXPECT_EQ(myScreen->GetPixel(1, 1), kBlack);
    Gfx::FreeImage(picture);
}

TEST_F(GfxFactorySDLTest, LoadedAlphaPicturesAreEncodedByTheirAlphaAndBlendAsBefore) {
    CGfxBuffer* made = Gfx::NewBuffer(4, 1);
    made->PutPixel(0, 0, kWhite);
    made->PutPixel(1, 0, kRed);
    ASSERT_TRUE(made->Save(myDir.File("alpha.tga")));
    Gfx::FreeImage(made);
    CGfxBuffer* picture = Gfx::LoadImage(myDir.File("alpha.tga"), types::kColorKeyMagenta);
    ASSERT_FALSE(picture->IsEmpty());
    ASSERT_NE(surface_cast(picture)->GetSDLSurface()->format->Amask, 0u);
    EXPECT_FALSE(Flags(picture) & SDL_SRCCOLORKEY);  // SDL draws such pictures by alpha alone
    EXPECT_TRUE(Flags(picture) & SDL_RLEACCELOK);
    SDL_FillRect(myVideo, nullptr, SDL_MapRGB(myVideo->format, 0, 0, 255));
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        ASSERT_TRUE(picture->Blit(myScreen.get()));
        EXPECT_EQ(myScreen->GetPixel(0, 0), kWhite);
        EXPECT_EQ(myScreen->GetPixel(1, 0), kRed);
        EXPECT_EQ(myScreen->GetPixel(2, 0), kBlue);  // transparent: untouched
        EXPECT_EQ(picture->GetPixel(1, 0), types::color(255, 0, 0, 255));
        EXPECT_EQ(picture->GetPixel(3, 0).a, 0);
    }
    Gfx::FreeImage(picture);
}

}  // namespace
}  // namespace tolm
