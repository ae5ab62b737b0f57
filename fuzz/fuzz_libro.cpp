// Bytes through the parser and the book reader into a model: a hostile book must never crash,
// hang or write outside the tables.
#include "lerlibro.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quibel;
    Book* libro = &fuzz::librofuzz();
    const auto informe = fuzz::lerlibro(*libro, data, size);
    if (!informe) return 0;
    if (libro->numpaxinas > Book::maxpaxinas || informe->paxinas != libro->numpaxinas ||
        informe->ultimafila > Book::maxpaxinas)
        std::abort();
    return 0;
}
