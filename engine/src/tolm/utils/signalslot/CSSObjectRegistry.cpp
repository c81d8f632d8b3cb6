#include "tolm/utils/signalslot/CSSObjectRegistry.h"

#include <algorithm>

#include "tolm/utils/signalslot/CSSObject.h"

namespace tolm {

void CSSObjectRegistry::Add(CSSObject* object) {
    myObjects.push_back(object);
}

void CSSObjectRegistry::Remove(CSSObject* object) {
    const auto found = std::find(myObjects.begin(), myObjects.end(), object);
    if (found != myObjects.end()) myObjects.erase(found);
}

CSSObject* CSSObjectRegistry::Find(const std::string& name) const {
    for (CSSObject* object : myObjects) {
        if (object->GetName() == name) return object;
    }
    return nullptr;
}

}  // namespace tolm
