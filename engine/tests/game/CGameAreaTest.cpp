#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/CGameArea.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "game/GameTestSupport.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

using Calls = std::vector<std::string>;

class GameAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        LevelSettings() = CLevelSettings();
        myArea = std::make_unique<CGameArea>(test::RecordingFactory(&myPresentation));
        tolm::SetRandomSeed(4242);
        myPresentation->myCalls.clear();
    }

    // Fills a line from the bottom with the given numbers.
    void FillLine(int line, const std::vector<int>& numbers) {
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            myArea->SetCell(line, static_cast<int>(i), numbers[i]);
        }
    }

    std::vector<int> Line(int line) const {
        std::vector<int> cells;
        for (int position = 0; position < CVimbo_GameAreaLength; ++position) {
            cells.push_back(myArea->GetCell(line, position));
        }
        return cells;
    }

    test::CRecordingPresentation* myPresentation = nullptr;
    std::unique_ptr<CGameArea> myArea;
};

class CLogCapture : public tolm::CLogListener {
public:
    CLogCapture() { tolm::Logger().AddListener(this); }
    ~CLogCapture() override { tolm::Logger().RemoveListener(this); }
    void Write(const std::string& line, int) override { myLines.push_back(line); }
    std::vector<std::string> myLines;
};

TEST(CGameAreaConstruction, ShowsAllThreePreviewsLineZeroFirstAndNeverThreeEqual) {
    test::CRecordingPresentation* presentation = nullptr;
    CGameArea area(test::RecordingFactory(&presentation));
    ASSERT_NE(presentation, nullptr);
    EXPECT_EQ(area.GetSelectedLine(), -1);
    EXPECT_FALSE(area.IsStopped());
    const Calls expected = {"preview 0 " + std::to_string(area.GetNextNumber(0)),
                            "preview 1 " + std::to_string(area.GetNextNumber(1)),
                            "preview 2 " + std::to_string(area.GetNextNumber(2))};
    EXPECT_EQ(presentation->myCalls, expected);
    EXPECT_FALSE(area.GetNextNumber(0) == area.GetNextNumber(1) &&
                 area.GetNextNumber(1) == area.GetNextNumber(2));
}

TEST(CGameAreaConstruction, DefaultFactoryIsReplaceableAndEmptyMeansNoPresentation) {
    {
        CGameArea area;
        EXPECT_EQ(area.GetPresentation(), nullptr);
        area.Step();  // must not reach for a missing presentation
        EXPECT_EQ(area.GetStepCount(), 1);
    }
    test::CRecordingPresentation* presentation = nullptr;
    const CGameArea::PresentationFactory previous =
        CGameArea::SetDefaultPresentationFactory(test::RecordingFactory(&presentation));
    {
        CGameArea area;
        EXPECT_EQ(area.GetPresentation(), presentation);
    }
    CGameArea::SetDefaultPresentationFactory(previous);
    CGameArea area;
    EXPECT_EQ(area.GetPresentation(), nullptr);
}

