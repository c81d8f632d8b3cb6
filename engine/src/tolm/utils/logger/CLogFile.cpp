#include "tolm/utils/logger/CLogFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

// Shared by the process: a second CLogFile started for the same name appends instead of
// emptying.
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
}

void CLogFile::Start() {
    if (myStarted) return;
    myStarted = true;
    if (myFileName == LastFileName()) return;
    LastFileName() = myFileName;
    std::FILE* file = std::fopen(myFileName.c_str(), "w");
    if (file == nullptr) {
        ReportFailure(myOpenFailureReported, "opened for writing", errno);
    } else if (std::fclose(file) != 0) {
        ReportFailure(myWriteFailureReported, "written", errno);
    }
    WriteHeader();
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
    Start();
    if (line.empty()) {
        MarkerFor(level);
        return;
    }
    std::string text = MarkerFor(level);
    if (myIndent >= 1) {
        for (int i = 0; i < myIndent; ++i) text += myIndentUnit;
    } else {
        myIndent = 0;
    }
    text += line;

    // A lost line is said once on standard error, since the log itself cannot say it; the
    // next line simply tries again.
    std::FILE* file = std::fopen(myFileName.c_str(), "a");
    if (file == nullptr) {
        ReportFailure(myOpenFailureReported, "opened for writing", errno);
        return;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int error = written ? 0 : errno;
    // Closing flushes: a full disk usually shows only here.
    const bool closed = std::fclose(file) == 0;
    if (!closed && error == 0) error = errno;
    if (!written || !closed) ReportFailure(myWriteFailureReported, "written", error);
}

void CLogFile::ReportFailure(bool& reported, const char* what, int error) {
    if (reported) return;
    reported = true;
    std::cerr << "Log lines are lost: \"" << myFileName << "\" cannot be " << what << " ("
              << (error != 0 ? std::strerror(error) : "unknown error") << ")" << std::endl;
}

}  // namespace tolm
