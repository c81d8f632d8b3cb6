// Which character the pointer silences. The screen is cut into three zones whose inner
// borders follow the outer characters as they approach; the pointer controller maps the real
// pointer through them and autoplay aims into them, so both use these pure functions.
#ifndef GAME_POINTERZONES_H
#define GAME_POINTERZONES_H

#include <cstdint>
#include <optional>

#include "tolm/types/Types.h"

namespace game {

// Pointer x strictly between the left edge and myLeftEnd silences line 0, strictly between
// myRightStart and the right edge line 2, elsewhere between the edges line 1.
struct SPointerZones {
    int myLeftEnd = 0;
    int myRightStart = 0;
};

// The zones with the outer characters' centres at leftX and rightX.
SPointerZones PointerZones(std::int32_t leftX, std::int32_t rightX);

// The line that a pointer at (x, y) silences, -1 for nobody; none at or beyond the screen
// edges, where the current choice stays.
std::optional<int> LineAtPointer(const SPointerZones& zones, int x, int y);

// A pointer position in the middle of the line's zone; for any other line one that silences
// nobody.
tolm::types::point PointerInZone(const SPointerZones& zones, int line);

}  // namespace game

#endif
