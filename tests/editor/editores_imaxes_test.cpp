// The editors of the picture games on a bare sheet: each type's table (load, store, odd values),
// and the steps of their own: the puzzle's pages, tabs and grid, the X-rays cover, hole and text
// panel, the colours the picture groups take.
#include "editor/editoresaxuda.h"
#include "editor/ranuras.h"
#include "follaproba.h"

#include <QGroupBox>

using namespace quibel;
using proba::FollaEditor;

namespace {

QColor fondode(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

} // namespace

TEST(EditorPuzzle, LoadsAndStoresItsTable) {
    FollaEditor f(3);
    f.comprobar({
        {"filas", 9, "3", "3", "4", "4"},
        {"colum", 10, "", "1", nullptr, "1", "1"},
        {"reixa", 4, "1", "1", "0", "0"},
        {"tranpfondo", 3, "", "100", nullptr, "100"},
        {"chpuzzle", 8, "1", "1", "0", "0"},
    });
    f.comprobar({
        {"filas", 9, "x", "x", "", "1"},
        {"colum", 10, "2", "2", nullptr, "2"},
        {"reixa", 4, "", "0", nullptr, "0"},
        // Longer than may be typed: kept whole.
        {"tranpfondo", 3, "1000", "1000", "50", "50"},
        {"chpuzzle", 8, "x", "0", "1", "1"},
    });
    // An emptied edit shows what it stores.
    EXPECT_EQ(f.control<QLineEdit>("filas")->text(), "1");
}

TEST(EditorPuzzle, LoadShowsThePicturePageAndDrawsTheGridOnlyOverAPicture) {
    FollaEditor f(3);
    auto* Image1 = f.control<PictureBox>("Image1");
    auto* gre = f.control<PictureBox>("imagegre");
    f.control<QWidget>("Panel24")->show();
    f.control<QWidget>("Panel23")->hide();
    f.campo(9) = "2";
    f.campo(10) = "abc";
    f.editor->cargar(f.libro, 1);
    EXPECT_FALSE(f.control<QWidget>("Panel23")->isHidden());
    EXPECT_TRUE(f.control<QWidget>("Panel24")->isHidden());
    EXPECT_EQ(f.control<Panel>("Panel25")->color(), QColor(0xFF, 0x80, 0x40));
    EXPECT_EQ(f.control<Panel>("Panel26")->color(), QColor(0x84, 0xE1, 0xFD));
    EXPECT_TRUE(gre->imaxe().isNull()); // no picture, no grid

    QPixmap p(120, 90);
    p.fill(Qt::white);
    Image1->porimaxe(p);
    f.editor->cargar(f.libro, 1);
    ASSERT_FALSE(gre->imaxe().isNull());
    EXPECT_EQ(gre->geometry(), Image1->geometry());
    // Two rows, one column (the columns are not a number): one horizontal line across the middle.
    const QImage grade = gre->imaxe().toImage();
    EXPECT_NE(grade.pixelColor(grade.width() / 2, grade.height() / 2), QColor(Qt::white));
    EXPECT_EQ(grade.pixelColor(grade.width() / 2, grade.height() / 4), QColor(Qt::white));

    // A page without a picture empties the grid of the last one.
    Image1->limpar();
    f.editor->cargar(f.libro, 1);
    EXPECT_TRUE(gre->imaxe().isNull());
}

TEST(EditorRaios, LoadsAndStoresItsTable) {
    FollaEditor f(5);
    f.control<Panel>("raicol")->setColor(QColor(0x11, 0x22, 0x33));
    f.comprobar(
        {
            {"raicol", 29, "123456", "123456", "ABCDEF", "ABCDEF"},
            {"rairesp", 2, "Un gato", "Un gato", "Un can", "Un can"},
            {"raitext", W(0), "a\r\nb", "a\nb", "c\nd", "c\r\nd"},
            {"raibur", 4, "30", "30", "45", "45"},
        },
        {8, 9});
    f.comprobar(
        {
            // Not a colour: the colour the panel shows, written into the page.
            {"raicol", 29, "verde", "ABCDEF", nullptr, "ABCDEF", "ABCDEF"},
            {"raibur", 4, "abc", "20", nullptr, "20"},
        },
        {2, 8, 9, W(0)});
}

TEST(EditorRaios, CoverHoleAndTextPanelFollowThePage) {
    FollaEditor f(5);
    auto* raibur = f.control<QLineEdit>("raibur");
    QWidget* cbura = f.control<QWidget>("cbura");
    QWidget* cuberta = f.control<QWidget>("Image17");
    QWidget* panel = f.control<QWidget>("Panel41");

    f.campo(8) = "40";
    f.campo(9) = "25";
    f.campo(4) = "";
    f.campo(W(0)) = "texto";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(cuberta->pos(), QPoint(40, 25));
    EXPECT_EQ(raibur->text(), raiburinicial); // an empty hole keeps the text
    EXPECT_EQ(cbura->size(), QSize(50, 50));
    EXPECT_FALSE(panel->isHidden());

    f.campo(8) = "abc";
    f.campo(9) = "";
    f.campo(4) = "70";
    f.campo(W(0)) = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(cuberta->pos(), QPoint(0, 0));
    EXPECT_EQ(cbura->size(), QSize(70, 70));
    EXPECT_TRUE(panel->isHidden());

    // The next page without a hole keeps the last one.
    f.campo(4) = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(raibur->text(), "70");
    cuberta->move(12, 34);
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(4), "70");
    EXPECT_EQ(f.campo(8), "12");
    EXPECT_EQ(f.campo(9), "34");

