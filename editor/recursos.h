// Dragging a resource of the resource panel onto the editors. A drag carries one private MIME type
// and no text or address, so no control inserts a path by itself and the window never takes it
// for a book file; what was dragged is the document's chosen resource. A DropTarget on a bound
// widget decides with a predicate over that choice and runs the drop routine in its place.
#pragma once

#include <QListWidget>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>

class QMimeData;

namespace quibel {

inline const QString mimerecurso = QStringLiteral("application/x-quibel-resource");

// A drag of the chosen resource, for tests and any control that starts one.
QMimeData* datosarrastre();

// One file list of the resource panel. Dragging an item starts a resource drag.
class ListaRecursos : public QListWidget {
    Q_OBJECT
public:
    ListaRecursos(int tipo, QWidget* parent = nullptr);
    int tipo() const { return tipo_; } // the resource kind it lists

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;

private:
    int tipo_;
};

// Filters the drag events of one widget (of the viewport of a scroll area): a resource drag is
// accepted when aceptar() says so and dropped through soltar(widget, point in the widget); every
// drop on the widget is consumed, so the widget's own drop code never runs.
class DropTarget : public QObject {
    Q_OBJECT
public:
    using Aceptor = std::function<bool()>;
    using Soltar = std::function<void(QWidget* control, const QPoint& punto)>;

    // Binds a widget; the filter lives as long as the widget.
    static DropTarget* vincular(QWidget* control, Aceptor aceptar, Soltar soltar);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    DropTarget(QWidget* control, Aceptor aceptar, Soltar soltar);
    QPointer<QWidget> control_;
    Aceptor aceptar_;
    Soltar soltar_;
};

} // namespace quibel
