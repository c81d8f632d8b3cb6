#include "tolm/utils/xml/CXmlNode.h"

#include "tolm/utils/StringUtils.h"

namespace tolm {
namespace {

const std::string& EmptyName() {
    static const std::string empty;
    return empty;
}

const CAnyContainer& EmptyValue() {
    static const CAnyContainer empty;
    return empty;
}

}  // namespace

CXmlNode::~CXmlNode() {
    std::vector<std::unique_ptr<CXmlNode>> pending = std::move(myChildren);
    while (!pending.empty()) {
        std::unique_ptr<CXmlNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->myChildren) pending.push_back(std::move(child));
        node->myChildren.clear();
    }
}

void CXmlNode::SetContent(const std::string& text) {
    myContent = text;
    if (myContent.find('&') == std::string::npos) return;
    // The order matters: "&amp;" goes after "&lt;" and "&gt;", so "&amp;lt;" stays "&lt;".
    myContent = StringReplace("&lt;", "<", myContent);
    myContent = StringReplace("&gt;", ">", myContent);
    myContent = StringReplace("&amp;", "&", myContent);
    myContent = StringReplace("&apos;", "'", myContent);
    myContent = StringReplace("&quot;", "\"", myContent);
}

CXmlNode* CXmlNode::GetChild(int i) const {
    if (i < 0 || i >= GetChildCount()) return nullptr;
    return myChildren[static_cast<std::size_t>(i)].get();
}

CXmlNode* CXmlNode::AddChild(std::unique_ptr<CXmlNode> child) {
    if (!child) return nullptr;
    child->SetParent(this);
    myChildren.push_back(std::move(child));
    return myChildren.back().get();
}

const std::string& CXmlNode::GetAttributeName(int i) const {
    if (i < 0) return EmptyName();
    const std::string* name = myAttributes.KeyAt(static_cast<std::size_t>(i));
    return name != nullptr ? *name : EmptyName();
}

const CAnyContainer& CXmlNode::GetAttributeValue(int i) const {
    if (i < 0) return EmptyValue();
    const CAnyContainer* value = myAttributes.ValueAt(static_cast<std::size_t>(i));
    return value != nullptr ? *value : EmptyValue();
}

const CAnyContainer& CXmlNode::GetAttribute(const std::string& name) const {
    const CAnyContainer* value = myAttributes.Find(name);
    return value != nullptr ? *value : EmptyValue();
}

void CXmlNode::AddAttribute(const std::string& name, const CAnyContainer& value) {
    myAttributes.Insert(name, value);
}

}  // namespace tolm
