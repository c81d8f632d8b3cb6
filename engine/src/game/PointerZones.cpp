#include "game/PointerZones.h"

#include <algorithm>

#include "game/GameLayout.h"

namespace game {

using namespace layout;

SPointerZones PointerZones(std::int32_t leftX, std::int32_t rightX) {
    SPointerZones zones;
    zones.myLeftEnd = std::min(std::max(leftX + kZoneMargin, kLeftZoneEndMin), kLeftZoneEndMax);
    zones.myRightStart =
        std::max(std::min(rightX - kZoneMargin, kRightZoneStartMax), kRightZoneStartMin);
    return zones;
}

std::optional<int> LineAtPointer(const SPointerZones& zones, int x, int y) {
    if (y <= kSilenceY) return -1;
    if (x > kEdgeLeftX && x < zones.myLeftEnd) return 0;
    if (x > zones.myRightStart && x < kEdgeRightX) return 2;
    if (x > kEdgeLeftX && x < kEdgeRightX) return 1;
    return std::nullopt;
}

tolm::types::point PointerInZone(const SPointerZones& zones, int line) {
    switch (line) {
        case 0:
            return tolm::types::point((kEdgeLeftX + zones.myLeftEnd) / 2, kZonePointerY);
        case 1:
            return tolm::types::point((zones.myLeftEnd + zones.myRightStart) / 2, kZonePointerY);
        case 2:
            return tolm::types::point((zones.myRightStart + kEdgeRightX) / 2, kZonePointerY);
        default:
            return tolm::types::point(kFreePointerX, kFreePointerY);
    }
}

}  // namespace game
