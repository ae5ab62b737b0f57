// The main window: building it (every sheet, the palette, the bound slots), and refreshing the
// resource lists, which runs at every activation of the application, on a folder of 5,000 files.
#include "editor/quibelf.h"
#include "editor/servizos.h"

#include "ventas.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char** argv) {
    return bench::executarconventas(argc, argv);
}
