#include "tolm/tasks/CPlayerSettings.h"

#include <algorithm>
#include <cstdint>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace tolm {
namespace {

constexpr const char* kRootName = "settings";

// Absent is fine (still unknown); present must be a whole number in range.
bool ReadField(const CPlayerFile::Fields& fields, const char* name, std::int64_t high,
               std::optional<std::int64_t>* value) {
    const auto found = fields.find(name);
    if (found == fields.end()) return true;
    std::int64_t read = 0;
    if (!CPlayerFile::ParseNumber(found->second, 0, high, &read)) return false;
    *value = read;
    return true;
}

}  // namespace

void CPlayerSettings::Open(const std::string& fileName) {
    *this = CPlayerSettings();
    myOpen = true;
    myFile = CPlayerFile(fileName, kRootName);
    CPlayerFile::Fields fields;
    if (myFile.Read(fields) != CPlayerFile::ERead::kRead) return;
    if (!Apply(fields)) myFile.SetAside("a value is out of range");
}

bool CPlayerSettings::Apply(const CPlayerFile::Fields& fields) {
    std::optional<std::int64_t> volume;
    std::optional<std::int64_t> muted;
    std::optional<std::int64_t> fullscreen;
    if (!ReadField(fields, "volume", kMaxVolume, &volume) ||
        !ReadField(fields, "mute", 1, &muted) || !ReadField(fields, "fullscreen", 1, &fullscreen))
        return false;
    if (volume) myVolume = static_cast<int>(*volume);
    if (muted) myMuted = *muted != 0;
    if (fullscreen) myFullscreen = *fullscreen != 0;
    return true;
}

int CPlayerSettings::Clamped(int volume) {
    return std::clamp(volume, 0, kMaxVolume);
}

void CPlayerSettings::SetVolume(int volume) {
    if (!myOpen || myVolume == Clamped(volume)) return;
    myVolume = Clamped(volume);
    Save();
}

void CPlayerSettings::SetMuted(bool muted) {
    if (!myOpen || myMuted == muted) return;
    myMuted = muted;
    Save();
}

void CPlayerSettings::SetFullscreen(bool fullscreen) {
    if (!myOpen || myFullscreen == fullscreen) return;
    myFullscreen = fullscreen;
    Save();
}

void CPlayerSettings::Save() {
    CPlayerFile::Fields fields;
    if (myVolume) fields["volume"] = std::to_string(*myVolume);
    if (myMuted) fields["mute"] = *myMuted ? "1" : "0";
    if (myFullscreen) fields["fullscreen"] = *myFullscreen ? "1" : "0";
    myFile.Write(fields);
}

CPlayerSettings& PlayerSettings() {
    return *CSingletonPtr<CPlayerSettings>::Get();
}

}  // namespace tolm
