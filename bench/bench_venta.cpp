// The main window: building it (every sheet, the palette, the bound slots, every registered
// editor), and refreshing the resource lists, which runs at every activation of the application, on
// a folder of 5,000 files. The page editors: the window without those of the information, question
// and word-game pages, for their share, those editors alone, the time from construction to the
// first painted frame beside a bare window with a label, and a page change (store one sheet, load
// the next) across one page of each of those types.
#include "editor/controis.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"

#include "ventas.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <map>

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

const int tiposeditores[] = {2, 12, 15, 16, 21, 29, 38, 42, 1, 4, 8, 10, 18, 19, 43, 45, 48};

// Runs the event loop until a widget of the window has painted once.
class PrimeiroMarco : public QObject {
public:
    explicit PrimeiroMarco(QWidget* venta) : venta_(venta) { qApp->installEventFilter(this); }
    ~PrimeiroMarco() override { qApp->removeEventFilter(this); }
    void agardar() {
        while (!pintado_)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            if (auto* w = qobject_cast<QWidget*>(o); w && w->window() == venta_) pintado_ = true;
        return false;
    }

private:
    QWidget* venta_;
    bool pintado_ = false;
};

// The seventeen editors alone, each building its controls on a bare sheet.
void BM_creareditores(benchmark::State& estado) {
    Documento documento;
    LabelledEdit oculto;
    EditorContext contexto{documento, servizos(), [](const QString&) {}, {}};
    contexto.pezas.editoculto = &oculto;
    for (auto _ : estado) {
        for (int t : tiposeditores) {
            QWidget folla;
            std::unique_ptr<PageEditor> e = fabricaeditor(t)();
            e->crear(contexto, &folla);
        }
    }
}
BENCHMARK(BM_creareditores)->Unit(benchmark::kMillisecond);

void BM_ventasenestes(benchmark::State& estado) {
    std::map<int, FabricaEditor> antes;
    for (int t : tiposeditores) {
        antes[t] = fabricaeditor(t);
        rexistrareditor(t, {});
    }
    for (auto _ : estado) {
        TForm1 f;
        benchmark::DoNotOptimize(f.follas[0]);
    }
    for (auto& [t, f] : antes)
        rexistrareditor(t, f);
}
BENCHMARK(BM_ventasenestes)->Unit(benchmark::kMillisecond);

void BM_primeiromarco(benchmark::State& estado) {
    for (auto _ : estado) {
        TForm1 f;
        PrimeiroMarco marco(&f);
        f.show();
        marco.agardar();
    }
}
BENCHMARK(BM_primeiromarco)->Unit(benchmark::kMillisecond);

void BM_primeiromarcobase(benchmark::State& estado) {
    for (auto _ : estado) {
        QWidget w;
        QLabel l(QStringLiteral("Quibel"), &w);
        PrimeiroMarco marco(&w);
        w.show();
        marco.agardar();
    }
}
BENCHMARK(BM_primeiromarcobase)->Unit(benchmark::kMillisecond);

void BM_cambiopaxina(benchmark::State& estado) {
    TForm1 f;
    f.documento.porpaxinaactual(0);
    f.SpeedButton135Click(); // New
    for (int t : tiposeditores)
        f.iniciatipo(t);
    const int n = f.libro.numpaxinas;
    int i = 0;
    for (auto _ : estado) {
        f.amosarpaxina(i % n + 1);
        ++i;
    }
}
BENCHMARK(BM_cambiopaxina)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::executarconventas(argc, argv);
}
