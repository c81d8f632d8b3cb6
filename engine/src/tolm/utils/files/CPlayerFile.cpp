#include "tolm/utils/files/CPlayerFile.h"

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <fstream>
#include <functional>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "tolm/utils/files/SafeWrite.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"
#include "tolm/utils/xml/CXmlWriter.h"

namespace tolm {
namespace {

std::string& Folder() {
    static std::string folder;
    return folder;
}

// Local time, sortable and free of characters a shell or another system would mind.
std::string DateStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Safe writes on one thread of their own, in the order they were queued. The thread starts
// with the first write and ends at process exit, after the queue is empty.
class CWriteQueue {
public:
    struct SDone {
        std::string fileName;
        bool ok = false;
        std::string error;
    };

    ~CWriteQueue() {
        {
            std::lock_guard<std::mutex> lock(myMutex);
            myStopping = true;
        }
        myWake.notify_all();
        if (myThread.joinable()) myThread.join();
    }

    void Push(std::string fileName, std::string content) {
        if (myOnCaller) {
            // After anything still queued from before, so that the order holds.
            Wait();
            SDone done{fileName, false, std::string()};
            done.ok = WriteFileSafely(fileName, content, &done.error);
            {
                std::lock_guard<std::mutex> lock(myMutex);
                myDone.push_back(std::move(done));
            }
            if (myAfterEach) myAfterEach();
            return;
        }
        {
            std::lock_guard<std::mutex> lock(myMutex);
            myJobs.emplace_back(std::move(fileName), std::move(content));
            if (!myThread.joinable()) myThread = std::thread([this] { Run(); });
        }
        myWake.notify_all();
    }

    void Wait() {
        std::unique_lock<std::mutex> lock(myMutex);
        myIdle.wait(lock, [this] { return myJobs.empty() && !myBusy; });
    }

    void WriteOnCaller(bool onCaller, std::function<void()> afterEach) {
        std::lock_guard<std::mutex> lock(myMutex);
        myOnCaller = onCaller;
        myAfterEach = std::move(afterEach);
    }

    std::vector<SDone> TakeDone() {
        std::lock_guard<std::mutex> lock(myMutex);
        std::vector<SDone> done;
        done.swap(myDone);
        return done;
    }

private:
    void Run() {
        std::unique_lock<std::mutex> lock(myMutex);
        for (;;) {
            myWake.wait(lock, [this] { return !myJobs.empty() || myStopping; });
            if (myJobs.empty()) return;
            std::pair<std::string, std::string> job = std::move(myJobs.front());
            myJobs.pop_front();
            myBusy = true;
            lock.unlock();
            SDone done{job.first, false, std::string()};
            done.ok = WriteFileSafely(job.first, job.second, &done.error);
            lock.lock();
            myDone.push_back(std::move(done));
            myBusy = false;
            if (myJobs.empty()) myIdle.notify_all();
        }
    }

    std::mutex myMutex;
    std::condition_variable myWake;
    std::condition_variable myIdle;
    std::deque<std::pair<std::string, std::string>> myJobs;
    std::vector<SDone> myDone;
    bool myBusy = false;
    bool myStopping = false;
    bool myOnCaller = false;
    std::function<void()> myAfterEach;
    std::thread myThread;
};

CWriteQueue& Queue() {
    static CWriteQueue queue;
    return queue;
}

// Files whose last write failed: the next failure of the same run is not told again.
std::set<std::string>& Failing() {
    static std::set<std::string> failing;
    return failing;
}

// Logs the failures among the finished writes; true when every one of them worked.
bool Tell(const std::vector<CWriteQueue::SDone>& finished) {
    bool ok = true;
    for (const CWriteQueue::SDone& done : finished) {
        ok = ok && done.ok;
        if (done.ok) {
            Failing().erase(done.fileName);
            continue;
        }
        // A read-only home fails every write alike: one line says it, not one per level.
        if (!Failing().insert(done.fileName).second) continue;
        Logger().Warning() << "[WARNING] Cannot save " << done.fileName << " (" << done.error
                           << "), playing on without saving" << std::endl;
    }
    return ok;
}

enum class EContent { kMissing, kTooLarge, kRead };

EContent ReadWhole(const std::string& fileName, std::string* content) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return EContent::kMissing;
    // One byte past the limit tells a file at the limit from a larger one.
    content->resize(CPlayerFile::kMaxSize + 1);
    in.read(&(*content)[0], static_cast<std::streamsize>(content->size()));
    content->resize(static_cast<std::size_t>(in.gcount()));
    return content->size() > CPlayerFile::kMaxSize ? EContent::kTooLarge : EContent::kRead;
}

// Empty when the text is a root element named rootName holding only text fields; otherwise
// what is wrong with it.
std::string ParseFields(const std::string& content, const std::string& rootName,
                        CPlayerFile::Fields& fields) {
    if (content.find('\0') != std::string::npos) return "not text";
    CXmlTreeBuilder builder;
    CXmlParser parser(&builder);
    std::istringstream in(content);
    parser.Parse(in);
    // An element still open at the end: the file was cut short.
    if (builder.GetCurrent() != nullptr) return "cut short";
    const std::unique_ptr<CXmlNode> root = builder.ReleaseRoot();
    if (!root) return "no element";
    if (root->GetName() != rootName) return "not a " + rootName + " file";
    for (int i = 0; i < root->GetChildCount(); ++i) {
        const CXmlNode* field = root->GetChild(i);
        if (field->GetChildCount() != 0) return "field " + field->GetName() + " is not text";
        if (!fields.emplace(field->GetName(), field->GetContent()).second)
            return "field " + field->GetName() + " twice";
    }
    return std::string();
}

}  // namespace

