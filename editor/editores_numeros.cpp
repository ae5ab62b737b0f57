#include "editor/editores_numeros.h"

#include "book/rutinas.h"
#include "editor/pezaseditores.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"
#include "languages/idiomas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

namespace quibel {

namespace {

QLabel* debuxo(QWidget* pai, const QPixmap& p) {
    auto* l = new QLabel(pai);
    l->setPixmap(p);
    l->setFixedSize(p.size());
    return l;
}

// --- 25: clock --------------------------------------------------------------------------------

// Face k of the clock (1..6): a dial in its own colours, with marks or numbers.
QPixmap esfera(int k) {
    static const QColor fondos[] = {Qt::white,
                                    QColor(0xFF, 0xF4, 0xC0),
                                    QColor(0xD8, 0xEC, 0xFF),
                                    QColor(0xE0, 0xFF, 0xE0),
                                    QColor(0xFF, 0xE0, 0xE8),
                                    QColor(0xF0, 0xE8, 0xFF)};
    QPixmap p(64, 64);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(Qt::black, 2));
    pintor.setBrush(fondos[(k - 1) % 6]);
    pintor.drawEllipse(QPointF(32, 32), 29, 29);
    for (int h = 0; h < 12; ++h) {
        const qreal a = qDegreesToRadians(30.0 * h);
        const QPointF c(32 + 23 * qSin(a), 32 - 23 * qCos(a));
        if (k % 2 == 0) {
            pintor.setFont(QFont(pintor.font().family(), 5));
            pintor.drawText(QRectF(c.x() - 5, c.y() - 4, 10, 8), Qt::AlignCenter,
                            QString::number(h ? h : 12));
        } else {
            pintor.drawPoint(c);
        }
    }
    pintor.drawLine(QPointF(32, 32), QPointF(32, 16));
    pintor.drawLine(QPointF(32, 32), QPointF(44, 32));
    return p;
}

class EditorReloxo : public EditorTaboa {
public:
    EditorReloxo()
        : EditorTaboa(
              {marcacando("chkhalea", 4), texto("txthora1", 3), texto("txthora2", 2), memo("Memo3", W(0))}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        QGroupBox* g66 = grupo(f, "GroupBox66", l);
        auto* caras = new QGridLayout(g66);
        // Faces 5 and 6 store each other's number.
        radios(f, g66, "grupochhora",
               {{"chhora1", "1"},
                {"chhora2", "2"},
                {"chhora3", "3"},
                {"chhora4", "4"},
                {"chhora5", "6"},
                {"chhora6", "5"}});
        for (int k = 1; k <= 6; ++k) {
            caras->addWidget(debuxo(g66, esfera(k)), 0, k - 1, Qt::AlignHCenter);
            caras->addWidget(control<QRadioButton>(nomenumero("chhora", k)), 1, k - 1, Qt::AlignHCenter);
        }
        auto* modos = new QHBoxLayout;
        QGroupBox* g67 = grupo(f, "GroupBox67", modos);
        radios(f, g67, "grupochhoram",
               {{"chhoram1", "0", {"0", "4"}}, {"chhoram2", "1", {"1", "5"}}, {"chhoram3", "2", {"2", "3"}}},
               new QVBoxLayout(g67));
        modos->addWidget(nomeado<QCheckBox>(f, "chkhalea"), 0, Qt::AlignTop);
        modos->addStretch(1);
        l->addLayout(modos);
        for (const char* n : {"txthora1", "txthora2"})
            l->addWidget(nomeado<LabelledEdit>(f, n));
        l->addWidget(etiqueta(f, "Label26"));
        l->addWidget(nomeado<QPlainTextEdit>(f, "Memo3"), 1);
    }

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        cargarradionumero(control<RadioGroup>("grupochhora"), p[8], 1);
        cargarradionumero(control<RadioGroup>("grupochhoram"), p[26], 0);
        // The book file keeps the random time only in the mode code: a page read back from a file
        // has no P4, and its random time must survive the next store.
        const int modo = enteiro(p[26], 0);
        if (modo >= 3 && modo <= 5) porcheck(control<QCheckBox>("chkhalea"), true);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        control<RadioGroup>("grupochhora")->gardaren(p[8]);
        // The mode and the random box make one code: with a random time "0", "1", "2" become
        // "4", "5", "3".
        const QString modo = control<RadioGroup>("grupochhoram")->valor();
        if (modo.isNull()) return;
        static const char* const aleatorio[] = {"4", "5", "3"};
        p[26] =
            control<QCheckBox>("chkhalea")->isChecked() ? QString::fromLatin1(aleatorio[modo.toInt()]) : modo;
    }
};

