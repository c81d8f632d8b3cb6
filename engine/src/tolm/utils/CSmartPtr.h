// The engine's reference-counted pointer: shared lifetimes (the system timer, cached
// textures, the game's sprite groups) are held through it.
#ifndef TOLM_UTILS_CSMARTPTR_H
#define TOLM_UTILS_CSMARTPTR_H

#include <memory>

namespace tolm {

template <class T>
using CSmartPtr = std::shared_ptr<T>;

}  // namespace tolm

#endif