CPlayerFile::CPlayerFile(std::string fileName, std::string rootName)
    : myFileName(std::move(fileName)), myRootName(std::move(rootName)) {}

void CPlayerFile::SetFolder(const std::string& folder) {
    Folder() = folder;
}

std::string CPlayerFile::PathOf(const std::string& name) {
    if (Folder().empty()) return std::string();
    return Folder() == "." ? name : Folder() + "/" + name;
}

CPlayerFile::ERead CPlayerFile::Read(Fields& fields) {
    fields.clear();
    if (myFileName.empty()) return ERead::kMissing;
    // A write still queued for this file would otherwise be read half-way or not at all.
    WaitForWrites();
    std::string content;
    const EContent read = ReadWhole(myFileName, &content);
    if (read == EContent::kMissing) return ERead::kMissing;
    std::string problem = read == EContent::kTooLarge ? "too large" : "empty";
    if (read == EContent::kRead && !content.empty())
        problem = ParseFields(content, myRootName, fields);
    if (problem.empty()) return ERead::kRead;
    fields.clear();
    SetAside(problem);
    return ERead::kSetAside;
}

void CPlayerFile::SetAside(const std::string& reason) {
    const std::string aside = myFileName + ".bad-" + DateStamp();
    if (std::rename(myFileName.c_str(), aside.c_str()) == 0) {
        mySetAsideName = aside;
        Logger().Warning() << "[WARNING] " << myFileName << " cannot be read (" << reason
                           << "): moved aside to " << aside << ", going on with defaults"
                           << std::endl;
        return;
    }
    // Left where it is, it is read and refused again at the next start, which costs nothing.
    mySetAsideName.clear();
    Logger().Warning() << "[WARNING] " << myFileName << " cannot be read (" << reason
                       << ") nor moved aside (" << std::strerror(errno)
                       << "), going on with defaults" << std::endl;
}

bool CPlayerFile::Write(const Fields& fields) {
    if (myFileName.empty()) return false;
    CXmlNode root(myRootName);
    for (const auto& field : fields) {
        auto node = std::make_unique<CXmlNode>(field.first);
        node->SetContent(field.second);
        root.AddChild(std::move(node));
    }
    std::ostringstream text;
    CXmlWriter().Write(root, text);
    Queue().Push(myFileName, text.str());
    return true;
}

void CPlayerFile::ReportWrites() {
    Tell(Queue().TakeDone());
}

void CPlayerFile::WriteOnCaller(bool onCaller, std::function<void()> afterEach) {
    Queue().WriteOnCaller(onCaller, std::move(afterEach));
}

void CPlayerFile::WaitForWrites() {
    Queue().Wait();
}

bool CPlayerFile::Settle() {
    WaitForWrites();
    return Tell(Queue().TakeDone());
}

bool CPlayerFile::ParseNumber(const std::string& text, std::int64_t low, std::int64_t high,
                              std::int64_t* value) {
    std::istringstream in(text);
    long long read = 0;
    if (!(in >> read)) return false;
    in >> std::ws;
    if (!in.eof() || read < low || read > high) return false;
    *value = read;
    return true;
}

}  // namespace tolm
