// Bytes read into a book as Open reads a file, for the fuzz targets that start from a book file.
#pragma once

#include "book/XMLParser.h"
#include "book/globais.h"
#include "book/loaditem.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace quibel::fuzz {

// One book reused by every input, as the main window reuses its one book; its folder does not
// exist, so file values resolve quickly to their fallbacks.
inline Book& librofuzz() {
    static Book* libro = [] {
        auto* b = new Book;
        b->carpetalibro = QStringLiteral("/nonexistent-quibel-fuzz/");
        return b;
    }();
    return *libro;
}

// The report of the read, or nothing when the bytes are no book (a parse error, another root).
inline std::optional<InformeLectura> lerlibro(Book& libro, const uint8_t* data, size_t size) {
    TXMLDoc doc;
    try {
        // As Open reads a file: byte-order mark, line ends, the "[*]" form and the encoding first.
        analizarlibro(doc, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EXMLException&) {
        return std::nullopt;
    }
    // The root as Open takes it: the first element, after any comments or processing instructions.
    const TXMLNode* raiz = nullptr;
    for (int i = 0; i < doc.Nodes.Count() && !raiz; ++i)
        if (doc.Nodes.Items(i)->NodeType == TXMLNodeType::ntElement) raiz = doc.Nodes.Items(i);
    if (!raiz || raiz->Name != "zub") return std::nullopt;

    libro.inicializar();
    libro.inizrtf();
    Lectura lectura;
    lectura.carpetalectura = libro.carpetalibro;
    return LoadItem(libro, *raiz, lectura);
}

} // namespace quibel::fuzz
