#include "editor/recursos.h"

#include "editor/garda.h"

#include <QAbstractScrollArea>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

namespace quibel {

QMimeData* datosarrastre() {
    auto* d = new QMimeData;
    d->setData(mimerecurso, QByteArray());
    return d;
}

ListaRecursos::ListaRecursos(int tipo, QWidget* parent) : QListWidget(parent), tipo_(tipo) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    // One line each: no item's text is measured to lay out a folder of thousands of files.
    setUniformItemSizes(true);
}

QStringList ListaRecursos::mimeTypes() const {
    return {mimerecurso};
}

QMimeData* ListaRecursos::mimeData(const QList<QListWidgetItem*>&) const {
    return datosarrastre();
}

DropTarget::DropTarget(QWidget* control, Aceptor aceptar, Soltar soltar)
    : QObject(control), control_(control), aceptar_(std::move(aceptar)), soltar_(std::move(soltar)) {}

DropTarget* DropTarget::vincular(QWidget* control, Aceptor aceptar, Soltar soltar) {
    auto* d = new DropTarget(control, std::move(aceptar), std::move(soltar));
    // A scroll area receives its drags on the viewport.
    QWidget* receptor = control;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) receptor = area->viewport();
    receptor->setAcceptDrops(true);
    control->setAcceptDrops(true);
    receptor->installEventFilter(d);
    if (receptor != control) control->installEventFilter(d);
    return d;
}

bool DropTarget::eventFilter(QObject* obj, QEvent* e) {
    switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* d = static_cast<QDragMoveEvent*>(e);
        bool vale = false;
        if (d->mimeData() && d->mimeData()->hasFormat(mimerecurso))
            guarded([&] { vale = aceptar_ && aceptar_(); });
        if (vale)
            d->acceptProposedAction();
        else
            d->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(e);
        const bool recurso = d->mimeData() && d->mimeData()->hasFormat(mimerecurso);
        if (recurso && control_ && aceptar_ && soltar_) {
            // The viewport of a scroll area lies inside the control.
            auto* w = static_cast<QWidget*>(obj);
            const QPoint p = d->position().toPoint();
            const QPoint local = w == control_ ? p : w->mapTo(control_.data(), p);
            guarded([&] {
                if (aceptar_()) soltar_(control_, local);
            });
            d->acceptProposedAction();
        } else {
            d->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace quibel
