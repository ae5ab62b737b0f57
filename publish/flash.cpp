#include "publish/flash.h"

#include "book/rutinas.h"
#include "publish/exportarlibro.h"

#include <QSaveFile>

#include <array>

namespace quibel {

namespace {

// Trailing blanks are part of the texts.
const std::array<const char*, 29> lineasflash = {
    "",
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"es\" lang=\"es\"> ",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /> ",
    "<meta name=\"Author\" content=\"",
    "<meta name=\"Keywords\" content=\"",
    "</title>",
    "</head> ",
    "<body >",
    "<div align=\"center\"> ",
    "<object type=\"application/x-shockwave-flash\" id=\"objzub\" data=\"",
    "\" width=\"",
    "\" height=\"",
    "\" align=\"top\" >",
    "<param name=\"allowScriptAccess\" value=\"always\" />",
    "<param name=\"movie\" value=\"",
    "<param name=\"quality\" value=\"high\" /> ",
    "<param name=\"FlashVars\" value=\"libro=",
    "<param name=\"allowFullScreen\" value=\"true\" />",
    "<param name=\"src\" value=\"",
    "",
    "</object>",
    "</div>",
    "</body>",
    "</html>",
    "<body  style=\"height:100%;width:100%;margin:0;\" >",
    "",
    "",
    "<script type=\"text/javascript\" src=\"scormzub.js\"></script>",
};

QStringList deplantilla(const Book& b, const FollaExportar& folla, const QString& titulo) {
    const std::optional<QStringList> linas = lertextoarquivo(folla.txplant);
    if (!linas) return {};
    QString t = linas->join(QLatin1String("\r\n"));
    const std::pair<const char*, QString> pares[] = {
        {"[[titulo]]", titulo},
        {"[[subtitulo]]", b.txtsub},
        {"[[libro]]", b.nlibro},
        {"[[autor]]", b.txtautor},
        {"[[iden]]", b.txtiden},
        {"[[corfondo]]", u'#' + b.corfondolibro},
        {"[[cortexto]]", u'#' + b.cortextolibro},
    };
    for (const auto& [marca, valor] : pares)
        t = substituir(t, QString::fromLatin1(marca), valor);
    QStringList r;
    for (const QByteArray& l : partirlinas(t.toUtf8()))
        r << QString::fromUtf8(l);
    return r;
}

} // namespace

QString htmlflash(int indice) {
    if (indice < 0 || indice >= int(lineasflash.size())) return {};
    return QString::fromLatin1(lineasflash[indice]);
}

QString nomepaxinaflash(const QString& txthtml) {
    return senextension(txthtml) + QStringLiteral("f.html");
}

QStringList paxinaflash(const Book& b, const FollaExportar& folla, const QString& titulo, bool scorm) {
    if (!folla.txplant.isEmpty()) return deplantilla(b, folla, titulo);
    const auto l = htmlflash;
    const QString& n = b.nlibro;
    const QString& x = folla.txdimx;
    const QString& y = folla.txdimy;
    const QString e = QStringLiteral("\"/>");
    const QString filme = QStringLiteral("zub.swf?libro=") + n;
    const bool porcento = x.contains(u'%');
    QStringList p{l(0), l(1), l(2), l(3)};
    if (!b.txtautor.isEmpty()) p << l(4) + b.txtautor + e;
    if (!b.txtag.isEmpty()) p << l(5) + b.txtag + e;
    p << QStringLiteral("<title>") + titulo + l(6);
    if (scorm) p << l(28);
    p << l(7);
    if (porcento)
        p << l(25);
    else
        p << l(8) << l(9);
    p << l(10) + filme + l(11) + x + l(12) + y + l(13);
    p << l(14) << l(15) + filme + e << l(16) << l(18) << l(17) + n + e << l(19) + filme + e;
    p << l(21);
    if (!porcento) p << l(22);
    p << l(23) << l(24);
    return p;
}

bool gardarflash(const ContextoExportar& c, const QByteArray& swf) {
    const QStringList p = paxinaflash(c.libro, c.folla, c.titulo, c.scorm);
    if (!gardarlinas(c.destino + nomepaxinaflash(c.libro.txthtml), p)) return false;
    if (swf.isEmpty()) return true; // no player carried: none is written
    QSaveFile f(c.destino + QStringLiteral("zub.swf"));
    return f.open(QIODevice::WriteOnly) && f.write(swf) == swf.size() && f.commit();
}

} // namespace quibel
