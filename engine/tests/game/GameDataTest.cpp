// The game's data under game/data, loaded through the engine's own loaders: every sprite
// description file and its animations, the score font, the console window's pictures and
// every sound. The files are made by game/art/generate.py; these checks hold whatever the
// art looks like.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SDL_mixer.h"
#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/CTextSprite.h"
#include "tolm/gfx/GfxTestSupport.h"
#include "tolm/gfx/font/COgfFontLoader.h"

namespace tolm {
namespace {

using namespace test;

struct DataFile {
    std::string name;
    bool animated;
};

const std::vector<DataFile>& DescriptionFiles() {
    static const std::vector<DataFile> files = [] {
        std::vector<DataFile> all = {{"background", false},    {"ceiling_fan", true},
                                     {"title_screen", false},  {"help_screen", false},
                                     {"help_animation", true}, {"level_complete", false},
                                     {"level_failed", false},  {"the_end", false}};
        for (const char* part : {"character_0", "char_head_0", "char_eyes_0"})
            for (int n = 1; n <= 3; ++n) all.push_back({part + std::to_string(n), true});
        for (int n = 1; n <= 6; ++n) all.push_back({"soap_bubble_0" + std::to_string(n), true});
        return all;
    }();
    return files;
}

double Luminance(const types::color& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double Contrast(const types::color& a, const types::color& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Pixels of the whole picture in the colour key, which the loader would have made see-through.
int KeyedPixels(const CGfxBuffer* picture) {
    int keyed = 0;
    for (int y = 0; y < picture->GetFullHeight(); ++y) {
        for (int x = 0; x < picture->GetFullWidth(); ++x) {
            const types::color c = picture->GetPixel(x, y);
            keyed += c.r == 255 && c.g == 0 && c.b == 255;
        }
    }
    return keyed;
}

class GameDataTest : public CGfxTestBase {
protected:
    void SetUp() override {
        OpenScreen(800, 600, 32);
        InstallScreen();
        // The files name each other relative to the game's folder, as the program sees them.
        char* cwd = getcwd(nullptr, 0);
        myCwd = cwd;
        free(cwd);
        ASSERT_EQ(chdir(TOLM_SOURCE_DIR "/game"), 0);
    }
    void TearDown() override {
        for (CGfxBuffer* picture : myPictures) Gfx::FreeImage(picture);
        EXPECT_EQ(chdir(myCwd.c_str()), 0);
        CGfxTestBase::TearDown();
    }
    CSprite* Load(const std::string& name) {
        mySprites.emplace_back(SpriteFactory().LoadSprite("data/gfx/" + name + ".xml"));
        return mySprites.back().get();
    }
    // The whole picture of a sprite, whatever part of it the sprite shows now.
    const CGfxBuffer* Whole(const CSprite* sprite) {
        myPictures.push_back(
            Gfx::LoadImage(sprite->GetImage()->GetFilename(), types::kColorKeyMagenta));
        return myPictures.back();
    }
    // The sprite drawn alone onto an opaque canvas of its own size, filled with fill.
    static std::vector<types::color> Render(CSprite* sprite, types::color fill) {
        const types::rect r = sprite->GetRect();
        SDL_Surface* surface = SDL_CreateRGBSurface(0, r.w, r.h, 32, 0xff0000, 0xff00, 0xff, 0);
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, fill.r, fill.g, fill.b));
        CSprite canvas(new CGfxBufferSDL(surface));
        canvas.SetPosition(r.x, r.y);
        canvas.SetRect(types::rect(r.x, r.y, r.w, r.h));
        sprite->Draw(&canvas);
        std::vector<types::color> pixels;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) pixels.push_back(canvas.GetImage()->GetPixel(x, y));
        return pixels;
    }

