#include "editor/editores_informacion.h"

#include "book/rutinas.h"
#include "editor/editoresaxuda.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace quibel {

namespace {

// A page field read as a whole number: the default when it is not one or lies below the minimum,
// written back into the page when that changes it.
int numero(QString& campo, int defecto, int minimo = std::numeric_limits<int>::min()) {
    int v = enteiro(campo, defecto);
    if (v < minimo) v = defecto;
    if (campo != QString::number(v)) campo = QString::number(v);
    return v;
}

// A check box placed on a colour panel, beside its caption.
QCheckBox* caixaenpanel(Panel* panel, const char* nome) {
    auto* c = nomeado<QCheckBox>(panel, nome);
    static_cast<QBoxLayout*>(panel->layout())->insertWidget(0, c);
    return c;
}

ColourPanel* panelcor(QWidget* pai, const char* nome) {
    auto* p = nomeado<ColourPanel>(pai, nome);
    p->setMinimumSize(110, 26);
    return p;
}

QLabel* textofixo(QWidget* pai, const char* nome, const char* texto) {
    QLabel* l = etiqueta(pai, nome);
    l->setText(QString::fromUtf8(texto));
    return l;
}

// A small drawing of a page layout: where the picture (filled) and the text (lines) stand.
QLabel* debuxo(QWidget* pai, const char* nome, QRect imaxe, QRect texto) {
    QPixmap p(48, 36);
    p.fill(Qt::white);
    QPainter pintor(&p);
    pintor.setPen(Qt::darkGray);
    pintor.drawRect(0, 0, 47, 35);
    pintor.fillRect(imaxe, QColor(0x80, 0xA0, 0xC0));
    for (int y = texto.top(); y <= texto.bottom(); y += 4)
        pintor.drawLine(texto.left(), y, texto.right(), y);
    pintor.end();
    QLabel* l = nomeado<QLabel>(pai, nome);
    l->setPixmap(p);
    l->setFixedSize(48, 36);
    return l;
}

// A button that opens the HTML text editor on the sheet's view.
QToolButton* botoneditar(QWidget* pai, const char* nome) {
    auto* b = nomeado<QToolButton>(pai, nome);
    b->setIcon(iconaestilo(QStyle::SP_FileDialogContentsView));
    return b;
}

QVBoxLayout* columna(QWidget* w) {
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(6, 6, 6, 6);
    return l;
}

// --- 2: image and text ------------------------------------------------------------------------

class EditorImaxeTexto : public EditorTaboa {
public:
    EditorImaxeTexto()
        : EditorTaboa({marcacando("autoimx", 15), texto("altimtx", 33), marcasalvo("shtml", 21, "0"),
                       cor("cttexto", 19, CorDefecto::textolibro)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* cabeza = new QHBoxLayout;
        auto* nome = editnome(f, "txtimtxt");
        cabeza->addWidget(nome, 1);
        cabeza->addWidget(botonranura(f, "SpeedButton22"));
        auto* autoimx = nomeado<QCheckBox>(f, "autoimx");
        autoimx->setText(QStringLiteral("Auto"));
        cabeza->addWidget(autoimx);
        auto* alt = nomeado<LabelledEdit>(f, "altimtx");
        alt->setCaption(QStringLiteral("Alt"));
        cabeza->addWidget(alt, 1);
        l->addLayout(cabeza);

        auto* cores = new QHBoxLayout;
        ctfondo = panelcor(f, "ctfondo");
        snfd = caixaenpanel(ctfondo, "snfd");
        cores->addWidget(ctfondo);
        cores->addWidget(etiqueta(f, "Label9"));
        cores->addWidget(panelcor(f, "cttexto"));
        auto* shtml = nomeado<QCheckBox>(f, "shtml");
        shtml->setText(QStringLiteral("HTML"));
        cores->addWidget(shtml);
        cores->addWidget(botoneditar(f, "editar"));
        cores->addStretch(1);
        l->addLayout(cores);

        // The design area: the two frames stand where the page puts them.
        auto* area = nomeado<QFrame>(f, "Panel71");
        area->setFrameShape(QFrame::StyledPanel);
        area->setMinimumSize(560, 330);
        l->addWidget(area, 1);
        bimax = nomeado<QFrame>(area, "bimax");
        bimax->setFrameShape(QFrame::StyledPanel);
        auto* dentro = new QVBoxLayout(bimax);
        dentro->setContentsMargins(0, 0, 0, 0);
        Image3 = nomeado<PictureBox>(bimax, "Image3");
        Image3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        dentro->addWidget(Image3);
        basetext = nomeado<QFrame>(area, "basetext");
        basetext->setFrameShape(QFrame::Box);
        auto* movtext = nomeado<QFrame>(basetext, "movtext");
        movtext->setGeometry(0, 0, 14, 6);
        movtext->setAutoFillBackground(true);
        movtext->setCursor(Qt::SizeAllCursor);
        for (const char* n : {"imtextox", "imtextoy", "textx", "texty"})
            nomeado<QLineEdit>(f, n)->hide();
    }

    void cargarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        // Lenient: a position or size that is not a whole number takes the table's default, so
        // the sheet is always loaded whole.
        const int ix = numero(p[28], 0), iy = numero(p[29], 0);
        const int tx = numero(p[8], 50), ty = numero(p[9], 50);
        const int alto = numero(p[10], 200, 30), ancho = numero(p[11], 200, 30);
        bimax->move(ix, iy);
        basetext->setGeometry(tx, ty, ancho, alto);
        portextoedit(control<QLineEdit>("imtextox"), p[28]);
        portextoedit(control<QLineEdit>("imtextoy"), p[29]);
        portextoedit(control<QLineEdit>("textx"), p[8]);
        portextoedit(control<QLineEdit>("texty"), p[9]);
        const QColor fondo = cargarfondopropio(libro, n, snfd, ctfondo);
        if (auto* vista = control<HtmlView>("visortexto")) {
            vista->resize(ancho - 12, alto - 12);
            vista->load(libro.texto(n, 1));
            vista->setColours(fondo, control<Panel>("cttexto")->color());
        }
        const QSize natural = Image3->tamanonatural();
        bimax->resize(natural.width() < 10 ? 40 : natural.width(),
                      natural.height() < 10 ? 40 : natural.height());
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        p[28] = QString::number(bimax->x());
        p[29] = QString::number(bimax->y());
        p[8] = QString::number(basetext->x());
        p[9] = QString::number(basetext->y());
        p[10] = QString::number(basetext->height());
        p[11] = QString::number(basetext->width());
        gardarfondopropio(p, snfd, ctfondo);
        if (auto* vista = control<HtmlView>("visortexto")) libro.texto(n, 1) = vista->source();
    }

