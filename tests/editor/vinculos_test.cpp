// The binding tables of the page editors: every rule loads and stores, odd values fall back to
// their defaults, captions reach their controls, and the own background colour.
#include "follaproba.h"
#include "languages/idiomas.h"

#include <QGroupBox>
#include <QLabel>

using namespace quibel;

namespace {

// One control of every rule, on a sheet of its own.
class EditorReglas : public EditorTaboa {
public:
    EditorReglas()
        : EditorTaboa({
              texto("ed", 1),
              texto("etiq", 2),
              memo("memo", W(0)),
              marcacando("cando", 3),
              marcasalvo("salvo", 4, "0"),
              marcasalvo("orde", 5, "1", "", "1"),
              marcacando("modo", 6, "2", "2", "1"),
              radio("grupo", 7),
              baleiro("tam", 8, "16"),
              cor("fondo", 18, CorDefecto::fondolibro),
              cor("letra", 19, CorDefecto::textolibro),
              cor("propia", 20, CorDefecto::panel),
          }) {}

private:
    void construir(QWidget* f) override {
        nomeado<LimitedEdit>(f, "ed", 5);
        nomeado<LabelledEdit>(f, "etiq");
        nomeado<QPlainTextEdit>(f, "memo");
        for (const char* n : {"cando", "salvo", "orde", "modo"})
            nomeado<QCheckBox>(f, n);
        auto* g = nomeado<RadioGroup>(f, "grupo");
        g->engadir(nomeado<QRadioButton>(f, "r0"), "0");
        g->engadir(nomeado<QRadioButton>(f, "r1"), "1");
        g->engadir(nomeado<QRadioButton>(f, "r2"), "2");
        nomeado<QLineEdit>(f, "tam");
        for (const char* n : {"fondo", "letra", "propia"})
            nomeado<ColourPanel>(f, n);
        nomeado<QGroupBox>(f, "caixa");
        etiqueta(f, "lab");
    }
};

class Vinculos : public ::testing::Test {
protected:
    void SetUp() override {
        antes = fabricaeditor(50);
        rexistrareditor(50, [] { return std::make_unique<EditorReglas>(); });
        folla = std::make_unique<proba::FollaEditor>(50);
        folla->libro.corfondolibro = "102030";
        folla->libro.cortextolibro = "405060";
        folla->control<Panel>("propia")->setColor(QColor(0x11, 0x22, 0x33));
    }
    void TearDown() override {
        folla.reset();
        rexistrareditor(50, antes);
    }
    FabricaEditor antes;
    std::unique_ptr<proba::FollaEditor> folla;
};

} // namespace

TEST_F(Vinculos, EveryRuleLoadsAndStores) {
    folla->comprobar({
        {"ed", 1, "abc", "abc", "xy", "xy"},
        {"etiq", 2, "label", "label", "L2", "L2"},
        {"memo", W(0), "a\r\nb", "a\nb", "c\nd", "c\r\nd"},
        {"cando", 3, "1", "1", "0", "0"},
        {"salvo", 4, "0", "0", "1", "1"},
        {"orde", 5, "1", "0", "1", ""},
        {"modo", 6, "2", "1", "0", "1"},
        {"grupo", 7, "1", "1", "2", "2"},
        {"tam", 8, "12", "12", "", "16"},
        {"fondo", 18, "ABCDEF", "ABCDEF", "010203", "010203"},
        {"letra", 19, "abcdef", "ABCDEF", nullptr, "ABCDEF"},
        {"propia", 20, "123456", "123456", nullptr, "123456"},
    });
}

