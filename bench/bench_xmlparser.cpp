// Parse speed and memory of the book XML parser against pugixml on a generated book of about
// 2 MB. Every allocation of the process goes through the counting malloc below, so the peak
// memory of a parse (tree, names, Qt's byte arrays) is measured, not estimated.
#include "book/XMLParser.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <string>

// ---------------------------------------------------------------------------------------------
// Counting allocator: wraps glibc's allocator for the whole program.

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {
// Counting is on only while a peak is measured, so that the timed loops run at full speed.
std::atomic<bool> counting{false};
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void counted(void* p) {
    if (!p || !counting.load(std::memory_order_relaxed)) return;
    const long long now = liveBytes += (long long)malloc_usable_size(p);
    long long peak = peakBytes.load(std::memory_order_relaxed);
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}
void released(void* p) {
    if (p && counting.load(std::memory_order_relaxed)) liveBytes -= (long long)malloc_usable_size(p);
}

// The most bytes live at once during fn() that were allocated inside it (fn frees almost
// nothing older, so the figure is not lowered by earlier blocks).
template <class F> long long peakOf(F&& fn) {
    liveBytes = 0;
    peakBytes = 0;
    counting = true;
    fn();
    counting = false;
    return peakBytes.load();
}
} // namespace

extern "C" {
void* malloc(size_t n) {
    void* p = __libc_malloc(n);
    counted(p);
    return p;
}
void* calloc(size_t n, size_t size) {
    void* p = __libc_calloc(n, size);
    counted(p);
    return p;
}
void* realloc(void* old, size_t n) {
    const long long before =
        old && counting.load(std::memory_order_relaxed) ? (long long)malloc_usable_size(old) : 0;
    void* p = __libc_realloc(old, n);
    if (p || n == 0) {
        liveBytes -= before;
        counted(p);
    }
    return p;
}
void free(void* p) {
    released(p);
    __libc_free(p);
}
void* memalign(size_t alignment, size_t n) {
    void* p = __libc_memalign(alignment, n);
    counted(p);
    return p;
}
void* aligned_alloc(size_t alignment, size_t n) {
    return memalign(alignment, n);
}
int posix_memalign(void** out, size_t alignment, size_t n) {
    void* p = memalign(alignment, n);
    if (!p) return 12; // ENOMEM
    *out = p;
    return 0;
}
}

// ---------------------------------------------------------------------------------------------
// A book-like text: declaration, zub root, config and libro sections, pages of short indented
// elements with attributes and entities, and a CDATA page text.

namespace {

enum class Shape { Book, FieldsOnly };

QByteArray makeBook(size_t target, Shape shape) {
    QByteArray x;
    x.reserve(qsizetype(target + 8192));
    x += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<zub version=\"5.6.3\">\r\n    <config>\r\n";
    x += "          <recursos>$recursos</recursos>\r\n        <idioma>1</idioma>\r\n";
    x += "        <licencia>CC BY-SA &amp; outros</licencia>\r\n          <corfondo>FFFFFF</corfondo>\r\n";
    x += "        <corbanda>3366CC</corbanda>\r\n          <titulo>Os animais do bosque</titulo>\r\n";
    x += "          <subtitulo>Primeiro ciclo</subtitulo>\r\n    </config>\r\n    <libro>\r\n";
    const char* words[] = {"gato", "can", "vaca", "porco", "galiña", "ovella", "cabalo", "raposo"};
    for (int page = 1; size_t(x.size()) < target; ++page) {
        const char* w = words[page % 8];
        const QByteArray n = QByteArray::number(page);
        x += "        <paxina id=\"" + n + "\" >\r\n";
        x += "              <tipo>" + QByteArray::number(page % 51 + 1) + "</tipo>\r\n";
        x += "            <nonpasar atras=\"1\" >0</nonpasar>\r\n";
        x += "              <cabeceira>P&aacute;xina " + n + ": o " + w + "</cabeceira>\r\n";
        x += "              <pe>Preme &quot;seguinte&quot; para continuar</pe>\r\n";
        x += "              <evalua  crt=\"Moi ben!\" icrt=\"Int&eacute;ntao outra vez\">1</evalua>\r\n";
        x += "              <imaxe alt=\"Un " + QByteArray(w) + "\">imaxes\\" + w + n + ".jpg</imaxe>\r\n";
        x += "              <son auto=\"1\">sons\\" + QByteArray(w) + ".mp3</son>\r\n";
        for (int r = 1; r <= 4; ++r)
            x += "              <resp texto=\"&lt;b&gt;" + QByteArray(words[(page + r) % 8]) +
                 "&lt;/b&gt;\" valor=\"" + QByteArray(r == 1 ? "1" : "0") + "\">Resposta " +
                 QByteArray::number(r) + "</resp>\r\n";
        if (shape == Shape::Book) {
            x += "              <texto posx=\"10\" posy=\"40\" ancho=\"600\" largo=\"300\"><![CDATA[";
            const int paragraphs = 2 + page % 4;
            for (int p = 0; p < paragraphs; ++p)
                x += "<p style=\"font-family:Verdana;font-size:14px\">O " + QByteArray(w) +
                     " vive no bosque e come herba, froitas e sementes. Cando chega o inverno busca "
                     "abeiro baixo as pedras &amp; as raíces das árbores.</p>";
            x += "]]></texto>\r\n";
        }
        x += "        </paxina>\r\n";
    }
    x += "    </libro>\r\n</zub>\r\n";
    return x;
}

const QByteArray& book(Shape shape) {
    static const QByteArray books[] = {makeBook(2 << 20, Shape::Book), makeBook(2 << 20, Shape::FieldsOnly)};
    return books[int(shape)];
}

void report(benchmark::State& state, const QByteArray& text, long long peak) {
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    state.counters["input_MB"] = double(text.size()) / (1 << 20);
    state.counters["peak_MB"] = double(peak) / (1 << 20);
    state.counters["peak_per_input"] = double(peak) / double(text.size());
}

void BM_TXMLDoc(benchmark::State& state) {
    const QByteArray& text = book(Shape(state.range(0)));
    for (auto _ : state) {
        quibel::TXMLDoc doc;
        doc.SetXML(text);
        benchmark::DoNotOptimize(doc.Nodes.Count());
    }
    const long long peak = peakOf([&] {
        quibel::TXMLDoc doc;
        doc.SetXML(text);
    });
    report(state, text, peak);
}

void BM_pugixml(benchmark::State& state) {
    const QByteArray& text = book(Shape(state.range(0)));
    for (auto _ : state) {
        pugi::xml_document doc;
        const pugi::xml_parse_result result = doc.load_buffer(text.constData(), size_t(text.size()));
        if (!result) state.SkipWithError(result.description());
        benchmark::DoNotOptimize(doc.first_child());
    }
    const long long peak = peakOf([&] {
        pugi::xml_document doc;
        doc.load_buffer(text.constData(), size_t(text.size()));
    });
    report(state, text, peak);
}

} // namespace

// Argument 0: pages with a CDATA text (the usual book); 1: the short fields alone.
BENCHMARK(BM_TXMLDoc)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_pugixml)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
