// Small pieces shared by the editors of the classifying, linking, ordering and picture-game sheets:
// builders of the slot controls and radio groups, load rules the binding rows do not cover (a
// radio whose unknown codes fall back to one button, an edit that only shows a default), and the
// initial colours of the sheets' colour panels.
#pragma once

#include "book/globais.h"
#include "editor/controis.h"

#include <QColor>
#include <QString>
#include <initializer_list>

class QGroupBox;
class QToolButton;

namespace quibel {

class Panel;
class PictureBox;

// The colours the panels show before any page of their type was shown (and again after a New or
// an Open); a fresh page takes them.
namespace coresiniciais {
inline const QColor raicol{0x00, 0x00, 0x00};
inline const QColor caratapa{0x00, 0x00, 0x00};
inline const QColor paxina{0x84, 0xE1, 0xFD}; // bcescolle, bcarrastra, caracol
} // namespace coresiniciais
// The hole of an X-rays page before a page set it.
inline constexpr const char* raiburinicial = "50";

// A group box with a column of its own.
QGroupBox* caixagrupo(QWidget* pai, const char* nome);
// A box of a classify page: its name edit, its picture slot (no name edit) and its opacity.
QGroupBox* caixaclasifica(QWidget* pai, const char* grupo, const char* nome, const char* imaxe,
                          const char* limpar, const char* opacidade);

// A picture slot: the picture, its name edit (none: nullptr) and its clear button, in a column.
PictureBox* ranuraimaxe(QWidget* pai, const char* imaxe, const char* nome, const char* limpar);
// A sound slot: the name edit, the play and the clear button, in a row.
LabelledEdit* ranurason(QWidget* pai, const char* nome, const char* tocar, const char* limpar);

// One radio button of a group: its objectName and its code.
struct Opcion {
    const char* boton;
    const char* codigo;
};
// A radio group of its own named nome on the sheet, its buttons made on pai (and put in pai's
// layout when it has one).
RadioGroup* grupo(QWidget* folla, const char* nome, QWidget* pai, std::initializer_list<Opcion> botons);

// Checks the button of the code, or the button of outro when no button has that code.
void porradio(RadioGroup* g, const QString& codigo, const char* outro);
// Shows x in the edit when the field is empty; the field stays as it is.
void amosarbaleiro(QLineEdit* e, const QString& campo, const char* x);

// The six box pairs of the classify pages: groups parella1..parella6 of fields P19..P24 with the
// codes "1" (box 1) and "2" (box 2). "2" checks box 2 and any other value box 1; box 1 stores "1"
// and anything else "2".
void cargarparellas(QWidget* folla, const Tpaxina& p);
void gardarparellas(QWidget* folla, Tpaxina& p);

} // namespace quibel
