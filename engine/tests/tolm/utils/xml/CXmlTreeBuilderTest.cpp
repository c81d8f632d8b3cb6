#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"

namespace tolm {
namespace {

std::unique_ptr<CXmlNode> Build(const std::string& document) {
    CXmlTreeBuilder builder;
    CXmlParser parser(&builder);
    std::istringstream in(document);
    parser.Parse(in);
    return builder.ReleaseRoot();
}

// name(content)[children]: a compact picture of a tree for comparisons.
std::string Describe(const CXmlNode* node) {
    if (node == nullptr) return "null";
    std::string text = node->GetName();
    if (!node->GetContent().empty()) text += "(" + node->GetContent() + ")";
    if (node->GetChildCount() > 0) {
        text += "[";
        for (int i = 0; i < node->GetChildCount(); ++i) {
            if (i > 0) text += ",";
            text += Describe(node->GetChild(i));
        }
        text += "]";
    }
    return text;
}

// Every child points back at its parent; returns the number of nodes. Iterative, because
// some trees here are far deeper than the stack allows for recursion.
int CheckParents(const CXmlNode* root) {
    int count = 0;
    std::vector<const CXmlNode*> pending{root};
    while (!pending.empty()) {
        const CXmlNode* node = pending.back();
        pending.pop_back();
        ++count;
        for (int i = 0; i < node->GetChildCount(); ++i) {
            EXPECT_EQ(node->GetChild(i)->GetParent(), node);
            pending.push_back(node->GetChild(i));
        }
    }
    return count;
}

TEST(CXmlTreeBuilder, BuildsTreeWithContentAndSortedAttributes) {
    auto root = Build("<a z=\"26\" b=\"2\" >\n  <b>1</b>\n  <c>x &amp;lt; y</c>\n</a>");
    EXPECT_EQ(Describe(root.get()), "a[b(1),c(x &lt; y)]");
    ASSERT_EQ(root->GetAttributeCount(), 2);
    EXPECT_EQ(root->GetAttributeName(0), "b");  // added in the map's name order
    EXPECT_EQ(root->GetAttributeName(1), "z");
    EXPECT_EQ(root->GetParent(), nullptr);
}

TEST(CXmlTreeBuilder, LaterTextRunReplacesEarlierAndStrayTextIsDropped) {
    EXPECT_EQ(Describe(Build("before<a>one<b/>two</a>after").get()), "a(two)[b]");
}

TEST(CXmlTreeBuilder, ElementsOutsideTheRootAreDropped) {
    struct Case {
        const char* input;
        const char* tree;
    };
    const Case cases[] = {
        {"<a/><b><c/></b>", "a"},
        {"<a></a></a><b/>", "a"},
        {"<a><b></b></b></a><c>text</c>", "a[b]"},
        {"<a/><b>x</b><c/>", "a"},
        {"</x><a><b/></a>", "a[b]"},
        {"<a><b>", "a[b]"},
        {"<?xml version=\"1.0\"?><root><m>1</m></root>", "?xml[root[m(1)]]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        auto root = Build(c.input);
        EXPECT_EQ(Describe(root.get()), c.tree);
        if (root) CheckParents(root.get());
    }
}

TEST(CXmlTreeBuilder, NoElementGivesNoRoot) {
    EXPECT_EQ(Build(""), nullptr);
    EXPECT_EQ(Build("just text"), nullptr);
    EXPECT_EQ(Build("<!-- only a comment -->"), nullptr);
}

TEST(CXmlTreeBuilder, MalformedInputsGiveConsistentTrees) {
    std::string binary;
    for (int i = 0; i < 8192; ++i) binary += static_cast<char>((i * 197 + 3) % 256);
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<d>";
    std::string wide = "<r>";
    for (int i = 0; i < 20000; ++i) wide += "<c a=\"1\"/>";
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
        deep,
        wide,
        std::string(1 << 20, 'x'),
        "<a>" + std::string(1 << 20, '>'),
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.substr(0, 40));
        auto root = Build(input);
        if (root) {
            EXPECT_EQ(root->GetParent(), nullptr);
            EXPECT_GE(CheckParents(root.get()), 1);
        }
    }
    EXPECT_EQ(CheckParents(Build(wide).get()), 20001);
}

}  // namespace
}  // namespace tolm
