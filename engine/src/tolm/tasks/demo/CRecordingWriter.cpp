#include "tolm/tasks/demo/CRecordingWriter.h"

#include <cerrno>
#include <cstring>

namespace tolm {

CRecordingWriter::~CRecordingWriter() {
    Close();
}

bool CRecordingWriter::Open(const std::string& fileName, const recording::SHeader& header,
                            std::string* error) {
    Close();
    myFile = std::fopen(fileName.c_str(), "wb");
    if (myFile == nullptr) {
        *error = std::strerror(errno);
        return false;
    }
    // The buffer is ours; stdio would only copy it once more.
    std::setvbuf(myFile, nullptr, _IONBF, 0);
    myBuffer = recording::HeaderText(header);
    myRunCount = 0;
    myPasses = 0;
    myBytesWritten = 0;
    myHealthy = true;
    myWroteOnce = false;
    Write();
    return true;
}

void CRecordingWriter::AddPass(types::ticks delta) {
    if (myFile == nullptr) return;
    ++myPasses;
    if (myRunCount > 0 && (delta != myRunDelta || myRunCount == recording::kMaxRepeat)) EndRun();
    myRunDelta = delta;
    ++myRunCount;
}

void CRecordingWriter::AddPass(types::ticks delta,
                               const std::vector<recording::SRecordedEvent>& events) {
    if (events.empty()) {
        AddPass(delta);
        return;
    }
    if (myFile == nullptr) return;
    ++myPasses;
    EndRun();
    recording::SPass pass;
    pass.delta = delta;
    pass.events = events;
    const std::size_t before = myBuffer.size();
    recording::AppendPass(pass, &myBuffer);
    // A reader refuses longer lines; such a flood of input in one pass keeps what fits.
    while (myBuffer.size() - before > recording::kMaxLineLength) {
        pass.events.resize(pass.events.size() / 2);
        myBuffer.resize(before);
        recording::AppendPass(pass, &myBuffer);
    }
}

void CRecordingWriter::EndRun() {
    if (myRunCount == 0) return;
    recording::SPass pass;
    pass.delta = myRunDelta;
    pass.repeat = myRunCount;
    recording::AppendPass(pass, &myBuffer);
    myRunCount = 0;
}

bool CRecordingWriter::FlushIfDue(types::ticks now) {
    if (myFile == nullptr || (myBuffer.empty() && myRunCount == 0)) return false;
    if (myWroteOnce && now - myLastWrite < kFlushInterval) return false;
    myLastWrite = now;
    myWroteOnce = true;
    EndRun();
    Write();
    return true;
}

void CRecordingWriter::Write() {
    if (myBuffer.empty() || myFile == nullptr) return;
    if (myHealthy) {
        const std::size_t written = std::fwrite(myBuffer.data(), 1, myBuffer.size(), myFile);
        myBytesWritten += written;
        myHealthy = written == myBuffer.size();
    }
    myBuffer.clear();
}

void CRecordingWriter::Close() {
    if (myFile == nullptr) return;
    EndRun();
    myBuffer += recording::kEndLine;
    myBuffer += '\n';
    Write();
    std::fclose(myFile);
    myFile = nullptr;
}

}  // namespace tolm
