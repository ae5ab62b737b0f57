#include "book/gardalocal.h"

#include "book/XMLParser.h"
#include "book/rutinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace quibel;

namespace {

const QString arquivolibro = QStringLiteral("/books/demo/libro.zube");

QString R(const QString& nome) {
    return QStringLiteral("/books/demo/res/") + nome;
}

using Campos = std::vector<std::pair<int, QString>>;

// Puts a page of the given type code in row `fila`, with the fields and wide texts W0.. given.
void paxina(Book& b, int fila, const QString& tipo, const Campos& campos, const QStringList& textos = {}) {
    Tpaxina& p = b.paxina(fila);
    p[0] = tipo;
    for (const auto& [k, v] : campos)
        p[k] = v;
    int i = 1;
    for (const QString& w : textos)
        b.texto(fila, i++) = w;
}

QByteArray comolinas(const QStringList& linas) {
    QByteArray saida;
    for (const QString& l : linas)
        saida += l.toUtf8() + "\r\n";
    return saida;
}

QByteArray lerfixture(const QString& nome) {
    QFile f(QStringLiteral(QUIBEL_FIXTURES "/gardalocal/") + nome);
    if (!f.open(QIODevice::ReadOnly)) return "(fixture missing: " + nome.toUtf8() + ")";
    return f.readAll();
}

QByteArray visible(QByteArray l) {
    return l.replace("\r", "\\r").replace("\n", "\\n");
}

// Byte-for-byte comparison; on failure the differing lines with their numbers.
::testing::AssertionResult mesmosbytes(const QByteArray& esperado, const QByteArray& obtido) {
    if (esperado == obtido) return ::testing::AssertionSuccess();
    const QList<QByteArray> e = esperado.split('\n'), o = obtido.split('\n');
    auto fallo = ::testing::AssertionFailure();
    fallo << "files differ (" << e.size() << " vs " << o.size() << " lines):\n";
    int mostradas = 0;
    for (qsizetype i = 0; i < std::max(e.size(), o.size()) && mostradas < 12; ++i) {
        const QByteArray a = i < e.size() ? e[i] : QByteArray("(none)");
        const QByteArray b = i < o.size() ? o[i] : QByteArray("(none)");
        if (a == b) continue;
        fallo << "line " << i + 1 << "\n  - " << visible(a).constData() << "\n  + " << visible(b).constData()
              << "\n";
        ++mostradas;
    }
    return fallo;
}

// The lines of the block after <tipo> of the only page, up to </paxina>.
QStringList bloque(const QStringList& linas) {
    QStringList saida;
    bool dentro = false;
    for (const QString& l : linas) {
        if (l == QLatin1String("        </paxina>")) break;
        if (dentro) saida << l;
        if (l.startsWith(QLatin1String("              <tipo>"))) dentro = true;
    }
    return saida;
}

// Depth-first first element with that name.
const TXMLNode* busca(const TXMLNode* no, const QByteArray& nome) {
    if (!no || no->NodeType != TXMLNodeType::ntElement) return nullptr;
    if (no->Name == nome) return no;
    for (int i = 0; i < no->ChildCount(); ++i)
        if (const TXMLNode* atopado = busca(no->GetChild(i), nome)) return atopado;
    return nullptr;
}

// The text the parser gives for an element's children: CDATA sections and text values joined.
QByteArray textode(const TXMLNode* no) {
    QByteArray saida;
    for (int i = 0; no && i < no->ChildCount(); ++i) {
        const TXMLNode* f = no->GetChild(i);
        saida += f->NodeType == TXMLNodeType::ntCData ? f->Name : f->Value;
    }
    return saida;
}

// The book every page golden starts from: no book property set.
Book librobase() {
    return Book();
}

Book libroconfig() {
    Book b;
    b.txtag = "etiqueta1";
    b.txtdirrec = "/books/demo/res/";
    b.txtlicencia = "CC BY-SA";
    b.adxuntos = {R("a.pdf"), R("b.pdf")};
    b.tipolibro = "2";
    b.corfondolibro = "ffffff";
    b.chbanda = true;
    b.corbandalibro = "112233";
    b.chbarra = true;
    b.cornavegalibro = "445566";
    b.cormensaxeslibro = "778899";
    b.cortextolibro = "000000";
    b.txttitulo = "O meu libro";
    b.txtsub = "Subtítulo";
    b.txtautor = "Ana";
    b.txtiden = "id-7";
    b.arquivologo = R("logo.png");
    b.saltologo = "http://example.org/";
    b.arquivofondo = R("fondo.jpg");
    b.fondox = "12";
    b.fondoy = "-3";
    b.trpf = "80";
    b.arquivobarra = R("barra.png");
    b.arquivoaspectosup = R("sup.png");
    b.arquivoaspectoinf = R("inf.png");
    b.axuda = "http://axuda.example/";
    b.arquivoaxuda = R("ignored.htm");
    b.pel = true;
    b.binfor = true;
    b.bson = false;
    b.bmaxi = true;
    b.desordenpax = true;
    b.arquivosonido = R("fondo.mp3");
    b.sonvol = "60";
    b.chkrepiteson = true;
    b.txtben = "Ben!";
    b.arquivocorrecto = R("ben.mp3");
    b.chkben = true;
    b.txtmal = "Mal";
    b.chkmal = false;
    b.txcaracter = "áéí";
    b.chhorizontal = true;
    b.chdereita = true;
    b.txmenus[0] = "Inicio";
    b.txligas[0] = "1";
    b.txmenus[2] = "Fin";
    b.txligas[2] = "p9";
    b.txligas[5] = "target without text";
    b.txmenus[13] = "Último";
    b.txtenlacefinal = "Seguinte";
    return b;
}

Book libroconfig2() {
    Book b;
    b.txtdirrec = "res";
    b.corfondolibro.clear();
    b.chbanda = true; // checked, but no colour
    b.chbarra = false;
    b.cornavegalibro = "445566";
    b.arquivologo = R("logo.png");
    b.arquivofondo = R("fondo.jpg");
    b.chskin1 = false;
    b.chskin2 = true;
    b.axuda = "axuda.htm";
    b.arquivoaxuda = R("axuda.htm");
    b.arquivosonido = R("fondo.mp3");
    b.txtben = "Ben";
    b.chkben = false;
    b.txtmal = "Mal";
    b.arquivoincorrecto = R("mal.mp3");
    b.chkmal = true;
    b.chdereita = true;
    return b;
}

// One page per type, every element its block can write.
Book libropaxinas() {
    Book b = librobase();
    paxina(b, 1, "1", {{31, "1"},          {32, "1"},          {35, "Cabeza"},
                       {34, "Pe"},         {38, "Mais"},       {39, "http://x.org/?a=1&b=2"},
                       {40, "Ben"},        {41, "Mal"},        {14, R("f14.png")},
                       {33, "Alt"},        {36, R("son.mp3")}, {37, "1"},
                       {2, "r2"},          {6, "t6"},          {19, "1"},
                       {3, "r3"},          {20, "0"},          {5, "r5"},
                       {9, "a\"b'c<d>&e"}, {22, "0"}},
           {"Pregunta?"});
    paxina(b, 2, "2",
           {{14, R("f14.png")},
            {15, "1"},
            {28, "10"},
            {29, "20"},
            {33, "Alt2"},
            {8, "1"},
            {9, "2"},
            {11, "300"},
            {10, "200"},
            {18, "ff0000"},
            {30, "1"},
            {19, "00ff00"},
            {21, "1"}},
           {"<p>Texto</p>"});
    paxina(b, 3, "3", {{6, R("f6.png")}, {3, "50"}, {9, "3"}, {10, "4"}, {4, "1"}, {8, "1"}});
    paxina(b, 4, "4",
           {{26, "2"},
            {1, "PAL1"},
            {18, R("e1.png")},
            {2, "PAL2"},
            {19, R("e2.png")},
            {8, "PAL8"},
            {25, R("e8.png")},
            {9, "enun"},
            {10, "1"},
            {11, "1"},
            {28, "fondo"}});
    paxina(b, 5, "5", {{6, R("f6.png")}, {8, "5"}, {9, "6"}, {29, "1"}, {2, "resposta"}, {4, "40"}},
           {"Raios"});
    paxina(b, 6, "6",
           {{9, R("f9.png")},
            {27, "70"},
            {10, R("f10.png")},
            {3, "n3"},
            {19, "1"},
            {4, "n4"},
            {20, "2"},
            {8, "n8"},
            {24, "1"},
            {1, "Caixa A"},
            {2, "Caixa B"},
            {26, "1"}});
    paxina(b, 7, "7",
           {{9, R("f9.png")},
            {27, "60"},
            {10, R("f10.png")},
            {28, "40"},
            {1, "A"},
            {2, "B"},
            {3, R("f3.png")},
            {19, "1"},
            {5, R("f5.png")},
            {21, "2"},
            {18, "ffffff"},
            {11, "1"},
            {26, "2"}});
    paxina(b, 8, "8", {{1, "Frase 1"}, {4, "texto 1"}, {7, R("s7.mp3")}, {3, "Frase 3"}});
    paxina(b, 9, "9",
           {{8, R("forma.png")},
            {2, "l2"},
            {9, "1"},
            {19, "2"},
            {5, "3"},
            {4, "l4"},
            {11, "7"},
            {21, "8"},
            {7, "9"}},
           {"Liga"});
    paxina(b, 10, "10", {{26, "1"}, {1, "q1"}, {5, "a1"}, {3, "q3"}, {7, "a3"}});
    paxina(b, 11, "11", {{26, "2"}, {1, R("f1.png")}, {6, "c1"}, {2, R("f2.png")}, {7, "c2"}});
    paxina(b, 12, "12",
           {{29, "0"},
            {1, R("f1.png")},
            {7, R("g7.png")},
            {13, R("s13.mp3")},
            {19, "g1"},
            {2, R("f2.png")},
            {14, R("s14.mp3")}});
    paxina(b, 13, "13", {{1, "u1"}, {6, "x1"}, {5, "u5"}, {10, "x5"}});
    paxina(b, 14, "14",
           {{1, R("f1.png")},
            {4, R("f4.png")},
            {7, "p7"},
            {10, R("s10.mp3")},
            {3, R("f3.png")},
            {18, "abcdef"}});
    paxina(b, 15, "15",
           {{18, "111111"},
            {19, "222222"},
            {7, "B1"},
            {22, R("f22.png")},
            {8, "B2"},
            {12, "B6"},
            {27, R("f27.png")},
            {21, "1"}},
           {"<b>1</b>", "dous", "", "", "", "seis"});
    paxina(b, 16, "16",
           {{18, "<iframe src='x'></iframe>"},
            {17, "640"},
            {6, "480"},
            {33, "Act"},
            {2, "ok"},
            {3, "tries"},
            {7, "1"},
            {1, R("act.html")}});
    paxina(b, 17, "17", {{1, R("f1.png")}, {2, R("f2.png")}, {18, "cccccc"}, {29, "1"}, {28, "30"}});
    paxina(b, 18, "18", {{26, "1"}, {1, "c1"}, {7, "a"}, {19, "p"}, {2, "c2"}});
    paxina(b, 19, "19",
           {{14, R("f14.png")}, {33, "alt19"}, {2, "SEGREDO"}, {6, "pista"}, {26, "1"}, {8, "2"}},
           {"Adiviña"});
    paxina(b, 20, "20", {{26, "0"}, {1, "e1"}, {7, "10"}, {19, "20"}, {6, "e6"}, {12, "60"}, {24, "70"}});
    paxina(b, 21, "21",
           {{29, "0"},
            {2, R("f2.png")},
            {14, R("s14.mp3")},
            {20, "g2"},
            {6, R("f6.png")},
            {18, R("s18.mp3")},
            {24, "g6"}});
    paxina(b, 22, "22",
           {{26, "1"}, {1, R("f1.png")}, {6, "n1"}, {18, R("s18.mp3")}, {5, R("f5.png")}, {10, "n5"}});
    paxina(b, 23, "23",
           {{26, "3"}, {1, R("f1.png")}, {7, "1"}, {19, "2"}, {3, R("f3.png")}, {9, "3"}, {21, "4"}});
    paxina(b, 24, "24", {{1, "1"}, {19, R("f19.png")}, {7, "op1"}, {2, "0"}, {8, "op2"}, {18, "dddddd"}});
    paxina(b, 25, "25", {{26, "1"}, {8, "2"}, {3, "10:30"}, {2, "1"}}, {"Que hora é?"});
    paxina(b, 26, "26", {{26, "1"}, {8, "0"}, {2, "12"}, {3, "+"}, {5, "7"}});
    paxina(b, 27, "27", {{1, R("f1.png")}, {8, R("f8.png")}});
    paxina(b, 28, "28", {{3, "b3"}, {20, "t20"}, {12, "b12"}, {29, "t29"}});
    paxina(b, 29, "29", {{18, "eeeeee"}, {30, "1"}, {19, "111111"}, {26, "1"}, {8, "0"}}, {"Texto"});
    paxina(b, 30, "30",
           {{14, R("f14.png")},
            {15, "0"},
            {28, "5"},
            {29, "6"},
            {33, "alt30"},
            {26, "2"},
            {18, "val"},
            {2, "e2"},
            {8, "1"},
            {20, "2"}});
    paxina(b, 31, "31",
           {{6, "conta"}, {18, "5"}, {1, "3"}, {19, R("f19.png")}, {7, "x"}, {4, "2"}, {10, "y"}});
    paxina(b, 32, "32", {{26, "1"}, {1, R("f1.png")}, {2, R("f2.png")}});
    paxina(b, 33, "33", {{26, "2"}, {8, "1"}, {2, "10"}, {3, "20"}});
    paxina(b, 34, "34", {{8, "1"}, {26, "2"}, {1, "ordena isto"}});
    paxina(b, 35, "35", {{8, "2"}, {1, R("f1.png")}, {6, R("f6.png")}});
    paxina(b, 36, "36", {{8, "1"}, {18, "1"}, {26, "1"}, {1, "a"}, {7, "g"}});
    paxina(b, 37, "37", {{1, "c1"}, {6, "c6"}}, {"Pirámide"});
    paxina(b, 38, "38",
           {{14, R("f14.png")},
            {33, "alt38"},
            {8, "1"},
            {2, "resp"},
            {18, "123456"},
            {30, "1"},
            {19, "654321"},
            {3, "Boton"},
            {20, "texto"}},
           {"Modelo"});
    paxina(b, 39, "39",
           {{26, "1"},
            {1, R("f1.png")},
            {7, R("f7.png")},
            {19, "t19"},
            {2, R("f2.png")},
            {18, "aaaaaa"},
            {29, "1"},
            {28, "20"}});
    paxina(b, 40, "40", {{26, "1"}, {8, "0"}, {2, "1"}, {3, "2"}, {7, "4"}});
    paxina(b, 41, "41", {{26, "2"}, {8, "1"}, {18, "1"}, {2, "3"}, {3, "4"}});
    paxina(b, 42, "42", {{8, "1"}}, {"[o]Raíz\r\n  Rama"});
    paxina(b, 43, "43", {{1, "b"}, {19, "post"}}, {"Ortografía"});
    paxina(b, 44, "44", {{1, R("f1.png")}, {6, "n1"}, {18, R("s18.mp3")}, {3, R("f3.png")}, {8, "n3"}});
    paxina(b, 45, "45", {{8, "1"}, {26, "2"}, {9, R("s9.mp3")}}, {"Dictado"});
    paxina(b, 46, "46", {{1, "a"}, {7, "A"}, {19, "1"}, {8, "B"}, {20, "2"}, {3, "c"}});
    paxina(b, 47, "47", {{1, "Caixa"}, {3, "n3"}, {19, "1"}, {9, "n9"}, {25, "2"}});
    paxina(b, 48, "48", {{1, "f1"}, {19, R("f19.png")}, {7, R("s7.mp3")}, {5, "f5"}, {26, "1"}});
    paxina(b, 49, "49", {{26, "1"}, {1, "x"}, {7, "="}, {19, "3"}});
    paxina(b, 50, "50", {{1, "A"}, {4, R("f4.png")}, {10, R("s10.mp3")}, {3, "C"}});
    paxina(b, 51, "51",
           {{1, "x"}, {4, R("f4.png")}, {2, "y"}, {5, R("f5.png")}, {8, "1"}, {26, "1"}, {11, "1"}});
    b.numpaxinas = 51;
    return b;
}

// The quirk rows and the other branches of several blocks.
Book librovariantes() {
    Book b = librobase();
    paxina(b, 1, "3",
           {{31, "1"},
            {41, "m"},
            {14, R("f14.png")},
            {33, "alt only in 1, 2, 19, 30, 38"},
            {36, R("s36.mp3")},
            {6, R("f6.png")},
            {8, "0"}});
    paxina(b, 2, "2", {{32, "1"}, {40, "b"}, {14, R("f14.png")}, {15, "1"}}, {"x"});
    paxina(b, 3, "4", {{1, "PAL"}, {18, "Animal"}});
    paxina(b, 4, "5", {{6, R("f6.png")}});
    paxina(b, 5, "6", {});
    paxina(b, 6, "7", {{11, "0"}, {26, "0"}, {1, "A"}});
    paxina(b, 7, "11", {});
    b.paxina(8)[35] = "a row without a type is no page";
    paxina(b, 9, "39", {{26, "2"}, {1, R("f1.png")}, {7, R("s7.mp3")}, {3, R("f3.png")}});
    paxina(b, 10, "39", {{2, R("f2.png")}});
    paxina(b, 11, "51", {{18, "3"}});
    paxina(b, 12, "60", {{14, R("f14.png")}, {33, "alt"}});
    paxina(b, 13, "12", {{29, "1"}, {14, R("f14.png")}});
    b.numpaxinas = 13;
    return b;
}

struct Dourado {
    const char* nome;
    std::function<Book()> libro;
    const char* fixture;
    int idioma = 0;
};

void PrintTo(const Dourado& d, std::ostream* os) {
    *os << d.nome;
}

class LibroDourado : public ::testing::TestWithParam<Dourado> {};

TEST_P(LibroDourado, WritesTheFileByteForByte) {
    const Dourado& d = GetParam();
    const Book b = d.libro();
    const QByteArray texto = comolinas(linaslibro(b, arquivolibro, d.idioma));
    EXPECT_TRUE(mesmosbytes(lerfixture(d.fixture), texto));
    TXMLDoc doc;
    EXPECT_NO_THROW(doc.SetXML(texto)) << "the written file must parse";
}

INSTANTIATE_TEST_SUITE_P(Gardalocal, LibroDourado,
                         ::testing::Values(Dourado{"config", libroconfig, "config.zube", 5},
                                           Dourado{"config2", libroconfig2, "config2.zube"},
                                           Dourado{"paxinas", libropaxinas, "paxinas.zube"},
                                           Dourado{"variantes", librovariantes, "variantes.zube"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Gardalocal, SavesAnEmptyBookWithTheDefaultMessagesAndChangesOnlyThose) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ruta = dir.filePath("libro.zube");
    {
        QFile vello(ruta);
        ASSERT_TRUE(vello.open(QIODevice::WriteOnly));
        vello.write("an older and much longer file that the save replaces completely\r\n");
    }
    Book b;
    b.carpetarecursos = "/books/demo/res/";
    b.inicializar();
    ASSERT_TRUE(b.chkben && b.chkmal && b.txtben.isEmpty());

    EXPECT_TRUE(linaslibro(b, ruta, 0).filter("correcto").isEmpty()) << "the line builder changes nothing";
    EXPECT_TRUE(b.txtben.isEmpty());

    ASSERT_TRUE(gardalocal(b, ruta, 0));
    EXPECT_EQ(b.txtben, "CORRECTO");
    EXPECT_EQ(b.txtmal, "INCORRECTO");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(mesmosbytes(lerfixture("vacio.zube"), f.readAll()));
}

TEST(Gardalocal, DefaultMessagesOnlyForCheckedEmptyBoxes) {
    Book b;
    b.chkben = false;
    b.chkmal = true;
    b.txtmal = "Non";
    mensaxespordefecto(b);
    EXPECT_TRUE(b.txtben.isEmpty());
    EXPECT_EQ(b.txtmal, "Non");
}

TEST(Gardalocal, SkinsRule) {
    struct Caso {
        const char* nome;
        QString sup, inf;
        bool skin1, skin2;
        QStringList linas;
    };
    const Caso casos[] = {
        {"both files",
         R("s.png"),
         R("i.png"),
         true,
         true,
         {"        <aspectosup >res\\s.png</aspectosup>", "        <aspectoinf >res\\i.png</aspectoinf>"}},
        {"upper only", R("s.png"), "", false, false, {"        <aspectosup >res\\s.png</aspectosup>"}},
        {"lower without upper, skin 1", "", R("i.png"), true, false, {}},
        {"skin 2",
         "",
         "",
         false,
         true,
         {"        <aspectosup >2</aspectosup>", "        <aspectoinf >2</aspectoinf>"}},
        {"no skin",
         "",
         "",
         false,
         false,
         {"        <aspectosup >0</aspectosup>", "        <aspectoinf >0</aspectoinf>"}},
    };
    for (const Caso& c : casos) {
        Book b;
        b.arquivoaspectosup = c.sup;
        b.arquivoaspectoinf = c.inf;
        b.chskin1 = c.skin1;
        b.chskin2 = c.skin2;
        const QStringList linas = linaslibro(b, arquivolibro, 0).filter("<aspecto");
        EXPECT_EQ(linas, c.linas) << c.nome;
    }
}

// --- faults mended -------------------------------------------------------------------------

TEST(GardalocalFaults, BookPropertiesAreEscapedSoTheFileStillParses) {
    Book b;
    b.txttitulo = "Tom & Jerry <3 > 2";
    b.txtlicencia = "l'autor \"x\"";
    b.arquivologo = R("a&b.png");
    b.saltologo = "x\"y";
    b.adxuntos = {R("a&b.pdf"), R("c.pdf")};
    b.txmenus[0] = "<Inicio>";
    b.txligas[0] = "a\"b&c<d'e";
    b.txtben = "Ben";
    b.arquivocorrecto = R("o\"k.mp3");
    b.chkben = false;
    const QStringList linas = linaslibro(b, arquivolibro, 0);
    for (const char* esperada : {
             "          <titulo>Tom &amp; Jerry &lt;3 > 2</titulo>",
             "        <licencia>l'autor \"x\"</licencia>",
             "        <logo ir=\"x&quot;y\" >res\\a&amp;b.png</logo>",
             "        <adxuntos>/books/demo/res/a&amp;b.pdf,/books/demo/res/c.pdf</adxuntos>",
             "        <liga ir=\"a&quot;b&amp;c&lt;d'e\">&lt;Inicio></liga>",
             "        <correcto son=\"res\\o&quot;k.mp3\">Ben</correcto>",
         })
        EXPECT_TRUE(linas.contains(QString::fromUtf8(esperada))) << esperada;

    TXMLDoc doc;
    ASSERT_NO_THROW(doc.SetXML(comolinas(linas)));
    const TXMLNode* raiz = doc.Nodes.Items(0);
    EXPECT_EQ(textode(busca(raiz, "titulo")), "Tom &amp; Jerry &lt;3 > 2");
    const TXMLNode* liga = busca(raiz, "liga");
    ASSERT_TRUE(liga && liga->HasAttributes());
    EXPECT_EQ(liga->Attributes->Items(0)->Value, "a&quot;b&amp;c&lt;d'e");
}

TEST(GardalocalFaults, PlainTextTypesUseCDataWhenNeededAndCDataIsSplitAtItsEnd) {
    struct Caso {
        const char* tipo;
        QString texto;
        QString linatexto; // the line holding the text
        QByteArray lido;   // what the parser gives back for the element
    };
    const Caso casos[] = {
        {"1", "Is 3 < 5?", "              <texto><![CDATA[Is 3 < 5?]]></texto>", "Is 3 < 5?"},
        {"25", "Tom & Jerry", "              <texto><![CDATA[Tom & Jerry]]></texto>", "Tom & Jerry"},
        {"43", "a > b 'c' \"d\"", "              <texto>a > b 'c' \"d\"</texto>", "a > b 'c' \"d\""},
        {"1", "x]]>y<", "              <texto><![CDATA[x]]]]><![CDATA[>y<]]></texto>", "x]]>y<"},
        {"29", "a]]>b]]>", "              <texto><![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>]]></texto>",
         "a]]>b]]>"},
        {"42", "p]]>q", "              <texto><![CDATA[p]]]]><![CDATA[>q]]></texto>", "p]]>q"},
    };
    for (const Caso& c : casos) {
        Book b;
        paxina(b, 1, c.tipo, {}, {c.texto});
        b.numpaxinas = 1;
        const QStringList linas = linaslibro(b, arquivolibro, 0);
        EXPECT_TRUE(linas.contains(c.linatexto)) << c.tipo << " " << c.texto.toStdString();
        TXMLDoc doc;
        ASSERT_NO_THROW(doc.SetXML(comolinas(linas))) << c.tipo;
        EXPECT_EQ(textode(busca(doc.Nodes.Items(0), "texto")), c.lido) << c.tipo;
    }

    Book menu;
    paxina(menu, 1, "15", {{7, "B"}}, {"<i>]]></i>"});
    menu.numpaxinas = 1;
    EXPECT_EQ(bloque(linaslibro(menu, arquivolibro, 0)),
              QStringList{"              <menu boton=\"B\"><![CDATA[<i>]]]]><![CDATA[></i>]]></menu>"});
}

TEST(GardalocalFaults, NumbersThatAreNotWholeNoLongerFailTheSave) {
    Book b;
    b.fondox = "abc";
    b.fondoy = "";
    b.arquivofondo = R("fondo.jpg");
    paxina(b, 1, "abc", {{35, "cab"}, {2, "x"}});
    paxina(b, 2, "1.5", {});
    b.numpaxinas = 2;
    const QStringList linas = linaslibro(b, arquivolibro, 0);
    EXPECT_TRUE(linas.contains(
        "          <imaxefondo posx=\"0\" posy=\"0\" trans=\"100\">res\\fondo.jpg</imaxefondo>"));
    EXPECT_EQ(linas.mid(linas.indexOf("    <libro>")),
              (QStringList{"    <libro>", "        <paxina id=\"1\" >", "              <tipo>abc</tipo>",
                           "              <cabeceira>cab</cabeceira>", "        </paxina>",
                           "        <paxina id=\"2\" >", "              <tipo>1.5</tipo>",
                           "        </paxina>", "    </libro>", "</zub>"}));

    Book senfondo;
    senfondo.fondox = "1.5";
    EXPECT_TRUE(linaslibro(senfondo, arquivolibro, 0).filter("imaxefondo").isEmpty());
}

TEST(GardalocalFaults, AFailedSaveReportsAndLeavesWhatWasThere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Book b;

    const QString semcartafol = dir.filePath("missing/libro.zube");
    EXPECT_FALSE(gardalocal(b, semcartafol, 0));
    EXPECT_FALSE(QFileInfo::exists(semcartafol));

    // A folder where the file should go: the save cannot replace it.
    const QString cartafol = dir.filePath("libro.zube");
    ASSERT_TRUE(QDir().mkdir(cartafol));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(QUIBEL_FIXTURES "/gardalocal/vacio.zube"), cartafol + "/keep.zube"));
    EXPECT_FALSE(gardalocal(b, cartafol, 0));
    EXPECT_TRUE(QFileInfo(cartafol).isDir());
    EXPECT_TRUE(QFileInfo::exists(cartafol + "/keep.zube"));
}

