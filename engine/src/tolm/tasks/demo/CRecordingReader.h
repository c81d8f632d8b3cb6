// Reads a recording file (RecordingFormat.h) as a stream, pass line by pass line, so that
// memory stays at one line however long the file is. Open refuses, with one reason, what is
// missing, a folder, too large, not a recording, of another format version, or cut short
// inside its header. A last line without its "\n" is what a kill leaves mid-write: it is
// dropped and the recording is whole up to the pass before it. Check walks a whole file so
// that a replay can refuse a broken one before it starts.
#ifndef TOLM_TASKS_DEMO_CRECORDINGREADER_H
#define TOLM_TASKS_DEMO_CRECORDINGREADER_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "tolm/tasks/demo/RecordingFormat.h"

namespace tolm {

class CRecordingReader {
public:
    enum EResult { kPass, kEnd, kError };

    // What a whole walk found.
    struct SSummary {
        std::uint64_t passes = 0;
        std::uint64_t events = 0;
        bool stopped = false;       // it ends with the "end" line
        bool lostLastLine = false;  // its last line was cut mid-write and is left out
    };

    CRecordingReader() = default;
    ~CRecordingReader();
    CRecordingReader(const CRecordingReader&) = delete;
    CRecordingReader& operator=(const CRecordingReader&) = delete;

    // Opens the file and reads its header; false with the reason in GetError.
    bool Open(const std::string& fileName);
    // The next pass line; kEnd after the last one (or the "end" line), kError with the reason
    // (and its line number) in GetError.
    EResult Next(recording::SPass* pass);

    const recording::SHeader& GetHeader() const { return myHeader; }
    const std::string& GetError() const { return myError; }
    bool IsStopped() const { return myStopped; }
    bool LostLastLine() const { return myLostLastLine; }

    // Opens and walks the whole file; false with the reason in *error.
    static bool Check(const std::string& fileName, recording::SHeader* header, SSummary* summary,
                      std::string* error);

private:
    enum ELine { kLine, kNoMore, kCut, kTooLong };
    ELine ReadLine(std::string* line);
    bool Fail(const std::string& reason);

    std::FILE* myFile = nullptr;
    recording::SHeader myHeader;
    std::string myError;
    std::uint64_t myLineNumber = 0;
    bool myStopped = false;
    bool myLostLastLine = false;
    bool myDone = false;
};

}  // namespace tolm

#endif
