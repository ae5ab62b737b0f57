// Reading a book file: a generated 99-page book that uses every page type (about 1 MB), written
// by the book writer into a temporary book folder whose resources exist, then parsed and read
// into a fresh model. Peak memory of the process is reported as the counter peak_MB.
#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/gardalocal.h"
#include "book/loaditem.h"

#include "comun.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <sys/resource.h>

using namespace quibel;

namespace {

using bench::picomb;

// Peak of the process before any book exists (Qt and the benchmark library loaded).
const double base = picomb();

// The book folder with its resources and the bytes of the book file.
struct Fonte {
    QTemporaryDir dir;
    QString carpeta;
    QByteArray datos;

    explicit Fonte(bool conrecursos, int repeticions = 300) {
        carpeta = dir.path() + QStringLiteral("/");
        const QString res = carpeta + QStringLiteral("res/");
        QDir().mkpath(res);
        auto b = std::make_unique<Book>();
        b->txttitulo = QStringLiteral("Libro de proba & <b>");
        b->txtdirrec = res;
        b->arquivologo = res + QStringLiteral("logo.png");
        for (int i = 0; i < Book::numligas; ++i) {
            b->txmenus[i] = QStringLiteral("Ligazón %1").arg(i);
            b->txligas[i] = QString::number(i + 1);
        }
        const QString longo =
            QStringLiteral("<p>Texto da páxina con acentos, & e <b>marcas</b> ]]> fin.</p>\r\n")
                .repeated(repeticions);
        QStringList arquivos{b->arquivologo};
        for (int fila = 1; fila <= Book::maxpaxinas; ++fila) {
            Tpaxina& p = b->paxina(fila);
            const int tipo = (fila - 1) % 51 + 1;
            p[0] = QString::number(tipo);
            // Every field holds a resource path, so whichever fields a type writes as files are found.
            for (int k = 1; k < Tpaxina::numcampos; ++k) {
                p[k] = res + QStringLiteral("imaxe %1_%2 'co' & \"x\".png").arg(fila).arg(k);
                arquivos << p[k];
            }
            if (tipo != 15) // there P26 is a button picture
                p[26] = QStringLiteral("1");
            p[30] = QStringLiteral("1");
            for (int i = 1; i <= Book::numtextos; ++i)
                b->texto(fila, i) = longo;
        }
        b->numpaxinas = Book::maxpaxinas;
        // Every field may end up in a file slot: the files the writer writes relative exist.
        if (conrecursos)
            for (const QString& a : arquivos)
                QFile(a).open(QIODevice::WriteOnly);
        for (const QString& l : linaslibro(*b, carpeta + QStringLiteral("libro.zube"), 0))
            datos += l.toUtf8() + "\r\n";
    }

    Lectura lectura() const {
        Lectura l;
        l.carpetalectura = carpeta;
        return l;
    }

    std::unique_ptr<Book> libro() const {
        auto b = std::make_unique<Book>();
        b->carpetalibro = b->carpetarecursos = carpeta;
        b->inicializar();
        b->inizrtf();
        return b;
    }
};

void contadores(benchmark::State& estado, const Fonte& f) {
    estado.counters["peak_MB"] = picomb();
    estado.counters["base_MB"] = base;
    estado.counters["file_KB"] = double(f.datos.size()) / 1024.0;
    estado.SetBytesProcessed(estado.iterations() * f.datos.size());
}

// Parse and read, as Open does after reading the file.
void lerlibro(benchmark::State& estado, bool conrecursos) {
    const Fonte f(conrecursos);
    for (auto _ : estado) {
        estado.PauseTiming();
        auto b = f.libro();
        estado.ResumeTiming();
        TXMLDoc doc;
        analizarlibro(doc, f.datos);
        const InformeLectura inf = LoadItem(*b, *doc.Nodes.Items(0), f.lectura());
        if (b->numpaxinas != Book::maxpaxinas) estado.SkipWithError("pages missing");
        benchmark::DoNotOptimize(inf);
    }
    contadores(estado, f);
}

void BM_lerlibro(benchmark::State& estado) {
    lerlibro(estado, true);
}
BENCHMARK(BM_lerlibro)->Unit(benchmark::kMillisecond);

// The same book on a machine where none of its resources exist (every file goes to its fallback,
// an empty folder).
void BM_lerlibro_senrecursos(benchmark::State& estado) {
    lerlibro(estado, false);
}
BENCHMARK(BM_lerlibro_senrecursos)->Unit(benchmark::kMillisecond);

// The reader alone, on a parsed document.
void BM_loaditem(benchmark::State& estado) {
    const Fonte f(true);
    TXMLDoc doc;
    analizarlibro(doc, f.datos);
    for (auto _ : estado) {
        estado.PauseTiming();
        auto b = f.libro();
        estado.ResumeTiming();
        benchmark::DoNotOptimize(LoadItem(*b, *doc.Nodes.Items(0), f.lectura()));
    }
    contadores(estado, f);
}
BENCHMARK(BM_loaditem)->Unit(benchmark::kMillisecond);

// Open as the window does it, from the file on disk, at about 1 MB and 20 MB (texts 24 times as long): the
// time per MB should not grow with the size. The first Open of the process is reported apart (first_ms),
// after the warm-up the program runs once its window has painted (warmup_ms).
void BM_abrir(benchmark::State& estado) {
    static double primeira = -1;
    const Fonte f(true, int(estado.range(0)) * 300);
    const QString ruta = f.carpeta + QStringLiteral("libro.zube");
    QFile saida(ruta);
    saida.open(QIODevice::WriteOnly);
    saida.write(f.datos);
    saida.close();
    const auto abrir = [&] {
        auto b = f.libro();
        TXMLDoc doc;
        const Apertura a = abrirlibro(*b, doc, ruta);
        if (!a.ok || b->numpaxinas != Book::maxpaxinas) estado.SkipWithError("open failed");
    };
    static double quente = -1;
    if (primeira < 0) {
        quente = bench::milisegundos(quentarlibros);
        primeira = bench::milisegundos(abrir);
    }
    estado.counters["warmup_ms"] = quente;
    estado.counters["first_ms"] = primeira;
    const auto inicio = std::chrono::steady_clock::now();
    for (auto _ : estado)
        abrir();
    const std::chrono::duration<double, std::milli> tempo = std::chrono::steady_clock::now() - inicio;
    contadores(estado, f);
    estado.counters["ms_per_MB"] =
        tempo.count() / double(estado.iterations()) / (double(f.datos.size()) / (1024.0 * 1024.0));
}
BENCHMARK(BM_abrir)->Arg(1)->Arg(24)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
