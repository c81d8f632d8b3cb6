// Whole-object load and save: any object with `void Serialize(CXmlFileSys* filesys)` is
// read from or written to one XML file. The document tree lives only for the call; the
// object never keeps pointers into it.
#ifndef TOLM_UTILS_XML_XMLLOADSAVE_H
#define TOLM_UTILS_XML_XMLLOADSAVE_H

#include <memory>
#include <string>

#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

// The document's root element, or null for a missing file or a file without elements.
std::unique_ptr<CXmlNode> XmlLoadTree(const std::string& filename);
// Writes the tree, replacing the file; false (and nothing written, nothing logged) when the
// file cannot be opened.
bool XmlSaveTree(const CXmlNode& root, const std::string& filename);

// The root's name is not checked. A missing file or one without elements leaves the
// object unchanged, silently; returns whether the object was read.
template <class T>
bool XmlLoad(T& object, const std::string& filename) {
    std::unique_ptr<CXmlNode> root = XmlLoadTree(filename);
    if (!root) return false;
    CXmlFileSys filesys(root.get(), CXmlFileSys::kReading);
    object.Serialize(&filesys);
    return true;
}

template <class T>
bool XmlSave(T& object, const std::string& filename, const std::string& rootName) {
    CXmlNode root(rootName);
    CXmlFileSys filesys(&root, CXmlFileSys::kWriting);
    object.Serialize(&filesys);
    return XmlSaveTree(root, filename);
}

}  // namespace tolm

#endif
