// The element map of the book reader: for each element a page of a book file may hold, which
// counter it raises, which page field its content and each attribute go to, and which of them
// are file values. One table serves every page type; the few type-dependent rules are
// conditions on the page read so far.
#pragma once

#include "book/globais.h"

#include <QByteArray>
#include <array>

namespace quibel::mapa {

// The page's item counter c or button counter b; raised by one before the element's fields are set.
enum class Contador : quint8 { ningun, items, botons };

// A rule decided on the page read so far (its type code, its mode): whether a value is a file,
// whether an element's defaults apply.
using Condicion = bool (*)(const Tpaxina&);

enum class Xeito : quint8 {
    texto,     // stored as it stands (entities decoded)
    cen,       // as texto, but an empty value stores "100"
    primeiro,  // as texto, only when it is the element's first attribute
    botonmenu, // as texto, and the element's text goes to the wide text W(c-1)
};

// How an element's content is taken.
enum class Contido : quint8 {
    primeiro, // the value of its first child: a text node's raw text, empty for anything else
    unido,    // its consecutive CDATA sections and text nodes joined (a CDATA text split at "]]>")
};

enum class Especial : quint8 {
    ningun,
    textow0, // the joined text goes to W0
    cfondo,  // a non-empty content sets P30 "1" and the colour panel imcorfondo
};

constexpr int sen = -1; // no field

struct Atributo {
    const char* nome = nullptr; // nullptr ends the list
    int campo = sen;            // plus the counter value for counted elements
    Xeito xeito = Xeito::texto;
    Condicion arquivo = nullptr; // resolved as a file (when not empty) when it holds
};

struct Predefinido {
    int campo = sen;
    const char* valor = nullptr;
};

struct Elemento {
    const char* nome;
    Contador contador = Contador::ningun;
    int campo = sen; // field of the content, plus the counter value for counted elements
    Condicion arquivo = nullptr;
    Contido contido = Contido::primeiro;
    Especial especial = Especial::ningun;
    std::array<Atributo, 5> atributos{};
    std::array<Predefinido, 3> predefinidos{}; // set before the attributes are read
    Condicion sempredefinidos = nullptr;       // when it holds, the defaults are not set
};

// The entry for an element name (exact, case-sensitive), or nullptr when pages have no such element.
const Elemento* buscar(const QByteArray& nome);

// Every entry, for tests.
const Elemento* elementos(int& conta);

} // namespace quibel::mapa
