#include "game/CLevelTable.h"

#include <array>

namespace game {
namespace {

// Index 0 is a placeholder so that the level index looks up its row directly.
const std::array<CLevelSettings, CLevelTable::kLevelCount> ourRows = {{
    CLevelSettings(),
    CLevelSettings(4, 6, 2000, 25),
    CLevelSettings(2, 4, 750, 15),
    CLevelSettings(1, 4, 2000, 25),
    CLevelSettings(3, 5, 1750, 50),
    CLevelSettings(2, 4, 500, 15),
    CLevelSettings(3, 6, 1500, 35),
    CLevelSettings(1, 5, 1500, 35),
}};

}  // namespace

const CLevelSettings* CLevelTable::GetRow(int levelIndex) {
    if (levelIndex < 1 || levelIndex >= kLevelCount) return nullptr;
    return &ourRows[static_cast<std::size_t>(levelIndex)];
}

bool CLevelTable::CopyRowToSettings(int levelIndex) {
    const CLevelSettings* row = GetRow(levelIndex);
    if (row == nullptr) return false;
    LevelSettings() = *row;
    return true;
}

CLevelSettings CLevelTable::SettingsFor(int levelIndex) {
    const CLevelSettings* row = GetRow(levelIndex);
    return row != nullptr ? *row : CLevelSettings();
}

}  // namespace game
