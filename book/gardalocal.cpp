#include "book/gardalocal.h"

#include "book/campos.h"

#include "book/bloquespaxina.h"
#include "book/rutinas.h"

#include <algorithm>

namespace quibel {

namespace escritura {

namespace {

constexpr char brancos[] = "                "; // enough for the deepest indent (14)

QLatin1String sangrado(int n) {
    return QLatin1String(brancos, std::clamp(n, 0, int(sizeof brancos) - 1));
}

// Replaces the characters of `cales` by their entities, in one pass.
QString escapar(const QString& texto, QLatin1String cales) {
    bool escapa[128] = {};
    for (const char c : cales)
        escapa[uchar(c)] = true;
    return transformar(texto, [&escapa](char16_t c) {
        if (c >= 128 || !escapa[c]) return QLatin1String();
        switch (c) {
        case u'&':
            return QLatin1String("&amp;");
        case u'\'':
            return QLatin1String("&apos;");
        case u'"':
            return QLatin1String("&quot;");
        case u'<':
            return QLatin1String("&lt;");
        default:
            return QLatin1String("&gt;");
        }
    });
}

} // namespace

QString escapacampo(const QString& texto) {
    return escapar(texto, QLatin1String("&'\"<>"));
}
QString escapaconfig(const QString& texto) {
    return escapar(texto, QLatin1String("&<"));
}
QString escapaatributo(const QString& texto) {
    return escapar(texto, QLatin1String("&<\""));
}

QString cdata(const QString& texto) {
    // One pass: the runs between the "]]>" that must be split are copied whole.
    QString r;
    r.reserve(texto.size() + 12);
    r += QLatin1String("<![CDATA[");
    qsizetype copiado = 0;
    for (qsizetype i = texto.indexOf(QLatin1String("]]>")); i >= 0;
         i = texto.indexOf(QLatin1String("]]>"), i + 3)) {
        r += QStringView(texto).mid(copiado, i - copiado);
        r += QLatin1String("]]]]><![CDATA[>");
        copiado = i + 3;
    }
    r += QStringView(texto).mid(copiado);
    r += QLatin1String("]]>");
    return r;
}

QString atributo(QLatin1String nome, const QString& valor) {
    return QLatin1Char(' ') + nome + QLatin1String("=\"") + valor + QLatin1Char('"');
}

void Escrita::lina(int sangria, QLatin1String texto) {
    linas_.append(sangrado(sangria) + texto);
}

void Escrita::lina(int sangria, const QString& texto) {
    linas_.append(sangrado(sangria) + texto);
}

void Escrita::elemento(int sangria, QLatin1String nome, const QString& atributos, const QString& contido) {
    QString l;
    l.reserve(sangria + 2 * nome.size() + atributos.size() + contido.size() + 5);
    l += sangrado(sangria);
    l += QLatin1Char('<');
    l += nome;
    l += atributos;
    l += QLatin1Char('>');
    l += contido;
    l += QLatin1String("</");
    l += nome;
    l += QLatin1Char('>');
    linas_.append(std::move(l));
}

QString Escrita::arquivo(const QString& ruta) const {
    if (ruta.isEmpty()) return {};
    if (politica.valorarquivo) return politica.valorarquivo(ruta);
    if (enderezoweb(ruta)) return ruta;
    return rutarelativa(arquivolibro_, ruta);
}

namespace {

void config(Escrita& e, int idiomavisor) {
    const Book& b = e.libro;
    const PoliticaLibro& pol = e.politica;
    const int alta = pol.sangriaconfig;
    const auto c = [](const QString& s) { return escapaconfig(s); };
    const auto a = [](const QString& s) { return escapaatributo(s); };
    const auto candoten = [&](int sangria, QLatin1String nome, const QString& texto) {
        if (!texto.isEmpty()) e.elemento(sangria, nome, {}, c(texto));
    };
    const auto siounon = [&](int sangria, QLatin1String nome, bool marcado) {
        e.elemento(sangria, nome, {}, marcado ? QStringLiteral("1") : QStringLiteral("0"));
    };
    const QLatin1String modo1(" modo=\"1\" ");

    candoten(8, QLatin1String("tag"), b.txtag);
    const std::optional<QString> recursos =
        pol.recursos ? pol.recursos(b) : std::optional<QString>(QLatin1Char('$') + b.txtdirrec);
    if (recursos) e.elemento(alta, QLatin1String("recursos"), {}, c(*recursos));
    e.elemento(8, QLatin1String("idioma"), {}, QString::number(idiomavisor));
    e.elemento(8, QLatin1String("licencia"), {}, c(b.txtlicencia));
    candoten(8, QLatin1String("adxuntos"),
             pol.adxuntos ? pol.adxuntos(b) : b.adxuntos.join(QLatin1Char(',')));
    candoten(8, QLatin1String("modo"), b.tipolibro);
    candoten(alta, QLatin1String("corfondo"), b.corfondolibro);
    if (b.chbanda) candoten(8, QLatin1String("corbanda"), b.corbandalibro);
    if (b.chbarra) candoten(8, QLatin1String("cornavega"), b.cornavegalibro);
    candoten(8, QLatin1String("cormensaxes"), b.cormensaxeslibro);
    candoten(alta, QLatin1String("cortexto"), b.cortextolibro);
    candoten(alta, QLatin1String("titulo"), b.txttitulo);
    candoten(alta, QLatin1String("subtitulo"), b.txtsub);
    candoten(alta, QLatin1String("autor"), b.txtautor);
    candoten(alta, QLatin1String("iden"), b.txtiden);

    if (!b.arquivologo.isEmpty()) {
        const QString ir = b.saltologo.isEmpty()
                               ? QString()
                               : atributo(QLatin1String("ir"), a(b.saltologo)) + QLatin1Char(' ');
        e.elemento(8, QLatin1String("logo"), ir, c(e.arquivo(b.arquivologo)));
    }
    if (!b.arquivofondo.isEmpty()) {
        // A position that is not a whole number counts as 0 rather than failing the save.
        const QString atributos = atributo(QLatin1String("posx"), QString::number(enteiro(b.fondox, 0))) +
                                  atributo(QLatin1String("posy"), QString::number(enteiro(b.fondoy, 0))) +
                                  atributo(QLatin1String("trans"), a(b.trpf));
        e.elemento(alta, QLatin1String("imaxefondo"), atributos, c(e.arquivo(b.arquivofondo)));
    }
    if (!b.arquivobarra.isEmpty())
        e.elemento(alta, QLatin1String("imbarra"), QStringLiteral(" "),
                   c(pol.nomespeles ? b.nomimbarra : e.arquivo(b.arquivobarra)));

    if (!b.arquivoaspectosup.isEmpty()) {
        e.elemento(8, QLatin1String("aspectosup"), QStringLiteral(" "),
                   c(pol.nomespeles ? b.skin1 : e.arquivo(b.arquivoaspectosup)));
        if (!b.arquivoaspectoinf.isEmpty())
            e.elemento(8, QLatin1String("aspectoinf"), QStringLiteral(" "),
                       c(pol.nomespeles ? b.skin2 : e.arquivo(b.arquivoaspectoinf)));
    } else if (!b.chskin1) {
        const QString codigo = b.chskin2 ? QStringLiteral("2") : QStringLiteral("0");
        e.elemento(8, QLatin1String("aspectosup"), QStringLiteral(" "), codigo);
        e.elemento(8, QLatin1String("aspectoinf"), QStringLiteral(" "), codigo);
    }

    if (!b.axuda.isEmpty()) {
        const QString axuda = pol.axuda                                 ? pol.axuda(b)
                              : b.axuda.contains(QLatin1String("http")) ? b.axuda
                                                                        : e.arquivo(b.arquivoaxuda);
        e.elemento(8, QLatin1String("axuda"), {}, c(axuda));
    }
    if (b.pel) e.lina(alta, QLatin1String("<pel>1</pel>"));
    siounon(alta, QLatin1String("informe"), b.binfor);
    siounon(alta, QLatin1String("botonson"), b.bson);
    siounon(alta, QLatin1String("maximizar"), b.bmaxi);
    siounon(8, QLatin1String("desordenar"), b.desordenpax);

    if (!b.arquivosonido.isEmpty())
        e.elemento(9, QLatin1String("sonido"),
                   atributo(QLatin1String("nivel"), a(b.sonvol)) + (b.chkrepiteson ? modo1 : QLatin1String()),
                   c(e.arquivo(b.arquivosonido)));
    // A message's sound, and an unchecked box, are kept also when there is no message text (the
    // box would come back checked and the next save would write the default message).
    const auto mensaxe = [&](QLatin1String nome, const QString& texto, const QString& son, bool marcado) {
        if (texto.isEmpty() && !(pol.condicionspropias && (!son.isEmpty() || !marcado))) return;
        e.elemento(8, nome,
                   atributo(QLatin1String("son"), a(e.arquivo(son))) + (marcado ? modo1 : QLatin1String()),
                   c(texto));
    };
    mensaxe(QLatin1String("correcto"), b.txtben, b.arquivocorrecto, b.chkben);
    mensaxe(QLatin1String("incorrecto"), b.txtmal, b.arquivoincorrecto, b.chkmal);
    candoten(8, QLatin1String("caracteres"), b.txcaracter);
    if (b.chhorizontal)
        e.lina(8, QLatin1String("<modomenu>1</modomenu>"));
    else if (b.chdereita)
        e.lina(8, QLatin1String("<modomenu>2</modomenu>"));
    for (int i = 0; i < Book::numligas; ++i)
        if (!b.txmenus[i].isEmpty())
            e.elemento(8, QLatin1String("liga"), atributo(QLatin1String("ir"), a(b.txligas[i])),
                       c(b.txmenus[i]));
    candoten(8, QLatin1String("final"), b.txtenlacefinal);
}

void partecomun(EscritaPaxina& x) {
    const QLatin1String un("1");
    x.sempre(14, QLatin1String("tipo"), campo::tipo);
    if (x.e_(campo::bloqueavanzar, un) || x.e_(campo::bloquearecuar, un))
        x.elemento(12, QLatin1String("nonpasar"),
                   x.e_(campo::bloquearecuar, un) ? QStringLiteral(" atras=\"1\" ") : QString(),
                   x.e_(campo::bloqueavanzar, un) ? QStringLiteral("1") : QStringLiteral("0"));
    x.candoten(14, QLatin1String("cabeceira"), campo::cabeceira);
    x.candoten(14, QLatin1String("pe"), campo::pe);
    if (x.ten(campo::textoliga))
        x.elemento(14, QLatin1String("mais"), atributo(QLatin1String("ir"), x.E(campo::destinoliga)),
                   x.E(campo::textoliga));
    if (x.ten(campo::mensaxeben) || x.ten(campo::mensaxemal)) {
        QString atributos = QStringLiteral(" ");
        if (x.ten(campo::mensaxeben)) atributos += atributo(QLatin1String("crt"), x.E(campo::mensaxeben));
        if (x.ten(campo::mensaxemal)) atributos += atributo(QLatin1String("icrt"), x.E(campo::mensaxemal));
        x.elemento(14, QLatin1String("evalua"), atributos, QStringLiteral("1"));
    }
    // In types 12 and 21 P14 is an item's sound, not the page picture.
    if (x.ten(campo::imaxe) && x.tipo != 12 && x.tipo != 21) {
        QString atributos;
        if (x.tipo == 2 || x.tipo == 30) {
            if (x.e_(15, un)) atributos += QLatin1String(" auto=\"1\" ");
            if (x.ten(28)) atributos += atributo(QLatin1String("posx"), x.E(28));
            if (x.ten(29)) atributos += atributo(QLatin1String("posy"), x.E(29));
        }
        if ((x.tipo == 2 || x.tipo == 30 || x.tipo == 1 || x.tipo == 19 || x.tipo == 38) && x.ten(33))
            atributos += atributo(QLatin1String("alt"), x.E(33));
        x.elemento(14, QLatin1String("imaxe"), atributos, x.F(campo::imaxe));
    }
    if (x.ten(campo::son))
        x.elemento(14, QLatin1String("son"),
                   x.e_(campo::autoson, un) ? QStringLiteral(" auto=\"1\"") : QString(), x.F(campo::son));
}

void paxinas(Escrita& e) {
    const Book& b = e.libro;
    // Rows past the 99 pages of a book are never part of it, whatever numpaxinas says.
    const int ultima = std::min<int>(b.numpaxinas, Book::maxpaxinas);
    for (int fila = 1; fila <= ultima; ++fila) {
        const Tpaxina& p = b.taboapaxinas[fila];
        if (p[campo::tipo].isEmpty()) continue;
        // A type code that is not a number writes the common part only.
        EscritaPaxina x{e, p, b.textospaxina[fila], enteiro(p[campo::tipo], 0)};
        e.lina(8, QLatin1String("<paxina id=\"") + QString::number(fila) + QLatin1String("\" >"));
        partecomun(x);
        bloquepaxina(x);
        e.lina(8, QLatin1String("</paxina>"));
    }
}

} // namespace

} // namespace escritura

QStringList linaslibro(const Book& libro, const QString& arquivolibro, int idiomavisor,
                       const PoliticaLibro& politica) {
    using namespace escritura;
    QStringList linas;
    linas.reserve(64 + 24 * std::min<int>(libro.numpaxinas, Book::maxpaxinas));
    Escrita e(libro, arquivolibro, politica, linas);
    e.lina(0, QLatin1String("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
    e.lina(0, QLatin1String("<zub version=\"") + escapaatributo(politica.version) + QLatin1String("\">"));
    e.lina(4, QLatin1String("<config>"));
    config(e, idiomavisor);
    e.lina(4, QLatin1String("</config>"));
    e.lina(4, QLatin1String("<libro>"));
    paxinas(e);
    e.lina(4, QLatin1String("</libro>"));
    e.lina(0, QLatin1String("</zub>"));
    return linas;
}

void mensaxespordefecto(Book& libro) {
    if (libro.chkben && libro.txtben.isEmpty()) libro.txtben = QStringLiteral("CORRECTO");
    if (libro.chkmal && libro.txtmal.isEmpty()) libro.txtmal = QStringLiteral("INCORRECTO");
}

bool gardalocal(Book& libro, const QString& arquivolibro, int idiomavisor) {
    reterbuffers();
    mensaxespordefecto(libro);
    return gardarlinas(arquivolibro, linaslibro(libro, arquivolibro, idiomavisor));
}

} // namespace quibel
