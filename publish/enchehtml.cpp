#include "publish/enchehtml.h"

#include "book/campos.h"
#include "book/rutinas.h"
#include "publish/exportarlibro.h"
#include "publish/jsonlibro.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace quibel {

// --- media and panels ----------------------------------------------------------------------

QString textoenhtml(const QString& texto) {
    QString r;
    r.reserve(texto.size());
    for (const QChar c : texto) {
        if (c == u'"')
            r += QLatin1String("&quot;");
        else if (c == u'<')
            r += QLatin1String("&lt;");
        else if (c == u'>')
            r += QLatin1String("&gt;");
        else
            r += c;
    }
    return r;
}

QString envolve(const QString& valor, const QString& prefixo, const QString& sufixo) {
    return valor.isEmpty() ? QString() : prefixo + valor + sufixo;
}

namespace {

enum class Media { ningun, imaxe, video, flash };

Media tipomedia(const QString& ruta) {
    const QString e = QFileInfo(nomearquivo(ruta)).suffix().toLower();
    if (e == u"gif" || e == u"jpg" || e == u"jpeg" || e == u"png") return Media::imaxe;
    if (e == u"wbm" || e == u"webm" || e == u"mp4" || e == u"flv" || e == u"ogg" || e == u"ogv")
        return Media::video;
    if (e == u"swf") return Media::flash;
    return Media::ningun;
}

QString posicion(const QString& x, const QString& y) {
    if (x.isEmpty() && y.isEmpty()) return {};
    return QStringLiteral("style=\"") +
           envolve(textoenhtml(x), QStringLiteral("left:"), QStringLiteral("px ;")) +
           envolve(textoenhtml(y), QStringLiteral("top:"), QStringLiteral("px ;")) + u'"';
}

QString titulo(const QString& alt) {
    return envolve(textoenhtml(alt), QStringLiteral("title=\""), QStringLiteral("\""));
}

// The Flash box; sangria is the blank before its opening.
QString caixaflash(const QString& enderezo, const QString& pos, const QString& prefixo,
                   const QString& sangria) {
    const QString obxecto =
        QStringLiteral("\" type=\"application/x-shockwave-flash\" width=\"100%\" height=\"100%\"");
    return sangria + QStringLiteral("<div class=\"") + prefixo + QStringLiteral("-sw\" ") + pos +
           QStringLiteral(">  <object data=\"") + enderezo + obxecto + QStringLiteral("><embed src=\"") +
           enderezo + obxecto + QStringLiteral("/></object></div>");
}

const QString etiquetavideo = QStringLiteral("<video width=\"100%\" height=\"100%\" controls  src=\"");

} // namespace

QString htmlmediapos(const QString& ruta, const QString& alt, const QString& x, const QString& y,
                     const Enderezar& url, const QString& prefixo) {
    const Media m = tipomedia(ruta);
    if (m == Media::ningun) return {};
    const QString enderezo = textoenhtml(url(ruta));
    const QString pos = posicion(x, y);
    switch (m) {
    case Media::imaxe:
        return QStringLiteral(" <div class=\"") + prefixo + QStringLiteral("-im\" ") + pos +
               QStringLiteral("><img src=\"") + enderezo + QStringLiteral("\" ") + titulo(alt) +
               QStringLiteral("></div>");
    case Media::video:
        return QStringLiteral(" <div class=\"") + prefixo + QStringLiteral("-vi\" ") + pos + u'>' +
               etiquetavideo + enderezo + QStringLiteral("\">") + textoenhtml(alt) +
               QStringLiteral("</video></div>");
    default:
        return caixaflash(enderezo, pos, prefixo, QStringLiteral(" "));
    }
}

QString htmlmedia(const QString& ruta, const QString& alt, const QString& x, const QString& y,
                  const Enderezar& url, const QString& prefixo) {
    const Media m = tipomedia(ruta);
    if (m == Media::ningun) return {};
    const QString enderezo = textoenhtml(url(ruta));
    switch (m) {
    case Media::imaxe:
        return QStringLiteral("<img src=\"") + enderezo + QStringLiteral("\" class=\"") + prefixo +
               QStringLiteral("-im\" ") + titulo(alt) + u'>';
    case Media::video:
        return etiquetavideo + enderezo + QStringLiteral("\" class=\"") + prefixo +
               QStringLiteral("-im\" >") + textoenhtml(alt) + QStringLiteral("</video>");
    default:
        return caixaflash(enderezo, posicion(x, y), prefixo, {});
    }
}

