#include "tolm/utils/xml/CXmlTreeBuilder.h"

namespace tolm {

void CXmlTreeBuilder::OnStartDocument() {
    myRoot.reset();
    myCurrent = nullptr;
    myDroppedDepth = 0;
}

void CXmlTreeBuilder::OnText(const std::string& text) {
    if (myCurrent == nullptr || myDroppedDepth > 0) return;
    myCurrent->SetContent(text);
}

void CXmlTreeBuilder::OnStartElement(const std::string& name, const XmlAttributeMap& attributes) {
    if (myDroppedDepth > 0 || (myRoot && myCurrent == nullptr)) {
        ++myDroppedDepth;
        return;
    }
    auto node = std::make_unique<CXmlNode>(name);
    for (const auto& attribute : attributes) node->AddAttribute(attribute.first, attribute.second);
    if (!myRoot) {
        myRoot = std::move(node);
        myCurrent = myRoot.get();
    } else {
        myCurrent = myCurrent->AddChild(std::move(node));
    }
}

void CXmlTreeBuilder::OnEndElement(const std::string& /*name*/) {
    if (myDroppedDepth > 0) {
        --myDroppedDepth;
        return;
    }
    if (myCurrent != nullptr) myCurrent = myCurrent->GetParent();
}

std::unique_ptr<CXmlNode> CXmlTreeBuilder::ReleaseRoot() {
    myCurrent = nullptr;
    myDroppedDepth = 0;
    return std::move(myRoot);
}

}  // namespace tolm
