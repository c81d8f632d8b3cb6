// Records what the process-wide logger emits while it is alive.
#ifndef TOLM_TESTS_GFX_LOGRECORDER_H
#define TOLM_TESTS_GFX_LOGRECORDER_H

#include <string>
#include <utility>
#include <vector>

#include "tolm/utils/logger/CLogger.h"

namespace tolm::test {

class CLogRecorder : public CLogListener {
public:
    CLogRecorder() { Logger().AddListener(this); }
    ~CLogRecorder() override { Logger().RemoveListener(this); }
    void Write(const std::string& line, int level) override {
        if (level >= 0) lines.emplace_back(line, level);
    }
    bool Has(const std::string& line, int level) const {
        for (const auto& entry : lines) {
            if (entry.first == line && entry.second == level) return true;
        }
        return false;
    }
    std::vector<std::pair<std::string, int>> lines;
};

}  // namespace tolm::test

#endif
