#include "tolm/utils/files/SafeWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace tolm {
namespace {

std::optional<ESafeWriteStep>& InjectedFailure() {
    static std::optional<ESafeWriteStep> step;
    return step;
}

// True when the step is to fail now; an injected failure is used up by the step it names.
bool Injected(ESafeWriteStep step) {
    if (InjectedFailure() != step) return false;
    InjectedFailure().reset();
    errno = EIO;
    return true;
}

std::string FolderOf(const std::string& fileName) {
    const std::string::size_type slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

bool Fail(std::string* error, const std::string& what, const std::string& fileName) {
    if (error != nullptr) *error = what + " " + fileName + ": " + std::strerror(errno);
    return false;
}

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename is on the disk only once the folder is: without this a power cut may bring the
// old name back. A folder that cannot be synced is no reason to call the write failed.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool WriteFileSafely(const std::string& fileName, const std::string& content, std::string* error) {
    std::string temporary = fileName + ".tmp-XXXXXX";
    const int fd = Injected(ESafeWriteStep::kCreate) ? -1 : ::mkstemp(temporary.data());
    if (fd < 0) return Fail(error, "cannot create a temporary file for", fileName);

    const char* failure = nullptr;
    int reason = 0;
    const auto fails = [&](const char* what) {
        if (failure != nullptr) return;
        failure = what;
        reason = errno;
    };
    if (Injected(ESafeWriteStep::kWrite) || !WriteAll(fd, content)) {
        fails("cannot write");
    } else if (Injected(ESafeWriteStep::kFlush) || ::fsync(fd) != 0) {
        fails("cannot flush");
    }
    if (::close(fd) != 0) fails("cannot close");
    if (failure == nullptr && (Injected(ESafeWriteStep::kRename) ||
                               std::rename(temporary.c_str(), fileName.c_str()) != 0))
        fails("cannot rename the temporary file over");
    if (failure != nullptr) {
        ::unlink(temporary.c_str());
        errno = reason;
        return Fail(error, failure, fileName);
    }
    SyncFolder(FolderOf(fileName));
    return true;
}

void FailNextSafeWriteAt(ESafeWriteStep step) {
    InjectedFailure() = step;
}

}  // namespace tolm
