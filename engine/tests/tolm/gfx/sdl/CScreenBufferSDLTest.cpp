// What a flip sends to the display, watched through the screen buffer's display calls: the
// whole screen, only the joined update list, or nothing; and over random frames a shadow of
// the display made only of what was sent always equals the screen.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "../GfxTestSupport.h"
#include "tolm/gfx/MergeRects.h"

namespace tolm {
namespace {

using namespace test;
using types::rect;

// One call to the display: a flip, or the rectangles of an update.
struct CSent {
    bool flip = false;
    std::vector<rect> rects;
    bool operator==(const CSent& other) const { return flip == other.flip && rects == other.rects; }
};

std::ostream& operator<<(std::ostream& out, const CSent& sent) {
    if (sent.flip) return out << "flip";
    out << "update";
    for (const rect& r : sent.rects)
        out << " (" << r.x << "," << r.y << "," << r.w << "," << r.h << ")";
    return out;
}

// Records every call to the display and keeps a copy of what the display then shows.
class CRecordingScreen : public CScreenBufferSDL {
public:
    static constexpr Uint32 kNeverSent = 0x5a5a5a5a;

    explicit CRecordingScreen(SDL_Surface* video)
        : CScreenBufferSDL(video),
          myShadow(static_cast<std::size_t>(video->w) * video->h, kNeverSent) {}

    std::vector<CSent> mySent;
    std::vector<Uint32> myShadow;

protected:
    void FlipDisplay(SDL_Surface* screen) override {
        mySent.push_back({true, {}});
        Copy(screen, rect(0, 0, screen->w, screen->h));
        // A hardware double buffer is only faked here: SDL has no flip behind it.
        if (!HasHardwareDoubleBuffer(screen)) CScreenBufferSDL::FlipDisplay(screen);
    }
    void UpdateDisplay(SDL_Surface* screen, const std::vector<rect>& rects) override {
        mySent.push_back({false, rects});
        for (const rect& r : rects) Copy(screen, r);
        CScreenBufferSDL::UpdateDisplay(screen, rects);
    }

private:
    void Copy(SDL_Surface* screen, const rect& r) {
        ASSERT_TRUE(r.IsInside(rect(0, 0, screen->w, screen->h)) && r.w > 0 && r.h > 0)
            << "sent " << CSent{false, {r}};
        for (int y = r.y; y < r.y + r.h; ++y) {
            const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
            std::memcpy(&myShadow[static_cast<std::size_t>(y) * screen->w + r.x], row + r.x * 4,
                        static_cast<std::size_t>(r.w) * 4);
        }
    }
};

class ScreenBufferSendTest : public CGfxTestBase {
protected:
    void SetUp() override {
        OpenScreen(kWidth, kHeight, 32);
        SDL_FillRect(myVideo, nullptr, 0);
        auto recorder = std::make_unique<CRecordingScreen>(myVideo);
        myRecorder = recorder.get();
        myScreen = std::move(recorder);
        // As the graphics task does: the window shows nothing yet, so all of it goes out.
        myScreen->SetVideoSurface(myVideo);
        Gfx::SetScreen(myScreen.get());
        myScreen->SetSendUpdateList(true);
    }
    void TearDown() override {
        CScreenBufferSDL::FlipRectsSize() = CScreenBufferSDL::kDefaultFlipRectsSize;
        CGfxTestBase::TearDown();
    }
    std::vector<CSent> TakeSent() { return std::exchange(myRecorder->mySent, {}); }

