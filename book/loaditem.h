// The book file reader: turns the parsed tree of a book file into the Book model, as a whole book
// (Open) or as a range of pages put after a given row (Import). It touches no widget: what the
// main window has to show afterwards (colour panels, picture previews, play buttons, the page
// selector) comes back as a small report that the window applies.
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

// What the controls of the main window take from a book that was read. Apply in order: a later
// entry for the same control replaces an earlier one.
struct InformeLectura {
    struct Cor {
        QString panel; // objectName of the colour panel ("bcorbanda", "Panel22", "imcorfondo", ...)
        TColor cor;
        bool operator==(const Cor&) const = default;
    };
    struct Imaxe {
        QString control; // "logo", "imaxe" (the background picture) or "Image53" (the bar)
        QString arquivo; // file to load; a failure to load is ignored
        bool operator==(const Imaxe&) const = default;
    };
    struct Posicion {
        int x = 0, y = 0;
        bool operator==(const Posicion&) const = default;
    };

    std::vector<Cor> cores;
    std::vector<Imaxe> imaxes;
    // When "imaxe" is loaded, the frame bimaxe gets half the picture's size and stands here (half
    // of fondox, fondoy); no value when a position is not a whole number.
    std::optional<Posicion> posicionfondo;
    QStringList botons; // play buttons to enable: "btsoncontinuo", "bnson", "mlson"
    int paxinas = 0;    // the page selector numpaxinap is refilled with "1".."paxinas", none selected
};

// Reads the root element `zub` of a book file into the book. The caller sets librocompleto,
// paxinadesde, paxinaata, paxinadestino, numpaxinas, carpetalectura and carpetalibro as for Open
// or Import. On an import the file values are relative to carpetaimportacion (the folder of the
// import file, with or without a trailing delimiter); when it is empty, carpetalectura is used.
// Never throws for a bad book: every index is bounds-checked, and a bad colour keeps its text
// while its panel takes the panel's default colour.
InformeLectura LoadItem(Book& libro, const TXMLNode& raiz, const QString& carpetaimportacion = QString());

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
