#include "editor/editores_imaxes.h"

#include "book/rutinas.h"
#include "editor/atopar.h"
#include "editor/controis.h"
#include "editor/editoresaxuda.h"
#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

namespace quibel {

namespace {

QString n(const char* base, int i) {
    return QString::fromLatin1(base) + QString::number(i);
}

// A piece with a tab on each side, as the second shape shows it.
QPixmap pezacomlinguetas() {
    QPixmap p(36, 36);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::black);
    pintor.setBrush(Qt::white);
    QPainterPath peza;
    peza.addRect(6, 6, 24, 24);
    for (const QPointF c : {QPointF(18, 4), QPointF(32, 18), QPointF(18, 32), QPointF(4, 18)})
        peza.addEllipse(c, 4, 4);
    pintor.drawPath(peza.simplified());
    return p;
}

// The lens of an X-rays page: a circle as large as the widget.
class Lente : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setPen(Qt::black);
        pintor.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }
};

ColourPanel* panelcor(QWidget* pai, const char* nome, const QColor& inicial) {
    auto* p = nomeado<ColourPanel>(pai, nome);
    p->setColor(inicial);
    p->setMinimumSize(80, 22);
    return p;
}

// Puzzle: a picture cut into pieces over a background picture, on two pages with tabs.
class TabPuzzle : public EditorTaboa {
public:
    TabPuzzle()
        : EditorTaboa({
              baleiro("filas", 9, "1"),
              baleiro("colum", 10, "1"),
              marcacando("reixa", 4),
              texto("tranpfondo", 3),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* columna = new QVBoxLayout(f);
        auto* pestanas = new QHBoxLayout;
        for (const char* p : {"Panel25", "Panel26"}) {
            auto* pestana = nomeado<Panel>(f, p);
            pestana->setMinimumSize(120, 22);
            pestanas->addWidget(pestana);
        }
        pestanas->addStretch(1);
        columna->addLayout(pestanas);

        auto* imaxe = nomeado<QWidget>(f, "Panel23");
        auto* grella = new QGridLayout(imaxe);
        // The grid overlay lies over the picture.
        auto* lenzo = new QWidget(imaxe);
        lenzo->setFixedSize(240, 180);
        auto* Image1 = nomeado<PictureBox>(lenzo, "Image1");
        Image1->setFrameShape(QFrame::StyledPanel);
        Image1->setGeometry(0, 0, 240, 180);
        nomeado<PictureBox>(lenzo, "imagegre")->setGeometry(0, 0, 240, 180);
        grella->addWidget(lenzo, 0, 0, 6, 1);
        grella->addWidget(editnome(imaxe, "impuzle"), 0, 1, 1, 2);
        grella->addWidget(botonranura(imaxe, "SpeedButton79"), 0, 3);
        grella->addWidget(etiqueta(imaxe, "Label2"), 1, 1);
        grella->addWidget(nomeado<LimitedEdit>(imaxe, "filas", 1), 1, 2, Qt::AlignLeft);
        grella->addWidget(etiqueta(imaxe, "Label13"), 2, 1);
        grella->addWidget(nomeado<LimitedEdit>(imaxe, "colum", 1), 2, 2, Qt::AlignLeft);
        for (const char* e : {"filas", "colum"})
            imaxe->findChild<QWidget*>(QString::fromLatin1(e))->setFixedWidth(40);
        auto* redebuxar = nomeado<QToolButton>(imaxe, "SpeedButton108");
        redebuxar->setIcon(iconaestilo(QStyle::SP_BrowserReload));
        grella->addWidget(redebuxar, 2, 3);
        grella->addWidget(nomeado<QCheckBox>(imaxe, "reixa"), 3, 1, 1, 2);
        auto* formas = new QWidget(imaxe);
        // The two shapes of the pieces: square, and with tabs.
        auto* forma1 = nomeado<QFrame>(formas, "Shape29");
        forma1->setFrameShape(QFrame::Box);
        forma1->setFixedSize(28, 28);
        auto* forma2 = nomeado<QLabel>(formas, "Image69");
        forma2->setPixmap(pezacomlinguetas());
        forma2->setFixedSize(36, 36);
        grupo(f, "chpuzzle", formas, {{"chpuzzle1", "0"}, {"chpuzzle2", "1"}});
        auto* fila = new QHBoxLayout(formas);
        fila->addWidget(formas->findChild<QWidget*>(QStringLiteral("chpuzzle1")));
        fila->addWidget(forma1);
        fila->addWidget(formas->findChild<QWidget*>(QStringLiteral("chpuzzle2")));
        fila->addWidget(forma2);
        fila->addStretch(1);
        grella->addWidget(formas, 4, 1, 1, 3);
        columna->addWidget(imaxe);

        auto* fondo = nomeado<QWidget>(f, "Panel24");
        auto* g2 = new QGridLayout(fondo);
        g2->addWidget(ranuraimaxe(fondo, "Image15", nullptr, "SpeedButton97")->parentWidget(), 0, 0, 3, 1);
        auto* impfondo = editnome(fondo, "impfondo");
        impfondo->setCaption(QStringLiteral("Fondo"));
        g2->addWidget(impfondo, 0, 1, 1, 2);
        g2->addWidget(etiqueta(fondo, "Label20"), 1, 1);
        g2->addWidget(nomeado<LimitedEdit>(fondo, "tranpfondo", 3), 1, 2);
        columna->addWidget(fondo);
        columna->addStretch(1);
        fondo->hide();
    }
    RadioGroup* forma() const { return control<RadioGroup>("chpuzzle"); }
    void cargarespecial(Book& libro, int paxina) override {
        const Tpaxina& p = libro.paxina(paxina);
        auto* gre = control<PictureBox>("imagegre");
        gre->limpar();
        amosarbaleiro(control<QLineEdit>("tranpfondo"), p[3], "100");
        control<QWidget>("Panel23")->show();
        control<QWidget>("Panel24")->hide();
        control<Panel>("Panel25")->setColor(QColor(0xFF, 0x80, 0x40));
        control<Panel>("Panel26")->setColor(coresiniciais::paxina);
        pintarreixa(control<PictureBox>("Image1"), gre, enteiro(control<QLineEdit>("filas")->text(), 1),
                    enteiro(control<QLineEdit>("colum")->text(), 1));
        porradio(forma(), p[8] == QLatin1String("1") ? p[8] : QStringLiteral("0"), "0");
    }
    void gardarespecial(Book& libro, int paxina) override {
        Tpaxina& p = libro.paxina(paxina);
        for (const char* e : {"filas", "colum"}) {
            QLineEdit* edit = control<QLineEdit>(e);
            if (edit->text().isEmpty()) edit->setText(QStringLiteral("1"));
        }
        p[8] = forma()->boton(QStringLiteral("0"))->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    }
};

// X rays: a cover picture hides a picture that the reader uncovers through a round hole.
class TabRaios : public EditorTaboa {
public:
    TabRaios()
        : EditorTaboa({
              cor("raicol", 29, CorDefecto::panel),
              texto("rairesp", 2),
              memo("raitext", W(0)),
          }) {}

