#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CLogCapture.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

using Lines = std::vector<std::string>;

const std::string kWhere = " in file: thing.cpp at line ";
const std::string kOrder =
    "Xml warning a child node wasn't in the place it should be, order fucked up in node: a" +
    kWhere;
const std::string kNoneLeft = "Xml warning, ain't no childs left in the current node: a" + kWhere;
const std::string kMissing = " wasn't found at all in the node: a" + kWhere;
const std::string kError = "Xml error a child node: ";

// Reads the members in turn (read i at line i) into ints that start at 9; each case is run
// again with warnings off, which must give the same values and no line.
TEST(CXmlFileSys, FindChildCursorAndWarnings) {
    const struct {
        const char* document;
        Lines reads;
        const char* values;
        int cursor;
        Lines log;
    } cases[] = {
        {"<a><b>1</b><c>2</c></a>", {"b", "c"}, "1 2 ", 2, {}},
        // Found by the search, "c" keeps the cursor on itself, so "b" is out of order too.
        {"<a><b>1</b><c>2</c></a>", {"c", "b"}, "2 1 ", 0, {kOrder + "0\n", kOrder + "1\n"}},
        {"<a><b>1</b></a>", {"z"}, "9 ", 1, {kOrder + "0\n", kError + "z" + kMissing + "0\n"}},
        {"<a><b>1</b></a>", {"b", "b"}, "1 1 ", 0, {kNoneLeft + "1\n", kOrder + "1\n"}},
        {"<a></a>",
         {"b"},
         "9 ",
         0,
         {kNoneLeft + "0\n", kOrder + "0\n", kError + "b" + kMissing + "0\n"}},
    };
    for (const auto& c : cases) {
        for (bool warnings : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.document << " warnings " << warnings);
            auto root = test::BuildXml(c.document);
            CXmlFileSys filesys(root.get(), CXmlFileSys::kReading);
            filesys.SetWarnings(warnings);
            filesys.SetFile("thing.cpp");
            test::CLogCapture log;
            std::string values;
            for (std::size_t i = 0; i < c.reads.size(); ++i) {
                filesys.SetLine(static_cast<int>(i));
                int value = 9;
                filesys.Read(c.reads[i], value);
                values += std::to_string(value) + " ";
            }
            EXPECT_EQ(values, c.values);
            EXPECT_EQ(filesys.GetCursor(), c.cursor);
            EXPECT_EQ(log.Lines(), warnings ? c.log : Lines{});
        }
    }
}

// A nested object's serialiser starts anew: cursor 0, warnings on, no file and no line.
TEST(CXmlFileSys, NestedObjectsStartAnew) {
    struct CMember {
        void Serialize(CXmlFileSys* filesys) { filesys->Read("v", value); }
        int value = 4;
    } member;
    auto root = test::BuildXml("<a><b><w>1</w></b></a>");
    CXmlFileSys filesys(root.get(), CXmlFileSys::kReading);
    filesys.SetWarnings(false);
    filesys.SetFile("thing.cpp");
    test::CLogCapture log;
    filesys.ReadObject("b", member);
    EXPECT_EQ(member.value, 4);
    EXPECT_EQ(log.Lines(), (Lines{"Xml warning a child node wasn't in the place it should be, "
                                  "order fucked up in node: b in file:  at line 0\n",
                                  "Xml error a child node: v wasn't found at all in the node: b in "
                                  "file:  at line 0\n"}));
}

// A failed conversion (also out of range) leaves a member unchanged but appends a default
// to a sequence; a number is read up to its first stray character.
TEST(CXmlFileSys, ConversionsSequencesRectsAndPoints) {
    auto root = test::BuildXml(
        "<a><n>1</n><x>bad</x><n>2</n><n>oops</n><r x=\"1\" y=\"-2\" w=\"bad\" ></r>"
        "<p y=\"7\" ></p><u>300</u><i>-12x</i></a>");
    CXmlFileSys filesys(root.get(), CXmlFileSys::kReading);
    filesys.SetWarnings(false);
    EXPECT_FALSE(filesys.HasChild("a"));
    std::vector<int> numbers{0};
    filesys.ReadVector("n", numbers);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(filesys.GetCursor(), 0);
    struct {
        int x = 10, y = 20, w = 30, h = 40;
    } rect;
    struct {
        int x = 5, y = 6;
    } point;
    int x = 3, i = 0;
    unsigned char u = 1;
    filesys.Read("x", x);
    filesys.ReadRect("r", rect);
    filesys.ReadPoint("p", point);
    filesys.Read("u", u);
    filesys.Read("i", i);
    EXPECT_EQ((std::vector<int>{x, rect.x, rect.y, rect.w, rect.h, point.x, point.y, u, i}),
              (std::vector<int>{3, 1, -2, 30, 40, 5, 7, 1, -12}));
}

TEST(CXmlFileSys, EndNodeWarnsOnAMismatchAndNeverLeavesItsRoot) {
    test::CLogCapture log;
    CXmlNode root("root");
    CXmlFileSys filesys(&root, CXmlFileSys::kWriting);
    filesys.SetFile("f");
    filesys.SetLine(7);
    filesys.BeginNode("x");
    filesys.EndNode("y");
    EXPECT_EQ(filesys.GetCurrentNode(), &root);
    filesys.EndNode("root");
    EXPECT_EQ(filesys.GetCurrentNode(), &root);
    filesys.SetWarnings(false);
    filesys.BeginNode("x");
    filesys.EndNode("z");
    EXPECT_EQ(test::Describe(&root), "root[x,x]");
    EXPECT_EQ(log.Lines(), (Lines{"Xml warning, trying to end a different node: y should end: x "
                                  "in file: f at line 7\n"}));
}

}  // namespace
}  // namespace tolm
