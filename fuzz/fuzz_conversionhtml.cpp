// Bytes as UTF-8 through every conversion of the page texts: none may crash or hang, the HTML
// editor's text and the rich text must settle after one round, and well-formed bracket notation
// must come back from its HTML.
#include "book/conversionhtml.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace quibel;

// QTextDocument needs a QGuiApplication; the replay binary has no other place to create one.
void aplicacion() {
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "fuzz_conversionhtml";
        static char* argv[] = {nome, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

[[noreturn]] void fallo(const char* comprobacion, const QString& a, const QString& b) {
    std::fprintf(stderr, "check failed: %s\n--- first\n%s\n--- second\n%s\n", comprobacion,
                 a.toUtf8().constData(), b.toUtf8().constData());
    std::abort();
}

bool ecorchete(QChar c) {
    return c == u'[' || c == u']' || c == u'{' || c == u'}';
}

// Characters that would form or break a tag once the notation is HTML.
bool edeetiqueta(QChar c) {
    return c == u'<' || c == u'>' || c == u'"';
}

// Reads a value up to the given two-character end; false on any bracket or tag character before it.
bool valor(const QString& t, qsizetype& i, QStringView fin) {
    for (; i < t.size(); ++i) {
        if (QStringView(t).mid(i).startsWith(fin)) {
            i += fin.size();
            return true;
        }
        if (ecorchete(t[i]) || edeetiqueta(t[i])) return false;
    }
    return false;
}

// Only text made of plain runs, [[target][text]] and {{file}} (pictures allowed in link texts),
// with no brackets elsewhere and no tag characters at all, has one reading both ways; any other
// text may legitimately change.
bool notacionclara(const QString& t) {
    bool enligazon = false;
    for (qsizetype i = 0; i < t.size();) {
        const QStringView resto = QStringView(t).mid(i);
        if (resto.startsWith(u"{{")) {
            i += 2;
            if (!valor(t, i, u"}}")) return false;
        } else if (!enligazon && resto.startsWith(u"[[")) {
            i += 2;
            if (!valor(t, i, u"][")) return false;
            enligazon = true;
        } else if (enligazon && resto.startsWith(u"]]")) {
            i += 2;
            enligazon = false;
        } else if (ecorchete(t[i]) || edeetiqueta(t[i])) {
            return false;
        } else {
            ++i;
        }
    }
    return !enligazon;
}

QString redondo(const QString& html) {
    QTextDocument documento;
    htmlarich(html, documento);
    return richahtml(documento);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Page texts are small; longer inputs only slow the search down.
    if (size > 64 * 1024) return 0;
    aplicacion();
    const QString x = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    // Opening and applying in the HTML editor.
    const QString t1 = textoahtml(htmlatexto(x));
    const QString t2 = textoahtml(htmlatexto(t1));
    if (t2 != t1) fallo("textoahtml(htmlatexto(t1)) == t1", t1, t2);

    // Bracket notation both ways; any HTML goes through htmlamarcas, only clear notation back.
    (void)htmlamarcas(x);
    const QString html = marcasahtml(x);
    if (notacionclara(x) && htmlamarcas(html) != x)
        fallo("htmlamarcas(marcasahtml(t)) == t", x, htmlamarcas(html));

    // Splitting keeps every piece, so joining gives the text back.
    for (QChar separador : {QChar(u'|'), x.isEmpty() ? QChar(u',') : x.front()})
        if (partirtexto(x, separador).join(separador) != x)
            fallo("partirtexto(t, c).join(c) == t", x, partirtexto(x, separador).join(separador));

    // The rich-text editor: what comes out after one round is what it reads back.
    const QString h1 = redondo(x);
    const QString h2 = redondo(h1);
    if (h2 != h1) fallo("richahtml(htmlarich(h1)) == h1", h1, h2);
    return 0;
}
