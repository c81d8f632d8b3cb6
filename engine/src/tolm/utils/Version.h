// The engine's name and version as the log header, --version and the self-checks show it.
#ifndef TOLM_UTILS_VERSION_H
#define TOLM_UTILS_VERSION_H

namespace tolm {

inline constexpr const char* kVersionText = "Tolm version 0.22";

}  // namespace tolm

#endif
