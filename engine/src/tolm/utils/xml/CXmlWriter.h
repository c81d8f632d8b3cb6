// Writes a CXmlNode tree as indented text in the engine's dialect: attributes in name
// order, each followed by a blank, content on its own line, nothing escaped. The writer
// only reads the tree and the stream it is given. Indentation stops deepening after
// kMaxIndentLevels, so that the text stays in proportion to the tree however deep it is.
#ifndef TOLM_UTILS_XML_CXMLWRITER_H
#define TOLM_UTILS_XML_CXMLWRITER_H

#include <ostream>
#include <string>

#include "tolm/utils/xml/CXmlHandler.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

class CXmlWriter : public CXmlHandler {
public:
    static constexpr int kMaxIndentLevels = 32;

    // Writes `root` and everything below it, starting at the writer's current indent.
    void Write(const CXmlNode& root, std::ostream& out);

    void WriteText(const std::string& text, std::ostream& out);
    void WriteStartElement(const std::string& name, const CXmlNode::Attributes& attributes,
                           std::ostream& out);
    void WriteEndElement(const std::string& name, std::ostream& out);

    int GetIndent() const { return myIndent; }

private:
    void WriteLine(const std::string& text, std::ostream& out) const;

    int myIndent = 0;
};

}  // namespace tolm

#endif
