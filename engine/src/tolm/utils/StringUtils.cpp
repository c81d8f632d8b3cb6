#include "tolm/utils/StringUtils.h"

#include <cctype>

namespace tolm {

std::string Trim(const std::string& s) {
    const char* blanks = " \t";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

std::string StringReplace(const std::string& what, const std::string& with, const std::string& in,
                          int count) {
    std::string result = in;
    if (what.empty()) return result;
    std::string::size_type pos = 0;
    for (int done = 0; count < 0 || done < count; ++done) {
        pos = result.find(what, pos);
        if (pos == std::string::npos) break;
        result.replace(pos, what.size(), with);
        // Searching on from the replacement itself can only loop forever when `with` holds
        // `what` and no count bounds it; only then does the search skip past it.
        if (count < 0 && with.find(what) != std::string::npos) pos += with.size();
    }
    return result;
}

std::string::size_type FindFirstOfOutsideQuotes(const std::string& chars, const std::string& s,
                                                std::string::size_type start) {
    bool inQuotes = false;
    for (std::string::size_type i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            inQuotes = !inQuotes;
            continue;
        }
        if (i >= start && !inQuotes && chars.find(c) != std::string::npos) return i;
    }
    return std::string::npos;
}

std::string ToUpper(const std::string& s) {
    std::string result = s;
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace tolm
