#include "tolm/utils/media/SoundHeaders.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <map>

#include "tolm/utils/media/CheckSupport.h"

namespace tolm::media {
namespace {

bool RateAllowed(CMediaVerdict& verdict, int deviceRate) {
    const std::int64_t rate = verdict.rate;
    if (rate < kMinSoundRate || rate > kMaxSoundRate) {
        verdict = Refuse(verdict, "plays at " + Str(rate) + " Hz, outside 4000 to 192000 Hz");
        return false;
    }
    if (deviceRate > 0 &&
        (rate > std::int64_t{deviceRate} * kMaxRateRatio || rate * kMaxRateRatio < deviceRate)) {
        verdict =
            Refuse(verdict, "plays at " + Str(rate) + " Hz, more than 8 times off the device's " +
                                Str(deviceRate) + " Hz");
        return false;
    }
    return true;
}

bool ChannelsAllowed(CMediaVerdict& verdict) {
    const int c = verdict.channels;
    if (c == 1 || c == 2 || c == 4 || c == 6) return true;
    verdict = Refuse(verdict, "has " + Str(c) + " channels; 1, 2, 4 or 6 are played");
    return false;
}

CMediaVerdict CheckWav(CByteWindow& in, CMediaVerdict verdict, int deviceRate) {
    verdict.format = "WAV";
    bool haveFormat = false;
    std::uint64_t offset = 12;
    for (;;) {
        std::uint8_t chunk[8];
        if (!in.Read(offset, chunk, sizeof chunk))
            return Refuse(verdict,
                          haveFormat ? "ends before its samples" : "ends before its format chunk");
        const std::string id(reinterpret_cast<const char*>(chunk), 4);
        const std::uint32_t length = Le32(chunk + 4);
        const std::uint64_t end = offset + 8 + length;
        if (end > in.Size())
            return Refuse(verdict, "has its \"" + id + "\" chunk at byte " + Str(offset) +
                                       " run past the end of the file");
        if (id == "data") {
            if (!haveFormat) return Refuse(verdict, "has its samples before its format chunk");
            return Allow(verdict);
        }
        if (id == "fmt " && !haveFormat) {
            std::uint8_t format[16];
            if (length < 16 || !in.Read(offset + 8, format, sizeof format))
                return Refuse(verdict, "has a format chunk of " + Str(length) + " bytes");
            haveFormat = true;
            verdict.channels = static_cast<int>(Le16(format + 2));
            verdict.rate = static_cast<int>(std::min<std::uint32_t>(Le32(format + 4), INT_MAX));
            verdict.bits = static_cast<int>(Le16(format + 14));
            if (Le16(format) != 1)
                return Refuse(verdict, "is encoded (format " + Str(Le16(format)) +
                                           "); only plain PCM is played");
            if (!ChannelsAllowed(verdict) || !RateAllowed(verdict, deviceRate)) return verdict;
            if (verdict.bits != 8 && verdict.bits != 16)
                return Refuse(verdict,
                              "has " + Str(verdict.bits) + "-bit samples; 8 or 16 are played");
        }
        // Readers differ on the pad byte after an odd chunk; nothing odd may come first.
        if (length % 2 != 0)
            return Refuse(verdict, "has a chunk of odd length at byte " + Str(offset) +
                                       " before its samples");
        offset = end;
    }
}

CMediaVerdict CheckOgg(CByteWindow& in, CMediaVerdict verdict, int deviceRate) {
    verdict.format = "Ogg Vorbis";
    std::uint8_t page[27];
    if (!in.Read(0, page, sizeof page) || page[4] != 0)
        return Refuse(verdict, "has no valid first Ogg page");
    const std::uint64_t packet = 27 + std::uint64_t{page[26]};
    std::uint8_t firstLacing = 0;
    if (page[26] == 0 || !in.Byte(27, firstLacing) || firstLacing < 30)
        return Refuse(verdict, "has no Vorbis identification header");
    std::uint8_t id[30];
    if (!in.Read(packet, id, sizeof id) || id[0] != 1 || std::memcmp(id + 1, "vorbis", 6) != 0 ||
        Le32(id + 7) != 0)
        return Refuse(verdict, "has no Vorbis identification header");
    verdict.channels = id[11];
    verdict.rate = static_cast<int>(std::min<std::uint32_t>(Le32(id + 12), INT_MAX));
    verdict.bits = 16;
    if (!ChannelsAllowed(verdict) || !RateAllowed(verdict, deviceRate)) return verdict;
    return Allow(verdict);
}

// The formats SDL_mixer's music loader picks by a name's extension before it looks inside.
const char* FormatNamedBy(const std::string& extension) {
    static const std::map<std::string, const char*> named = {
        {"wav", "WAV"},   {"ogg", "Ogg Vorbis"}, {"mid", "MIDI"}, {"midi", "MIDI"}, {"kar", "MIDI"},
        {"flac", "FLAC"}, {"mp3", "MP3"},        {"mpg", "MP3"},  {"mpeg", "MP3"},  {"mad", "MP3"},
        {"mod", "MOD"},   {"aiff", "AIFF"},      {"voc", "VOC"}};
    const auto found = named.find(extension);
    return found == named.end() ? nullptr : found->second;
}

}  // namespace

CMediaVerdict CheckSoundIn(CByteWindow& in, const std::string& name, EUse use, int deviceRate) {
    CMediaVerdict verdict;
    if (in.Size() == 0) return Refuse(verdict, "is empty");
    std::uint8_t magic[12] = {};
    const auto have = static_cast<std::size_t>(std::min<std::uint64_t>(in.Size(), sizeof magic));
    in.Read(0, magic, have);
    if (Starts(magic, have, "RIFF") && have == 12 && std::memcmp(magic + 8, "WAVE", 4) == 0) {
        verdict = CheckWav(in, verdict, deviceRate);
    } else if (Starts(magic, have, "OggS") && use == EUse::kMusic) {
        verdict = CheckOgg(in, verdict, deviceRate);
    } else {
        return Refuse(verdict, use == EUse::kMusic
                                   ? "is not a sound format that is played (PCM WAV or Ogg Vorbis)"
                                   : "is not a sound format that is played (PCM WAV)");
    }
    if (!verdict.allowed || use != EUse::kMusic) return verdict;
    const std::string extension = LowerExtension(name);
    const char* named = FormatNamedBy(extension);
    if (named != nullptr && verdict.format != named)
        return Refuse(verdict, "is named ." + extension + " but holds " + verdict.format);
    return verdict;
}

}  // namespace tolm::media
