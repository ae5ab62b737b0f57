// The colour panels and switches of the editor sheets, bound on bare sheets as the editors will
// make them, and once through the main window.
#include "book/documento.h"
#include "book/rutinas.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "ventaproba.h"

#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <map>
#include <set>

using namespace quibel;

namespace {

// A control of the class its name calls for on the sheets.
QWidget* facer(const QString& nome, QWidget* pai) {
    QWidget* w;
    if (nome.startsWith("GroupBox"))
        w = new QGroupBox(pai);
    else if (nome.startsWith("txtmenu"))
        w = new QLineEdit(pai);
    else if (nome.startsWith("visor"))
        w = new HtmlView(pai);
    else if (nome == "txdicta")
        w = new QPlainTextEdit(pai);
    else
        w = new QWidget(pai);
    w->setObjectName(nome);
    return w;
}

QColor papel(QWidget* w, PapelCor p) {
    const bool edit = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w);
    if (edit) return w->palette().color(p == PapelCor::fondo ? QPalette::Base : QPalette::Text);
    return w->palette().color(p == PapelCor::fondo ? QPalette::Window : QPalette::WindowText);
}

// A document with one page of a type, open on its sheet.
struct Paxina {
    Documento d;
    explicit Paxina(int tipo) {
        d.libro.numpaxinas = 1;
        d.libro.paxina(1)[0] = QString::number(tipo);
        d.porpaxinaactual(1);
        d.tipoactual = quint8(tipo);
    }
    Tpaxina& p() { return d.libro.paxina(1); }
};

template <class W> W* novo(QWidget* pai, const char* nome) {
    auto* w = new W(pai);
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

} // namespace

// Every colour panel: the colour chosen reaches the panel, its receivers, the page's field and
// the own-background box; a cancel changes nothing; once the sheet is stored the page stays.
TEST(ColourPanels, EveryRowPassesTheChosenColourOn) {
    proba::ServizosFalsos f;
    ASSERT_EQ(filascor().size(), 16u);
    for (const FilaCor& fila : filascor()) {
        SCOPED_TRACE(fila.panel);
        Paxina pax(fila.tipo);
        QWidget folla;
        auto* panel = novo<ColourPanel>(&folla, fila.panel);
        panel->setColor(Qt::white);
        std::vector<QWidget*> receptores;
        for (const char* r : fila.receptores)
            receptores.push_back(facer(QString::fromLatin1(r), &folla));
        // The other rows of the type (their panels and boxes) exist too.
        for (const FilaCor& outra : filascor())
            if (outra.tipo == fila.tipo && &outra != &fila && !folla.findChild<QWidget*>(outra.panel))
                novo<ColourPanel>(&folla, outra.panel);
        std::set<QString> caixas;
        for (const FilaCor& outra : filascor())
            if (outra.tipo == fila.tipo && outra.caixa) caixas.insert(QString::fromLatin1(outra.caixa));
        for (const QString& c : caixas)
            novo<QCheckBox>(&folla, c.toLatin1().constData());
        vincularpaneis(pax.d, fila.tipo, &folla, nullptr);
        const Tpaxina antes = pax.p();

        QTest::mouseClick(panel, Qt::LeftButton); // cancelled
        EXPECT_EQ(panel->color(), QColor(Qt::white));
        EXPECT_EQ(pax.p().P, antes.P);

        const QColor cor(0x10, 0x80, 0xF0);
        f.dialogos->cores.push_back(cor);
        QTest::mouseClick(panel, Qt::LeftButton);
        EXPECT_EQ(panel->color(), cor);
        for (QWidget* r : receptores)
            EXPECT_EQ(papel(r, fila.papel), cor) << r->objectName().toStdString();
        Tpaxina agardada = antes;
        if (fila.campo) agardada[fila.campo] = "1080F0";
        EXPECT_EQ(pax.p().P, agardada.P);
        if (fila.caixa) EXPECT_TRUE(folla.findChild<QCheckBox*>(fila.caixa)->isChecked());

        pax.d.tipoactual = 0; // the sheet was stored on hiding
        f.dialogos->cores.push_back(Qt::red);
        QTest::mouseClick(panel, Qt::LeftButton);
        EXPECT_EQ(panel->color(), QColor(Qt::red));
        EXPECT_EQ(pax.p().P, agardada.P);
    }
}

