#include "editor/panelboton.h"

#include <QMouseEvent>

namespace quibel {

Tpanelboton::Tpanelboton(QWidget* parent) : QLabel(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    // Captions come from the language tables or a user's language file: never rich text.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void Tpanelboton::pintar(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

QColor Tpanelboton::corfondo() const {
    return palette().color(QPalette::Window);
}

void Tpanelboton::setcolornormal(const QColor& c) {
    colornormal_ = c;
    colorrepouso_ = c;
    pintar(c);
}

void Tpanelboton::setactivo(bool a) {
    activo_ = a;
    colorrepouso_ = a ? colorseleccionado_ : colornormal_;
    pintar(colorrepouso_);
}

void Tpanelboton::enterEvent(QEnterEvent* e) {
    pintar(coloractivo_);
    QLabel::enterEvent(e);
}

void Tpanelboton::leaveEvent(QEvent* e) {
    pintar(colorrepouso_);
    QLabel::leaveEvent(e);
}

void Tpanelboton::mousePressEvent(QMouseEvent* e) {
    premido_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Tpanelboton::mouseReleaseEvent(QMouseEvent* e) {
    // A click is a left press and release over the button, as with any push button.
    const bool clic = premido_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    premido_ = false;
    QLabel::mouseReleaseEvent(e);
    if (clic) emit clicked();
}

} // namespace quibel
