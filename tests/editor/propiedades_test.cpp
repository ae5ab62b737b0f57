// The book-properties sheet: drops of each kind on each target, colours through the chooser, the
// background position, the clears, the help file, the resource folder, the captions, and the
// controls bound to the model through a read, an edit and a save.
#include "book/XMLParser.h"
#include "book/gardalocal.h"
#include "editor/controis.h"
#include "editor/paneiscor.h"
#include "editor/propiedades.h"
#include "editor/recursos.h"
#include "editoresstub.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QMouseEvent>
#include <QToolButton>

using namespace quibel;
using proba::soltarsobre;
using proba::Venta;

namespace {

class Propiedades : public Venta {
protected:
    void SetUp() override {
        Venta::SetUp();
        ASSERT_TRUE(almacen.isValid());
        imaxe("a.png", 9, 3);
        imaxe("b.png", 11, 20);
        for (const auto& [n, datos] : {std::pair{"bad.png", "not a picture"},
                                       {"s.mp3", ""},
                                       {"v.mp4", ""},
                                       {"t.txt", "help"},
                                       {"x.acc", "x"}}) {
            QFile f(ruta(n));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(datos);
        }
        libro({});
        p = form->propiedades;
    }
    void imaxe(const char* n, int w, int h) {
        QImage i(w, h, QImage::Format_RGB32);
        i.fill(Qt::green);
        ASSERT_TRUE(i.save(ruta(n)));
    }
    QString ruta(const char* n) const { return almacen.filePath(QString::fromLatin1(n)); }
    void escoller(int tipo, const char* n) {
        form->documento.tiporecurso = tipo;
        form->documento.recursoescollido = ruta(n);
    }
    QTemporaryDir almacen;
    FollaPropiedades* p = nullptr;
};

} // namespace

// Each target against each kind: whether the drag is accepted, and which global the drop fills.
TEST_F(Propiedades, DropsByTargetAndKind) {
    Book& b = form->libro;
    struct Destino {
        QWidget* w;
        QString* global;
        QLineEdit* nome;
        QAbstractButton* tocar;
        QString aceptados; // kinds accepted by the drag, as digits
        int enche;         // the kind that fills the global
    };
    const Destino destinos[] = {
        {p->logo, &b.arquivologo, p->txtlogo->edit(), nullptr, "13", 1},
        {p->Panel19, &b.arquivofondo, p->txtimaxe->edit(), nullptr, "13", 1},
        {p->imaxe, &b.arquivofondo, p->txtimaxe->edit(), nullptr, "13", 1},
        {p->nomimbarra->edit(), &b.arquivobarra, p->nomimbarra->edit(), nullptr, "13", 1},
        {p->skin1->edit(), &b.arquivoaspectosup, p->skin1->edit(), nullptr, "13", 1}, // no video
        {p->skin2->edit(), &b.arquivoaspectoinf, p->skin2->edit(), nullptr, "13", 1},
        {p->soncontinuo->edit(), &b.arquivosonido, p->soncontinuo->edit(), p->btsoncontinuo, "2", 2},
        {p->benson->edit(), &b.arquivocorrecto, p->benson->edit(), p->bnson, "2", 2},
        {p->malson->edit(), &b.arquivoincorrecto, p->malson->edit(), p->mlson, "2", 2},
        {p->axuda->edit(), &b.arquivoaxuda, p->axuda->edit(), nullptr, "4", 4},
    };
    const char* arquivos[] = {nullptr, "a.png", "s.mp3", "v.mp4", "t.txt"};
    for (const Destino& d : destinos) {
        for (int tipo = 1; tipo <= 4; ++tipo) {
            SCOPED_TRACE(d.w->objectName().toStdString() + " kind " + std::to_string(tipo));
            d.global->clear();
            d.nome->clear();
            if (d.tocar) d.tocar->setEnabled(false);
            escoller(tipo, arquivos[tipo]);
            EXPECT_EQ(soltarsobre(d.w), d.aceptados.contains(QString::number(tipo)));
            const bool enche = tipo == d.enche;
            EXPECT_EQ(*d.global, enche ? ruta(arquivos[tipo]) : QString());
            EXPECT_EQ(d.nome->text(), enche ? QString::fromLatin1(arquivos[tipo]) : QString());
            if (d.tocar && enche) {
                EXPECT_TRUE(d.tocar->isEnabled());
                fakes.aplicacion->abertos.clear();
                d.tocar->click();
                EXPECT_EQ(fakes.aplicacion->abertos, QList<QUrl>{QUrl::fromLocalFile(ruta("s.mp3"))});
            }
        }
    }
    // The names the model keeps with the globals.
    EXPECT_EQ(b.soncontinuo, "s.mp3");
    EXPECT_EQ(b.skin2, "a.png");
    EXPECT_EQ(form->TabSheet1->findChildren<DropTarget*>().size(), 10);
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}

