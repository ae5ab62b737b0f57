// The editors of the questions and word games on a bare sheet: each type's table, the odd values,
// and the find-a-word statements that only the statements mode stores.
#include "editor/editores_preguntas.h"
#include "follaproba.h"

#include <QCheckBox>

using namespace quibel;
using proba::Fila;
using proba::FollaEditor;
using proba::serieedits;
using proba::xunto;

namespace {

// Check boxes prefix1..prefixN on fields primeiro..: stored "1" shows checked, unchecked stores "0".
std::vector<Fila> seriemarcas(const char* prefixo, int primeiro, int conta) {
    std::vector<Fila> f;
    for (int i = 0; i < conta; ++i)
        f.push_back({proba::fixo(prefixo + std::to_string(i + 1)), primeiro + i, i % 2 ? "1" : "0",
                     i % 2 ? "1" : "0", i % 2 ? "0" : "1", i % 2 ? "0" : "1"});
    return f;
}

} // namespace

TEST(EditorMultiple, LoadsAndStoresItsTable) {
    FollaEditor f(1);
    f.comprobar(xunto<Fila>({{{"memult", W(0), "q\r\nline", "q\nline", "Q\nL", "Q\r\nL"},
                              {"altimxtest", 33, "alt", "alt", "alt2", "alt2"}},
                             serieedits("txtmult", 2, 4),
                             serieedits("txtmulta", 6, 4),
                             seriemarcas("chktest", 19, 4)}));
    // No correct answer checked stores "0" four times.
    f.comprobar({{"chktest1", 19, "x", "0", nullptr, "0"},
                 {"chktest2", 20, "", "0", nullptr, "0"},
                 {"chktest3", 21, "0", "0", nullptr, "0"},
                 {"chktest4", 22, "2", "0", nullptr, "0"}},
                {2, 3, 4, 5, 6, 7, 8, 9, 33, W(0)});
}

TEST(EditorSopa, StatementsModeLoadsAndStoresTheStatements) {
    FollaEditor f(4);
    f.comprobar(xunto<Fila>({serieedits("sopa", 1, 8),
                             serieedits("sopae", 18, 8),
                             {{"CheckBox1", 26, "1", "0", nullptr, "1"},
                              {"enuncia", 9, "1", "1", "0", "0"},
                              {"colorea", 10, "0", "0", "1", "1"},
                              {"cadro", 11, "1", "1", nullptr, "1"},
                              {"fondosopa", 28, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq",
                               "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq", nullptr,
                               "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq"}}}));
    EXPECT_FALSE(f.editor->gardaautoson()) << "its own box writes P37";
}

TEST(EditorSopa, PicturesModeKeepsTheClueFields) {
    FollaEditor f(4);
    std::vector<Fila> filas = {{"CheckBox1", 26, "2", "1", nullptr, "2"}};
    for (int i = 1; i <= 8; ++i)
        filas.push_back({proba::fixo("sopae" + std::to_string(i)), 17 + i,
                         proba::fixo("/p/" + std::to_string(i)), "", "typed",
                         proba::fixo("/p/" + std::to_string(i))});
    f.comprobar(filas, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 28});
}

TEST(EditorFrasesPreguntas, LoadAndStoreTheirTables) {
    FollaEditor frases(8);
    frases.comprobar({{"Edit5", 1, "a", "a", "A", "A"},
                      {"Edit6", 2, "b", "b", "B", "B"},
                      {"Edit9", 3, "c", "c", "C", "C"},
                      {"Edit1", 4, "d", "d", "D", "D"},
                      {"Edit3", 5, "e", "e", "E", "E"},
                      {"Edit8", 6, "f", "f", "F", "F"}});
    FollaEditor preguntas(10);
    preguntas.comprobar(xunto<Fila>(
        {serieedits("txtpreg", 1, 4), serieedits("txtresp", 5, 4), {{"pregch", 26, "", "1", nullptr, ""}}}));
    preguntas.comprobar({{"pregch", 26, "1", "0", nullptr, "1"}}, {1, 2, 3, 4, 5, 6, 7, 8});
    preguntas.comprobar({{"pregch", 26, "1", "0", "1", ""}}, {1, 2, 3, 4, 5, 6, 7, 8});
}

TEST(EditorRellena, LoadsAndStoresItsTableAndKeepsAnUnknownMode) {
    FollaEditor f(18);
    f.comprobar(xunto<Fila>({serieedits("completan", 7, 6),
                             serieedits("completa", 1, 6),
                             serieedits("completap", 19, 6),
                             {{"modorel", 26, "2", "2", "3", "3"}}}));
    std::set<int> outros;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24})
        outros.insert(n);
    f.comprobar({{"modorel", 26, "4", "-", nullptr, "4"}}, outros);
    f.comprobar({{"modorel", 26, "4", "-", "1", "1"}}, outros);
}

TEST(EditorSegreda, LoadsAndStoresItsTable) {
    FollaEditor f(19);
    f.comprobar({{"segpal", 2, "word", "word", "WORD", "WORD"},
                 {"segtext", W(0), "t\r\nu", "t\nu", "x\ny", "x\r\ny"},
                 {"tecladosegreda", 6, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq",
                  "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq", nullptr,
                  "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq"},
                 {"chsegreda1", 26, "1", "1", "0", "0"},
                 {"chsegreda2", 8, "0", "0", "1", "1"},
                 {"altimsegreda", 33, "alt", "alt", nullptr, "alt"}});
    // A page without a text shows an empty memo, whatever the last page showed.
    f.campo(W(0)) = "";
    f.editor->cargar(f.libro, 1);
    EXPECT_EQ(f.control<QPlainTextEdit>("segtext")->toPlainText(), "");
}

TEST(EditorOrtografDictadoFrases2, LoadAndStoreTheirTables) {
    FollaEditor ortograf(43);
    ortograf.comprobar({{"texto_ortograf", W(0), "a\r\nb", "a\nb", "c\nd", "c\r\nd"},
                        {"palabra_ortograf", 1, "casa", "casa", "cousa", "cousa"},
                        {"otras_ortograf", 19, "abcdefgh", "abcdefgh", nullptr, "abcdefgh"}});
    auto* letras = ortograf.control<LabelledEdit>("otras_ortograf");
    letras->edit()->clear();
    proba::editar(letras, "abcdefg");
    EXPECT_EQ(letras->text(), "") << "typing stops at 6 letters";
    FollaEditor dictado(45);
    dictado.comprobar({{"texto_dictado", W(0), "a\r\nb", "a\nb", "e\nf", "e\r\nf"},
                       {"chktexto_dictado", 8, "1", "1", "0", "0"},
                       {"chkerros_dictado", 26, "0", "0", "1", "1"}});
    FollaEditor frases2(48);
    frases2.comprobar(xunto<Fila>({serieedits("frases2tx", 1, 5), {{"chfrases2", 26, "1", "1", "0", "0"}}}));
}
