// The grids of the formula and tables pages, on bare sheets with their editors.
#include "book/documento.h"
#include "editor/controis.h"
#include "editor/editores_grellas.h"
#include "editor/grellas.h"
#include "fakes.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace quibel;

namespace {

// A page of one type open on a bare sheet of its editor.
class Folla : public ::testing::Test {
protected:
    void abrir(int tipo, std::unique_ptr<PageEditor> e) {
        editor = std::move(e);
        d.libro.numpaxinas = 1;
        p()[0] = QString::number(tipo);
        d.porpaxinaactual(1);
        d.tipoactual = quint8(tipo);
        editor->crear(contexto, &folla);
    }
    Tpaxina& p() { return d.libro.paxina(1); }
    template <class W> W* w(const char* nome) { return folla.findChild<W*>(QString::fromLatin1(nome)); }

    proba::ServizosFalsos fakes;
    Documento d;
    EditorContext contexto{d, servizos(), [](const QString&) {}, {}};
    QWidget folla;
    std::unique_ptr<PageEditor> editor;
};

class Formula : public Folla {
protected:
    void SetUp() override {
        abrir(49, editorformula());
        grella = w<GrellaFormula>("datosformula");
        ASSERT_NE(grella, nullptr);
        editor->cargar(d.libro, 1);
    }
    QColor pixel(int fila, int columna) {
        const QRect r = grella->visualRect(grella->model()->index(fila, columna));
        return grella->viewport()->grab(r).toImage().pixelColor(r.width() - 4, r.height() - 4);
    }
    GrellaFormula* grella = nullptr;
};

} // namespace

TEST_F(Formula, KeysWriteThePageAndLettersNeverMoveTheCell) {
    EXPECT_EQ(p()[9], QString(17, u' '));
    grella->setCurrentCell(2, 5);
    QTest::keyClick(grella, Qt::Key_X);
    EXPECT_EQ(p()[9], "     x" + QString(11, u' '));
    EXPECT_EQ(p()[21], QString(17, u'0'));
    EXPECT_EQ(grella->item(2, 5)->text(), "x");

    // A search by letter would jump to the "x" just typed.
    grella->setCurrentCell(0, 0);
    QTest::keyClicks(grella, "i2");
    EXPECT_EQ(grella->currentRow(), 0);
    EXPECT_EQ(grella->currentColumn(), 0);
    EXPECT_EQ(grella->item(0, 0)->text(), "i2");
    EXPECT_EQ(p()[7].left(1), "2");
    EXPECT_EQ(p()[19].left(1), "i");

    const Tpaxina antes = d.libro.paxina(1);
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_F2})
        QTest::keyClick(grella, k);
    QTest::keyClick(grella, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(d.libro.paxina(1).P, antes.P);

    QTest::keyClick(grella, Qt::Key_Tab);
    EXPECT_EQ(grella->currentColumn(), 1);
    QTest::keyClick(grella, Qt::Key_Backspace);
    EXPECT_EQ(p()[7].left(2), "2 ");

    // Once the sheet is stored the grid writes nothing.
    d.tipoactual = 0;
    QTest::keyClick(grella, Qt::Key_Z);
    EXPECT_EQ(p()[7].left(2), "2 ");
}

