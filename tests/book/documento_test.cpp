// The document: New and Open through it, the one refresh path its signals give the controls, the
// session it keeps beside the book, and reads that never depend on the current folder.
#include "book/XMLParser.h"
#include "book/documento.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quibel;

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/comandos/") + QString::fromLatin1(nome);
}

// Records what the document tells, in order, and what the model held at each reset step.
struct Escoita {
    QStringList sucesos;
    explicit Escoita(Documento& d) {
        QObject::connect(&d, &Documento::reiniciado, [this, &d](Documento::PasoReinicio paso) {
            static const char* const nomes[] = {"selector", "vistas", "imaxes", "paneis"};
            sucesos << QString::fromLatin1(nomes[int(paso)]);
            // The controls follow a model that is already empty.
            if (paso == Documento::PasoReinicio::paneis) {
                EXPECT_EQ(d.libro.corfondolibro, "ffffff");
                EXPECT_TRUE(d.libro.paxina(1)[1].isEmpty());
                EXPECT_TRUE(d.libro.texto(1, 1).isEmpty());
            }
        });
        QObject::connect(&d, &Documento::lido, [this](const InformeLectura& i) {
            sucesos << QStringLiteral("lido %1").arg(i.paxinas);
        });
        QObject::connect(&d, &Documento::paxinacambiada,
                         [this](int n) { sucesos << QStringLiteral("paxina %1").arg(n); });
    }
};

// A document with an old book open on page 1, a sheet shown and a save name.
void aberto(Documento& d) {
    d.libro.numpaxinas = 1;
    d.libro.paxina(1)[0] = "7";
    d.libro.paxina(1)[1] = "old";
    d.libro.texto(1, 1) = "old text";
    d.libro.corfondolibro = "123456";
    d.porpaxinaactual(1);
    d.tipoactual = 7;
    d.gardar = "/somewhere/old.zube";
}

} // namespace

TEST(Documento, NewOpenNewReachTheControlsByOnePath) {
    Documento d;
    aberto(d);
    Escoita e(d);
    TXMLDoc doc;
    d.novo();
    ASSERT_TRUE(d.abrir(doc, fixture("utf8.zube")).ok);
    EXPECT_EQ(d.libro.numpaxinas, 2);
    d.novo();
    const QString reinicio = "selector vistas imaxes paneis";
    EXPECT_EQ(e.sucesos.join(' '),
              "paxina 0 " + reinicio + " paxina 1 " + reinicio + " lido 2 paxina 0 " + reinicio);
}

TEST(Documento, SessionAfterNewAndOpen) {
    Documento d;
    aberto(d);
    d.novo();
    EXPECT_EQ(d.paxinaactual(), 0);
    EXPECT_EQ(d.tipoactual, 0);
    EXPECT_TRUE(d.gardar.isEmpty());
    EXPECT_EQ(d.libro.numpaxinas, 0);

    aberto(d);
    TXMLDoc doc;
    ASSERT_TRUE(d.abrir(doc, fixture("utf8.zube")).ok);
    EXPECT_EQ(d.paxinaactual(), 1);
    EXPECT_EQ(d.tipoactual, 0) << "no editor may be stored into the book just read";
    EXPECT_TRUE(d.gardar.isEmpty()) << "the first save of an opened book asks for a name";
    EXPECT_EQ(d.libro.paxina(1)[35], QString::fromUtf8("Páxina ñ"));
}

TEST(Documento, AFailedOpenTellsNothingAndKeepsTheSession) {
    Documento d;
    aberto(d);
    Escoita e(d);
    TXMLDoc doc;
    const Apertura r = d.abrir(doc, fixture("roto.zube"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(e.sucesos.isEmpty());
    EXPECT_EQ(d.paxinaactual(), 1);
    EXPECT_EQ(d.gardar, "/somewhere/old.zube");
    EXPECT_EQ(d.libro.paxina(1)[1], "old");
    EXPECT_EQ(d.libro.texto(1, 1), "old text");
}

// A book that keeps its resources in "$res", with an attachment named from there: opened from its
// own folder or from anywhere else, it is the same book.
TEST(Documento, AResourceFolderOfTheBookDoesNotDependOnTheCurrentFolder) {
    QTemporaryDir dir, outro;
    ASSERT_TRUE(dir.isValid() && outro.isValid());
    const QString carpeta = dir.path() + "/";
    ASSERT_TRUE(QDir(carpeta).mkpath("res"));
    for (const char* nome : {"res/guia.pdf", "res/logo.png"}) {
        QFile f(carpeta + nome);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    {
        QFile f(carpeta + "libro.zube");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<zub version=\"5.6.3\"><config>"
                "<recursos>$res</recursos><adxuntos>guia.pdf</adxuntos><logo>logo.png</logo>"
                "</config><libro></libro></zub>\r\n");
    }
    const QString antes = QDir::currentPath();
    struct Volver {
        QString c;
        ~Volver() { QDir::setCurrent(c); }
    } volver{antes};

    struct Resultado {
        QString txtdirrec, carpetarecursos, arquivologo;
        QStringList adxuntos;
        bool operator==(const Resultado&) const = default;
    };
    std::vector<Resultado> resultados;
    // From elsewhere first, then from the book's folder, then twice in a row.
    for (const QString& actual : {outro.path(), dir.path(), dir.path(), outro.path()}) {
        ASSERT_TRUE(QDir::setCurrent(actual));
        Documento d;
        TXMLDoc doc;
        ASSERT_TRUE(d.abrir(doc, carpeta + "libro.zube").ok);
        resultados.push_back(
            {d.libro.txtdirrec, d.libro.carpetarecursos, d.libro.arquivologo, d.libro.adxuntos});
        EXPECT_EQ(QDir::currentPath(), QDir(actual).absolutePath()) << "Open leaves the current folder alone";
    }
    EXPECT_EQ(resultados[0].txtdirrec, "res");
    EXPECT_EQ(resultados[0].adxuntos, QStringList{carpeta + "res/guia.pdf"});
    EXPECT_EQ(resultados[0].arquivologo, carpeta + "res/logo.png");
    for (const Resultado& r : resultados)
        EXPECT_EQ(r, resultados[0]);
}
