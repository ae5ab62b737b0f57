// Parse and free times and tree memory of the book XML parser against pugixml, on generated
// books of 2 and 20 MB. Every allocation of the process goes through the counting malloc below,
// so the memory of a tree (nodes, names, Qt's byte arrays) is measured, not estimated.
#include "book/XMLParser.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <utility>

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

// Generated once per shape and size; 20 MB shows how the costs grow with the book.
const QByteArray& book(Shape shape, int megabytes) {
    static std::map<std::pair<int, int>, QByteArray> books;
    QByteArray& text = books[{int(shape), megabytes}];
    if (text.isEmpty()) text = makeBook(size_t(megabytes) << 20, shape);
    return text;
}

// The two parsers behind one face: parse into a fresh document, free it.
struct Quibel {
    std::unique_ptr<quibel::TXMLDoc> doc;
    bool parse(const QByteArray& text) {
        doc = std::make_unique<quibel::TXMLDoc>();
        doc->SetXML(text);
        return doc->Nodes.Count() > 0;
    }
    void free() { doc.reset(); }
};

struct Pugi {
    std::unique_ptr<pugi::xml_document> doc;
    bool parse(const QByteArray& text) {
        doc = std::make_unique<pugi::xml_document>();
        return bool(doc->load_buffer(text.constData(), size_t(text.size())));
    }
    void free() { doc.reset(); }
};

enum class Phase { Parse, Free, Both };

// Times the parse, the free, or both; the part not timed runs with the clock paused. The
// counters give the memory a parse leaves allocated (the tree) against the input's size.
template <class Parser> void measure(benchmark::State& state, Phase phase) {
    const QByteArray& text = book(Shape(state.range(0)), int(state.range(1)));
    Parser parser;
    for (auto _ : state) {
        if (phase == Phase::Free) state.PauseTiming();
        if (!parser.parse(text)) state.SkipWithError("no tree");
        if (phase == Phase::Free) state.ResumeTiming();
        if (phase == Phase::Parse) state.PauseTiming();
        parser.free();
        if (phase == Phase::Parse) state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    state.counters["input_MB"] = double(text.size()) / (1 << 20);
    if (phase != Phase::Parse) return;
    const long long tree = peakOf([&] { parser.parse(text); });
    parser.free();
    state.counters["tree_MB"] = double(tree) / (1 << 20);
    state.counters["tree_per_input"] = double(tree) / double(text.size());
}

void BM_TXMLDoc_parse(benchmark::State& state) {
    measure<Quibel>(state, Phase::Parse);
}
void BM_TXMLDoc_free(benchmark::State& state) {
    measure<Quibel>(state, Phase::Free);
}
void BM_TXMLDoc_parse_free(benchmark::State& state) {
    measure<Quibel>(state, Phase::Both);
}
// pugixml copies the input into its own buffer: its tree figure includes that copy.
void BM_pugixml_parse(benchmark::State& state) {
    measure<Pugi>(state, Phase::Parse);
    // The same tree parsed in place, on a copy made beforehand: its nodes alone.
    const QByteArray& text = book(Shape(state.range(0)), int(state.range(1)));
    QByteArray copy(text.constData(), text.size());
    pugi::xml_document doc;
    const long long nodes = peakOf([&] { doc.load_buffer_inplace(copy.data(), size_t(copy.size())); });
    state.counters["nodes_per_input"] = double(nodes) / double(text.size());
}
void BM_pugixml_parse_free(benchmark::State& state) {
    measure<Pugi>(state, Phase::Both);
}

// Arguments: the shape (0: pages with a CDATA text, the usual book; 1: the short fields alone)
// and the size in MB.
void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape", "MB"})->Unit(benchmark::kMillisecond);
    for (int mb : {2, 20})
        for (int shape : {0, 1})
            b->Args({shape, mb});
}

} // namespace

BENCHMARK(BM_TXMLDoc_parse)->Apply(sizes);
BENCHMARK(BM_TXMLDoc_free)->Apply(sizes);
BENCHMARK(BM_TXMLDoc_parse_free)->Apply(sizes);
BENCHMARK(BM_pugixml_parse)->Apply(sizes);
BENCHMARK(BM_pugixml_parse_free)->Apply(sizes);

// Freed memory stays with the process, as in a program that has read a book before: else
// glibc gives it back to the system between iterations, and the cost of touching fresh pages
// (most of the time at 20 MB) swamps both parsers and varies with the order the benchmarks run
// in, through glibc's moving thresholds.
int main(int argc, char** argv) {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
