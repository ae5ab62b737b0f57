// The page-text conversions on a generated page of about 100 KB (paragraphs, fonts, styles,
// bullets, entities, links and pictures): each plain-text routine, htmlarich into a fresh
// document and richahtml from a filled one. Ten repetitions each, so medians are reported.
// The same routines also run on 100 KB, 1 MB and 4 MB of that page and of a page of list items
// only (the "_sizes" runs), so that time per MB shows whether a routine stays linear.
#include "book/conversionhtml.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <map>
#include <optional>

using namespace quibel;

namespace {

QString paxinagrande(qsizetype tamano = 100 * 1024) {
    const char* posicions[] = {"left", "center", "right"};
    const char* caras[] = {"Arial", "DejaVu Sans", "Times New Roman", "Courier New"};
    QString html;
    for (int n = 1; html.size() < tamano; ++n) {
        html += QStringLiteral("<p align=\"%1\">\r\n<font color=\"#%2\" face=\"%3\" size=\"%4\">")
                    .arg(QLatin1StringView(posicions[n % 3]))
                    .arg(n * 2654435 % 0xFFFFFF, 6, 16, QChar(u'0'))
                    .arg(QLatin1StringView(caras[n % 4]))
                    .arg(10 + n % 8);
        if (n % 5 == 0) html += QStringLiteral("<h2>Sección %1</h2>\r\n").arg(n);
        for (int k = 0; k < 6; ++k) {
            if (k % 3 == 2) html += QStringLiteral("<li>");
            html += QStringLiteral("Texto con &lt;entidades&gt; &amp; acentos, <b>negra</b> e "
                                   "<i>cursiva <u>subliñada</u></i>; ");
            html += QStringLiteral(
                        "<a href=\"p%1\"  >ligazón</a> <font face=\"Arial\" size=\"14\">dentro</font> ")
                        .arg(n % 99 + 1);
            if (k == 4) html += QStringLiteral("<img src=\"imaxe%1.png\"   > ").arg(n);
            html += k % 3 == 2 ? QStringLiteral("</li>\r\n") : QStringLiteral("<br>\r\n");
        }
        html += QStringLiteral("</font></p>\r\n");
    }
    return html;
}

// Bulleted lines only, each with a little formatting, as a long list pasted from elsewhere.
QString paxinalistas(qsizetype tamano) {
    QString html;
    for (int n = 1; html.size() < tamano; ++n)
        html += QStringLiteral("<li>Elemento %1 da lista con <b>negra</b> e texto</li>\r\n").arg(n);
    return html;
}

// The input of a run, from its arguments: the kind (0 the mixed page, 1 list items) and the size
// in KB; each made once.
const QString& paxina(const benchmark::State& estado) {
    static std::map<std::pair<int64_t, int64_t>, QString> feitas;
    const int64_t tipo = estado.range(0), kb = estado.range(1);
    QString& h = feitas[{tipo, kb}];
    if (h.isEmpty()) h = tipo == 0 ? paxinagrande(qsizetype(kb) * 1024) : paxinalistas(qsizetype(kb) * 1024);
    return h;
}

void bytes(benchmark::State& estado, const QString& entrada) {
    estado.counters["input_KB"] = double(entrada.size()) / 1024.0;
    estado.SetBytesProcessed(estado.iterations() * entrada.size() * qsizetype(sizeof(QChar)));
    // Seconds per MB of input, so that the sizes compare directly.
    estado.counters["s_per_MB"] =
        benchmark::Counter(double(estado.iterations()) * double(entrada.size()) / 1048576.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    estado.SetLabel(estado.range(0) ? "lists" : "mixed");
}

void BM_htmlatexto(benchmark::State& estado) {
    const QString& e = paxina(estado);
    for (auto _ : estado)
        benchmark::DoNotOptimize(htmlatexto(e));
    bytes(estado, e);
}

void BM_textoahtml(benchmark::State& estado) {
    const QString texto = htmlatexto(paxina(estado));
    for (auto _ : estado)
        benchmark::DoNotOptimize(textoahtml(texto));
    bytes(estado, texto);
}

void BM_htmlamarcas(benchmark::State& estado) {
    const QString& e = paxina(estado);
    for (auto _ : estado)
        benchmark::DoNotOptimize(htmlamarcas(e));
    bytes(estado, e);
}

void BM_marcasahtml(benchmark::State& estado) {
    const QString marcas = htmlamarcas(paxina(estado));
    for (auto _ : estado)
        benchmark::DoNotOptimize(marcasahtml(marcas));
    bytes(estado, marcas);
}

void BM_partirtexto(benchmark::State& estado) {
    const QString texto = htmlatexto(paxina(estado));
    for (auto _ : estado)
        benchmark::DoNotOptimize(partirtexto(texto, u'\n'));
    bytes(estado, texto);
}

void BM_htmlarich(benchmark::State& estado) {
    const QString& e = paxina(estado);
    for (auto _ : estado) {
        // Creating and freeing the document are not part of the conversion.
        estado.PauseTiming();
        std::optional<QTextDocument> documento(std::in_place);
        estado.ResumeTiming();
        htmlarich(e, *documento);
        estado.PauseTiming();
        documento.reset();
        estado.ResumeTiming();
    }
    bytes(estado, e);
}

void BM_richahtml(benchmark::State& estado) {
    const QString& e = paxina(estado);
    QTextDocument documento;
    htmlarich(e, documento);
    for (auto _ : estado)
        benchmark::DoNotOptimize(richahtml(documento));
    estado.counters["blocks"] = documento.blockCount();
    bytes(estado, e);
}

// Each routine on the 100 KB page, ten times so that medians are reported; then on both kinds of
// input at 100 KB, 1 MB and 4 MB, where time per MB at 4 MB against that at 100 KB shows whether
// the routine stays linear.
void rexistrar(benchmark::internal::Benchmark* b) {
    b->ArgNames({"lists", "KB"})->Unit(benchmark::kMillisecond);
}
void paxinacen(benchmark::internal::Benchmark* b) {
    rexistrar(b);
    b->Args({0, 100})->Repetitions(10);
}
void tamanos(benchmark::internal::Benchmark* b) {
    rexistrar(b);
    b->ArgsProduct({{0, 1}, {100, 1024, 4096}})->Iterations(1)->Repetitions(3);
}
#define CONVERSION(f)                                                                                        \
    BENCHMARK(f)->Apply(paxinacen);                                                                          \
    BENCHMARK(f)->Name(#f "_sizes")->Apply(tamanos)
CONVERSION(BM_htmlatexto);
CONVERSION(BM_textoahtml);
CONVERSION(BM_htmlamarcas);
CONVERSION(BM_marcasahtml);
CONVERSION(BM_partirtexto);
CONVERSION(BM_htmlarich);
CONVERSION(BM_richahtml);

} // namespace

int main(int argc, char** argv) {
    // QTextDocument needs a QGuiApplication, and benchmarks run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
