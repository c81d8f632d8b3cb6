// Receiver of the logger's finished lines. Listeners are registered with the logger and
// stay owned by whoever registered them.
#ifndef TOLM_UTILS_LOGGER_CLOGLISTENER_H
#define TOLM_UTILS_LOGGER_CLOGLISTENER_H

#include <string>

namespace tolm {

class CLogListener {
public:
    virtual ~CLogListener() = default;
    // `line` ends with its line feed; `level` is one of the logger's levels.
    virtual void Write(const std::string& line, int level) = 0;
};

}  // namespace tolm

#endif
