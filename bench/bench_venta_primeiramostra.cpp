// The first show of each page type in a window that has shown no page yet, painted (its sheet's
// late build included), and a later show of the same type; and the widgets the window makes at
// start. The book holds one page of each type, pages 1..51 of the benchmarks' book.
#include "book/gardalocal.h"
#include "editor/quibelf.h"

#include "librogrande.h"
#include "ventas.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quibel;

namespace {

const QString& arquivolibro() {
    static QTemporaryDir carpeta;
    static const QString nome = [] {
        Book b = bench::librogrande();
        const QString n = carpeta.filePath(QStringLiteral("tipos.zube"));
        gardalocal(b, n, 0);
        return n;
    }();
    return nome;
}

// A window on screen with the book open and its first frame painted.
std::unique_ptr<TForm1> ventaaberta() {
    auto f = std::make_unique<TForm1>();
    f->show();
    f->cargar(arquivolibro());
    f->repaint();
    QCoreApplication::processEvents();
    return f;
}

double mostrar(TForm1& f, int paxina) {
    QElapsedTimer t;
    t.start();
    f.amosarpaxina(paxina);
    f.repaint();
    return double(t.nsecsElapsed()) / 1e9;
}

void BM_primeiramostra(benchmark::State& estado) {
    const int tipo = int(estado.range(0));
    for (auto _ : estado) {
        auto f = ventaaberta();
        estado.SetIterationTime(mostrar(*f, tipo));
    }
}
BENCHMARK(BM_primeiramostra)
    ->DenseRange(1, numtipos)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The late build alone: a sheet's controls, binders, views and captions, without the load.
void BM_construirfolla(benchmark::State& estado) {
    const int tipo = int(estado.range(0));
    for (auto _ : estado) {
        auto f = ventaaberta();
        QElapsedTimer t;
        t.start();
        f->prepararfolla(tipo + primeirafollatipo);
        estado.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_construirfolla)
    ->DenseRange(1, numtipos)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_mostraseguinte(benchmark::State& estado) {
    const int tipo = int(estado.range(0));
    auto f = ventaaberta();
    mostrar(*f, tipo);
    const int outra = tipo % numtipos + 1;
    mostrar(*f, outra);
    for (auto _ : estado) {
        estado.SetIterationTime(mostrar(*f, tipo));
        mostrar(*f, outra);
    }
}
BENCHMARK(BM_mostraseguinte)
    ->DenseRange(1, numtipos)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The widgets a new window has made, and the time to make them.
void BM_widgetsaoinicio(benchmark::State& estado) {
    qsizetype widgets = 0;
    QSize tamano, minimo;
    for (auto _ : estado) {
        const qsizetype antes = QApplication::allWidgets().size();
        TForm1 f;
        widgets = QApplication::allWidgets().size() - antes;
        tamano = f.size();
        minimo = f.Panel113->minimumSize();
    }
    estado.counters["widgets"] = double(widgets);
    // The window's size and its content's minimum, which a late build must not change.
    estado.counters["ancho"] = tamano.width();
    estado.counters["alto"] = tamano.height();
    estado.counters["minimoancho"] = minimo.width();
    estado.counters["minimoalto"] = minimo.height();
}
BENCHMARK(BM_widgetsaoinicio)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    return bench::executarconventas(argc, argv);
}
