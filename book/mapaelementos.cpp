#include "book/mapaelementos.h"

#include "book/campos.h"

#include "book/gardalocal.h"

#include <QByteArray>
#include <QHash>

namespace quibel::mapa {

namespace {

bool sempre(const Tpaxina&) {
    return true;
}
// Type 9 keeps its shape picture in `forma`.
bool tipo9(const Tpaxina& p) {
    return p[campo::tipo] == QLatin1String("9");
}
// Items written as files: the movable pictures (23), the panel (27) and the picture series (32)...
bool etiquetaarquivo(const Tpaxina& p) {
    return p[campo::tipo] == QLatin1String("23") || p[campo::tipo] == QLatin1String("27") ||
           p[campo::tipo] == QLatin1String("32");
}
// ...the pictures to sort (35)...
bool completaarquivo(const Tpaxina& p) {
    return p[campo::tipo] == QLatin1String("35");
}
// ...the dragged pictures (14)...
bool pezaarquivo(const Tpaxina& p) {
    return p[campo::tipo] == QLatin1String("14");
}
// ...links 2, whose P26..P29 are link texts, not the picture's opacity and place...
bool ligas2(const Tpaxina& p) {
    return p[campo::tipo] == QLatin1String("28");
}
// ...and the clues of a word search in picture mode (`modo` 2 comes before the words).
bool sopaimaxe(const Tpaxina& p) {
    return p[campo::tipo] == QLatin1String("4") && p[26] == QLatin1String("2");
}

constexpr Atributo at(const char* nome, int campo, Xeito xeito = Xeito::texto) {
    return {nome, campo, xeito, nullptr};
}
constexpr Atributo arq(const char* nome, int campo, Condicion cond = sempre) {
    return {nome, campo, Xeito::texto, cond};
}

using C = Contador;

const Elemento taboa[] = {
    // Common part of every page.
    {.nome = "tipo", .campo = campo::tipo},
    {.nome = "nonpasar", .campo = campo::bloqueavanzar, .atributos = {at("atras", campo::bloquearecuar)}},
    {.nome = "cabeceira", .campo = campo::cabeceira},
    {.nome = "pe", .campo = campo::pe},
    {.nome = "mais", .campo = campo::textoliga, .atributos = {at("ir", campo::destinoliga)}},
    {.nome = "evalua", .atributos = {at("crt", campo::mensaxeben), at("icrt", campo::mensaxemal)}},
    {.nome = "cfondo", .campo = 18, .especial = Especial::cfondo},
    {.nome = "imaxe",
     .campo = campo::imaxe,
     .arquivo = sempre,
     .atributos = {at("trans", 27, Xeito::cen), at("posx", 28), at("posy", 29), at("auto", 15),
                   at("alt", 33)},
     .predefinidos = {{{27, "100"}, {28, "0"}, {29, "0"}}},
     .sempredefinidos = ligas2},
    {.nome = "son", .campo = campo::son, .arquivo = sempre, .atributos = {at("auto", campo::autoson)}},

    // Texts: the wide text, never a page field.
    {.nome = "texto",
     .contido = Contido::unido,
     .especial = Especial::textow0,
     .atributos = {at("posx", 8), at("posy", 9), at("ancho", 11), at("largo", 10), arq("son", 9)}},
    {.nome = "menu",
     .contador = C::items,
     .contido = Contido::unido,
     .atributos = {arq("imaxe", 21), at("boton", 6, Xeito::botonmenu)}},
    {.nome = "externa",
     .campo = 18,
     .contido = Contido::unido,
     .atributos = {at("dimx", 17), at("dimy", 6), at("alt", 33)}},
    {.nome = "valor", .campo = 18, .contido = Contido::unido, .atributos = {at("texto", 6)}},

    // Counted items.
    {.nome = "resp", .contador = C::items, .campo = 1, .atributos = {at("texto", 5), at("valor", 18)}},
    {.nome = "etiqueta",
     .contador = C::items,
     .campo = 0,
     .arquivo = etiquetaarquivo,
     .atributos = {at("posx", 6), at("posy", 18), at("texto", 6), arq("imaxe", 18)}},
    {.nome = "completa",
     .contador = C::items,
     .campo = 0,
     .arquivo = completaarquivo,
     .atributos = {at("ant", 6), at("post", 18)}},
    {.nome = "peza",
     .contador = C::items,
     .campo = 0,
     .arquivo = pezaarquivo,
     .atributos = {arq("imaxe", 3), at("texto", 6), arq("son", 9)}},
    {.nome = "boton", .contador = C::botons, .campo = 2, .atributos = {at("texto", 19)}},
    {.nome = "nome", .contador = C::items, .campo = 2, .atributos = {at("caixa", 18)}},
    {.nome = "mini", .contador = C::items, .campo = 2, .arquivo = sempre, .atributos = {at("caixa", 18)}},
    {.nome = "sopa", .contador = C::items, .campo = 0, .atributos = {arq("enun", 17, sopaimaxe)}},
    {.nome = "parellas",
     .contador = C::items,
     .campo = 0,
     .arquivo = sempre,
     .atributos = {at("texto", 18), arq("imaxe", 6), arq("son", 6)}},
    {.nome = "pregunta", .contador = C::items, .campo = 0, .atributos = {at("res", 4)}},
    {.nome = "cousa",
     .contador = C::items,
     .campo = 0,
     .arquivo = sempre,
     .atributos = {at("nome", 5), arq("son", 17)}},
    {.nome = "unir", .contador = C::items, .campo = 0, .atributos = {at("texto", 5)}},
    {.nome = "frase",
     .contador = C::items,
     .campo = 0,
     .atributos = {at("texto", 3), arq("son", 6), arq("imaxe", 18)}},
    {.nome = "galeria",
     .contador = C::items,
     .campo = 0,
     .arquivo = sempre,
     .atributos = {arq("grande", 6), arq("son", 12), at("texto", 18)}},
    {.nome = "numero", .contador = C::items, .campo = 1},
    {.nome = "liga",
     .contador = C::items,
     .campo = 1,
     .atributos = {at("posx", 8), at("posy", 18), at("ir", 4)}},

    // Backgrounds.
    {.nome = "imfondo",
     .campo = 6,
     .arquivo = sempre,
     .atributos = {at("trans", 3), at("posx", 8), at("posy", 9)},
     .predefinidos = {{{3, "100"}}}},
    {.nome = "fondocaixa1",
     .campo = 9,
     .arquivo = sempre,
     .atributos = {at("trans", 27, Xeito::cen)},
     .predefinidos = {{{27, "100"}}}},
    {.nome = "fondocaixa2",
     .campo = 10,
     .arquivo = sempre,
     .atributos = {at("trans", 28, Xeito::cen)},
     .predefinidos = {{{28, "100"}}}},

    // Single fields.
    {.nome = "arrastra", .campo = 18},
    {.nome = "reloxo", .campo = 2, .atributos = {at("hora", 3, Xeito::primeiro)}},
    {.nome = "forma", .campo = 8, .arquivo = tipo9},
    {.nome = "modo", .campo = 26},
    {.nome = "ctexto", .campo = 19},
    {.nome = "caixa1", .campo = 1},
    {.nome = "caixa2", .campo = 2},
    {.nome = "fondo", .campo = 28},
    {.nome = "tempo", .campo = 28},
    {.nome = "ctapa", .campo = 29},
    {.nome = "filas", .campo = 9},
    {.nome = "enunciado", .campo = 9},
    {.nome = "columnas", .campo = 10},
    {.nome = "colorea", .campo = 10},
    {.nome = "cadro", .campo = 11},
    {.nome = "reixa", .campo = 4},
    {.nome = "rdim", .campo = 4},
    {.nome = "chtml", .campo = 21},
    {.nome = "ccara", .campo = 7},
    {.nome = "estado", .campo = 2},
    {.nome = "intentos", .campo = 3},
    // The external activity's file (type 16); older readers skip it.
    {.nome = elementoarquivoexterna, .campo = 1, .arquivo = sempre},
};

} // namespace

const Elemento* buscar(const QByteArray& nome) {
    static const QHash<QByteArray, const Elemento*> indice = [] {
        QHash<QByteArray, const Elemento*> h;
        for (const Elemento& e : taboa)
            h.insert(QByteArray(e.nome), &e);
        return h;
    }();
    return indice.value(nome, nullptr);
}

const Elemento* elementos(int& conta) {
    conta = int(std::size(taboa));
    return taboa;
}

} // namespace quibel::mapa
