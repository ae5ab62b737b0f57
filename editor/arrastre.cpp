#include "editor/arrastre.h"

#include "editor/garda.h"
#include "editor/ranuras.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QWidget>

namespace quibel {

namespace {

bool esrato(const QEvent* e) {
    const QEvent::Type t = e->type();
    return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick || t == QEvent::MouseMove ||
           t == QEvent::MouseButtonRelease;
}

// A design area that is the content of a scroll area grows to hold the element: one dragged past its
// right or bottom edge can still be scrolled to.
void crecerarea(QWidget* elemento) {
    QWidget* area = elemento->parentWidget();
    QWidget* vista = area ? area->parentWidget() : nullptr;
    auto* scroll = vista ? qobject_cast<QScrollArea*>(vista->parentWidget()) : nullptr;
    if (!scroll || scroll->widget() != area) return;
    const QRect r = elemento->geometry();
    const QSize tamano = area->minimumSize().expandedTo(QSize(r.right() + 1, r.bottom() + 1));
    area->setMinimumSize(tamano);
    area->resize(area->size().expandedTo(tamano));
}

} // namespace

ElementDragger* ElementDragger::vincular(QWidget* premido, QWidget* elemento, Opcions opcions) {
    return new ElementDragger(premido, elemento, std::move(opcions));
}

ElementDragger::ElementDragger(QWidget* premido, QWidget* elemento, Opcions opcions)
    : QObject(premido), elemento_(elemento), editx_(opcions.editx), edity_(opcions.edity),
      marco_(opcions.marco), opcions_(std::move(opcions)) {
    premido->installEventFilter(this);
}

bool ElementDragger::eventFilter(QObject*, QEvent* e) {
    if (!esrato(e) || !elemento_) return false;
    const QEvent::Type tipo = e->type();
    auto* rato = static_cast<QMouseEvent*>(e);
    if (tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick) {
        arrastrando_ = true;
        ratoinicial_ = rato->globalPosition().toPoint();
        elementoinicial_ = elemento_->pos();
        guarded([this] {
            if (marco_) enmarcar(marco_, elemento_);
            if (opcions_.aopremer) opcions_.aopremer();
        });
        return true;
    }
    if (!arrastrando_) return false;
    if (tipo == QEvent::MouseMove) {
        guarded([&] { mover(rato->globalPosition().toPoint()); });
        return true;
    }
    arrastrando_ = false;
    guarded([this] {
        if (opcions_.aosoltar) opcions_.aosoltar(elemento_);
    });
    return true;
}

void ElementDragger::mover(const QPoint& rato) {
    QPoint p = elementoinicial_ + (rato - ratoinicial_);
    if (!opcions_.libre) p = QPoint(qMax(0, p.x()), qMax(0, p.y()));
    elemento_->move(p);
    crecerarea(elemento_);
    if (editx_) editx_->setText(QString::number(p.x()));
    if (edity_) edity_->setText(QString::number(p.y()));
    // After the move, so that the frame never lags behind the picture.
    if (marco_) enmarcar(marco_, elemento_);
}

FiltroRato* FiltroRato::vincular(QWidget* control, Manexador manexador) {
    return new FiltroRato(control, std::move(manexador));
}

FiltroRato::FiltroRato(QWidget* control, Manexador manexador)
    : QObject(control), manexador_(std::move(manexador)) {
    control->installEventFilter(this);
}

bool FiltroRato::eventFilter(QObject*, QEvent* e) {
    if (!esrato(e)) return false;
    bool consumido = false;
    guarded([&] { consumido = manexador_(static_cast<QMouseEvent*>(e)); });
    return consumido;
}

namespace {

// clang-format off
const FilaArrastre taboa[] = {
    {2, "bimax", "Image3", "imtextox", "imtextoy"},
    {2, "basetext", "movtext", "textx", "texty"},
    {5, "Image17", nullptr, "editoculto", "editoculto"},
    {9, "Panel42", nullptr, nullptr, nullptr, false, SoltarArrastre::puntoliga, 9, 19},
    {9, "Panel43", nullptr, nullptr, nullptr, false, SoltarArrastre::puntoliga, 10, 20},
    {9, "Panel44", nullptr, nullptr, nullptr, false, SoltarArrastre::puntoliga, 11, 21},
    {20, "punto1", nullptr, nullptr, nullptr},
    {20, "punto2", nullptr, nullptr, nullptr},
    {20, "punto3", nullptr, nullptr, nullptr},
    {20, "punto4", nullptr, nullptr, nullptr},
    {20, "punto5", nullptr, nullptr, nullptr},
    {20, "punto6", nullptr, nullptr, nullptr},
    {23, "imxmov1", nullptr, "movimxcorx", "movimxcory", true},
    {23, "imxmov2", nullptr, "movimxcorx", "movimxcory", true},
    {23, "imxmov3", nullptr, "movimxcorx", "movimxcory", true},
    {23, "imxmov4", nullptr, "movimxcorx", "movimxcory", true},
    {23, "imxmov5", nullptr, "movimxcorx", "movimxcory", true},
    {23, "imxmov6", nullptr, "movimxcorx", "movimxcory", true},
    {30, "imxetiq2", nullptr, "imxetiq2x", "imxetiq2y"},
    {30, "Panel49", nullptr, nullptr, nullptr},
    {30, "Panel50", nullptr, nullptr, nullptr},
    {30, "Panel51", nullptr, nullptr, nullptr},
    {30, "Panel52", nullptr, nullptr, nullptr},
    {30, "Panel53", nullptr, nullptr, nullptr},
    {30, "Panel54", nullptr, nullptr, nullptr},
};
// clang-format on

} // namespace

std::span<const FilaArrastre> filasarrastre() {
    return taboa;
}

QPixmap imaxebaleira(int n, const QFont& letra) {
    QPixmap p(minimoimaxe, minimoimaxe);
    p.fill(Qt::white);
    QPainter pintor(&p);
    pintor.setPen(Qt::black);
    pintor.setBrush(Qt::white);
    pintor.drawRect(0, 0, minimoimaxe - 1, minimoimaxe - 1); // the border on pixels 0..39
    pintor.setFont(letra);
    // The text cell's top-left at (10, 10), not its baseline.
    pintor.drawText(QRect(10, 10, minimoimaxe - 10, minimoimaxe - 10), Qt::AlignLeft | Qt::AlignTop,
                    QString::number(n));
    return p;
}

void enmarcar(QWidget* marco, const QWidget* imaxe) {
    QWidget* pai = marco->parentWidget();
    const QPoint posicion = imaxe->parentWidget() == pai || !pai
                                ? imaxe->pos()
                                : pai->mapFromGlobal(imaxe->mapToGlobal(QPoint(0, 0)));
    const auto* caixa = qobject_cast<const PictureBox*>(imaxe);
    const QSize natural = caixa ? caixa->tamanonatural() : imaxe->size();
    marco->setGeometry(posicion.x() - 4, posicion.y() - 4, natural.width() + 8, natural.height() + 8);
    marco->show();
}

} // namespace quibel
