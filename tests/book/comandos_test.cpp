// Opening a book file as a whole book, and the name rules of Save and of the command line.
#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/gardalocal.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quibel;

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/comandos/") + QString::fromLatin1(nome);
}

// An open book with something in every place an Open must replace or keep.
Book libroaberto() {
    Book b;
    b.numpaxinas = 1;
    b.paxina(1)[0] = "7";
    b.paxina(1)[35] = "old header";
    b.texto(1, 1) = "old text";
    b.txttitulo = "Old title";
    b.txtlicencia = "Old licence";
    b.carpetalibro = "/somewhere/";
    return b;
}

} // namespace

TEST(Open, EncodingsAndFormsAllGiveTheSameBook) {
    const char* const arquivos[] = {
        "utf8.zube",
        "utf8_maiusculas.zube",        // "UTF-8" in capitals is UTF-8
        "sen_declaracion.zube",        // no declaration, valid UTF-8
        "latin1_sen_declaracion.zube", // no declaration, not UTF-8: ISO-8859-1
        "latin1.zube",                 // declared ISO-8859-1
        "bom.zube",                    // a byte-order mark before the declaration
        "bom_codificado.zube",         // a byte-order mark before the "[*]" form
        "comentario.zube",             // a comment before the root element
    };
    for (const char* a : arquivos) {
        SCOPED_TRACE(a);
        Book b = libroaberto();
        TXMLDoc doc;
        const Apertura r = abrirlibro(b, doc, fixture(a));
        ASSERT_TRUE(r.ok) << r.erro.toStdString();
        EXPECT_EQ(b.txttitulo, QString::fromUtf8("Canción"));
        EXPECT_EQ(b.numpaxinas, 2);
        EXPECT_EQ(b.paxina(1)[35], QString::fromUtf8("Páxina ñ"));
        EXPECT_EQ(b.paxina(2)[0], "5");
        EXPECT_EQ(r.informe.paxinas, 2);
    }
}

TEST(Open, ABookOpenedReplacesTheOldOneWhole) {
    Book b = libroaberto();
    TXMLDoc doc;
    const QString arquivo = fixture("utf8.zube");
    ASSERT_TRUE(abrirlibro(b, doc, arquivo).ok);

    const QString cartafol = QStringLiteral(QUIBEL_FIXTURES "/comandos/");
    EXPECT_EQ(b.carpetalibro, cartafol);
    EXPECT_EQ(b.carpetarecursos, cartafol);
    EXPECT_EQ(b.txtlibro, "utf8");
    EXPECT_TRUE(b.txtlicencia.isEmpty());
    EXPECT_TRUE(b.texto(1, 1).isEmpty());
}

TEST(Open, AFailureLeavesTheOpenBookAsItWas) {
    struct Caso {
        const char* arquivo;
        bool mensaxepropia; // the parser's message rather than the general one
    };
    const Caso casos[] = {
        {"non_existe.zube", false}, {"roto.zube", true}, {"outro.xml", false},
        {"baleiro.zube", false},    {"", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivo);
        Book b = libroaberto();
        TXMLDoc doc;
        const Apertura r = abrirlibro(b, doc, c.arquivo[0] ? fixture(c.arquivo) : QString());
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.erro.isEmpty());
        EXPECT_EQ(r.erro != erroapertura, c.mensaxepropia) << r.erro.toStdString();
        EXPECT_EQ(b.numpaxinas, 1);
        EXPECT_EQ(b.paxina(1)[35], "old header");
        EXPECT_EQ(b.texto(1, 1), "old text");
        EXPECT_EQ(b.txttitulo, "Old title");
        EXPECT_EQ(b.carpetalibro, "/somewhere/");
    }
}

TEST(Open, AFolderIsNoBook) {
    Book b = libroaberto();
    TXMLDoc doc;
    EXPECT_FALSE(abrirlibro(b, doc, QStringLiteral(QUIBEL_FIXTURES "/comandos")).ok);
    EXPECT_EQ(b.paxina(1)[35], "old header");
}

TEST(SaveName, ZubeIsAddedOnlyWithoutAnExtension) {
    const std::pair<const char*, const char*> casos[] = {
        {"/b/libro", "/b/libro.zube"},
        {"/b/libro.zube", "/b/libro.zube"},
        {"/b/libro.xml", "/b/libro.xml"},
        {"/b.d/libro", "/b.d/libro.zube"},
        {"", ""},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(nomegardar(nome), esperado) << nome;
}

TEST(CommandLine, ARelativePathIsMadeAbsoluteAgainstTheStartFolder) {
    EXPECT_EQ(rutaargumento("libros/a.zube", "/home/autor"), "/home/autor/libros/a.zube");
    EXPECT_EQ(rutaargumento("../a.zube", "/home/autor/x"), "/home/autor/a.zube");
    EXPECT_EQ(rutaargumento("/tmp/a.zube", "/home/autor"), "/tmp/a.zube");
}

TEST(Open, TheSampleBookOpens) {
    Book b;
    TXMLDoc doc;
    const Apertura r = abrirlibro(b, doc, QStringLiteral(QUIBEL_FIXTURES "/../../examples/sample.zube"));
    ASSERT_TRUE(r.ok) << r.erro.toStdString();
    ASSERT_EQ(b.numpaxinas, 4);
    const char* const tipos[] = {"2", "1", "10", "29"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(b.paxina(i + 1)[0], tipos[i]);
    EXPECT_EQ(b.txttitulo, "Un libro de mostra");
    EXPECT_EQ(b.paxina(3)[31], "1");
    EXPECT_EQ(b.paxina(2)[3], "Oito");
    EXPECT_FALSE(b.texto(1, 1).isEmpty());
}

// The warm-up the program runs when idle reads and writes nothing (not even in the current
// folder, against which nothing may resolve) and leaves Open and Save as they were.
TEST(Open, TheWarmUpTouchesNoFileAndChangesNoOpen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString antes = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    quentarlibros();
    quentarlibros();
    QDir::setCurrent(antes);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());

    Book b;
    TXMLDoc doc;
    ASSERT_TRUE(abrirlibro(b, doc, QStringLiteral(QUIBEL_FIXTURES "/../../examples/sample.zube")).ok);
    EXPECT_EQ(b.numpaxinas, 4);
    EXPECT_EQ(b.txttitulo, "Un libro de mostra");
    const QString ruta = dir.filePath(QStringLiteral("copia.zube"));
    ASSERT_TRUE(gardalocal(b, ruta, 0));
    Book c;
    ASSERT_TRUE(abrirlibro(c, doc, ruta).ok);
    EXPECT_EQ(c.paxina(2)[3], "Oito");
}
