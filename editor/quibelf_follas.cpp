// The late build of the sheets: the page editors and the properties, export and import sheets
// make their controls the first time they are shown, then run what follows their construction
// (the slot, colour and drag binders, the views, the captions) and catch up with what the window
// received before: the resets of New and Open, what the last book read set, the language in force.
#include "editor/follas.h"
#include "editor/garda.h"
#include "editor/paneiscor.h"
#include "editor/quibelf.h"
#include "languages/rotulos.h"

#include <QAbstractButton>

namespace quibel {

QWidget* TForm1::prepararfolla(int i) {
    if (i < 0 || i >= numfollas) return nullptr;
    if (feitas[i]) return follas[i];
    // Marked first: what the build runs may ask for the same sheet.
    feitas[i] = true;
    const int tipo = i - primeirafollatipo;
    if (tipo >= 1)
        construirtipo(tipo);
    else if (i == identif)
        crearcontroispropiedades();
    else if (i == exporta)
        crearexportacion();
    else if (i == inserir)
        crearimportacion();
    rotularfeita(i);
    // A sheet built at start took the captions first, then every reset: the same order here. The
    // steps of a reset are the same each time, so one run of them stands for all.
    if (tipo >= 1 && editores[tipo] && reiniciado)
        for (const auto paso : {Documento::PasoReinicio::selector, Documento::PasoReinicio::vistas,
                                Documento::PasoReinicio::imaxes, Documento::PasoReinicio::paneis})
            editores[tipo]->reiniciar(paso);
    if (i == identif) {
        const auto pendentes = std::move(pendentespropiedades);
        pendentespropiedades.clear();
        for (const auto& accion : pendentes)
            accion();
    }
    return follas[i];
}

void TForm1::prepararfollas() {
    for (int i = 0; i < numfollas; ++i)
        prepararfolla(i);
}

void TForm1::construirtipo(int tipo) {
    QWidget* folla = follas[tipo + primeirafollatipo];
    if (editores[tipo]) editores[tipo]->crear(*contexto, folla);
    // After the editor's controls: the slots take the rest and are bound, then the colour panels
    // and switches, the views on the editor's frames and the drag rows.
    vincularranuras(tipo);
    vincularpaneis(documento, tipo, folla, this);
    if (tipo == 3)
        if (auto* b = folla->findChild<QAbstractButton*>(QStringLiteral("SpeedButton108")))
            connect(b, &QAbstractButton::clicked, this, en(this, &TForm1::SpeedButton108Click));
    crearvistas(tipo);
    vinculararrastre(tipo); // after the views: the text frame and the menu buttons reload them
}

void TForm1::rotularfeita(int i) {
    QWidget* folla = follas[i];
    // The rows of this sheet, and the rows of the whole window that name a control on it.
    for (const Rotulo& r : rotulos()) {
        if (r.folla != i && r.folla >= 0 && r.folla < numfollas) continue;
        const QList<QWidget*> controis = folla->findChildren<QWidget*>(QString::fromLatin1(r.nome));
        if (controis.isEmpty()) continue;
        const QString texto = r.texto();
        for (QWidget* w : controis)
            porrotulo(w, r.clase, texto);
    }
    const int tipo = i - primeirafollatipo;
    if (tipo >= 1 && editores[tipo]) editores[tipo]->rotular();
}

void TForm1::enpropiedades(std::function<void()> accion) {
    if (follafeita(identif))
        accion();
    else
        pendentespropiedades.push_back(std::move(accion));
}

} // namespace quibel
