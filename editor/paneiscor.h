// Colour panels: the one way an editor sheet shows and stores a colour. A ColourPanel asks the
// colour chooser when clicked and tells of the colour chosen; the helpers load a panel from a page
// field, give the field of its colour and pass a colour on to the controls that show it.
#pragma once

#include "editor/controis.h"

#include "book/globais.h"

#include <QColor>
#include <QString>
#include <vector>

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
// An empty colour field takes the colour the panel shows, written into the page at load.
void encherbaleira(QString& campo, const Panel* panel);
// A field's colour, or the default when it is not hexadecimal.
QColor corde(const QString& campo, const QColor& defecto);
// The book's background and text colours, read leniently (white and black when unreadable).
QColor corfondolibro(const Book& libro);
QColor cortextolibro(const Book& libro);

// What a colour is to the control that takes it.
enum class PapelCor { fondo, texto };
// Edits, memos, grids and HTML views take it as their base or text colour; other controls (group
// boxes, panels) as their window or window-text colour, filling their background.
void darcor(QWidget* receptor, const QColor& cor, PapelCor papel);

class Documento;

// The page shown while the editor sheet of type `tipo` is open on it; null otherwise (no page,
// another sheet, or the sheet already stored). Controls that write a page at once go through it.
Tpaxina* paxinaeditada(Documento& documento, int tipo);

// Binds the colour panels and option switches of the sheet of one page type: panels with the
// controls they colour and the field they write, own-background boxes, fold panels, pictures and
// edits that select an option. The controls are the ones the type's editor made; a type whose
// editor has not made them is left unbound, and a row found only in part is a fault of its editor
// (std::logic_error). Receivers are looked up by name on the sheet, then on the window, when a
// colour reaches them.
void vincularpaneis(Documento& documento, int tipo, QWidget* folla, QWidget* venta);

// The colour the panel of that name shows passed on to the controls of its row, as a load shows a
// page's colour (a chosen colour is passed on by the binder).
void pasarcor(QWidget* folla, const char* panel);

// The colour rows, for tests: type, panel, receivers, field (0 none), own-background box.
struct FilaCor {
    int tipo;
    const char* panel;
    std::vector<const char*> receptores;
    PapelCor papel;
    int campo;
    const char* caixa;
};
const std::vector<FilaCor>& filascor();

} // namespace quibel
