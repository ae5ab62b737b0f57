// Shared by the reader and round-trip tests: a book folder in a temporary directory, and reading a
// book text into a freshly reset Book as Open does.
#pragma once

#include "book/XMLParser.h"
#include "book/globais.h"
#include "book/loaditem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace quibel::proba {

// A book folder with a few resource files; paths in expectations use "{d}" for it.
class CarpetaLibro {
public:
    CarpetaLibro() { EXPECT_TRUE(dir.isValid()); }

    QString carpeta() const { return dir.path() + QLatin1Char('/'); }
    QString ruta(const QString& relativa) const { return carpeta() + relativa; }
    // Creates the file (and its folders) under the book folder.
    void crear(const QString& relativa) const {
        const QString r = ruta(relativa);
        QDir().mkpath(QFileInfo(r).path());
        QFile f(r);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << r.toStdString();
    }
    QString expandir(QString texto) const { return texto.replace(QLatin1String("{d}"), carpeta()); }

    QTemporaryDir dir;
};

// A Book prepared as Open prepares it, in the folder given.
inline std::unique_ptr<Book> librobaleiro(const QString& carpeta) {
    auto b = std::make_unique<Book>();
    b->carpetalibro = carpeta;
    b->carpetarecursos = carpeta;
    b->inicializar();
    b->inizrtf();
    return b;
}

// A whole-book read, as Open does it, from the book's folder.
inline Lectura lecturacompleta(const Book& b) {
    Lectura l;
    l.carpetalectura = b.carpetalibro;
    return l;
}

// Parses the text and reads its first top-level node into the book.
inline InformeLectura ler(Book& b, const QByteArray& xml, std::optional<Lectura> lectura = std::nullopt) {
    TXMLDoc doc;
    analizarlibro(doc, xml);
    if (doc.Nodes.Count() == 0 || doc.Nodes.Items(0)->Name != "zub") {
        ADD_FAILURE() << "no zub root";
        return {};
    }
    return LoadItem(b, *doc.Nodes.Items(0), lectura.value_or(lecturacompleta(b)));
}

// A book text with the given config and libro contents.
inline QByteArray xmllibro(const QByteArray& config, const QByteArray& libro) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<zub version=\"5.6.3\">\r\n<config>" + config +
           "</config>\r\n<libro>" + libro + "</libro>\r\n</zub>\r\n";
}

inline QByteArray xmlpaxina(int id, const QByteArray& contido) {
    return "<paxina id=\"" + QByteArray::number(id) + "\" >" + contido + "</paxina>\r\n";
}

} // namespace quibel::proba
