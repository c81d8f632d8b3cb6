// The receiver of the XML reader's events. The reader only borrows its handler; whoever
// sets the handler keeps it alive for the whole parse.
#ifndef TOLM_UTILS_XML_CXMLHANDLER_H
#define TOLM_UTILS_XML_CXMLHANDLER_H

#include <map>
#include <string>

#include "tolm/utils/xml/CAnyContainer.h"

namespace tolm {

// Attributes of one start tag, sorted by name; the first value of a repeated name wins.
using XmlAttributeMap = std::map<std::string, CAnyContainer>;

class CXmlHandler {
public:
    virtual ~CXmlHandler() = default;
    virtual void OnStartDocument() {}
    virtual void OnEndDocument() {}
    virtual void OnText(const std::string& /*text*/) {}
    virtual void OnStartElement(const std::string& /*name*/,
                                const XmlAttributeMap& /*attributes*/) {}
    virtual void OnEndElement(const std::string& /*name*/) {}
};

}  // namespace tolm

#endif
