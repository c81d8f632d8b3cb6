#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "../GfxTestSupport.h"
#include "support/TestFiles.h"
#include "tolm/gfx/CNullGfxBuffer.h"
#include "tolm/gfx/sdl/CGfxBufferSDL.h"
#include "tolm/gfx/sdl/CTextureManager.h"
#include "tolm/gfx/sdl/SavePNG.h"

namespace tolm {
namespace {

using namespace test;

using GfxBufferSDLTest = CGfxTestBase;

TEST_F(GfxBufferSDLTest, BlankAlphaBufferIsTransparentAndCopiesRaw) {
    CGfxBuffer* layer = Gfx::NewBuffer(8, 6);
    ASSERT_EQ(layer->GetType(), CGfxBufferSDL::kType);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(layer->GetPixel(x, y).a, 0) << x << "," << y;

    // Onto a raw-copy target, half-transparent pixels keep their alpha instead of blending.
    CGfxBuffer* glass = Gfx::NewBuffer(2, 2);
    glass->PutPixel(0, 0, kWhite);
    glass->PutPixel(1, 0, types::color(255, 255, 255, 128));
    EXPECT_TRUE(glass->Blit(layer, types::rect(0, 0, 2, 2), types::rect(3, 3, 2, 2)));
    EXPECT_EQ(layer->GetPixel(3, 3), kWhite);
    EXPECT_EQ(layer->GetPixel(4, 3), types::color(127, 127, 127, 127));
    EXPECT_EQ(layer->GetPixel(3, 4).a, 0);
    layer->ClearRect(types::rect(-100, -100, 104, 104));  // reaches (3, 3) only
    EXPECT_EQ(layer->GetPixel(3, 3).a, 0);
    EXPECT_EQ(layer->GetPixel(4, 3).a, 127);
    Gfx::FreeImage(glass);
    Gfx::FreeImage(layer);
}

TEST_F(GfxBufferSDLTest, PixelsAtTheEdgesOfTheView) {
    CGfxBuffer* buffer = Solid(10, 8, kBlack);
    buffer->SetRect(types::rect(2, 3, 4, 3));
    ASSERT_TRUE(buffer->IsClipped());
    struct Case {
        int x, y;
        bool inside;
    } cases[] = {{0, 0, true},       {3, 2, true},  {-1, 0, false}, {0, -1, false},
                 {4, 0, false},      {0, 3, false}, {3, 3, false},  {INT_MAX, INT_MAX, false},
                 {INT_MIN, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        buffer->PutPixel(c.x, c.y, kRed);
        EXPECT_EQ(buffer->GetPixel(c.x, c.y), c.inside ? kRed : types::color(0, 0, 0, 255));
    }
    buffer->SetRect(types::rect(0, 0, 10, 8));
    EXPECT_EQ(Count(buffer, kRed), 2);
    EXPECT_EQ(buffer->GetPixel(2, 3), kRed);
    EXPECT_EQ(buffer->GetPixel(5, 5), kRed);
    // A view reaching past the surface is kept on it.
    buffer->SetRect(types::rect(-5, 6, 1000, 1000));
    EXPECT_EQ(buffer->GetRect(), types::rect(0, 6, 10, 2));
    Gfx::FreeImage(buffer);
}

TEST_F(GfxBufferSDLTest, BlitsAreCutToBothViews) {
    CGfxBuffer* square = Solid(4, 4, kGreen);
    struct Case {
        types::rect src, dst;
        int expected;
    } cases[] = {
        {types::rect(0, 0, 4, 4), types::rect(0, 0, 4, 4), 12},
        {types::rect(0, 0, 4, 4), types::rect(-2, -1, 4, 4), 6},
        {types::rect(0, 0, 4, 4), types::rect(3, 2, 4, 4), 1},  // cut at the view's corner
        {types::rect(2, 2, 40, 40), types::rect(0, 0, 40, 40), 4},
        {types::rect(-3, -2, 4, 4), types::rect(0, 0, 4, 4), 1},
        {types::rect(0, 0, -4, 4), types::rect(0, 0, 4, 4), 0},
        {types::rect(0, 0, 4, 4), types::rect(INT_MAX, INT_MAX, 4, 4), 0},
        {types::rect(INT_MIN, 0, INT_MAX, 4), types::rect(0, 0, 4, 4), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dst.x << "," << c.dst.y << " from " << c.src.x);
        CGfxBuffer* target = Solid(10, 10, kBlack);
        target->SetRect(types::rect(2, 2, 4, 3));
        EXPECT_TRUE(square->Blit(target, c.src, c.dst));
        EXPECT_EQ(Count(target, kGreen), c.expected);
        target->SetRect(types::rect(0, 0, 10, 10));
        EXPECT_EQ(Count(target, kGreen), c.expected) << "drawn outside the view";
        Gfx::FreeImage(target);
    }
    // The whole-buffer form puts the view at the target view's corner.
    CGfxBuffer* target = Solid(10, 10, kBlack);
    target->SetRect(types::rect(7, 8, 3, 2));
    EXPECT_TRUE(square->Blit(target));
    target->SetRect(types::rect(0, 0, 10, 10));
    EXPECT_EQ(Count(target, kGreen), 6);
    EXPECT_EQ(target->GetPixel(7, 8), kGreen);
    EXPECT_FALSE(square->Blit(CNullGfxBuffer::Instance()));
    EXPECT_FALSE(
        square->Blit(CNullGfxBuffer::Instance(), types::rect(0, 0, 1, 1), types::rect(0, 0, 1, 1)));
    Gfx::FreeImage(target);
    Gfx::FreeImage(square);
}

TEST_F(GfxBufferSDLTest, SameFileIsDecodedOnceKeyedAndLivesUntilItsLastBuffer) {
    const std::string path = MakePictureFile("shared.bmp", 6, 5, kRed, 2);
    CGfxBuffer* first = Gfx::LoadImage(path, types::kColorKeyMagenta);
    ASSERT_FALSE(first->IsEmpty());
    EXPECT_EQ(first->GetFilename(), path);
    std::filesystem::remove(path);  // a second decode would now fail
    CGfxBuffer* second = Gfx::LoadImage(path, types::kColorKeyMagenta);
    ASSERT_NE(first, second);
    ASSERT_FALSE(second->IsEmpty());
    EXPECT_EQ(surface_cast(first)->GetSDLSurface(), surface_cast(second)->GetSDLSurface());
    EXPECT_EQ(TextureManager().GetCount(path), 2);
    Gfx::FreeImage(first);
    CGfxBuffer* target = Solid(6, 5, kGreen);
    EXPECT_TRUE(second->Blit(target));
    EXPECT_EQ(Count(target, kGreen), 4);  // the magenta hole is not drawn
    EXPECT_EQ(target->GetPixel(3, 1), kRed);
    Gfx::FreeImage(target);
    Gfx::FreeImage(second);
    EXPECT_FALSE(TextureManager().Exists(path));
    EXPECT_TRUE(Gfx::LoadImage(path, types::kColorKeyMagenta)->IsEmpty());
}

// Each unreadable picture is reported once, with its name and why. Among them the GIF that
// hangs SDL_image for ever, the one that crashes it, and a valid but oversized PNG.
TEST_F(GfxBufferSDLTest, UnreadablePicturesGiveTheEmptyBufferAndOneLine) {
    const std::string good = MakePictureFile("good.bmp", 8, 8, kRed, 0);
    const std::string bytes = test::ReadFile(good);
    test::WriteFile(myDir.File("truncated.bmp"), bytes.substr(0, 40));
    test::WriteFile(myDir.File("text.png"), "this is not a picture\n");
    test::WriteFile(myDir.File("empty.gif"), "");
    test::WriteFile(
        myDir.File("background.png"),
        std::string("\x47\x49\x46\x38\x39\x61\x14\x00\x14\x00\x00\x00\x00\x21\xf9", 15));
    test::WriteFile(myDir.File("close.gif"),
                    std::string("\x47\x49\x46\x38\x39\x61\x8c\x01\x14\x7b\x1f\xf3\xce\x2c\xb6\xe8"
                                "\xe2\x8b\x30\xc6\x28\xaa\x3b\x00",
                                24));
    SDL_Surface* tall = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 40000, 32, 0, 0, 0, 0);
    ASSERT_TRUE(SavePNG(tall, myDir.File("numbers.png")));
    SDL_FreeSurface(tall);
    // A sound header and IEND, but image data that does not inflate.
    SDL_Surface* small = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0, 0, 0, 0);
    ASSERT_TRUE(SavePNG(small, myDir.File("corrupt.png")));
    SDL_FreeSurface(small);
    std::string corrupt = test::ReadFile(myDir.File("corrupt.png"));
    corrupt.replace(corrupt.find("IDAT") + 4, 8, "garbage!");
    test::WriteFile(myDir.File("corrupt.png"), corrupt);
    std::filesystem::create_directory(myDir.File("folder.png"));
    const std::pair<const char*, std::string> files[] = {
        {"missing.png", "Refused the picture %: it cannot be opened: No such file or directory"},
        {"truncated.bmp", "Refused the picture %: it ends inside its header"},
        {"text.png", "Refused the picture %: it is not a picture format that is read here"},
        {"empty.gif", "Refused the picture %: it is empty"},
        {"folder.png", "Refused the picture %: it is a directory"},
        {"background.png", "Refused the picture %: it ends at byte 15, before its trailer"},
        {"close.gif", "Refused the picture %: it is 396 x 31508 pixels, more than the 8192"},
        {"numbers.png", "Refused the picture %: it is 1 x 40000 pixels, more than the 8192"},
        {"corrupt.png", "Could not load the picture %: "},
    };
    for (const auto& [name, line] : files) {
        SCOPED_TRACE(name);
        CLogCapture log;
        for (int attempt = 0; attempt < 3; ++attempt) {
            EXPECT_EQ(Gfx::LoadImage(myDir.File(name), types::kColorKeyMagenta),
                      Gfx::GetEmptyBuffer());
        }
        EXPECT_FALSE(TextureManager().Exists(myDir.File(name)));
        ASSERT_EQ(log.Lines().size(), 1u);
        const std::string expected =
            "[WARNING] " +
            std::string(line).replace(line.find('%'), 1, "\"" + myDir.File(name) + "\"");
        EXPECT_EQ(log.Lines()[0].substr(0, expected.size()), expected);
        EXPECT_EQ(log.Levels()[0], CLogger::kWarning);
    }
    EXPECT_EQ(Gfx::NewBuffer(0, 5), Gfx::GetEmptyBuffer());
    EXPECT_EQ(Gfx::NewBuffer(5, INT_MAX, types::kColorKeyMagenta), Gfx::GetEmptyBuffer());
}

// SDL_gfx steps through the source in 16.16 fixed point: a 1 x 40000 picture scaled to 7 x 5
// read 273 times outside it. The pixels here end at an unmapped page, so a read past them
// crashes the test instead of going unseen.
TEST_F(GfxBufferSDLTest, ScaleNeverReadsOutsideTheSource) {
    const long page = sysconf(_SC_PAGESIZE);
    const struct {
        int w, h, toW, toH;
        bool allowed;
    } cases[] = {{1, 40000, 7, 5, false},
                 {1, 16384, 7, 17, true},
                 {16384, 1, 17, 3, true},
                 {3, 3, 16385, 3, false},
                 {64, 64, 1, 1, true}};
    for (int smoothing : {0, 1}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h) + " smoothing " +
                         std::to_string(smoothing));
            const std::size_t bytes = static_cast<std::size_t>(c.w) * 4 * c.h;
            const std::size_t span = (bytes + page - 1) / page * page;
            auto* base = static_cast<std::uint8_t*>(mmap(
                nullptr, span + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
            ASSERT_NE(base, MAP_FAILED);
            ASSERT_EQ(mprotect(base + span, page, PROT_NONE), 0);
            auto* source = new CGfxBufferSDL(SDL_CreateRGBSurfaceFrom(
                base + span - bytes, c.w, c.h, 32, c.w * 4, 0xff0000, 0xff00, 0xff, 0));
            source->SetOption(CGfxBuffer::kOptionZoomSmoothing,
                              CAnyContainer(std::to_string(smoothing)));
            CLogCapture log;
            CGfxBuffer* scaled = source->Scale(c.toW, c.toH);
            EXPECT_EQ(scaled->IsEmpty(), !c.allowed);
            // Refused once per picture and size, whatever the smoothing.
            EXPECT_EQ(log.Lines().size(), c.allowed || smoothing == 1 ? 0u : 1u);
            if (c.allowed) {
                EXPECT_EQ(scaled->GetWidth(), c.toW);
                EXPECT_EQ(scaled->GetHeight(), c.toH);
            }
            source->SetOption(CGfxBuffer::kOptionZoomSmoothing, CAnyContainer("0"));
            Gfx::FreeImage(scaled);
            Gfx::FreeImage(source);
            munmap(base, span + page);
        }
    }
}

