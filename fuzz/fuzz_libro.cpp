// Bytes through the parser and the book reader into a model: a hostile book must never crash,
// hang or write outside the tables.
#include "book/XMLParser.h"
#include "book/globais.h"
#include "book/loaditem.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quibel;
    static Book* libro = [] {
        // Reused, as the main window reuses its one book; its folder does not exist, so file
        // values resolve quickly to their fallbacks.
        auto* b = new Book;
        b->carpetalibro = QStringLiteral("/nonexistent-quibel-fuzz/");
        return b;
    }();
    TXMLDoc doc;
    try {
        // As Open reads a file: byte-order mark, line ends, the "[*]" form and the encoding first.
        analizarlibro(doc, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EXMLException&) {
        return 0;
    }
    // The root as Open takes it: the first element, after any comments or processing instructions.
    const TXMLNode* raiz = nullptr;
    for (int i = 0; i < doc.Nodes.Count() && !raiz; ++i)
        if (doc.Nodes.Items(i)->NodeType == TXMLNodeType::ntElement) raiz = doc.Nodes.Items(i);
    if (!raiz || raiz->Name != "zub") return 0;

    libro->inicializar();
    libro->inizrtf();
    Lectura lectura;
    lectura.carpetalectura = libro->carpetalibro;
    const InformeLectura informe = LoadItem(*libro, *raiz, lectura);
    if (libro->numpaxinas > Book::maxpaxinas || informe.paxinas != libro->numpaxinas ||
        informe.ultimafila > Book::maxpaxinas)
        std::abort();
    return 0;
}
