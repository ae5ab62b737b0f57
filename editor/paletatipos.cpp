#include "editor/paletatipos.h"

#include "editor/garda.h"

#include <QCollator>
#include <QFont>
#include <QVBoxLayout>
#include <algorithm>

namespace quibel {

namespace {

// Page types of categories 1..5: information, words, images, numbers, games.
constexpr std::array<int, 14> categoria1 = {2, 5, 9, 12, 15, 16, 20, 21, 27, 28, 30, 38, 42, 48};
constexpr std::array<int, 25> categoria2 = {1,  4,  6,  8,  10, 13, 18, 19, 20, 22, 24, 29, 30,
                                            34, 37, 38, 42, 43, 44, 45, 46, 47, 48, 49, 50};
constexpr std::array<int, 22> categoria3 = {3,  4,  5,  7,  12, 14, 16, 17, 20, 21, 22,
                                            23, 24, 27, 30, 32, 35, 38, 39, 44, 50, 51};
constexpr std::array<int, 8> categoria4 = {25, 26, 31, 33, 40, 41, 49, 51};
constexpr std::array<int, 7> categoria5 = {3, 4, 17, 19, 36, 39, 51};

// Colours of both kinds of button: normal, under the mouse, selected.
const QColor cornormalcategoria(0, 242, 255);
const QColor cornormaltipo(129, 225, 254);
const QColor coractivo(234, 253, 159);
const QColor corseleccionado(222, 191, 160);

void cores(Tpanelboton* b, const QColor& normal) {
    b->setcoloractivo(coractivo);
    b->setcolorseleccionado(corseleccionado);
    b->setcolornormal(normal);
}

} // namespace

std::span<const int> tiposdecategoria(int k) {
    switch (k) {
    case 0:
        return categoria1;
    case 1:
        return categoria2;
    case 2:
        return categoria3;
    case 3:
        return categoria4;
    case 4:
        return categoria5;
    default:
        return {};
    }
}

std::vector<Botonpaleta> disposiciontipos(const Textosui& textos, const QLocale& locale) {
    std::vector<Botonpaleta> botons(numbotonestipos);
    for (int t = 1; t <= numbotonestipos; ++t) {
        botons[t - 1].tipo = t;
        botons[t - 1].caption = textos[entradasnomestipos[t - 1]];
    }
    // Without an explicit locale QCollator would order by code point under the C locale.
    QCollator orde(locale);
    orde.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(botons.begin(), botons.end(), [&orde](const Botonpaleta& a, const Botonpaleta& b) {
        const int c = orde.compare(a.caption, b.caption);
        return c != 0 ? c < 0 : a.tipo < b.tipo;
    });
    for (int i = 0; i < numbotonestipos; ++i) {
        const int columna = i / filaspaleta, fila = i % filaspaleta;
        const int x = columna == 0 ? 1 : 206 * columna;
        botons[i].nome = QStringLiteral("btipo") + QString::number(i);
        botons[i].xeometria = QRect(x + 106, 32 * fila + 4, 200, 26);
    }
    return botons;
}

QRect xeometriacategoria(int k) {
    return QRect(1, 30 * k + 5, 96, 24);
}

QLocale localeidioma(int n) {
    static const std::array<QLocale, numidiomas> locales = {
        QLocale(QLocale::Spanish, QLocale::Spain),       QLocale(QLocale::Galician, QLocale::Spain),
        QLocale(QLocale::Catalan, QLocale::Spain),       QLocale(QLocale::Basque, QLocale::Spain),
        QLocale(QLocale::Portuguese, QLocale::Portugal), QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::French, QLocale::France),       QLocale(QLocale::Italian, QLocale::Italy),
        QLocale(QLocale::Asturian, QLocale::Spain),      QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Portuguese, QLocale::Brazil),   QLocale(QLocale::Catalan, QLocale::Spain),
    };
    if (n >= 0 && n < numidiomas) return locales[n];
    return QLocale();
}

