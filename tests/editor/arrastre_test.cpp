// Dragging page elements: every row of the drag table through editors that make its controls, the
// edge rule, the drags that must not happen, the link points that store on release, the text
// frame's resize, the background label, and the moving pictures' selection, frame, clear and blank.
#include "editor/arrastre.h"
#include "editor/ranuras.h"
#include "editoresstub.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace quibel;
using proba::Arrastre;
using proba::rato;
using proba::soltarsobre;
using proba::texto;
using proba::Venta;

// Every row binds to the controls its editor makes, one dragger per pressed control.
TEST_F(Arrastre, EveryRowIsBoundThroughItsEditorsControls) {
    int filas = 0;
    for (const FilaArrastre& r : filasarrastre()) {
        SCOPED_TRACE(r.elemento);
        QWidget* premido = control(r.tipo, r.premido ? r.premido : r.elemento);
        ASSERT_NE(premido, nullptr);
        ASSERT_NE(control(r.tipo, r.elemento), nullptr);
        EXPECT_EQ(premido->findChildren<ElementDragger*>(Qt::FindDirectChildrenOnly).size(), 1);
        ++filas;
    }
    EXPECT_EQ(filas, 25);
}

namespace {

class EditorBaleiro : public PageEditor {
public:
    void crear(EditorContext&, QWidget*) override {}
    void cargar(Book&, int) override {}
    void gardar(Book&, int) override {}
};

} // namespace

// Without their editors only the rows whose controls the slots place are bound; the others wait.
TEST_F(Venta, DragRowsWithoutTheirControlsWait) {
    std::vector<std::pair<int, FabricaEditor>> antes;
    for (int t : {2, 5, 9, 20, 23, 30}) {
        antes.emplace_back(t, fabricaeditor(t));
        rexistrareditor(t, [] { return std::make_unique<EditorBaleiro>(); });
    }
    crear();
    form->prepararfollas();
    for (const auto& [t, f] : antes)
        rexistrareditor(t, f);
    QStringList ligados;
    for (const FilaArrastre& r : filasarrastre()) {
        QWidget* folla = form->follas[r.tipo + primeirafollatipo];
        QWidget* premido = folla->findChild<QWidget*>(r.premido ? r.premido : r.elemento);
        if (premido && premido->findChildren<ElementDragger*>(Qt::FindDirectChildrenOnly).size() == 1)
            ligados << r.elemento;
    }
    EXPECT_EQ(ligados.join(' '), "bimax Image17 imxmov1 imxmov2 imxmov3 imxmov4 imxmov5 imxmov6 imxetiq2");
    EXPECT_EQ(
        form->follas[2 + primeirafollatipo]->findChild<QWidget*>("Image3")->parentWidget()->objectName(),
        "bimax");
}

