#include "book/loaditem.h"

#include "book/XMLParser.h"
#include "book/rutinas.h"
#include "lectura_util.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace quibel;
using namespace quibel::proba;

namespace {

// Resource files every page case may name; one has every character the writer turns into an entity.
const char* const recursos[] = {"res/a.png", "res/b.mp3", "res/c.png", "res/a&b'c\"d<e>.png"};

class LerLibro : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* r : recursos)
            d.crear(QString::fromUtf8(r));
        b = librobaleiro(d.carpeta());
    }
    InformeLectura lerlibro(const QByteArray& config, const QByteArray& libro) {
        return ler(*b, xmllibro(config, libro));
    }

    CarpetaLibro d;
    std::unique_ptr<Book> b;
};

// ---------------------------------------------------------------------------------------------
// Page elements: one page each; every field not named must stay empty.

struct CasoPaxina {
    const char* nome;
    QByteArray contido;
    std::map<int, QString> campos;
    std::map<int, QString> textos; // by wide-text index 1..6 (W0 is 1)
};

const CasoPaxina casospaxina[] = {
    {"common part",
     "<tipo>5</tipo><nonpasar atras=\"1\" >1</nonpasar><cabeceira>Head</cabeceira><pe>Foot</pe>"
     "<mais ir=\"http://x.org\">More</mais><evalua  crt=\"ok\" icrt=\"bad\">1</evalua>"
     "<son auto=\"1\">res\\b.mp3</son>",
     {{0, "5"},
      {31, "1"},
      {32, "1"},
      {35, "Head"},
      {34, "Foot"},
      {38, "More"},
      {39, "http://x.org"},
      {40, "ok"},
      {41, "bad"},
      {36, "{d}res/b.mp3"},
      {37, "1"}},
     {}},
    {"imaxe sets its defaults first",
     "<tipo>1</tipo><imaxe alt=\"Alt\">res\\a.png</imaxe>",
     {{0, "1"}, {14, "{d}res/a.png"}, {27, "100"}, {28, "0"}, {29, "0"}, {33, "Alt"}},
     {}},
    {"imaxe attributes, empty trans",
     "<tipo>2</tipo><imaxe auto=\"1\"  posx=\"10\" posy=\"20\" trans=\"\">res/a.png</imaxe>",
     {{0, "2"}, {14, "{d}res/a.png"}, {15, "1"}, {27, "100"}, {28, "10"}, {29, "20"}},
     {}},
    {"type 1: answers close their gaps; texto is no page field",
     "<tipo>1</tipo><texto>Is 3 bigger?</texto><resp texto=\"t3\" valor=\"1\">c</resp>"
     "<resp texto=\"t5\" valor=\"0\">e</resp>",
     {{0, "1"}, {2, "c"}, {6, "t3"}, {19, "1"}, {3, "e"}, {7, "t5"}, {20, "0"}},
     {{1, "Is 3 bigger?"}}},
    {"type 43: the text does not become the word",
     "<tipo>43</tipo><texto>The word is here</texto>",
     {{0, "43"}},
     {{1, "The word is here"}}},
    {"type 43: a word that looks like a file stays a word",
     "<tipo>43</tipo><texto>Text</texto><completa post=\"x\">palabra.png</completa>",
     {{0, "43"}, {1, "palabra.png"}, {19, "x"}},
     {{1, "Text"}}},
    {"type 15: menu buttons and their texts",
     "<tipo>15</tipo><cfondo>FF0000</cfondo><ctexto>00FF00</ctexto>"
     "<menu boton=\"B1\" imaxe=\"res\\a.png\"><![CDATA[<p>one</p>]]></menu>"
     "<menu boton=\"B2\"><![CDATA[two]]></menu><chtml>1</chtml>",
     {{0, "15"},
      {18, "FF0000"},
      {30, "1"},
      {19, "00FF00"},
      {7, "B1"},
      {22, "{d}res/a.png"},
      {8, "B2"},
      {21, "1"}},
     {{1, "<p>one</p>"}, {2, "two"}}},
    {"type 15: a menu element without boton sets no text",
     "<tipo>15</tipo><menu><![CDATA[lost]]></menu><menu boton=\"B2\"><![CDATA[two]]></menu>",
     {{0, "15"}, {8, "B2"}},
     {{2, "two"}}},
    {"type 28: the button counter",
     "<tipo>28</tipo><boton texto=\"a\">x</boton><boton texto=\"b\">y</boton>",
     {{0, "28"}, {3, "x"}, {20, "a"}, {4, "y"}, {21, "b"}},
     {}},
    {"type 9: forma is a file, links",
     "<tipo>9</tipo><forma>res\\a.png</forma><texto><![CDATA[t]]></texto>"
     "<liga posx=\"1\" posy=\"2\" ir=\"http://a\">L</liga>",
     {{0, "9"}, {8, "{d}res/a.png"}, {2, "L"}, {9, "1"}, {19, "2"}, {5, "http://a"}},
     {{1, "t"}}},
    {"forma is no file outside type 9",
     "<tipo>29</tipo><forma>1</forma><modo>2</modo>",
     {{0, "29"}, {8, "1"}, {26, "2"}},
     {}},
    {"type 3: imfondo and grid",
     "<tipo>3</tipo><imfondo  trans=\"50\">res\\a.png</imfondo><filas>3</filas><columnas>4</columnas>"
     "<reixa>1</reixa><forma>0</forma>",
     {{0, "3"}, {6, "{d}res/a.png"}, {3, "50"}, {9, "3"}, {10, "4"}, {4, "1"}, {8, "0"}},
     {}},
    {"type 5: imfondo without trans",
     "<tipo>5</tipo><imfondo posx=\"7\" posy=\"8\">res\\a.png</imfondo><ctapa>1</ctapa><rdim>4</rdim>",
     {{0, "5"}, {6, "{d}res/a.png"}, {3, "100"}, {8, "7"}, {9, "8"}, {29, "1"}, {4, "4"}},
     {}},
    {"type 6: box backgrounds, names",
     "<tipo>6</tipo><fondocaixa1 trans=\"\">res\\a.png</fondocaixa1><fondocaixa2>res\\c.png</fondocaixa2>"
     "<nome caixa=\"1\">n1</nome><caixa1>A</caixa1><caixa2>B</caixa2>",
     {{0, "6"},
      {9, "{d}res/a.png"},
      {27, "100"},
      {10, "{d}res/c.png"},
      {28, "100"},
      {3, "n1"},
      {19, "1"},
      {1, "A"},
      {2, "B"}},
     {}},
    {"type 7: small pictures",
     "<tipo>7</tipo><mini caixa=\"2\">res\\a.png</mini><cadro>1</cadro>",
     {{0, "7"}, {3, "{d}res/a.png"}, {19, "2"}, {11, "1"}},
     {}},
    {"type 8: phrases",
     "<tipo>8</tipo><frase texto=\"t\" son=\"res\\b.mp3\">s1</frase><frase texto=\"u\" son=\"\">s2</frase>",
     {{0, "8"}, {1, "s1"}, {4, "t"}, {7, "{d}res/b.mp3"}, {2, "s2"}, {5, "u"}},
     {}},
    {"type 12: gallery",
     "<tipo>12</tipo><modo>1</modo><ctapa>0</ctapa>"
     "<galeria grande=\"res\\c.png\" son=\"res\\b.mp3\" texto=\"cap\">res\\a.png</galeria>",
     {{0, "12"},
      {26, "1"},
      {29, "0"},
      {1, "{d}res/a.png"},
      {7, "{d}res/c.png"},
      {13, "{d}res/b.mp3"},
      {19, "cap"}},
     {}},
    {"type 14: dragged pictures are files",
     "<tipo>14</tipo><peza imaxe=\"res\\c.png\" texto=\"t\" son=\"res\\b.mp3\">res\\a.png</peza>",
     {{0, "14"}, {1, "{d}res/a.png"}, {4, "{d}res/c.png"}, {7, "t"}, {10, "{d}res/b.mp3"}},
     {}},
    {"type 50: a word that looks like a file stays a word",
     "<tipo>50</tipo><peza imaxe=\"res\\c.png\"  son=\"res\\b.mp3\">word.png</peza>",
     {{0, "50"}, {1, "word.png"}, {4, "{d}res/c.png"}, {10, "{d}res/b.mp3"}},
     {}},
    {"type 20: a tag that looks like a file stays a tag",
     "<tipo>20</tipo><modo>1</modo><etiqueta posx=\"5\" posy=\"6\">foto.png</etiqueta>",
     {{0, "20"}, {26, "1"}, {1, "foto.png"}, {7, "5"}, {19, "6"}},
     {}},
    {"type 23: movable pictures are files",
     "<tipo>23</tipo><etiqueta posx=\"5\" posy=\"6\">res\\a.png</etiqueta>",
     {{0, "23"}, {1, "{d}res/a.png"}, {7, "5"}, {19, "6"}},
     {}},
    {"type 24: choices keep their numbering",
     "<tipo>24</tipo><etiqueta imaxe=\"res\\a.png\" texto=\"opt\">1</etiqueta>"
     "<etiqueta imaxe=\"\" texto=\"\">0</etiqueta>",
     {{0, "24"}, {1, "1"}, {19, "{d}res/a.png"}, {7, "opt"}, {2, "0"}},
     {}},
    {"type 35: pictures to sort are files",
     "<tipo>35</tipo><forma>1</forma><completa>res\\a.png</completa>",
     {{0, "35"}, {8, "1"}, {1, "{d}res/a.png"}},
     {}},
    {"type 4 word mode: clues are texts",
     "<tipo>4</tipo><modo>1</modo><sopa enun=\"clue.png\">WORD</sopa>",
     {{0, "4"}, {26, "1"}, {1, "WORD"}, {18, "clue.png"}},
     {}},
    {"type 4 picture mode: clues are files",
     "<tipo>4</tipo><modo>2</modo><sopa enun=\"res\\a.png\">WORD</sopa><fondo>1</fondo>",
     {{0, "4"}, {26, "2"}, {1, "WORD"}, {18, "{d}res/a.png"}, {28, "1"}},
     {}},
    {"type 16: code split at ]]>, valor keeps it, the activity file",
     "<tipo>16</tipo><externa dimx=\"300\" dimy=\"200\" alt=\"x\">"
     "<![CDATA[<b a=&quot;1&quot;>]]]]><![CDATA[>]]></externa><estado>1</estado><intentos>3</intentos>"
     "<valor><![CDATA[<b a=&quot;1&quot;>]]]]><![CDATA[>]]></valor><arquivo>res\\a.png</arquivo>",
     {{0, "16"},
      {17, "300"},
      {6, "200"},
      {33, "x"},
      {18, "<b a=\"1\">]]>"},
      {2, "1"},
      {3, "3"},
      {1, "{d}res/a.png"}},
     {}},
    {"type 25: clock",
     "<tipo>25</tipo><modo>1</modo><texto>What time?</texto><reloxo hora=\"10\">30</reloxo>",
     {{0, "25"}, {26, "1"}, {2, "30"}, {3, "10"}},
     {{1, "What time?"}}},
    {"reloxo takes hora only as its first attribute",
     "<tipo>25</tipo><reloxo x=\"1\" hora=\"10\">30</reloxo>",
     {{0, "25"}, {2, "30"}},
     {}},
    {"type 45: dictation sound on texto",
     "<tipo>45</tipo><texto son=\"res\\b.mp3\"><![CDATA[dict]]></texto>",
     {{0, "45"}, {9, "{d}res/b.mp3"}},
     {{1, "dict"}}},
    {"valor and numero",
     "<tipo>31</tipo><valor texto=\"tt\">5</valor><numero>4</numero><numero>5</numero>",
     {{0, "31"}, {18, "5"}, {6, "tt"}, {2, "4"}, {3, "5"}},
     {}},
    {"elements the writer never writes",
     "<tipo>7</tipo><arrastra>1</arrastra><ccara>2</ccara>",
     {{0, "7"}, {18, "1"}, {7, "2"}},
     {}},
    {"page fields are decoded once; wide texts are not",
     "<tipo>2</tipo><cabeceira>a &amp; b &lt;c&gt; &quot;d&quot; &apos;e&apos; &amp;lt;</cabeceira>"
     "<texto><![CDATA[x &amp; y]]></texto>",
     {{0, "2"}, {35, "a & b <c> \"d\" 'e' &lt;"}},
     {{1, "x &amp; y"}}},
    {"a file name with escaped characters is decoded before it is looked for",
     "<tipo>1</tipo><imaxe>res\\a&amp;b&apos;c&quot;d&lt;e&gt;.png</imaxe>",
     {{0, "1"}, {14, "{d}res/a&b'c\"d<e>.png"}, {27, "100"}, {28, "0"}, {29, "0"}},
     {}},
    {"web addresses in file slots stay as they are",
     "<tipo>14</tipo><son>HTTP://x.org/a.mp3</son><peza "
     "imaxe=\"https://x.org/i.png\">http://x.org/a.png</peza>",
     {{0, "14"}, {36, "HTTP://x.org/a.mp3"}, {1, "http://x.org/a.png"}, {4, "https://x.org/i.png"}},
     {}},
    {"a colour that is not hexadecimal is kept",
     "<tipo>7</tipo><cfondo>nothex</cfondo><caixa1>A</caixa1>",
     {{0, "7"}, {18, "nothex"}, {30, "1"}, {1, "A"}},
     {}},
    {"elements without value take nothing; a CDATA value is empty",
     "<tipo>2</tipo><cabeceira>x</cabeceira><cabeceira></cabeceira><pe>   </pe>"
     "<mais ir=\"i\"><![CDATA[m]]></mais><texto/><cfondo/>",
     {{0, "2"}, {35, "x"}, {39, "i"}},
     {}},
    {"unknown elements and non-element nodes are skipped",
     "tipo<!--tipo--><tipo>3</tipo><desconocido>1</desconocido><filas><b>1</b></filas>",
     {{0, "3"}},
     {}},
};

