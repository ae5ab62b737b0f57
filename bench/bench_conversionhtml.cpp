// The page-text conversions on a generated page of about 100 KB (paragraphs, fonts, styles,
// bullets, entities, links and pictures): each plain-text routine, htmlarich into a fresh
// document and richahtml from a filled one. Ten repetitions each, so medians are reported.
#include "book/conversionhtml.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <optional>

using namespace quibel;

namespace {

QString paxinagrande() {
    const char* posicions[] = {"left", "center", "right"};
    const char* caras[] = {"Arial", "DejaVu Sans", "Times New Roman", "Courier New"};
    QString html;
    for (int n = 1; html.size() < 100 * 1024; ++n) {
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

const QString& paxina() {
    static const QString html = paxinagrande();
    return html;
}

void bytes(benchmark::State& estado, const QString& entrada) {
    estado.counters["input_KB"] = double(entrada.size()) / 1024.0;
    estado.SetBytesProcessed(estado.iterations() * entrada.size() * qsizetype(sizeof(QChar)));
}

void BM_htmlatexto(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(htmlatexto(paxina()));
    bytes(estado, paxina());
}

void BM_textoahtml(benchmark::State& estado) {
    const QString texto = htmlatexto(paxina());
    for (auto _ : estado)
        benchmark::DoNotOptimize(textoahtml(texto));
    bytes(estado, texto);
}

void BM_htmlamarcas(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(htmlamarcas(paxina()));
    bytes(estado, paxina());
}

void BM_marcasahtml(benchmark::State& estado) {
    const QString marcas = htmlamarcas(paxina());
    for (auto _ : estado)
        benchmark::DoNotOptimize(marcasahtml(marcas));
    bytes(estado, marcas);
}

void BM_partirtexto(benchmark::State& estado) {
    const QString texto = htmlatexto(paxina());
    for (auto _ : estado)
        benchmark::DoNotOptimize(partirtexto(texto, u'\n'));
    bytes(estado, texto);
}

void BM_htmlarich(benchmark::State& estado) {
    for (auto _ : estado) {
        // Creating and freeing the document are not part of the conversion.
        estado.PauseTiming();
        std::optional<QTextDocument> documento(std::in_place);
        estado.ResumeTiming();
        htmlarich(paxina(), *documento);
        estado.PauseTiming();
        documento.reset();
        estado.ResumeTiming();
    }
    bytes(estado, paxina());
}

void BM_richahtml(benchmark::State& estado) {
    QTextDocument documento;
    htmlarich(paxina(), documento);
    for (auto _ : estado)
        benchmark::DoNotOptimize(richahtml(documento));
    estado.counters["blocks"] = documento.blockCount();
    bytes(estado, paxina());
}

constexpr int repeticions = 10;
BENCHMARK(BM_htmlatexto)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);
BENCHMARK(BM_textoahtml)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);
BENCHMARK(BM_htmlamarcas)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);
BENCHMARK(BM_marcasahtml)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);
BENCHMARK(BM_partirtexto)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);
BENCHMARK(BM_htmlarich)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);
BENCHMARK(BM_richahtml)->Unit(benchmark::kMillisecond)->Repetitions(repeticions);

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
