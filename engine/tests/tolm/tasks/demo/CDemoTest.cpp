#include <gtest/gtest.h>

#include <string>

#include "../TaskTestSupport.h"
#include "support/TestFiles.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/demo/CDemo.h"
#include "tolm/utils/random/Random.h"

namespace tolm::test {
namespace {

// Notes every key that reaches the listeners with the engine's time.
class CKeyJournal : public CKeyboardListener {
public:
    CKeyJournal() { EventManager().AddKeyboardListener(this); }
    ~CKeyJournal() override { EventManager().RemoveKeyboardListener(this); }
    void OnKeyDown(int key) override {
        Journal().push_back("key " + std::to_string(key) + " at " +
                            std::to_string(GetSystemTime()));
    }
    void OnKeyUp(int /*key*/) override {}
};

// A run of three tasks: an early device (like the event task), the game, which takes its
// seed from ClockSeed and notes its time and a random number, and a late device that sends
// input after the game's update (like the autoplay). The devices press keys on a schedule
// of their own updates, which a replay must hold back and replace by the recording.
class CDemoTest : public CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        WriteScript("starttask(game)\n");
    }

    void WriteScript(const std::string& text) { std::ofstream(myDir.File("autoexec.txt")) << text; }

    void StartTasks() {
        CRecordingTask* early = Start("early", 10);
        CRecordingTask* game = Start("game", 50);
        CRecordingTask* late = Start("late", 60);
        early->myOnUpdate = [early] {
            if (early->myUpdates % 3 == 0) EventManager().KeyDown(100 + early->myUpdates);
        };
        game->myOnUpdate = [game] {
            if (game->myUpdates == 1) SetRandomSeed(ClockSeed());
            Journal().push_back("game at " + std::to_string(GetSystemTime()) + " drew " +
                                std::to_string(Random(0, 1000000)));
        };
        late->myOnUpdate = [this, late] {
            if (late->myUpdates % 4 == 1) EventManager().KeyDown(200 + late->myUpdates);
            if (late->myUpdates == myQuitAt) EventManager().Quit();
        };
    }

    // Runs passes until the loop ends, the real clock stepping as given.
    void Run(types::ticks step, int passes) {
        for (int pass = 0; pass < passes; ++pass) {
            myTime.Advance(step + static_cast<types::ticks>(pass % 3));
            if (!Scheduler().RunOnce()) break;
        }
    }

    Lines Record() {
        CDemo demo(myDir.File("autoexec.txt"));
        EXPECT_TRUE(demo.StartRecording(myDir.File("run.rec")));
        CKeyJournal keys;
        StartTasks();
        Run(16, 20);
        demo.Stop();
        return Journal();
    }

    Lines Replay(CReplayer::EEnding ending, bool* started = nullptr) {
        TearDown();
        CRuntimeTest::SetUp();
        CDemo demo(myDir.File("autoexec.txt"));
        const bool ok = demo.StartReplay(myDir.File("run.rec"), ending, false);
        if (started != nullptr) *started = ok;
        CKeyJournal keys;
        StartTasks();
        // Another machine's clock: nothing of it may show.
        myTime.Advance(777);
        Run(40, 30);
        demo.Stop();
        return Journal();
    }

    CTempDir myDir;
    CScopedManualTime myTime{5000};
    // The late device closes the window at this update of its own (0: never).
    int myQuitAt = 9;
};

TEST_F(CDemoTest, ReplayRepeatsTimesNumbersAndInputInPlace) {
    const Lines recorded = Record();
    Lines keys;
    for (const std::string& line : recorded)
        if (line.rfind("key ", 0) == 0) keys.push_back(line);
    EXPECT_EQ(keys, (Lines{"key 201 at 5016", "key 103 at 5051", "key 205 at 5084",
                           "key 106 at 5102", "key 109 at 5153", "key 209 at 5153"}));
    const auto late = std::find(recorded.begin(), recorded.end(), "key 201 at 5016");
    EXPECT_NE(std::find_if(
                  recorded.begin(), late,
                  [](const std::string& line) { return line.rfind("game at 5016 drew ", 0) == 0; }),
              late)
        << "a key sent after the game's update reaches it after that update";
    const Lines first = Replay(CReplayer::kStop);
    EXPECT_EQ(first, recorded);
    const Lines second = Replay(CReplayer::kStop);
    EXPECT_EQ(second, recorded);
}

