#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "support/CLogCapture.h"
#include "support/TestFiles.h"
#include "tolm/utils/xml/XmlLoadSave.h"
#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

struct CInner {
    int value = 0;
    void Serialize(CXmlFileSys* filesys) {
        if (filesys->IsWriting()) filesys->Write("value", value);
        if (filesys->IsReading()) filesys->Read("value", value);
    }
};

// Every kind of member; sequences last, since reading them does not move the cursor.
struct CThing {
    std::string name = "default";
    double ratio = 0.0;
    bool flag = false;
    unsigned char alpha = 0;
    CInner inner;
    struct {
        int x = 0, y = 0, w = 0, h = 0;
    } area;
    std::vector<int> items;
    std::list<std::string> words;

    void Serialize(CXmlFileSys* filesys) {
        if (filesys->IsWriting()) {
            filesys->GetCurrentNode()->SetContent("'root' \"text\"");
            filesys->AddAttribute("zeta", 1.5f);
            filesys->AddAttribute("alpha", "");
            filesys->Write("Name", name);
            filesys->Write("Ratio", ratio);
            filesys->Write("Flag", flag);
            filesys->Write("Alpha", alpha);
            filesys->WriteObject("Inner", inner);
            filesys->WriteRect("Area", area);
            filesys->WriteVector("Item", items);
            filesys->WriteList("Word", words);
            return;
        }
        if (filesys->HasChild("Name")) filesys->Read("Name", name);
        filesys->Read("Ratio", ratio);
        filesys->Read("Flag", flag);
        filesys->Read("Alpha", alpha);
        filesys->ReadObject("Inner", inner);
        filesys->ReadRect("Area", area);
        filesys->ReadVector("Item", items);
        filesys->ReadList("Word", words);
    }
};

TEST(XmlLoadSave, SaveWritesTheExactTextAndLoadRestoresTheObject) {
    test::CTempDir dir;
    CThing thing{"two words", 2.0 / 3.0, true, 200, {12}, {1, -2, 3, 4}, {4, 5}, {"x"}};
    ASSERT_TRUE(XmlSave(thing, dir.File("thing.xml"), "Thing"));
    EXPECT_EQ(test::ReadFile(dir.File("thing.xml")),
              "<Thing alpha=\"\" zeta=\"1.5\" >\n"
              "  'root' \"text\"\n"
              "  <Name>\n    two words\n  </Name>\n"
              "  <Ratio>\n    0.666667\n  </Ratio>\n"
              "  <Flag>\n    1\n  </Flag>\n"
              "  <Alpha>\n    200\n  </Alpha>\n"
              "  <Inner>\n    <value>\n      12\n    </value>\n  </Inner>\n"
              "  <Area h=\"4\" w=\"3\" x=\"1\" y=\"-2\" >\n  </Area>\n"
              "  <Item>\n    4\n  </Item>\n"
              "  <Item>\n    5\n  </Item>\n"
              "  <Word>\n    x\n  </Word>\n"
              "</Thing>\n");

    // Read back and written again, every member and the document come out the same.
    test::CLogCapture log;
    CThing back;
    ASSERT_TRUE(XmlLoad(back, dir.File("thing.xml")));
    EXPECT_TRUE(log.Lines().empty());
    ASSERT_TRUE(XmlSave(back, dir.File("back.xml"), "Thing"));
    EXPECT_EQ(test::ReadFile(dir.File("back.xml")), test::ReadFile(dir.File("thing.xml")));
    auto tree = XmlLoadTree(dir.File("thing.xml"));
    EXPECT_EQ(tree->GetContent(), "'root' \"text\"");
    EXPECT_EQ(tree->GetAttributeName(0), "alpha");  // reloaded in name order
}

TEST(XmlLoadSave, FailuresLeaveTheObjectAndSayNothing) {
    test::CTempDir dir;
    test::WriteFile(dir.File("empty.xml"), "no elements here\n");
    test::WriteFile(dir.File("decl.xml"), "<?xml version=\"1.0\"?>\n<T>\n<Name>7</Name>\n</T>\n");
    test::CLogCapture log;
    CThing thing;
    EXPECT_FALSE(XmlLoad(thing, dir.File("absent.xml")));
    EXPECT_FALSE(XmlLoad(thing, dir.File("empty.xml")));
    EXPECT_FALSE(XmlSave(thing, dir.File("no/such/dir/thing.xml"), "Thing"));
    EXPECT_TRUE(log.Lines().empty());
    // A declaration becomes the root, so the real root's members are not found.
    EXPECT_TRUE(XmlLoad(thing, dir.File("decl.xml")));
    EXPECT_EQ(thing.name, "default");
}

}  // namespace
}  // namespace tolm
