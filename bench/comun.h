// What the benchmark programs share: the peak memory of the process, the time of one call.
#pragma once

#include <benchmark/benchmark.h>
#include <chrono>
#include <sys/resource.h>

namespace quibel::bench {

// The process's maximum resident size so far, in MiB.
inline double picomb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;
}

// The wall time of one call of f, in milliseconds.
template <class F> double milisegundos(F&& f) {
    const auto inicio = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
}

} // namespace quibel::bench