TEST_F(GfxBufferSDLTest, ScaleAndRotateUseOnlyTheView) {
    // Two frames side by side: red on the left, green on the right.
    CGfxBuffer* frames = Solid(8, 4, kRed);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x) frames->PutPixel(x, y, kGreen);
    frames->SetRect(types::rect(0, 0, 4, 4));
    CGfxBuffer* big = frames->Scale(8, 12);
    EXPECT_EQ(big->GetWidth(), 8);
    EXPECT_EQ(big->GetHeight(), 12);
    EXPECT_EQ(Count(big, kRed), 96);
    frames->SetRect(types::rect(4, 0, 4, 4));  // same size, other frame
    CGfxBuffer* bigGreen = frames->Scale(8, 12);
    EXPECT_EQ(Count(bigGreen, kGreen), 96);
    CGfxBuffer* turned = frames->Rotate(90.0f);
    EXPECT_EQ(Count(turned, kRed), 0);
    EXPECT_EQ(frames->Scale(0, 5), Gfx::GetEmptyBuffer());
    EXPECT_EQ(frames->Scale(5, INT_MAX), Gfx::GetEmptyBuffer());
    for (CGfxBuffer* b : {big, bigGreen, turned, frames}) Gfx::FreeImage(b);
}

}  // namespace
}  // namespace tolm
