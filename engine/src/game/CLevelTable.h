// The settings of the eight levels. Level 1 (index 0) plays with the defaults that
// CLevelSettings has when created, so the table holds rows only for indices 1 to 7; the
// rows are constant data built by a static initialiser and owned by this module.
#ifndef GAME_CLEVELTABLE_H
#define GAME_CLEVELTABLE_H

#include "game/CLevelSettings.h"

namespace game {

class CLevelTable {
public:
    static constexpr int kLevelCount = 8;

    // The row of a level index 1..7; null for index 0 (no row) and for indices out of range.
    static const CLevelSettings* GetRow(int levelIndex);

    // Copies the row of levelIndex into the process-wide settings. Returns false and leaves
    // them untouched when there is no row (index 0 or out of range).
    static bool CopyRowToSettings(int levelIndex);

    // The settings a level plays with: its row, or the defaults for index 0. For tools and
    // tests that start at any level; the level flow itself copies rows only.
    static CLevelSettings SettingsFor(int levelIndex);
};

}  // namespace game

#endif