TEST(ColourPanels, ARowFoundInPartOrOfAnotherClassFails) {
    Paxina pax(2);
    {
        QWidget folla;
        novo<ColourPanel>(&folla, "ctfondo"); // without its box snfd
        EXPECT_THROW(vincularpaneis(pax.d, 2, &folla, nullptr), std::logic_error);
    }
    {
        QWidget folla;
        novo<Panel>(&folla, "raicol"); // a panel that cannot choose
        EXPECT_THROW(vincularpaneis(pax.d, 5, &folla, nullptr), std::logic_error);
    }
    {
        QWidget folla;
        novo<QLineEdit>(&folla, "txtdivd2"); // without chopera5
        EXPECT_THROW(vincularpaneis(pax.d, 26, &folla, nullptr), std::logic_error);
    }
    {
        QWidget folla;
        novo<QRadioButton>(&folla, "chopera5");  // the option alone waits for its edits
        novo<QPlainTextEdit>(&folla, "txdicta"); // a memo other rows colour
        EXPECT_NO_THROW(vincularpaneis(pax.d, 26, &folla, nullptr));
        EXPECT_NO_THROW(vincularpaneis(pax.d, 29, &folla, nullptr));
    }
    QWidget baleira; // a sheet whose editor has made nothing yet waits
    EXPECT_NO_THROW(vincularpaneis(pax.d, 2, &baleira, nullptr));
}

TEST(ColourPanels, OwnBackgroundBoxesFollowEveryChange) {
    Paxina pax(29);
    pax.d.libro.corfondolibro = "00FF00";
    QWidget folla;
    auto* panel = novo<ColourPanel>(&folla, "Panel48");
    novo<ColourPanel>(&folla, "Panel56");
    auto* caixa = novo<QCheckBox>(&folla, "sfdicta");
    auto* memo = novo<QPlainTextEdit>(&folla, "txdicta");
    vincularpaneis(pax.d, 29, &folla, nullptr);
    panel->setColor(QColor(0x11, 0x22, 0x33));
    caixa->setChecked(true);
    EXPECT_EQ(papel(memo, PapelCor::fondo), QColor(0x11, 0x22, 0x33));
    caixa->setChecked(false);
    EXPECT_EQ(papel(memo, PapelCor::fondo), QColor(0, 0xFF, 0));
    pax.d.libro.corfondolibro = "not a colour";
    caixa->setChecked(true);
    caixa->setChecked(false);
    EXPECT_EQ(papel(memo, PapelCor::fondo), QColor(Qt::white));
    EXPECT_EQ(pax.p()[18], ""); // no field is written by the box
}

TEST(Switches, SizesOfTheLensAndOfTheText) {
    Paxina pax(5);
    QWidget folla5;
    auto* raibur = novo<QLineEdit>(&folla5, "raibur");
    QWidget* cbura = novo<QWidget>(&folla5, "cbura");
    vincularpaneis(pax.d, 5, &folla5, nullptr);
    const std::pair<const char*, const char*> lentes[] = {
        {"35", "35"}, {"", "20"}, {"abc", "20"}, {"-5", "-5"}};
    for (const auto& [escrito, queda] : lentes) {
        raibur->setText(escrito);
        EXPECT_EQ(raibur->text(), queda) << escrito;
        const int n = qMax(0, QString(queda).toInt());
        EXPECT_EQ(cbura->size(), QSize(n, n)) << escrito;
    }
    raibur->setText("40");
    QFocusEvent sae(QEvent::FocusOut);
    QCoreApplication::sendEvent(raibur, &sae);
    EXPECT_EQ(cbura->size(), QSize(40, 40));

    QWidget folla29;
    auto* tamtextos = novo<QLineEdit>(&folla29, "tamtextos");
    auto* txdicta = novo<QPlainTextEdit>(&folla29, "txdicta");
    vincularpaneis(pax.d, 29, &folla29, nullptr);
    tamtextos->setText("18");
    EXPECT_EQ(txdicta->font().pointSize(), 18);
    tamtextos->setText("abc");
    EXPECT_EQ(txdicta->font().pointSize(), 12);
}

