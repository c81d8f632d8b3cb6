// The interpreter's parsing and routing: quote-aware splitting, parameter kinds, variables,
// compound lines, comments, namespaces and Name:: routes, with the exact answer texts.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/TestFiles.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CCommandNamespaces.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CMainConsole.h"
#include "tolm/tasks/TaskTestSupport.h"

namespace tolm::test {
namespace {

// Remembers how it was last called and answers a fixed text.
class CProbe : public CCommand {
public:
    explicit CProbe(std::string answer = "probed") : myAnswer(std::move(answer)) {}
    std::string Execute(CParameterList& parameters) override {
        myParameters = parameters;
        return Called(true);
    }
    std::string Execute() override { return Called(false); }
    std::string Called(bool hadList) {
        ++myCalls;
        myHadList = hadList;
        return myAnswer;
    }
    std::string myAnswer;
    int myCalls = 0;
    bool myHadList = false;
    CParameterList myParameters;
};

// Empties the list it is given, as commands that take their parameters one by one do.
class CEater : public CCommand {
public:
    std::string Execute(CParameterList& parameters) override {
        for (; !parameters.Empty(); parameters.PopFront()) ++myEaten;
        return std::string();
    }
    std::string Execute() override { return std::string(); }
    int myEaten = 0;
};

// "n 12" for a number, "s text" for a string, "-" for none.
Lines Describe(const CParameterList& list) {
    Lines kinds;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const bool number = list.IsType(i, CParameter::kNumber);
        const bool text = list.IsType(i, CParameter::kString);
        kinds.push_back(number ? "n " + list.GetString(i) : text ? "s " + list.GetString(i) : "-");
    }
    return kinds;
}

class CConsoleTest : public CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        myConsole.AddCommand("probe", &myProbe);
        myConsole.AddCommand("inner", &myInner);
    }
    CProbe myProbe;
    CProbe myInner{" from inner "};  // assignments and parameters trim it
    CConsole myConsole;
};

TEST(CConsoleSplit, QuoteAwareSearchAndSplit) {
    struct Case {
        std::string text, delimiter;
        std::string::size_type expected;
    } cases[] = {{"a;b", ";", 1},
                 {"\"a;b\";c", ";", 5},
                 {"\"a\" \"b;\" ;", ";", 9},
                 {"\"unclosed;b;c", ";", std::string::npos},
                 {"x::y", "::", 1},
                 {"\"x::y\"", "::", std::string::npos},
                 {"", ";", std::string::npos}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CConsole::FindOutsideQuotes(c.text, c.delimiter), c.expected);
    }
    EXPECT_EQ(CConsole::Split(",a,,\"b,c\", ,", ","), (Lines{"a", "\"b,c\"", " "}));
    EXPECT_EQ(CConsole::Split("a = b = c", "=", 2), (Lines{"a ", " b = c"}));
    EXPECT_EQ(CConsole::Split("A::B::C", "::"), (Lines{"A", "B", "C"}));
    EXPECT_TRUE(CConsole::Split("", ",").empty());
}

TEST_F(CConsoleTest, ParameterKindsConversionsAndEvaluation) {
    myConsole.Execute("x = 5");
    myConsole.Execute(
        "probe(12, 1.5.3, -2, 1e5, word, \"a, b\", \"\", \" \", , x, inner(), \"x;y//z\", \"a\" b, "
        "\")");
    EXPECT_EQ(
        Describe(myProbe.myParameters),
        (Lines{"n 12", "n 1.5", "n -2", "s 1e5", "s word", "s a, b", "s ", "s  ", "n 0", "n 5",
               "s from inner", "s x;y//z", "s \"a\" b", "s \""}));  // an unclosed quote stays
    EXPECT_EQ(myProbe.myParameters.GetNumber(3), 1e5);
    EXPECT_EQ(myProbe.myParameters.GetNumber(4), 0);
}

TEST_F(CConsoleTest, EmptyParenthesesGiveAnEmptyListAndNoneGiveNoList) {
    myConsole.Execute("probe()");
    EXPECT_TRUE(myProbe.myHadList);
    EXPECT_TRUE(Describe(myProbe.myParameters).empty());
    myConsole.Execute("PROBE");
    EXPECT_FALSE(myProbe.myHadList);
    EXPECT_EQ(myConsole.ParseParameters("a)b("), nullptr);  // a ")" before "(" encloses nothing
    EXPECT_EQ(myConsole.ParseParameters("a(b"), nullptr);
}