TEST_F(Formula, DoubleClickHidesAndShowsACellAndTheStoreTellsOfIt) {
    const QPoint centro = grella->visualRect(grella->model()->index(1, 3)).center();
    EXPECT_EQ(pixel(1, 3), QColor(Qt::white));
    QTest::mouseDClick(grella->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
    EXPECT_EQ(p()[2].mid(3, 1), "0");
    EXPECT_EQ(pixel(1, 3), QColor(0xFF, 0xFF, 0x80));
    editor->gardar(d.libro, 1);
    EXPECT_EQ(p()[26], "1");
    QTest::mouseDClick(grella->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
    EXPECT_EQ(p()[2], QString(17, u'1'));
    EXPECT_EQ(pixel(1, 3), QColor(Qt::white));
    editor->gardar(d.libro, 1);
    EXPECT_EQ(p()[26], "0");
}

namespace {

class Cadros : public Folla {
protected:
    void SetUp() override {
        abrir(36, editorcadros());
        grella = w<GrellaCadros>("pncadros");
        ASSERT_NE(grella, nullptr);
        p()[26] = "1";
        editor->cargar(d.libro, 1);
    }
    QPoint centro(int c, int f) const {
        const int paso = GrellaCadros::lado + 1;
        return {1 + c * paso + paso / 2, 1 + f * paso + paso / 2};
    }
    void clic(int c, int f) { QTest::mouseClick(grella, Qt::LeftButton, Qt::NoModifier, centro(c, f)); }
    QColor pixel(int c, int f) { return grella->grab().toImage().pixelColor(centro(c, f)); }
    GrellaCadros* grella = nullptr;
};

} // namespace

TEST_F(Cadros, PaintingWithTheChosenPanel) {
    clic(0, 0); // no panel chosen yet: red
    EXPECT_EQ(grella->modelo.cela(0, 0), "1");
    EXPECT_EQ(pixel(0, 0), QColor(0xFF, 0, 0));
    clic(0, 0);
    EXPECT_EQ(grella->modelo.cela(0, 0), "");
    EXPECT_EQ(pixel(0, 0), QColor(Qt::white));

    QTest::mouseClick(w<Panel>("corpanel5"), Qt::LeftButton);
    EXPECT_EQ(w<QFrame>("marcapnc")->x(), 248);
    EXPECT_EQ(w<Panel>("corpanel5")->caption(), "6");
    clic(3, 2);
    EXPECT_EQ(grella->modelo.cela(3, 2), "6");
    EXPECT_EQ(pixel(3, 2), QColor(0xC8, 0xA2, 0xC8));

    // A click makes a random pattern the author's.
    porcheck(w<QCheckBox>("chcadroalea"), true);
    clic(7, 6);
    EXPECT_FALSE(w<QCheckBox>("chcadroalea")->isChecked());

    editor->gardar(d.libro, 1);
    const QString filas[] = {"00000000", "00000000", "00060000", "00000000",
                             "00000000", "00000000", "00000006"};
    for (int f = 0; f < 7; ++f)
        EXPECT_EQ(p()[f + 1], filas[f]) << f;
    EXPECT_EQ(p()[26], "1");
}

TEST_F(Cadros, EveryNumberHasItsColourAndOtherTextsStayWhite) {
    p()[1] = "12345678";
    p()[2] = "9";
    p()[8] = "2";
    p()[26] = "0";
    editor->cargar(d.libro, 1);
    const QColor cores[] = {QColor(0xFF, 0, 0),       QColor(0, 0xFF, 0),    QColor(0, 0, 0xFF),
                            QColor(0xFF, 0x80, 0),    QColor(0xFF, 0xFF, 0), QColor(0xC8, 0xA2, 0xC8),
                            QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0)};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(pixel(c, 0), cores[c]) << c;
    EXPECT_EQ(pixel(0, 1), QColor(Qt::white));
    EXPECT_TRUE(w<QCheckBox>("chcadroalea")->isChecked());
    EXPECT_TRUE(w<QRadioButton>("chcadro3")->isChecked());

    // A random pattern keeps its rows; the strange cell is kept whatever happens.
    editor->gardar(d.libro, 1);
    EXPECT_EQ(p()[2], "9");
    EXPECT_EQ(p()[26], "0");
    porcheck(w<QCheckBox>("chcadroalea"), false);
    editor->gardar(d.libro, 1);
    EXPECT_EQ(p()[1], "12345678");
    EXPECT_EQ(p()[2], "90000000");
    EXPECT_EQ(p()[8], "2");
}
