#include "editor/editores_posicions.h"

#include "editor/arrastre.h"
#include "editor/paneiscor.h"
#include "editor/pezaseditores.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace quibel {

namespace {

// A design area of a fixed size: its elements stand where the page puts them.
QFrame* area(QWidget* pai, QSize tamano) {
    auto* a = new QFrame(pai);
    a->setFrameShape(QFrame::StyledPanel);
    a->setFixedSize(tamano);
    return a;
}

// --- 20: tags ---------------------------------------------------------------------------------

constexpr int numetiquetas = 6;
constexpr int topoetiqueta[numetiquetas] = {10, 40, 90, 130, 170, 210};

class EditorEtiquetas : public EditorTaboa {
public:
    EditorEtiquetas()
        : EditorTaboa({texto("etiq1", 1), texto("etiq2", 2), texto("etiq3", 3), texto("etiq4", 4),
                       texto("etiq5", 5), texto("etiq6", 6), radio("grupomodoetiq", 26)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = new QHBoxLayout(f);
        QFrame* a = area(f, {480, 320});
        caixaimaxe(a, "Imxetiq", {480, 320})->move(0, 0);
        for (int k = 0; k < numetiquetas; ++k) {
            auto* p = etiqueta(a, nomenumero("punto", k + 1));
            p->setText(QString::number(k + 1));
            p->setAlignment(Qt::AlignCenter);
            p->setFrameShape(QFrame::Box);
            p->setAutoFillBackground(true);
            p->setFixedSize(18, 18);
            puntos[k] = p;
        }
        l->addWidget(a, 0, Qt::AlignTop);

        auto* dereita = new QVBoxLayout;
        auto* nome = new QHBoxLayout;
        nome->addWidget(editnome(f, "nomimxetiq"), 1);
        nome->addWidget(botonranura(f, "borraimxetiq"));
        dereita->addLayout(nome);
        auto* g34 = new QGridLayout(grupo(f, "GroupBox34", dereita));
        for (int k = 1; k <= numetiquetas; ++k) {
            auto* n = new QLabel(QString::number(k));
            g34->addWidget(n, k, 0);
            g34->addWidget(nomeado<QLineEdit>(f, nomenumero("etiq", k)), k, 1);
        }
        QGroupBox* g55 = grupo(f, "GroupBox55", dereita);
        auto* l55 = new QVBoxLayout(g55);
        radios(f, g55, "grupomodoetiq",
               {{"modoetiq1", "1", {"1", ""}},
                {"modoetiq2", "2"},
                {"modoetiq3", "3"},
                {"modoetiq4", "4"},
                {"modoetiq5", "5"},
                {"modoetiq6", "6"},
                {"modoetiq7", "7"},
                {"modoetiq8", "8"},
                {"modoetiq9", "9"}},
               l55);
        control<QRadioButton>("modoetiq4")->hide();
        dereita->addStretch(1);
        l->addLayout(dereita, 1);
    }

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        for (int k = 0; k < numetiquetas; ++k) {
            QString& x = p[7 + k];
            QString& y = p[19 + k];
            if (x.isEmpty()) x = QStringLiteral("400");
            if (y.isEmpty()) y = QString::number(topoetiqueta[k]);
            // Lenient: a position that is not a whole number takes its default, so the sheet is
            // always loaded whole.
            puntos[k]->move(posicion(x, 400), posicion(y, topoetiqueta[k]));
            puntos[k]->raise();
        }
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        for (int k = 0; k < numetiquetas; ++k) {
            p[7 + k] = QString::number(puntos[k]->x());
            p[19 + k] = QString::number(puntos[k]->y());
        }
    }

