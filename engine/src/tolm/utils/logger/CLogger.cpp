#include "tolm/utils/logger/CLogger.h"

#include <vector>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/Version.h"

namespace tolm {
namespace {

// Kept for the process, so that a logger made again after shutdown writes the same file.
std::string& DefaultFileName() {
    static std::string name = "log.txt";
    return name;
}

bool& DefaultFileDropped() {
    static bool dropped = false;
    return dropped;
}

}  // namespace

CLogger::CLogger() {
    MakeDefaultListener(DefaultFileName());
    if (DefaultFileDropped()) RemoveListener(myDefaultListener.get());
}

void CLogger::MakeDefaultListener(const std::string& fileName) {
    if (myDefaultListener) RemoveListener(myDefaultListener.get());
    myDefaultListener = std::make_unique<CLogListenerForFile>(fileName, kVersionText);
    myDefaultListener->SetThreshold(0);
    AddListener(myDefaultListener.get());
}

CLogger::~CLogger() = default;

CLogger& CLogger::operator<<(std::ostream& (*manipulator)(std::ostream&)) {
    std::ostringstream text;
    manipulator(text);
    Split(text.str());
    return *this;
}

CLogger& CLogger::Debug() {
    myLevel = kDebug;
    return *this;
}

CLogger& CLogger::Warning() {
    myLevel = kWarning;
    return *this;
}

CLogger& CLogger::Error() {
    myLevel = kError;
    return *this;
}

void CLogger::Indent() {
    Dispatch(std::string(), kIndent);
}

void CLogger::Unindent() {
    Dispatch(std::string(), kUnindent);
}

void CLogger::AddListener(CLogListener* listener) {
    if (listener != nullptr) myListeners.insert(listener);
}

void CLogger::RemoveListener(CLogListener* listener) {
    myListeners.erase(listener);
}

void CLogger::SetFileName(const std::string& fileName) {
    DefaultFileName() = fileName;
    DefaultFileDropped() = false;
    if (myDefaultListener->GetFileName() != fileName) MakeDefaultListener(fileName);
    AddListener(myDefaultListener.get());
    myDefaultListener->Start();
}

void CLogger::DropDefaultFile() {
    DefaultFileDropped() = true;
    if (myDefaultListener) RemoveListener(myDefaultListener.get());
}

std::string& CLogger::PendingLine() {
    static std::string pending;
    return pending;
}

void CLogger::Split(const std::string& text) {
    std::string& pending = PendingLine();
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r' || c == '\0') {
            // Taken out of the shared buffer before dispatch, so a listener that logs
            // starts a fresh line instead of corrupting this one.
            std::string line = pending + "\n";
            pending.clear();
            Dispatch(line, myLevel);
        } else {
            pending += c;
        }
    }
}

void CLogger::Dispatch(const std::string& line, int level) {
    // A copy, so that a listener may remove itself (or another) while being called.
    const std::vector<CLogListener*> listeners(myListeners.begin(), myListeners.end());
    for (CLogListener* listener : listeners) {
        if (myListeners.count(listener) != 0) listener->Write(line, level);
    }
}

CLogger& Logger() {
    return *CSingletonPtr<CLogger>::Get();
}

void DeleteLogger() {
    CSingletonPtr<CLogger>::Delete();
}

}  // namespace tolm
