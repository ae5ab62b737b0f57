// The main window: building it (every sheet, the palette, the bound slots), and refreshing the
// resource lists, which runs at every activation of the application, on a folder of 5,000 files.
// Where the author feels the editor sheets: the first painted frame of the window against a bare
// window with a label, and a page change (store the page shown, load the next) per type.
#include "editor/editores.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

using namespace quibel;

namespace {

void BM_construirventa(benchmark::State& estado) {
    for (auto _ : estado) {
        TForm1 f;
        benchmark::DoNotOptimize(f.follas[0]);
    }
}
BENCHMARK(BM_construirventa)->Unit(benchmark::kMillisecond);

void BM_refresca(benchmark::State& estado) {
    QTemporaryDir dir;
    const char* const extensions[] = {".jpg", ".png",  ".mp3", ".ogg", ".mp4",
                                      ".txt", ".html", ".exe", ".pdf", ".gif"};
    for (int i = 0; i < 5000; ++i) {
        QFile f(dir.filePath(QStringLiteral("recurso%1").arg(i) + QLatin1String(extensions[i % 10])));
        f.open(QIODevice::WriteOnly);
    }
    TForm1 f;
    f.libro.txtdirrec = dir.path();
    f.ponrecursos();
    for (auto _ : estado)
        f.refresca();
}
BENCHMARK(BM_refresca)->Unit(benchmark::kMillisecond);

// Shows the window and paints it once, as the first frame on screen.
void primeiroframe(QWidget& w) {
    w.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(w.grab());
}

void BM_primeiroframe_etiqueta(benchmark::State& estado) {
    for (auto _ : estado) {
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        l->addWidget(new QLabel(QStringLiteral("Quibel"), &w));
        w.resize(889, 640);
        primeiroframe(w);
    }
}
BENCHMARK(BM_primeiroframe_etiqueta)->Unit(benchmark::kMillisecond);

void BM_primeiroframe_venta(benchmark::State& estado) {
    for (auto _ : estado) {
        TForm1 f;
        primeiroframe(f);
    }
}
BENCHMARK(BM_primeiroframe_venta)->Unit(benchmark::kMillisecond);

// Two filled pages of the type, shown in turn: each step stores one and loads the other.
void BM_cambiopaxina(benchmark::State& estado) {
    const int tipo = int(estado.range(0));
    TForm1 f;
    aplicaridioma(0);
    Book& b = f.libro;
    f.documento.porpaxinaactual(0);
    f.SpeedButton135Click();
    for (int n = 1; n <= 2; ++n) {
        b.paxina(n)[0] = QString::number(tipo);
        for (int k = 1; k <= 30; ++k)
            if (k != 14 && k != 6) b.paxina(n)[k] = QStringLiteral("texto %1").arg(k);
        b.texto(n, 1) = QStringLiteral("Un texto\r\nde dúas liñas");
    }
    b.numpaxinas = 2;
    f.documento.porpaxinaactual(1);
    f.amosarpaxina(1);
    int n = 1;
    for (auto _ : estado) {
        n = 3 - n;
        f.amosarpaxina(n);
    }
}
BENCHMARK(BM_cambiopaxina)
    ->ArgName("tipo")
    ->Arg(3)
    ->Arg(5)
    ->Arg(6)
    ->Arg(7)
    ->Arg(9)
    ->Arg(11)
    ->Arg(13)
    ->Arg(14)
    ->Arg(17)
    ->Arg(22)
    ->Arg(24)
    ->Arg(28)
    ->Arg(34)
    ->Arg(37)
    ->Arg(46)
    ->Arg(47)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
