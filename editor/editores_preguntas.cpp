#include "editor/editores_preguntas.h"

#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quibel {

namespace {

QVBoxLayout* columna(QWidget* w) {
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(6, 6, 6, 6);
    return l;
}

LabelledEdit* alt(QWidget* f, const char* nome) {
    auto* e = nomeado<LabelledEdit>(f, nome);
    e->setCaption(QStringLiteral("Alt"));
    return e;
}

// Check boxes prefix1..prefixN stored "1"/"0" into fields primeiro...
std::vector<Vinculo> seriemarcas(const char* prefixo, int primeiro, int conta) {
    std::vector<Vinculo> v;
    for (int i = 1; i <= conta; ++i)
        v.push_back(marcacando(nomeserie(prefixo, i), primeiro + i - 1));
    return v;
}

// --- 1: multiple answer -------------------------------------------------------------------------

class EditorMultiple : public EditorTaboa {
public:
    EditorMultiple()
        : EditorTaboa(
              mais(mais(mais({memo("memult", W(0)), texto("altimxtest", 33)}, serietexto("txtmult", 2, 4)),
                        serietexto("txtmulta", 6, 4)),
                   seriemarcas("chktest", 19, 4)),
              {{"txtresp", 126}, {"correct", 60}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(nomeado<QPlainTextEdit>(f, "memult"), 1);
        auto* g = new QGridLayout;
        g->addWidget(etiqueta(f, "correct"), 0, 3);
        for (int i = 1; i <= 4; ++i) {
            auto* n = new QLabel(QString::number(i), f);
            g->addWidget(n, 2 * i - 1, 0);
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("txtmult", i)), 2 * i - 1, 1);
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("txtmulta", i)), 2 * i, 1);
            g->addWidget(nomeado<QCheckBox>(f, nomeserie("chktest", i)), 2 * i - 1, 3, Qt::AlignCenter);
        }
        g->setColumnStretch(1, 1);
        l->addLayout(g);
        l->addWidget(filaimaxe(f, "Image4", "txtresp", "SpeedButton24", {64, 48}));
        l->addWidget(alt(f, "altimxtest"));
    }
};

// --- 4: find a word -----------------------------------------------------------------------------