TEST_F(LerLibro, PageElementsGoToTheirFields) {
    for (const CasoPaxina& caso : casospaxina) {
        SCOPED_TRACE(caso.nome);
        b = librobaleiro(d.carpeta());
        lerlibro({}, xmlpaxina(1, caso.contido));
        ASSERT_EQ(b->numpaxinas, 1);
        const Tpaxina& p = b->paxina(1);
        for (int k = 0; k < Tpaxina::numcampos; ++k) {
            const auto e = caso.campos.find(k);
            EXPECT_EQ(p[k], e == caso.campos.end() ? QString() : d.expandir(e->second)) << "P" << k;
        }
        for (int i = 1; i <= Book::numtextos; ++i) {
            const auto e = caso.textos.find(i);
            EXPECT_EQ(b->texto(1, i), e == caso.textos.end() ? QString() : e->second) << "W" << i - 1;
        }
    }
}

TEST_F(LerLibro, PageColourPanelTakesTheColourOrItsDefault) {
    const InformeLectura inf = lerlibro({}, xmlpaxina(1, "<tipo>7</tipo><cfondo>0000FF</cfondo>") +
                                                xmlpaxina(2, "<tipo>7</tipo><cfondo>zz</cfondo>"));
    ASSERT_EQ(inf.cores.size(), 2u);
    EXPECT_EQ(inf.cores[0], (InformeLectura::Cor{CorLibro::fondopaxina, hexacor("0000FF")}));
    EXPECT_EQ(inf.cores[1], (InformeLectura::Cor{CorLibro::fondopaxina, hexacor("84E1FD")}));
    EXPECT_EQ(b->numpaxinas, 2) << "a bad colour does not end the load";
}

