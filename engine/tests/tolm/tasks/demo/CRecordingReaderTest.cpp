#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/tasks/demo/CRecordingReader.h"
#include "tolm/tasks/demo/CRecordingWriter.h"

namespace tolm {
namespace {

using recording::SRecordedEvent;

recording::SHeader SmallHeader() {
    recording::SHeader header;
    header.engine = "Tolm version 0.22";
    header.scriptName = "autoexec.txt";
    header.scriptHash = 0x0123456789abcdefull;
    header.seed = 1733561234.0;
    header.randomState = 1733561234.0;
    header.clock = 250;
    return header;
}

void WriteText(const std::string& fileName, const std::string& text) {
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

struct SChecked {
    bool ok = false;
    std::string error;
    CRecordingReader::SSummary summary;
};

SChecked Check(const std::string& fileName) {
    SChecked checked;
    recording::SHeader header;
    checked.ok = CRecordingReader::Check(fileName, &header, &checked.summary, &checked.error);
    return checked;
}

class CRecordingReaderTest : public ::testing::Test {
protected:
    // A small recording as the writer makes it; the passes each of its lines holds.
    std::string MakeSmall(std::vector<std::uint64_t>* passesPerLine) {
        const std::string name = myDir.File("small.rec");
        CRecordingWriter writer;
        std::string error;
        EXPECT_TRUE(writer.Open(name, SmallHeader(), &error)) << error;
        writer.AddPass(16);
        writer.AddPass(16);
        writer.AddPass(16);
        writer.AddPass(17, {SRecordedEvent{0, {SInputEvent::kPointerMoved, 400, 300}}});
        writer.AddPass(0, {SRecordedEvent{2, {SInputEvent::kButtonDown, 1}},
                           SRecordedEvent{2, {SInputEvent::kButtonUp, 1}}});
        writer.AddPass(33);
        writer.AddPass(16, {SRecordedEvent{0, {SInputEvent::kQuit}}});
        writer.Close();
        *passesPerLine = {3, 1, 1, 1, 1};
        return test::ReadFile(name);
    }

    test::CTempDir myDir;
};

TEST_F(CRecordingReaderTest, WholeRecordingReadsBackPassByPass) {
    std::vector<std::uint64_t> perLine;
    MakeSmall(&perLine);
    CRecordingReader reader;
    ASSERT_TRUE(reader.Open(myDir.File("small.rec"))) << reader.GetError();
    EXPECT_EQ(reader.GetHeader().clock, 250u);
    EXPECT_EQ(reader.GetHeader().scriptHash, 0x0123456789abcdefull);
    std::vector<std::string> lines;
    recording::SPass pass;
    while (reader.Next(&pass) == CRecordingReader::kPass) {
        std::string line;
        recording::AppendPass(pass, &line);
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"16*3\n", "17 m400,300\n", "0 @2 d1 u1\n", "33\n",
                                               "16 q\n"}));
    EXPECT_TRUE(reader.IsStopped());
    EXPECT_FALSE(reader.LostLastLine());
}

// A cut anywhere is refused inside the header and otherwise reads as the whole passes
// before it, the way a kill leaves a recording.
TEST_F(CRecordingReaderTest, EveryCutIsRefusedInTheHeaderOrReadsItsWholePasses) {
    std::vector<std::uint64_t> perLine;
    const std::string whole = MakeSmall(&perLine);
    std::size_t headerEnd = 0;
    for (int line = 0; line < recording::kHeaderLineCount; ++line)
        headerEnd = whole.find('\n', headerEnd) + 1;
    const std::string cut = myDir.File("cut.rec");
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE("cut after " + std::to_string(length) + " bytes");
        WriteText(cut, whole.substr(0, length));
        const SChecked checked = Check(cut);
        if (length < headerEnd) {
            EXPECT_FALSE(checked.ok);
            EXPECT_EQ(checked.error, length == 0 ? "it is empty" : "it is cut short in its header");
            continue;
        }
        ASSERT_TRUE(checked.ok) << checked.error;
        std::uint64_t passes = 0;
        std::size_t at = headerEnd;
        for (std::size_t line = 0; line < perLine.size(); ++line) {
            const std::size_t end = whole.find('\n', at);
            if (end >= length) break;
            passes += perLine[line];
            at = end + 1;
        }
        EXPECT_EQ(checked.summary.passes, passes);
        EXPECT_EQ(checked.summary.stopped, length == whole.size());
        const bool midLine = length > 0 && whole[length - 1] != '\n';
        EXPECT_EQ(checked.summary.lostLastLine, midLine);
    }
}

