// The drop slots of the editor sheets and the page sound: binding every slot of the table to its
// controls (found on the sheet, or made there when its editor has not), and show mode.
#include "book/aceptores.h"
#include "book/campos.h"
#include "book/rutinas.h"
#include "editor/atopar.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"
#include "editor/recursos.h"

#include <QCheckBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace quibel {

namespace {

// The placeholder of a video: a grey frame with a play mark.
QPixmap marcavideo() {
    QPixmap p(64, 48);
    p.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter pintor(&p);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(QColor(0x40, 0x40, 0x40));
    const QPoint triangulo[] = {{24, 14}, {24, 34}, {42, 24}};
    pintor.drawPolygon(triangulo, 3);
    return p;
}

} // namespace

void TForm1::vincularranuras() {
    temimx = new PictureBox(Panel113);
    temimx->setObjectName(QStringLiteral("temimx"));
    temimx->hide();
    nojpg = new PictureBox(Panel113);
    nojpg->setObjectName(QStringLiteral("nojpg"));
    nojpg->porimaxe(marcavideo());
    nojpg->hide();
    contextoranuras = std::make_unique<ContextoRanuras>(
        ContextoRanuras{documento, [](const QString& texto) { mensaxe(texto); }, nojpg->imaxe()});

    // The page sound of every page.
    DropTarget::vincular(
        txtson, [&d = documento] { return txtsonDragOver(d.tiporecurso, d.recursoescollido); },
        [this](QWidget*, const QPoint&) { txtsonDragDrop(); });
}

void TForm1::vincularranuras(int tipo) {
    QWidget* folla = follas[tipo + primeirafollatipo];
    int posicion = 0;
    for (const Ranura& r : ranuras()) {
        if (r.tipo != tipo) continue;
        const QString nome = QString::fromLatin1(r.nome);
        QLineEdit* edit =
            nome == QLatin1String("editoculto") ? editoculto->edit() : editde(folla, nome, posicion);
        RanuraVinculada v{&r, nullptr, edit, nullptr};
        const ContextoRanuras& c = *contextoranuras;
        Documento& d = documento;
        if (r.clase == ClaseRanura::imaxe) {
            v.imaxe = QLatin1String(r.control) == QLatin1String("temimx")
                          ? temimx
                          : atopar<PictureBox>(folla, QString::fromLatin1(r.control), posicion);
            PictureBox* imaxe = v.imaxe;
            const auto soltar = [this, &c, &r, imaxe, edit](QWidget*, const QPoint& punto) {
                if (ponerim(c, imaxe, edit, r.campo)) trasponerim(r, imaxe, punto);
            };
            const auto aceptar = [&d] { return logoDragOver(d.tiporecurso, d.recursoescollido); };
            DropTarget::vincular(imaxe, aceptar, soltar);
            if (r.soltartamen) {
                const QString outro = QString::fromLatin1(r.soltartamen);
                QWidget* w = folla->findChild<QWidget*>(outro);
                if (!w) w = atopar<PictureBox>(folla, outro, posicion);
                if (auto* l = qobject_cast<LabelledEdit*>(w)) w = l->edit();
                DropTarget::vincular(w, aceptar, soltar);
            }
            if (r.limpar) {
                auto* b = atopar<QToolButton>(folla, QString::fromLatin1(r.limpar), posicion);
                if (b->icon().isNull()) b->setIcon(iconaestilo(QStyle::SP_DialogDiscardButton));
                const bool aorixe = QLatin1String(r.control) == QLatin1String("imxetiq2");
                connect(b, &QToolButton::clicked, this, [&c, imaxe, edit, aorixe, campo = r.campo] {
                    guarded([&] {
                        quitarim(c, imaxe, edit, campo, 0);
                        if (aorixe) imaxe->move(0, 0); // the tag picture goes back to its corner
                    });
                });
            }
        } else {
            auto* tocar = atopar<QToolButton>(folla, QString::fromLatin1(r.control), posicion);
            if (tocar->icon().isNull()) tocar->setIcon(iconaestilo(QStyle::SP_MediaPlay));
            v.tocar = tocar;
            DropTarget::vincular(
                edit, [&d] { return txtsonDragOver(d.tiporecurso, d.recursoescollido); },
                [&c, &d, tocar, edit, campo = r.campo](QWidget*, const QPoint&) {
                    ponerson(c, tocar, edit, d.recursoescollido, campo);
                });
            if (r.limpar) {
                auto* b = atopar<QToolButton>(folla, QString::fromLatin1(r.limpar), posicion);
                if (b->icon().isNull()) b->setIcon(iconaestilo(QStyle::SP_DialogDiscardButton));
                connect(b, &QToolButton::clicked, this, [&c, tocar, edit, campo = r.campo] {
                    guarded([&] { quitarson(c, tocar, edit, campo, 0); });
                });
            }
            connect(tocar, &QToolButton::clicked, this, [this, campo = r.campo] {
                guarded([this, campo] {
                    if (paxinavalida()) sonar(libro.paxina(documento.paxinaactual())[campo]);
                });
            });
        }
        ranurasvinculadas.push_back(v);
    }

    vincularespeciais(tipo);
}

