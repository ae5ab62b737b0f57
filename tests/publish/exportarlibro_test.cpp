#include "publish/exportarlibro.h"

#include "ficheiros.h"
#include "languages/idiomas.h"

#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

using namespace quibel;
using namespace quibel::proba;

TEST(NomesFolla, TheSheetsNameDerivations) {
    EXPECT_EQ(nomehtmlde("Mi libro.zub"), "Mi libro.html");
    EXPECT_EQ(nomehtmlde(""), "");
    EXPECT_EQ(nomehtmlde("portada"), "portada.html");
    EXPECT_EQ(conextension("Mi libro", ".zub"), "Mi libro.zub");
    EXPECT_EQ(conextension("libro.xml", ".zub"), "libro.xml");
    EXPECT_EQ(conextension("", ".zub"), "");
    EXPECT_EQ(conextension("a.b/libro", ".html"), "a.b/libro.html");
    EXPECT_EQ(nomezip("paquete.txt"), "paquete.zip");
    EXPECT_EQ(nomezip("paquete"), "paquete.zip");
    EXPECT_EQ(nomezip(""), "");
}

namespace {

// A driver run with scripted answers; every question, message, title and step recorded.
class ExportarTest : public testing::Test {
protected:
    void SetUp() override {
        textosESP();
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        libro.carpetalibro = base + "libro";
        libro.carpetarecursos = base + "libro/res/";
        escribir(base + q("libro/res/Árbore grande.png"), "arbore");
        escribir(base + "libro/res/son.mp3", "son");
        libro.numpaxinas = 2;
        libro.paxina(1)[0] = "2";
        libro.paxina(1)[14] = base + q("libro/res/Árbore grande.png");
        libro.paxina(2)[0] = "13";
        libro.paxina(2)[36] = base + "libro/res/son.mp3";
        libro.donde = base + "saida";
        libro.nalmacen = "Recursos Libro\\";
        libro.nlibro = "Mi libro.zub";
        libro.txthtml = "Mi libro.html";
        libro.chkben = libro.chkmal = true;

        contorno.avisos.confirmar = [this](const QString& t) { return responder(t); };
        contorno.avisos.confirmarsino = [this](const QString& t) { return responder(t); };
        contorno.avisos.aviso = [this](const QString& t) { rexistro << "aviso: " + t; };
        contorno.avisos.mensaxe = [this](const QString& t) { rexistro << "mensaxe: " + t; };
        contorno.avisos.titular = [this](const QString& t) { rexistro << "titular: " + t; };
        contorno.avisos.progreso = [this](int p, int m) { progresos << qMakePair(p, m); };
        contorno.pasos.gardaexport = [this](ContextoExportar& c, const QString& arquivo) {
            rexistro << "gardaexport " + arquivo.mid(base.size()) + " " + c.libro.carpetarecursos;
            if (falla == "gardaexport") throw std::runtime_error("disk");
        };
        contorno.pasos.html = [this](ContextoExportar& c, const DescricionLibro& d) {
            rexistro << "html " + c.libro.txthtml;
            descricion = d;
            if (falla == "html") throw std::runtime_error("html");
        };
        contorno.pasos.paquete = [this](ContextoExportar& c) {
            rexistro << "paquete";
            c.zip.append(EntradaZip{"x", "libro"});
        };
        contorno.pasos.escribirzip = [this](const QString& arquivo, const QList<EntradaZip>& e) {
            rexistro << "zip " + arquivo.mid(base.size());
            zip = e;
            return QString();
        };
        contorno.cartafolactual = base + "actual";
    }
    bool responder(const QString& t) {
        rexistro << "pregunta: " + t.section(u'\n', 0, 0);
        if (respostas.empty()) return false;
        const bool r = respostas.front();
        respostas.pop_front();
        return r;
    }
    ResultadoExportar exportar() { return exportarlibro(libro, folla, contorno); }
    QStringList ficheiros(const QString& cartafol) const {
        return QDir(base + cartafol).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir tmp;
    QString base;
    Book libro;
    FollaExportar folla;
    ContornoExportar contorno;
    std::deque<bool> respostas;
    QStringList rexistro;
    QList<QPair<int, int>> progresos;
    QString falla;
    DescricionLibro descricion;
    QList<EntradaZip> zip;
};

} // namespace

TEST_F(ExportarTest, CancellingTheTargetQuestionWritesNothing) {
    libro.empa = true;
    libro.txtempa = "paquete.zip";
    const ResultadoExportar r = exportar();
    EXPECT_EQ(rexistro, QStringList{"pregunta: " + textosui[119]});
    EXPECT_FALSE(QFileInfo::exists(base + "saida"));
    EXPECT_FALSE(r.rematado);
    EXPECT_FALSE(r.exportando);
    EXPECT_EQ(r.nlibro, "mi_libro.zub");
}

TEST_F(ExportarTest, ATargetThatCannotBeMadeIsWarnedAndStops) {
    escribir(base + "ficheiro", "x");
    for (const char* donde : {"ficheiro/saida", "ficheiro"}) {
        SCOPED_TRACE(donde);
        rexistro.clear();
        libro.donde = base + donde;
        respostas = {true};
        const ResultadoExportar r = exportar();
        EXPECT_EQ(rexistro, (QStringList{"pregunta: " + textosui[119], "aviso: " + textosui[120]}));
        EXPECT_FALSE(r.rematado);
    }
    // The store's question and warning.
    rexistro.clear();
    QDir().mkdir(base + "saida");
    escribir(base + "saida/Recursos_Libro", "a file where the store should go");
    libro.donde = base + "saida";
    respostas = {true};
    exportar();
    EXPECT_EQ(rexistro, (QStringList{"pregunta: " + textosui[121], "aviso: " + textosui[122]}));
}

TEST_F(ExportarTest, TheStoreAndTheStepsInTheirOrder) {
    respostas = {true, true};
    libro.empa = true;
    libro.txtempa = "Paquete.zip";
    libro.txthtml = "Portada.html"; // a custom name stays, in lower case
    const ResultadoExportar r = exportar();
    EXPECT_EQ(rexistro, (QStringList{"pregunta: " + textosui[119], "pregunta: " + textosui[121],
                                     "titular: " + textosui[124], "titular: " + textosui[124],
                                     "gardaexport saida/mi_libro.zub Recursos_Libro", "html portada.html",
                                     "paquete", "zip saida/paquete.zip"}));
    EXPECT_EQ(ficheiros("saida"), QStringList{"Recursos_Libro"});
    EXPECT_EQ(ficheiros("saida/Recursos_Libro"), (QStringList{"Arbore_grande.png", "son.mp3"}));
    EXPECT_EQ(ler(base + "saida/Recursos_Libro/Arbore_grande.png"), "arbore");
    // In case-folded path order: "s" before "Á".
    EXPECT_EQ(
        zip, (QList<EntradaZip>{{base + "libro/res/son.mp3", "Recursos_Libro/son.mp3"},
                                {base + q("libro/res/Árbore grande.png"), "Recursos_Libro/Arbore_grande.png"},
                                {"x", "libro"}}));
    EXPECT_EQ(progresos, (QList<QPair<int, int>>{{2, 4}, {3, 4}, {4, 4}}));
    EXPECT_TRUE(r.rematado);
    EXPECT_TRUE(r.publicado);
    EXPECT_TRUE(r.exportando);
    EXPECT_EQ(r.donde, base + "saida/");
    EXPECT_EQ(r.nlibro, "mi_libro.zub");
    EXPECT_EQ(r.txthtml, "portada.html");
    EXPECT_EQ(r.txtempa, "paquete.zip");
    EXPECT_EQ(r.nalmacen, "Recursos_Libro");
    EXPECT_EQ(r.txtben, "CORRECTO");
    // The description names the stored files, and parses.
    ASSERT_EQ(descricion.paxinas.size(), 2);
    EXPECT_TRUE(descricion.paxinas[0].obxecto.contains(R"("imaxe":"Recursos_Libro/Arbore_grande.png")"));
    EXPECT_TRUE(descricion.configuracion.contains(R"("recursos":"Recursos_Libro")"));
    for (const QString& t : {descricion.configuracion, descricion.paxinas[1].obxecto})
        EXPECT_FALSE(QJsonDocument::fromJson(t.toUtf8()).isNull()) << t.toStdString();
    EXPECT_EQ(libro.carpetarecursos, base + "libro/res/") << "the caller's book is never changed";
}

TEST_F(ExportarTest, FailuresOfTheLaterStepsAreToldAndTheRestRuns) {
    QDir().mkpath(base + "saida/Recursos_Libro");
    libro.empa = true;
    libro.txtempa = "p.zip";
    struct Caso {
        const char* falla;
        QStringList despois; // after the host page's title
    };
    const Caso casos[] = {
        {"gardaexport",
         {"gardaexport saida/mi_libro.zub Recursos_Libro", "html mi_libro.html", "paquete",
          "titular: " + textosui[123], "zip saida/p.zip"}},
        {"html",
         {"gardaexport saida/mi_libro.zub Recursos_Libro", "html mi_libro.html", "titular: " + textosui[123],
          "zip saida/p.zip"}},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.falla);
        rexistro.clear();
        falla = k.falla;
        const ResultadoExportar r = exportar();
        EXPECT_EQ(rexistro.mid(2), k.despois);
        EXPECT_TRUE(r.rematado);
        EXPECT_EQ(libro.carpetarecursos, base + "libro/res/");
    }
}

