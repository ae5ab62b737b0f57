// The drop slots: every slot of the table takes its kind of resource, stores it in its field at
// once, clears it and plays it; the picture rules of the slot routines; the page sound.
#include "book/campos.h"
#include "editor/controis.h"
#include "editor/ranuras.h"
#include "editor/recursos.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QToolButton>
#include <QVBoxLayout>

using namespace quibel;
using proba::soltarsobre;
using proba::Venta;

namespace {

QLineEdit* editde(QWidget* w) {
    if (auto* l = qobject_cast<LabelledEdit*>(w)) return l->edit();
    return qobject_cast<QLineEdit*>(w);
}

class Ranuras : public Venta {
protected:
    void SetUp() override {
        Venta::SetUp();
        ASSERT_TRUE(almacen.isValid());
        QImage imaxe(8, 6, QImage::Format_RGB32);
        imaxe.fill(Qt::blue);
        ASSERT_TRUE(imaxe.save(ruta("a.png")));
        for (const char* n : {"s.mp3", "v.mp4"}) {
            QFile f(ruta(n));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        QFile mala(ruta("bad.png"));
        ASSERT_TRUE(mala.open(QIODevice::WriteOnly));
        mala.write("not a picture");
    }
    QString ruta(const char* n) const { return almacen.filePath(QString::fromLatin1(n)); }
    void escoller(int tipo, const char* n) {
        form->documento.tiporecurso = tipo;
        form->documento.recursoescollido = ruta(n);
    }
    QWidget* control(int tipo, const char* nome) const {
        return form->prepararfolla(tipo + primeirafollatipo)->findChild<QWidget*>(QString::fromLatin1(nome));
    }
    QTemporaryDir almacen;
};

} // namespace

// Every row: the drop stores the full path and shows the name, the clear empties both, a sound
// plays; a drop of the other kind changes nothing.
TEST_F(Ranuras, EverySlotTakesItsKindClearsAndPlays) {
    int imaxes = 0, sons = 0;
    for (int tipo = 1; tipo <= numtipos; ++tipo) {
        const std::vector<const Ranura*> filas = ranurasdetipo(tipo);
        if (filas.empty()) continue;
        libro({QByteArray::number(tipo).constData()});
        Tpaxina& p = form->libro.paxina(1);
        for (const Ranura* r : filas) {
            SCOPED_TRACE(std::string(r->control) + " of type " + std::to_string(tipo));
            const bool imaxe = r->clase == ClaseRanura::imaxe;
            QWidget* w = control(tipo, r->control);
            ASSERT_NE(w, nullptr);
            QLineEdit* nome = QLatin1String(r->nome) == QLatin1String("editoculto")
                                  ? form->editoculto->edit()
                                  : editde(control(tipo, r->nome));
            ASSERT_NE(nome, nullptr);
            QWidget* destino = imaxe ? w : nome;
            EXPECT_EQ(form->follas[tipo + primeirafollatipo]->findChildren<QWidget*>(r->control).size(), 1);

            escoller(imaxe ? 2 : 1, imaxe ? "s.mp3" : "a.png");
            EXPECT_FALSE(soltarsobre(destino)) << "the other kind is refused";
            EXPECT_TRUE(p[r->campo].isEmpty());

            escoller(imaxe ? 1 : 2, imaxe ? "a.png" : "s.mp3");
            EXPECT_TRUE(soltarsobre(destino));
            EXPECT_EQ(p[r->campo], ruta(imaxe ? "a.png" : "s.mp3"));
            EXPECT_EQ(nome->text(), imaxe ? "a.png" : "s.mp3");
            if (imaxe) {
                EXPECT_FALSE(static_cast<PictureBox*>(w)->imaxe().isNull());
                ++imaxes;
            } else {
                auto* tocar = static_cast<QAbstractButton*>(w);
                EXPECT_TRUE(tocar->isEnabled());
                fakes.aplicacion->abertos.clear();
                tocar->click();
                EXPECT_EQ(fakes.aplicacion->abertos, QList<QUrl>{QUrl::fromLocalFile(ruta("s.mp3"))});
                ++sons;
            }
            if (r->limpar) {
                static_cast<QAbstractButton*>(control(tipo, r->limpar))->click();
                EXPECT_TRUE(p[r->campo].isEmpty());
                EXPECT_TRUE(nome->text().isEmpty());
                if (!imaxe) {
                    EXPECT_FALSE(static_cast<QAbstractButton*>(w)->isEnabled());
                }
            }
            p[r->campo].clear();
        }
    }
    EXPECT_EQ(imaxes, 125);
    EXPECT_EQ(sons, 47);
}

TEST_F(Ranuras, PictureRules) {
    libro({"1"});
    form->bpaxinasClick();
    auto* imaxe = static_cast<PictureBox*>(control(1, "Image4"));
    QLineEdit* nome = editde(control(1, "txtresp"));
    Tpaxina& p = form->libro.paxina(1);

    escoller(3, "v.mp4"); // a video shows the placeholder
    ASSERT_TRUE(soltarsobre(imaxe));
    EXPECT_EQ(imaxe->imaxe().toImage(), form->nojpg->imaxe().toImage());
    EXPECT_EQ(p[14], ruta("v.mp4"));

    escoller(3, "a.png"); // a picture from the animation list loads
    ASSERT_TRUE(soltarsobre(imaxe));
    EXPECT_EQ(imaxe->tamanonatural(), QSize(8, 6));

    escoller(1, "bad.png"); // one message, nothing changed
    soltarsobre(imaxe);
    EXPECT_EQ(fakes.dialogos->mensaxes.size(), 1);
    EXPECT_EQ(p[14], ruta("a.png"));
    EXPECT_EQ(nome->text(), "a.png");

    // Shown from a page whose file is gone: its name, no picture, no message.
    p[14] = ruta("gone.png");
    form->SpeedButton10Click();
    form->amosarpaxina(1);
    EXPECT_EQ(nome->text(), "gone.png");
    EXPECT_TRUE(imaxe->imaxe().isNull());
    EXPECT_EQ(fakes.dialogos->mensaxes.size(), 1);
}

TEST_F(Ranuras, ThePageSoundIsASlot) {
    libro({"1"});
    form->bpaxinasClick();
    porcheck(form->autoson, true);
    escoller(2, "s.mp3");
    ASSERT_TRUE(soltarsobre(form->txtson));
    Tpaxina& p = form->libro.paxina(1);
    EXPECT_EQ(p[campo::son], ruta("s.mp3"));
    EXPECT_EQ(p[campo::autoson], "1") << "stored with the sound, not at the next commit";
    EXPECT_EQ(form->txtson->text(), "s.mp3");
    EXPECT_TRUE(form->plson->isEnabled());
    escoller(1, "a.png");
    EXPECT_FALSE(soltarsobre(form->txtson));
    form->SpeedButton21->click();
    EXPECT_TRUE(p[campo::son].isEmpty());
    EXPECT_EQ(p[campo::autoson], "0");
    EXPECT_FALSE(form->plson->isEnabled());
}

// The mode switches write P26 at once and empty the slots of the mode left, on every author
// toggle, by mouse or keyboard; showing a page sets the box without touching a field.
TEST_F(Ranuras, ModeSwitches) {
    const struct {
        int tipo;
        const char* caixa;
        const char* panel;    // shown in mode "2"
        int primeiro, ultimo; // fields emptied by a toggle into mode "1"
    } casos[] = {{4, "CheckBox1", "Panel21", 18, 25}, {39, "chparson", "panelparson", 1, 24}};
    for (const auto& c : casos) {
        for (const bool teclado : {false, true}) {
            SCOPED_TRACE(std::to_string(c.tipo) + (teclado ? " keyboard" : " mouse"));
            libro({QByteArray::number(c.tipo).constData()});
            Tpaxina& p = form->libro.paxina(1);
            p[26] = "2";
            for (int n = c.primeiro; n <= c.ultimo; ++n)
                p[n] = QString("f%1").arg(n);
            form->bpaxinasClick();
            auto* caixa = static_cast<QCheckBox*>(control(c.tipo, c.caixa));
            EXPECT_TRUE(caixa->isChecked()) << "loading sets the box";
            EXPECT_FALSE(control(c.tipo, c.panel)->isHidden());
            EXPECT_EQ(p[c.primeiro], QString("f%1").arg(c.primeiro)) << "and touches no field";

            if (teclado)
                QTest::keyClick(caixa, Qt::Key_Space);
            else
                QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(6, caixa->height() / 2)); // on the box
            EXPECT_FALSE(caixa->isChecked());
            EXPECT_EQ(p[26], "1");
            EXPECT_TRUE(control(c.tipo, c.panel)->isHidden());
            const int ultimo = c.tipo == 39 ? 12 : c.ultimo;
            for (int n = c.primeiro; n <= ultimo; ++n)
                EXPECT_TRUE(p[n].isEmpty()) << "P" << n;
            if (c.tipo == 39) {
                for (int n = 19; n <= 24; ++n)
                    EXPECT_TRUE(p[n].isEmpty()) << "P" << n;
            }

            p[c.primeiro] = "again";
            QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(6, caixa->height() / 2));
            EXPECT_EQ(p[26], "2");
            EXPECT_FALSE(control(c.tipo, c.panel)->isHidden());
            if (c.tipo == 4) {
                EXPECT_TRUE(p[c.primeiro].isEmpty()) << "statements do not become pictures";
            }
        }
    }
}

