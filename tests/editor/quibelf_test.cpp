// The main window's start, close and shutdown, and the main block.
#include "editor/controis.h"
#include "editor/principal.h"
#include "salvagarda.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace quibel;
using proba::Venta;

namespace {

bool oculto(const TForm1& f, const char* nome) {
    const QWidget* w = f.findChild<QWidget*>(QString::fromLatin1(nome));
    EXPECT_TRUE(w) << nome;
    return !w || w->isHidden();
}

} // namespace

TEST_F(Venta, StartState) {
    EXPECT_EQ(folla(), TForm1::inicio);
    EXPECT_EQ(form->documento.paxinaactual(), 0);
    EXPECT_EQ(form->libro.numpaxinas, 1);
    EXPECT_EQ(form->documento.tipoactual, 0);
    EXPECT_EQ(form->windowTitle(), "Quibel  v5.6.4");
    for (const char* b :
         {"bgardar", "btinserir", "bgardarcomo", "bconf", "bpaxinas", "plson", "SpeedButton11"})
        EXPECT_FALSE(form->findChild<QToolButton*>(b)->isEnabled()) << b;
    for (const char* b : {"SpeedButton135", "SpeedButton137", "SpeedButton133", "SpeedButton169"})
        EXPECT_TRUE(form->findChild<QToolButton*>(b)->isEnabled()) << b;
    for (const char* w : {"panelsonavega", "Panel1", "sprspl", "pcab", "ptxtpe", "proppax"})
        EXPECT_TRUE(oculto(*form, w)) << w;
    EXPECT_TRUE(form->titular->text().isEmpty());

    // The language list on the start sheet, the menu with its version item, the Spanish captions.
    EXPECT_EQ(form->comboidiomas->parentWidget(), form->TabSheet3);
    EXPECT_EQ(form->popm->actions().last()->objectName(), "Quibelv270");
    EXPECT_EQ(form->popm->actions().last()->text(), "Quibel  v5.6.4");
    EXPECT_EQ(form->bgardar->text(), "GuardarXML");
    EXPECT_EQ(form->SpeedButton13->toolTip(), "GuardarXML");
    EXPECT_EQ(form->SpeedButton135->text(), "Nuevo");
    EXPECT_EQ(form->txtlibro->etiqueta()->text(), "Nombre del libro");
}

