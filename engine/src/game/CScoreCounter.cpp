#include "game/CScoreCounter.h"

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/font/COgfFontLoader.h"
#include "tolm/gfx/font/CSystemFontLoader.h"

namespace game {
namespace {

constexpr int ScoreX = 10;
constexpr int ScoreY = 10;
constexpr int LevelGap = 16;
constexpr int LevelWidth = 76;
constexpr int LevelHeight = 21;

// The built-in font is white: a dark plate under it keeps it readable on a light sky.
tolm::CSprite* MakeLevelPlate() {
    const tolm::types::color plate(40, 60, 110);
    tolm::CGfxBuffer* picture = tolm::Gfx::NewBuffer(LevelWidth, LevelHeight);
    for (int y = 0; y < LevelHeight; ++y)
        for (int x = 0; x < LevelWidth; ++x) picture->PutPixel(x, y, plate);
    return new tolm::CSprite(picture);
}

}  // namespace

CScoreCounter::CScoreCounter() {
    auto font = std::make_unique<tolm::CFont>();
    tolm::COgfFontLoader::Load("data/gfx/numbers.ogf", *font);
    myText = std::make_unique<tolm::CTextSprite>(font.release(), 200, 50);
    myText->SetPosition(ScoreX, ScoreY);
    myText->SetZ(10);
    myText->SetLayer(&tolm::ScreenLayer());

    auto systemFont = std::make_unique<tolm::CFont>();
    tolm::CSystemFontLoader loader(systemFont.get());
    myLevelText = std::make_unique<tolm::CTextSprite>(systemFont.release(), LevelWidth, LevelHeight,
                                                      MakeLevelPlate());
    myLevelText->SetTextRect(tolm::types::rect(6, 3, LevelWidth - 6, LevelHeight - 3));
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
    const int y = ScoreY + (height > LevelHeight ? (height - LevelHeight) / 2 : 0);
    myLevelText->SetPosition(ScoreX + width + LevelGap, y);
}

void CScoreCounter::Set(std::uint32_t score) {
    myScore = score;
    Add(0);
}

}  // namespace game
