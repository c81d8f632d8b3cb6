// Collects the lines the process-wide logger emits while the capture exists.
#ifndef TOLM_TESTS_SUPPORT_CLOGCAPTURE_H
#define TOLM_TESTS_SUPPORT_CLOGCAPTURE_H

#include <algorithm>
#include <string>
#include <vector>

#include "tolm/utils/logger/CLogger.h"

namespace tolm::test {

class CLogCapture : public CLogListener {
public:
    CLogCapture() { Logger().AddListener(this); }
    ~CLogCapture() override { Logger().RemoveListener(this); }
    CLogCapture(const CLogCapture&) = delete;
    CLogCapture& operator=(const CLogCapture&) = delete;

    void Write(const std::string& line, int level) override {
        if (level >= 0) myLines.push_back(line);
    }
    const std::vector<std::string>& Lines() const { return myLines; }
    bool Contains(const std::string& line) const {
        return std::find(myLines.begin(), myLines.end(), line) != myLines.end();
    }
    void Clear() { myLines.clear(); }

private:
    std::vector<std::string> myLines;
};

}  // namespace tolm::test

#endif
