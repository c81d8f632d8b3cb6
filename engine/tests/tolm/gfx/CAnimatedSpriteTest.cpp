#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CFrameFactory.h"
#include "tolm/gfx/CFrameRect.h"
#include "tolm/gfx/CFrameSound.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/GfxTestSupport.h"
#include "tolm/tasks/CTaskGfx.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm::test {
namespace {

const types::rect kFrame0(0, 0, 10, 10);
const types::rect kFrame1(10, 0, 10, 10);
const types::rect kFrame2(20, 0, 10, 10);

class CAnimatedSpriteTest : public CGfxTestBase {
protected:
    void SetUp() override {
        OpenScreen(kWidth, kHeight, 32);
        Journal().clear();
        // The graphics task, which plays sound frames while it runs.
        ASSERT_TRUE(myGraphics.Start());
    }
    void TearDown() override {
        myGraphics.OnStop();
        CGfxTestBase::TearDown();
        Journal().clear();
    }
    // A 30 x 10 picture whose three 10 x 10 frames differ, and an animation over them.
    static std::unique_ptr<CAnimatedSprite> MakeSprite(bool loop) {
        auto sprite = std::make_unique<CAnimatedSprite>(Solid(30, 10, kRed));
        auto animation = std::make_unique<CAnimation>("walk", loop);
        for (const types::rect& r : {kFrame0, kFrame1, kFrame2})
            animation->AddFrame(std::make_unique<CFrameRect>(r, 100));
        sprite->AddAnimation(std::move(animation));
        return sprite;
    }
    // Ticks every 10 ms from `from` to `to` (inclusive) on the manual clock.
    void TickEvery10(types::ticks from, types::ticks to) {
        for (types::ticks t = from; t <= to; t += 10) {
            myTime.Set(t);
            AnimationManager().Tick(GetSystemTime());
            myShown.push_back(mySprite->GetImageRect());
            myPlaying.push_back(mySprite->IsPlaying());
        }
    }
    static int Commands() {
        int n = 0;
        for (const std::string& line : Journal()) n += line.rfind("call Audio ", 0) == 0;
        return n;
    }