    void reiniciar() override {
        control<Panel>("cttexto")->setColor(Qt::black);
        ctfondo->setColor(Qt::white);
    }

    QFrame *bimax = nullptr, *basetext = nullptr;
    PictureBox* Image3 = nullptr;
    ColourPanel* ctfondo = nullptr;
    QCheckBox* snfd = nullptr;
};

// --- 12 and 21: the galleries -------------------------------------------------------------------

// What a gallery sheet names: per item a picture with its clear button, optionally a name-only
// slot of the enlarged picture, a sound slot and a caption edit; then the frames box.
struct Galeria {
    const char* caixas; // group boxes, numbered
    const char* imaxe;  // pictures, numbered
    const char* limparimaxe[6];
    const char* grande; // enlarged pictures, numbered (null: none)
    const char* limpargrande[6];
    const char* sons[6]; // sound name edits
    const char* tocar[6];
    const char* limparson[6];
    const char* lenda;  // caption edits, numbered
    const char* marcos; // the frames check box
};

const Galeria galeriaimax = {
    "grgaleriaimax",
    "gimax",
    {"SpeedButton29", "SpeedButton31", "SpeedButton33", "SpeedButton57", "SpeedButton55", "SpeedButton53"},
    "txtimaxg",
    {"SpeedButton28", "SpeedButton30", "SpeedButton32", "SpeedButton56", "SpeedButton54", "SpeedButton52"},
    {"imxgaleriatx13", "imxgaleriatx14", "imxgaleriatx15", "imxgaleriatx16", "imxgaleriatx17",
     "imxgaleriatx18"},
    {"imxgaleriabp13", "imxgaleriabp14", "imxgaleriabp15", "imxgaleriabp16", "imxgaleriabp17",
     "imxgaleriabp18"},
    {"imxgaleriabc13", "imxgaleriabc14", "imxgaleriabc15", "imxgaleriabc16", "imxgaleriabc17",
     "imxgaleriabc18"},
    "txtgimax",
    "chvercimaxe",
};

const Galeria galeriasons = {
    "grgaleriasons",
    "sonimx",
    {"SpeedButton58", "SpeedButton59", "SpeedButton60", "SpeedButton61", "SpeedButton62", "SpeedButton63"},
    nullptr,
    {},
    {"txtson1", "txtson2", "txtson3", "txtson4", "txtson5", "txtson6"},
    {"SpeedButton35", "SpeedButton37", "SpeedButton39", "SpeedButton45", "SpeedButton43", "SpeedButton41"},
    {"SpeedButton34", "SpeedButton36", "SpeedButton38", "SpeedButton44", "SpeedButton42", "SpeedButton40"},
    "txtsonimx",
    "chvercsons",
};

// The image gallery (12) and the sound gallery (21): captions P19..P24, frames P29 (default on).
class EditorGaleria : public EditorTaboa {
public:
    explicit EditorGaleria(const Galeria& g)
        : EditorTaboa(mais(serietexto(g.lenda, 19, 6), {marcasalvo(g.marcos, 29, "0")})), g_(g) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* grella = new QGridLayout;
        l->addLayout(grella);
        for (int i = 1; i <= 6; ++i) {
            auto* caixa = new QGroupBox(QString::number(i), f);
            caixa->setObjectName(QString::fromLatin1(nomeserie(g_.caixas, i)));
            grella->addWidget(caixa, (i - 1) / 2, (i - 1) % 2);
            auto* c = new QGridLayout(caixa);
            c->addWidget(filaimaxe(caixa, nomeserie(g_.imaxe, i), nullptr, g_.limparimaxe[i - 1], {64, 48}),
                         0, 0, 3, 1);
            int fila = 0;
            if (g_.grande) {
                auto* grande = new QHBoxLayout;
                grande->addWidget(editnome(caixa, nomeserie(g_.grande, i)), 1);
                grande->addWidget(botonranura(caixa, g_.limpargrande[i - 1]));
                c->addLayout(grande, fila++, 1);
            }
            c->addWidget(filason(caixa, g_.sons[i - 1], g_.tocar[i - 1], g_.limparson[i - 1]), fila++, 1);
            c->addWidget(nomeado<QLineEdit>(caixa, nomeserie(g_.lenda, i)), fila, 1);
            c->setColumnStretch(1, 1);
        }
        l->addWidget(nomeado<QCheckBox>(f, g_.marcos));
        l->addStretch(1);
    }

