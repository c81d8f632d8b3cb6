#include "game/CGfxHandler.h"

#include <algorithm>

#include "game/CLevelProgress.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/inputdevice/CMouse.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

constexpr int BurstSounds = 7;
constexpr int BurstSoundRepeats = 3;
constexpr int PreviewY = 445;
constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;
// Pointer x at or beyond these edges keeps the current choice.
constexpr int EdgeLeftX = 50;
constexpr int EdgeRightX = 750;

bool IsLine(int line) {
    return line >= 0 && line < CGfxHandler::LineCount;
}

std::string CharacterFile(const char* part, int line) {
    return std::string("data/gfx/") + part + "_0" + std::to_string(line + 1) + ".xml";
}

}  // namespace

CGfxHandler::CGfxHandler(CGameArea& area)
    : myScoreCounter(std::make_unique<CScoreCounter>()), myArea(&area) {
    myRules.SetApproachSteps(LevelProgress().myApproachSteps);
    myRules.BeginLevel();
    myFlow = std::make_unique<CLevelFlow>(area, myRules, *this);
    // Before anything can run: the game must not play under the title.
    area.Stop();
    for (int line = 0; line < LineCount; ++line) {
        CreateCharacter(line, CharacterFile("character", line), CharacterFile("char_head", line),
                        CharacterFile("char_eyes", line));
    }
    myBackground = Load("data/gfx/background.xml");
    myFan = Load("data/gfx/ceiling_fan.xml");
    tolm::Mouse().AddGlobalListener(this);
    myFlow->ShowTitle();
}

CGfxHandler::~CGfxHandler() {
    // First, so that no notification reaches a half-destroyed handler.
    tolm::Mouse().RemoveListener(this);
}

CGameArea::PresentationFactory CGfxHandler::Factory() {
    return [](CGameArea& area) { return std::make_unique<CGfxHandler>(area); };
}

CGfxHandler* CGfxHandler::Of(const CGameArea& area) {
    return dynamic_cast<CGfxHandler*>(area.GetPresentation());
}

tolm::types::point CGfxHandler::BubblePosition(int line, int position, int characterX) {
    const int columnX = IsLine(line) ? CApproachRules::ColumnX[line] : characterX;
    int x = columnX;
    if (position < 8) {
        // Bubbles leave the mouth and curve in towards their column over the first cells.
        const float t =
            (static_cast<float>(position) / 7.5f) * (static_cast<float>(position) / 7.5f);
        x = static_cast<int>(static_cast<float>(characterX) +
                             static_cast<float>(columnX - characterX) * t);
    }
    return tolm::types::point(x, 370 - 25 * position);
}

void CGfxHandler::SetPreview(int line, int number) {
    if (!IsLine(line)) return;
    SpritePtr bubble = Load("data/gfx/soap_bubble_0" + std::to_string(number) + ".xml");
    if (!bubble->IsEmpty()) {
        const tolm::types::rect r = bubble->GetRect();
        int x = myRules.GetX(line) - r.w / 2;
        int y = PreviewY - r.h / 2;
        if (line == 1) y -= 5;
        if (line == 2) x += 5;
        bubble->SetPosition(x, y);
    }
    auto preview = std::make_shared<CMovingSprite>();
    preview->SetSprite(std::move(bubble));
    preview->SetReleaseDelay(DeathTime);
    myBubblePreviews[line] = std::move(preview);
}

void CGfxHandler::BubblePushed(int line, int /*number*/) {
    if (!IsLine(line)) return;
    Column& column = myBubbles[line];
    for (int position = CVimbo_GameAreaLength - 1; position > 0; --position) {
        column[position] = column[position - 1];
        GlideBubble(line, position);
    }
    column[0] = std::move(myBubblePreviews[line]);
    myBubblePreviews[line].reset();
    GlideBubble(line, 0);
}

