#include "game/CScoreCounter.h"

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/font/COgfFontLoader.h"
#include "tolm/gfx/font/CSystemFontLoader.h"

namespace game {
namespace {

constexpr int kScoreX = 10;
constexpr int kScoreY = 10;
constexpr int kLevelGap = 16;
constexpr int kLevelWidth = 76;
constexpr int kLevelHeight = 21;

// The built-in font is white: a dark plate under it keeps it readable on a light sky.
tolm::CSprite* MakeLevelPlate() {
    const tolm::types::color plate(40, 60, 110);
    tolm::CGfxBuffer* picture = tolm::Gfx::NewBuffer(kLevelWidth, kLevelHeight);
    for (int y = 0; y < kLevelHeight; ++y)
        for (int x = 0; x < kLevelWidth; ++x) picture->PutPixel(x, y, plate);
    return new tolm::CSprite(picture);
}

}  // namespace

CScoreCounter::CScoreCounter() {
    auto font = std::make_unique<tolm::CFont>();
    tolm::COgfFontLoader::Load("data/gfx/numbers.ogf", *font);
    myText = std::make_unique<tolm::CTextSprite>(font.release(), 200, 50);
    myText->SetPosition(kScoreX, kScoreY);
    myText->SetZ(10);
    myText->SetLayer(&tolm::ScreenLayer());

    auto systemFont = std::make_unique<tolm::CFont>();
    tolm::CSystemFontLoader loader(systemFont.get());
    myLevelText = std::make_unique<tolm::CTextSprite>(systemFont.release(), kLevelWidth,
                                                      kLevelHeight, MakeLevelPlate());
    myLevelText->SetTextRect(tolm::types::rect(6, 3, kLevelWidth - 6, kLevelHeight - 3));
    myLevelText->SetZ(10);
    myLevelText->SetLayer(&tolm::ScreenLayer());
    Add(0);
}

CScoreCounter::~CScoreCounter() = default;

void CScoreCounter::Add(std::uint32_t points) {
    myScore += points * 100u;
    myText->SetText(std::to_string(myScore));
    PlaceLevel();
}

void CScoreCounter::SetLevel(int number) {
    myLevelText->SetText("Level " + std::to_string(number));
}

void CScoreCounter::PlaceLevel() {
    // Just right of the digits drawn, halfway down their line.
    const tolm::CFont* font = myText->GetFont();
    const int width = font != nullptr ? font->GetTextWidth(myText->GetText()) : 0;
    const int height = font != nullptr ? font->GetLineHeight() : 0;
    const int y = kScoreY + (height > kLevelHeight ? (height - kLevelHeight) / 2 : 0);
    myLevelText->SetPosition(kScoreX + width + kLevelGap, y);
}

void CScoreCounter::Set(std::uint32_t score) {
    myScore = score;
    Add(0);
}

}  // namespace game