    QLabel* puntos[numetiquetas] = {};
};

// --- 23: moving pictures ----------------------------------------------------------------------

constexpr int nummoviles = 6;
// An empty moving picture: the numbered blank square the clear leaves too.
void porcadradobaleiro(PictureBox* imaxe, int numero) {
    imaxe->porimaxe(imaxebaleira(numero, imaxe->font()));
    imaxe->resize(minimoimaxe, minimoimaxe);
}

class EditorMoveimx : public EditorTaboa {
public:
    EditorMoveimx() : EditorTaboa({}) {}

private:
    void construir(QWidget* f) override {
        auto* l = new QHBoxLayout(f);
        QFrame* a = area(f, {520, 380});
        caixaimaxe(a, "imxmov", {520, 380})->move(0, 0);
        marcomvi = nomeado<QFrame>(a, "marcomvi");
        marcomvi->setFrameShape(QFrame::Box);
        marcomvi->hide();
        for (int k = 0; k < nummoviles; ++k)
            moviles[k] = nomeado<PictureBox>(a, nomenumero("imxmov", k + 1));
        l->addWidget(a, 0, Qt::AlignTop);

        auto* dereita = new QVBoxLayout;
        auto* nome = new QHBoxLayout;
        nome->addWidget(editnome(f, "imxmovnom"), 1);
        nome->addWidget(botonranura(f, "SpeedButton81"));
        dereita->addLayout(nome);
        auto* marcada = new QHBoxLayout;
        etiqimx = editnome(f, "etiqimx");
        marcada->addWidget(etiqimx, 1);
        marcada->addWidget(botonranura(f, "SpeedButton103"));
        dereita->addLayout(marcada);
        auto* cor = new QHBoxLayout;
        for (const char* n : {"movimxcorx", "movimxcory"}) {
            auto* e = nomeado<QLineEdit>(f, n);
            e->setReadOnly(true);
            cor->addWidget(e);
        }
        dereita->addLayout(cor);
        auto* l69 = new QVBoxLayout(grupo(f, "GroupBox69", dereita));
        for (const char* n : {"movimxver", "senorde", "libre"})
            l69->addWidget(nomeado<QCheckBox>(f, n));
        dereita->addStretch(1);
        l->addLayout(dereita, 1);
    }

    static constexpr const char* opcions[] = {"movimxver", "senorde", "libre"}; // P26 "1", "2", "3"

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        etiqimx->setText(QString());
        etiqimx->setCaption(QString());
        control<QLineEdit>("movimxcorx")->clear();
        control<QLineEdit>("movimxcory")->clear();
        marcomvi->hide();
        for (int i = 0; i < 3; ++i)
            porcheck(control<QCheckBox>(opcions[i]), p[26] == QString::number(i + 1));
        for (int k = 0; k < nummoviles; ++k) {
            PictureBox* imaxe = moviles[k];
            if (p[1 + k].isEmpty()) {
                porcadradobaleiro(imaxe, k + 1);
                p[7 + k] = QStringLiteral("420");
                p[19 + k] = QString::number(10 + 60 * k);
            } else if (!imaxe->imaxe().isNull()) {
                imaxe->resize(imaxe->tamanonatural());
            }
            imaxe->move(posicion(p[7 + k], 400), posicion(p[19 + k], 50 * (k + 1)));
            imaxe->raise();
        }
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        // The last checked box wins: "show the target" with "free" stores "3".
        QString modo = QStringLiteral("0");
        for (int i = 0; i < 3; ++i)
            if (control<QCheckBox>(opcions[i])->isChecked()) modo = QString::number(i + 1);
        p[26] = modo;
        for (int k = 0; k < nummoviles; ++k) {
            p[7 + k] = QString::number(moviles[k]->x());
            p[19 + k] = QString::number(moviles[k]->y());
        }
    }

    PictureBox* moviles[nummoviles] = {};
    LabelledEdit* etiqimx = nullptr;
    QFrame* marcomvi = nullptr;
};

// --- 30: tags-2 -------------------------------------------------------------------------------

