#include "tolm/utils/xml/CXmlFileSys.h"

#include <ostream>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CXmlFileSys::CXmlFileSys(CXmlNode* root, int mode) : myMode(mode), myRoot(root), myCurrent(root) {}

bool CXmlFileSys::HasChild(const std::string& name) const {
    if (const CXmlNode* atCursor = myCurrent->GetChild(myCursor)) {
        if (atCursor->GetName() == name) return true;
    }
    for (int i = 0; i < myCurrent->GetChildCount(); ++i) {
        if (myCurrent->GetChild(i)->GetName() == name) return true;
    }
    return false;
}

CXmlNode* CXmlFileSys::FindChild(const std::string& name) {
    const int count = myCurrent->GetChildCount();
    if (myCursor >= count) {
        if (myWarnings) {
            Logger() << "Xml warning, ain't no childs left in the current node: "
                     << myCurrent->GetName() << Where() << std::endl;
        }
    } else if (myCurrent->GetChild(myCursor)->GetName() == name) {
        return myCurrent->GetChild(myCursor++);
    }
    if (myWarnings) {
        Logger() << "Xml warning a child node wasn't in the place it should be, order fucked up "
                    "in node: "
                 << myCurrent->GetName() << Where() << std::endl;
    }
    for (myCursor = 0; myCursor < count; ++myCursor) {
        CXmlNode* child = myCurrent->GetChild(myCursor);
        if (child->GetName() == name) return child;
    }
    if (myWarnings) {
        Logger() << "Xml error a child node: " << name
                 << " wasn't found at all in the node: " << myCurrent->GetName() << Where()
                 << std::endl;
    }
    return nullptr;
}

void CXmlFileSys::BeginNode(const std::string& name) {
    myCurrent = AddMember(name);
}

void CXmlFileSys::EndNode(const std::string& name) {
    if (myWarnings && myCurrent->GetName() != name) {
        Logger() << "Xml warning, trying to end a different node: " << name
                 << " should end: " << myCurrent->GetName() << Where() << std::endl;
    }
    if (myCurrent != myRoot && myCurrent->GetParent() != nullptr)
        myCurrent = myCurrent->GetParent();
}

CXmlNode* CXmlFileSys::AddMember(const std::string& name) {
    return myCurrent->AddChild(std::make_unique<CXmlNode>(name));
}

std::string CXmlFileSys::Where() const {
    return " in file: " + myFile + " at line " + std::to_string(myLine);
}

}  // namespace tolm