// A picture that cannot be decoded is ignored without a word; the background frame takes half
// the picture's size, rounded half to even, and 5 on a side under 5 pixels.
TEST_F(Propiedades, PictureDropsSizeTheFrameAndIgnoreBadPictures) {
    Book& b = form->libro;
    escoller(1, "a.png");
    ASSERT_TRUE(soltarsobre(p->imaxe));
    EXPECT_EQ(p->bimaxe->size(), QSize(4, 5));
    EXPECT_EQ(p->imaxe->size(), QSize(4, 5));
    escoller(1, "b.png");
    ASSERT_TRUE(soltarsobre(p->Panel19));
    EXPECT_EQ(p->bimaxe->size(), QSize(6, 10));
    ASSERT_TRUE(soltarsobre(p->logo));

    escoller(1, "bad.png");
    for (QWidget* w : {static_cast<QWidget*>(p->logo), static_cast<QWidget*>(p->Panel19),
                       static_cast<QWidget*>(p->nomimbarra->edit())})
        soltarsobre(w);
    EXPECT_EQ(b.arquivofondo, ruta("b.png"));
    EXPECT_EQ(b.arquivologo, ruta("b.png"));
    EXPECT_TRUE(b.arquivobarra.isEmpty());
    EXPECT_EQ(p->bimaxe->size(), QSize(6, 10));
    EXPECT_FALSE(p->logo->imaxe().isNull());
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}