class EditorEtiquetas2 : public EditorTaboa {
public:
    EditorEtiquetas2()
        : EditorTaboa({texto("Edit18", 1), texto("Edit19", 2), texto("Edit20", 3), texto("Edit21", 4),
                       texto("Edit22", 5), texto("Edit23", 6), texto("etq2tam", 18)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = new QHBoxLayout(f);
        QFrame* a = area(f, {620, 380});
        imxetiq2 = caixaimaxe(a, "imxetiq2", {300, 220});
        for (int k = 0; k < numetiquetas; ++k) {
            auto* panel = nomeado<QFrame>(a, nomenumero("Panel", 49 + k));
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Raised);
            panel->setAutoFillBackground(true);
            auto* dentro = new QHBoxLayout(panel);
            dentro->setContentsMargins(8, 3, 3, 3);
            dentro->addWidget(nomeado<QLineEdit>(panel, nomenumero("Edit", 18 + k)));
            panel->resize(130, 30);
            paneis[k] = panel;
        }
        l->addWidget(a, 0, Qt::AlignTop);

        auto* dereita = new QVBoxLayout;
        auto* nome = new QHBoxLayout;
        nome->addWidget(editnome(f, "nomimxetiq2"), 1);
        nome->addWidget(botonranura(f, "SpeedButton173"));
        dereita->addLayout(nome);
        auto* xy = new QHBoxLayout;
        for (const char* n : {"imxetiq2x", "imxetiq2y"}) {
            LabelledEdit* e = editnome(f, n);
            e->setCaption(QString::fromLatin1(n + 8).toUpper()); // "X", "Y"
            xy->addWidget(e);
        }
        dereita->addLayout(xy);
        dereita->addWidget(nomeado<LimitedEdit>(f, "etq2tam", 2), 0, Qt::AlignLeft);
        QGroupBox* g82 = grupo(f, "GroupBox82", dereita);
        radios(f, g82, "grupochetiq2", {{"chetiq21", "0"}, {"chetiq23", "1"}, {"chetiq22", "2"}},
               new QVBoxLayout(g82));
        dereita->addStretch(1);
        l->addLayout(dereita, 1);
    }

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        for (const int c : {28, 29})
            if (p[c].isEmpty()) p[c] = QStringLiteral("0");
        // What the edits show is what is stored: a position that is not a number shows 0.
        const int x = posicion(p[28], 0), y = posicion(p[29], 0);
        control<LabelledEdit>("imxetiq2x")->setText(QString::number(x));
        control<LabelledEdit>("imxetiq2y")->setText(QString::number(y));
        imxetiq2->move(x, y);
        for (int k = 0; k < numetiquetas; ++k) {
            paneis[k]->move(posicion(p[7 + k], 470), posicion(p[19 + k], 50 + 40 * k));
            paneis[k]->raise();
        }
        cargarradionumero(control<RadioGroup>("grupochetiq2"), p[26], 0);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        p[28] = QString::number(posicion(control<LabelledEdit>("imxetiq2x")->text(), 0));
        p[29] = QString::number(posicion(control<LabelledEdit>("imxetiq2y")->text(), 0));
        for (int k = 0; k < numetiquetas; ++k) {
            p[7 + k] = QString::number(paneis[k]->x());
            p[19 + k] = QString::number(paneis[k]->y());
        }
        control<RadioGroup>("grupochetiq2")->gardaren(p[26]);
    }

    PictureBox* imxetiq2 = nullptr;
    QFrame* paneis[numetiquetas] = {};
};

// --- 32: series, 35: sort images --------------------------------------------------------------

// A sheet of the type's picture slots in a row, as the slot table lists them, with one option box
// below.
class EditorFilaImaxes : public EditorTaboa {
public:
    EditorFilaImaxes(int tipo, Vinculo caixa, int rotulo)
        : EditorTaboa({caixa}), tipo_(tipo), caixa_(caixa.control) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* fila = new QHBoxLayout;
        for (const Ranura* r : ranurasdetipo(tipo_))
            fila->addWidget(ranuraimaxe(f, r->control, r->nome, r->limpar, {110, 90}));
        fila->addStretch(1);
        l->addLayout(fila);
        l->addWidget(nomeado<QCheckBox>(f, caixa_));
        l->addStretch(1);
    }

    int tipo_;
    const char* caixa_;
};