TEST(Switches, FoldPanels) {
    Paxina pax(3);
    QWidget folla3;
    auto* p25 = novo<Panel>(&folla3, "Panel25");
    auto* p26 = novo<Panel>(&folla3, "Panel26");
    QWidget* p23 = novo<QWidget>(&folla3, "Panel23");
    QWidget* p24 = novo<QWidget>(&folla3, "Panel24");
    p24->hide();
    vincularpaneis(pax.d, 3, &folla3, nullptr);
    QTest::mouseClick(p26, Qt::LeftButton);
    QTest::mouseClick(p26, Qt::LeftButton);
    EXPECT_FALSE(p24->isHidden());
    EXPECT_TRUE(p23->isHidden());
    EXPECT_EQ(p26->color(), QColor(0xFF, 0x80, 0x40));
    EXPECT_EQ(p25->color(), QColor(0x84, 0xE1, 0xFD));
    QTest::mouseClick(p25, Qt::LeftButton);
    EXPECT_FALSE(p23->isHidden());
    EXPECT_TRUE(p24->isHidden());
    EXPECT_EQ(p25->color(), QColor(0xFF, 0x80, 0x40));

    QWidget folla5;
    auto* b107 = novo<QToolButton>(&folla5, "SpeedButton107");
    QWidget* p41 = novo<QWidget>(&folla5, "Panel41");
    vincularpaneis(pax.d, 5, &folla5, nullptr);
    b107->click();
    EXPECT_TRUE(p41->isHidden());
    b107->click();
    EXPECT_FALSE(p41->isHidden());

    QWidget folla9;
    auto* b163 = novo<QToolButton>(&folla9, "SpeedButton163");
    QWidget* p45 = novo<QWidget>(&folla9, "Panel45");
    p45->resize(300, 20);
    vincularpaneis(pax.d, 9, &folla9, nullptr);
    b163->click();
    EXPECT_EQ(p45->height(), 260);
    b163->click();
    EXPECT_EQ(p45->height(), 20);
    // The button leaves no limit behind: the next load sizes the panel for its page.
    p45->resize(300, 260);
    EXPECT_EQ(p45->height(), 260);
}

TEST(Switches, PicturesAndEditsSelectTheirOption) {
    Paxina pax(26);
    QWidget folla26;
    std::map<std::string, QRadioButton*> opcions;
    for (const char* n : {"chopera1", "chopera2", "chopera3", "chopera4", "chopera5"})
        opcions[n] = novo<QRadioButton>(&folla26, n);
    for (const char* n : {"txtsuma1", "txtsuma2", "txtsuma3", "txtsuma4", "txtresta1", "txtresta2",
                          "txtmulti1", "txtmulti2", "txtdivi1", "txtdivi2", "txtdivd1", "txtdivd2"})
        novo<QLineEdit>(&folla26, n);
    vincularpaneis(pax.d, 26, &folla26, nullptr);
    opcions["chopera1"]->setChecked(true);
    QFocusEvent entra(QEvent::FocusIn);
    QCoreApplication::sendEvent(folla26.findChild<QLineEdit*>("txtdivd2"), &entra);
    EXPECT_TRUE(opcions["chopera5"]->isChecked());
    EXPECT_FALSE(opcions["chopera1"]->isChecked());

    QWidget folla42;
    auto* rbesq2 = novo<QRadioButton>(&folla42, "rbesq2");
    auto* rbesq3 = novo<QRadioButton>(&folla42, "rbesq3");
    novo<QRadioButton>(&folla42, "rbesq1");
    for (const char* n : {"Image60", "Image62", "Image63"})
        novo<QLabel>(&folla42, n)->resize(20, 20);
    vincularpaneis(pax.d, 42, &folla42, nullptr);
    QTest::mouseClick(folla42.findChild<QWidget*>("Image62"), Qt::LeftButton);
    EXPECT_TRUE(rbesq3->isChecked());
    QTest::mouseClick(folla42.findChild<QWidget*>("Image63"), Qt::LeftButton);
    EXPECT_TRUE(rbesq2->isChecked());
    EXPECT_FALSE(rbesq3->isChecked());
    QTest::mouseClick(folla42.findChild<QWidget*>("Image62"), Qt::RightButton);
    EXPECT_FALSE(rbesq3->isChecked());

    QWidget folla23;
    auto* ver = novo<QCheckBox>(&folla23, "movimxver");
    auto* senorde = novo<QCheckBox>(&folla23, "senorde");
    vincularpaneis(pax.d, 23, &folla23, nullptr);
    ver->click();
    EXPECT_TRUE(ver->isChecked());
    senorde->click();
    EXPECT_TRUE(senorde->isChecked());
    EXPECT_FALSE(ver->isChecked());
    senorde->click(); // unchecking changes nothing else
    EXPECT_FALSE(senorde->isChecked());
    EXPECT_FALSE(ver->isChecked());
    ver->click();
    EXPECT_FALSE(senorde->isChecked());
}

