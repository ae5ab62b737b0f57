#include "editor/areadesprazada.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>

namespace quibel {

AreaDesprazada::Estado AreaDesprazada::estado() const {
    Estado e;
    const QWidget* w = widget();
    const QScrollBar* h = horizontalScrollBar();
    const QScrollBar* v = verticalScrollBar();
    e.tamanos = {size(),           viewport()->size(), w->size(), w->sizeHint(), w->minimumSizeHint(),
                 w->minimumSize(), w->maximumSize()};
    e.posicion = w->pos();
    e.politica = w->sizePolicy();
    e.barras = {h->maximum(), h->pageStep(), int(h->isHidden()),
                v->maximum(), v->pageStep(), int(v->isHidden())};
    return e;
}

bool AreaDesprazada::event(QEvent* e) {
    if (e->type() != QEvent::LayoutRequest || !widget()) return QScrollArea::event(e);
    // A content whose height follows its width is laid out every time.
    const QWidget* w = widget();
    const bool altura = w->layout() ? w->layout()->hasHeightForWidth() : w->sizePolicy().hasHeightForWidth();
    if (!altura && valido_ && estado() == ultimo_) return true;
    const bool r = QScrollArea::event(e);
    ultimo_ = estado();
    valido_ = !altura;
    return r;
}

} // namespace quibel
