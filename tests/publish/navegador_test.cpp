// The HTML5 page in a real browser: exports and a preview made by the program's own code, opened
// by headless Chromium, must reach the player's "ok N" with every picture of the first page
// loaded. Skipped where Chromium is not installed.
#include "ficheiros.h"
#include "languages/idiomas.h"
#include "publish/enchehtml.h"
#include "publish/exportarlibro.h"
#include "publish/previa.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

using namespace quibel;
using namespace quibel::proba;

namespace {

QString chromium() {
    for (const char* nome : {"chromium", "chromium-browser"})
        if (const QString r = QStandardPaths::findExecutable(QLatin1String(nome)); !r.isEmpty()) return r;
    return {};
}

struct Estado {
    QString estado, imx, dom;
};

// The root element's status after the page has had five seconds of virtual time; with other
// options (a screenshot) in place of the dump, what they do.
Estado abrir(const QString& arquivo, const QStringList& outras = {"--dump-dom"}) {
    QTemporaryDir perfil;
    QProcess p;
    p.setProgram(chromium());
    p.setArguments(QStringList{"--headless", "--no-sandbox", "--disable-gpu",
                               "--disable-background-networking", "--disable-component-update",
                               "--disable-sync", "--no-first-run", "--disable-dev-shm-usage",
                               "--user-data-dir=" + perfil.path(), "--virtual-time-budget=5000"} +
                   outras + QStringList{QUrl::fromLocalFile(arquivo).toString()});
    p.start();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(5000);
        return {"chromium did not finish", {}, {}};
    }
    Estado e;
    e.dom = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpressionMatch raiz = QRegularExpression("<html[^>]*>").match(e.dom);
    const auto atributo = [&](const char* nome) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("%1=\"([^\"]*)\"").arg(QLatin1String(nome)))
                .match(raiz.captured());
        return m.hasMatch() ? m.captured(1) : QString();
    };
    e.estado = atributo("data-zub-estado");
    e.imx = atributo("data-zub-imx");
    if (e.estado.isEmpty())
        e.estado = "no status; stderr: " + QString::fromUtf8(p.readAllStandardError()).left(2000);
    return e;
}

void imaxe(const QString& ruta, QRgb cor) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QImage i(64, 48, QImage::Format_RGB32);
    i.fill(cor);
    ASSERT_TRUE(i.save(ruta, "PNG")) << ruta.toStdString();
}

const QString programa = QStringLiteral(QUIBEL_PROGRAMA);

class Navegador : public testing::Test {
protected:
    void SetUp() override {
        if (chromium().isEmpty())
            GTEST_SKIP()
                << "chromium was not found on PATH: install it (scripts/setup.sh test does) to run the "
                   "browser tests";
        textosESP();
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        ASSERT_TRUE(QFileInfo(programa + "/tpl/html.tlm").isFile())
            << "the built program has its tpl/ beside it";
        // The shipped template with a script of the test's own after the player: it shows every
        // page once (a failure lands in the status) and records what the player tells its host.
        QByteArray t = ler(programa + "/tpl/html.tlm");
        t.replace("</body>",
                  "<script>window.zub_sc = function (v, x) {"
                  " document.documentElement.setAttribute('data-sc-' + v, String(x)); };"
                  "document.addEventListener('zub-listo', function () {"
                  " for (var i = 1; i <= 99; i++) ZUB.salto(String(i));"
                  " ZUB.salto('1');"
                  " document.querySelectorAll('.zub-resposta').forEach(function (r) { r.click(); });"
                  " var c = document.querySelector('.zub-comprobar'); if (c) c.click();"
                  " ZUB.zub_dat('nome_usuario', 'Ana');"
                  " document.documentElement.setAttribute('data-dat', [ZUB.zub_dat('get total_activ'),"
                  " ZUB.zub_dat('get total_ben'), ZUB.zub_dat('nome_usuario')].join(' '));"
                  // The menu links to addresses, followed; what they would open is recorded.
                  " window.open = function (u) { document.documentElement.setAttribute('data-aberto', u); };"
                  " document.querySelectorAll('#zub-menuhtml a').forEach(function (a) {"
                  "  if (!/salto\\('\\d+'\\)/.test(a.getAttribute('href'))) a.click(); });"
                  "});</script>\n</body>");
        escribir(base + "proba/todas.tlm", t);
    }
    ResultadoExportar exportar(const Book& l, const QString& plantilla) {
        FollaExportar folla;
        folla.txplant = plantilla;
        ContornoExportar c;
        c.avisos.confirmar = [](const QString&) { return true; };
        c.avisos.confirmarsino = [](const QString&) { return true; };
        c.avisos.mensaxe = [this](const QString& m) { mensaxes << m; };
        conectarhtml(c.pasos, c.avisos.mensaxe);
        return exportarlibro(l, folla, c);
    }
    Book novo() {
        Book l;
        l.carpetaprograma = programa;
        l.carpetalibro = base + "libro";
        l.nlibro = "libro.zub";
        l.txthtml = "libro.html";
        return l;
    }
    QTemporaryDir tmp;
    QString base;
    QStringList mensaxes;
};

