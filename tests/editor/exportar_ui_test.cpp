#include "publish/exportar_ui.h"

#include "editor/controis.h"
#include "editor/ranuras.h"
#include "fakes.h"
#include "languages/idiomas.h"
#include "tests/publish/ficheiros.h"
#include "ventaproba.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

// The sheet on a bare widget with its own document and fake services.
class FollaExportarTest : public testing::Test {
protected:
    void SetUp() override {
        textosESP();
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        folla = std::make_unique<ExportSheet>(documento, &widget,
                                              ExportSheet::Ganchos{[this](const QString& t) { titulos << t; },
                                                                   [this](int m) { comuns << m; },
                                                                   [this] { ++propiedades; }});
        s = folla.get();
    }
    // Types a text as the author does: the change handlers run, then leaving the edit.
    static void teclear(QLineEdit* e, const QString& t) {
        e->setFocus();
        e->setText(t);
        emit e->editingFinished();
    }

    ServizosFalsos fakes;
    QTemporaryDir tmp;
    QString base;
    Documento documento;
    QWidget widget;
    std::unique_ptr<ExportSheet> folla;
    ExportSheet* s = nullptr;
    QStringList titulos;
    QList<int> comuns;
    int propiedades = 0;
};

} // namespace

TEST_F(FollaExportarTest, NamesDeriveAsTheAuthorTypes) {
    teclear(s->nlibro, "Mi libro");
    EXPECT_EQ(s->nlibro->text(), "Mi libro.zub");
    EXPECT_EQ(s->txthtml->text(), "Mi libro.html");
    EXPECT_EQ(documento.libro.txtlibro, "Mi libro") << "an empty book name takes the file name";
    EXPECT_EQ(propiedades, 1);
    teclear(s->nlibro, "libro.xml");
    EXPECT_EQ(s->nlibro->text(), "libro.xml");
    EXPECT_EQ(documento.libro.txtlibro, "Mi libro");
    teclear(s->txthtml, "portada");
    EXPECT_EQ(s->txthtml->text(), "portada.html");
    teclear(s->txtempa, "paquete.txt");
    EXPECT_EQ(s->txtempa->text(), "paquete.zip");
    // The licence and the SCORM box derive no name.
    teclear(s->txtlicencia, "CC BY");
    s->empa->setChecked(true);
    s->txtempa->setText("propio.zip");
    s->chscorm->click();
    EXPECT_EQ(s->txthtml->text(), "portada.html");
    EXPECT_EQ(s->txtempa->text(), "propio.zip");
    EXPECT_EQ(documento.libro.txtlicencia, "CC BY");
    EXPECT_EQ(documento.libro.txthtml, "portada.html") << "the names are the book's";
}

TEST_F(FollaExportarTest, TheBoxesShowTheirOptionsAndSetTheirNames) {
    s->nlibro->setText("libro.zub");
    EXPECT_TRUE(s->pltempa->isVisibleTo(&widget));
    s->empa->click();
    EXPECT_EQ(s->txtempa->text(), "libro.zip");
    EXPECT_FALSE(s->pltempa->isVisibleTo(&widget));
    s->empa->setChecked(false); // by code too
    EXPECT_EQ(s->txtempa->text(), "");
    EXPECT_TRUE(s->pltempa->isVisibleTo(&widget));
    EXPECT_FALSE(s->Panel2->isVisibleTo(&widget));
    s->sihtml->setChecked(false);
    EXPECT_TRUE(s->Panel2->isVisibleTo(&widget));
    EXPECT_FALSE(s->SpeedButton164->isEnabled());
    s->sihtml->click();
    EXPECT_FALSE(s->Panel2->isVisibleTo(&widget));
    EXPECT_TRUE(s->SpeedButton164->isEnabled());
    EXPECT_TRUE(documento.libro.sihtml);
}