void SelectorTipos::crearbotonestipos(const QLocale& locale) {
    QWidget* paneltipos = paneltipos_;
    // Shown again however the build ends.
    struct Amosar {
        QWidget* w;
        ~Amosar() { w->show(); }
    } amosar{paneltipos};
    paneltipos->hide();

    // The new set is built in full before the old one goes, so the arrays never hold a freed
    // button and a failure leaves the old palette working.
    std::array<Tpanelboton*, numbotonescategorias> categorias{};
    std::array<Tpanelboton*, numbotonestipos> tipos{};
    const auto soltar = [&] {
        for (auto* b : categorias)
            delete b;
        for (auto* b : tipos)
            delete b;
    };
    try {
        QFont fontecategoria(QStringLiteral("verdana"), 9);
        for (int k = 0; k < numbotonescategorias; ++k) {
            auto* b = new Tpanelboton;
            categorias[k] = b;
            b->setGeometry(xeometriacategoria(k));
            b->setText(textosui[entradascategorias[k]]);
            cores(b, cornormalcategoria);
            b->setFont(fontecategoria);
            b->Tag = k;
            QObject::connect(b, &Tpanelboton::clicked, b,
                             [this, b] { guarded([this, b] { picaseleccion(b); }); });
        }
        QFont fontetipo(QStringLiteral("verdana"), 10, QFont::Bold);
        for (const Botonpaleta& p : disposiciontipos(textosui, locale)) {
            auto* b = new Tpanelboton;
            tipos[p.tipo - 1] = b;
            b->setObjectName(p.nome);
            b->setGeometry(p.xeometria);
            b->setFont(fontetipo);
            b->setText(p.caption);
            b->Tag = p.tipo - 1;
            cores(b, cornormaltipo);
            const int tipo = p.tipo;
            QObject::connect(b, &Tpanelboton::clicked, b, [this, tipo] {
                guarded([&] {
                    if (iniciatipo) iniciatipo(tipo);
                });
            });
        }
    } catch (...) {
        soltar();
        throw;
    }

    borrarbotonestipos();
    // Parents are set last so that the old and the new objectNames never meet in the panel.
    for (int k = 0; k < numbotonescategorias; ++k) {
        categorias[k]->setParent(paneltipos);
        categorias[k]->show();
        botonescategorias[k] = categorias[k];
    }
    for (int t = 0; t < numbotonestipos; ++t) {
        tipos[t]->setParent(paneltipos);
        tipos[t]->show();
        botonestipos[t] = tipos[t];
    }
    ultimobotontipo = numbotonestipos - 1;
}

void SelectorTipos::borrarbotonestipos() {
    for (auto& b : botonescategorias) {
        delete b.data();
        b = nullptr;
    }
    for (auto& b : botonestipos) {
        delete b.data();
        b = nullptr;
    }
}

void SelectorTipos::desmarcartipos() {
    for (auto& b : botonestipos)
        if (b) b->setactivo(false);
}

void SelectorTipos::marcarcategoria(int k) {
    if (k < 0 || k >= numbotonescategorias) return;
    desmarcartipos();
    for (int t : tiposdecategoria(k))
        if (auto& b = botonestipos[t - 1]) b->setactivo(true);
}

void SelectorTipos::picaseleccion(const Tpanelboton* sender) {
    if (sender) marcarcategoria(sender->Tag);
}

SelectorTipos::SelectorTipos(QWidget* parent) : QWidget(parent), paneltipos_(new QFrame(this)) {
    setObjectName(QStringLiteral("TabSheet22"));
    paneltipos_->setObjectName(QStringLiteral("paneltipos"));
    paneltipos_->setFrameShape(QFrame::NoFrame);
    // The three columns of type buttons always fit: the editor area grows to hold them.
    const QRect ultimo = QRect(206 * ((numbotonestipos - 1) / filaspaleta) + 106, 4, 200, 26);
    paneltipos_->setMinimumSize(ultimo.right() + 5, 32 * filaspaleta + 4);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(paneltipos_);
}

SelectorTipos::~SelectorTipos() {
    borrarbotonestipos();
}

void SelectorTipos::TabSheet22Show() {
    if (vercomunes) vercomunes(0);
    if (portitular) portitular(QString());
    if (panelsonavega) panelsonavega->hide();
}

void SelectorTipos::TabSheet22Hide() {
    if (navega) navega->setEnabled(true);
}

} // namespace quibel
