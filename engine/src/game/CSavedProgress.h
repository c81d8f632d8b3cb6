// What the game keeps of the player's progress between runs, in "progress.xml" in the
// player's folder: the level reached and the score at its start, so that the title can offer
// to go on there, and whether the game was ever finished with the best final score. The
// game task opens it at its start; the level flow records into it. Process-wide, created on
// first use; it owns its file object.
#ifndef GAME_CSAVEDPROGRESS_H
#define GAME_CSAVEDPROGRESS_H

#include <cstdint>
#include <string>

#include "tolm/Services.h"
#include "tolm/utils/files/CPlayerFile.h"

namespace game {

class CSavedProgress {
public:
    static constexpr const char* kFileName = "progress.xml";

    // Reads the file. A missing file, or one set aside, leaves the defaults: level 1, score 0,
    // never finished. With an empty name (tests, tools, no home) nothing is kept at all: the
    // records change nothing and the title offers no choice.
    void Open(const std::string& fileName);

    // A level was won and `nextLevelIndex` (1..7) is to be played from `score`.
    void RecordLevelReached(std::int32_t nextLevelIndex, std::uint32_t score);
    // The last level was won with `finalScore`: the next game begins at level 1.
    void RecordFinished(std::uint32_t finalScore);
    // The player chose to start again from level 1; the finished game's best score stays.
    void RecordNewGame();

    // The level index to go on at; 0 when there is nothing to go on with.
    std::int32_t GetLevelIndex() const { return myLevelIndex; }
    std::uint32_t GetScoreAtLevelStart() const { return myScoreAtLevelStart; }
    bool IsFinished() const { return myFinished; }
    std::uint32_t GetBestScore() const { return myBestScore; }
    bool CanContinue() const { return myLevelIndex > 0; }
    bool IsKept() const { return !myFile.GetFileName().empty(); }

    const tolm::CPlayerFile& GetFile() const { return myFile; }

private:
    bool Apply(const tolm::CPlayerFile::Fields& fields);
    void Save();

    tolm::CPlayerFile myFile;
    std::int32_t myLevelIndex = 0;
    std::uint32_t myScoreAtLevelStart = 0;
    bool myFinished = false;
    std::uint32_t myBestScore = 0;
};

}  // namespace game

#endif
