#include <gtest/gtest.h>

#include <string>

#include "tolm/utils/xml/CXmlTreeBuilder.h"
#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

using test::BuildXml;
using test::CheckParents;
using test::Describe;

TEST(CXmlTreeBuilder, BuildsTheFirstTopLevelElementOnly) {
    const char* cases[][2] = {
        {"<a z=\"26\" b=\"2\" >\n <b>1</b>\n <c>x &amp;lt; y</c>\n</a>",
         "a{b=2;z=26;}[b(1),c(x &lt; y)]"},
        // A later text run replaces the earlier one; text outside the root is dropped.
        {"before<a>one<b/>two</a>after", "a(two)[b]"},
        {"<a/><b><c/></b>", "a"},
        {"<a></a></a><b/>", "a"},
        {"<a><b></b></b></a><c>text</c>", "a[b]"},
        {"</x><a><b/></a>", "a[b]"},
        {"<a><b>", "a[b]"},
        {"<?xml version=\"1.0\"?><root><m>1</m></root>", "?xml{version=1.0\";}[root[m(1)]]"},
        {"", "null"},
        {"just text", "null"},
        {"<!-- only a comment -->", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        auto root = BuildXml(c[0]);
        EXPECT_EQ(Describe(root.get()), c[1]);
        if (root) CheckParents(root.get());
    }
}

TEST(CXmlTreeBuilder, MalformedInputsGiveConsistentTrees) {
    std::string binary;
    for (int i = 0; i < 8192; ++i) binary += static_cast<char>((i * 197 + 3) % 256);
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<d>";
    std::string wide = "<r>";
    for (int i = 0; i < 20000; ++i) wide += "<c a=\"1\" />";
    const std::string inputs[] = {
        "<",
        "<a",
        "<a><",
        "<a x=\"",
        "</a></a></a>",
        "<a></a></a><b><c></c></b>",
        "<a/>/></>",
        "<a><b x=\"1\"/></a><a>",
        "<a>&amp;amp;&lt",
        "<a>\n<b\n=\n\"\n>\n</a>",
        binary,
        std::string(1 << 20, 'x'),
        "<a>" + std::string(1 << 20, '>'),
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.substr(0, 40));
        auto root = BuildXml(input);
        if (root) {
            EXPECT_EQ(root->GetParent(), nullptr);
            CheckParents(root.get());
        }
    }
    EXPECT_EQ(CheckParents(BuildXml(deep).get()), 100000);
    EXPECT_EQ(CheckParents(BuildXml(wide).get()), 20001);
}

}  // namespace
}  // namespace tolm
