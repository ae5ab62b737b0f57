// Steps of the main window that reach other subsystems: the palette and help are wired here; the
// resource panel, sound playback, the preview, the HTML views and the export objects keep what
// the window needs meanwhile (mostly nothing) until those subsystems fill the bodies in.
#include "editor/axuda.h"
#include "editor/paletatipos.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"

#include <QComboBox>
#include <QFrame>
#include <QUrl>

namespace quibel {

// Sound: without the sound library a sound goes to the desktop's default application.
void TForm1::sonar(const QString& arquivo) {
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


// Sound library: none yet, so sounds go to the default application (bassactivo 0).
void TForm1::iniciarson() {
    bassactivo = 0;
}
void TForm1::liberarson() {}
// Without the sound library nothing plays here that could be stopped.
void TForm1::pararson() {}

// The image window: an empty shell until it can load, resample and save a picture.
void TForm1::amosarventaimaxe(const QString&) {}

// Export: the Flash player stream, the ZIP writer, the copy list and the Flash host lines.
void TForm1::crearexportacion() {}
void TForm1::borrarexportacion() {}

} // namespace quibel
