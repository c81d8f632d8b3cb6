// The registrations of one kind of listener, in the order they were added, walked safely:
// a listener may remove itself or any other one (and add new ones) while a walk calls it.
// Removal during a walk leaves a hole that later calls skip and that is closed when the
// outermost walk ends; listeners added during a walk are first called by the next walk.
// The list never owns its listeners.
#ifndef TOLM_INPUTDEVICE_CLISTENERLIST_H
#define TOLM_INPUTDEVICE_CLISTENERLIST_H

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tolm {

template <class TListener>
class CListenerList {
public:
    // A null listener is ignored; adding one twice keeps one registration.
    bool Add(TListener* listener) {
        if (listener == nullptr || Contains(listener)) return false;
        myListeners.push_back(listener);
        return true;
    }

    bool Remove(TListener* listener) {
        if (listener == nullptr) return false;
        const auto found = std::find(myListeners.begin(), myListeners.end(), listener);
        if (found == myListeners.end()) return false;
        if (myWalkDepth > 0) {
            *found = nullptr;
            myHoles = true;
        } else {
            myListeners.erase(found);
        }
        return true;
    }

    bool Contains(const TListener* listener) const {
        return listener != nullptr &&
               std::find(myListeners.begin(), myListeners.end(), listener) != myListeners.end();
    }

    bool Empty() const { return Size() == 0; }
    std::size_t Size() const {
        return static_cast<std::size_t>(
            std::count_if(myListeners.begin(), myListeners.end(),
                          [](const TListener* listener) { return listener != nullptr; }));
    }

    // Calls visit(listener) for every listener registered when the walk starts and still
    // registered when its turn comes. visit answers false to end the walk early.
    template <class TVisit>
    void Walk(TVisit visit) {
        CWalkGuard guard(*this);
        const std::size_t count = myListeners.size();
        for (std::size_t i = 0; i < count; ++i) {
            TListener* listener = myListeners[i];
            if (listener != nullptr && !visit(listener)) break;
        }
    }

private:
    class CWalkGuard {
    public:
        explicit CWalkGuard(CListenerList& list) : myList(list) { ++myList.myWalkDepth; }
        ~CWalkGuard() {
            if (--myList.myWalkDepth == 0 && myList.myHoles) myList.CloseHoles();
        }
        CWalkGuard(const CWalkGuard&) = delete;
        CWalkGuard& operator=(const CWalkGuard&) = delete;

    private:
        CListenerList& myList;
    };

    void CloseHoles() {
        myListeners.erase(std::remove(myListeners.begin(), myListeners.end(), nullptr),
                          myListeners.end());
        myHoles = false;
    }

    std::vector<TListener*> myListeners;
    int myWalkDepth = 0;
    bool myHoles = false;
};

}  // namespace tolm

#endif