void CGfxHandler::RowRemoved(int line_count) {
    if (line_count < 0 || line_count >= CVimbo_GameAreaLength) return;
    for (int position = line_count; position < CVimbo_GameAreaLength; ++position) {
        for (int line = 0; line < LineCount; ++line) {
            myBubbles[line][position] = myBubbles[line][position + 1];
            GlideBubble(line, position);
        }
    }
    const int oldLeftX = myRules.GetLeftX();
    const int oldRightX = myRules.GetRightX();
    const CApproachRules::EOutcome outcome = myRules.RowRemoved(line_count);
    if (line_count < CVimbo_GameAreaLength - 1) {
        GlideOuterCharacters(oldLeftX, oldRightX);
        for (int i = 0; i < BurstSoundRepeats; ++i) PlayBurstSound();
    }
    myFlow->Apply(outcome);
}

void CGfxHandler::FanHit() {
    const int oldLeftX = myRules.GetLeftX();
    const int oldRightX = myRules.GetRightX();
    const CApproachRules::EOutcome outcome = myRules.FanHit();
    GlideOuterCharacters(oldLeftX, oldRightX);
    myFlow->Apply(outcome);
    PlayFanSound();
}

void CGfxHandler::FlushScore() {
    myScoreCounter->Add(static_cast<std::uint32_t>(myRules.GetPoints()));
    myRules.FlushScore();
}

void CGfxHandler::OnMouseMove(int x, int y) {
    if (y <= SilenceLineY) {
        Select(-1);
        myArea->SetSelectedLine(-1);
        return;
    }
    const int left = std::min(std::max(myRules.GetLeftX() + 50, 300), 350);
    const int right = std::max(std::min(myRules.GetRightX() - 50, 500), 450);
    int line = -1;
    if (x > EdgeLeftX && x < left) {
        line = 0;
    } else if (x > right && x < EdgeRightX) {
        line = 2;
    } else if (x > EdgeLeftX && x < EdgeRightX) {
        line = 1;
    } else {
        return;
    }
    myArea->SetSelectedLine(line);
    Select(line);
}

void CGfxHandler::OnMouseDown(int mask) {
    myFlow->ButtonPressed(mask);
}

tolm::types::rect CGfxHandler::GetArea() const {
    return tolm::types::rect{0, 0, ScreenWidth, ScreenHeight};
}

void CGfxHandler::Select(int line) {
    if (line == mySelectedLine) return;
    if (IsLine(mySelectedLine)) {
        if (myBubblePreviews[mySelectedLine])
            myBubblePreviews[mySelectedLine]->PlayAnimation("blow");
        if (myBubbleMakers[mySelectedLine]) myBubbleMakers[mySelectedLine]->PlayAnimation("talk");
    }
    mySelectedLine = line;
    if (IsLine(line)) {
        if (myBubblePreviews[line]) myBubblePreviews[line]->PlayAnimation("death");
        if (myBubbleMakers[line]) myBubbleMakers[line]->PlayAnimation("silent");
    }
}

void CGfxHandler::ShowScreen(const std::string& file) {
    for (Column& column : myBubbles) {
        for (CMovingSpritePtr& bubble : column) bubble.reset();
    }
    for (int line = 0; line < LineCount; ++line) {
        myBubblePreviews[line].reset();
        if (myBubbleMakers[line]) myBubbleMakers[line]->PlayAnimation("silent");
    }
    SpritePtr picture = Load(file);
    picture->SetPosition(0, -598);
    auto overlay = std::make_shared<CMovingSprite>();
    overlay->SetSprite(std::move(picture));
    myOverlay = overlay;
    overlay->SetMotion(CMovingSprite::Fall);
    overlay->GlideTo(ScreenWidth / 2, ScreenHeight / 2);
}

void CGfxHandler::SetOverlay(const std::string& file) {
    myOverlay = MakeGroup(file);
}

void CGfxHandler::ReleaseOverlay() {
    myOverlay.reset();
}

void CGfxHandler::SetHelpAnimation(const std::string& file) {
    myHelpAnimation = MakeGroup(file);
}

