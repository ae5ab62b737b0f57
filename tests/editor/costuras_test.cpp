// The seams between the core and the windows: the read report's keys and the controls they reach,
// the one refresh path of New and Open, a palette per window through language changes, and an
// editor written against its context alone.
#include "book/campos.h"
#include "editor/controis.h"
#include "editor/editores.h"
#include "editor/paletatipos.h"
#include "editor/ranuras.h"
#include "fakes.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/comandos/") + QString::fromLatin1(nome);
}

} // namespace

// Every key a read or a reset can report finds its controls on the built window, so a misspelt
// name fails here instead of being skipped at run time.
TEST_F(Venta, EveryReadReportKeyFindsItsControls) {
    form->prepararfollas();
    InformeLectura informe;
    for (const CorLibro clave : coreslibro) {
        int paneis = 0;
        for (const auto& [k, nomes] : TForm1::paneisdecor()) {
            if (k != clave) continue;
            for (const QString& nome : nomes) {
                EXPECT_NE(form->findChild<Panel*>(nome), nullptr) << nome.toStdString();
                ++paneis;
            }
        }
        EXPECT_GT(paneis, 0) << "colour key " << int(clave);
        informe.cores.push_back({clave, 0x123456});
    }
    for (const ImaxeLibro clave : imaxeslibro) {
        int n = 0;
        for (const auto& [k, nome] : TForm1::imaxesdeclave())
            if (k == clave && ++n) {
                EXPECT_NE(form->findChild<PictureBox*>(nome), nullptr) << nome.toStdString();
            }
        EXPECT_EQ(n, 1) << "picture key " << int(clave);
        informe.imaxes.push_back({clave, fixture("non_existe.png")});
    }
    for (const SonLibro clave : sonslibro) {
        int n = 0;
        for (const auto& [k, nome] : TForm1::botonsdeson())
            if (k == clave && ++n) {
                EXPECT_NE(form->findChild<QAbstractButton*>(nome), nullptr) << nome.toStdString();
            }
        EXPECT_EQ(n, 1) << "sound key " << int(clave);
        informe.sons.push_back(clave);
    }
    ASSERT_NE(form->findChild<QWidget*>(TForm1::marcofondo()), nullptr);

    // A report with every key reaches every control, and a reset takes them back.
    informe.posicionfondo = InformeLectura::Posicion{8, 4};
    informe.paxinas = 3;
    form->aplicarinforme(informe);
    EXPECT_EQ(form->findChild<Panel*>("Panel22")->color(), colorDe(0x123456));
    EXPECT_EQ(form->findChild<Panel*>("imcorfondo")->color(), colorDe(0x123456));
    EXPECT_TRUE(form->findChild<QAbstractButton*>("mlson")->isEnabled());
    EXPECT_EQ(form->findChild<QWidget*>("bimaxe")->pos(), QPoint(8, 4));
    EXPECT_EQ(form->numpaxinap->count(), 3);
    form->documento.novo();
    EXPECT_EQ(form->findChild<Panel*>("Panel22")->color(), QColor(Qt::white));
    EXPECT_EQ(form->findChild<Panel*>("bcortexto")->color(), QColor(Qt::black));
    EXPECT_EQ(form->findChild<Panel*>("imcorfondo")->color(), QColor(0x84, 0xE1, 0xFD));
    EXPECT_EQ(form->numpaxinap->count(), 0);
}

// New, Open and New again: the controls follow the document's signals, whichever command ran.
TEST_F(Venta, NewOpenNewRefreshTheControlsThroughTheDocument) {
    QStringList sucesos;
    QObject::connect(&form->documento, &Documento::reiniciado, [&](Documento::PasoReinicio p) {
        if (p == Documento::PasoReinicio::paneis) sucesos << "reset";
    });
    QObject::connect(&form->documento, &Documento::lido,
                     [&](const InformeLectura& i) { sucesos << QStringLiteral("read %1").arg(i.paxinas); });

    form->SpeedButton135->click(); // New
    EXPECT_EQ(form->numpaxinap->count(), 0);
    fakes.dialogos->arquivos = {fixture("utf8.zube")};
    form->SpeedButton137->click(); // Open
    EXPECT_EQ(form->numpaxinap->count(), 2);
    fakes.dialogos->respostas = {QMessageBox::Yes}; // a page is shown: the replace question
    form->SpeedButton135->click();
    EXPECT_EQ(form->numpaxinap->count(), 0);
    EXPECT_EQ(sucesos, (QStringList{"reset", "reset", "read 2", "reset"}));
}

// The page editors' colour panels of the reset hold their reset colours after each New, whatever
// the book before them left there.
TEST_F(Venta, NewGivesThePageEditorPanelsTheirResetColours) {
    const std::pair<const char*, QColor> paneis[] = {
        {"bcarrastra", QColor(0x84, 0xE1, 0xFD)}, {"imcorfondo", QColor(0x84, 0xE1, 0xFD)},
        {"cboton", QColor(0x84, 0xE1, 0xFD)},     {"cbtexto", QColor(Qt::black)},
        {"cttexto", QColor(Qt::black)},           {"ctfondo", QColor(Qt::white)},
    };
    form->prepararfollas();
    const auto manchar = [&] {
        for (const auto& [nome, cor] : paneis)
            form->findChild<Panel*>(nome)->setColor(QColor(0x12, 0x34, 0x56));
    };
    const auto comprobar = [&](const char* cando) {
        for (const auto& [nome, cor] : paneis)
            EXPECT_EQ(form->findChild<Panel*>(nome)->color(), cor) << cando << " " << nome;
    };
    manchar();
    form->SpeedButton135->click(); // New
    comprobar("first New");
    manchar();
    fakes.dialogos->arquivos = {fixture("utf8.zube")};
    form->SpeedButton137->click(); // Open
    manchar();
    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->SpeedButton135->click();
    comprobar("New after Open");
}

