// A value kept as its text, as XML attribute values and element contents are. Conversion
// to and from typed values goes through standard stream formatting; the container owns
// only its text.
#ifndef TOLM_UTILS_XML_CANYCONTAINER_H
#define TOLM_UTILS_XML_CANYCONTAINER_H

#include <limits>
#include <sstream>
#include <string>
#include <type_traits>

namespace tolm {

class CAnyContainer {
public:
    CAnyContainer() = default;
    CAnyContainer(std::string text) : myText(std::move(text)) {}
    CAnyContainer(const char* text) : myText(text != nullptr ? text : "") {}

    const std::string& GetString() const { return myText; }
    void SetString(const std::string& text) { myText = text; }

    template <class T>
    void Set(const T& value) {
        myText = Format(value);
    }

    // Converts the text into `out`; on failure `out` keeps its value and false is returned.
    template <class T>
    bool Get(T& out) const {
        return Parse(myText, out);
    }

    // The converted value, or `fallback` when the text does not convert.
    template <class T>
    T As(T fallback = T()) const {
        Parse(myText, fallback);
        return fallback;
    }

    bool operator==(const CAnyContainer& other) const { return myText == other.myText; }
    bool operator!=(const CAnyContainer& other) const { return myText != other.myText; }

    // Standard stream formatting: integers in decimal (8-bit ones as numbers, not
    // characters), bools as 1 or 0, floating point with six significant digits.
    template <class T>
    static std::string Format(const T& value) {
        std::ostringstream text;
        if constexpr (std::is_integral_v<T> && sizeof(T) == 1 && !std::is_same_v<T, bool>) {
            text << static_cast<int>(value);
        } else {
            text << value;
        }
        return text.str();
    }
    static std::string Format(const std::string& value) { return value; }
    static std::string Format(const char* value) { return value != nullptr ? value : ""; }

    // Stream extraction into a copy, so a text that does not convert leaves `out` as it
    // was (a plain extraction would store 0). Strings take the whole text unchanged.
    template <class T>
    static bool Parse(const std::string& text, T& out) {
        std::istringstream in(text);
        if constexpr (std::is_same_v<T, bool>) {
            bool value = false;
            if (in >> value) {
                out = value;
                return true;
            }
            std::istringstream words(text);
            if (words >> std::boolalpha >> value) {
                out = value;
                return true;
            }
            return false;
        } else if constexpr (std::is_integral_v<T> && sizeof(T) == 1) {
            int value = 0;
            if (!(in >> value)) return false;
            if (value < static_cast<int>(std::numeric_limits<T>::min()) ||
                value > static_cast<int>(std::numeric_limits<T>::max())) {
                return false;
            }
            out = static_cast<T>(value);
            return true;
        } else {
            T value{};
            if (!(in >> value)) return false;
            out = value;
            return true;
        }
    }
    static bool Parse(const std::string& text, std::string& out) {
        out = text;
        return true;
    }

private:
    std::string myText;
};

}  // namespace tolm

#endif