// One row per element kind: the first move is the mouse's movement, the left and top edges stop
// the element at 0 (the edits show "0"), nothing stops it on the right or at the bottom, and the
// page does not change before the commit.
TEST_F(Arrastre, ElementsFollowTheMouseAndStopAtTheLeftAndTopEdges) {
    const struct {
        int tipo;
        const char *elemento, *premido, *editx, *edity;
    } casos[] = {
        {2, "bimax", "Image3", "imtextox", "imtextoy"},
        {2, "basetext", "movtext", "textx", "texty"},
        {5, "Image17", "Image17", nullptr, nullptr},
        {9, "Panel43", "Panel43", nullptr, nullptr},
        {20, "punto3", "punto3", nullptr, nullptr},
        {23, "imxmov4", "imxmov4", "movimxcorx", "movimxcory"},
        {30, "imxetiq2", "imxetiq2", "imxetiq2x", "imxetiq2y"},
        {30, "Panel52", "Panel52", nullptr, nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.elemento);
        Tpaxina& p = paxina(QByteArray::number(c.tipo).constData());
        const Tpaxina antes = p;
        QWidget* elemento = control(c.tipo, c.elemento);
        QWidget* premido = control(c.tipo, c.premido);
        elemento->move(10, 10);
        const QPoint g = premido->mapToGlobal(QPoint(5, 5));
        const auto posicion = [&](QPoint esperada) {
            EXPECT_EQ(elemento->pos(), esperada);
            if (c.editx) {
                EXPECT_EQ(texto(control(c.tipo, c.editx)), QString::number(esperada.x()));
                EXPECT_EQ(texto(control(c.tipo, c.edity)), QString::number(esperada.y()));
            } else if (c.tipo == 5) {
                EXPECT_EQ(form->editoculto->text(), QString::number(esperada.y())) << "both edits";
            }
        };
        rato(premido, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(elemento->pos(), QPoint(10, 10)) << "a press moves nothing";
        rato(premido, QEvent::MouseMove, g + QPoint(7, 5), Qt::NoButton, Qt::LeftButton);
        posicion(QPoint(17, 15));
        rato(premido, QEvent::MouseMove, g + QPoint(-30, 3), Qt::NoButton, Qt::LeftButton);
        posicion(QPoint(0, 13));
        rato(premido, QEvent::MouseMove, g + QPoint(4, -25), Qt::NoButton, Qt::LeftButton);
        posicion(QPoint(14, 0));
        rato(premido, QEvent::MouseMove, g + QPoint(900, 700), Qt::NoButton, Qt::LeftButton);
        posicion(QPoint(910, 710));
        rato(premido, QEvent::MouseButtonRelease, g + QPoint(900, 700), Qt::LeftButton, Qt::NoButton);
        if (c.tipo != 9) {
            EXPECT_EQ(p.P, antes.P) << "only the commit stores the position";
        }
    }
}

TEST_F(Arrastre, AnyButtonDragsAndTheGripKeepsItsPlace) {
    paxina("2");
    QWidget* basetext = control(2, "basetext");
    QWidget* movtext = control(2, "movtext");
    const QPoint g = movtext->mapToGlobal(QPoint(3, 2));
    const QPoint agarre = movtext->mapToGlobal(QPoint()) - g;
    const QPoint inicio = basetext->pos();
    rato(movtext, QEvent::MouseButtonPress, g, Qt::RightButton, Qt::RightButton);
    rato(movtext, QEvent::MouseMove, g + QPoint(40, 25), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(basetext->pos(), inicio + QPoint(40, 25));
    EXPECT_EQ(movtext->pos(), QPoint(4, 4)) << "the grip stays where it is in the frame";
    EXPECT_EQ(movtext->mapToGlobal(QPoint()) - (g + QPoint(40, 25)), agarre);
    rato(movtext, QEvent::MouseButtonRelease, g + QPoint(40, 25), Qt::RightButton, Qt::NoButton);

    const QPoint h = g + QPoint(40, 25); // the second press of a double click drags too
    rato(movtext, QEvent::MouseButtonDblClick, h, Qt::LeftButton, Qt::LeftButton);
    rato(movtext, QEvent::MouseMove, h + QPoint(-3, 6), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(basetext->pos(), inicio + QPoint(37, 31));
}

// Moves that must change nothing: with no press, after a press on the resource header (which starts
// no drag) and after the release.
TEST_F(Arrastre, MovesWithoutADragChangeNothing) {
    const struct {
        const char* nome;
        std::function<void(QWidget*, QPoint, QWidget*)> antes;
    } casos[] = {
        {"no press", [](QWidget*, QPoint, QWidget*) {}},
        {"a press on precur",
         [](QWidget*, QPoint g, QWidget* precur) {
             rato(precur, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
             rato(precur, QEvent::MouseMove, g + QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
         }},
        {"after the release",
         [](QWidget* w, QPoint g, QWidget*) {
             rato(w, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
             rato(w, QEvent::MouseButtonRelease, g, Qt::LeftButton, Qt::NoButton);
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Tpaxina& p = paxina("9");
        QWidget* punto = control(9, "Panel42");
        punto->move(10, 10);
        const QPoint g = punto->mapToGlobal(QPoint(5, 5));
        c.antes(punto, g, form->precur);
        const Tpaxina antes = p;
        for (const Qt::MouseButtons botons :
             {Qt::MouseButtons(Qt::NoButton), Qt::MouseButtons(Qt::LeftButton)})
            rato(punto, QEvent::MouseMove, g + QPoint(30, 40), Qt::NoButton, botons);
        rato(punto, QEvent::MouseButtonRelease, g + QPoint(30, 40), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(punto->pos(), QPoint(10, 10));
        EXPECT_EQ(p.P, antes.P);
    }
}

TEST_F(Arrastre, ALinkPointStoresItsPositionOnRelease) {
    const struct {
        const char* punto;
        int x, y;
    } casos[] = {{"Panel42", 9, 19}, {"Panel43", 10, 20}, {"Panel44", 11, 21}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.punto);
        Tpaxina& p = paxina("9");
        for (int n : {9, 10, 11, 19, 20, 21})
            p[n] = "x";
        QWidget* punto = control(9, c.punto);
        punto->move(50, 300);
        const QPoint g = punto->mapToGlobal(QPoint(5, 5));
        rato(punto, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
        rato(punto, QEvent::MouseMove, g + QPoint(25, -100), Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(p[c.x], "x") << "stored at the release";
        rato(punto, QEvent::MouseButtonRelease, g + QPoint(25, -100), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(p[c.x], "75");
        EXPECT_EQ(p[c.y], "200");
        int outros = 0;
        for (int n : {9, 10, 11, 19, 20, 21})
            outros += p[n] == "x";
        EXPECT_EQ(outros, 4);
    }
}

// The book-properties background drags free: negative positions, and the release is told.
TEST(ElementDragger, AFreeElementTakesNegativePositions) {
    QWidget area;
    auto* marco = new QFrame(&area);
    marco->setGeometry(20, 30, 50, 40);
    auto* imaxe = new QWidget(marco);
    imaxe->setGeometry(0, 0, 50, 40);
    QLineEdit x, y;
    QWidget* soltado = nullptr;
    ElementDragger::Opcions o;
    o.editx = &x;
    o.edity = &y;
    o.libre = true;
    o.aosoltar = [&](QWidget* e) { soltado = e; };
    ElementDragger::vincular(imaxe, marco, o);
    const QPoint g = imaxe->mapToGlobal(QPoint(10, 10));
    rato(imaxe, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
    rato(imaxe, QEvent::MouseMove, g + QPoint(-45, -70), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(marco->pos(), QPoint(-25, -40));
    EXPECT_EQ(x.text(), "-25");
    EXPECT_EQ(y.text(), "-40");
    EXPECT_EQ(soltado, nullptr);
    rato(imaxe, QEvent::MouseButtonRelease, g + QPoint(-45, -70), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(soltado, marco);
}

// Past the right and bottom edges of an area that scrolls, the area grows to hold the element.
TEST(ElementDragger, AnAreaThatScrollsGrowsToHoldTheElement) {
    for (const bool ajustable : {false, true}) {
        SCOPED_TRACE(ajustable ? "resizable" : "fixed");
        QScrollArea scroll;
        scroll.resize(150, 120);
        auto* area = new QWidget;
        area->resize(200, 160);
        scroll.setWidgetResizable(ajustable);
        scroll.setWidget(area);
        auto* punto = new QFrame(area);
        punto->setGeometry(10, 10, 30, 20);
        ElementDragger::vincular(punto, punto, {});
        scroll.show();
        const QPoint g = punto->mapToGlobal(QPoint(5, 5));
        rato(punto, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
        rato(punto, QEvent::MouseMove, g + QPoint(490, 380), Qt::NoButton, Qt::LeftButton);
        rato(punto, QEvent::MouseButtonRelease, g + QPoint(490, 380), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(punto->pos(), QPoint(500, 390));
        QCoreApplication::processEvents();
        EXPECT_GE(area->width(), 530);
        EXPECT_GE(area->height(), 410);
        EXPECT_GE(scroll.horizontalScrollBar()->maximum(), 530 - scroll.viewport()->width());
    }
}

// The text frame grows from its own area with the left button alone, beyond 30 pixels each way,
// and writes its height into P10 and its width into P11 at once.
TEST_F(Arrastre, TheTextFrameResizes) {
    const struct {
        QPoint punto;
        Qt::MouseButtons botons;
        Qt::KeyboardModifiers teclas;
        bool cambia;
    } casos[] = {
        {{120, 80}, Qt::LeftButton, Qt::NoModifier, true},
        {{31, 31}, Qt::LeftButton, Qt::NoModifier, true},
        {{30, 200}, Qt::LeftButton, Qt::NoModifier, false},
        {{200, 30}, Qt::LeftButton, Qt::NoModifier, false},
        {{120, 80}, Qt::LeftButton, Qt::ShiftModifier, false},
        {{120, 80}, Qt::RightButton, Qt::NoModifier, false},
        {{120, 80}, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.punto.x()) + "," + std::to_string(c.punto.y()));
        Tpaxina& p = paxina("2");
        p[10] = p[11] = "200";
        QWidget* basetext = control(2, "basetext");
        basetext->resize(200, 200);
        const QPoint g = basetext->mapToGlobal(c.punto);
        rato(basetext, QEvent::MouseButtonPress, basetext->mapToGlobal(QPoint(150, 150)), Qt::LeftButton,
             c.botons);
        rato(basetext, QEvent::MouseMove, g, Qt::NoButton, c.botons, c.teclas);
        if (c.cambia) {
            EXPECT_EQ(basetext->size(), QSize(c.punto.x(), c.punto.y()));
            EXPECT_EQ(p[10], QString::number(c.punto.y())) << "the height";
            EXPECT_EQ(p[11], QString::number(c.punto.x())) << "the width";
        } else {
            EXPECT_EQ(basetext->size(), QSize(200, 200));
            EXPECT_EQ(p[10], "200");
            EXPECT_EQ(p[11], "200");
        }
    }
}

// On release the text flows into the frame: the view takes its size less 12 and reloads the HTML
// it was given, not the document's rewrite of it.
TEST_F(Arrastre, TheTextFrameReflowsItsTextOnRelease) {
    paxina("2");
    QWidget* basetext = control(2, "basetext");
    HtmlView* vista = form->visortexto;
    ASSERT_EQ(vista->parentWidget(), basetext);
    const QString html = "<p><font size=3>un</font> <b>texto</b></p>";
    vista->load(html);
    ASSERT_NE(vista->toHtml(), html);
    const QPoint g = basetext->mapToGlobal(QPoint(150, 150));
    rato(basetext, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
    rato(basetext, QEvent::MouseMove, basetext->mapToGlobal(QPoint(160, 90)), Qt::NoButton, Qt::LeftButton);
    rato(basetext, QEvent::MouseButtonRelease, basetext->mapToGlobal(QPoint(160, 90)), Qt::LeftButton,
         Qt::NoButton);
    EXPECT_EQ(vista->size(), QSize(148, 78));
    EXPECT_EQ(vista->source(), html);
}

TEST_F(Arrastre, TheXRaysBackgroundIsLabelled) {
    paxina("5");
    QWidget* Image17 = control(5, "Image17");
    Image17->resize(120, 60);
    const QImage i = Image17->grab().toImage();
    EXPECT_EQ(i.pixelColor(60, 15), QColor(Qt::yellow)) << "inside the box";
    EXPECT_EQ(i.pixelColor(40, 2), QColor(Qt::black)) << "its top edge";
    EXPECT_EQ(i.pixelColor(40, 19), QColor(Qt::black)) << "its bottom edge";
    EXPECT_NE(i.pixelColor(40, 30), QColor(Qt::yellow)) << "below it";
}

namespace {

// The numbered blank: 40 x 40, black border, the number's dark pixels in its cell at (10, 10).
void esbaleira(PictureBox* imaxe) {
    ASSERT_EQ(imaxe->size(), QSize(40, 40));
    const QImage i = imaxe->imaxe().toImage();
    ASSERT_EQ(i.size(), QSize(40, 40));
    EXPECT_EQ(i.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(i.pixelColor(39, 39), QColor(Qt::black));
    EXPECT_EQ(i.pixelColor(30, 33), QColor(Qt::white));
    const QImage amosada = imaxe->grab().toImage(); // as the sheet shows it
    EXPECT_EQ(amosada.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(amosada.pixelColor(39, 39), QColor(Qt::black));
    int escuros = 0, fora = 0;
    for (int y = 1; y < 39; ++y)
        for (int x = 1; x < 39; ++x)
            if (i.pixelColor(x, y).lightness() < 128)
                (x >= 10 && x <= 25 && y >= 10 && y <= 25 ? escuros : fora)++;
    EXPECT_GT(escuros, 5);
    EXPECT_EQ(fora, 0);
}

} // namespace

// A press selects a moving picture and frames it; the frame follows it; the clear empties the
// selected one only and leaves its numbered blank; a page just shown has none selected.
TEST_F(Arrastre, MovingPictures) {
    libro({"23", "23"});
    Book& b = form->libro;
    for (int pax : {1, 2})
        for (int k = 1; k <= 6; ++k)
            b.paxina(pax)[k] = k == 3 ? QString() : ruta("a.png");
    form->bpaxinasClick();
    auto* imaxe = static_cast<PictureBox*>(control(23, "imxmov4"));
    auto* etiqimx = static_cast<LabelledEdit*>(control(23, "etiqimx"));
    QWidget* marco = control(23, "marcomvi");
    ASSERT_NE(marco, nullptr);
    EXPECT_TRUE(marco->isHidden());
    EXPECT_EQ(imaxe->size(), QSize(30, 20)) << "its picture's own size";
    esbaleira(static_cast<PictureBox*>(control(23, "imxmov3")));
    EXPECT_EQ(form->imaxemarcada, 0);

    static_cast<QAbstractButton*>(control(23, "SpeedButton103"))->click();
    EXPECT_EQ(b.paxina(1)[4], ruta("a.png")) << "nothing selected, nothing cleared";

    imaxe->move(100, 60);
    const QPoint g = imaxe->mapToGlobal(QPoint(5, 5));
    rato(imaxe, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(etiqimx->etiqueta()->text(), " 4 ");
    EXPECT_EQ(etiqimx->text(), "a.png");
    EXPECT_EQ(form->imaxemarcada, 4);
    EXPECT_FALSE(marco->isHidden());
    EXPECT_EQ(marco->geometry(), QRect(96, 56, 38, 28));
    rato(imaxe, QEvent::MouseMove, g + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(marco->geometry(), QRect(116, 66, 38, 28)) << "around where the picture is now";
    rato(imaxe, QEvent::MouseButtonRelease, g + QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(marco->geometry(), QRect(116, 66, 38, 28));

    // Another page of the type: the selection of the last one is gone.
    form->SpeedButton10Click();
    EXPECT_EQ(form->imaxemarcada, 0);
    static_cast<QAbstractButton*>(control(23, "SpeedButton103"))->click();
    EXPECT_EQ(b.paxina(2)[4], ruta("a.png"));

    rato(imaxe, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
    rato(imaxe, QEvent::MouseButtonRelease, g, Qt::LeftButton, Qt::NoButton);
    static_cast<QAbstractButton*>(control(23, "SpeedButton103"))->click();
    EXPECT_TRUE(b.paxina(2)[4].isEmpty());
    EXPECT_EQ(b.paxina(2)[5], ruta("a.png"));
    esbaleira(imaxe);
    EXPECT_TRUE(marco->isHidden());

    // A drop selects and frames the picture it fills.
    form->documento.tiporecurso = 1;
    form->documento.recursoescollido = ruta("a.png");
    ASSERT_TRUE(soltarsobre(imaxe));
    EXPECT_EQ(form->imaxemarcada, 4);
    EXPECT_EQ(imaxe->size(), QSize(30, 20));
    EXPECT_EQ(marco->geometry(), QRect(imaxe->x() - 4, imaxe->y() - 4, 38, 28));
}

// With the page editors of the program every row finds its controls and is bound.
TEST_F(Venta, EveryDragRowIsBoundThroughTheRealEditors) {
    form->prepararfollas();
    QStringList sen;
    for (const FilaArrastre& r : filasarrastre()) {
        QWidget* folla = form->follas[r.tipo + primeirafollatipo];
        QWidget* premido = folla->findChild<QWidget*>(r.premido ? r.premido : r.elemento);
        if (!premido || premido->findChildren<ElementDragger*>(Qt::FindDirectChildrenOnly).size() != 1)
            sen << r.elemento;
    }
    EXPECT_EQ(sen.join(' '), "");
}
