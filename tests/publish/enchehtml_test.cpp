// The HTML5 page: the media pieces and panels, the template filled on small templates written
// here, the stages with their messages, and the page through the export driver.
#include "publish/enchehtml.h"

#include "book/rutinas.h"
#include "ficheiros.h"
#include "languages/idiomas.h"
#include "publish/exportarlibro.h"
#include "publish/jsonlibro.h"

#include <QDir>
#include <QTemporaryDir>

using namespace quibel;
using namespace quibel::proba;

namespace {

const Enderezar url = [](const QString& r) { return "u:" + r; };

struct CasoMedia {
    bool caixa; // htmlmediapos, else htmlmedia
    const char *ruta, *alt, *x, *y, *agardado;
};

TEST(Media, ElementsByKindWithTheirExactPieces) {
    const CasoMedia casos[] = {
        {true, "a/f.PNG", "", "10", "",
         R"( <div class="p-im" style="left:10px ;"><img src="u:a/f.PNG" ></div>)"},
        {true, "f.jpeg", "a\"b", "", "",
         R"( <div class="p-im" ><img src="u:f.jpeg" title="a&quot;b"></div>)"},
        {true, "f.gif", "", "", "7", R"( <div class="p-im" style="top:7px ;"><img src="u:f.gif" ></div>)"},
        {true, "m.webm", "v", "1", "2",
         R"( <div class="p-vi" style="left:1px ;top:2px ;"><video width="100%" height="100%" controls  src="u:m.webm">v</video></div>)"},
        {true, "m.wbm", "", "", "",
         R"( <div class="p-vi" ><video width="100%" height="100%" controls  src="u:m.wbm"></video></div>)"},
        {true, "a.swf", "", "", "",
         R"( <div class="p-sw" >  <object data="u:a.swf" type="application/x-shockwave-flash" width="100%" height="100%"><embed src="u:a.swf" type="application/x-shockwave-flash" width="100%" height="100%"/></object></div>)"},
        {true, "t.txt", "a", "1", "1", ""},
        {true, "", "a", "", "", ""},
        {false, "a.GIF", "t", "", "", R"(<img src="u:a.GIF" class="p-im" title="t">)"},
        {false, "a.jpg", "", "", "", R"(<img src="u:a.jpg" class="p-im" >)"},
        {false, "a.ogv", "<v>", "", "",
         R"(<video width="100%" height="100%" controls  src="u:a.ogv" class="p-im" >&lt;v&gt;</video>)"},
        {false, "a.swf", "", "3", "",
         R"(<div class="p-sw" style="left:3px ;">  <object data="u:a.swf" type="application/x-shockwave-flash" width="100%" height="100%"><embed src="u:a.swf" type="application/x-shockwave-flash" width="100%" height="100%"/></object></div>)"},
        {false, "sen_extension", "", "", "", ""},
    };
    for (const CasoMedia& c : casos) {
        const auto f = c.caixa ? htmlmediapos : htmlmedia;
        EXPECT_EQ(f(q(c.ruta), q(c.alt), q(c.x), q(c.y), url, "p"), q(c.agardado)) << c.ruta;
    }
    EXPECT_EQ(envolve("", "a", "b"), "");
    EXPECT_EQ(envolve("v", "a", "b"), "avb");
}

TEST(Media, TemplatePageLayouts) {
    const QString im = R"(<img src="u:i.png" class="clplan-im" title="alt">)";
    const std::tuple<const char*, const char*, const char*, QString> casos[] = {
        {"T", "i.png", "0", R"(<div class="clplan-z1m">)" + im + R"(</div><div class="clplan-z1t">T</div>)"},
        {"T", "i.png", "1", R"(<div class="clplan-z2m">)" + im + R"(</div><div class="clplan-z2t">T</div>)"},
        {"T", "i.png", "2", R"(<div class="clplan-z3m">)" + im + R"(</div><div class="clplan-z3t">T</div>)"},
        {"T", "i.png", "3", R"(<div class="clplan-z4t" >T</div><div class="clplan-z4m">)" + im + "</div>"},
        // A layout that is no number reads as the first.
        {"T", "i.png", "", R"(<div class="clplan-z1m">)" + im + R"(</div><div class="clplan-z1t">T</div>)"},
        {"T", "", "3", R"(<div class="clplan-z5t" >T</div>)"},
        {"", "i.png", "3", R"(<div class="clplan-z5m" >)" + im + "</div>"},
    };
    for (const auto& [texto, ruta, disposicion, agardado] : casos)
        EXPECT_EQ(htmlplan(texto, ruta, "alt", url, disposicion), agardado) << disposicion;
}

TEST(Paneis, ImageTextMenuAndTemplatePages) {
    Book l;
    l.numpaxinas = 4;
    Tpaxina& p2 = l.paxina(1);
    p2[0] = "2";
    p2[14] = "/r/f.jpg";
    p2[33] = "o \"x\" 'y'";
    p2[28] = "5";
    p2[8] = "10";
    p2[10] = "90";
    p2[18] = "ff0000";
    p2[30] = "1";
    p2[19] = "00ff00";
    l.texto(1, 1) = "<b>T</b>";
    EXPECT_EQ(
        panelhtml(l, 1, url),
        R"( <div class="cltexto-b"> <div class="cltexto-im" style="left:5px ;"><img src="u:/r/f.jpg" title="o &quot;x&quot; &#39;y&#39;"></div>)"
        R"(<div class="cltexto-tx" style="position:absolute;left:10px ;height:90px ;background-color:#ff0000 ;color:#00ff00 ;"><b>T</b></div></div>)");
    p2[30] = "0";
    l.texto(1, 1).clear();
    p2[14].clear();
    EXPECT_EQ(panelhtml(l, 1, url), R"( <div class="cltexto-b"></div>)");

    Tpaxina& menu = l.paxina(2);
    menu[0] = "15";
    menu[7] = "Un <b>";
    menu[22] = "/r/b1.png";
    menu[9] = "Tres"; // a caption alone still gives its item
    l.texto(2, 1) = "a\r\nb";
    EXPECT_EQ(
        panelhtml(l, 2, url),
        R"(<div  class="clmenu-base"><ul class="clmenu-tab">)"
        R"(<li>  <a href="javascript:;" class="clmenu-bottab">Un &lt;b&gt;</a><div class="clmenu-contenttab">a<br>b)"
        R"( <div class="clmenu-im" ><img src="u:/r/b1.png" ></div></div></li>)"
        R"(<li>  <a href="javascript:;" class="clmenu-bottab">Tres</a><div class="clmenu-contenttab"></div></li>)"
        R"(</ul></div>)");

    Tpaxina& plan = l.paxina(3);
    plan[0] = "38";
    plan[14] = "/r/v.mp4";
    plan[8] = "3";
    l.texto(3, 1) = "txt";
    EXPECT_EQ(
        panelhtml(l, 3, url),
        R"( <div class="clplan-b"><div class="clplan-z4t" >txt</div><div class="clplan-z4m">)"
        R"(<video width="100%" height="100%" controls  src="u:/r/v.mp4" class="clplan-im" ></video></div></div>)");
    l.paxina(4)[0] = "1";
    EXPECT_EQ(panelhtml(l, 4, url), "");
}

TEST(Paneis, AnAuthorsHtmlCannotSwallowThePage) {
    const std::pair<const char*, const char*> casos[] = {
        {"<p>a <b>b</b></p><!-- n -->", "<p>a <b>b</b></p><!-- n -->"},
        {"a<!-- b", "a<!-- b-->"},
        {"x</TEMPLATE>y<plaintext>", "x&lt;/TEMPLATE>y&lt;plaintext>"},
        {"<script>alert(1)", "<script>alert(1)</script>"},
        {"<textarea>a</textarea><Style>", "<textarea>a</textarea><Style></style></textarea>"},
        {"<!--<script>", "<!--<script>--></script>"},
        {"<script><!--<script></script>", "<script><!--<script></script>--></script></script>"},
    };
    for (const auto& [html, agardado] : casos)
        EXPECT_EQ(htmlpechado(html), agardado) << html;
    Book l;
    l.numpaxinas = 1;
    l.paxina(1)[0] = "38";
    l.texto(1, 1) = "a<!--";
    EXPECT_EQ(panelhtml(l, 1, url),
              R"( <div class="clplan-b"><div class="clplan-z5t" >a<!----></div></div>)");
}

TEST(Menu, LinksWithTheirTargetsSafeInsideTheAttribute) {
    EXPECT_EQ(menuhtml({}), "");
    // As the description leaves them: "'" already "&#39;", "\" already "/".
    const QList<QPair<QString, QString>> ligas{{"Un", "3"}, {"T<x>", escapajson("a'b\"c\\d%27")}};
    EXPECT_EQ(menuhtml(ligas),
              "\r<ul>\r"
              "<li><a href=\"javascript:ZUB.salto('3')\">Un</a></li>\r"
              "<li><a href=\"javascript:ZUB.salto('a&amp;#39;b&quot;c/d%2527')\">T&lt;x&gt;</a></li>\r"
              "</ul>\r");
}

TEST(Textoentre, BetweenTheFirstMarkersTrimmed) {
    const std::tuple<const char*, const char*> casos[] = {
        {"a{{p}}\r\n\t x y \r\n{{e}}b", "x y"},
        {"{{p}}{{e}}", ""},
        {"{{e}} {{p}} x {{e}}", ""}, // the first end lies before the start
        {"{{p}} x", ""},
        {"{{P}} x {{e}}", ""}, // case-sensitive
        {"{{p}} a {{p}} b {{e}} c {{e}}", "a {{p}} b"},
    };
    for (const auto& [texto, agardado] : casos)
        EXPECT_EQ(textoentre(texto, "{{p}}", "{{e}}"), agardado) << texto;
}

class Ficheiros : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
    }
    QStringList lista(const QString& cartafol) const {
        return QDir(base + cartafol).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    QTemporaryDir tmp;
    QString base;
};

TEST_F(Ficheiros, CopiacarpetaFlattensAndLaterFilesWin) {
    escribir(base + "o/a.js", "a");
    escribir(base + "o/LEEME", "sen punto");
    escribir(base + "o/sub/a.js", "sub");
    escribir(base + "o/sub/b.css", "b");
    escribir(base + "d/a.js", "vello");
    copiacarpeta(base + "o", base + "d");
    EXPECT_EQ(lista("d"), (QStringList{"LEEME", "a.js", "b.css"}));
    EXPECT_EQ(ler(base + "d/a.js"), "sub");
    copiacarpeta(base + "non", base + "d"); // a missing folder copies nothing
    EXPECT_EQ(lista("d").size(), 3);

    QList<EntradaZip> zip;
    EXPECT_TRUE(zipcarpeta(base + "o", "sczub", zip));
    EXPECT_EQ(zip, (QList<EntradaZip>{{base + "o/LEEME", "sczub/LEEME"},
                                      {base + "o/a.js", "sczub/a.js"},
                                      {base + "o/sub/b.css", "sczub/b.css"}}));
}

TEST_F(Ficheiros, TheTemplatesBesideTheProgramElseInTheInstalledTree) {
    escribir(base + "usr/share/quibel/tpl/html.tlm", "instalado");
    QDir().mkpath(base + "usr/bin");
    EXPECT_EQ(carpetatpl(base + "usr/bin/"), base + "usr/share/quibel/tpl/");
    escribir(base + "usr/bin/tpl/html.tlm", "xunto");
    EXPECT_EQ(carpetatpl(base + "usr/bin"), base + "usr/bin/tpl/");
}

// The shipped template and player keep what the page and the preview from file: rely on.
TEST(Plantilla, TheShippedTemplateKeepsItsRules) {
    const QString tpl = QStringLiteral(QUIBEL_PROGRAMA "/tpl/");
    const QString t = QString::fromUtf8(ler(tpl + "html.tlm"));
    ASSERT_TRUE(t.contains("[[confzub]]"));
    EXPECT_EQ(t.count("{{paxinas}}"), 1);
    EXPECT_EQ(t.count("{{endpaxinas}}"), 1);
    EXPECT_EQ(t.count("{{paxinas}}", Qt::CaseInsensitive), 1) << "markers in lower case";
    const QString bloque = textoentre(t, "{{paxinas}}", "{{endpaxinas}}");
    for (const char* p : {"[[tags]]", "[[titulo]]", "[[subtitulo]]", "[[scorm]]", "[[confzub]]", "[[menu]]"})
        EXPECT_FALSE(bloque.contains(QLatin1String(p), Qt::CaseInsensitive)) << p;
    EXPECT_TRUE(bloque.contains(R"(<script type="application/json" class="zub-paxina")"));
    EXPECT_TRUE(t.contains(R"(<script type="application/json" id="zub-conf">[[confzub]]</script>)"));
    QStringList codigo{t};
    for (const QString& f : QDir(tpl + "sczub").entryList(QDir::Files))
        codigo << QString::fromUtf8(ler(tpl + "sczub/" + f));
    for (const QString& c : codigo)
        for (const char* prohibido : {"type=\"module\"", "fetch(", "XMLHttpRequest", "import(", "@import"})
            EXPECT_FALSE(c.contains(QLatin1String(prohibido))) << prohibido;
}

// A program folder with a template and a player of the tests' own.
class Encher : public Ficheiros {
protected:
    void SetUp() override {
        Ficheiros::SetUp();
        escribir(base + "prog/tpl/sczub/zub.js", "js");
        escribir(base + "prog/tpl/sczub/css/zub.css", "css");
        e.nomehtml = "mi.html";
        e.destino = base + "saida";
        QDir().mkpath(e.destino);
        e.carpetaprograma = base + "prog/";
    }
    void plantilla(const QByteArray& texto) { escribir(base + "prog/tpl/html.tlm", texto); }
    QByteArray paxina() const { return ler(base + "saida/mi.html"); }
    PaxinaHtml e;
};

TEST_F(Encher, EveryPlaceholderAndThePageBlockWithCrLfThroughout) {
    plantilla("<html><head><meta content=\"[[TAGS]]\"><title>[[titulo]]</title>[[scorm]]\n"
              "<script>[[confzub]]</script>[[Menu]]\r\n"
              "{{paxinas}}\n"
              "<p id=\"[[numpanel]]\">[[numpaxina]] [[datpanel]] [[htmlpanel]]</p>\n"
              "{{endpaxinas}}\r"
              "<h2>[[subtitulo]]</h2></html>\n");
    e.tag = "a\"b<c>";
    e.titulo = "T & \"x\"";
    e.subtitulo = "S";
    e.scorm = true;
    e.configuracion = R"({"c":1})";
    e.menu = "M\rN";
    e.obxectos = {"{o1}", "{o2}"};
    e.paneis = {"<b>1</b>", "", "sobra"};
    const ResultadoHtml r = enchehtml(e);
    EXPECT_EQ(r.erro, "");
    EXPECT_TRUE(r.escrita);
    EXPECT_EQ(paxina(), "<html><head><meta content=\"a&quot;b&lt;c&gt;\"><title>T & &quot;x&quot;</title>"
                        "<script type=\"text/javascript\" src=\"scormzub.js\"></script>\r\n"
                        "<script>{\"c\":1}</script>M\r\n"
                        "N\r\n"
                        "\r\n"
                        "\r\n"
                        "<p id=\"0\">1 {o1} <b>1</b></p>\r\n"
                        "<p id=\"1\">2 {o2} </p>\r\n"
                        "\r\n"
                        "<h2>S</h2></html>\r\n");
    // The player flattened and the template beside the page; no entries without the package.
    EXPECT_EQ(lista("saida"), (QStringList{"html.tlm", "mi.html", "sczub"}));
    EXPECT_EQ(lista("saida/sczub"), (QStringList{"zub.css", "zub.js"}));
    EXPECT_TRUE(r.zip.isEmpty());
}

TEST_F(Encher, MarkerEdgesOfTheTemplate) {
    e.titulo = "T";
    e.obxectos = {"{o1}", "{o2}"};
    const std::pair<const char*, const char*> casos[] = {
        // No placeholders and no markers: the lines as they are.
        {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
        // Markers in capitals: no block, yet the start marker goes and the end marker takes one
        // line feed per page.
        {"A\r\n{{PAXINAS}}[[numpanel]]{{ENDPAXINAS}}\r\nB", "A\r\n[[numpanel]]\r\n\r\n\r\nB\r\n"},
        // A block holding the title: the copies keep it; the template's own block stays, filled.
        {"{{paxinas}}<i>[[titulo]] [[numpaxina]]</i>{{endpaxinas}}",
         "<i>T [[numpaxina]]</i><i>[[titulo]] 1</i>\r\n<i>[[titulo]] 2</i>\r\n\r\n"},
    };
    for (const auto& [t, agardado] : casos) {
        plantilla(t);
        EXPECT_EQ(enchehtml(e).erro, "");
        EXPECT_EQ(paxina(), agardado) << t;
    }
}

TEST_F(Encher, InsertedValuesAreNeverScannedAgain) {
    plantilla("<t>[[titulo]]</t>[[menu]]\r\n{{paxinas}}\r\n[[datpanel]]|[[htmlpanel]]\r\n{{endpaxinas}}");
    e.titulo = "[[menu]] {{paxinas}}";
    e.menu = "M";
    e.obxectos = {R"({"a":"[[htmlpanel]] {{endpaxinas}} [[numpanel]]"})"};
    e.paneis = {"P [[datpanel]]"};
    enchehtml(e);
    EXPECT_EQ(paxina(), "<t>[[menu]] {{paxinas}}</t>M\r\n\r\n\r\n"
                        "{\"a\":\"[[htmlpanel]] {{endpaxinas}} [[numpanel]]\"}|P [[datpanel]]\r\n\r\n");
}

TEST_F(Encher, StagesTellTheirFirstFailureAndSkipWhatDependsOnIt) {
    // No template: an empty page, the player all the same.
    ResultadoHtml r = enchehtml(e);
    EXPECT_EQ(r.erro, "Error carga plantilla HTML (" + base + "prog/)");
    EXPECT_EQ(paxina(), "");
    EXPECT_EQ(lista("saida"), (QStringList{"mi.html", "sczub"}));

    // A page that cannot be written: no player; the first failure is the one told.
    QDir().mkpath(base + "outra/mi.html");
    e.destino = base + "outra";
    r = enchehtml(e);
    EXPECT_EQ(r.erro, "Error carga plantilla HTML (" + base + "prog/)");
    EXPECT_FALSE(r.escrita);
    plantilla("x");
    r = enchehtml(e);
    EXPECT_EQ(r.erro, "Error crear HTML");
    EXPECT_EQ(lista("outra"), QStringList{"mi.html"});

    // A player folder that cannot be made.
    e.destino = base + "terceira";
    escribir(base + "terceira/sczub", "a file");
    r = enchehtml(e);
    EXPECT_EQ(r.erro, "Error copiar sczub en" + base + "terceira/");
    EXPECT_EQ(ler(base + "terceira/mi.html"), "x\r\n");
    EXPECT_EQ(lista("terceira"), (QStringList{"mi.html", "sczub"})) << "no template copy either";
}

TEST_F(Encher, TheAuthorsTemplateAndPlayerAndThePackageEntries) {
    plantilla("estandar");
    escribir(base + "propia/modelo.tlm", "propio [[titulo]]");
    escribir(base + "propia/sczub/zub.js", "propio");
    escribir(base + "propia/sczub/extra", "sen punto");
    e.plantillapropia = base + "propia/modelo.tlm";
    e.cartafolxogador = base + "propia/";
    e.titulo = "T";
    e.empa = true;
    const ResultadoHtml r = enchehtml(e);
    EXPECT_EQ(r.erro, "");
    EXPECT_EQ(paxina(), "propio T\r\n");
    EXPECT_EQ(ler(base + "saida/sczub/zub.js"), "propio");
    EXPECT_EQ(ler(base + "saida/modelo.tlm"), "propio [[titulo]]");
    const QString s = base + "saida/";
    EXPECT_EQ(r.zip, (QList<EntradaZip>{{s + "mi.html", "mi.html"},
                                        {base + "propia/modelo.tlm", "modelo.tlm"},
                                        {s + "sczub/extra", "sczub/extra"},
                                        {s + "sczub/zub.css", "sczub/zub.css"},
                                        {s + "sczub/zub.js", "sczub/zub.js"}}));
}

TEST_F(Encher, ATemplateNamedLikeThePageNeverReplacesEitherFile) {
    // Elsewhere: the filled page stays, the template is not copied over it.
    escribir(base + "propia/mi.html", "<p>[[titulo]]</p>");
    e.plantillapropia = base + "propia/mi.html";
    e.titulo = "T";
    e.empa = true;
    ResultadoHtml r = enchehtml(e);
    EXPECT_EQ(r.erro, "");
    EXPECT_EQ(paxina(), "<p>T</p>\r\n");
    EXPECT_EQ(r.zip.front(), (EntradaZip{base + "saida/mi.html", "mi.html"}));
    EXPECT_EQ(r.zip.count(EntradaZip{base + "propia/mi.html", "mi.html"}), 0);
    // At the page's own path: the template is kept and the page stage fails.
    escribir(base + "saida/mi.html", "<p>[[titulo]]</p>");
    e.plantillapropia = base + "saida/mi.html";
    r = enchehtml(e);
    EXPECT_EQ(r.erro, "Error crear HTML");
    EXPECT_EQ(paxina(), "<p>[[titulo]]</p>");
}

// The page through the driver: the panels with the store's names, the entries in the package.
TEST_F(Ficheiros, ThePageOfAnExport) {
    textosESP();
    escribir(base + "prog/tpl/html.tlm", "[[titulo]]\r\n{{paxinas}}\r\n[[htmlpanel]]\r\n{{endpaxinas}}\r\n");
    escribir(base + "prog/tpl/sczub/zub.js", "js");
    escribir(base + "libro/a/foto.jpg", "a");
    escribir(base + "libro/b/foto.jpg", "b");
    Book l;
    l.carpetaprograma = base + "prog/";
    l.carpetalibro = base + "libro";
    l.numpaxinas = 2;
    l.paxina(1)[0] = "2";
    l.paxina(1)[14] = base + "libro/a/foto.jpg";
    l.paxina(2)[0] = "2";
    l.paxina(2)[14] = base + "libro/b/foto.jpg";
    l.donde = base + "saida";
    l.nlibro = "libro.zub";
    l.txthtml = "libro.html";
    l.txtempa = "libro.zip";
    l.empa = true;
    l.txttitulo = "Título";
    ContornoExportar c;
    c.avisos.confirmar = [](const QString&) { return true; };
    c.avisos.confirmarsino = [](const QString&) { return true; };
    QStringList mensaxes;
    conectarhtml(c.pasos, [&](const QString& m) { mensaxes << m; });
    QList<EntradaZip> zip;
    c.pasos.escribirzip = [&](const QString&, const QList<EntradaZip>& z) {
        zip = z;
        return QString();
    };
    exportarlibro(l, FollaExportar{}, c);
    EXPECT_EQ(mensaxes, QStringList{});
    const QByteArray p = ler(base + "saida/libro.html");
    EXPECT_TRUE(p.startsWith(q("Título\r\n").toUtf8())) << p.toStdString();
    EXPECT_TRUE(p.contains(R"(<img src="foto.jpg")")) << p.toStdString();
    EXPECT_TRUE(p.contains(R"(<img src="foto_2.jpg")")) << p.toStdString();
    EXPECT_TRUE(zip.contains(EntradaZip{base + "saida/libro.html", "libro.html"}));
    EXPECT_TRUE(zip.contains(EntradaZip{base + "saida/sczub/zub.js", "sczub/zub.js"}));
    // Without a page name there is no page and nothing to tell.
    l.txthtml.clear();
    l.donde = base + "sen";
    exportarlibro(l, FollaExportar{}, c);
    EXPECT_EQ(mensaxes, QStringList{});
    EXPECT_FALSE(QFileInfo::exists(base + "sen/sczub"));
    // A stage that fails is told once.
    l.txthtml = "libro.html";
    l.carpetaprograma = base + "sen_tpl/";
    exportarlibro(l, FollaExportar{}, c);
    EXPECT_EQ(mensaxes, QStringList{"Error carga plantilla HTML (" + base + "sen_tpl/)"});
}

} // namespace
