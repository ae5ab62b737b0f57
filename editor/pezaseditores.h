// Pieces that the editors of the positioned, picture-set and number pages share: slot controls
// made with the classes the slot binder expects, radio groups built from rows, lenient reads of
// numeric modes and positions, and the sign lists of the fraction pages.
#pragma once

#include "editor/controis.h"
#include "editor/editores.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLayout;
class QVBoxLayout;

namespace quibel {

class PictureBox;

// The factory of an editor class.
template <class E> std::unique_ptr<PageEditor> novo() {
    return std::make_unique<E>();
}

// A column layout on a sheet.
QVBoxLayout* columna(QWidget* w);
// A named group box added to a layout.
QGroupBox* grupo(QWidget* pai, const char* nome, QLayout* l);

// A radio button of a group: its objectName, the code it stores and further codes that check it.
struct BotonRadio {
    const char* nome;
    const char* codigo;
    QStringList cargar = {};
};
// Makes the buttons on pai (laid out in l when given) and their own group, named grupo, on the
// sheet.
RadioGroup* radios(QWidget* folla, QWidget* pai, const char* grupo, std::initializer_list<BotonRadio> botons,
                   QBoxLayout* l = nullptr);
// A mode field read as a number: a text that is not a whole number counts as defecto; a number no
// button has checks none (and is kept by the store).
void cargarradionumero(RadioGroup* grupo, const QString& campo, int defecto);

// A position field: its whole number, or the default when it is not one.
int posicion(const QString& campo, int defecto);

// The objectName of a numbered control: base, the number, fin ("par2imx" 3 -> "par2imx3").
QByteArray nomenumero(const char* base, int numero, const char* fin = "");

// A picture slot as a column: the picture over its name edit and clear button; a null nome for a
// slot that shows no name.
QWidget* ranuraimaxe(QWidget* pai, const char* imaxe, const char* nome, const char* limpar,
                     QSize tamano = {64, 48});

// The operation signs of the fraction pages, in the order of their lists.
QStringList signosfraccion();
// The list selects the item equal to the field, none when no item is; an empty field first
// becomes "+" in the page.
void cargarsigno(QComboBox* lista, QString& campo);
// The selected item's text; the field stays while none is selected.
void gardarsigno(const QComboBox* lista, QString& campo);

} // namespace quibel
