#include "publish/flash.h"

#include "ficheiros.h"
#include "languages/idiomas.h"
#include "publish/exportarlibro.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

QByteArray fixture(const QString& nome) {
    return ler(QStringLiteral(QUIBEL_FIXTURES "/flash/") + nome);
}

// The driver on a target folder that exists, with the package's steps and a recording HTML step.
class FlashTest : public testing::Test {
protected:
    void SetUp() override {
        textosESP();
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        QDir().mkpath(base + "saida");
        libro.donde = base + "saida";
        libro.nlibro = "libro.zub";
        libro.txthtml = "libro.html";
        folla.chkflash = true;
        contorno.avisos.titular = [this](const QString& t) { titulares << t; };
        contorno.avisos.mensaxe = [this](const QString& t) { titulares << "mensaxe: " + t; };
    }
    ResultadoExportar exportar(const QByteArray& swf = {}) {
        contorno.pasos.flash = [swf](ContextoExportar& c) { return gardarflash(c, swf); };
        contorno.pasos.html = [this](ContextoExportar& c, const DescricionLibro&) {
            cartafolplantilla = c.cartafolplantilla;
        };
        return exportarlibro(libro, folla, contorno);
    }
    QString saida(const QString& nome) const { return base + "saida/" + nome; }

    QTemporaryDir tmp;
    QString base;
    Book libro;
    FollaExportar folla;
    ContornoExportar contorno;
    QStringList titulares;
    QString cartafolplantilla = "unset";
};

} // namespace

TEST(NomeFlash, TheHostPageIsNamedAfterTheHtmlPage) {
    EXPECT_EQ(nomepaxinaflash("libro.html"), "librof.html");
    EXPECT_EQ(nomepaxinaflash("portada"), "portadaf.html");
    EXPECT_EQ(htmlflash(20), "");
    EXPECT_EQ(htmlflash(29), "");
}

TEST_F(FlashTest, TheBuiltInPageForEachSize) {
    struct Caso {
        const char* golden;
        const char *x, *y, *autor, *tag, *titulo;
        bool scorm;
    };
    const Caso casos[] = {
        {"porcento.html", "100%", "100%", "Ana", "zub, sumas", "Sumas", false},
        {"ancho800.html", "800", "100%", "", "", "", true},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.golden);
        folla.txdimx = k.x;
        folla.txdimy = k.y;
        folla.chscorm = k.scorm;
        libro.txtautor = k.autor;
        libro.txtag = k.tag;
        libro.txttitulo = k.titulo;
        const ResultadoExportar r = exportar();
        EXPECT_EQ(ler(saida("librof.html")), fixture(k.golden));
        EXPECT_TRUE(r.publicado);
    }
    EXPECT_EQ(cartafolplantilla, "");
}

TEST_F(FlashTest, ThePlayerIsWrittenOnlyWhenCarriedAndBothOnlyWithTheFlashOption) {
    exportar();
    EXPECT_TRUE(QFileInfo::exists(saida("librof.html")));
    EXPECT_FALSE(QFileInfo::exists(saida("zub.swf"))) << "no player carried, none written";
    exportar("FWS\x0a player");
    EXPECT_EQ(ler(saida("zub.swf")), "FWS\x0a player");

    QDir(base + "saida").removeRecursively();
    QDir().mkpath(base + "saida");
    folla.chkflash = false;
    const ResultadoExportar r = exportar("FWS");
    EXPECT_FALSE(QFileInfo::exists(saida("librof.html")));
    EXPECT_FALSE(QFileInfo::exists(saida("zub.swf")));
    EXPECT_TRUE(r.publicado) << "the step ran; nothing was to be saved";
}

TEST_F(FlashTest, AHostPageThatCannotBeSavedIsToldInTheTitleLine) {
    QDir().mkpath(saida("librof.html")); // a folder where the page should go
    const ResultadoExportar r = exportar();
    EXPECT_TRUE(titulares.contains(textosui[123]));
    EXPECT_FALSE(r.publicado);
    EXPECT_TRUE(r.rematado) << "the export goes on";
}

TEST_F(FlashTest, TheTemplateGetsItsPlaceholdersAndGivesItsFolder) {
    escribir(base + "plantilla/p.html", "<title>[[titulo]]|[[titulo]]|[[TITULO]]</title>\n"
                                        "[[subtitulo]] [[libro]] [[autor]] [[iden]]\r\n"
                                        "[[corfondo]] [[cortexto]] \xc3\xb1\n");
    folla.txplant = base + "plantilla/p.html";
    libro.txttitulo = "T [[autor]]"; // a later placeholder in a value is replaced too
    libro.txtsub = "Sub";
    libro.txtautor = "Ana";
    libro.txtiden = "id7";
    libro.corfondolibro = "ffffff";
    libro.cortextolibro = "000000";
    exportar();
    EXPECT_EQ(ler(saida("librof.html")), q("<title>T Ana|T Ana|[[TITULO]]</title>\r\n"
                                           "Sub libro.zub Ana id7\r\n"
                                           "#ffffff #000000 ñ\r\n")
                                             .toUtf8());
    EXPECT_EQ(cartafolplantilla, base + "plantilla/");

    // A template whose folder exists but whose file does not: an empty page, no player folder.
    folla.txplant = base + "plantilla/gone.html";
    exportar();
    EXPECT_EQ(ler(saida("librof.html")), "");
    EXPECT_EQ(cartafolplantilla, "");
}
