// The child of the start-up benchmark: a process that ends as soon as its main window has painted
// its first frame. Built twice: as the program (the same libraries and start-up as quibel, a book
// file as argument) and as a bare window with a label, the yardstick.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

#ifdef ARRANQUE_QUIBEL
#include "editor/principal.h"
#else
#include <QLabel>
#endif

namespace {

// Ends the process once a widget of a window that is a main window has painted: the rest of that
// frame is painted before the queued exit runs.
class SaidaAoPintar : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || feito_) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->window()->property("principal").toBool()) return false;
        feito_ = true;
        QTimer::singleShot(0, [] { _exit(0); });
        return false;
    }

private:
    bool feito_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SaidaAoPintar saida;
    app.installEventFilter(&saida);
#ifdef ARRANQUE_QUIBEL
    // The main window is the one top-level window that is a QMainWindow (not the splash).
    struct Marcar : QObject {
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Show)
                if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow() && w->inherits("QMainWindow"))
                    w->setProperty("principal", true);
            return false;
        }
    } marcar;
    app.installEventFilter(&marcar);
    return quibel::bloqueprincipal(app, QApplication::arguments().mid(1));
#else
    QWidget w;
    w.setProperty("principal", true);
    QLabel l(QStringLiteral("Quibel"), &w);
    w.show();
    return app.exec();
#endif
}