// Back from sounds to pictures on a page shown after a picture page: the edits under the sound
// panel still show that page's texts; the switch empties them with the fields, so leaving the page
// stores none of them.
TEST_F(Ranuras, PairsBackToPicturesBringNoTextsOfAnotherPage) {
    libro({"39", "39"});
    Tpaxina& imaxes = form->libro.paxina(1);
    Tpaxina& sons = form->libro.paxina(2);
    imaxes[26] = "1";
    sons[26] = "2";
    for (int n = 19; n <= 24; ++n)
        imaxes[n] = QString("a%1").arg(n);
    form->bpaxinasClick();
    form->SpeedButton10Click(); // to the sound page
    ASSERT_EQ(form->documento.paxinaactual(), 2);
    ASSERT_FALSE(imaxes[19].isEmpty());
    const auto textos = [&] {
        QStringList t;
        for (int k = 1; k <= 6; ++k)
            t << static_cast<QLineEdit*>(control(39, ("par2tx" + std::to_string(k)).c_str()))->text();
        return t.join("");
    };
    auto* caixa = static_cast<QCheckBox*>(control(39, "chparson"));
    QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(6, caixa->height() / 2));
    EXPECT_EQ(sons[26], "1");
    EXPECT_EQ(textos(), "");
    form->pasar(form->documento.tipoactual);
    for (int n = 19; n <= 24; ++n)
        EXPECT_TRUE(sons[n].isEmpty()) << "P" << n;
}

