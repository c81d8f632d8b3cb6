// One element of an XML document: name, text content, attributes and child elements. A
// node owns its children and deletes them with itself; the parent link is non-owning and
// stays valid while the parent lives.
//
// Out-of-range access never fails hard: GetChild gives null, GetAttributeName gives "",
// GetAttributeValue and GetAttribute of an absent name give an empty value.
#ifndef TOLM_UTILS_XML_CXMLNODE_H
#define TOLM_UTILS_XML_CXMLNODE_H

#include <memory>
#include <string>
#include <vector>

#include "tolm/utils/xml/CAnyContainer.h"
#include "tolm/utils/xml/CMapHelper.h"

namespace tolm {

class CXmlNode {
public:
    using Attributes = CMapHelper<std::string, CAnyContainer>;

    CXmlNode() = default;
    explicit CXmlNode(const std::string& name) : myName(name) {}
    // Frees the subtree without recursion, so a deeply nested document cannot exhaust the
    // stack.
    ~CXmlNode();
    CXmlNode(const CXmlNode&) = delete;
    CXmlNode& operator=(const CXmlNode&) = delete;

    const std::string& GetName() const { return myName; }
    void SetName(const std::string& name) { myName = name; }

    const std::string& GetContent() const { return myContent; }
    // Stores the text with its entities decoded.
    void SetContent(const std::string& text);

    CXmlNode* GetParent() const { return myParent; }
    void SetParent(CXmlNode* parent) { myParent = parent; }

    int GetChildCount() const { return static_cast<int>(myChildren.size()); }
    // Null when i is outside 0 .. GetChildCount() - 1.
    CXmlNode* GetChild(int i) const;
    // Takes ownership, sets the child's parent and appends it; returns the child. Null is
    // ignored.
    CXmlNode* AddChild(std::unique_ptr<CXmlNode> child);
    CXmlNode* AddChild(CXmlNode* child) { return AddChild(std::unique_ptr<CXmlNode>(child)); }

    // Index order is insertion order.
    int GetAttributeCount() const { return static_cast<int>(myAttributes.Size()); }
    // "" when no name maps to i.
    const std::string& GetAttributeName(int i) const;
    // Empty when i is out of range.
    const CAnyContainer& GetAttributeValue(int i) const;
    bool HasAttribute(const std::string& name) const { return myAttributes.Has(name); }
    // Empty when the name is absent.
    const CAnyContainer& GetAttribute(const std::string& name) const;
    // A name already present keeps its first value.
    void AddAttribute(const std::string& name, const CAnyContainer& value);
    const Attributes& GetAttributes() const { return myAttributes; }

private:
    CXmlNode* myParent = nullptr;
    std::string myName;
    std::string myContent;
    std::vector<std::unique_ptr<CXmlNode>> myChildren;
    Attributes myAttributes;
};

}  // namespace tolm

#endif