TEST(GardalocalFaults, AFailedSaveInAReadOnlyFolderKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Book b;
    const QString solectura = dir.filePath("ro");
    ASSERT_TRUE(QDir().mkdir(solectura));
    const QString vello = solectura + "/libro.zube";
    {
        QFile f(vello);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    const auto contido = [&] {
        QFile f(vello);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };

    // The commit refused as a read-only folder refuses it: this runs for root too.
    permitirgardado = [](const QString&) { return false; };
    const bool gardado = gardalocal(b, vello, 0);
    permitirgardado = nullptr;
    EXPECT_FALSE(gardado);
    EXPECT_EQ(contido(), "old");
    EXPECT_EQ(QDir(solectura).entryList(QDir::Files | QDir::Hidden), QStringList{"libro.zube"})
        << "the half-made copy is gone";

    // The real permission, where it stops this user (root writes anyway).
    QFile::setPermissions(solectura, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (geteuid() != 0) {
        EXPECT_FALSE(gardalocal(b, vello, 0));
        EXPECT_EQ(contido(), "old");
    }
    QFile::setPermissions(solectura,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(GardalocalFaults, ExternalActivityFileIsWritten) {
    Book b;
    paxina(b, 1, "16", {{1, R("act.html")}});
    paxina(b, 2, "16", {{1, "https://ex.org/a?b=1&c"}, {18, "code"}});
    b.numpaxinas = 2;
    const QStringList linas = linaslibro(b, arquivolibro, 0);
    EXPECT_TRUE(linas.contains("              <arquivo>res\\act.html</arquivo>"));
    EXPECT_TRUE(linas.contains("              <arquivo>https://ex.org/a?b=1&amp;c</arquivo>"));
    EXPECT_EQ(linas.indexOf("              <arquivo>https://ex.org/a?b=1&amp;c</arquivo>"),
              linas.indexOf("              <externa><![CDATA[code]]></externa>") + 1);
}

TEST(GardalocalFaults, EachElementUnderItsOwnCondition) {
    struct Caso {
        const char* nome;
        const char* tipo;
        Campos campos;
        QStringList textos;
        QStringList propias;    // the book file now
        QStringList historicas; // with the older joint conditions
    };
    const Caso casos[] = {
        {"type 2 without text keeps colours and flag",
         "2",
         {{18, "ff0000"}, {30, "1"}, {19, "00ff00"}, {21, "1"}},
         {},
         {"              <cfondo>ff0000</cfondo>", "              <ctexto>00ff00</ctexto>",
          "              <chtml>1</chtml>"},
         {}},
        {"type 2 without text keeps the frame",
         "2",
         {{8, "5"}, {11, "300"}},
         {},
         {"              <texto posx=\"5\" ancho=\"300\"><![CDATA[]]></texto>"},
         {}},
        {"type 19 without secret word",
         "19",
         {{6, "pista"}, {26, "1"}, {8, "2"}},
         {"Adiviña"},
         {"              <texto><![CDATA[Adiviña]]></texto>", "              <resp texto=\"pista\"></resp>",
          "              <modo>1</modo>", "              <forma>2</forma>"},
         {}},
        {"type 19 with the word writes the text even when empty",
         "19",
         {{2, "W"}},
         {},
         {"              <texto><![CDATA[]]></texto>", "              <resp texto=\"\">W</resp>"},
         {"              <texto><![CDATA[]]></texto>", "              <resp texto=\"\">W</resp>"}},
        {"type 36 items without P26 = 1",
         "36",
         {{8, "1"}, {26, "0"}, {1, "a"}, {7, "g"}},
         {},
         {"              <forma>1</forma>", "              <etiqueta>a</etiqueta>",
          "              <etiqueta>g</etiqueta>"},
         {"              <forma>1</forma>"}},
        {"type 47 items without box 1",
         "47",
         {{3, "n3"}, {19, "1"}},
         {},
         {"              <nome caixa=\"1\">n3</nome>"},
         {}},
        {"type 15 buttons with a label, a text or a picture",
         "15",
         {{7, "B1"}, {9, "B3"}, {26, R("p5.png")}},
         {"", "só texto", "", "", ""},
         {"              <menu boton=\"B1\"><![CDATA[]]></menu>",
          "              <menu boton=\"\"><![CDATA[só texto]]></menu>",
          "              <menu boton=\"B3\"><![CDATA[]]></menu>",
          "              <menu boton=\"\" imaxe=\"res\\p5.png\"><![CDATA[]]></menu>"},
         {}},
    };
    PoliticaLibro historica;
    historica.condicionspropias = false;
    for (const Caso& c : casos) {
        Book b;
        paxina(b, 1, c.tipo, c.campos, c.textos);
        b.numpaxinas = 1;
        EXPECT_EQ(bloque(linaslibro(b, arquivolibro, 0)), c.propias) << c.nome;
        EXPECT_EQ(bloque(linaslibro(b, arquivolibro, 0, historica)), c.historicas) << c.nome;
    }
}

TEST(GardalocalFaults, OnlyTheRowsOfABookAreWritten) {
    Book b;
    for (int fila = 1; fila <= Book::numfilas; ++fila)
        paxina(b, fila, "13", {{1, QString::number(fila)}});
    b.numpaxinas = 120;
    const QStringList paxinas = linaslibro(b, arquivolibro, 0).filter("<paxina id=");
    ASSERT_EQ(paxinas.size(), 99);
    EXPECT_EQ(paxinas.last(), "        <paxina id=\"99\" >");
}

TEST(GardalocalFaults, SchemeLinesBecomeOneSeparatorEach) {
    Book b;
    paxina(b, 1, "42", {}, {"a\r\nb\nc\r\n\r\nd"});
    b.numpaxinas = 1;
    EXPECT_EQ(bloque(linaslibro(b, arquivolibro, 0)),
              QStringList{"              <texto><![CDATA[a|b|c||d]]></texto>"});
}

// The player book file reuses the writer through its policy: version, indents, file names and
// the three types it writes differently.
TEST(Gardalocal, PolicyCarriesTheVariationsOfAnotherFile) {
    Book b;
    b.txttitulo = "T";
    b.txtdirrec = "/books/demo/res/";
    b.arquivobarra = R("barra.png");
    b.nomimbarra = "barra.png";
    b.arquivologo = R("Logo 1.png");
    paxina(b, 1, "15", {{14, R("f14.png")}, {7, "B1"}, {8, ""}, {9, "B3"}}, {"", "só texto", ""});
    paxina(b, 2, "16", {{18, "code"}, {2, "ok"}, {7, "1"}, {1, R("act.html")}});
    paxina(b, 3, "23", {{26, "4"}, {1, R("f1.png")}});
    paxina(b, 4, "36", {{1, "a"}});
    b.numpaxinas = 4;

    PoliticaLibro pol;
    pol.version = "5.6.4";
    pol.sangriaconfig = 8;
    pol.valorarquivo = [](const QString& ruta) { return nomearquivo(ruta).replace(' ', '_'); };
    pol.recursos = [](const Book&) { return std::optional<QString>(); };
    pol.nomespeles = true;
    pol.condicionspropias = false;
    pol.menuporetiqueta = true;
    pol.externasocodigo = true;
    pol.modomoveimxvalidado = true;
    const QStringList linas = linaslibro(b, arquivolibro, 0, pol);

    EXPECT_EQ(linas.value(1), "<zub version=\"5.6.4\">");
    EXPECT_TRUE(linas.filter("recursos").isEmpty());
    EXPECT_TRUE(linas.contains("        <titulo>T</titulo>"));
    EXPECT_TRUE(linas.contains("        <imbarra >barra.png</imbarra>"));
    EXPECT_TRUE(linas.contains("        <logo>Logo_1.png</logo>"));
    EXPECT_TRUE(linas.contains("              <imaxe>f14.png</imaxe>"));
    EXPECT_EQ(linas.filter("<menu ").size(), 2) << "buttons with a label, also without text";
    EXPECT_TRUE(linas.contains("              <menu boton=\"B3\"><![CDATA[]]></menu>"));
    EXPECT_TRUE(linas.filter("<estado>").isEmpty());
    EXPECT_TRUE(linas.filter("<valor>").isEmpty());
    EXPECT_TRUE(linas.filter("<arquivo>").isEmpty());
    EXPECT_TRUE(linas.filter("<modo>").isEmpty()) << "type 23 with P26 outside 1..3";
    EXPECT_TRUE(linas.filter("<etiqueta>a").isEmpty()) << "type 36 with the older condition";
}

} // namespace