TEST_F(ExportarTest, EmptyNamesUncheckTheirBoxesAndTheStoreIsTheTarget) {
    QDir().mkpath(base + "saida");
    libro.nalmacen = "";
    libro.txthtml = "";
    libro.empa = true;
    libro.nlibro = "Árbore grande.png"; // the book file's own name wins over a resource's
    const ResultadoExportar r = exportar();
    EXPECT_FALSE(r.empa);
    EXPECT_FALSE(r.sihtml);
    EXPECT_FALSE(r.publicado);
    EXPECT_TRUE(zip.isEmpty());
    EXPECT_EQ(ficheiros("saida"), (QStringList{"Arbore_grande_2.png", "son.mp3"}));
    EXPECT_TRUE(descricion.paxinas[0].obxecto.contains(R"("imaxe":"Arbore_grande_2.png")"));
    EXPECT_FALSE(rexistro.contains("zip saida/"));
}

TEST_F(ExportarTest, FilesFromOutsideTheBookAreAskedAboutOnce) {
    QDir().mkpath(base + "saida/Recursos_Libro");
    escribir(base + "privado/id_rsa", "secret");
    escribir(base + "fora/doc.pdf", "attachment");
    libro.paxina(2)[14] = base + "privado/id_rsa";
    libro.arquivologo = base + "privado/id_rsa";
    libro.adxuntos = {base + "fora/doc.pdf"}; // chosen on purpose: not asked about
    const ResultadoExportar r = exportar();
    ASSERT_EQ(rexistro.size(), 1);
    EXPECT_EQ(rexistro[0], "pregunta: " + textosui[textoforadolibro]);
    EXPECT_TRUE(ficheiros("saida/Recursos_Libro").isEmpty());
    EXPECT_FALSE(r.rematado);

    rexistro.clear();
    respostas = {true};
    exportar();
    EXPECT_EQ(ficheiros("saida/Recursos_Libro"),
              (QStringList{"Arbore_grande.png", "doc.pdf", "id_rsa", "son.mp3"}));
}

TEST_F(ExportarTest, ARelativeTargetIsTakenFromTheGivenFolder) {
    QDir().mkpath(base + "actual/saida/Recursos_Libro");
    libro.donde = "saida";
    const ResultadoExportar r = exportar();
    EXPECT_EQ(r.donde, base + "actual/saida/");
    EXPECT_TRUE(QFileInfo::exists(base + "actual/saida/Recursos_Libro/son.mp3"));
}

TEST_F(ExportarTest, AnEmptyBookNameIsRefused) {
    libro.nlibro = "..";
    const ResultadoExportar r = exportar();
    EXPECT_EQ(rexistro, QStringList{"mensaxe: " + textosui[125]});
    EXPECT_FALSE(QFileInfo::exists(base + "saida"));
    EXPECT_FALSE(r.rematado);
}
