// The JSON description of a book for the HTML5 player: one configuration object with the book
// properties and one object per page with its properties, assembled with a writer of our own
// that keeps the keys in the player's order and writes no whitespace but the page objects' own.
#pragma once

#include "book/globais.h"
#include "publish/exportaweb.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

namespace quibel {

// An ordered list of key/value pairs; values are strings, arrays of strings or objects. Every
// string is escaped as JSON wants it, and "</script" and "<!--" are broken up so that the text
// can stand inside a script element of the page.
class ObxectoJson {
public:
    // Each does nothing when the value is empty (an empty text, an array without items). primeiro
    // puts the pair in front of the others.
    void engadepar(const QString& clave, const QString& valor, bool primeiro = false);
    void engadirlista(const QString& clave, const QStringList& items);
    void engadirobxecto(const QString& clave, const ObxectoJson& valor);
    // A pair written also when its value is empty.
    void engadirsempre(const QString& clave, const QString& valor);
    bool baleiro() const { return pares_.isEmpty(); }
    // The pairs joined by ",", without braces.
    QString pares() const;
    // "{" pairs "}".
    QString texto() const { return QStringLiteral("{") + pares() + QStringLiteral("}"); }

private:
    QList<QPair<QString, QString>> pares_; // key, value as written
};
// A string as JSON: in double quotes, escaped.
QString cadeajson(const QString& texto);

// The lossy transforms of the player's texts, which every published book has had.
// "\" to "/", apostrophe to "&#39;", tab to four blanks.
QString escapajson(const QString& texto);
// Line feeds removed, carriage returns as "<br>".
QString textohtml(const QString& texto);
// textohtml, tabs as four blanks: the long text of a page.
QString textohtmljson(const QString& texto);

// The address of a resource. Preview: a local path as a file: address, percent-encoded; a web
// address as it is. Export: a web address as it is, else the stored name (from nomes, else the
// cleaned file name), after the resource folder and "/" when there is one.
QString rutaurl(const QString& ruta, const QString& recursos, bool exportando,
                const NomesAlmacen* nomes = nullptr);

// What the description needs besides the book.
struct OpcionsJson {
    bool exportando = true; // a real export; false: the preview
    QString recursos;       // the store folder name (empty in the preview)
    int paxinaactual = 0;   // written in the preview only
    int idiomavisor = 0;    // player language 0..7
    const NomesAlmacen* nomes = nullptr;
    // The HTML panel of a page of type 2, 15 or 38 (the HTML5 page's part); none when not set.
    std::function<QString(const Book& libro, int paxina)> panelhtml;
};

// One written page: its object and its HTML panel (empty for the types without one).
struct PaxinaJson {
    int paxina = 0;
    QString obxecto, panel;
};

struct DescricionLibro {
    QString configuracion;     // the configuration object
    QList<PaxinaJson> paxinas; // the pages whose type field is not empty, in page order
    // The menu links for the menu HTML, escaped as in the configuration (text, target); empty
    // without a first link or with the horizontal menu.
    QList<QPair<QString, QString>> menu;
    QString tag, titulo, subtitulo; // unescaped, for the template
    // Written back to the book properties: the help file and the default right and wrong texts.
    QString arquivoaxuda, txtben, txtmal;
};

// The page object of page p of the book.
QString obxectopaxina(const Book& libro, int paxina, const OpcionsJson& opcions);
// The configuration object; libro's help file and messages as crearjson leaves them.
QString configuracionjson(const Book& libro, const OpcionsJson& opcions);
// The whole description. The book is only read; the write-backs are in the result.
DescricionLibro crearjson(const Book& libro, const OpcionsJson& opcions);

} // namespace quibel