QString htmlplan(const QString& texto, const QString& ruta, const QString& alt, const Enderezar& url,
                 const QString& disposicion) {
    const QString media = htmlmedia(ruta, alt, {}, {}, url, QStringLiteral("clplan"));
    const QString fin = QStringLiteral("</div>");
    if (ruta.isEmpty()) return QStringLiteral("<div class=\"clplan-z5t\" >") + texto + fin;
    if (texto.isEmpty()) return QStringLiteral("<div class=\"clplan-z5m\" >") + media + fin;
    // A layout that is no number counts as the first.
    const int n = enteiro(disposicion, 0) + 1;
    const QString t = QStringLiteral("clplan-z%1t").arg(n);
    const QString m = QStringLiteral("clplan-z%1m").arg(n);
    const QString caixamedia = QStringLiteral("<div class=\"") + m + QStringLiteral("\">") + media + fin;
    if (n == 4)
        return QStringLiteral("<div class=\"") + t + QStringLiteral("\" >") + texto + fin + caixamedia;
    return caixamedia + QStringLiteral("<div class=\"") + t + QStringLiteral("\">") + texto + fin;
}

QString htmlpechado(const QString& html) {
    static const QRegularExpression fintemplate(QStringLiteral("<(/template|plaintext)"),
                                                QRegularExpression::CaseInsensitiveOption);
    QString r = html;
    r.replace(fintemplate, QStringLiteral("&lt;\\1"));
    const qsizetype comentario = r.lastIndexOf(QLatin1String("<!--"));
    if (comentario >= 0 && r.indexOf(QLatin1String("-->"), comentario + 4) < 0) r += QLatin1String("-->");
    // One end tag for every opening of a raw-text element: the first closes what is open (also a
    // script whose "<!--<script" ate its own end tag), the others are stray end tags, which HTML
    // ignores.
    for (const char* e :
         {"script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes", "noscript"}) {
        const QString nome = QLatin1String(e);
        const qsizetype aberturas = r.count(u'<' + nome, Qt::CaseInsensitive);
        for (qsizetype i = 0; i < aberturas; ++i)
            r += QStringLiteral("</") + nome + u'>';
    }
    return r;
}

QString panelhtml(const Book& libro, int paxina, const Enderezar& url) {
    const Tpaxina& raw = libro.paxina(paxina);
    const auto p = [&raw](int c) { return escapajson(raw[c]); };
    const QString w0 = htmlpechado(libro.texto(paxina, 1));
    switch (enteiro(raw[campo::tipo], 0)) {
    case 2: {
        QString r = QStringLiteral(" <div class=\"cltexto-b\">");
        if (!raw[campo::imaxe].isEmpty())
            r += htmlmediapos(raw[campo::imaxe], p(33), p(28), p(29), url, QStringLiteral("cltexto"));
        if (!w0.isEmpty()) {
            const auto estilo = [&](int c, const char* nome, const char* fin) {
                return envolve(textoenhtml(p(c)), QLatin1String(nome), QLatin1String(fin));
            };
            r += QStringLiteral("<div class=\"cltexto-tx\" style=\"position:absolute;") +
                 estilo(8, "left:", "px ;") + estilo(9, "top:", "px ;") + estilo(10, "height:", "px ;");
            if (raw[30] == u"1") r += estilo(18, "background-color:#", " ;");
            r += estilo(19, "color:#", " ;") + QStringLiteral("\">") + w0 + QStringLiteral("</div>");
        }
        return r + QStringLiteral("</div>");
    }
    case 15: {
        QString r = QStringLiteral("<div  class=\"clmenu-base\"><ul class=\"clmenu-tab\">");
        for (int i = 1; i <= 6; ++i) {
            if (raw[6 + i].isEmpty()) continue;
            r += QStringLiteral("<li>  <a href=\"javascript:;\" class=\"clmenu-bottab\">") +
                 textoenhtml(p(6 + i)) + QStringLiteral("</a><div class=\"clmenu-contenttab\">") +
                 textohtml(htmlpechado(libro.texto(paxina, i)));
            if (!raw[21 + i].isEmpty())
                r += htmlmediapos(raw[21 + i], {}, {}, {}, url, QStringLiteral("clmenu"));
            r += QStringLiteral("</div></li>");
        }
        return r + QStringLiteral("</ul></div>");
    }
    case 38:
        return QStringLiteral(" <div class=\"clplan-b\">") +
               htmlplan(w0, raw[campo::imaxe], p(33), url, raw[8]) + QStringLiteral("</div>");
    default:
        return {};
    }
}

