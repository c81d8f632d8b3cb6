#include <gtest/gtest.h>

#include "GfxTestSupport.h"
#include "tolm/gfx/CNullGfxBuffer.h"
#include "tolm/gfx/Gfx.h"

namespace tolm {
namespace {

TEST(GfxTest, WithoutFactoryEveryRequestGivesTheEmptyBufferAndSaysWhy) {
    test::CLogCapture log;
    ASSERT_EQ(Gfx::GetFactory(), nullptr);
    CGfxBuffer* empty = CNullGfxBuffer::Instance();
    EXPECT_EQ(Gfx::NewBuffer(4, 4), empty);
    EXPECT_TRUE(log.Has("Gfx::NewBuffer() - no GFXFactory given, cannot create graphics surface.\n",
                        CLogger::kWarning));
    log.Clear();
    EXPECT_EQ(Gfx::NewBuffer(4, 4, types::kColorKeyMagenta), empty);
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(Gfx::LoadImage("data/gfx/none.png", types::kColorKeyMagenta), empty);
    EXPECT_TRUE(log.Has("Gfx::LoadImage() - no GFXFactory given, cannot create graphics surface.\n",
                        CLogger::kWarning));
    for (int i = 0; i < 3; ++i) Gfx::FreeImage(empty);  // permanent: never deleted
    EXPECT_TRUE(log.Has("Gfx::FreeImage() - no GFXFactory given, cannot free graphics surface.\n",
                        CLogger::kWarning));
    EXPECT_EQ(empty->GetPixel(-7, 1000), types::color(255, 0, 255, 255));
    EXPECT_FALSE(empty->Blit(empty));
    EXPECT_EQ(Gfx::CreateBuffer(), nullptr);
}

}  // namespace
}  // namespace tolm
