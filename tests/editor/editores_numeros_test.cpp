// The editors of the clock, operations, panel, measures, operations-2 and fraction pages on their
// bare sheets: their tables, the value maps of their modes, the operation layouts, the sign
// lists, the anchor of a new page and the round trip through the book file.
#include "ancora.h"

#include <QCheckBox>
#include <QComboBox>

using namespace quibel;
using proba::Fila;
using proba::FollaEditor;

namespace {

const std::vector<Fila> fila25 = {
    {"grupochhora", 8, "3", "3", "1", "1"},
    {"chkhalea", 4, "1", "1", nullptr, "1"},
    {"grupochhoram", 26, "4", "0", "1", "5"},
    {"txthora1", 3, "10:30", "10:30", "9:05", "9:05"},
    {"txthora2", 2, "half past ten", "half past ten", nullptr, "half past ten"},
    {"Memo3", W(0), "a\r\nb", "a\nb", "one\ntwo", "one\r\ntwo"},
};
const std::vector<Fila> fila26 = {
    {"grupochopera", 8, "-", "-", nullptr, "-"},
    {"txtresta1", 2, "12345678901", "12345678901", nullptr, "12345678901"},
    {"txtresta2", 3, "7", "7", "8", "8"},
    {"grupochnumero", 26, "1", "1", "2", "2"},
};
const std::vector<Fila> fila31 = {
    {"medirtx", 6, "a", "a", "A", "A"},           {"medirtotal", 18, "12", "12", nullptr, "12"},
    {"immedir1tx", 7, "u1", "u1", nullptr, "u1"}, {"immedir2tx", 8, "u2", "u2", nullptr, "u2"},
    {"immedir3tx", 9, "u3", "u3", nullptr, "u3"}, {"immedir4tx", 10, "u4", "u4", "U4", "U4"},
    {"immedir1val", 1, "1", "1", nullptr, "1"},   {"immedir2val", 2, "2", "2", nullptr, "2"},
    {"immedir3val", 3, "3", "3", nullptr, "3"},   {"immedir4val", 4, "4", "4", "40", "40"},
};
const std::vector<Fila> fila33 = {
    // One character each for typing; a longer stored value stays whole.
    {"txalea1", 2, "2", "2", "3", "3"},
    {"txalea2", 3, "12", "12", nullptr, "12"},
    {"grupochalea97", 26, "1", "1", "2", "2"},
    {"grupochalea98", 8, "7", "7", "0", "0"},
};
const std::vector<Fila> fila40 = {
    {"editfrac1", 2, "1", "1", "3", "3"},     {"editfrac2", 3, "123", "123", nullptr, "123"},
    {"editfrac3", 4, "5", "5", nullptr, "5"}, {"editfrac4", 5, "6", "6", nullptr, "6"},
    {"editfrac5", 6, "7", "7", nullptr, "7"}, {"editfrac6", 7, "8", "8", nullptr, "8"},
    {"grupochkfrac", 26, "1", "1", "0", "0"},
};
const std::vector<Fila> fila41 = {
    {"editafrac1", 2, "1", "1", nullptr, "1"},
    {"editafrac2", 3, "22", "22", nullptr, "22"},
    {"grupochkalfrac", 26, "0", "0", "1", "1"},
    {"chkafracigualden", 18, "1", "1", "0", "0"},
};

TEST(EditoresNumeros, TablesLoadAndStore) {
    const std::vector<std::pair<int, const std::vector<Fila>*>> tipos = {
        {25, &fila25}, {26, &fila26}, {31, &fila31}, {33, &fila33}, {40, &fila40}, {41, &fila41}};
    for (const auto& [tipo, filas] : tipos) {
        SCOPED_TRACE(tipo);
        FollaEditor f(tipo);
        // The sentinel of P8 is no sign: the fraction lists select nothing and keep it.
        f.comprobar(*filas);
    }
    // Every field of the panel page is a slot.
    FollaEditor f(27);
    f.comprobar({});
}

TEST(EditoresNumeros, RoundTripThroughTheBookFile) {
    for (const auto& [tipo, filas] : std::vector<std::pair<int, const std::vector<Fila>*>>{
             {25, &fila25}, {26, &fila26}, {31, &fila31}, {33, &fila33}, {40, &fila40}, {41, &fila41}})
        proba::idaevolta(tipo, *filas);
}

// A radio field's map: the value stored, the code of the button it checks ("-": none), what
// store writes back. Each case runs after a page that checked another button.
struct Mapa {
    const char* gardado;
    const char* amosado;
    const char* gardase;
};

void comprobarmapa(int tipo, const char* grupo, int campo, const char* anterior,
                   const std::vector<Mapa>& casos, std::set<int> outros = {}) {
    for (const Mapa& c : casos) {
        SCOPED_TRACE(c.gardado);
        FollaEditor f(tipo);
        f.encher({{grupo, campo, anterior}}, 2);
        f.editor->cargar(f.libro, 2);
        f.comprobar({{grupo, campo, c.gardado, c.amosado, nullptr, c.gardase}}, outros);
    }
}

TEST(EditorReloxo, FacesAndModes) {
    // Faces 5 and 6 swap their numbers; a non-number is face 1; another number checks none.
    comprobarmapa(25, "grupochhora", 8, "2",
                  {{"5", "5", "5"}, {"6", "6", "6"}, {"x", "1", "1"}, {"", "1", "1"}, {"9", "-", "9"}},
                  {4, 26});
    FollaEditor f(25);
    f.encher({});
    f.campo(8) = "5";
    f.editor->cargar(f.libro, 1);
    EXPECT_TRUE(f.control<QRadioButton>("chhora6")->isChecked());
    f.campo(8) = "6";
    f.editor->cargar(f.libro, 1);
    EXPECT_TRUE(f.control<QRadioButton>("chhora5")->isChecked());

    // The mode with the random box: without it "0", "1", "2"; with it "4", "5", "3". A random code
    // checks the box, so it comes back whole.
    comprobarmapa(25, "grupochhoram", 26, "2",
                  {{"0", "0", "0"},
                   {"4", "0", "4"},
                   {"5", "1", "5"},
                   {"3", "2", "3"},
                   {"x", "0", "0"},
                   {"7", "-", "7"}},
                  {4, 8});
    struct Combinado {
        const char* modo;
        const char* aleatorio;
        const char* p4;
        const char* p26;
    };
    for (const Combinado& c : {Combinado{"0", "1", "1", "4"},
                               {"1", "1", "1", "5"},
                               {"2", "1", "1", "3"},
                               {"1", "0", "0", "1"},
                               {"2", "0", "0", "2"}}) {
        FollaEditor g(25);
        g.comprobar(
            {{"grupochhoram", 26, "0", "0", c.modo, c.p26}, {"chkhalea", 4, "0", "0", c.aleatorio, c.p4}},
            {8});
    }
}

TEST(EditorOperaAlea, OperationCodes) {
    // Every code comes back unchanged but "2", which is multiplication and comes back "6".
    std::vector<Mapa> casos;
    static const char* const codigos[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const char* c : codigos)
        casos.push_back({c, QLatin1String(c) == QLatin1String("2") ? "6" : c,
                         QLatin1String(c) == QLatin1String("2") ? "6" : c});
    casos.push_back({"x", "-", "x"});
    comprobarmapa(33, "grupochalea98", 8, "4", casos, {26});
    comprobarmapa(33, "grupochalea97", 26, "2", {{"x", "0", "0"}, {"0", "0", "0"}, {"5", "-", "5"}}, {8});
    FollaEditor f(33);
    f.encher({});
    f.campo(8) = "2";
    f.editor->cargar(f.libro, 1);
    EXPECT_TRUE(f.control<QRadioButton>("chalea5")->isChecked());
}

TEST(EditorFraccions, SignLists) {
    for (const auto& [tipo, lista, modo] :
         {std::tuple{40, "modofrac1", "grupochkfrac"}, {41, "modoafrac", "grupochkalfrac"}}) {
        SCOPED_TRACE(tipo);
        FollaEditor f(tipo);
        auto* c = f.control<QComboBox>(lista);
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        EXPECT_EQ(items, QStringList({"+", "-", "x", "/", "=", "r", "p"}));
        struct Caso {
            const char* p8;
            int indice;
            const char* trascarga;
            const char* gardase;
        };
        for (const Caso& k :
             {Caso{"", 0, "+", "+"}, {"r", 5, "r", "r"}, {"q", -1, "q", "q"}, {"P", -1, "P", "P"}}) {
            f.encher({}, 2);
            f.campo(8, 2) = "/";
            f.editor->cargar(f.libro, 2);
            f.encher({});
            f.campo(8) = k.p8;
            f.editor->cargar(f.libro, 1);
            EXPECT_EQ(c->currentIndex(), k.indice) << k.p8;
            EXPECT_EQ(f.campo(8), k.trascarga) << k.p8;
            f.editor->gardar(f.libro, 1);
            EXPECT_EQ(f.campo(8), k.gardase) << k.p8;
        }
        // The author's choice is stored.
        f.campo(8) = "x";
        f.editor->cargar(f.libro, 1);
        c->setCurrentIndex(4);
        f.editor->gardar(f.libro, 1);
        EXPECT_EQ(f.campo(8), "=");
        comprobarmapa(tipo, modo, 26, "1", {{"x", "0", "0"}, {"1", "1", "1"}, {"3", "-", "3"}}, {8, 18});
    }
}

// --- 26 ---------------------------------------------------------------------------------------

const char* const operandos[] = {"txtsuma1",  "txtsuma2",  "txtsuma3", "txtsuma4", "txtresta1", "txtresta2",
                                 "txtmulti1", "txtmulti2", "txtdivi1", "txtdivi2", "txtdivd1",  "txtdivd2"};

TEST(EditorOpera, Layouts) {
    FollaEditor f(26);
    auto operacion = [&] { return proba::valorde(f.control("grupochopera")); };
    auto texto = [&](const char* e) { return f.control<QLineEdit>(e)->text(); };

    // "+" with four addends, the top one first.
    f.encher({});
    f.libro.paxina(1)[8] = "+";
    for (int n = 2; n <= 5; ++n)
        f.campo(n) = QStringLiteral("%1%1").arg(n);
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(operacion(), "+");
    EXPECT_EQ(texto("txtsuma4"), "22");
    EXPECT_EQ(texto("txtsuma3"), "33");
    EXPECT_EQ(texto("txtsuma2"), "44");
    EXPECT_EQ(texto("txtsuma1"), "55");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(2), "22");
    EXPECT_EQ(f.campo(5), "55");

