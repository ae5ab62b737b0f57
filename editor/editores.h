// The page types and their editors. Every page type t has an editor sheet (sheet t + 6 of the
// page control) whose own controls come from a PageEditor registered for t; the main window's
// editor cycle loads and stores the fields common to every page around it. A type without a
// registered editor shows and stores only the common fields.
#pragma once

#include "book/globais.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace quibel {

class TForm1;

inline constexpr int numtipos = 51;         // page types 1..51; 0 is the book properties
inline constexpr int primeirafollatipo = 6; // the sheet of type t is t + primeirafollatipo

// One row of the page-type table: the type's name (its sheet's hidden caption), the sheet's
// objectName, and its title line: textosui[titulo] + sufixo, then textosui[titulo2] when >= 0.
struct Tipopaxina {
    int codigo;
    const char* nome;
    const char* folla;
    int titulo;
    const char* sufixo;
    int titulo2;
};

// Rows 0..51, row t for type t (row 0: `identif`, the book properties, on sheet 4).
extern const std::array<Tipopaxina, numtipos + 1> tipospaxina;

// The title line of type t in the language in force; empty outside 0..51.
QString titulotipo(int tipo);

// The type-specific half of an editor sheet.
class PageEditor {
public:
    virtual ~PageEditor() = default;
    // Builds the type's controls on its (empty) sheet; called once while the window is built.
    virtual void crear(TForm1& form, QWidget* folla) = 0;
    // Copies page `paxina` into the controls. Must not throw: numbers and colours are read
    // leniently with the field's default (enteiro(texto, defecto)), so that a half-loaded sheet
    // never holds values of another page. May write defaults into the page.
    virtual void cargar(Book& libro, int paxina) = 0;
    // Copies the controls into page `paxina` (the common fields are stored by the window).
    virtual void gardar(Book& libro, int paxina) = 0;
};

using FabricaEditor = std::function<std::unique_ptr<PageEditor>()>;

// The editor factory of type t (empty when the type has none yet). A page-type editor is added by
// one line in the default table of editores.cpp.
FabricaEditor fabricaeditor(int tipo);
// Replaces the factory of type t (tests use it; an empty factory removes it). Windows built
// afterwards use it.
void rexistrareditor(int tipo, FabricaEditor fabrica);

} // namespace quibel
