#include "game/CLevelSettings.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace game {

CLevelSettings::CLevelSettings(std::int32_t lowestNumber, std::int32_t highestNumber,
                               tolm::types::ticks stepInterval, std::int32_t approachSteps)
    : myLowestNumber(lowestNumber),
      myHighestNumber(highestNumber),
      myStepInterval(stepInterval),
      myApproachSteps(approachSteps) {}

bool CLevelSettings::operator==(const CLevelSettings& other) const {
    return myLowestNumber == other.myLowestNumber && myHighestNumber == other.myHighestNumber &&
           myStepInterval == other.myStepInterval && myApproachSteps == other.myApproachSteps;
}

CLevelSettings& LevelSettings() {
    return *tolm::CSingletonPtr<CLevelSettings>::Get();
}

}  // namespace game
