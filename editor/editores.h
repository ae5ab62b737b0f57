// The page types and their editors. Every page type t has an editor sheet (sheet t + 6 of the
// page control) whose own controls come from a PageEditor registered for t; the main window's
// editor cycle loads and stores the fields common to every page around it. A type without a
// registered editor shows and stores only the common fields. An editor sees the document, the
// services and the shared pieces through an EditorContext, never the main window.
#pragma once

#include "book/documento.h"
#include "book/globais.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace quibel {

class Documento;
class LabelledEdit;
struct Servizos;

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

// The pieces of the main window that several editors share. The window offers what it has; the
// resource panel, the colour panels, the HTML views, the picture slots and the drag binding add
// theirs here as they come.
struct PezasCompartidas {
    LabelledEdit* editoculto = nullptr; // a spare name edit that is never shown
};

// What an editor may reach: the open document (book, page shown), the outside services (dialogs
// and messages, the default application, the screen), sound playback and the shared pieces.
struct EditorContext {
    Documento& documento;
    Servizos& servizos;
    std::function<void(const QString& arquivo)> sonar; // plays a sound file
    PezasCompartidas pezas;
};

// The type-specific half of an editor sheet, with the quirks of its type.
class PageEditor {
public:
    virtual ~PageEditor() = default;
    // Builds the type's controls on its (empty) sheet; called once, the first time the sheet is
    // shown or reached. The context outlives the editor.
    virtual void crear(EditorContext& contexto, QWidget* folla) = 0;
    // Copies page `paxina` into the controls. Must not throw: numbers and colours are read
    // leniently with the field's default (enteiro(texto, defecto)), so that a half-loaded sheet
    // never holds values of another page. May write defaults into the page.
    virtual void cargar(Book& libro, int paxina) = 0;
    // Copies the controls into page `paxina` (the common fields are stored by the window).
    virtual void gardar(Book& libro, int paxina) = 0;

    // A page of this type was just inserted (its type code is set): the fields it starts with.
    virtual void novapaxina(Tpaxina& paxina) { (void)paxina; }
    // Captions and hints of the sheet's fixed controls in the language in force.
    virtual void rotular() {}
    // The book was reset (New, Open): controls that show book-wide values, such as colour panels
    // of the sheet, go back to their defaults.
    virtual void reiniciar() {}
    // One step of that reset, in order; the panels step is reiniciar() above.
    virtual void reiniciar(Documento::PasoReinicio paso) {
        if (paso == Documento::PasoReinicio::paneis) reiniciar();
    }
    // Whether storing the sheet also stores the page-sound auto-play box (P37). A type whose own
    // control writes that field when clicked keeps it out of the common store.
    virtual bool gardaautoson() const { return true; }
};

using FabricaEditor = std::function<std::unique_ptr<PageEditor>()>;

// The editor factory of type t (empty when the type has none yet). A page-type editor is added by
// one line in the default table of editores.cpp.
FabricaEditor fabricaeditor(int tipo);
// Replaces the factory of type t (tests use it; an empty factory removes it). Windows built
// afterwards use it.
void rexistrareditor(int tipo, FabricaEditor fabrica);

} // namespace quibel
