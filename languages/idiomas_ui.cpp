// The main window's side of the interface language: the language list, the language menu and
// their handlers, and the window's answer when a language is applied.
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/quibelf.h"
#include "languages/idiomas.h"
#include "languages/rotulos.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace quibel {

void TForm1::crearcontroisidioma() {
    comboidiomas = new QComboBox(this);
    comboidiomas->setObjectName(QStringLiteral("comboidiomas"));
    comboidiomas->setEditable(false);
    comboidiomas->setGeometry(10, 10, 180, 24);
    // activated is the user's choice only; currentIndexChanged would also fire on
    // cambiacomboidiomas and write the configuration file for a choice nobody made.
    connect(comboidiomas, &QComboBox::activated, this, [this] { guarded([this] { comboidiomasSelect(); }); });

    popm = new QMenu(this);
    popm->setObjectName(QStringLiteral("popm"));
    const struct {
        QAction* TForm1::*item;
        const char* nome;
        QString caption;
        void (TForm1::*click)();
    } items[] = {
        {&TForm1::Espaol1, "Espaol1", QStringLiteral("Español"), &TForm1::Espaol1Click},
        {&TForm1::Galego1, "Galego1", QStringLiteral("Galego"), &TForm1::Galego1Click},
        {&TForm1::Catal1, "Catal1", QStringLiteral("Català"), &TForm1::Catal1Click},
        {&TForm1::Euskara1, "Euskara1", QStringLiteral("Euskara"), &TForm1::Euskara1Click},
        {&TForm1::Portugus1, "Portugus1", QStringLiteral("Português"), &TForm1::Portugus1Click},
        {&TForm1::English1, "English1", QStringLiteral("English"), &TForm1::English1Click},
        {&TForm1::Franais1, "Franais1", QStringLiteral("Français"), &TForm1::Franais1Click},
        {&TForm1::Italiano1, "Italiano1", QStringLiteral("Italiano"), &TForm1::Italiano1Click},
        {&TForm1::Asturianu1, "Asturianu1", QStringLiteral("Asturianu"), &TForm1::Asturianu1Click},
        {&TForm1::Deusche1, "Deusche1", QStringLiteral("Deusche"), &TForm1::Deusche1Click},
        {&TForm1::Po1, "Po1", QStringLiteral("Português_Brasil"), &TForm1::Po1Click},
        {&TForm1::Valenci1, "Valenci1", QStringLiteral("Valencià"), &TForm1::Valenci1Click},
    };
    for (const auto& i : items) {
        QAction* accion = popm->addAction(i.caption);
        accion->setObjectName(QString::fromLatin1(i.nome));
        this->*i.item = accion;
        const auto click = i.click;
        connect(accion, &QAction::triggered, this,
                [this, click] { guarded([this, click] { (this->*click)(); }); });
    }

    // Applying a language, here or in another window, reaches this one through its document.
    connect(&documento, &Documento::idiomacambiado, this,
            [this](int n) { guarded([this, n] { idiomacambiado(n); }); });
}

void TForm1::idiomacambiado(int n) {
    cambiacomboidiomas(n);
    cambiartextos();
}

void TForm1::crearbotonesmenu() {
    comboidiomas->setUpdatesEnabled(false);
    comboidiomas->clear();
    for (const QString& nome : nomesidiomas)
        comboidiomas->addItem(nome);
    comboidiomas->setUpdatesEnabled(true);
    comboidiomas->setCurrentIndex(0);
    cargaridioma(libro.carpetaprograma, libro.carpetacfg);
}

void TForm1::cambiacomboidiomas(int n) {
    if (n < -1 || n == comboidiomas->currentIndex() || n >= comboidiomas->count()) return;
    comboidiomas->setCurrentIndex(n);
}

void TForm1::comboidiomasSelect() {
    escolleridioma(comboidiomas->currentIndex(), libro.carpetacfg);
}

void TForm1::Espaol1Click() {
    escolleridioma(0, libro.carpetacfg);
}
void TForm1::Galego1Click() {
    escolleridioma(1, libro.carpetacfg);
}
void TForm1::Catal1Click() {
    escolleridioma(2, libro.carpetacfg);
}
void TForm1::Euskara1Click() {
    escolleridioma(3, libro.carpetacfg);
}
void TForm1::Portugus1Click() {
    escolleridioma(4, libro.carpetacfg);
}
void TForm1::English1Click() {
    escolleridioma(5, libro.carpetacfg);
}
void TForm1::Franais1Click() {
    escolleridioma(6, libro.carpetacfg);
}
void TForm1::Italiano1Click() {
    escolleridioma(7, libro.carpetacfg);
}
void TForm1::Asturianu1Click() {
    escolleridioma(8, libro.carpetacfg);
}
void TForm1::Deusche1Click() {
    escolleridioma(9, libro.carpetacfg);
}
void TForm1::Po1Click() {
    escolleridioma(10, libro.carpetacfg);
}
void TForm1::Valenci1Click() {
    escolleridioma(11, libro.carpetacfg);
}

bool TForm1::porrotulo(QWidget* control, int clase, const QString& texto) {
    if (clase == Rotulo::hint) {
        control->setToolTip(texto);
        return true;
    }
    if (clase == Rotulo::etiqueta) {
        auto* l = qobject_cast<LabelledEdit*>(control);
        if (l) l->setCaption(texto);
        return l;
    }
    if (auto* p = qobject_cast<Panel*>(control))
        p->setCaption(texto);
    else if (auto* g = qobject_cast<QGroupBox*>(control))
        g->setTitle(texto);
    else if (auto* b = qobject_cast<QAbstractButton*>(control))
        b->setText(texto);
    else if (auto* l = qobject_cast<QLabel*>(control))
        l->setText(texto);
    else
        return false;
    return true;
}

QList<QWidget*> TForm1::controisderotulo(const Rotulo& r) const {
    const QString nome = QString::fromLatin1(r.nome);
    if (r.folla >= 0 && r.folla < numfollas) return follas[r.folla]->findChildren<QWidget*>(nome);
    return findChildren<QWidget*>(nome);
}

void TForm1::rotularfolla(QWidget* folla, int numero) {
    for (const Rotulo& r : rotulos())
        if (r.folla == numero)
            for (QWidget* w : folla->findChildren<QWidget*>(QString::fromLatin1(r.nome)))
                porrotulo(w, r.clase, r.texto());
}

void TForm1::rotularventa() {
    crearpaleta(); // the palette first: its captions are the type names
    // A control that its sheet's editor has not made yet is skipped.
    for (const Rotulo& r : rotulos()) {
        const QString texto = r.texto();
        for (QWidget* w : controisderotulo(r))
            porrotulo(w, r.clase, texto);
    }
}

void TForm1::cambiartextos() {
    // The language list and menu keep their own names in every language.
    rotularventa();
    // A sheet not built yet is captioned when it is built.
    for (int t = 1; t <= numtipos; ++t)
        if (editores[t] && follafeita(t + primeirafollatipo)) editores[t]->rotular();
}

} // namespace quibel
