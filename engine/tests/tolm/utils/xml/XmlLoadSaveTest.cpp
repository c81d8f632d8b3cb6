#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlWriter.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm {
namespace {

class CLineCatcher : public CLogListener {
public:
    CLineCatcher() { Logger().AddListener(this); }
    ~CLineCatcher() override { Logger().RemoveListener(this); }
    void Write(const std::string& line, int /*level*/) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

struct CThing {
    std::string name = "default";
    int count = 0;
    double ratio = 0.0;
    bool flag = false;
    std::vector<int> items;

    void Serialize(CXmlFileSys* filesys) {
        if (filesys->IsWriting()) {
            filesys->AddAttribute("zeta", 1);
            filesys->AddAttribute("alpha", "a");
            filesys->Write("Name", name);
            filesys->Write("Count", count);
            filesys->Write("Ratio", ratio);
            filesys->Write("Flag", flag);
            filesys->WriteVector("Item", items);
            return;
        }
        if (filesys->HasChild("Name")) filesys->Read("Name", name);
        if (filesys->HasChild("Count")) filesys->Read("Count", count);
        if (filesys->HasChild("Ratio")) filesys->Read("Ratio", ratio);
        if (filesys->HasChild("Flag")) filesys->Read("Flag", flag);
        filesys->ReadVector("Item", items);
    }
};

TEST(XmlLoadSave, SaveWritesTheExactTextAndLoadRestoresTheObject) {
    test::CTempDir dir;
    CThing thing;
    thing.name = "two words";
    thing.count = -3;
    thing.ratio = 0.25;
    thing.flag = true;
    thing.items = {4, 5};
    ASSERT_TRUE(XmlSave(thing, dir.File("thing.xml"), "Thing"));
    EXPECT_EQ(test::ReadFile(dir.File("thing.xml")),
              "<Thing alpha=\"a\" zeta=\"1\" >\n"
              "  <Name>\n    two words\n  </Name>\n"
              "  <Count>\n    -3\n  </Count>\n"
              "  <Ratio>\n    0.25\n  </Ratio>\n"
              "  <Flag>\n    1\n  </Flag>\n"
              "  <Item>\n    4\n  </Item>\n"
              "  <Item>\n    5\n  </Item>\n"
              "</Thing>\n");

    CLineCatcher log;
    CThing back;
    ASSERT_TRUE(XmlLoad(back, dir.File("thing.xml")));
    EXPECT_EQ(back.name, "two words");
    EXPECT_EQ(back.count, -3);
    EXPECT_DOUBLE_EQ(back.ratio, 0.25);
    EXPECT_TRUE(back.flag);
    EXPECT_EQ(back.items, (std::vector<int>{4, 5}));
    EXPECT_TRUE(log.lines.empty());
}

TEST(XmlLoadSave, MissingOrEmptyFileLeavesTheObjectAndSaysNothing) {
    test::CTempDir dir;
    test::WriteFile(dir.File("empty.xml"), "no elements here\n");
    CLineCatcher log;
    CThing thing;
    EXPECT_FALSE(XmlLoad(thing, dir.File("absent.xml")));
    EXPECT_FALSE(XmlLoad(thing, dir.File("empty.xml")));
    EXPECT_EQ(thing.name, "default");
    EXPECT_TRUE(log.lines.empty());
}

TEST(XmlLoadSave, UnwritableFileIsReportedByTheResultOnly) {
    test::CTempDir dir;
    CLineCatcher log;
    CThing thing;
    EXPECT_FALSE(XmlSave(thing, dir.File("no/such/dir/thing.xml"), "Thing"));
    EXPECT_TRUE(log.lines.empty());
}

TEST(XmlLoadSave, DeclarationBecomesTheRootAndHidesTheMembers) {
    test::CTempDir dir;
    test::WriteFile(dir.File("decl.xml"),
                    "<?xml version=\"1.0\"?>\n<Thing>\n<Count>7</Count>\n</Thing>\n");
    CThing thing;
    EXPECT_TRUE(XmlLoad(thing, dir.File("decl.xml")));
    EXPECT_EQ(thing.count, 0);
}

void ExpectSameTree(const CXmlNode& a, const CXmlNode& b) {
    SCOPED_TRACE(a.GetName());
    EXPECT_EQ(a.GetName(), b.GetName());
    EXPECT_EQ(a.GetContent(), b.GetContent());
    ASSERT_EQ(a.GetAttributeCount(), b.GetAttributeCount());
    auto ai = a.GetAttributes().SortedKeys().begin();
    for (const auto& [name, index] : b.GetAttributes().SortedKeys()) {
        EXPECT_EQ(ai->first, name);
        EXPECT_EQ(a.GetAttributeValue(static_cast<int>(ai->second)).GetString(),
                  b.GetAttributeValue(static_cast<int>(index)).GetString());
        ++ai;
    }
    ASSERT_EQ(a.GetChildCount(), b.GetChildCount());
    for (int i = 0; i < a.GetChildCount(); ++i) ExpectSameTree(*a.GetChild(i), *b.GetChild(i));
}

TEST(XmlLoadSave, TreeRoundTripKeepsNamesContentAndSortsAttributes) {
    test::CTempDir dir;
    CXmlNode root("Sprite");
    root.AddAttribute("type", CAnyContainer("sprite_animated"));
    root.AddAttribute("b", CAnyContainer("with blank"));
    root.AddAttribute("a", CAnyContainer(""));
    CXmlNode* frames = root.AddChild(std::make_unique<CXmlNode>("Frames"));
    for (int i = 0; i < 3; ++i) {
        CXmlNode* frame = frames->AddChild(std::make_unique<CXmlNode>("Frame"));
        frame->AddAttribute("x", CAnyContainer(std::to_string(i * 10)));
        frame->SetContent("content " + std::to_string(i) + " 'quoted' \"too\"");
    }
    root.AddChild(std::make_unique<CXmlNode>("Empty"));
    root.SetContent("root text");

    ASSERT_TRUE(XmlSaveTree(root, dir.File("tree.xml")));
    auto back = XmlLoadTree(dir.File("tree.xml"));
    ASSERT_TRUE(back);
    ExpectSameTree(root, *back);
    EXPECT_EQ(back->GetAttributeName(0), "a");  // reloaded in name order
    EXPECT_EQ(test::ReadLines(dir.File("tree.xml"))[0],
              "<Sprite a=\"\" b=\"with blank\" type=\"sprite_animated\" >");

    // Saving the reloaded tree gives the same bytes.
    ASSERT_TRUE(XmlSaveTree(*back, dir.File("again.xml")));
    EXPECT_EQ(test::ReadFile(dir.File("again.xml")), test::ReadFile(dir.File("tree.xml")));
}

TEST(CXmlWriter, IndentsNestedElementsAndSkipsEmptyText) {
    CXmlNode root("a");
    CXmlNode* b = root.AddChild(std::make_unique<CXmlNode>("b"));
    b->AddChild(std::make_unique<CXmlNode>("c"))->SetContent("x<y");
    std::ostringstream out;
    CXmlWriter writer;
    writer.Write(root, out);
    EXPECT_EQ(out.str(), "<a>\n  <b>\n    <c>\n      x<y\n    </c>\n  </b>\n</a>\n");
    EXPECT_EQ(writer.GetIndent(), 0);
}

}  // namespace
}  // namespace tolm
