// Builds a CXmlNode tree from the reader's events. The builder owns the tree until the
// caller takes it with ReleaseRoot; a tree not taken is deleted with the builder or at the
// next document start.
//
// Only the first top-level element becomes the root. Elements that start after the root
// has closed have no parent to join: they are dropped with everything inside them, and
// surplus end tags are ignored.
#ifndef TOLM_UTILS_XML_CXMLTREEBUILDER_H
#define TOLM_UTILS_XML_CXMLTREEBUILDER_H

#include <memory>

#include "tolm/utils/xml/CXmlHandler.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

class CXmlTreeBuilder : public CXmlHandler {
public:
    void OnStartDocument() override;
    void OnText(const std::string& text) override;
    void OnStartElement(const std::string& name, const XmlAttributeMap& attributes) override;
    void OnEndElement(const std::string& name) override;

    CXmlNode* GetRoot() const { return myRoot.get(); }
    // The element that receives text and new children; null before the root and after it
    // has closed.
    CXmlNode* GetCurrent() const { return myCurrent; }
    // Hands the tree to the caller; the builder is empty afterwards.
    std::unique_ptr<CXmlNode> ReleaseRoot();

private:
    std::unique_ptr<CXmlNode> myRoot;
    CXmlNode* myCurrent = nullptr;
    // Open elements that are being dropped because they started outside the root.
    int myDroppedDepth = 0;
};

}  // namespace tolm

#endif
