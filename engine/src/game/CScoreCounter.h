// The score and the level on screen: the score as a text sprite over the digit font
// "data/gfx/numbers.ogf" at the top left of the screen layer, and "Level 3" in the built-in
// font just right of it. The counter owns both sprites; a font file that cannot be read
// leaves the score invisible and the counting intact.
#ifndef GAME_CSCORECOUNTER_H
#define GAME_CSCORECOUNTER_H

#include <cstdint>
#include <memory>
#include <string>

#include "tolm/gfx/CTextSprite.h"

namespace game {

class CScoreCounter {
public:
    CScoreCounter();
    ~CScoreCounter();
    CScoreCounter(const CScoreCounter&) = delete;
    CScoreCounter& operator=(const CScoreCounter&) = delete;

    // Adds points × 100 and shows the score in decimal.
    void Add(std::uint32_t points);
    void Set(std::uint32_t score);
    std::uint32_t Get() const { return myScore; }
    // Shows "Level " and the number beside the score.
    void SetLevel(int number);
    const std::string& GetText() const { return myText->GetText(); }
    tolm::CTextSprite* GetSprite() const { return myText.get(); }
    tolm::CTextSprite* GetLevelSprite() const { return myLevelText.get(); }

private:
    void PlaceLevel();

    std::unique_ptr<tolm::CTextSprite> myText;
    std::unique_ptr<tolm::CTextSprite> myLevelText;
    std::uint32_t myScore = 0;
};

}  // namespace game

#endif
