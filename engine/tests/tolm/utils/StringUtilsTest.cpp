#include <gtest/gtest.h>

#include "tolm/utils/StringUtils.h"

namespace tolm {
namespace {

TEST(StringUtils, TrimRemovesOnlyBlanksAndTabs) {
    EXPECT_EQ(Trim(" \t a b \t"), "a b");
    EXPECT_EQ(Trim(" \t \t"), "");
    EXPECT_EQ(Trim("\na\r"), "\na\r");
}

TEST(StringUtils, StringReplaceResumesAtTheReplacement) {
    EXPECT_EQ(StringReplace("&amp;", "&", "&amp;amp;amp;"), "&");
    EXPECT_EQ(StringReplace("a", "b", "aaaa", 2), "bbaa");
    EXPECT_EQ(StringReplace("a", "b", "aaaa", 0), "aaaa");
    EXPECT_EQ(StringReplace("", "b", "aa"), "aa");
    EXPECT_EQ(StringReplace("ab", "xa", "abb"), "xxa");
    // A bound count resumes at the replacement even when it holds the searched text; with
    // no bound that would never end, so the search goes on after it.
    EXPECT_EQ(StringReplace("a", "ba", "aa", 2), "bbaa");
    EXPECT_EQ(StringReplace("a", "ba", "aa"), "baba");
}

TEST(StringUtils, FindFirstOfOutsideQuotes) {
    const std::string s = "a \"b c\" d";
    EXPECT_EQ(FindFirstOfOutsideQuotes(" ", s), 1u);
    EXPECT_EQ(FindFirstOfOutsideQuotes(" ", s, 2), 7u);
    EXPECT_EQ(FindFirstOfOutsideQuotes("c", s), std::string::npos);
    EXPECT_EQ(FindFirstOfOutsideQuotes(" ", "\"open a b"), std::string::npos);
}

}  // namespace
}  // namespace tolm
