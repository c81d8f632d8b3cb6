#include <gtest/gtest.h>

#include "../GfxTestSupport.h"
#include "tolm/gfx/sdl/CTextureManager.h"

namespace tolm {
namespace {

TEST(TextureManagerTest, MisuseIsLoggedAndChangesNothing) {
    test::CLogCapture log;
    CTextureManager textures;
    SDL_Surface* kept = SDL_CreateRGBSurface(0, 2, 2, 32, 0, 0, 0, 0);
    SDL_Surface* duplicate = SDL_CreateRGBSurface(0, 2, 2, 32, 0, 0, 0, 0);
    textures.AddNew("a.png", kept, false);
    textures.AddNew("a.png", duplicate, false);
    EXPECT_TRUE(
        log.Has("CTextureManager::AddNew() - trying to add a new texture, but we already "
                "have one of the same name: a.png\n",
                CLogger::kError));
    EXPECT_EQ(textures.GetPointer("a.png"), kept);
    EXPECT_EQ(textures.GetCount("a.png"), 2);
    EXPECT_EQ(textures.GetPointer("A.png"), nullptr);
    EXPECT_TRUE(
        log.Has("CTextureManager::GetPointer() - trying to get pointer to a file that "
                "doesn't exist: A.png\n",
                CLogger::kWarning));

    textures.Release(duplicate);  // never registered: freed at once
    textures.Release(nullptr);
    textures.Release(kept);
    EXPECT_TRUE(textures.Exists("a.png"));
    textures.Release(kept);
    EXPECT_FALSE(textures.Exists("a.png"));
}

}  // namespace
}  // namespace tolm
