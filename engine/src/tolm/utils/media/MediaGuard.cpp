#include "tolm/utils/media/MediaGuard.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/media/CByteWindow.h"
#include "tolm/utils/media/CheckSupport.h"
#include "tolm/utils/media/PictureHeaders.h"
#include "tolm/utils/media/SoundHeaders.h"

namespace tolm::media {
namespace {

template <class TCheck>
CMediaVerdict CheckFile(const std::string& file, TCheck check) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return Refuse(CMediaVerdict(), "cannot be opened: " +
                                           (error ? error.message() : std::string("no such file")));
    if (std::filesystem::is_directory(status)) return Refuse(CMediaVerdict(), "is a directory");
    if (!std::filesystem::is_regular_file(status))
        return Refuse(CMediaVerdict(), "is not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return Refuse(CMediaVerdict(), "cannot be read: " + error.message());
    std::FILE* stream = std::fopen(file.c_str(), "rb");
    if (stream == nullptr)
        return Refuse(CMediaVerdict(), std::string("cannot be opened: ") + std::strerror(errno));
    // Every read is one small piece at a chosen offset; a stream buffer would only add copies.
    std::setvbuf(stream, nullptr, _IONBF, 0);
    CByteWindow in(stream, size);
    CMediaVerdict verdict = check(in);
    std::fclose(stream);
    return verdict;
}

struct CRefusals {
    std::set<std::string> files;       // use and file name; pictures and icons only
    std::set<std::string> transforms;  // subject and reason
};

CRefusals& Refusals() {
    return *CSingletonPtr<CRefusals>::Get();
}

const char* UseName(EUse use) {
    switch (use) {
        case EUse::kPicture:
            return "picture";
        case EUse::kIcon:
            return "window icon";
        case EUse::kEffect:
            return "sound effect";
        case EUse::kMusic:
            return "music";
    }
    return "file";
}

std::string Key(const std::string& file, EUse use) {
    return std::string(UseName(use)) + '\n' + file;
}

// The game asks for the same picture for every bubble, so a picture's refusal is kept and
// said once. A sound is tried afresh at each play: one mended on disk plays at the next.
bool Remembered(EUse use) {
    return use == EUse::kPicture || use == EUse::kIcon;
}

}  // namespace

CMediaVerdict CheckPicture(const std::uint8_t* data, std::size_t size, const std::string& name,
                           EUse use) {
    CByteWindow in(data, size);
    return CheckPictureIn(in, name, use);
}

CMediaVerdict CheckSound(const std::uint8_t* data, std::size_t size, const std::string& name,
                         EUse use, int deviceRate) {
    CByteWindow in(data, size);
    return CheckSoundIn(in, name, use, deviceRate);
}

CMediaVerdict CheckPictureFile(const std::string& file, EUse use) {
    return CheckFile(file, [&](CByteWindow& in) { return CheckPictureIn(in, file, use); });
}

CMediaVerdict CheckSoundFile(const std::string& file, EUse use, int deviceRate) {
    return CheckFile(file,
                     [&](CByteWindow& in) { return CheckSoundIn(in, file, use, deviceRate); });
}

CMediaVerdict CheckScale(int srcW, int srcH, int dstW, int dstH) {
    CMediaVerdict verdict;
    verdict.width = dstW;
    verdict.height = dstH;
    const std::string from = Dimensions(srcW, srcH), to = Dimensions(dstW, dstH);
    if (srcW < 1 || srcH < 1) return Refuse(verdict, "has no pixels to scale");
    if (dstW < 1 || dstH < 1) return Refuse(verdict, "cannot be scaled to " + to);
    if (srcW > kMaxTransformSide || srcH > kMaxTransformSide || dstW > kMaxTransformSide ||
        dstH > kMaxTransformSide)
        return Refuse(verdict, "cannot be scaled from " + from + " to " + to +
                                   ": sides are at most 16384 pixels");
    if (std::int64_t{dstW} * dstH > kMaxPicturePixels)
        return Refuse(verdict, "cannot be scaled to " + to + ", more than 64 M pixels");
    if (std::int64_t{dstW} * kMaxShrink < srcW || std::int64_t{dstH} * kMaxShrink < srcH)
        return Refuse(verdict,
                      "cannot be shrunk from " + from + " to " + to + ", more than 1000 times");
    return Allow(verdict);
}

CMediaVerdict CheckRotate(int srcW, int srcH) {
    CMediaVerdict verdict;
    verdict.width = srcW;
    verdict.height = srcH;
    if (srcW < 1 || srcH < 1) return Refuse(verdict, "has no pixels to rotate");
    if (srcW > kMaxTransformSide || srcH > kMaxTransformSide)
        return Refuse(verdict, "cannot be rotated: it is " + Dimensions(srcW, srcH) +
                                   " and sides are at most 16384 pixels");
    // Turned by 45 degrees the picture needs a square of (w + h) / sqrt(2) a side.
    const std::int64_t span = std::int64_t{srcW} + srcH;
    if (span * span / 2 > kMaxPicturePixels)
        return Refuse(verdict, "cannot be rotated: turned it could need more than 64 M pixels");
    return Allow(verdict);
}

bool Admit(const std::string& file, EUse use, int deviceRate) {
    const bool remembered = Remembered(use);
    if (remembered && Refusals().files.count(Key(file, use)) != 0) return false;
    const CMediaVerdict verdict =
        remembered ? CheckPictureFile(file, use) : CheckSoundFile(file, use, deviceRate);
    if (verdict.allowed) return true;
    if (remembered) Refusals().files.insert(Key(file, use));
    Logger().Warning() << "[WARNING] Refused the " << UseName(use) << " \"" << file << "\": it "
                       << verdict.reason << "\n";
    return false;
}

void ReportFailure(const std::string& file, EUse use, const std::string& reason) {
    if (Remembered(use) && !Refusals().files.insert(Key(file, use)).second) return;
    if (reason.empty()) return;
    Logger().Warning() << "[WARNING] Could not load the " << UseName(use) << " \"" << file
                       << "\": " << reason << "\n";
}

void ReportRefusedTransform(const std::string& subject, const std::string& reason) {
    if (!Refusals().transforms.insert(subject + '\n' + reason).second) return;
    Logger().Warning() << "[WARNING] Refused to transform " << subject << ": it " << reason << "\n";
}

void ForgetRefusals() {
    CSingletonPtr<CRefusals>::Delete();
}

}  // namespace tolm::media
