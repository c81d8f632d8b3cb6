#include "tolm/utils/media/CheckSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tolm::media {

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

CMediaVerdict Refuse(CMediaVerdict verdict, const std::string& reason) {
    verdict.allowed = false;
    verdict.reason = reason;
    return verdict;
}

CMediaVerdict Allow(CMediaVerdict verdict) {
    verdict.allowed = true;
    verdict.reason.clear();
    return verdict;
}

std::string LowerExtension(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    const std::size_t slash = name.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string Dimensions(std::int64_t w, std::int64_t h) {
    return Str(w) + " x " + Str(h);
}

}  // namespace tolm::media
