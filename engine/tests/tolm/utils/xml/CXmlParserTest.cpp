#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

using Events = std::vector<std::string>;

// Records every event as a short line, attributes as {name=value} in map order.
class CEventRecorder : public CXmlHandler {
public:
    void OnStartDocument() override { events.push_back("doc"); }
    void OnEndDocument() override { events.push_back("/doc"); }
    void OnText(const std::string& text) override { events.push_back("text:" + text); }
    void OnStartElement(const std::string& name, const XmlAttributeMap& attributes) override {
        std::string event = "start:" + name;
        for (const auto& [key, value] : attributes)
            event += "{" + key + "=" + value.GetString() + "}";
        events.push_back(event);
    }
    void OnEndElement(const std::string& name) override { events.push_back("end:" + name); }

    Events events;
};

// The events between the document events.
Events ParseText(const std::string& document, bool trim = true) {
    CEventRecorder recorder;
    CXmlParser parser(&recorder);
    parser.SetTrim(trim);
    std::istringstream in(document);
    parser.Parse(in);
    EXPECT_EQ(recorder.events.front(), "doc");
    EXPECT_EQ(recorder.events.back(), "/doc");
    return Events(recorder.events.begin() + 1, recorder.events.end() - 1);
}

TEST(CXmlParser, EventsOfDocumentsAndAttributeQuirks) {
    const struct {
        const char* input;
        Events expected;
    } cases[] = {
        {"<a><b>1</b><c/></a>",
         {"start:a", "start:b", "text:1", "end:b", "start:c", "end:c", "end:a"}},
        // A declaration is an ordinary element; "!" tags end at their first ">".
        {"<?xml version=\"1.0\"?>\n<!-- a > b -->\n<a/>",
         {"start:?xml{version=1.0\"}", "text:b -->", "start:a", "end:a"}},
        // Lines are joined without a separator, both in text and in tags.
        {"<a>\na\n b\nc\n</a>", {"start:a", "text:abc", "end:a"}},
        {"<a \n x=\"1\">", {"start:ax=\"1\""}},
        {"<a x=\"1\"\n y=\"2\">", {"start:a{x=1\"y=\"2}"}},
        {"<a>\r\n  data/x.png  \r\n</a>\r\n", {"start:a", "text:data/x.png", "end:a"}},
        // Text after the last tag is never flushed.
        {"<a/>tail", {"start:a", "end:a"}},
        // The blank before "/" stays in the name; the value keeps its inner blank.
        {"<Sprite name=\"a b\" />", {"start:Sprite {name=a b}", "end:Sprite "}},
        // Without a blank the "/" belongs to the value and the element stays open.
        {"<x v=\"1\"/>", {"start:x{v=1\"}"}},
        {"<x b=\"2\" a=\"1\" b=\"3\">", {"start:x{a=1}{b=2}"}},
        {"<x\ta=\"1\"\tb=\"2\">", {"start:x{a=1}{b=2}"}},
        // Quotes are not checked, only cut off; a one-character value becomes empty.
        {"<x a='1' b=2 c=345>", {"start:x{a=1}{b=}{c=4}"}},
        {"<x a = \"1\" >", {"start:x{a=1}"}},
        {"<x a=\"&lt;\">", {"start:x{a=&lt;}"}},
        {"<x a=\"b>c\">", {"start:x{a=}"}},
        // No name before an attribute: the whole text becomes the name.
        {"<a=\"1\" b=\"2\">", {"start:a=\"1\" b=\"2\""}},
        {"<x a=\"1\" =5>", {"start:x =5{a=1}"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ParseText(c.input), c.expected);
    }
    EXPECT_EQ(ParseText("<a> x </a>", false), (Events{"start:a", "text: x ", "end:a"}));

    test::CTempDir dir;
    CEventRecorder recorder;
    CXmlParser(&recorder).Parse(dir.File("absent.xml"));
    EXPECT_EQ(recorder.events, (Events{"doc", "/doc"}));
}

// Every malformed input must end (some would cost quadratic time or deep recursion in a
// naive reader), the parser must go on parsing afterwards, and the tree built from it must
// hold together.
TEST(CXmlParser, MalformedInputsEndAndStayConsistent) {
    std::string binary;
    for (int i = 0; i < 8192; ++i) binary += static_cast<char>((i * 197 + 3) % 256);
    // Tags without a name before "=", unclosed tags, quotes and entities at the end, end
    // tags with nothing open, content after the root, garbage, long tags; one input between
    // each pair of bars, the first one empty.
    std::istringstream list(
        "|<<<>>>|</a></b>|<a><|<a x=\"1|<a x=\"1 y=2>|<=>|< = = = >|<a "
        "b=c=d=e>|<\"=\">|<!|<a/>/></>|"
        "<a>&amp;amp;&lt|<a>\n<b\n=\n\"\n>\n</a>");
    std::vector<std::string> inputs{binary, "<" + std::string(1000, '=') + ">"};
    for (std::string input; std::getline(list, input, '|');) inputs.push_back(input);
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.substr(0, 40));
        CEventRecorder recorder;
        CXmlParser parser(&recorder);
        std::istringstream in(input);
        parser.Parse(in);
        ASSERT_GE(recorder.events.size(), 2u);
        EXPECT_EQ(recorder.events.back(), "/doc");
        if (parser.GetState() == CXmlParser::kInsideTag) parser.ParseLine(">");
        parser.ParseLine("<ok/>");
        EXPECT_EQ(Events(recorder.events.end() - 2, recorder.events.end()),
                  (Events{"start:ok", "end:ok"}));
        if (auto root = test::BuildXml(input)) {
            EXPECT_EQ(root->GetParent(), nullptr);
            test::Describe(root.get());
        }
    }
    // Far deeper than the call stack allows: built and freed without recursion.
    std::string deep;
    for (int i = 0; i < 200000; ++i) deep += "<d>";
    auto root = test::BuildXml(deep);
    int depth = 0;
    for (const CXmlNode* node = root.get(); node != nullptr; node = node->GetChild(0)) ++depth;
    EXPECT_EQ(depth, 200000);
}

}  // namespace
}  // namespace tolm
