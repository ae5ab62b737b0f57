// The image window: the size model (slider, edits, apply, 1:1), and resampling and saving real
// files, frames of an animation included; the window opened from the resource panel.
#include "editor/controis.h"
#include "editor/ctrlimx.h"
#include "ventaproba.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

TEST(TamanoImaxe, SliderRows) {
    struct Fila {
        QSize orixinal;
        int p;
        QSize actual;
        bool cambia;
    };
    for (const Fila& f : {Fila{{300, 200}, 50, {150, 100}, true}, Fila{{301, 201}, 33, {99, 66}, true},
                          Fila{{150, 200}, 1, {150, 200}, false}, Fila{{300, 200}, 200, {600, 400}, true},
                          Fila{{3, 300}, 50, {3, 300}, false}}) {
        TamanoImaxe t(f.orixinal);
        EXPECT_EQ(t.barra(f.p), f.cambia) << f.p;
        EXPECT_EQ(t.actual, f.actual) << f.p;
        EXPECT_EQ(t.base, f.orixinal);
    }
}

TEST(TamanoImaxe, EditsApplyAndOneToOne) {
    TamanoImaxe t({300, 200});
    for (const char* mal : {"0", "10001", "", "abc", "-5", "1.5"})
        EXPECT_FALSE(t.ancho(mal)) << mal;
    EXPECT_EQ(t.actual, QSize(300, 200));
    EXPECT_TRUE(t.ancho("1"));
    EXPECT_TRUE(t.alto("10000"));
    EXPECT_EQ(t.actual, QSize(1, 10000));
    EXPECT_EQ(t.base, QSize(300, 200)) << "the edits change only the current size";

    t.tamorg();
    t.barra(50);
    t.fixar();
    EXPECT_EQ(t.base, QSize(150, 100)) << "apply takes the current size as the base";
    t.barra(50);
    EXPECT_EQ(t.actual, QSize(75, 50));
    t.tamorg();
    EXPECT_EQ(t.actual, QSize(300, 200));
    EXPECT_EQ(t.base, QSize(300, 200));
}

namespace {

class VentaImaxe : public Venta {
protected:
    void SetUp() override {
        Venta::SetUp();
        ASSERT_TRUE(d.isValid());
        QImage i(300, 200, QImage::Format_RGB32);
        i.fill(Qt::darkCyan);
        ASSERT_TRUE(i.save(ruta("a.png")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUIBEL_FIXTURES "/imaxe/tres.gif"), ruta("tres.gif")));
        QFile mala(ruta("bad.png"));
        ASSERT_TRUE(mala.open(QIODevice::WriteOnly));
        mala.write("not a picture");
    }
    QString ruta(const char* n) const { return d.filePath(QString::fromUtf8(n)); }
    static QSize tamano(const QString& arquivo) { return QImageReader(arquivo).size(); }
    QTemporaryDir d;
    TForm2 venta;
};

} // namespace

TEST_F(VentaImaxe, SliderSavesAndSaveAs) {
    ASSERT_TRUE(venta.cargar(ruta("a.png")));
    EXPECT_EQ(venta.txtporc->text(), "100 %");
    EXPECT_EQ(venta.imxa->text(), "300");
    EXPECT_EQ(venta.imaxe->pos(), QPoint(2, 2));
    venta.barra->setValue(50);
    EXPECT_EQ(venta.txtporc->text(), "50 %");
    EXPECT_EQ(venta.imaxe->size(), QSize(150, 100));
    EXPECT_EQ(venta.imxl->text(), "100");
    venta.btgrd->click();
    EXPECT_EQ(tamano(ruta("a.png")), QSize(150, 100));

    // Save as without an extension: the picture's own is added.
    venta.barra->setValue(100);
    fakes.dialogos->arquivos = {ruta("copia")};
    venta.btgrdc->click();
    EXPECT_EQ(tamano(ruta("copia.png")), QSize(300, 200)) << "every save starts from the picture as shown";
    EXPECT_EQ(QImageReader(ruta("copia.png")).format(), "png");

    // A side typed in its edit; one out of range changes nothing.
    QTest::keyClicks(venta.imxa->edit(), "0"); // 3000
    EXPECT_EQ(venta.tamanos().actual, QSize(3000, 200));
    venta.imxa->edit()->clear();
    QTest::keyClicks(venta.imxa->edit(), "0");
    EXPECT_EQ(venta.tamanos().actual, QSize(3000, 200));
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}