TEST_F(Propiedades, ColoursComeFromTheChooser) {
    Book& b = form->libro;
    fakes.dialogos->cores = {QColor(Qt::red)};
    QTest::mouseClick(p->bcorfondo, Qt::LeftButton);
    EXPECT_EQ(b.corfondolibro, "FF0000");
    EXPECT_EQ(p->Panel19->color(), QColor(Qt::red));
    EXPECT_EQ(form->txtcabe->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(form->txtpe->palette().color(QPalette::Base), QColor(Qt::red));

    QTest::mouseClick(p->bcortexto, Qt::LeftButton); // cancelled
    EXPECT_EQ(b.cortextolibro, "000000");
    EXPECT_EQ(p->bcortexto->color(), QColor(Qt::black));

    fakes.dialogos->cores = {QColor(0x12, 0x34, 0x56), QColor(Qt::blue), QColor(Qt::green)};
    p->chbanda->click();
    p->chbanda->click();
    ASSERT_FALSE(b.chbanda);
    QTest::mouseClick(p->bcorbanda, Qt::LeftButton);
    EXPECT_EQ(b.corbandalibro, "123456");
    EXPECT_TRUE(b.chbanda) << "a band colour checks the band again";
    EXPECT_TRUE(p->chbanda->isChecked());
    EXPECT_EQ(p->Panel22->color(), QColor(0x12, 0x34, 0x56));
    QTest::mouseClick(p->bcornave, Qt::LeftButton);
    EXPECT_EQ(b.cornavegalibro, "0000FF");
    EXPECT_TRUE(b.chbarra);
    EXPECT_EQ(p->Panel58->color(), QColor(Qt::blue));
    QTest::mouseClick(p->bcortexto, Qt::LeftButton);
    EXPECT_EQ(b.cortextolibro, "00FF00");
    EXPECT_EQ(form->txtcabe->palette().color(QPalette::Text), QColor(Qt::green));
}

// The release of a drag stores the page position, twice the preview's; negative ones too.
TEST_F(Propiedades, TheBackgroundPositionIsTwiceThePreviews) {
    for (const auto& [x, y, fx, fy] :
         {std::tuple{37, 12, "74", "24"}, {-5, -3, "-10", "-6"}, {0, 0, "0", "0"}}) {
        p->bimaxe->move(x, y);
        p->soltarfondo();
        EXPECT_EQ(form->libro.fondox, fx);
        EXPECT_EQ(form->libro.fondoy, fy);
        EXPECT_EQ(p->fondox->text(), fx);
        EXPECT_EQ(p->fondoy->text(), fy);
    }
}

// A drag of the picture moves its frame freely and stores the position on release.
TEST_F(Propiedades, DraggingTheBackgroundPicture) {
    p->bimaxe->setGeometry(10, 10, 20, 20);
    p->imaxe->setGeometry(0, 0, 20, 20);
    const QPoint inicio = p->imaxe->mapToGlobal(QPoint(5, 5));
    proba::rato(p->imaxe, QEvent::MouseButtonPress, inicio, Qt::LeftButton, Qt::LeftButton);
    proba::rato(p->imaxe, QEvent::MouseMove, inicio + QPoint(-25, 7), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p->bimaxe->pos(), QPoint(-15, 17));
    EXPECT_EQ(p->fondox->text(), "-15");
    proba::rato(p->imaxe, QEvent::MouseButtonRelease, inicio + QPoint(-25, 7), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form->libro.fondox, "-30");
    EXPECT_EQ(form->libro.fondoy, "34");
    EXPECT_EQ(p->fondoy->text(), "34");
}

TEST_F(Propiedades, TheClearsEmptyGlobalsNamesAndPictures) {
    Book& b = form->libro;
    escoller(1, "b.png");
    for (QWidget* w : {static_cast<QWidget*>(p->logo), static_cast<QWidget*>(p->imaxe),
                       static_cast<QWidget*>(p->nomimbarra->edit()), static_cast<QWidget*>(p->skin1->edit()),
                       static_cast<QWidget*>(p->skin2->edit())})
        ASSERT_TRUE(soltarsobre(w));
    escoller(2, "s.mp3");
    for (LabelledEdit* e : {p->soncontinuo, p->benson, p->malson})
        ASSERT_TRUE(soltarsobre(e->edit()));
    p->bimaxe->move(3, 4);
    p->soltarfondo();

    for (QToolButton* t : {p->SpeedButton5, p->SpeedButton6, p->SpeedButton174, p->noskin1, p->noskin2,
                           p->brsoncontinuo, p->SpeedButton165, p->SpeedButton166})
        t->click();
    for (const QString* g :
         {&b.arquivologo, &b.arquivofondo, &b.arquivobarra, &b.arquivoaspectosup, &b.arquivoaspectoinf,
          &b.arquivosonido, &b.arquivocorrecto, &b.arquivoincorrecto, &b.txtlogo, &b.txtimaxe, &b.nomimbarra,
          &b.skin1, &b.skin2, &b.soncontinuo, &b.benson, &b.malson})
        EXPECT_TRUE(g->isEmpty());
    for (LabelledEdit* e :
         {p->txtlogo, p->txtimaxe, p->nomimbarra, p->skin1, p->skin2, p->soncontinuo, p->benson, p->malson})
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
    for (PictureBox* i : {p->logo, p->imaxe, p->Image53})
        EXPECT_TRUE(i->imaxe().isNull());
    for (QToolButton* t : {p->btsoncontinuo, p->bnson, p->mlson})
        EXPECT_FALSE(t->isEnabled());
    EXPECT_EQ(p->bimaxe->geometry(), QRect(0, 0, 0, 0));
    EXPECT_EQ(b.fondox, "0");
    EXPECT_EQ(p->fondoy->text(), "0");
}

// Keys that edit nothing keep a dropped help file; a typed address is the target at once.
TEST_F(Propiedades, TheHelpFile) {
    Book& b = form->libro;
    form->tipaxinas->amosar(TForm1::identif);
    escoller(4, "t.txt");
    ASSERT_TRUE(soltarsobre(p->axuda->edit()));
    foco(p->axuda->edit());
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_End, Qt::Key_Tab})
        QTest::keyClick(p->axuda->edit(), k);
    QTest::keyClick(p->axuda->edit(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(b.arquivoaxuda, ruta("t.txt"));
    EXPECT_EQ(b.axuda, "t.txt");

    p->axuda->edit()->clear();
    QTest::keyClicks(p->axuda->edit(), "http://x");
    EXPECT_EQ(b.arquivoaxuda, "http://x");
    EXPECT_EQ(b.axuda, "http://x");
    escoller(4, "t.txt");
    ASSERT_TRUE(soltarsobre(p->axuda->edit()));
    EXPECT_EQ(b.arquivoaxuda, ruta("t.txt"));
    EXPECT_EQ(p->axuda->text(), "t.txt");
}

// Enter (swallowed) and leaving the edit both point the panel at the folder, shown in full.
TEST_F(Propiedades, TheResourceFolderEdit) {
    form->tipaxinas->amosar(TForm1::identif);
    const QString carpeta = almacen.path() + "/";
    for (const bool enter : {true, false}) {
        SCOPED_TRACE(enter ? "Enter" : "leave");
        foco(p->txtdirrec->edit());
        p->txtdirrec->edit()->clear();
        QTest::keyClicks(p->txtdirrec->edit(), almacen.path());
        EXPECT_EQ(form->libro.txtdirrec, almacen.path());
        if (enter)
            QTest::keyClick(p->txtdirrec->edit(), Qt::Key_Return);
        else
            p->txtsub->edit()->setFocus();
        EXPECT_EQ(form->libro.carpetarecursos, carpeta);
        EXPECT_EQ(p->txtdirrec->text(), carpeta);
        EXPECT_EQ(form->flimaxe->count(), 3);
        form->libro.carpetarecursos.clear();
    }

    fakes.dialogos->arquivos = {almacen.path()};
    p->SpeedButton19->click();
    EXPECT_EQ(p->txtdirrec->text(), carpeta);
    p->SpeedButton19->click(); // cancelled
    EXPECT_EQ(p->txtdirrec->text(), carpeta);

    // The window goes while the edit has the focus: nothing runs on its way out.
    foco(p->txtdirrec->edit());
    QTest::keyClicks(p->txtdirrec->edit(), "x");
    form.reset();
}

// The edit shows the folder the model holds, the one Save writes, after Open and New.
TEST_F(Propiedades, TheResourceFolderEditShowsTheModelAfterOpenAndNew) {
    QDir(almacen.path()).mkdir("res");
    QFile f(ruta("r.zube"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<zub version=\"5.6.3\"><config>"
            "<recursos>res</recursos></config><libro><paxina id=\"1\"><tipo>7</tipo></paxina></libro></zub>");
    f.close();
    fakes.dialogos->arquivos = {ruta("r.zube")};
    form->SpeedButton137->click(); // Open
    EXPECT_EQ(form->libro.txtdirrec, almacen.path() + "/res/");
    EXPECT_EQ(p->txtdirrec->text(), form->libro.txtdirrec) << "after Open";
    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->SpeedButton135->click(); // New
    EXPECT_EQ(p->txtdirrec->text(), form->libro.txtdirrec) << "after New";
}

TEST_F(Propiedades, CaptionsAndTheMenuPanel) {
    EXPECT_EQ(p->GroupBox58->title(), "Evaluación");
    EXPECT_EQ(p->desordenpax->text(), "Sin orden");
    EXPECT_EQ(p->txtdirrec->etiqueta()->text(), "Directorio de recursos");
    EXPECT_EQ(p->Label38->text(), "Banda");
    EXPECT_EQ(p->Label51->text(), "Enlace");
    EXPECT_EQ(p->txcaracter->etiqueta()->text(), "Letras");
    aplicaridioma(5);
    EXPECT_EQ(p->GroupBox1->title(), "Colors");
    EXPECT_EQ(p->txtimaxe->etiqueta()->text(), "Background image");
    EXPECT_EQ(p->GroupBox58->title(), "Evaluation");
    aplicaridioma(0);

    form->tipaxinas->amosar(TForm1::identif);
    EXPECT_TRUE(p->pel->isHidden());
    EXPECT_TRUE(p->panelmenu->isHidden());
    EXPECT_EQ(p->panelmenu->pos(), QPoint(305, 86));
    EXPECT_EQ(p->txmenus[13]->objectName(), "txmenu13");
    EXPECT_EQ(p->txligas[13]->geometry(), QRect(110, 30 + 28 * 13, 190, 24));
    p->btmenu->click();
    EXPECT_FALSE(p->panelmenu->isHidden());
    p->btmenu->click();
    EXPECT_TRUE(p->panelmenu->isHidden());
}

// A book read shows every property; edits reach the model; a save and a reopen bring them back.
TEST_F(Propiedades, TheControlsShowAndWriteTheModel) {
    imaxe("fondo.png", 301, 200);
    const QByteArray texto =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<zub version=\"5.6.3\">\r\n<config>\r\n"
        "<recursos>$</recursos>\r\n<modo>B</modo>\r\n<corfondo>112233</corfondo>\r\n"
        "<corbanda>445566</corbanda>\r\n<titulo>T</titulo>\r\n<subtitulo>S</subtitulo>\r\n"
        "<autor>A</autor>\r\n<iden>I</iden>\r\n<tag>G</tag>\r\n<caracteres>ñ</caracteres>\r\n"
        "<logo ir=\"L\" >b.png</logo>\r\n<imaxefondo posx=\"75\" posy=\"-4\" "
        "trans=\"60\">fondo.png</imaxefondo>\r\n"
        "<imbarra >a.png</imbarra>\r\n<aspectosup >a.png</aspectosup>\r\n<aspectoinf >b.png</aspectoinf>\r\n"
        "<axuda>t.txt</axuda>\r\n<informe>1</informe>\r\n<botonson>0</botonson>\r\n<maximizar>1</"
        "maximizar>\r\n"
        "<desordenar>1</desordenar>\r\n<sonido nivel=\"40\" modo=\"1\" >s.mp3</sonido>\r\n"
        "<correcto son=\"s.mp3\">Ben</correcto>\r\n<incorrecto son=\"\" modo=\"1\" >Mal</incorrecto>\r\n"
        "<modomenu>2</modomenu>\r\n<liga ir=\"d0\">m0</liga>\r\n<final>F</final>\r\n"
        "</config>\r\n<libro>\r\n</libro>\r\n</zub>\r\n";
    const QString arquivo = ruta("libro.zube");
    {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texto);
    }
    ASSERT_TRUE(form->cargar(arquivo));
    const auto comprobar = [&] {
        for (const auto& [e, valor] : {std::pair{p->txttitulo, "T"},
                                       {p->txtsub, "S"},
                                       {p->txtautor, "A"},
                                       {p->txtiden, "I"},
                                       {p->txtag, "G"},
                                       {p->txcaracter, "ñ"},
                                       {p->saltologo, "L"},
                                       {p->txtlogo, "b.png"},
                                       {p->txtimaxe, "fondo.png"},
                                       {p->trpf, "60"},
                                       {p->fondox, "75"},
                                       {p->fondoy, "-4"},
                                       {p->nomimbarra, "a.png"},
                                       {p->skin1, "a.png"},
                                       {p->skin2, "b.png"},
                                       {p->axuda, "t.txt"},
                                       {p->soncontinuo, "s.mp3"},
                                       {p->txtben, "Ben"},
                                       {p->benson, "s.mp3"},
                                       {p->txtmal, "Mal"},
                                       {p->malson, ""},
                                       {p->txtenlacefinal, "F"}})
            EXPECT_EQ(e->text(), QString::fromUtf8(valor)) << e->objectName().toStdString();
        EXPECT_EQ(p->txtdirrec->text(), almacen.path() + "/");
        EXPECT_EQ(p->tipolibro->text(), "B");
        EXPECT_EQ(p->sonvol->text(), "40");
        EXPECT_EQ(p->txmenus[0]->text(), "m0");
        EXPECT_EQ(p->txligas[0]->text(), "d0");
        for (const auto& [c, marcada] : {std::pair{p->binfor, true},
                                         {p->bson, false},
                                         {p->bmaxi, true},
                                         {p->desordenpax, true},
                                         {p->chkrepiteson, true},
                                         {p->chbanda, true},
                                         {p->chbarra, false},
                                         {p->chkben, false},
                                         {p->chkmal, true},
                                         {p->chdereita, true},
                                         {p->chhorizontal, false}})
            EXPECT_EQ(c->isChecked(), marcada) << c->objectName().toStdString();
        EXPECT_TRUE(p->btsoncontinuo->isEnabled());
        EXPECT_TRUE(p->bnson->isEnabled());
        EXPECT_FALSE(p->mlson->isEnabled());
        EXPECT_EQ(p->Panel19->color(), QColor(0x11, 0x22, 0x33));
        EXPECT_EQ(p->Panel22->color(), QColor(0x44, 0x55, 0x66));
        EXPECT_FALSE(p->logo->imaxe().isNull());
        EXPECT_FALSE(p->Image53->imaxe().isNull());
        // Half of 301 x 200 and of 75, -4, rounded half to even as the reader does.
        EXPECT_EQ(p->bimaxe->geometry(), QRect(38, -2, 150, 100));
    };
    comprobar();
    if (HasFailure()) return;

    // Edits by the author reach the model.
    Book& b = form->libro;
    form->tipaxinas->amosar(TForm1::identif);
    QTest::keyClicks(p->txttitulo->edit(), "2");
    QTest::keyClicks(p->tipolibro, "X"); // one character at most
    p->chkben->click();
    p->btmenu->click();
    QTest::keyClicks(p->txmenus[1], "m1");
    QTest::keyClicks(p->txligas[1], "d1");
    EXPECT_EQ(b.txttitulo, "T2");
    EXPECT_EQ(b.tipolibro, "B");
    EXPECT_TRUE(b.chkben);
    EXPECT_EQ(b.txmenus[1], "m1");

    // A save and a reopen.
    const QString outro = ruta("outro.zube");
    ASSERT_TRUE(gardalocal(b, outro, 0));
    form->documento.porpaxinaactual(0);
    form->SpeedButton135Click();
    EXPECT_TRUE(p->txttitulo->text().isEmpty());
    EXPECT_TRUE(p->imaxe->imaxe().isNull());
    EXPECT_EQ(p->bimaxe->size(), QSize(0, 0));
    ASSERT_TRUE(form->cargar(outro));
    EXPECT_EQ(p->txttitulo->text(), "T2");
    EXPECT_TRUE(p->chkben->isChecked());
    EXPECT_EQ(p->txmenus[1]->text(), "m1");
    EXPECT_EQ(p->txligas[1]->text(), "d1");
    EXPECT_EQ(p->bimaxe->geometry(), QRect(38, -2, 150, 100));
}

// The writer fills a checked message that is empty; the sheet shows what was saved.
TEST_F(Propiedades, ASaveShowsTheMessagesItFilled) {
    ASSERT_TRUE(p->chkben->isChecked());
    ASSERT_TRUE(p->txtben->text().isEmpty());
    fakes.dialogos->arquivos = {ruta("gardado.zube")};
    form->bgardars();
    EXPECT_TRUE(QFile::exists(ruta("gardado.zube")));
    EXPECT_EQ(p->txtben->text(), "CORRECTO");
    EXPECT_EQ(p->txtmal->text(), "INCORRECTO");
}
