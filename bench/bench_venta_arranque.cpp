// Start-up as a whole process, side by side in one run: the time from the exec of a child program
// to the first painted frame of its window, for a bare window with a label, for the main window,
// and for the main window opening a 1 MB, 99-page book. Run it under a real display server
// (xvfb-run) for figures an author would feel; the child tells its first frame through a pipe and
// then closes normally.
#include "book/gardalocal.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"

#include "comun.h"
#include "librogrande.h"
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace quibel;

namespace {

// Tells the parent, once, when a widget of the window has painted.
class PrimeiroMarco : public QObject {
public:
    PrimeiroMarco(QWidget* venta, int aviso) : venta_(venta), aviso_(aviso) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || feito_) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != venta_) return false;
        feito_ = true;
        const char c = 1;
        (void)!write(aviso_, &c, 1);
        return false;
    }
    // Runs the event loop until the first frame (which may come before any exec()).
    void agardar() {
        while (!feito_)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

private:
    QWidget* venta_;
    int aviso_;
    bool feito_ = false;
};

int filla(int argc, char** argv) {
    const std::string modo = argv[2];
    const int aviso = std::stoi(argv[3]);
    QApplication app(argc, argv);
    if (modo == "base") {
        QWidget w;
        QLabel l(QStringLiteral("Quibel"), &w);
        PrimeiroMarco marco(&w, aviso);
        w.show();
        marco.agardar();
        return 0;
    }
    instalarservizosreais(nullptr);
    QStringList argumentos;
    if (argc > 4) argumentos << QString::fromLocal8Bit(argv[4]);
    TForm1 f(argumentos);
    PrimeiroMarco marco(&f, aviso);
    f.show();
    marco.agardar();
    servizos() = {};
    return 0;
}

// One child from exec to its first frame, in seconds.
double medir(const std::vector<std::string>& argumentos) {
    int tubo[2];
    if (pipe(tubo) != 0) return 0;
    std::vector<std::string> a = {"/proc/self/exe", "--filla", argumentos[0], std::to_string(tubo[1])};
    a.insert(a.end(), argumentos.begin() + 1, argumentos.end());
    std::vector<char*> argv;
    for (std::string& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0) return 0;
    close(tubo[1]);
    char c = 0;
    const bool pintado = read(tubo[0], &c, 1) == 1;
    const auto fin = std::chrono::steady_clock::now();
    close(tubo[0]);
    int estado = 0;
    waitpid(pid, &estado, 0);
    return pintado ? std::chrono::duration<double>(fin - inicio).count() : 0;
}

void executar(benchmark::State& estado, const std::vector<std::string>& argumentos) {
    for (auto _ : estado) {
        const double s = medir(argumentos);
        if (s <= 0) {
            estado.SkipWithError("the child painted no frame");
            break;
        }
        estado.SetIterationTime(s);
    }
}

QTemporaryDir& carpeta() {
    static QTemporaryDir d;
    return d;
}

std::string librogrande() {
    static const std::string arquivo = [] {
        Book b = bench::librogrande();
        const QString nome = carpeta().filePath(QStringLiteral("grande.zube"));
        gardalocal(b, nome, 0);
        return nome.toStdString();
    }();
    return arquivo;
}

void BM_arranquebase(benchmark::State& estado) {
    executar(estado, {"base"});
}
BENCHMARK(BM_arranquebase)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void BM_arranquequibel(benchmark::State& estado) {
    executar(estado, {"quibel"});
}
BENCHMARK(BM_arranquequibel)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void BM_arranquelibro(benchmark::State& estado) {
    executar(estado, {"quibel", librogrande()});
}
BENCHMARK(BM_arranquelibro)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (argc > 3 && std::string(argv[1]) == "--filla") return filla(argc, argv);
    QCoreApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
