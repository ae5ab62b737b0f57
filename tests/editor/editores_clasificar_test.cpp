// The editors of the classify, link and order pages on a bare sheet: each type's table (load,
// store, odd values), the fields only some types read in their own way (the link positions, the
// group names of classify 2), and the controls that follow a page (the link text panel).
#include "follaproba.h"

#include <QGroupBox>

using namespace quibel;
using proba::FollaEditor;

TEST(EditorClasificar, LoadsAndStoresItsTable) {
    FollaEditor f(6);
    f.comprobar({
        {"nomcaixa1", 1, "Animais", "Animais", "Froitas", "Froitas"},
        {"nomcaixa2", 2, "Plantas", "Plantas", "Cousas", "Cousas"},
        {"trp1", 27, "40", "40", "55", "55"},
        {"trp2", 28, "", "100", nullptr, "100"},
        {"Edit45", 3, "can", "can", "gato", "gato"},
        {"edit46", 4, "pino", "pino", "carballo", "carballo"},
        {"edit47", 5, "t3", "t3", "u3", "u3"},
        {"edit48", 6, "t4", "t4", "u4", "u4"},
        {"edit49", 7, "t5", "t5", "u5", "u5"},
        {"edit50", 8, "t6", "t6", "u6", "u6"},
        // Each pair on its own: "2" is box 2, anything else box 1.
        {"parella1", 19, "2", "2", "1", "1"},
        {"parella2", 20, "1", "1", "2", "2"},
        {"parella3", 21, "x", "1", nullptr, "1"},
        {"parella4", 22, "", "1", nullptr, "1"},
        {"parella5", 23, "2", "2", nullptr, "2"},
        {"parella6", 24, "3", "1", "2", "2"},
        // Checked shows where each text belongs: the field is inverted.
        {"chtxtcla", 26, "1", "0", "1", "0"},
    });
    f.comprobar({{"chtxtcla", 26, "", "1", "0", "1"}, {"trp1", 27, "", "100", "", ""}},
                {1, 2, 3, 4, 5, 6, 7, 8, 19, 20, 21, 22, 23, 24, 28});
}

TEST(EditorLiga, LoadsAndStoresItsTableAndTheButtonPositions) {
    FollaEditor f(9);
    f.comprobar(
        {
            {"rtliga", W(0), "liña 1\r\nliña 2", "liña 1\nliña 2", "a\nb", "a\r\nb"},
            // The captions are also the name edits of a picture: stored as typed, whole.
            {"txtliga1", 2, "C:/libro/boton.png", "C:/libro/boton.png", "Ir", "Ir"},
            {"txtliga2", 3, "Dous", "Dous", nullptr, "Dous"},
            {"txtliga4", 4, "Tres", "Tres", "Catro", "Catro"},
            {"txtenla1", 5, "p1", "p1", "p7", "p7"},
            {"txtenla2", 6, "http://a.b", "http://a.b", nullptr, "http://a.b"},
            {"txtenla4", 7, "p3", "p3", "p9", "p9"},
        },
        {9, 10, 11, 19, 20, 21});

    const struct {
        const char* campos[6]; // P9..P11, P19..P21
        int x[3], y[3];
    } casos[] = {
        {{"10", "20", "30", "40", "50", "60"}, {10, 20, 30}, {40, 50, 60}},
        {{"abc", "", "4.5", "x", "", "-"}, {50, 225, 400}, {300, 300, 300}},
    };
    const char* paneis[] = {"Panel42", "Panel43", "Panel44"};
    for (const auto& c : casos) {
        for (int i = 0; i < 3; ++i) {
            f.campo(9 + i) = c.campos[i];
            f.campo(19 + i) = c.campos[3 + i];
        }
        f.editor->cargar(f.libro, 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f.control<QWidget>(paneis[i])->pos(), QPoint(c.x[i], c.y[i])) << paneis[i];
        }
        f.editor->gardar(f.libro, 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f.campo(9 + i), QString::number(c.x[i]));
            EXPECT_EQ(f.campo(19 + i), QString::number(c.y[i]));
        }
    }
    f.control<QWidget>("Panel43")->move(77, 88);
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(10), "77");
    EXPECT_EQ(f.campo(20), "88");
}