    std::string myCwd;
    std::vector<CGfxBuffer*> myPictures;
};

TEST_F(GameDataTest, DescriptionFilesLoadWithoutAWarningAndShowTheirPictures) {
    CLogCapture log;
    for (const DataFile& file : DescriptionFiles()) {
        SCOPED_TRACE(file.name);
        CSprite* sprite = Load(file.name);
        ASSERT_NE(sprite, nullptr);
        ASSERT_NE(sprite->GetImage(), nullptr);
        EXPECT_FALSE(sprite->GetImage()->IsEmpty());
        const CGfxBuffer* picture = Whole(sprite);
        EXPECT_GT(sprite->GetRect().w, 0);
        EXPECT_GT(sprite->GetRect().h, 0);
        EXPECT_LE(sprite->GetRect().w, picture->GetFullWidth());
        EXPECT_EQ(sprite->GetRect().h, picture->GetFullHeight());
        EXPECT_NE(sprite->GetZ(), 100) << "no explicit Z";
        EXPECT_EQ(KeyedPixels(picture), 0);
    }
    for (std::size_t i = 0; i < log.Lines().size(); ++i)
        EXPECT_LT(log.Levels()[i], CLogger::kWarning) << log.Lines()[i];
}

TEST_F(GameDataTest, DepthsPutWhatChangesOftenInFront) {
    std::map<std::string, int> z;
    for (const DataFile& file : DescriptionFiles()) z[file.name] = Load(file.name)->GetZ();
    const int score = 10;  // given by the game to the score text
    for (const char* picture :
         {"title_screen", "help_screen", "level_complete", "level_failed", "the_end"}) {
        SCOPED_TRACE(picture);
        EXPECT_GT(z[picture], score);
        EXPECT_LT(z[picture], z["ceiling_fan"]);
        EXPECT_LT(z["help_animation"], z[picture]);
    }
    EXPECT_LT(z["ceiling_fan"], z["soap_bubble_01"]);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(z["soap_bubble_0" + std::to_string(n)], z["soap_bubble_01"]);
    int deepestCharacter = 0;
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const std::string k = std::to_string(n);
        // The preview sits on the mouth, the eyes on the head, the head on the body.
        EXPECT_LT(z["soap_bubble_01"], z["char_eyes_0" + k]);
        EXPECT_LT(z["char_eyes_0" + k], z["char_head_0" + k]);
        EXPECT_LT(z["char_head_0" + k], z["character_0" + k]);
        deepestCharacter = std::max(deepestCharacter, z["character_0" + k]);
    }
    // The outer characters walk over the middle one.
    for (const char* outer : {"char_eyes_01", "char_head_01", "character_01", "char_eyes_03",
                              "char_head_03", "character_03"})
        EXPECT_LT(z[outer], z["char_eyes_02"]) << outer;
    EXPECT_GT(z["background"], deepestCharacter);
}

TEST_F(GameDataTest, PlacesMatchTheScreenLayout) {
    const int centres[] = {200, 400, 600};
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const types::rect body = Load("character_0" + std::to_string(n))->GetRect();
        EXPECT_EQ(body.x + body.w / 2, centres[n - 1]);
        EXPECT_EQ(body.y + body.h, 600);
        for (const char* part : {"char_head_0", "char_eyes_0"}) {
            CSprite* sprite = Load(part + std::to_string(n));
            const types::rect r = sprite->GetRect();
            EXPECT_LT(r.y, body.y) << part;
            EXPECT_TRUE(r.x >= body.x - 40 && r.x + r.w <= body.x + body.w + 40) << part;
            // The pointer silences a character only below y 380: nothing is drawn above.
            const CGfxBuffer* picture = Whole(sprite);
            int above = 0;
            for (int y = 0; y < std::min(381 - r.y, picture->GetFullHeight()); ++y)
                for (int x = 0; x < picture->GetFullWidth(); ++x)
                    above += picture->GetPixel(x, y).a != 0;
            EXPECT_EQ(above, 0) << part;
        }
    }
    const types::rect fan = Load("ceiling_fan")->GetRect();
    EXPECT_EQ(fan.y, 0);
    EXPECT_EQ(fan.x + fan.w / 2, 400);
    EXPECT_LT(fan.x, 350 - 15);
    EXPECT_GT(fan.x + fan.w, 450 + 15);
    for (const char* picture :
         {"background", "title_screen", "help_screen", "level_complete", "level_failed", "the_end"})
        EXPECT_EQ(Load(picture)->GetRect(), types::rect(0, 0, 800, 600)) << picture;
    EXPECT_TRUE(Load("help_animation")->GetRect().IsInside(types::rect(0, 0, 800, 600)));
}

