#include "editor/principal.h"

#include "book/comandos.h"
#include "editor/ctrlimx.h"
#include "editor/editortexto.h"
#include "editor/editorv.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"
#include "editor/ufrmsplah.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace quibel {

namespace {

// Runs its task once, from the loop, after a widget of the window it watches has painted for the
// first time and the loop has run what was queued by then.
class TrasPrimeiroDebuxo : public QObject {
public:
    TrasPrimeiroDebuxo(QWidget* venta, std::function<void()> tarefa)
        : venta_(venta), tarefa_(std::move(tarefa)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || !tarefa_) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != venta_) return false;
        qApp->removeEventFilter(this);
        // Two turns of the loop: the frame is flushed and what was queued with it runs first.
        QTimer::singleShot(
            0, this, [this, tarefa = std::exchange(tarefa_, {})] { QTimer::singleShot(0, this, tarefa); });
        return false;
    }

private:
    QWidget* venta_;
    std::function<void()> tarefa_;
};

} // namespace

int bloqueprincipal(QApplication& app, const QStringList& argumentos) {
    QApplication::setApplicationName(QStringLiteral("Quibel"));
    const bool reais = !servizos().dialogos;
    if (reais) instalarservizosreais(nullptr);

    auto splash = std::make_unique<Tfrmsplash>();
    splash->show();
    app.processEvents();

    auto form1 = std::make_unique<TForm1>(argumentos);
    // Dialogs belong to the main window from now on.
    if (reais) instalarservizosreais(form1.get());
    // The windows nothing shows at start are built once the main window has painted its first
    // frame, or earlier where the author opens one of them first.
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<Tfeditor1> feditor1;
    std::unique_ptr<Tfeditortexto> feditortexto;
    form1->prepararventas = [&] {
        if (form2) return;
        form2 = std::make_unique<TForm2>();
        feditor1 = std::make_unique<Tfeditor1>();
        feditortexto = std::make_unique<Tfeditortexto>();
        form1->feditor1 = feditor1.get();
        form1->feditortexto = feditortexto.get();
    };
    // Then, a turn of the loop later, the first Open and Save are readied.
    TrasPrimeiroDebuxo despois(form1.get(), [&] {
        form1->prepararventas();
        QTimer::singleShot(0, form1.get(), &quentarlibros);
    });
    app.processEvents();
    form1->show();
    // The splash goes the first time the loop is idle.
    QTimer::singleShot(0, splash.get(), &QWidget::hide);
    const int resultado = app.exec();

    form1->prepararventas = nullptr;
    form1->feditortexto = nullptr;
    form1->feditor1 = nullptr;
    feditortexto.reset();
    feditor1.reset();
    form2.reset();
    form1.reset();
    if (reais) servizos() = {};
    splash.reset();
    return resultado;
}

} // namespace quibel
