// The preview of the 99-page every-type book: the description, the page and the player copy (no
// resource is copied); and, in headless Chromium, the player's time from the start of the page's
// load to its "ok" status (skipped without chromium).
#include "librogrande.h"
#include "publish/previa.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace quibel;
using namespace quibel::bench;

namespace {

Book libro(const QString& traballo) {
    Book b = librogrande();
    b.carpetaprograma = QStringLiteral(QUIBEL_PROGRAMA);
    b.carpetatemporal = traballo;
    return b;
}

void BM_previa(benchmark::State& estado) {
    QTemporaryDir dir;
    const Book b = libro(dir.path() + QStringLiteral("/traballo/"));
    for (auto _ : estado) {
        const Previa p = construirprevia(b, 1, 0, {});
        if (p.arquivo.isEmpty()) estado.SkipWithError("the preview was not written");
    }
    estado.counters["page_KB"] =
        double(QFileInfo(dir.path() + QStringLiteral("/traballo/temp_zub.html")).size()) / 1024;
}
BENCHMARK(BM_previa)->Unit(benchmark::kMillisecond);

// The shipped template with a mark of the moment the player is ready (its zub-listo event, once
// its family files have loaded and the first page is shown), then every page shown once with its
// layout, the slowest of them marked too.
void BM_xogador(benchmark::State& estado) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) {
        estado.SkipWithError("chromium was not found on PATH");
        return;
    }
    QTemporaryDir dir;
    QFile t(QStringLiteral(QUIBEL_PROGRAMA "/tpl/html.tlm"));
    if (!t.open(QIODevice::ReadOnly)) {
        estado.SkipWithError("no tpl/html.tlm beside the built program");
        return;
    }
    QByteArray plantilla = t.readAll();
    plantilla.replace("</body>",
                      "<script>document.addEventListener('zub-listo', function () {"
                      " var r = document.documentElement, max = 0;"
                      " r.setAttribute('data-ms', String(performance.now()));"
                      " for (var i = 1; i <= 99; i++) {"
                      "  var t0 = performance.now(); ZUB.salto(String(i)); void document.body.offsetHeight;"
                      "  max = Math.max(max, performance.now() - t0); }"
                      " r.setAttribute('data-paxmax', String(max));"
                      " });</script></body>");
    const QString propia = dir.path() + QStringLiteral("/medida.tlm");
    QFile m(propia);
    if (!m.open(QIODevice::WriteOnly) || m.write(plantilla) != plantilla.size()) {
        estado.SkipWithError("the measuring template could not be written");
        return;
    }
    m.close();
    const Previa p = construirprevia(libro(dir.path() + QStringLiteral("/traballo/")), 1, 0, propia);
    double paxmax = 0;
    for (auto _ : estado) {
        QTemporaryDir perfil;
        QProcess c;
        c.start(chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                           QStringLiteral("--disable-gpu"), QStringLiteral("--disable-background-networking"),
                           QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                           QStringLiteral("--no-first-run"), QStringLiteral("--disable-dev-shm-usage"),
                           QStringLiteral("--user-data-dir=") + perfil.path(), QStringLiteral("--dump-dom"),
                           QUrl::fromLocalFile(p.arquivo).toString()});
        if (!c.waitForFinished(60000)) {
            c.kill();
            c.waitForFinished();
            estado.SkipWithError("chromium did not finish");
            return;
        }
        const QString dom = QString::fromUtf8(c.readAllStandardOutput());
        const QString raiz = QRegularExpression(QStringLiteral("<html[^>]*>")).match(dom).captured();
        const auto valor = [&](const char* nome) {
            return QRegularExpression(QStringLiteral("%1=\"([^\"]*)\"").arg(QLatin1String(nome)))
                .match(raiz)
                .captured(1);
        };
        if (!valor("data-zub-estado").startsWith(QLatin1String("ok "))) {
            estado.SkipWithError("the player did not reach ok");
            return;
        }
        estado.SetIterationTime(valor("data-ms").toDouble() / 1000.0);
        paxmax = std::max(paxmax, valor("data-paxmax").toDouble());
    }
    // The slowest first show of a page, layout included, over every run.
    estado.counters["page_max_ms"] = paxmax;
}
BENCHMARK(BM_xogador)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