    const Galeria& g_;
};

// --- 15: menu -----------------------------------------------------------------------------------

class EditorMenu : public EditorTaboa, public EditorMenuBotons {
public:
    EditorMenu()
        : EditorTaboa(mais(serietexto("txtmenu", 7, 6),
                           {cor("cboton", 18, CorDefecto::panel), cor("cbtexto", 19, CorDefecto::panel),
                            marcasalvo("mhtml", 21, "0")})) {}
    int botonmenu() const override { return botonmenu_; }
    void porbotonmenu(int boton) override { botonmenu_ = qBound(1, boton, 6); }

private:
    static constexpr int topebotons = 134, pasobotons = 36;

    void construir(QWidget* f) override {
        // Fixed places: the menu view stands at (255, 152) on the sheet.
        etiqueta(f, "Label7")->setGeometry(10, 8, 240, 20);
        auto* cboton = panelcor(f, "cboton");
        cboton->setGeometry(10, 30, 150, 26);
        cboton->setColor(coresiniciais::paxina);
        auto* cbtexto = panelcor(f, "cbtexto");
        cbtexto->setGeometry(10, 62, 150, 26);
        cbtexto->setColor(Qt::black);
        auto* mhtml = nomeado<QCheckBox>(f, "mhtml");
        mhtml->setText(QStringLiteral("HTML"));
        mhtml->setGeometry(170, 32, 80, 22);
        auto* imx = filaimaxe(f, "imxmenu", "imxmenutxt", "imxmenubc", {64, 48});
        imx->setGeometry(255, 10, 410, 50);
        etiqueta(f, "Label11")->setGeometry(10, 108, 240, 20);
        etiqueta(f, "Label12")->setGeometry(255, 128, 200, 20);
        botoneditar(f, "SpeedButton69")->setGeometry(605, 124, 26, 26);
        botoneditar(f, "SpeedButton98")->setGeometry(637, 124, 26, 26);
        auto* marca = nomeado<QFrame>(f, "marcamenu");
        marca->setFrameShape(QFrame::Box);
        marca->setGeometry(4, topebotons, 4, 26);
        for (int i = 1; i <= 6; ++i) {
            const int y = topebotons + (i - 1) * pasobotons;
            auto* b = nomeado<QToolButton>(f, nomeserie("boton", i));
            b->setText(QString::number(i));
            b->setGeometry(12, y, 40, 26);
            auto* e = nomeado<LimitedEdit>(f, nomeserie("txtmenu", i), 20);
            e->setGeometry(60, y, 180, 26);
            edits[i - 1] = e;
        }
    }

