#include "publish/paquete.h"

#include "ficheiros.h"
#include "languages/idiomas.h"
#include "lerzip.h"
#include "publish/scorm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

// The folder where scripts/setup.sh leaves the SCORM test tools.
const QString ferramentas = QStringLiteral(QUIBEL_SOURCE_DIR "/.cache/npm/");

// A stand-in for the HTML5 player: it loads the run-time script in its head, defines ZUB after
// it (with const, which puts no property on window), and reports three pages, two activities and
// one right answer as the player does.
const char paxinaproba[] = R"js(<!DOCTYPE html>
<html><head><meta charset="utf-8">
<script type="text/javascript" src="scormzub.js"></script>
</head><body>
<script>
const ZUB = (function () {
    var ben = 0, usuario = null;
    return {
        zub_dat: function (orde, valor) {
            if (orde === "get" && valor === "total_activ") return 2;
            if (orde === "get" && valor === "total_ben") return ben;
            if (orde === "nome_usuario") usuario = valor;
        },
        responder: function (n, ok) { if (ok) ben++; zub_sc(ok ? "avben" : "avmal", n); },
        salto: function (n) { zub_sc("paxina", n); },
        usuario: function () { return usuario; }
    };
})();
zub_sc("totalp", 3);
zub_sc("paxina", 1);
ZUB.responder(1, false);
ZUB.responder(1, true);
zub_sc("paxina", 2);
ZUB.responder(2, false);
</script></body></html>
)js";

// The driver with the package's steps on a book with the picture a.png, the store "recursos" and
// a LOM file; the HTML5 step writes its page, template and player file and adds their entries.
class PaqueteTest : public testing::Test {
protected:
    void SetUp() override {
        textosESP();
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        // Called again inside a test for a fresh export.
        for (const char* c : {"saida", "programa", "web"})
            QDir(base + c).removeRecursively();
        titulares.clear();
        mensaxes.clear();
        extras.clear();
        libro = Book();
        folla = FollaExportar();
        escribir(base + "libro/res/a.png", "png");
        escribir(base + "meta/lom.xml", "<lom/>");
        QDir().mkpath(base + "saida/recursos");
        libro.carpetalibro = base + "libro";
        libro.carpetarecursos = base + "libro/res/";
        libro.carpetaprograma = base + "programa/";
        libro.numpaxinas = 1;
        libro.paxina(1)[0] = "1";
        libro.paxina(1)[14] = base + "libro/res/a.png";
        libro.donde = base + "saida";
        libro.nalmacen = "recursos";
        libro.nlibro = "libro.zub";
        libro.txthtml = "libro.html";
        libro.txtempa = "libro.zip";
        libro.empa = true;
        libro.edlomes = base + "meta/lom.xml";
        libro.txttitulo = "Sumas & restas";
        folla.chscorm = true;
        contorno.avisos.titular = [this](const QString& t) { titulares << t; };
        contorno.avisos.mensaxe = [this](const QString& t) { mensaxes << t; };
        contorno.avisos.confirmarsino = [](const QString&) { return true; };
    }
    ResultadoExportar exportar() {
        pasospaquete(contorno);
        contorno.pasos.html = [this](ContextoExportar& c, const DescricionLibro&) {
            const QString d = c.destino;
            if (!c.libro.txthtml.isEmpty()) {
                escribir(d + c.libro.txthtml, paxinaproba);
                c.zip.append(EntradaZip{d + c.libro.txthtml, c.libro.txthtml});
            }
            escribir(d + "html.tlm", "template");
            escribir(d + "sczub/zub.js", "player");
            for (const char* nome : {"html.tlm", "sczub/zub.js"})
                c.zip.append(EntradaZip{d + nome, nome});
            for (const EntradaZip& e : extras)
                c.zip.append(e);
        };
        return exportarlibro(libro, folla, contorno);
    }
    QString zip() const { return base + "saida/libro.zip"; }
    QByteArray entrada(const QString& nome) const {
        if (const auto e = lerzip(zip()))
            for (const EntradaLida& x : *e)
                if (x.nome == nome) return x.datos;
        return "<no entry>";
    }