TEST_F(Navegador, ABookWithEveryPageType) {
    Book l = novo();
    l.donde = base + "saida";
    l.nalmacen = "recursos";
    l.txttitulo = q("Libro de proba");
    l.txtsub = "Todos os tipos";
    l.txtautor = "Autora";
    l.corbandalibro = "2d5d7b";
    l.chbanda = true;
    l.arquivologo = base + "libro/res/logo.png";
    imaxe(l.arquivologo, 0xff3366cc);
    for (int i = 0; i < 3; ++i) {
        l.txmenus[i] = QStringLiteral("Ligazón %1").arg(i + 1);
        l.txligas[i] = QString::number(10 * i + 1);
    }
    l.numpaxinas = 51;
    for (int p = 1; p <= 51; ++p) {
        Tpaxina& x = l.paxina(p);
        x[0] = QString::number(p);
        for (int k = 1; k <= 41; ++k)
            x[k] = QStringLiteral("v%1").arg(k);
        for (int k : {26, 30, 31, 32, 37})
            x[k] = "0";
        for (int k : {8, 9, 10, 28, 29})
            x[k] = QString::number(10 * k);
        for (int k : {18, 19, 29})
            x[k] = "ffeecc";
        x[36].clear();
        const QString foto = base + QStringLiteral("libro/res/foto %1.png").arg(p);
        imaxe(foto, 0xff000000 | uint(p * 4000));
        x[14] = foto;
        for (const int c : camposcopia(x))
            x[c] = foto;
        for (int i = 1; i <= 6; ++i)
            l.texto(p, i) =
                QStringLiteral("<p>Texto <b>%1</b> da páxina %2</p>\r\nsegunda liña").arg(i).arg(p);
    }
    l.texto(42, 1) = "Raiz\r\n  [o]rama\r\n  folla";
    const ResultadoExportar r = exportar(l, base + "proba/todas.tlm");
    ASSERT_TRUE(r.rematado);
    EXPECT_EQ(mensaxes, QStringList{});
    const QString pax = base + "saida/libro.html";
    const Estado e = abrir(pax);
    EXPECT_EQ(e.estado, "ok 51");
    EXPECT_EQ(e.imx, "2/2") << "the logo and the first page's picture";
    EXPECT_TRUE(e.dom.contains(R"(data-sc-totalp="51")"));
    EXPECT_TRUE(e.dom.contains(R"(data-sc-paxina="1")"));
    // The pages that play as activities: the information types do not, nor do the pages whose
    // placeholder values give their task nothing to ask (operands that are no numbers, say); every
    // answer of the first page is right.
    EXPECT_TRUE(e.dom.contains(R"(data-dat="31 1 Ana")"));
    EXPECT_TRUE(e.dom.contains(R"(data-sc-avben="1")"));

    // The first page as an author sees it, kept beside the build.
    const QString artefacto = QStringLiteral(QUIBEL_ARTEFACTOS) + "/paxina_primeira.png";
    QDir().mkpath(QFileInfo(artefacto).absolutePath());
    QFile::remove(artefacto);
    abrir(pax, {"--screenshot=" + artefacto, "--window-size=1280,800", "--hide-scrollbars"});
    EXPECT_TRUE(QImage(artefacto).width() == 1280) << artefacto.toStdString();
}

