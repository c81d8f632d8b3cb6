#include "tolm/utils/xml/CXmlParser.h"

#include <fstream>

#include "tolm/utils/StringUtils.h"

namespace tolm {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

void DropTrailingLineFeeds(std::string& s) {
    while (s.size() > 1 && s.back() == '\n') s.pop_back();
}

// First blank or tab in s[begin, end) that is not between a double quote and the next one,
// or `end`. Quotes are counted from `begin`.
std::size_t FindBlankOutsideQuotes(const std::string& s, std::size_t begin, std::size_t end) {
    bool quoted = false;
    for (std::size_t i = begin; i < end; ++i) {
        if (s[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(s[i])) {
            return i;
        }
    }
    return end;
}

}  // namespace

void CXmlParser::Parse(const std::string& filename) {
    std::ifstream in(filename, std::ios::binary);
    if (!in) {
        if (myHandler != nullptr) myHandler->OnStartDocument();
        if (myHandler != nullptr) myHandler->OnEndDocument();
        return;
    }
    Parse(in);
}

void CXmlParser::Parse(std::istream& in) {
    if (myHandler != nullptr) myHandler->OnStartDocument();
    for (std::string line; std::getline(in, line);) {
        // Files written on other systems end their lines in "\r\n"; the "\r" is part of the
        // line end, not of the content.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ParseLine(line);
    }
    if (myHandler != nullptr) myHandler->OnEndDocument();
}

// Each piece after a "<" or ">" is handled as a line of its own (trimmed again); a loop
// over offsets does this without recursion or copies, so one very long line costs
// linear time and no stack.
void CXmlParser::ParseLine(const std::string& line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    if (myTrim) {
        while (end > begin && IsBlank(line[end - 1])) --end;
    }
    for (;;) {
        if (myTrim) {
            while (begin < end && IsBlank(line[begin])) ++begin;
        }
        const char wanted = myState == kCollectingText ? '<' : '>';
        const std::size_t found = line.find(wanted, begin);
        if (found == std::string::npos || found >= end) {
            (myState == kCollectingText ? myText : myTag).append(line, begin, end - begin);
            return;
        }
        if (myState == kCollectingText) {
            myText.append(line, begin, found - begin);
            myState = kInsideTag;
            FlushText();
        } else {
            myTag.append(line, begin, found - begin);
            myState = kCollectingText;
            ProcessTag();
        }
        begin = found + 1;
    }
}

void CXmlParser::FlushText() {
    if (myTrim) DropTrailingLineFeeds(myText);
    if (myText.empty()) return;
    const std::string text = myTrim ? Trim(myText) : myText;
    myText.clear();
    if (myHandler != nullptr) myHandler->OnText(text);
}

void CXmlParser::ProcessTag() {
    std::string tag;
    tag.swap(myTag);
    if (myTrim) {
        tag = Trim(tag);
        DropTrailingLineFeeds(tag);
    }
    if (tag.empty()) return;
    if (tag[0] == '/') {
        if (myHandler != nullptr) myHandler->OnEndElement(tag.substr(1));
        return;
    }
    if (tag[0] == '!') return;
    if (tag.find('=') != std::string::npos) tag = ParseAttributes(tag);
    if (tag.empty()) {
        // Attributes of a tag without a name belong to nothing; they must not reach the
        // next element.
        myAttributes.clear();
        return;
    }
    if (tag.back() == '/') {
        tag.pop_back();
        SendStartElement(tag);
        if (myHandler != nullptr) myHandler->OnEndElement(tag);
    } else {
        SendStartElement(tag);
    }
}

void CXmlParser::SendStartElement(const std::string& name) {
    if (myHandler != nullptr) myHandler->OnStartElement(name, myAttributes);
    myAttributes.clear();
}

// The text is kept as `head` (what is left of the words before the current "=", never
// holding a "=") followed by tag[tailBegin, tailEnd). Every round consumes one "=", and
// both parts are only ever shortened or appended to, so the whole tag costs linear time.
std::string CXmlParser::ParseAttributes(std::string tag) {
    std::string head;
    std::size_t tailBegin = 0;
    std::size_t tailEnd = tag.size();
    for (;;) {
        const std::size_t equals = tag.find('=', tailBegin);
        if (equals == std::string::npos || equals >= tailEnd) break;

        const std::size_t headSize = head.size();
        head.append(tag, tailBegin, equals - tailBegin);
        std::size_t leftBegin = 0;
        std::size_t leftEnd = head.size();
        while (leftBegin < leftEnd && IsBlank(head[leftBegin])) ++leftBegin;
        while (leftEnd > leftBegin && IsBlank(head[leftEnd - 1])) --leftEnd;
        std::size_t blank = leftEnd;
        while (blank > leftBegin && !IsBlank(head[blank - 1])) --blank;
        if (blank == leftBegin) {
            // No element name before the attribute: the split is undefined, so the text
            // as it stands becomes the name and the tag is done.
            head.resize(headSize);
            head.append(tag, tailBegin, tailEnd - tailBegin);
            return head;
        }
        const std::string name = head.substr(blank, leftEnd - blank);
        head.resize(blank - 1);
        head.erase(0, leftBegin);

        std::size_t rightBegin = equals + 1;
        std::size_t rightEnd = tailEnd;
        while (rightBegin < rightEnd && IsBlank(tag[rightBegin])) ++rightBegin;
        while (rightEnd > rightBegin && IsBlank(tag[rightEnd - 1])) --rightEnd;
        const std::size_t valueEnd = FindBlankOutsideQuotes(tag, rightBegin, rightEnd);
        std::string value = Trim(tag.substr(rightBegin, valueEnd - rightBegin));
        value = value.size() >= 2 ? value.substr(1, value.size() - 2) : std::string();
        myAttributes.emplace(name, CAnyContainer(value));

        tailBegin = valueEnd;
        tailEnd = rightEnd;
    }
    head.append(tag, tailBegin, tailEnd - tailBegin);
    return head;
}

}  // namespace tolm
