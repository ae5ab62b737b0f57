// Web export: the web-safe names of the published files, the list of the resources a book uses,
// and the store that receives them under those names. Every file copy goes through
// copiaficheiro: a kernel copy landed in one rename, never over a file the caller did not mean to
// replace.
#pragma once

#include "book/globais.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace quibel {

// Outcome of one copy. existia tells whether the target was already there (whether or not it was
// replaced); erro holds the failure's text when ok is false and the target was not merely kept.
struct Copia {
    bool ok = false;
    bool existia = false;
    QString erro;
};

// Copies the regular file orixe to destino. An existing destino is left untouched unless
// substituir; the bytes land in one rename, so a failed copy keeps any previous target and leaves
// no temporary file behind.
Copia copiaficheiro(const QString& orixe, const QString& destino, bool substituir);

// The name with accented letters and blanks replaced by the cleaning table (one pass, left to
// right, replacements not scanned again), then every character that would break an address, an
// HTML attribute or XML ("#", "?", "%", "&", quotes, "<", ">", control characters) as "_".
QString limpanome(const QString& nome);
// A name the export writes as one file or folder of its own (book file, HTML page, ZIP, store):
// limpanome, trailing "/" and "\" dropped, any other "/" and "\" as "_"; "." and ".." give the
// empty text, so the name can never leave its folder.
QString nomepropio(const QString& nome);
// The empty text for an empty path, else limpanome of the file name (after the last "\", "/"
// or ":"): the name a resource would have in the store when nothing clashes with it.
QString nomeexport(const QString& ruta);
// Only the ASCII letters A to Z in lower case.
QString minusculasascii(const QString& texto);

// The resource paths a book uses, in the order they are added: the book's own files, then the
// page picture and sound and the fields of each page's type, then the attachments. Empty paths
// and paths without a file name are left out; a path given twice is kept once.
struct Listacopia {
    QStringList rutas;
    // The paths that are not attachments (the book and its pages), for the privacy question.
    QStringList dolibro;
    // The pages whose type field is not empty, one progress step each.
    int paxinas = 0;
};
Listacopia listacopia(const Book& libro);
// The fields a page adds beyond its picture and sound, by its type's copy rule (a type code
// that is no number adds nothing).
QList<int> camposcopia(const Tpaxina& paxina);

// The book's resource files that lie outside the book's folder and its resource folder, and are
// neither web addresses nor missing: what a book from someone else could make the export publish.
QStringList foradolibro(const Book& libro, const QStringList& rutas);

// The names of the store: for every existing file of rutas (same file, one name), the name
// under which it is stored and referred to. Names in reservados (the export's own files beside
// the resources) and names taken by an earlier file are never given twice: a clash takes the
// first free suffix, "foto.jpg" then "foto_2.jpg". Letter case does not make two names
// different, as a package may be unpacked where it does not. A file that already lies in the
// store folder almacen under a clean name keeps that name before any other file is named.
class NomesAlmacen {
public:
    NomesAlmacen() = default;
    NomesAlmacen(const QStringList& rutas, const QStringList& reservados, const QString& almacen = {});
    // The stored name of a path, else nomeexport of it (a path that names no file of the list).
    QString nome(const QString& ruta) const;
    // The files in list order with their names; each file once.
    const QList<QPair<QString, QString>>& ficheiros() const { return ficheiros_; }

private:
    QHash<QString, QString> porruta_;     // every path given -> name
    QHash<QString, QString> porcanonica_; // canonical path -> name
    QList<QPair<QString, QString>> ficheiros_;
};

// One ZIP entry: a file added under an archive name, or (arquivo empty) bytes made in memory.
struct EntradaZip {
    QString arquivo, nome;
    QByteArray datos{};
    bool operator==(const EntradaZip&) const = default;
};

// Adds an existing file to the package's entries under the archive name; nothing when no file is
// at the path.
void copiaenzip(QList<EntradaZip>& zip, const QString& arquivo, const QString& nome);

// Copies the files of the store into the folder almacen (with or without a trailing delimiter).
// A file that already is the target is not copied onto itself; a failed copy is left out. When
// zip is given, every file is also an entry under prefixo + its name, read from the source file.
// cadaficheiro is told after each file.
void copiaarquivos(const NomesAlmacen& nomes, const QString& almacen, QList<EntradaZip>* zip,
                   const QString& prefixo, const std::function<void()>& cadaficheiro = {});

} // namespace quibel
