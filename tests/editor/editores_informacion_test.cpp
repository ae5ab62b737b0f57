// The editors of the information pages on a bare sheet: each type's table of fields and controls,
// the odd values, and the special steps (frames of type 2, the menu's button text, the external
// activity's file, the text page's size and copy flag, the scheme's old line separator).
#include "editor/editores_informacion.h"
#include "editor/htmlview.h"
#include "editor/ranuras.h"
#include "follaproba.h"

#include <QFrame>

using namespace quibel;
using proba::Fila;
using proba::FollaEditor;
using proba::serieedits;
using proba::xunto;

TEST(EditorImaxeTexto, LoadsAndStoresItsTable) {
    FollaEditor f(2);
    f.libro.cortextolibro = "405060";
    f.comprobar(
        {
            {"autoimx", 15, "1", "1", "0", "0"},
            {"altimtx", 33, "alt", "alt", "A2", "A2"},
            {"shtml", 21, "0", "0", "1", "1"},
            {"cttexto", 19, "102030", "102030", "203040", "203040"},
            {"snfd", 30, "1", "1", nullptr, "1"},
            {"ctfondo", 18, "AABBCC", "AABBCC", nullptr, "AABBCC"},
            {"imtextox", 28, "5", "5", nullptr, "5"},
            {"imtextoy", 29, "6", "6", nullptr, "6"},
            {"textx", 8, "70", "70", nullptr, "70"},
            {"texty", 9, "80", "80", nullptr, "80"},
        },
        {10, 11});
    // Height and width never swap; without a picture the picture frame is 40 by 40.
    auto* basetext = f.control<QFrame>("basetext");
    auto* bimax = f.control<QFrame>("bimax");
    EXPECT_EQ(basetext->geometry(), QRect(70, 80, 200, 200)) << "sentinel sizes are no numbers";
    EXPECT_EQ(f.campo(10), "200");
    EXPECT_EQ(f.campo(11), "200");
    EXPECT_EQ(bimax->pos(), QPoint(5, 6));
    EXPECT_EQ(bimax->size(), QSize(40, 40));
}

TEST(EditorImaxeTexto, FramesAreReadLenientlyAndStoredAsShown) {
    struct Caso {
        const char *p8, *p9, *p10, *p11;
        QRect marco;         // the text frame shown
        const char* gardado; // P8 P9 P10 P11 after store
    };
    const Caso casos[] = {
        {"", "", "", "", {50, 50, 200, 200}, "50 50 200 200"},
        {"10", "20", "300", "150", {10, 20, 150, 300}, "10 20 300 150"}, // P10 the height
        {"x", "1.5", "abc", "29", {50, 50, 200, 200}, "50 50 200 200"},
        {"-5", "7", "30", "31", {-5, 7, 31, 30}, "-5 7 30 31"},
    };
    FollaEditor f(2);
    for (const Caso& c : casos) {
        Tpaxina& p = f.libro.paxina(1);
        p[8] = c.p8, p[9] = c.p9, p[10] = c.p10, p[11] = c.p11;
        p[28] = "", p[29] = "nada";
        EXPECT_NO_THROW(f.editor->cargar(f.libro, 1));
        EXPECT_EQ(f.control<QFrame>("basetext")->geometry(), c.marco) << c.p10;
        EXPECT_EQ(p[28], "0");
        EXPECT_EQ(p[29], "0");
        f.editor->gardar(f.libro, 1);
        EXPECT_EQ(QStringList({p[8], p[9], p[10], p[11]}).join(' '), c.gardado);
    }
}

TEST(EditorImaxeTexto, OwnBackgroundAndTheView) {
    FollaEditor f(2);
    auto* vista = new HtmlView(f.control<QWidget>("basetext"));
    vista->setObjectName("visortexto");
    f.libro.corfondolibro = "FFEEDD";
    Tpaxina& p = f.libro.paxina(1);
    p[30] = "0", p[18] = "123456", p[19] = "", p[10] = "100", p[11] = "150";
    f.libro.texto(1, 1) = "<p>hola</p>";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(p[18], "FFEEDD") << "the book background is written into the page";
    EXPECT_EQ(vista->source(), "<p>hola</p>");
    EXPECT_EQ(vista->size(), QSize(138, 88));
    EXPECT_EQ(vista->palette().color(QPalette::Base), QColor(0xFF, 0xEE, 0xDD));
    vista->load("<p>adeus</p>");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(p[30], "0");
    EXPECT_EQ(p[18], "");
    EXPECT_EQ(p[19], "000000");
    EXPECT_EQ(f.libro.texto(1, 1), "<p>adeus</p>");
}

TEST(EditorImaxeTexto, ThePictureFrameTakesThePictureSize) {
    FollaEditor f(2);
    auto* imaxe = f.control<PictureBox>("Image3");
    QPixmap ancha(120, 8);
    ancha.fill(Qt::red);
    imaxe->porimaxe(ancha);
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(f.control<QFrame>("bimax")->size(), QSize(120, 40));
}

TEST(EditorGalerias, LoadAndStoreTheirTables) {
    FollaEditor imaxes(12);
    imaxes.comprobar(xunto<Fila>({serieedits("txtgimax", 19, 6), {{"chvercimaxe", 29, "0", "0", "1", "1"}}}));
    FollaEditor sons(21);
    sons.comprobar(xunto<Fila>({serieedits("txtsonimx", 19, 6), {{"chvercsons", 29, "", "1", "0", "0"}}}));
}

