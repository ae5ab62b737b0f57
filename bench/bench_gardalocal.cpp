// Writing a book file: a generated 99-page book that uses every page type (about 1 MB), built
// into lines and saved. Peak memory of the process is reported as the counter peak_MB.
#include "book/comandos.h"
#include "book/gardalocal.h"
#include "comun.h"
#include "librogrande.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quibel;
using namespace quibel::bench;

namespace {

// Peak of the process before any book exists (Qt and the benchmark library loaded).
const double base = picomb();

void contadores(benchmark::State& estado, qint64 bytes) {
    estado.counters["peak_MB"] = picomb();
    estado.counters["base_MB"] = base;
    estado.counters["file_KB"] = double(bytes) / 1024.0;
    estado.SetBytesProcessed(estado.iterations() * bytes);
}

void BM_linaslibro(benchmark::State& estado) {
    const Book b = librogrande();
    qint64 bytes = 0;
    for (auto _ : estado) {
        QStringList linas = linaslibro(b, pasta + QStringLiteral("libro.zube"), 0);
        benchmark::DoNotOptimize(linas);
        if (bytes == 0)
            for (const QString& l : linas)
                bytes += l.toUtf8().size() + 2;
    }
    contadores(estado, bytes);
}
BENCHMARK(BM_linaslibro)->Unit(benchmark::kMillisecond);

void BM_gardalocal(benchmark::State& estado) {
    Book b = librogrande();
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("libro.zube"));
    // The first Save of the process, apart (run this benchmark alone to see it), after the warm-up
    // the program runs once its window has painted (warmup_ms).
    static double primeira = -1, quente = -1;
    if (primeira < 0) {
        quente = milisegundos(quentarlibros);
        primeira = milisegundos([&] { gardalocal(b, ruta, 0); });
    }
    estado.counters["warmup_ms"] = quente;
    estado.counters["first_ms"] = primeira;
    for (auto _ : estado)
        if (!gardalocal(b, ruta, 0)) estado.SkipWithError("save failed");
    contadores(estado, QFile(ruta).size());
}
BENCHMARK(BM_gardalocal)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
