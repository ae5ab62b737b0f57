#include "publish/jsonlibro.h"

#include "ficheiros.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

// "v1","v2",... for the fields a..b, with a prefix ("r/" for addresses in the store "r").
QString ls(const char* prefixo, int a, int b) {
    QStringList r;
    for (int i = a; i <= b; ++i)
        r << QStringLiteral("\"%1v%2\"").arg(QLatin1String(prefixo)).arg(i);
    return QLatin1Char('[') + r.join(u',') + QLatin1Char(']');
}

// Composite items "p1||p2..." written out for i = 1..n by the pattern (%1 = i + offset...).
QString items(int n, const std::function<QString(int)>& item) {
    QStringList r;
    for (int i = 1; i <= n; ++i)
        r << u'"' + item(i) + u'"';
    return QLatin1Char('[') + r.join(u',') + QLatin1Char(']');
}

QString v(int n) {
    return QStringLiteral("v%1").arg(n);
}
QString a(int n) {
    return QStringLiteral("r/v%1").arg(n);
}

// A book of one page of the type, every field "vN", the long text "w0".
Book librocampos(int tipo) {
    Book l;
    l.numpaxinas = 1;
    l.paxina(1)[0] = QString::number(tipo);
    for (int c = 1; c < Tpaxina::numcampos; ++c)
        l.paxina(1)[c] = v(c);
    l.texto(1, 1) = QStringLiteral("w0");
    return l;
}

OpcionsJson exportacion() {
    OpcionsJson o;
    o.recursos = QStringLiteral("r");
    return o;
}

} // namespace

