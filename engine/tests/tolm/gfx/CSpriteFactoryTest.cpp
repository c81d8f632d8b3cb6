#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "GfxTestSupport.h"
#include "support/TestFiles.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/CSpriteLayer.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm {
namespace {

using namespace test;

class SpriteFactoryTest : public test::CGfxTestBase {
protected:
    void SetUp() override {
        CGfxTestBase::SetUp();
        myPicture = MakePictureFile("ball.bmp", 12, 10, kRed, 3);
    }
    // The sprite is kept by the fixture, so it goes before the screen layer.
    CSprite* Load(const std::string& name, const std::string& text) {
        test::WriteFile(myDir.File(name), text);
        mySprites.emplace_back(SpriteFactory().LoadSprite(myDir.File(name)));
        return mySprites.back().get();
    }

    std::string myPicture;
};

TEST_F(SpriteFactoryTest, MembersAbsentOddOrOutOfRangeKeepTheirDefaults) {
    const std::string image = "<ImageFilename>" + myPicture + "</ImageFilename>\n";
    struct Case {
        std::string body;
        types::rect rect, scroll;
        int z, alpha;
    } cases[] = {
        // Reading does not take the rect from the picture: such a sprite shows nothing.
        {"<Sprite>" + image, types::rect(), types::rect(), 100, 255},
        {"<Sprite type=\"sprite_base\" >" + image +
             "<ScrollRect x=\"0\" y=\"0\" w=\"0\" h=\"0\" ></ScrollRect>\n"  // ignored
             "<ImageRect x=\"5\" y=\"6\" w=\"12\" h=\"10\" ></ImageRect>\n"
             "<Z>\n  42\n</Z>\n<Alpha>128</Alpha>\n",
         types::rect(5, 6, 12, 10), types::rect(), 42, 128},
        // Only x and y: the size stays as it was (0 for a new sprite).
        {"<Sprite><ImageRect x=\"7\" y=\"-8\" ></ImageRect>", types::rect(7, -8, 0, 0),
         types::rect(), 100, 255},
        // Values that do not convert, or do not fit, leave what was there.
        {"<Sprite type=\"sprite_cloud\" >" + image +
             "<ScrollRect x=\"1\" y=\"2\" w=\"3\" h=\"4\" ></ScrollRect>\n"
             "<ImageRect x=\"abc\" y=\"1\" w=\"-50\" h=\"99999999999\" ></ImageRect>\n"
             "<Z>deep</Z>\n<Alpha>300</Alpha>\n",
         types::rect(0, 1, -50, 0), types::rect(1, 2, 3, 4), 100, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        CSprite* sprite = Load("members.xml", c.body + "</Sprite>\n");
        EXPECT_EQ(sprite->GetType(), 0);
        const bool hasImage = c.body.find(image) != std::string::npos;
        EXPECT_EQ(sprite->GetImage() ? sprite->GetImage()->GetWidth() : -1, hasImage ? 12 : -1);
        EXPECT_EQ(sprite->GetRect(), c.rect);
        EXPECT_EQ(sprite->GetScrollRect(), c.scroll);
        EXPECT_EQ(sprite->GetZ(), c.z);
        EXPECT_EQ(sprite->GetAlpha(), c.alpha);
        EXPECT_EQ(sprite->GetLayer(), &ScreenLayer());
    }
    Frame();  // drawing such sprites stays on the screen's memory
    Frame();
}

TEST_F(SpriteFactoryTest, LayersComeFromTheirTypeNameButTheScreenLayerIsNotHandedOut) {
    // Z before ImageRect is out of order: both are still read, after a warning.
    CSprite* layer = Load(
        "layer.xml", "<L type=\"sprite_layer\" ><Z>3</Z><ImageRect x=\"1\" ></ImageRect></L>\n");
    EXPECT_EQ(layer->GetType(), 1);
    EXPECT_EQ(layer->GetZ(), 3);
    EXPECT_EQ(layer->GetX(), 1);
    EXPECT_EQ(layer->GetLayer(), &ScreenLayer());
    // Text and animated sprites come from the creators their modules registered.
    EXPECT_EQ(Load("text.xml", "<T type=\"sprite_text\" ></T>\n")->GetType(), 3);
    EXPECT_EQ(Load("anim.xml", "<A type=\"sprite_animated\" ></A>\n")->GetType(), 4);
    // Type names are matched exactly; ids past the table make nothing.
    EXPECT_EQ(Load("case.xml", "<L type=\"Sprite_Layer\" ></L>\n")->GetType(), 0);
    EXPECT_EQ(CSpriteFactory::GetTypeName(5), "");
    EXPECT_EQ(SpriteFactory().CreateSprite(5), nullptr);

    // The caller owns what it gets, and deletes it: never the process-wide screen layer.
    CLogCapture log;
    CSprite* refused = Load("screen.xml", "<S type=\"sprite_screenlayer\" ><Z>3</Z></S>\n");
    EXPECT_NE(refused, &ScreenLayer());
    EXPECT_TRUE(refused->IsEmpty());
    EXPECT_EQ(ScreenLayer().GetZ(), 100);
    EXPECT_TRUE(log.Has("[ERROR] CSpriteFactory::LoadSprite() - " + myDir.File("screen.xml") +
                            " describes the screen layer, which cannot be handed out; an empty "
                            "sprite is returned instead.\n",
                        CLogger::kError));
}

TEST_F(SpriteFactoryTest, UnreadableFilesGiveEmptySpritesAndUpperCaseXmlIsAPicture) {
    for (const char* text : {"", "just words, no element", "</Sprite>"}) {
        SCOPED_TRACE(text);
        CSprite* sprite = Load("bad.xml", text);
        EXPECT_EQ(sprite->GetType(), 0);
        EXPECT_TRUE(sprite->IsEmpty());
    }
    mySprites.emplace_back(SpriteFactory().LoadSprite(myDir.File("absent.xml")));
    EXPECT_TRUE(mySprites.back()->IsEmpty());
    // Read as a picture, which it is not: the empty buffer, which draws nothing.
    CSprite* shout = Load("shout.XML", "<Sprite><Z>7</Z></Sprite>\n");
    EXPECT_EQ(shout->GetImage(), Gfx::GetEmptyBuffer());
    EXPECT_EQ(shout->GetZ(), 100);
    shout->SetRect(types::rect(0, 0, 50, 50));
    Frame();
    EXPECT_EQ(Pixels(myVideo), std::vector<Uint32>(kWidth * kHeight, 0));
    mySprites.emplace_back(SpriteFactory().LoadSprite(myPicture));
    EXPECT_EQ(mySprites.back()->GetRect(), types::rect(0, 0, 12, 10));
    Frame();
    EXPECT_EQ(myScreen->GetPixel(0, 0), kRed);
}

TEST_F(SpriteFactoryTest, BrokenDescriptionFilesAreReportedOnceByNameAndPlayGoesOn) {
    const std::string good =
        "<Sprite type=\"sprite_animated\" >\n<ImageFilename>" + myPicture +
        "</ImageFilename>\n<ImageRect x=\"0\" y=\"0\" w=\"12\" h=\"10\" ></ImageRect>\n"
        "<CurrentAnimation>a</CurrentAnimation>\n<Animation name=\"a\" loop=\"1\" >\n"
        "<Frame type=\"frame_rect\" ><Rect x=\"0\" y=\"0\" w=\"6\" h=\"10\" ></Rect>"
        "<FrameLength>50</FrameLength></Frame>\n</Animation>\n</Sprite>\n";
    const std::string instead = "; an empty sprite is returned instead.";
    const char kTagGarbage[] = "\x89PNG\r\n\x1a\n\0<\xe1\x13>\x02\x03<\x90 a=\"\xff\">\x04";
    const char kGarbage[] = "\x01\x02\0 GIF89a <\x7f\xfe never closed";
    const struct {
        const char* what;
        std::string content;  // "missing" and "directory" make no file of it
        std::string problem;
    } cases[] = {
        {"missing", "", "does not exist" + instead},
        {"directory", "", "is not a regular file" + instead},
        {"empty", "", "is empty" + instead},
        {"blank lines", "\n  \n", "holds no XML element" + instead},
        {"garbage", std::string(kGarbage, sizeof kGarbage - 1), "holds no XML element" + instead},
        {"garbage that opens elements", std::string(kTagGarbage, sizeof kTagGarbage - 1),
         "is cut off or not XML: it ends before its root element is closed" + instead},
        {"cut inside the first tag", good.substr(0, 10), "holds no XML element" + instead},
        {"cut in half", good.substr(0, good.size() / 2),
         "is cut off or not XML: it ends before its root element is closed" + instead},
        {"cut before the last end tag", good.substr(0, good.rfind("</Sprite>")),
         "is cut off or not XML: it ends before its root element is closed" + instead},
        {"unknown type", "<Sprite type=\"sprite_animatd\" ></Sprite>\n",
         "names the unknown sprite type \"sprite_animatd\"; a sprite_base is made instead."},
        {"unknown type of odd bytes",
         "<Sprite type=\"\x01\xff" + std::string(70, 'x') + "\" ></Sprite>\n",
         "names the unknown sprite type \"??" + std::string(62, 'x') +
             "...\"; a sprite_base is made instead."},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = myDir.File("broken" + std::to_string(number++) + ".xml");
        if (std::string(c.what) == "directory") {
            std::filesystem::create_directory(file);
        } else if (std::string(c.what) != "missing") {
            test::WriteFile(file, c.content);
        }
        CLogCapture log;
        // The game loads some descriptions again for every new sprite: one line in all.
        for (int i = 0; i < 3; ++i) {
            mySprites.emplace_back(SpriteFactory().LoadSprite(file));
            EXPECT_EQ(mySprites.back()->GetType(), 0);
            EXPECT_TRUE(mySprites.back()->IsEmpty());
            EXPECT_EQ(mySprites.back()->GetLayer(), &ScreenLayer());
        }
        EXPECT_EQ(log.Lines(), std::vector<std::string>{"[ERROR] CSpriteFactory::LoadSprite() - " +
                                                        file + " " + c.problem + "\n"});
        EXPECT_EQ(log.Levels(), std::vector<int>{CLogger::kError});
    }
    // The whole file still gives its animated sprite, and frames go on being drawn.
    CLogCapture log;
    CSprite* sprite = Load("good.xml", good);
    EXPECT_EQ(sprite->GetType(), 4);
    EXPECT_FALSE(sprite->IsEmpty());
    EXPECT_TRUE(log.Lines().empty());
    Frame();
    EXPECT_EQ(myScreen->GetPixel(0, 0), kRed);
}

TEST_F(SpriteFactoryTest, WrittenDescriptionReadsBack) {
    CSprite* sprite = Load(
        "in.xml", "<Sprite>\n<ImageFilename>" + myPicture + "</ImageFilename>\n" +
                      "<ImageRect x=\"3\" y=\"4\" w=\"12\" h=\"10\" ></ImageRect>\n</Sprite>\n");
    sprite->SetScrollRect(types::rect(1, 1, 30, 30));
    sprite->SetZ(55);
    sprite->SetAlpha(77);
    const std::string out = myDir.File("out.xml");
    ASSERT_TRUE(XmlSave(*sprite, out, "Sprite"));
    std::unique_ptr<CXmlNode> root = XmlLoadTree(out);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetAttribute("type").GetString(), "sprite_base");
    std::vector<std::string> names;
    for (int i = 0; i < root->GetChildCount(); ++i) names.push_back(root->GetChild(i)->GetName());
    EXPECT_EQ(names,
              (std::vector<std::string>{"ImageFilename", "ScrollRect", "ImageRect", "Z", "Alpha"}));
    mySprites.emplace_back(SpriteFactory().LoadSprite(out));
    CSprite* back = mySprites.back().get();
    EXPECT_EQ(back->GetImage()->GetFilename(), myPicture);
    EXPECT_EQ(back->GetScrollRect(), types::rect(1, 1, 30, 30));
    EXPECT_EQ(back->GetRect(), types::rect(3, 4, 12, 10));
    EXPECT_EQ(back->GetZ(), 55);
    EXPECT_EQ(back->GetAlpha(), 77);
}

}  // namespace
}  // namespace tolm
