// Plain text and bracket notation of the page texts; the rich-text side is in conversionhtml_rich.cpp.
#include "book/conversionhtml.h"

namespace quibel {

namespace {

const QString kBr = QStringLiteral("<br>");

bool esfindelina(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool esbranco(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// Reads one tag from a copy of the caller's position, which the caller takes only on success.
struct Lector {
    const QString& t;
    qsizetype i;

    void brancos() {
        while (i < t.size() && esbranco(t[i]))
            ++i;
    }
    bool literal(QLatin1StringView s) {
        if (t.size() - i < s.size() || QStringView(t).mid(i, s.size()).compare(s, Qt::CaseInsensitive) != 0)
            return false;
        i += s.size();
        return true;
    }
    // `name = "value"` with blanks allowed around "=", the value in double quotes.
    bool atributo(QLatin1StringView nome, QString& valor) {
        if (!literal(nome)) return false;
        brancos();
        if (!literal(QLatin1StringView("="))) return false;
        brancos();
        if (!literal(QLatin1StringView("\""))) return false;
        const qsizetype fin = t.indexOf(u'"', i);
        if (fin < 0) return false;
        valor = t.mid(i, fin - i);
        i = fin + 1;
        return true;
    }
    // "<name" followed by at least one blank.
    bool apertura(QLatin1StringView nome) {
        if (!literal(QLatin1StringView("<")) || !literal(nome)) return false;
        if (i >= t.size() || !esbranco(t[i])) return false;
        brancos();
        return true;
    }
};

// A target or file in the notation must not hold what marcasahtml would read as markers.
bool valorlimpo(const QString& v) {
    for (QChar c : v)
        if (c == u'[' || c == u']' || c == u'{' || c == u'}') return false;
    return true;
}

// `<img src="F" >` at i (any case and spacing, an optional "/" before ">"): {{F}} and the end.
bool lerimaxe(const QString& html, qsizetype i, QString& saida, qsizetype& fin) {
    Lector l{html, i};
    QString ficheiro;
    if (!l.apertura(QLatin1StringView("img")) || !l.atributo(QLatin1StringView("src"), ficheiro))
        return false;
    l.brancos();
    l.literal(QLatin1StringView("/"));
    if (!l.literal(QLatin1StringView(">")) || !valorlimpo(ficheiro)) return false;
    saida = QStringLiteral("{{") + ficheiro + QStringLiteral("}}");
    fin = l.i;
    return true;
}

// One left-to-right pass. The next closing tag and the next bracket are searched once and kept
// while the pass moves on, so unclosed links do not make it quadratic.
class Marcador {
public:
    explicit Marcador(const QString& html) : html_(html) {}

    QString marcas() {
        QString saida;
        saida.reserve(html_.size());
        qsizetype i = 0;
        while (i < html_.size()) {
            QString elemento;
            qsizetype fin = 0;
            if (html_[i] == u'<' && (ligazon(i, elemento, fin) || lerimaxe(html_, i, elemento, fin))) {
                saida += elemento;
                i = fin;
            } else {
                saida += html_[i++];
            }
        }
        return saida;
    }

private:
    // `<a href="T" >X</a>` at i: [[T][X]], pictures inside X converted too.
    bool ligazon(qsizetype i, QString& saida, qsizetype& fin) {
        Lector l{html_, i};
        QString destino;
        if (!l.apertura(QLatin1StringView("a")) || !l.atributo(QLatin1StringView("href"), destino) ||
            !valorlimpo(destino))
            return false;
        l.brancos();
        if (!l.literal(QLatin1StringView(">"))) return false;
        buscarpeche(l.i);
        if (peche_ < 0) return false;
        buscarcorchete(l.i);
        if (corchete_ >= 0 && corchete_ < peche_) return false;
        const QString texto = Marcador(html_.mid(l.i, peche_ - l.i)).marcas();
        saida = QStringLiteral("[[") + destino + QStringLiteral("][") + texto + QStringLiteral("]]");
        fin = fimpeche_;
        return true;
    }

    // The first "</a" (optional blanks before ">") at or after desde.
    void buscarpeche(qsizetype desde) {
        if (buscadopeche_ >= 0 && buscadopeche_ <= desde && (peche_ < 0 || peche_ >= desde)) return;
        buscadopeche_ = desde;
        for (peche_ = html_.indexOf(QLatin1StringView("</a"), desde, Qt::CaseInsensitive); peche_ >= 0;
             peche_ = html_.indexOf(QLatin1StringView("</a"), peche_ + 1, Qt::CaseInsensitive)) {
            Lector l{html_, peche_ + 3};
            l.brancos();
            if (l.literal(QLatin1StringView(">"))) {
                fimpeche_ = l.i;
                return;
            }
        }
    }

    // A link text must not hold "[" or "]", which marcasahtml would misread.
    void buscarcorchete(qsizetype desde) {
        if (buscadocorchete_ >= 0 && buscadocorchete_ <= desde && (corchete_ < 0 || corchete_ >= desde))
            return;
        buscadocorchete_ = desde;
        for (corchete_ = desde; corchete_ < html_.size(); ++corchete_)
            if (html_[corchete_] == u'[' || html_[corchete_] == u']') return;
        corchete_ = -1;
    }

    const QString& html_;
    qsizetype buscadopeche_ = -1, peche_ = -1, fimpeche_ = -1;
    qsizetype buscadocorchete_ = -1, corchete_ = -1;
};

} // namespace

// "<br>" with the line break written around it (one CR before, one CR LF, CR or LF after) is one
// LF; any other run of CR and LF is layout only and becomes one blank. The result holds no CR and
// every LF stands for a "<br>", so textoahtml of it converts back to the same HTML on every round.
QString htmlatexto(const QString& html) {
    QString texto;
    texto.reserve(html.size());
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        if (esfindelina(html[i])) {
            qsizetype fin = i;
            while (fin < n && esfindelina(html[fin]))
                ++fin;
            // A CR right before "<br>" belongs to it; the rest of the run is one blank.
            const bool levacr = html[fin - 1] == u'\r' && QStringView(html).mid(fin).startsWith(kBr);
            if (fin - i > (levacr ? 1 : 0)) texto += u' ';
            i = fin;
        } else if (QStringView(html).mid(i).startsWith(kBr)) {
            texto += u'\n';
            i += kBr.size();
            if (QStringView(html).mid(i).startsWith(u"\r\n"))
                i += 2;
            else if (i < n && esfindelina(html[i]))
                ++i;
        } else {
            texto += html[i++];
        }
    }
    return texto;
}

QString textoahtml(const QString& texto) {
    QString html = texto;
    if (!html.contains(QLatin1StringView("size")))
        html = QStringLiteral("<font size=\"12\">") + html + QStringLiteral("</font>");
    return html.replace(u'\n', kBr);
}

// Plain replaces in this order: "]]" goes before "][" so that an empty link text ("[[p][]]") still
// closes its element.
QString marcasahtml(const QString& texto) {
    QString html = texto;
    html.replace(QLatin1StringView("[["), QLatin1StringView("<a href=\""));
    html.replace(QLatin1StringView("]]"), QLatin1StringView("</a>"));
    html.replace(QLatin1StringView("]["), QLatin1StringView("\"  >"));
    html.replace(QLatin1StringView("{{"), QLatin1StringView("<img src=\""));
    html.replace(QLatin1StringView("}}"), QLatin1StringView("\"   >"));
    return html;
}

// Whole elements only, so a link in any spelling becomes the notation and anything else stays HTML:
// an element with more attributes, a target or file in single quotes, or a value holding brackets
// (which marcasahtml would misread) is left as it is.
QString htmlamarcas(const QString& html) {
    return Marcador(html).marcas();
}

// Empty pieces are kept and the last piece is always there: "" gives one empty item.
QStringList partirtexto(const QString& texto, QChar separador) {
    return texto.split(separador, Qt::KeepEmptyParts);
}

} // namespace quibel