// ---------------------------------------------------------------------------------------------
// Hostile pages and books: nothing is written outside the tables.

TEST_F(LerLibro, UnboundedCountersWriteOnlyInsideThePage) {
    QByteArray respostas = "<tipo>1</tipo>";
    for (int i = 1; i <= 60; ++i)
        respostas += "<resp texto=\"t" + QByteArray::number(i) + "\" valor=\"v" + QByteArray::number(i) +
                     "\">r" + QByteArray::number(i) + "</resp>";
    QByteArray menu = "<tipo>15</tipo>";
    for (int i = 1; i <= 10; ++i)
        menu += "<menu boton=\"b" + QByteArray::number(i) + "\" imaxe=\"http://i" + QByteArray::number(i) +
                "\"><![CDATA[w" + QByteArray::number(i) + "]]></menu>";
    for (int i = 1; i <= 50; ++i)
        menu += "<boton texto=\"x" + QByteArray::number(i) + "\">y</boton>";
    b->texto(3, 1) = "next row";
    lerlibro({}, xmlpaxina(1, respostas) + xmlpaxina(2, menu) + xmlpaxina(3, "<tipo>2</tipo>"));

    ASSERT_EQ(b->numpaxinas, 3);
    EXPECT_EQ(b->paxina(1)[41], "r40") << "the 40th answer is the last with a place";
    EXPECT_TRUE(b->paxina(1)[1].isEmpty());
    for (int i = 1; i <= Book::numtextos; ++i)
        EXPECT_EQ(b->texto(2, i), QString("w%1").arg(i));
    EXPECT_EQ(b->paxina(2)[41], "y") << "content of the 39th button";
    EXPECT_EQ(b->paxina(3)[0], "2");
    EXPECT_EQ(b->texto(3, 1), "next row") << "menu items past the sixth do not reach the next row";
}