TEST_F(VentaImaxe, ApplyThenOneToOne) {
    ASSERT_TRUE(venta.cargar(ruta("a.png")));
    venta.barra->setValue(50);
    venta.btfixar->click();
    EXPECT_EQ(venta.barra->value(), 100);
    EXPECT_EQ(venta.tamanos().base, QSize(150, 100));
    EXPECT_EQ(venta.imaxe->pixmap().size(), QSize(150, 100)) << "the preview shows the resampled picture";
    venta.barra->setValue(50);
    EXPECT_EQ(venta.imaxe->size(), QSize(75, 50));
    venta.bttamorg->click();
    EXPECT_EQ(venta.imaxe->size(), QSize(300, 200));
    EXPECT_EQ(venta.imaxe->pixmap().size(), QSize(300, 200)) << "the picture as it was shown";
    EXPECT_EQ(venta.imxa->text(), "300");
    EXPECT_EQ(venta.barra->value(), 100);
}

TEST_F(VentaImaxe, AnAnimationKeepsItsFrames) {
    ASSERT_TRUE(venta.cargar(ruta("tres.gif")));
    venta.barra->setValue(50);
    fakes.dialogos->arquivos = {ruta("media.gif")};
    venta.btgrdc->click();
    QImageReader r(ruta("media.gif"));
    EXPECT_EQ(r.imageCount(), 3);
    EXPECT_EQ(r.size(), QSize(6, 4));
}

TEST_F(VentaImaxe, AJpegOfATransparentPictureIsOnWhite) {
    QImage i(10, 10, QImage::Format_ARGB32);
    i.fill(Qt::transparent);
    ASSERT_TRUE(i.save(ruta("alfa.png")));
    ASSERT_TRUE(venta.cargar(ruta("alfa.png")));
    fakes.dialogos->arquivos = {ruta("alfa.jpg")};
    venta.btgrdc->click();
    const QImage j(ruta("alfa.jpg"));
    ASSERT_FALSE(j.isNull());
    EXPECT_GT(qGray(j.pixel(5, 5)), 245);
}

TEST_F(VentaImaxe, AFailedSaveSaysWhyOnce) {
    ASSERT_TRUE(venta.cargar(ruta("a.png")));
    venta.show();
    fakes.dialogos->arquivos = {ruta("non/existe/x.png")};
    venta.btgrdc->click();
    EXPECT_EQ(fakes.dialogos->mensaxes.size(), 1);
    EXPECT_TRUE(fakes.dialogos->mensaxes.value(0).contains("x.png"));
    EXPECT_FALSE(venta.isHidden()) << "the window stays open";
    fakes.dialogos->arquivos = {ruta("x.xyz")};
    venta.btgrdc->click();
    EXPECT_EQ(fakes.dialogos->mensaxes.size(), 2) << "a format the library does not write";
    EXPECT_FALSE(QFile::exists(ruta("x.xyz")));
}

TEST_F(VentaImaxe, CaptionsInSpanishAndEnglish) {
    ASSERT_TRUE(venta.cargar(ruta("a.png")));
    EXPECT_EQ(venta.windowTitle(), "Quibel [Dimensionar: a.png]");
    EXPECT_EQ(venta.btfixar->text(), "Aplicar");
    EXPECT_EQ(venta.imxa->etiqueta()->text(), "Ancho");
    EXPECT_EQ(venta.btgrdc->toolTip(), "Guardar como...");
    EXPECT_TRUE(venta.btrotar->isHidden());
    aplicaridioma(5);
    venta.cambiaidioma();
    EXPECT_EQ(venta.windowTitle(), "Quibel [Zoom: a.png]");
    EXPECT_EQ(venta.btfixar->text(), "Apply");
    EXPECT_EQ(venta.imxl->etiqueta()->text(), "Height");
    EXPECT_EQ(venta.btccel->text(), "Cancel");
    aplicaridioma(0);
}

// The resource panel's image button opens the window on the chosen picture; one that cannot be
// read opens none.
TEST_F(VentaImaxe, OpenedFromTheResourcePanel) {
    libro({});
    form->documento.tiporecurso = 1;
    form->documento.recursoescollido = ruta("bad.png");
    form->SpeedButton2->click();
    EXPECT_TRUE(fakes.dialogos->modais.isEmpty());
    form->documento.recursoescollido = ruta("a.png");
    QString titulo;
    fakes.dialogos->enmodal = [&](QDialog* v) { titulo = v->windowTitle(); };
    form->SpeedButton2->click();
    EXPECT_EQ(fakes.dialogos->modais.size(), 1);
    EXPECT_EQ(titulo, "Quibel [Dimensionar: a.png]");
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}