TEST(EditorMenu, LoadsAndStoresItsTableAndColoursTheLabels) {
    FollaEditor f(15);
    f.comprobar(xunto<Fila>({serieedits("txtmenu", 7, 6),
                             {{"cboton", 18, "112233", "112233", "223344", "223344"},
                              {"cbtexto", 19, "445566", "445566", nullptr, "445566"},
                              {"mhtml", 21, "0", "0", "1", "1"}}}));
    auto* e = f.control<QLineEdit>("txtmenu4");
    EXPECT_EQ(e->palette().color(QPalette::Base), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(e->palette().color(QPalette::Text), QColor(0x44, 0x55, 0x66));

    // An empty colour takes what the panel shows: the last menu page's.
    f.comprobar({{"cboton", 18, "", "223344", nullptr, "223344"},
                 {"cbtexto", 19, "zz", "445566", nullptr, "445566"},
                 {"txtmenu1", 7, "a label longer than twenty", "a label longer than twenty", nullptr,
                  "a label longer than twenty"}},
                {21});
}

TEST(EditorMenu, StoresTheViewIntoTheSelectedButtonOnly) {
    FollaEditor f(15);
    auto* vista = new HtmlView(&f.folla);
    vista->setObjectName("visormenu");
    for (int i = 1; i <= 6; ++i)
        f.libro.texto(1, i) = QString("w%1").arg(i - 1);
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(vista->source(), "w0");
    auto* botons = dynamic_cast<EditorMenuBotons*>(f.editor.get());
    ASSERT_NE(botons, nullptr);
    EXPECT_EQ(botons->botonmenu(), 1);
    botons->porbotonmenu(3);
    vista->load("three");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.libro.texto(1, 3), "three");
    for (int i : {1, 2, 4, 5, 6})
        EXPECT_EQ(f.libro.texto(1, i), QString("w%1").arg(i - 1));
}

TEST(EditorExterna, ShowsTheFileAsStoredAndNeverStoresIt) {
    FollaEditor f(16);
    f.comprobar({
        {"txexterna", 18, "<a>\r\n<b>", "<a>\n<b>", "<c>\n<d>", "<c>\r\n<d>"},
        {"dimxexterna", 17, "12345", "12345", nullptr, "12345"},
        {"dimyexterna", 6, "480", "480", "300", "300"},
        {"Edit53", 2, "ok", "ok", "ok2", "ok2"},
        {"Edit54", 3, "tries", "tries", nullptr, "tries"},
        {"altimxexterna", 33, "alt", "alt", nullptr, "alt"},
        {"txtext", 1, "res/act.html", "res/act.html", "typed", "res/act.html"},
    });
    EXPECT_FALSE(f.control<QWidget>("Image42")->isHidden());
    f.campo(1) = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_TRUE(f.control<QWidget>("Image42")->isHidden());
}

TEST(EditorTextos, LoadsAndStoresItsTableAndCopiesTheFlag) {
    FollaEditor f(29);
    f.libro.corfondolibro = "FFFFFF";
    f.comprobar(
        {
            {"txdicta", W(0), "a\r\nb", "a\nb", "c\nd", "c\r\nd"},
            {"moddicta", 26, "2", "2", "0", "0"},
            {"tamtextos", 8, "20", "20", "", "16"},
            {"Panel56", 19, "102030", "102030", nullptr, "102030"},
            {"sfdicta", 30, "1", "1", nullptr, "1"},
            {"Panel48", 18, "AABBCC", "AABBCC", nullptr, "AABBCC"},
        },
        {21});
    EXPECT_EQ(f.campo(21), "1");
    auto* memo = f.control<QPlainTextEdit>("txdicta");
    EXPECT_EQ(memo->font().pointSize(), 20);
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0x10, 0x20, 0x30));

    // A mode no button has shows none and is kept; an empty size becomes 16.
    f.comprobar({{"moddicta", 26, "7", "-", nullptr, "7"},
                 {"tamtextos", 8, "", "16", nullptr, "16", "16"},
                 {"sfdicta", 30, "0", "0", nullptr, "0"},
                 {"Panel48", 18, "AABBCC", "FFFFFF", nullptr, "", "FFFFFF"}},
                {19, 21, W(0)});
    EXPECT_EQ(f.campo(21), "0");
}

TEST(EditorPlantilla, LoadsAndStoresItsTable) {
    FollaEditor f(38);
    f.libro.cortextolibro = "010203";
    f.comprobar({
        {"altimxplantilla", 33, "alt", "alt", "alt2", "alt2"},
        {"resplan", 2, "resp", "resp", nullptr, "resp"},
        {"opplan", 8, "3", "3", "1", "1"},
        {"botonplantillatx", 20, "go", "go", "Go!", "Go!"},
        {"botonplantillair", 3, "5", "5", nullptr, "5"},
        {"cortexplan", 19, "", "010203", nullptr, "010203"},
        {"scorfondoplan", 30, "1", "1", "0", "0"},
        {"corfondoplan", 18, "AABBCC", "AABBCC", nullptr, ""},
    });
    f.comprobar({{"opplan", 8, "9", "-", nullptr, "9"}}, {2, 3, 18, 19, 20, 30, 33});
}

TEST(EditorEsquema, ConvertsTheOldLineSeparatorOnce) {
    FollaEditor f(42);
    f.comprobar({{"textoesq", W(0), "a|b", "a\nb", nullptr, "a\r\nb"}, {"rbesq", 8, "1", "1", "2", "2"}},
                {10});
    EXPECT_EQ(f.campo(10), "1");
    // Once converted, a "|" stays as typed, and an unknown layout checks no button.
    f.campo(W(0)) = "x|y";
    f.campo(8) = "5";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(f.control<QPlainTextEdit>("textoesq")->toPlainText(), "x|y");
    EXPECT_EQ(proba::valorde(f.control("rbesq")), "-");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(W(0)), "x|y");
    EXPECT_EQ(f.campo(8), "5");
}
