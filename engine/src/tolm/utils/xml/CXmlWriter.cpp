#include "tolm/utils/xml/CXmlWriter.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tolm {

// Walks the tree with an explicit stack, so the depth of a document is not limited by the
// call stack. Each entry is a node and the index of its next child to write.
void CXmlWriter::Write(const CXmlNode& root, std::ostream& out) {
    std::vector<std::pair<const CXmlNode*, int>> open;
    WriteStartElement(root.GetName(), root.GetAttributes(), out);
    WriteText(root.GetContent(), out);
    open.emplace_back(&root, 0);
    while (!open.empty()) {
        auto& [node, next] = open.back();
        if (next >= node->GetChildCount()) {
            WriteEndElement(node->GetName(), out);
            open.pop_back();
            continue;
        }
        const CXmlNode* child = node->GetChild(next++);
        WriteStartElement(child->GetName(), child->GetAttributes(), out);
        WriteText(child->GetContent(), out);
        open.emplace_back(child, 0);
    }
}

void CXmlWriter::WriteText(const std::string& text, std::ostream& out) {
    if (!text.empty()) WriteLine(text, out);
}

void CXmlWriter::WriteStartElement(const std::string& name, const CXmlNode::Attributes& attributes,
                                   std::ostream& out) {
    std::string line = "<" + name;
    if (!attributes.Empty()) {
        line += " ";
        for (const auto& [attributeName, index] : attributes.SortedKeys()) {
            line += attributeName + "=\"" + attributes.ValueAt(index)->GetString() + "\" ";
        }
    }
    line += ">";
    WriteLine(line, out);
    ++myIndent;
}

void CXmlWriter::WriteEndElement(const std::string& name, std::ostream& out) {
    --myIndent;
    WriteLine("</" + name + ">", out);
}

void CXmlWriter::WriteLine(const std::string& text, std::ostream& out) const {
    // Full indentation of a tree d deep would cost d * d blanks.
    const int levels = std::min(myIndent, kMaxIndentLevels);
    for (int i = 0; i < levels; ++i) out << "  ";
    out << text << '\n';
}

}  // namespace tolm