    CScopedManualTime myTime{0};
    CTaskGfx myGraphics;
    CAnimatedSprite* mySprite = nullptr;
    std::vector<types::rect> myShown;
    std::vector<bool> myPlaying;
};

TEST_F(CAnimatedSpriteTest, ThreeFramesShowAtTheirTimesAndTheEndPausesOnTheLast) {
    auto sprite = MakeSprite(false);
    mySprite = sprite.get();
    myTime.Set(995);
    sprite->SetAnimation("walk");
    TickEvery10(1000, 1400);
    for (std::size_t i = 0; i < myShown.size(); ++i) {
        const types::ticks t = 1000 + 10 * static_cast<types::ticks>(i);
        SCOPED_TRACE(t);
        const types::rect expected = t < 1100 ? kFrame0 : t < 1200 ? kFrame1 : kFrame2;
        EXPECT_EQ(myShown[i], expected);
        EXPECT_EQ(myPlaying[i], t < 1200);
    }
    EXPECT_EQ(sprite->GetCurrentFrame(), 2);
    EXPECT_FALSE(AnimationManager().Contains(sprite.get()));
}

TEST_F(CAnimatedSpriteTest, LoopingReturnsToTheFirstFrameAndStopResets) {
    auto sprite = MakeSprite(true);
    mySprite = sprite.get();
    sprite->PlayAnimation("walk");
    TickEvery10(1000, 1300);
    EXPECT_EQ(myShown[29], kFrame2);  // 1290
    EXPECT_EQ(myShown[30], kFrame0);  // 1300: back at the start
    EXPECT_TRUE(sprite->IsPlaying());
    sprite->Stop();
    EXPECT_FALSE(AnimationManager().Contains(sprite.get()));
    EXPECT_EQ(sprite->GetCurrentFrame(), 0);
    EXPECT_EQ(sprite->GetAnimationTime(), 0u);
}

TEST_F(CAnimatedSpriteTest, SoundFramesIssueOneCommandEach) {
    Factory().StartTask("recorder", "Audio", 1, nullptr);
    auto sprite = MakeSprite(false);
    mySprite = sprite.get();
    auto animation = std::make_unique<CAnimation>("talk");
    animation->AddFrame(std::make_unique<CFrameRect>(kFrame0, 100));
    animation->AddFrame(std::make_unique<CFrameSound>("data/sfx/blow.wav"));
    animation->AddFrame(std::make_unique<CFrameRect>(kFrame1, 100));
    sprite->AddAnimation(std::move(animation));
    sprite->SetAnimation("talk");
    TickEvery10(1000, 1020);
    EXPECT_EQ(Commands(), 1);
    EXPECT_EQ(Journal().back(), "call Audio PlayEffect [data/sfx/blow.wav]");
    EXPECT_EQ(sprite->GetCurrentFrame(), 2);  // left at the update after the sound
    TickEvery10(1030, 1300);
    EXPECT_EQ(Commands(), 1);

    // A rect frame wrapping a sound: shows its rect and is over in one update.
    auto wrapped = std::make_unique<CFrameRect>(kFrame2, 500);
    wrapped->SetWrapped(std::make_unique<CFrameSound>("data/sfx/pop.wav"));
    EXPECT_TRUE(wrapped->Update(sprite.get(), 0));
    EXPECT_EQ(sprite->GetImageRect(), kFrame2);
    EXPECT_EQ(Commands(), 2);
}

TEST_F(CAnimatedSpriteTest, BrokenStatesNeverIndexOutOfRangeOrRunBackwards) {
    auto sprite = MakeSprite(false);
    mySprite = sprite.get();
    sprite->AddAnimation(std::make_unique<CAnimation>("empty"));
    sprite->SetAnimation("empty");
    sprite->SetCurrentFrame(7);
    sprite->AdvanceTime(1000);
    sprite->Update();
    EXPECT_EQ(sprite->GetCurrentFrame(), 7);  // no frames: the index is left alone
    EXPECT_EQ(sprite->GetAnimation()->GetNextUpdateTime(),
              std::numeric_limits<types::ticks>::max());

    // An unknown name keeps the animation but restarts it.
    sprite->SetAnimation("walk");
    sprite->SetCurrentFrame(-3);
    sprite->SetAnimation("no such animation");
    EXPECT_EQ(sprite->GetAnimationName(), "walk");
    sprite->SetCurrentFrame(99);
    TickEvery10(1110, 1110);
    EXPECT_EQ(myShown.back(), kFrame0);  // out of range: starts over at frame 0

    // Negative and not-a-number multipliers stop the clock.
    for (float bad : {-2.0f, std::nanf("")}) {
        sprite->SetTimeMultiply(bad);
        EXPECT_EQ(sprite->GetTimeMultiply(), 0.0f);
        const types::ticks before = sprite->GetAnimationTime();
        sprite->AdvanceTime(5000);
        EXPECT_EQ(sprite->GetAnimationTime(), before);
    }

    // A sprite without a picture takes its rect frames without drawing anything.
    CAnimatedSprite bare;
    CFrameRect frame(kFrame1, 10);
    EXPECT_TRUE(frame.Update(&bare, 10));
    EXPECT_FALSE(frame.Update(&bare, 9));
    EXPECT_EQ(bare.GetImageRect(), types::rect());
}

TEST_F(CAnimatedSpriteTest, TheManagerKeepsDueOrderAndStopsWhenASpriteEndsItself) {
    std::vector<std::unique_ptr<CAnimatedSprite>> sprites;
    for (int i = 0; i < 3; ++i) sprites.push_back(MakeSprite(i != 1));
    mySprite = sprites[0].get();
    sprites[2]->SetTimeMultiply(2.0f);
    myTime.Set(1000);
    for (auto& sprite : sprites) sprite->SetAnimation("walk");
    TickEvery10(1000, 1200);
    // Sprite 1 ended at 1200 (not looping), which ends that tick's walk: sprite 2, due at
    // 1200 too but behind it, still shows what it showed at 1150 and catches up at 1210.
    EXPECT_FALSE(sprites[1]->IsPlaying());
    EXPECT_EQ(AnimationManager().GetSprites().size(), 2u);
    EXPECT_EQ(sprites[0]->GetCurrentFrame(), 0);     // frames at 1000, 1100, 1200, then 0
    EXPECT_EQ(sprites[2]->GetImageRect(), kFrame0);  // doubled: 1000, 1050, 1100, 1150
    TickEvery10(1210, 1210);
    EXPECT_EQ(sprites[2]->GetImageRect(), kFrame1);
    const auto& order = AnimationManager().GetSprites();
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LE(order[i - 1]->GetNextUpdateTime(), order[i]->GetNextUpdateTime());
    sprites.clear();
    EXPECT_TRUE(AnimationManager().GetSprites().empty());
}

TEST_F(CAnimatedSpriteTest, DescriptionFilesReadWriteAndReadAgainUnchanged) {
    const std::string xml =
        "<Sprite type=\"sprite_animated\">"
        "<ImageRect x=\"5\" y=\"6\" w=\"10\" h=\"10\"></ImageRect><Z>40</Z><Alpha>255</Alpha>"
        "<CurrentAnimation>talk</CurrentAnimation><CurrentFrame>2</CurrentFrame>"
        "<MiniumUpdateTime>300</MiniumUpdateTime><Play>0</Play><TimeMultiply>1.5</TimeMultiply>"
        "<Animation name=\"blow\" loop=\"1\">"
        "<Frame type=\"frame_rect\"><Rect x=\"0\" y=\"0\" w=\"10\" h=\"10\"></Rect>"
        "<FrameLength>120</FrameLength></Frame>"
        "<Frame><Rect x=\"1\" y=\"1\" w=\"1\" h=\"1\"></Rect></Frame>"
        "<Frame type=\"frame_sound\" sound_file=\"data/sfx/blow.wav\"></Frame></Animation>"
        "<Animation name=\"talk\" loop=\"0\">"
        "<Frame type=\"frame_rect\"><Rect x=\"10\" y=\"0\" w=\"10\" h=\"10\"></Rect>"
        "<FrameLength>80</FrameLength><Wrapped type=\"frame_sound\" sound_file=\"a.wav\">"
        "</Wrapped></Frame>"
        "<Frame type=\"frame_odd\"><Rect x=\"20\" y=\"0\" w=\"10\" h=\"10\"></Rect></Frame>"
        "</Animation></Sprite>";
    WriteFile(myDir.File("a.xml"), xml);
    std::unique_ptr<CSprite> loaded(SpriteFactory().LoadSprite(myDir.File("a.xml")));
    ASSERT_EQ(loaded->GetType(), 4);
    auto* sprite = static_cast<CAnimatedSprite*>(loaded.get());
    EXPECT_EQ(sprite->GetAnimationName(), "talk");
    EXPECT_EQ(sprite->GetCurrentFrame(), 0);  // named animation: from the start, playing
    EXPECT_TRUE(sprite->IsPlaying());
    EXPECT_FLOAT_EQ(sprite->GetTimeMultiply(), 1.5f);
    ASSERT_EQ(sprite->GetAnimations().size(), 2u);
    const CAnimation& blow = *sprite->GetAnimations()[0];
    EXPECT_TRUE(blow.loop);
    ASSERT_EQ(blow.GetFrameCount(), 2);  // the frame without a type is skipped
    EXPECT_EQ(blow.GetFrame(1)->GetType(), CFrame::kFrameSound);
    const CAnimation& talk = *sprite->GetAnimations()[1];
    ASSERT_EQ(talk.GetFrameCount(), 2);
    const auto* first = static_cast<const CFrameRect*>(talk.GetFrame(0));
    ASSERT_NE(first->GetWrapped(), nullptr);
    EXPECT_EQ(static_cast<CFrameSound*>(first->GetWrapped())->GetSoundFile(), "a.wav");
    EXPECT_EQ(first->GetLength(), 0u);  // the wrapped sound takes over the timing
    EXPECT_EQ(talk.GetFrame(1)->GetType(), CFrame::kFrameRect);  // unknown type name

    ASSERT_TRUE(XmlSave(*sprite, myDir.File("b.xml"), "Sprite"));
    CAnimatedSprite again;
    ASSERT_TRUE(XmlLoad(again, myDir.File("b.xml")));
    ASSERT_TRUE(XmlSave(again, myDir.File("c.xml"), "Sprite"));
    EXPECT_EQ(ReadFile(myDir.File("b.xml")), ReadFile(myDir.File("c.xml")));
    const std::string written = ReadFile(myDir.File("b.xml"));
    for (const char* part :
         {"<CurrentAnimation>\n    talk\n", "<Play>\n    1\n", "<MiniumUpdateTime>\n    300\n",
          "<Animation loop=\"1\" name=\"blow\" >",
          "<Wrapped sound_file=\"a.wav\" type=\"frame_sound\" >"}) {
        EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;
    }
}

TEST(CFrameFactory, NamesAndIds) {
    EXPECT_EQ(CFrameFactory::GetTypeId("frame_sound"), CFrame::kFrameSound);
    EXPECT_EQ(CFrameFactory::GetTypeId("Frame_Sound"), CFrame::kFrameRect);
    EXPECT_EQ(CFrameFactory::GetTypeName(1), "frame_sound");
    EXPECT_EQ(CFrameFactory::GetTypeName(2), "");
    EXPECT_EQ(FrameFactory().CreateFrame(9)->GetType(), CFrame::kFrameRect);
}

}  // namespace
}  // namespace tolm::test
