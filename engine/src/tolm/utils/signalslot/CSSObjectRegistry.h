// The process-wide list of live named objects, in construction order. Objects add and
// remove themselves; the registry exists while at least one object does and holds no
// ownership.
#ifndef TOLM_UTILS_SIGNALSLOT_CSSOBJECTREGISTRY_H
#define TOLM_UTILS_SIGNALSLOT_CSSOBJECTREGISTRY_H

#include <string>
#include <vector>

#include "tolm/Services.h"

namespace tolm {

class CSSObject;

class CSSObjectRegistry {
public:
    void Add(CSSObject* object);
    void Remove(CSSObject* object);
    bool IsEmpty() const { return myObjects.empty(); }
    std::size_t GetCount() const { return myObjects.size(); }

    // The earliest-constructed live object with this name, or null.
    CSSObject* Find(const std::string& name) const;

private:
    std::vector<CSSObject*> myObjects;  // not owned
};

}  // namespace tolm

#endif