    void cargarespecial(Book& libro, int n) override {
        const QColor fondo = control<Panel>("cboton")->color(), letra = control<Panel>("cbtexto")->color();
        for (QLineEdit* e : edits) {
            darcor(e, fondo, PapelCor::fondo);
            darcor(e, letra, PapelCor::texto);
        }
        control<QWidget>("marcamenu")->move(4, topebotons);
        botonmenu_ = 1;
        if (auto* vista = control<HtmlView>("visormenu")) {
            vista->load(libro.texto(n, 1));
            vista->setColours(corfondolibro(libro), cortextolibro(libro));
        }
    }

    void gardarespecial(Book& libro, int n) override {
        if (auto* vista = control<HtmlView>("visormenu")) libro.texto(n, botonmenu_) = vista->source();
    }

    void reiniciar() override {
        control<Panel>("cboton")->setColor(coresiniciais::paxina);
        control<Panel>("cbtexto")->setColor(Qt::black);
    }

    std::array<QLineEdit*, 6> edits{};
    int botonmenu_ = 1;
};

// --- 16: external activity ----------------------------------------------------------------------

class EditorExterna : public EditorTaboa {
public:
    EditorExterna()
        : EditorTaboa({memo("txexterna", 18), texto("dimxexterna", 17), texto("dimyexterna", 6),
                       texto("Edit53", 2), texto("Edit54", 3), texto("altimxexterna", 33)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        auto* caixa = nomeado<QGroupBox>(f, "GroupBox35");
        auto* c = new QVBoxLayout(caixa);
        c->addWidget(etiqueta(caixa, "Label14"));
        c->addWidget(nomeado<QPlainTextEdit>(caixa, "txexterna"), 1);
        l->addWidget(caixa, 1);
        auto* dim = new QHBoxLayout;
        dim->addWidget(etiqueta(f, "Label75"));
        auto* x = nomeado<LimitedEdit>(f, "dimxexterna", 4);
        x->setMaximumWidth(60);
        dim->addWidget(x);
        dim->addWidget(textofixo(f, "Label76", "x"));
        auto* y = nomeado<LimitedEdit>(f, "dimyexterna", 3);
        y->setMaximumWidth(60);
        dim->addWidget(y);
        dim->addStretch(1);
        auto* shp1 = nomeado<QFrame>(f, "shp1");
        shp1->setFrameShape(QFrame::Box);
        shp1->setFixedSize(64, 48);
        auto* marcador = caixaimaxe(shp1, "Image42", {40, 32});
        marcador->move(12, 8);
        marcador->porimaxe(iconaestilo(QStyle::SP_FileIcon).pixmap(32, 32));
        dim->addWidget(shp1);
        dim->addWidget(botonranura(f, "SpeedButton96"));
        l->addLayout(dim);
        // The activity's file and its variables are kept but not shown.
        for (const char* n : {"txtext", "Edit53", "Edit54", "altimxexterna"})
            nomeado<LabelledEdit>(f, n)->hide();
        etiqueta(f, "Label15")->hide();
        etiqueta(f, "Label16")->hide();
    }

    void cargarespecial(Book& libro, int n) override {
        // The file as stored; its marker only when there is one. Store leaves P1 to the drop.
        const QString& p1 = libro.paxina(n)[1];
        portextoedit(control<LabelledEdit>("txtext")->edit(), p1);
        control<QWidget>("Image42")->setVisible(!p1.isEmpty());
    }
};

// --- 29: text -----------------------------------------------------------------------------------

class EditorTextos : public EditorTaboa {
public:
    EditorTextos()
        : EditorTaboa({memo("txdicta", W(0)), radio("moddicta", 26), baleiro("tamtextos", 8, "16"),
                       cor("Panel56", 19, CorDefecto::textolibro)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(etiqueta(f, "Label48"));
        txdicta = nomeado<QPlainTextEdit>(f, "txdicta");
        l->addWidget(txdicta, 1);
        auto* fila = new QHBoxLayout;
        auto* caixa = nomeado<QGroupBox>(f, "GroupBox81");
        auto* c = new QVBoxLayout(caixa);
        auto* grupo = nomeado<RadioGroup>(caixa, "moddicta");
        for (int i = 1; i <= 3; ++i) {
            auto* r = nomeado<QRadioButton>(caixa, nomeserie("moddicta", i));
            grupo->engadir(r, QString::number(i - 1));
            c->addWidget(r);
        }
        fila->addWidget(caixa);
        auto* d = new QVBoxLayout;
        Panel48 = panelcor(f, "Panel48");
        sfdicta = caixaenpanel(Panel48, "sfdicta");
        d->addWidget(Panel48);
        d->addWidget(panelcor(f, "Panel56"));
        auto* tam = nomeado<QLineEdit>(f, "tamtextos");
        tam->setMaximumWidth(60);
        d->addWidget(tam);
        d->addStretch(1);
        fila->addLayout(d);
        fila->addStretch(1);
        l->addLayout(fila);
    }

    void cargarespecial(Book& libro, int n) override {
        const QColor fondo = cargarfondopropio(libro, n, sfdicta, Panel48);
        darcor(txdicta, fondo, PapelCor::fondo);
        darcor(txdicta, control<Panel>("Panel56")->color(), PapelCor::texto);
        QFont letra = txdicta->font();
        letra.setPointSize(qMax(1, enteiro(libro.paxina(n)[8], 12)));
        txdicta->setFont(letra);
    }

    void gardarespecial(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        gardarfondopropio(p, sfdicta, Panel48);
        p[21] = p[30];
    }

    QPlainTextEdit* txdicta = nullptr;
    ColourPanel* Panel48 = nullptr;
    QCheckBox* sfdicta = nullptr;
};

// --- 38: template -------------------------------------------------------------------------------

class EditorPlantilla : public EditorTaboa {
public:
    EditorPlantilla()
        : EditorTaboa({texto("altimxplantilla", 33), texto("resplan", 2), radio("opplan", 8),
                       texto("botonplantillatx", 20), texto("botonplantillair", 3),
                       cor("cortexplan", 19, CorDefecto::textolibro)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = new QGridLayout(f);
        l->setContentsMargins(6, 6, 6, 6);
        auto* esquerda = new QVBoxLayout;
        esquerda->addWidget(filaimaxe(f, "planimx", "txplanimx", "btplanimx", {64, 48}));
        auto* alt = nomeado<LabelledEdit>(f, "altimxplantilla");
        alt->setCaption(QStringLiteral("Alt"));
        esquerda->addWidget(alt);
        esquerda->addWidget(nomeado<LabelledEdit>(f, "resplan"));
        auto* disposicions = new QGridLayout;
        const char* debuxos[] = {"Image56", "Image65", "Image66", "Image67"};
        const QRect imaxes[] = {{4, 4, 18, 28}, {26, 4, 18, 28}, {4, 4, 40, 12}, {4, 20, 40, 12}};
        const QRect textos[] = {{26, 6, 18, 24}, {4, 6, 18, 24}, {6, 20, 36, 10}, {6, 6, 36, 10}};
        auto* grupo = nomeado<RadioGroup>(f, "opplan");
        for (int i = 0; i < 4; ++i) {
            disposicions->addWidget(debuxo(f, debuxos[i], imaxes[i], textos[i]), 0, i, Qt::AlignCenter);
            auto* r = nomeado<QRadioButton>(f, nomeserie("opplan", i + 1));
            grupo->engadir(r, QString::number(i));
            disposicions->addWidget(r, 1, i, Qt::AlignCenter);
        }
        esquerda->addLayout(disposicions);
        corfondoplan = panelcor(f, "corfondoplan");
        scorfondoplan = caixaenpanel(corfondoplan, "scorfondoplan");
        esquerda->addWidget(corfondoplan);
        esquerda->addWidget(panelcor(f, "cortexplan"));
        esquerda->addWidget(etiqueta(f, "labelboton"));
        esquerda->addWidget(etiqueta(f, "textobtplantilla"));
        esquerda->addWidget(nomeado<QLineEdit>(f, "botonplantillatx"));
        esquerda->addWidget(nomeado<QLineEdit>(f, "botonplantillair"));
        esquerda->addStretch(1);
        l->addLayout(esquerda, 0, 0, 2, 1);
        auto* cabeza = new QHBoxLayout;
        cabeza->addWidget(etiqueta(f, "labelplan"), 1);
        cabeza->addWidget(botoneditar(f, "SpeedButton104"));
        l->addLayout(cabeza, 0, 1);
        auto* Panel67 = nomeado<QFrame>(f, "Panel67");
        Panel67->setFrameShape(QFrame::StyledPanel);
        Panel67->setMinimumSize(300, 280);
        l->addWidget(Panel67, 1, 1);
        l->setColumnStretch(1, 1);
        l->setRowStretch(1, 1);
    }

    void cargarespecial(Book& libro, int n) override {
        const QColor fondo = cargarfondopropio(libro, n, scorfondoplan, corfondoplan);
        if (auto* vista = control<HtmlView>("visorplantilla")) {
            // The view fills its frame and follows the frame's size from then on.
            auto* Panel67 = control<QWidget>("Panel67");
            if (vista->parentWidget() == Panel67 && !Panel67->layout()) {
                auto* l = new QVBoxLayout(Panel67);
                l->setContentsMargins(2, 2, 2, 2);
                l->addWidget(vista);
            }
            vista->load(libro.texto(n, 1));
            vista->setColours(fondo, control<Panel>("cortexplan")->color());
        }
    }

    void gardarespecial(Book& libro, int n) override {
        gardarfondopropio(libro.paxina(n), scorfondoplan, corfondoplan);
        if (auto* vista = control<HtmlView>("visorplantilla")) libro.texto(n, 1) = vista->source();
    }

    ColourPanel* corfondoplan = nullptr;
    QCheckBox* scorfondoplan = nullptr;
};

// --- 42: scheme ---------------------------------------------------------------------------------

class EditorEsquema : public EditorTaboa {
public:
    EditorEsquema() : EditorTaboa({memo("textoesq", W(0)), radio("rbesq", 8)}) {}

private:
    void construir(QWidget* f) override {
        auto* l = columna(f);
        l->addWidget(nomeado<QPlainTextEdit>(f, "textoesq"), 1);
        auto* caixa = nomeado<QGroupBox>(f, "gresquema");
        auto* c = new QGridLayout(caixa);
        const char* debuxos[] = {"Image60", "Image63", "Image62"};
        const QRect imaxes[] = {{20, 2, 8, 6}, {2, 14, 8, 6}, {2, 2, 8, 6}};
        const QRect linas[] = {{6, 14, 36, 18}, {14, 6, 30, 26}, {14, 4, 30, 28}};
        auto* grupo = nomeado<RadioGroup>(caixa, "rbesq");
        for (int i = 0; i < 3; ++i) {
            c->addWidget(debuxo(caixa, debuxos[i], imaxes[i], linas[i]), 0, i, Qt::AlignCenter);
            auto* r = nomeado<QRadioButton>(caixa, nomeserie("rbesq", i + 1));
            grupo->engadir(r, QString::number(i));
            c->addWidget(r, 1, i, Qt::AlignCenter);
        }
        l->addWidget(caixa, 0, Qt::AlignLeft);
    }

