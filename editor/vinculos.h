// Binding tables of the page editors: each row ties a control of a sheet (by objectName) to a page
// field under one rule, so that an editor's load and store are its table plus its type's special
// steps. Also the own background colour that several types
// share, and small builders that make named controls.
#pragma once

#include "book/globais.h"
#include "editor/controis.h"
#include "editor/editores.h"

#include <QColor>
#include <QString>
#include <vector>

class QCheckBox;
class QToolButton;

namespace quibel {

class Panel;
class PictureBox;

// Field numbers of a row: P0..P41, or the wide texts W0..W5 as W(0)..W(5).
constexpr int W(int indice) {
    return 100 + indice;
}
// The text of a field of page n (W(i) is the wide text stored under the index i + 1).
QString& campode(Book& libro, int paxina, int campo);

enum class Regra {
    texto,   // as stored / as typed (edits, labelled edits)
    memo,    // a multi-line text: LF in the control, CR LF in the model
    marca,   // a check box: checked when the field is V (or unless it is V); stores its on/off text
    radio,   // a RadioGroup: checks the button of the code; unchanged when none is checked
    baleiro, // an edit whose empty field becomes X, written into the page at load (and at store)
    cor,     // a colour panel with its default
};

// The colour a panel shows for a field that is not RRGGBB.
enum class CorDefecto {
    fondolibro, // the book background
    textolibro, // the book text colour
    panel,      // whatever the panel shows at that moment
};

struct Vinculo {
    const char* control; // objectName on the sheet
    int campo;
    Regra regra;
    const char* valor = "1"; // marca: V; baleiro: X
    bool salvo = false;      // marca: checked unless the field is V
    const char* si = "1";    // marca: stored when checked
    const char* non = "0";   // marca: stored when unchecked
    CorDefecto cor = CorDefecto::panel;
};

// The rows, as the type tables put them.
constexpr Vinculo texto(const char* c, int campo) {
    return {c, campo, Regra::texto};
}
constexpr Vinculo memo(const char* c, int campo) {
    return {c, campo, Regra::memo};
}
// Checked when the field is v; stores si / non.
constexpr Vinculo marcacando(const char* c, int campo, const char* v = "1", const char* si = "1",
                             const char* non = "0") {
    return {c, campo, Regra::marca, v, false, si, non};
}
// Checked unless the field is v; stores si / non.
constexpr Vinculo marcasalvo(const char* c, int campo, const char* v, const char* si = "1",
                             const char* non = "0") {
    return {c, campo, Regra::marca, v, true, si, non};
}
// c names the RadioGroup (a QButtonGroup child of the sheet).
constexpr Vinculo radio(const char* c, int campo) {
    return {c, campo, Regra::radio};
}
constexpr Vinculo baleiro(const char* c, int campo, const char* x) {
    return {c, campo, Regra::baleiro, x};
}
constexpr Vinculo cor(const char* c, int campo, CorDefecto defecto) {
    return {c, campo, Regra::cor, "1", false, "1", "0", defecto};
}

// Rows and names of numbered series of controls ("txtmenu1".."txtmenu6"): the name prefix + i,
// kept for the program's lifetime (the rows point at it).
const char* nomeserie(const char* prefixo, int i);
// Edits prefix1..prefixN as typed into fields primeiro..primeiro + N - 1.
std::vector<Vinculo> serietexto(const char* prefixo, int primeiro, int conta);
template <class T> std::vector<T> mais(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A table bound to the controls of one sheet. Loads set the controls without signals; a load never
// throws on a field's content.
class TaboaVinculos {
public:
    TaboaVinculos() = default;
    explicit TaboaVinculos(std::vector<Vinculo> filas) : filas_(std::move(filas)) {}
    // Finds every row's control on the sheet; a missing control or one of another class is a
    // programming error (std::logic_error).
    void vincular(QWidget* folla);
    void cargar(Book& libro, int paxina) const;
    void gardar(Book& libro, int paxina) const;
    const std::vector<Vinculo>& filas() const { return filas_; }

private:
    std::vector<Vinculo> filas_;
    std::vector<QObject*> controis_;
};

// The own background colour of a text (types 2, 29, 38): P30 the flag, P18 the colour. On load an
// empty P18, or a flag that is not "1", makes P18 the book background (written into the page); the
// panel takes P18 and the box shows the flag. The colour the panel then shows is returned.
QColor cargarfondopropio(Book& libro, int paxina, QCheckBox* caixa, Panel* panel);
// On store the box decides: checked stores "1" and the panel's colour, unchecked "0" and nothing.
void gardarfondopropio(Tpaxina& p, const QCheckBox* caixa, const Panel* panel);

// Builders of named controls for the sheets.
template <class W, class... A> W* nomeado(QWidget* pai, const char* nome, A&&... args) {
    auto* w = new W(std::forward<A>(args)..., pai);
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}
// A label for a fixed caption (plain text).
QLabel* etiqueta(QWidget* pai, const char* nome);
// A read-only name edit of a slot, with its label.
LabelledEdit* editnome(QWidget* pai, const char* nome);
// A tool button of a slot: its clear button, or its play button.
QToolButton* botonranura(QWidget* pai, const char* nome, bool tocar = false);
// A framed picture control of a slot.
PictureBox* caixaimaxe(QWidget* pai, const char* nome, QSize tamano);
// The row of a picture slot: its picture, its name edit (none when nome is null) and its clear
// button, in a strip of their own.
QWidget* filaimaxe(QWidget* pai, const char* imaxe, const char* nome, const char* limpar,
                   QSize tamano = {48, 36});
// The row of a sound slot: its name edit, its play button and its clear button.
QWidget* filason(QWidget* pai, const char* nome, const char* tocar, const char* limpar);

// An editor that is its binding table plus its type's special steps, which run
// after the table on load and on store.
class EditorTaboa : public PageEditor {
public:
    void crear(EditorContext& contexto, QWidget* folla) override {
        contexto_ = &contexto;
        folla_ = folla;
        construir(folla);
        taboa_.vincular(folla);
    }
    void cargar(Book& libro, int paxina) override {
        taboa_.cargar(libro, paxina);
        cargarespecial(libro, paxina);
    }
    void gardar(Book& libro, int paxina) override {
        taboa_.gardar(libro, paxina);
        gardarespecial(libro, paxina);
    }

protected:
    explicit EditorTaboa(std::vector<Vinculo> filas) : taboa_(std::move(filas)) {}
    // Makes the sheet's controls, every bound and captioned one by its objectName (the captions
    // come from the window's table of them).
    virtual void construir(QWidget* folla) = 0;
    virtual void cargarespecial(Book& libro, int paxina) { (void)libro, (void)paxina; }
    virtual void gardarespecial(Book& libro, int paxina) { (void)libro, (void)paxina; }
    // A control of the sheet by objectName (null when there is none).
    template <class T> T* control(const char* nome) const {
        return folla_->findChild<T*>(QString::fromLatin1(nome));
    }

    EditorContext* contexto_ = nullptr;
    QWidget* folla_ = nullptr;
    TaboaVinculos taboa_;
};

} // namespace quibel