// --- 26: operations ---------------------------------------------------------------------------

// A layout of the operation: its sign, its button and its operand edits for P2, P3, ...
struct Disposicion {
    const char* signo;
    const char* boton;
    std::vector<const char*> operandos;
    std::vector<int> maximos;
};
const Disposicion disposicions[] = {
    {"+", "chopera1", {"txtsuma4", "txtsuma3", "txtsuma2", "txtsuma1"}, {10, 10, 10, 9}},
    {"-", "chopera2", {"txtresta1", "txtresta2"}, {10, 10}},
    {"x", "chopera3", {"txtmulti1", "txtmulti2"}, {10, 10}},
    {"/", "chopera4", {"txtdivi1", "txtdivi2"}, {10, 10}},
    {"d", "chopera5", {"txtdivd1", "txtdivd2"}, {10, 10}},
};

class EditorOpera : public EditorTaboa {
public:
    EditorOpera() : EditorTaboa({}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* fila = new QHBoxLayout;
        // The five buttons sit in different layouts but make one exclusive group.
        auto* operacion = new RadioGroup(f);
        operacion->setObjectName(QStringLiteral("grupochopera"));
        for (const Disposicion& d : disposicions) {
            auto* caixa = new QFrame(f);
            caixa->setFrameShape(QFrame::StyledPanel);
            auto* c = new QVBoxLayout(caixa);
            auto* b = nomeado<QRadioButton>(caixa, d.boton);
            b->setText(QString::fromLatin1(d.signo));
            operacion->engadir(b, QString::fromLatin1(d.signo));
            c->addWidget(b);
            // Top operand first, as the operation is written.
            for (size_t i = 0; i < d.operandos.size(); ++i) {
                auto* e = nomeado<LimitedEdit>(caixa, d.operandos[i], d.maximos[i]);
                e->setAlignment(Qt::AlignRight);
                c->addWidget(e);
            }
            auto* raia = new QFrame(caixa);
            raia->setFrameShape(QFrame::HLine);
            c->addWidget(raia);
            c->addStretch(1);
            fila->addWidget(caixa);
        }
        l->addLayout(fila);
        QGroupBox* g68 = grupo(f, "GroupBox68", l);
        radios(f, g68, "grupochnumero", {{"chnumero1", "0"}, {"chnumero2", "1"}, {"chnumero3", "2"}},
               new QHBoxLayout(g68));
        l->addStretch(1);
    }

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        // Operands of another layout never show.
        for (const Disposicion& d : disposicions)
            for (const char* e : d.operandos) {
                const QSignalBlocker b(control<QLineEdit>(e));
                control<QLineEdit>(e)->clear();
            }
        auto* operacion = control<RadioGroup>("grupochopera");
        operacion->porvalor(p[8]);
        for (const Disposicion& d : disposicions)
            if (p[8] == QLatin1String(d.signo))
                for (size_t i = 0; i < d.operandos.size(); ++i) {
                    const QSignalBlocker b(control<QLineEdit>(d.operandos[i]));
                    control<QLineEdit>(d.operandos[i])->setText(p[2 + int(i)]);
                }
        cargarradionumero(control<RadioGroup>("grupochnumero"), p[26], 0);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        const QString signo = control<RadioGroup>("grupochopera")->valor();
        for (const Disposicion& d : disposicions)
            if (signo == QLatin1String(d.signo)) {
                p[8] = signo;
                for (size_t i = 0; i < d.operandos.size(); ++i)
                    p[2 + int(i)] = control<QLineEdit>(d.operandos[i])->text();
            }
        control<RadioGroup>("grupochnumero")->gardaren(p[26]);
    }
};

// --- 27: panel --------------------------------------------------------------------------------