// The drawn bubble (its opaque part) is 26 to 30 px across, and its number's colour
// contrasts with the bubble's own colour, the most common opaque colour of its rim.
TEST_F(GameDataTest, BubbleNumbersStandOutFromTheirBubble) {
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        CSprite* bubble = Load("soap_bubble_0" + std::to_string(n));
        const int w = bubble->GetRect().w, h = bubble->GetRect().h;
        const std::vector<types::color> onBlack = Render(bubble, kBlack);
        const std::vector<types::color> onWhite = Render(bubble, kWhite);
        int left = w, right = -1;
        std::map<std::vector<int>, int> rim, middle;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const types::color c = onBlack[y * w + x];
                if (!(c == onWhite[y * w + x])) continue;  // see-through
                left = std::min(left, x);
                right = std::max(right, x);
                const double d = std::hypot(x + 0.5 - w / 2.0, y + 0.5 - h / 2.0);
                if (d > 11.5 && d < 14) ++rim[{c.r, c.g, c.b}];
                if (std::abs(x + 0.5 - w / 2.0) < 8 && std::abs(y + 0.5 - h / 2.0) < 10)
                    ++middle[{c.r, c.g, c.b}];
            }
        }
        EXPECT_GE(right - left + 1, 26);
        EXPECT_LE(right - left + 1, 30);
        ASSERT_FALSE(rim.empty());
        auto most = [](const std::map<std::vector<int>, int>& counts) {
            return std::max_element(counts.begin(), counts.end(),
                                    [](auto& a, auto& b) { return a.second < b.second; });
        };
        const std::vector<int> own = most(rim)->first;
        const types::color bubbleColour(own[0], own[1], own[2]);
        // The number: the most common opaque colour in the middle other than the bubble's.
        middle.erase(own);
        ASSERT_FALSE(middle.empty());
        const auto number = most(middle);
        const types::color numberColour(number->first[0], number->first[1], number->first[2]);
        EXPECT_GE(number->second, 20) << "too few pixels in the number's colour";
        EXPECT_GE(Contrast(numberColour, bubbleColour), 4.5);
    }
}

// A sprite with soft edges restores exactly what lay under it when it moves over the
// background: the screen equals a scene drawn from scratch, with no trail or halo.
TEST_F(GameDataTest, SoftEdgedSpritesLeaveNoTrail) {
    Load("background");
    Load("char_head_01");
    CSprite* bubble = Load("soap_bubble_03");
    Frame();
    for (int step = 0; step < 12; ++step) {
        bubble->SetPosition(180 + 7 * step, 440 - 9 * step);
        Frame();
    }
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
}

TEST_F(GameDataTest, ConsoleWindowPicturesLoad) {
    const struct {
        const char* file;
        int w, h;
    } pictures[] = {{"data/gui/background.png", 400, 200},
                    {"data/gui/titlebar.gif", 396, 20},
                    {"data/gui/close.gif", 20, 20},
                    {"data/gui/maximize.gif", 20, 20}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.file);
        CGfxBuffer* picture = Gfx::LoadImage(p.file, types::kColorKeyMagenta);
        EXPECT_FALSE(picture->IsEmpty());
        EXPECT_EQ(picture->GetWidth(), p.w);
        EXPECT_EQ(picture->GetHeight(), p.h);
        EXPECT_EQ(KeyedPixels(picture), 0);
        Gfx::FreeImage(picture);
    }
}

// Sum of the alpha of the pixels of one frame of a whole picture.
long FrameAlpha(const CGfxBuffer* picture, const types::rect& frame) {
    long sum = 0;
    for (int y = frame.y; y < frame.y + frame.h; ++y)
        for (int x = frame.x; x < frame.x + frame.w; ++x) sum += picture->GetPixel(x, y).a;
    return sum;
}

