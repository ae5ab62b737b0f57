// Builds a book from a JSON file of raw page fields and exports it with the program's own export,
// for the player's browser tests:
//   libroproba BOOK.json TARGET [PROGRAM-FOLDER]
// BOOK.json: {"libro": {property: value}, "recursos": {name: kind}, "paxinas": [{"P0": "1", ...,
// "W0": "..."}]}. A resource kind is "imx:RRGGBB" or "imx:RRGGBB:WxH" (a PNG of that colour) or
// "son" (a short WAV tone); a field value "@name" stands for the full path of that resource.
// The program folder holds tpl/ (the source tree's, so the player is tested as it stands). The
// export lands in TARGET/web; with "scorm": true in "libro" also the SCORM package TARGET/web/libro.zip.
#include "book/globais.h"
#include "languages/idiomas.h"
#include "publish/enchehtml.h"
#include "publish/exportarlibro.h"
#include "publish/paquete.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <cmath>
#include <cstdio>

using namespace quibel;

namespace {

bool son(const QString& ruta) {
    // 0.3 s of a 660 Hz tone, 8 kHz mono 16-bit PCM.
    const int mostras = 2400;
    QByteArray d;
    const auto u32 = [&d](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        d.append(b, 4);
    };
    const auto u16 = [&d](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        d.append(b, 2);
    };
    d.append("RIFF");
    u32(36 + mostras * 2);
    d.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    d.append("data");
    u32(mostras * 2);
    for (int i = 0; i < mostras; ++i)
        u16(quint16(qint16(6000 * std::sin(2 * M_PI * 660 * i / 8000.0))));
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(d) == d.size();
}

bool recurso(const QString& ruta, const QString& tipo) {
    if (tipo == QLatin1String("son")) return son(ruta);
    const QStringList q = tipo.split(':');
    if (q.value(0) != QLatin1String("imx")) return false;
    int an = 64, al = 48;
    if (const QStringList t = q.value(2).split('x'); t.size() == 2) {
        an = qMax(1, t[0].toInt());
        al = qMax(1, t[1].toInt());
    }
    QImage i(an, al, QImage::Format_RGB32);
    i.fill(QColor(QLatin1Char('#') + q.value(1, QStringLiteral("808080"))));
    // A darker corner, so that a piece of the picture shows where it came from.
    for (int y = 0; y < al / 3; ++y)
        for (int x = 0; x < an / 3; ++x)
            i.setPixel(x, y, QColor(i.pixel(x, y)).darker(180).rgb());
    return i.save(ruta, "PNG");
}

QString valor(const QJsonValue& v, const QString& recursos) {
    QString s = v.isDouble() ? QString::number(v.toInt()) : v.toString();
    if (s.startsWith(QLatin1Char('@'))) s = recursos + s.mid(1);
    return s;
}

int falla(const QString& mensaxe) {
    std::fprintf(stderr, "libroproba: %s\n", qPrintable(mensaxe));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 3) return falla(QStringLiteral("usage: libroproba BOOK.json TARGET [PROGRAM-FOLDER]"));
    QFile f(a[1]);
    if (!f.open(QIODevice::ReadOnly)) return falla(QStringLiteral("cannot read ") + a[1]);
    QJsonParseError erro;
    const QJsonObject o = QJsonDocument::fromJson(f.readAll(), &erro).object();
    if (erro.error != QJsonParseError::NoError)
        return falla(a[1] + QStringLiteral(": ") + erro.errorString());

    const QString destino = QDir(a[2]).absolutePath() + QLatin1Char('/');
    QDir(destino).removeRecursively();
    const QString recursos = destino + QStringLiteral("libro/res/");
    QDir().mkpath(recursos);
    const QJsonObject rs = o[QLatin1String("recursos")].toObject();
    for (auto i = rs.begin(); i != rs.end(); ++i)
        if (!recurso(recursos + i.key(), i.value().toString()))
            return falla(QStringLiteral("resource ") + i.key());

