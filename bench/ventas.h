// The main of the benchmark programs that build windows.
#pragma once

#include "comun.h"

#include <QApplication>

namespace quibel::bench {

// Runs the benchmarks inside an offscreen application.
inline int executarconventas(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

} // namespace quibel::bench