// Each window owns its palette: a language change rebuilds both, and closing one leaves the
// other's buttons alone.
TEST(Paletas, TwoWindowsKeepTheirOwnPalettes) {
    proba::ServizosFalsos fakes;
    QStandardPaths::setTestModeEnabled(true);
    auto primeira = std::make_unique<TForm1>();
    TForm1 segunda;
    aplicaridioma(5);
    const int mutiple = 0; // type 1
    ASSERT_TRUE(primeira->selectortipos->botonestipos[mutiple]);
    ASSERT_TRUE(segunda.selectortipos->botonestipos[mutiple]);
    EXPECT_NE(primeira->selectortipos->botonestipos[mutiple], segunda.selectortipos->botonestipos[mutiple]);
    EXPECT_EQ(segunda.selectortipos->botonestipos[mutiple]->text(), textosui[entradasnomestipos[mutiple]]);
    EXPECT_EQ(segunda.selectortipos->botonestipos[mutiple]->window(), &segunda);

    primeira->close();
    primeira.reset();
    ASSERT_TRUE(segunda.selectortipos->botonestipos[mutiple]) << "the other window's buttons stay";
    aplicaridioma(0);
    EXPECT_EQ(segunda.selectortipos->botonestipos[mutiple]->text(), textosui[entradasnomestipos[mutiple]]);
    EXPECT_EQ(segunda.comboidiomas->currentIndex(), 0);
    EXPECT_EQ(segunda.selectortipos->paneltipos()->findChildren<Tpanelboton*>().size(), 57);
}

namespace {

// An editor as a page type would write one: a text bound to P1, a button that plays the page
// sound, a message when the text is empty, and a default for a new page.
class EditorCanto : public PageEditor {
public:
    void crear(EditorContext& c, QWidget* folla) override {
        contexto = &c;
        texto = new QLineEdit(folla);
        texto->setObjectName("textocanto");
        auto* tocar = new QToolButton(folla);
        tocar->setObjectName("tocarcanto");
        QObject::connect(tocar, &QToolButton::clicked, [this] {
            const Documento& d = contexto->documento;
            contexto->sonar(d.libro.paxina(d.paxinaactual())[campo::son]);
        });
    }
    void cargar(Book& libro, int paxina) override {
        texto->setText(libro.paxina(paxina)[1]);
        if (texto->text().isEmpty()) contexto->servizos.dialogos->mensaxe("empty");
    }
    void gardar(Book& libro, int paxina) override { libro.paxina(paxina)[1] = texto->text(); }
    void novapaxina(Tpaxina& p) override { p[1] = "new"; }

    EditorContext* contexto = nullptr;
    QLineEdit* texto = nullptr;
};

} // namespace

TEST(EditorContexto, AnEditorRunsOnABareSheetWithFakes) {
    proba::ServizosFalsos fakes;
    Documento documento;
    documento.libro.numpaxinas = 2;
    documento.libro.paxina(2)[1] = "second";
    documento.libro.paxina(2)[campo::son] = "/sounds/a.mp3";
    documento.porpaxinaactual(2);
    QStringList sons;
    EditorContext contexto{documento, servizos(), [&](const QString& a) { sons << a; }, {}};

    QWidget folla;
    EditorCanto editor;
    editor.crear(contexto, &folla);
    editor.cargar(documento.libro, 2);
    EXPECT_EQ(editor.texto->text(), "second");
    editor.texto->setText("edited");
    editor.gardar(documento.libro, 2);
    EXPECT_EQ(documento.libro.paxina(2)[1], "edited");
    folla.findChild<QToolButton*>("tocarcanto")->click();
    EXPECT_EQ(sons, QStringList{"/sounds/a.mp3"});
    editor.cargar(documento.libro, 1);
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{"empty"});
    Tpaxina nova;
    editor.novapaxina(nova);
    EXPECT_EQ(nova[1], "new");
}

// The quirks of two types live in their editors, not in the window.
TEST_F(Venta, TypeQuirksComeFromTheirEditors) {
    libro({"4", "1"});
    form->bpaxinasClick();
    ASSERT_EQ(folla(), 4 + primeirafollatipo);
    form->libro.paxina(1)[campo::autoson] = "1";
    porcheck(form->autoson, false);
    form->SpeedButton10Click(); // stores page 1
    EXPECT_EQ(form->libro.paxina(1)[campo::autoson], "1") << "find a word keeps what its own box wrote";
    form->autoson->setChecked(true);
    form->SpeedButton9Click(); // stores page 2
    EXPECT_EQ(form->libro.paxina(2)[campo::autoson], "1");

    form->iniciatipo(39);
    EXPECT_EQ(form->libro.paxina(form->documento.paxinaactual())[26], "1");
    form->iniciatipo(38);
    EXPECT_TRUE(form->libro.paxina(form->documento.paxinaactual())[26].isEmpty());
}
