#include "editor/paletatipos.h"
#include "fakes.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace quibel;

namespace {

// The names of the page types as the Spanish and English tables define them, by type.
const QStringList nomesES = {"Respuesta múltiple",
                             "Imagen y texto",
                             "Puzle",
                             "Sopa de letras",
                             "Rayos X",
                             "Clasificar textos",
                             "Clasificar imágenes",
                             "Frases",
                             "Enlaces",
                             "Preguntas",
                             "Identificar imágenes",
                             "Galería imágenes",
                             "Arrastrar textos",
                             "Arrastrar imágenes",
                             "Menú",
                             "Actividad externa",
                             "Parejas",
                             "Completar",
                             "Palabra secreta",
                             "Etiquetas",
                             "Galería sonidos",
                             "Identificar sonidos",
                             "Mover imágenes",
                             "Escoger",
                             "Reloj",
                             "Operaciones",
                             "Panel",
                             "Enlaces-2",
                             "Texto",
                             "Etiquetas-2",
                             "Medidas",
                             "Series",
                             "Operaciones-2",
                             "Ordenar",
                             "Ordenar Imágenes",
                             "Simetría",
                             "Pirámide",
                             "Plantilla",
                             "Parejas-2 ",
                             "Fracciones",
                             "Fracciones-2",
                             "Esquema",
                             "Ortografía",
                             "Identificar imágenes-2",
                             "Dictado",
                             "Relacionar",
                             "Clasificar",
                             "Frases-2",
                             "Fórmulas",
                             "Letras",
                             "Memoria"};
const QStringList nomesEN = {"Multiple answer",
                             "Image & text",
                             "Puzzle",
                             "Find a word ",
                             "X Rays ",
                             "Clasify texts ",
                             "Clasify images ",
                             "Senteces",
                             "Links",
                             "Questions",
                             "Identify images ",
                             "Image Gallery",
                             "drag texts ",
                             "drag images ",
                             "Menu",
                             "Outsource Activity",
                             "Who is who?",
                             "Complete",
                             "Secret Word",
                             "Tags",
                             "Sound Gallery ",
                             "Identify sounds",
                             "Move images",
                             "Choose",
                             "Clock",
                             "Operations",
                             "Panel",
                             "Links-2",
                             "Text",
                             "Tags-2",
                             "Measure",
                             "Series",
                             "Operations-2",
                             "Sort",
                             "Sort Images",
                             "symmetry",
                             "Pyramid",
                             "Template",
                             "Who is who?-2 ",
                             "Fractions",
                             "Fractions-2",
                             "Scheme",
                             "Ortografia",
                             "Identify images -2",
                             "Spelling",
                             "Relations",
                             "Classify",
                             "Senteces-2",
                             "Formulae",
                             "Lyrics",
                             "Memory"};

Textosui textoscon(const QStringList& nomes) {
    Textosui t;
    for (int i = 0; i < numbotonestipos; ++i)
        t[entradasnomestipos[i]] = nomes[i];
    return t;
}

std::vector<int> ordedetipos(const std::vector<Botonpaleta>& botons) {
    std::vector<int> r;
    for (const auto& b : botons)
        r.push_back(b.tipo);
    return r;
}

// Keeps the interface texts and the palette of one test away from the next.
struct Paleta : ::testing::Test {
    Textosui antes = textosui;
    proba::ServizosFalsos servizos;
    ~Paleta() override { textosui = antes; }
    static std::set<int> activos(const SelectorTipos& selector) {
        std::set<int> r;
        for (int t = 0; t < numbotonestipos; ++t)
            if (selector.botonestipos[t] && selector.botonestipos[t]->activo()) r.insert(t + 1);
        return r;
    }
};

} // namespace