// Every field is a slot: nothing to load or store.
class EditorPanel : public EditorTaboa {
public:
    EditorPanel() : EditorTaboa({}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(etiqueta(f, "labelimxfondo"));
        l->addWidget(ranuraimaxe(f, "Image71", "imxfondopalneltx", "SpeedButton95", {200, 150}), 0,
                     Qt::AlignLeft);
        l->addWidget(etiqueta(f, "Label8"));
        static const char* const imaxes[] = {"Image36", "Image37", "Image38", "Image39",
                                             "Image40", "Image41", "Image43", "Image47"};
        static const char* const limpar[] = {"SpeedButton128", "SpeedButton143", "SpeedButton145",
                                             "SpeedButton146", "SpeedButton148", "SpeedButton149",
                                             "SpeedButton151", "SpeedButton152"};
        auto* g = new QGridLayout;
        for (int k = 0; k < 8; ++k)
            g->addWidget(ranuraimaxe(f, imaxes[k], nomenumero("impanel", k + 1), limpar[k], {96, 72}), k / 4,
                         k % 4);
        l->addLayout(g);
        l->addStretch(1);
    }
};

// --- 31: measures -----------------------------------------------------------------------------

class EditorContar : public EditorTaboa {
public:
    EditorContar()
        : EditorTaboa({texto("medirtx", 6), texto("medirtotal", 18), texto("immedir1tx", 7),
                       texto("immedir2tx", 8), texto("immedir3tx", 9), texto("immedir4tx", 10),
                       texto("immedir1val", 1), texto("immedir2val", 2), texto("immedir3val", 3),
                       texto("immedir4val", 4)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* principal = new QHBoxLayout;
        principal->addWidget(ranuraimaxe(f, "Image59", "immedirtx", "SpeedButton181", {200, 150}));
        auto* textos = new QVBoxLayout;
        textos->addWidget(nomeado<LabelledEdit>(f, "medirtx"));
        textos->addWidget(nomeado<LabelledEdit>(f, "medirtotal"));
        textos->addStretch(1);
        principal->addLayout(textos, 1);
        l->addLayout(principal);
        static const char* const limpar[] = {"SpeedButton177", "SpeedButton178", "SpeedButton180",
                                             "SpeedButton179"};
        auto* unidades = new QHBoxLayout;
        for (int k = 1; k <= 4; ++k) {
            auto* c = new QVBoxLayout;
            c->addWidget(ranuraimaxe(f, nomenumero("immedir", k), nomenumero("immedir", k, "nome"),
                                     limpar[k - 1], {96, 72}));
            c->addWidget(nomeado<LabelledEdit>(f, nomenumero("immedir", k, "tx")));
            c->addWidget(nomeado<LabelledEdit>(f, nomenumero("immedir", k, "val")));
            unidades->addLayout(c);
        }
        l->addLayout(unidades);
        l->addStretch(1);
    }
};

// --- 33: operations-2 -------------------------------------------------------------------------

class EditorOperaAlea : public EditorTaboa {
public:
    EditorOperaAlea() : EditorTaboa({texto("txalea1", 2), texto("txalea2", 3), radio("grupochalea98", 8)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* dixitos = new QHBoxLayout;
        dixitos->addWidget(etiqueta(f, "Label52"));
        dixitos->addWidget(etiqueta(f, "Label62"));
        dixitos->addWidget(nomeado<LimitedEdit>(f, "txalea1", 1));
        dixitos->addWidget(etiqueta(f, "Label63"));
        dixitos->addWidget(nomeado<LimitedEdit>(f, "txalea2", 1));
        dixitos->addStretch(1);
        l->addLayout(dixitos);
        auto* grupos = new QHBoxLayout;
        QGroupBox* g97 = grupo(f, "GroupBox97", grupos);
        radios(f, g97, "grupochalea97", {{"chalea2", "0"}, {"chalea1", "1"}, {"chalea23", "2"}},
               new QVBoxLayout(g97));
        QGroupBox* g98 = grupo(f, "GroupBox98", grupos);
        // Multiplication reads "2" and "6" and stores "6".
        radios(f, g98, "grupochalea98",
               {{"chalea3", "4"},
                {"chalea4", "5"},
                {"chalea5", "6", {"2", "6"}},
                {"chalea6", "3"},
                {"chalea7", "0"},
                {"chalea8", "1"},
                {"chalea9", "7"},
                {"chalea10", "8"},
                {"chalea11", "9"}},
               new QVBoxLayout(g98));
        l->addLayout(grupos);
        l->addStretch(1);
    }

    void cargarespecial(Book& libro, int n) override {
        cargarradionumero(control<RadioGroup>("grupochalea97"), libro.paxina(n)[26], 0);
    }

    void gardarespecial(Book& libro, int n) override {
        control<RadioGroup>("grupochalea97")->gardaren(libro.paxina(n)[26]);
    }
};

// --- 40: fractions, 41: fractions-2 -----------------------------------------------------------

QComboBox* listasignos(QWidget* pai, const char* nome) {
    auto* c = nomeado<QComboBox>(pai, nome);
    c->addItems(signosfraccion());
    return c;
}

// The sign list and the answer mode that both fraction pages have.
class EditorFraccions : public EditorTaboa {
protected:
    EditorFraccions(std::vector<Vinculo> filas, const char* lista, const char* modo)
        : EditorTaboa(std::move(filas)), lista_(lista), modo_(modo) {}

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        cargarsigno(control<QComboBox>(lista_), p[8]);
        cargarradionumero(control<RadioGroup>(modo_), p[26], 0);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        gardarsigno(control<QComboBox>(lista_), p[8]);
        control<RadioGroup>(modo_)->gardaren(p[26]);
    }

private:
    const char* lista_;
    const char* modo_;
};

class EditorFraccion : public EditorFraccions {
public:
    EditorFraccion()
        : EditorFraccions({texto("editfrac1", 2), texto("editfrac2", 3), texto("editfrac3", 4),
                           texto("editfrac4", 5), texto("editfrac5", 6), texto("editfrac6", 7)},
                          "modofrac1", "grupochkfrac") {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(ranuraimaxe(f, "fracimaxe", "fractexto", "fracquita", {160, 120}), 0, Qt::AlignLeft);
        QGroupBox* gr = grupo(f, "grFracciones", l);
        auto* g = new QGridLayout(gr);
        // Numerators over denominators: fraction 1, the sign, fraction 2, "=", the result.
        g->addWidget(nomeado<LimitedEdit>(gr, "editfrac1", 2), 0, 0);
        g->addWidget(nomeado<LimitedEdit>(gr, "editfrac2", 2), 1, 0);
        g->addWidget(listasignos(gr, "modofrac1"), 0, 1, 2, 1, Qt::AlignVCenter);
        g->addWidget(nomeado<QLineEdit>(gr, "editfrac3"), 0, 2);
        g->addWidget(nomeado<QLineEdit>(gr, "editfrac4"), 1, 2);
        g->addWidget(new QLabel(QStringLiteral("="), gr), 0, 3, 2, 1, Qt::AlignCenter);
        g->addWidget(nomeado<QLineEdit>(gr, "editfrac5"), 0, 4);
        g->addWidget(nomeado<QLineEdit>(gr, "editfrac6"), 1, 4);
        QGroupBox* tipo = grupo(f, "grTipoFracciones", l);
        radios(f, tipo, "grupochkfrac", {{"chkfrac1", "0"}, {"chkfrac2", "1"}}, new QVBoxLayout(tipo));
        l->addStretch(1);
    }
};

class EditorAleafrac : public EditorFraccions {
public:
    EditorAleafrac()
        : EditorFraccions(
              {texto("editafrac1", 2), texto("editafrac2", 3), marcacando("chkafracigualden", 18)},
              "modoafrac", "grupochkalfrac") {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        QGroupBox* gr = grupo(f, "fraleafracciones", l);
        auto* g = new QGridLayout(gr);
        g->addWidget(listasignos(gr, "modoafrac"), 0, 0);
        g->addWidget(etiqueta(gr, "labelafrac"), 1, 0);
        g->addWidget(nomeado<LimitedEdit>(gr, "editafrac1", 1), 1, 1);
        g->addWidget(nomeado<LimitedEdit>(gr, "editafrac2", 1), 2, 1);
        g->addWidget(nomeado<QCheckBox>(gr, "chkafracigualden"), 3, 0, 1, 2);
        QGroupBox* tipo = grupo(f, "grtipoafrac", l);
        radios(f, tipo, "grupochkalfrac", {{"chkalfrac1", "0"}, {"chkalfrac2", "1"}}, new QVBoxLayout(tipo));
        l->addStretch(1);
    }
};

} // namespace

FabricaEditor editornumeros(int tipo) {
    switch (tipo) {
    case 25:
        return novo<EditorReloxo>;
    case 26:
        return novo<EditorOpera>;
    case 27:
        return novo<EditorPanel>;
    case 31:
        return novo<EditorContar>;
    case 33:
        return novo<EditorOperaAlea>;
    case 40:
        return novo<EditorFraccion>;
    case 41:
        return novo<EditorAleafrac>;
    }
    return {};
}

} // namespace quibel
