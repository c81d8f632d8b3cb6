#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/CGameArea.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "game/GameTestSupport.h"
#include "support/CLogCapture.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

using Calls = std::vector<std::string>;
using Cells = std::vector<int>;

class GameAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        myArea = std::make_unique<CGameArea>(test::RecordingFactory(&myPresentation));
        tolm::SetRandomSeed(4242);
        myPresentation->myCalls.clear();
    }
    // The settings are process-wide; the next test expects the first level's.
    void TearDown() override { LevelSettings() = CLevelSettings(); }

    void FillLine(int line, const Cells& numbers) {
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            myArea->SetCell(line, static_cast<int>(i), numbers[i]);
        }
    }

    // The line's cells up to the highest that is not empty.
    Cells Line(int line) const {
        Cells cells(myArea->GetBoard()[line].begin(), myArea->GetBoard()[line].end());
        while (!cells.empty() && cells.back() == 0) cells.pop_back();
        return cells;
    }

    std::string Preview(int line) const {
        return "preview " + std::to_string(line) + " " +
               std::to_string(myArea->GetNextNumber(line));
    }

    test::CRecordingPresentation* myPresentation = nullptr;
    std::unique_ptr<CGameArea> myArea;
};

TEST_F(GameAreaTest, ResetEmptiesTheBoardAndShowsAllThreePreviewsLineZeroFirst) {
    FillLine(1, {1, 2, 3});
    myArea->SetSelectedLine(0);
    myArea->Step();
    myPresentation->myCalls.clear();
    myArea->Reset();
    EXPECT_EQ(myArea->GetSelectedLine(), -1);
    EXPECT_EQ(myArea->GetBoard(), CGameArea::Board{});
    EXPECT_EQ(myArea->GetStepCount(), 0);
    EXPECT_EQ(myPresentation->myCalls, (Calls{Preview(0), Preview(1), Preview(2)}));

    // Without a factory an area has no presentation and must not reach for it.
    CGameArea bare{CGameArea::PresentationFactory()};
    EXPECT_EQ(bare.GetPresentation(), nullptr);
    bare.Step();
    bare.Resolve();
}

TEST_F(GameAreaTest, PickNumberWeightsBoundaryAndFailedPick) {
    // Empty: thirds. Two 2s: 1/3, 1/12, 1/3, normalised 4/9, 1/9, 4/9. Numbers outside
    // the range (7, -1) are ignored.
    const struct {
        Cells line;
        double unit;
        int expected;
    } cases[] = {
        {{}, 0.33, 1},         {{}, 0.34, 2},         {{}, 0.66, 2},        {{}, 0.67, 3},
        {{2, 0, 2}, 0.44, 1},  {{2, 0, 2}, 0.45, 2},  {{2, 0, 2}, 0.55, 2}, {{2, 0, 2}, 0.56, 3},
        {{7, -1, 7}, 0.34, 2}, {{7, -1, 7}, 0.67, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.line.size() << " cells, unit " << c.unit);
        myArea->Reset();
        FillLine(1, c.line);
        test::SeedSoNextUnitIs(c.unit);
        EXPECT_EQ(myArea->PickNumber(1), c.expected);
    }

    // A unit value that converts to exactly the first single-precision weight takes it.
    myArea->Reset();
    FillLine(1, {2, 2});
    const float third = 1.0f / 3.0f;
    const float weight = third * (1.0f / (third + third * 0.25f + third));
    std::int64_t state = static_cast<std::int64_t>(weight / 4.656612875e-10);
    while (static_cast<float>(state * 4.656612875e-10) < weight) ++state;
    ASSERT_EQ(static_cast<float>(state * 4.656612875e-10), weight);
    test::SeedSoNextStateIs(state);
    EXPECT_EQ(myArea->PickNumber(1), 1);
    while (static_cast<float>(state * 4.656612875e-10) == weight) ++state;
    test::SeedSoNextStateIs(state);
    EXPECT_EQ(myArea->PickNumber(1), 2);

    // Level 2 plays 4..6. One 4 in the line leaves the float weights summing just under the
    // unit value of the top state, which converts to exactly 1.0f: no index is taken, and
    // the pick gives the highest number, not the count 3.
    LevelSettings() = CLevelTable::SettingsFor(1);
    myArea->Reset();
    FillLine(2, {4});
    tolm::test::CLogCapture log;
    test::SeedSoNextStateIs(2147483646);
    EXPECT_EQ(myArea->PickNumber(2), 6);
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0].rfind("Random problems: ", 0), 0u) << log.Lines()[0];
    const std::string& weights = log.Lines()[1];
    EXPECT_EQ(weights.substr(weights.size() - 3), ", \n");
    EXPECT_EQ(std::count(weights.begin(), weights.end(), ','), 3);
}