TEST(Disposicion, PinsTheOrderForSpanishAndEnglish) {
    const std::vector<int> es = {16, 14, 13, 47, 7,  6,  18, 45, 9,  28, 24, 42, 20, 30, 49, 40, 41,
                                 8,  48, 12, 21, 11, 44, 22, 2,  50, 31, 51, 15, 23, 26, 33, 34, 35,
                                 43, 19, 27, 17, 39, 37, 38, 10, 3,  5,  46, 25, 1,  32, 36, 4,  29};
    const std::vector<int> en = {24, 7,  6,  47, 25, 18, 14, 13, 4,  49, 40, 41, 11, 44, 22, 2,  12,
                                 9,  28, 50, 31, 51, 15, 23, 1,  26, 33, 43, 16, 27, 3,  37, 10, 46,
                                 42, 19, 8,  48, 32, 34, 35, 21, 45, 36, 20, 30, 38, 29, 17, 39, 5};
    EXPECT_EQ(ordedetipos(disposiciontipos(textoscon(nomesES), localeidioma(0))), es);
    EXPECT_EQ(ordedetipos(disposiciontipos(textoscon(nomesEN), localeidioma(5))), en);
    // Captions keep their blanks.
    const auto b = disposiciontipos(textoscon(nomesEN), localeidioma(5));
    EXPECT_EQ(b.back().caption, "X Rays ");
}

TEST(Disposicion, ThreeColumnsOfSeventeenNamedBySortedPosition) {
    const auto botons = disposiciontipos(textoscon(nomesES), localeidioma(0));
    ASSERT_EQ(botons.size(), 51u);
    std::set<int> tipos;
    for (int i = 0; i < 51; ++i) {
        const auto& b = botons[i];
        tipos.insert(b.tipo);
        EXPECT_EQ(b.nome, QString("btipo%1").arg(i));
        EXPECT_EQ(b.caption, nomesES[b.tipo - 1]);
        EXPECT_EQ(b.xeometria.size(), QSize(200, 26));
        EXPECT_EQ(b.xeometria.left(), (std::array{107, 312, 518})[i / 17]) << i;
        EXPECT_EQ(b.xeometria.top(), 4 + 32 * (i % 17)) << i;
    }
    EXPECT_EQ(tipos.size(), 51u);
    EXPECT_EQ(botons.back().xeometria.topLeft(), QPoint(518, 516));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(xeometriacategoria(k), QRect(1, 5 + 30 * k, 96, 24));
}

TEST(Disposicion, AnyNamesGiveEveryTypeOneButtonTiesByTypeNumber) {
    // A language file may give names with "=" or the same name twice.
    QStringList nomes = nomesES;
    nomes[0] = "a=b";
    nomes[1] = "=";
    nomes[2] = "=7";
    nomes[4] = "IGUAL"; // case alone never decides: ties go by type number
    nomes[9] = "igual";
    nomes[30] = "Igual";
    nomes[50] = "";
    const auto botons = disposiciontipos(textoscon(nomes), localeidioma(0));
    ASSERT_EQ(botons.size(), 51u);
    std::set<int> tipos;
    for (const auto& b : botons)
        tipos.insert(b.tipo);
    EXPECT_EQ(tipos.size(), 51u);
    std::vector<int> iguais;
    for (const auto& b : botons)
        if (b.caption.compare("igual", Qt::CaseInsensitive) == 0) iguais.push_back(b.tipo);
    EXPECT_EQ(iguais, (std::vector<int>{5, 10, 31}));
    EXPECT_EQ(botons.front().tipo, 51); // the empty name first
}

