#include "tolm/tasks/demo/RecordingFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tolm::recording {
namespace {

// The widest value any field may take; keeps every number inside an int.
constexpr std::int64_t kMaxCoordinate = 1000000;
constexpr std::int64_t kMaxCode = 0xFFFF;
constexpr std::int64_t kMaxTicks = 0xFFFFFFFFll;

// Reads a decimal whole number (an optional '-' only when allowNegative) in [low, high]
// starting at *at; moves *at past it.
bool ReadNumber(const std::string& text, std::size_t* at, std::int64_t low, std::int64_t high,
                std::int64_t* value) {
    std::size_t i = *at;
    const bool negative = i < text.size() && text[i] == '-' && low < 0;
    if (negative) ++i;
    const std::size_t first = i;
    std::int64_t number = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (i - first >= 10) return false;
        number = number * 10 + (text[i] - '0');
        ++i;
    }
    if (i == first) return false;
    if (negative) number = -number;
    if (number < low || number > high) return false;
    *value = number;
    *at = i;
    return true;
}

bool ReadWhole(const std::string& text, std::int64_t low, std::int64_t high, std::int64_t* value) {
    std::size_t at = 0;
    return ReadNumber(text, &at, low, high, value) && at == text.size();
}

// A seed or a generator state: a finite number written with every digit it needs.
bool ReadReal(const std::string& text, double* value) {
    if (text.empty() || text.size() > 32) return false;
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(read)) return false;
    *value = read;
    return true;
}

std::string Real(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

struct SEventSyntax {
    char letter;
    SInputEvent::EKind kind;
    bool pair;
    std::int64_t low;
    std::int64_t high;
};

// Every event's letter and the range of its numbers.
constexpr SEventSyntax kEvents[] = {
    {'m', SInputEvent::kPointerMoved, true, -kMaxCoordinate, kMaxCoordinate},
    {'d', SInputEvent::kButtonDown, false, 0, kMaxCode},
    {'u', SInputEvent::kButtonUp, false, 0, kMaxCode},
    {'k', SInputEvent::kKeyDown, false, 0, kMaxCode},
    {'r', SInputEvent::kKeyUp, false, 0, kMaxCode},
    {'c', SInputEvent::kCharacter, false, 1, kMaxCode},
    {'a', SInputEvent::kActivity, false, 0, 1},
    {'s', SInputEvent::kResize, true, 0, kMaxCoordinate},
    {'q', SInputEvent::kQuit, false, 0, 0},
};

const SEventSyntax* SyntaxOf(char letter) {
    for (const SEventSyntax& syntax : kEvents)
        if (syntax.letter == letter) return &syntax;
    return nullptr;
}

const SEventSyntax& SyntaxOf(SInputEvent::EKind kind) {
    for (const SEventSyntax& syntax : kEvents)
        if (syntax.kind == kind) return syntax;
    return kEvents[0];
}

bool ParseEvent(const std::string& token, int updateIndex, SRecordedEvent* event,
                std::string* error) {
    const SEventSyntax* syntax = SyntaxOf(token[0]);
    if (syntax == nullptr) {
        *error = "an unknown event \"" + token.substr(0, 16) + "\"";
        return false;
    }
    event->updateIndex = updateIndex;
    event->event = SInputEvent{syntax->kind, 0, 0};
    if (syntax->kind == SInputEvent::kQuit) {
        if (token.size() == 1) return true;
        *error = "a bad quit event \"" + token.substr(0, 16) + "\"";
        return false;
    }
    std::size_t at = 1;
    std::int64_t a = 0;
    std::int64_t b = 0;
    bool good = ReadNumber(token, &at, syntax->low, syntax->high, &a);
    if (good && syntax->pair) {
        good = at < token.size() && token[at] == ',';
        ++at;
        good = good && ReadNumber(token, &at, syntax->low, syntax->high, &b);
    }
    if (!good || at != token.size()) {
        *error = "a bad event \"" + token.substr(0, 16) + "\"";
        return false;
    }
    event->event.a = static_cast<int>(a);
    event->event.b = static_cast<int>(b);
    return true;
}

}  // namespace

std::uint64_t HashText(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string HeaderText(const SHeader& header) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(header.scriptHash));
    return std::string(kFormatName) + " " + std::to_string(kFormatVersion) + "\n" + "engine " +
           header.engine + "\n" + "script " + header.scriptName + " " + hash + "\n" + "random " +
           Real(header.seed) + " " + Real(header.randomState) + "\n" + "clock " +
           std::to_string(header.clock) + "\n";
}