TEST_F(FollaExportarTest, PickersAndTheAttachmentList) {
    FakeDialogos& d = *fakes.dialogos;
    d.arquivos = {"/saida", "/p/plantilla.html", "/m/lom.xml"};
    s->SpeedButton71->click();
    s->botplant->click();
    s->btlomes->click();
    EXPECT_EQ(s->donde->text(), "/saida");
    EXPECT_EQ(s->txplant->text(), "/p/plantilla.html");
    EXPECT_EQ(s->edlomes->text(), "/m/lom.xml");
    EXPECT_EQ(d.filtros, (QStringList{"", "xml (*.xml *.XML)"}));
    QTest::mouseClick(s->edlomes->edit(), Qt::LeftButton);
    EXPECT_EQ(s->edlomes->text(), "");
    EXPECT_EQ(documento.libro.edlomes, "");
    s->SpeedButton170->click();
    EXPECT_EQ(fakes.aplicacion->abertos, QList<QUrl>{QUrl::fromLocalFile("/saida")});

    d.listas = {{"/a/uno.pdf", "/a/dous, tres.pdf", "/a,b/x.pdf", "/a/catro.txt"}};
    s->btadxuntosad->click();
    EXPECT_EQ(d.mensaxes, (QStringList{textosui[textocomaadxunto] + "\n/a/dous, tres.pdf",
                                       textosui[textocomaadxunto] + "\n/a,b/x.pdf"}));
    documento.recursoescollido = "/r/foto.png";
    EXPECT_TRUE(soltarsobre(s->adxuntos->viewport()));
    EXPECT_EQ(documento.libro.adxuntos, (QStringList{"/a/uno.pdf", "/a/catro.txt", "/r/foto.png"}));
    s->adxuntos->item(0)->setSelected(true);
    s->adxuntos->item(2)->setSelected(true);
    s->btadxuntosbr->click();
    EXPECT_EQ(documento.libro.adxuntos, QStringList{"/a/catro.txt"});
    documento.recursoescollido.clear();
    EXPECT_FALSE(soltarsobre(s->adxuntos->viewport()));
}

TEST_F(FollaExportarTest, ShowingTheSheetFillsTheEmptyNames) {
    documento.libro.txtlibro = "Contos";
    documento.libro.nomealmacen = "res";
    documento.libro.carpetalibro = "/libros/";
    s->sihtml->setChecked(false);
    s->tabExportarShow();
    EXPECT_EQ(s->nlibro->text(), "Contos.zub");
    EXPECT_EQ(s->txthtml->text(), "Contos.html");
    EXPECT_EQ(s->nalmacen->text(), "res");
    EXPECT_EQ(s->donde->text(), "/libros/");
    EXPECT_FALSE(s->SpeedButton164->isEnabled());
    EXPECT_FALSE(s->progresoexporta->isHidden());
    EXPECT_EQ(titulos, QStringList{textosui[3]});
    EXPECT_EQ(comuns, QList<int>{0});
    s->publicado = true;
    s->tabExportarHide();
    EXPECT_FALSE(s->publicado);
    // A new book empties the names on the sheet too.
    documento.novo();
    EXPECT_EQ(s->nlibro->text(), "");
    EXPECT_EQ(s->donde->text(), "");
    EXPECT_TRUE(s->sihtml->isChecked());
}

TEST_F(FollaExportarTest, PublicarCleansTheNamesExportsAndTakesBackWhatTheExportReturns) {
    Book& l = documento.libro;
    l.carpetalibro = base + "libro/";
    escribir(base + "libro/Foto 1.png", "foto");
    l.numpaxinas = 1;
    l.paxina(1)[0] = "2";
    l.paxina(1)[14] = base + "libro/Foto 1.png";
    l.chkben = true;
    QDir().mkpath(base + "saida/Recursos_Libro");
    s->donde->setText(base + "saida");
    s->nalmacen->setText("Recursos Libro\\");
    s->nlibro->setText("Mi libro");
    int html = 0;
    s->pasos.html = [&](ContextoExportar&, const DescricionLibro&) {
        ++html;
        s->SpeedButton83Click(); // a second Publicar while one runs does nothing
    };
    s->SpeedButton83->click();
    EXPECT_EQ(html, 1);
    EXPECT_EQ(s->nlibro->text(), "mi_libro.zub");
    EXPECT_EQ(s->txthtml->text(), "mi_libro.html");
    EXPECT_EQ(s->nalmacen->text(), "Recursos_Libro");
    EXPECT_EQ(s->donde->text(), base + "saida/");
    EXPECT_EQ(l.nlibro, "mi_libro.zub");
    EXPECT_EQ(l.txtben, "CORRECTO");
    EXPECT_TRUE(QFileInfo::exists(base + "saida/Recursos_Libro/Foto_1.png"));
    EXPECT_TRUE(s->progresoexporta->isHidden());
    EXPECT_FALSE(s->imaxebenexporta->isHidden());
    EXPECT_TRUE(s->publicado);
    EXPECT_TRUE(s->exportando);
    EXPECT_TRUE(fakes.dialogos->preguntas.isEmpty());
    EXPECT_EQ(l.carpetarecursos, "") << "the book's resource folder is never the store's";
}

