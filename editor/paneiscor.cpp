#include "editor/paneiscor.h"

#include "book/rutinas.h"
#include "editor/garda.h"
#include "editor/servizos.h"

#include <QAbstractScrollArea>
#include <QLineEdit>

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

void cargarcor(Panel* panel, const QString& campo, const QColor& defecto) {
    panel->setColor(corde(campo, defecto));
}

QString gardarcor(const Panel* panel) {
    return corahex(deColor(panel->color()));
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
