// Plays levels on the real rules (CGame, CGameArea) with a headless presentation, a simulated
// clock and a silence strategy, or input given frame by frame, and reports how each level
// went; an observer may watch every frame. While a level plays it replaces the process-wide
// time source and level settings, and puts both back afterwards.
#ifndef GAME_CHEADLESSPLAYER_H
#define GAME_CHEADLESSPLAYER_H

#include <cstdint>
#include <functional>

#include "game/CSilenceStrategy.h"
#include "tolm/types/Types.h"

namespace game {

class CGame;

struct SLevelResult {
    int myLevelIndex = 0;
    // False when the time limit ran out before the level was won or lost.
    bool myDecided = false;
    bool myWon = false;
    int mySteps = 0;
    int myBursts = 0;
    int myFanHits = 0;
    std::uint32_t myScore = 0;
    tolm::types::ticks myPlayTime = 0;
};

class CHeadlessPlayer {
public:
    // The game's clock advances by one frame of this length between updates.
    static constexpr tolm::types::ticks kFrameTime = 16;
    // Simulated time after which an undecided level is given up (4 hours).
    static constexpr tolm::types::ticks kDefaultTimeLimit = 4u * 60u * 60u * 1000u;

    // The line to silence in frame `frame` (0 for the first) of a level, in place of the
    // strategy's choice.
    using Input = std::function<int(int frame)>;
    // Called after every frame's update with the game as it stands.
    using Observer = std::function<void(const CGame& game)>;

    explicit CHeadlessPlayer(const CSilenceStrategy& strategy, double seed = 1.0);

    void SetTimeLimit(tolm::types::ticks limit) { myTimeLimit = limit; }
    void SetInput(Input input) { myInput = std::move(input); }
    void SetObserver(Observer observer) { myObserver = std::move(observer); }

    // Plays level index 0..7 from its start with the generator seeded with the seed; each
    // level starts with score 0, so the same level gives the same result alone or in a run.
    // An index out of range gives an undecided result with no steps.
    SLevelResult PlayLevel(int levelIndex) const;

private:
    CSilenceStrategy myStrategy;
    double mySeed;
    tolm::types::ticks myTimeLimit = kDefaultTimeLimit;
    Input myInput;
    Observer myObserver;
};

}  // namespace game

#endif
