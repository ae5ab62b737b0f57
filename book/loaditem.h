// The book file reader: turns the parsed tree of a book file into the Book model, as a whole book
// (Open) or as a range of pages put after a given row (Import). It touches no widget: what the
// window has to show afterwards (colours, pictures, sounds, the page count) comes back as a small
// report of typed facts, which the window maps to its controls.
#pragma once

#include "book/globais.h"
#include "book/rutinas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace quibel {

class TXMLDoc;
class TXMLNode;

// The colour panels that a book read or a reset sets, by what they show. The window maps each to
// its controls.
enum class CorLibro {
    banda,       // corbandalibro: the band
    navegacion,  // cornavegalibro: the navigation bar
    texto,       // cortextolibro
    fondo,       // corfondolibro: the book's background
    mensaxes,    // cormensaxeslibro: right and wrong messages
    fondopaxina, // a page's own background (`cfondo`), on the page editors' shared panel
};
inline constexpr CorLibro coreslibro[] = {CorLibro::banda, CorLibro::navegacion, CorLibro::texto,
                                          CorLibro::fondo, CorLibro::mensaxes,   CorLibro::fondopaxina};
// The colour a panel shows after a reset, and when the colour a book gives it cannot be read.
TColor cordefecto(CorLibro cor);

// The book pictures that a read loads and a reset clears.
enum class ImaxeLibro { logo, fondo, barra };
inline constexpr ImaxeLibro imaxeslibro[] = {ImaxeLibro::logo, ImaxeLibro::fondo, ImaxeLibro::barra};

// The book sounds whose play buttons a read enables.
enum class SonLibro { continuo, correcto, incorrecto };
inline constexpr SonLibro sonslibro[] = {SonLibro::continuo, SonLibro::correcto, SonLibro::incorrecto};

// What a book read found that the controls show besides the model's fields. Apply in order: a
// later entry for the same key replaces an earlier one.
struct InformeLectura {
    struct Cor {
        CorLibro clave;
        TColor cor; // the default of the key when the book's colour cannot be read
        bool operator==(const Cor&) const = default;
    };
    struct Imaxe {
        ImaxeLibro clave;
        QString arquivo; // file to load; a failure to load is ignored
        bool operator==(const Imaxe&) const = default;
    };
    struct Posicion {
        int x = 0, y = 0;
        bool operator==(const Posicion&) const = default;
    };

    std::vector<Cor> cores;
    std::vector<Imaxe> imaxes;
    // When the background picture is loaded, its frame gets half the picture's size and stands
    // here (half of fondox, fondoy); no value when a position is not a whole number.
    std::optional<Posicion> posicionfondo;
    std::vector<SonLibro> sons; // sounds the book names
    int paxinas = 0;            // the book's page count after the read
    int ultimafila = 0;         // the last row a page was read into (the destination row when none)
};

// How a book is read: as a whole book (Open) or as a range of its pages put after a given row
// (Import).
struct Lectura {
    bool completo = true;   // a whole book: its properties too, and the page count is its own
    int desde = 1;          // first page of the file to read, from 1
    int ata = 99;           // last page of the file to read
    int destino = 0;        // pages go into the rows after this one
    QString carpetalectura; // the folder that relative file names of the book resolve against
    // On an import: the folder of the import file (with or without a trailing delimiter), which
    // its file values are relative to; carpetalectura when empty.
    QString carpetaimportacion;
};

// Reads the root element `zub` of a book file into the book. For a whole book the caller has
// reset it, set its folders (carpetalibro, the folder of the file) and numpaxinas 0. Never throws
// for a bad book: every index is bounds-checked, and a bad colour keeps its text while its panel
// takes the default colour.
InformeLectura LoadItem(Book& libro, const TXMLNode& raiz, const Lectura& lectura);

// The text that Open and Import give the parser for the bytes of a book file: the lines joined
// with CR LF after each one (split at LF only, a CR before the LF dropped, so a lone CR stays
// where it was), leading blanks and control characters removed, and the "[*]" form decoded.
QByteArray textolibro(const QByteArray& datos);
// Parses the bytes of a book file into doc, as Open and Import read it: a UTF-8 byte-order mark at
// the start is dropped, the text is prepared as the reader expects (textolibro, which also decodes
// the "[*]" form), and it is read as ISO-8859-1 only when its declaration names another encoding
// than UTF-8 (in any letter case), or names none and the text is not valid UTF-8. Raises
// EXMLException.
void analizarlibro(TXMLDoc& doc, const QByteArray& datos);

// The five entities of the book file ("&amp;", "&lt;", "&gt;", "&quot;", "&apos;") decoded in one
// pass from left to right; any other "&" stays as it is.
QString descodificaentidades(const QString& texto);

} // namespace quibel
