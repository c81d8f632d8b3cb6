#include <gtest/gtest.h>

#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"

namespace game {
namespace {

TEST(CLevelTable, RowsOfTheEightLevelsAndTheCopyIntoTheSettings) {
    const CLevelSettings expected[] = {
        {1, 3, 2500, 15}, {4, 6, 2000, 25}, {2, 4, 750, 15},  {1, 4, 2000, 25},
        {3, 5, 1750, 50}, {2, 4, 500, 15},  {3, 6, 1500, 35}, {1, 5, 1500, 35},
    };
    EXPECT_EQ(LevelSettings(), expected[0]);  // the first level plays the defaults
    for (int index = 0; index < CLevelTable::LevelCount; ++index) {
        EXPECT_EQ(CLevelTable::SettingsFor(index), expected[index]) << index;
    }
    for (int index : {0, -1, 8}) {
        EXPECT_EQ(CLevelTable::GetRow(index), nullptr);
        EXPECT_FALSE(CLevelTable::CopyRowToSettings(index));
    }
    EXPECT_EQ(LevelSettings(), expected[0]);
    EXPECT_TRUE(CLevelTable::CopyRowToSettings(1));
    EXPECT_EQ(LevelSettings(), expected[1]);
    LevelSettings() = CLevelSettings();
}

}  // namespace
}  // namespace game
