// One small file of the player's (progress, settings): a root element holding named fields,
// each a line of text, in the engine's XML format. Reading never fails the game: a file that
// cannot be read as such is moved aside to NAME.bad-<date> with a log line, and the caller
// goes on with its defaults. Writing goes through the safe write, so the old file stays
// whole when a write fails; failures give one log line per file until a write of it succeeds
// again. The safe write's flush takes about 10 ms on a disk, too long for a frame, so writes
// are queued to one writer thread, in order, and their failures are told on the main thread
// by ReportWrites. A file object with an empty name reads nothing and writes nothing.
#ifndef TOLM_UTILS_FILES_CPLAYERFILE_H
#define TOLM_UTILS_FILES_CPLAYERFILE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace tolm {

class CPlayerFile {
public:
    // Larger files are not ours: they are set aside unread.
    static constexpr std::size_t kMaxSize = 64 * 1024;

    enum class ERead { kMissing, kRead, kSetAside };
    using Fields = std::map<std::string, std::string>;

    CPlayerFile() = default;
    CPlayerFile(std::string fileName, std::string rootName);

    // The folder the player's files go to; empty (the default) keeps them unwritten, which is
    // what tests and tools get unless they choose a folder.
    static void SetFolder(const std::string& folder);
    // The name in that folder, or empty when there is none.
    static std::string PathOf(const std::string& name);

    // kRead with the fields when the file holds the root element with only text fields, each
    // named once; kMissing (nothing logged) when there is no file; otherwise the file is set
    // aside.
    ERead Read(Fields& fields);
    // For a file that was read but whose fields make no sense to the caller.
    void SetAside(const std::string& reason);
    // Queues the new content; false (nothing queued) without a file name.
    bool Write(const Fields& fields);

    // Logs the failures of the writes finished since the last report; the main loop's
    // owners call it once a frame, which costs a lock when nothing happened.
    static void ReportWrites();
    // For hosts that cannot start a thread (a web page): with onCaller, each later write is
    // done at once, inside Write, and then afterEach is called; without, writes go to the
    // writer thread again.
    static void WriteOnCaller(bool onCaller, std::function<void()> afterEach = {});
    // Waits until every queued write is done (the process entry, before it ends).
    static void WaitForWrites();
    // Waits, reports, and tells whether every write finished since the last report worked.
    static bool Settle();

    // A whole number in [low, high] from the text, or false.
    static bool ParseNumber(const std::string& text, std::int64_t low, std::int64_t high,
                            std::int64_t* value);

    const std::string& GetFileName() const { return myFileName; }
    // The name the last bad file was moved to; empty when none was.
    const std::string& GetSetAsideName() const { return mySetAsideName; }

private:
    std::string myFileName;
    std::string myRootName;
    std::string mySetAsideName;
};

}  // namespace tolm

#endif
