#include <gtest/gtest.h>

#include <list>
#include <sstream>
#include <string>
#include <vector>

#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"

namespace tolm {
namespace {

class CLineCatcher : public CLogListener {
public:
    CLineCatcher() { Logger().AddListener(this); }
    ~CLineCatcher() override { Logger().RemoveListener(this); }
    void Write(const std::string& line, int /*level*/) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

std::unique_ptr<CXmlNode> Build(const std::string& document) {
    CXmlTreeBuilder builder;
    CXmlParser parser(&builder);
    std::istringstream in(document);
    parser.Parse(in);
    return builder.ReleaseRoot();
}

const std::string kOrder =
    "Xml warning a child node wasn't in the place it should be, order fucked up in node: ";

class CXmlFileSysReading : public ::testing::Test {
protected:
    void Load(const std::string& document) {
        myRoot = Build(document);
        ASSERT_TRUE(myRoot);
        myFileSys = std::make_unique<CXmlFileSys>(myRoot.get(), CXmlFileSys::kReading);
        myFileSys->SetFile("thing.cpp");
        myFileSys->SetLine(42);
    }

    CLineCatcher myLog;
    std::unique_ptr<CXmlNode> myRoot;
    std::unique_ptr<CXmlFileSys> myFileSys;
};

TEST_F(CXmlFileSysReading, InOrderMembersMoveTheCursorSilently) {
    Load("<a><b>1</b><c>2</c></a>");
    int b = 0, c = 0;
    myFileSys->Read("b", b);
    myFileSys->Read("c", c);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(myFileSys->GetCursor(), 2);
    EXPECT_TRUE(myLog.lines.empty());
}

TEST_F(CXmlFileSysReading, OutOfOrderMembersWarnAndLeaveTheCursorOnTheFind) {
    Load("<a><b>1</b><c>2</c></a>");
    int b = 0, c = 0;
    myFileSys->Read("c", c);
    EXPECT_EQ(myFileSys->GetCursor(), 1);
    myFileSys->SetLine(43);
    myFileSys->Read("b", b);
    EXPECT_EQ(myFileSys->GetCursor(), 0);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(myLog.lines, (std::vector<std::string>{
                               kOrder + "a in file: thing.cpp at line 42\n",
                               kOrder + "a in file: thing.cpp at line 43\n",
                           }));
}

TEST_F(CXmlFileSysReading, MissingMemberLogsTheErrorAndStaysUnchanged) {
    Load("<a><b>1</b></a>");
    int z = 9;
    myFileSys->Read("z", z);
    EXPECT_EQ(z, 9);
    EXPECT_EQ(myFileSys->GetCursor(), 1);
    EXPECT_EQ(myLog.lines,
              (std::vector<std::string>{
                  kOrder + "a in file: thing.cpp at line 42\n",
                  "Xml error a child node: z wasn't found at all in the node: a in file: "
                  "thing.cpp at line 42\n",
              }));
}

TEST_F(CXmlFileSysReading, ReadingPastTheLastChildWarnsTwiceThenSearches) {
    Load("<a><b>1</b></a>");
    int b = 0;
    myFileSys->Read("b", b);
    b = 0;
    myFileSys->Read("b", b);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(myFileSys->GetCursor(), 0);
    EXPECT_EQ(myLog.lines,
              (std::vector<std::string>{
                  "Xml warning, ain't no childs left in the current node: a in file: thing.cpp "
                  "at line 42\n",
                  kOrder + "a in file: thing.cpp at line 42\n",
              }));
}

TEST_F(CXmlFileSysReading, WarningsOffIsSilent) {
    Load("<a><b>1</b></a>");
    myFileSys->SetWarnings(false);
    int value = 3;
    myFileSys->Read("z", value);
    myFileSys->Read("b", value);
    myFileSys->Read("b", value);
    myFileSys->BeginNode("x");
    myFileSys->EndNode("y");
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(myLog.lines.empty());
}

TEST_F(CXmlFileSysReading, HasChildLooksAtTheCursorAndEverywhere) {
    Load("<a><b/><c/></a>");
    EXPECT_TRUE(myFileSys->HasChild("b"));
    EXPECT_TRUE(myFileSys->HasChild("c"));
    EXPECT_FALSE(myFileSys->HasChild("a"));
    EXPECT_TRUE(myLog.lines.empty());
}

TEST_F(CXmlFileSysReading, SequencesTakeEveryMatchingChildWithoutTheCursor) {
    Load("<a><n>1</n><x>9</x><n>2</n><n>oops</n><n>3</n></a>");
    std::vector<int> numbers{0};
    std::list<std::string> texts;
    myFileSys->ReadVector("n", numbers);
    myFileSys->ReadList("n", texts);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 0, 3}));
    EXPECT_EQ(texts, (std::list<std::string>{"1", "2", "oops", "3"}));
    EXPECT_EQ(myFileSys->GetCursor(), 0);
}

