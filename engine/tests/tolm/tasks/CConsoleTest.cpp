// The interpreter's parsing and routing: quote-aware splitting, parameter kinds, variables,
// compound lines, comments, namespaces and Name:: routes, with the exact answer texts.
#include <gtest/gtest.h>

#include "support/TestFiles.h"
#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CCommandNamespaces.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CMainConsole.h"
#include "tolm/tasks/TaskTestSupport.h"

namespace tolm::test {
namespace {

using Lines = std::vector<std::string>;

// Remembers how it was called; answers its name.
class CProbe : public CCommand {
public:
    explicit CProbe(std::string answer = "probed") : myAnswer(std::move(answer)) {}
    std::string Execute(CParameterList& parameters) override {
        ++myCalls;
        myHadList = true;
        myParameters = parameters;
        return myAnswer;
    }
    std::string Execute() override {
        ++myCalls;
        myHadList = false;
        myParameters = CParameterList();
        return myAnswer;
    }
    std::string myAnswer;
    int myCalls = 0;
    bool myHadList = false;
    CParameterList myParameters;
};

class CConsoleTest : public CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        myConsole.AddCommand("probe", &myProbe);
        myConsole.AddCommand("inner", &myInner);
    }
    CProbe myProbe;
    CProbe myInner{"from inner"};
    CConsole myConsole;
};

TEST(CConsoleSplit, QuoteAwareDelimiterSearch) {
    struct Case {
        std::string text, delimiter;
        std::string::size_type expected;
    } cases[] = {
        {"a;b", ";", 1},
        {"\"a;b\";c", ";", 5},
        {"\"a\" \"b;\" ;", ";", 9},
        {"\"unclosed;b;c", ";", std::string::npos},
        {"x::y", "::", 1},
        {"\"x::y\"", "::", std::string::npos},
        {"", ";", std::string::npos},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CConsole::FindOutsideQuotes(c.text, c.delimiter), c.expected);
    }
}

TEST(CConsoleSplit, DropsEmptyPiecesKeepsBlanksAndHonoursCount) {
    EXPECT_EQ(CConsole::Split(",a,,\"b,c\", ,", ","), (Lines{"a", "\"b,c\"", " "}));
    EXPECT_EQ(CConsole::Split("a = b = c", "=", 2), (Lines{"a ", " b = c"}));
    EXPECT_EQ(CConsole::Split("A::B::C", "::"), (Lines{"A", "B", "C"}));
    EXPECT_TRUE(CConsole::Split("", ",").empty());
}

