// What the benchmark programs share: the peak memory of the process.
#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace quibel::bench {

// The process's maximum resident size so far, in MiB.
inline double picomb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;
}

} // namespace quibel::bench
