#include "tolm/utils/xml/XmlLoadSave.h"

#include <fstream>

#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"
#include "tolm/utils/xml/CXmlWriter.h"

namespace tolm {

std::unique_ptr<CXmlNode> XmlLoadTree(const std::string& filename) {
    CXmlTreeBuilder builder;
    CXmlParser parser(&builder);
    parser.Parse(filename);
    return builder.ReleaseRoot();
}

bool XmlSaveTree(const CXmlNode& root, const std::string& filename) {
    std::ofstream out(filename, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    CXmlWriter writer;
    writer.Write(root, out);
    out.close();
    return !out.fail();
}

}  // namespace tolm
