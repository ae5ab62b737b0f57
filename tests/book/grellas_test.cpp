#include "book/cadros.h"
#include "book/formula.h"
#include "book/rutinas.h"

#include <gtest/gtest.h>
#include <vector>

using namespace quibel;

TEST(Caracteres, CountAndReplaceByCodePoint) {
    const QString liña = QStringLiteral("é\U0001D465ab"); // é, mathematical italic x, a, b
    EXPECT_EQ(cpLength(liña), 4);
    EXPECT_EQ(cpAt(liña, 1), QStringLiteral("\U0001D465"));
    EXPECT_EQ(cpAt(liña, 4), QString());
    EXPECT_EQ(cpReplaceAt(liña, 2, "Z"), QStringLiteral("é\U0001D465Zb"));
    EXPECT_EQ(cpReplaceAt(liña, 1, "y"), QStringLiteral("éyab"));
    EXPECT_EQ(cpReplaceAt(liña, 9, "y"), liña);
    EXPECT_EQ(cpPadTo(liña, 6, u'0'), QStringLiteral("é\U0001D465ab00"));
    EXPECT_EQ(cpPadTo(liña, 3, u'0'), liña);
    // A lone surrogate counts as one character of its own.
    EXPECT_EQ(cpLength(QString(QChar(0xD835)) + "a"), 2);
}

namespace {

struct Tecla {
    int columna, fila;
    QString k;
};

struct CasoFormula {
    const char* nome;
    QString textoantes; // the first line before the load
    std::vector<Tecla> teclas;
    QString texto, marcas;     // the first line's characters and marks after the keys
    int columna;               // the cell to look at on row 0
    QString cela, celadespois; // its text after the keys, and after the next load
};

const QString brancos16 = QString(16, u' ');

} // namespace

TEST(FormulaGrid, KeysStoreCharactersAndMarks) {
    const QString ceros = QString(17, u'0');
    const CasoFormula casos[] = {
        {"plain key", "", {{5, 0, "x"}}, "     x" + QString(11, u' '), ceros, 5, "x", "x"},
        {"mark then character",
         "",
         {{0, 0, "i"}, {0, 0, "2"}},
         "2" + brancos16,
         "i" + QString(16, u'0'),
         0,
         "i2",
         "2i"},
        {"s mark",
         "",
         {{3, 0, "s"}, {3, 0, "+"}},
         "   +" + QString(13, u' '),
         "000s" + QString(13, u'0'),
         3,
         "s+",
         "+s"},
        {"backspace is a blank", "abc", {{1, 0, "\b"}}, "a c" + QString(14, u' '), ceros, 1, " ", " "},
        {"a blank after a mark letter clears it",
         "",
         {{0, 0, "i"}, {0, 0, " "}},
         QString(17, u' '),
         ceros,
         0,
         " ",
         " "},
        {"control characters are ignored",
         "abc",
         {{0, 0, "\r"},
          {0, 0, "\x1b"},
          {0, 0, "\x01"},
          {0, 0, "\t"},
          {0, 0, ""},
          {0, 0, "ab"},
          {0, 0, QString(QChar(0xD835))}},
         "abc" + QString(14, u' '),
         ceros,
         0,
         "a",
         "a"},
        {"wide characters keep the line's length",
         QStringLiteral("é\U0001D465abc"),
         {{3, 0, "Z"}},
         QStringLiteral("é\U0001D465aZc") + QString(12, u' '),
         ceros,
         1,
         QStringLiteral("\U0001D465"),
         QStringLiteral("\U0001D465")},
        {"a wide character typed",
         "",
         {{2, 0, QStringLiteral("\U0001D465")}},
         QStringLiteral("  \U0001D465") + QString(14, u' '),
         ceros,
         2,
         QStringLiteral("\U0001D465"),
         QStringLiteral("\U0001D465")},
    };
    for (const CasoFormula& c : casos) {
        SCOPED_TRACE(c.nome);
        Tpaxina p;
        p[7] = c.textoantes;
        FormulaGrid g;
        g.cargar(p);
        for (const Tecla& t : c.teclas)
            g.tecla(p, t.columna, t.fila, t.k);
        EXPECT_EQ(p[7], c.texto);
        EXPECT_EQ(p[19], c.marcas);
        EXPECT_EQ(cpLength(p[7]), 17);
        EXPECT_EQ(g.texto(c.columna, 0), c.cela);
        FormulaGrid outra;
        outra.cargar(p);
        EXPECT_EQ(outra.texto(c.columna, 0), c.celadespois);
    }
}