    // The cover colour chosen stays with the page through a hide and a show.
    proba::editar(f.control<Panel>("raicol"), "336699");
    f.editor->gardar(f.libro, 1);
    f.control<Panel>("raicol")->setColor(Qt::black);
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(gardarcor(f.control<Panel>("raicol")), "336699");
}

TEST(EditorClaimax, LoadsAndStoresItsTable) {
    FollaEditor f(7);
    f.libro.corfondolibro = "102030";
    f.comprobar({
        {"nomcaixaim1", 1, "Grandes", "Grandes", "G", "G"},
        {"nomcaixaim2", 2, "Pequenos", "Pequenos", "P", "P"},
        {"trp3", 27, "", "100", nullptr, "100"},
        {"trp4", 28, "30", "30", "31", "31"},
        {"imcorfondo", 18, "ff8800", "FF8800", "00FF00", "00FF00"},
        {"chimxclac", 11, "1", "1", "0", "0"},
        {"chimxcla", 26, "1", "0", "1", "0"},
        {"parella1", 19, "2", "2", "1", "1"},
        {"parella2", 20, "7", "1", "2", "2"},
        {"parella3", 21, "", "1", nullptr, "1"},
        {"parella4", 22, "2", "2", nullptr, "2"},
        {"parella5", 23, "1", "1", nullptr, "1"},
        {"parella6", 24, "2", "2", "1", "1"},
    });
    // Not a colour: the book background, whatever the panel showed.
    f.comprobar({{"imcorfondo", 18, "", "102030", nullptr, "102030"},
                 {"chimxclac", 11, "", "0", nullptr, "0"},
                 {"chimxcla", 26, "0", "1", nullptr, "0"}},
                {1, 2, 19, 20, 21, 22, 23, 24, 27, 28});
    f.campo(18) = "abcdeg";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(gardarcor(f.control<Panel>("imcorfondo")), "102030");
}

TEST(EditorsOfPictureGroups, TheGroupsTakeThePanelColourOnLoad) {
    const struct {
        int tipo;
        const char* panel;
        int campo;
        const char* grupos[6];
    } casos[] = {
        {7,
         "imcorfondo",
         18,
         {"GroupBox31", "GroupBox32", "GroupBox33", "GroupBox36", "GroupBox57", "GroupBox99"}},
        {14,
         "bcarrastra",
         18,
         {"GroupBox17", "GroupBox54", "GroupBox23", "GroupBox39", "GroupBox37", "GroupBox40"}},
        {17,
         "caracol",
         18,
         {"GroupBox2", "GroupBox46", "GroupBox47", "GroupBox48", "GroupBox49", "GroupBox50"}},
        {24,
         "bcescolle",
         18,
         {"GroupBox60", "GroupBox61", "GroupBox62", "GroupBox63", "GroupBox64", "GroupBox65"}},
    };
    for (const auto& c : casos) {
        FollaEditor f(c.tipo);
        f.campo(c.campo) = "4080C0";
        f.editor->cargar(f.libro, 1);
        for (const char* g : c.grupos) {
            EXPECT_EQ(fondode(f.control<QGroupBox>(g)), QColor(0x40, 0x80, 0xC0)) << c.tipo << " " << g;
        }
    }
}

TEST(EditorIdentificaImaxes, LoadsAndStoresItsTable) {
    FollaEditor f(11);
    f.comprobar({
        {"txtridimx1", 6, "can", "can", "cadelo", "cadelo"},
        {"txtridimx2", 7, "n2", "n2", nullptr, "n2"},
        {"txtridimx3", 8, "n3", "n3", nullptr, "n3"},
        {"txtridimx4", 9, "n4", "n4", nullptr, "n4"},
        {"txtridimx5", 10, "n5", "n5", "m5", "m5"},
        {"opimaxeid", 26, "3", "3", "1", "1"},
    });
    for (const char* outro : {"1", "2", "", "x"})
        f.comprobar({{"opimaxeid", 26, outro, "1", nullptr, "1"}}, {6, 7, 8, 9, 10});
    f.comprobar({{"opimaxeid", 26, "1", "1", "3", "3"}}, {6, 7, 8, 9, 10});
}

