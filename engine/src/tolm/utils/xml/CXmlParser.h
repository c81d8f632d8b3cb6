// The line-oriented XML reader of the engine's own dialect. It turns lines into events for
// a CXmlHandler, which it borrows (the handler must outlive the parse). State and buffers
// persist across lines, so a tag or a text may span lines; one parser reads one document.
#ifndef TOLM_UTILS_XML_CXMLPARSER_H
#define TOLM_UTILS_XML_CXMLPARSER_H

#include <istream>
#include <string>

#include "tolm/utils/xml/CXmlHandler.h"

namespace tolm {

class CXmlParser {
public:
    static constexpr int kCollectingText = 0;
    static constexpr int kInsideTag = 1;

    explicit CXmlParser(CXmlHandler* handler = nullptr) : myHandler(handler) {}

    void SetHandler(CXmlHandler* handler) { myHandler = handler; }
    void SetTrim(bool trim) { myTrim = trim; }
    int GetState() const { return myState; }

    // Start document, every line of the file, end document. A file that cannot be opened
    // gives only the two document events.
    void Parse(const std::string& filename);
    // The same for any stream. A line may end in "\n" or "\r\n".
    void Parse(std::istream& in);
    // Feeds one line without its line end; the document events are the caller's.
    void ParseLine(const std::string& line);

private:
    void FlushText();
    void ProcessTag();
    // Takes the attributes out of `tag` and leaves the element name (with a trailing "/"
    // for an empty element).
    std::string ParseAttributes(std::string tag);
    void SendStartElement(const std::string& name);

    bool myTrim = true;
    int myState = kCollectingText;
    CXmlHandler* myHandler;
    std::string myText;
    std::string myTag;
    XmlAttributeMap myAttributes;
};

}  // namespace tolm

#endif
