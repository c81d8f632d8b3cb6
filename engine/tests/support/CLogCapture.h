// Collects the lines the process-wide logger emits, with their levels, while the capture
// exists.
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
        if (level < 0) return;
        myLines.push_back(line);
        myLevels.push_back(level);
    }
    const std::vector<std::string>& Lines() const { return myLines; }
    // The level of each line, index for index.
    const std::vector<int>& Levels() const { return myLevels; }
    bool Contains(const std::string& line) const {
        return std::find(myLines.begin(), myLines.end(), line) != myLines.end();
    }
    // How many lines hold part anywhere.
    int CountHolding(const std::string& part) const {
        return static_cast<int>(std::count_if(myLines.begin(), myLines.end(), [&part](auto& l) {
            return l.find(part) != std::string::npos;
        }));
    }
    // The line was written at exactly that level.
    bool Has(const std::string& line, int level) const {
        for (std::size_t i = 0; i < myLines.size(); ++i)
            if (myLines[i] == line && myLevels[i] == level) return true;
        return false;
    }
    void Clear() {
        myLines.clear();
        myLevels.clear();
    }

private:
    std::vector<std::string> myLines;
    std::vector<int> myLevels;
};

}  // namespace tolm::test

#endif
