// The editors of the tags, moving pictures, tags-2, series, sort images, pairs-2, identify
// images-2, lyrics and memory pages on their bare sheets: their tables, odd values, positions,
// modes, the anchor of a new page and the round trip through the book file.
#include "ancora.h"
#include "editor/ranuras.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

using namespace quibel;
using proba::Fila;
using proba::FollaEditor;

namespace {

// --- tables -----------------------------------------------------------------------------------

const std::vector<Fila> fila20 = {
    {"etiq1", 1, "a", "a", "A", "A"},          {"etiq2", 2, "b", "b", nullptr, "b"},
    {"etiq3", 3, "c", "c", nullptr, "c"},      {"etiq4", 4, "d", "d", nullptr, "d"},
    {"etiq5", 5, "e", "e", nullptr, "e"},      {"etiq6", 6, "f", "f", "F", "F"},
    {"grupomodoetiq", 26, "3", "3", "8", "8"},
};
const std::vector<Fila> fila30 = {
    {"Edit18", 1, "a", "a", "A", "A"},
    {"Edit19", 2, "b", "b", nullptr, "b"},
    {"Edit20", 3, "c", "c", nullptr, "c"},
    {"Edit21", 4, "d", "d", nullptr, "d"},
    {"Edit22", 5, "e", "e", nullptr, "e"},
    {"Edit23", 6, "f", "f", nullptr, "f"},
    // A longer stored size is kept whole: the limit is on typing.
    {"etq2tam", 18, "123", "123", nullptr, "123"},
    {"grupochetiq2", 26, "1", "1", "2", "2"},
};
const std::vector<Fila> fila32 = {{"chserie", 26, "1", "1", "0", ""}};
const std::vector<Fila> fila35 = {{"modoordeaimx", 8, "1", "1", "0", "0"}};
const std::vector<Fila> fila39 = {
    {"chparson", 26, "1", "0", nullptr, "1"},
    {"tempopar2", 28, "30", "30", "45", "45"},
    {"fondopar2", 18, "ABCDEF", "ABCDEF", "010203", "010203"},
    {"carapar2", 29, "123456", "123456", nullptr, "123456"},
    {"par2tx1", 19, "uno", "uno", "un", "un"},
    {"par2tx2", 20, "dos", "dos", nullptr, "dos"},
    {"par2tx3", 21, "tres", "tres", nullptr, "tres"},
    {"par2tx4", 22, "4", "4", nullptr, "4"},
    {"par2tx5", 23, "5", "5", nullptr, "5"},
    {"par2tx6", 24, "6", "6", nullptr, "6"},
};
const std::vector<Fila> fila44 = {
    {"texto1_arrastra2", 6, "a\r\nb", "a\nb", "c\nd", "c\r\nd"},
    {"texto2_arrastra2", 7, "x", "x", nullptr, "x"},
    {"texto3_arrastra2", 8, "l1\r\nl2\r\nl3", "l1\nl2\nl3", nullptr, "l1\r\nl2\r\nl3"},
};
const std::vector<Fila> fila50 = {
    {"letrastx1", 1, "sol", "sol", "lúa", "lúa"},
    {"letrastx2", 2, "mar", "mar", nullptr, "mar"},
    {"letrastx3", 3, "río", "río", nullptr, "río"},
};
const std::vector<Fila> fila51 = {
    {"cadros2txnumero", 18, "123", "123", nullptr, "123"},
    {"chcadros2alea", 26, "1", "1", "0", "0"},
    {"chcadros2numeros", 8, "0", "0", "1", "1"},
    {"cdr_visible", 11, "x", "0", nullptr, "0"},
};

TEST(EditoresPosicions, TablesLoadAndStore) {
    const std::vector<std::tuple<int, const std::vector<Fila>*, std::set<int>>> tipos = {
        {20, &fila20, {7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24}},
        {30, &fila30, {7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24, 28, 29}},
        {32, &fila32, {}},
        {35, &fila35, {}},
        {39, &fila39, {}},
        {44, &fila44, {}},
        {50, &fila50, {}},
        // P1 and P2, the flags of the picture drops, keep their sentinels.
        {51, &fila51, {}},
    };
    for (const auto& [tipo, filas, outros] : tipos) {
        SCOPED_TRACE(tipo);
        FollaEditor f(tipo);
        f.comprobar(*filas, outros);
    }
}

TEST(EditoresPosicions, RoundTripThroughTheBookFile) {
    for (const auto& [tipo, filas] : std::vector<std::pair<int, const std::vector<Fila>*>>{
             {32, &fila32}, {35, &fila35}, {39, &fila39}, {44, &fila44}, {50, &fila50}, {51, &fila51}})
        proba::idaevolta(tipo, *filas);
    // Placed elements come back where they stood, defaults and stored positions alike.
    proba::idaevolta(20, fila20, {"punto1", "punto2", "punto6"}, {{8, "123"}, {20, "45"}});
    proba::idaevolta(23, {{"libre", 26, "3"}, {"movimxver", 26, "3"}}, {"imxmov1", "imxmov2", "imxmov6"},
                     {{1, ""}, {2, "b.png"}, {8, "200"}, {20, "77"}, {6, ""}});
    proba::idaevolta(30, fila30, {"imxetiq2", "Panel49", "Panel54"},
                     {{28, "30"}, {29, "40"}, {12, "100"}, {24, "60"}});
}

// Every slot of these sheets finds a control of the class the slot binder expects.
TEST(EditoresPosicions, SlotControlsHaveTheBindersClasses) {
    for (int tipo : {20, 23, 27, 30, 31, 32, 35, 39, 40, 44, 50, 51}) {
        FollaEditor f(tipo);
        for (const Ranura* r : ranurasdetipo(tipo)) {
            SCOPED_TRACE(r->control);
            if (r->clase == ClaseRanura::imaxe)
                EXPECT_NE(f.folla.findChild<PictureBox*>(r->control), nullptr);
            else
                EXPECT_NE(f.folla.findChild<QToolButton*>(r->control), nullptr);
            if (QLatin1String(r->nome) != QLatin1String("editoculto")) {
                QObject* nome = f.folla.findChild<QObject*>(r->nome);
                EXPECT_TRUE(qobject_cast<LabelledEdit*>(nome) || qobject_cast<QLineEdit*>(nome)) << r->nome;
            }
            if (r->limpar) EXPECT_NE(f.folla.findChild<QToolButton*>(r->limpar), nullptr) << r->limpar;
        }
    }
    FollaEditor f23(23);
    for (int k = 1; k <= 6; ++k)
        EXPECT_NE(f23.folla.findChild<PictureBox*>(QStringLiteral("imxmov%1").arg(k)), nullptr);
    f23.control<LabelledEdit>("etiqimx");
    f23.control<QToolButton>("SpeedButton103");
    f23.control<QFrame>("marcomvi");
    FollaEditor f30(30);
    for (const char* n : {"imxetiq2x", "imxetiq2y"})
        EXPECT_TRUE(f30.control<LabelledEdit>(n)->edit()->isReadOnly());
    FollaEditor f39(39);
    f39.control<QCheckBox>("chparson");
    f39.control<QWidget>("panelparson");
}

// --- 20 ---------------------------------------------------------------------------------------

TEST(EditorEtiquetas, ModeCodes) {
    struct Caso {
        const char* gardado;
        const char* amosado;
        const char* gardase;
    };
    const Caso casos[] = {{"", "1", "1"},  {"1", "1", "1"}, {"4", "4", "4"},
                          {"9", "9", "9"}, {"x", "-", "x"}, {"10", "-", "10"}};
    for (const Caso& c : casos) {
        FollaEditor f(20);
        // A page shown before with another mode: its button must not stay checked.
        f.encher({{"grupomodoetiq", 26, "5"}}, 2);
        f.editor->cargar(f.libro, 2);
        f.comprobar({{"grupomodoetiq", 26, c.gardado, c.amosado, nullptr, c.gardase}},
                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24});
    }
    FollaEditor f(20);
    EXPECT_TRUE(f.control<QRadioButton>("modoetiq4")->isHidden());
}