TEST_F(Vinculos, OddValuesFallBackWithoutAnException) {
    folla->comprobar(
        {
            // Over-long texts are kept whole: the limit is on typing only.
            {"ed", 1, "longer than five", "longer than five", nullptr, "longer than five"},
            // Default-on flags: an empty field is checked.
            {"salvo", 4, "", "1", nullptr, "1"},
            {"orde", 5, "", "1", nullptr, ""},
            {"cando", 3, "x", "0", nullptr, "0"},
            // A radio code no button has checks none and is kept.
            {"grupo", 7, "7", "-", nullptr, "7"},
            // Empty becomes X, written at load.
            {"tam", 8, "", "16", nullptr, "16", "16"},
            // Non-colours take the table's default.
            {"fondo", 18, "verde", "102030", nullptr, "102030"},
            {"letra", 19, "", "405060", nullptr, "405060"},
            {"propia", 20, "12345G", "112233", nullptr, "112233"},
        },
        {2, 6, W(0)}); // rows not shown here store what their controls hold
}

TEST_F(Vinculos, LimitedEditsStopTypingAtTheirLength) {
    auto* ed = folla->control<QLineEdit>("ed");
    proba::editar(ed, "123456789");
    EXPECT_EQ(ed->text(), "");
    proba::editar(ed, "12345");
    EXPECT_EQ(ed->text(), "12345");
    LabelledEdit l(3, nullptr);
    proba::editar(&l, "abcd");
    EXPECT_EQ(l.text(), "");
    l.edit()->setText("abcd"); // code sets it whole
    EXPECT_EQ(l.text(), "abcd");
}

TEST_F(Vinculos, LoadFiresNoHandler) {
    int cambios = 0;
    for (const char* n : {"ed", "tam"})
        QObject::connect(folla->control<QLineEdit>(n), &QLineEdit::textChanged, [&] { ++cambios; });
    QObject::connect(folla->control<QCheckBox>("cando"), &QCheckBox::toggled, [&] { ++cambios; });
    QObject::connect(folla->control<QPlainTextEdit>("memo"), &QPlainTextEdit::textChanged,
                     [&] { ++cambios; });
    folla->encher({{"ed", 1, "q"}, {"cando", 3, "1"}, {"memo", W(0), "m"}});
    folla->editor->cargar(folla->libro, 1);
    EXPECT_EQ(cambios, 0);
}

TEST(FondoPropio, TheBoxDecidesAndLoadWritesTheBookBackground) {
    proba::ServizosFalsos f;
    Documento d;
    d.libro.inicializar();
    d.libro.numpaxinas = 1;
    d.libro.corfondolibro = "ffeedd";
    QCheckBox caixa;
    ColourPanel panel;
    Tpaxina& p = d.libro.paxina(1);
    struct Caso {
        const char* p18;
        const char* p30;
        const char* p18carga; // P18 after load
        bool marcada;
    };
    const Caso casos[] = {
        {"123456", "1", "123456", true}, {"", "1", "FFEEDD", true},   {"123456", "0", "FFEEDD", false},
        {"123456", "", "FFEEDD", false}, {"nada", "1", "nada", true}, // kept as stored; the panel falls back
    };
    for (const Caso& c : casos) {
        p[18] = c.p18;
        p[30] = c.p30;
        const QColor amosada = cargarfondopropio(d.libro, 1, &caixa, &panel);
        EXPECT_EQ(p[18], c.p18carga) << c.p18 << c.p30;
        EXPECT_EQ(caixa.isChecked(), c.marcada) << c.p18 << c.p30;
        EXPECT_EQ(amosada, panel.color());
    }
    EXPECT_EQ(gardarcor(&panel), "FFEEDD");
    panel.setColor(QColor(0x12, 0x34, 0x56));
    gardarfondopropio(p, &caixa, &panel);
    EXPECT_EQ(p[30], "1");
    EXPECT_EQ(p[18], "123456");
    caixa.setChecked(false);
    gardarfondopropio(p, &caixa, &panel);
    EXPECT_EQ(p[30], "0");
    EXPECT_EQ(p[18], "");
}

TEST(Vinculo, AMissingControlIsRefusedAtOnce) {
    QWidget f;
    nomeado<QLineEdit>(&f, "ed");
    TaboaVinculos t({texto("ed", 1), marcacando("ed", 2)});
    EXPECT_THROW(t.vincular(&f), std::logic_error);
    TaboaVinculos u({texto("nonhai", 1)});
    EXPECT_THROW(u.vincular(&f), std::logic_error);
}
