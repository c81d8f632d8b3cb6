#include "game/CGameView.h"

#include "game/GameLayout.h"
#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/CTextSprite.h"
#include "tolm/gfx/font/COgfFontLoader.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace game {
namespace {

using namespace layout;

bool IsLine(int line) {
    return line >= 0 && line < CGameView::kLineCount;
}

std::string CharacterFile(const char* part, int line) {
    return std::string("data/gfx/") + part + "_0" + std::to_string(line + 1) + ".xml";
}

}  // namespace

CGameView::CGameView(const CApproachRules& rules)
    : myRules(rules), myScoreCounter(std::make_unique<CScoreCounter>()) {
    for (int line = 0; line < kLineCount; ++line) {
        CreateCharacter(line, CharacterFile("character", line), CharacterFile("char_head", line),
                        CharacterFile("char_eyes", line));
    }
}

tolm::types::point CGameView::BubblePosition(int line, int position, int characterX) {
    const int columnX = IsLine(line) ? kColumnX[line] : characterX;
    int x = columnX;
    if (position < kCurveCells) {
        // Bubbles leave the mouth and curve in towards their column over the first cells.
        const float t = (static_cast<float>(position) / kCurveSpan) *
                        (static_cast<float>(position) / kCurveSpan);
        x = static_cast<int>(static_cast<float>(characterX) +
                             static_cast<float>(columnX - characterX) * t);
    }
    return tolm::types::point(x, kBottomCellY - kCellHeight * position);
}

CGameView::SpritePtr CGameView::Load(const std::string& file) {
    return SpritePtr(tolm::SpriteFactory().LoadSprite(file));
}

void CGameView::SetPreview(int line, int number) {
    if (!IsLine(line)) return;
    SpritePtr bubble = Load("data/gfx/soap_bubble_0" + std::to_string(number) + ".xml");
    if (!bubble->IsEmpty()) {
        const tolm::types::rect r = bubble->GetRect();
        int x = myRules.GetX(line) - r.w / 2;
        int y = kPreviewY - r.h / 2;
        if (line == 1) y -= kPreviewNudge;
        if (line == 2) x += kPreviewNudge;
        bubble->SetPosition(x, y);
    }
    auto preview = std::make_shared<CMovingSprite>();
    preview->SetSprite(std::move(bubble));
    preview->SetReleaseDelay(kDeathTime);
    myBubblePreviews[line] = std::move(preview);
}

