// The menu page's buttons: choosing a button keeps the text of the one left in the page and shows
// the text and picture of the one chosen; the mark; the label colours; the sheet's show step.
#include "editor/ranuras.h"
#include "editor/follas.h"
#include "editor/htmlview.h"
#include "editoresstub.h"

#include <QAbstractButton>
#include <QFocusEvent>

using namespace quibel;
using proba::rato;
using proba::soltarsobre;
using proba::Venta;

namespace {

class MenuPaxina : public proba::Arrastre {
protected:
    // Two menu pages, the first shown; its texts W0..W5 are "t1".."t6".
    void SetUp() override {
        proba::Arrastre::SetUp();
        libro({"15", "15"});
        for (int k = 1; k <= 6; ++k)
            form->libro.texto(1, k) = QStringLiteral("t%1").arg(k);
        form->bpaxinasClick();
    }
    void escoller(int k) {
        static_cast<QAbstractButton*>(control(15, ("boton" + std::to_string(k)).c_str()))->click();
    }
    QLineEdit* etiqueta(int k) {
        return static_cast<QLineEdit*>(control(15, ("txtmenu" + std::to_string(k)).c_str()));
    }
    QString textos(int paxina) const {
        QStringList t;
        for (int k = 1; k <= 6; ++k)
            t << form->libro.texto(paxina, k);
        return t.join(' ');
    }
};

} // namespace

// The text of the button left is the view's own source, byte for byte, whatever Qt makes of it.
TEST_F(MenuPaxina, TheTextOfTheButtonLeftStaysInThePage) {
    const QString html = "<p><font size=4 face=Arial>tres</font> <b>x</b></p>";
    escoller(3);
    EXPECT_EQ(form->visormenu->source(), "t3");
    form->visormenu->load(html); // what the text editor hands back
    ASSERT_NE(form->visormenu->toHtml(), html);
    escoller(5);
    EXPECT_EQ(form->libro.texto(1, 3), html);
    EXPECT_EQ(form->visormenu->source(), "t5");
    escoller(3);
    EXPECT_EQ(form->visormenu->source(), html);
    EXPECT_EQ(textos(1), "t1 t2 " + html + " t4 t5 t6");

    form->visormenu->load("again");
    escoller(3); // the button already chosen keeps its own text and shows it again
    EXPECT_EQ(form->libro.texto(1, 3), "again");
    EXPECT_EQ(form->visormenu->source(), "again");
}

// A click in a label edit chooses as its button does; reaching it by the keyboard does not. The mark
// moves beside the button chosen.
TEST_F(MenuPaxina, ButtonsAndLabelsMoveTheMark) {
    const int marcas[] = {134, 181, 228, 275, 322, 370};
    QWidget* marca = control(15, "marcamenu");
    for (int k = 6; k >= 1; --k) {
        SCOPED_TRACE(k);
        escoller(k == 1 ? 2 : 1);
        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(etiqueta(k), &tab);
        EXPECT_NE(form->botonmenu, k);
        QTest::mouseClick(etiqueta(k), Qt::LeftButton);
        EXPECT_EQ(form->botonmenu, k);
        EXPECT_EQ(marca->y(), marcas[k - 1]);
        EXPECT_EQ(form->campoimaxemenu, 21 + k);
        EXPECT_EQ(form->visormenu->source(), QStringLiteral("t%1").arg(k));
        escoller(k);
        EXPECT_EQ(marca->y(), marcas[k - 1]);
    }
}

TEST_F(MenuPaxina, ThePictureSlotFollowsTheButton) {
    Tpaxina& p = form->libro.paxina(1);
    for (int n = 22; n <= 27; ++n)
        p[n] = ruta("a.png");
    escoller(4);
    form->documento.tiporecurso = 1;
    form->documento.recursoescollido = ruta("b.png");
    QImage(4, 4, QImage::Format_RGB32).save(ruta("b.png"));
    ASSERT_TRUE(soltarsobre(control(15, "imxmenu")));
    EXPECT_EQ(p[25], ruta("b.png"));
    escoller(6);
    EXPECT_EQ(static_cast<LabelledEdit*>(control(15, "imxmenutxt"))->text(), "a.png");
    static_cast<QAbstractButton*>(control(15, "imxmenubc"))->click();
    EXPECT_TRUE(p[27].isEmpty());
    for (int n : {22, 23, 24, 26})
        EXPECT_EQ(p[n], ruta("a.png")) << n;
    EXPECT_EQ(p[25], ruta("b.png"));
}

// Showing the sheet starts at button 1 and stores nothing.
TEST_F(MenuPaxina, AShowStartsAtButtonOne) {
    for (int k = 1; k <= 6; ++k)
        form->libro.texto(2, k) = QStringLiteral("s%1").arg(k);
    escoller(4);
    form->visormenu->load("left in the view");
    form->SpeedButton10Click();
    EXPECT_EQ(form->botonmenu, 1);
    EXPECT_EQ(control(15, "marcamenu")->y(), 134);
    EXPECT_EQ(form->campoimaxemenu, 22);
    EXPECT_EQ(textos(2), "s1 s2 s3 s4 s5 s6");
    EXPECT_EQ(form->visormenu->source(), "s1");
    escoller(2);
    EXPECT_EQ(textos(2), "s1 s2 s3 s4 s5 s6");
}

// The panels take the chosen colour and so do the six labels, as their base or text colour; the
// page does not change, and a cancel changes nothing.
TEST_F(MenuPaxina, LabelColours) {
    const Tpaxina antes = form->libro.paxina(1);
    const struct {
        const char* panel;
        QPalette::ColorRole papel;
        QColor cor;
    } casos[] = {{"cboton", QPalette::Base, QColor(0x12, 0x34, 0x56)},
                 {"cbtexto", QPalette::Text, QColor(0xAB, 0xCD, 0xEF)}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.panel);
        auto* panel = static_cast<ColourPanel*>(control(15, c.panel));
        fakes.dialogos->cores = {c.cor};
        QTest::mouseClick(panel, Qt::LeftButton);
        EXPECT_EQ(panel->color(), c.cor);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(etiqueta(k)->palette().color(c.papel), c.cor) << k;
        QTest::mouseClick(panel, Qt::LeftButton); // cancel
        EXPECT_EQ(panel->color(), c.cor);
        EXPECT_EQ(etiqueta(3)->palette().color(c.papel), c.cor);
    }
    EXPECT_EQ(etiqueta(1)->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56)) << "each its own role";
    EXPECT_EQ(form->libro.paxina(1).P, antes.P);
}

// With the menu page's own editor: leaving the sheet stores the view into the button chosen,
// never into the first one.
TEST_F(Venta, TheMenuEditorStoresTheChosenButtonsText) {
    libro({"15"});
    for (int k = 1; k <= 6; ++k)
        form->libro.texto(1, k) = QStringLiteral("t%1").arg(k);
    form->amosarpaxina(1);
    QWidget* folla = form->follas[15 + primeirafollatipo];
    folla->findChild<QAbstractButton*>("boton3")->click();
    form->visormenu->load("novo");
    form->tipaxinas->amosar(TForm1::pasarfolla);
    QStringList t;
    for (int k = 1; k <= 6; ++k)
        t << form->libro.texto(1, k);
    EXPECT_EQ(t.join(' '), "t1 t2 novo t4 t5 t6");
}
