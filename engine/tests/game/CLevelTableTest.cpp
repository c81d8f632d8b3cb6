#include <gtest/gtest.h>

#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"

namespace game {
namespace {

TEST(CLevelTable, RowsOfTheEightLevels) {
    const CLevelSettings expected[] = {
        {1, 3, 2500, 15}, {4, 6, 2000, 25}, {2, 4, 750, 15},  {1, 4, 2000, 25},
        {3, 5, 1750, 50}, {2, 4, 500, 15},  {3, 6, 1500, 35}, {1, 5, 1500, 35},
    };
    EXPECT_EQ(LevelSettings(), expected[0]);  // first level: the defaults
    EXPECT_EQ(CLevelTable::GetRow(0), nullptr);
    for (int index = 1; index < CLevelTable::LevelCount; ++index) {
        SCOPED_TRACE(index);
        ASSERT_NE(CLevelTable::GetRow(index), nullptr);
        EXPECT_EQ(*CLevelTable::GetRow(index), expected[index]);
        EXPECT_LT(expected[index].myLowestNumber, expected[index].myHighestNumber);
    }
    for (int index = 0; index < CLevelTable::LevelCount; ++index) {
        EXPECT_EQ(CLevelTable::SettingsFor(index), expected[index]) << index;
    }
}

TEST(CLevelTable, CopyIntoTheSettingsOnlyForRowsThatExist) {
    ASSERT_TRUE(CLevelTable::CopyRowToSettings(1));
    EXPECT_EQ(LevelSettings(), CLevelSettings(4, 6, 2000, 25));
    for (int index : {0, -1, 8}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(CLevelTable::CopyRowToSettings(index));
        EXPECT_EQ(LevelSettings(), CLevelSettings(4, 6, 2000, 25));
    }
    EXPECT_EQ(CLevelTable::GetRow(8), nullptr);
    EXPECT_EQ(CLevelTable::SettingsFor(9), CLevelSettings());
}

}  // namespace
}  // namespace game