    QTemporaryDir tmp;
    QString base;
    Book libro;
    FollaExportar folla;
    ContornoExportar contorno;
    QStringList titulares, mensaxes;
    QList<EntradaZip> extras;
};

bool xmlben(const QByteArray& xml) {
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        r.readNext();
    return !r.hasError();
}

} // namespace

TEST(Scorm, TheCarriedFilesAndTheEscaping) {
    const QByteArray modelo = arquivoscorm({}, "imsmanifest.xml");
    EXPECT_TRUE(modelo.startsWith("\xef\xbb\xbf<?xml version=\"1.0\"?>\r\n"));
    EXPECT_FALSE(modelo.contains("\r\n\n")) << "CR LF kept, never LF alone";
    EXPECT_EQ(modelo.count("\n"), modelo.count("\r\n"));
    for (const char* marca : {"[[ficheiros]]", "[[nomeweb]]", "[[titulo]]", "[[metadata]]"})
        EXPECT_TRUE(modelo.contains(marca)) << marca;
    EXPECT_TRUE(arquivoscorm({}, "scormzub.js").contains("window.zub_sc"));
    EXPECT_EQ(escapaxml(q("a&b<c>d\"e'f\tg\r\nh\x01i\x1fj ñ")),
              q("a&amp;b&lt;c&gt;d&quot;e&apos;f\tg\r\nhij ñ"));
    EXPECT_EQ(escapaxml("recursos/a.png"), "recursos/a.png");
}

TEST_F(PaqueteTest, TheArchiveHoldsTheExportInOrderAndTheManifestAsDocumented) {
    const ResultadoExportar r = exportar();
    ASSERT_TRUE(r.rematado);
    EXPECT_TRUE(mensaxes.isEmpty()) << mensaxes.join("; ").toStdString();
    EXPECT_EQ(nomeszip(zip()), (QStringList{"recursos/a.png", "libro.html", "html.tlm", "sczub/zub.js",
                                            "libro.zub", "scormzub.js", "lom.xml", "imsmanifest.xml"}));
    EXPECT_EQ(entrada("imsmanifest.xml"), ler(QUIBEL_FIXTURES "/scorm/imsmanifest.xml"));
    EXPECT_EQ(entrada("scormzub.js"), arquivoscorm({}, "scormzub.js"));
    EXPECT_EQ(entrada("lom.xml"), "<lom/>");
    EXPECT_EQ(entrada("libro.zub"), ler(base + "saida/libro.zub"));
    EXPECT_TRUE(xmlben(entrada("imsmanifest.xml")));
    // Nothing of the package is left in the target folder.
    EXPECT_FALSE(QFileInfo::exists(base + "saida/imsmanifest.xml"));
    EXPECT_FALSE(QFileInfo::exists(base + "saida/scormzub.js"));

    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (unzip.isEmpty()) GTEST_SKIP() << "unzip is not installed (scripts/setup.sh installs it)";
    QProcess p;
    p.start(unzip, {"-t", zip()});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
    p.start(unzip, {"-Z1", zip()});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), nomeszip(zip()));
}

TEST_F(PaqueteTest, TheManifestsValuesForEachChoice) {
    struct Caso {
        const char* que;
        std::function<void()> preparar;
        QStringList linas; // lines of the manifest that must be there
        bool lom;
    };
    const QList<Caso> casos = {
        {"no LOM: a line of blanks, no location",
         [&] { libro.edlomes.clear(); },
         {"\t\t", "\t\t\t\t<title>Sumas &amp; restas</title>"},
         false},
        {"a LOM file that is not there", [&] { libro.edlomes = base + "meta/gone.xml"; }, {"\t\t"}, false},
        {"the HTML option unchecked: the title is still worked out",
         [&] {
             libro.sihtml = false;
             libro.txttitulo.clear();
         },
         {"\t\t\t\t<title>libro</title>"},
         true},
        {"hostile values",
         [&] { libro.txttitulo = q("<b>\"1\" & 'dous'</b>\x01 [[metadata]]"); },
         {q("\t\t\t\t<title>&lt;b&gt;&quot;1&quot; &amp; &apos;dous&apos;&lt;/b&gt; [[metadata]]</title>")},
         true},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.que);
        SetUp();
        k.preparar();
        exportar();
        const QByteArray m = entrada("imsmanifest.xml");
        const QStringList linas = QString::fromUtf8(m).split("\r\n");
        for (const QString& l : k.linas)
            EXPECT_TRUE(linas.contains(l)) << l.toStdString() << "\n" << m.toStdString();
        EXPECT_EQ(m.contains("<adlcp:location>lom.xml</adlcp:location>"), k.lom);
        EXPECT_EQ(nomeszip(zip()).contains("lom.xml"), k.lom);
        EXPECT_TRUE(xmlben(m));
    }
}

