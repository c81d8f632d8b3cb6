#include "tolm/utils/logger/CLogListenerForFile.h"

namespace tolm {

CLogListenerForFile::CLogListenerForFile(const std::string& fileName,
                                         const std::string& versionText)
    : myFile(std::make_unique<CLogFile>(fileName, versionText)) {}

void CLogListenerForFile::Write(const std::string& line, int level) {
    if (level >= 0 && level < myThreshold) return;
    myFile->Write(line, level);
}

}  // namespace tolm