TEST_F(CDemoTest, ReplayHandsOverToLiveInputWithTheClockGoingOn) {
    myQuitAt = 0;
    const Lines recorded = Record();
    const Lines replayed = Replay(CReplayer::kGoLive);
    ASSERT_GT(replayed.size(), recorded.size());
    EXPECT_TRUE(std::equal(recorded.begin(), recorded.end(), replayed.begin()));
    const auto live = [&replayed](const std::string& line) {
        return std::find(replayed.begin(), replayed.end(), line) != replayed.end();
    };
    EXPECT_TRUE(live("key 121 at 5339") && live("key 221 at 5339")) << "live keys pass";
    EXPECT_TRUE(std::any_of(replayed.begin(), replayed.end(), [](const std::string& line) {
        return line.rfind("game at 5379 drew ", 0) == 0;
    })) << "the clock goes on from the recorded time at the real pace";
}

TEST_F(CDemoTest, ADifferentScriptIsRefusedUnlessForced) {
    Record();
    WriteScript("starttask(game)\nquit\n");
    bool started = true;
    Replay(CReplayer::kStop, &started);
    EXPECT_FALSE(started);
    EXPECT_TRUE(myLog->Contains("[ERROR] Cannot replay \"" + myDir.File("run.rec") +
                                "\": it was made with a different start-up script (" +
                                myDir.File("autoexec.txt") + "); --force replays it anyway\n"));
    CDemo demo(myDir.File("autoexec.txt"));
    EXPECT_TRUE(demo.StartReplay(myDir.File("run.rec"), CReplayer::kStop, true));
    demo.Stop();
}

TEST_F(CDemoTest, CommandsAnswerAndAskForAFreshRun) {
    Record();
    TearDown();
    CRuntimeTest::SetUp();
    CDemo demo(myDir.File("autoexec.txt"));
    demo.AddCommands(Console());
    const std::string run = myDir.File("run.rec");
    struct Case {
        std::string line;
        std::string answer;
    } cases[] = {
        {"record()", "Error: record( filename ) needs the name of the file to record to."},
        {"record(5)", "Error: record( filename ) needs the name of the file to record to."},
        {"stoprecord", "Error: StopRecord() nothing is being recorded."},
        {"replay", "Error: replay( filename, [\"live\"], [\"force\"] ) needs a recording."},
        {"timedemo(\"" + myDir.File("none.rec") + "\")",
         "Error: cannot replay " + myDir.File("none.rec") + ": there is no such file"},
        {"replay(\"" + run + "\", \"slowly\")",
         "Error: unknown choice \"slowly\" (live or force)."},
        {"timedemo(\"" + run + "\", \"live\")", "Error: unknown choice \"live\" (live or force)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(Console().Execute(c.line), c.answer);
        EXPECT_TRUE(demo.GetRestartOptions().empty());
    }
    EXPECT_FALSE(Scheduler().IsQuitting());

    EXPECT_EQ(Console().Execute("replay(\"" + run + "\", \"force\", \"live\")"),
              "Starting again to replay " + run);
    EXPECT_EQ(demo.GetRestartOptions(), (Lines{"--replay", run, "--force", "--live"}));
    EXPECT_TRUE(Scheduler().IsQuitting());

    // Before the first pass a recording starts at once; after it, only in a fresh run.
    const std::string next = myDir.File("next.rec");
    EXPECT_EQ(Console().Execute("record(\"" + next + "\")"), "Recording to " + next);
    EXPECT_TRUE(demo.IsRecording());
    EXPECT_EQ(Console().Execute("record(\"" + next + "\")"),
              "Error: a recording or a replay runs already; it ends with the program.");
    EXPECT_EQ(Console().Execute("stoprecord"), "Recording stopped");
    Start("game", 50);
    Scheduler().RunOnce();
    EXPECT_EQ(Console().Execute("record(\"" + next + "\")"), "Starting again to record to " + next);
    EXPECT_EQ(demo.GetRestartOptions(), (Lines{"--record", next}));
    EXPECT_FALSE(demo.IsRecording());
}

}  // namespace
}  // namespace tolm::test
