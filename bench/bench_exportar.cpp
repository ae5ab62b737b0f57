// Publishing: the JSON description of the 99-page every-type book, and an export whose store
// holds 200 MB of generated resources, timed beside `cp -r` of the same files in the same run.
#include "languages/idiomas.h"
#include "librogrande.h"
#include "publish/exportarlibro.h"
#include "publish/jsonlibro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

using namespace quibel;
using namespace quibel::bench;

namespace {

void BM_crearjson(benchmark::State& estado) {
    const Book b = librogrande();
    OpcionsJson o;
    o.recursos = QStringLiteral("recursos");
    qint64 bytes = 0;
    for (auto _ : estado) {
        const DescricionLibro d = crearjson(b, o);
        benchmark::DoNotOptimize(d);
        if (bytes == 0) {
            bytes = d.configuracion.toUtf8().size();
            for (const PaxinaJson& p : d.paxinas)
                bytes += p.obxecto.toUtf8().size();
        }
    }
    estado.SetBytesProcessed(estado.iterations() * bytes);
}
BENCHMARK(BM_crearjson)->Unit(benchmark::kMillisecond);

// 200 files of 1 MB in the book's resource folder, named by 99 gallery pages (18 each, so most
// files are named more than once, as books reuse pictures).
struct Almacen200 {
    QTemporaryDir dir;
    QString res;
    Book libro;
    Almacen200() {
        res = dir.path() + QStringLiteral("/libro/res/");
        QDir().mkpath(res);
        QByteArray datos(1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < datos.size(); ++i)
            datos[i] = char(i * 31 + i / 4093);
        for (int f = 0; f < 200; ++f) {
            QFile arquivo(res + QStringLiteral("imaxe %1.jpg").arg(f));
            arquivo.open(QIODevice::WriteOnly);
            datos[0] = char(f);
            arquivo.write(datos);
        }
        libro.carpetalibro = dir.path() + QStringLiteral("/libro/");
        libro.carpetarecursos = res;
        libro.numpaxinas = Book::maxpaxinas;
        int f = 0;
        for (int p = 1; p <= Book::maxpaxinas; ++p) {
            libro.paxina(p)[0] = QStringLiteral("12");
            for (int c = 1; c <= 18; ++c)
                libro.paxina(p)[c] = res + QStringLiteral("imaxe %1.jpg").arg(f++ % 200);
        }
        libro.nlibro = QStringLiteral("libro.zub");
        libro.txthtml = QStringLiteral("libro.html");
        libro.nalmacen = QStringLiteral("recursos");
    }
};

void BM_exportar200MB(benchmark::State& estado) {
    textosESP();
    Almacen200 a;
    ContornoExportar contorno;
    contorno.avisos.confirmar = [](const QString&) { return true; };
    double cp = 0, exportar = 0;
    int n = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        const QString saida = a.dir.path() + QStringLiteral("/saida%1/").arg(n);
        const QString copia = a.dir.path() + QStringLiteral("/cp%1").arg(n++);
        estado.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        a.libro.donde = saida;
        exportarlibro(a.libro, FollaExportar{}, contorno);
        const auto t1 = std::chrono::steady_clock::now();
        estado.PauseTiming();
        const QString orde = QStringLiteral("cp -r '%1' '%2'").arg(a.res, copia);
        const auto t2 = std::chrono::steady_clock::now();
        if (std::system(orde.toLocal8Bit().constData()) != 0) estado.SkipWithError("cp failed");
        const auto t3 = std::chrono::steady_clock::now();
        exportar += std::chrono::duration<double>(t1 - t0).count();
        cp += std::chrono::duration<double>(t3 - t2).count();
        QDir(saida).removeRecursively();
        QDir(copia).removeRecursively();
        estado.ResumeTiming();
    }
    estado.counters["export_s"] = exportar / n;
    estado.counters["cp_r_s"] = cp / n;
    estado.counters["ratio"] = exportar / cp;
}
BENCHMARK(BM_exportar200MB)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
