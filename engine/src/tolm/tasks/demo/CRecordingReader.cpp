#include "tolm/tasks/demo/CRecordingReader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tolm {
namespace {

// Whether the text agrees with the first line's opening words as far as it goes.
bool LooksLikeFormatName(const std::string& text) {
    const std::string key = std::string(recording::kFormatName) + " ";
    const std::size_t length = std::min(text.size(), key.size());
    return text.compare(0, length, key, 0, length) == 0;
}

}  // namespace

CRecordingReader::~CRecordingReader() {
    if (myFile != nullptr) std::fclose(myFile);
}

bool CRecordingReader::Fail(const std::string& reason) {
    myError = reason;
    myDone = true;
    return false;
}

bool CRecordingReader::Open(const std::string& fileName) {
    namespace fs = std::filesystem;
    std::error_code code;
    const fs::file_status status = fs::status(fileName, code);
    if (code || !fs::exists(status)) return Fail("there is no such file");
    if (fs::is_directory(status)) return Fail("it is a directory");
    if (!fs::is_regular_file(status)) return Fail("it is not a regular file");
    const std::uintmax_t size = fs::file_size(fileName, code);
    if (code) return Fail("its size cannot be read");
    if (size > recording::kMaxFileSize) {
        return Fail("it is " + std::to_string(size) + " bytes, more than the " +
                    std::to_string(recording::kMaxFileSize) + " a recording may have");
    }
    myFile = std::fopen(fileName.c_str(), "rb");
    if (myFile == nullptr) return Fail("it cannot be opened");
    std::string line;
    for (int index = 0; index < recording::kHeaderLineCount; ++index) {
        const ELine read = ReadLine(&line);
        if (read == kNoMore && size == 0) return Fail("it is empty");
        std::string reason;
        if (read == kLine) {
            if (!recording::ParseHeaderLine(index, line, &myHeader, &reason)) return Fail(reason);
            continue;
        }
        // Even part of a first line tells a foreign file from a cut recording.
        if (index == 0 && !line.empty() && !LooksLikeFormatName(line)) {
            recording::ParseHeaderLine(0, line, &myHeader, &reason);
            return Fail(reason);
        }
        if (read == kTooLong) return false;
        return Fail("it is cut short in its header");
    }
    return true;
}

CRecordingReader::ELine CRecordingReader::ReadLine(std::string* line) {
    line->clear();
    for (;;) {
        const int c = std::fgetc(myFile);
        if (c == EOF) return line->empty() ? kNoMore : kCut;
        if (c == '\n') break;
        if (line->size() >= recording::kMaxLineLength) {
            Fail("line " + std::to_string(myLineNumber + 1) + " is longer than " +
                 std::to_string(recording::kMaxLineLength) + " bytes");
            return kTooLong;
        }
        line->push_back(static_cast<char>(c));
    }
    ++myLineNumber;
    return kLine;
}

CRecordingReader::EResult CRecordingReader::Next(recording::SPass* pass) {
    if (myFile == nullptr || myDone) return myError.empty() ? kEnd : kError;
    std::string line;
    const ELine read = ReadLine(&line);
    if (read == kTooLong) return kError;
    if (read == kNoMore || read == kCut) {
        myLostLastLine = read == kCut;
        myDone = true;
        return kEnd;
    }
    if (line == recording::kEndLine) {
        myStopped = true;
        // Nothing may follow the end; a last byte read proves there is more.
        if (std::fgetc(myFile) != EOF) {
            Fail("line " + std::to_string(myLineNumber + 1) + " follows the \"end\" line");
            return kError;
        }
        myDone = true;
        return kEnd;
    }
    std::string reason;
    if (!recording::ParsePass(line, pass, &reason)) {
        Fail("line " + std::to_string(myLineNumber) + ": " + reason);
        return kError;
    }
    return kPass;
}

bool CRecordingReader::Check(const std::string& fileName, recording::SHeader* header,
                             SSummary* summary, std::string* error) {
    CRecordingReader reader;
    *summary = SSummary();
    if (!reader.Open(fileName)) {
        *error = reader.GetError();
        return false;
    }
    *header = reader.GetHeader();
    recording::SPass pass;
    EResult result;
    while ((result = reader.Next(&pass)) == kPass) {
        summary->passes += pass.repeat;
        summary->events += pass.events.size();
    }
    if (result == kError) {
        *error = reader.GetError();
        return false;
    }
    summary->stopped = reader.IsStopped();
    summary->lostLastLine = reader.LostLastLine();
    return true;
}

}  // namespace tolm
