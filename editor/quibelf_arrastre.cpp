// Dragging page elements into position on the editor sheets: binding every row of the drag table
// whose controls are on their sheet (the others wait for their editors), the type-9 link points that
// store on release, the type-2 text frame's resize, the label of the type-5 background, and the
// moving pictures of type 23 with their selection, frame, clear and numbered blank.
#include "book/rutinas.h"
#include "editor/arrastre.h"
#include "editor/atopar.h"
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"
#include "languages/idiomas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace quibel {

namespace {

// The label of the x-rays background, painted over the picture after each of its repaints.
class EtiquetaFondo : public QObject {
public:
    explicit EtiquetaFondo(QWidget* imaxe) : QObject(imaxe) { imaxe->installEventFilter(this); }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        static_cast<QObject*>(obj)->event(e); // the picture first
        QPainter pintor(static_cast<QWidget*>(obj));
        pintor.setPen(Qt::black);
        pintor.setBrush(QColor(0xFF, 0xFF, 0x00));
        pintor.drawRoundedRect(QRect(2, 2, 77, 17), 10, 10); // (2, 2) to (80, 20), corners included
        pintor.drawText(QRect(5, 4, 200, 40), Qt::AlignLeft | Qt::AlignTop, textosui[40]);
        return true;
    }
};

} // namespace

Tpaxina* TForm1::paxinadetipo(int tipo) {
    return paxinaeditada(documento, tipo);
}

void TForm1::vinculararrastre(int tipo) {
    const auto folla = [this](int t) { return follas[t + primeirafollatipo]; };
    int posicion = 40;

    // The picture frame of type 2, around the slot's picture until the editor makes both.
    auto* Image3 = tipo == 2 ? folla(2)->findChild<PictureBox*>(QStringLiteral("Image3")) : nullptr;
    if (Image3 && !folla(2)->findChild<QWidget*>(QStringLiteral("bimax"))) {
        auto* bimax = new QFrame(folla(2));
        bimax->setObjectName(QStringLiteral("bimax"));
        bimax->setGeometry(Image3->geometry());
        auto* enche = new QVBoxLayout(bimax);
        enche->setContentsMargins(0, 0, 0, 0);
        Image3->setParent(bimax);
        enche->addWidget(Image3);
        Image3->show();
    }
    // The position edits of the tags-2 picture, which its drop also fills.
    if (tipo == 30) {
        editde(folla(30), QStringLiteral("imxetiq2x"), posicion);
        editde(folla(30), QStringLiteral("imxetiq2y"), posicion);
    }

    // The moving pictures' frame and clear.
    if (tipo == 23) {
        marcomvi = atopar<QFrame>(folla(23), QStringLiteral("marcomvi"), posicion);
        marcomvi->setFrameShape(QFrame::Box);
        marcomvi->setAttribute(Qt::WA_TransparentForMouseEvents);
        marcomvi->hide();
        auto* SpeedButton103 = atopar<QToolButton>(folla(23), QStringLiteral("SpeedButton103"), posicion);
        if (SpeedButton103->icon().isNull())
            SpeedButton103->setIcon(iconaestilo(QStyle::SP_DialogDiscardButton));
        connect(SpeedButton103, &QToolButton::clicked, this,
                [this] { guarded([this] { borrimx1Click(); }); });
    }

    if (QWidget* Image17 = tipo != 5 ? nullptr : folla(5)->findChild<QWidget*>(QStringLiteral("Image17")))
        new EtiquetaFondo(Image17);

    for (const FilaArrastre& r : filasarrastre()) {
        if (r.tipo != tipo) continue;
        QWidget* f = folla(r.tipo);
        QWidget* elemento = f->findChild<QWidget*>(QString::fromLatin1(r.elemento));
        QWidget* premido = r.premido ? f->findChild<QWidget*>(QString::fromLatin1(r.premido)) : elemento;
        if (!elemento || !premido) continue; // its editor is still to make it
        const auto edit = [&](const char* nome) -> QLineEdit* {
            if (!nome) return nullptr;
            if (QLatin1String(nome) == QLatin1String("editoculto")) return editoculto->edit();
            return editen(f, QString::fromLatin1(nome));
        };
        ElementDragger::Opcions o;
        o.editx = edit(r.editx);
        o.edity = edit(r.edity);
        if (r.marco) {
            o.marco = marcomvi;
            // The picture at its natural size and nothing round it: the selection frame is marcomvi.
            if (auto* caixa = qobject_cast<QFrame*>(elemento)) caixa->setFrameShape(QFrame::NoFrame);
        }
        if (r.tipo == 23) {
            const int n = QString::fromLatin1(r.elemento).right(1).toInt();
            o.aopremer = [this, n] { imxmovpremida(n); };
        }
        if (r.soltar == SoltarArrastre::puntoliga) {
            o.aosoltar = [this, &r](QWidget* punto) {
                if (Tpaxina* p = paxinadetipo(r.tipo)) {
                    (*p)[r.campox] = QString::number(punto->x());
                    (*p)[r.campoy] = QString::number(punto->y());
                }
            };
        }
        ElementDragger::vincular(premido, elemento, std::move(o));
    }

    // The text frame of type 2 is resized by its own area and reflows its text on release.
    if (QWidget* basetext = tipo != 2 ? nullptr : folla(2)->findChild<QWidget*>(QStringLiteral("basetext"))) {
        FiltroRato::vincular(basetext, [this, basetext](QMouseEvent* e) {
            if (e->type() == QEvent::MouseButtonRelease) {
                visortexto->resize(basetext->width() - 12, basetext->height() - 12);
                visortexto->load(visortexto->source());
                return false;
            }
            const QPoint p = e->position().toPoint();
            if (e->type() != QEvent::MouseMove || e->buttons() != Qt::LeftButton ||
                e->modifiers() != Qt::NoModifier || p.x() <= 30 || p.y() <= 30)
                return false;
            basetext->resize(p.x(), p.y());
            if (Tpaxina* paxina = paxinadetipo(2)) {
                (*paxina)[10] = QString::number(basetext->height());
                (*paxina)[11] = QString::number(basetext->width());
            }
            return true;
        });
    }

    if (tipo == 15) vincularmenu();
}

