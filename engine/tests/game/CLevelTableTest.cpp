#include <gtest/gtest.h>

#include <climits>

#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"

namespace game {
namespace {

// The first level has no row: it plays the defaults.
TEST(CLevelTable, IndicesWithoutARowLeaveTheSettingsAsTheyAre) {
    for (int index : {0, -1, CLevelTable::kLevelCount, INT_MIN}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(CLevelTable::GetRow(index), nullptr);
        EXPECT_FALSE(CLevelTable::CopyRowToSettings(index));
        EXPECT_EQ(CLevelTable::SettingsFor(index), CLevelSettings());
        EXPECT_EQ(LevelSettings(), CLevelSettings());
    }
}

}  // namespace
}  // namespace game