// --- 39: pairs-2 ------------------------------------------------------------------------------

// Keeps a panel over the whole of its parent.
class Encima : public QObject {
public:
    Encima(QWidget* base, QWidget* panel) : QObject(panel), panel_(panel) { base->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) panel_->setGeometry(static_cast<QWidget*>(o)->rect());
        return false;
    }

private:
    QWidget* panel_;
};

class EditorParellas2 : public EditorTaboa {
public:
    EditorParellas2()
        : EditorTaboa({marcacando("chparson", 26, "2", "2", "1"), texto("tempopar2", 28),
                       cor("fondopar2", 18, CorDefecto::fondolibro),
                       cor("carapar2", 29, CorDefecto::panel)}) {}

    void novapaxina(Tpaxina& p) override { p[26] = QStringLiteral("1"); }

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* cabeza = new QHBoxLayout;
        cabeza->addWidget(nomeado<QCheckBox>(f, "chparson"));
        cabeza->addWidget(etiqueta(f, "Label65"));
        cabeza->addWidget(nomeado<QLineEdit>(f, "tempopar2"));
        for (const char* n : {"fondopar2", "carapar2"}) {
            auto* p = nomeado<ColourPanel>(f, n);
            p->setMinimumSize(110, 26);
            cabeza->addWidget(p);
        }
        control<Panel>("carapar2")->setColor(Qt::black);
        cabeza->addStretch(1);
        l->addLayout(cabeza);

        // Pair k: picture k over picture k + 6, its text below.
        auto* imaxes = new QWidget(f);
        auto* g = new QGridLayout(imaxes);
        for (int k = 1; k <= 6; ++k) {
            for (int fila = 0; fila < 2; ++fila) {
                const int i = k + 6 * fila;
                g->addWidget(ranuraimaxe(imaxes, nomenumero("par2imx", i), nomenumero("par2label", i),
                                         nomenumero("par2bot", i), {96, 72}),
                             fila, k - 1);
            }
            g->addWidget(nomeado<QLineEdit>(imaxes, nomenumero("par2tx", k)), 2, k - 1);
        }
        l->addWidget(imaxes);
        l->addStretch(1);

        panelparson = nomeado<QFrame>(imaxes, "panelparson");
        panelparson->setFrameShape(QFrame::StyledPanel);
        panelparson->setAutoFillBackground(true);
        auto* s = new QGridLayout(panelparson);
        for (int i = 1; i <= 12; ++i)
            s->addWidget(filason(panelparson, nomenumero("parsontx", i), nomenumero("parsonbp", i),
                                 nomenumero("parsonbr", i)),
                         (i - 1) % 6, (i - 1) / 6);
        new Encima(imaxes, panelparson);
        panelparson->hide();
    }

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        const bool sons = p[26] == QLatin1String("2");
        panelparson->setVisible(sons);
        panelparson->raise();
        // The texts belong to the picture mode; under the sound panel they keep what they show.
        if (!sons)
            for (int k = 1; k <= 6; ++k)
                control<QLineEdit>(nomenumero("par2tx", k))->setText(p[18 + k]);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        for (int k = 1; k <= 6; ++k)
            p[18 + k] = control<QLineEdit>(nomenumero("par2tx", k))->text();
    }

    QFrame* panelparson = nullptr;
};

// --- 44: identify images-2, 50: lyrics --------------------------------------------------------