TEST_F(FollaExportarTest, WarningsAndQuestionsGoThroughTheDialogs) {
    s->nlibro->setText("..");
    s->SpeedButton83->click();
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{textosui[125]});

    escribir(base + "ficheiro", "x");
    s->donde->setText(base + "ficheiro/saida");
    s->nlibro->setText("libro");
    fakes.dialogos->respostas = {QMessageBox::Ok};
    s->SpeedButton83->click();
    EXPECT_EQ(fakes.dialogos->preguntas, QStringList{textosui[119]});
    EXPECT_EQ(fakes.dialogos->avisos, QStringList{textosui[120]});
    EXPECT_TRUE(s->imaxebenexporta->isHidden());
}

TEST_F(Venta, TheExportSheetIsBuiltWithEveryControl) {
    form->prepararfolla(TForm1::exporta);
    ASSERT_NE(form->exportacion, nullptr);
    for (const char* nome :
         {"donde",           "SpeedButton71", "SpeedButton170", "nalmacen",       "nlibro",
          "sihtml",          "txthtml",       "txplant",        "botplant",       "txdimx",
          "txdimy",          "Panel2",        "empa",           "pltempa",        "txtempa",
          "chscorm",         "edlomes",       "btlomes",        "adxuntos",       "btadxuntosad",
          "btadxuntosbr",    "txtlicencia",   "SpeedButton83",  "SpeedButton164", "progresoexporta",
          "imaxebenexporta", "chkflash",      "chkencoded",     "dirax",          "Label28",
          "Label29",         "Label30",       "Label31",        "Label61",        "labellicencia",
          "lbadxuntos"})
        EXPECT_NE(form->tabExportar->findChild<QWidget*>(QString::fromLatin1(nome)), nullptr) << nome;
    for (const char* oculto : {"chkflash", "chkencoded", "dirax"})
        EXPECT_TRUE(form->tabExportar->findChild<QWidget*>(QString::fromLatin1(oculto))->isHidden())
            << oculto;
    EXPECT_EQ(form->exportacion->SpeedButton83->text(), textosui[59]);
    libro({"1"});
    form->libro.txtlibro = "Libro";
    form->bgardarcomoClick();
    EXPECT_EQ(folla(), TForm1::exporta);
    EXPECT_EQ(form->exportacion->nlibro->text(), "Libro.zub");
    EXPECT_EQ(form->titular->text(), textosui[3]);
}

// Publicar on the main window writes every part of the export: the store, the player book file,
// the HTML5 page with its player, and the package.
TEST_F(Venta, PublicarWritesTheWholeExport) {
    QTemporaryDir saida;
    ASSERT_TRUE(saida.isValid());
    form->prepararfolla(TForm1::exporta);
    libro({"1", "2"});
    form->libro.carpetaprograma = QStringLiteral(QUIBEL_PROGRAMA "/");
    form->libro.carpetalibro = dir.path() + "/";
    escribir(dir.path() + "/foto.png", "png");
    form->libro.paxina(2)[14] = dir.path() + "/foto.png";
    ExportSheet* s = form->exportacion;
    s->donde->setText(saida.path());
    s->nlibro->setText("proba");
    s->empa->click();
    s->SpeedButton83->click();
    const QString d = saida.path() + "/";
    for (const char* f : {"proba.zub", "proba.html", "sczub/zub.js", "proba.zip"})
        EXPECT_TRUE(QFileInfo::exists(d + f)) << f;
    EXPECT_FALSE(fakes.dialogos->mensaxes.join('|').contains("Error"))
        << fakes.dialogos->mensaxes.join('|').toStdString();
    QFile html(d + "proba.html");
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("application/json"));
}