TEST_F(PaqueteTest, ATemplateAndAScriptOfTheUsersReplaceTheCarriedOnes) {
    escribir(base + "programa/tpl/scorm/imsmanifest.xml",
             "<m n=\"[[nomezub]]\" w=\"[[nomeweb]]\">\n[[ficheiros]]</m>");
    escribir(base + "programa/tpl/scorm/scormzub.js", "// the user's");
    exportar();
    EXPECT_EQ(entrada("imsmanifest.xml"), "<m n=\"Sumas &amp; restas\" w=\"libro.html\">\r\n"
                                          "<file href=\"recursos/a.png\" />\r\n"
                                          "<file href=\"libro.html\" />\r\n"
                                          "<file href=\"html.tlm\" />\r\n"
                                          "<file href=\"sczub/zub.js\" />\r\n"
                                          "<file href=\"libro.zub\" />\r\n"
                                          "<file href=\"scormzub.js\" />\r\n"
                                          "<file href=\"lom.xml\" />\r\n"
                                          "</m>\r\n");
    EXPECT_EQ(entrada("scormzub.js"), "// the user's");
    // [[nomezub]] is the book file name when the book has no title.
    libro.txttitulo.clear();
    exportar();
    EXPECT_TRUE(entrada("imsmanifest.xml").startsWith("<m n=\"libro.zub\""));
}

TEST_F(PaqueteTest, WithoutScormOrWithoutAnHtmlNameThePackageHasNoScormFiles) {
    folla.chscorm = false;
    exportar();
    EXPECT_EQ(nomeszip(zip()),
              (QStringList{"recursos/a.png", "libro.html", "html.tlm", "sczub/zub.js", "libro.zub"}));

    // No HTML page name: the store and the HTML5 step's entries only, and the title line says why.
    SetUp();
    libro.txthtml.clear();
    extras = {{base + "saida/html.tlm", "html.tlm"}};
    exportar();
    EXPECT_EQ(nomeszip(zip()), (QStringList{"recursos/a.png", "html.tlm", "sczub/zub.js"}));
    EXPECT_TRUE(titulares.contains(textosui[textoscormhtml]));
    EXPECT_TRUE(titulares.contains(textosui[textozipfora] + " html.tlm"));

    // SCORM without the package: no archive at all.
    SetUp();
    libro.empa = false;
    exportar();
    EXPECT_FALSE(QFileInfo::exists(zip()));
}

TEST_F(PaqueteTest, ARepeatedNameIsOneEntryAndThePackagesOwnFilesWin) {
    escribir(base + "saida/otra.html", "other");
    escribir(base + "meta/imsmanifest.xml", "<not the manifest/>");
    extras = {{base + "saida/otra.html", "libro.html"}, {base + "saida/otra.html", "scormzub.js"}};
    libro.edlomes = base + "meta/imsmanifest.xml";
    exportar();
    const QStringList nomes = nomeszip(zip());
    EXPECT_EQ(nomes, (QStringList{"recursos/a.png", "libro.html", "html.tlm", "sczub/zub.js", "libro.zub",
                                  "scormzub.js", "imsmanifest.xml"}));
    EXPECT_EQ(entrada("libro.html"), paxinaproba);
    EXPECT_EQ(entrada("scormzub.js"), arquivoscorm({}, "scormzub.js"));
    EXPECT_TRUE(entrada("imsmanifest.xml").startsWith("\xef\xbb\xbf"));
    EXPECT_FALSE(entrada("imsmanifest.xml").contains("adlcp:location"));
    EXPECT_EQ(entrada("imsmanifest.xml").count("<file href=\"libro.html\" />"), 1);
    EXPECT_TRUE(titulares.contains(textosui[textozipfora] + " libro.html, scormzub.js, imsmanifest.xml"))
        << titulares.join(" | ").toStdString();
}

