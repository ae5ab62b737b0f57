// Import of pages from another book file into the open book.
#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/documento.h"

#include <gtest/gtest.h>

using namespace quibel;

namespace {

QString fixture(const char* carpeta, const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/%1/%2").arg(QLatin1String(carpeta), QLatin1String(nome));
}

// A book of n pages of type 1 with the headers h1..hn, page c shown.
void libro(Documento& d, int n, int c) {
    d.libro.inicializar();
    d.libro.txtlibro = "meu";
    d.libro.txttitulo = "Meu";
    for (int i = 1; i <= n; ++i) {
        d.libro.paxina(i)[0] = "1";
        d.libro.paxina(i)[35] = QStringLiteral("h%1").arg(i);
    }
    d.libro.numpaxinas = quint8(n);
    d.porpaxinaactual(c);
}

QString cabeceiras(const Book& b) {
    QStringList s;
    for (int i = 1; i <= b.numpaxinas; ++i)
        s << (b.paxina(i)[35].isEmpty() ? QStringLiteral("-") : b.paxina(i)[35]);
    return s.join(' ');
}

QString serie(const char* prefixo, int desde, int ata) {
    QStringList s;
    for (int i = desde; i <= ata; ++i)
        s << QStringLiteral("%1%2").arg(QLatin1String(prefixo)).arg(i);
    return s.join(' ');
}

} // namespace

TEST(Importar, RangesAgainstBookSizes) {
    const struct {
        const char* nome;
        int paxinas, actual, desde, ata;
        int insertadas, ataamosado;
        QString cabeceiras;
    } casos[] = {
        {"a range cut to the room left", 97, 1, 1, 5, 2, 2, "h1 s1 s2 " + serie("h", 2, 97)},
        {"a full book", 99, 5, 1, 5, 0, 0, serie("h", 1, 99)},
        {"last before first", 3, 2, 5, 3, 0, 3, "h1 h2 h3"},
        {"past the source's end", 2, 1, 3, 10, 4, 6, "h1 a & b s4 s5 s6 h2"},
        {"from page 0", 2, 2, 0, 2, 2, 2, "h1 h2 s1 s2"},
        {"beyond the source", 2, 1, 7, 9, 0, 6, "h1 h2"},
    };
    TXMLDoc doc;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Documento d;
        libro(d, c.paxinas, c.actual);
        const Importacion r = importar(d, doc, fixture("importar", "seis.zube"), c.desde, c.ata);
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.insertadas, c.insertadas);
        EXPECT_EQ(r.ata, c.ataamosado);
        EXPECT_EQ(cabeceiras(d.libro), c.cabeceiras);
        EXPECT_EQ(d.libro.txtlibro, "meu");
        EXPECT_EQ(d.libro.txttitulo, "Meu");
        if (c.insertadas) {
            EXPECT_EQ(d.paxinaactual(), c.actual + 1);
            EXPECT_FALSE(d.libro.paxina(c.actual + 1)[0].isEmpty()) << "no ghost page";
        }
    }
}

TEST(Importar, SourcesThatCannotBeReadInsertNothing) {
    TXMLDoc doc;
    for (const char* nome : {"roto.zube", "outro.xml", "baleiro.zube", "non_hai.zube"}) {
        SCOPED_TRACE(nome);
        Documento d;
        libro(d, 2, 1);
        const Importacion r = importar(d, doc, fixture("comandos", nome), 1, 5);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.erro.isEmpty());
        EXPECT_EQ(cabeceiras(d.libro), "h1 h2");
        EXPECT_FALSE(lerimportacion(doc, fixture("comandos", nome)).ok);
    }
}

TEST(Importar, EveryFormOpenReadsImportsAlike) {
    TXMLDoc doc;
    for (const char* nome : {"bom.zube", "bom_codificado.zube", "latin1.zube", "comentario.zube"}) {
        SCOPED_TRACE(nome);
        const FonteImportacion f = lerimportacion(doc, fixture("comandos", nome));
        EXPECT_TRUE(f.ok);
        EXPECT_EQ(f.paxinas, 2);
        Documento d;
        libro(d, 1, 1);
        const Importacion r = importar(d, doc, fixture("comandos", nome), 1, 2);
        EXPECT_EQ(r.insertadas, 2);
        EXPECT_EQ(cabeceiras(d.libro), "h1 Páxina ñ Segunda");
    }
    // A comment among the pages is no page.
    EXPECT_EQ(lerimportacion(doc, fixture("importar", "seis.zube")).paxinas, 6);
}
