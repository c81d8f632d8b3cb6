// The engine's single text channel. Values inserted with << are formatted like a standard
// stream, cut into lines and handed to every listener with the current level. The logger
// owns only its default listener, which writes "log.txt" in the working directory unless the
// program chose another file with SetFileName.
//
// Use: Logger() << "text " << 5 << std::endl;   Logger().Error() << "[ERROR] ...\n";
// A selected level stays in force for every following line.
#ifndef TOLM_UTILS_LOGGER_CLOGGER_H
#define TOLM_UTILS_LOGGER_CLOGGER_H

#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <string>

#include "tolm/utils/logger/CLogListener.h"
#include "tolm/utils/logger/CLogListenerForFile.h"

namespace tolm {

class CLogger {
public:
    static constexpr int kDebug = 0;
    static constexpr int kNormal = 1;
    static constexpr int kWarning = 2;
    static constexpr int kError = 3;
    static constexpr int kIndent = -2;
    static constexpr int kUnindent = -1;

    CLogger();
    ~CLogger();
    CLogger(const CLogger&) = delete;
    CLogger& operator=(const CLogger&) = delete;

    template <class T>
    CLogger& operator<<(const T& value) {
        std::ostringstream text;
        text << value;
        Split(text.str());
        return *this;
    }

    // Manipulators such as std::endl.
    CLogger& operator<<(std::ostream& (*manipulator)(std::ostream&));

    CLogger& Debug();
    CLogger& Warning();
    CLogger& Error();
    int GetLevel() const { return myLevel; }

    void Indent();
    void Unindent();

    // The caller keeps owning the listener and must remove it before destroying it.
    void AddListener(CLogListener* listener);
    void RemoveListener(CLogListener* listener);
    std::size_t GetListenerCount() const { return myListeners.size(); }

    CLogListenerForFile* GetDefaultListener() const { return myDefaultListener.get(); }

    // Moves the default listener to another file (also for loggers made later in the process)
    // and starts that file now, so that it holds its header even if nothing else is logged.
    // Lines already written stay in the old file.
    void SetFileName(const std::string& fileName);
    // Writes no file at all any more (the folder for it could not be made); other listeners
    // go on.
    void DropDefaultFile();

    // The characters received since the last line end, shared by the whole process.
    static std::string& PendingLine();

private:
    void MakeDefaultListener(const std::string& fileName);
    void Split(const std::string& text);
    void Dispatch(const std::string& line, int level);

    std::set<CLogListener*> myListeners;
    std::unique_ptr<CLogListenerForFile> myDefaultListener;
    int myLevel = kNormal;
};

// The process-wide logger, created on first use.
CLogger& Logger();
// Destroys the process-wide logger (shutdown); a later Logger() call makes a new one that
// appends to the same file.
void DeleteLogger();

}  // namespace tolm

#endif