void CGameView::PushBubble(int line) {
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

void CGameView::RemoveRow(int line_count) {
    if (line_count < 0 || line_count >= CVimbo_GameAreaLength) return;
    for (int position = line_count; position < CVimbo_GameAreaLength; ++position) {
        for (int line = 0; line < kLineCount; ++line) {
            myBubbles[line][position] = myBubbles[line][position + 1];
            GlideBubble(line, position);
        }
    }
}

void CGameView::GlideOuterCharacters(int oldLeftX, int oldRightX) {
    const CMovingSpritePtr& left = myBubbleMakers[0];
    const CMovingSpritePtr& right = myBubbleMakers[kLineCount - 1];
    if (left && myRules.GetLeftX() != oldLeftX) left->GlideToX(myRules.GetLeftX());
    if (right && myRules.GetRightX() != oldRightX) right->GlideToX(myRules.GetRightX());
}

void CGameView::PlayBurstSound(int sound) {
    tolm::Console().Execute(
        "Audio::PlayEffect(\"data/sfx/bubble_hit_0" + std::to_string(sound) + ".wav\" );", false);
}

void CGameView::PlayFanSound() {
    tolm::Console().Execute("Audio::PlayEffect(\"data/sfx/fan_hit.wav\" );", false);
}

void CGameView::AddScore(std::uint32_t points) {
    myScoreCounter->Add(points);
}

void CGameView::ShowSilenced(int previous, int line) {
    if (line == previous) return;
    if (IsLine(previous)) {
        if (myBubblePreviews[previous]) myBubblePreviews[previous]->PlayAnimation("blow");
        if (myBubbleMakers[previous]) myBubbleMakers[previous]->PlayAnimation("talk");
    }
    if (IsLine(line)) {
        if (myBubblePreviews[line]) myBubblePreviews[line]->PlayAnimation("death");
        if (myBubbleMakers[line]) myBubbleMakers[line]->PlayAnimation("silent");
    }
}

void CGameView::ShowScreen(const std::string& file) {
    for (Column& column : myBubbles) {
        for (CMovingSpritePtr& bubble : column) bubble.reset();
    }
    for (int line = 0; line < kLineCount; ++line) {
        myBubblePreviews[line].reset();
        if (myBubbleMakers[line]) myBubbleMakers[line]->PlayAnimation("silent");
    }
    SpritePtr picture = Load(file);
    picture->SetPosition(0, kPictureStartY);
    auto overlay = std::make_shared<CMovingSprite>();
    overlay->SetSprite(std::move(picture));
    myOverlay = overlay;
    overlay->SetMotion(CMovingSprite::kFall);
    overlay->GlideTo(kScreenWidth / 2, kScreenHeight / 2);
}

void CGameView::SetOverlay(const std::string& file) {
    myOverlay = MakeGroup(file);
}

void CGameView::ReleaseOverlay() {
    myOverlay.reset();
}

void CGameView::SetHelpAnimation(const std::string& file) {
    myHelpAnimation = MakeGroup(file);
}

void CGameView::ReleaseHelpAnimation() {
    myHelpAnimation.reset();
}

void CGameView::PlayCharacters(const std::string& animation) {
    for (const CMovingSpritePtr& maker : myBubbleMakers) {
        if (maker) maker->PlayAnimation(animation);
    }
}

void CGameView::JumpOuterCharacters(int leftX, int rightX) {
    if (myBubbleMakers[0]) myBubbleMakers[0]->JumpToX(leftX);
    if (myBubbleMakers[kLineCount - 1]) myBubbleMakers[kLineCount - 1]->JumpToX(rightX);
}

void CGameView::ShowScore(std::uint32_t score) {
    myScoreCounter->Set(score);
}

void CGameView::ShowLevel(int number) {
    myScoreCounter->SetLevel(number);
}

void CGameView::ShowTitleButtons(int continueNumber) {
    if (continueNumber == 0) {
        AddToOverlay(Load("data/gfx/title_start.xml"));
        return;
    }
    AddToOverlay(Load("data/gfx/title_choice.xml"));
    // One digit wide: the choice names levels 2 to 8.
    AddToOverlay(
        MakeDigits(std::to_string(continueNumber), kChoiceLevelX, kChoiceLevelX, kChoiceLevelY));
}

void CGameView::ShowBestScore(std::uint32_t score, bool onEnd) {
    const int x = onEnd ? kEndBestX : kTitleBestX;
    const int y = onEnd ? kEndBestY : kTitleBestY;
    SpritePtr plate = Load("data/gfx/best_score.xml");
    plate->SetPosition(x, y);
    AddToOverlay(std::move(plate));
    AddToOverlay(MakeDigits(std::to_string(score), x + kBestDigitsLeft, x + kBestDigitsRight,
                            y + kBestDigitsTop));
}

void CGameView::AddToOverlay(SpritePtr sprite) {
    if (!myOverlay || !myOverlay->GetSprite()) return;
    // The full-screen pictures are made for (0, 0); the end picture may still be dropping.
    const tolm::CSprite& picture = *myOverlay->GetSprite();
    sprite->SetPosition(sprite->GetX() + picture.GetX(), sprite->GetY() + picture.GetY());
    myOverlay->AddChild(std::move(sprite));
}

CGameView::SpritePtr CGameView::MakeDigits(const std::string& digits, int left, int right,
                                           int top) {
    auto font = std::make_unique<tolm::CFont>();
    tolm::COgfFontLoader::Load("data/gfx/numbers.ogf", *font);
    const int width = font->GetTextWidth(digits);
    const int height = font->GetLineHeight();
    auto text = std::make_shared<tolm::CTextSprite>(font.release(), width > 0 ? width : 1,
                                                    height > 0 ? height : 1);
    text->SetText(digits);
    text->SetPosition(left + (right - left - width) / 2, top);
    text->SetZ(kOverlayDigitsZ);
    text->SetLayer(&tolm::ScreenLayer());
    return text;
}

const CMovingSpritePtr& CGameView::GetBubble(int line, int position) const {
    static const CMovingSpritePtr none;
    if (!IsLine(line) || position < 0 || position >= CGameArea::kBoardHeight) return none;
    return myBubbles[line][position];
}

const CMovingSpritePtr& CGameView::GetPreview(int line) const {
    static const CMovingSpritePtr none;
    return IsLine(line) ? myBubblePreviews[line] : none;
}

const CMovingSpritePtr& CGameView::GetMaker(int line) const {
    static const CMovingSpritePtr none;
    return IsLine(line) ? myBubbleMakers[line] : none;
}

CMovingSpritePtr CGameView::MakeGroup(const std::string& file) {
    auto group = std::make_shared<CMovingSprite>();
    group->SetSprite(Load(file));
    return group;
}

void CGameView::CreateCharacter(int line, const std::string& body, const std::string& head,
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

void CGameView::GlideBubble(int line, int position) {
    const CMovingSpritePtr& bubble = myBubbles[line][position];
    if (!bubble) return;
    const tolm::types::point at = BubblePosition(line, position, myRules.GetX(line));
    bubble->GlideTo(at.x, at.y);
}

}  // namespace game