// One console, line after line: variables (text and bound), literals, nested commands,
// compound lines and comments, and a plain console's Name:: lines, with the answer of each.
TEST_F(CConsoleTest, AnswersOfLines) {
    int size = 7, fixed = 4;
    bool debug = false;
    BindConsoleVariable(myConsole, "gfx_flip_rects_size", size);
    BindConsoleVariable(myConsole, "gfx_flip_debug_rects", debug);
    BindConsoleVariable(myConsole, "fixed", fixed);
    myConsole.FindVariable("fixed")->SetReadOnly(true);
    const char* cases[][2] = {{"x = 5", "5"},
                              {"x", "5"},
                              {"  X  ", "5"},
                              {"y = x", "5"},
                              {"z = inner(1)", "from inner"},
                              {"q = \"a=b\"", "\"a=b\""},
                              {"\"quoted\"", "\"quoted\""},
                              {"nothing", "nothing"},
                              {"= 5", "= 5"},
                              {"empty =", ""},
                              {"unknown(inner())", "unknown(inner())"},
                              {"gfx_flip_rects_size", "7"},
                              {"GFX_FLIP_RECTS_SIZE = 12", "12"},
                              {"gfx_flip_rects_size = lots", "12"},
                              {"gfx_flip_debug_rects = 1", "1"},
                              {"gfx_flip_debug_rects = 2", "1"},
                              {"fixed = 9", "4"},
                              {"probe; inner", "probed\n from inner \n"},
                              {"probe(\"a;b\")", "probed"},
                              {"", ""},
                              {"   \t", ""},
                              {"// probe; Anything::probe", ""},
                              {"probe // not run", ""},
                              {"probe(\"//\") // c", ""},
                              {"probe; // runs", "probed\n\n"},  // the blank is a piece too
                              {" // leading blank, then a comment;", "\n"},
                              {"Anything::probe(1)", "probed"},
                              {"::probe", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(myConsole.Execute(c[0]), c[1]);
    }
    EXPECT_EQ(myProbe.myCalls, 4);
    EXPECT_EQ(myInner.myCalls, 3);
    EXPECT_EQ(size, 12);
    EXPECT_TRUE(debug);
}

TEST_F(CConsoleTest, BasicCommandsAnswerTheirTextsAlsoAfterAConsoleHolderRestart) {
    Console();
    CSingletonPtr<CConsoleHolder>::Delete();
    myLog = std::make_unique<CLogCapture>();
    CConsole& console = Console();
    const char* cases[][2] = {
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
        {"quit", "bye bye"},
        {"quit()", "bye bye"},
        {"Quit(\"x\")", "bye bye"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(console.Execute(c[0]), c[1]);
    }
    EXPECT_EQ(myLog->Lines(), (Lines{"[ERROR] Trying to start a task nope that doesn't exist.\n"}));
    EXPECT_TRUE(Scheduler().IsQuitting());
    EXPECT_EQ(CreateConsole()->Execute("load"), "load");  // a task's console has none of them
}

TEST_F(CConsoleTest, StartTaskTakesTypeNamePriorityAndRestAndNameRoutesToTheTask) {
    CConsole& console = Console();
    EXPECT_EQ(console.Execute("starttask(\"recorder\", \"Rec\", 5, 1, \"two\")"),
              "recorder started");
    EXPECT_EQ(Describe(FindRecorder("Rec")->myParameters), (Lines{"n 1", "s two"}));
    console.Execute("starttask(recorder)");
    console.Execute("starttask(recorder, 7, 3)");  // a number where the name goes: no name
    console.Execute("starttask(recorder, big, 99999999999999)");
    console.Execute("starttask(recorder, small, -99999999999999)");
    EXPECT_EQ(RunningNames(), (Lines{"small", "Rec", "recorder", "recorder", "big"}));
    EXPECT_EQ(FindRecorder("Rec")->GetPriority(), 5);
    EXPECT_EQ(FindRecorder("recorder")->GetPriority(), 100);
    EXPECT_EQ(FindRecorder("big")->GetPriority(), 2147483647);
    EXPECT_EQ(FindRecorder("small")->GetPriority(), -2147483647 - 1);

    // Name:: lines reach the task of exactly that instance name, untrimmed.
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

TEST_F(CConsoleTest, ReadyMadeCallsRunOneCommandWithTheirListAsItIs) {
    CParameterList list;
    list.AddString("inner(); x = 1; \"quoted\"");
    list.AddString("7");
    list.AddNumber(2);
    // By the console's case rule, with the texts unparsed and unevaluated.
    EXPECT_EQ(myConsole.ExecuteCommand("PROBE", list), "probed");
    EXPECT_EQ(myProbe.myCalls, 1);
    EXPECT_TRUE(myProbe.myHadList);
    EXPECT_EQ(Describe(myProbe.myParameters),
              (Lines{"s inner(); x = 1; \"quoted\"", "s 7", "n 2"}));
    EXPECT_EQ(myInner.myCalls, 0);
    EXPECT_TRUE(myConsole.GetVariableNames().empty());
    // A command that consumes its list leaves the caller's alone.
    CEater eater;
    myConsole.AddCommand("eat", &eater);
    myConsole.ExecuteCommand("eat", list);
    EXPECT_EQ(eater.myEaten, 3);
    EXPECT_EQ(list.Size(), 3u);
    // No such command: nothing runs, nothing is evaluated.
    EXPECT_EQ(myConsole.ExecuteCommand("inner()", list), "");
    EXPECT_EQ(myConsole.ExecuteCommand("missing", list), "");
    myConsole.SetCaseSensitive(true);  // the names were stored in upper case
    EXPECT_EQ(myConsole.ExecuteCommand("probe", list), "");
    EXPECT_EQ(myInner.myCalls, 0);
    EXPECT_EQ(myProbe.myCalls, 1);
    // A plain console runs a namespaced call itself, as it does a Name:: line.
    EXPECT_EQ(myConsole.ExecuteCommandInNamespace("Anything", "PROBE", list), "probed");
    EXPECT_EQ(myProbe.myCalls, 2);

    // The process-wide console routes it to the task of exactly that instance name.
    CConsole& console = Console();
    Start("Rec", 5);
    Journal().clear();
    EXPECT_EQ(console.ExecuteCommandInNamespace("Rec", "Play", list), "");
    EXPECT_EQ(Journal(), (Lines{"call Rec Play [inner(); x = 1; \"quoted\"] [7] [2]"}));
    myLog->Clear();
    EXPECT_EQ(console.ExecuteCommandInNamespace("", "Play", list), "No namespace named space\n");
    EXPECT_EQ(myLog->Lines(), (Lines{"[ERROR] Sorry the namespace or task  doesn't exist.\n"}));
    FindRecorder("Rec")->myAcceptsCommands = false;
    EXPECT_EQ(console.ExecuteCommandInNamespace("Rec", "Play", list), "No namespace named space\n");
    EXPECT_EQ(myInner.myCalls, 0);
}

TEST_F(CConsoleTest, MainConsoleEchoesLineAndNonEmptyAnswer) {
    CMainConsole console;
    console.Execute("v = 3", true);
    console.Execute("// quiet", true);
    console.Execute("w = 4", false);
    EXPECT_EQ(myLog->Lines(), (Lines{"v = 3\n", "3\n", "// quiet\n"}));
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

TEST_F(CConsoleTest, ScriptsRunEveryLineDropCarriageReturnsAndStopAtTheDepthLimit) {
    CTempDir dir;
    WriteFile(dir.File("s.txt"), "a = 1\r\nprobe(a)\r\n\r\nb = 2");
    EXPECT_EQ(myConsole.ExecuteFile(dir.File("s.txt")), "");
    EXPECT_EQ(myConsole.Execute("a; b"), "1\n2\n");
    EXPECT_EQ(myProbe.myParameters.GetNumber(0), 1);
    EXPECT_EQ(myConsole.ExecuteFile(dir.File("missing.txt")), "");
    EXPECT_TRUE(myLog->Lines().empty());

    const std::string self = dir.File("self.txt");
    WriteFile(self, "count = probe()\nload(\"" + self + "\")\n");
    Console().AddCommand("probe", &myProbe);
    myProbe.myCalls = 0;
    Console().ExecuteFile(self);
    EXPECT_EQ(myProbe.myCalls, CConsole::kMaxScriptDepth);
    EXPECT_EQ(myLog->Lines(),
              (Lines{"[ERROR] Scripts nested deeper than 16 levels, not loading " + self + "\n"}));
    Console().RemoveCommand("probe");
}

TEST_F(CConsoleTest, DeeplyNestedLinesEndWithoutRunning) {
    std::string line = "probe()";
    for (int i = 0; i < 1000; ++i) line = "probe(" + line + ")";
    myConsole.Execute(line);
    // Only the outer levels ran; the innermost reached the limit and answered nothing.
    EXPECT_EQ(myProbe.myCalls, CConsole::kMaxLineDepth);
}

TEST_F(CConsoleTest, ScriptsAreRegularFilesWithLinesOfBoundedLength) {
    CTempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // opening it to read would wait for a writer
    for (const std::string& path : {dir.Path().string(), fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        myLog->Clear();
        EXPECT_EQ(myConsole.ExecuteFile(path), "");
        EXPECT_EQ(myLog->Lines(),
                  (Lines{"[ERROR] Not loading " + path + ": not a regular file\n"}));
    }

    // Exactly the limit (its CR dropped) is whole; one byte more is cut.
    const std::string limit(CConsole::kMaxScriptLine - 4, 'x');
    WriteFile(dir.File("long.txt"), "a = " + limit + "\r\nb = " + limit + "yz\nc = 1\n");
    myLog->Clear();
    myConsole.ExecuteFile(dir.File("long.txt"));
    EXPECT_EQ(myConsole.GetVariable("a"), limit);
    EXPECT_EQ(myConsole.GetVariable("b"), limit);
    EXPECT_EQ(myConsole.GetVariable("c"), "1");
    EXPECT_EQ(myLog->Lines(), (Lines{"[WARNING] Line 2 of " + dir.File("long.txt") +
                                     " is longer than 65536 bytes, the rest of it is ignored\n"}));

    WriteFile(dir.File("locked.txt"), "locked = 1\n");
    std::filesystem::permissions(dir.File("locked.txt"), std::filesystem::perms::none);
    if (!std::ifstream(dir.File("locked.txt"))) {  // a privileged user reads it anyway
        myLog->Clear();
        myConsole.ExecuteFile(dir.File("locked.txt"));
        EXPECT_EQ(myLog->Lines(), (Lines{"[ERROR] Not loading " + dir.File("locked.txt") +
                                         ": it cannot be read\n"}));
    }
}

// Each nested command runs once, so the work of a line grows with its length, not with
// two to the power of its nesting depth.
TEST_F(CConsoleTest, NestedCommandsRunOnceAtEveryDepth) {
    const int depth = 40;
    std::string assigned = "probe()", enclosed = "probe()";
    for (int i = 0; i < depth; ++i) {
        assigned = "x = probe(" + assigned + ")";
        enclosed = "probe(y = " + enclosed + ")";
    }
    EXPECT_EQ(myConsole.Execute(assigned), "probed");
    EXPECT_EQ(myProbe.myCalls, depth + 1);
    EXPECT_EQ(myConsole.Execute(enclosed), "probed");
    EXPECT_EQ(myProbe.myCalls, 2 * depth + 2);
    EXPECT_EQ(myConsole.GetVariable("y"), "probed");

    // The right-hand side alone runs the nested command, and the assignment keeps its answer.
    EXPECT_EQ(myConsole.Execute("z = inner(probe(7), 2)"), "from inner");
    EXPECT_EQ(myProbe.myCalls, 2 * depth + 3);
    EXPECT_EQ(Describe(myInner.myParameters), (Lines{"s probed", "n 2"}));
    // An "=" inside the brackets is the parameter's: the line stays a literal.
    EXPECT_EQ(myConsole.Execute("unknown(w = inner())"), "unknown(w = inner())");
    EXPECT_EQ(myInner.myCalls, 2);
    EXPECT_EQ(myConsole.GetVariable("w"), "from inner");

    std::string scaling = "flag =8 h2 ech (";
    for (int i = 0; i < 20; ++i) scaling += "/ = ()e =(/h (";
    EXPECT_EQ(myConsole.Execute(scaling + ")"), scaling.substr(6) + ")");
    // Many pieces and a far-away quote: each piece's search stops at its own delimiter.
    EXPECT_EQ(myConsole.Execute("probe(" + std::string(200000, ',') + "\")"), "probed");
    EXPECT_EQ(Describe(myProbe.myParameters), (Lines{"s \""}));
}

}  // namespace
}  // namespace tolm::test