TEST(Categorias, MatchTheTypeTable) {
    // Type, entry of its name, its categories (1..5).
    const struct {
        int tipo, entrada;
        std::set<int> cats;
    } taboa[] = {
        {1, 12, {2}},      {2, 7, {1}},          {3, 8, {3, 5}},       {4, 9, {2, 3, 5}},
        {5, 22, {1, 3}},   {6, 20, {2}},         {7, 21, {3}},         {8, 13, {2}},
        {9, 149, {1}},     {10, 11, {2}},        {11, 16, {}},         {12, 14, {1, 3}},
        {13, 18, {2}},     {14, 19, {3}},        {15, 24, {1}},        {16, 23, {1, 3}},
        {17, 10, {3, 5}},  {18, 27, {2}},        {19, 28, {2, 5}},     {20, 25, {1, 2, 3}},
        {21, 15, {1, 3}},  {22, 17, {2, 3}},     {23, 26, {3}},        {24, 154, {2, 3}},
        {25, 152, {4}},    {26, 151, {4}},       {27, 153, {1, 3}},    {28, 163, {1}},
        {29, 47, {2}},     {30, 164, {1, 2, 3}}, {31, 165, {4}},       {32, 166, {3}},
        {33, 202, {4}},    {34, 171, {2}},       {35, 203, {3}},       {36, 185, {5}},
        {37, 174, {2}},    {38, 189, {1, 2, 3}}, {39, 204, {3, 5}},    {40, 191, {4}},
        {41, 192, {4}},    {42, 194, {1, 2}},    {43, 197, {2}},       {44, 198, {2, 3}},
        {45, 199, {2}},    {46, 205, {2}},       {47, 206, {2}},       {48, 207, {1, 2}},
        {49, 208, {2, 4}}, {50, 173, {2, 3}},    {51, 217, {3, 4, 5}},
    };
    std::array<std::set<int>, 5> portipo;
    for (const auto& f : taboa) {
        EXPECT_EQ(entradasnomestipos[f.tipo - 1], f.entrada) << f.tipo;
        for (int c : f.cats)
            portipo[c - 1].insert(f.tipo);
    }
    for (int k = 0; k < 5; ++k) {
        const auto s = tiposdecategoria(k);
        EXPECT_EQ(std::set<int>(s.begin(), s.end()), portipo[k]) << k;
        EXPECT_EQ(std::set<int>(s.begin(), s.end()).size(), s.size()) << k;
    }
    for (int k : {-1, 5, 6})
        EXPECT_TRUE(tiposdecategoria(k).empty());
    EXPECT_EQ(entradascategorias, (std::array<int, 6>{209, 70, 33, 210, 211, 212}));
}

TEST_F(Paleta, HighlightsOneCategoryAtATimeAndAllClears) {
    textosESP();
    SelectorTipos selector;
    selector.resize(800, 600);
    selector.show();
    selector.crearbotonestipos(localeidioma(0));
    EXPECT_EQ(selector.botonescategorias[5]->text(), "Todas");

    QTest::mouseClick(selector.botonescategorias[4], Qt::LeftButton); // Juegos
    EXPECT_EQ(activos(selector), (std::set<int>{3, 4, 17, 19, 36, 39, 51}));
    QTest::mouseClick(selector.botonescategorias[1], Qt::LeftButton); // Palabras
    const auto s = tiposdecategoria(1);
    EXPECT_EQ(activos(selector), std::set<int>(s.begin(), s.end()));
    EXPECT_FALSE(selector.botonestipos[2]->activo());
    selector.marcarcategoria(1); // twice: the same
    EXPECT_EQ(activos(selector), std::set<int>(s.begin(), s.end()));
    selector.marcarcategoria(6); // out of range: nothing
    selector.marcarcategoria(-1);
    EXPECT_EQ(activos(selector), std::set<int>(s.begin(), s.end()));
    for (int k = 0; k < 5; ++k) {
        selector.marcarcategoria(k);
        EXPECT_FALSE(selector.botonestipos[10]->activo()) << k; // Identificar imágenes is in none
    }
    QTest::mouseClick(selector.botonescategorias[5], Qt::LeftButton); // Todas
    EXPECT_TRUE(activos(selector).empty());
    for (const auto& b : selector.botonescategorias)
        EXPECT_FALSE(b->activo());
    EXPECT_TRUE(servizos.dialogos->mensaxes.isEmpty());
}

TEST_F(Paleta, ClickOnATypeButtonGivesItsType) {
    textosESP();
    SelectorTipos selector;
    std::vector<int> picados;
    selector.iniciatipo = [&](int t) { picados.push_back(t); };
    selector.resize(800, 600);
    selector.show();
    selector.crearbotonestipos(localeidioma(0));
    auto* b = selector.paneltipos()->findChild<Tpanelboton*>("btipo0");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->text(), "Actividad externa");
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseClick(selector.botonestipos[38], Qt::LeftButton);
    EXPECT_EQ(picados, (std::vector<int>{16, 39}));

    // A failing handler shows its message and the palette goes on working.
    selector.iniciatipo = [](int) { throw std::runtime_error("fallo"); };
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(servizos.dialogos->mensaxes, QStringList{"fallo"});
}

