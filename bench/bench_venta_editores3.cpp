// The editors of the positioned, picture-set and number pages: those sixteen editors building
// their sheets, the main window's first painted frame (with and without them) beside a bare window
// with a label, and a page change (store one sheet, load the next) across one page of each of
// those types.
#include "editor/controis.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"

#include <QApplication>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <map>

using namespace quibel;

namespace {

const int tiposeditores[] = {20, 23, 25, 26, 27, 30, 31, 32, 33, 35, 39, 40, 41, 44, 50, 51};

// Runs the event loop until a widget of the window has painted once.
class PrimeiroPintado : public QObject {
public:
    explicit PrimeiroPintado(QWidget* venta) : venta_(venta) { qApp->installEventFilter(this); }
    ~PrimeiroPintado() override { qApp->removeEventFilter(this); }
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

void BM_creareditores3(benchmark::State& estado) {
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
BENCHMARK(BM_creareditores3)->Unit(benchmark::kMillisecond);

void BM_ventaprimeiropintado(benchmark::State& estado) {
    for (auto _ : estado) {
        TForm1 f;
        PrimeiroPintado pintado(&f);
        f.show();
        pintado.agardar();
    }
}
BENCHMARK(BM_ventaprimeiropintado)->Unit(benchmark::kMillisecond);

// The same without these sixteen editors, for their share.
void BM_ventaprimeiropintadosenestes(benchmark::State& estado) {
    std::map<int, FabricaEditor> antes;
    for (int t : tiposeditores) {
        antes[t] = fabricaeditor(t);
        rexistrareditor(t, {});
    }
    for (auto _ : estado) {
        TForm1 f;
        PrimeiroPintado pintado(&f);
        f.show();
        pintado.agardar();
    }
    for (auto& [t, f] : antes)
        rexistrareditor(t, f);
}
BENCHMARK(BM_ventaprimeiropintadosenestes)->Unit(benchmark::kMillisecond);

void BM_ventabaseprimeiropintado(benchmark::State& estado) {
    for (auto _ : estado) {
        QWidget w;
        QLabel l(QStringLiteral("Quibel"), &w);
        PrimeiroPintado pintado(&w);
        w.show();
        pintado.agardar();
    }
}
BENCHMARK(BM_ventabaseprimeiropintado)->Unit(benchmark::kMillisecond);

void BM_cambiopaxina3(benchmark::State& estado) {
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
BENCHMARK(BM_cambiopaxina3)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
