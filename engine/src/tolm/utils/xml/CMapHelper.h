// A small ordered dictionary: values kept in insertion order and found by key through a
// sorted index. Used for XML attributes, whose order on output is the key order while the
// index accessors follow insertion order. The helper owns its keys and values.
#ifndef TOLM_UTILS_XML_CMAPHELPER_H
#define TOLM_UTILS_XML_CMAPHELPER_H

#include <cstddef>
#include <map>
#include <vector>

namespace tolm {

template <class Key, class Value>
class CMapHelper {
public:
    using SortedIndex = std::map<Key, std::size_t>;

    // Keeps the first value of a key; returns false when the key was already present.
    bool Insert(const Key& key, const Value& value) {
        if (myIndex.find(key) != myIndex.end()) return false;
        myIndex.emplace(key, myValues.size());
        myValues.push_back(value);
        return true;
    }

    bool Has(const Key& key) const { return myIndex.find(key) != myIndex.end(); }

    // Null when the key is absent.
    const Value* Find(const Key& key) const {
        const auto it = myIndex.find(key);
        return it == myIndex.end() ? nullptr : &myValues[it->second];
    }

    std::size_t Size() const { return myValues.size(); }
    bool Empty() const { return myValues.empty(); }

    // Insertion order; null when i is out of range.
    const Value* ValueAt(std::size_t i) const {
        return i < myValues.size() ? &myValues[i] : nullptr;
    }

    // The key whose value sits at insertion index i; null when no key maps to i.
    const Key* KeyAt(std::size_t i) const {
        for (const auto& entry : myIndex) {
            if (entry.second == i) return &entry.first;
        }
        return nullptr;
    }

    // Iterates in key order: each entry is (key, insertion index).
    const SortedIndex& SortedKeys() const { return myIndex; }

    void Clear() {
        myIndex.clear();
        myValues.clear();
    }

private:
    std::vector<Value> myValues;
    SortedIndex myIndex;
};

}  // namespace tolm

#endif
