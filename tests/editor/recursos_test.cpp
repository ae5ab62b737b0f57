// The resource panel: listing, pointing at the book's folder, the accordion, import, delete, and
// resource drags onto bound controls.
#include "book/aceptores.h"
#include "editor/controis.h"
#include "editor/paletatipos.h"
#include "editor/recursos.h"
#include "ventaproba.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

using namespace quibel;
using proba::Venta;

namespace {

void crearficheiro(const QString& ruta, const QByteArray& datos = "x") {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

QStringList elementos(const QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

class Recursos : public Venta {
protected:
    void SetUp() override {
        Venta::SetUp();
        ASSERT_TRUE(almacen.isValid());
        for (const char* n : {"b.jpg", "a.PNG", "B.png", "s.acc", "s.aac", "v.webm", "t.HTML", "x.exe"})
            crearficheiro(almacen.filePath(n));
        libro({"1"});
        form->libro.txtdirrec = almacen.path();
        form->ponrecursos();
    }
    QString carpeta() const { return almacen.path() + "/"; }
    QTemporaryDir almacen;
};

} // namespace

TEST_F(Recursos, ListsTheFolderByKindInNameOrder) {
    EXPECT_EQ(form->libro.carpetarecursos, carpeta());
    EXPECT_EQ(form->libro.txtdirrec, carpeta());
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_EQ(elementos(form->flimaxe), (QStringList{"a.PNG", "b.jpg", "B.png"}));
    EXPECT_EQ(elementos(form->flsons), (QStringList{"s.aac", "s.acc"}));
    EXPECT_EQ(elementos(form->flanima), QStringList{"v.webm"});
    EXPECT_EQ(elementos(form->fltextos), QStringList{"t.HTML"});
}

// The lists are refreshed at every activation of the window, also in the middle of a press that
// starts a drag: an unchanged folder keeps its items and the choice.
TEST_F(Recursos, ARefreshOfAnUnchangedFolderKeepsTheItems) {
    form->ALIMAXESClick();
    form->flimaxe->setCurrentRow(1);
    QListWidgetItem* antes = form->flimaxe->item(1);
    form->refresca();
    EXPECT_EQ(form->flimaxe->item(1), antes);
    EXPECT_TRUE(antes->isSelected());
    QFile(carpeta() + "b.jpg").remove();
    form->refresca();
    EXPECT_EQ(elementos(form->flimaxe), (QStringList{"a.PNG", "B.png"}));
}

// A folder whose entries have not changed since it was listed is not listed again at an
// activation; the reload button, an import and a delete always list it.
TEST_F(Recursos, AnActivationListsOnlyAChangedFolder) {
    const QByteArray ruta = QFile::encodeName(almacen.path());
    timespec t[2];
    ::clock_gettime(CLOCK_REALTIME, &t[0]);
    t[0].tv_sec -= 3600;
    t[1] = t[0];
    const auto envellecer = [&] { // the folder's entries as last changed an hour ago
        ASSERT_EQ(::utimensat(AT_FDCWD, ruta.constData(), t, 0), 0);
    };
    envellecer();
    form->refresca(); // the folder's state changed: listed
    crearficheiro(carpeta() + "z.png");
    envellecer(); // as if nothing had changed
    form->refresca();
    EXPECT_FALSE(elementos(form->flimaxe).contains("z.png")) << "listed again though unchanged";
    form->SpeedButton3->click();
    EXPECT_TRUE(elementos(form->flimaxe).contains("z.png"));

    QFile(carpeta() + "z.png").remove(); // a real change
    form->refresca();
    EXPECT_FALSE(elementos(form->flimaxe).contains("z.png"));
}

// A listing taken within a moment of the folder's last change may miss a change made in the same
// tick of the file system's clock, which leaves the time as it was: such a folder is listed again
// at the next activation, however long after.
TEST_F(Recursos, AFolderListedRightAfterAChangeIsListedAgain) {
    const QByteArray ruta = QFile::encodeName(almacen.path());
    timespec t[2];
    timespec agora{};
    for (;;) { // the listing and its second on the clock, with the folder changed a second before
        ::clock_gettime(CLOCK_REALTIME, &agora);
        t[0] = {agora.tv_sec - 1, 0};
        t[1] = t[0];
        ASSERT_EQ(::utimensat(AT_FDCWD, ruta.constData(), t, 0), 0);
        form->SpeedButton3->click();
        timespec despois{};
        ::clock_gettime(CLOCK_REALTIME, &despois);
        if (despois.tv_sec == agora.tv_sec) break;
    }
    crearficheiro(carpeta() + "z.png");
    ASSERT_EQ(::utimensat(AT_FDCWD, ruta.constData(), t, 0), 0); // the same tick
    timespec despois{};
    do { // until the folder's time is well in the past
        QTest::qWait(20);
        ::clock_gettime(CLOCK_REALTIME, &despois);
    } while (despois.tv_sec <= agora.tv_sec);
    form->refresca();
    EXPECT_TRUE(elementos(form->flimaxe).contains("z.png"));
}

TEST_F(Recursos, PointingAtTheResourceFolder) {
    Book& b = form->libro;
    b.carpetalibro = "/books/";
    b.txtdirrec = "media";
    form->ponrecursos();
    EXPECT_EQ(b.carpetarecursos, "/books/media/");
    EXPECT_EQ(b.txtdirrec, "/books/media/");
    form->ponrecursos();
    EXPECT_EQ(b.carpetarecursos, "/books/media/") << "a full path stays as it is";
    EXPECT_TRUE(form->flimaxe->count() == 0) << "a folder that does not exist lists nothing";

    b.txtdirrec.clear();
    form->documento.recursoescollido = "/x/a.png";
    form->ponrecursos();
    EXPECT_EQ(b.carpetarecursos, "/books/media/");
    EXPECT_EQ(form->documento.recursoescollido, "/x/a.png") << "an empty folder edit changes nothing";
}

// The accordion as a state table: which list is open, the kind and the choice after each step.
TEST_F(Recursos, Accordion) {
    Documento& d = form->documento;
    const auto aberta = [this] {
        int n = 0;
        for (QListWidget* l : {form->flimaxe, form->flsons, form->flanima, form->fltextos})
            if (!l->isHidden()) n = static_cast<ListaRecursos*>(l)->tipo();
        return n;
    };
    form->FormResize(); // none open: the picture list opens
    EXPECT_EQ(aberta(), 1);
    EXPECT_EQ(d.tiporecurso, 1);
    form->flimaxe->setCurrentRow(1);
    EXPECT_EQ(d.recursoescollido, carpeta() + "b.jpg");
    EXPECT_EQ(form->infoimaxe->text(), "") << "not a picture that decodes";

    form->ALSONS->clicked();
    EXPECT_EQ(aberta(), 2);
    EXPECT_EQ(d.tiporecurso, 2);
    EXPECT_TRUE(d.recursoescollido.isEmpty());
    EXPECT_FALSE(form->previosonido->isHidden());
    EXPECT_TRUE(form->previaimx->isHidden());
    form->flsons->setCurrentRow(0);
    form->previosonido->click();
    EXPECT_EQ(fakes.aplicacion->abertos, QList<QUrl>{QUrl::fromLocalFile(carpeta() + "s.aac")});

    // A resize keeps the open list open, whatever ponrecursos did to the kind.
    form->ponrecursos();
    EXPECT_EQ(d.tiporecurso, 0);
    form->FormResize();
    EXPECT_EQ(aberta(), 2);

    form->ALSONS->clicked(); // its own header closes it
    EXPECT_EQ(aberta(), 0);
    EXPECT_EQ(d.tiporecurso, 0);
    EXPECT_TRUE(form->previosonido->isHidden());
    form->FormResize();
    EXPECT_EQ(aberta(), 1);

    // Closing the picture list after a choice hides its preview with the sound buttons.
    EXPECT_FALSE(form->previaimx->isHidden());
    form->flimaxe->setCurrentRow(1);
    form->ALIMAXES->clicked();
    EXPECT_EQ(aberta(), 0);
    EXPECT_TRUE(form->previaimx->isHidden());
    EXPECT_TRUE(form->previosonido->isHidden());
}

TEST_F(Recursos, PreviewOfAPicture) {
    QImage imaxe(30, 20, QImage::Format_RGB32);
    imaxe.fill(Qt::red);
    ASSERT_TRUE(imaxe.save(carpeta() + "c.gif", "PNG")); // Qt writes no GIF; the reader goes by content
    form->refresca();
    form->ALIMAXESClick();
    form->flimaxe->setCurrentItem(form->flimaxe->findItems("c.gif", Qt::MatchExactly).value(0));
    EXPECT_EQ(form->infoimaxe->text(), "30 x 20");
    EXPECT_FALSE(form->Image7->pixmap().isNull());
}

TEST_F(Recursos, ImportCopiesIntoTheFolder) {
    QTemporaryDir fora;
    crearficheiro(fora.filePath("novo.png"), "new");
    crearficheiro(fora.filePath("b.jpg"), "other");
    fakes.dialogos->arquivos = {fora.filePath("novo.png")};
    form->btraer->click();
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
    EXPECT_TRUE(elementos(form->flimaxe).contains("novo.png"));

    fakes.dialogos->arquivos = {fora.filePath("b.jpg")};
    form->btraer->click();
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{QString::fromUtf8("O arquivo xa existe no almacén")});
    QFile vello(carpeta() + "b.jpg");
    ASSERT_TRUE(vello.open(QIODevice::ReadOnly));
    EXPECT_EQ(vello.readAll(), "x") << "the file in the folder stays";

    // A folder that cannot take the file says why, not that the file exists.
    fakes.dialogos->mensaxes.clear();
    form->libro.txtdirrec = carpeta() + "missing/";
    form->ponrecursos();
    fakes.dialogos->arquivos = {fora.filePath("novo.png")};
    form->btraer->click();
    ASSERT_EQ(fakes.dialogos->mensaxes.size(), 1);
    EXPECT_NE(fakes.dialogos->mensaxes[0], QString::fromUtf8("O arquivo xa existe no almacén"));
}

TEST_F(Recursos, DeleteAsksAndForgetsTheChoice) {
    form->ALIMAXESClick();
    form->flimaxe->setCurrentRow(0);
    ASSERT_EQ(form->documento.recursoescollido, carpeta() + "a.PNG");
    form->SpeedButton4->click(); // No
    ASSERT_EQ(fakes.dialogos->preguntas, QStringList{textosui[143] + " :  a.PNG"});
    EXPECT_EQ(fakes.dialogos->iconas, QList<QMessageBox::Icon>{QMessageBox::Warning});
    EXPECT_TRUE(QFile::exists(carpeta() + "a.PNG"));

    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->SpeedButton4->click();
    EXPECT_FALSE(QFile::exists(carpeta() + "a.PNG"));
    EXPECT_EQ(elementos(form->flimaxe), (QStringList{"b.jpg", "B.png"}));
    EXPECT_TRUE(form->documento.recursoescollido.isEmpty()) << "a drop must not store the deleted file";
    EXPECT_EQ(form->documento.tiporecurso, 1);
    form->SpeedButton4->click(); // nothing chosen: no question
    EXPECT_EQ(fakes.dialogos->preguntas.size(), 2);
}

// A resource drag is decided by the predicate and dropped through the routine; any other drop on
// a bound control is swallowed, so no path is typed into it.
TEST_F(Recursos, DropTargetsTakeResourceDragsOnly) {
    QLineEdit destino;
    destino.setText("kept");
    QStringList soltados;
    Documento& d = form->documento;
    DropTarget::vincular(
        &destino, [&d] { return logoDragOver(d.tiporecurso, d.recursoescollido); },
        [&](QWidget* w, const QPoint& p) {
            soltados << QStringLiteral("%1 %2,%3").arg(w->objectName()).arg(p.x()).arg(p.y());
        });
    destino.setObjectName("destino");

    const auto arrastrar = [&](QMimeData* datos) {
        QDragEnterEvent entra(QPoint(5, 6), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&destino, &entra);
        QDropEvent solta(QPointF(5, 6), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&destino, &solta);
        delete datos;
        return entra.isAccepted();
    };
    d.tiporecurso = 2;
    d.recursoescollido = carpeta() + "s.aac";
    EXPECT_FALSE(arrastrar(datosarrastre())) << "a sound is no picture";
    EXPECT_TRUE(soltados.isEmpty());
    d.tiporecurso = 1;
    d.recursoescollido = carpeta() + "b.jpg";
    EXPECT_TRUE(arrastrar(datosarrastre()));
    EXPECT_EQ(soltados, QStringList{"destino 5,6"});

    auto* texto = new QMimeData;
    texto->setText("/etc/passwd");
    texto->setUrls({QUrl::fromLocalFile("/etc/passwd")});
    EXPECT_FALSE(arrastrar(texto));
    EXPECT_EQ(destino.text(), "kept");
    EXPECT_EQ(soltados.size(), 1);
}

TEST_F(Recursos, AResourceDropOnTheWindowOpensNoBook) {
    QMimeData* datos = datosarrastre();
    QDropEvent solta(QPointF(5, 5), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &solta);
    delete datos;
    EXPECT_TRUE(fakes.dialogos->preguntas.isEmpty());
    EXPECT_EQ(form->libro.numpaxinas, 1);
}

// With the resource panel beside it, every palette button can be seen on a large screen and
// scrolled to on a small one.
TEST(RecursosPaleta, ThePaletteFitsBesideThePanel) {
    proba::ServizosFalsos fakes;
    QStandardPaths::setTestModeEnabled(true);
    for (const int ancho : {1280, 800}) {
        fakes.pantalla->area = QSize(ancho, 1024);
        TForm1 f;
        aplicaridioma(0);
        f.SpeedButton135Click(); // New: the panel shows
        f.show();
        f.SpeedButton11Click(); // the chooser
        QApplication::processEvents();
        ASSERT_FALSE(f.Panel1->isHidden());
        for (const auto& b : f.selectortipos->botonestipos) {
            ASSERT_TRUE(b);
            if (ancho < 1000) f.scrollprincipal->ensureWidgetVisible(b, 0, 0);
            const QRect r(b->mapTo(f.scrollprincipal->viewport(), QPoint(0, 0)), b->size());
            EXPECT_TRUE(f.scrollprincipal->viewport()->rect().contains(r))
                << ancho << ": " << b->text().toStdString();
        }
        if (ancho >= 1000) {
            EXPECT_EQ(f.scrollprincipal->horizontalScrollBar()->maximum(), 0);
        }
    }
}
