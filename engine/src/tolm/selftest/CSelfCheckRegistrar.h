// Registers a self-check from a static initialiser:
//   static tolm::CSelfCheckRegistrar ourCheck("name", [](std::string& message) { ... });
#ifndef TOLM_SELFTEST_CSELFCHECKREGISTRAR_H
#define TOLM_SELFTEST_CSELFCHECKREGISTRAR_H

#include <string>

#include "tolm/selftest/CSelfChecks.h"

namespace tolm {

class CSelfCheckRegistrar {
public:
    CSelfCheckRegistrar(const std::string& name, CSelfChecks::Check check) {
        CSelfChecks::Register(name, std::move(check));
    }
};

}  // namespace tolm

#endif
