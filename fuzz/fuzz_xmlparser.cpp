// Feeds arbitrary bytes to the XML parser and walks whatever tree it builds. A parse either
// succeeds or raises EXMLException; anything else (a crash, a leak, another exception) is a bug.
#include "book/XMLParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quibel;

namespace {

size_t walk(const TXMLNodes& nodes, int depth) {
    if (depth > TXMLDoc::maxDepth) std::abort();
    size_t bytes = 0;
    for (int i = 0; i < nodes.Count(); ++i) {
        const TXMLNode* node = nodes.Items(i);
        if (node->ParentList != &nodes) std::abort();
        bytes += size_t(node->Name.size()) + size_t(node->Value.size());
        if (node->NodeType == TXMLNodeType::ntElement) {
            if (node->Name.isEmpty() || node->Nodes->Owner != node) std::abort();
            for (int a = 0; a < node->Attributes->Count(); ++a)
                bytes += size_t(node->Attributes->Items(a)->Name.size()) +
                         size_t(node->Attributes->Items(a)->Value.size());
            bytes += walk(*node->Nodes, depth + 1);
        } else if (node->Nodes || node->Attributes) {
            std::abort();
        }
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    TXMLDoc doc;
    try {
        doc.SetXML(text);
    } catch (const EXMLException&) {
        if (doc.Nodes.Count() != 0 || !doc.Declaration.Version.isEmpty()) std::abort();
        return 0;
    }
    walk(doc.Nodes, 0);
    // The same text again keeps the tree.
    TXMLNode* first = doc.Nodes.Count() ? doc.Nodes.Items(0) : nullptr;
    doc.SetXML(text);
    if (first && doc.Nodes.Items(0) != first) std::abort();
    return 0;
}