TEST_F(CConsoleTest, ParameterKindsAndConversions) {
    myConsole.Execute("probe(12, 1.5.3, -2, 1e5, word, \"a, b\", \"\", \" \", , \")");
    const CParameterList& got = myProbe.myParameters;
    ASSERT_EQ(got.Size(), 10u);
    struct Case {
        std::size_t index;
        CParameter::Kind kind;
        std::string text;
        double number;
    } cases[] = {
        {0, CParameter::kNumber, "12", 12},  {1, CParameter::kNumber, "1.5", 1.5},
        {2, CParameter::kNumber, "-2", -2},  {3, CParameter::kString, "1e5", 1e5},
        {4, CParameter::kString, "word", 0}, {5, CParameter::kString, "a, b", 0},
        {6, CParameter::kString, "", 0},     {7, CParameter::kString, " ", 0},
        {8, CParameter::kNumber, "0", 0},    {9, CParameter::kString, "\"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_TRUE(got.IsType(c.index, c.kind));
        EXPECT_EQ(got.GetString(c.index), c.text);
        EXPECT_EQ(got.GetNumber(c.index), c.number);
    }
}

TEST_F(CConsoleTest, EmptyParenthesesGiveAnEmptyListAndNoneGiveNoList) {
    myConsole.Execute("probe()");
    EXPECT_TRUE(myProbe.myHadList);
    EXPECT_EQ(myProbe.myParameters.Size(), 0u);
    myConsole.Execute("PROBE");
    EXPECT_FALSE(myProbe.myHadList);
    EXPECT_EQ(myProbe.myCalls, 2);
    // A ")" before the "(" encloses nothing.
    EXPECT_EQ(myConsole.ParseParameters("a)b("), nullptr);
    EXPECT_EQ(myConsole.ParseParameters("a(b"), nullptr);
}

TEST_F(CConsoleTest, VariablesAssignEvaluateAndFeedParameters) {
    EXPECT_EQ(myConsole.Execute("x = 5"), "5");
    EXPECT_EQ(myConsole.Execute("x"), "5");
    EXPECT_EQ(myConsole.Execute("  X  "), "5");
    myConsole.Execute("probe(x, nothing)");
    EXPECT_TRUE(myProbe.myParameters.IsType(0, CParameter::kNumber));
    EXPECT_EQ(myProbe.myParameters.GetNumber(0), 5);
    EXPECT_TRUE(myProbe.myParameters.IsType(1, CParameter::kString));
    EXPECT_EQ(myProbe.myParameters.GetString(1), "nothing");
    EXPECT_EQ(myConsole.Execute("y = x"), "5");
    EXPECT_EQ(myConsole.Execute("z = inner(1)"), "from inner");
    EXPECT_EQ(myConsole.Execute("q = \"a=b\""), "\"a=b\"");
    EXPECT_EQ(myConsole.Execute("\"quoted\""), "\"quoted\"");
    EXPECT_EQ(myConsole.Execute("= 5"), "= 5");
    EXPECT_EQ(myConsole.Execute("empty ="), "");
    EXPECT_EQ(myConsole.GetVariable("missing"), "");
}

TEST_F(CConsoleTest, NestedCommandsAreEvaluatedBeforeTheLookup) {
    myConsole.Execute("probe(inner(), 2)");
    EXPECT_EQ(myProbe.myParameters.GetString(0), "from inner");
    EXPECT_EQ(myConsole.Execute("unknown(inner())"), "unknown(inner())");
    EXPECT_EQ(myInner.myCalls, 2);
}

TEST_F(CConsoleTest, CompoundLinesAndComments) {
    EXPECT_EQ(myConsole.Execute("probe; inner"), "probed\nfrom inner\n");
    EXPECT_EQ(myConsole.Execute("probe(\"a;b\")"), "probed");
    EXPECT_EQ(myProbe.myParameters.GetString(0), "a;b");
    myProbe.myCalls = 0;
    for (const char* line : {"", "   \t", "// probe", "probe // not run", "probe(\"//\") // c"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(myConsole.Execute(line), "");
    }
    EXPECT_EQ(myProbe.myCalls, 0);
    // The blank between ";" and the comment is a piece of its own.
    EXPECT_EQ(myConsole.Execute("probe; // runs"), "probed\n\n");
    EXPECT_EQ(myConsole.Execute(" // leading blank then comment;"), "\n");
}

TEST_F(CConsoleTest, PlainConsoleRunsNamespaceRestInItself) {
    EXPECT_EQ(myConsole.Execute("Anything::probe(1)"), "probed");
    EXPECT_EQ(myConsole.Execute("::probe"), "");
}

TEST_F(CConsoleTest, BasicCommandsAnswerTheirTexts) {
    CConsole& console = *GetConsole();
    struct Case {
        const char* line;
        const char* answer;
    } cases[] = {
        {"load", "Error: Load() You need to give a filename as a parameter."},
        {"load(5)", "Error: Load() You need to give a filename as a parameter."},
        {"taskload()", "Error: TaskLoad() You need to give a task library name as a parameter."},
        {"starttask",
         "Error: StartTask( tasktype, taskname, priority ) requires atleast one parameter."},
        {"pausetask(1)", "Error: PauseTask( taskname ) requires atleast one parameter."},
        {"resumetask", "Error: ResumeTask( taskname ) requires atleast one parameter."},
        {"stoptask()", "Error: StopTask( taskname ) requires atleast one parameter."},
        {"taskload(\"no such library\")", ""},
        {"starttask(\"nope\", \"n\", 10, 1, 2)", "failed to start nope"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(console.Execute(c.line), c.answer);
    }
    EXPECT_TRUE(myLog->Contains("[ERROR] Trying to start a task nope that doesn't exist.\n"));
    EXPECT_FALSE(Scheduler().IsQuitting());
    for (const char* line : {"quit", "QUIT", "quit()", "Quit(\"x\")"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(console.Execute(line), "bye bye");
    }
    EXPECT_TRUE(Scheduler().IsQuitting());
}

TEST_F(CConsoleTest, StartTaskTakesTypeNamePriorityAndPassesTheRest) {
    CConsole& console = *GetConsole();
    EXPECT_EQ(console.Execute("starttask(\"recorder\", \"Rec\", 5, 1, \"two\")"),
              "recorder started");
    CRecordingTask* task = FindRecorder("Rec");
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->GetPriority(), 5);
    ASSERT_EQ(task->myParameters.Size(), 2u);
    EXPECT_EQ(task->myParameters.GetNumber(0), 1);
    EXPECT_EQ(task->myParameters.GetString(1), "two");

    console.Execute("starttask(recorder)");
    ASSERT_NE(FindRecorder("recorder"), nullptr);
    EXPECT_EQ(FindRecorder("recorder")->GetPriority(), 100);
    console.Execute("starttask(recorder, big, 99999999999999)");
    EXPECT_EQ(FindRecorder("big")->GetPriority(), 2147483647);
    console.Execute("starttask(recorder, small, -99999999999999)");
    EXPECT_EQ(FindRecorder("small")->GetPriority(), -2147483647 - 1);
    EXPECT_EQ(RunningNames(), (Lines{"small", "Rec", "recorder", "big"}));
}

TEST_F(CConsoleTest, RoutesToTasksByExactUntrimmedName) {
    CConsole& console = *GetConsole();
    console.Execute("starttask(recorder, Rec)");
    Journal().clear();
    EXPECT_EQ(console.Execute("Rec::Play(\"a.wav\" );"), "\n");
    EXPECT_EQ(Journal(), (Lines{"command Rec Play(\"a.wav\" )"}));
    for (const char* space : {"rec", "Rec ", " Rec"}) {
        SCOPED_TRACE(space);
        myLog->Clear();
        EXPECT_EQ(console.Execute(std::string(space) + "::Play()"), "No namespace named space\n");
        EXPECT_EQ(myLog->Lines(), (Lines{std::string("[ERROR] Sorry the namespace or task ") +
                                         space + " doesn't exist.\n"}));
    }
    FindRecorder("Rec")->myAcceptsCommands = false;
    EXPECT_EQ(console.Execute("Rec::x"), "No namespace named space\n");
}

TEST_F(CConsoleTest, MainConsoleEchoesLineAndNonEmptyAnswer) {
    CMainConsole console;
    console.Execute("v = 3", true);
    console.Execute("// quiet", true);
    console.Execute("w = 4", false);
    EXPECT_EQ(myLog->Lines(), (Lines{"v = 3\n", "3\n", "// quiet\n"}));
}

TEST_F(CConsoleTest, BoundVariablesConvertAndKeepValueOnBadText) {
    int size = 7;
    bool debug = false;
    BindConsoleVariable(myConsole, "gfx_flip_rects_size", size);
    BindConsoleVariable(myConsole, "gfx_flip_debug_rects", debug);
    EXPECT_EQ(myConsole.Execute("gfx_flip_rects_size"), "7");
    EXPECT_EQ(myConsole.Execute("GFX_FLIP_RECTS_SIZE = 12"), "12");
    EXPECT_EQ(size, 12);
    EXPECT_EQ(myConsole.Execute("gfx_flip_rects_size = lots"), "12");
    EXPECT_EQ(myConsole.Execute("gfx_flip_debug_rects = 1"), "1");
    EXPECT_TRUE(debug);
    EXPECT_EQ(myConsole.Execute("gfx_flip_debug_rects = 2"), "1");
    myConsole.FindVariable("gfx_flip_debug_rects")->SetReadOnly(true);
    EXPECT_EQ(myConsole.Execute("gfx_flip_debug_rects = 0"), "1");
    UnbindConsoleVariable(myConsole, "gfx_flip_rects_size");
    EXPECT_EQ(myConsole.Execute("gfx_flip_rects_size = 3"), "3");
    EXPECT_EQ(size, 12);
}

TEST_F(CConsoleTest, NamespacesAttachDetachAndOutliveTheirConsoles) {
    CCommandNamespaces& namespaces = CommandNamespaces();
    // The registry lives as long as the process: a fresh name for every run.
    static int run = 0;
    const std::string space = "test-space-" + std::to_string(run++);
    namespaces.AddCommand(space, "hello", std::make_unique<CProbe>("hi"));
    {
        CConsole other;
        namespaces.Attach(space, &other);
        namespaces.AddCommand(space, "later", std::make_unique<CProbe>("late"));
        EXPECT_EQ(other.Execute("HELLO"), "hi");
        EXPECT_EQ(other.Execute("later"), "later");
        namespaces.Detach(&other);
        EXPECT_EQ(other.Execute("hello"), "hello");
        namespaces.Attach(space, &other);
    }
    // The console is gone; the namespace must neither touch it nor have lost its commands.
    namespaces.Attach(space, &myConsole);
    EXPECT_EQ(myConsole.Execute("later"), "late");
    namespaces.Detach(&myConsole);
}

TEST_F(CConsoleTest, BasicCommandsSurviveAConsoleHolderRestart) {
    EXPECT_EQ(GetConsole()->Execute("quit"), "bye bye");
    CSingletonPtr<CConsoleHolder>::Delete();
    myLog = std::make_unique<CLogCapture>();
    EXPECT_EQ(GetConsole()->Execute("load"),
              "Error: Load() You need to give a filename as a parameter.");
    EXPECT_EQ(CreateConsole()->Execute("load"), "load");
}

class CScriptTest : public CConsoleTest {
protected:
    CTempDir myDir;
};

TEST_F(CScriptTest, RunsEveryLineAndDropsCarriageReturns) {
    WriteFile(myDir.File("s.txt"), "a = 1\r\nprobe(a)\r\n\r\nb = 2");
    EXPECT_EQ(myConsole.ExecuteFile(myDir.File("s.txt")), "");
    EXPECT_EQ(myConsole.GetVariable("a"), "1");
    EXPECT_EQ(myConsole.GetVariable("b"), "2");
    EXPECT_EQ(myProbe.myParameters.GetNumber(0), 1);
    EXPECT_EQ(myConsole.ExecuteFile(myDir.File("missing.txt")), "");
    EXPECT_EQ(myConsole.ExecuteFile(myDir.Path().string()), "");  // a directory
}

TEST_F(CScriptTest, SelfLoadingScriptStopsAtTheDepthLimitAndLogs) {
    const std::string file = myDir.File("self.txt");
    WriteFile(file, "count = probe()\nload(\"" + file + "\")\n");
    GetConsole()->AddCommand("probe", &myProbe);
    GetConsole()->ExecuteFile(file);
    EXPECT_EQ(myProbe.myCalls, CConsole::kMaxScriptDepth);
    EXPECT_EQ(myLog->Lines(),
              (Lines{"[ERROR] Scripts nested deeper than 16 levels, not loading " + file + "\n"}));
    GetConsole()->RemoveCommand("probe");
}

TEST_F(CConsoleTest, DeeplyNestedLinesEndWithoutRunning) {
    std::string line = "probe()";
    for (int i = 0; i < 1000; ++i) line = "probe(" + line + ")";
    myConsole.Execute(line);
    // Only the outer levels ran; the innermost reached the limit and answered nothing.
    EXPECT_EQ(myProbe.myCalls, CConsole::kMaxLineDepth);
}

}  // namespace
}  // namespace tolm::test