TEST(EditorEtiquetas, MarkersTakeTheirPositionsLeniently) {
    FollaEditor f(20);
    f.encher({});
    Tpaxina& p = f.libro.paxina(1);
    p[7] = "abc"; // not a number: the default, and no exception
    p[19] = "";
    p[8] = "123";
    p[20] = "45";
    for (int k = 2; k < 6; ++k) {
        p[7 + k] = "";
        p[19 + k] = "";
    }
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(f.control<QWidget>("punto1")->pos(), QPoint(400, 10));
    EXPECT_EQ(f.control<QWidget>("punto2")->pos(), QPoint(123, 45));
    EXPECT_EQ(f.control<QWidget>("punto6")->pos(), QPoint(400, 210));
    EXPECT_EQ(p[19], "10") << "an empty position is written at load";
    EXPECT_EQ(p[24], "210");
    f.control<QWidget>("punto3")->move(7, 8); // where a drag leaves it
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(p[7], "400");
    EXPECT_EQ(p[9], "7");
    EXPECT_EQ(p[21], "8");
}

// --- 23 ---------------------------------------------------------------------------------------

TEST(EditorMoveimx, EmptyPicturesBecomeNumberedSquaresInAColumn) {
    FollaEditor f(23);
    f.encher({});
    Tpaxina& p = f.libro.paxina(1);
    for (int k = 1; k <= 6; ++k)
        p[k].clear();
    p[2] = "imx/dous.png"; // picture 2 alone keeps its stored place
    p[8] = "200";
    p[20] = "77";
    f.editor->cargar(f.libro, 1);
    for (int k = 1; k <= 6; ++k) {
        auto* i = f.control<PictureBox>(QStringLiteral("imxmov%1").arg(k).toLatin1().constData());
        if (k == 2) {
            EXPECT_EQ(i->pos(), QPoint(200, 77));
            continue;
        }
        EXPECT_EQ(p[6 + k], "420") << k;
        EXPECT_EQ(p[18 + k], QString::number(10 + 60 * (k - 1))) << k;
        EXPECT_EQ(i->geometry(), QRect(420, 10 + 60 * (k - 1), 40, 40)) << k;
        EXPECT_EQ(i->imaxe().size(), QSize(40, 40));
    }
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(p[8], "200");
    EXPECT_EQ(p[20], "77");
    EXPECT_EQ(p[12], "420");
    EXPECT_EQ(p[24], "310");
    EXPECT_EQ(p[26], "0");
}

