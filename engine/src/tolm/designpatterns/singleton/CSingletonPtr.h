// The create-on-first-use holder behind every accessor of tolm/Services.h. Get() creates the
// instance on its first call; Delete() destroys it and clears the pointer, so the next Get()
// would create a fresh one. CEngineServices creates and deletes the engine's services in
// order; services that live until process exit are simply never deleted.
#ifndef TOLM_DESIGNPATTERNS_SINGLETON_CSINGLETONPTR_H
#define TOLM_DESIGNPATTERNS_SINGLETON_CSINGLETONPTR_H

namespace tolm {

template <class T>
class CSingletonPtr {
public:
    static T* Get() {
        if (ourInstance == nullptr) ourInstance = new T;
        return ourInstance;
    }

    static bool Exists() { return ourInstance != nullptr; }

    static void Delete() {
        // Clear first, so that a destructor reaching for its own accessor gets a new
        // instance instead of the half-destroyed one.
        T* instance = ourInstance;
        ourInstance = nullptr;
        delete instance;
    }

private:
    static inline T* ourInstance = nullptr;
};

}  // namespace tolm

#endif