    CRecordingScreen* myRecorder = nullptr;
};

TEST_F(ScreenBufferSendTest, EachKindOfFrameSendsWhatItMust) {
    const CSent wholeScreen{false, {rect(0, 0, kWidth, kHeight)}};
    const struct {
        const char* name;
        std::function<void(CSprite*)> change;
        std::vector<CSent> sent;
    } cases[] = {
        {"off: the whole screen also when nothing changed",
         [this](CSprite*) { myScreen->SetSendUpdateList(false); },
         {CSent{true, {}}}},
        {"off: the whole screen for a small change",
         [this](CSprite* s) {
             myScreen->SetSendUpdateList(false);
             s->SetX(41);
         },
         {CSent{true, {}}}},
        {"on: nothing changed, nothing sent", [](CSprite*) {}, {}},
        {"on: a moved sprite is one rectangle",
         [](CSprite* s) { s->SetPosition(43, 22); },
         {CSent{false, {rect(40, 20, 23, 22)}}}},
        {"on: a sprite moved far is two",
         [](CSprite* s) { s->SetPosition(100, 80); },
         {CSent{false, {rect(100, 80, 20, 20), rect(40, 20, 20, 20)}}}},
        {"on: a sprite moved off the screen leaves only its old place",
         [](CSprite* s) { s->SetPosition(-100, 20); },
         {CSent{false, {rect(40, 20, 20, 20)}}}},
        {"on: the cap of the list sends the whole screen once",
         [this](CSprite*) {
             CScreenBufferSDL::FlipRectsSize() = 2;
             for (int i = 0; i < 3; ++i) myScreen->AddUpdateRect(rect(10 * i, 0, 5, 5));
         },
         {wholeScreen}},
        {"on: a full redraw", [](CSprite*) { ScreenLayer().RequestDrawAll(); }, {wholeScreen}},
        {"on: a new video mode",
         [this](CSprite*) { myScreen->SetVideoSurface(myVideo); },
         {wholeScreen}},
        {"on: a requested full flip (expose, focus)",
         [this](CSprite*) { myScreen->RequestFullFlip(); },
         {wholeScreen}},
        {"on: a removed sprite leaves its old place",
         [this](CSprite*) { mySprites.erase(mySprites.begin()); },
         {CSent{false, {rect(40, 20, 20, 20)}}}},
        {"on: a real hardware double buffer is flipped",
         [this](CSprite* s) {
             myVideo->flags |= SDL_HWSURFACE | SDL_DOUBLEBUF;
             s->SetX(44);
         },
         {CSent{true, {}}}},
        {"on: a double buffer flag alone is no hardware one",
         [this](CSprite* s) {
             myVideo->flags |= SDL_DOUBLEBUF;
             s->SetX(44);
         },
         {CSent{false, {rect(40, 20, 24, 20)}}}},
    };
    const Uint32 flags = myVideo->flags;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        mySprites.clear();
        AddSprite(kRed, 40, 20, 20, 20, 100);
        AddSprite(kBlue, 0, 100, 10, 10, 110);  // behind: untouched by the changes
        myScreen->SetSendUpdateList(true);
        Frame();
        TakeSent();
        c.change(mySprites.front().get());
        Frame();
        EXPECT_EQ(TakeSent(), c.sent);
        EXPECT_EQ(myRecorder->myShadow, Pixels(myVideo));
        myVideo->flags = flags;
        CScreenBufferSDL::FlipRectsSize() = CScreenBufferSDL::kDefaultFlipRectsSize;
    }
}

// The whole-scene property: whatever moves, appears, goes or changes depth, also behind
// opaque sprites, opaque covers that come, move and go, and a picture over the whole scene,
// the screen equals a full redraw, a display that got only what was sent equals the screen
// after every frame, and a quiet frame sends nothing; nor does a frame whose changes all lie
// behind the opaque curtain.
TEST_F(ScreenBufferSendTest, AShadowOfWhatWasSentEqualsTheScreenOverRandomFrames) {
    std::mt19937 random(20270117);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const types::color palette[] = {kRed, kGreen, kBlue, kWhite, types::color(200, 100, 50)};
    // Half of them opaque, so that they hide the smaller ones behind them.
    auto addRandomSprite = [&] {
        const int w = pick(6, 60), h = pick(6, 60), z = 100 + 10 * pick(-2, 2);
        const types::color fill = palette[pick(0, 4)];
        if (pick(0, 1) == 0) {
            AddSprite(fill, pick(-10, 150), pick(-10, 110), w, h, z);
        } else {
            mySprites.push_back(OnScreen(Solid(w, h, fill), pick(-10, 150), pick(-10, 110), z));
        }
    };
    for (int i = 0; i < 10; ++i) addRandomSprite();
    // A picture over the whole scene that drops in from above, as the game's pictures do.
    std::unique_ptr<CSprite> curtain;
    // Opaque covers in front of the sprites, smaller than the screen.
    std::vector<std::unique_ptr<CSprite>> covers;
    int quiet = 0;
    int partial = 0;
    int hiddenOnly = 0;
    // The curtain in front of everything, whole and opaque: moves and fades behind it are
    // wholly hidden.
    auto curtainHidesAll = [&curtain] {
        return curtain && curtain->GetY() == 0 && curtain->GetZ() == 50 &&
               curtain->GetAlpha() == 255;
    };
    for (int frame = 0; frame < 300; ++frame) {
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        const bool quietFrame = frame > 0 && pick(0, 5) == 0 && (!curtain || curtain->GetY() == 0);
        // Now and then a frame only of moves and fades behind the curtain.
        const bool behindFrame = !quietFrame && curtainHidesAll() && pick(0, 2) == 0;
        bool hiddenFrame = behindFrame;
        for (int c = quietFrame ? 0 : pick(1, 3); c > 0; --c) {
            const int behindOps[] = {0, 5, 13, 15};
            const int op = behindFrame ? behindOps[pick(0, 3)] : pick(0, 15);
            if (op == 12 && covers.size() < 2) {
                CGfxBuffer* cover = Solid(pick(50, 110), pick(40, 90), palette[pick(0, 4)]);
                covers.push_back(
                    OnScreen(cover, pick(-20, 120), pick(-20, 80), pick(0, 1) ? 60 : 70));
            }
            if (op == 13 && !covers.empty()) {
                CSprite* cover =
                    covers[static_cast<std::size_t>(pick(0, int(covers.size()) - 1))].get();
                if (pick(0, 2) == 0) {
                    cover->SetAlpha(cover->GetAlpha() == 255 ? 128 : 255);
                } else {
                    cover->SetPosition(cover->GetX() + pick(-30, 30),
                                       cover->GetY() + pick(-30, 30));
                }
            }
            if (op == 14 && !covers.empty() && pick(0, 2) == 0)
                covers.erase(covers.begin() + pick(0, int(covers.size()) - 1));
            if (op == 4 && mySprites.size() < 16) addRandomSprite();
            if (op == 8 && !curtain)
                curtain = OnScreen(Solid(kWidth, kHeight, kGreen), 0, -kHeight, 50);
            if (op == 9 && pick(0, 3) == 0) curtain.reset();
            if (op == 10 && curtain) curtain->SetAlpha(curtain->GetAlpha() == 255 ? 200 : 255);
            if (op == 11 && curtain && curtain->GetY() == 0)
                curtain->SetZ(curtain->GetZ() == 50 ? 150 : 50);
            if (op == 4 || (op >= 8 && op != 15) || mySprites.empty()) continue;
            const std::size_t which = static_cast<std::size_t>(pick(0, int(mySprites.size()) - 1));
            CSprite* sprite = mySprites[which].get();
            // Now and then wholly off the screen, on either side.
            if (op == 0) sprite->SetPosition(pick(-60, 220), pick(-60, 180));
            if (op == 1) sprite->SetZ(100 + 10 * pick(-2, 2));
            if (op == 2) sprite->SetVisible(!sprite->IsVisible());
            if (op == 3 && mySprites.size() > 3) mySprites.erase(mySprites.begin() + long(which));
            if (op == 5) sprite->SetAlpha(pick(0, 1) ? 255 : 128);
            if (op == 6) sprite->SetLayer(sprite->GetLayer() ? nullptr : &ScreenLayer());
            if (op == 7) sprite->Resize(pick(4, 60), pick(4, 60));
            // A short step, which often stays under the cover it was under.
            if (op == 15)
                sprite->SetPosition(sprite->GetX() + pick(-6, 6), sprite->GetY() + pick(-6, 6));
        }
        if (curtain && curtain->GetY() < 0) curtain->SetY(std::min(0, curtain->GetY() + 17));
        Frame();
        const std::vector<CSent> sent = TakeSent();
        ASSERT_EQ(Pixels(myVideo), FullRedraw());
        ASSERT_EQ(myRecorder->myShadow, Pixels(myVideo));
        ASSERT_LE(sent.size(), 1u);
        if (quietFrame) {
            ++quiet;
            EXPECT_TRUE(sent.empty()) << sent.front();
        } else if (hiddenFrame) {
            ++hiddenOnly;
            EXPECT_TRUE(sent.empty()) << sent.front();
        }
        if (sent.empty()) continue;
        ASSERT_FALSE(sent.front().flip);
        const std::vector<rect>& rects = sent.front().rects;
        if (rects != std::vector<rect>{rect(0, 0, kWidth, kHeight)}) ++partial;
        for (std::size_t i = 0; i < rects.size(); ++i)
            for (std::size_t j = i + 1; j < rects.size(); ++j)
                ASSERT_FALSE(RectsTouch(rects[i], rects[j])) << sent.front();
    }
    // The run exercised both kinds of frame that matter.
    EXPECT_GT(quiet, 20);
    EXPECT_GT(partial, 60);
    EXPECT_GT(hiddenOnly, 10);
}

}  // namespace
}  // namespace tolm