TEST(EditorMoveimx, APictureWithAnOddPositionTakesItsDefault) {
    FollaEditor f(23);
    f.encher({});
    Tpaxina& p = f.libro.paxina(1);
    p[3] = "a.png";
    p[9] = "x";
    p[21] = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(f.control<PictureBox>("imxmov3")->pos(), QPoint(400, 150));
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(p[9], "400");
    EXPECT_EQ(p[21], "150");
}

TEST(EditorMoveimx, OptionBoxes) {
    struct Caso {
        const char* gardado;
        bool ver, orde, libre;
        std::vector<const char*> marcar; // boxes the author then checks
        const char* gardase;
    };
    const Caso casos[] = {
        {"1", true, false, false, {}, "1"},
        {"2", false, true, false, {}, "2"},
        {"3", false, false, true, {}, "3"},
        {"x", false, false, false, {}, "0"},
        // The last checked box wins.
        {"1", true, false, false, {"libre"}, "3"},
        {"0", false, false, false, {"senorde"}, "2"},
    };
    for (const Caso& c : casos) {
        FollaEditor f(23);
        f.encher({}, 2);
        f.campo(26, 2) = "2";
        f.editor->cargar(f.libro, 2);
        f.encher({});
        f.campo(26) = c.gardado;
        f.editor->cargar(f.libro, 1);
        EXPECT_EQ(f.control<QCheckBox>("movimxver")->isChecked(), c.ver) << c.gardado;
        EXPECT_EQ(f.control<QCheckBox>("senorde")->isChecked(), c.orde) << c.gardado;
        EXPECT_EQ(f.control<QCheckBox>("libre")->isChecked(), c.libre) << c.gardado;
        for (const char* m : c.marcar)
            f.control<QCheckBox>(m)->setChecked(true);
        f.editor->gardar(f.libro, 1);
        EXPECT_EQ(f.campo(26), c.gardase) << c.gardado;
    }
}