TEST(EditorArrastraImaxes, LoadsAndStoresItsTable) {
    FollaEditor f(14);
    f.control<Panel>("bcarrastra")->setColor(QColor(0x11, 0x22, 0x33));
    f.comprobar({
        {"txtarrastra1", 7, "un", "un", "1", "1"},
        {"txtarrastra2", 8, "dous", "dous", nullptr, "dous"},
        {"txtarrastra3", 9, "tres", "tres", "3", "3"},
        {"bcarrastra", 18, "abcdef", "ABCDEF", "FEDCBA", "FEDCBA"},
    });
    // Not a colour: the colour the panel shows.
    f.comprobar({{"bcarrastra", 18, "", "FEDCBA", nullptr, "FEDCBA"}}, {7, 8, 9});
}

TEST(EditorCaras, LoadsAndStoresItsTable) {
    FollaEditor f(17);
    f.libro.corfondolibro = "102030";
    f.control<Panel>("caratapa")->setColor(QColor(0x11, 0x22, 0x33));
    f.comprobar({
        {"caratempo", 28, "30", "30", "45", "45"},
        {"caracol", 18, "ff8800", "FF8800", "00FF00", "00FF00"},
        {"caratapa", 29, "0000ff", "0000FF", "FF0000", "FF0000"},
    });
    f.comprobar({
        {"caratempo", 28, "", "", nullptr, ""},
        {"caracol", 18, "nada", "102030", nullptr, "102030"},
        {"caratapa", 29, "", "FF0000", nullptr, "FF0000"},
    });
}

TEST(EditorIdentificaSons, LoadsAndStoresItsTable) {
    FollaEditor f(22);
    f.comprobar({
        {"txtidrson1", 6, "vaca", "vaca", "ovella", "ovella"},
        {"txtidrson2", 7, "n2", "n2", nullptr, "n2"},
        {"txtidrson3", 8, "n3", "n3", nullptr, "n3"},
        {"txtidrson4", 9, "n4", "n4", nullptr, "n4"},
        {"txtidrson5", 10, "n5", "n5", "m5", "m5"},
        {"opsonid", 26, "4", "4", "5", "5"},
    });
    const struct {
        const char* gardado;
        const char* amosado;
    } modos[] = {{"5", "5"}, {"4", "4"}, {"2", "2"}, {"3", "2"}, {"", "2"}, {"1", "2"}};
    for (const auto& m : modos)
        f.comprobar({{"opsonid", 26, m.gardado, m.amosado, nullptr, m.amosado}}, {6, 7, 8, 9, 10});
}

TEST(EditorEscoller, LoadsAndStoresItsTableAndNeverStoresTheMode) {
    FollaEditor f(24);
    f.control<Panel>("bcescolle")->setColor(QColor(0x11, 0x22, 0x33));
    f.comprobar({
        {"txtescolle1", 7, "t1", "t1", "u1", "u1"},
        {"txtescolle2", 8, "t2", "t2", nullptr, "t2"},
        {"txtescolle3", 9, "t3", "t3", nullptr, "t3"},
        {"txtescolle4", 10, "t4", "t4", nullptr, "t4"},
        {"txtescolle5", 11, "t5", "t5", nullptr, "t5"},
        {"txtescolle6", 12, "t6", "t6", "u6", "u6"},
        {"chescolle1", 1, "1", "1", "0", "0"},
        {"chescolle2", 2, "0", "0", "1", "1"},
        {"chescolle3", 3, "", "0", nullptr, "0"},
        {"chescolle4", 4, "x", "0", nullptr, "0"},
        {"chescolle5", 5, "1", "1", nullptr, "1"},
        {"chescolle6", 6, "0", "0", nullptr, "0"},
        {"bcescolle", 18, "", "112233", nullptr, "112233"},
    });
}

// An empty colour field takes the colour its panel shows, written into the page by the load.
TEST(EditoresImaxes, AnEmptyColourFieldIsWrittenAtLoad) {
    const struct {
        int tipo;
        const char* panel;
        int campo;
    } casos[] = {{5, "raicol", 29}, {14, "bcarrastra", 18}, {17, "caratapa", 29}, {24, "bcescolle", 18}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        FollaEditor f(c.tipo);
        f.control<Panel>(c.panel)->setColor(QColor(0x11, 0x22, 0x33));
        f.campo(c.campo).clear();
        f.editor->cargar(f.libro, 1);
        EXPECT_EQ(f.campo(c.campo), "112233");
    }
}
