// The player's settings kept between runs in "settings.xml": the volume, mute and full screen
// as last set in the game or the console. The window and audio tasks take them when they
// start, in place of their start parameters, and record each later change here, which writes
// the file at once. Nothing is known or recorded until the process entry opens the settings,
// so tests and tools start every task with its own parameters. Process-wide, created on first
// use; it owns its file object.
#ifndef TOLM_TASKS_CPLAYERSETTINGS_H
#define TOLM_TASKS_CPLAYERSETTINGS_H

#include <optional>
#include <string>

#include "tolm/Services.h"
#include "tolm/utils/files/CPlayerFile.h"

namespace tolm {

class CPlayerSettings {
public:
    static constexpr const char* kFileName = "settings.xml";
    static constexpr int kMaxVolume = 128;

    // Reads the file; an empty name keeps the settings for this run only. A field that is
    // missing stays unknown; a file that cannot be read, or holds a value out of range, is
    // set aside and every setting is unknown.
    void Open(const std::string& fileName);
    bool IsOpen() const { return myOpen; }

    // Unknown values leave the task's own.
    std::optional<int> GetVolume() const { return myVolume; }
    std::optional<bool> GetMuted() const { return myMuted; }
    std::optional<bool> GetFullscreen() const { return myFullscreen; }

    // A change made in the game or the console: kept, and written when it changes the file.
    // Ignored until the settings are open.
    void SetVolume(int volume);
    void SetMuted(bool muted);
    void SetFullscreen(bool fullscreen);

    // For this run only (the command line): taken by the tasks like a kept value, written only
    // along with a later change.
    void OverrideVolume(int volume) { myVolume = Clamped(volume); }
    void OverrideMuted(bool muted) { myMuted = muted; }
    void OverrideFullscreen(bool fullscreen) { myFullscreen = fullscreen; }

    const CPlayerFile& GetFile() const { return myFile; }

private:
    static int Clamped(int volume);
    bool Apply(const CPlayerFile::Fields& fields);
    void Save();

    CPlayerFile myFile;
    bool myOpen = false;
    std::optional<int> myVolume;
    std::optional<bool> myMuted;
    std::optional<bool> myFullscreen;
};

}  // namespace tolm

#endif
