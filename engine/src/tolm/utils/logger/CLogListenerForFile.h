// The logger's default listener: passes lines at or above its threshold to a CLogFile it
// owns. Negative levels (indent and unindent) always pass.
#ifndef TOLM_UTILS_LOGGER_CLOGLISTENERFORFILE_H
#define TOLM_UTILS_LOGGER_CLOGLISTENERFORFILE_H

#include <memory>
#include <string>

#include "tolm/utils/logger/CLogFile.h"
#include "tolm/utils/logger/CLogListener.h"

namespace tolm {

class CLogListenerForFile : public CLogListener {
public:
    CLogListenerForFile(const std::string& fileName, const std::string& versionText);

    void Write(const std::string& line, int level) override;

    // Empties the file and writes its header now instead of at the first line.
    void Start() { myFile->Start(); }
    const std::string& GetFileName() const { return myFile->GetFileName(); }

    void SetThreshold(int threshold) { myThreshold = threshold; }
    int GetThreshold() const { return myThreshold; }

private:
    std::unique_ptr<CLogFile> myFile;
    int myThreshold = 1;
};

}  // namespace tolm

#endif