    // A "d" page after it stores "d" and the division operands only.
    f.encher({});
    f.campo(8) = "d";
    f.campo(2) = "144";
    f.campo(3) = "12";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(operacion(), "d");
    for (const char* e : operandos)
        if (QLatin1String(e) != QLatin1String("txtdivd1") && QLatin1String(e) != QLatin1String("txtdivd2"))
            EXPECT_EQ(texto(e), "") << e;
    EXPECT_EQ(texto("txtdivd1"), "144");
    proba::editar(f.control("txtdivd2"), "6");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(8), "d");
    EXPECT_EQ(f.campo(2), "144");
    EXPECT_EQ(f.campo(3), "6");
    EXPECT_EQ(f.campo(4), "s4");
    EXPECT_EQ(f.campo(5), "s5");

    // An empty sign after it: no layout, empty operands, nothing stored.
    f.encher({});
    f.campo(8) = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(operacion(), "-");
    for (const char* e : operandos)
        EXPECT_EQ(texto(e), "") << e;
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(8), "");
    for (int n = 2; n <= 5; ++n)
        EXPECT_EQ(f.campo(n), QStringLiteral("s%1").arg(n));

    // One group across the layouts: choosing one unchecks the other.
    f.campo(8) = "x";
    f.editor->cargar(f.libro, 1);
    f.control<QRadioButton>("chopera2")->click();
    EXPECT_FALSE(f.control<QRadioButton>("chopera3")->isChecked());
    proba::editar(f.control("txtresta1"), "9");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(8), "-");
    EXPECT_EQ(f.campo(2), "9");
}

