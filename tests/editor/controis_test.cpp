#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/garda.h"
#include "fakes.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>

using namespace quibel;

TEST(Guard, ShowsTheMessageAndSkipsTheRestOfTheHandler) {
    proba::ServizosFalsos f;
    bool rest = false;
    const bool ok = guarded([&] {
        throw std::runtime_error("Imposible abrir o libro.");
        rest = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(rest);
    EXPECT_EQ(f.dialogos->mensaxes, QStringList{"Imposible abrir o libro."});
    EXPECT_TRUE(guarded([] {}));
    EXPECT_EQ(f.dialogos->mensaxes.size(), 1);
}

TEST(Sheets, SwitchRunsHideThenShowAndTheSameSheetDoesNothing) {
    Follas follas;
    QStringList log;
    for (int i = 0; i < 3; ++i)
        follas.engadir(
            new QWidget, [&log, i] { log << QString("show%1").arg(i); },
            [&log, i] { log << QString("hide%1").arg(i); });
    follas.amosar(2);
    follas.amosar(2);
    follas.amosar(1);
    follas.amosar(7); // no such sheet
    EXPECT_EQ(log, (QStringList{"hide0", "show2", "hide2", "show1"}));
    EXPECT_EQ(follas.actual(), 1);
    // The sheet on screen paints, its controls too, whichever sheet was shown before.
    auto* control = new QLabel(follas.widget(0));
    follas.amosar(0);
    EXPECT_TRUE(follas.widget(0)->updatesEnabled());
    EXPECT_TRUE(control->updatesEnabled());
}

TEST(Sheets, AFailingHideHandlerKeepsTheOldSheet) {
    Follas follas;
    follas.engadir(new QWidget, {}, [] { throw std::runtime_error("bad"); });
    bool shown = false;
    follas.engadir(new QWidget, [&] { shown = true; });
    EXPECT_THROW(follas.amosar(1), std::runtime_error);
    EXPECT_EQ(follas.actual(), 0);
    EXPECT_FALSE(shown);
}

TEST(LimitedEdit, LimitsTypingButNotCodeAndLetsALongTextShrink) {
    LimitedEdit edit(5);
    QTest::keyClicks(&edit, "abcdefgh");
    EXPECT_EQ(edit.text(), "abcde");
    edit.setText("a text longer than five");
    EXPECT_EQ(edit.text(), "a text longer than five");
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "a text longer than fiv");
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "a text longer than fiv");
}

TEST(RadioGroup, CodesMapToButtonsAndAnUnknownCodeClearsTheGroup) {
    QWidget w;
    QRadioButton a(&w), b(&w), c(&w);
    RadioGroup g(&w);
    g.engadir(&a, "0");
    g.engadir(&b, "1", {"1", "x"}); // two codes check one button
    g.engadir(&c, "2");
    int toggles = 0;
    QObject::connect(&a, &QRadioButton::toggled, [&] { ++toggles; });
    EXPECT_TRUE(g.valor().isNull());
    EXPECT_TRUE(g.exclusive());

    g.porvalor("0");
    EXPECT_TRUE(a.isChecked());
    g.porvalor("x");
    EXPECT_EQ(g.valor(), "1");
    EXPECT_FALSE(a.isChecked());
    QString campo = "7";
    g.gardaren(campo);
    EXPECT_EQ(campo, "1");

    // The stale button of the last page never stays checked, and the field keeps what it had.
    g.porvalor("7");
    EXPECT_FALSE(a.isChecked() || b.isChecked() || c.isChecked());
    campo = "7";
    g.gardaren(campo);
    EXPECT_EQ(campo, "7");
    EXPECT_TRUE(g.exclusive());
    EXPECT_EQ(toggles, 0) << "loading a sheet fires no handler";

    // The author's click still switches within the group.
    g.porvalor("2");
    a.click();
    EXPECT_FALSE(c.isChecked());
    EXPECT_EQ(g.valor(), "0");
}