QString menuhtml(const QList<QPair<QString, QString>>& ligas) {
    if (ligas.isEmpty()) return {};
    QString r = QStringLiteral("\r<ul>\r");
    for (const auto& [texto, destino] : ligas) {
        // The target is a JavaScript string in a javascript: address inside an attribute: escaped
        // for the string, then for the address (which is percent-decoded), then for the attribute.
        QString js = destino;
        js.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
        js.replace(u'%', QLatin1String("%25")).replace(u'&', QLatin1String("&amp;"));
        r += QStringLiteral("<li><a href=\"javascript:ZUB.salto('") + textoenhtml(js) +
             QStringLiteral("')\">") + textoenhtml(texto) + QStringLiteral("</a></li>\r");
    }
    return r + QStringLiteral("</ul>\r");
}

// --- files ---------------------------------------------------------------------------------

QString textoentre(const QString& texto, const QString& inicio, const QString& fin) {
    const qsizetype p = texto.indexOf(inicio);
    const qsizetype q = texto.indexOf(fin);
    if (p < 0 || q < p + inicio.size()) return {};
    qsizetype a = p + inicio.size(), b = q;
    while (a < b && texto[a].unicode() < 33)
        ++a;
    while (b > a && texto[b - 1].unicode() < 33)
        --b;
    return texto.mid(a, b - a);
}

