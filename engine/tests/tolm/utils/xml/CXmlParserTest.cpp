#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/xml/CXmlParser.h"

namespace tolm {
namespace {

// Records every event as a short line, attributes as {name=value,...} in map order.
class CEventRecorder : public CXmlHandler {
public:
    void OnStartDocument() override { events.push_back("doc"); }
    void OnEndDocument() override { events.push_back("/doc"); }
    void OnText(const std::string& text) override { events.push_back("text:" + text); }
    void OnStartElement(const std::string& name, const XmlAttributeMap& attributes) override {
        std::string event = "start:" + name;
        if (!attributes.empty()) {
            event += "{";
            for (const auto& [key, value] : attributes)
                event += key + "=" + value.GetString() + ";";
            event += "}";
        }
        events.push_back(event);
    }
    void OnEndElement(const std::string& name) override { events.push_back("end:" + name); }

    std::vector<std::string> events;
};

std::vector<std::string> ParseText(const std::string& document) {
    CEventRecorder recorder;
    CXmlParser parser(&recorder);
    std::istringstream in(document);
    parser.Parse(in);
    return recorder.events;
}

using Events = std::vector<std::string>;

TEST(CXmlParser, ElementsTextAndEmptyElements) {
    EXPECT_EQ(ParseText("<a><b>1</b><c/></a>"),
              (Events{"doc", "start:a", "start:b", "text:1", "end:b", "start:c", "end:c", "end:a",
                      "/doc"}));
}

TEST(CXmlParser, AttributeQuirks) {
    struct Case {
        const char* input;
        Events expected;
    };
    const Case cases[] = {
        // The blank before "/" stays in the name; the value keeps its inner blank.
        {"<Sprite name=\"a b\" />", {"start:Sprite {name=a b;}", "end:Sprite "}},
        // Without a blank the "/" belongs to the value and the element stays open.
        {"<x v=\"1\"/>", {"start:x{v=1\";}"}},
        {"<x b=\"2\" a=\"1\" b=\"3\">", {"start:x{a=1;b=2;}"}},
        {"<x\ta=\"1\"\tb=\"2\">", {"start:x{a=1;b=2;}"}},
        // Quotes are not checked, only cut off; a one-character value becomes empty.
        {"<x a='1' b=2 c=345>", {"start:x{a=1;b=;c=4;}"}},
        {"<x a = \"1\" >", {"start:x{a=1;}"}},
        // Attribute values are not decoded.
        {"<x a=\"&lt;\">", {"start:x{a=&lt;;}"}},
        // A ">" inside quotes still ends the tag; what follows is text that no "<" flushes.
        {"<x a=\"b>c\">", {"start:x{a=;}"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Events expected{"doc"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        expected.push_back("/doc");
        EXPECT_EQ(ParseText(c.input), expected);
    }
}

TEST(CXmlParser, DeclarationIsAnElementAndCommentsAreSkipped) {
    EXPECT_EQ(ParseText("<?xml version=\"1.0\"?>\n<!-- note -->\n<a/>"),
              (Events{"doc", "start:?xml{version=1.0\";}", "start:a", "end:a", "/doc"}));
}

TEST(CXmlParser, TextAndTagsSpanLinesWithoutSeparator) {
    EXPECT_EQ(ParseText("<a>\na\n b\nc\n</a>"),
              (Events{"doc", "start:a", "text:abc", "end:a", "/doc"}));
    // Line trimming eats the blank between name and attribute, which leaves no name split.
    EXPECT_EQ(ParseText("<a \n x=\"1\">"), (Events{"doc", "start:ax=\"1\"", "/doc"}));
    EXPECT_EQ(ParseText("<a x=\"1\"\n y=\"2\">"), (Events{"doc", "start:a{x=1\"y=\"2;}", "/doc"}));
}

TEST(CXmlParser, CarriageReturnLineEndsAreNotContent) {
    EXPECT_EQ(ParseText("<a>\r\n  data/x.png  \r\n</a>\r\n"),
              (Events{"doc", "start:a", "text:data/x.png", "end:a", "/doc"}));
}

TEST(CXmlParser, TrimOffKeepsBlanks) {
    CEventRecorder recorder;
    CXmlParser parser(&recorder);
    parser.SetTrim(false);
    parser.ParseLine("<a> x </a>");
    EXPECT_EQ(recorder.events, (Events{"start:a", "text: x ", "end:a"}));
}

TEST(CXmlParser, MissingFileGivesOnlyDocumentEvents) {
    test::CTempDir dir;
    CEventRecorder recorder;
    CXmlParser parser(&recorder);
    parser.Parse(dir.File("absent.xml"));
    EXPECT_EQ(recorder.events, (Events{"doc", "/doc"}));
}

TEST(CXmlParser, AttributeWithoutElementNameEndsAsOneName) {
    EXPECT_EQ(ParseText("<a=\"1\" b=\"2\">"), (Events{"doc", "start:a=\"1\" b=\"2\"", "/doc"}));
    EXPECT_EQ(ParseText("<x a=\"1\" =5>"), (Events{"doc", "start:x =5{a=1;}", "/doc"}));
}

// Every malformed input must end, and the parser must be left in a state it can go on from.
TEST(CXmlParser, MalformedInputsEndAndStayConsistent) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
    const std::string longLine(1 << 20, '<');
    std::string manyAttributes = "<x";
    for (int i = 0; i < 20000; ++i) manyAttributes += " a" + std::to_string(i) + "=\"v\"";
    std::string manyNames = "<";
    for (int i = 0; i < 20000; ++i) manyNames += "w ";
    manyNames += "a=1 b=2>";
    std::string pairs = "<a b";
    for (int i = 0; i < 50000; ++i) pairs += "=c d";
    const std::string inputs[] = {
        "",
        "<",
        ">",
        "<<<>>>",
        "</>",
        "</a></b>",
        "<a",
        "<a x=\"1",
        "<a x=\"1 y=2>",
        "<=>",
        "<===>",
        "<a b=c=d=e>",
        "< = = = >",
        "<\"=\">",
        "<!",
        "<!-- <a> -->",
        "<a/><b/><c>",
        "&amp;amp;<a>&",
        binary,
        longLine,
        manyAttributes,
        manyNames,
        "<" + std::string(100000, '=') + ">",
        pairs,
        "<a x=\"" + std::string(100000, '"') + "\">",
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.substr(0, 40));
        CEventRecorder recorder;
        CXmlParser parser(&recorder);
        std::istringstream in(input);
        parser.Parse(in);
        ASSERT_FALSE(recorder.events.empty());
        EXPECT_EQ(recorder.events.front(), "doc");
        EXPECT_EQ(recorder.events.back(), "/doc");
        // Whatever was left open, the next well-formed tag after a closing ">" parses.
        if (parser.GetState() == CXmlParser::kInsideTag) parser.ParseLine(">");
        recorder.events.clear();
        parser.ParseLine("<ok/>");
        ASSERT_GE(recorder.events.size(), 2u);
        EXPECT_EQ(Events(recorder.events.end() - 2, recorder.events.end()),
                  (Events{"start:ok", "end:ok"}));
    }
}

}  // namespace
}  // namespace tolm
