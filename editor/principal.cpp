#include "editor/principal.h"

#include "editor/ctrlimx.h"
#include "editor/editortexto.h"
#include "editor/editorv.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"
#include "editor/ufrmsplah.h"

#include <QApplication>
#include <QTimer>
#include <memory>

namespace quibel {

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
    auto form2 = std::make_unique<TForm2>();
    auto feditor1 = std::make_unique<Tfeditor1>();
    auto feditortexto = std::make_unique<Tfeditortexto>();
    form1->feditor1 = feditor1.get();
    form1->feditortexto = feditortexto.get();
    app.processEvents();
    form1->show();
    // The splash goes the first time the loop is idle.
    QTimer::singleShot(0, splash.get(), &QWidget::hide);
    const int resultado = app.exec();

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