TEST(EditorOpera, OperandLimitsAndAnswerMode) {
    FollaEditor f(26);
    for (const char* e : operandos) {
        auto* l = f.control<LimitedEdit>(e);
        EXPECT_EQ(l->maximo(), QLatin1String(e) == QLatin1String("txtsuma1") ? 9 : 10) << e;
    }
    comprobarmapa(26, "grupochnumero", 26, "2",
                  {{"x", "0", "0"}, {"1", "1", "1"}, {"2", "2", "2"}, {"4", "-", "4"}});
}

// --- anchors ----------------------------------------------------------------------------------

TEST(EditoresNumeros, NewPageAnchor) {
    // clang-format off
    const proba::Ancora ancoras[] = {
        {25, {2, 3, 4, 8, 26, W(0)}, {{8, "1"}, {4, "0"}, {26, "0"}},
         {{8, "3"}, {4, "1"}, {26, "5"}, {3, "1:00"}, {W(0), "x"}}},
        {26, {2, 3, 4, 5, 8, 26}, {{26, "0"}}, {{8, "d"}, {2, "9"}, {3, "3"}, {26, "2"}}},
        {27, {}, {}, {}},
        {31, {1, 2, 3, 4, 6, 7, 8, 9, 10, 18}, {}, {{1, "1"}, {6, "a"}, {18, "3"}}},
        {33, {2, 3, 8, 26}, {{26, "0"}}, {{2, "1"}, {8, "7"}, {26, "2"}}},
        {40, {2, 3, 4, 5, 6, 7, 8, 26}, {{8, "+"}, {26, "0"}}, {{8, "r"}, {2, "1"}, {26, "1"}}},
        {41, {2, 3, 8, 18, 26}, {{8, "+"}, {26, "0"}, {18, "0"}}, {{8, "p"}, {2, "1"}, {18, "1"}, {26, "1"}}},
    };
    // clang-format on
    for (const proba::Ancora& a : ancoras)
        proba::ancora(a);
}

} // namespace
