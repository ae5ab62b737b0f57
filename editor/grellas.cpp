#include "editor/grellas.h"

#include "editor/garda.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace quibel {

namespace {

// A formula cell: light yellow while hidden from the reader, white when shown; the text at two
// pixels from the top-left corner, clipped to the cell.
class PintorFormula : public QStyledItemDelegate {
public:
    explicit PintorFormula(GrellaFormula* grella) : QStyledItemDelegate(grella), grella_(grella) {}
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion,
               const QModelIndex& indice) const override {
        const Tpaxina* p = grella_->paxina ? grella_->paxina() : nullptr;
        const bool oculta = p && FormulaGrid::oculta(*p, indice.column(), indice.row());
        pintor->save();
        pintor->setClipRect(opcion.rect);
        pintor->fillRect(opcion.rect, oculta ? QColor(0xFF, 0xFF, 0x80) : QColor(Qt::white));
        pintor->setFont(grella_->font());
        pintor->setPen(Qt::black);
        QString texto = indice.data().toString();
        if (texto.isEmpty()) texto = QStringLiteral(" ");
        pintor->drawText(opcion.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         texto);
        if (opcion.state & QStyle::State_HasFocus) {
            // The cell that takes the next key.
            pintor->setPen(QPen(Qt::black, 1, Qt::DotLine));
            pintor->drawRect(opcion.rect.adjusted(0, 0, -1, -1));
        }
        pintor->restore();
    }

private:
    GrellaFormula* grella_;
};

bool navegacion(int tecla) {
    switch (tecla) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

GrellaFormula::GrellaFormula(QWidget* parent)
    : QTableWidget(FormulaGrid::filas, FormulaGrid::columnas, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setMinimumSectionSize(36);
        h->setDefaultSectionSize(36);
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont letra(QStringLiteral("Verdana"));
    letra.setPixelSize(24);
    setFont(letra);
    setItemDelegate(new PintorFormula(this));
    for (int f = 0; f < rowCount(); ++f)
        for (int c = 0; c < columnCount(); ++c)
            setItem(f, c, new QTableWidgetItem);
    const int marco = 2 * frameWidth();
    setFixedSize(36 * FormulaGrid::columnas + marco, 36 * FormulaGrid::filas + marco);
    setCurrentCell(0, 0);
}

void GrellaFormula::cargar(Tpaxina& p) {
    modelo.cargar(p);
    amosar();
}

void GrellaFormula::amosar() {
    for (int f = 0; f < rowCount(); ++f)
        for (int c = 0; c < columnCount(); ++c)
            item(f, c)->setText(modelo.texto(c, f));
    viewport()->update();
}

void GrellaFormula::keyPressEvent(QKeyEvent* e) {
    if (navegacion(e->key())) {
        QTableWidget::keyPressEvent(e);
        return;
    }
    // A Control chord types nothing (AltGr, which some systems send as Control and Alt, does).
    const Qt::KeyboardModifiers m = e->modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) {
        e->ignore();
        return;
    }
    e->accept();
    const int c = currentColumn(), f = currentRow();
    const QString k = e->key() == Qt::Key_Backspace ? QStringLiteral("\b") : e->text();
    guarded([&] {
        Tpaxina* p = paxina ? paxina() : nullptr;
        if (p && modelo.tecla(*p, c, f, k)) item(f, c)->setText(modelo.texto(c, f));
    });
}

void GrellaFormula::mouseDoubleClickEvent(QMouseEvent* e) {
    QTableWidget::mouseDoubleClickEvent(e);
    if (e->button() != Qt::LeftButton) return;
    const QModelIndex i = indexAt(e->position().toPoint());
    if (!i.isValid()) return;
    guarded([&] {
        if (Tpaxina* p = paxina ? paxina() : nullptr) modelo.dobreclick(*p, i.column(), i.row());
    });
    viewport()->update(visualRect(i));
}

GrellaCadros::GrellaCadros(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
}

QSize GrellaCadros::sizeHint() const {
    // One line between squares and round the grid.
    return {SquareGrid::columnas * (lado + 1) + 1, SquareGrid::filas * (lado + 1) + 1};
}

void GrellaCadros::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    for (int f = 0; f < SquareGrid::filas; ++f)
        for (int c = 0; c < SquareGrid::columnas; ++c)
            pintor.fillRect(1 + c * (lado + 1), 1 + f * (lado + 1), lado, lado,
                            SquareGrid::cor(modelo.cela(c, f)));
}

void GrellaCadros::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint p = e->position().toPoint();
    const int c = (p.x() - 1) / (lado + 1), f = (p.y() - 1) / (lado + 1);
    if (p.x() < 1 || p.y() < 1 || c >= SquareGrid::columnas || f >= SquareGrid::filas) return;
    emit premido(c, f);
}

} // namespace quibel
