// The recording file: a run of the main loop kept as text, one line per pass, small enough
// that ten minutes of play take a few hundred kilobytes. This module only turns lines into
// values and back; CRecordingReader and CRecordingWriter move them to and from files.
//
//   tolm-recording 1                   format name and version
//   engine Tolm version 0.22           the engine that made it
//   script autoexec.txt 9f0c1a2b3c4d5e6f   the start-up script and a 64-bit FNV-1a hash of it
//   random 1733561234 1733561234       the seed new games take, and the generator's state
//   clock 1234                         the engine's clock (ms) before the first pass
//   16                                 a pass: the clock advanced 16 ms, no input
//   17*40                              40 passes without input, each 17 ms later
//   16 m400,300 @3 d1 u1               a pass with input: events in the order they arrived
//   end                                the recording was stopped (absent when it was cut)
//
// Events: mX,Y pointer moved; dM / uM button mask down / up; kK / rK key code down / up;
// cU typed character; a1 / a0 focus gained / lost; sW,H window resized; q window closed.
// "@N" says that the events after it arrived during the pass's task update N (counted from
// 0, in the scheduler's order); a line starts at 0. A replay feeds them again right after
// that update, so every task sees them exactly where it saw them while recording.
#ifndef TOLM_TASKS_DEMO_RECORDINGFORMAT_H
#define TOLM_TASKS_DEMO_RECORDINGFORMAT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tolm/inputdevice/CInputTap.h"
#include "tolm/types/Types.h"

namespace tolm::recording {

inline constexpr const char* kFormatName = "tolm-recording";
inline constexpr int kFormatVersion = 1;
inline constexpr const char* kEndLine = "end";
// Longer lines are not ours; the writer never makes one (see CRecordingWriter).
inline constexpr std::size_t kMaxLineLength = 64 * 1024;
// Passes one line may stand for: a replay's length stays in proportion to its file.
inline constexpr std::uint32_t kMaxRepeat = 100000;
// Days of play; anything larger is refused unread.
inline constexpr std::uint64_t kMaxFileSize = 64ull * 1024 * 1024;

struct SHeader {
    std::string engine;
    std::string scriptName;
    std::uint64_t scriptHash = 0;
    double seed = 0.0;
    double randomState = 0.0;
    types::ticks clock = 0;
};

struct SRecordedEvent {
    int updateIndex = 0;
    SInputEvent event;

    bool operator==(const SRecordedEvent& other) const {
        return updateIndex == other.updateIndex && event == other.event;
    }
};

struct SPass {
    types::ticks delta = 0;
    // Passes this line stands for; more than one only without events.
    std::uint32_t repeat = 1;
    std::vector<SRecordedEvent> events;
};

// 64-bit FNV-1a.
std::uint64_t HashText(const std::string& text);

// The five header lines, each ending in "\n".
std::string HeaderText(const SHeader& header);

// Reads header line number `index` (0 to 4, without its "\n") into the header; false with
// the reason when it is not that line.
bool ParseHeaderLine(int index, const std::string& line, SHeader* header, std::string* error);
inline constexpr int kHeaderLineCount = 5;

// Appends one pass line with its "\n".
void AppendPass(const SPass& pass, std::string* out);

// Reads a pass line (without its "\n"); false with the reason when it is not one.
bool ParsePass(const std::string& line, SPass* pass, std::string* error);

}  // namespace tolm::recording

#endif
