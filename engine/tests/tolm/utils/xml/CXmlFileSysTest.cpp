#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

using Lines = std::vector<std::string>;

const std::string kOrder =
    "Xml warning a child node wasn't in the place it should be, order fucked up in node: a in "
    "file: thing.cpp at line ";
const std::string kNoneLeft =
    "Xml warning, ain't no childs left in the current node: a in file: thing.cpp at line ";

class CXmlFileSysReading : public ::testing::Test {
protected:
    CXmlFileSys& Load(const std::string& document) {
        myRoot = test::BuildXml(document);
        myFileSys = std::make_unique<CXmlFileSys>(myRoot.get(), CXmlFileSys::kReading);
        myFileSys->SetFile("thing.cpp");
        myFileSys->SetLine(42);
        return *myFileSys;
    }

    test::CLineCatcher myLog;
    std::unique_ptr<CXmlNode> myRoot;
    std::unique_ptr<CXmlFileSys> myFileSys;
};

TEST_F(CXmlFileSysReading, InOrderMembersMoveTheCursorSilently) {
    CXmlFileSys& filesys = Load("<a><b>1</b><c>2</c></a>");
    int b = 0, c = 0;
    filesys.Read("b", b);
    filesys.Read("c", c);
    EXPECT_EQ(b * 10 + c, 12);
    EXPECT_EQ(filesys.GetCursor(), 2);
    EXPECT_TRUE(myLog.lines.empty());
}

TEST_F(CXmlFileSysReading, OutOfOrderMembersWarnAndLeaveTheCursorOnTheFind) {
    CXmlFileSys& filesys = Load("<a><b>1</b><c>2</c></a>");
    int b = 0, c = 0;
    filesys.Read("c", c);
    EXPECT_EQ(filesys.GetCursor(), 1);
    filesys.SetLine(43);
    filesys.Read("b", b);
    EXPECT_EQ(filesys.GetCursor(), 0);
    EXPECT_EQ(b * 10 + c, 12);
    EXPECT_EQ(myLog.lines, (Lines{kOrder + "42\n", kOrder + "43\n"}));
}

TEST_F(CXmlFileSysReading, MissingMemberLogsTheErrorAndStaysUnchanged) {
    CXmlFileSys& filesys = Load("<a><b>1</b></a>");
    int z = 9;
    filesys.Read("z", z);
    EXPECT_EQ(z, 9);
    EXPECT_EQ(filesys.GetCursor(), 1);
    EXPECT_EQ(myLog.lines, (Lines{kOrder + "42\n",
                                  "Xml error a child node: z wasn't found at all in the node: a in "
                                  "file: thing.cpp at line 42\n"}));
}

TEST_F(CXmlFileSysReading, ReadingPastTheLastChildWarnsTwiceThenSearches) {
    CXmlFileSys& filesys = Load("<a><b>1</b></a>");
    int b = 0;
    filesys.Read("b", b);
    b = 0;
    filesys.Read("b", b);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(filesys.GetCursor(), 0);
    EXPECT_EQ(myLog.lines, (Lines{kNoneLeft + "42\n", kOrder + "42\n"}));
}

TEST_F(CXmlFileSysReading, WarningsOffIsSilent) {
    CXmlFileSys& filesys = Load("<a><b>1</b></a>");
    filesys.SetWarnings(false);
    int value = 3;
    filesys.Read("z", value);
    filesys.Read("b", value);
    filesys.Read("b", value);
    filesys.BeginNode("x");
    filesys.EndNode("y");
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(myLog.lines.empty());
}

TEST_F(CXmlFileSysReading, SequencesRectsAndPointsIgnoreTheCursor) {
    // Written as the writer does: a self-closed tag with attributes would name it "r ".
    CXmlFileSys& filesys = Load(
        "<a><n>1</n><x>9</x><n>2</n><n>oops</n><r x=\"1\" y=\"-2\" w=\"bad\" ></r><p y=\"7\" "
        "></p></a>");
    EXPECT_TRUE(filesys.HasChild("p"));
    EXPECT_FALSE(filesys.HasChild("a"));
    std::vector<int> numbers{0};
    std::list<std::string> texts;
    filesys.ReadVector("n", numbers);
    filesys.ReadList("n", texts);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(texts, (std::list<std::string>{"1", "2", "oops"}));
    EXPECT_EQ(filesys.GetCursor(), 0);
    myLog.lines.clear();

    struct {
        int x = 10, y = 20, w = 30, h = 40;
    } rect;
    struct {
        int x = 5, y = 6;
    } point;
    filesys.ReadRect("r", rect);
    filesys.ReadPoint("p", point);
    EXPECT_EQ((std::vector<int>{rect.x, rect.y, rect.w, rect.h, point.x, point.y}),
              (std::vector<int>{1, -2, 30, 40, 5, 7}));
    // A member found by the search keeps the cursor on itself, so "p" is out of order too.
    EXPECT_EQ(myLog.lines, (Lines{kOrder + "42\n", kOrder + "42\n"}));
}

TEST(CXmlFileSys, EndNodeWarnsOnAMismatchAndNeverLeavesItsRoot) {
    test::CLineCatcher log;
    CXmlNode root("root");
    CXmlFileSys filesys(&root, CXmlFileSys::kWriting);
    filesys.SetFile("f");
    filesys.SetLine(7);
    filesys.BeginNode("x");
    filesys.EndNode("y");
    EXPECT_EQ(filesys.GetCurrentNode(), &root);
    filesys.EndNode("root");
    EXPECT_EQ(filesys.GetCurrentNode(), &root);
    EXPECT_EQ(log.lines, (Lines{"Xml warning, trying to end a different node: y should end: x in "
                                "file: f at line 7\n"}));
}

struct CInner {
    int value = 0;
    void Serialize(CXmlFileSys* filesys) {
        if (filesys->IsWriting()) filesys->Write("value", value);
        if (filesys->IsReading()) filesys->Read("value", value);
    }
};

TEST(CXmlFileSys, WritesValuesSequencesObjectsAndGeometry) {
    CXmlNode root("root");
    CXmlFileSys filesys(&root, CXmlFileSys::kWriting);
    filesys.Write("i", -5);
    filesys.Write("d", 2.0 / 3.0);
    filesys.Write("b", true);
    filesys.Write("u8", static_cast<unsigned char>(200));
    filesys.Write("s", std::string("two words"));
    filesys.WriteVector("v", std::vector<int>{1, 2});
    filesys.WriteList("l", std::list<std::string>{"x"});
    CInner inner{12};
    filesys.WriteObject("inner", inner);
    struct {
        int x = 1, y = 2, w = 3, h = 4;
    } rect;
    filesys.WriteRect("r", rect);
    filesys.AddAttribute("tag", 1.5f);
    EXPECT_EQ(test::Describe(&root),
              "root{tag=1.5;}[i(-5),d(0.666667),b(1),u8(200),s(two words),v(1),v(2),l(x),"
              "inner[value(12)],r{h=4;w=3;x=1;y=2;}]");

    CXmlFileSys reader(&root, CXmlFileSys::kReading);
    reader.SetWarnings(false);
    CInner back;
    reader.ReadObject("inner", back);
    EXPECT_EQ(back.value, 12);
}

}  // namespace
}  // namespace tolm