void TForm1::txtsonDragDrop() {
    if (!paxinavalida()) return;
    if (ponerson(*contextoranuras, plson, txtson, documento.recursoescollido, campo::son)) autosonClick();
}

void TForm1::amosarranuras(int tipo) {
    const Tpaxina& p = libro.paxina(documento.paxinaactual());
    const bool modo2 = p[26] == QLatin1String("2");
    for (const RanuraVinculada& v : ranurasvinculadas) {
        if (v.ranura->tipo != tipo) continue;
        // Slots that the page's mode hides are blanked without touching their fields.
        bool amosar = true;
        if (tipo == 4 || tipo == 24) amosar = (tipo == 4) == modo2;
        if (tipo == 39) amosar = (v.ranura->clase == ClaseRanura::son) == modo2;
        const int campo = amosar ? v.ranura->campo : 0;
        if (v.ranura->clase == ClaseRanura::imaxe)
            quitarim(*contextoranuras, v.imaxe, v.nome, campo, 1);
        else if (amosar)
            quitarson(*contextoranuras, v.tocar, v.nome, campo, 1);
        else {
            v.tocar->setEnabled(false);
            v.nome->clear();
        }
    }
}

} // namespace quibel

namespace quibel {

namespace {

QWidget* follatipo(const std::array<QWidget*, TForm1::numfollas>& follas, int tipo) {
    return follas[tipo + primeirafollatipo];
}

// The slots of types 9 and 12 that show only a file name: {type, name edit, field, clear button}.
const struct {
    int tipo;
    const char* nome;
    int campo;
    const char* limpar;
} soamentenome[] = {{9, "txtliga1", 2, nullptr},
                    {9, "txtliga2", 3, nullptr},
                    {9, "txtliga4", 4, nullptr},
                    {12, "txtimaxg1", 7, "SpeedButton28"},
                    {12, "txtimaxg2", 8, "SpeedButton30"},
                    {12, "txtimaxg3", 9, "SpeedButton32"},
                    {12, "txtimaxg4", 10, "SpeedButton56"},
                    {12, "txtimaxg5", 11, "SpeedButton54"},
                    {12, "txtimaxg6", 12, "SpeedButton52"}};

} // namespace

void TForm1::trasponerim(const Ranura& r, PictureBox* imaxe, const QPoint& punto) {
    const QLatin1String control(r.control);
    int posicion = 20;
    QWidget* folla = follatipo(follas, r.tipo);
    if (control == QLatin1String("Image3")) {
        // The text page's frame takes the picture's natural size.
        QWidget* bimax = atopar<QFrame>(folla, QStringLiteral("bimax"), posicion);
        const QSize n = imaxe->tamanonatural();
        bimax->resize(qMax(20, n.width()), qMax(20, n.height()));
    } else if (control == QLatin1String("Image1")) {
        // The puzzle's grid over a copy of its picture.
        auto* gre = atopar<PictureBox>(folla, QStringLiteral("imagegre"), posicion);
        const int filas = enteiro(editde(folla, QStringLiteral("filas"), posicion)->text(), 1);
        const int columnas = enteiro(editde(folla, QStringLiteral("colum"), posicion)->text(), 1);
        pintarreixa(imaxe, gre, filas, columnas);
    } else if (control == QLatin1String("Image17")) {
        imaxe->move(punto); // x rays: the hidden picture stands where it was dropped
    } else if (control == QLatin1String("imxetiq2")) {
        editde(folla, QStringLiteral("imxetiq2x"), posicion)->setText(QString::number(punto.x()));
        editde(folla, QStringLiteral("imxetiq2y"), posicion)->setText(QString::number(punto.y()));
        imaxe->move(punto);
    } else if (r.tipo == 51 && paxinavalida()) {
        // The card that holds a picture is flagged; a clear keeps the flag.
        Tpaxina& p = libro.paxina(documento.paxinaactual());
        if (control == QLatin1String("cadros2imx1")) p[1] = QStringLiteral("1");
        if (control == QLatin1String("cadros2imx2")) p[2] = QStringLiteral("2");
    }
}

void TForm1::SpeedButton108Click() {
    // The puzzle's grid drawn again, as after a drop of its picture.
    for (const RanuraVinculada& v : ranurasvinculadas)
        if (v.ranura->tipo == 3 && QLatin1String(v.ranura->control) == QLatin1String("Image1"))
            trasponerim(*v.ranura, v.imaxe, QPoint());
}

void TForm1::vincularespeciais(int tipo) {
    Documento& d = documento;
    const ContextoRanuras& c = *contextoranuras;
    int posicion = 30;
    const auto imaxes = [&d] { return logoDragOver(d.tiporecurso, d.recursoescollido); };
    const auto campoactual = [this](int n) -> QString* {
        return paxinavalida() ? &libro.paxina(documento.paxinaactual())[n] : nullptr;
    };

    // Text files into the memos of types 5, 43 and 45. A file that cannot be read leaves the memo
    // as it was: the next commit would otherwise empty the page's text.
    for (const auto& [tipomemo, nome] :
         {std::pair{5, "raitext"}, {43, "texto_ortograf"}, {45, "texto_dictado"}}) {
        if (tipomemo != tipo) continue;
        auto* memo = atopar<QPlainTextEdit>(follatipo(follas, tipo), QString::fromLatin1(nome), posicion);
        DropTarget::vincular(
            memo, [] { return txtsotextoDragOver(0, QString()); },
            [&d, memo](QWidget*, const QPoint&) {
                if (d.tiporecurso != 4 || d.recursoescollido.isEmpty()) return;
                if (const auto linas = lertextoarquivo(d.recursoescollido))
                    memo->setPlainText(linas->join(u'\n'));
            });
    }

    // The external activity: its file or address in txtext, P1 at once.
    if (tipo == 16) {
        QWidget* folla = follatipo(follas, 16);
        QLineEdit* txtext = editde(folla, QStringLiteral("txtext"), posicion);
        QWidget* shp1 = atopar<QFrame>(folla, QStringLiteral("shp1"), posicion);
        QWidget* Image42 = atopar<PictureBox>(folla, QStringLiteral("Image42"), posicion);
        const auto soltar = [this, &d, txtext, Image42, campoactual](QWidget*, const QPoint&) {
            Image42->show();
            txtext->setText(nomeparaver(d.recursoescollido));
            if (QString* p1 = campoactual(1)) *p1 = d.recursoescollido;
        };
        DropTarget::vincular(txtext, imaxes, soltar);
        DropTarget::vincular(shp1, imaxes, soltar);
        // What is typed is stored whole after each edit, the last key included.
        connect(txtext, &QLineEdit::textEdited, this, [txtext, Image42, campoactual](const QString& t) {
            Image42->setVisible(!t.isEmpty());
            if (QString* p1 = campoactual(1)) *p1 = txtext->text();
        });
        auto* limpar = atopar<QToolButton>(folla, QStringLiteral("SpeedButton96"), posicion);
        QLineEdit* e53 = editde(folla, QStringLiteral("Edit53"), posicion);
        QLineEdit* e54 = editde(folla, QStringLiteral("Edit54"), posicion);
        connect(limpar, &QToolButton::clicked, this, [=] {
            txtext->clear();
            Image42->hide();
            e53->clear();
            e54->clear();
            for (int n : {1, 2, 3})
                if (QString* f = campoactual(n)) f->clear();
        });
    }

    // The tags of type 20 take the full path; the field follows at the commit.
    for (int i = 1; i <= 6 && tipo == 20; ++i) {
        QLineEdit* etiq = editde(follatipo(follas, 20), QStringLiteral("etiq%1").arg(i), posicion);
        DropTarget::vincular(etiq, imaxes,
                             [&d, etiq](QWidget*, const QPoint&) { etiq->setText(d.recursoescollido); });
    }

    // Name-only slots of types 9 and 12, through the hidden picture.
    for (const auto& n : soamentenome) {
        if (n.tipo != tipo) continue;
        QWidget* folla = follatipo(follas, n.tipo);
        QLineEdit* edit = editde(folla, QString::fromLatin1(n.nome), posicion);
        DropTarget::vincular(edit, imaxes, [this, &c, edit, campo = n.campo](QWidget*, const QPoint&) {
            ponerim(c, temimx, edit, campo);
        });
        if (n.limpar)
            connect(atopar<QToolButton>(folla, QString::fromLatin1(n.limpar), posicion),
                    &QToolButton::clicked, this, [edit, campoactual, campo = n.campo] {
                        edit->clear();
                        if (QString* f = campoactual(campo)) f->clear();
                    });
    }

    // The moving pictures of type 23: the one dropped on becomes the selected one.
    for (int i = 1; i <= 6 && tipo == 23; ++i) {
        QWidget* folla = follatipo(follas, 23);
        auto* imaxe = atopar<PictureBox>(folla, QStringLiteral("imxmov%1").arg(i), posicion);
        QLineEdit* etiqimx = editde(folla, QStringLiteral("etiqimx"), posicion);
        DropTarget::vincular(imaxe, imaxes, [this, &c, imaxe, etiqimx, i](QWidget*, const QPoint&) {
            if (!ponerim(c, imaxe, etiqimx, i)) return;
            imaxemarcada = i;
            ponerimxmov(imaxe);
        });
    }

    // The menu page's button picture, whose field the selected button decides.
    if (tipo == 15) {
        QWidget* folla = follatipo(follas, 15);
        auto* imaxe = atopar<PictureBox>(folla, QStringLiteral("imxmenu"), posicion);
        QLineEdit* nome = editde(folla, QStringLiteral("imxmenutxt"), posicion);
        DropTarget::vincular(imaxe, imaxes, [this, &c, imaxe, nome](QWidget*, const QPoint&) {
            ponerim(c, imaxe, nome, campoimaxemenu);
        });
        connect(atopar<QToolButton>(folla, QStringLiteral("imxmenubc"), posicion), &QToolButton::clicked,
                this,
                [this, &c, imaxe, nome] { guarded([&] { quitarim(c, imaxe, nome, campoimaxemenu, 0); }); });
    }

    // The mode switches: each author toggle, by mouse or keyboard, once.
    if (tipo == 4) {
        auto* CheckBox1 = atopar<QCheckBox>(follatipo(follas, 4), QStringLiteral("CheckBox1"), posicion);
        connect(CheckBox1, &QCheckBox::clicked, this, [this] { guarded([this] { CheckBox1Click(); }); });
        atopar<QWidget>(follatipo(follas, 4), QStringLiteral("Panel21"), posicion);
        atopar<QWidget>(follatipo(follas, 4), QStringLiteral("Panel63"), posicion);
    }
    if (tipo == 39) {
        auto* chparson = atopar<QCheckBox>(follatipo(follas, 39), QStringLiteral("chparson"), posicion);
        connect(chparson, &QCheckBox::clicked, this, [this] { guarded([this] { chparsonClick(); }); });
        atopar<QWidget>(follatipo(follas, 39), QStringLiteral("panelparson"), posicion);
    }
}

void TForm1::cargarespeciais(int tipo) {
    if (tipo == 4) amosarsopa();
    if (tipo == 39) amosarparellas2();
    if (tipo == 15) campoimaxemenu = 22;
    if (tipo == 23) {
        imaxemarcada = 0; // the clear of the selected picture must not reach a picture of this page
        // Shown, the moving pictures name no file.
        for (int i = 1; i <= 6; ++i)
            quitarim(*contextoranuras,
                     follatipo(follas, 23)->findChild<PictureBox*>(QStringLiteral("imxmov%1").arg(i)),
                     editoculto->edit(), i, 1);
    }
    if (tipo == 15) {
        QWidget* folla = follatipo(follas, 15);
        quitarim(*contextoranuras, folla->findChild<PictureBox*>(QStringLiteral("imxmenu")),
                 folla->findChild<LabelledEdit*>(QStringLiteral("imxmenutxt"))->edit(), campoimaxemenu, 1);
    }
    if (tipo == 16) {
        QWidget* folla = follatipo(follas, 16);
        const QString& p1 = libro.paxina(documento.paxinaactual())[1];
        folla->findChild<LabelledEdit*>(QStringLiteral("txtext"))->setText(nomeparaver(p1));
        folla->findChild<PictureBox*>(QStringLiteral("Image42"))->setVisible(!p1.isEmpty());
    }
    for (const auto& n : soamentenome)
        if (n.tipo == tipo)
            quitarim(*contextoranuras, temimx,
                     follatipo(follas, tipo)->findChild<LabelledEdit*>(QString::fromLatin1(n.nome))->edit(),
                     n.campo, 1);
    cargararrastre(tipo);
}

void TForm1::amosarsopa() {
    QWidget* folla = follatipo(follas, 4);
    const bool imaxes = paxinavalida() && libro.paxina(documento.paxinaactual())[26] == QLatin1String("2");
    porcheck(folla->findChild<QCheckBox*>(QStringLiteral("CheckBox1")), imaxes);
    folla->findChild<QWidget*>(QStringLiteral("Panel21"))->setVisible(imaxes);
    folla->findChild<QWidget*>(QStringLiteral("Panel63"))->setVisible(!imaxes);
}

void TForm1::CheckBox1Click() {
    if (!paxinavalida()) return;
    const bool imaxes = follatipo(follas, 4)->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked();
    Tpaxina& p = libro.paxina(documento.paxinaactual());
    p[26] = imaxes ? QStringLiteral("2") : QStringLiteral("1");
    // The clues P18..P25 are pictures in one mode and statements in the other: a change of mode
    // leaves none of the old kind behind. The statement edits keep what the author typed.
    for (const RanuraVinculada& v : ranurasvinculadas)
        if (v.ranura->tipo == 4) quitarim(*contextoranuras, v.imaxe, v.nome, v.ranura->campo, 0);
    amosarsopa();
}

void TForm1::amosarparellas2() {
    QWidget* folla = follatipo(follas, 39);
    const bool sons = paxinavalida() && libro.paxina(documento.paxinaactual())[26] == QLatin1String("2");
    porcheck(folla->findChild<QCheckBox*>(QStringLiteral("chparson")), sons);
    folla->findChild<QWidget*>(QStringLiteral("panelparson"))->setVisible(sons);
}

void TForm1::chparsonClick() {
    if (!paxinavalida()) return;
    QWidget* folla39 = follatipo(follas, 39);
    const bool sons = folla39->findChild<QCheckBox*>(QStringLiteral("chparson"))->isChecked();
    Tpaxina& p = libro.paxina(documento.paxinaactual());
    p[26] = sons ? QStringLiteral("2") : QStringLiteral("1");
    // The twelve items are pictures or sounds in the same fields: the new mode starts empty.
    for (const RanuraVinculada& v : ranurasvinculadas) {
        if (v.ranura->tipo != 39) continue;
        if (sons && v.ranura->clase == ClaseRanura::son)
            quitarson(*contextoranuras, v.tocar, v.nome, v.ranura->campo, 0);
        if (!sons && v.ranura->clase == ClaseRanura::imaxe)
            quitarim(*contextoranuras, v.imaxe, v.nome, v.ranura->campo, 0);
    }
    // The pair texts go with the pictures, edits and fields alike: the edits may still show the
    // texts of the last picture page.
    if (!sons)
        for (int k = 1; k <= 6; ++k) {
            p[18 + k].clear();
            folla39->findChild<QLineEdit*>(QStringLiteral("par2tx%1").arg(k))->clear();
        }
    amosarparellas2();
}

} // namespace quibel
