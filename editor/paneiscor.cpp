#include "editor/paneiscor.h"

#include "book/rutinas.h"
#include "editor/arrastre.h"
#include "editor/garda.h"
#include "editor/servizos.h"

#include "book/documento.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <functional>
#include <stdexcept>

namespace quibel {

ColourPanel::ColourPanel(QWidget* parent) : Panel(parent) {
    connect(this, &Panel::clicked, this, [this] { guarded([this] { escoller(); }); });
}

void ColourPanel::escoller() {
    const auto& dialogos = servizos().dialogos;
    if (!dialogos) return;
    const std::optional<QColor> cor = dialogos->escollercor(color());
    if (!cor) return;
    setColor(*cor);
    emit corcambiada(*cor);
}

QColor corde(const QString& campo, const QColor& defecto) {
    constexpr TColor nonhai = 0xFFFFFFFFu; // no colour value has its top byte set
    const TColor c = hexacor(campo, nonhai);
    return c == nonhai ? defecto : colorDe(c);
}

QColor corfondolibro(const Book& libro) {
    return corde(libro.corfondolibro, Qt::white);
}

QColor cortextolibro(const Book& libro) {
    return corde(libro.cortextolibro, Qt::black);
}

void cargarcor(Panel* panel, const QString& campo, const QColor& defecto) {
    panel->setColor(corde(campo, defecto));
}

QString gardarcor(const Panel* panel) {
    return corahex(deColor(panel->color()));
}

void encherbaleira(QString& campo, const Panel* panel) {
    if (campo.isEmpty()) campo = gardarcor(panel);
}

void darcor(QWidget* receptor, const QColor& cor, PapelCor papel) {
    const bool editable = qobject_cast<QLineEdit*>(receptor) || qobject_cast<QAbstractScrollArea*>(receptor);
    QPalette p = receptor->palette();
    if (editable) {
        p.setColor(papel == PapelCor::fondo ? QPalette::Base : QPalette::Text, cor);
    } else {
        p.setColor(papel == PapelCor::fondo ? QPalette::Window : QPalette::WindowText, cor);
        if (papel == PapelCor::fondo) receptor->setAutoFillBackground(true);
    }
    receptor->setPalette(p);
}

} // namespace quibel