TEST_F(Venta, EverySheetHasItsNameAndPlace) {
    ASSERT_EQ(form->tipaxinas->count(), 58);
    const char* const fixas[] = {"TabSheet3", "TabSheet22",  "TabSheet2", "TabSheet30",
                                 "TabSheet1", "tabExportar", "TabInserir"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(form->tipaxinas->widget(i)->objectName(), fixas[i]);
    // A few rows of the type table, the composed titles among them.
    const struct {
        int tipo;
        const char* folla;
        const char* titulo;
    } tipos[] = {{1, "TabTest", "Respuesta múltiple"},
                 {8, "TabFrases", "Frase"},
                 {19, "segreda", "Palabra secreta"},
                 {33, "TabSheet31", "Operaciones 2"},
                 {51, "cadros2", nullptr}};
    for (const auto& t : tipos) {
        EXPECT_EQ(form->tipaxinas->widget(t.tipo + 6)->objectName(), t.folla);
        if (t.titulo) {
            EXPECT_EQ(titulotipo(t.tipo), QString::fromUtf8(t.titulo)) << t.tipo;
        }
    }
    EXPECT_EQ(titulotipo(35), textosui[171] + " " + textosui[33]);
    EXPECT_EQ(titulotipo(39), textosui[10] + "2");
    for (const char* w : {"navega",    "numpaxinap", "txtcabe",        "txtpe",       "chpasa",    "chpasam",
                          "grson",     "txtson",     "autoson",        "proppaxltxt", "proppaxld", "benpax",
                          "malpax",    "ListBox1",   "SpeedButton168", "ToolBar1",    "ToolBar2",  "btclona",
                          "btproppax", "btmirar",    "Panel113",       "titular"})
        EXPECT_TRUE(form->findChild<QWidget*>(w)) << w;
}

// Every button of the window that shows a standard icon shows the one made by the icon cache: the
// style's own call decodes every size of the icon each time.
TEST_F(Venta, ButtonsShareTheCachedStandardIcons) {
    crear();
    QSet<qint64> cache;
    for (int i = 0; i <= int(QStyle::SP_LineEditClearButton); ++i)
        cache.insert(iconaestilo(QStyle::StandardPixmap(i)).cacheKey());
    int iconas = 0;
    for (const QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (b->icon().isNull() || b->objectName().startsWith("qt_")) continue; // Qt's own
        ++iconas;
        EXPECT_TRUE(cache.contains(b->icon().cacheKey())) << b->objectName().toStdString();
    }
    EXPECT_GT(iconas, 20);
}

// Every scroll bar of the window, on a sheet built at start or late, shown or not, paints in bands.
TEST_F(Venta, EveryScrollBarPaintsInBands) {
    crear();
    form->show();
    form->prepararfollas();
    QCoreApplication::processEvents();
    const auto barras = form->findChildren<QScrollBar*>();
    EXPECT_GT(barras.size(), 20);
    for (const QScrollBar* b : barras) {
        const_cast<QScrollBar*>(b)->ensurePolished();
        EXPECT_EQ(b->style(), estilobarras()) << b->parent()->objectName().toStdString();
    }
}

TEST_F(Venta, CloseAsksAndCancelKeepsEverything) {
    libro({"7", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText("unsaved");
    const int antes = folla();

    EXPECT_FALSE(form->close()) << "dismissed";
    fakes.dialogos->respostas = {QMessageBox::Cancel};
    form->SpeedButton169Click();
    EXPECT_EQ(fakes.dialogos->preguntas, (QStringList{"¿Cerrar Quibel?", "¿Cerrar Quibel?"}));
    EXPECT_EQ(folla(), antes);
    EXPECT_EQ(form->txtcabe->text(), "unsaved");
    EXPECT_EQ(form->libro.numpaxinas, 2);

    fakes.dialogos->respostas = {QMessageBox::Ok};
    EXPECT_TRUE(form->close());
}

TEST_F(Venta, TheWorkFolderIsThisProcessesOwnAndGoesAtShutdown) {
    const QString carpeta = form->libro.carpetatemporal;
    ASSERT_FALSE(carpeta.isEmpty());
    EXPECT_TRUE(carpeta.startsWith(QDir::tempPath() + "/"));
    EXPECT_TRUE(carpeta.endsWith("/"));
    EXPECT_FALSE(carpeta.startsWith(form->libro.carpetaprograma)) << "the program folder may be read-only";
    EXPECT_TRUE(QDir(carpeta).exists());

    TForm1 outra;
    EXPECT_NE(outra.libro.carpetatemporal, carpeta) << "two running copies share nothing";

    QDir().mkpath(carpeta + "sczub/js");
    QFile f(carpeta + "sczub/js/temp_zub.html");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    form.reset();
    EXPECT_FALSE(QDir(carpeta).exists());
}

TEST(VentaPantalla, OnASmallScreenTheMinimumFitsAndTheContentScrolls) {
    proba::ServizosFalsos fakes;
    struct Caso {
        QSize area, minimo;
    };
    const Caso casos[] = {{{1280, 1024}, {790, 560}}, {{800, 480}, {790, 480}}, {{640, 400}, {640, 400}}};
    for (const Caso& c : casos) {
        fakes.pantalla->area = c.area;
        TForm1 f;
        EXPECT_EQ(f.minimumSize(), c.minimo) << c.area.width();
        EXPECT_LE(f.width(), c.area.width());
        EXPECT_LE(f.height(), c.area.height());
        EXPECT_GE(f.width(), f.minimumWidth());
        // Centred on the screen, or at its corner when it does not fit.
        EXPECT_EQ(f.x(), qMax(0, (c.area.width() - f.width()) / 2));
        EXPECT_EQ(f.y(), qMax(0, (c.area.height() - f.height()) / 2));
        EXPECT_TRUE(f.Panel113->minimumHeight() > f.height() || c.area.height() >= 640)
            << "the main panel keeps its size and scrolls";
    }
}

TEST_F(Venta, VersionItemCommitsAndGoesBackToTheStartSheet) {
    libro({"7", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText("edited");
    form->Quibelv270->trigger();
    EXPECT_EQ(form->libro.paxina(1)[35], "edited");
    EXPECT_EQ(folla(), TForm1::inicio);
    EXPECT_EQ(form->documento.tipoactual, 0);
    EXPECT_TRUE(form->panelsonavega->isHidden());
    EXPECT_TRUE(form->pcab->isHidden());
    EXPECT_TRUE(form->titular->text().isEmpty());
}

// Runs f once the main block's event loop runs: the block lets events through before it (a slow
// build of the window under load would otherwise close it before the loop could ever end).
void cando_en_marcha(std::function<void()> f) {
    QTimer::singleShot(50, [f] {
        if (QThread::currentThread()->loopLevel() == 0)
            cando_en_marcha(f);
        else
            f();
    });
}

TEST(MainBlock, StartsIntoTheMainWindowAndQuitsCleanly) {
    proba::ServizosFalsos fakes;
    QString carpeta;
    bool visible = false, splashoculto = false, editores = false;
    int preguntas = 0;
    cando_en_marcha([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmsplash") splashoculto = w->isHidden();
            auto* f = qobject_cast<TForm1*>(w);
            if (!f) continue;
            carpeta = f->libro.carpetatemporal;
            visible = f->isVisible();
            editores = f->feditor1 && f->feditortexto; // built after the first frame
            f->close(); // Cancel: stays
            preguntas = fakes.dialogos->preguntas.size();
            fakes.dialogos->respostas = {QMessageBox::Ok};
            f->close();
        }
    });
    const proba::Salvagarda salvagarda;
    const int r = bloqueprincipal(*qApp, {});
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(splashoculto);
    EXPECT_TRUE(editores);
    EXPECT_EQ(preguntas, 1);
    EXPECT_EQ(fakes.dialogos->preguntas.size(), 2);
    ASSERT_FALSE(carpeta.isEmpty());
    EXPECT_FALSE(QDir(carpeta).exists());
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}

TEST(MainBlock, OpensTheBookNamedOnTheCommandLine) {
    proba::ServizosFalsos fakes;
    const QString antes = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(QUIBEL_FIXTURES));
    int paxinas = -1, folla = -1;
    cando_en_marcha([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<TForm1*>(w)) {
                paxinas = f->libro.numpaxinas;
                folla = f->tipaxinas->actual();
                fakes.dialogos->respostas = {QMessageBox::Ok};
                f->close();
            }
    });
    const proba::Salvagarda salvagarda;
    bloqueprincipal(*qApp, {"comandos/utf8.zube"}); // relative to the start folder
    QDir::setCurrent(antes);
    EXPECT_EQ(paxinas, 2);
    EXPECT_EQ(folla, TForm1::identif);
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}
