#include <gtest/gtest.h>

#include <string>

#include "tolm/tasks/demo/RecordingFormat.h"
#include "tolm/tasks/demo/TimedemoReport.h"

namespace tolm::recording {
namespace {

SRecordedEvent At(int update, SInputEvent::EKind kind, int a = 0, int b = 0) {
    return SRecordedEvent{update, SInputEvent{kind, a, b}};
}

TEST(RecordingFormat, PassLinesReadBackAsWritten) {
    struct Case {
        SPass pass;
        std::string line;
    } cases[] = {
        {{16, 1, {}}, "16\n"},
        {{0, 40, {}}, "0*40\n"},
        {{0, kMaxRepeat, {}}, "0*100000\n"},
        {{4294967295u, 1, {}}, "4294967295\n"},
        {{16, 1, {At(0, SInputEvent::kPointerMoved, -3, 599)}}, "16 m-3,599\n"},
        {{17,
          1,
          {At(0, SInputEvent::kKeyDown, 97), At(0, SInputEvent::kCharacter, 97),
           At(3, SInputEvent::kButtonDown, 1), At(3, SInputEvent::kButtonUp, 1),
           At(7, SInputEvent::kKeyUp, 97)}},
         "17 k97 c97 @3 d1 u1 @7 r97\n"},
        {{0,
          1,
          {At(2, SInputEvent::kActivity, 0), At(2, SInputEvent::kResize, 800, 600),
           At(0, SInputEvent::kQuit)}},
         "0 @2 a0 s800,600 @0 q\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string written;
        AppendPass(c.pass, &written);
        EXPECT_EQ(written, c.line);
        SPass read;
        std::string error;
        ASSERT_TRUE(ParsePass(c.line.substr(0, c.line.size() - 1), &read, &error)) << error;
        EXPECT_EQ(read.delta, c.pass.delta);
        EXPECT_EQ(read.repeat, c.pass.repeat);
        EXPECT_EQ(read.events, c.pass.events);
    }
}

TEST(RecordingFormat, BadPassLinesAreRefusedWithTheirReason) {
    struct Case {
        std::string line;
        std::string reason;
    } cases[] = {
        {"", "clock's step"},
        {"-1", "clock's step"},
        {"4294967296", "clock's step"},
        {"99999999999", "clock's step"},
        {"x16", "clock's step"},
        {"16*1", "repeat count"},
        {"16*100001", "repeat count"},
        {"16*", "repeat count"},
        {"16*3 m1,1", "repeat count"},
        {"16 ", "single spaces"},
        {"16  m1,1", "single spaces"},
        {"16m1,1", "single spaces"},
        {"16 z1", "unknown event"},
        {"16 m1", "bad event"},
        {"16 m1,", "bad event"},
        {"16 m1,2,3", "bad event"},
        {"16 m1000001,0", "bad event"},
        {"16 d-1", "bad event"},
        {"16 k65536", "bad event"},
        {"16 c0", "bad event"},
        {"16 a2", "bad event"},
        {"16 s-1,5", "bad event"},
        {"16 q1", "bad quit event"},
        {"16 @", "bad update number"},
        {"16 @-1 q", "bad update number"},
        {"16 @99999999999 q", "bad update number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SPass pass;
        std::string error;
        EXPECT_FALSE(ParsePass(c.line, &pass, &error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(RecordingFormat, HeaderReadsBackAndRefusesOtherVersions) {
    SHeader header;
    header.engine = "Tolm version 0.22";
    header.scriptName = "autoexec.txt";
    header.scriptHash = HashText("starttask(\"game\")\n");
    header.seed = 1733561234.0;
    header.randomState = 16807.0;
    header.clock = 4294967295u;
    const std::string text = HeaderText(header);
    SHeader read;
    std::size_t start = 0;
    for (int index = 0; index < kHeaderLineCount; ++index) {
        const std::size_t end = text.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        std::string error;
        ASSERT_TRUE(ParseHeaderLine(index, text.substr(start, end - start), &read, &error))
            << error;
        start = end + 1;
    }
    EXPECT_EQ(start, text.size());
    EXPECT_EQ(read.engine, header.engine);
    EXPECT_EQ(read.scriptName, header.scriptName);
    EXPECT_EQ(read.scriptHash, header.scriptHash);
    EXPECT_EQ(read.seed, header.seed);
    EXPECT_EQ(read.randomState, header.randomState);
    EXPECT_EQ(read.clock, header.clock);

    struct Case {
        int index;
        std::string line;
        std::string reason;
    } cases[] = {
        {0, "tolm-recording 2", "format version 2; this engine reads version 1"},
        {0, "tolm-recording one", "format version is not a number"},
        {0, "PK\x03\x04", "not a recording"},
        {2, "script autoexec.txt 12ab", "16-digit hash"},
        {2, "script 0123456789abcdef", "16-digit hash"},
        {3, "random 1 nan", "two numbers"},
        {3, "random 1e400 5", "two numbers"},
        {4, "clock -5", "milliseconds"},
        {4, "engine Tolm", "no \"clock\" line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string error;
        EXPECT_FALSE(ParseHeaderLine(c.index, c.line, &read, &error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(RecordingFormat, HashIsFnv1a) {
    EXPECT_EQ(HashText(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(HashText("a"), 0xaf63dc4c8601ec8cull);
}

TEST(TimedemoReport, RanksAndTheLine) {
    EXPECT_EQ(Median({}), 0.0);
    EXPECT_EQ(Median({3.0, 1.0, 2.0}), 2.0);
    EXPECT_EQ(Median({4.0, 1.0, 2.0, 3.0}), 2.5);
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) hundred.push_back(i);
    EXPECT_EQ(Percentile(hundred, 95.0), 95.0);
    EXPECT_EQ(Percentile({7.0}, 95.0), 7.0);
    EXPECT_EQ(Percentile({1.0, 9.0}, 95.0), 9.0);
    STimedemoFigures figures;
    figures.passes = 12;
    figures.frames = 3;
    figures.frameMs = {2.0, 0.5, 1.0};
    figures.wallSeconds = 0.25;
    figures.cpuSeconds = 0.125;
    EXPECT_EQ(TimedemoLine("level1.rec", figures),
              "Timedemo \"level1.rec\": 12 passes, 3 frames drawn in 0.250 s (CPU 0.125 s); ms "
              "per frame min 0.500, median 1.000, 95th percentile 2.000");
}

}  // namespace
}  // namespace tolm::recording