TEST_F(PaqueteTest, AStepThatFailsIsToldAndTheArchiveKeepsWhatWasAdded) {
    // A manifest template that exists but cannot be read (a folder of that name).
    QDir().mkpath(base + "programa/tpl/scorm/imsmanifest.xml");
    exportar();
    EXPECT_TRUE(titulares.contains(textosui[123]));
    EXPECT_EQ(nomeszip(zip()).mid(4), (QStringList{"libro.zub", "scormzub.js", "lom.xml"}));

    // The player book file that cannot be written: its message with the path.
    SetUp();
    QDir().mkpath(base + "saida/libro.zub");
    exportar();
    EXPECT_EQ(mensaxes, QStringList{textosui[123] + " " + base + "saida/libro.zub"});

    // An archive that cannot be written: the failure's own text in a message; what is there stays.
    SetUp();
    QDir().mkpath(zip());
    escribir(zip() + "/kept", "x");
    exportar();
    ASSERT_EQ(mensaxes.size(), 1);
    EXPECT_TRUE(mensaxes[0].contains("libro.zip")) << mensaxes[0].toStdString();
    EXPECT_EQ(ler(zip() + "/kept"), "x");
}

TEST_F(PaqueteTest, TheArchiveStepTellsTheNamesItLeftOut) {
    // The package step did not run (no HTML5 description): the archive still keeps a name once.
    PasosExportar& p = contorno.pasos;
    pasospaquete(contorno);
    escribir(base + "a", "a");
    EXPECT_EQ(p.escribirzip(zip(), {{base + "a", "x"}, {base + "a", "x"}, {base + "a", "y"}}), "");
    EXPECT_EQ(titulares, QStringList{textosui[textozipfora] + " x"});
    EXPECT_EQ(nomeszip(zip()), (QStringList{"x", "y"}));
}

TEST_F(PaqueteTest, TheManifestValidatesAgainstTheScormSchemas) {
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    const QString esquemas = ferramentas + "scorm12edition/";
    if (xmllint.isEmpty() || !QFileInfo::exists(esquemas + "adlcp_rootv1p2.xsd"))
        GTEST_SKIP() << "xmllint or the SCORM 1.2 schema files are missing (scripts/setup.sh installs them "
                        "into .cache/npm)";
    for (const QString& titulo : {q("Sumas & restas"), q("<\"'>\x02 ñ"), QString()}) {
        SCOPED_TRACE(titulo.toStdString());
        SetUp();
        libro.txttitulo = titulo;
        exportar();
        QDir().mkpath(base + "valida");
        for (const QString& f : QDir(esquemas).entryList({"*.xsd"}))
            QFile::copy(esquemas + f, base + "valida/" + f);
        escribir(base + "valida/imsmanifest.xml", entrada("imsmanifest.xml"));
        QProcess p;
        p.setWorkingDirectory(base + "valida");
        p.start(xmllint, {"--noout", "--schema", "adlcp_rootv1p2.xsd", "imsmanifest.xml"});
        ASSERT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
}

namespace {

// A static file server on a free port of 127.0.0.1 (node's http module).
const char servidor[] = R"js(
const http = require('http'), fs = require('fs'), path = require('path');
const raiz = process.argv[1];
const tipos = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.xml': 'text/xml'};
http.createServer((q, s) => {
    const f = path.join(raiz, decodeURIComponent(q.url.split('?')[0]));
    if (!f.startsWith(raiz)) { s.writeHead(403); s.end(); return; }
    fs.readFile(f, (erro, datos) => {
        if (erro) { s.writeHead(404); s.end(); return; }
        s.writeHead(200, {'Content-Type': tipos[path.extname(f)] || 'application/octet-stream'});
        s.end(datos);
    });
}).listen(0, '127.0.0.1', function () { console.log(this.address().port); });
)js";

// The run-time's host: the SCORM 1.2 API as window.API with a learner, the package's page in a
// frame driven to its last page and then left; what the script sent is put in the page.
const char anfitrion[] = R"js(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script src="scorm12.js"></script>
<script>
var enviado = {}, usuario = null;
window.API = new Scorm12API({ logLevel: 5 });
API.cmi.core.student_name = "Proba, Ana";
API.on("LMSSetValue.cmi.*", function (elemento, valor) { enviado[elemento] = String(valor); });
function rematar() {
    var p = document.createElement("pre");
    p.id = "saida";
    p.textContent = JSON.stringify({ enviado: enviado, usuario: usuario,
                                     estado: API.cmi.core.lesson_status });
    document.body.appendChild(p);
}
function correr() {
    var f = document.getElementById("f");
    f.onload = function () {
        f.onload = null;
        setTimeout(function () {
            f.contentWindow.eval("ZUB.salto(3)");
            usuario = f.contentWindow.eval("ZUB.usuario()");
            setTimeout(function () {
                f.src = "about:blank";
                setTimeout(rematar, 500);
            }, 1200);
        }, 300);
    };
    f.src = "paquete/libro.html";
}
</script></head><body onload="correr()"><iframe id="f"></iframe></body></html>
)js";

} // namespace

