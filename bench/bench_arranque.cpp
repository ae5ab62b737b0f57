// Start-up as the author sees it: from exec to the main window's first painted frame, the whole
// process, beside a bare Qt window with a label in the same run. Needs a display (run it under
// xvfb-run); the children end at their first frame. With a book: a 1 MB, 99-page book as argument.
#include "book/gardalocal.h"
#include "librogrande.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace quibel;

namespace {

// One run of a child to its first frame, in seconds; negative when it failed.
double executar(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int estado = 0;
    waitpid(pid, &estado, 0);
    const auto fin = std::chrono::steady_clock::now();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return -1;
    return std::chrono::duration<double>(fin - inicio).count();
}

const QString& librofile() {
    static QTemporaryDir dir;
    static const QString ruta = [] {
        Book b = bench::librogrande();
        const QString r = dir.filePath(QStringLiteral("libro.zube"));
        gardalocal(b, r, 0);
        return r;
    }();
    return ruta;
}

// The children need a real display; false, with the benchmark skipped, where there is none.
bool haipantalla(benchmark::State& estado) {
    if (!qEnvironmentVariableIsSet("DISPLAY")) {
        estado.SkipWithError("no display: run under xvfb-run");
        return false;
    }
    qunsetenv("QT_QPA_PLATFORM");
    return true;
}

void arranque(benchmark::State& estado, std::vector<std::string> args) {
    if (!haipantalla(estado)) return;
    executar(args); // the libraries in the page cache
    for (auto _ : estado) {
        const double s = executar(args);
        if (s < 0) {
            estado.SkipWithError("the child failed");
            return;
        }
        estado.SetIterationTime(s);
    }
}

// The children: the ones built beside this program, or those of the folder QUIBEL_ARRANQUE (to
// compare builds).
std::string fillo(const char* construido, const char* nome) {
    const QByteArray carpeta = qgetenv("QUIBEL_ARRANQUE");
    return carpeta.isEmpty() ? construido : (carpeta + "/" + nome).toStdString();
}

void BM_arranquebase(benchmark::State& estado) {
    arranque(estado, {fillo(ARRANQUE_BASE, "arranque_base")});
}
void BM_arranquequibel(benchmark::State& estado) {
    arranque(estado, {fillo(ARRANQUE_QUIBEL, "arranque_quibel")});
}
void BM_arranquebaselibro(benchmark::State& estado) {
    arranque(estado, {fillo(ARRANQUE_BASE, "arranque_base"), librofile().toStdString()});
}
void BM_arranquequibellibro(benchmark::State& estado) {
    arranque(estado, {fillo(ARRANQUE_QUIBEL, "arranque_quibel"), librofile().toStdString()});
}

// The two children in turn, base then program, so both see the same moment of a shared machine;
// reports the median of each and the ratio of the medians. The time is the program's.
void pares(benchmark::State& estado, bool conlibro) {
    if (!haipantalla(estado)) return;
    std::vector<std::string> base{fillo(ARRANQUE_BASE, "arranque_base")};
    std::vector<std::string> prog{fillo(ARRANQUE_QUIBEL, "arranque_quibel")};
    if (conlibro) {
        base.push_back(librofile().toStdString());
        prog.push_back(librofile().toStdString());
    }
    executar(base);
    executar(prog);
    std::vector<double> tb, tp;
    for (auto _ : estado) {
        const double b = executar(base);
        const double p = executar(prog);
        if (b < 0 || p < 0) {
            estado.SkipWithError("the child failed");
            return;
        }
        tb.push_back(b);
        tp.push_back(p);
        estado.SetIterationTime(p);
    }
    const auto mediana = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    const double mb = mediana(tb), mp = mediana(tp);
    estado.counters["base_ms"] = mb * 1000;
    estado.counters["quibel_ms"] = mp * 1000;
    estado.counters["ratio"] = mb > 0 ? mp / mb : 0;
}
void BM_arranquepar(benchmark::State& estado) {
    pares(estado, false);
}
void BM_arranqueparlibro(benchmark::State& estado) {
    pares(estado, true);
}
BENCHMARK(BM_arranquepar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);
BENCHMARK(BM_arranqueparlibro)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);

// Each child on its own, 3 runs of 15.
constexpr int veces = 15;
BENCHMARK(BM_arranquebase)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(veces)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_arranquequibel)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(veces)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_arranquebaselibro)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(veces)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_arranquequibellibro)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(veces)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