// Plays the named animation for the given time on a 10 ms tick and answers the frames it
// showed, in order, each once.
std::vector<types::rect> Play(CAnimatedSprite* sprite, const std::string& name, types::ticks& now,
                              types::ticks duration) {
    sprite->PlayAnimation(name);
    EXPECT_EQ(sprite->GetAnimationName(), name);
    std::vector<types::rect> shown;
    for (types::ticks end = now + duration; now < end; now += 10) {
        AnimationManager().Tick(now);
        const types::rect r = sprite->GetImage()->GetRect();  // the frame shown now
        EXPECT_TRUE(r.IsInside(types::rect(0, 0, sprite->GetImage()->GetFullWidth(),
                                           sprite->GetImage()->GetFullHeight())));
        EXPECT_EQ(r.w, sprite->GetRect().w);
        EXPECT_EQ(r.h, sprite->GetRect().h);
        if (shown.empty() || !(shown.back() == r)) shown.push_back(r);
    }
    return shown;
}

TEST_F(GameDataTest, CharactersTalkAndFallSilent) {
    types::ticks now = 1000;
    for (const char* part : {"character_0", "char_head_0", "char_eyes_0"}) {
        for (int n = 1; n <= 3; ++n) {
            SCOPED_TRACE(part + std::to_string(n));
            auto* sprite = dynamic_cast<CAnimatedSprite*>(Load(part + std::to_string(n)));
            ASSERT_NE(sprite, nullptr);
            EXPECT_EQ(sprite->GetAnimationName(), "talk");
            EXPECT_TRUE(sprite->IsPlaying());
            const std::vector<types::rect> talk = Play(sprite, "talk", now, 4000);
            EXPECT_GE(talk.size(), 3u) << "talking moves";
            EXPECT_TRUE(sprite->IsPlaying()) << "talking goes on";
            const std::vector<types::rect> silent = Play(sprite, "silent", now, 1000);
            ASSERT_EQ(silent.size(), 1u) << "silence keeps still";
            // The silent frame is none of the talking ones: a closed mouth, eyes at rest.
            const CGfxBuffer* picture = Whole(sprite);
            for (const types::rect& frame : talk) {
                int differing = 0;
                for (int y = 0; y < frame.h; ++y)
                    for (int x = 0; x < frame.w; ++x)
                        differing += !(picture->GetPixel(frame.x + x, frame.y + y) ==
                                       picture->GetPixel(silent[0].x + x, silent[0].y + y));
                EXPECT_GT(differing, 20) << "silent looks like a talking frame";
            }
            Play(sprite, "talk", now, 100);
            EXPECT_TRUE(sprite->IsPlaying()) << "talks again";
        }
    }
}

TEST_F(GameDataTest, BubblesWobbleAndPopWithinTheirReleaseDelay) {
    types::ticks now = 1000;
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        auto* bubble = dynamic_cast<CAnimatedSprite*>(Load("soap_bubble_0" + std::to_string(n)));
        ASSERT_NE(bubble, nullptr);
        EXPECT_EQ(bubble->GetAnimationName(), "blow");
        const std::vector<types::rect> blow = Play(bubble, "blow", now, 2000);
        EXPECT_GE(blow.size(), 3u);
        EXPECT_TRUE(bubble->IsPlaying());
        const CGfxBuffer* picture = Whole(bubble);
        const long whole = FrameAlpha(picture, blow.front());
        // The game keeps a released bubble 300 ms: the pop ends by then, on a faint frame.
        const std::vector<types::rect> death = Play(bubble, "death", now, 300);
        EXPECT_GE(death.size(), 3u);
        EXPECT_FALSE(bubble->IsPlaying());
        EXPECT_GT(whole, 0);
        EXPECT_LT(FrameAlpha(picture, death.back()), whole * 2 / 5);
    }
}

TEST_F(GameDataTest, FanAndHelpAnimationPlayForever) {
    types::ticks now = 1000;
    for (const char* name : {"ceiling_fan", "help_animation"}) {
        SCOPED_TRACE(name);
        auto* sprite = dynamic_cast<CAnimatedSprite*>(Load(name));
        ASSERT_NE(sprite, nullptr);
        const std::string current = sprite->GetAnimationName();
        EXPECT_FALSE(current.empty());
        const std::vector<types::rect> shown = Play(sprite, current, now, 10000);
        EXPECT_GE(shown.size(), 5u);
        EXPECT_TRUE(sprite->IsPlaying());
    }
}

