#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "XmlTestSupport.h"
#include "tolm/utils/xml/CXmlWriter.h"

namespace tolm {
namespace {

std::size_t LongestIndent(const std::string& text) {
    std::istringstream lines(text);
    std::size_t longest = 0;
    for (std::string line; std::getline(lines, line);) {
        longest = std::max(longest, line.find_first_not_of(' '));
    }
    return longest;
}

TEST(CXmlWriter, IndentationStopsDeepeningSoTheTextGrowsWithTheTree) {
    const std::size_t deepest = 2 * CXmlWriter::kMaxIndentLevels;
    struct Case {
        int depth;
        std::size_t indent;
    } cases[] = {{3, 6}, {CXmlWriter::kMaxIndentLevels + 1, deepest}, {100000, deepest}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        std::string document;
        for (int i = 0; i < c.depth; ++i) document += "<d>x";
        for (int i = 0; i < c.depth; ++i) document += "</d>";
        const auto root = test::BuildXml(document);
        ASSERT_NE(root, nullptr);

        std::ostringstream out;
        CXmlWriter writer;
        writer.Write(*root, out);
        EXPECT_EQ(writer.GetIndent(), 0);
        // Per element a start line, a content line and an end line.
        const std::size_t perElement = std::string(
                                           "<d>\n"
                                           "x\n"
                                           "</d>\n")
                                           .size() +
                                       3 * deepest;
        EXPECT_LE(out.str().size(), perElement * static_cast<std::size_t>(c.depth));
        EXPECT_EQ(LongestIndent(out.str()), c.indent);

        // The text reads back as the same tree.
        const auto again = test::BuildXml(out.str());
        int depth = 0, otherContent = 0;
        for (const CXmlNode* node = again.get(); node != nullptr; node = node->GetChild(0)) {
            otherContent += node->GetContent() != "x";
            ++depth;
        }
        EXPECT_EQ(depth, c.depth);
        EXPECT_EQ(otherContent, 0);
    }
}

}  // namespace
}  // namespace tolm
