// The drop slots: every slot of the table takes its kind of resource, stores it in its field at
// once, clears it and plays it; the picture rules of the slot routines; the page sound.
#include "book/campos.h"
#include "editor/controis.h"
#include "editor/ranuras.h"
#include "editor/recursos.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

namespace {

bool soltarsobre(QWidget* w) {
    QMimeData* datos = datosarrastre();
    QDragEnterEvent entra(QPoint(3, 3), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &entra);
    QDropEvent solta(QPointF(3, 3), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &solta);
    delete datos;
    return entra.isAccepted();
}

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
        return form->follas[tipo + primeirafollatipo]->findChild<QWidget*>(QString::fromLatin1(nome));
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
