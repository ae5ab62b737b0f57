// The drop slots of the editor sheets and the page sound: binding every slot of the table to its
// controls (found on the sheet, or made there when its editor has not), and show mode.
#include "book/aceptores.h"
#include "book/campos.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"
#include "editor/recursos.h"

#include <QCheckBox>
#include <QPainter>
#include <QToolButton>
#include <stdexcept>

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

// A control of a sheet by name: the one its editor made, which must be of the class the slot
// needs, or a new one placed on the sheet.
template <class W> W* atopar(QWidget* folla, const QString& nome, int& posicion) {
    if (QWidget* w = folla->findChild<QWidget*>(nome)) {
        if (auto* certo = qobject_cast<W*>(w)) return certo;
        throw std::logic_error(("the slot control " + nome + " has another class").toStdString());
    }
    auto* w = new W(folla);
    w->setObjectName(nome);
    // Made here until its editor lays it out: a plain column of slots.
    const int y = 4 + 30 * (posicion++);
    w->setGeometry(std::is_same_v<W, PictureBox> ? QRect(4, y, 40, 28) : QRect(48, y, 160, 26));
    return w;
}

// A name edit is a plain edit or the edit of a labelled one.
QLineEdit* editde(QWidget* folla, const QString& nome, int& posicion) {
    if (QWidget* w = folla->findChild<QWidget*>(nome)) {
        if (auto* l = qobject_cast<LabelledEdit*>(w)) return l->edit();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
        throw std::logic_error(("the name edit " + nome + " has another class").toStdString());
    }
    return atopar<LabelledEdit>(folla, nome, posicion)->edit();
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

    std::array<int, numtipos + 1> posicions{};
    for (const Ranura& r : ranuras()) {
        QWidget* folla = follas[r.tipo + primeirafollatipo];
        int& posicion = posicions[r.tipo];
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
            const auto soltar = [&c, imaxe, edit, campo = r.campo](QWidget*, const QPoint&) {
                ponerim(c, imaxe, edit, campo);
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
                connect(b, &QToolButton::clicked, this, [&c, imaxe, edit, campo = r.campo] {
                    guarded([&] { quitarim(c, imaxe, edit, campo, 0); });
                });
            }
        } else {
            auto* tocar = atopar<QToolButton>(folla, QString::fromLatin1(r.control), posicion);
            v.tocar = tocar;
            DropTarget::vincular(
                edit, [&d] { return txtsonDragOver(d.tiporecurso, d.recursoescollido); },
                [&c, &d, tocar, edit, campo = r.campo](QWidget*, const QPoint&) {
                    ponerson(c, tocar, edit, d.recursoescollido, campo);
                });
            if (r.limpar) {
                auto* b = atopar<QToolButton>(folla, QString::fromLatin1(r.limpar), posicion);
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

    // The page sound of every page.
    DropTarget::vincular(
        txtson, [&d = documento] { return txtsonDragOver(d.tiporecurso, d.recursoescollido); },
        [this](QWidget*, const QPoint&) { txtsonDragDrop(); });
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
