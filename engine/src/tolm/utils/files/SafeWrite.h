// Writes a whole file so that a crash or a power cut at any moment leaves either the old
// content or the new one, never a mix: the text goes to a temporary file in the same folder,
// is flushed to the disk, and only then renamed over the old file. A failure leaves the old
// file as it was and removes the temporary one.
#ifndef TOLM_UTILS_FILES_SAFEWRITE_H
#define TOLM_UTILS_FILES_SAFEWRITE_H

#include <string>

namespace tolm {

// The steps of a safe write, in order; tests make one of them fail.
enum class ESafeWriteStep { kCreate, kWrite, kFlush, kRename };

// True when the file now holds exactly the content. Otherwise false, and the reason (which
// names the file and the system's explanation) in *error when given.
bool WriteFileSafely(const std::string& fileName, const std::string& content,
                     std::string* error = nullptr);

// Makes the next safe write fail at that step as if the system had refused it, leaving what a
// crash at that moment would leave (the temporary file is still removed). For tests.
void FailNextSafeWriteAt(ESafeWriteStep step);

}  // namespace tolm

#endif