TEST(EditorLiga, TheTextPanelIsTallExactlyWhenThereIsATextAndTheResetEmptiesTheMemo) {
    FollaEditor f(9);
    QWidget* panel = f.control<QWidget>("Panel45");
    f.campo(W(0)) = "texto";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(panel->height(), 260);
    f.campo(W(0)) = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(panel->height(), 20);

    auto* memo = f.control<QPlainTextEdit>("rtliga");
    memo->setPlainText("vello");
    f.editor->reiniciar(Documento::PasoReinicio::paneis);
    EXPECT_EQ(memo->toPlainText(), "vello");
    f.editor->reiniciar(Documento::PasoReinicio::vistas);
    EXPECT_EQ(memo->toPlainText(), "");
}

TEST(EditorArrastraTextos, EveryFixedAndDraggedTextHasItsOwnField) {
    FollaEditor f(13);
    f.comprobar({
        {"Edit35", 1, "a1", "a1", "b1", "b1"},
        {"Edit37", 2, "a2", "a2", "b2", "b2"},
        {"Edit39", 3, "a3", "a3", "b3", "b3"},
        {"Edit42", 4, "a4", "a4", "b4", "b4"},
        {"Edit44", 5, "a5", "a5", "b5", "b5"},
        {"Edit38", 6, "f1", "f1", "g1", "g1"},
        {"Edit36", 7, "f2", "f2", "g2", "g2"},
        {"Edit40", 8, "f3", "f3", "g3", "g3"},
        {"Edit41", 9, "f4", "f4", "g4", "g4"},
        // Longer than the 22 characters one may type: kept whole.
        {"Edit43", 10, "un texto fixo moi longo de máis", "un texto fixo moi longo de máis", nullptr,
         "un texto fixo moi longo de máis"},
    });
    auto* e = f.control<QLineEdit>("Edit35");
    proba::editar(e, QString(23, 'x'));
    EXPECT_EQ(e->text(), "b1");
}

TEST(EditorLigas2, TenLinksWithTheirTargetsTheLastFourInTheFieldsOfModeAndPlace) {
    const char* textos[] = {"Edit4",  "Edit7",  "Edit11", "Edit13", "Edit15",
                            "Edit32", "Edit31", "Edit30", "Edit29", "Edit17"};
    const char* destinos[] = {"Edit2",  "Edit10", "Edit12", "Edit14", "Edit16",
                              "Edit28", "Edit27", "Edit26", "Edit25", "Edit24"};
    std::vector<QByteArray> valores;
    std::vector<proba::Fila> filas;
    for (int i = 0; i < 10; ++i) {
        for (const char* prefixo : {"t", "T", "d", "D"})
            valores.push_back(prefixo + QByteArray::number(i + 1));
    }
    for (int i = 0; i < 10; ++i) {
        const QByteArray* v = &valores[4 * i];
        filas.push_back(
            {textos[i], 20 + i, v[0].constData(), v[0].constData(), v[1].constData(), v[1].constData()});
        filas.push_back(
            {destinos[i], 3 + i, v[2].constData(), v[2].constData(), v[3].constData(), v[3].constData()});
    }
    FollaEditor f(28);
    f.comprobar(filas);
}

TEST(EditorOrdea, LoadsAndStoresItsTableAndClearsAStaleMode) {
    FollaEditor f(34);
    f.comprobar({
        {"txpalabra", 1, "A casa é grande", "A casa é grande", "Outra frase", "Outra frase"},
        {"chordea", 26, "2", "2", "1", "1"},
        // Checked: the reader writes the answer, "0".
        {"chordea2", 8, "0", "1", "0", "1"},
    });
    // After a page in mode 1, a page with a code no button has shows none and keeps it.
    f.comprobar(
        {
            {"chordea", 26, "9", "-", nullptr, "9"},
            {"chordea2", 8, "", "0", nullptr, "1"},
        },
        {1});
    f.comprobar({{"chordea", 26, "1", "1", "2", "2"}, {"chordea2", 8, "1", "0", "1", "0"}}, {1});
}

