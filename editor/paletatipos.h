// The type palette of the chooser sheet: one button per page type, captioned with the type's name
// in the interface language and laid out in the collation order of those names, and six category
// buttons that highlight the types of a category or clear the highlight. The layout is a pure
// function; the buttons belong to the chooser sheet that shows them and are rebuilt on every
// language change.
#pragma once

#include "editor/panelboton.h"
#include "languages/idiomas.h"

#include <QFrame>
#include <QLocale>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <vector>

namespace quibel {

inline constexpr int numbotonestipos = 51;
inline constexpr int numbotonescategorias = 6;
inline constexpr int filaspaleta = 17; // buttons per column

// Entry of textosui that names page type t, at index t - 1.
inline constexpr std::array<int, numbotonestipos> entradasnomestipos = {
    12,  7,   8,   9,   22,  20,  21,  13,  149, 11,  16,  14,  18,  19,  24,  23,  10,
    27,  28,  25,  15,  17,  26,  154, 152, 151, 153, 163, 47,  164, 165, 166, 202, 171,
    203, 185, 174, 189, 204, 191, 192, 194, 197, 198, 199, 205, 206, 207, 208, 173, 217};
// Entry of textosui that captions category button k + 1.
inline constexpr std::array<int, numbotonescategorias> entradascategorias = {209, 70, 33, 210, 211, 212};

// Page types (1..51) of category k + 1 for k = 0..4; empty for the clearing button (k = 5) and
// for any other k.
std::span<const int> tiposdecategoria(int k);

// One page-type button of the palette, in sorted order.
struct Botonpaleta {
    int tipo = 0;    // page type 1..51
    QString nome;    // objectName: "btipo" + sorted position
    QString caption; // the type's name, as the table gives it
    QRect xeometria; // position and size in the palette panel
};

// The 51 page-type buttons in the order of their names under the locale's collation, ignoring
// case; equal names keep the order of their type numbers. Names are never parsed: any text,
// "=" or duplicates included, gives each type exactly one button.
std::vector<Botonpaleta> disposiciontipos(const Textosui& textos, const QLocale& locale);
// Position and size of category button k.
QRect xeometriacategoria(int k);
// The locale whose collation orders the palette for interface language n (language order of
// codidiomas); the default locale for any other n (a user's language file).
QLocale localeidioma(int n);

// The chooser sheet (sheet 1 of the main window's page control): the panel paneltipos that
// fills it and holds the palette, and the sheet's show and hide handlers. The main window sets
// the hooks and widgets below; a hook left empty is skipped.
class SelectorTipos : public QWidget {
    Q_OBJECT
public:
    explicit SelectorTipos(QWidget* parent = nullptr);
    ~SelectorTipos() override;

    QFrame* paneltipos() const { return paneltipos_; }

    std::function<void(int tipo)> iniciatipo;       // a type button was clicked
    std::function<void(int modo)> vercomunes;       // the common page panels
    std::function<void(const QString&)> portitular; // sets the title line
    QPointer<QWidget> panelsonavega;                // bottom bar of the editor
    QPointer<QWidget> navega;                       // navigation panel

    // The buttons of this palette. botonestipos[t] is the button of type t + 1,
    // botonescategorias[k] the button of category k + 1. Guarded pointers: a button freed with
    // its panel reads as null.
    std::array<QPointer<Tpanelboton>, numbotonestipos> botonestipos;
    std::array<QPointer<Tpanelboton>, numbotonescategorias> botonescategorias;
    // Index of the last page-type button built: 50 after a build, 0 before the first.
    int ultimobotontipo = 0;

    // (Re)builds the palette from the current textosui with this locale's collation; clicks go to
    // iniciatipo. The new buttons are complete before the old ones are freed; no button is
    // highlighted afterwards.
    void crearbotonestipos(const QLocale& locale);
    // Frees the category and page-type buttons.
    void borrarbotonestipos();
    // Highlights the types of category k + 1 (k = 0..4) after clearing the highlight; k = 5 only
    // clears; other k do nothing. The category buttons themselves never change.
    void marcarcategoria(int k);
    // Clears the highlight of every page-type button.
    void desmarcartipos();
    // Click of a category button: highlights the category of its Tag.
    void picaseleccion(const Tpanelboton* sender);

    void TabSheet22Show();
    void TabSheet22Hide();

private:
    QFrame* paneltipos_;
};

} // namespace quibel
