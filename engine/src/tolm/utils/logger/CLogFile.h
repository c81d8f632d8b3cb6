// Writes log lines to one text file: a five-line header when the file is first used in the
// process, a marker per line for its level, and indentation driven by the indent levels.
// Each line opens, appends and closes the file, so it is on disk when Write returns. The file
// is touched only from its first line on (or Start), so that a log made before the program
// knows its folders leaves nothing behind in the working directory. A file
// that cannot be opened or written is said once on standard error (once for each of the two
// reasons); the lines are lost and writing goes on.
#ifndef TOLM_UTILS_LOGGER_CLOGFILE_H
#define TOLM_UTILS_LOGGER_CLOGFILE_H

#include <map>
#include <string>

namespace tolm {

class CLogFile {
public:
    // Touches nothing yet; see Start.
    CLogFile(const std::string& fileName, const std::string& versionText);

    // Empties the file and writes the header, unless the last CLogFile of the process that
    // started was for the same name, in which case later lines append. Done once, by the
    // first Write at the latest.
    void Start();
    void Write(const std::string& line, int level);
    const std::string& GetFileName() const { return myFileName; }

    // The header's date line format and build line, exposed for tests.
    static std::string BuildLine();

private:
    std::string MarkerFor(int level);
    void WriteHeader();
    // One line on standard error naming the file and the system's reason, unless already said.
    void ReportFailure(bool& reported, const char* what, int error);

    std::string myFileName;
    std::string myVersionText;
    int myIndent = 0;
    std::string myIndentUnit = "  ";
    std::map<int, std::string> myMarkers;
    bool myStarted = false;
    bool myOpenFailureReported = false;
    bool myWriteFailureReported = false;
};

}  // namespace tolm

#endif