TEST_F(CXmlFileSysReading, RectAndPointReadPresentAttributesOnly) {
    // Written as the writer does: a self-closed tag with attributes would name the element "r ".
    Load("<a><r x=\"1\" y=\"-2\" w=\"bad\" ></r><p y=\"7\" ></p></a>");
    struct {
        int x = 10, y = 20, w = 30, h = 40;
    } rect;
    struct {
        int x = 5, y = 6;
    } point;
    myFileSys->ReadRect("r", rect);
    myFileSys->ReadPoint("p", point);
    EXPECT_EQ(rect.x, 1);
    EXPECT_EQ(rect.y, -2);
    EXPECT_EQ(rect.w, 30);
    EXPECT_EQ(rect.h, 40);
    EXPECT_EQ(point.x, 5);
    EXPECT_EQ(point.y, 7);
    EXPECT_TRUE(myLog.lines.empty());
}

TEST(CXmlFileSys, EndNodeWarnsOnAMismatchAndNeverLeavesItsRoot) {
    CLineCatcher log;
    CXmlNode root("root");
    CXmlFileSys filesys(&root, CXmlFileSys::kWriting);
    filesys.SetFile("f");
    filesys.SetLine(7);
    filesys.BeginNode("x");
    filesys.Write("v", 1);
    filesys.EndNode("y");
    EXPECT_EQ(filesys.GetCurrentNode(), &root);
    filesys.EndNode("root");
    EXPECT_EQ(filesys.GetCurrentNode(), &root);
    filesys.Write("after", 2);
    EXPECT_EQ(root.GetChildCount(), 2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Xml warning, trying to end a different node: y should end: x in "
                             "file: f at line 7\n"}));
}

struct CInner {
    int value = 0;
    void Serialize(CXmlFileSys* filesys) {
        if (filesys->IsWriting()) {
            filesys->Write("value", value);
        } else {
            filesys->Read("value", value);
        }
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
    CInner inner;
    inner.value = 12;
    filesys.WriteObject("inner", inner);
    struct {
        int x = 1, y = 2, w = 3, h = 4;
    } rect;
    filesys.WriteRect("r", rect);
    filesys.AddAttribute("tag", 1.5f);

    const char* expected[][2] = {{"i", "-5"},        {"d", "0.666667"}, {"b", "1"}, {"u8", "200"},
                                 {"s", "two words"}, {"v", "1"},        {"v", "2"}, {"l", "x"},
                                 {"inner", ""},      {"r", ""}};
    ASSERT_EQ(root.GetChildCount(), 10);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(root.GetChild(i)->GetName(), expected[i][0]);
        EXPECT_EQ(root.GetChild(i)->GetContent(), expected[i][1]);
    }
    EXPECT_EQ(root.GetChild(8)->GetChild(0)->GetContent(), "12");
    EXPECT_EQ(root.GetChild(9)->GetAttribute("h").GetString(), "4");
    EXPECT_EQ(root.GetAttribute("tag").GetString(), "1.5");

    CXmlFileSys reader(&root, CXmlFileSys::kReading);
    CInner back;
    reader.ReadObject("inner", back);
    EXPECT_EQ(back.value, 12);
}

}  // namespace
}  // namespace tolm
