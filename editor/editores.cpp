#include "editor/editores.h"
#include "editor/editores_grellas.h"

#include "editor/editores_clasificar.h"
#include "editor/editores_imaxes.h"
#include "editor/editores_informacion.h"
#include "editor/editores_preguntas.h"
#include "languages/idiomas.h"

#include <vector>

namespace quibel {

// clang-format off
const std::array<Tipopaxina, numtipos + 1> tipospaxina = {{
    {0, "identif", "TabSheet1", 4, "", -1},
    {1, "multiple", "TabTest", 12, "", -1},
    {2, "imaxetext", "TabImtexto", 7, "", -1},
    {3, "puzle", "TabPuzzle", 8, "", -1},
    {4, "sopa", "TabSopa", 9, "", -1},
    {5, "raios", "TabRaios", 22, "", -1},
    {6, "txtclasifica", "TabClasificar", 20, "", -1},
    {7, "imgclasifica", "TabClaimax", 21, "", -1},
    {8, "frases", "TabFrases", 85, "", -1},
    {9, "liga", "TabLiga", 29, "", -1},
    {10, "pregunta", "TabPreguntas", 11, "", -1},
    {11, "idenimax", "TabSheet14", 16, "", -1},
    {12, "Galeriaimax", "TabSheet11", 14, "", -1},
    {13, "txtarrastra", "TabSheet16", 18, "", -1},
    {14, "imgarrastra", "TabSheet17", 19, "", -1},
    {15, "menu", "TabSheet7", 24, "", -1},
    {16, "externa", "TabExterna", 23, "", -1},
    {17, "caras", "TabSheet23", 10, "", -1},
    {18, "rellena", "TabSheet27", 27, "", -1},
    {19, "segreda", "segreda", 28, "", -1},
    {20, "etiquetas", "etiquetas", 25, "", -1},
    {21, "galeriasons", "TabSheet13", 15, "", -1},
    {22, "idensons", "TabSheet15", 17, "", -1},
    {23, "moveimx", "moveimx", 26, "", -1},
    {24, "escoller", "escoller", 154, "", -1},
    {25, "reloxo", "reloxo", 152, "", -1},
    {26, "opera", "TabSheet25", 151, "", -1},
    {27, "paneld", "TabPanel", 153, "", -1},
    {28, "ligas2", "TabSheet26", 163, "", -1},
    {29, "textos", "textos", 47, "", -1},
    {30, "etiquetas2", "TabSheet29", 164, "", -1},
    {31, "contar", "TabSheet32", 165, "", -1},
    {32, "series_imx", "TabSheet33", 166, "", -1},
    {33, "opera_alea", "TabSheet31", 151, " 2", -1},
    {34, "ordea_tx", "TabSheet34", 171, "", -1},
    {35, "ordea_imx", "TabSheet35", 171, " ", 33},
    {36, "cadros", "TabSheet36", 175, "", -1},
    {37, "piramide", "TabSheet37", 174, "", -1},
    {38, "plantilla", "TabSheet39", 189, "", -1},
    {39, "parellas2", "TabSheet38", 10, "2", -1},
    {40, "fraccion", "TabSheet40", 191, "", -1},
    {41, "aleafrac", "TabSheet41", 192, "", -1},
    {42, "esquema", "TabSheet42", 194, "", -1},
    {43, "tabortograf", "tabortograf", 197, "", -1},
    {44, "tabidentif2", "tabidentif2", 198, "", -1},
    {45, "tabdictado", "tabdictado", 199, "", -1},
    {46, "relaciona", "relaciona", 205, "", -1},
    {47, "clasifica2", "clasifica2", 206, "", -1},
    {48, "frases2", "frases2", 207, "", -1},
    {49, "formula", "formula", 208, "", -1},
    {50, "letras", "letras", 173, "", -1},
    {51, "cadros2", "cadros2", 217, "", -1},
}};
// clang-format on

QString titulotipo(int tipo) {
    if (tipo < 0 || tipo > numtipos) return {};
    const Tipopaxina& t = tipospaxina[tipo];
    QString titulo = textosui[t.titulo] + QString::fromUtf8(t.sufixo);
    if (t.titulo2 >= 0) titulo += textosui[t.titulo2];
    return titulo;
}

namespace {

// Types whose sheets have no controls of their own yet but whose pages already behave in their
// own way. Their editors take these quirks over.

// Pairs 2: a new page starts in picture mode.
class QuirkParellas2 : public PageEditor {
public:
    void crear(EditorContext&, QWidget*) override {}
    void cargar(Book&, int) override {}
    void gardar(Book&, int) override {}
    void novapaxina(Tpaxina& p) override { p[26] = QStringLiteral("1"); }
};

// The editors that exist so far, one line per page type: {type, factory}.
struct Entrada {
    int tipo;
    FabricaEditor fabrica;
};
// clang-format off
std::vector<Entrada> editorespordefecto() {
    return {
        {1, editormultiple},
        {2, editorimaxetext},
        {3, editorTabPuzzle},
        {4, editorsopa},
        {5, editorTabRaios},
        {6, editorTabClasificar},
        {7, editorTabClaimax},
        {8, editorfrases},
        {9, editorTabLiga},
        {10, editorpregunta},
        {11, editorTabSheet14},
        {12, editorgaleriaimax},
        {13, editorTabSheet16},
        {14, editorTabSheet17},
        {15, editormenu},
        {16, editorexterna},
        {17, editorTabSheet23},
        {18, editorrellena},
        {19, editorsegreda},
        {21, editorgaleriasons},
        {22, editorTabSheet15},
        {24, editorescoller},
        {28, editorTabSheet26},
        {29, editortextos},
        {34, editorTabSheet34},
        {36, editorcadros},
        {37, editorTabSheet37},
        {38, editorplantilla},
        {39, [] { return std::make_unique<QuirkParellas2>(); }},
        {42, editoresquema},
        {43, editorortograf},
        {45, editordictado},
        {46, editorrelaciona},
        {47, editorclasifica2},
        {48, editorfrases2},
        {49, editorformula},
    };
}
// clang-format on

std::array<FabricaEditor, numtipos + 1>& rexistro() {
    static std::array<FabricaEditor, numtipos + 1> r = [] {
        std::array<FabricaEditor, numtipos + 1> a;
        for (Entrada& e : editorespordefecto())
            if (e.tipo >= 1 && e.tipo <= numtipos) a[e.tipo] = std::move(e.fabrica);
        return a;
    }();
    return r;
}

} // namespace

FabricaEditor fabricaeditor(int tipo) {
    if (tipo < 1 || tipo > numtipos) return {};
    return rexistro()[tipo];
}

void rexistrareditor(int tipo, FabricaEditor fabrica) {
    if (tipo < 1 || tipo > numtipos) return;
    rexistro()[tipo] = std::move(fabrica);
}

} // namespace quibel
