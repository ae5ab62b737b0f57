// The image window on large pictures (a 4000 x 3000 JPEG, a 100-frame GIF): open, then save at
// 50 %; and sonar on ten-minute MP3 and OGG files, which must return at once. The sound files are
// made with sox when it is installed. Run one benchmark per process (--benchmark_filter) to read
// its peak memory (peak_rss_mb, the process's maximum resident size).
#include "editor/ctrlimx.h"
#include "editor/quibelf.h"
#include "editor/servizos.h"
#include "editor/son.h"

#include "ventas.h"
#include <Magick++.h>
#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <list>

using namespace quibel;

namespace {

using bench::picomb;

QTemporaryDir& carpeta() {
    static QTemporaryDir d;
    return d;
}

QString jpeg() {
    const QString ruta = carpeta().filePath("grande.jpg");
    if (!QFile::exists(ruta)) {
        QImage i(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                i.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        i.save(ruta, "JPEG", 90);
    }
    return ruta;
}

QString gif() {
    const QString ruta = carpeta().filePath("animacion.gif");
    if (!QFile::exists(ruta)) {
        Magick::InitializeMagick(nullptr);
        std::list<Magick::Image> cadros;
        for (int i = 0; i < 100; ++i) {
            Magick::Image c(Magick::Geometry(320, 240), Magick::Color(i % 2 ? "red" : "navy"));
            c.animationDelay(5);
            c.magick("GIF");
            cadros.push_back(c);
        }
        Magick::writeImages(cadros.begin(), cadros.end(), ruta.toStdString(), true);
    }
    return ruta;
}

void abrirgardar(benchmark::State& estado, const QString& orixe, const char* destino) {
    const QString saida = carpeta().filePath(QString::fromLatin1(destino));
    for (auto _ : estado) {
        TForm2 venta;
        if (!venta.cargar(orixe)) {
            estado.SkipWithError("the picture did not load");
            return;
        }
        venta.barraChange(50);
        if (!venta.gardarimaxe(saida)) estado.SkipWithError("the save failed");
    }
    estado.counters["peak_rss_mb"] = picomb();
}

void BM_imaxejpeg(benchmark::State& estado) {
    abrirgardar(estado, jpeg(), "media.jpg");
}
BENCHMARK(BM_imaxejpeg)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_imaxegif(benchmark::State& estado) {
    abrirgardar(estado, gif(), "media.gif");
}
BENCHMARK(BM_imaxegif)->Unit(benchmark::kMillisecond)->Iterations(3);

// sonar on a ten-minute file, on SDL's dummy driver.
void sonar(benchmark::State& estado, const char* nome) {
    const QString ruta = carpeta().filePath(QString::fromLatin1(nome));
    if (!QFile::exists(ruta) && QProcess::execute("sox", {"-n", "-r", "44100", "-c", "2", ruta, "synth",
                                                          "600", "sine", "440"}) != 0) {
        estado.SkipWithError("sox is needed to make the sound file");
        return;
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    auto motor = std::make_shared<MotorSon>();
    servizos().son = motor;
    TForm1 f;
    if (f.bassactivo != 1) {
        estado.SkipWithError("no sound device");
        return;
    }
    for (auto _ : estado)
        f.sonar(ruta);
    f.pararson();
}

void BM_sonarmp3(benchmark::State& estado) {
    sonar(estado, "dez.mp3");
}
BENCHMARK(BM_sonarmp3)->Unit(benchmark::kMillisecond);

void BM_sonarogg(benchmark::State& estado) {
    sonar(estado, "dez.ogg");
}
BENCHMARK(BM_sonarogg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int r = bench::executarconventas(argc, argv);
    servizos().son.reset();
    return r;
}