TEST_F(Navegador, AHostileBook) {
    const QString hostil = q("\"q\" \\b [1] </script><!-- & ' \x01\x1f fin");
    Book l = novo();
    l.donde = base + "hostil";
    l.txttitulo = "[[menu]] " + hostil;
    l.txtsub = "{{paxinas}} " + hostil;
    l.txtag = hostil;
    l.txtlicencia = hostil;
    l.saltologo = "C:\\docs\\x.html";
    l.arquivologo = base + q("libro/lo\"go #1 ñ.png");
    imaxe(l.arquivologo, 0xff00aa00);
    l.txtenlacefinal = "a\"b";
    l.txmenus[0] = hostil;
    l.txligas[0] = "x'y\"z\\%27";
    l.txmenus[1] = "[[htmlpanel]]";
    l.txligas[1] = "2";
    l.numpaxinas = 9;
    l.paxina(1)[0] = "16";
    l.paxina(1)[18] = "linea 1\r\nlinea 2\t\"x\"";
    l.paxina(1)[35] = "[Unidade 1] Animais";
    l.paxina(2)[0] = "1";
    l.paxina(2)[2] = hostil;
    l.texto(2, 1) = "a\r\n\"b\"\\c";
    l.paxina(3)[0] = "42";
    l.texto(3, 1) = "</SCRIPT>\r\n\"x\"";
    // an empty page in the middle: no object
    l.paxina(5)[0] = "2";
    l.paxina(5)[33] = hostil;
    l.paxina(5)[8] = "1\" onmouseover=\"x";
    l.texto(5, 1) = "<b>texto</div></script></template> [[datpanel]] <script><!--<script></script><textarea>";
    l.paxina(6)[0] = "15";
    l.paxina(6)[7] = hostil;
    l.texto(6, 1) = hostil;
    l.paxina(7)[0] = "38";
    l.paxina(7)[8] = "x";
    l.texto(7, 1) = hostil;
    l.paxina(8)[0] = "52";
    l.paxina(8)[35] = hostil;
    l.paxina(9)[0] = "tipo";
    const ResultadoExportar r = exportar(l, base + "proba/todas.tlm");
    ASSERT_TRUE(r.rematado);
    EXPECT_EQ(mensaxes, QStringList{});
    const Estado e = abrir(base + "hostil/libro.html");
    EXPECT_EQ(e.estado, "ok 8") << e.dom.toStdString();
    EXPECT_EQ(e.imx, "1/1") << "the logo under its cleaned name";
    // The menu target reaches the jump whole, but for the transforms of the player's texts.
    EXPECT_TRUE(e.dom.contains(R"(data-aberto="x'y&quot;z/%27")")) << e.dom.left(600).toStdString();
}

TEST_F(Navegador, APreviewWithARealPicture) {
    Book l = novo();
    l.carpetatemporal = base + "traballo/";
    l.txttitulo = "Vista";
    l.numpaxinas = 2;
    l.paxina(1)[0] = "2";
    l.texto(1, 1) = "Primeira";
    l.paxina(2)[0] = "1";
    l.paxina(2)[14] = base + q("libro/mi foto #1 ñ.png");
    l.texto(2, 1) = "Que cor ten?";
    l.paxina(2)[2] = "Vermella";
    imaxe(l.paxina(2)[14], 0xffcc0000);
    const Previa p = construirprevia(l, 2, 0, {});
    ASSERT_EQ(p.erro, "");
    ASSERT_EQ(p.arquivo, base + "traballo/temp_zub.html");
    EXPECT_FALSE(QFileInfo::exists(base + "traballo/recursos")) << "nothing is copied";
    const Estado e = abrir(p.arquivo);
    EXPECT_EQ(e.estado, "ok 2");
    EXPECT_EQ(e.imx, "1/1");
    EXPECT_TRUE(e.dom.contains("zub-tipo-test")) << "it starts at the page being edited";
}

} // namespace