bool ParseHeaderLine(int index, const std::string& line, SHeader* header, std::string* error) {
    static const char* const kKeys[] = {kFormatName, "engine", "script", "random", "clock"};
    if (index < 0 || index >= kHeaderLineCount) return false;
    const std::string key = std::string(kKeys[index]) + " ";
    if (line.compare(0, key.size(), key) != 0) {
        *error = index == 0 ? std::string("it is not a recording (it does not start with \"") +
                                  kFormatName + "\")"
                            : "its header has no \"" + key.substr(0, key.size() - 1) + "\" line";
        return false;
    }
    const std::string rest = line.substr(key.size());
    std::int64_t number = 0;
    switch (index) {
        case 0:
            if (!ReadWhole(rest, 0, kMaxTicks, &number)) {
                *error = "its format version is not a number";
                return false;
            }
            if (number != kFormatVersion) {
                *error = "it is of format version " + std::to_string(number) +
                         "; this engine reads version " + std::to_string(kFormatVersion);
                return false;
            }
            return true;
        case 1:
            header->engine = rest;
            return true;
        case 2: {
            const std::size_t space = rest.rfind(' ');
            const std::string hash = space == std::string::npos ? "" : rest.substr(space + 1);
            char* end = nullptr;
            const unsigned long long value = std::strtoull(hash.c_str(), &end, 16);
            if (space == 0 || hash.size() != 16 || end != hash.c_str() + hash.size()) {
                *error = "its script line is not a name and a 16-digit hash";
                return false;
            }
            header->scriptName = rest.substr(0, space);
            header->scriptHash = value;
            return true;
        }
        case 3: {
            const std::size_t space = rest.find(' ');
            if (space == std::string::npos || !ReadReal(rest.substr(0, space), &header->seed) ||
                !ReadReal(rest.substr(space + 1), &header->randomState)) {
                *error = "its random line is not two numbers";
                return false;
            }
            return true;
        }
        default:
            if (!ReadWhole(rest, 0, kMaxTicks, &number)) {
                *error = "its clock line is not a number of milliseconds";
                return false;
            }
            header->clock = static_cast<types::ticks>(number);
            return true;
    }
}

void AppendPass(const SPass& pass, std::string* out) {
    *out += std::to_string(pass.delta);
    if (pass.repeat > 1 && pass.events.empty()) {
        *out += '*';
        *out += std::to_string(pass.repeat);
    }
    int updateIndex = 0;
    for (const SRecordedEvent& recorded : pass.events) {
        if (recorded.updateIndex != updateIndex) {
            updateIndex = recorded.updateIndex;
            *out += " @";
            *out += std::to_string(updateIndex);
        }
        const SEventSyntax& syntax = SyntaxOf(recorded.event.kind);
        *out += ' ';
        *out += syntax.letter;
        if (syntax.kind == SInputEvent::kQuit) continue;
        *out += std::to_string(recorded.event.a);
        if (syntax.pair) {
            *out += ',';
            *out += std::to_string(recorded.event.b);
        }
    }
    *out += '\n';
}

bool ParsePass(const std::string& line, SPass* pass, std::string* error) {
    pass->events.clear();
    pass->repeat = 1;
    std::size_t at = 0;
    std::int64_t number = 0;
    if (!ReadNumber(line, &at, 0, kMaxTicks, &number)) {
        *error = "a pass line does not start with the clock's step";
        return false;
    }
    pass->delta = static_cast<types::ticks>(number);
    if (at < line.size() && line[at] == '*') {
        ++at;
        if (!ReadNumber(line, &at, 2, kMaxRepeat, &number) || at != line.size()) {
            *error = "a bad repeat count";
            return false;
        }
        pass->repeat = static_cast<std::uint32_t>(number);
        return true;
    }
    int updateIndex = 0;
    while (at < line.size()) {
        if (line[at] != ' ' || at + 1 >= line.size() || line[at + 1] == ' ') {
            *error = "events are not separated by single spaces";
            return false;
        }
        ++at;
        std::size_t end = line.find(' ', at);
        if (end == std::string::npos) end = line.size();
        const std::string token = line.substr(at, end - at);
        at = end;
        if (token[0] == '@') {
            if (!ReadWhole(token.substr(1), 0, std::numeric_limits<int>::max(), &number)) {
                *error = "a bad update number \"" + token.substr(0, 16) + "\"";
                return false;
            }
            updateIndex = static_cast<int>(number);
            continue;
        }
        SRecordedEvent event;
        if (!ParseEvent(token, updateIndex, &event, error)) return false;
        pass->events.push_back(event);
    }
    return true;
}

}  // namespace tolm::recording