TEST_F(LerLibro, AtMost99PagesAndNumpaxinasCountsTheRowsFilled) {
    for (int fila = 101; fila <= Book::numfilas; ++fila)
        b->paxina(fila)[0] = "keep";
    struct Caso {
        const char* nome;
        int seccions, porseccion;
    } casos[] = {{"120 pages", 1, 120}, {"300 pages", 1, 300}, {"two libro sections of 60", 2, 60}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        b->inicializar();
        b->inizrtf();
        QByteArray texto = "<?xml version=\"1.0\" encoding=\"utf-8\"?><zub version=\"5.6.3\">";
        for (int s = 0; s < c.seccions; ++s) {
            texto += "<libro>";
            for (int i = 1; i <= c.porseccion; ++i)
                texto += xmlpaxina(i, "<tipo>1</tipo><pe>" + QByteArray::number(s) + "/" +
                                          QByteArray::number(i) + "</pe>");
            texto += "</libro>";
        }
        texto += "</zub>";
        const InformeLectura inf = ler(*b, texto);
        EXPECT_EQ(b->numpaxinas, 99);
        EXPECT_EQ(inf.ultimafila, 99);
        EXPECT_EQ(inf.paxinas, 99);
        EXPECT_EQ(b->paxina(99)[34], c.seccions == 2 ? "1/39" : "0/99");
        EXPECT_TRUE(b->paxina(100)[0].isEmpty());
        for (int fila = 101; fila <= Book::numfilas; ++fila)
            EXPECT_EQ(b->paxina(fila)[0], "keep");
    }
}

TEST_F(LerLibro, RootWithoutAttributesOrChildrenReadsNothing) {
    for (const QByteArray& texto : {QByteArray("<zub><config><titulo>T</titulo></config><libro>") +
                                        xmlpaxina(1, "<tipo>1</tipo>") + "</libro></zub>",
                                    QByteArray("<zub version=\"1\"/>")}) {
        b = librobaleiro(d.carpeta());
        const InformeLectura inf = ler(*b, texto);
        EXPECT_EQ(b->numpaxinas, 0);
        EXPECT_TRUE(b->txttitulo.isEmpty());
        EXPECT_EQ(inf.paxinas, 0);
        EXPECT_EQ(b->carpetarecursos, d.carpeta());
    }
}

TEST_F(LerLibro, NonElementNodesAreNeitherSectionsNorPages) {
    lerlibro("titulo<!--c-->", "paxina<!--paxina--><?pi x?>" + xmlpaxina(1, "<tipo>3</tipo>"));
    EXPECT_EQ(b->numpaxinas, 1);
    EXPECT_EQ(b->paxina(1)[0], "3");
    EXPECT_TRUE(b->txttitulo.isEmpty());
}

