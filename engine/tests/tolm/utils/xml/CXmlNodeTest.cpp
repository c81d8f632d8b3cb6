#include <gtest/gtest.h>

#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {
namespace {

TEST(CXmlNode, EntityDecodingOrder) {
    const char* cases[][2] = {
        {"a &lt; b &gt; c", "a < b > c"},
        {"&amp;lt;", "&lt;"},
        {"&amp;amp;", "&"},
        {"&amp;amp;amp;", "&"},
        {"&apos;&quot;", "'\""},
        {"&amp;quot;", "\""},
        {"&lt;&lt;&amp;", "<<&"},
        {"& x &unknown;", "& x &unknown;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        CXmlNode node;
        node.SetContent(c[0]);
        EXPECT_EQ(node.GetContent(), c[1]);
    }
}

TEST(CXmlNode, AttributeIndexIsInsertionOrderAndOutOfRangeIsSafe) {
    CXmlNode node("n");
    node.AddAttribute("b", CAnyContainer("2"));
    node.AddAttribute("a", CAnyContainer("1"));
    node.AddAttribute("b", CAnyContainer("3"));
    ASSERT_EQ(node.GetAttributeCount(), 2);
    EXPECT_EQ(node.GetAttributeName(0), "b");
    EXPECT_EQ(node.GetAttributeValue(0).GetString(), "2");
    EXPECT_EQ(node.GetAttributeName(1), "a");
    EXPECT_EQ(node.GetAttributeName(-1), "");
    EXPECT_EQ(node.GetAttributeName(2), "");
    EXPECT_EQ(node.GetAttributeValue(5).GetString(), "");
    EXPECT_EQ(node.GetAttribute("missing").GetString(), "");
    node.AddChild(std::make_unique<CXmlNode>("c"));
    EXPECT_EQ(node.GetChild(-1), nullptr);
    EXPECT_EQ(node.GetChild(1), nullptr);
    EXPECT_EQ(node.AddChild(std::unique_ptr<CXmlNode>()), nullptr);
    EXPECT_EQ(node.GetChildCount(), 1);
}

TEST(CXmlNode, DeepTreeIsFreedWithoutRecursion) {
    auto root = std::make_unique<CXmlNode>("root");
    CXmlNode* current = root.get();
    for (int i = 0; i < 200000; ++i) current = current->AddChild(std::make_unique<CXmlNode>("d"));
    root.reset();  // a recursive destructor overflows the stack here
}

TEST(CAnyContainer, ConversionsLeaveTheTargetOnFailure) {
    int number = 7;
    EXPECT_FALSE(CAnyContainer("abc").Get(number));
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(CAnyContainer("-12x").Get(number));
    EXPECT_EQ(number, -12);
    unsigned char alpha = 1;
    EXPECT_TRUE(CAnyContainer("200").Get(alpha));
    EXPECT_FALSE(CAnyContainer("300").Get(alpha));
    EXPECT_EQ(alpha, 200);
    bool flag = false;
    EXPECT_TRUE(CAnyContainer("1").Get(flag));
    EXPECT_TRUE(flag);
    EXPECT_EQ(CAnyContainer::Format(static_cast<unsigned char>(255)), "255");
    EXPECT_EQ(CAnyContainer::Format(true), "1");
    EXPECT_EQ(CAnyContainer::Format(2.0 / 3.0), "0.666667");
}

}  // namespace
}  // namespace tolm