TEST_F(GameAreaTest, StepPushesEveryUnsilencedLineThenShowsTheirNewPreviews) {
    FillLine(0, {1, 2});
    for (int line = 0; line < 3; ++line) myArea->SetNextNumber(line, 3 - line);
    myArea->SetSelectedLine(1);
    myArea->Step();
    EXPECT_EQ(Line(0), (Cells{3, 1, 2}));
    EXPECT_EQ(Line(1), Cells{});
    EXPECT_EQ(Line(2), Cells{1});
    EXPECT_EQ(myPresentation->myCalls, (Calls{"pushed 0 3", "pushed 2 1", Preview(0), Preview(2)}));
    EXPECT_EQ(myArea->GetNextNumber(1), 2);
    // Any value outside 0..2, such as a message's 7, silences nobody.
    for (int selected : {7, 3, -5}) {
        myArea->Reset();
        myArea->SetSelectedLine(selected);
        myArea->Step();
        EXPECT_EQ(Line(0).size() + Line(1).size() + Line(2).size(), 3u) << selected;
    }
}

// The silenced line keeps its cells (numbers the level never draws, so no burst can move
// them), its next number and its waiting bubble, while three equal next numbers are broken
// up on the other lines only and the other two lines go into the fan over and over.
TEST_F(GameAreaTest, SilencedLineIsUntouchedAndEqualNumbersAreRedrawnElsewhere) {
    FillLine(2, {6, 5, 6, 5});
    myArea->SetNextNumber(2, 2);
    myArea->SetSelectedLine(2);
    int redrawnSteps = 0;
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        const double state = tolm::GetRandomState();
        myArea->Step();
        ASSERT_EQ(myArea->GetNextNumber(2), 2);
        EXPECT_FALSE(myArea->GetNextNumber(0) == 2 && myArea->GetNextNumber(1) == 2);
        // Two picks use two draws; anything more was a redraw.
        const double after = tolm::GetRandomState();
        tolm::SetRandomSeed(state);
        tolm::RandomStep();
        if (tolm::RandomStep() != after) ++redrawnSteps;
        tolm::SetRandomSeed(after);
        myArea->Resolve();
    }
    EXPECT_GT(redrawnSteps, 10);
    EXPECT_EQ(Line(2), (Cells{6, 5, 6, 5}));
    const Calls& calls = myPresentation->myCalls;
    for (const std::string& call : calls) EXPECT_EQ(call.find(" 2 "), std::string::npos) << call;
    EXPECT_GT(std::count(calls.begin(), calls.end(), "fan"), 100);
}

TEST_F(GameAreaTest, StoppedAreaWaitsThenTwoPassesRemoveAdjacentRowsAndLeaveTheThird) {
    // Rows 3..6 match: the first pass removes row 3 and, at k = 4, what was row 5; the
    // second removes what was row 4; what was row 6 waits for the next resolve.
    FillLine(0, {1, 2, 3, 1, 2, 3, 1, 3});
    FillLine(1, {2, 3, 1, 1, 2, 3, 1, 2});
    FillLine(2, {3, 1, 2, 1, 2, 3, 1, 1});
    // While stopped, steps and resolves change nothing and tell nothing.
    const CGameArea::Board before = myArea->GetBoard();
    myArea->Stop();
    myArea->Step();
    myArea->Resolve();
    EXPECT_EQ(myArea->GetBoard(), before);
    EXPECT_TRUE(myPresentation->myCalls.empty());
    myArea->Start();
    myArea->Resolve();
    EXPECT_EQ(myPresentation->myCalls, (Calls{"removed 3", "removed 4", "removed 3", "flush"}));
    EXPECT_EQ(Line(0), (Cells{1, 2, 3, 1, 3}));
    EXPECT_EQ(Line(2), (Cells{3, 1, 2, 1, 1}));
    myPresentation->myCalls.clear();
    myArea->Resolve();
    EXPECT_EQ(myPresentation->myCalls, (Calls{"removed 3", "flush"}));
}

// Nothing below the top row goes with it.
TEST_F(GameAreaTest, TopRowGivesOneFanHitAndIsClearedWhole) {
    FillLine(0, {1, 2});
    FillLine(1, {2, 1});
    for (int line = 0; line < 3; ++line) myArea->SetCell(line, 14, line + 1);
    myArea->Resolve();
    EXPECT_EQ(myPresentation->myCalls, (Calls{"fan", "removed 14", "flush"}));
    EXPECT_EQ(Line(0), (Cells{1, 2}));
    EXPECT_EQ(Line(1), (Cells{2, 1}));
    EXPECT_EQ(Line(2), Cells{});
}

}  // namespace
}  // namespace game
