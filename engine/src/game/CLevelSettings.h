// The parameters of the level being played. One process-wide object, created with the first
// level's values on first use (LevelSettings()) and never reset; the level flow copies a
// table row into it when a later level begins.
#ifndef GAME_CLEVELSETTINGS_H
#define GAME_CLEVELSETTINGS_H

#include <cstdint>

#include "tolm/Services.h"
#include "tolm/types/Types.h"

namespace game {

class CLevelSettings {
public:
    CLevelSettings() = default;
    CLevelSettings(std::int32_t lowestNumber, std::int32_t highestNumber,
                   tolm::types::ticks stepInterval, std::int32_t approachSteps);
    CLevelSettings(const CLevelSettings&) = default;
    CLevelSettings& operator=(const CLevelSettings&) = default;
    virtual ~CLevelSettings() = default;

    bool operator==(const CLevelSettings& other) const;

    // myLowestNumber < myHighestNumber: breaking up three equal numbers needs two of them.
    std::int32_t myLowestNumber = 1;
    std::int32_t myHighestNumber = 3;
    // Milliseconds between steps.
    tolm::types::ticks myStepInterval = 2500;
    // Divisor of the distance an outer character covers in one approach step.
    std::int32_t myApproachSteps = 15;
};

}  // namespace game

#endif