class EditorSopa : public EditorTaboa {
public:
    EditorSopa()
        : EditorTaboa(mais(mais({texto("fondosopa", 28)}, serietexto("sopa", 1, 8)),
                           {marcacando("CheckBox1", 26, "2", "2", "1"), marcacando("enuncia", 9),
                            marcacando("colorea", 10), marcacando("cadro", 11)}),
                      {{"Label22", 69},
                       {"Label5", 70},
                       {"CheckBox1", 71},
                       {"enuncia", 72},
                       {"colorea", 73},
                       {"cadro", 74},
                       {"GroupBox59", 86},
                       {"labelsopa", 173}}) {}
    // Its own auto-play box writes P37 when clicked: storing the sheet leaves it.
    bool gardaautoson() const override { return false; }

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(nomeado<QCheckBox>(f, "CheckBox1"));
        auto* g = new QGridLayout;
        g->addWidget(etiqueta(f, "Label5"), 0, 0);
        for (int i = 1; i <= 8; ++i)
            g->addWidget(nomeado<LimitedEdit>(f, nomeserie("sopa", i), 11), i, 0);
        // Statements or pictures: one of the two panels shows, as the page's mode says.
        auto* Panel63 = nomeado<QWidget>(f, "Panel63");
        auto* e = new QVBoxLayout(Panel63);
        e->setContentsMargins(0, 0, 0, 0);
        e->addWidget(etiqueta(Panel63, "Label22"));
        for (int i = 1; i <= 8; ++i) {
            auto* s = nomeado<LimitedEdit>(Panel63, nomeserie("sopae", i), 40);
            e->addWidget(s);
            enunciados[i - 1] = s;
        }
        g->addWidget(Panel63, 0, 1, 9, 1);
        auto* Panel21 = nomeado<QWidget>(f, "Panel21");
        auto* p = new QGridLayout(Panel21);
        p->setContentsMargins(0, 0, 0, 0);
        const char* imaxes[] = {"Image31", "Image32", "Image33", "Image34",
                                "Image27", "Image28", "Image29", "Image30"};
        const char* limpar[] = {"SpeedButton139", "SpeedButton140", "SpeedButton141", "SpeedButton142",
                                "SpeedButton132", "SpeedButton134", "SpeedButton136", "SpeedButton138"};
        for (int i = 0; i < 8; ++i)
            p->addWidget(filaimaxe(Panel21, imaxes[i], nullptr, limpar[i], {64, 48}), i % 4, i / 4);
        Panel21->hide();
        g->addWidget(Panel21, 0, 2, 9, 1);
        g->setColumnStretch(1, 1);
        l->addLayout(g);
        auto* caixa = nomeado<QGroupBox>(f, "GroupBox59");
        auto* c = new QHBoxLayout(caixa);
        for (const char* n : {"enuncia", "colorea", "cadro"})
            c->addWidget(nomeado<QCheckBox>(caixa, n));
        l->addWidget(caixa);
        auto* fondo = new QHBoxLayout;
        fondo->addWidget(etiqueta(f, "labelsopa"));
        fondo->addWidget(nomeado<LimitedEdit>(f, "fondosopa", 40), 1);
        l->addLayout(fondo);
        l->addStretch(1);
    }

    void cargarespecial(Book& libro, int n) override {
        // With pictures the clue fields hold files, which the statement edits never show.
        const Tpaxina& p = libro.paxina(n);
        const bool imaxes = p[26] == QLatin1String("2");
        for (int i = 0; i < 8; ++i)
            portextoedit(enunciados[i], imaxes ? QString() : p[18 + i]);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        if (p[26] == QLatin1String("1"))
            for (int i = 0; i < 8; ++i)
                p[18 + i] = enunciados[i]->text();
    }

    std::array<QLineEdit*, 8> enunciados{};
};

// --- 8: sentences -------------------------------------------------------------------------------

class EditorFrases : public EditorTaboa {
public:
    EditorFrases()
        : EditorTaboa({texto("Edit5", 1), texto("Edit6", 2), texto("Edit9", 3), texto("Edit1", 4),
                       texto("Edit3", 5), texto("Edit8", 6)},
                      mais(mais(serierotulos("grfrase", 3, 85), serierotulos("txtfrson", 3, 30)),
                           {{"Label17", 100}, {"Label23", 100}, {"Label24", 100}})) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        const char* superior[] = {"Edit5", "Edit6", "Edit9"};
        const char* inferior[] = {"Edit1", "Edit3", "Edit8"};
        const char* etiquetas[] = {"Label17", "Label23", "Label24"};
        const char* tocar[] = {"plson2", "plson3", "plson4"};
        const char* limpar[] = {"SpeedButton25", "SpeedButton26", "SpeedButton27"};
        for (int i = 0; i < 3; ++i) {
            auto* caixa = nomeado<QGroupBox>(f, nomeserie("grfrase", i + 1));
            auto* g = new QGridLayout(caixa);
            g->addWidget(nomeado<QLineEdit>(caixa, superior[i]), 0, 0, 1, 2);
            g->addWidget(etiqueta(caixa, etiquetas[i]), 1, 0);
            g->addWidget(nomeado<QLineEdit>(caixa, inferior[i]), 1, 1);
            g->addWidget(filason(caixa, nomeserie("txtfrson", i + 1), tocar[i], limpar[i]), 2, 0, 1, 2);
            g->setColumnStretch(1, 1);
            l->addWidget(caixa);
        }
        l->addStretch(1);
    }
};

// --- 10: questions ------------------------------------------------------------------------------