TEST(EditorPiramide, TheTextAndTheSixLinesKeepLongerLinesWhole) {
    FollaEditor f(37);
    f.comprobar({
        {"textopir", W(0), "Texto\r\nda pirámide", "Texto\nda pirámide", "novo\ntexto", "novo\r\ntexto"},
        {"txpira1", 1, "a", "a", "b", "b"},
        {"txpira2", 2, "ab", "ab", nullptr, "ab"},
        {"txpira3", 3, "abc", "abc", "xyz", "xyz"},
        {"txpira4", 4, "abcd", "abcd", nullptr, "abcd"},
        {"txpira5", 5, "abcde", "abcde", nullptr, "abcde"},
        {"txpira6", 6, "unha liña de máis de vinte letras", "unha liña de máis de vinte letras", nullptr,
         "unha liña de máis de vinte letras"},
    });
}

TEST(EditorRelaciona, TheThreeColumnsOfSixItems) {
    std::vector<QByteArray> valores;
    std::vector<proba::Fila> filas;
    const struct {
        const char* base;
        int campo;
    } columnas[] = {{"relacionatx", 1}, {"relaciona3tx", 19}, {"relaciona2tx", 7}};
    for (const auto& c : columnas)
        for (int i = 1; i <= 6; ++i) {
            valores.push_back(c.base + QByteArray::number(i));
            valores.push_back("v" + QByteArray::number(c.campo + i - 1));
            valores.push_back("e" + QByteArray::number(c.campo + i - 1));
        }
    for (size_t k = 0; k < valores.size(); k += 3) {
        const int campo = valores[k + 1].mid(1).toInt();
        filas.push_back({valores[k].constData(), campo, valores[k + 1].constData(),
                         valores[k + 1].constData(), valores[k + 2].constData(), valores[k + 2].constData()});
    }
    FollaEditor f(46);
    f.comprobar(filas);
}

TEST(EditorClasifica2, WordsAndTheirGroups) {
    FollaEditor f(47);
    f.comprobar(
        {
            {"clasifica2paltx1", 3, "can", "can", "lobo", "lobo"},
            {"clasifica2paltx2", 4, "pino", "pino", nullptr, "pino"},
            {"clasifica2paltx3", 5, "w3", "w3", nullptr, "w3"},
            {"clasifica2paltx4", 6, "w4", "w4", nullptr, "w4"},
            {"clasifica2paltx5", 7, "w5", "w5", nullptr, "w5"},
            {"clasifica2paltx6", 8, "w6", "w6", "x6", "x6"},
            {"clasifica2detx1", 19, "1", "1", "2", "2"},
            {"clasifica2detx2", 20, "2", "2", nullptr, "2"},
            {"clasifica2detx3", 21, "3", "3", nullptr, "3"},
            {"clasifica2detx4", 22, "4", "4", nullptr, "4"},
            {"clasifica2detx5", 23, "", "", nullptr, ""},
            // One character may be typed; a longer stored one is kept.
            {"clasifica2detx6", 24, "12", "12", nullptr, "12"},
        },
        {1});
}

TEST(EditorClasifica2, GroupNamesAreSplitAndJoinedAtCommas) {
    const struct {
        const char* p1;
        const char* amosado[4];
        const char* gardado;
    } casos[] = {
        {"A,B,C,D,E", {"A", "B", "C", "D"}, "A,B,C,D"},
        {",,C", {"", "", "C", ""}, ",C"},
        {"A,,C", {"A", "", "C", ""}, "A,C"},
        {"", {"", "", "", ""}, ""},
        {"Un", {"Un", "", "", ""}, "Un"},
        {",B", {"", "B", "", ""}, ",B"},
    };
    FollaEditor f(47);
    for (const auto& c : casos) {
        f.campo(1) = c.p1;
        f.editor->cargar(f.libro, 1);
        for (int k = 0; k < 4; ++k) {
            const QByteArray n = "clasifica2catx" + QByteArray::number(k + 1);
            EXPECT_EQ(f.control<QLineEdit>(n.constData())->text(), c.amosado[k]) << c.p1 << " " << k;
        }
        f.editor->gardar(f.libro, 1);
        EXPECT_EQ(f.campo(1), c.gardado) << c.p1;
    }
    // What the author types is joined the same way.
    f.campo(1) = "";
    f.editor->cargar(f.libro, 1);
    proba::editar(f.control<QLineEdit>("clasifica2catx2"), "X");
    proba::editar(f.control<QLineEdit>("clasifica2catx4"), "Z");
    f.editor->gardar(f.libro, 1);
    EXPECT_EQ(f.campo(1), ",X,Z");
}
