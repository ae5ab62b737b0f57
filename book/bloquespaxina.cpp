// The block that each page type writes after the common part of its paxina element: elements in
// a fixed order, each under its condition, fields addressed by number.
#include "book/bloquespaxina.h"

#include <iterator>

namespace quibel::escritura {

namespace {

using L = QLatin1String;

const L un("1");

QString at(const char* nome, const QString& valor) {
    return atributo(L(nome), valor);
}

// Types 1, 25 and 43 write their text as plain content; one that the parser would misread goes
// into a CDATA section instead.
QString textoplano(const QString& texto) {
    return texto.contains(QLatin1Char('<')) || texto.contains(QLatin1Char('&')) ? cdata(texto) : texto;
}

void textocdata(EscritaPaxina& x, const QString& atributos = {}) {
    if (!x.W(0).isEmpty()) x.elemento(14, L("texto"), atributos, cdata(x.W(0)));
}

void textosimple(EscritaPaxina& x) {
    if (!x.W(0).isEmpty()) x.elemento(14, L("texto"), {}, textoplano(x.W(0)));
}

// cfondo when P18 is set and P30 is "1" (types 2, 29, 38).
void cfondomarcado(EscritaPaxina& x) {
    if (x.ten(18) && x.e_(30, un)) x.sempre(14, L("cfondo"), 18);
}

void fondocaixas(EscritaPaxina& x) {
    if (x.ten(9)) x.elemento(14, L("fondocaixa1"), x.ten(27) ? at("trans", x.E(27)) : QString(), x.F(9));
    if (x.ten(10)) x.elemento(14, L("fondocaixa2"), x.ten(28) ? at("trans", x.E(28)) : QString(), x.F(10));
}

// One element per n in desde..ata whose content field n is set; content field k(n) and the
// attributes built by `atributos`.
template <typename Atributos>
void serie(EscritaPaxina& x, int sangria, const char* nome, int desde, int ata, bool arquivo,
           Atributos atributos) {
    for (int n = desde; n <= ata; ++n)
        if (x.ten(n)) x.elemento(sangria, L(nome), atributos(n), arquivo ? x.F(n) : x.E(n));
}

void serie(EscritaPaxina& x, int sangria, const char* nome, int desde, int ata, bool arquivo) {
    serie(x, sangria, nome, desde, ata, arquivo, [](int) { return QString(); });
}

// posx = P(n+6), posy = P(n+18).
QString posicions(const EscritaPaxina& x, int n) {
    return at("posx", x.E(n + 6)) + at("posy", x.E(n + 18));
}

void multiple(EscritaPaxina& x) {
    textosimple(x);
    for (int n = 2; n <= 5; ++n)
        if (x.ten(n)) x.elemento(14, L("resp"), at("texto", x.E(n + 4)) + at("valor", x.E(n + 17)), x.E(n));
}

void imaxetext(EscritaPaxina& x) {
    const bool texto = !x.W(0).isEmpty();
    const bool posicion = x.ten(8) || x.ten(9) || x.ten(10) || x.ten(11);
    if (!texto && !(x.e.politica.condicionspropias && (posicion || x.ten(18) || x.ten(19) || x.ten(21))))
        return;
    if (texto || posicion) {
        QString atributos;
        if (x.ten(8)) atributos += at("posx", x.E(8));
        if (x.ten(9)) atributos += at("posy", x.E(9));
        if (x.ten(11)) atributos += at("ancho", x.E(11));
        if (x.ten(10)) atributos += at("largo", x.E(10));
        x.elemento(14, L("texto"), atributos, cdata(x.W(0)));
    }
    cfondomarcado(x);
    x.candoten(14, L("ctexto"), 19);
    if (x.e_(21, un)) x.e.lina(14, L("<chtml>1</chtml>"));
}

void puzle(EscritaPaxina& x) {
    if (x.ten(6))
        x.elemento(14, L("imfondo"), QLatin1Char(' ') + (x.ten(3) ? at("trans", x.E(3)) : QString()), x.F(6));
    x.sempre(14, L("filas"), 9);
    x.sempre(14, L("columnas"), 10);
    x.sempre(14, L("reixa"), 4);
    x.e.lina(12, x.e_(8, un) ? L("<forma>1</forma>") : L("<forma>0</forma>"));
}

void sopa(EscritaPaxina& x) {
    const bool imaxes = x.e_(26, L("2"));
    x.e.lina(14, imaxes ? L("<modo>2</modo>") : L("<modo>1</modo>"));
    serie(x, 14, "sopa", 1, 8, false, [&](int n) { return at("enun", imaxes ? x.F(n + 17) : x.E(n + 17)); });
    x.candoten(14, L("enunciado"), 9);
    x.candoten(14, L("colorea"), 10);
    x.candoten(14, L("cadro"), 11);
    x.candoten(14, L("fondo"), 28);
}

void raios(EscritaPaxina& x) {
    textocdata(x);
    if (x.ten(6)) {
        QString atributos = QStringLiteral(" ");
        if (x.ten(8)) atributos += at("posx", x.E(8));
        if (x.ten(9)) atributos += at("posy", x.E(9));
        x.elemento(14, L("imfondo"), atributos, x.F(6));
    }
    x.candoten(14, L("ctapa"), 29);
    x.candoten(14, L("resp"), 2);
    x.candoten(14, L("rdim"), 4);
}

void modosennoncero(EscritaPaxina& x) {
    if (!x.e_(26, L("0"))) x.sempre(14, L("modo"), 26);
}

void txtclasifica(EscritaPaxina& x) {
    fondocaixas(x);
    serie(x, 14, "nome", 3, 8, false, [&](int n) { return at("caixa", x.E(n + 16)); });
    x.candoten(14, L("caixa1"), 1);
    x.candoten(14, L("caixa2"), 2);
    modosennoncero(x);
}

void imgclasifica(EscritaPaxina& x) {
    fondocaixas(x);
    x.candoten(14, L("caixa1"), 1);
    x.candoten(14, L("caixa2"), 2);
    serie(x, 14, "mini", 3, 8, true, [&](int n) { return at("caixa", x.E(n + 16)); });
    x.candoten(14, L("cfondo"), 18);
    if (!x.e_(11, L("0"))) x.sempre(14, L("cadro"), 11);
    modosennoncero(x);
}

void frases(EscritaPaxina& x) {
    serie(x, 14, "frase", 1, 3, false,
          [&](int n) { return at("texto", x.E(n + 3)) + at("son", x.F(n + 6)); });
}

void liga(EscritaPaxina& x) {
    if (x.ten(8)) x.elemento(14, L("forma"), {}, x.F(8));
    textocdata(x);
    serie(x, 14, "liga", 2, 4, false,
          [&](int n) { return at("posx", x.E(n + 7)) + at("posy", x.E(n + 17)) + at("ir", x.E(n + 3)); });
}

void pregunta(EscritaPaxina& x) {
    if (x.e_(26, un)) x.e.lina(14, L("<modo>1</modo>"));
    serie(x, 14, "pregunta", 1, 4, false, [&](int n) { return at("res", x.E(n + 4)); });
}

void idenimax(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    serie(x, 14, "cousa", 1, 5, true, [&](int n) { return at("nome", x.E(n + 5)); });
}

void ctapacero(EscritaPaxina& x) {
    if (x.e_(29, L("0"))) x.e.lina(14, L("<ctapa>0</ctapa>"));
}

void galeriaimax(EscritaPaxina& x) {
    x.e.lina(14, L("<modo>1</modo>"));
    ctapacero(x);
    serie(x, 14, "galeria", 1, 6, true, [&](int n) {
        return at("grande", x.F(n + 6)) + at("son", x.F(n + 12)) + at("texto", x.E(n + 18));
    });
}

void txtarrastra(EscritaPaxina& x) {
    serie(x, 14, "unir", 1, 5, false, [&](int n) { return at("texto", x.E(n + 5)); });
}

void imgarrastra(EscritaPaxina& x) {
    serie(x, 14, "peza", 1, 3, true,
          [&](int n) { return at("imaxe", x.F(n + 3)) + at("texto", x.E(n + 6)) + at("son", x.F(n + 9)); });
    x.candoten(14, L("cfondo"), 18);
}

void menu(EscritaPaxina& x) {
    const PoliticaLibro& pol = x.e.politica;
    x.candoten(14, L("cfondo"), 18);
    x.candoten(14, L("ctexto"), 19);
    for (int n = 1; n <= 6; ++n) {
        const bool etiqueta = x.ten(n + 6), texto = !x.W(n - 1).isEmpty(), imaxe = x.ten(n + 21);
        const bool escribir = pol.menuporetiqueta     ? etiqueta
                              : pol.condicionspropias ? etiqueta || texto || imaxe
                                                      : etiqueta && texto;
        if (escribir)
            x.elemento(14, L("menu"),
                       at("boton", x.E(n + 6)) + (imaxe ? at("imaxe", x.F(n + 21)) : QString()),
                       cdata(x.W(n - 1)));
    }
    if (x.e_(21, un)) x.e.lina(14, L("<chtml>1</chtml>"));
}

void externa(EscritaPaxina& x) {
    const PoliticaLibro& pol = x.e.politica;
    if (x.ten(18)) {
        QString atributos;
        if (x.ten(17)) atributos += at("dimx", x.E(17));
        if (x.ten(6)) atributos += at("dimy", x.E(6));
        if (x.ten(33)) atributos += at("alt", x.E(33));
        x.elemento(14, L("externa"), atributos, cdata(x.E(18)));
        if (!pol.externasocodigo) {
            x.candoten(14, L("estado"), 2);
            x.candoten(14, L("intentos"), 3);
        }
    }
    if (pol.externasocodigo) return;
    if (x.ten(7)) x.elemento(14, L("valor"), {}, cdata(x.E(18)));
    if (pol.condicionspropias && x.ten(1)) x.elemento(14, L(elementoarquivoexterna), {}, x.F(1));
}

void caras(EscritaPaxina& x) {
    serie(x, 14, "parellas", 1, 6, true);
    x.candoten(14, L("cfondo"), 18);
    x.candoten(14, L("ctapa"), 29);
    x.candoten(14, L("tempo"), 28);
}

void rellena(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    serie(x, 14, "completa", 1, 6, false,
          [&](int n) { return at("ant", x.E(n + 6)) + at("post", x.E(n + 18)); });
}

void segreda(EscritaPaxina& x) {
    const bool palabra = x.ten(2);
    if (!palabra && !x.e.politica.condicionspropias) return;
    if (palabra || !x.W(0).isEmpty()) x.elemento(14, L("texto"), {}, cdata(x.W(0)));
    if (palabra || x.ten(6)) x.elemento(14, L("resp"), at("texto", x.E(6)), x.E(2));
    x.candoten(14, L("modo"), 26);
    x.candoten(14, L("forma"), 8);
}

void etiquetas(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    const bool imaxes = x.e.politica.etiquetasimaxes && x.e_(26, L("7"));
    serie(x, 14, "etiqueta", 1, 6, imaxes, [&](int n) { return posicions(x, n); });
}

void galeriasons(EscritaPaxina& x) {
    x.e.lina(0, L("<modo>2</modo>"));
    ctapacero(x);
    serie(x, 14, "galeria", 1, 6, true,
          [&](int n) { return at("son", x.F(n + 12)) + at("texto", x.E(n + 18)); });
}

void idensons(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    serie(x, 14, "cousa", 1, 5, true, [&](int n) { return at("nome", x.E(n + 5)) + at("son", x.F(n + 17)); });
}

void moveimx(EscritaPaxina& x) {
    if (!x.e.politica.modomoveimxvalidado || x.e_(26, L("1")) || x.e_(26, L("2")) || x.e_(26, L("3")))
        x.sempre(14, L("modo"), 26);
    serie(x, 14, "etiqueta", 1, 6, true, [&](int n) { return posicions(x, n); });
}

void escoller(EscritaPaxina& x) {
    for (int n = 1; n <= 6; ++n)
        x.elemento(14, L("etiqueta"), at("imaxe", x.F(n + 18)) + at("texto", x.E(n + 6)), x.E(n));
    x.candoten(14, L("cfondo"), 18);
}

void reloxo(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    x.candoten(14, L("forma"), 8);
    textosimple(x);
    if (x.ten(3)) x.elemento(14, L("reloxo"), at("hora", x.E(3)), x.E(2));
}

void modoeforma(EscritaPaxina& x, int sangria = 14) {
    x.candoten(sangria, L("modo"), 26);
    x.candoten(sangria, L("forma"), 8);
}

void opera(EscritaPaxina& x) {
    modoeforma(x);
    serie(x, 14, "numero", 2, 5, false);
}

void paneld(EscritaPaxina& x) {
    serie(x, 14, "etiqueta", 1, 8, true);
}

void ligas2(EscritaPaxina& x) {
    serie(x, 14, "boton", 3, 12, false, [&](int n) { return at("texto", x.E(n + 17)); });
}

void textos(EscritaPaxina& x) {
    textocdata(x);
    cfondomarcado(x);
    x.candoten(14, L("ctexto"), 19);
    x.sempre(14, L("modo"), 26);
    x.sempre(14, L("forma"), 8);
}

void etiquetas2(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    x.candoten(14, L("valor"), 18);
    serie(x, 14, "etiqueta", 1, 6, false, [&](int n) { return posicions(x, n); });
}

void contar(EscritaPaxina& x) {
    x.elemento(14, L("valor"), at("texto", x.E(6)), x.E(18));
    serie(x, 14, "etiqueta", 1, 4, false,
          [&](int n) { return at("imaxe", x.F(n + 18)) + at("texto", x.E(n + 6)); });
}

void seriesimx(EscritaPaxina& x) {
    x.sempre(14, L("modo"), 26);
    serie(x, 14, "etiqueta", 1, 4, true);
}

void operaalea(EscritaPaxina& x) {
    modoeforma(x);
    serie(x, 14, "numero", 2, 3, false);
}

void ordeatx(EscritaPaxina& x) {
    x.candoten(14, L("forma"), 8);
    x.candoten(14, L("modo"), 26);
    x.candoten(14, L("completa"), 1);
}

void ordeaimx(EscritaPaxina& x) {
    x.candoten(14, L("forma"), 8);
    serie(x, 14, "completa", 1, 6, true);
}

void cadros(EscritaPaxina& x) {
    x.candoten(14, L("forma"), 8);
    if (x.e_(18, un)) x.e.lina(14, L("<valor>1</valor>"));
    const bool modo = x.e_(26, un);
    if (modo) x.e.lina(14, L("<modo>1</modo>"));
    if (modo || x.e.politica.condicionspropias) serie(x, 14, "etiqueta", 1, 7, false);
}

void piramide(EscritaPaxina& x) {
    textocdata(x);
    serie(x, 14, "completa", 1, 6, false);
}

void plantilla(EscritaPaxina& x) {
    x.sempre(14, L("forma"), 8);
    textocdata(x);
    x.candoten(14, L("resp"), 2);
    cfondomarcado(x);
    x.candoten(14, L("ctexto"), 19);
    if (x.ten(3)) x.elemento(14, L("boton"), at("texto", x.E(20)), x.E(3));
}

void parellas2(EscritaPaxina& x) {
    if (x.e_(26, L("2"))) {
        x.e.lina(14, L("<modo>2</modo>"));
        serie(x, 14, "parellas", 1, 6, true, [&](int n) { return at("son", x.F(n + 6)); });
    } else {
        x.e.lina(14, L("<modo>1</modo>"));
        // The element of the first pair sits two blanks less deep than the others.
        for (int n = 1; n <= 6; ++n)
            if (x.ten(n))
                x.elemento(n == 1 ? 12 : 14, L("parellas"),
                           at("imaxe", x.F(n + 6)) + at("texto", x.E(n + 18)), x.F(n));
    }
    x.candoten(14, L("cfondo"), 18);
    x.candoten(14, L("ctapa"), 29);
    x.candoten(14, L("tempo"), 28);
}

void fraccion(EscritaPaxina& x) {
    modoeforma(x, 12);
    serie(x, 12, "numero", 2, 7, false);
}

void aleafrac(EscritaPaxina& x) {
    modoeforma(x, 12);
    if (x.e_(18, un)) x.e.lina(12, L("<valor>1</valor>"));
    x.candoten(12, L("numero"), 2);
    x.candoten(12, L("numero"), 3);
}

void esquema(EscritaPaxina& x) {
    x.candoten(12, L("forma"), 8);
    const QString& texto = x.W(0);
    if (texto.contains(L("[o]"))) x.e.lina(12, L("<modo>1</modo>"));
    if (!texto.isEmpty()) {
        // The scheme's lines are joined by "|": a CR LF is one separator, so that reading the
        // file back and splitting at "|" gives no extra blank lines.
        QString linas = texto;
        linas.replace(L("\r\n"), L("|"));
        linas.replace(QLatin1Char('\n'), QLatin1Char('|'));
        x.elemento(14, L("texto"), {}, cdata(linas));
    }
}

void tabortograf(EscritaPaxina& x) {
    textosimple(x);
    if (x.ten(1)) x.elemento(14, L("completa"), at("post", x.E(19)), x.E(1));
}

void tabidentif2(EscritaPaxina& x) {
    serie(x, 14, "cousa", 1, 3, true, [&](int n) { return at("nome", x.E(n + 5)) + at("son", x.F(n + 17)); });
}

void tabdictado(EscritaPaxina& x) {
    x.candoten(12, L("forma"), 8);
    x.candoten(12, L("modo"), 26);
    textocdata(x, at("son", x.F(9)));
}

void relaciona(EscritaPaxina& x) {
    for (int n = 1; n <= 6; ++n) {
        // An item with a partner text but no text of its own is written as "-".
        const QString texto = x.ten(n) ? x.E(n) : x.ten(n + 6) ? QStringLiteral("-") : QString();
        if (!texto.isEmpty())
            x.elemento(14, L("etiqueta"),
                       at("texto", x.E(n + 6)) + QLatin1Char(' ') + at("posy", x.E(n + 18)), texto);
    }
}

void clasifica2(EscritaPaxina& x) {
    if (!x.ten(1) && !x.e.politica.condicionspropias) return;
    x.candoten(14, L("caixa1"), 1);
    serie(x, 14, "nome", 3, 9, false, [&](int n) { return at("caixa", x.E(n + 16)); });
}

void frases2(EscritaPaxina& x) {
    serie(x, 14, "frase", 1, 5, false,
          [&](int n) { return at("imaxe", x.F(n + 18)) + QLatin1Char(' ') + at("son", x.F(n + 6)); });
    if (x.e_(26, un)) x.e.lina(14, L("<modo>1</modo>"));
}

void formula(EscritaPaxina& x) {
    if (x.e_(26, un)) x.e.lina(14, L("<modo>1</modo>"));
    serie(x, 14, "etiqueta", 1, 6, false,
          [&](int n) { return at("texto", x.E(n + 6)) + QLatin1Char(' ') + at("posy", x.E(n + 18)); });
}

void letras(EscritaPaxina& x) {
    serie(x, 14, "peza", 1, 3, false,
          [&](int n) { return at("imaxe", x.F(n + 3)) + QLatin1Char(' ') + at("son", x.F(n + 9)); });
}

void cadros2(EscritaPaxina& x) {
    x.elemento(14, L("valor"), {}, x.ten(18) ? x.E(18) : QStringLiteral("6"));
    if (x.ten(1)) x.elemento(14, L("peza"), at("imaxe", x.F(4)), QStringLiteral("1"));
    if (x.ten(2)) x.elemento(14, L("peza"), at("imaxe", x.F(5)), QStringLiteral("2"));
    if (x.e_(8, un)) x.e.lina(14, L("<forma>1</forma>"));
    if (x.e_(26, un)) x.e.lina(14, L("<modo>1</modo>"));
    if (x.e_(11, un)) x.e.lina(14, L("<cadro>1</cadro>"));
}

using Bloque = void (*)(EscritaPaxina&);

// Indexed by type code 1..51.
constexpr Bloque bloques[] = {
    nullptr,   multiple,  imaxetext, puzle,       sopa,        raios,       txtclasifica, imgclasifica,
    frases,    liga,      pregunta,  idenimax,    galeriaimax, txtarrastra, imgarrastra,  menu,
    externa,   caras,     rellena,   segreda,     etiquetas,   galeriasons, idensons,     moveimx,
    escoller,  reloxo,    opera,     paneld,      ligas2,      textos,      etiquetas2,   contar,
    seriesimx, operaalea, ordeatx,   ordeaimx,    cadros,      piramide,    plantilla,    parellas2,
    fraccion,  aleafrac,  esquema,   tabortograf, tabidentif2, tabdictado,  relaciona,    clasifica2,
    frases2,   formula,   letras,    cadros2,
};
static_assert(std::size(bloques) == 52);

} // namespace

void bloquepaxina(EscritaPaxina& x) {
    if (x.tipo >= 1 && x.tipo <= 51) bloques[x.tipo](x);
}

} // namespace quibel::escritura