namespace {

// A puzzle editor's grid controls, as the type-3 editor will make them.
class EditorPuzzle : public PageEditor {
public:
    void crear(EditorContext&, QWidget* folla) override {
        novo<QToolButton>(folla, "SpeedButton108");
        novo<QLineEdit>(folla, "filas")->setText("2");
        novo<QLineEdit>(folla, "colum")->setText("x"); // not a number: one column
    }
    void cargar(Book&, int) override {}
    void gardar(Book&, int) override {}
};

class PaneisVenta : public proba::Venta {};

} // namespace

TEST_F(PaneisVenta, TheWindowBindsTheSheetsAndTheReaderSetsTheBookPanels) {
    const FabricaEditor antes = fabricaeditor(3);
    rexistrareditor(3, [] { return std::make_unique<EditorPuzzle>(); });
    crear();
    form->prepararfollas();
    rexistrareditor(3, antes);

    InformeLectura informe;
    informe.cores.push_back({CorLibro::fondo, 0x00332211u});
    form->aplicarinforme(informe);
    auto* bcorfondo = form->findChild<ColourPanel*>("bcorfondo");
    ASSERT_NE(bcorfondo, nullptr);
    EXPECT_EQ(bcorfondo->color(), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(qobject_cast<ColourPanel*>(form->findChild<Panel*>("Panel19")), nullptr);

    // The puzzle's grid is drawn again over its picture.
    QWidget* folla = form->follas[3 + primeirafollatipo];
    auto* imaxe = folla->findChild<PictureBox*>("Image1");
    auto* gre = folla->findChild<PictureBox*>("imagegre");
    ASSERT_NE(imaxe, nullptr);
    ASSERT_NE(gre, nullptr);
    folla->findChild<QToolButton*>("SpeedButton108")->click();
    EXPECT_TRUE(gre->imaxe().isNull()) << "no picture, no grid";
    QPixmap azul(40, 40);
    azul.fill(Qt::blue);
    imaxe->porimaxe(azul);
    imaxe->resize(40, 40);
    folla->findChild<QToolButton*>("SpeedButton108")->click();
    EXPECT_FALSE(gre->imaxe().isNull());
}

// The real editors make their colour panels as panels that choose, with their boxes and the
// controls they colour; a panel
// chosen on a shown page reaches the page and the view at once.
TEST_F(PaneisVenta, TheEditorsPanelsAreColourPanels) {
    form->prepararfollas();
    for (const FilaCor& fila : filascor()) {
        SCOPED_TRACE(fila.panel);
        QWidget* panel = form->findChild<QWidget*>(fila.panel);
        ASSERT_NE(panel, nullptr);
        EXPECT_NE(qobject_cast<ColourPanel*>(panel), nullptr);
        if (fila.caixa) EXPECT_NE(form->findChild<QCheckBox*>(fila.caixa), nullptr);
        for (const char* r : fila.receptores)
            EXPECT_EQ(form->findChildren<QWidget*>(r).size(), 1) << r;
    }
    libro({"2"});
    form->amosarpaxina(1);
    auto* ctfondo = form->findChild<ColourPanel*>("ctfondo");
    ASSERT_NE(ctfondo, nullptr);
    fakes.dialogos->cores.push_back(QColor(0x20, 0x30, 0x40));
    QTest::mouseClick(ctfondo, Qt::LeftButton);
    EXPECT_EQ(form->libro.paxina(1)[18], "203040");
    EXPECT_TRUE(form->findChild<QCheckBox*>("snfd")->isChecked());
    EXPECT_EQ(form->visortexto->palette().color(QPalette::Base), QColor(0x20, 0x30, 0x40));
}
