// Feeds arbitrary bytes to the XML parser and walks whatever tree it builds. A parse either
// succeeds or raises EXMLException; anything else (a crash, a leak, another exception) is a bug.
// The walk reads every byte of every name and value, which are views on the document's memory,
// and then changes the parsed tree, so that AddressSanitizer watches the arena the program uses
// and LeakSanitizer what the API adds to it.
#include "book/XMLParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quibel;

namespace {

size_t bytesOf(const QByteArray& text) {
    size_t sum = 0;
    for (char c : text)
        sum += static_cast<unsigned char>(c);
    return sum;
}

size_t walk(const TXMLNodes& nodes, int depth) {
    if (depth > TXMLDoc::maxDepth) std::abort();
    size_t bytes = 0;
    for (int i = 0; i < nodes.Count(); ++i) {
        const TXMLNode* node = nodes.Items(i);
        if (node->ParentList != &nodes) std::abort();
        bytes += bytesOf(node->Name) + bytesOf(node->Value);
        if (node->NodeType == TXMLNodeType::ntElement) {
            if (node->Name.isEmpty() || node->Nodes->Owner != node) std::abort();
            for (int a = 0; a < node->Attributes->Count(); ++a)
                bytes +=
                    bytesOf(node->Attributes->Items(a)->Name) + bytesOf(node->Attributes->Items(a)->Value);
            bytes += walk(*node->Nodes, depth + 1);
        } else if (node->Nodes || node->Attributes) {
            std::abort();
        }
    }
    return bytes;
}

// The first element at any depth below the top level, or the root itself.
TXMLNode* deepest(TXMLNode* node) {
    while (node->ChildCount() > 0 &&
           node->GetChild(node->ChildCount() - 1)->NodeType == TXMLNodeType::ntElement)
        node = node->GetChild(node->ChildCount() - 1);
    return node;
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

    // Parsed lists take new entries and lose old ones without touching their neighbours.
    for (int i = 0; i < doc.Nodes.Count(); ++i) {
        TXMLNode* root = doc.Nodes.Items(i);
        if (root->NodeType != TXMLNodeType::ntElement) continue;
        TXMLNode* element = deepest(root);
        const int children = element->ChildCount();
        element->Nodes->Delete(0);
        element->Attributes->Delete(0);
        element->Name += '*'; // now an array of its own, which the document must free
        TXMLNode* added = element->AddChild(TXMLNodeType::ntText);
        added->SetValue(element->Name);
        const int now = children > 0 ? children : 1;
        if (element->ChildCount() != now || element->GetChild(now - 1) != added) std::abort();
        if (doc.Nodes.Items(i) != root) std::abort();
        walk(doc.Nodes, 0);
    }
    return 0;
}