namespace {

// Every file below the folder, in path order so that the outcome does not depend on the disk.
QStringList ficheirosbaixo(const QString& cartafol) {
    QStringList r;
    QDirIterator it(cartafol, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        r << it.next();
    std::sort(r.begin(), r.end());
    return r;
}

bool mesmoficheiro(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (fa.absoluteFilePath() == fb.absoluteFilePath()) return true;
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

} // namespace

void copiacarpeta(const QString& orixe, const QString& destino) {
    if (orixe.isEmpty() || !QFileInfo(orixe).isDir()) return;
    const QString alvo = condelimitador(destino);
    for (const QString& f : ficheirosbaixo(orixe)) {
        const QString a = alvo + QFileInfo(f).fileName();
        if (!mesmoficheiro(f, a)) copiaficheiro(f, a, true);
    }
}

bool zipcarpeta(const QString& cartafol, const QString& prefixo, QList<EntradaZip>& zip) {
    const QFileInfo i(cartafol);
    if (!i.exists()) return true;
    if (!i.isDir() || !i.isReadable()) return false;
    QSet<QString> nomes;
    for (const QString& f : ficheirosbaixo(cartafol)) {
        const QString nome = QFileInfo(f).fileName();
        if (nomes.contains(nome)) continue;
        nomes.insert(nome);
        zip.append({f, prefixo + u'/' + nome});
    }
    return true;
}

QString carpetatpl(const QString& carpetaprograma) {
    const QString xunto = condelimitador(carpetaprograma) + QStringLiteral("tpl/");
    QStringList candidatos{xunto, condelimitador(carpetaprograma) + QStringLiteral("../share/quibel/tpl/")};
#ifdef QUIBEL_DATADIR
    candidatos << QStringLiteral(QUIBEL_DATADIR "/tpl/");
#endif
    for (const QString& c : candidatos)
        if (QFileInfo(c).isDir()) return QDir::cleanPath(c) + u'/';
    return xunto;
}

// --- filling the template ------------------------------------------------------------------

namespace {

// The text being filled: the template's own pieces and the values put into it, which are never
// scanned again for placeholders or markers.
struct Anaco {
    QString texto;
    bool valor;
};
using Texto = QList<Anaco>;

// Every occurrence of marca in the template's pieces replaced by valor.
void substituirmarca(Texto& t, const QString& marca, const QString& valor, Qt::CaseSensitivity caso) {
    Texto r;
    for (const Anaco& a : t) {
        if (a.valor) {
            r.append(a);
            continue;
        }
        qsizetype desde = 0, p;
        while ((p = a.texto.indexOf(marca, desde, caso)) >= 0) {
            if (p > desde) r.append({a.texto.mid(desde, p - desde), false});
            if (!valor.isEmpty()) r.append({valor, true});
            desde = p + marca.size();
        }
        if (desde < a.texto.size()) r.append({a.texto.mid(desde), false});
    }
    // Template text that meets again after a removal reads as one piece, as it would on the page.
    Texto x;
    for (const Anaco& a : r) {
        if (!x.isEmpty() && !a.valor && !x.back().valor)
            x.back().texto += a.texto;
        else
            x.append(a);
    }
    t = x;
}

QString xuntar(const Texto& t) {
    QString r;
    for (const Anaco& a : t)
        r += a.texto;
    return r;
}

QString ruta(const QString& cartafol, const QString& nome) {
    return condelimitador(cartafol) + nome;
}

} // namespace

ResultadoHtml enchehtml(const PaxinaHtml& e) {
    ResultadoHtml r;
    const auto fallar = [&r](const QString& mensaxe) {
        if (r.erro.isEmpty()) r.erro = mensaxe;
    };
    const QString destino = condelimitador(e.destino);
    const QString tpl = carpetatpl(e.carpetaprograma);

    // Template.
    const QString plantilla = !e.plantillapropia.isEmpty() && QFileInfo(e.plantillapropia).isFile()
                                  ? e.plantillapropia
                                  : tpl + e.nomeplantilla;
    QList<QByteArray> linas;
    if (QFileInfo(plantilla).isDir() || !lerlinas(plantilla, linas)) {
        fallar(erroplantilla + e.carpetaprograma + u')');
        linas.clear();
    }
    if (!linas.isEmpty() && linas.front().startsWith("\xEF\xBB\xBF")) linas.front().remove(0, 3);
    QString orixinal;
    bool haiinicio = false, haifin = false;
    for (const QByteArray& l : linas) {
        const QString s = QString::fromUtf8(l);
        haiinicio = haiinicio || s.contains(QLatin1String("{{paxinas}}"));
        haifin = haifin || s.contains(QLatin1String("{{endpaxinas}}"));
        orixinal += s + QLatin1String("\r\n");
    }
    const QString bloque = haiinicio && haifin ? textoentre(orixinal, QStringLiteral("{{paxinas}}"),
                                                            QStringLiteral("{{endpaxinas}}"))
                                               : QString();

    Texto t{{orixinal, false}};
    const QString scorm =
        e.scorm ? QStringLiteral("<script type=\"text/javascript\" src=\"scormzub.js\"></script>")
                : QString();
    const std::pair<const char*, QString> pares[] = {{"[[tags]]", textoenhtml(e.tag)},
                                                     {"[[titulo]]", textoenhtml(e.titulo)},
                                                     {"[[subtitulo]]", textoenhtml(e.subtitulo)},
                                                     {"[[scorm]]", scorm},
                                                     {"[[confzub]]", e.configuracion},
                                                     {"[[menu]]", e.menu}};
    for (const auto& [marca, valor] : pares)
        substituirmarca(t, QLatin1String(marca), valor, Qt::CaseInsensitive);
    if (!bloque.isEmpty()) substituirmarca(t, bloque, {}, Qt::CaseSensitive);

    QString paxinas;
    for (qsizetype i = 0; i < e.obxectos.size(); ++i) {
        Texto copia{{bloque, false}};
        const std::pair<const char*, QString> dopanel[] = {{"[[numpanel]]", QString::number(i)},
                                                           {"[[numpaxina]]", QString::number(i + 1)},
                                                           {"[[datpanel]]", e.obxectos[i]},
                                                           {"[[htmlpanel]]", e.paneis.value(i)}};
        for (const auto& [marca, valor] : dopanel)
            substituirmarca(copia, QLatin1String(marca), valor, Qt::CaseInsensitive);
        paxinas += xuntar(copia) + u'\n';
    }
    substituirmarca(t, QStringLiteral("{{paxinas}}"), {}, Qt::CaseInsensitive);
    substituirmarca(t, QStringLiteral("{{endpaxinas}}"), paxinas, Qt::CaseInsensitive);

    // Page.
    const QString arquivo = destino + e.nomehtml;
    bool paxinafeita = false;
    if (e.nomehtml.isEmpty() || mesmoficheiro(arquivo, plantilla)) {
        fallar(errocrearhtml);
    } else if (!gardarlinas(arquivo, partirlinas(xuntar(t).toUtf8()))) {
        fallar(errocrearhtml);
    } else {
        paxinafeita = true;
        r.escrita = true;
    }

    // Player and template copy.
    const QString nomeplantilla = QFileInfo(plantilla).fileName();
    if (paxinafeita) {
        const QString xogador = destino + QStringLiteral("sczub");
        if (!QFileInfo(xogador).isDir() && !QDir().mkdir(xogador)) {
            fallar(errocopiarsczub + destino);
        } else {
            copiacarpeta(tpl + QStringLiteral("sczub"), xogador);
            if (!e.cartafolxogador.isEmpty())
                copiacarpeta(ruta(e.cartafolxogador, QStringLiteral("sczub")), xogador);
            const QString copia = destino + nomeplantilla;
            if (QFileInfo(plantilla).isFile() && !mesmoficheiro(copia, arquivo) &&
                !mesmoficheiro(copia, plantilla))
                copiaficheiro(plantilla, copia, true);
        }
    }

    // Package entries.
    if (e.empa) {
        if (QFileInfo(arquivo).isFile() && !e.nomehtml.isEmpty()) r.zip.append({arquivo, e.nomehtml});
        if (QFileInfo(plantilla).isFile() && nomeplantilla.compare(e.nomehtml, Qt::CaseInsensitive) != 0)
            r.zip.append({plantilla, nomeplantilla});
        if (!zipcarpeta(destino + QStringLiteral("sczub"), QStringLiteral("sczub"), r.zip))
            fallar(errocrearzip + destino);
    }
    return r;
}

PaxinaHtml paxinahtml(const DescricionLibro& d) {
    PaxinaHtml e;
    e.configuracion = d.configuracion;
    e.menu = menuhtml(d.menu);
    for (const PaxinaJson& p : d.paxinas) {
        e.obxectos << p.obxecto;
        e.paneis << p.panel;
    }
    e.tag = d.tag;
    e.titulo = d.titulo;
    e.subtitulo = d.subtitulo;
    return e;
}

void conectarhtml(PasosExportar& pasos, std::function<void(const QString&)> mensaxe) {
    pasos.html = [mensaxe](ContextoExportar& c, const DescricionLibro& d) {
        // Without a page name no HTML5 page is wanted.
        if (c.libro.txthtml.isEmpty()) return;
        const Enderezar url = [&c](const QString& r) {
            return rutaurl(r, c.libro.carpetarecursos, true, &c.nomes);
        };
        PaxinaHtml e = paxinahtml(d);
        e.nomehtml = c.libro.txthtml;
        e.destino = c.destino;
        e.cartafolxogador = c.cartafolplantilla;
        e.plantillapropia = c.folla.txplant;
        e.carpetaprograma = c.libro.carpetaprograma;
        for (qsizetype i = 0; i < d.paxinas.size(); ++i)
            if (e.paneis[i].isEmpty()) e.paneis[i] = panelhtml(c.libro, d.paxinas[i].paxina, url);
        e.scorm = c.scorm;
        e.empa = c.libro.empa;
        const ResultadoHtml r = enchehtml(e);
        c.zip.append(r.zip);
        if (!r.erro.isEmpty() && mensaxe) mensaxe(r.erro);
    };
}

} // namespace quibel