// One object per type, written from the key lists of the format: a wrong field number shows as
// the wrong "vN".
TEST(Obxectopaxina, EveryTypeWithEveryFieldSet) {
    const QString comun = QStringLiteral(R"("id":"1","txcabe":"v35","txpe":"v34","pxliga":"v38||v39",)"
                                         R"("mensaben":"v40","mensamal":"v41")");
    const QString imaxe = QStringLiteral(R"(,"imaxe":"r/v14")");
    const QString posicion = QStringLiteral(R"(,"posx":"v28","posy":"v29")");
    const QString altim = QStringLiteral(R"(,"altim":"v33")");
    const QString son = QStringLiteral(R"(,"ison":"r/v36")");
    struct Caso {
        int tipo;
        const char* nome;
        QString antes; // common pairs after "mensamal"
        QString propios;
    };
    const QString is = imaxe + son;
    const Caso casos[] = {
        {1, "test", imaxe + altim + son,
         R"("texto":"w0","respuestas":)" + ls("", 2, 5) + R"(,"feed":)" + ls("", 6, 9) + R"(,"corr":"1111")"},
        {2, "imaxetexto", imaxe + posicion + altim + son, {}},
        {3, "puzzle", is,
         R"("imfondo":"r/v6","trans":"v3","filas":"v9","columnas":"v10","reixa":"v4","forma":"0")"},
        {4, "sopa", is,
         R"("modo":"1","enunciados":)" + ls("", 18, 25) + R"(,"palabras":)" + ls("", 1, 8) +
             R"(,"enunciado":"v9","colorea":"v10","cadro":"v11","fondo":"v28","letras":"v28","tam":"16")"},
        {5, "raiosx", is,
         R"("texto":"w0","imfondo":"r/v6","posx":"v8","posy":"v9","ctapa":"v29","resp":"v2","rdim":"v4")"},
        {6, "clasificar", is,
         R"("textos":)" + ls("", 3, 8) + R"(,"caixas":)" + ls("", 19, 24) + R"(,"txcaixas":)" + ls("", 1, 2) +
             R"(,"imfondo":)" + ls("r/", 9, 10) + R"(,"trnsimf":)" + ls("", 27, 28) + R"(,"modo":"v26")"},
        {7, "clasificarimx", is,
         R"("imaxes":)" + ls("r/", 3, 8) + R"(,"caixas":)" + ls("", 19, 24) + R"(,"txcaixas":)" +
             ls("", 1, 2) + R"(,"imfondo":)" + ls("r/", 9, 10) + R"(,"trnsimf":)" + ls("", 27, 28) +
             R"(,"cfondo":"v18","cadro":"v11","modo":"v26")"},
        {8, "frases", is,
         R"("textos":)" + ls("", 4, 6) + R"(,"sons":)" + ls("r/", 7, 9) + R"(,"respuestas":)" + ls("", 1, 3)},
        {9, "liga", is,
         R"("texto":"w0","forma":"r/v8","liga":)" + ls("", 2, 4) + R"(,"posx":)" + ls("", 9, 11) +
             R"(,"posy":)" + ls("", 19, 21) + R"(,"ir":)" + ls("", 5, 7)},
        {10, "preguntas", is, R"("preguntas":)" + ls("", 1, 4) + R"(,"resp":)" + ls("", 5, 8)},
        {11, "identificarimx", is,
         R"("etiquetas":)" + items(5, [](int i) { return a(i) + "||||" + v(5 + i); })},
        {12, "galeriaimx", son,
         R"("etiquetas":)" +
             items(6, [](int i) { return a(i) + "||" + a(6 + i) + "||" + a(12 + i) + "||" + v(18 + i); }) +
             R"(,"modo":"1")"},
        {13, "unir", is, R"("textos":)" + ls("", 6, 10) + R"(,"unir":)" + ls("", 1, 5)},
        {14, "unirimx", is,
         R"("etiquetas":)" +
             items(
                 3,
                 [](int i) { return a(3 + i) + "||" + a(9 + i) + "||" + a(i) + "||" + v(6 + i) + "||||"; }) +
             R"(,"cfondo":"v18")"},
        {15, "menu", is, R"("cfondo":"v18","ctexto":"v19")"},
        {16, "externa", is,
         R"("dimx":"v17","dimy":"v6","altimaxe":"v33","externa":"v18","estado":"v2","intentos":"v3")"},
        {17, "parellas", is,
         R"("imaxes":)" + ls("r/", 1, 6) + R"(,"cfondo":"v18","ctapa":"v29","tempo":"v28","modo":"0")"},
        {18, "completar", is,
         R"("modo":"v26","textos":)" +
             items(6, [](int i) { return v(6 + i) + "||" + v(i) + "||" + v(18 + i); })},
        {19, "secreta", imaxe + altim + son,
         R"("texto":"w0","palabras":"v2","letras":"v6","modo":"v26","forma":"v8")"},
        {20, "etiquetas", is,
         R"("modo":"v26","etiquetas":)" +
             items(6, [](int i) { return v(i) + "||" + v(6 + i) + "||" + v(18 + i); })},
        {21, "galeriasons", son,
         R"("etiquetas":)" + items(6, [](int i) { return a(12 + i) + "||" + a(i) + "||" + v(18 + i); }) +
             R"(,"modo":"v26")"},
        {22, "identificarimx", is,
         R"("etiquetas":)" + items(5, [](int i) { return a(i) + "||" + a(17 + i) + "||" + v(5 + i); })},
        {23, "moverimx", is,
         R"("modo":"v26","etiquetas":)" +
             items(6, [](int i) { return a(i) + "||" + v(6 + i) + "||" + v(18 + i); })},
        {24, "seleccionar", is,
         R"("etiquetas":)" + items(6, [](int i) { return v(i) + "||" + v(6 + i) + "||" + a(18 + i); }) +
             R"(,"cfondo":"v18")"},
        {25, "reloxo", is, R"("forma":"v8","modo":"v26","texto":"w0","hora":"v3","reloxo":"v2")"},
        {26, "operacion", is, R"("forma":"v8","modo":"v26","numeros":)" + ls("", 2, 5)},
        {27, "paneldeb", is, R"("modo":"v26","etiquetas":)" + ls("r/", 1, 8)},
        {28, "liga", imaxe,
         R"("texto":"w0","forma":"r/v14","liga":)" + ls("", 20, 29) + R"(,"ir":)" + ls("", 3, 12) +
             R"(,"modo":"1")"},
        {29, "texto", is, R"("forma":"v8","modo":"v26","texto":"w0","ctexto":"v19")"},
        {30, "etiquetastxt", imaxe + posicion + altim + son,
         R"("modo":"v26","tam":"v18","etiquetas":)" +
             items(6, [](int i) { return v(i) + "||" + v(6 + i) + "||" + v(18 + i); })},
        {31, "medidas", is,
         R"("texto":"v6","valor":"v18","etiquetas":)" +
             items(4, [](int i) { return v(i) + "||" + v(6 + i) + "||" + a(18 + i); })},
        {32, "serie", is, R"("modo":"v26","etiquetas":)" + ls("r/", 1, 4)},
        {33, "operacion", is,
         R"("modo":"v26","forma":"v8","valor":"1","alea":"1","numeros":)" + ls("", 2, 3)},
        {34, "ordenar", is, R"("modo":"v26","forma":"v8","texto":"v1")"},
        {35, "ordenarimx", is, R"("modo":"v26","forma":"v8","imaxes":)" + ls("r/", 1, 5)},
        {36, "cuadros", is, R"("forma":"v8")"},
        {37, "piramide", is, R"("texto":"w0","palabras":)" + ls("", 1, 6)},
        {38, "plantilla", imaxe + altim + son,
         R"("forma":"v8","cfondo":"v18","resp":"v2","ctexto":"v19","boton":"v20||v3")"},
        {39, "parellas", is,
         R"("tempo":"v28","imaxes":)" + items(6, [](int i) { return a(i) + "||||"; }) + R"(,"etiquetas":)" +
             items(12, [](int i) { return a(i) + "||" + (i > 6 ? v(12 + i) : QString()) + "||"; }) +
             R"(,"modo":"v26","cfondo":"v18","ctapa":"v29")"},
        {40, "fraccion", is,
         R"("modo":"v26","forma":"v8","numeros":)" + ls("", 2, 5) + R"(,"resp":)" + ls("", 6, 7)},
        {41, "fraccion", is, R"("modo":"v26","forma":"v8","alea":"1","numeros":)" + ls("", 2, 3)},
        {42, "esquema", is, R"("forma":"v8","texto":"w0")"},
        {43, "letras", son,
         R"("forma":"1","palabras":["v1"],"imaxes":["r/v14"],"letras":"v19","texto":"w0")"},
        {44, "identificarimx", is,
         R"("etiquetas":)" + items(3, [](int i) { return a(i) + "||" + a(17 + i) + "||" + v(5 + i); }) +
             R"(,"modo":"2")"},
        {45, "dictado", is, R"("modo":"v26","forma":"v8","texto":"w0","son":"r/v9")"},
        {46, "relacionar", is,
         R"("modo":"v26","forma":"v8","palabras":)" +
             items(6, [](int i) { return v(i) + "||" + v(18 + i); }) + R"(,"etiquetas":)" + ls("", 7, 12)},
        {47, "clasificar", is,
         R"("textos":)" + ls("", 3, 8) + R"(,"caixas":)" + ls("", 19, 24) + R"(,"txcaixas":"v1")"},
        {48, "frases", is,
         R"("imaxes":)" + ls("r/", 19, 23) + R"(,"sons":)" + ls("r/", 7, 11) + R"(,"respuestas":)" +
             ls("", 1, 5)},
        {49, "formulas", is,
         R"("modo":"v26","etiquetas":)" +
             items(6, [](int i) { return v(6 + i) + "||" + v(18 + i) + "||" + v(i); })},
        {50, "letras", is,
         R"("imaxes":)" + ls("r/", 4, 6) + R"(,"sons":)" + ls("r/", 10, 12) + R"(,"palabras":)" +
             ls("", 1, 3) + R"(,"letras":"v19")"},
        {51, "memoria", is, R"("imaxes":)" + ls("r/", 4, 5) + R"(,"cadro":"v11","numero":"v18")"},
    };
    ASSERT_EQ(std::size(casos), 51u);
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.tipo);
        const QString esperado = QStringLiteral("{\"properties\": { \"type\":\"") + QLatin1String(k.nome) +
                                 "\"," + comun + k.antes + (k.propios.isEmpty() ? "" : ",") + k.propios +
                                 "}}";
        const QString obxecto = obxectopaxina(librocampos(k.tipo), 1, exportacion());
        EXPECT_EQ(obxecto, esperado);
        QJsonParseError erro;
        QJsonDocument::fromJson(obxecto.toUtf8(), &erro);
        EXPECT_EQ(erro.error, QJsonParseError::NoError) << erro.errorString().toStdString();
    }
}

