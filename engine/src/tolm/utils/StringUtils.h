// String helpers shared by the interpreter, the XML reader and the calculator.
#ifndef TOLM_UTILS_STRINGUTILS_H
#define TOLM_UTILS_STRINGUTILS_H

#include <string>

namespace tolm {

// Removes blanks and tabs from both ends; a string of only blanks and tabs becomes empty.
std::string Trim(const std::string& s);

// Replaces occurrences of `what` in a copy of `in`, at most `count` of them (-1: all). Each
// search resumes at the position of the last replacement, except that with no bound (-1) a
// `with` holding `what` is skipped, which would otherwise loop forever. An empty `what`
// replaces nothing.
std::string StringReplace(const std::string& what, const std::string& with, const std::string& in,
                          int count = -1);

// Position of the first character of `s` at or after `start` that is one of `chars` and not
// between a double quote and the next one; characters after an unclosed quote are never
// found. Returns std::string::npos when there is none.
std::string::size_type FindFirstOfOutsideQuotes(const std::string& chars, const std::string& s,
                                                std::string::size_type start = 0);

// Upper-cases byte by byte with toupper.
std::string ToUpper(const std::string& s);

}  // namespace tolm

#endif
