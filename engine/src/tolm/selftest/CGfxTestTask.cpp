#include "tolm/selftest/CGfxTestTask.h"

#include <string>

#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/CAnimation.h"
#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CFrameRect.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CTextSprite.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/font/COgfFontLoader.h"
#include "tolm/gfx/font/CSystemFontLoader.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {
namespace {

CTaskRegistrar<CGfxTestTask> ourRegistrar("gfxtest");

using types::kColorKeyMagenta;

bool InDisc(int x, int y, int w, int h) {
    const int dx = 2 * x + 1 - w;
    const int dy = 2 * y + 1 - h;
    return dx * dx + dy * dy <= w * h;
}
// A square frame with a keyed hole in the middle half.
bool InFrame(int x, int y, int w, int h) {
    return x < w / 4 || x >= w - w / 4 || y < h / 4 || y >= h - h / 4;
}
bool InDiamond(int x, int y, int w, int h) {
    const int dx = 2 * x + 1 - w;
    const int dy = 2 * y + 1 - h;
    return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy) <= w;
}
bool InRing(int x, int y, int w, int h) {
    const int dx = 2 * x + 1 - w;
    const int dy = 2 * y + 1 - h;
    const int d = dx * dx + dy * dy;
    return d <= w * h && d >= w * h / 4;
}

// A shape in one colour on the key colour.
CGfxTestTask::Painter Shape(const types::color& fill, bool (*inside)(int x, int y, int w, int h)) {
    return [fill, inside](int x, int y, int w, int h) {
        return inside(x, y, w, h) ? fill : kColorKeyMagenta;
    };
}

}  // namespace

const types::color CGfxTestTask::kDark(20, 40, 90, 255);
const types::color CGfxTestTask::kLight(30, 70, 140, 255);
const types::color CGfxTestTask::kRed(220, 30, 30, 255);
const types::color CGfxTestTask::kGreen(40, 200, 60, 255);
const types::color CGfxTestTask::kYellow(240, 220, 40, 255);
const types::color CGfxTestTask::kWhite(255, 255, 255, 255);

bool CGfxTestTask::Start() {
    CGfxBuffer* screen = Gfx::GetScreen();
    if (Gfx::GetFactory() == nullptr || screen == nullptr || screen->IsEmpty()) {
        Logger().Warning() << "gfxtest: no display to draw on; start \"gfx\" after \"window\""
                           << std::endl;
        return false;
    }
    const int w = screen->GetWidth();
    const int h = screen->GetHeight();
    // A chequer rather than a plain fill, so that a misplaced redraw shows.
    AddSprite(w, h, 0, 0, 1000, [](int x, int y, int, int) {
        return (x / kSquare + y / kSquare) % 2 == 1 ? kLight : kDark;
    });
    AddSprite(64, 64, 100, 100, 100, Shape(kRed, InDisc));
    AddSprite(64, 64, 300, 100, 100, Shape(kGreen, InFrame));
    AddSprite(64, 64, 500, 100, 100, Shape(kYellow, InDiamond));
    myMover = AddSprite(kMoverSize, kMoverSize, kMoverLeft, kMoverY, 50, Shape(kWhite, InRing));
    AddAnimatedSprite();
    AddText();
    AddCounter();
    myStartTime = GetSystemTime();
    Logger() << "gfxtest: scene of " << mySprites.size() << " sprites on " << w << "x" << h
             << std::endl;
    return true;
}

CSprite* CGfxTestTask::AddSprite(int w, int h, int x, int y, int z, const Painter& paint) {
    CGfxBuffer* picture = Gfx::NewBuffer(w, h, kColorKeyMagenta);
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) picture->PutPixel(px, py, paint(px, py, w, h));
    }
    auto sprite = std::make_unique<CSprite>(picture);
    sprite->SetPosition(x, y);
    sprite->SetZ(z);
    sprite->SetLayer(&ScreenLayer());
    mySprites.push_back(std::move(sprite));
    return mySprites.back().get();
}

types::color CGfxTestTask::AnimationColor(int frame) {
    static const types::color colors[kAnimationFrames] = {
        types::color(255, 140, 0), types::color(0, 200, 220), types::color(150, 60, 200),
        types::color(255, 120, 160), types::color(160, 230, 40)};
    return colors[((frame % kAnimationFrames) + kAnimationFrames) % kAnimationFrames];
}

// A strip of discs, one colour per frame, shown one after the other for ever.
void CGfxTestTask::AddAnimatedSprite() {
    const int side = kAnimationSize;
    CGfxBuffer* strip = Gfx::NewBuffer(side * kAnimationFrames, side, kColorKeyMagenta);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side * kAnimationFrames; ++x) {
            const bool inside = InDisc(x % side, y, side, side);
            strip->PutPixel(x, y, inside ? AnimationColor(x / side) : kColorKeyMagenta);
        }
    }
    auto sprite = std::make_unique<CAnimatedSprite>(strip);
    auto animation = std::make_unique<CAnimation>("colours", true);
    for (int i = 0; i < kAnimationFrames; ++i) {
        animation->AddFrame(std::make_unique<CFrameRect>(types::rect(i * side, 0, side, side),
                                                         kAnimationFrameTime));
    }
    sprite->AddAnimation(std::move(animation));
    sprite->SetImageRect(types::rect(0, 0, side, side));
    sprite->SetPosition(kAnimationX, kAnimationY);
    sprite->SetLayer(&ScreenLayer());
    sprite->SetAnimation("colours");
    sprite->Play();
    myAnimated = sprite.get();
    mySprites.push_back(std::move(sprite));
}

void CGfxTestTask::AddText() {
    auto* font = new CFont;
    CSystemFontLoader system(font);
    auto text = std::make_unique<CTextSprite>(font, 400, 15);
    text->SetPosition(100, 450);
    text->SetLayer(&ScreenLayer());
    text->SetText("Tolm version 0.22: the engine draws");
    mySprites.push_back(std::move(text));
}

// Whole seconds since start, so that the text is drawn again only once a second.
void CGfxTestTask::AddCounter() {
    auto font = std::make_unique<CFont>();
    if (!COgfFontLoader::Load(kCounterFont, *font)) return;  // the loader said why
    auto text = std::make_unique<CTextSprite>(font.release(), 320, 42);
    text->SetPosition(kCounterX, kCounterY);
    text->SetLayer(&ScreenLayer());
    text->SetText("0");
    myCounter = text.get();
    mySprites.push_back(std::move(text));
}

int CGfxTestTask::MoverX(types::ticks sinceStart) {
    const types::ticks phase = sinceStart % (2 * kMoverLegTime);
    const types::ticks along = phase < kMoverLegTime ? phase : 2 * kMoverLegTime - phase;
    return kMoverLeft + static_cast<int>(static_cast<long long>(along) * kMoverTravel /
                                         static_cast<long long>(kMoverLegTime));
}

void CGfxTestTask::Update() {
    const types::ticks sinceStart = GetSystemTime() - myStartTime;
    if (myMover != nullptr) myMover->SetX(MoverX(sinceStart));
    if (myCounter != nullptr) myCounter->SetText(std::to_string(sinceStart / 1000));
}

void CGfxTestTask::OnStop() {
    myMover = nullptr;
    myAnimated = nullptr;
    myCounter = nullptr;
    mySprites.clear();
}

}  // namespace tolm
