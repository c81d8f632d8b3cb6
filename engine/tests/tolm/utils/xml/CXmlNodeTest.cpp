#include <gtest/gtest.h>

#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {
namespace {

TEST(CXmlNode, AttributeIndexIsInsertionOrderAndTheFirstOfTwoIsKept) {
    CXmlNode node("n");
    node.AddAttribute("b", CAnyContainer("2"));
    node.AddAttribute("a", CAnyContainer("1"));
    node.AddAttribute("b", CAnyContainer("3"));
    ASSERT_EQ(node.GetAttributeCount(), 2);
    EXPECT_EQ(node.GetAttributeName(0) + node.GetAttributeValue(0).GetString(), "b2");
    EXPECT_EQ(node.GetAttributeName(1) + node.GetAttributeValue(1).GetString(), "a1");
    node.AddChild(std::make_unique<CXmlNode>("c"));
    EXPECT_EQ(node.AddChild(std::unique_ptr<CXmlNode>()), nullptr);
    EXPECT_EQ(node.GetChildCount(), 1);
}

}  // namespace
}  // namespace tolm
