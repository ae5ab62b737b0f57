// The main window: building it (every sheet, the palette, the bound slots, every registered
// editor), and refreshing the resource lists, which runs at every activation of the application, on
// a folder of 5,000 files. The page editors: the window without them, for their share, the 51 editors
// alone, the time from construction to the first painted frame beside a bare window with a label,
// and a page change (store one sheet, load the next) across one page of each type.
#include "editor/controis.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"

#include "book/comandos.h"
#include "book/gardalocal.h"
#include "comun.h"
#include "librogrande.h"
#include "ventas.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include <benchmark/benchmark.h>
#include <map>
#include <vector>

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

// Every page type has its editor.
const std::vector<int> tiposeditores = [] {
    std::vector<int> t;
    for (int i = 1; i <= numtipos; ++i)
        t.push_back(i);
    return t;
}();

// Runs the event loop until a widget of the window has painted once.
class PrimeiroMarco : public QObject {
public:
    explicit PrimeiroMarco(QWidget* venta) : venta_(venta) { qApp->installEventFilter(this); }
    ~PrimeiroMarco() override { qApp->removeEventFilter(this); }
    void agardar() {
        // A change that paints nothing gives up after a second.
        QElapsedTimer t;
        t.start();
        while (!pintado_ && t.elapsed() < 1000)
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

// The editors alone, each building its controls on a bare sheet.
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

// A 1 MB, 99-page book on disk whose picture fields name real PNG pictures: each field its own
// (1,287 files), or, as books reuse their pictures, one of a set of that many.
struct LibroImaxes {
    QTemporaryDir dir;
    QString ruta;
    explicit LibroImaxes(int distintas = 0) {
        Book b = bench::librogrande();
        const QString res = dir.filePath(QStringLiteral("res/"));
        QDir().mkpath(res);
        QImage imaxe(480, 360, QImage::Format_RGB32);
        for (int y = 0; y < imaxe.height(); ++y)
            for (int x = 0; x < imaxe.width(); ++x)
                imaxe.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
        b.txtdirrec = res;
        b.arquivologo = res + QStringLiteral("logo.png");
        b.arquivofondo = res + QStringLiteral("fondo.png");
        imaxe.save(b.arquivologo);
        imaxe.save(b.arquivofondo);
        for (int fila = 1; fila <= b.numpaxinas; ++fila)
            for (int k = 1; k < Tpaxina::numcampos; ++k) {
                QString& campo = b.paxina(fila)[k];
                if (!campo.endsWith(QLatin1String(".png"))) continue;
                const int n = (fila - 1) * Tpaxina::numcampos + k;
                campo = res + (distintas ? QStringLiteral("imaxe_%1.png").arg(n % distintas)
                                         : QStringLiteral("imaxe_%1_%2.png").arg(fila).arg(k));
                if (!QFile::exists(campo)) imaxe.save(campo);
            }
        ruta = dir.filePath(QStringLiteral("libro.zube"));
        gardalocal(b, ruta, 0);
    }
};

// Open of the book in the shown window until the window has painted again. The first Open of the
// process is reported apart (first_ms), after the warm-up the program runs once its window has
// painted.
void BM_abrirlibro(benchmark::State& estado) {
    const LibroImaxes l;
    TForm1 f;
    f.show();
    PrimeiroMarco(&f).agardar();
    const auto abrir = [&] {
        PrimeiroMarco marco(&f);
        if (!f.cargar(l.ruta)) estado.SkipWithError("open failed");
        marco.agardar();
    };
    static double primeira = -1;
    if (primeira < 0) {
        quentarlibros();
        primeira = bench::milisegundos(abrir);
    }
    estado.counters["first_ms"] = primeira;
    for (auto _ : estado)
        abrir();
}
BENCHMARK(BM_abrirlibro)->Unit(benchmark::kMillisecond);

// A page change in the shown window until painted, over every page of that book in turn, once
// each page has been shown: the median, the 95th percentile and the worst. Argument: how many
// distinct pictures the book has (0: every field its own).
void BM_cambiopaxinaimaxes(benchmark::State& estado) {
    const LibroImaxes l(int(estado.range(0)));
    TForm1 f;
    f.show();
    PrimeiroMarco(&f).agardar();
    if (!f.cargar(l.ruta)) estado.SkipWithError("open failed");
    const int n = f.libro.numpaxinas;
    for (int i = 1; i <= n; ++i)
        f.amosarpaxina(i);
    std::vector<double> tempos;
    int i = 0;
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        PrimeiroMarco marco(&f);
        f.amosarpaxina(i++ % n + 1);
        marco.agardar();
        const std::chrono::duration<double> t = std::chrono::steady_clock::now() - inicio;
        tempos.push_back(t.count() * 1000);
        estado.SetIterationTime(t.count());
    }
    std::sort(tempos.begin(), tempos.end());
    const auto en = [&](double q) { return tempos[std::min(tempos.size() - 1, size_t(q * tempos.size()))]; };
    estado.counters["p50_ms"] = en(0.5);
    estado.counters["p95_ms"] = en(0.95);
    estado.counters["max_ms"] = tempos.back();
}
BENCHMARK(BM_cambiopaxinaimaxes)
    ->Arg(0)
    ->Arg(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(495);

} // namespace

int main(int argc, char** argv) {
    return bench::executarconventas(argc, argv);
}