TEST_F(Ranuras, TextDropsKeepTheMemoWhenTheFileCannotBeRead) {
    QFile f(ruta("t.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBFuno\r\ndous\xc3\xb1\n");
    f.close();
    for (const auto& [tipo, nome] :
         {std::pair{5, "raitext"}, {43, "texto_ortograf"}, {45, "texto_dictado"}}) {
        libro({QByteArray::number(tipo).constData()});
        form->bpaxinasClick();
        auto* memo = static_cast<QPlainTextEdit*>(control(tipo, nome));
        escoller(4, "t.txt");
        ASSERT_TRUE(soltarsobre(memo->viewport())) << nome;
        EXPECT_EQ(memo->toPlainText(), QString::fromUtf8("uno\ndousñ"));
        escoller(4, "missing.txt");
        soltarsobre(memo->viewport());
        EXPECT_EQ(memo->toPlainText(), QString::fromUtf8("uno\ndousñ"));
    }
}

TEST_F(Ranuras, DropsThatDoMore) {
    libro({"16", "51", "30", "23", "2"});
    Book& b = form->libro;

    form->bpaxinasClick(); // type 16: the activity's file, then what is typed
    escoller(1, "a.png");
    ASSERT_TRUE(soltarsobre(editde(control(16, "txtext"))));
    EXPECT_EQ(b.paxina(1)[1], ruta("a.png"));
    EXPECT_FALSE(control(16, "Image42")->isHidden());
    QLineEdit* txtext = editde(control(16, "txtext"));
    txtext->clear();
    QTest::keyClicks(txtext, "http://x");
    EXPECT_EQ(b.paxina(1)[1], "http://x") << "the last key too";
    b.paxina(1)[2] = "2";
    static_cast<QAbstractButton*>(control(16, "SpeedButton96"))->click();
    EXPECT_TRUE(b.paxina(1)[1].isEmpty());
    EXPECT_TRUE(b.paxina(1)[2].isEmpty());
    EXPECT_TRUE(control(16, "Image42")->isHidden());

    form->SpeedButton10Click(); // type 51: the card flag stays after a clear
    ASSERT_TRUE(soltarsobre(control(51, "cadros2imx2")));
    EXPECT_EQ(b.paxina(2)[2], "2");
    EXPECT_EQ(b.paxina(2)[5], ruta("a.png"));
    static_cast<QAbstractButton*>(control(51, "cadros2imxbt2"))->click();
    EXPECT_TRUE(b.paxina(2)[5].isEmpty());
    EXPECT_EQ(b.paxina(2)[2], "2");

    form->SpeedButton10Click(); // type 30: placed where dropped, back to the corner on a clear
    ASSERT_TRUE(soltarsobre(control(30, "imxetiq2")));
    EXPECT_EQ(editde(control(30, "imxetiq2x"))->text(), "3");
    EXPECT_EQ(control(30, "imxetiq2")->pos(), QPoint(3, 3));
    static_cast<QAbstractButton*>(control(30, "SpeedButton173"))->click();
    EXPECT_EQ(control(30, "imxetiq2")->pos(), QPoint(0, 0));

    form->SpeedButton10Click(); // type 23: the picture dropped on is the selected one
    ASSERT_TRUE(soltarsobre(control(23, "imxmov2")));
    EXPECT_EQ(form->imaxemarcada, 2);
    EXPECT_EQ(b.paxina(4)[2], ruta("a.png"));
    EXPECT_EQ(editde(control(23, "etiqimx"))->text(), "a.png");

    form->SpeedButton10Click(); // type 2: the frame takes the picture's size, at least 20
    ASSERT_TRUE(soltarsobre(control(2, "Image3")));
    EXPECT_EQ(control(2, "bimax")->size(), QSize(20, 20));
}

namespace {

// An editor that makes some of its slot controls itself, one of them of the wrong class when asked.
class EditorConRanuras : public PageEditor {
public:
    explicit EditorConRanuras(bool mal) : mal_(mal) {}
    void crear(EditorContext&, QWidget* folla) override {
        (new PictureBox(folla))->setObjectName("Image4");
        (new LabelledEdit(folla))->setObjectName("txtresp");
        if (mal_) (new QLineEdit(folla))->setObjectName("SpeedButton24"); // a clear button must be a button
    }
    void cargar(Book&, int) override {}
    void gardar(Book&, int) override {}

private:
    bool mal_;
};

} // namespace

TEST(RanurasEditor, TheBinderUsesAnEditorsControlsAndRefusesTheWrongClass) {
    proba::ServizosFalsos fakes;
    QStandardPaths::setTestModeEnabled(true);
    const FabricaEditor antes = fabricaeditor(1);
    rexistrareditor(1, [] { return std::make_unique<EditorConRanuras>(false); });
    {
        TForm1 f;
        f.prepararfolla(1 + primeirafollatipo);
        QWidget* folla = f.follas[1 + primeirafollatipo];
        EXPECT_EQ(folla->findChildren<QWidget*>("Image4").size(), 1) << "the editor's own, not a second one";
        EXPECT_EQ(folla->findChildren<QWidget*>("txtresp").size(), 1);
        ASSERT_NE(folla->findChild<QToolButton*>("SpeedButton24"), nullptr)
            << "what the editor lacks is made";
        f.documento.porpaxinaactual(0);
        f.SpeedButton135Click();
        f.iniciatipo(1);
        f.documento.tiporecurso = 3;
        f.documento.recursoescollido = "/videos/v.mp4";
        ASSERT_TRUE(soltarsobre(folla->findChild<PictureBox*>("Image4")));
        EXPECT_EQ(folla->findChild<LabelledEdit*>("txtresp")->text(), "v.mp4");
        EXPECT_EQ(f.libro.paxina(1)[14], "/videos/v.mp4");
    }
    rexistrareditor(1, [] { return std::make_unique<EditorConRanuras>(true); });
    EXPECT_THROW(TForm1().prepararfolla(1 + primeirafollatipo), std::logic_error);
    rexistrareditor(1, antes);
}

// Every drop target of the page sheets is bound once: 152 take pictures, 47 sounds (with the page
// sound, 48), and the three text memos and the three HTML views take text files.
TEST_F(Venta, EveryDropTargetOfTheSheetsIsBound) {
    form->prepararfollas();
    int destinos = 0;
    for (int tipo = 1; tipo <= numtipos; ++tipo)
        destinos += form->follas[tipo + primeirafollatipo]->findChildren<DropTarget*>().size();
    EXPECT_EQ(destinos, 152 + 47 + 3 + 3);
    EXPECT_EQ(form->txtson->findChildren<DropTarget*>().size(), 1);
}

// A picture is decoded once while its file stays the same; a file written again, in place or by a
// save that replaces it, is decoded again.
TEST(ImaxeDeArquivo, OnceWhileTheFileIsUnchanged) {
    QTemporaryDir d;
    const QString ruta = d.filePath("a.png");
    const auto gardar = [&](QSize tamano, Qt::GlobalColor cor) {
        QImage i(tamano, QImage::Format_RGB32);
        i.fill(cor);
        QSaveFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(i.save(&f, "PNG"));
        ASSERT_TRUE(f.commit());
    };
    gardar({4, 3}, Qt::red);
    const QPixmap a = imaxedearquivo(ruta);
    ASSERT_EQ(a.size(), QSize(4, 3));
    EXPECT_EQ(imaxedearquivo(ruta).cacheKey(), a.cacheKey());

    gardar({4, 3}, Qt::blue); // same size, within the same second perhaps
    const QPixmap b = imaxedearquivo(ruta);
    EXPECT_EQ(b.toImage().pixelColor(0, 0), QColor(Qt::blue));

    {
        QFile f(ruta); // rewritten in place
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QImage i(5, 3, QImage::Format_RGB32);
        i.fill(Qt::green);
        ASSERT_TRUE(i.save(&f, "PNG"));
    }
    EXPECT_EQ(imaxedearquivo(ruta).size(), QSize(5, 3));

    QString erro;
    EXPECT_TRUE(imaxedearquivo(d.filePath("non.png"), &erro).isNull());
    EXPECT_TRUE(erro.startsWith(d.filePath("non.png") + ": ")) << erro.toStdString();
}

// A picture fits inside the box's frame, so a box in a layout with room to spare keeps its size
// however often a page shows it: fitted over the frame, the picture asked for two pixels more at
// every show and the sheet grew with it.
TEST(PictureBox, APictureFitsInsideTheFrameAndTheBoxKeepsItsSize) {
    QWidget folla;
    auto* columna = new QVBoxLayout(&folla);
    auto* caixa = new PictureBox;
    caixa->setFrameShape(QFrame::StyledPanel);
    caixa->setMinimumSize(64, 48);
    columna->addWidget(caixa);
    columna->addWidget(new QLineEdit);
    columna->addStretch(1); // the room to spare
    folla.resize(200, 400);
    folla.show();
    QPixmap imaxe(480, 360);
    imaxe.fill(Qt::red);
    QSize antes;
    for (int vez = 0; vez < 4; ++vez) {
        caixa->limpar();
        caixa->porimaxe(imaxe);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        const QSize cabe = caixa->contentsRect().size();
        EXPECT_TRUE(caixa->pixmap().width() <= cabe.width() && caixa->pixmap().height() <= cabe.height())
            << caixa->pixmap().width() << "x" << caixa->pixmap().height();
        if (vez > 0) EXPECT_EQ(caixa->size(), antes) << "show " << vez;
        antes = caixa->size();
    }
}
