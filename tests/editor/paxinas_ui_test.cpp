// The page list in the window: the selector and the sheets around the row operations, moving
// between pages, and the keyboard commands.
#include "editor/controis.h"
#include "editor/paletatipos.h"
#include "ventaproba.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

namespace {

QStringList itens(const QComboBox* c) {
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r << c->itemText(i);
    return r;
}

// Counts the key presses a widget receives.
class Contador : public QObject {
public:
    int teclas = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++teclas;
        return false;
    }
};

} // namespace

TEST_F(Venta, ChoosingATypeInsertsAPageAfterTheCurrentOne) {
    libro({"5", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText("kept");
    form->SpeedButton11Click();
    EXPECT_EQ(folla(), TForm1::escoller);
    EXPECT_EQ(form->libro.paxina(1)[35], "kept") << "leaving the editor stored it";
    form->iniciatipo(39);
    EXPECT_EQ(cabeceiras(), "kept - h2");
    EXPECT_EQ(form->documento.paxinaactual(), 2);
    EXPECT_EQ(form->libro.paxina(2)[0], "39");
    EXPECT_EQ(form->libro.paxina(2)[26], "1");
    EXPECT_EQ(folla(), 39 + 6);
    EXPECT_EQ(itens(form->numpaxinap), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(form->numpaxinap->currentIndex(), 1);

    // At the limit: 98 pages become 99, then the chooser still opens and changes nothing.
    libro(98, "5");
    form->documento.porpaxinaactual(98);
    form->SpeedButton11Click();
    form->iniciatipo(7);
    EXPECT_EQ(form->libro.numpaxinas, 99);
    EXPECT_EQ(form->numpaxinap->count(), 99);
    form->SpeedButton11Click();
    EXPECT_EQ(folla(), TForm1::escoller);
    form->iniciatipo(7);
    EXPECT_EQ(form->libro.numpaxinas, 99);
    EXPECT_EQ(form->documento.paxinaactual(), 99);
    EXPECT_EQ(folla(), TForm1::escoller);
    for (int t : {0, 52})
        form->iniciatipo(t);
    EXPECT_EQ(form->libro.numpaxinas, 99);
}

TEST_F(Venta, DuplicateCopiesThePageAndAFullBookShowsThePageAgain) {
    libro({"5", "7"});
    form->bpaxinasClick();
    form->txtcabe->setText("edited");
    form->btclonaClick();
    EXPECT_EQ(cabeceiras(), "edited edited h2");
    EXPECT_EQ(form->libro.texto(2, 1), "w1");
    EXPECT_EQ(form->documento.paxinaactual(), 2);
    EXPECT_EQ(folla(), 11);
    EXPECT_EQ(form->numpaxinap->count(), 3);

    libro(99, "5");
    form->bpaxinasClick();
    form->SpeedButton12Click();
    form->btclonaClick();
    EXPECT_EQ(form->libro.numpaxinas, 99);
    EXPECT_EQ(form->documento.paxinaactual(), 99);
    EXPECT_EQ(folla(), 11) << "not left on the empty neutral sheet";
    EXPECT_EQ(form->documento.tipoactual, 5);
}

TEST_F(Venta, DeleteTable) {
    struct Caso {
        int paxinas, actual;
        const char* despois;
        int actualdespois, folladespois;
    };
    const Caso casos[] = {
        {3, 1, "h2 h3", 1, 11},
        {3, 3, "h1 h2", 2, 11},
        {1, 1, "", 0, TForm1::escoller},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.despois);
        libro(c.paxinas, "5");
        form->bpaxinasClick();
        form->saltaapaxina(c.actual);
        form->txtcabe->setText("edited, then deleted");
        fakes.dialogos->preguntas.clear();
        fakes.dialogos->respostas = {QMessageBox::Ok};
        form->SpeedButton7Click();
        EXPECT_EQ(fakes.dialogos->preguntas, QStringList{QString("Borrar página %1?").arg(c.actual)});
        EXPECT_EQ(cabeceiras(), c.despois);
        EXPECT_EQ(form->documento.paxinaactual(), c.actualdespois);
        EXPECT_EQ(folla(), c.folladespois);
        EXPECT_EQ(form->numpaxinap->count(), c.paxinas - 1);
        EXPECT_EQ(form->numpaxinap->currentIndex(), c.actualdespois - 1);
        EXPECT_TRUE(form->libro.texto(c.paxinas, 1).isEmpty()) << "the vacated row has no text left";
        if (c.actualdespois) {
            EXPECT_EQ(form->txtcabe->text(), form->libro.paxina(c.actualdespois)[35]);
        }
    }
}

TEST_F(Venta, CancellingTheDeleteQuestionChangesNothing) {
    libro(3, "5");
    form->bpaxinasClick();
    form->SpeedButton10Click();
    form->txtcabe->setText("unsaved");
    form->SpeedButton7Click(); // dismissed
    EXPECT_EQ(cabeceiras(), "h1 h2 h3");
    EXPECT_EQ(form->txtcabe->text(), "unsaved");
    EXPECT_EQ(form->numpaxinap->count(), 3);
    EXPECT_EQ(form->documento.tipoactual, 5);
    form->SpeedButton10Click();
    EXPECT_EQ(form->libro.paxina(2)[35], "unsaved");
}

TEST_F(Venta, ReorderMovesPagesWithTheirTexts) {
    libro({"5", "7", "10"});
    form->bpaxinasClick();
    form->SpeedButton167Click();
    EXPECT_EQ(folla(), TForm1::cambiarorde);
    EXPECT_EQ(form->titular->text(), textosui[5]);
    EXPECT_TRUE(form->panelsonavega->isHidden());
    ASSERT_EQ(form->ListBox1->count(), 3);
    EXPECT_EQ(form->ListBox1->item(2)->text(), "03 >h3");
    form->ListBox1->insertItem(0, form->ListBox1->takeItem(2));
    form->SpeedButton168Click();
    EXPECT_EQ(cabeceiras(), "h3 h1 h2");
    EXPECT_EQ(form->libro.texto(1, 1), "w3");
    EXPECT_EQ(form->libro.paxina(1)[0], "10");
    EXPECT_EQ(form->ListBox1->item(0)->text(), "01 >h3") << "the list is rebuilt";
    EXPECT_EQ(form->documento.paxinaactual(), 1) << "the number stays; it names the page now there";
    form->bpaxinasClick();
    EXPECT_EQ(folla(), 16);
    EXPECT_EQ(form->txtcabe->text(), "h3");
}

TEST_F(Venta, Navigation) {
    libro({"5", "7", "5", "5"});
    form->bpaxinasClick();
    struct Paso {
        void (TForm1::*orde)();
        int actual;
    };
    const Paso pasos[] = {
        {&TForm1::SpeedButton9Click, 1},  {&TForm1::SpeedButton8Click, 1},  {&TForm1::SpeedButton10Click, 2},
        {&TForm1::SpeedButton12Click, 4}, {&TForm1::SpeedButton10Click, 4}, {&TForm1::SpeedButton12Click, 4},
        {&TForm1::SpeedButton9Click, 3},  {&TForm1::SpeedButton8Click, 1},
    };
    for (const Paso& p : pasos) {
        (form.get()->*p.orde)();
        EXPECT_EQ(form->documento.paxinaactual(), p.actual);
        EXPECT_EQ(form->numpaxinap->currentIndex(), p.actual - 1);
        EXPECT_EQ(form->txtcabe->text(), QString("h%1").arg(p.actual));
    }
    // The selector: a user's choice jumps, the page already shown does nothing.
    form->txtcabe->setText("not stored yet");
    form->numpaxinap->setCurrentIndex(0);
    emit form->numpaxinap->activated(0);
    EXPECT_EQ(form->txtcabe->text(), "not stored yet");
    emit form->numpaxinap->activated(2);
    EXPECT_EQ(form->documento.paxinaactual(), 3);
    EXPECT_EQ(form->libro.paxina(1)[35], "not stored yet");
    form->numpaxinap->setCurrentIndex(1); // by program: no jump
    EXPECT_EQ(form->documento.paxinaactual(), 3);
}

TEST_F(Venta, PagesWithoutAPageOffersTheChooser) {
    libro({});
    form->bpaxinasClick();
    EXPECT_EQ(folla(), TForm1::escoller);
    EXPECT_FALSE(form->Panel1->isHidden());
    libro({""});
    form->bpaxinasClick();
    EXPECT_EQ(folla(), TForm1::escoller);
}

TEST_F(Venta, FKeysActOnlyWhileTheirCommandsCould) {
    // Before New or Open nothing but New, Open and help.
    for (int k : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10,
                  Qt::Key_F11, Qt::Key_PageUp, Qt::Key_End})
        form->FormKeyDown(k, nullptr);
    EXPECT_EQ(folla(), TForm1::inicio);
    EXPECT_EQ(form->libro.numpaxinas, 1);
    EXPECT_EQ(form->documento.paxinaactual(), 0);
    EXPECT_TRUE(fakes.dialogos->preguntas.isEmpty());

    form->FormKeyDown(Qt::Key_F2, nullptr);
    EXPECT_EQ(folla(), TForm1::identif);
    form->FormKeyDown(Qt::Key_F5, nullptr); // no page yet: no export sheet
    EXPECT_EQ(folla(), TForm1::identif);
    form->FormKeyDown(Qt::Key_F8, nullptr);
    EXPECT_EQ(folla(), TForm1::escoller);
    form->iniciatipo(5);
    form->FormKeyDown(Qt::Key_F9, nullptr);
    EXPECT_EQ(form->libro.numpaxinas, 2);
    form->FormKeyDown(Qt::Key_F11, nullptr);
    EXPECT_EQ(folla(), TForm1::cambiarorde);
    form->FormKeyDown(Qt::Key_F7, nullptr);
    EXPECT_EQ(folla(), 11);
    form->FormKeyDown(Qt::Key_F6, nullptr);
    EXPECT_EQ(folla(), TForm1::identif);
    form->FormKeyDown(Qt::Key_F5, nullptr);
    EXPECT_EQ(folla(), TForm1::exporta);
}

TEST_F(Venta, PageKeysGoOnToTheControlAndLeaveTextEditingAlone) {
    libro(4, "5");
    form->bpaxinasClick();
    form->SpeedButton10Click();
    ASSERT_EQ(form->documento.paxinaactual(), 2);

    Contador contador;
    form->chpasa->installEventFilter(&contador);
    foco(form->chpasa);
    struct Caso {
        Qt::Key tecla;
        int actual;
    };
    // Page Up goes forward; each key acts once although it travels up to the window.
    for (const Caso& c :
         {Caso{Qt::Key_PageUp, 3}, Caso{Qt::Key_PageDown, 2}, Caso{Qt::Key_End, 4}, Caso{Qt::Key_Home, 1}}) {
        tecla(c.tecla);
        EXPECT_EQ(form->documento.paxinaactual(), c.actual) << c.tecla;
    }
    EXPECT_EQ(contador.teclas, 4) << "every key reached the focused control";

    // In a text edit the keys move the caret, not the page.
    foco(form->txtpe);
    form->txtpe->setText("footer");
    form->txtpe->setCursorPosition(0);
    tecla(Qt::Key_End);
    EXPECT_EQ(form->documento.paxinaactual(), 1);
    EXPECT_EQ(form->txtpe->cursorPosition(), 6);
    tecla(Qt::Key_PageUp);
    EXPECT_EQ(form->documento.paxinaactual(), 1);
    // F keys work from there.
    tecla(Qt::Key_F9);
    EXPECT_EQ(form->libro.numpaxinas, 5);

    // Without the navigation bar the page keys do nothing.
    form->bconfClick();
    foco(form->bconf);
    tecla(Qt::Key_PageUp);
    EXPECT_EQ(form->documento.paxinaactual(), 2);
    EXPECT_EQ(folla(), TForm1::identif);
}

TEST_F(Venta, ThePaletteOnTheChooserMakesAPageOfItsType) {
    auto* panel = form->TabSheet22->findChild<QWidget*>("paneltipos");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->findChildren<Tpanelboton*>(QRegularExpression("^btipo")).size(), 51);
    libro({"5"});
    form->bpaxinasClick();
    form->FormKeyDown(Qt::Key_F8, nullptr);
    ASSERT_EQ(folla(), TForm1::escoller);
    EXPECT_TRUE(form->panelsonavega->isHidden());
    EXPECT_TRUE(form->titular->text().isEmpty());
    ASSERT_TRUE(form->selectortipos->botonestipos[6]); // type 7
    QTest::mouseClick(form->selectortipos->botonestipos[6], Qt::LeftButton);
    EXPECT_EQ(form->libro.numpaxinas, 2);
    EXPECT_EQ(form->documento.paxinaactual(), 2);
    EXPECT_EQ(form->libro.paxina(2)[0], "7");
    EXPECT_EQ(folla(), 13);

    // A language change rebuilds it in the new order, each button keeping its type.
    form->English1->trigger();
    ASSERT_TRUE(form->selectortipos->botonestipos[6]);
    EXPECT_EQ(form->selectortipos->botonestipos[6]->text(), textosui[21]);
    form->Espaol1->trigger();
}

TEST_F(Venta, F1AsksForTheWebSiteWhenThereIsNoHelpFile) {
    textosui[220] = "no_such_help_file";
    form->FormKeyDown(Qt::Key_F1, nullptr);
    EXPECT_EQ(fakes.dialogos->preguntas, QStringList{textosui[159]});
    EXPECT_TRUE(fakes.aplicacion->abertos.isEmpty());
}