TEST(EditorMoveimx, LoadEmptiesTheSelection) {
    FollaEditor f(23);
    auto* etiqimx = f.control<LabelledEdit>("etiqimx");
    etiqimx->setText("old.png");
    etiqimx->setCaption(" 3 ");
    f.control<QLineEdit>("movimxcorx")->setText("5");
    f.control<QLineEdit>("movimxcory")->setText("6");
    f.control<QWidget>("marcomvi")->show();
    f.encher({});
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(etiqimx->text(), "");
    EXPECT_EQ(etiqimx->etiqueta()->text(), "");
    EXPECT_EQ(f.control<QLineEdit>("movimxcorx")->text(), "");
    EXPECT_EQ(f.control<QLineEdit>("movimxcory")->text(), "");
    EXPECT_TRUE(f.control<QWidget>("marcomvi")->isHidden());
}

// --- 30 ---------------------------------------------------------------------------------------

TEST(EditorEtiquetas2, PositionsAndModes) {
    struct Caso {
        const char* p28;
        const char* x;   // the edit, and what store writes
        const char* p26; // mode stored
        const char* modo;
        const char* p26gardase;
    };
    const Caso casos[] = {
        {"", "0", "x", "0", "0"},
        {"abc", "0", "", "0", "0"},
        {"30", "30", "2", "2", "2"},
        {"-5", "-5", "5", "-", "5"},
    };
    for (const Caso& c : casos) {
        FollaEditor f(30);
        f.encher({{"grupochetiq2", 26, "1"}}, 2);
        f.editor->cargar(f.libro, 2);
        f.encher({});
        Tpaxina& p = f.libro.paxina(1);
        p[28] = c.p28;
        p[29] = "40";
        p[26] = c.p26;
        p[7] = "x";
        p[19] = "";
        p[12] = "100";
        p[24] = "200";
        f.editor->cargar(f.libro, 1);
        EXPECT_EQ(f.control<LabelledEdit>("imxetiq2x")->text(), c.x) << c.p28;
        EXPECT_EQ(f.control<LabelledEdit>("imxetiq2y")->text(), "40");
        EXPECT_EQ(f.control<QWidget>("imxetiq2")->pos(), QPoint(QString(c.x).toInt(), 40));
        EXPECT_EQ(proba::valorde(f.control("grupochetiq2")), c.modo) << c.p26;
        EXPECT_EQ(f.control<QWidget>("Panel49")->pos(), QPoint(470, 50));
        EXPECT_EQ(f.control<QWidget>("Panel54")->pos(), QPoint(100, 200));
        EXPECT_EQ(f.control<QWidget>("Panel51")->pos(), QPoint(470, 130)) << "the sentinel is no number";
        f.editor->gardar(f.libro, 1);
        EXPECT_EQ(p[28], c.x);
        EXPECT_EQ(p[29], "40");
        EXPECT_EQ(p[26], c.p26gardase);
        EXPECT_EQ(p[7], "470");
        EXPECT_EQ(p[19], "50");
    }
}

// --- 39 ---------------------------------------------------------------------------------------

TEST(EditorParellas2, ASoundPageAfterAPicturePageClearsNothing) {
    FollaEditor f(39);
    f.encher(fila39, 2); // a picture page
    f.editor->cargar(f.libro, 2);
    EXPECT_TRUE(f.control<QWidget>("panelparson")->isHidden());
    f.encher({{"chparson", 26, "2"}});
    for (int n = 1; n <= 12; ++n)
        f.campo(n) = QStringLiteral("son%1.mp3").arg(n);
    int cambios = 0;
    auto* chparson = f.control<QCheckBox>("chparson");
    QObject::connect(chparson, &QCheckBox::toggled, [&] { ++cambios; });
    QObject::connect(chparson, &QCheckBox::clicked, [&] { ++cambios; });
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(cambios, 0) << "load never fires the mode switch";
    EXPECT_TRUE(chparson->isChecked());
    EXPECT_FALSE(f.control<QWidget>("panelparson")->isHidden());
    // Sound mode does not load the texts: they show what the picture page left.
    EXPECT_EQ(f.control<QLineEdit>("par2tx1")->text(), "uno");
    f.editor->gardar(f.libro, 1);
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(f.campo(n), QStringLiteral("son%1.mp3").arg(n));
    EXPECT_EQ(f.campo(26), "2");
    EXPECT_EQ(f.campo(19), "uno");
    EXPECT_EQ(f.campo(24), "6");
}

