#include <gtest/gtest.h>

#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {
namespace {

TEST(CXmlNode, EntityDecodingOrder) {
    struct Case {
        const char* stored;
        const char* decoded;
    };
    const Case cases[] = {
        {"a &lt; b &gt; c", "a < b > c"}, {"&amp;lt;", "&lt;"},       {"&amp;amp;", "&"},
        {"&amp;amp;amp;", "&"},           {"&apos;&quot;", "'\""},    {"&amp;quot;", "\""},
        {"&lt;&lt;&amp;", "<<&"},         {"& alone &", "& alone &"}, {"&unknown;", "&unknown;"},
        {"no entities", "no entities"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        CXmlNode node;
        node.SetContent(c.stored);
        EXPECT_EQ(node.GetContent(), c.decoded);
    }
}

TEST(CXmlNode, AttributesKeepFirstValueAndInsertionIndex) {
    CXmlNode node("n");
    node.AddAttribute("b", CAnyContainer("2"));
    node.AddAttribute("a", CAnyContainer("1"));
    node.AddAttribute("b", CAnyContainer("3"));
    ASSERT_EQ(node.GetAttributeCount(), 2);
    EXPECT_EQ(node.GetAttributeName(0), "b");
    EXPECT_EQ(node.GetAttributeValue(0).GetString(), "2");
    EXPECT_EQ(node.GetAttributeName(1), "a");
    EXPECT_EQ(node.GetAttribute("b").GetString(), "2");
    EXPECT_TRUE(node.HasAttribute("a"));
    EXPECT_FALSE(node.HasAttribute("c"));
}

TEST(CXmlNode, OutOfRangeAccessIsSafe) {
    CXmlNode node("n");
    node.AddAttribute("a", CAnyContainer("1"));
    node.AddChild(std::make_unique<CXmlNode>("c"));
    EXPECT_EQ(node.GetChild(-1), nullptr);
    EXPECT_EQ(node.GetChild(1), nullptr);
    EXPECT_EQ(node.GetAttributeName(-1), "");
    EXPECT_EQ(node.GetAttributeName(1), "");
    EXPECT_EQ(node.GetAttributeValue(5).GetString(), "");
    EXPECT_EQ(node.GetAttribute("missing").GetString(), "");
    EXPECT_EQ(node.AddChild(std::unique_ptr<CXmlNode>()), nullptr);
    EXPECT_EQ(node.GetChildCount(), 1);
    EXPECT_EQ(node.GetChild(0)->GetParent(), &node);
}

TEST(CXmlNode, DeepTreeIsFreedWithoutRecursion) {
    auto root = std::make_unique<CXmlNode>("root");
    CXmlNode* current = root.get();
    for (int i = 0; i < 200000; ++i) current = current->AddChild(std::make_unique<CXmlNode>("d"));
    root.reset();  // a recursive destructor would overflow the stack here
    SUCCEED();
}

TEST(CAnyContainer, ConversionsLeaveTheTargetOnFailure) {
    int number = 7;
    EXPECT_FALSE(CAnyContainer("abc").Get(number));
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(CAnyContainer("-12x").Get(number));
    EXPECT_EQ(number, -12);
    unsigned char alpha = 1;
    EXPECT_TRUE(CAnyContainer("200").Get(alpha));
    EXPECT_EQ(alpha, 200);
    EXPECT_FALSE(CAnyContainer("300").Get(alpha));
    EXPECT_EQ(alpha, 200);
    bool flag = false;
    EXPECT_TRUE(CAnyContainer("1").Get(flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(CAnyContainer("false").Get(flag));
    EXPECT_FALSE(flag);
    EXPECT_EQ(CAnyContainer::Format(static_cast<unsigned char>(255)), "255");
    EXPECT_EQ(CAnyContainer::Format(true), "1");
    EXPECT_EQ(CAnyContainer::Format(3.14159265), "3.14159");
    EXPECT_EQ(CAnyContainer(" a b ").As<std::string>(), " a b ");
}

}  // namespace
}  // namespace tolm
