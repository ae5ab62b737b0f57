// Packing an export: a store of 200 MB of generated pictures and sounds (incompressible bytes,
// as JPEG and MP3 data are) written as the export's archive, against `zip -r` of the same folder
// in the same run.
#include "publish/zipbuilder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quibel;

namespace {

constexpr int ficheiros = 100;
constexpr qsizetype tamano = 2 * 1024 * 1024; // 100 x 2 MB

struct Almacen {
    QTemporaryDir tmp;
    QString recursos;
    QStringList nomes;
    Almacen() {
        recursos = tmp.path() + QStringLiteral("/saida/recursos/");
        QDir().mkpath(recursos);
        QRandomGenerator r(42);
        QByteArray datos(tamano, Qt::Uninitialized);
        for (int i = 0; i < ficheiros; ++i) {
            r.fillRange(reinterpret_cast<quint32*>(datos.data()), datos.size() / 4);
            const QString nome =
                QStringLiteral("res_%1.%2").arg(i).arg(i % 2 ? QStringLiteral("mp3") : QStringLiteral("jpg"));
            QFile f(recursos + nome);
            if (f.open(QIODevice::WriteOnly)) f.write(datos);
            nomes << nome;
        }
    }
};

Almacen& almacen() {
    static Almacen a;
    return a;
}

void BM_ZipBuilder(benchmark::State& state) {
    Almacen& a = almacen();
    const QString destino = a.tmp.path() + QStringLiteral("/saida/libro.zip");
    for (auto _ : state) {
        ZipBuilder z;
        for (const QString& n : a.nomes)
            z.addFile(a.recursos + n, QStringLiteral("recursos/") + n);
        const QString erro = z.write(destino);
        if (!erro.isEmpty()) state.SkipWithError(erro.toStdString().c_str());
    }
    state.SetBytesProcessed(state.iterations() * ficheiros * tamano);
}

void BM_ZipR(benchmark::State& state) {
    Almacen& a = almacen();
    const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    if (zip.isEmpty()) {
        state.SkipWithError("zip is not installed");
        return;
    }
    const QString destino = a.tmp.path() + QStringLiteral("/zipr.zip");
    for (auto _ : state) {
        QFile::remove(destino);
        QProcess p;
        p.setWorkingDirectory(a.tmp.path() + QStringLiteral("/saida"));
        p.start(zip, {QStringLiteral("-r"), QStringLiteral("-q"), destino, QStringLiteral("recursos")});
        p.waitForFinished(-1);
    }
    state.SetBytesProcessed(state.iterations() * ficheiros * tamano);
}

} // namespace

BENCHMARK(BM_ZipBuilder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ZipR)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