TEST_F(Paleta, RebuildAfterALanguageChangeKeepsEachTypeAndDropsTheHighlight) {
    textosESP();
    SelectorTipos selector;
    selector.crearbotonestipos(localeidioma(0));
    selector.marcarcategoria(2);
    const QPointer<Tpanelboton> antigo = selector.botonestipos[0];
    const QString posicionES = selector.botonestipos[0]->objectName();

    textosENG();
    selector.crearbotonestipos(localeidioma(5));
    EXPECT_TRUE(antigo.isNull());
    EXPECT_EQ(selector.paneltipos()->findChildren<Tpanelboton*>().size(), 57);
    EXPECT_FALSE(selector.paneltipos()->isHidden());
    EXPECT_TRUE(activos(selector).empty());
    const auto orde = disposiciontipos(textosui, localeidioma(5));
    for (int i = 0; i < 51; ++i) {
        const int t = orde[i].tipo;
        Tpanelboton* b = selector.botonestipos[t - 1];
        ASSERT_TRUE(b);
        EXPECT_EQ(b->Tag, t - 1);
        EXPECT_EQ(b->text(), textosui[entradasnomestipos[t - 1]]);
        EXPECT_EQ(b->objectName(), QString("btipo%1").arg(i));
        EXPECT_EQ(b->geometry(), orde[i].xeometria);
        EXPECT_EQ(b->textFormat(), Qt::PlainText);
        EXPECT_EQ(selector.paneltipos()->findChildren<Tpanelboton*>(b->objectName()).size(), 1);
    }
    EXPECT_NE(selector.botonestipos[0]->objectName(), posicionES); // "Multiple answer" moved
    EXPECT_EQ(selector.botonescategorias[0]->text(), "Information");
    EXPECT_EQ(selector.botonescategorias[0]->geometry(), xeometriacategoria(0));
    EXPECT_EQ(selector.botonescategorias[0]->font().pointSize(), 9);
    EXPECT_TRUE(selector.botonestipos[0]->font().bold());
    EXPECT_EQ(selector.botonestipos[0]->font().pointSize(), 10);
    EXPECT_EQ(selector.botonestipos[0]->corfondo(), QColor(129, 225, 254));
    EXPECT_EQ(selector.botonescategorias[0]->corfondo(), QColor(0, 242, 255));
}

TEST_F(Paleta, HostileNamesStillGiveAWorkingPalette) {
    textosESP();
    textosui[entradasnomestipos[0]] = "x=1";
    textosui[entradasnomestipos[1]] = "=";
    textosui[entradasnomestipos[2]] = "<b>Enlaces</b>";
    textosui[entradasnomestipos[3]] = "Enlaces"; // the same as type 9
    SelectorTipos selector;
    std::vector<int> picados;
    selector.iniciatipo = [&](int t) { picados.push_back(t); };
    selector.resize(800, 600);
    selector.show();
    selector.crearbotonestipos(localeidioma(0));
    selector.crearbotonestipos(localeidioma(0)); // a rebuild over it
    EXPECT_FALSE(selector.paneltipos()->isHidden());
    EXPECT_EQ(selector.paneltipos()->findChildren<Tpanelboton*>().size(), 57);
    for (int t = 0; t < 51; ++t) {
        ASSERT_TRUE(selector.botonestipos[t]) << t;
        EXPECT_EQ(selector.botonestipos[t]->Tag, t);
    }
    EXPECT_EQ(selector.botonestipos[0]->text(), "x=1");
    EXPECT_EQ(selector.botonestipos[2]->text(), "<b>Enlaces</b>");
    // Enlaces (type 4 here) before Enlaces (type 9): ties by type.
    EXPECT_LT(selector.botonestipos[3]->objectName().mid(5).toInt(),
              selector.botonestipos[8]->objectName().mid(5).toInt());
    QTest::mouseClick(selector.botonestipos[0], Qt::LeftButton);
    QTest::mouseClick(selector.botonestipos[1], Qt::LeftButton);
    EXPECT_EQ(picados, (std::vector<int>{1, 2}));
    selector.marcarcategoria(4);
    EXPECT_EQ(activos(selector), (std::set<int>{3, 4, 17, 19, 36, 39, 51}));
}