TEST_F(GameAreaTest, PickNumberOnAnEmptyLineSplitsTheUnitInThirds) {
    const struct {
        double unit;
        int expected;
    } cases[] = {{0.01, 1}, {0.33, 1}, {0.34, 2}, {0.66, 2}, {0.67, 3}, {0.999, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        test::SeedSoNextUnitIs(c.unit);
        EXPECT_EQ(myArea->PickNumber(0), c.expected);
    }
}

TEST_F(GameAreaTest, PickNumberHalvesPerOccurrenceAndNormalises) {
    // Two 2s: weights 1/3, 1/12, 1/3, normalised 4/9, 1/9, 4/9.
    FillLine(1, {2, 0, 2});
    const struct {
        double unit;
        int expected;
    } cases[] = {{0.44, 1}, {0.45, 2}, {0.55, 2}, {0.56, 3}, {0.999, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        test::SeedSoNextUnitIs(c.unit);
        EXPECT_EQ(myArea->PickNumber(1), c.expected);
    }
    // Other lines do not count, numbers outside the range are ignored.
    FillLine(0, {7, 0, -1, 0});
    test::SeedSoNextUnitIs(0.34);
    EXPECT_EQ(myArea->PickNumber(0), 2);
}

TEST_F(GameAreaTest, PickNumberAtTheSinglePrecisionBoundaryTakesTheIndexItEquals) {
    // Two 2s: the first normalised weight in single precision, summed in index order.
    FillLine(1, {2, 2});
    const float third = 1.0f / 3.0f;
    const float weight = third * (1.0f / (third + third * 0.25f + third));
    // A generator state whose unit value converts to exactly that float.
    std::int64_t state = static_cast<std::int64_t>(static_cast<double>(weight) / 4.656612875e-10);
    while (static_cast<float>(state * 4.656612875e-10) < weight) ++state;
    ASSERT_EQ(static_cast<float>(state * 4.656612875e-10), weight);
    test::SeedSoNextStateIs(state);
    EXPECT_EQ(myArea->PickNumber(1), 1);
    // The first state past that float falls to the next number.
    while (static_cast<float>(state * 4.656612875e-10) == weight) ++state;
    test::SeedSoNextStateIs(state);
    EXPECT_EQ(myArea->PickNumber(1), 2);
}

TEST_F(GameAreaTest, PickNumberWithNoIndexLogsAndReturnsTheHighestNumber) {
    // Level 2 plays 4..6. One 4 in the line leaves the float weights summing just under the
    // unit value 1.0f (the top state converts to exactly 1.0f), so no index is taken.
    LevelSettings() = CLevelTable::SettingsFor(1);
    FillLine(2, {4});
    CLogCapture log;
    test::SeedSoNextStateIs(2147483646);
    EXPECT_EQ(myArea->PickNumber(2), 6);
    ASSERT_EQ(log.myLines.size(), 2u);
    EXPECT_EQ(log.myLines[0].rfind("Random problems: ", 0), 0u) << log.myLines[0];
    // Three weights, each followed by ", ".
    const std::string& weights = log.myLines[1];
    EXPECT_EQ(weights.substr(weights.size() - 3), ", \n");
    std::size_t separators = 0;
    for (std::size_t at = weights.find(", "); at != std::string::npos;
         at = weights.find(", ", at + 1)) {
        ++separators;
    }
    EXPECT_EQ(separators, 3u);
}

TEST_F(GameAreaTest, StepPushesEveryUnsilencedLineThenShowsNewPreviews) {
    FillLine(0, {1, 2});
    myArea->SetNextNumber(0, 3);
    myArea->SetNextNumber(1, 1);
    myArea->SetNextNumber(2, 2);
    myArea->SetSelectedLine(1);
    myArea->Step();
    EXPECT_EQ(Line(0), (std::vector<int>{3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(myArea->GetCell(1, 0), 0);
    EXPECT_EQ(myArea->GetCell(2, 0), 2);
    const Calls expected = {"pushed 0 3", "pushed 2 2",
                            "preview 0 " + std::to_string(myArea->GetNextNumber(0)),
                            "preview 2 " + std::to_string(myArea->GetNextNumber(2))};
    EXPECT_EQ(myPresentation->myCalls, expected);
    EXPECT_EQ(myArea->GetNextNumber(1), 1);
}

TEST_F(GameAreaTest, SelectedLineOutOfRangeLeavesEveryCharacterBlowing) {
    for (int selected : {7, -1, 3, -5}) {
        SCOPED_TRACE(selected);
        myArea->Reset();
        myArea->SetSelectedLine(selected);
        EXPECT_EQ(myArea->GetSelectedLine(), selected);
        myArea->Step();
        for (int line = 0; line < CGameArea::LineCount; ++line) {
            EXPECT_NE(myArea->GetCell(line, 0), 0);
        }
    }
}

TEST_F(GameAreaTest, SilencedLineKeepsCellsNextNumberAndPreviewThroughManySteps) {
    // Numbers the level never draws, so no burst can move the silenced line's cells.
    FillLine(2, {6, 5, 6, 5});
    myArea->SetNextNumber(2, 2);
    myArea->SetSelectedLine(2);
    const std::vector<int> before = Line(2);
    for (int step = 0; step < 200; ++step) {
        myArea->Step();
        myArea->Resolve();
        ASSERT_EQ(myArea->GetNextNumber(2), 2) << "step " << step;
    }
    // The other two lines are pushed into the fan over and over meanwhile.
    for (const std::string& call : myPresentation->myCalls) {
        EXPECT_EQ(call.find("pushed 2"), std::string::npos);
        EXPECT_EQ(call.find("preview 2"), std::string::npos);
        if (call.rfind("removed", 0) == 0) {
            EXPECT_EQ(call, "removed 14");
        }
    }
    EXPECT_EQ(Line(2), before);
    EXPECT_NE(std::count(myPresentation->myCalls.begin(), myPresentation->myCalls.end(), "fan"), 0);
}

TEST_F(GameAreaTest, ThreeEqualNextNumbersAreBrokenUpNeverOnTheSilencedLine) {
    myArea->SetSelectedLine(1);
    myArea->SetNextNumber(1, 2);
    int redrawnSteps = 0;
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        // Empty lines keep the picks independent of the board.
        myArea->Reset();
        myArea->SetSelectedLine(1);
        myArea->SetNextNumber(1, 2);
        const double state = tolm::GetRandomState();
        myArea->Step();
        EXPECT_EQ(myArea->GetNextNumber(1), 2);
        EXPECT_FALSE(myArea->GetNextNumber(0) == 2 && myArea->GetNextNumber(2) == 2);
        // Two picks use two draws; anything more was a redraw.
        const double after = tolm::GetRandomState();
        tolm::SetRandomSeed(state);
        tolm::RandomStep();
        tolm::RandomStep();
        if (tolm::GetRandomState() != after) ++redrawnSteps;
        tolm::SetRandomSeed(after);
    }
    // Both picks come out 2 about once in six steps on the board after the pushes.
    EXPECT_GT(redrawnSteps, 10);
}

TEST_F(GameAreaTest, TwoPassResolveRemovesAdjacentRowsAndLeavesTheThird) {
    FillLine(0, {1, 2, 3, 1, 2, 3, 1, 3});
    FillLine(1, {2, 3, 1, 1, 2, 3, 1, 2});
    FillLine(2, {3, 1, 2, 1, 2, 3, 1, 1});
    myArea->Resolve();
    // Rows 3..6 match: the first pass removes row 3 and, from k = 4, what was row 5; the
    // second pass removes what was row 4; what was row 6 waits for the next resolve.
    EXPECT_EQ(myPresentation->myCalls, (Calls{"removed 3", "removed 4", "removed 3", "flush"}));
    EXPECT_EQ(Line(0), (std::vector<int>{1, 2, 3, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Line(2), (std::vector<int>{3, 1, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    myPresentation->myCalls.clear();
    myArea->Resolve();
    EXPECT_EQ(myPresentation->myCalls, (Calls{"removed 3", "flush"}));
}

TEST_F(GameAreaTest, BubbleReachingTheTopGivesOneFanHitAndClearsTheWholeTopRow) {
    for (int position = 0; position < 14; ++position) {
        myArea->SetCell(0, position, 1 + position % 3);
        myArea->SetCell(1, position, 1 + (position + 1) % 3);
    }
    myArea->SetCell(2, 14, 3);
    myArea->SetCell(2, 0, 2);
    myArea->SetNextNumber(0, 1);
    myArea->SetNextNumber(1, 3);
    myArea->SetSelectedLine(2);
    myArea->Step();
    ASSERT_NE(myArea->GetCell(0, 14), 0);
    ASSERT_NE(myArea->GetCell(1, 14), 0);
    myPresentation->myCalls.clear();
    myArea->Resolve();
    EXPECT_EQ(myPresentation->myCalls, (Calls{"fan", "removed 14", "flush"}));
    for (int line = 0; line < CGameArea::LineCount; ++line) {
        EXPECT_EQ(myArea->GetCell(line, 14), 0) << line;
    }
    EXPECT_EQ(myArea->GetCell(0, 13), 1);
    EXPECT_EQ(myArea->GetCell(2, 0), 2);
}

TEST_F(GameAreaTest, StoppedAreaIgnoresStepsAndResolves) {
    FillLine(0, {1, 2});
    FillLine(1, {1, 3});
    FillLine(2, {1, 1});
    myArea->SetCell(1, 14, 2);
    const CGameArea::Board before = myArea->GetBoard();
    myArea->Stop();
    myArea->Step();
    myArea->Resolve();
    EXPECT_EQ(myArea->GetBoard(), before);
    EXPECT_TRUE(myPresentation->myCalls.empty());
    EXPECT_EQ(myArea->GetStepCount(), 0);
    myArea->Start();
    myArea->Resolve();
    // The burst brought the top bubble down to 13 before the fan was looked at.
    EXPECT_EQ(myPresentation->myCalls, (Calls{"removed 0", "flush"}));
    EXPECT_EQ(myArea->GetCell(1, 13), 2);
}

TEST_F(GameAreaTest, ResetEmptiesTheBoardClearsTheSelectionAndShowsAllPreviews) {
    FillLine(1, {1, 2, 3});
    myArea->SetSelectedLine(0);
    myArea->Step();
    myPresentation->myCalls.clear();
    myArea->Reset();
    EXPECT_EQ(myArea->GetSelectedLine(), -1);
    EXPECT_EQ(myArea->GetBoard(), CGameArea::Board{});
    EXPECT_EQ(myArea->GetStepCount(), 0);
    ASSERT_EQ(myPresentation->myCalls.size(), 3u);
    for (int line = 0; line < CGameArea::LineCount; ++line) {
        EXPECT_EQ(myPresentation->myCalls[line], "preview " + std::to_string(line) + " " +
                                                     std::to_string(myArea->GetNextNumber(line)));
    }
}

TEST_F(GameAreaTest, RowRemovalAndPushIgnoreOutOfRangeArguments) {
    FillLine(0, {1, 2});
    const CGameArea::Board before = myArea->GetBoard();
    myArea->RemoveRow(-1);
    myArea->RemoveRow(CVimbo_GameAreaLength);
    myArea->PushBubble(3, 1);
    myArea->PushBubble(-1, 1);
    EXPECT_EQ(myArea->GetBoard(), before);
    EXPECT_TRUE(myPresentation->myCalls.empty());
}

}  // namespace
}  // namespace game
