// The menu page's buttons: choosing the button whose text the view holds and whose picture the slot
// shows, and the label colours of the six buttons. Bound to the controls that are on the sheet.
#include "editor/arrastre.h"
#include "editor/atopar.h"
#include "editor/editores_informacion.h"
#include "editor/garda.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"

#include <QAbstractButton>
#include <QMouseEvent>

namespace quibel {

namespace {

// Button k: its button, its label edit and the top of the selection mark beside it.
const struct {
    const char* boton;
    const char* texto;
    int marca;
} botonsmenu[] = {{"boton1", "txtmenu1", 134}, {"boton2", "txtmenu2", 181}, {"boton3", "txtmenu3", 228},
                  {"boton4", "txtmenu4", 275}, {"boton5", "txtmenu5", 322}, {"boton6", "txtmenu6", 370}};

QWidget* follamenu(const std::array<QWidget*, TForm1::numfollas>& follas) {
    return follas[15 + primeirafollatipo];
}

} // namespace

void TForm1::vincularmenu() {
    QWidget* folla = follamenu(follas);
    for (int k = 1; k <= 6; ++k) {
        const auto& b = botonsmenu[k - 1];
        if (auto* boton = folla->findChild<QAbstractButton*>(QString::fromLatin1(b.boton)))
            connect(boton, &QAbstractButton::clicked, this,
                    [this, k] { guarded([this, k] { escollerboton(k); }); });
        // A click in a label edit chooses its button; reaching it by the keyboard does not.
        if (QLineEdit* e = editen(folla, QString::fromLatin1(b.texto))) {
            FiltroRato::vincular(e, [this, k](QMouseEvent* r) {
                if (r->type() == QEvent::MouseButtonRelease && r->button() == Qt::LeftButton)
                    escollerboton(k);
                return false;
            });
        }
    }
}

void TForm1::cargarmenu() {
    // The sheet starts at button 1 and stores nothing. The view holds that button's text from here
    // on, so the next choice keeps in W0 what the view shows and nothing else.
    botonmenu = 1;
    visormenu->load(libro.texto(documento.paxinaactual(), 1));
    if (QWidget* marca = follamenu(follas)->findChild<QWidget*>(QStringLiteral("marcamenu")))
        marca->move(marca->x(), botonsmenu[0].marca);
}

void TForm1::escollerboton(int k) {
    Tpaxina* p = paxinadetipo(15);
    if (!p || k < 1 || k > 6) return;
    QWidget* folla = follamenu(follas);
    if (QWidget* marca = folla->findChild<QWidget*>(QStringLiteral("marcamenu")))
        marca->move(marca->x(), botonsmenu[k - 1].marca);
    const int n = documento.paxinaactual();
    // The view's own source: what Qt's document would give back is another HTML.
    if (botonmenu != 0) libro.texto(n, botonmenu) = visormenu->source();
    botonmenu = k;
    // The editor stores the view into the button chosen when the sheet is left.
    if (auto* menu = dynamic_cast<EditorMenuBotons*>(editores[15].get())) menu->porbotonmenu(k);
    visormenu->load(libro.texto(n, k));
    campoimaxemenu = 21 + k;
    quitarim(*contextoranuras, folla->findChild<PictureBox*>(QStringLiteral("imxmenu")),
             editen(folla, QStringLiteral("imxmenutxt")), campoimaxemenu, 1);
}

} // namespace quibel