// The conditions and modes of single types, each page object whole.
TEST(Obxectopaxina, ModesConditionsAndGates) {
    struct Caso {
        const char* nome;
        const char* tipo;
        std::vector<std::pair<int, const char*>> campos;
        const char* w0;
        const char* esperado;
    };
    const Caso casos[] = {
        {"external activity without activity: no type",
         "16",
         {{17, "640"}},
         "",
         R"({"properties": { "id":"1"}})"},
        {"secret word without word: no type", "19", {{6, "abc"}}, "t", R"({"properties": { "id":"1"}})"},
        {"unknown type number",
         "52",
         {{35, "h"}, {9, "x"}},
         "",
         R"({"properties": { "id":"1","txcabe":"h"}})"},
        {"type code that is no number",
         "x3",
         {{14, "/a/p.png"}},
         "",
         R"({"properties": { "id":"1","imaxe":"p.png"}})"},
        {"test: two answers, four marks, the kept answers' marks first",
         "1",
         {{2, "a"}, {4, "c"}, {19, "0"}, {21, "0"}},
         "",
         R"({"properties": { "type":"test","id":"1","respuestas":["a","c"],"corr":"0011"}})"},
        {"test: comments in step with the kept answers",
         "1",
         {{3, "b"}, {5, "d"}, {6, "for the empty first"}, {9, "on d"}, {20, "0"}},
         "",
         R"({"properties": { "type":"test","id":"1","respuestas":["b","d"],"feed":["","on d"],"corr":"0111"}})"},
        {"find a word with pictures",
         "4",
         {{26, "2"}, {18, "/i/a b.png"}, {1, "can"}},
         "",
         R"({"properties": { "type":"sopa","id":"1","modo":"2","enunciados":["a_b.png"],"palabras":["can"],"tam":"16"}})"},
        {"identify pictures, mode 3",
         "11",
         {{26, "3"}},
         "",
         R"({"properties": { "type":"identificarimx","id":"1","modo":"2"}})"},
        {"identify sounds, mode 5",
         "22",
         {{26, "5"}},
         "",
         R"({"properties": { "type":"identificarimx","id":"1","modo":"3"}})"},
        {"gallery without small pictures, no cover",
         "12",
         {{7, "/g.png"}, {29, "0"}},
         "",
         R"({"properties": { "type":"galeriaimx","id":"1","modo":"1","ctapa":"0"}})"},
        {"gallery caption loses its bars",
         "12",
         {{1, "/p.png"}, {19, "a||b|c"}},
         "",
         R"({"properties": { "type":"galeriaimx","id":"1","etiquetas":["p.png||||||ab|c"],"modo":"1"}})"},
        {"tags as pictures, a typed tag as its text",
         "20",
         {{26, "7"}, {1, "/t/x.png"}, {7, "10"}, {2, "gato branco"}},
         "",
         R"({"properties": { "type":"etiquetas","id":"1","modo":"7","etiquetas":["x.png||10||","gato branco||||"]}})"},
        {"picture and text: picture placed by itself",
         "2",
         {{14, "/p.png"}, {15, "1"}, {28, "5"}},
         "",
         R"({"properties": { "type":"imaxetexto","id":"1","imaxe":"p.png","autoim":"1","posx":"5"}})"},
        {"links 2: no page sound",
         "28",
         {{36, "/s.mp3"}, {37, "1"}},
         "",
         R"({"properties": { "type":"liga","id":"1","modo":"1"}})"},
        {"page sound playing by itself, navigation blocked",
         "13",
         {{36, "/s.mp3"}, {37, "1"}, {31, "1"}, {32, "1"}},
         "",
         R"({"properties": { "type":"unir","id":"1","ipasar":"1","dpasar":"1","ison":"s.mp3","autoson":"1"}})"},
        {"text with its own background",
         "29",
         {{30, "1"}, {18, "ff0000"}},
         "",
         R"({"properties": { "type":"texto","id":"1","cfondo":"ff0000"}})"},
        {"squares in mode 1",
         "36",
         {{26, "1"}, {18, "1"}, {1, "3"}, {7, "4"}},
         "",
         R"({"properties": { "type":"cuadros","id":"1","valor":"1","modo":"1","cadros":["3","4"]}})"},
        {"squares in mode 2",
         "36",
         {{26, "2"}, {1, "3"}},
         "",
         R"({"properties": { "type":"cuadros","id":"1"}})"},
        {"template without button",
         "38",
         {{3, "dest"}},
         "",
         R"({"properties": { "type":"plantilla","id":"1"}})"},
        {"pairs 2 with sounds",
         "39",
         {{26, "2"}, {1, "/a.mp3"}, {12, "/b.mp3"}, {19, "t"}},
         "",
         R"({"properties": { "type":"parellas","id":"1","sons":["a.mp3","b.mp3"],"modo":"2"}})"},
        {"pairs 2: a text without its picture",
         "39",
         {{26, "1"}, {20, "t8"}, {13, "/page.png"}},
         "",
         R"({"properties": { "type":"parellas","id":"1","etiquetas":["||t8||"],"modo":"1"}})"},
        {"fraction without a fourth number",
         "40",
         {{2, "1"}, {6, "r"}},
         "",
         R"({"properties": { "type":"fraccion","id":"1","numeros":["1"]}})"},
        {"scheme of three lines with a choice",
         "42",
         {},
         "a\r\nb [o]\r\nc",
         R"({"properties": { "type":"esquema","id":"1","modo":"1","texto":"a|b [o]|c"}})"},
        {"spelling in mode 1",
         "43",
         {{26, "1"}, {14, "/w.png"}},
         "",
         R"({"properties": { "type":"letras","id":"1","forma":"1","imaxes":["w.png"],"modo":"1"}})"},
        {"identify 2: name with line breaks",
         "44",
         {{1, "/p.png"}, {6, "a\r\nb||c"}},
         "",
         R"({"properties": { "type":"identificarimx","id":"1","etiquetas":["p.png||||a<br>bc"],"modo":"2"}})"},
        {"formulas with an empty grid",
         "49",
         {{7, "x \t"}},
         "",
         R"({"properties": { "type":"formulas","id":"1","etiquetas":["x||||","||||","||||","||||","||||","||||"]}})"},
        {"memory with its defaults",
         "51",
         {{26, "1"}, {8, "1"}},
         "",
         R"({"properties": { "type":"memoria","id":"1","alea":"1","numero":"6","forma":"1"}})"},
        {"count: pictures beside their items",
         "31",
         {{1, "a"}, {19, "/c.png"}, {20, "/d.png"}},
         "",
         R"({"properties": { "type":"medidas","id":"1","etiquetas":["a||||c.png"]}})"},
    };
    OpcionsJson o;
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nome);
        Book l;
        l.numpaxinas = 1;
        l.paxina(1)[0] = q(k.tipo);
        for (const auto& [c, val] : k.campos)
            l.paxina(1)[c] = q(val);
        l.texto(1, 1) = q(k.w0);
        EXPECT_EQ(obxectopaxina(l, 1, o), q(k.esperado));
    }
}

