// Shared helpers of the XML tests: documents from strings and compact tree pictures.
#ifndef TOLM_TESTS_UTILS_XML_XMLTESTSUPPORT_H
#define TOLM_TESTS_UTILS_XML_XMLTESTSUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

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

// name(content){attributes in name order}[children], or "null"; checks the parent links.
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
        EXPECT_EQ(node->GetChild(i)->GetParent(), node);
        text += (i == 0 ? "[" : ",") + Describe(node->GetChild(i));
    }
    return node->GetChildCount() > 0 ? text + "]" : text;
}

}  // namespace tolm::test

#endif
