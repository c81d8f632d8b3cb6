// Helpers for the game's tests: a presentation that records what the area tells it, and a
// way to choose the next unit value of the engine's generator.
#ifndef TESTS_GAME_GAMETESTSUPPORT_H
#define TESTS_GAME_GAMETESTSUPPORT_H

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/CGameArea.h"
#include "game/CGamePresentation.h"
#include "tolm/utils/random/Random.h"

namespace game::test {

// Records every call as a short text ("preview 0 2", "pushed 1 3", "removed 4", "fan",
// "flush"). Unlike the real presentations it leaves the area running.
class CRecordingPresentation : public CGamePresentation {
public:
    void SetPreview(int line, int number) override { Add("preview", line, number); }
    void BubblePushed(int line, int number) override { Add("pushed", line, number); }
    void RowRemoved(int line_count) override {
        myCalls.push_back("removed " + std::to_string(line_count));
    }
    void FanHit() override { myCalls.push_back("fan"); }
    void FlushScore() override { myCalls.push_back("flush"); }

    std::vector<std::string> myCalls;

private:
    void Add(const char* what, int line, int number) {
        myCalls.push_back(std::string(what) + " " + std::to_string(line) + " " +
                          std::to_string(number));
    }
};

// A factory for the area that makes a recording presentation and reports it through *made.
inline CGameArea::PresentationFactory RecordingFactory(CRecordingPresentation** made) {
    return [made](CGameArea&) {
        auto presentation = std::make_unique<CRecordingPresentation>();
        *made = presentation.get();
        return presentation;
    };
}

// Seeds the generator so that its next state is `state` (1 .. 2147483646): the previous state
// is state times the inverse of 16807 modulo 2147483647.
inline void SeedSoNextStateIs(std::int64_t state) {
    const std::int64_t inverse = 1407677000;
    tolm::SetRandomSeed(static_cast<double>(state * inverse % 2147483647));
}

// Seeds the generator so that the next RandomUnit is as close to `unit` as it can be.
inline void SeedSoNextUnitIs(double unit) {
    std::int64_t state = std::llround(unit / 4.656612875e-10);
    if (state < 1) state = 1;
    if (state > 2147483646) state = 2147483646;
    SeedSoNextStateIs(state);
}

}  // namespace game::test

#endif