class EditorIdentif2 : public EditorTaboa {
public:
    EditorIdentif2()
        : EditorTaboa(
              {memo("texto1_arrastra2", 6), memo("texto2_arrastra2", 7), memo("texto3_arrastra2", 8)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = new QHBoxLayout(f);
        for (int k = 1; k <= 3; ++k) {
            auto* c = new QVBoxLayout;
            const QByteArray n = QByteArray::number(k);
            c->addWidget(ranuraimaxe(f, "imx" + n + "_arrastra2", "tximx" + n + "_arrastra2", "noimx" + n,
                                     {160, 120}));
            c->addWidget(nomeado<QPlainTextEdit>(f, ("texto" + n + "_arrastra2").constData()), 1);
            c->addWidget(filason(f, "txarr2son" + n, "iden2sonar" + n, "iden2sonbt" + n));
            l->addLayout(c);
        }
    }
};

class EditorLetras : public EditorTaboa {
public:
    EditorLetras() : EditorTaboa({texto("letrastx1", 1), texto("letrastx2", 2), texto("letrastx3", 3)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = new QHBoxLayout(f);
        for (int k = 1; k <= 3; ++k) {
            auto* c = new QVBoxLayout;
            const QByteArray n = QByteArray::number(k);
            c->addWidget(nomeado<QLineEdit>(f, ("letrastx" + n).constData()));
            c->addWidget(ranuraimaxe(f, "letrasuimx" + n, "letrasimxtx" + n, "letrasimxbt" + n, {160, 120}));
            c->addWidget(filason(f, "letrasusontx" + n, "letrasusonar" + n, "letrasusonbt" + n));
            c->addStretch(1);
            l->addLayout(c);
        }
    }
};

// --- 51: memory -------------------------------------------------------------------------------

class EditorCadros2 : public EditorTaboa {
public:
    // P1 and P2 are the flags of the two picture drops: the store never touches them.
    EditorCadros2()
        : EditorTaboa({texto("cadros2txnumero", 18), marcacando("chcadros2alea", 26),
                       marcacando("chcadros2numeros", 8), marcacando("cdr_visible", 11)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* numero = new QHBoxLayout;
        numero->addWidget(etiqueta(f, "cadros2txlabel"));
        numero->addWidget(nomeado<LimitedEdit>(f, "cadros2txnumero", 2));
        numero->addStretch(1);
        l->addLayout(numero);
        for (const char* c : {"chcadros2alea", "chcadros2numeros", "cdr_visible"})
            l->addWidget(nomeado<QCheckBox>(f, c));
        auto* imaxes = new QHBoxLayout;
        for (const char* k : {"1", "2"}) {
            auto* c = new QVBoxLayout;
            const QByteArray n(k);
            c->addWidget(etiqueta(f, n == "1" ? "labelcadros2" : "labelcadros2c"));
            c->addWidget(caixaimaxe(f, "cadros2imx" + n, {160, 120}));
            auto* fila = new QHBoxLayout;
            auto* nome = nomeado<QLineEdit>(f, ("cadros2imxtx" + n).constData());
            nome->setReadOnly(true);
            fila->addWidget(nome, 1);
            fila->addWidget(botonranura(f, "cadros2imxbt" + n));
            c->addLayout(fila);
            imaxes->addLayout(c);
        }
        imaxes->addStretch(1);
        l->addLayout(imaxes);
        l->addStretch(1);
    }
};

class EditorSeries : public EditorFilaImaxes {
public:
    EditorSeries() : EditorFilaImaxes(32, marcacando("chserie", 26, "1", "1", ""), 167) {}
};

class EditorOrdeaImx : public EditorFilaImaxes {
public:
    EditorOrdeaImx() : EditorFilaImaxes(35, marcacando("modoordeaimx", 8), 155) {}
};

} // namespace

FabricaEditor editorposicions(int tipo) {
    switch (tipo) {
    case 20:
        return novo<EditorEtiquetas>;
    case 23:
        return novo<EditorMoveimx>;
    case 30:
        return novo<EditorEtiquetas2>;
    case 32:
        return novo<EditorSeries>;
    case 35:
        return novo<EditorOrdeaImx>;
    case 39:
        return novo<EditorParellas2>;
    case 44:
        return novo<EditorIdentif2>;
    case 50:
        return novo<EditorLetras>;
    case 51:
        return novo<EditorCadros2>;
    }
    return {};
}

} // namespace quibel