void TForm1::cargararrastre(int tipo) {
    if (tipo == 15) cargarmenu();
    if (tipo != 23) return;
    QWidget* folla = follas[23 + primeirafollatipo];
    puntosimxno();
    if (auto* etiqimx = folla->findChild<LabelledEdit*>(QStringLiteral("etiqimx"))) etiqimx->setCaption({});
    for (const char* nome : {"etiqimx", "movimxcorx", "movimxcory"})
        if (QLineEdit* e = editen(folla, QString::fromLatin1(nome))) e->clear();
    const Tpaxina& p = libro.paxina(documento.paxinaactual());
    for (int k = 1; k <= 6; ++k) {
        auto* imaxe = folla->findChild<PictureBox*>(QStringLiteral("imxmov%1").arg(k));
        if (p[k].isEmpty())
            borrarimxmov(k);
        else if (imaxe && !imaxe->imaxe().isNull())
            imaxe->resize(imaxe->tamanonatural());
    }
    // Nothing is selected on a page just shown: the clear waits for a press or a drop.
    imaxemarcada = 0;
}

void TForm1::ponermarco(QWidget* imaxe) {
    enmarcar(marcomvi, imaxe);
}

void TForm1::puntosimxno() {
    marcomvi->hide();
}

void TForm1::imxmovpremida(int n) {
    QWidget* folla = follas[23 + primeirafollatipo];
    if (auto* etiqimx = folla->findChild<LabelledEdit*>(QStringLiteral("etiqimx")))
        etiqimx->setCaption(QStringLiteral(" %1 ").arg(n));
    if (QLineEdit* e = editen(folla, QStringLiteral("etiqimx")))
        e->setText(paxinavalida() ? nomeparaver(libro.paxina(documento.paxinaactual())[n]) : QString());
    imaxemarcada = n;
}

void TForm1::ponerimxmov(PictureBox* imaxe) {
    // A moving picture shows its picture at its natural size, which the frame follows.
    imaxe->resize(imaxe->tamanonatural());
    ponermarco(imaxe);
}

void TForm1::borrarimxmov(int n) {
    auto* imaxe = follas[23 + primeirafollatipo]->findChild<PictureBox*>(QStringLiteral("imxmov%1").arg(n));
    if (!imaxe) return;
    quitarim(*contextoranuras, imaxe, editoculto->edit(), n, 0);
    imaxe->resize(minimoimaxe, minimoimaxe);
    imaxe->porimaxe(imaxebaleira(n, imaxe->font()));
    puntosimxno();
}

void TForm1::borrimx1Click() {
    if (imaxemarcada >= 1 && imaxemarcada <= 6) borrarimxmov(imaxemarcada);
}

} // namespace quibel