    void reiniciar() override {
        control<Panel>("raicol")->setColor(coresiniciais::raicol);
        QLineEdit* raibur = control<QLineEdit>("raibur");
        const QSignalBlocker b(raibur);
        raibur->setText(QString::fromLatin1(raiburinicial));
    }

private:
    void construir(QWidget* f) override {
        auto* fila = new QHBoxLayout(f);
        auto* area = new QWidget(f);
        area->setFixedSize(360, 300);
        auto* oculta = nomeado<PictureBox>(area, "Image18");
        oculta->setFrameShape(QFrame::StyledPanel);
        oculta->setGeometry(0, 0, 360, 300);
        auto* cuberta = nomeado<PictureBox>(area, "Image17");
        cuberta->setFrameShape(QFrame::StyledPanel);
        cuberta->setGeometry(0, 0, 120, 90);
        auto* lente = nomeado<Lente>(area, "cbura");
        lente->setGeometry(300, 240, 50, 50);
        fila->addWidget(area, 0, Qt::AlignTop);

        auto* lado = new QWidget(f);
        auto* g = new QGridLayout(lado);
        auto* raitxt = editnome(lado, "raitxt");
        raitxt->setCaption(QStringLiteral("Imaxe"));
        g->addWidget(raitxt, 0, 0, 1, 2);
        g->addWidget(botonranura(lado, "SpeedButton18"), 0, 2);
        auto* raitxtf = editnome(lado, "raitxtf");
        raitxtf->setCaption(QStringLiteral("Fondo"));
        g->addWidget(raitxtf, 1, 0, 1, 2);
        g->addWidget(botonranura(lado, "SpeedButton80"), 1, 2);
        g->addWidget(panelcor(lado, "raicol", coresiniciais::raicol), 2, 0, 1, 3);
        g->addWidget(etiqueta(lado, "Label32"), 3, 0);
        auto* raibur = nomeado<LimitedEdit>(lado, "raibur", 3);
        raibur->setText(QString::fromLatin1(raiburinicial));
        g->addWidget(raibur, 3, 1);
        g->addWidget(etiqueta(lado, "Label27"), 4, 0);
        g->addWidget(nomeado<QLineEdit>(lado, "rairesp"), 4, 1, 1, 2);
        auto* boton = nomeado<QToolButton>(lado, "SpeedButton107");
        boton->setText(QStringLiteral("Texto"));
        g->addWidget(boton, 5, 0);
        auto* panel = nomeado<QFrame>(lado, "Panel41");
        auto* interior = new QVBoxLayout(panel);
        interior->setContentsMargins(0, 0, 0, 0);
        interior->addWidget(nomeado<QPlainTextEdit>(panel, "raitext"));
        g->addWidget(panel, 6, 0, 1, 3);
        g->setRowStretch(7, 1);
        fila->addWidget(lado, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        Tpaxina& p = libro.paxina(paxina);
        control<QWidget>("Image17")->move(enteiro(p[8], 0), enteiro(p[9], 0));
        p[29] = gardarcor(control<Panel>("raicol"));
        QLineEdit* raibur = control<QLineEdit>("raibur");
        const QSignalBlocker b(raibur);
        if (!p[4].isEmpty()) raibur->setText(p[4]);
        // The lens follows the edit, which holds a whole number from here on.
        const int diametro = enteiro(raibur->text(), 20);
        raibur->setText(QString::number(diametro));
        control<QWidget>("cbura")->resize(diametro, diametro);
        control<QWidget>("Panel41")->setHidden(libro.texto(paxina, 1).isEmpty());
    }
    void gardarespecial(Book& libro, int paxina) override {
        Tpaxina& p = libro.paxina(paxina);
        const QWidget* cuberta = control<QWidget>("Image17");
        p[8] = QString::number(cuberta->x());
        p[9] = QString::number(cuberta->y());
        p[4] = control<QLineEdit>("raibur")->text();
    }
};

// Classify images: six pictures, each in one of two boxes.
class TabClaimax : public EditorTaboa {
public:
    TabClaimax()
        : EditorTaboa({
              texto("nomcaixaim1", 1),
              texto("nomcaixaim2", 2),
              texto("trp3", 27),
              texto("trp4", 28),
              cor("imcorfondo", 18, CorDefecto::fondolibro),
              marcacando("chimxclac", 11),
              marcasalvo("chimxcla", 26, "1", "0", "1"),
          }) {}

private:
    static constexpr const char* grupos[] = {"GroupBox31", "GroupBox32", "GroupBox33",
                                             "GroupBox36", "GroupBox57", "GroupBox99"};
    static constexpr const char* caixa1[] = {"checkbox17", "checkbox20", "checkbox22",
                                             "checkbox24", "checkbox26", "checkbox28"};
    static constexpr const char* caixa2[] = {"checkbox18", "checkbox19", "checkbox21",
                                             "checkbox23", "checkbox25", "checkbox27"};
    static constexpr const char* limpar[] = {"SpeedButton92", "SpeedButton93",  "SpeedButton94",
                                             "SpeedButton78", "SpeedButton105", "SpeedButton109"};
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        const char* caixas[] = {"GroupBox29", "GroupBox30"};
        const char* nomes[] = {"nomcaixaim1", "nomcaixaim2"};
        const char* imaxes[] = {"caimclimx1", "caimclimx2"};
        const char* limparcaixa[] = {"SpeedButton90", "SpeedButton91"};
        const char* trp[] = {"trp3", "trp4"};
        for (int i = 0; i < 2; ++i) {
            grella->addWidget(caixaclasifica(f, caixas[i], nomes[i], imaxes[i], limparcaixa[i], trp[i]), 0,
                              i * 3, 1, 3);
        }
        for (int i = 0; i < 6; ++i) {
            QGroupBox* g = caixagrupo(f, grupos[i]);
            ranuraimaxe(g, nomeserie("climx", i + 1), nullptr, limpar[i]);
            grupo(f, nomeserie("parella", i + 1), g, {{caixa1[i], "1"}, {caixa2[i], "2"}});
            grella->addWidget(g, 1 + i / 3, i % 3 * 2, 1, 2);
        }
        // The page colour panel is the window's, which a book read also sets; a bare sheet has
        // its own.
        auto* fondo = folla_->window()->findChild<Panel*>(QStringLiteral("imcorfondo"));
        if (fondo)
            fondo->setParent(f);
        else
            fondo = panelcor(f, "imcorfondo", coresiniciais::paxina);
        fondo->setMinimumSize(80, 22);
        fondo->show();
        grella->addWidget(fondo, 3, 0, 1, 2);
        grella->addWidget(nomeado<QCheckBox>(f, "chimxclac"), 3, 2, 1, 2);
        grella->addWidget(nomeado<QCheckBox>(f, "chimxcla"), 3, 4, 1, 2);
        grella->setRowStretch(4, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        const Tpaxina& p = libro.paxina(paxina);
        amosarbaleiro(editen(folla_, "trp3"), p[27], "100");
        amosarbaleiro(editen(folla_, "trp4"), p[28], "100");
        cargarparellas(folla_, p);
        pasarcor(folla_, "imcorfondo");
    }
    void gardarespecial(Book& libro, int paxina) override { gardarparellas(folla_, libro.paxina(paxina)); }
};

// Identify images: five pictures, each to be named, written or dragged.
class TabSheet14 : public EditorTaboa {
public:
    TabSheet14()
        : EditorTaboa({
              texto("txtridimx1", 6),
              texto("txtridimx2", 7),
              texto("txtridimx3", 8),
              texto("txtridimx4", 9),
              texto("txtridimx5", 10),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        const char* imaxes[] = {"Image16", "Image5", "Image6", "Image9", "Image8"};
        const char* limpar[] = {"SpeedButton46", "SpeedButton14", "SpeedButton15", "SpeedButton47",
                                "SpeedButton17"};
        for (int i = 0; i < 5; ++i) {
            auto* item = new QWidget(f);
            new QVBoxLayout(item);
            ranuraimaxe(item, imaxes[i], nomeserie("txtidimx", i + 1), limpar[i]);
            auto* t = nomeado<LabelledEdit>(item, nomeserie("txtridimx", i + 1));
            t->setCaption(QStringLiteral("Texto"));
            item->layout()->addWidget(t);
            grella->addWidget(item, 0, i);
        }
        QGroupBox* modo = caixagrupo(f, "boximaxeid");
        grupo(f, "opimaxeid", modo, {{"op1imaxeid", "1"}, {"op2imaxeid", "3"}});
        grella->addWidget(modo, 1, 0, 1, 2);
        grella->setRowStretch(2, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        porradio(control<RadioGroup>("opimaxeid"), libro.paxina(paxina)[26] == QLatin1String("3") ? "3" : "1",
                 "1");
    }
    void gardarespecial(Book& libro, int paxina) override {
        control<RadioGroup>("opimaxeid")->gardaren(libro.paxina(paxina)[26]);
    }
};

// The six picture groups of a sheet and the panel whose colour they take.
void construirgrupos(QWidget* f, QGridLayout* grella, std::initializer_list<const char*> grupos, int fila0) {
    int i = 0;
    for (const char* g : grupos) {
        grella->addWidget(caixagrupo(f, g), fila0 + i / 3, i % 3);
        ++i;
    }
}

// Drag images: three fixed pictures with their texts and sounds, and three pictures dragged onto
// them.
class TabSheet17 : public EditorTaboa {
public:
    TabSheet17()
        : EditorTaboa({
              texto("txtarrastra1", 7),
              texto("txtarrastra2", 8),
              texto("txtarrastra3", 9),
              cor("bcarrastra", 18, CorDefecto::panel),
          }) {}

    void reiniciar() override { control<Panel>("bcarrastra")->setColor(coresiniciais::paxina); }

private:
    static constexpr const char* grupos[] = {"GroupBox17", "GroupBox54", "GroupBox23",
                                             "GroupBox39", "GroupBox37", "GroupBox40"};
    void construir(QWidget* f) override {
        auto* columna = new QVBoxLayout(f);
        const char* limpar[] = {"SpeedButton102", "SpeedButton85", "SpeedButton84",
                                "SpeedButton82",  "SpeedButton86", "SpeedButton87"};
        const char* tocar[] = {"SpeedButton156", "SpeedButton158", "SpeedButton160"};
        const char* limparson[] = {"SpeedButton157", "SpeedButton159", "SpeedButton161"};
        for (int bloque = 0; bloque < 2; ++bloque) {
            auto* g = nomeado<QGroupBox>(f, bloque == 0 ? "GroupBox53" : "GroupBox38");
            auto* fila = new QHBoxLayout(g);
            for (int k = 0; k < 3; ++k) {
                const int i = bloque * 3 + k;
                QGroupBox* item = caixagrupo(g, grupos[i]);
                ranuraimaxe(item, nomeserie("arrimx", i + 1), nomeserie("imarrtxt", i + 1), limpar[i]);
                if (bloque == 0) {
                    auto* t = nomeado<LabelledEdit>(item, nomeserie("txtarrastra", k + 1));
                    t->setCaption(QStringLiteral("Texto"));
                    item->layout()->addWidget(t);
                    ranurason(item, nomeserie("txtarson", k + 1), tocar[k], limparson[k]);
                }
                fila->addWidget(item);
            }
            columna->addWidget(g);
        }
        columna->addWidget(panelcor(f, "bcarrastra", coresiniciais::paxina), 0, Qt::AlignLeft);
        columna->addStretch(1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        encherbaleira(libro.paxina(paxina)[18], control<Panel>("bcarrastra"));
        pasarcor(folla_, "bcarrastra");
    }
};

// Who is who: six covered pictures to pair from memory.
class TabSheet23 : public EditorTaboa {
public:
    TabSheet23()
        : EditorTaboa({
              texto("caratempo", 28),
              cor("caracol", 18, CorDefecto::fondolibro),
              cor("caratapa", 29, CorDefecto::panel),
          }) {}

    void reiniciar() override {
        control<Panel>("caracol")->setColor(coresiniciais::paxina);
        control<Panel>("caratapa")->setColor(coresiniciais::caratapa);
    }

private:
    static constexpr const char* grupos[] = {"GroupBox2",  "GroupBox46", "GroupBox47",
                                             "GroupBox48", "GroupBox49", "GroupBox50"};
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        const char* limpar[] = {"SpeedButton1",  "SpeedButton16",  "SpeedButton20",
                                "SpeedButton99", "SpeedButton100", "SpeedButton101"};
        construirgrupos(f, grella, {grupos[0], grupos[1], grupos[2], grupos[3], grupos[4], grupos[5]}, 0);
        for (int i = 0; i < 6; ++i) {
            auto* g = f->findChild<QGroupBox*>(QString::fromLatin1(grupos[i]));
            ranuraimaxe(g, nomeserie("caraim", i + 1), nomeserie("cara", i + 1), limpar[i]);
            g->findChild<LabelledEdit*>(n("cara", i + 1))->setCaption(QStringLiteral("Imaxe"));
        }
        auto* tempo = new QHBoxLayout;
        tempo->addWidget(etiqueta(f, "Label33"));
        tempo->addWidget(nomeado<QLineEdit>(f, "caratempo"));
        tempo->addWidget(etiqueta(f, "Label34"));
        grella->addLayout(tempo, 2, 0, 1, 3);
        grella->addWidget(panelcor(f, "caracol", coresiniciais::paxina), 3, 0);
        grella->addWidget(panelcor(f, "caratapa", coresiniciais::caratapa), 3, 1);
        grella->setRowStretch(4, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        encherbaleira(libro.paxina(paxina)[29], control<Panel>("caratapa"));
        pasarcor(folla_, "caracol");
    }
};

// Identify sounds: five pictures, each with a sound and a name.
class TabSheet15 : public EditorTaboa {
public:
    TabSheet15()
        : EditorTaboa({
              texto("txtidrson1", 6),
              texto("txtidrson2", 7),
              texto("txtidrson3", 8),
              texto("txtidrson4", 9),
              texto("txtidrson5", 10),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        const char* imaxes[] = {"Image22", "Image10", "Image11", "Image14", "Image13"};
        const char* limpar[] = {"SpeedButton66", "SpeedButton50", "SpeedButton68", "SpeedButton77",
                                "SpeedButton74"};
        const char* tocar[] = {"SpeedButton65", "SpeedButton49", "SpeedButton67", "SpeedButton76",
                               "SpeedButton73"};
        const char* limparson[] = {"SpeedButton64", "SpeedButton48", "SpeedButton51", "SpeedButton75",
                                   "SpeedButton72"};
        for (int i = 0; i < 5; ++i) {
            auto* item = new QWidget(f);
            new QVBoxLayout(item);
            ranuraimaxe(item, imaxes[i], nomeserie("txtidsonimx", i + 1), limpar[i]);
            ranurason(item, nomeserie("txtidson", i + 1), tocar[i], limparson[i]);
            item->layout()->addWidget(nomeado<LabelledEdit>(item, nomeserie("txtidrson", i + 1)));
            grella->addWidget(item, 0, i);
        }
        QGroupBox* modo = caixagrupo(f, "boxsonid");
        grupo(f, "opsonid", modo, {{"op1sonid", "2"}, {"op2sonid", "4"}, {"op3sonid", "5"}});
        grella->addWidget(modo, 1, 0, 1, 2);
        grella->setRowStretch(2, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        porradio(control<RadioGroup>("opsonid"), libro.paxina(paxina)[26], "2");
    }
    void gardarespecial(Book& libro, int paxina) override {
        control<RadioGroup>("opsonid")->gardaren(libro.paxina(paxina)[26]);
    }
};

// Choose: six items, pictures with texts, some of them right choices. P26 is only read, by the
// slots that show the pictures.
class Escoller : public EditorTaboa {
public:
    Escoller() : EditorTaboa(filas()) {}

    void reiniciar() override { control<Panel>("bcescolle")->setColor(coresiniciais::paxina); }

private:
    static constexpr const char* grupos[] = {"GroupBox60", "GroupBox61", "GroupBox62",
                                             "GroupBox63", "GroupBox64", "GroupBox65"};
    static std::vector<Vinculo> filas() {
        std::vector<Vinculo> v;
        for (int i = 1; i <= 6; ++i) {
            v.push_back(texto(nomeserie("txtescolle", i), 6 + i));
            v.push_back(marcacando(nomeserie("chescolle", i), i));
        }
        v.push_back(cor("bcescolle", 18, CorDefecto::panel));
        return v;
    }
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        const char* imaxes[] = {"Image2", "Image19", "Image20", "Image21", "Image23", "Image24"};
        const char* limpar[] = {"SpeedButton106", "SpeedButton126", "SpeedButton144",
                                "SpeedButton147", "SpeedButton150", "SpeedButton153"};
        construirgrupos(f, grella, {grupos[0], grupos[1], grupos[2], grupos[3], grupos[4], grupos[5]}, 0);
        for (int i = 0; i < 6; ++i) {
            auto* g = f->findChild<QGroupBox*>(QString::fromLatin1(grupos[i]));
            ranuraimaxe(g, imaxes[i], nomeserie("imescolle", i + 1), limpar[i]);
            auto* t = nomeado<LabelledEdit>(g, nomeserie("txtescolle", i + 1));
            t->setCaption(QStringLiteral("Texto"));
            g->layout()->addWidget(t);
            g->layout()->addWidget(nomeado<QCheckBox>(g, nomeserie("chescolle", i + 1)));
        }
        grella->addWidget(panelcor(f, "bcescolle", coresiniciais::paxina), 2, 0);
        grella->setRowStretch(3, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        encherbaleira(libro.paxina(paxina)[18], control<Panel>("bcescolle"));
        pasarcor(folla_, "bcescolle");
    }
};

} // namespace

std::unique_ptr<PageEditor> editorTabPuzzle() {
    return std::make_unique<TabPuzzle>();
}
std::unique_ptr<PageEditor> editorTabRaios() {
    return std::make_unique<TabRaios>();
}
std::unique_ptr<PageEditor> editorTabClaimax() {
    return std::make_unique<TabClaimax>();
}
std::unique_ptr<PageEditor> editorTabSheet14() {
    return std::make_unique<TabSheet14>();
}
std::unique_ptr<PageEditor> editorTabSheet17() {
    return std::make_unique<TabSheet17>();
}
std::unique_ptr<PageEditor> editorTabSheet23() {
    return std::make_unique<TabSheet23>();
}
std::unique_ptr<PageEditor> editorTabSheet15() {
    return std::make_unique<TabSheet15>();
}
std::unique_ptr<PageEditor> editorescoller() {
    return std::make_unique<Escoller>();
}

} // namespace quibel
