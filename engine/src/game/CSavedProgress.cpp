#include "game/CSavedProgress.h"

#include <algorithm>
#include <limits>

#include "game/CLevelTable.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace game {
namespace {

constexpr const char* kRootName = "progress";
constexpr std::int64_t kMaxScore = std::numeric_limits<std::uint32_t>::max();

bool Number(const tolm::CPlayerFile::Fields& fields, const char* name, std::int64_t high,
            std::int64_t* value) {
    const auto found = fields.find(name);
    return found != fields.end() && tolm::CPlayerFile::ParseNumber(found->second, 0, high, value);
}

}  // namespace

void CSavedProgress::Open(const std::string& fileName) {
    *this = CSavedProgress();
    myFile = tolm::CPlayerFile(fileName, kRootName);
    tolm::CPlayerFile::Fields fields;
    if (myFile.Read(fields) != tolm::CPlayerFile::ERead::kRead) return;
    // Apply changes nothing unless every field is good.
    if (!Apply(fields)) myFile.SetAside("a field is missing or out of range");
}

bool CSavedProgress::Apply(const tolm::CPlayerFile::Fields& fields) {
    std::int64_t level = 0;
    std::int64_t score = 0;
    std::int64_t finished = 0;
    std::int64_t best = 0;
    if (!Number(fields, "level", CLevelTable::kLevelCount - 1, &level) ||
        !Number(fields, "score", kMaxScore, &score) || !Number(fields, "finished", 1, &finished) ||
        !Number(fields, "best", kMaxScore, &best))
        return false;
    myLevelIndex = static_cast<std::int32_t>(level);
    myScoreAtLevelStart = static_cast<std::uint32_t>(score);
    myFinished = finished != 0;
    myBestScore = static_cast<std::uint32_t>(best);
    return true;
}

void CSavedProgress::RecordLevelReached(std::int32_t nextLevelIndex, std::uint32_t score) {
    if (!IsKept() || nextLevelIndex <= 0 || nextLevelIndex >= CLevelTable::kLevelCount) return;
    myLevelIndex = nextLevelIndex;
    myScoreAtLevelStart = score;
    Save();
}

void CSavedProgress::RecordFinished(std::uint32_t finalScore) {
    if (!IsKept()) return;
    myLevelIndex = 0;
    myScoreAtLevelStart = 0;
    myFinished = true;
    myBestScore = std::max(myBestScore, finalScore);
    Save();
}

void CSavedProgress::RecordNewGame() {
    if (!IsKept()) return;
    myLevelIndex = 0;
    myScoreAtLevelStart = 0;
    Save();
}

void CSavedProgress::Save() {
    myFile.Write({{"level", std::to_string(myLevelIndex)},
                  {"score", std::to_string(myScoreAtLevelStart)},
                  {"finished", myFinished ? "1" : "0"},
                  {"best", std::to_string(myBestScore)}});
}

CSavedProgress& SavedProgress() {
    return *tolm::CSingletonPtr<CSavedProgress>::Get();
}

}  // namespace game