TEST_F(CRecordingReaderTest, BadFilesGiveOneClearReason) {
    const std::string header = recording::HeaderText(SmallHeader());
    std::filesystem::create_directory(myDir.Path() / "folder");
    struct Case {
        std::string name;
        std::string text;  // not written when empty and the name is not "empty"
        std::string reason;
    } cases[] = {
        {"missing", "", "there is no such file"},
        {"folder", "", "it is a directory"},
        {"empty", "", "it is empty"},
        {"garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "it is not a recording"},
        {"text", "Hello world\n", "it is not a recording"},
        {"version", "tolm-recording 7\nengine x\n",
         "format version 7; this engine reads version 1"},
        {"badline", header + "16\n16 m4\n", "line 7: a bad event \"m4\""},
        {"afterend", header + "16\nend\n16\n", "line 8 follows the \"end\" line"},
        {"long", header + "16" + std::string(70000, '0') + "\n", "line 6 is longer than"},
        {"longgarbage", std::string(70000, 'x'), "it is not a recording"},
        {"nul", header + std::string("16\0\n", 4), "line 6: events are not separated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = myDir.File(c.name);
        if (!c.text.empty() || c.name == "empty") WriteText(name, c.text);
        const SChecked checked = Check(name);
        EXPECT_FALSE(checked.ok);
        EXPECT_NE(checked.error.find(c.reason), std::string::npos) << checked.error;
    }
}

// Valid-looking lines past the size a recording may have are refused before any is read.
TEST_F(CRecordingReaderTest, HundredMegabytesAreRefusedUnread) {
    const std::string name = myDir.File("huge.rec");
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::string header = recording::HeaderText(SmallHeader());
    std::fwrite(header.data(), 1, header.size(), file);
    std::string block;
    for (int i = 0; i < 65536; ++i) block += "16 m400,300\n";
    std::size_t written = header.size();
    while (written < 100u * 1024 * 1024)
        written += std::fwrite(block.data(), 1, block.size(), file);
    std::fclose(file);
    const SChecked checked = Check(name);
    std::filesystem::remove(name);
    EXPECT_FALSE(checked.ok);
    EXPECT_NE(checked.error.find("bytes, more than the 67108864 a recording may have"),
              std::string::npos)
        << checked.error;
}

TEST_F(CRecordingReaderTest, WriterFlushesAtMostOnceASecondAndOnlyWholePasses) {
    const std::string name = myDir.File("live.rec");
    CRecordingWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Open(name, SmallHeader(), &error)) << error;
    const std::size_t headerSize = test::ReadFile(name).size();
    EXPECT_EQ(headerSize, recording::HeaderText(SmallHeader()).size()) << "the header at once";
    writer.AddPass(16, {SRecordedEvent{1, {SInputEvent::kKeyDown, 32}}});
    EXPECT_TRUE(writer.FlushIfDue(5000)) << "the first flush is due at once";
    writer.AddPass(16);
    writer.AddPass(16, {SRecordedEvent{0, {SInputEvent::kCharacter, 32}}});
    EXPECT_FALSE(writer.FlushIfDue(5999));
    const SChecked early = Check(name);
    ASSERT_TRUE(early.ok) << early.error;
    EXPECT_EQ(early.summary.passes, 1u);
    EXPECT_FALSE(early.summary.stopped);
    writer.AddPass(16);
    EXPECT_TRUE(writer.FlushIfDue(6000));
    const SChecked later = Check(name);
    ASSERT_TRUE(later.ok) << later.error;
    EXPECT_EQ(later.summary.passes, 4u) << "the open run of eventless passes is written too";
    writer.AddPass(16);
    writer.Close();
    const SChecked closed = Check(name);
    EXPECT_EQ(closed.summary.passes, 5u);
    EXPECT_TRUE(closed.summary.stopped);
    EXPECT_EQ(writer.GetPassCount(), 5u);
}

TEST_F(CRecordingReaderTest, LongRunsWithoutInputSplitIntoLinesTheReaderTakes) {
    const std::string name = myDir.File("idle.rec");
    CRecordingWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Open(name, SmallHeader(), &error)) << error;
    for (std::uint32_t i = 0; i <= recording::kMaxRepeat; ++i) writer.AddPass(0);
    writer.Close();
    const SChecked checked = Check(name);
    ASSERT_TRUE(checked.ok) << checked.error;
    EXPECT_EQ(checked.summary.passes, recording::kMaxRepeat + 1u);
}

}  // namespace
}  // namespace tolm