// Every file field of every page type holds an absolute path of an existing file: the export
// names each of them by its store address, every address is a file of the store, and no path of
// the author's disk reaches any published file.
TEST_F(Venta, PublicarLeavesNoLocalPathAndAddressesOnlyStoredFiles) {
    QTemporaryDir saida;
    ASSERT_TRUE(saida.isValid());
    libro({});
    form->libro.carpetaprograma = QStringLiteral(QUIBEL_PROGRAMA "/");
    const QString disco = dir.path() + "/disco/";
    form->libro.carpetalibro = disco;
    // The slots bound by code of their own, beside the slot table.
    std::map<int, std::vector<int>> campos{{9, {8}}, {15, {22, 23, 24, 25, 26, 27}}, {16, {1}}};
    for (int c = 1; c <= 18; ++c)
        campos[12].push_back(c);
    for (int c = 1; c <= 6; ++c)
        campos[23].push_back(c), campos[20].push_back(c);
    for (const Ranura& r : ranuras())
        campos[r.tipo].push_back(r.campo);
    Book& b = form->libro;
    for (int t = 1; t <= 51; ++t) {
        Tpaxina& p = b.paxina(t);
        p[0] = QString::number(t);
        // The modes in which the clues (4) and the tags (20) are pictures.
        if (t == 4) p[26] = "2";
        if (t == 20) p[26] = "7";
        campos[t].push_back(36);
        for (const int c : campos[t]) {
            const QString ruta = disco + QStringLiteral("t%1 c%2.png").arg(t).arg(c);
            escribir(ruta, "x");
            p[c] = ruta;
        }
    }
    b.numpaxinas = 51;
    form->prepararfolla(TForm1::exporta);
    ExportSheet* s = form->exportacion;
    s->donde->setText(saida.path());
    s->nalmacen->setText("rec");
    ASSERT_TRUE(QDir(saida.path()).mkdir("rec"));
    s->nlibro->setText("proba");
    s->empa->click();
    s->SpeedButton83->click();
    const QString d = saida.path() + "/";
    ASSERT_TRUE(QFileInfo::exists(d + "proba.html")) << fakes.dialogos->mensaxes.join('|').toStdString();
    QDirIterator todo(d, QDir::Files, QDirIterator::Subdirectories);
    while (todo.hasNext()) {
        const QString f = todo.next();
        const QByteArray datos = ler(f);
        EXPECT_FALSE(datos.contains(disco.toUtf8()) || datos.contains(QUrl::toPercentEncoding(disco, "/")))
            << f.toStdString();
    }
    const QString html = QString::fromUtf8(ler(d + "proba.html"));
    static const QRegularExpression enderezo(QStringLiteral("\"rec/([^\"|]*)"));
    int vistos = 0;
    for (const auto& m : enderezo.globalMatch(html)) {
        ++vistos;
        EXPECT_TRUE(QFileInfo(d + "rec/" + m.captured(1)).isFile()) << m.captured(1).toStdString();
    }
    EXPECT_GT(vistos, 100);
}

TEST_F(Venta, PublicarGivesTheDefaultMessagesToThePropertiesSheet) {
    libro({"1"});
    QTemporaryDir saida;
    form->libro.txtlibro = "Libro";
    form->libro.chkben = true;
    form->bgardarcomoClick();
    form->exportacion->donde->setText(saida.path());
    form->exportacion->SpeedButton83->click();
    EXPECT_EQ(form->libro.txtben, "CORRECTO");
    auto* txtben = form->TabSheet1->findChild<LabelledEdit*>("txtben");
    ASSERT_NE(txtben, nullptr);
    EXPECT_EQ(txtben->text(), "CORRECTO");
    EXPECT_FALSE(form->exportacion->imaxebenexporta->isHidden());
}