TEST(FormulaGrid, LoadPadsEveryLineAndReadsMarksByCharacter) {
    Tpaxina p;
    p[9] = "ab";
    p[21] = QStringLiteral("0\U0001D465");
    p[3] = "10";
    FormulaGrid g;
    g.cargar(p);
    for (int f = 0; f < FormulaGrid::filas; ++f) {
        EXPECT_EQ(cpLength(p[f + 7]), 17);
        EXPECT_EQ(cpLength(p[f + 1]), 17);
        EXPECT_EQ(cpLength(p[f + 19]), 17);
    }
    EXPECT_EQ(p[1], QString(17, u'1'));
    EXPECT_EQ(p[7], QString(17, u' '));
    EXPECT_EQ(p[19], QString(17, u'0'));
    EXPECT_EQ(p[3], "10" + QString(15, u'1'));
    EXPECT_EQ(g.texto(0, 2), "a");
    EXPECT_EQ(g.texto(1, 2), QStringLiteral("b\U0001D465"));
    EXPECT_TRUE(FormulaGrid::oculta(p, 1, 2));
    EXPECT_FALSE(FormulaGrid::oculta(p, 0, 2));
    // A longer line stays whole.
    Tpaxina q;
    q[8] = QString(20, u'x');
    g.cargar(q);
    EXPECT_EQ(q[8], QString(20, u'x'));
}

TEST(FormulaGrid, DoubleClickTogglesAndHiddenCellsSetP26) {
    Tpaxina p;
    FormulaGrid g;
    g.cargar(p);
    EXPECT_EQ(FormulaGrid::ocultas(p), "0");
    g.dobreclick(p, 4, 5);
    EXPECT_TRUE(FormulaGrid::oculta(p, 4, 5));
    EXPECT_EQ(p[6], "1111011111111111" + QString("1"));
    EXPECT_EQ(FormulaGrid::ocultas(p), "1");
    g.dobreclick(p, 4, 5);
    EXPECT_FALSE(FormulaGrid::oculta(p, 4, 5));
    EXPECT_EQ(FormulaGrid::ocultas(p), "0");
    // A short line of a page written elsewhere is padded before it is changed.
    Tpaxina corta;
    corta[1] = "1";
    g.dobreclick(corta, 9, 0);
    EXPECT_EQ(corta[1], "1111111110" + QString(7, u'1'));
    // Outside the grid nothing changes.
    g.dobreclick(corta, 16, 0);
    EXPECT_FALSE(g.tecla(corta, 0, 6, "x"));
    EXPECT_EQ(corta[1], "1111111110" + QString(7, u'1'));
}

TEST(SquareGrid, LoadClickAndStore) {
    Tpaxina p;
    p[1] = "12034567";
    p[2] = "8";  // shorter than the row
    p[3] = "90"; // a number no colour has, from a page made elsewhere
    SquareGrid g;
    g.cargar(p);
    EXPECT_EQ(g.cela(0, 0), "1");
    EXPECT_EQ(g.cela(2, 0), "");
    EXPECT_EQ(g.cela(0, 1), "8");
    EXPECT_EQ(g.cela(1, 1), "");
    EXPECT_EQ(g.cela(0, 2), "9");

    g.premer(3, 6, 0); // an empty cell takes the chosen colour
    EXPECT_EQ(g.cela(3, 6), "1");
    g.premer(3, 6, 5); // a painted one is emptied, whatever is chosen
    EXPECT_EQ(g.cela(3, 6), "");
    g.premer(3, 6, 5);
    EXPECT_EQ(g.cela(3, 6), "6");
    g.premer(0, 2, 0); // the strange cell empties too
    EXPECT_EQ(g.cela(0, 2), "");
    g.porcela(1, 2, "9");

    Tpaxina random = p;
    g.gardar(random, true);
    EXPECT_EQ(random[1], p[1]);
    EXPECT_EQ(random[2], "8");

    g.gardar(p, false);
    const QString agardado[] = {"12034567", "80000000", "09000000", "00000000",
                                "00000000", "00000000", "00060000"};
    for (int f = 0; f < 7; ++f)
        EXPECT_EQ(p[f + 1], agardado[f]) << f;
}

TEST(SquareGrid, ColoursOfTheNumbers) {
    const std::pair<const char*, QColor> casos[] = {
        {"1", QColor(0xFF, 0, 0)},        {"2", QColor(0, 0xFF, 0)},       {"3", QColor(0, 0, 0xFF)},
        {"4", QColor(0xFF, 0x80, 0)},     {"5", QColor(0xFF, 0xFF, 0)},    {"6", QColor(0xC8, 0xA2, 0xC8)},
        {"7", QColor(0xFF, 0xFF, 0xFF)},  {"8", QColor(0, 0, 0)},          {"", QColor(0xFF, 0xFF, 0xFF)},
        {"9", QColor(0xFF, 0xFF, 0xFF)},  {"0", QColor(0xFF, 0xFF, 0xFF)}, {"x", QColor(0xFF, 0xFF, 0xFF)},
        {"12", QColor(0xFF, 0xFF, 0xFF)},
    };
    for (const auto& [texto, cor] : casos)
        EXPECT_EQ(SquareGrid::cor(QString::fromLatin1(texto)), cor) << texto;
}
