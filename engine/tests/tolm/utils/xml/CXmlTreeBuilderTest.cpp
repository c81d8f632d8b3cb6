#include <gtest/gtest.h>

#include "tolm/utils/xml/XmlTestSupport.h"

namespace tolm {
namespace {

TEST(CXmlTreeBuilder, BuildsTheFirstTopLevelElementOnly) {
    const char* cases[][2] = {
        {"<a z=\"26\" b=\"2\" >\n <b>1</b>\n <c>x</c>\n</a>", "a{b=2;z=26;}[b(1),c(x)]"},
        // Entities are decoded in a fixed order, each search resuming at its replacement.
        {"<r><a>a &lt; b &gt; c</a><b>&amp;lt;</b><c>&amp;amp;</c><d>&amp;amp;amp;</d>"
         "<e>&apos;&quot;</e><f>&amp;quot;</f><g>&lt;&lt;&amp;</g><h>& x &unknown;</h></r>",
         "r[a(a < b > c),b(&lt;),c(&),d(&),e('\"),f(\"),g(<<&),h(& x &unknown;)]"},
        // A later text run replaces the earlier one; text outside the root is dropped.
        {"before<a>one<b/>two</a>after", "a(two)[b]"},
        {"<a/><b><c/></b>", "a"},
        {"<a></a></a><b/>", "a"},
        {"<a><b></b></b></a><c>text</c>", "a[b]"},
        {"</x><a><b/></a>", "a[b]"},
        {"<a><b>", "a[b]"},
        {"<!-- only a comment -->", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(test::Describe(test::BuildXml(c[0]).get()), c[1]);
    }
}

}  // namespace
}  // namespace tolm