    textosESP();
    Book l;
    l.carpetaprograma =
        a.size() > 3 ? QDir(a[3]).absolutePath() + QLatin1Char('/') : app.applicationDirPath() + '/';
    l.carpetalibro = destino + QStringLiteral("libro");
    l.carpetarecursos = recursos;
    l.donde = destino + QStringLiteral("web");
    l.nalmacen = QStringLiteral("recursos");
    l.nlibro = QStringLiteral("libro.zub");
    l.txthtml = QStringLiteral("libro.html");
    FollaExportar folla;
    ContornoExportar c;
    const QJsonObject b = o[QLatin1String("libro")].toObject();
    const auto texto = [&](const char* k) { return valor(b[QLatin1String(k)], recursos); };
    l.txttitulo = texto("txttitulo");
    l.txtsub = texto("txtsub");
    l.txtautor = texto("txtautor");
    l.txtben = texto("txtben");
    l.txtmal = texto("txtmal");
    l.chkben = !l.txtben.isEmpty();
    l.chkmal = !l.txtmal.isEmpty();
    l.txcaracter = texto("txcaracter");
    l.cormensaxeslibro = texto("cormensaxes");
    l.corfondolibro = texto("corfondo");
    l.arquivocorrecto = texto("sonben");
    l.arquivoincorrecto = texto("sonmal");
    l.benson = QFileInfo(l.arquivocorrecto).fileName();
    l.malson = QFileInfo(l.arquivoincorrecto).fileName();
    l.desordenpax = b[QLatin1String("desordenar")].toBool();
    c.idiomavisor = b[QLatin1String("idiomavisor")].toInt();
    if (b[QLatin1String("scorm")].toBool()) {
        l.empa = true;
        l.txtempa = QStringLiteral("libro.zip");
        folla.chscorm = true;
    }

    const QJsonArray ps = o[QLatin1String("paxinas")].toArray();
    if (ps.size() > Book::maxpaxinas) return falla(QStringLiteral("too many pages"));
    l.numpaxinas = quint8(ps.size());
    for (int p = 1; p <= ps.size(); ++p) {
        const QJsonObject x = ps[p - 1].toObject();
        for (auto i = x.begin(); i != x.end(); ++i) {
            const QString k = i.key();
            const int n = k.mid(1).toInt();
            if (k.startsWith(QLatin1Char('P')) && Book::campovalido(n))
                l.paxina(p)[n] = valor(i.value(), recursos);
            else if (k.startsWith(QLatin1Char('W')) && Book::textovalido(n + 1))
                l.texto(p, n + 1) = valor(i.value(), recursos)
                                        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                        .replace(QLatin1String("\n"), QLatin1String("\r\n"));
            else if (!k.startsWith(QLatin1Char('#')))
                return falla(QStringLiteral("page %1: unknown key %2").arg(p).arg(k));
        }
    }

    QStringList mensaxes;
    c.avisos.confirmar = [](const QString&) { return true; };
    c.avisos.confirmarsino = [](const QString&) { return true; };
    c.avisos.mensaxe = [&mensaxes](const QString& m) { mensaxes << m; };
    c.avisos.aviso = c.avisos.mensaxe;
    c.avisos.titular = c.avisos.mensaxe;
    pasospaquete(c);
    conectarhtml(c.pasos, c.avisos.mensaxe);
    const ResultadoExportar r = exportarlibro(l, folla, c);
    // The export closes with one word (said once per product); anything else is a warning the test
    // book must not cause.
    mensaxes.removeDuplicates();
    if (mensaxes.size() > 1)
        for (const QString& m : mensaxes)
            std::fprintf(stderr, "libroproba: the export said: %s\n", qPrintable(m));
    if (!r.rematado || mensaxes.size() > 1) return falla(QStringLiteral("the export did not finish cleanly"));
    std::printf("%s\n", qPrintable(l.donde + QStringLiteral("/libro.html")));
    return 0;
}