TEST(Obxectopaxina, PreviewAddressesAreEncodedFileAddressesAndWebAddressesStay) {
    Book l;
    l.numpaxinas = 1;
    l.paxina(1)[0] = "35";
    l.paxina(1)[1] = "/home/a/#1 50%?.png";
    l.paxina(1)[2] = "HTTPS://x.org/httpdocs/b.png";
    l.paxina(1)[3] = "/srv/httpdocs/c.png";
    OpcionsJson o;
    o.exportando = false;
    EXPECT_EQ(
        obxectopaxina(l, 1, o),
        R"({"properties": { "type":"ordenarimx","id":"1","imaxes":["file:///home/a/%231%2050%25%3F.png",)"
        R"("HTTPS://x.org/httpdocs/b.png","file:///srv/httpdocs/c.png"]}})");
    o.exportando = true;
    o.recursos = "rec";
    EXPECT_EQ(obxectopaxina(l, 1, o),
              R"({"properties": { "type":"ordenarimx","id":"1","imaxes":["rec/_1_50__.png",)"
              R"("HTTPS://x.org/httpdocs/b.png","rec/c.png"]}})");
}

TEST(Configuracion, EmptyBookHasThreePairsThePreviewFour) {
    Book l;
    l.chkben = l.chkmal = false;
    OpcionsJson o;
    EXPECT_EQ(configuracionjson(l, o), R"({"version":"5.6","idioma":"ESP","licencia":""})");
    o.exportando = false;
    o.paxinaactual = 7;
    EXPECT_EQ(configuracionjson(l, o), R"({"version":"5.6","npax":"7","idioma":"ESP","licencia":""})");
}

TEST(Configuracion, EachPairOnInItsPlace) {
    QTemporaryDir tmp;
    const QString d = tmp.path() + "/";
    escribir(d + "guia 1.pdf", "x");
    escribir(d + "b.txt", "x");
    struct Caso {
        const char* nome;
        std::function<void(Book&)> por;
        const char* pares; // between "idioma" ... and the end; {L} stands for "licencia":""
    };
    const Caso casos[] = {
        {"tag escaped", [](Book& l) { l.txtag = "a\\b'c"; }, R"("tag":"a/b&#39;c","idioma":"ESP",{L})"},
        {"store name raw", [](Book& l) { l.nalmacen = "rec"; }, R"("recursos":"rec","idioma":"ESP",{L})"},
        {"licence escaped", [](Book& l) { l.txtlicencia = "CC\tBY"; },
         R"("idioma":"ESP","licencia":"CC    BY")"},
        {"attachments that exist, by their store names",
         [d](Book& l) {
             l.adxuntos = {d + "guia 1.pdf", d + "none.pdf", d + "b.txt"};
         },
         R"("idioma":"ESP",{L},"adxuntos":"guia_1.pdf,b.txt")"},
        {"mode and colours",
         [](Book& l) {
             l.tipolibro = "2";
             l.corfondolibro = "ffffff";
             l.corbandalibro = "111111";
             l.cornavegalibro = "222222";
             l.cormensaxeslibro = "333333";
             l.cortextolibro = "000000";
         },
         R"("idioma":"ESP",{L},"modo":"2","corfondo":"ffffff","cormensaxes":"333333","cortexto":"000000")"},
        {"band and bar colours when checked",
         [](Book& l) {
             l.corbandalibro = "111111";
             l.cornavegalibro = "222222";
             l.chbanda = l.chbarra = true;
         },
         R"("idioma":"ESP",{L},"corbanda":"111111","cornavega":"222222")"},
        {"texts escaped",
         [](Book& l) {
             l.txttitulo = "O'Neil";
             l.txtsub = "s";
             l.txtautor = "a";
             l.txtiden = "i";
         },
         R"("idioma":"ESP",{L},"titulo":"O&#39;Neil","subtitulo":"s","autor":"a","iden":"i")"},
        {"logo with its raw link",
         [](Book& l) {
             l.arquivologo = "/x/Logo ñ.png";
             l.saltologo = "C:\\docs\\x.html";
         },
         R"("idioma":"ESP",{L},"logo":"Logo_nn.png","lnklogo":"C:\\docs\\x.html")"},
        {"link without logo", [](Book& l) { l.saltologo = "x"; }, R"("idioma":"ESP",{L})"},
        {"background picture, y before x, lenient numbers",
         [](Book& l) {
             l.arquivofondo = "/f.jpg";
             l.fondox = "007";
             l.fondoy = "a";
             l.trpf = "50";
         },
         R"("idioma":"ESP",{L},"imaxefondo":{"nome":"f.jpg","posy":"0","posx":"7","trans":"50","repeat":"0"})"},
        {"bar and skins by their stored names",
         [](Book& l) {
             l.arquivobarra = "/b/Barra 1.png";
             l.nomimbarra = "Barra 1.png";
             l.arquivoaspectosup = "/b/s.png";
             l.arquivoaspectoinf = "/b/i.png";
         },
         R"("idioma":"ESP",{L},"imbarra":"Barra_1.png","aspectosup":"s.png","aspectoinf":"i.png")"},
        {"help as a web address", [](Book& l) { l.axuda = "https://x.org/a"; },
         R"("idioma":"ESP",{L},"axuda":"https://x.org/a")"},
        {"help from its path",
         [](Book& l) {
             l.axuda = "axuda.htm";
             l.arquivoaxuda = "/l/Axuda 1.htm";
         },
         R"("idioma":"ESP",{L},"axuda":"Axuda_1.htm")"},
        {"help from its name, http inside a path", [](Book& l) { l.axuda = "httpdocs.htm"; },
         R"("idioma":"ESP",{L},"axuda":"httpdocs.htm")"},
        {"shuffled pages", [](Book& l) { l.desordenpax = true; }, R"("idioma":"ESP",{L},"desordenar":"1")"},
        {"sound with volume",
         [](Book& l) {
             l.arquivosonido = "/s.mp3";
             l.sonvol = "80";
         },
         R"("idioma":"ESP",{L},"sonido":"s.mp3||80")"},
        {"sound without volume",
         [](Book& l) {
             l.arquivosonido = "/s.mp3";
             l.sonvol = "";
         },
         R"("idioma":"ESP",{L},"sonido":"s.mp3||1")"},
        {"sound with volume, repeated",
         [](Book& l) {
             l.arquivosonido = "/s.mp3";
             l.sonvol = "80";
             l.chkrepiteson = true;
         },
         R"("idioma":"ESP",{L},"sonido":"s.mp3||80||1")"},
        {"sound without volume, repeated",
         [](Book& l) {
             l.arquivosonido = "/s.mp3";
             l.sonvol = "";
             l.chkrepiteson = true;
         },
         R"("idioma":"ESP",{L},"sonido":"s.mp3||1||1")"},
        {"default messages",
         [](Book& l) {
             l.chkben = true;
             l.chkmal = true;
         },
         R"("idioma":"ESP",{L},"ben":"CORRECTO","mal":"INCORRECTO")"},
        {"own messages written unchecked", [](Book& l) { l.txtben = "Ben"; },
         R"("idioma":"ESP",{L},"ben":"Ben")"},
        {"right and wrong sounds",
         [](Book& l) {
             l.benson = "ok.mp3";
             l.arquivocorrecto = "/ok.mp3";
             l.malson = "ko.mp3";
         },
         R"("idioma":"ESP",{L},"sonben":"ok.mp3","sonmal":"")"},
        {"characters", [](Book& l) { l.txcaracter = "ñ"; }, R"("idioma":"ESP",{L},"caracteres":"ñ")"},
        {"horizontal menu wins", [](Book& l) { l.chhorizontal = l.chdereita = true; },
         R"("idioma":"ESP",{L},"modomenu":"1")"},
        {"menu on the right", [](Book& l) { l.chdereita = true; }, R"("idioma":"ESP",{L},"modomenu":"2")"},
        {"menu links, an empty one in the middle skipped",
         [](Book& l) {
             l.txmenus[0] = "Inicio";
             l.txligas[0] = "1";
             l.txmenus[2] = "Fin's";
             l.txligas[2] = "http://x.org/a\\b";
         },
         R"("idioma":"ESP",{L},"menu":["Inicio||1","Fin&#39;s||http://x.org/a/b"])"},
        {"no menu without a first link", [](Book& l) { l.txmenus[3] = "x"; }, R"("idioma":"ESP",{L})"},
        {"final link raw", [](Book& l) { l.txtenlacefinal = "fin.html"; },
         R"("idioma":"ESP",{L},"final":"fin.html")"},
    };
    OpcionsJson o;
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nome);
        Book l;
        l.chkben = l.chkmal = false;
        k.por(l);
        const QString esperado =
            "{\"version\":\"5.6\"," + q(k.pares).replace("{L}", "\"licencia\":\"\"") + "}";
        EXPECT_EQ(configuracionjson(l, o), esperado);
    }
}

TEST(Configuracion, PlayerLanguageAndWriteBacks) {
    Book l;
    l.chkben = l.chkmal = false;
    const char* codigos[] = {"ESP", "GAL", "CAT", "EUS", "POR", "ENG", "AST", "VAL", "ESP"};
    for (int n = 0; n <= 8; ++n) {
        OpcionsJson o;
        o.idiomavisor = n;
        EXPECT_TRUE(configuracionjson(l, o).contains("\"idioma\":\"" + q(codigos[n]) + "\"")) << n;
    }
    l.axuda = "guia.htm";
    l.chkben = true;
    l.txtmal = "Mal";
    const DescricionLibro d = crearjson(l, OpcionsJson{});
    EXPECT_EQ(d.arquivoaxuda, "guia.htm");
    EXPECT_EQ(d.txtben, "CORRECTO");
    EXPECT_EQ(d.txtmal, "Mal");
    EXPECT_TRUE(l.arquivoaxuda.isEmpty()) << "the book is only read";
}

TEST(Crearjson, OnePanelPerWrittenPageAndTheMenuForTheHtml) {
    Book l;
    l.numpaxinas = 4;
    l.paxina(1)[0] = "2";
    l.paxina(3)[0] = "13"; // page 2 has no type
    l.paxina(4)[0] = "38";
    l.txmenus[0] = "a'";
    l.txligas[0] = "b";
    OpcionsJson o;
    o.panelhtml = [](const Book&, int p) { return QStringLiteral("panel %1").arg(p); };
    DescricionLibro d = crearjson(l, o);
    ASSERT_EQ(d.paxinas.size(), 3);
    EXPECT_EQ(d.paxinas[0].panel, "panel 1");
    EXPECT_EQ(d.paxinas[1].paxina, 3);
    EXPECT_EQ(d.paxinas[1].panel, "");
    EXPECT_TRUE(d.paxinas[1].obxecto.contains("\"id\":\"3\""));
    EXPECT_EQ(d.paxinas[2].panel, "panel 4");
    EXPECT_EQ(d.menu, (QList<QPair<QString, QString>>{{"a&#39;", "b"}}));
    l.chhorizontal = true;
    EXPECT_TRUE(crearjson(l, o).menu.isEmpty());
    l.numpaxinas = 0;
    EXPECT_TRUE(crearjson(l, o).paxinas.isEmpty());
}

// Texts that broke the description when it was made by text replacement.
TEST(Crearjson, AHostileBookStillParsesAndDecodesToItsTexts) {
    const QString hostil = q("\"q\" \\b [1] </script><!-- & ' \x01\x1f fin");
    Book l;
    l.txttitulo = "[[menu]] " + hostil;
    l.txtlicencia = hostil;
    l.saltologo = "C:\\docs\\x.html";
    l.arquivologo = "/l/logo.png";
    l.txtenlacefinal = "a\"b";
    l.txmenus[0] = hostil;
    l.txligas[0] = "x";
    l.numpaxinas = 3;
    l.paxina(1)[0] = "16";
    l.paxina(1)[18] = "linea 1\r\nlinea 2\t\"x\"";
    l.paxina(1)[35] = "[Unidade 1] Animais";
    l.paxina(2)[0] = "1";
    l.paxina(2)[2] = hostil;
    l.texto(2, 1) = "a\r\n\"b\"\\c";
    l.paxina(3)[0] = "42";
    l.texto(3, 1) = "[o] </SCRIPT>\r\n\"x\""; // a scheme text that begins like an array
    const DescricionLibro d = crearjson(l, OpcionsJson{});
    QStringList textos{d.configuracion};
    for (const PaxinaJson& p : d.paxinas)
        textos << p.obxecto;
    std::vector<QJsonObject> obxectos;
    for (const QString& t : textos) {
        QJsonParseError erro;
        const QJsonDocument doc = QJsonDocument::fromJson(t.toUtf8(), &erro);
        ASSERT_EQ(erro.error, QJsonParseError::NoError) << t.toStdString() << "\n"
                                                        << erro.errorString().toStdString();
        EXPECT_FALSE(t.contains("</script", Qt::CaseInsensitive));
        EXPECT_FALSE(t.contains("<!--"));
        obxectos.push_back(doc.object());
    }
    // The lossy transforms of the player's texts stay: "\" to "/", "'" to "&#39;".
    const QString transformado = q("\"q\" /b [1] </script><!-- & &#39; \x01\x1f fin");
    const QJsonObject c = obxectos[0];
    EXPECT_EQ(c["titulo"].toString(), "[[menu]] " + transformado);
    EXPECT_EQ(c["licencia"].toString(), transformado);
    EXPECT_EQ(c["lnklogo"].toString(), "C:\\docs\\x.html");
    EXPECT_EQ(c["final"].toString(), "a\"b");
    EXPECT_EQ(c["menu"].toArray().at(0).toString(), transformado + "||x");
    const QJsonObject p1 = obxectos[1]["properties"].toObject();
    EXPECT_EQ(p1["externa"].toString(), "linea 1\r\nlinea 2    \"x\"");
    EXPECT_EQ(p1["txcabe"].toString(), "[Unidade 1] Animais");
    const QJsonObject p2 = obxectos[2]["properties"].toObject();
    EXPECT_EQ(p2["respuestas"].toArray().at(0).toString(), transformado);
    EXPECT_EQ(p2["texto"].toString(), "a<br>\"b\"/c");
    EXPECT_EQ(obxectos[3]["properties"].toObject()["texto"].toString(), "[o] </SCRIPT>|\"x\"");
    // Key order on the raw text.
    EXPECT_TRUE(textos[0].startsWith(R"({"version":"5.6","idioma":"ESP","licencia":)"));
    EXPECT_TRUE(textos[1].startsWith(
        R"({"properties": { "type":"externa","id":"1","txcabe":"[Unidade 1] Animais",)"));
    EXPECT_TRUE(textos[2].contains(R"("texto":"a<br>\"b\"/c")"));
}

TEST(Cadeajson, StandardEscapesAndTheScriptBreakers) {
    const std::pair<const char*, const char*> casos[] = {
        {"", R"("")"},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"\b\f\n\r\t\x01\x1f", R"("\b\f\n\r\t\u0001\u001f")"},
        {"</script></Script x><!--<!-", R"("<\/script><\/Script x>\u003c!--<!-")"},
        {"</scrip <a> ñ €", R"("</scrip <a> ñ €")"},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(cadeajson(q(texto)), q(esperado)) << texto;
}