TEST(EditorParellas2, ColoursAndTheNewPage) {
    FollaEditor f(39);
    Tpaxina nova;
    f.editor->novapaxina(nova);
    EXPECT_EQ(nova[26], "1");
    EXPECT_EQ(proba::valorde(f.control("carapar2")), "000000") << "the covers start black";
    f.libro.corfondolibro = "102030";
    // Empty or non-colour fields: the book background, and whatever the covers panel shows.
    f.encher({{"fondopar2", 18, "verde"}, {"carapar2", 29, "FF0000"}}, 2);
    f.editor->cargar(f.libro, 2);
    f.encher({{"fondopar2", 18, ""}, {"carapar2", 29, "12345G"}});
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(proba::valorde(f.control("fondopar2")), "102030");
    EXPECT_EQ(proba::valorde(f.control("carapar2")), "FF0000");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(18), "102030");
    EXPECT_EQ(f.campo(29), "FF0000");
}

// --- anchors ----------------------------------------------------------------------------------

TEST(EditoresPosicions, NewPageAnchor) {
    // clang-format off
    const proba::Ancora ancoras[] = {
        {20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24, 26},
         {{7, "400"}, {8, "400"}, {9, "400"}, {10, "400"}, {11, "400"}, {12, "400"},
          {19, "10"}, {20, "40"}, {21, "90"}, {22, "130"}, {23, "170"}, {24, "210"}, {26, "1"}},
         {{1, "t"}, {7, "1"}, {8, "1"}, {9, "1"}, {10, "1"}, {11, "1"}, {12, "1"},
          {19, "2"}, {20, "2"}, {21, "2"}, {22, "2"}, {23, "2"}, {24, "2"}, {26, "5"}}},
        // The pictures are left empty: no sentinel there.
        {23, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24, 26},
         {{7, "420"}, {8, "420"}, {9, "420"}, {10, "420"}, {11, "420"}, {12, "420"},
          {19, "10"}, {20, "70"}, {21, "130"}, {22, "190"}, {23, "250"}, {24, "310"}, {26, "0"}},
         {{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, "e"}, {6, "f"}, {7, "1"}, {8, "1"}, {9, "1"},
          {10, "1"}, {11, "1"}, {12, "1"}, {19, "2"}, {20, "2"}, {21, "2"}, {22, "2"}, {23, "2"}, {24, "2"},
          {26, "3"}}},
        {30, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 18, 19, 20, 21, 22, 23, 24, 26, 28, 29},
         {{28, "0"}, {29, "0"}, {7, "470"}, {8, "470"}, {9, "470"}, {10, "470"}, {11, "470"}, {12, "470"},
          {19, "50"}, {20, "90"}, {21, "130"}, {22, "170"}, {23, "210"}, {24, "250"}, {26, "0"}},
         {{1, "t"}, {18, "12"}, {28, "30"}, {29, "40"}, {7, "1"}, {12, "1"}, {19, "2"}, {24, "2"}, {26, "2"}}},
        {32, {26}, {{26, ""}}, {{26, "1"}}},
        {35, {8}, {{8, "0"}}, {{8, "1"}}},
        // After a page with red covers, a new page takes the colour the panel shows.
        {39, {18, 19, 20, 21, 22, 23, 24, 26, 28, 29},
         {{26, "1"}, {18, "FFFFFF"}, {29, "000000"}},
         {{26, "2"}, {18, "00FF00"}, {29, "FF0000"}, {28, "9"}},
         {{29, "FF0000"}}},
        {44, {6, 7, 8}, {}, {{6, "a"}, {7, "b"}, {8, "c"}}},
        {50, {1, 2, 3}, {}, {{1, "a"}, {2, "b"}, {3, "c"}}},
        {51, {8, 11, 18, 26}, {{26, "0"}, {8, "0"}, {11, "0"}}, {{8, "1"}, {11, "1"}, {18, "12"}, {26, "1"}}},
    };
    // clang-format on
    for (const proba::Ancora& a : ancoras)
        proba::ancora(a);
}

} // namespace