class EditorPregunta : public EditorTaboa {
public:
    EditorPregunta()
        : EditorTaboa(mais(mais(serietexto("txtpreg", 1, 4), serietexto("txtresp", 5, 4)),
                           {marcasalvo("pregch", 26, "1", "", "1")}),
                      {{"Label3", 11}, {"Label4", 76}, {"pregch", 113}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* g = new QGridLayout;
        g->addWidget(etiqueta(f, "Label3"), 0, 0);
        g->addWidget(etiqueta(f, "Label4"), 0, 1);
        for (int i = 1; i <= 4; ++i) {
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("txtpreg", i)), i, 0);
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("txtresp", i)), i, 1);
        }
        l->addLayout(g);
        l->addWidget(nomeado<QCheckBox>(f, "pregch"));
        l->addWidget(filaimaxe(f, "Image12", "txtpregim", "SpeedButton70", {64, 48}));
        l->addStretch(1);
    }
};

// --- 18: complete -------------------------------------------------------------------------------

class EditorRellena : public EditorTaboa {
public:
    EditorRellena()
        : EditorTaboa(mais(mais(mais(serietexto("completan", 7, 6), serietexto("completa", 1, 6)),
                                serietexto("completap", 19, 6)),
                           {radio("modorel", 26)}),
                      {{"Label6", 104}, {"modorel1", 105}, {"modorel2", 106}, {"modorel3", 107}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* g = new QGridLayout;
        g->addWidget(etiqueta(f, "Label6"), 0, 1);
        for (int i = 1; i <= 6; ++i) {
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("completan", i)), i, 0);
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("completa", i)), i, 1);
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("completap", i)), i, 2);
        }
        l->addLayout(g);
        auto* modos = new QHBoxLayout;
        auto* grupo = nomeado<RadioGroup>(f, "modorel");
        for (int i = 1; i <= 3; ++i) {
            auto* r = nomeado<QRadioButton>(f, nomeserie("modorel", i));
            grupo->engadir(r, QString::number(i));
            modos->addWidget(r);
        }
        modos->addStretch(1);
        l->addLayout(modos);
        l->addStretch(1);
    }
};

// --- 19: secret word ----------------------------------------------------------------------------