    void cargar(Book& libro, int n) override {
        // Older pages separate the lines with "|": converted once, into the page.
        Tpaxina& p = libro.paxina(n);
        if (p[10] != QLatin1String("1")) {
            libro.texto(n, 1).replace(QLatin1Char('|'), QStringLiteral("\r\n"));
            p[10] = QStringLiteral("1");
        }
        EditorTaboa::cargar(libro, n);
    }
};

} // namespace

std::unique_ptr<PageEditor> editorimaxetext() {
    return std::make_unique<EditorImaxeTexto>();
}
std::unique_ptr<PageEditor> editorgaleriaimax() {
    return std::make_unique<EditorGaleria>(galeriaimax);
}
std::unique_ptr<PageEditor> editormenu() {
    return std::make_unique<EditorMenu>();
}
std::unique_ptr<PageEditor> editorexterna() {
    return std::make_unique<EditorExterna>();
}
std::unique_ptr<PageEditor> editorgaleriasons() {
    return std::make_unique<EditorGaleria>(galeriasons);
}
std::unique_ptr<PageEditor> editortextos() {
    return std::make_unique<EditorTextos>();
}
std::unique_ptr<PageEditor> editorplantilla() {
    return std::make_unique<EditorPlantilla>();
}
std::unique_ptr<PageEditor> editoresquema() {
    return std::make_unique<EditorEsquema>();
}

} // namespace quibel