TEST_F(PaqueteTest, ThePackageRunsToCompletedInAScorm12RunTime) {
    const QString chromium = QStandardPaths::findExecutable("chromium");
    const QString node = QStandardPaths::findExecutable("node");
    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (chromium.isEmpty() || node.isEmpty() || unzip.isEmpty() ||
        !QFileInfo::exists(ferramentas + "scorm12.js"))
        GTEST_SKIP()
            << "chromium, node, unzip or the SCORM 1.2 run-time is missing (scripts/setup.sh installs "
               "them, the run-time into .cache/npm)";
    exportar();
    const QString web = base + "web/";
    QDir().mkpath(web + "paquete");
    QProcess::execute(unzip, {"-q", zip(), "-d", web + "paquete"});
    ASSERT_TRUE(QFile::copy(ferramentas + "scorm12.js", web + "scorm12.js"));
    escribir(web + "anfitrion.html", anfitrion);

    QProcess servir;
    servir.start(node, {"-e", servidor, web});
    ASSERT_TRUE(servir.waitForReadyRead(10000)) << servir.readAllStandardError().toStdString();
    const int porto = servir.readLine().trimmed().toInt();
    ASSERT_GT(porto, 0);

    QProcess navegador;
    navegador.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu",
                               "--user-data-dir=" + base + "perfil", "--virtual-time-budget=20000",
                               "--dump-dom", QString("http://127.0.0.1:%1/anfitrion.html").arg(porto)});
    const bool rematou = navegador.waitForFinished(90000);
    servir.kill();
    servir.waitForFinished();
    ASSERT_TRUE(rematou) << "chromium did not finish";
    const QString dom = QString::fromUtf8(navegador.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression("<pre id=\"saida\">(.*)</pre>").match(dom);
    ASSERT_TRUE(m.hasMatch()) << dom.left(2000).toStdString()
                              << navegador.readAllStandardError().toStdString();
    QString json = m.captured(1);
    json.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    const QJsonObject r = QJsonDocument::fromJson(json.toUtf8()).object();
    const QJsonObject e = r["enviado"].toObject();

    EXPECT_EQ(r["usuario"].toString(), "Proba, Ana");
    EXPECT_EQ(r["estado"].toString(), "completed");
    EXPECT_EQ(e["cmi.core.lesson_status"].toString(), "completed");
    EXPECT_TRUE(QRegularExpression("^\\d{2,4}:\\d\\d:\\d\\d$")
                    .match(e["cmi.core.session_time"].toString())
                    .hasMatch())
        << e["cmi.core.session_time"].toString().toStdString();
    EXPECT_EQ(e["cmi.core.score.raw"].toString(), "50");
    const std::tuple<const char*, const char*, const char*> paxinas[] = {
        {"Pagina1", "correct", "2"}, {"Pagina2", "wrong", "1"}, {"Pagina3", "neutral", "0"}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QString b = QString("cmi.interactions.%1.").arg(i);
        EXPECT_EQ(e[b + "id"].toString(), std::get<0>(paxinas[i]));
        EXPECT_EQ(e[b + "result"].toString(), std::get<1>(paxinas[i]));
        EXPECT_EQ(e[b + "student_response"].toString(), std::get<2>(paxinas[i]));
    }
}
