#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tolm/tasks/CCommandLine.h"

namespace tolm {
namespace {

const char* const kUsage = "Usage: bubble-hush [--data DIR] [--help] [--version]\n";

struct SRun {
    CCommandLine::EAction action;
    int code;
    std::string out;
    std::string err;
};

SRun ParseAndAnswer(CCommandLine& line, std::vector<const char*> words) {
    words.insert(words.begin(), "bubble-hush");
    SRun run;
    run.action = line.Parse(static_cast<int>(words.size()), words.data());
    std::ostringstream out, err;
    run.code = line.Answer(run.action, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(CCommandLine, ActionsValuesAndUsageErrors) {
    const struct {
        std::vector<const char*> words;
        CCommandLine::EAction action;
        std::string data;
        std::string err;  // printed before the usage line on a usage error
    } cases[] = {
        {{}, CCommandLine::kRun, "", ""},
        {{"--data", "/usr/share/x"}, CCommandLine::kRun, "/usr/share/x", ""},
        {{"--data=rel/dir"}, CCommandLine::kRun, "rel/dir", ""},
        {{"--data", "a", "--data", "b"}, CCommandLine::kRun, "b", ""},
        // A value may look like an option, as with getopt.
        {{"--data", "--help"}, CCommandLine::kRun, "--help", ""},
        {{"--version", "--help"}, CCommandLine::kHelp, "", ""},
        {{"--data", "d", "--version"}, CCommandLine::kVersion, "d", ""},
        {{"--bogus"}, CCommandLine::kUsageError, "", "unknown option \"--bogus\""},
        {{"--bogus=3"}, CCommandLine::kUsageError, "", "unknown option \"--bogus\""},
        {{"-h"}, CCommandLine::kUsageError, "", "unknown option \"-h\""},
        {{"--"}, CCommandLine::kUsageError, "", "unknown option \"--\""},
        {{"--Data", "x"}, CCommandLine::kUsageError, "", "unknown option \"--Data\""},
        {{"level6"}, CCommandLine::kUsageError, "", "unexpected argument \"level6\""},
        {{""}, CCommandLine::kUsageError, "", "unexpected argument \"\""},
        {{"--data"}, CCommandLine::kUsageError, "", "the option --data needs a value (DIR)"},
        {{"--data="}, CCommandLine::kUsageError, "", "the option --data needs a value (DIR)"},
        {{"--data", ""}, CCommandLine::kUsageError, "", "the option --data needs a value (DIR)"},
        {{"--help=yes"}, CCommandLine::kUsageError, "", "the option --help takes no value"},
        // The first fault is reported, even after a --help.
        {{"--help", "--nope"}, CCommandLine::kUsageError, "", "unknown option \"--nope\""},
    };
    CCommandLine line("bubble-hush", "Bubble Hush");
    for (const auto& c : cases) {
        std::string trace;
        for (const char* word : c.words) trace += std::string("[") + word + "] ";
        SCOPED_TRACE(trace);
        const SRun run = ParseAndAnswer(line, c.words);
        EXPECT_EQ(run.action, c.action);
        if (c.action == CCommandLine::kUsageError) {
            EXPECT_EQ(run.code, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "bubble-hush: " + c.err + "\n" + kUsage);
        } else {
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(line.GetValue("--data"), c.data);
            EXPECT_EQ(run.code, c.action == CCommandLine::kRun ? -1 : 0);
        }
    }
}

TEST(CCommandLine, HelpAndVersionNameTheGameAndTheEngine) {
    CCommandLine line("bubble-hush", "Bubble Hush");
    const SRun version = ParseAndAnswer(line, {"--version"});
    EXPECT_EQ(version.out, "Bubble Hush\nTolm version 0.22\n");

    const SRun help = ParseAndAnswer(line, {"--help"});
    EXPECT_EQ(
        help.out.rfind("Bubble Hush, a game on Tolm version 0.22.\n" + std::string(kUsage), 0), 0u)
        << help.out;
    for (const char* option : {"  --data DIR", "  --help", "  --version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

// A later option (a recording, say) is one more row: it is parsed, listed and in the usage.
TEST(CCommandLine, AddedOptionsTakePartEverywhere) {
    CCommandLine line("bubble-hush", "Bubble Hush");
    line.AddOption({"--record", "FILE", "record the input to FILE"});
    line.AddOption({"--timedemo", "", "replay as fast as possible"});
    EXPECT_EQ(line.UsageLine(),
              "Usage: bubble-hush [--data DIR] [--help] [--version] [--record FILE] "
              "[--timedemo]\n");
    EXPECT_EQ(ParseAndAnswer(line, {"--record", "r.txt", "--timedemo"}).action, CCommandLine::kRun);
    EXPECT_EQ(line.GetValue("--record"), "r.txt");
    EXPECT_TRUE(line.Has("--timedemo"));
    EXPECT_FALSE(line.Has("--data"));
    EXPECT_NE(line.HelpText().find("  --record FILE   record the input to FILE\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tolm
