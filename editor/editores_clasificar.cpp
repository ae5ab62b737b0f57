#include "editor/editores_clasificar.h"

#include "book/conversionhtml.h"
#include "book/rutinas.h"
#include "editor/atopar.h"
#include "editor/editoresaxuda.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

namespace quibel {

namespace {

// Classify texts: two boxes, six texts, each with the pair of buttons of its box.
class TabClasificar : public EditorTaboa {
public:
    TabClasificar()
        : EditorTaboa({
              texto("nomcaixa1", 1),
              texto("nomcaixa2", 2),
              texto("trp1", 27),
              texto("trp2", 28),
              texto("Edit45", 3),
              texto("edit46", 4),
              texto("edit47", 5),
              texto("edit48", 6),
              texto("edit49", 7),
              texto("edit50", 8),
              marcasalvo("chtxtcla", 26, "1", "0", "1"),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        const char* caixas[] = {"GroupBox27", "GroupBox28"};
        const char* nomes[] = {"nomcaixa1", "nomcaixa2"};
        const char* imaxes[] = {"caixaimx1", "caixaimx2"};
        const char* limpar[] = {"SpeedButton88", "SpeedButton89"};
        const char* trp[] = {"trp1", "trp2"};
        auto* caixas2 = new QHBoxLayout;
        for (int i = 0; i < 2; ++i)
            caixas2->addWidget(caixaclasifica(f, caixas[i], nomes[i], imaxes[i], limpar[i], trp[i]));
        grella->addLayout(caixas2, 0, 0, 1, 2);
        grella->setColumnStretch(0, 1);
        grella->addWidget(etiqueta(f, "Label25"), 1, 0, 1, 2);
        const char* textos[] = {"Edit45", "edit46", "edit47", "edit48", "edit49", "edit50"};
        for (int i = 0; i < 6; ++i) {
            grella->addWidget(nomeado<QLineEdit>(f, textos[i]), 2 + i, 0);
            auto* par = new QWidget(f);
            new QHBoxLayout(par);
            const QByteArray esquerda = "checkbox" + QByteArray::number(5 + 2 * i);
            const QByteArray dereita = "checkbox" + QByteArray::number(6 + 2 * i);
            const QByteArray nome = "parella" + QByteArray::number(i + 1);
            grupo(f, nome.constData(), par, {{esquerda.constData(), "1"}, {dereita.constData(), "2"}});
            grella->addWidget(par, 2 + i, 1);
        }
        grella->addWidget(nomeado<QCheckBox>(f, "chtxtcla"), 8, 0, 1, 2);
        grella->setRowStretch(9, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        const Tpaxina& p = libro.paxina(paxina);
        amosarbaleiro(editen(folla_, "trp1"), p[27], "100");
        amosarbaleiro(editen(folla_, "trp2"), p[28], "100");
        cargarparellas(folla_, p);
    }
    void gardarespecial(Book& libro, int paxina) override { gardarparellas(folla_, libro.paxina(paxina)); }
};

// Links: a picture or text with three link buttons placed on it.
class TabLiga : public EditorTaboa {
public:
    TabLiga()
        : EditorTaboa({
              memo("rtliga", W(0)),
              texto("txtliga1", 2),
              texto("txtliga2", 3),
              texto("txtliga4", 4),
              texto("txtenla1", 5),
              texto("txtenla2", 6),
              texto("txtenla4", 7),
          }) {}

    using PageEditor::reiniciar;
    void reiniciar(Documento::PasoReinicio paso) override {
        if (paso != Documento::PasoReinicio::vistas) return;
        const QSignalBlocker b(control<QPlainTextEdit>("rtliga"));
        control<QPlainTextEdit>("rtliga")->clear();
    }

private:
    struct Boton {
        const char* panel;
        const char* edit;
        int x, y;       // the fields of its left and top
        int xdef, ydef; // where a field that is not an integer puts it
    };
    static constexpr Boton botons[] = {{"Panel42", "txtliga1", 9, 19, 50, 300},
                                       {"Panel43", "txtliga2", 10, 20, 225, 300},
                                       {"Panel44", "txtliga4", 11, 21, 400, 300}};

    void construir(QWidget* f) override {
        auto* columna = new QVBoxLayout(f);
        // The design area: the picture, the text panel and the three movable link buttons.
        auto* area = new QWidget(f);
        area->setFixedSize(560, 332);
        auto* fondo = nomeado<PictureBox>(area, "Image35");
        fondo->setGeometry(0, 0, 560, 332);
        fondo->setFrameShape(QFrame::StyledPanel);
        nomeado<LabelledEdit>(area, "txtimliga")->hide();
        botonranura(area, "SpeedButton154")->move(532, 0);
        auto* texto = nomeado<QFrame>(area, "Panel45");
        texto->setFrameShape(QFrame::StyledPanel);
        auto* interior = new QVBoxLayout(texto);
        interior->setContentsMargins(1, 1, 1, 1);
        interior->addWidget(nomeado<QPlainTextEdit>(texto, "rtliga"));
        texto->setGeometry(0, 0, 300, 20);
        auto* pregar = nomeado<QToolButton>(area, "SpeedButton163");
        pregar->setText(QStringLiteral("Texto"));
        pregar->move(304, 0);
        for (const Boton& b : botons) {
            auto* p = nomeado<QFrame>(area, b.panel);
            p->setFrameShape(QFrame::Box);
            auto* l = new QHBoxLayout(p);
            l->setContentsMargins(2, 2, 2, 2);
            l->addWidget(nomeado<LabelledEdit>(p, b.edit));
            p->setGeometry(b.xdef, b.ydef, 120, 30);
        }
        columna->addWidget(area);
        auto* abaixo = new QHBoxLayout;
        QGroupBox* imaxe = caixagrupo(f, "GroupBox71");
        ranuraimaxe(imaxe, "Image25", nullptr, "SpeedButton155");
        abaixo->addWidget(imaxe);
        QGroupBox* destinos = caixagrupo(f, "GroupBox70");
        for (const char* n : {"txtenla1", "txtenla2", "txtenla4"})
            destinos->layout()->addWidget(nomeado<QLineEdit>(destinos, n));
        abaixo->addWidget(destinos, 1);
        columna->addLayout(abaixo);
        columna->addStretch(1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        const Tpaxina& p = libro.paxina(paxina);
        for (const Boton& b : botons)
            control<QWidget>(b.panel)->move(enteiro(p[b.x], b.xdef), enteiro(p[b.y], b.ydef));
        QWidget* texto = control<QWidget>("Panel45");
        texto->resize(texto->width(), libro.texto(paxina, 1).isEmpty() ? 20 : 260);
    }
    void gardarespecial(Book& libro, int paxina) override {
        Tpaxina& p = libro.paxina(paxina);
        for (const Boton& b : botons) {
            const QWidget* w = control<QWidget>(b.panel);
            p[b.x] = QString::number(w->x());
            p[b.y] = QString::number(w->y());
        }
    }
};

// Drag texts: five fixed texts, each with the text dragged onto it.
class TabSheet16 : public EditorTaboa {
public:
    TabSheet16()
        : EditorTaboa({
              texto("Edit35", 1),
              texto("Edit37", 2),
              texto("Edit39", 3),
              texto("Edit42", 4),
              texto("Edit44", 5),
              texto("Edit38", 6),
              texto("Edit36", 7),
              texto("Edit40", 8),
              texto("Edit41", 9),
              texto("Edit43", 10),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* fila = new QHBoxLayout(f);
        QGroupBox* fixos = caixagrupo(f, "GroupBox51");
        for (const char* n : {"Edit38", "Edit36", "Edit40", "Edit41", "Edit43"})
            fixos->layout()->addWidget(nomeado<LimitedEdit>(fixos, n, 22));
        for (LimitedEdit* e : fixos->findChildren<LimitedEdit*>())
            e->setMinimumWidth(220);
        QGroupBox* arrastrados = caixagrupo(f, "GroupBox52");
        for (const char* n : {"Edit35", "Edit37", "Edit39", "Edit42", "Edit44"})
            arrastrados->layout()->addWidget(nomeado<LimitedEdit>(arrastrados, n, 22));
        for (LimitedEdit* e : arrastrados->findChildren<LimitedEdit*>())
            e->setMinimumWidth(220);
        fila->addWidget(fixos, 0, Qt::AlignTop);
        fila->addWidget(arrastrados, 0, Qt::AlignTop);
        fila->addStretch(1);
    }
};

// Links 2: ten text links and the picture of their buttons. P26..P29 are link texts here.
class TabSheet26 : public EditorTaboa {
public:
    TabSheet26() : EditorTaboa(filas()) {}

private:
    static constexpr const char* textos[] = {"Edit4",  "Edit7",  "Edit11", "Edit13", "Edit15",
                                             "Edit32", "Edit31", "Edit30", "Edit29", "Edit17"};
    static constexpr const char* destinos[] = {"Edit2",  "Edit10", "Edit12", "Edit14", "Edit16",
                                               "Edit28", "Edit27", "Edit26", "Edit25", "Edit24"};
    static std::vector<Vinculo> filas() {
        std::vector<Vinculo> v;
        for (int i = 0; i < 10; ++i) {
            v.push_back(texto(textos[i], 20 + i));
            v.push_back(texto(destinos[i], 3 + i));
        }
        return v;
    }
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        grella->addWidget(etiqueta(f, "Label46"), 0, 0);
        grella->addWidget(etiqueta(f, "Label47"), 0, 1);
        for (int i = 0; i < 10; ++i) {
            grella->addWidget(nomeado<QLineEdit>(f, textos[i]), 1 + i, 0);
            grella->addWidget(nomeado<QLineEdit>(f, destinos[i]), 1 + i, 1);
        }
        QGroupBox* boton = caixagrupo(f, "GroupBox80");
        ranuraimaxe(boton, "imxboton", "nomimxboton", "SpeedButton172");
        grella->addWidget(boton, 1, 2, 4, 1, Qt::AlignTop);
        grella->setRowStretch(11, 1);
    }
};

// The two layouts a sort page offers: words in a row, or letters in boxes.
QPixmap disposicion(bool letras) {
    QPixmap p(64, 24);
    p.fill(Qt::white);
    QPainter pintor(&p);
    pintor.setPen(Qt::darkGray);
    const int n = letras ? 5 : 3;
    const int ancho = 60 / n;
    for (int i = 0; i < n; ++i)
        pintor.drawRect(2 + i * ancho, 4, ancho - 3, 15);
    return p;
}

// Sort: a text whose words or letters the reader puts in order.
class TabSheet34 : public EditorTaboa {
public:
    TabSheet34()
        : EditorTaboa({
              texto("txpalabra", 1),
              radio("chordea", 26),
              marcacando("chordea2", 8, "0", "0", "1"),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* columna = new QVBoxLayout(f);
        auto* palabra = nomeado<LabelledEdit>(f, "txpalabra");
        palabra->setCaption(QStringLiteral("Texto"));
        columna->addWidget(palabra);
        QGroupBox* modo = nomeado<QGroupBox>(f, "GroupBox100");
        grupo(f, "chordea", modo, {{"chordea0", "1"}, {"chordea1", "2"}});
        auto* grella = new QGridLayout(modo);
        grella->addWidget(modo->findChild<QWidget*>(QStringLiteral("chordea0")), 0, 0);
        grella->addWidget(modo->findChild<QWidget*>(QStringLiteral("chordea1")), 1, 0);
        auto* primeira = nomeado<QLabel>(modo, "Image72");
        primeira->setPixmap(disposicion(false));
        auto* segunda = nomeado<QLabel>(modo, "Image26");
        segunda->setPixmap(disposicion(true));
        grella->addWidget(primeira, 0, 1);
        grella->addWidget(segunda, 1, 1);
        columna->addWidget(modo);
        columna->addWidget(etiqueta(f, "modoordea"));
        columna->addWidget(etiqueta(f, "labelordea"));
        columna->addWidget(nomeado<QCheckBox>(f, "chordea2"));
        ranuraimaxe(f, "Image61", "LabeledEdit8", "SpeedButton198");
        columna->addStretch(1);
    }
};

// Pyramid: a text and six lines, the top first.
class TabSheet37 : public EditorTaboa {
public:
    TabSheet37()
        : EditorTaboa({
              memo("textopir", W(0)),
              texto("txpira1", 1),
              texto("txpira2", 2),
              texto("txpira3", 3),
              texto("txpira4", 4),
              texto("txpira5", 5),
              texto("txpira6", 6),
          }) {}

private:
    void construir(QWidget* f) override {
        auto* columna = new QVBoxLayout(f);
        columna->addWidget(etiqueta(f, "Label59"));
        columna->addWidget(nomeado<QPlainTextEdit>(f, "textopir"));
        for (const char* n : {"txpira1", "txpira2", "txpira3", "txpira4", "txpira5", "txpira6"}) {
            auto* e = nomeado<LimitedEdit>(f, n, 20);
            e->setMinimumWidth(200);
            columna->addWidget(e, 0, Qt::AlignHCenter);
        }
        columna->addStretch(1);
    }
};

// Relations: two lists of six items and what each item of the first is related with.
class Relaciona : public EditorTaboa {
public:
    Relaciona() : EditorTaboa(filas()) {}

private:
    static std::vector<Vinculo> filas() {
        static const QByteArray nomes[3][6] = {
            {"relacionatx1", "relacionatx2", "relacionatx3", "relacionatx4", "relacionatx5", "relacionatx6"},
            {"relaciona3tx1", "relaciona3tx2", "relaciona3tx3", "relaciona3tx4", "relaciona3tx5",
             "relaciona3tx6"},
            {"relaciona2tx1", "relaciona2tx2", "relaciona2tx3", "relaciona2tx4", "relaciona2tx5",
             "relaciona2tx6"}};
        const int campos[3] = {1, 19, 7};
        std::vector<Vinculo> v;
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 6; ++i)
                v.push_back(texto(nomes[c][i].constData(), campos[c] + i));
        return v;
    }
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        grella->addWidget(etiqueta(f, "relacionadocon"), 0, 1);
        for (const Vinculo& v : taboa_.filas()) {
            const QByteArray n(v.control);
            const int columna = n.startsWith("relaciona3") ? 1 : n.startsWith("relaciona2") ? 2 : 0;
            grella->addWidget(nomeado<QLineEdit>(f, v.control), n.right(1).toInt(), columna);
        }
        grella->setRowStretch(7, 1);
    }
};

// Classify 2: up to four group names held in P1, six words and the group of each.
class Clasifica2 : public EditorTaboa {
public:
    Clasifica2()
        : EditorTaboa({
              texto("clasifica2paltx1", 3),
              texto("clasifica2paltx2", 4),
              texto("clasifica2paltx3", 5),
              texto("clasifica2paltx4", 6),
              texto("clasifica2paltx5", 7),
              texto("clasifica2paltx6", 8),
              texto("clasifica2detx1", 19),
              texto("clasifica2detx2", 20),
              texto("clasifica2detx3", 21),
              texto("clasifica2detx4", 22),
              texto("clasifica2detx5", 23),
              texto("clasifica2detx6", 24),
          }) {}

private:
    QLineEdit* grupoedit(int k) const {
        return control<QLineEdit>(QByteArray("clasifica2catx" + QByteArray::number(k)).constData());
    }
    void construir(QWidget* f) override {
        auto* grella = new QGridLayout(f);
        grella->addWidget(etiqueta(f, "cajas"), 0, 0);
        for (int k = 1; k <= 4; ++k)
            grella->addWidget(
                nomeado<QLineEdit>(f, QByteArray("clasifica2catx" + QByteArray::number(k)).constData()), k,
                0);
        grella->addWidget(etiqueta(f, "palabras"), 0, 1);
        for (int i = 1; i <= 6; ++i) {
            grella->addWidget(
                nomeado<QLineEdit>(f, QByteArray("clasifica2paltx" + QByteArray::number(i)).constData()), i,
                1);
            auto* de =
                nomeado<LimitedEdit>(f, QByteArray("clasifica2detx" + QByteArray::number(i)).constData(), 1);
            de->setMaximumWidth(30);
            grella->addWidget(de, i, 2);
        }
        grella->setRowStretch(7, 1);
    }
    void cargarespecial(Book& libro, int paxina) override {
        const QStringList partes = partirtexto(libro.paxina(paxina)[1], u',');
        for (int k = 1; k <= 4; ++k) {
            QLineEdit* e = grupoedit(k);
            const QSignalBlocker b(e);
            e->setText(k <= partes.size() ? partes[k - 1] : QString());
        }
    }
    void gardarespecial(Book& libro, int paxina) override {
        // An empty first name leaves a comma before the next; later empty names leave nothing.
        QString& p1 = libro.paxina(paxina)[1];
        p1 = grupoedit(1)->text();
        for (int k = 2; k <= 4; ++k)
            if (const QString t = grupoedit(k)->text(); !t.isEmpty()) p1 += u',' + t;
    }
};

} // namespace

std::unique_ptr<PageEditor> editorTabClasificar() {
    return std::make_unique<TabClasificar>();
}
std::unique_ptr<PageEditor> editorTabLiga() {
    return std::make_unique<TabLiga>();
}
std::unique_ptr<PageEditor> editorTabSheet16() {
    return std::make_unique<TabSheet16>();
}
std::unique_ptr<PageEditor> editorTabSheet26() {
    return std::make_unique<TabSheet26>();
}
std::unique_ptr<PageEditor> editorTabSheet34() {
    return std::make_unique<TabSheet34>();
}
std::unique_ptr<PageEditor> editorTabSheet37() {
    return std::make_unique<TabSheet37>();
}
std::unique_ptr<PageEditor> editorrelaciona() {
    return std::make_unique<Relaciona>();
}
std::unique_ptr<PageEditor> editorclasifica2() {
    return std::make_unique<Clasifica2>();
}

} // namespace quibel
