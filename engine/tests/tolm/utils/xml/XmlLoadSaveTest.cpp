#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/xml/XmlLoadSave.h"
#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

struct CThing {
    std::string name = "default";
    int count = 0;
    double ratio = 0.0;
    std::vector<int> items;

    void Serialize(CXmlFileSys* filesys) {
        if (filesys->IsWriting()) {
            filesys->AddAttribute("zeta", 1);
            filesys->AddAttribute("alpha", "a");
            filesys->Write("Name", name);
            filesys->Write("Count", count);
            filesys->Write("Ratio", ratio);
            filesys->WriteVector("Item", items);
            return;
        }
        if (filesys->HasChild("Name")) filesys->Read("Name", name);
        if (filesys->HasChild("Count")) filesys->Read("Count", count);
        if (filesys->HasChild("Ratio")) filesys->Read("Ratio", ratio);
        filesys->ReadVector("Item", items);
    }
};

TEST(XmlLoadSave, SaveWritesTheExactTextAndLoadRestoresTheObject) {
    test::CTempDir dir;
    CThing thing{"two words", -3, 0.25, {4, 5}};
    ASSERT_TRUE(XmlSave(thing, dir.File("thing.xml"), "Thing"));
    EXPECT_EQ(test::ReadFile(dir.File("thing.xml")),
              "<Thing alpha=\"a\" zeta=\"1\" >\n"
              "  <Name>\n    two words\n  </Name>\n"
              "  <Count>\n    -3\n  </Count>\n"
              "  <Ratio>\n    0.25\n  </Ratio>\n"
              "  <Item>\n    4\n  </Item>\n"
              "  <Item>\n    5\n  </Item>\n"
              "</Thing>\n");

    test::CLineCatcher log;
    CThing back;
    ASSERT_TRUE(XmlLoad(back, dir.File("thing.xml")));
    EXPECT_EQ(back.name, "two words");
    EXPECT_EQ(back.count, -3);
    EXPECT_DOUBLE_EQ(back.ratio, 0.25);
    EXPECT_EQ(back.items, (std::vector<int>{4, 5}));
    EXPECT_TRUE(log.lines.empty());
}

TEST(XmlLoadSave, FailuresLeaveTheObjectAndSayNothing) {
    test::CTempDir dir;
    test::WriteFile(dir.File("empty.xml"), "no elements here\n");
    test::WriteFile(dir.File("decl.xml"), "<?xml version=\"1.0\"?>\n<T>\n<Count>7</Count>\n</T>\n");
    test::CLineCatcher log;
    CThing thing;
    EXPECT_FALSE(XmlLoad(thing, dir.File("absent.xml")));
    EXPECT_FALSE(XmlLoad(thing, dir.File("empty.xml")));
    EXPECT_FALSE(XmlSave(thing, dir.File("no/such/dir/thing.xml"), "Thing"));
    EXPECT_TRUE(log.lines.empty());
    // A declaration becomes the root, so the real root's members are not found.
    EXPECT_TRUE(XmlLoad(thing, dir.File("decl.xml")));
    EXPECT_EQ(thing.count, 0);
    EXPECT_EQ(thing.name, "default");
}

TEST(XmlLoadSave, TreeRoundTripKeepsNamesContentAndSortsAttributes) {
    test::CTempDir dir;
    CXmlNode root("Sprite");
    root.AddAttribute("type", CAnyContainer("sprite_animated"));
    root.AddAttribute("b", CAnyContainer("with blank"));
    root.AddAttribute("a", CAnyContainer(""));
    CXmlNode* frames = root.AddChild(std::make_unique<CXmlNode>("Frames"));
    for (int i = 0; i < 2; ++i) {
        CXmlNode* frame = frames->AddChild(std::make_unique<CXmlNode>("Frame"));
        frame->AddAttribute("x", CAnyContainer(std::to_string(i * 10)));
        frame->SetContent("text " + std::to_string(i) + " 'quoted' \"too\"");
    }
    frames->AddChild(std::make_unique<CXmlNode>("Empty"));
    root.SetContent("root text");

    ASSERT_TRUE(XmlSaveTree(root, dir.File("tree.xml")));
    EXPECT_EQ(test::ReadFile(dir.File("tree.xml")),
              "<Sprite a=\"\" b=\"with blank\" type=\"sprite_animated\" >\n"
              "  root text\n"
              "  <Frames>\n"
              "    <Frame x=\"0\" >\n      text 0 'quoted' \"too\"\n    </Frame>\n"
              "    <Frame x=\"10\" >\n      text 1 'quoted' \"too\"\n    </Frame>\n"
              "    <Empty>\n    </Empty>\n"
              "  </Frames>\n"
              "</Sprite>\n");
    auto back = XmlLoadTree(dir.File("tree.xml"));
    ASSERT_TRUE(back);
    EXPECT_EQ(test::Describe(back.get()), test::Describe(&root));
    EXPECT_EQ(back->GetAttributeName(0), "a");  // reloaded in name order
}

}  // namespace
}  // namespace tolm
