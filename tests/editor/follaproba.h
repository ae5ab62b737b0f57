// A page editor on a bare sheet with a context of fakes, and table-driven load/store checks of
// its controls found by objectName: the fixture of every page-type editor's tests.
#pragma once

#include "book/documento.h"
#include "book/rutinas.h"
#include "editor/controis.h"
#include "editor/editores.h"
#include "editor/paneiscor.h"
#include "editor/quibelf.h"
#include "editor/vinculos.h"
#include "fakes.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace quibel::proba {

// A control's state as a text: an edit's or memo's text (memo lines joined by LF), "1"/"0" for a
// check box or radio button, the code of a radio group ("-" when none is checked), the RRGGBB
// colour of a panel.
inline QString valorde(QObject* o) {
    if (auto* l = qobject_cast<LabelledEdit*>(o)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    if (auto* m = qobject_cast<QPlainTextEdit*>(o)) return m->toPlainText();
    if (auto* c = qobject_cast<QAbstractButton*>(o)) return c->isChecked() ? "1" : "0";
    if (auto* g = qobject_cast<RadioGroup*>(o)) return g->valor().isNull() ? "-" : g->valor();
    if (auto* p = qobject_cast<Panel*>(o)) return gardarcor(p);
    ADD_FAILURE() << "no value for " << o->objectName().toStdString();
    return {};
}

// What the author does to bring the control to the state: types over an edit (through its
// validator), clicks a box or the button of a radio code, chooses a panel colour.
inline void editar(QObject* o, const QString& v) {
    QLineEdit* e = qobject_cast<QLineEdit*>(o);
    if (auto* l = qobject_cast<LabelledEdit*>(o)) e = l->edit();
    if (e) {
        e->selectAll();
        e->insert(v);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(o)) {
        m->setPlainText(v);
    } else if (auto* c = qobject_cast<QCheckBox*>(o)) {
        if (c->isChecked() != (v == "1")) c->click();
    } else if (auto* g = qobject_cast<RadioGroup*>(o)) {
        QRadioButton* b = g->boton(v);
        ASSERT_NE(b, nullptr) << v.toStdString();
        b->click();
    } else if (auto* p = qobject_cast<Panel*>(o)) {
        p->setColor(colorDe(hexacor(v)));
    } else {
        ADD_FAILURE() << "cannot edit " << o->objectName().toStdString();
    }
}

// One control of a type table: the field with its stored value, what the control shows after
// load (and what load leaves in the field), what the author changes it to, and what store writes.
struct Fila {
    const char* control;
    int campo; // P0..P41 or W(0)..W(5)
    const char* gardado;
    const char* amosado = nullptr;
    const char* editado = nullptr;
    const char* gardase = nullptr;
    const char* trascarga = nullptr; // the field after load, when load writes into it
};

// A text kept for the whole run, for rows made in loops.
inline const char* fixo(const std::string& t) {
    static std::set<std::string> textos;
    return textos.insert(t).first->c_str();
}

// Rows of a numbered series of edits prefix1..prefixN on fields primeiro..: each shows its
// stored "v<field>" and stores what is typed, "e<field>".
inline std::vector<Fila> serieedits(const char* prefixo, int primeiro, int conta) {
    std::vector<Fila> f;
    for (int i = 0; i < conta; ++i) {
        const std::string n = std::to_string(primeiro + i);
        f.push_back({fixo(prefixo + std::to_string(i + 1)), primeiro + i, fixo("v" + n), fixo("v" + n),
                     fixo("e" + n), fixo("e" + n)});
    }
    return f;
}

template <class T> std::vector<T> xunto(std::initializer_list<std::vector<T>> partes) {
    std::vector<T> r;
    for (const auto& p : partes)
        r.insert(r.end(), p.begin(), p.end());
    return r;
}

// The editor of a type, built by its registered factory on a bare sheet.
class FollaEditor {
public:
    // The captions of the sheet from the window's table, then the editor's own.
    void rotular() {
        TForm1::rotularfolla(&folla, tipo_ + primeirafollatipo);
        editor->rotular();
    }
    explicit FollaEditor(int tipo) : tipo_(tipo) {
        libro.inicializar();
        libro.numpaxinas = 2;
        documento.porpaxinaactual(1);
        contexto.pezas.editoculto = &editoculto;
        const FabricaEditor f = fabricaeditor(tipo);
        if (!f) {
            ADD_FAILURE() << "no editor for type " << tipo;
            return;
        }
        editor = f();
        editor->crear(contexto, &folla);
    }

    template <class T = QObject> T* control(const char* nome) {
        T* o = folla.findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(o, nullptr) << nome;
        return o;
    }
    QString& campo(int n, int paxina = 1) { return campode(libro, paxina, n); }

    // Every field of the page (P1..P41, W0..W5) holds "s<n>", and the table's fields their values.
    void encher(const std::vector<Fila>& filas, int paxina = 1) {
        libro.paxina(paxina)[0] = QString::number(tipo_);
        for (int n = 1; n < Tpaxina::numcampos; ++n)
            campo(n, paxina) = QStringLiteral("s%1").arg(n);
        for (int i = 0; i <= 5; ++i)
            campo(W(i), paxina) = QStringLiteral("sW%1").arg(i);
        for (const Fila& f : filas)
            campo(f.campo, paxina) = QString::fromUtf8(f.gardado);
    }

    // Load shows each row, store writes each edit, and every field outside the rows and the
    // exceptions keeps its sentinel through both.
    void comprobar(const std::vector<Fila>& filas, const std::set<int>& outros = {}) {
        encher(filas);
        editor->cargar(libro, 1);
        for (const Fila& f : filas) {
            EXPECT_EQ(valorde(control(f.control)), QString::fromUtf8(f.amosado)) << "load " << f.control;
            if (f.trascarga) {
                EXPECT_EQ(campo(f.campo), QString::fromUtf8(f.trascarga)) << "load " << f.control;
            }
        }
        for (const Fila& f : filas)
            if (f.editado) editar(control(f.control), QString::fromUtf8(f.editado));
        editor->gardar(libro, 1);
        std::set<int> tocados = outros;
        for (const Fila& f : filas) {
            tocados.insert(f.campo);
            EXPECT_EQ(campo(f.campo), QString::fromUtf8(f.gardase)) << "store " << f.control;
        }
        for (int n = 1; n < Tpaxina::numcampos; ++n) {
            if (!tocados.count(n)) {
                EXPECT_EQ(campo(n), QStringLiteral("s%1").arg(n)) << "P" << n;
            }
        }
        for (int i = 0; i <= 5; ++i) {
            if (!tocados.count(W(i))) {
                EXPECT_EQ(campo(W(i)), QStringLiteral("sW%1").arg(i)) << "W" << i;
            }
        }
    }

    ServizosFalsos fakes;
    Documento documento;
    Book& libro = documento.libro;
    QWidget folla;
    LabelledEdit editoculto;
    QStringList sons; // what the editor asked to play
    EditorContext contexto{documento, servizos(), [this](const QString& a) { sons << a; }, {}};
    std::unique_ptr<PageEditor> editor;

private:
    int tipo_;
};

} // namespace quibel::proba