namespace quibel {

namespace {

const char* const txtmenu[] = {"txtmenu1", "txtmenu2", "txtmenu3", "txtmenu4", "txtmenu5", "txtmenu6"};

// Own-background boxes: checked, the receiver takes the type's background panel; unchecked, the
// book's background.
const struct {
    int tipo;
    const char* caixa;
    const char* panel;
    const char* receptor;
} fondospropios[] = {
    {2, "snfd", "ctfondo", "visortexto"},
    {29, "sfdicta", "Panel48", "txdicta"},
    {38, "scorfondoplan", "corfondoplan", "visorplantilla"},
};

// Pictures and edits that select a radio button.
enum class Xesto { premer, clicar, entrar };
const struct {
    int tipo;
    const char* control;
    Xesto xesto;
    const char* opcion;
} selectores[] = {
    {3, "Shape29", Xesto::premer, "chpuzzle1"},   {3, "Image69", Xesto::premer, "chpuzzle2"},
    {26, "txtsuma1", Xesto::entrar, "chopera1"},  {26, "txtsuma2", Xesto::entrar, "chopera1"},
    {26, "txtsuma3", Xesto::entrar, "chopera1"},  {26, "txtsuma4", Xesto::entrar, "chopera1"},
    {26, "txtresta1", Xesto::entrar, "chopera2"}, {26, "txtresta2", Xesto::entrar, "chopera2"},
    {26, "txtmulti1", Xesto::entrar, "chopera3"}, {26, "txtmulti2", Xesto::entrar, "chopera3"},
    {26, "txtdivi1", Xesto::entrar, "chopera4"},  {26, "txtdivi2", Xesto::entrar, "chopera4"},
    {26, "txtdivd1", Xesto::entrar, "chopera5"},  {26, "txtdivd2", Xesto::entrar, "chopera5"},
    {38, "Image56", Xesto::clicar, "opplan1"},    {38, "Image65", Xesto::clicar, "opplan2"},
    {38, "Image66", Xesto::clicar, "opplan3"},    {38, "Image67", Xesto::clicar, "opplan4"},
    {42, "Image60", Xesto::clicar, "rbesq1"},     {42, "Image63", Xesto::clicar, "rbesq2"},
    {42, "Image62", Xesto::clicar, "rbesq3"},
};

// Runs an action when the control it watches gains or loses the focus (the event goes on).
class AoFoco : public QObject {
public:
    AoFoco(QWidget* control, QEvent::Type tipo, std::function<void()> accion)
        : QObject(control), tipo_(tipo), accion_(std::move(accion)) {
        control->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == tipo_) guarded(accion_);
        return false;
    }

private:
    QEvent::Type tipo_;
    std::function<void()> accion_;
};

QWidget* buscar(QWidget* folla, QWidget* venta, const QString& nome) {
    if (QWidget* w = folla->findChild<QWidget*>(nome)) return w;
    return venta ? venta->findChild<QWidget*>(nome) : nullptr;
}

template <class W> W* daclase(QWidget* w, const char* nome) {
    if (!w) return nullptr;
    if (auto* certo = qobject_cast<W*>(w)) return certo;
    throw std::logic_error(std::string("the control ") + nome + " has another class");
}

// Whether a row is to be bound: its first control decides; made without the others it needs, the
// row is a fault of its editor.
bool completa(std::initializer_list<QWidget*> controis, const char* fila) {
    if (!*controis.begin()) return false;
    for (QWidget* w : controis)
        if (!w) throw std::logic_error(std::string("the row ") + fila + " is found only in part");
    return true;
}

// A row's colour passed on to the controls that show it.
void darareceptores(const FilaCor& f, QWidget* folla, QWidget* venta, const QColor& c) {
    for (const char* nome : f.receptores)
        if (QWidget* r = buscar(folla, venta, QString::fromLatin1(nome))) darcor(r, c, f.papel);
}

void vincularcores(Documento& d, int tipo, QWidget* folla, QWidget* venta) {
    for (const FilaCor& f : filascor()) {
        if (f.tipo != tipo) continue;
        auto* panel = daclase<ColourPanel>(buscar(folla, venta, QString::fromLatin1(f.panel)), f.panel);
        QCheckBox* caixa =
            f.caixa ? daclase<QCheckBox>(folla->findChild<QWidget*>(QString::fromLatin1(f.caixa)), f.caixa)
                    : nullptr;
        if (f.caixa ? !completa({panel, caixa}, f.panel) : !panel) continue;
        QObject::connect(panel, &ColourPanel::corcambiada, panel,
                         [&d, &f, folla, venta, caixa](const QColor& c) {
                             darareceptores(f, folla, venta, c);
                             if (f.campo)
                                 if (Tpaxina* p = paxinaeditada(d, f.tipo))
                                     (*p)[f.campo] = corahex(deColor(c));
                             if (caixa) caixa->setChecked(true);
                         });
    }
    for (const auto& f : fondospropios) {
        if (f.tipo != tipo) continue;
        auto* caixa = daclase<QCheckBox>(folla->findChild<QWidget*>(QString::fromLatin1(f.caixa)), f.caixa);
        if (!caixa) continue;
        QObject::connect(caixa, &QCheckBox::toggled, caixa, [&d, &f, folla, venta](bool marcada) {
            guarded([&] {
                QWidget* r = buscar(folla, venta, QString::fromLatin1(f.receptor));
                auto* panel = qobject_cast<Panel*>(buscar(folla, venta, QString::fromLatin1(f.panel)));
                if (!r) return;
                darcor(r, marcada && panel ? panel->color() : corfondolibro(d.libro), PapelCor::fondo);
            });
        });
    }
}

void vincularselectores(int tipo, QWidget* folla) {
    for (const auto& s : selectores) {
        if (s.tipo != tipo) continue;
        QWidget* control = folla->findChild<QWidget*>(QString::fromLatin1(s.control));
        auto* opcion =
            daclase<QRadioButton>(folla->findChild<QWidget*>(QString::fromLatin1(s.opcion)), s.opcion);
        if (!completa({control, opcion}, s.control)) continue;
        if (s.xesto == Xesto::entrar) {
            new AoFoco(control, QEvent::FocusIn, [opcion] { opcion->setChecked(true); });
            continue;
        }
        const QEvent::Type evento =
            s.xesto == Xesto::premer ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
        FiltroRato::vincular(control, [opcion, evento](QMouseEvent* e) {
            if (e->type() == evento && e->button() == Qt::LeftButton) opcion->setChecked(true);
            return false;
        });
    }
}

template <class W> W* control(QWidget* folla, const char* nome) {
    return daclase<W>(folla->findChild<QWidget*>(QString::fromLatin1(nome)), nome);
}

void vincularinterruptores(int tipo, QWidget* folla) {
    if (tipo == 3) {
        // The puzzle's picture and background panels, one shown at a time under its header.
        auto* p25 = control<Panel>(folla, "Panel25");
        auto* p26 = control<Panel>(folla, "Panel26");
        QWidget* p23 = control<QWidget>(folla, "Panel23");
        QWidget* p24 = control<QWidget>(folla, "Panel24");
        if (completa({p25, p26, p23, p24}, "Panel25")) {
            const auto amosar = [=](bool imaxe) {
                p23->setVisible(imaxe);
                p24->setVisible(!imaxe);
                const QColor laranxa(0xFF, 0x80, 0x40), azul(0x84, 0xE1, 0xFD);
                p25->setColor(imaxe ? laranxa : azul);
                p26->setColor(imaxe ? azul : laranxa);
            };
            QObject::connect(p25, &Panel::clicked, p25, [amosar] { amosar(true); });
            QObject::connect(p26, &Panel::clicked, p26, [amosar] { amosar(false); });
        }
    }
    if (tipo == 5) {
        auto* boton = control<QAbstractButton>(folla, "SpeedButton107");
        QWidget* texto = control<QWidget>(folla, "Panel41");
        if (completa({boton, texto}, "SpeedButton107"))
            QObject::connect(boton, &QAbstractButton::clicked, boton,
                             [texto] { texto->setVisible(texto->isHidden()); });
        // The lens: its size as typed, 20 when it is no number, and the edit shows what counts.
        auto* raibur = control<QLineEdit>(folla, "raibur");
        QWidget* cbura = control<QWidget>(folla, "cbura");
        if (completa({raibur, cbura}, "raibur")) {
            const auto aplicar = [raibur, cbura] {
                const int n = enteiro(raibur->text(), 20);
                const QString t = QString::number(n);
                if (raibur->text() != t) raibur->setText(t);
                cbura->resize(qMax(n, 0), qMax(n, 0));
            };
            QObject::connect(raibur, &QLineEdit::textChanged, raibur, aplicar);
            new AoFoco(raibur, QEvent::FocusOut, aplicar);
        }
    }
    if (tipo == 9) {
        auto* boton = control<QAbstractButton>(folla, "SpeedButton163");
        QWidget* texto = control<QWidget>(folla, "Panel45");
        if (completa({boton, texto}, "SpeedButton163"))
            QObject::connect(boton, &QAbstractButton::clicked, boton,
                             [texto] { texto->resize(texto->width(), texto->height() < 40 ? 260 : 20); });
    }
    if (tipo == 23) {
        // Seeing the targets and moving in any order exclude each other.
        auto* ver = control<QCheckBox>(folla, "movimxver");
        auto* senorde = control<QCheckBox>(folla, "senorde");
        if (completa({ver, senorde}, "movimxver")) {
            QObject::connect(ver, &QCheckBox::clicked, ver, [senorde](bool marcada) {
                if (marcada) senorde->setChecked(false);
            });
            QObject::connect(senorde, &QCheckBox::clicked, senorde, [ver](bool marcada) {
                if (marcada) ver->setChecked(false);
            });
        }
    }
    if (tipo == 29) {
        auto* tamtextos = control<QLineEdit>(folla, "tamtextos");
        auto* txdicta = control<QWidget>(folla, "txdicta");
        if (completa({tamtextos, txdicta}, "tamtextos"))
            QObject::connect(tamtextos, &QLineEdit::textChanged, tamtextos, [txdicta](const QString& t) {
                const int n = enteiro(t, 12);
                QFont f = txdicta->font();
                f.setPointSize(n > 0 ? n : 12);
                txdicta->setFont(f);
            });
    }
}

} // namespace