TEST(CheckBox, SetWithoutSignals) {
    QCheckBox box;
    int n = 0;
    QObject::connect(&box, &QCheckBox::toggled, [&] { ++n; });
    porcheck(&box, true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(n, 0);
}

TEST(MultiLine, ModelKeepsCrLfControlsGetLf) {
    struct Row {
        const char* model;
        const char* control;
        const char* back;
    };
    const Row rows[] = {
        {"a\r\nb", "a\nb", "a\r\nb"},
        {"a\rb\nc", "a\nb\nc", "a\r\nb\r\nc"},
        {"", "", ""},
        {"end\r\n", "end\n", "end\r\n"},
    };
    QPlainTextEdit memo;
    for (const Row& r : rows) {
        EXPECT_EQ(acontrol(r.model), r.control) << r.model;
        portexto(&memo, r.model);
        EXPECT_EQ(memo.toPlainText(), r.control);
        EXPECT_EQ(textode(&memo), r.back);
    }
}

// The text a memo holds already, untouched, is not laid out again; the memo is left as a new text
// leaves it. A memo edited since, or holding a text that only reads the same, takes the text anew.
TEST(MultiLine, TheSameTextAgainLeavesTheMemoAsANewTextDoes) {
    QString longo;
    for (int i = 0; i < 80; ++i)
        longo += QStringLiteral("liña %1 da páxina, longa abondo para pasar do ancho\r\n").arg(i);
    const auto estado = [](QPlainTextEdit& m) {
        return std::tuple{m.toPlainText(),
                          m.textCursor().position(),
                          m.textCursor().anchor(),
                          m.verticalScrollBar()->value(),
                          m.horizontalScrollBar()->value(),
                          m.document()->isUndoAvailable(),
                          m.document()->isRedoAvailable(),
                          m.document()->isModified()};
    };
    QPlainTextEdit memo, referencia;
    for (QPlainTextEdit* m : {&memo, &referencia}) {
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        m->resize(120, 80);
        m->show();
    }
    portexto(&memo, longo);
    QCoreApplication::processEvents();
    const int revision = memo.document()->revision();
    QTextCursor c = memo.textCursor();
    c.setPosition(300);
    c.setPosition(340, QTextCursor::KeepAnchor);
    memo.setTextCursor(c);
    memo.verticalScrollBar()->setValue(memo.verticalScrollBar()->maximum());
    memo.horizontalScrollBar()->setValue(memo.horizontalScrollBar()->maximum());
    ASSERT_GT(memo.verticalScrollBar()->value(), 0);
    portexto(&memo, longo);
    portexto(&referencia, longo);
    EXPECT_EQ(memo.document()->revision(), revision) << "laid out again";
    EXPECT_EQ(estado(memo), estado(referencia));

    // Typed into and back: the same text, but an undo history that a new text clears.
    QTextCursor edicion(memo.document());
    edicion.insertText("x");
    edicion.deletePreviousChar();
    ASSERT_EQ(textode(&memo), longo);
    ASSERT_TRUE(memo.document()->isUndoAvailable());
    portexto(&memo, longo);
    EXPECT_EQ(estado(memo), estado(referencia));

    // A no-break space reads as a space, but is another character.
    portexto(&memo, QStringLiteral("a\u00A0b"));
    portexto(&memo, QStringLiteral("a b"));
    EXPECT_EQ(memo.document()->toRawText(), QStringLiteral("a b"));
}

TEST(Panel, KeepsItsColourAndCaption) {
    Panel p;
    p.setColor(QColor(0x84, 0xE1, 0xFD));
    p.setCaption("<b>x</b>");
    EXPECT_EQ(p.color(), QColor(0x84, 0xE1, 0xFD));
    EXPECT_EQ(p.palette().color(QPalette::Window), QColor(0x84, 0xE1, 0xFD));
    EXPECT_EQ(p.caption(), "<b>x</b>");
    // The same colour again, after the palette was replaced, shows again; a parent's palette
    // does not reach a colour set.
    p.setPalette(QPalette(Qt::green));
    p.setColor(QColor(0x84, 0xE1, 0xFD));
    EXPECT_EQ(p.palette().color(QPalette::Window), QColor(0x84, 0xE1, 0xFD));
    QWidget padre;
    p.setParent(&padre);
    padre.setPalette(QPalette(Qt::red));
    EXPECT_EQ(p.palette().color(QPalette::Window), QColor(0x84, 0xE1, 0xFD));
    p.setParent(nullptr);
    int clicks = 0;
    QObject::connect(&p, &Panel::clicked, [&] { ++clicks; });
    QTest::mouseClick(&p, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(PanelCaption, StaysReadableOnDarkColours) {
    Panel p;
    p.setCaption("8");
    const auto letra = [&p] { return p.findChild<QLabel*>()->palette().color(QPalette::WindowText); };
    for (const auto& [fondo, texto] : {std::pair{QColor(Qt::black), QColor(Qt::white)},
                                       {QColor(0, 0, 0xFF), QColor(Qt::white)},
                                       {QColor(0xFF, 0xFF, 0), QColor(Qt::black)},
                                       {QColor(0x84, 0xE1, 0xFD), QColor(Qt::black)}}) {
        p.setColor(fondo);
        EXPECT_EQ(letra(), texto) << fondo.name().toStdString();
    }
}

// Scroll bars painted in bands look exactly as the style paints them whole, in either orientation,
// at any slider position, short or tall.
TEST(BandedScrollBars, PaintTheSamePixelsAsTheStyle) {
    struct Caso {
        Qt::Orientation orientacion;
        QSize tamano;
        int valor;
    };
    const Caso casos[] = {{Qt::Vertical, {16, 400}, 0},   {Qt::Vertical, {16, 400}, 37},
                          {Qt::Vertical, {16, 400}, 100}, {Qt::Vertical, {16, 130}, 50},
                          {Qt::Vertical, {16, 60}, 10},   {Qt::Horizontal, {500, 16}, 70},
                          {Qt::Vertical, {18, 1000}, 3}};
    for (const Caso& c : casos) {
        QScrollBar barra(c.orientacion);
        barra.setRange(0, 100);
        barra.setPageStep(c.orientacion == Qt::Vertical ? 12 : 30);
        barra.setValue(c.valor);
        barra.resize(c.tamano);
        const QImage enteira = barra.grab().toImage();
        barra.setStyle(estilobarras());
        const QImage enbandas = barra.grab().toImage();
        EXPECT_EQ(enteira, enbandas) << c.tamano.width() << "x" << c.tamano.height() << " at " << c.valor;
    }
}

// A cached standard icon is made by the style only when first drawn or measured, and then draws
// exactly what the style's own icon draws: every mode, at one and two device pixels per pixel, by
// pixmap and by painting.
TEST(StandardIcons, DrawLikeTheStylesOwnIcons) {
    for (const QStyle::StandardPixmap sp : {QStyle::SP_FileIcon, QStyle::SP_DialogSaveButton,
                                            QStyle::SP_MediaPlay, QStyle::SP_TrashIcon, QStyle::SP_ArrowUp}) {
        const QIcon propia = QApplication::style()->standardIcon(sp);
        const QIcon& cache = iconaestilo(sp);
        ASSERT_FALSE(cache.isNull());
        EXPECT_EQ(cache.availableSizes(), propia.availableSizes());
        for (const QIcon::Mode modo : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
            for (const int lado : {16, 20, 24, 32, 48})
                for (const qreal dpr : {1.0, 2.0}) {
                    const QSize t(lado, lado);
                    SCOPED_TRACE(testing::Message()
                                 << sp << " mode " << modo << " " << lado << " px at " << dpr);
                    const QPixmap a = cache.pixmap(t, dpr, modo), b = propia.pixmap(t, dpr, modo);
                    EXPECT_EQ(a.size(), b.size());
                    EXPECT_EQ(a.devicePixelRatio(), b.devicePixelRatio());
                    EXPECT_EQ(a.toImage(), b.toImage());
                    EXPECT_EQ(cache.actualSize(t, modo), propia.actualSize(t, modo));
                    const auto pintar = [&](const QIcon& i) {
                        QImage im(QSize(lado + 7, lado + 3) * dpr, QImage::Format_ARGB32_Premultiplied);
                        im.setDevicePixelRatio(dpr);
                        im.fill(Qt::transparent);
                        QPainter p(&im);
                        i.paint(&p, QRect(2, 1, lado + 4, lado), Qt::AlignCenter, modo);
                        return im;
                    };
                    EXPECT_EQ(pintar(cache), pintar(propia));
                }
    }
}

// The kept pieces of the scroll bars, line edits and group boxes lay exactly the pixels the style
// paints, the first time and when found again, over plain and shaded backdrops, on widgets that
// lie partly beyond the picture, and after a state, palette or size change.
TEST(KeptPieces, LayThePixelsTheStylePaints) {
    QWidget w;
    w.resize(360, 300);
    QPalette fondo = w.palette();
    QLinearGradient degradado(0, 0, 360, 300);
    degradado.setColorAt(0, QColor(0x84, 0xE1, 0xFD));
    degradado.setColorAt(1, QColor(0x30, 0x10, 0x60));
    fondo.setBrush(QPalette::Window, degradado);
    w.setPalette(fondo);
    w.setAutoFillBackground(true);
    auto* edit = new QLineEdit("Texto", &w);
    edit->setGeometry(13, 7, 150, 22);
    auto* desactivado = new QLineEdit("Outro", &w);
    desactivado->setGeometry(171, 39, 120, 24);
    desactivado->setEnabled(false);
    auto* lonxe = new QLineEdit("Lonxe", &w);
    lonxe->setGeometry(280, 70, 150, 22); // past the right edge of the picture below
    auto* caixa = new QGroupBox("Caixa", &w);
    caixa->setGeometry(9, 100, 200, 190);
    auto* dentro = new QLineEdit("Dentro", caixa);
    dentro->setGeometry(10, 30, 120, 22);
    auto* vertical = new QScrollBar(Qt::Vertical, &w);
    vertical->setGeometry(330, 100, 16, 190);
    vertical->setRange(0, 100);
    vertical->setValue(40);
    auto* horizontal = new QScrollBar(Qt::Horizontal, &w);
    horizontal->setGeometry(215, 270, 110, 16);
    barrasenbandas(&w);
    for (QWidget* c :
         std::initializer_list<QWidget*>{edit, desactivado, lonxe, caixa, dentro, vertical, horizontal})
        ASSERT_EQ(c->style(), estilobarras()) << c->metaObject()->className();

    const auto pintar = [&w] {
        QImage i(340, 300, QImage::Format_ARGB32_Premultiplied);
        i.fill(Qt::black);
        w.render(&i);
        return i;
    };
    pezaspintadas(false);
    const QImage estilo = pintar();
    pezaspintadas(true);
    EXPECT_EQ(pintar(), estilo) << "painted and kept";
    EXPECT_EQ(pintar(), estilo) << "laid from the kept pieces";

    // Every change meets pieces kept for the old state.
    edit->setEnabled(false);
    desactivado->setEnabled(true);
    vertical->setValue(90);
    QPalette vermello = dentro->palette();
    vermello.setColor(QPalette::Base, Qt::red);
    dentro->setPalette(vermello);
    caixa->resize(200, 170);
    horizontal->resize(100, 16);
    const QImage despois = pintar();
    pezaspintadas(false);
    const QImage estilodespois = pintar();
    pezaspintadas(true);
    EXPECT_NE(estilodespois, estilo);
    EXPECT_EQ(despois, estilodespois);
}
