// Helpers for the game's tests: a presentation that records what the area tells it, a way to
// choose the next values of the engine's generator, and a hash of the board.
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

// Records each call as "preview 0 2", "pushed 1 3", "removed 4", "fan" or "flush". Unlike the
// real presentations it leaves the area running.
class CRecordingPresentation : public CGamePresentation {
public:
    void SetPreview(int line, int number) override { Add("preview", line, number); }
    void BubblePushed(int line, int number) override { Add("pushed", line, number); }
    void RowRemoved(int line_count) override { Add("removed", line_count); }
    void FanHit() override { myCalls.push_back("fan"); }
    void FlushScore() override { myCalls.push_back("flush"); }

    std::vector<std::string> myCalls;

private:
    void Add(const std::string& what, int a) { myCalls.push_back(what + " " + std::to_string(a)); }
    void Add(const std::string& what, int a, int b) { Add(what + " " + std::to_string(a), b); }
};

// Makes a recording presentation and reports it through *made.
inline CGameArea::PresentationFactory RecordingFactory(CRecordingPresentation** made) {
    return [made](CGameArea&) {
        auto presentation = std::make_unique<CRecordingPresentation>();
        *made = presentation.get();
        return presentation;
    };
}

// Seeds the generator so that its next state is `state` (1 .. 2147483646): 1407677000 is the
// inverse of 16807 modulo 2147483647.
inline void SeedSoNextStateIs(std::int64_t state) {
    tolm::SetRandomSeed(static_cast<double>(state * 1407677000 % 2147483647));
}

inline void SeedSoNextUnitIs(double unit) {
    SeedSoNextStateIs(std::llround(unit / 4.656612875e-10));
}

// FNV-1a over every cell, the waiting bubbles and the step count: equal runs give equal
// sequences of these, and a single different bubble changes it.
inline std::uint64_t BoardHash(const CGameArea& area) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto add = [&hash](std::int64_t value) {
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= static_cast<std::uint64_t>(value >> (8 * byte)) & 0xffu;
            hash *= 1099511628211ull;
        }
    };
    for (const CGameArea::Column& column : area.GetBoard()) {
        for (std::int32_t cell : column) add(cell);
    }
    for (int line = 0; line < CGameArea::kLineCount; ++line) add(area.GetNextNumber(line));
    add(area.GetStepCount());
    return hash;
}

}  // namespace game::test

#endif