// Small hostile or old book files, each with what it must give; none may crash or escape the tables.
TEST_F(LerLibro, HostileFixtures) {
    using Comprobar = std::function<void(const Book&)>;
    const std::map<QString, Comprobar> casos = {
        {"old_book.zube",
         [](const Book& l) {
             EXPECT_EQ(l.numpaxinas, 4);
             EXPECT_EQ(l.txttitulo, "Tom & Jerry");
             EXPECT_EQ(l.arquivoaxuda, "http://x.org/help");
             EXPECT_EQ(l.axuda, "http://x.org/help");
             EXPECT_TRUE(l.chkben);
             EXPECT_FALSE(l.chkmal);
             EXPECT_FALSE(l.chskin1);
             EXPECT_FALSE(l.chskin2);
             EXPECT_EQ(l.texto(2, 1), "<p>Ola &amp; adeus</p>");
             EXPECT_EQ(l.paxina(4)[0], "42");
             EXPECT_EQ(l.texto(4, 1), "a\r|[o]b\r|c");
         }},
        {"counters.zube", [](const Book& l) { EXPECT_EQ(l.numpaxinas, 1); }},
        {"pages_120.zube",
         [](const Book& l) {
             EXPECT_EQ(l.numpaxinas, 99);
             EXPECT_EQ(l.paxina(99)[34], "99");
             EXPECT_TRUE(l.paxina(100)[0].isEmpty());
         }},
        {"two_libros.zube",
         [](const Book& l) {
             EXPECT_EQ(l.numpaxinas, 99);
             EXPECT_TRUE(l.paxina(100)[0].isEmpty());
         }},
        {"bad_colours.zube",
         [](const Book& l) {
             EXPECT_EQ(l.txttitulo, "ok");
             EXPECT_EQ(l.corbandalibro, "zz");
             EXPECT_EQ(l.paxina(1)[18], "#");
             EXPECT_EQ(l.paxina(1)[30], "1");
         }},
        {"noattr_root.zube",
         [](const Book& l) {
             EXPECT_EQ(l.numpaxinas, 0);
             EXPECT_TRUE(l.txttitulo.isEmpty());
         }},
        {"entities.zube",
         [](const Book& l) {
             EXPECT_EQ(l.txttitulo, "&lt; <b> \"q\" '");
             EXPECT_EQ(l.txmenus[0], "a&b");
             EXPECT_EQ(l.txligas[0], "\"&<");
             EXPECT_EQ(l.adxuntos.size(), 2);
             EXPECT_EQ(nomearquivo(l.adxuntos.value(0)), "a&b.pdf");
             EXPECT_EQ(nomearquivo(l.paxina(1)[1]), "'x'.png");
             EXPECT_EQ(nomearquivo(l.paxina(1)[4]), "i&j.png");
             EXPECT_EQ(l.paxina(1)[35], "&amp;&");
         }},
        {"cdata_split.zube",
         [](const Book& l) {
             EXPECT_EQ(l.paxina(1)[18], "") << "valor comes after externa";
             EXPECT_EQ(l.texto(2, 1), "]]>");
             EXPECT_EQ(l.paxina(2)[8], "2");
             EXPECT_TRUE(l.texto(2, 2).isEmpty());
             EXPECT_EQ(l.texto(3, 1), "x&lt;y");
         }},
        {"recursos_hostile.zube",
         [](const Book& l) {
             EXPECT_NE(l.recursoslectura, "/");
             EXPECT_EQ(l.arquivoaxuda, "HtTpS:x");
             EXPECT_EQ(l.paxina(1)[3], "http:");
         }},
        {"empty_things.zube",
         [](const Book& l) {
             EXPECT_EQ(l.numpaxinas, 4);
             EXPECT_EQ(l.paxina(2)[3], "1");
             EXPECT_TRUE(l.paxina(2)[2].isEmpty());
             EXPECT_TRUE(l.chkben);
             EXPECT_TRUE(l.arquivologo.isEmpty());
         }},
        {"latin1.zube",
         [](const Book& l) {
             EXPECT_EQ(l.txttitulo, QString::fromUtf8("Canci\xc3\xb3n"));
             EXPECT_EQ(l.paxina(1)[34], QString::fromUtf8("\xc3\xa1\xc3\xa9"));
         }},
        {"encoded.zube", [](const Book& l) { EXPECT_EQ(l.txttitulo, "Encoded"); }},
    };
    const QDir carpeta(QStringLiteral(QUIBEL_FIXTURES "/loaditem"));
    for (const QString& nome : carpeta.entryList(QDir::Files)) {
        SCOPED_TRACE(nome.toStdString());
        QFile f(carpeta.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        b = librobaleiro(d.carpeta());
        TXMLDoc doc;
        try {
            analizarlibro(doc, f.readAll());
        } catch (const EXMLException&) {
            EXPECT_EQ(nome, "broken.zube");
            continue;
        }
        if (doc.Nodes.Count() == 0 || doc.Nodes.Items(0)->Name != "zub") {
            EXPECT_EQ(nome, "not_zub.xml");
            continue;
        }
        const InformeLectura inf = LoadItem(*b, *doc.Nodes.Items(0), lecturacompleta(*b));
        EXPECT_LE(b->numpaxinas, 99);
        EXPECT_EQ(inf.paxinas, b->numpaxinas);
        const auto caso = casos.find(nome);
        ASSERT_NE(caso, casos.end()) << "a fixture without expectations";
        caso->second(*b);
    }
}

// ---------------------------------------------------------------------------------------------
// config

TEST_F(LerLibro, BookPropertyTexts) {
    lerlibro("<licencia>CC BY</licencia><titulo>Title</titulo><subtitulo>Sub</subtitulo><autor>Me</autor>"
             "<iden>id1</iden><tag>t1</tag><caracteres>abc</caracteres><final>http://end</final>"
             "<modo>2</modo><idioma>3</idioma><nada>x</nada>",
             {});
    EXPECT_EQ(b->txtlicencia, "CC BY");
    EXPECT_EQ(b->txttitulo, "Title");
    EXPECT_EQ(b->txtsub, "Sub");
    EXPECT_EQ(b->txtautor, "Me");
    EXPECT_EQ(b->txtiden, "id1");
    EXPECT_EQ(b->txtag, "t1");
    EXPECT_EQ(b->txcaracter, "abc");
    EXPECT_EQ(b->txtenlacefinal, "http://end");
    EXPECT_EQ(b->tipolibro, "2");
    EXPECT_EQ(b->numpaxinas, 0);
}

TEST_F(LerLibro, BookPropertiesAreDecodedAndOldUnescapedTextsReadTheSame) {
    lerlibro(
        "<titulo>A &amp; B &lt; C &gt; D</titulo><autor>Tom & Jerry</autor><subtitulo>it's \"so\"</subtitulo>"
        "<iden>&amp;amp;</iden><liga ir=\"p?a=1&amp;b=&quot;2&quot;\">L &lt;1&gt;</liga>"
        "<logo ir=\"x&amp;y\" >res\\a.png</logo>",
        {});
    EXPECT_EQ(b->txttitulo, "A & B < C > D");
    EXPECT_EQ(b->txtautor, "Tom & Jerry");
    EXPECT_EQ(b->txtsub, "it's \"so\"");
    EXPECT_EQ(b->txtiden, "&amp;") << "decoded once";
    EXPECT_EQ(b->txmenus[0], "L <1>");
    EXPECT_EQ(b->txligas[0], "p?a=1&b=\"2\"");
    EXPECT_EQ(b->saltologo, "x&y");
}

TEST_F(LerLibro, ColoursSetTheirPanelsAndABadOneKeepsItsTextAndTheDefault) {
    const InformeLectura inf = lerlibro("<corfondo>112233</corfondo><corbanda>zz</corbanda>"
                                        "<cornavega>445566</cornavega><cormensaxes>#778899</cormensaxes>"
                                        "<cortexto>xyz</cortexto><titulo>after</titulo>",
                                        {});
    EXPECT_EQ(b->corfondolibro, "112233");
    EXPECT_EQ(b->corbandalibro, "zz");
    EXPECT_TRUE(b->chbanda);
    EXPECT_EQ(b->cornavegalibro, "445566");
    EXPECT_TRUE(b->chbarra);
    EXPECT_EQ(b->cortextolibro, "xyz");
    EXPECT_EQ(b->txttitulo, "after") << "the load goes on";
    const std::vector<InformeLectura::Cor> esperado = {
        {CorLibro::fondo, hexacor("112233")},
        {CorLibro::banda, 0xFFFFFF},
        {CorLibro::navegacion, hexacor("445566")},
        {CorLibro::mensaxes, hexacor("778899")},
        {CorLibro::texto, 0x000000},
    };
    EXPECT_EQ(inf.cores, esperado);
}

TEST_F(LerLibro, MenuLinksFirst14AndEveryLinkCounts) {
    QByteArray config = "<liga ir=\"t0\">m0</liga><liga ir=\"lost\"></liga>";
    for (int i = 2; i < 16; ++i)
        config += "<liga ir=\"t" + QByteArray::number(i) + "\">m" + QByteArray::number(i) + "</liga>";
    config += "<liga x=\"1\" ir=\"no\">m16</liga>";
    lerlibro(config, {});
    EXPECT_EQ(b->txmenus[0], "m0");
    EXPECT_TRUE(b->txmenus[1].isEmpty());
    EXPECT_TRUE(b->txligas[1].isEmpty());
    EXPECT_EQ(b->txmenus[13], "m13");
    EXPECT_EQ(b->txligas[13], "t13");
}

TEST_F(LerLibro, FilesPicturesSoundsAndButtons) {
    const InformeLectura inf = lerlibro(
        "<adxuntos>res\\a.png,res/c.png</adxuntos><logo>res\\a.png</logo>"
        "<imaxefondo posx=\"15\" posy=\"-7\" trans=\"40\">res\\c.png</imaxefondo><imbarra "
        ">res\\a.png</imbarra>"
        "<sonido nivel=\"60\" modo=\"1\" >res\\b.mp3</sonido>"
        "<correcto son=\"res\\b.mp3\">Good</correcto><incorrecto son=\"\" modo=\"1\" >Bad</incorrecto>",
        {});
    EXPECT_EQ(b->adxuntos, QStringList({d.ruta("res/a.png"), d.ruta("res/c.png")}));
    EXPECT_EQ(b->arquivologo, d.ruta("res/a.png"));
    EXPECT_EQ(b->txtlogo, "a.png");
    EXPECT_EQ(b->arquivofondo, d.ruta("res/c.png"));
    EXPECT_EQ(b->txtimaxe, "c.png");
    EXPECT_EQ(b->fondox, "15");
    EXPECT_EQ(b->fondoy, "-7");
    EXPECT_EQ(b->trpf, "40");
    EXPECT_EQ(b->arquivobarra, d.ruta("res/a.png"));
    EXPECT_EQ(b->nomimbarra, "a.png");
    EXPECT_EQ(b->arquivosonido, d.ruta("res/b.mp3"));
    EXPECT_EQ(b->soncontinuo, "b.mp3");
    EXPECT_EQ(b->sonvol, "60");
    EXPECT_TRUE(b->chkrepiteson);
    EXPECT_EQ(b->txtben, "Good");
    EXPECT_EQ(b->arquivocorrecto, d.ruta("res/b.mp3"));
    EXPECT_EQ(b->benson, "b.mp3");
    EXPECT_EQ(b->txtmal, "Bad");
    EXPECT_TRUE(b->arquivoincorrecto.isEmpty());

    const std::vector<InformeLectura::Imaxe> imaxes = {{ImaxeLibro::logo, d.ruta("res/a.png")},
                                                       {ImaxeLibro::fondo, d.ruta("res/c.png")},
                                                       {ImaxeLibro::barra, d.ruta("res/a.png")}};
    EXPECT_EQ(inf.imaxes, imaxes);
    ASSERT_TRUE(inf.posicionfondo);
    EXPECT_EQ(*inf.posicionfondo, (InformeLectura::Posicion{8, -4})) << "halves rounded to even";
    EXPECT_EQ(inf.sons, (std::vector<SonLibro>{SonLibro::continuo, SonLibro::correcto}));
}

TEST_F(LerLibro, BackgroundPositionThatIsNoNumberPlacesNoFrame) {
    const InformeLectura inf = lerlibro("<imaxefondo posx=\"a\" posy=\"\">res\\c.png</imaxefondo>", {});
    EXPECT_EQ(b->fondox, "a");
    EXPECT_EQ(b->fondoy, "");
    EXPECT_EQ(b->trpf, "100");
    EXPECT_FALSE(inf.posicionfondo);
    EXPECT_EQ(inf.imaxes.size(), 1u);
}

TEST_F(LerLibro, CheckBoxesAndChoicesSurviveASaveAndReload) {
    struct Caso {
        const char* nome;
        QByteArray config;
        bool chkben, chkmal, chskin1, chskin2;
    } casos[] = {
        {"no elements keep the reset", "", true, true, true, false},
        {"messages with modo",
         "<correcto son=\"\" modo=\"1\" >R</correcto><incorrecto son=\"\" modo=\"1\" >W</incorrecto>", true,
         true, true, false},
        {"messages without modo uncheck",
         "<correcto son=\"\">R</correcto><incorrecto son=\"\">W</incorrecto>", false, false, true, false},
        {"skin 2", "<aspectosup >2</aspectosup><aspectoinf >2</aspectoinf>", true, true, false, true},
        {"skin 0", "<aspectosup >0</aspectosup><aspectoinf >0</aspectoinf>", true, true, false, false},
        {"skin files", "<aspectosup >res\\a.png</aspectosup><aspectoinf >res\\c.png</aspectoinf>", true, true,
         true, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        b = librobaleiro(d.carpeta());
        lerlibro(c.config, {});
        EXPECT_EQ(b->chkben, c.chkben);
        EXPECT_EQ(b->chkmal, c.chkmal);
        EXPECT_EQ(b->chskin1, c.chskin1);
        EXPECT_EQ(b->chskin2, c.chskin2);
    }
    EXPECT_EQ(b->arquivoaspectosup, d.ruta("res/a.png"));
    EXPECT_EQ(b->skin1, "a.png");
    EXPECT_EQ(b->skin2, "c.png");
}

TEST_F(LerLibro, SwitchesAndMenuOrientation) {
    lerlibro("<pel>1</pel><informe>0</informe><botonson>x</botonson><maximizar>1</maximizar>"
             "<desordenar>1</desordenar><modomenu>2</modomenu>",
             {});
    EXPECT_TRUE(b->pel);
    EXPECT_FALSE(b->binfor);
    EXPECT_TRUE(b->bson);
    EXPECT_TRUE(b->bmaxi);
    EXPECT_TRUE(b->desordenpax);
    EXPECT_FALSE(b->chhorizontal);
    EXPECT_TRUE(b->chdereita);
}

TEST_F(LerLibro, HelpAddressComesBackUnresolved) {
    struct Caso {
        QByteArray valor;
        QString arquivo, edit;
    } casos[] = {
        {"http://x.org/help.htm", "http://x.org/help.htm", "http://x.org/help.htm"},
        {"HTTPS://x.org/a?b=1&amp;c=2", "HTTPS://x.org/a?b=1&c=2", "HTTPS://x.org/a?b=1&c=2"},
        {"res\\a.png", "{d}res/a.png", "a.png"},
    };
    for (const Caso& c : casos) {
        b = librobaleiro(d.carpeta());
        lerlibro("<axuda>" + c.valor + "</axuda>", {});
        EXPECT_EQ(b->arquivoaxuda, d.expandir(c.arquivo));
        EXPECT_EQ(b->axuda, c.edit);
    }
}

// ---------------------------------------------------------------------------------------------
// The resource folder

TEST_F(LerLibro, RecursosVariants) {
    d.crear("imaxes/p.png");
    d.crear("store/only.png");
    const QString fora = d.ruta("store");
    struct Caso {
        const char* nome;
        QByteArray recursos;
        QString txtdirrec, prefixo, arquivo, nomealmacen;
    } casos[] = {
        {"no recursos", "", "{d}", "{d}", "{d}res/a.png", ""},
        {"an existing folder with its delimiter", "<recursos>$" + fora.toUtf8() + "/</recursos>", "{d}store/",
         "", "{d}res/a.png", ""},
        {"an existing folder without its delimiter: the prefix stays empty",
         "<recursos>$" + fora.toUtf8() + "</recursos>", "{d}store", "", "{d}res/a.png", ""},
        {"a missing folder: the book's folder", "<recursos>$/no/such/folder/</recursos>", "{d}", "",
         "{d}res/a.png", ""},
        {"a plain name: files beside the book are not looked for", "<recursos>imaxes</recursos>", "imaxes",
         "{d}imaxes/", "a.png", "imaxes"},
        {"an empty element", "<recursos></recursos>", "{d}", "{d}", "{d}res/a.png", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        b = librobaleiro(d.carpeta());
        b->nomealmacen = "from the last book";
        lerlibro(c.recursos, xmlpaxina(1, "<tipo>1</tipo><son>res\\a.png</son>"));
        EXPECT_EQ(b->txtdirrec, d.expandir(c.txtdirrec));
        EXPECT_EQ(b->recursoslectura, d.expandir(c.prefixo));
        EXPECT_EQ(b->carpetarecursos, d.expandir(c.prefixo));
        EXPECT_EQ(b->paxina(1)[36], d.expandir(c.arquivo));
        EXPECT_EQ(b->nomealmacen, c.nomealmacen);
    }
}

TEST_F(LerLibro, RecursosPrefixAndFallback) {
    d.crear("imaxes/p.png");
    d.crear("store/only.png");
    // A plain name: files are looked for in that folder beside the book.
    lerlibro("<recursos>imaxes</recursos><logo>p.png</logo>", {});
    EXPECT_EQ(b->arquivologo, d.ruta("imaxes/p.png"));

    // A folder: files not found beside the book come from the folder by name.
    b = librobaleiro(d.carpeta());
    lerlibro("<recursos>$" + d.ruta("store").toUtf8() + "</recursos><logo>C:\\old\\only.png</logo>",
             xmlpaxina(1, "<tipo>1</tipo><imaxe>elsewhere\\only.png</imaxe>"));
    EXPECT_EQ(b->arquivologo, d.ruta("store/only.png"));
    EXPECT_EQ(b->paxina(1)[14], d.ruta("store/only.png"));
}

// ---------------------------------------------------------------------------------------------
// Whole book and import

QByteArray librodedez() {
    QByteArray libro;
    for (int i = 1; i <= 10; ++i)
        libro += xmlpaxina(i, "<tipo>2</tipo><cabeceira>src" + QByteArray::number(i) +
                                  "</cabeceira><texto><![CDATA[w]]></texto><son>b.mp3</son>");
    return xmllibro("<titulo>Source</titulo><recursos>imaxes</recursos><corfondo>zz</corfondo>", libro);
}

TEST_F(LerLibro, ImportFillsTheRangeAfterTheCurrentPageOnly) {
    CarpetaLibro fonte;
    fonte.crear("imaxes/b.mp3");
    // An open book of 5 pages with room made for pages 3..5 after page 2.
    b->numpaxinas = 8;
    for (int fila = 1; fila <= 8; ++fila)
        b->paxina(fila)[0] = fila >= 3 && fila <= 5 ? QString() : QString("own%1").arg(fila);
    b->txttitulo = "Mine";
    b->carpetarecursos = "/mine/";
    Lectura importacion;
    importacion.completo = false;
    importacion.destino = 2;
    importacion.desde = 3;
    importacion.ata = 5;
    importacion.carpetalectura = fonte.carpeta();
    importacion.carpetaimportacion = fonte.carpeta();

    const InformeLectura inf = ler(*b, librodedez(), importacion);
    EXPECT_EQ(b->numpaxinas, 8);
    EXPECT_EQ(inf.paxinas, 8);
    EXPECT_EQ(inf.ultimafila, 5);
    for (int fila = 1; fila <= 8; ++fila) {
        if (fila >= 3 && fila <= 5) {
            EXPECT_EQ(b->paxina(fila)[35], QString("src%1").arg(fila));
            EXPECT_EQ(b->paxina(fila)[36], fonte.ruta("imaxes/b.mp3")) << "recursos of the import's folder";
        } else {
            EXPECT_EQ(b->paxina(fila)[0], QString("own%1").arg(fila));
        }
    }
    EXPECT_EQ(b->txttitulo, "Mine");
    EXPECT_EQ(b->carpetarecursos, "/mine/");
    EXPECT_TRUE(inf.cores.empty());
}

TEST_F(LerLibro, ImportFromASecondLibroSectionStaysInTheRoomMade) {
    b->numpaxinas = 6;
    for (int fila = 1; fila <= 6; ++fila)
        b->paxina(fila)[0] = QString("own%1").arg(fila);
    b->paxina(3)[0].clear();
    b->paxina(4)[0].clear();
    Lectura importacion = lecturacompleta(*b);
    importacion.completo = false;
    importacion.destino = 2;
    importacion.desde = 1;
    importacion.ata = 2;
    QByteArray seccion =
        "<libro>" + xmlpaxina(1, "<tipo>1</tipo>") + xmlpaxina(2, "<tipo>2</tipo>") + "</libro>";
    ler(*b, "<zub version=\"1\">" + seccion + seccion + "</zub>", importacion);
    EXPECT_EQ(b->paxina(3)[0], "1");
    EXPECT_EQ(b->paxina(4)[0], "2");
    EXPECT_EQ(b->paxina(5)[0], "own5");
    EXPECT_EQ(b->paxina(6)[0], "own6");
}

TEST_F(LerLibro, WholeBookReadsEverything) {
    d.crear("imaxes/b.mp3");
    const InformeLectura inf = ler(*b, librodedez());
    EXPECT_EQ(b->numpaxinas, 10);
    EXPECT_EQ(inf.paxinas, 10);
    EXPECT_EQ(b->txttitulo, "Source");
    EXPECT_EQ(b->paxina(10)[35], "src10");
    EXPECT_EQ(b->paxina(1)[36], d.ruta("imaxes/b.mp3"));
    EXPECT_EQ(b->carpetarecursos, d.ruta("imaxes/"));
}

// ---------------------------------------------------------------------------------------------
// From file bytes to the parser

TEST(TextoLibro, LinesSplitAtLineFeedOnly) {
    struct Caso {
        QByteArray entrada, saida;
    } casos[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"x\r|y\r\n", "x\r|y\r\n"}, // type 42: a lone CR before "|" is no line end
        {" \t\r\n  <zub/>", "<zub/>\r\n"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(textolibro(c.entrada), c.saida) << c.entrada.toStdString();
}

TEST(TextoLibro, EncodedFormAndEncodings) {
    const QByteArray libro =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><zub v=\"1\"><config><titulo>\xc3\xa1</titulo>"
        "</config></zub>";
    const auto titulo = [](const QByteArray& datos) {
        TXMLDoc doc;
        analizarlibro(doc, datos);
        auto b = librobaleiro(QString());
        LoadItem(*b, *doc.Nodes.Items(0), lecturacompleta(*b));
        return b->txttitulo;
    };
    EXPECT_EQ(titulo(libro), QString::fromUtf8("\xc3\xa1"));
    EXPECT_EQ(titulo("\r\n  " + codificalibro(QString::fromUtf8(libro)).toLatin1()),
              QString::fromUtf8("\xc3\xa1"));
    QByteArray maiusculas = libro;
    maiusculas.replace("utf-8", "UTF-8");
    EXPECT_EQ(titulo(maiusculas), QString::fromUtf8("\xc3\xa1"));
    QByteArray latin1 = libro;
    latin1.replace("utf-8", "ISO-8859-1").replace("\xc3\xa1", "\xe1");
    EXPECT_EQ(titulo(latin1), QString::fromUtf8("\xc3\xa1"));
}

TEST(TextoLibro, Type42TextKeepsItsLinesThroughTheFile) {
    const QByteArray ficheiro = "<zub v=\"1\"><libro><paxina id=\"1\" ><tipo>42</tipo>"
                                "<texto><![CDATA[one\r|two\r|three]]></texto></paxina></libro></zub>\r\n";
    TXMLDoc doc;
    analizarlibro(doc, ficheiro);
    auto b = librobaleiro(QString());
    LoadItem(*b, *doc.Nodes.Items(0), lecturacompleta(*b));
    EXPECT_EQ(b->texto(1, 1), "one\r|two\r|three");
}

TEST(Entidades, DecodedOnceFromLeftToRight) {
    EXPECT_EQ(descodificaentidades("plain"), "plain");
    EXPECT_EQ(descodificaentidades("&amp;lt; &lt;&gt;&quot;&apos;"), "&lt; <>\"'");
    EXPECT_EQ(descodificaentidades("a & b &nbsp; &#65; &"), "a & b &nbsp; &#65; &");
}

} // namespace

// The text the parser gets: every line ended by CR LF, leading blanks gone. A file already in CR
// LF from its first byte is handed over as it is, without a copy.
TEST(Textolibro, LinesEndInCrLf) {
    const struct {
        QByteArray entrada, saida;
    } casos[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb", "a\r\nb\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {" \r\n\t<a/>\r\n", "<a/>\r\n"},
        {"a\r\r\n", "a\r\r\n"},
        {"a\rb\r\n", "a\rb\r\n"},
        {"x\r\n\ny\r\n", "x\r\n\r\ny\r\n"},
        {"\n", ""},
        {"", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(textolibro(c.entrada), c.saida) << c.entrada.toStdString();
    const QByteArray libro = "<?xml version=\"1.0\"?>\r\n<zub>\r\n</zub>\r\n";
    EXPECT_EQ(textolibro(libro).constData(), libro.constData());
}
