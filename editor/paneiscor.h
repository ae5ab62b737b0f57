// Colour panels: the one way an editor sheet shows and stores a colour. A ColourPanel asks the
// colour chooser when clicked and tells of the colour chosen; the helpers load a panel from a page
// field, give the field of its colour and pass a colour on to the controls that show it.
#pragma once

#include "editor/controis.h"

#include <QColor>
#include <QString>

namespace quibel {

// A panel whose click opens the colour chooser at its colour. OK sets the colour and emits
// corcambiada; cancel changes nothing. Its handlers run on corcambiada and never ask the chooser
// themselves. The colour is the panel's own member, never read back from a palette.
class ColourPanel : public Panel {
    Q_OBJECT
public:
    explicit ColourPanel(QWidget* parent = nullptr);

signals:
    void corcambiada(const QColor& cor);

private:
    void escoller();
};

// The panel takes the colour of a field (RRGGBB), or the default when the text is not hexadecimal.
void cargarcor(Panel* panel, const QString& campo, const QColor& defecto);
// The field text of a panel's colour (RRGGBB).
QString gardarcor(const Panel* panel);
// A field's colour, or the default when it is not hexadecimal.
QColor corde(const QString& campo, const QColor& defecto);

// What a colour is to the control that takes it.
enum class PapelCor { fondo, texto };
// Edits, memos, grids and HTML views take it as their base or text colour; other controls (group
// boxes, panels) as their window or window-text colour, filling their background.
void darcor(QWidget* receptor, const QColor& cor, PapelCor papel);

} // namespace quibel
