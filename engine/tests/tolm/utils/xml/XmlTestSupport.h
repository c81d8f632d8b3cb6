// Shared helpers of the XML tests: documents from strings, compact tree pictures, a
// parent-link check, and a catcher for the logger's lines.
#ifndef TOLM_TESTS_UTILS_XML_XMLTESTSUPPORT_H
#define TOLM_TESTS_UTILS_XML_XMLTESTSUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"

namespace tolm::test {

inline std::unique_ptr<CXmlNode> BuildXml(const std::string& document) {
    CXmlTreeBuilder builder;
    CXmlParser parser(&builder);
    std::istringstream in(document);
    parser.Parse(in);
    return builder.ReleaseRoot();
}

// name(content){attributes in name order}[children], or "null".
inline std::string Describe(const CXmlNode* node) {
    if (node == nullptr) return "null";
    std::string text = node->GetName();
    if (!node->GetContent().empty()) text += "(" + node->GetContent() + ")";
    if (node->GetAttributeCount() > 0) {
        text += "{";
        for (const auto& [name, index] : node->GetAttributes().SortedKeys()) {
            text += name + "=" + node->GetAttributeValue(static_cast<int>(index)).GetString() + ";";
        }
        text += "}";
    }
    for (int i = 0; i < node->GetChildCount(); ++i) {
        text += (i == 0 ? "[" : ",") + Describe(node->GetChild(i));
    }
    return node->GetChildCount() > 0 ? text + "]" : text;
}

// Every child points back at its parent; returns the number of nodes. Iterative, because
// some test trees are far deeper than recursion allows.
inline int CheckParents(const CXmlNode* root) {
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

class CLineCatcher : public CLogListener {
public:
    CLineCatcher() { Logger().AddListener(this); }
    ~CLineCatcher() override { Logger().RemoveListener(this); }
    void Write(const std::string& line, int /*level*/) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace tolm::test

#endif
