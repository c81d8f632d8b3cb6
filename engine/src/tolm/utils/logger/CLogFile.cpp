#include "tolm/utils/logger/CLogFile.h"

#include <ctime>
#include <fstream>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

// Shared by the process: a second CLogFile for the same name appends instead of emptying.
std::string& LastFileName() {
    static std::string name;
    return name;
}

const char* const kRule = "--------------------------------------------------------------\n";

std::string CompilerName() {
#if defined(__clang__)
    return std::string("clang ") + __clang_version__;
#elif defined(__GNUC__)
    return std::string("g++ ") + __VERSION__;
#else
    return "unknown compiler";
#endif
}

}  // namespace

CLogFile::CLogFile(const std::string& fileName, const std::string& versionText)
    : myFileName(fileName), myVersionText(versionText) {
    myMarkers[CLogger::kDebug] = "(d) ";
    myMarkers[CLogger::kNormal] = "( ) ";
    myMarkers[CLogger::kWarning] = "(!) ";
    myMarkers[CLogger::kError] = "<!> ";
    myMarkers[CLogger::kIndent] = "(+) ";
    myMarkers[CLogger::kUnindent] = "(-) ";

    if (fileName != LastFileName()) {
        LastFileName() = fileName;
        std::ofstream(myFileName, std::ios::out | std::ios::trunc);
        WriteHeader();
    }
}

std::string CLogFile::BuildLine() {
    return "Build in " + CompilerName() + " at " + __DATE__ + " " + __TIME__ + "\n";
}

void CLogFile::WriteHeader() {
    char date[81] = {0};
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local != nullptr) std::strftime(date, sizeof(date), "%a,%b %d,%I:%M %p", local);

    Write(kRule, CLogger::kNormal);
    Write(std::string("New log created on ") + date + "\n", CLogger::kNormal);
    Write("Using " + myVersionText + "\n", CLogger::kNormal);
    Write(BuildLine(), CLogger::kNormal);
    Write(kRule, CLogger::kNormal);
}

std::string CLogFile::MarkerFor(int level) {
    if (level == CLogger::kIndent) ++myIndent;
    if (level == CLogger::kUnindent) --myIndent;
    const auto it = myMarkers.find(level);
    return it == myMarkers.end() ? std::string() : it->second;
}

void CLogFile::Write(const std::string& line, int level) {
    if (line.empty()) {
        MarkerFor(level);
        return;
    }
    std::ofstream file(myFileName, std::ios::out | std::ios::app);
    const std::string marker = MarkerFor(level);
    // A lost line is not reported: the next one simply tries again.
    if (!file) return;
    file << marker;
    if (myIndent >= 1) {
        for (int i = 0; i < myIndent; ++i) file << myIndentUnit;
    } else {
        myIndent = 0;
    }
    file << line;
}

}  // namespace tolm
