// Fuzz entry for the XML reader: arbitrary bytes go through the line reader into a tree,
// the member serialiser looks members up in it, and the writer's output is read again.
// The tree's parent links and the size of the written text are checked; any crash, hang or
// sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"
#include "tolm/utils/xml/CXmlWriter.h"

namespace {

std::unique_ptr<tolm::CXmlNode> Read(const std::string& text, bool trim) {
    tolm::CXmlTreeBuilder builder;
    tolm::CXmlParser parser(&builder);
    parser.SetTrim(trim);
    std::istringstream in(text);
    parser.Parse(in);
    return builder.ReleaseRoot();
}

void CheckParents(const tolm::CXmlNode& root) {
    std::vector<const tolm::CXmlNode*> pending{&root};
    while (!pending.empty()) {
        const tolm::CXmlNode* node = pending.back();
        pending.pop_back();
        for (int i = 0; i < node->GetChildCount(); ++i) {
            if (node->GetChild(i)->GetParent() != node) __builtin_trap();
            pending.push_back(node->GetChild(i));
        }
        // Every insertion index has exactly one name.
        for (int i = 0; i < node->GetAttributeCount(); ++i) {
            if (!node->HasAttribute(node->GetAttributeName(i))) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the reader's trim mode; the rest is the document.
    const bool trim = (data[0] & 1) == 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::unique_ptr<tolm::CXmlNode> root = Read(text, trim);
    if (!root) return 0;
    if (root->GetParent() != nullptr) __builtin_trap();
    CheckParents(*root);

    // Member lookups in and out of order, silently (warnings would fill the log file).
    tolm::CXmlFileSys filesys(root.get(), tolm::CXmlFileSys::kReading);
    filesys.SetWarnings(false);
    int number = 0;
    std::string word;
    std::vector<int> numbers;
    struct {
        int x = 0, y = 0, w = 0, h = 0;
    } rect;
    for (int i = 0; i < root->GetChildCount() && i < 8; ++i) {
        const std::string name = root->GetChild(i)->GetName();
        filesys.Read(name, number);
        filesys.Read(name, word);
        filesys.ReadVector(name, numbers);
        filesys.ReadRect(name, rect);
    }
    filesys.Read("absent", number);

    std::ostringstream out;
    tolm::CXmlWriter writer;
    writer.Write(*root, out);
    if (writer.GetIndent() != 0) __builtin_trap();
    // An element of three bytes ("<a>") is written as two lines of at most the writer's
    // deepest indentation; the text must grow with the document, not with its depth squared.
    constexpr std::size_t kBytesPerInputByte = 64;
    if (out.str().size() > kBytesPerInputByte * size + 1024) __builtin_trap();
    std::unique_ptr<tolm::CXmlNode> again = Read(out.str(), trim);
    if (again) CheckParents(*again);
    return 0;
}
