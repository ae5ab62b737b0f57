// Steps of the main window that reach other subsystems: the palette, help, sound and the image
// window are wired here; the preview and the export objects keep what the window needs meanwhile
// (mostly nothing) until those subsystems fill the bodies in.
#include "editor/avisos.h"
#include "editor/axuda.h"
#include "editor/ctrlimx.h"
#include "editor/paletatipos.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"
#include "publish/enchehtml.h"
#include "publish/exportar_ui.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QUrl>

namespace quibel {

// Sound: through the engine when it started, else the desktop's default application.
void TForm1::sonar(const QString& arquivo) {
    if (sonpendente) iniciarson();
    const auto& motor = servizos().son;
    if (bassactivo == 1 && motor) {
        // One sound at a time: the last one ends here.
        motor->liberar(canalson);
        canalson = 0;
        if (arquivo.isEmpty()) return;
        canalson = motor->crear(arquivo);
        if (canalson != 0) {
            motor->tocar(canalson);
            return;
        }
        // A file the engine cannot decode may still play elsewhere; a missing one plays nowhere.
        if (!QFileInfo::exists(arquivo)) return;
    }
    if (arquivo.isEmpty()) return;
    if (const auto& a = servizos().aplicacion) a->abrir(QUrl::fromLocalFile(arquivo));
}

// Help of the interface language (F1).
void TForm1::SpeedButton133Click() {
    abriraxuda(libro.carpetaprograma);
}

// Type palette on the chooser sheet, sorted for the interface language in force.
void TForm1::crearpaleta() {
    if (selectortipos && comboidiomas)
        selectortipos->crearbotonestipos(localeidioma(comboidiomas->currentIndex()));
}
void TForm1::borrarpaleta() {
    if (selectortipos) selectortipos->borrarbotonestipos();
}

// Sound engine: started once; without an output device sounds go to the default application.
void TForm1::iniciarson() {
    sonpendente = false;
    const auto& motor = servizos().son;
    bassactivo = motor && motor->iniciar() ? 1 : 0;
}
void TForm1::liberarson() {
    if (const auto& motor = servizos().son) motor->pechar();
    canalson = 0;
}
// A sound handed to the default application cannot be stopped.
void TForm1::pararson() {
    if (bassactivo != 1) return;
    if (const auto& motor = servizos().son) motor->parar(canalson);
}

// The image window on a picture; one that cannot be loaded shows no window.
void TForm1::amosarventaimaxe(const QString& arquivo) {
    TForm2 venta(this);
    if (!venta.cargar(arquivo)) return;
    if (const auto& d = servizos().dialogos) d->amosarmodal(&venta);
}

// Export: the Flash player stream, the ZIP writer, the copy list and the Flash host lines.
void TForm1::crearexportacion() {
    exportacion = new ExportSheet(documento, tabExportar,
                                  {[this](const QString& t) { titular->setText(t); },
                                   [this](int modo) { vercomunes(modo); }, [this] { amosarpropiedades(); }});
    conectarhtml(exportacion->pasos, [](const QString& t) { mensaxe(t); });
}
void TForm1::borrarexportacion() {}

} // namespace quibel