const std::vector<FilaCor>& filascor() {
    using enum PapelCor;
    static const std::vector<FilaCor> filas = {
        {2, "ctfondo", {"visortexto"}, fondo, 18, "snfd"},
        {2, "cttexto", {"visortexto"}, texto, 19, nullptr},
        {5, "raicol", {}, fondo, 29, nullptr},
        {7,
         "imcorfondo",
         {"GroupBox31", "GroupBox32", "GroupBox33", "GroupBox36", "GroupBox57", "GroupBox99"},
         fondo,
         0,
         nullptr},
        {14,
         "bcarrastra",
         {"GroupBox17", "GroupBox54", "GroupBox23", "GroupBox39", "GroupBox37", "GroupBox40"},
         fondo,
         0,
         nullptr},
        {15, "cboton", {std::begin(txtmenu), std::end(txtmenu)}, fondo, 0, nullptr},
        {15, "cbtexto", {std::begin(txtmenu), std::end(txtmenu)}, texto, 0, nullptr},
        {17,
         "caracol",
         {"GroupBox2", "GroupBox46", "GroupBox47", "GroupBox48", "GroupBox49", "GroupBox50"},
         fondo,
         0,
         nullptr},
        {17, "caratapa", {}, fondo, 0, nullptr},
        {24,
         "bcescolle",
         {"GroupBox60", "GroupBox61", "GroupBox62", "GroupBox63", "GroupBox64", "GroupBox65"},
         fondo,
         0,
         nullptr},
        {29, "Panel48", {"txdicta"}, fondo, 18, "sfdicta"},
        {29, "Panel56", {"txdicta"}, texto, 19, nullptr},
        {38, "corfondoplan", {"visorplantilla"}, fondo, 18, "scorfondoplan"},
        // The template's text colour is stored and shown like the text page's.
        {38, "cortexplan", {"visorplantilla"}, texto, 19, nullptr},
        {39, "fondopar2", {}, fondo, 0, nullptr},
        {39, "carapar2", {}, fondo, 0, nullptr},
    };
    return filas;
}

void pasarcor(QWidget* folla, const char* panel) {
    QWidget* venta = folla->window();
    for (const FilaCor& f : filascor())
        if (QLatin1String(f.panel) == QLatin1String(panel))
            if (auto* p = qobject_cast<Panel*>(buscar(folla, venta, QString::fromLatin1(panel))))
                darareceptores(f, folla, venta, p->color());
}

Tpaxina* paxinaeditada(Documento& d, int tipo) {
    const int n = d.paxinaactual();
    if (n < 1 || n > d.libro.numpaxinas || d.tipoactual != tipo) return nullptr;
    return &d.libro.paxina(n);
}

void vincularpaneis(Documento& documento, int tipo, QWidget* folla, QWidget* venta) {
    vincularcores(documento, tipo, folla, venta);
    vincularselectores(tipo, folla);
    vincularinterruptores(tipo, folla);
}

} // namespace quibel