// A caption is centred and clipped, never elided or wrapped: a name wider than its fixed-size
// button loses letters at both ends. "verdana" falls back to DejaVu Sans, close to it in width.
TEST_F(Paleta, EveryNameFitsItsButtonInEveryLanguage) {
    SelectorTipos selector;
    int maisancho = 0;
    for (int n = 0; n < numidiomas; ++n) {
        taboasidiomas[n]();
        selector.crearbotonestipos(localeidioma(n));
        std::vector<Tpanelboton*> botons(selector.botonestipos.begin(), selector.botonestipos.end());
        botons.insert(botons.end(), selector.botonescategorias.begin(), selector.botonescategorias.end());
        for (Tpanelboton* b : botons) {
            ASSERT_TRUE(b);
            const int ancho = QFontMetrics(b->font()).horizontalAdvance(b->text());
            maisancho = std::max(maisancho, ancho);
            EXPECT_LE(ancho, b->contentsRect().width())
                << codidiomas[n].toStdString() << ": \"" << b->text().toStdString() << "\"";
        }
    }
    // The measure is real: the longest names fill most of a type button.
    EXPECT_GT(maisancho, 120);
}

TEST_F(Paleta, ButtonsFreedWithTheirPanelLeaveNoDanglingPointers) {
    textosESP();
    SelectorTipos selector;
    selector.crearbotonestipos(localeidioma(0));
    // Freed behind the palette's back, as a parent that goes takes its children.
    delete selector.botonestipos[2].data();
    delete selector.botonescategorias[1].data();
    EXPECT_TRUE(selector.botonestipos[2].isNull());
    selector.marcarcategoria(4); // type 3 is in it
    selector.desmarcartipos();
    selector.crearbotonestipos(localeidioma(0));
    EXPECT_EQ(selector.paneltipos()->findChildren<Tpanelboton*>().size(), 57);
    selector.borrarbotonestipos();
    for (const auto& b : selector.botonestipos)
        EXPECT_TRUE(b.isNull());
}

TEST(Selector, ShowAndHideHandlers) {
    SelectorTipos selector;
    QWidget panelsonavega, navega;
    std::vector<int> modos;
    QString titular = "Propiedades";
    selector.vercomunes = [&](int m) { modos.push_back(m); };
    selector.portitular = [&](const QString& t) { titular = t; };
    selector.panelsonavega = &panelsonavega;
    selector.navega = &navega;
    panelsonavega.show();
    navega.setEnabled(false);
    selector.TabSheet22Show();
    EXPECT_EQ(modos, std::vector<int>{0});
    EXPECT_TRUE(titular.isEmpty());
    EXPECT_TRUE(panelsonavega.isHidden());
    EXPECT_FALSE(navega.isEnabled());
    selector.TabSheet22Hide();
    EXPECT_TRUE(navega.isEnabled());
    EXPECT_EQ(selector.objectName(), "TabSheet22");
    EXPECT_EQ(selector.paneltipos()->objectName(), "paneltipos");
    EXPECT_EQ(selector.paneltipos()->frameShape(), QFrame::NoFrame);
}

TEST(Panelboton, HoverAndSelectionColours) {
    const QColor normal(129, 225, 254), activo(234, 253, 159), seleccionado(222, 191, 160);
    Tpanelboton b;
    b.setcoloractivo(activo);
    b.setcolorseleccionado(seleccionado);
    EXPECT_NE(b.corfondo(), seleccionado); // stored only
    b.setcolornormal(normal);
    EXPECT_EQ(b.corfondo(), normal);
    EXPECT_EQ(b.cursor().shape(), Qt::PointingHandCursor);

    const auto entrar = [&] {
        QEnterEvent e(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(&b, &e);
    };
    const auto sair = [&] {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&b, &e);
    };
    entrar();
    EXPECT_EQ(b.corfondo(), activo);
    sair();
    EXPECT_EQ(b.corfondo(), normal);
    entrar();
    b.setactivo(true); // under the mouse: the rest colour at once
    EXPECT_EQ(b.corfondo(), seleccionado);
    entrar();
    sair();
    EXPECT_EQ(b.corfondo(), seleccionado);
    b.setactivo(false);
    EXPECT_EQ(b.corfondo(), normal);
    b.setactivo(true);
    b.setcolornormal(QColor(1, 2, 3)); // the new normal colour is the rest colour now
    sair();
    EXPECT_EQ(b.corfondo(), QColor(1, 2, 3));
}