class EditorSegreda : public EditorTaboa {
public:
    EditorSegreda()
        : EditorTaboa({texto("segpal", 2), memo("segtext", W(0)), texto("tecladosegreda", 6),
                       marcacando("chsegreda1", 26), marcacando("chsegreda2", 8), texto("altimsegreda", 33)},
                      {{"segnomimax", 126},
                       {"Label37", 63},
                       {"segpal", 28},
                       {"GroupBox102", 86},
                       {"chsegreda1", 187},
                       {"chsegreda2", 181},
                       {"labelsegreda", 173}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(nomeado<LabelledEdit>(f, "segpal"));
        l->addWidget(etiqueta(f, "Label37"));
        l->addWidget(nomeado<QPlainTextEdit>(f, "segtext"), 1);
        auto* teclado = new QHBoxLayout;
        teclado->addWidget(etiqueta(f, "labelsegreda"));
        teclado->addWidget(nomeado<LimitedEdit>(f, "tecladosegreda", 40), 1);
        l->addLayout(teclado);
        auto* caixa = nomeado<QGroupBox>(f, "GroupBox102");
        auto* c = new QHBoxLayout(caixa);
        c->addWidget(nomeado<QCheckBox>(caixa, "chsegreda1"));
        c->addWidget(nomeado<QCheckBox>(caixa, "chsegreda2"));
        l->addWidget(caixa);
        l->addWidget(filaimaxe(f, "segimax", "segnomimax", "SpeedButton23", {64, 48}));
        l->addWidget(alt(f, "altimsegreda"));
    }
};

// --- 43: orthography ----------------------------------------------------------------------------

class EditorOrtograf : public EditorTaboa {
public:
    EditorOrtograf()
        : EditorTaboa(
              {memo("texto_ortograf", W(0)), texto("palabra_ortograf", 1), texto("otras_ortograf", 19)},
              {{"palabra_ortograf", 70}, {"otras_ortograf", 173}, {"Label70", 47}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(etiqueta(f, "Label70"));
        l->addWidget(nomeado<QPlainTextEdit>(f, "texto_ortograf"), 1);
        auto* palabra = nomeado<LabelledEdit>(f, "palabra_ortograf");
        palabra->setCaption(QStringLiteral("Palabra"));
        l->addWidget(palabra);
        auto* letras = new LabelledEdit(6, f);
        letras->setObjectName(QStringLiteral("otras_ortograf"));
        letras->setCaption(QStringLiteral("Letras"));
        l->addWidget(letras);
        l->addWidget(filaimaxe(f, "imxortograf", "tximxortograf", "SpeedButton201", {64, 48}));
    }
};

// --- 45: dictation ------------------------------------------------------------------------------

class EditorDictado : public EditorTaboa {
public:
    EditorDictado()
        : EditorTaboa({memo("texto_dictado", W(0)), marcacando("chktexto_dictado", 8),
                       marcacando("chkerros_dictado", 26)},
                      {{"chktexto_dictado", 200}, {"chkerros_dictado", 201}, {"son_dictado", 30}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(nomeado<QPlainTextEdit>(f, "texto_dictado"), 1);
        QWidget* son = filason(f, "son_dictado", "playson_dictado", "noson_dictado");
        son->findChild<LabelledEdit*>(QStringLiteral("son_dictado"))->setCaption(QStringLiteral("Son"));
        l->addWidget(son);
        l->addWidget(filaimaxe(f, "imxdicta", "tximxdicta", "btimxdicta", {64, 48}));
        l->addWidget(nomeado<QCheckBox>(f, "chktexto_dictado"));
        l->addWidget(nomeado<QCheckBox>(f, "chkerros_dictado"));
    }
};

// --- 48: sentences-2 ----------------------------------------------------------------------------

class EditorFrases2 : public EditorTaboa {
public:
    EditorFrases2()
        : EditorTaboa(mais(serietexto("frases2tx", 1, 5), {marcacando("chfrases2", 26)}),
                      {{"chfrases2", 158}}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* g = new QGridLayout;
        for (int i = 1; i <= 5; ++i) {
            g->addWidget(nomeado<QLineEdit>(f, nomeserie("frases2tx", i)), 2 * i - 2, 0);
            g->addWidget(filason(f, nomeserie("frases2sontx", i), nomeserie("frases2sonbt", i),
                                 nomeserie("frases2nosonbt", i)),
                         2 * i - 2, 1);
            // The picture strip of a sentence is wide.
            g->addWidget(filaimaxe(f, nomeserie("frases2imx", i), nomeserie("frases2imxtx", i),
                                   nomeserie("frases2noimxbt", i), {240, 36}),
                         2 * i - 1, 0, 1, 2);
        }
        g->setColumnStretch(0, 1);
        l->addLayout(g);
        l->addWidget(nomeado<QCheckBox>(f, "chfrases2"));
        l->addStretch(1);
    }
};

} // namespace

std::unique_ptr<PageEditor> editormultiple() {
    return std::make_unique<EditorMultiple>();
}
std::unique_ptr<PageEditor> editorsopa() {
    return std::make_unique<EditorSopa>();
}
std::unique_ptr<PageEditor> editorfrases() {
    return std::make_unique<EditorFrases>();
}
std::unique_ptr<PageEditor> editorpregunta() {
    return std::make_unique<EditorPregunta>();
}
std::unique_ptr<PageEditor> editorrellena() {
    return std::make_unique<EditorRellena>();
}
std::unique_ptr<PageEditor> editorsegreda() {
    return std::make_unique<EditorSegreda>();
}
std::unique_ptr<PageEditor> editorortograf() {
    return std::make_unique<EditorOrtograf>();
}
std::unique_ptr<PageEditor> editordictado() {
    return std::make_unique<EditorDictado>();
}
std::unique_ptr<PageEditor> editorfrases2() {
    return std::make_unique<EditorFrases2>();
}

} // namespace quibel