void CGfxHandler::ReleaseHelpAnimation() {
    myHelpAnimation.reset();
}

void CGfxHandler::PlayCharacters(const std::string& animation) {
    for (const CMovingSpritePtr& maker : myBubbleMakers) {
        if (maker) maker->PlayAnimation(animation);
    }
}

void CGfxHandler::JumpOuterCharacters(int leftX, int rightX) {
    if (myBubbleMakers[0]) myBubbleMakers[0]->JumpToX(leftX);
    if (myBubbleMakers[LineCount - 1]) myBubbleMakers[LineCount - 1]->JumpToX(rightX);
}

void CGfxHandler::ShowScore(std::uint32_t score) {
    myScoreCounter->Set(score);
}

void CGfxHandler::ShowLevel(int number) {
    myScoreCounter->SetLevel(number);
}

const CMovingSpritePtr& CGfxHandler::GetBubble(int line, int position) const {
    static const CMovingSpritePtr none;
    if (!IsLine(line) || position < 0 || position >= CGameArea::BoardHeight) return none;
    return myBubbles[line][position];
}

const CMovingSpritePtr& CGfxHandler::GetPreview(int line) const {
    static const CMovingSpritePtr none;
    return IsLine(line) ? myBubblePreviews[line] : none;
}

const CMovingSpritePtr& CGfxHandler::GetMaker(int line) const {
    static const CMovingSpritePtr none;
    return IsLine(line) ? myBubbleMakers[line] : none;
}

CGfxHandler::SpritePtr CGfxHandler::Load(const std::string& file) {
    return SpritePtr(tolm::SpriteFactory().LoadSprite(file));
}

CMovingSpritePtr CGfxHandler::MakeGroup(const std::string& file) {
    auto group = std::make_shared<CMovingSprite>();
    group->SetSprite(Load(file));
    return group;
}

void CGfxHandler::CreateCharacter(int line, const std::string& body, const std::string& head,
                                  const std::string& eyes) {
    SpritePtr bodySprite = Load(body);
    int offset = 0;
    if (!bodySprite->IsEmpty()) {
        const int x = BubblePosition(line, 0, myRules.GetX(line)).x - bodySprite->GetRect().w / 2;
        offset = x - bodySprite->GetX();
        bodySprite->SetPosition(x, bodySprite->GetY());
    }
    auto maker = std::make_shared<CMovingSprite>();
    maker->SetSprite(std::move(bodySprite));
    // Head and eyes keep their place relative to the body that their files give.
    for (const std::string* file : {&head, &eyes}) {
        if (file->empty()) continue;
        SpritePtr part = Load(*file);
        part->SetPosition(part->GetX() + offset, part->GetY());
        maker->AddChild(std::move(part));
    }
    myBubbleMakers[line] = std::move(maker);
}

void CGfxHandler::GlideBubble(int line, int position) {
    const CMovingSpritePtr& bubble = myBubbles[line][position];
    if (!bubble) return;
    const tolm::types::point at = BubblePosition(line, position, myRules.GetX(line));
    bubble->GlideTo(at.x, at.y);
}

void CGfxHandler::GlideOuterCharacters(int oldLeftX, int oldRightX) {
    const CMovingSpritePtr& left = myBubbleMakers[0];
    const CMovingSpritePtr& right = myBubbleMakers[LineCount - 1];
    if (left && myRules.GetLeftX() != oldLeftX) left->GlideToX(myRules.GetLeftX());
    if (right && myRules.GetRightX() != oldRightX) right->GlideToX(myRules.GetRightX());
}

void CGfxHandler::PlayBurstSound() {
    const int n = tolm::Random(1, BurstSounds);
    tolm::Console().Execute(
        "Audio::PlayEffect(\"data/sfx/bubble_hit_0" + std::to_string(n) + ".wav\" );", false);
}

void CGfxHandler::PlayFanSound() {
    tolm::Console().Execute("Audio::PlayEffect(\"data/sfx/fan_hit.wav\" );", false);
}

}  // namespace game