TEST_F(GameDataTest, ScoreFontDrawsEveryDigitReadably) {
    CLogCapture log;
    auto font = std::make_unique<CFont>();
    ASSERT_TRUE(COgfFontLoader::Load("data/gfx/numbers.ogf", *font));
    EXPECT_TRUE(log.Lines().empty()) << log.Lines().front();
    const CGfxBuffer* picture = font->GetImage();
    std::vector<std::vector<types::color>> glyphs;
    std::map<std::vector<int>, int> colours;
    for (char c = '0'; c <= '9'; ++c) {
        SCOPED_TRACE(c);
        const types::rect r = font->GetCharRect(c);
        EXPECT_GT(r.w, 0);
        EXPECT_EQ(r.h, font->GetLineHeight());
        ASSERT_TRUE(r.IsInside(types::rect(0, 0, picture->GetWidth(), picture->GetHeight())));
        std::vector<types::color> glyph;
        for (int y = r.y; y < r.y + r.h; ++y) {
            for (int x = r.x; x < r.x + r.w; ++x) {
                glyph.push_back(picture->GetPixel(x, y));
                if (glyph.back().a == 255)
                    ++colours[{glyph.back().r, glyph.back().g, glyph.back().b}];
            }
        }
        for (const auto& other : glyphs) EXPECT_NE(other, glyph) << "two digits look the same";
        glyphs.push_back(glyph);
    }
    // A fill and an outline, both common, in strong contrast: it reads over any picture.
    std::vector<std::pair<int, std::vector<int>>> byCount;
    for (const auto& [c, count] : colours) byCount.push_back({count, c});
    std::sort(byCount.rbegin(), byCount.rend());
    ASSERT_GE(byCount.size(), 2u);
    const auto& a = byCount[0].second;
    const auto& b = byCount[1].second;
    EXPECT_GE(Contrast(types::color(a[0], a[1], a[2]), types::color(b[0], b[1], b[2])), 4.5);

    // The game's score sprite, 200 x 50, holds a seven-digit score.
    CTextSprite score(font.release(), 200, 50);
    score.SetText("9999999");
    EXPECT_LE(score.GetEndPoint().x, 200);
    EXPECT_GT(Count(score.GetImage(), kWhite), 0);
}

// Sounds in the mixer's own format, short, at about -6 dBFS (three bursts play nine at
// once and the mixer does not limit), silent at both ends, and all different.
TEST(GameSoundsTest, SoundsSuitTheMixer) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    std::vector<std::string> files;
    for (int n = 1; n <= 7; ++n)
        files.push_back(TOLM_SOURCE_DIR "/game/data/sfx/bubble_hit_0" + std::to_string(n) + ".wav");
    files.push_back(TOLM_SOURCE_DIR "/game/data/sfx/fan_hit.wav");
    std::vector<std::vector<Sint16>> sounds;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
        EXPECT_NE(chunk, nullptr) << Mix_GetError();
        if (chunk != nullptr) Mix_FreeChunk(chunk);

        SDL_AudioSpec format;
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(file.c_str(), &format, &data, &length), nullptr) << SDL_GetError();
        EXPECT_EQ(format.freq, 22050);
        EXPECT_EQ(format.format, AUDIO_S16LSB);
        EXPECT_EQ(format.channels, 1);
        std::vector<Sint16> samples(length / 2);
        std::copy_n(reinterpret_cast<const Sint16*>(data), samples.size(), samples.data());
        SDL_FreeWAV(data);
        ASSERT_GT(samples.size(), 2u);
        const double ms = samples.size() * 1000.0 / 22050;
        const bool fan = file.find("fan_hit") != std::string::npos;
        EXPECT_GE(ms, 60);
        EXPECT_LE(ms, fan ? 400 : 200);
        EXPECT_EQ(samples.front(), 0);
        EXPECT_EQ(samples.back(), 0);
        int peak = 0;
        for (Sint16 s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        const double dbfs = 20 * std::log10(peak / 32768.0);
        EXPECT_GT(dbfs, -7.0);
        EXPECT_LT(dbfs, -5.0);
        for (const auto& other : sounds) EXPECT_NE(other, samples) << "two sounds are the same";
        sounds.push_back(samples);
    }
    Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace
}  // namespace tolm
