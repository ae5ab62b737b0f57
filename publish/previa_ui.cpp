// The preview button of the main window: the HTML5 page of the open book in the default
// application.
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"
#include "publish/previa.h"

#include <QLineEdit>
#include <QUrl>

namespace quibel {

namespace {

// The author's template named on the export sheet, wherever that sheet keeps its edit.
QString plantillaautor(const QWidget* venta) {
    const QObject* c = venta->findChild<QObject*>(QStringLiteral("txplant"));
    if (const auto* e = qobject_cast<const LabelledEdit*>(c)) return e->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(c)) return e->text();
    return {};
}

void abrir(const QString& arquivo) {
    if (const auto& a = servizos().aplicacion) a->abrir(QUrl::fromLocalFile(arquivo));
}

} // namespace

void TForm1::btmirarClick() {
    const int folla = tipaxinas->actual();
    // Leaving the editor sheet commits the page being edited, so the preview shows it.
    tipaxinas->amosar(pasarfolla);
    Previa p;
    try {
        p = construirprevia(libro, documento.paxinaactual(), idiomavisor, plantillaautor(this));
    } catch (...) {
        tipaxinas->amosar(folla);
        throw;
    }
    libro.arquivoaxuda = p.arquivoaxuda;
    libro.txtben = p.txtben;
    libro.txtmal = p.txtmal;
    if (!p.erro.isEmpty()) mensaxe(p.erro);
    // A page left by an earlier preview is not this book's.
    if (!p.arquivo.isEmpty()) abrir(p.arquivo);
    tipaxinas->amosar(folla);
}

} // namespace quibel
