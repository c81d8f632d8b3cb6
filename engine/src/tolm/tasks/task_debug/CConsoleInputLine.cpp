#include "tolm/tasks/task_debug/CConsoleInputLine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tolm/platform/WebPlatform.h"
#include "tolm/utils/StringUtils.h"
#include "tolm/utils/files/SafeWrite.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

// SDL 1.2 key symbols of the editing keys.
constexpr int kKeyBackspace = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyDelete = 127;
constexpr int kKeyPadEnter = 271;
constexpr int kKeyUp = 273;
constexpr int kKeyDown = 274;
constexpr int kKeyRight = 275;
constexpr int kKeyLeft = 276;
constexpr int kKeyHome = 278;
constexpr int kKeyEnd = 279;

// What the line can hold: printable ASCII.
bool IsTypable(int c) {
    return c >= 32 && c <= 126;
}

// One line of a history file as the command line could hold it: characters that cannot be
// typed (line-end CRs among them) are dropped and the rest is cut to kMaxLength, without
// keeping more of an endless line in memory. False at the end of the file.
bool ReadHistoryLine(std::streambuf& in, std::string& line) {
    line.clear();
    int c = in.sbumpc();
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = in.sbumpc()) {
        if (IsTypable(c) && line.size() < CConsoleInputLine::kMaxLength) {
            line += static_cast<char>(c);
        }
    }
    return true;
}

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool HasLowerCase(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::islower(static_cast<unsigned char>(c)); });
}

}  // namespace

CConsoleInputLine::CConsoleInputLine(const std::string& historyFile) : myHistoryFile(historyFile) {
    LoadHistory();
    myBrowse = myHistory.size();
}

void CConsoleInputLine::LoadHistory() {
    if (myHistoryFile.empty()) return;
    std::error_code error;
    const auto type = std::filesystem::status(myHistoryFile, error).type();
    if (type == std::filesystem::file_type::not_found) return;
    // A pipe or a device may never open or never end, and a directory holds no lines; the
    // history then stays in memory, so that saving cannot block either.
    if (type != std::filesystem::file_type::regular) {
        Logger().Warning() << "[WARNING] The console history " << myHistoryFile
                           << " is not a regular file; the history is not kept in it\n";
        myHistoryFile.clear();
        return;
    }
    std::ifstream in(myHistoryFile, std::ios::binary);
    std::string line;
    while (in && ReadHistoryLine(*in.rdbuf(), line)) {
        if (Trim(line).empty()) continue;
        myHistory.push_back(line);
        if (myHistory.size() > kHistorySize) myHistory.pop_front();
    }
}

void CConsoleInputLine::SaveHistory() const {
    if (myHistoryFile.empty()) return;
    // Written whole or not at all, so that a crash while saving keeps the old history.
    std::string text;
    for (const std::string& line : myHistory) text += line + '\n';
    if (WriteFileSafely(myHistoryFile, text)) platform::KeepPlayerFiles();
}

CConsoleInputLine::Result CConsoleInputLine::OnKey(int key) {
    switch (key) {
        case kKeyReturn:
        case kKeyPadEnter:
            return kExecute;
        case kKeyBackspace:
            if (myCursor == 0) return kNothing;
            myText.erase(--myCursor, 1);
            return kEdited;
        case kKeyDelete:
            if (myCursor >= myText.size()) return kNothing;
            myText.erase(myCursor, 1);
            return kEdited;
        case kKeyLeft:
            if (myCursor == 0) return kNothing;
            --myCursor;
            return kEdited;
        case kKeyRight:
            if (myCursor >= myText.size()) return kNothing;
            ++myCursor;
            return kEdited;
        case kKeyHome:
            myCursor = 0;
            return kEdited;
        case kKeyEnd:
            myCursor = myText.size();
            return kEdited;
        case kKeyUp:
            BrowseHistory(-1);
            return kEdited;
        case kKeyDown:
            BrowseHistory(1);
            return kEdited;
        case kKeyTab:
            Complete(myNames);
            return kEdited;
        default:
            return kNothing;
    }
}

CConsoleInputLine::Result CConsoleInputLine::OnCharacter(std::uint16_t unicode) {
    if (!IsTypable(unicode) || myText.size() >= kMaxLength) return kNothing;
    myText.insert(myCursor++, 1, static_cast<char>(unicode));
    return kEdited;
}

std::string CConsoleInputLine::TakeLine() {
    std::string line = myText;
    SetText(std::string());
    myDraft.clear();
    if (!Trim(line).empty() && (myHistory.empty() || myHistory.back() != line)) {
        myHistory.push_back(line);
        if (myHistory.size() > kHistorySize) myHistory.pop_front();
        SaveHistory();
    }
    myBrowse = myHistory.size();
    return line;
}

void CConsoleInputLine::BrowseHistory(int step) {
    if (myHistory.empty()) return;
    if (myBrowse == myHistory.size()) myDraft = myText;
    if (step < 0) {
        if (myBrowse == 0) return;
        --myBrowse;
    } else {
        if (myBrowse == myHistory.size()) return;
        ++myBrowse;
    }
    SetText(myBrowse == myHistory.size() ? myDraft : myHistory[myBrowse]);
}

void CConsoleInputLine::SetText(const std::string& text) {
    myText = text;
    myCursor = myText.size();
}

std::vector<std::string> CConsoleInputLine::Complete(const std::vector<std::string>& names) {
    std::size_t start = myCursor;
    while (start > 0 && IsWordCharacter(myText[start - 1])) --start;
    const std::string word = myText.substr(start, myCursor - start);
    myLastMatches.clear();
    if (word.empty()) return myLastMatches;
    const std::string key = Lower(word);
    for (const std::string& name : names) {
        const std::string candidate = Lower(name);
        if (candidate.compare(0, key.size(), key) == 0 &&
            std::find(myLastMatches.begin(), myLastMatches.end(), candidate) == myLastMatches.end())
            myLastMatches.push_back(candidate);
    }
    if (myLastMatches.empty()) return myLastMatches;
    std::sort(myLastMatches.begin(), myLastMatches.end());
    std::string common = myLastMatches.front();
    for (const std::string& match : myLastMatches) {
        std::size_t same = 0;
        while (same < common.size() && same < match.size() && common[same] == match[same]) ++same;
        common.resize(same);
    }
    if (!HasLowerCase(word)) {
        for (char& c : common) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (myText.size() - word.size() + common.size() > kMaxLength) return myLastMatches;
    myText.replace(start, word.size(), common);
    myCursor = start + common.size();
    return myLastMatches;
}

}  // namespace tolm
