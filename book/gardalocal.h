// The book file writer: builds the lines of a book file from the Book (declaration, root, the
// config section with the book properties, one paxina element per page) and saves them in one
// atomic write. What the player book file written at export does differently is a small policy,
// so that both files come from this one writer.
#pragma once

#include "book/globais.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace quibel {

// The variations of a file written in the book-file vocabulary. The defaults give the book file
// itself; the player book file sets the version "5.6.4", sangriaconfig 8, its own file names
// (valorarquivo), recursos, adxuntos and axuda hooks, and the type flags below.
struct PoliticaLibro {
    // Value of the root's version attribute.
    QString version = QStringLiteral("5.6.3");
    // Indent of the config elements that the book file sets two blanks deeper than the rest
    // (recursos, corfondo, cortexto, titulo, subtitulo, autor, iden, imaxefondo, imbarra, pel,
    // informe, botonson, maximizar).
    int sangriaconfig = 10;
    // How a resource path (never empty) is written. Unset: relative to the book file through
    // rutarelativa ("res\name"); a web address (http: or https:) stays as it is.
    std::function<QString(const QString& ruta)> valorarquivo;
    // Content of recursos, unescaped; nullopt writes no element. Unset: "$" + txtdirrec.
    std::function<std::optional<QString>(const Book&)> recursos;
    // Content of adxuntos, unescaped; an empty text writes no element. Unset: every item of the
    // list joined by ",".
    std::function<QString(const Book&)> adxuntos;
    // Content of axuda, unescaped, asked only when the help edit is not empty. Unset: the edit's
    // text when it contains "http", else arquivoaxuda as a file value.
    std::function<QString(const Book&)> axuda;
    // imbarra, aspectosup and aspectoinf hold the name edits nomimbarra, skin1 and skin2 instead
    // of the files (the fixed skin codes "2" and "0" stay).
    bool nomespeles = false;
    // Types 2, 15, 19, 36 and 47 write each element under its own condition and type 16 writes
    // its activity file (P1) in an element of its own; off, those types keep the older joint
    // conditions (which drop what an author typed) and type 16 has no such element.
    bool condicionspropias = true;
    // Type 15: a button is written exactly when its label is set (overrides the above).
    bool menuporetiqueta = false;
    // Type 16: only the externa element (no estado, intentos, valor or activity file).
    bool externasocodigo = false;
    // Type 23: modo only when P26 is "1", "2" or "3".
    bool modomoveimxvalidado = false;
    // Type 20: in mode "7" the tags are pictures, written as file values.
    bool etiquetasimaxes = false;
};

// Name of the type-16 element that holds P1 (the activity file) as a file value, at indent 14
// after the type's other elements. Readers that do not know it skip it.
inline constexpr char elementoarquivoexterna[] = "arquivo";

// The lines of the file, without line ends, for pages 1..numpaxinas (at most 99). Pure: reads the
// book and changes nothing. arquivolibro is the full name of the file being written (file values
// are relative to its folder); idiomavisor is the player language 0..7 written as idioma.
QStringList linaslibro(const Book& libro, const QString& arquivolibro, int idiomavisor,
                       const PoliticaLibro& politica = {});

// The change the save makes to the book before writing: a checked right (wrong) answer box with an
// empty message gets the message "CORRECTO" ("INCORRECTO"), which stays in the book.
void mensaxespordefecto(Book& libro);

// Saves the whole book to arquivolibro: applies mensaxespordefecto to the book, builds the lines
// and writes them (CR LF after each, UTF-8 without BOM) in one atomic save. False when the file
// could not be written; the previous file is then untouched and the caller tells the author
// (interface string 123).
bool gardalocal(Book& libro, const QString& arquivolibro, int idiomavisor);

} // namespace quibel
