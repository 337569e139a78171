// One QApplication (offscreen, as bench/run sets it) for all benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/RatioReporter.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  static int qtArgc = 1;
  static char name[] = "korvane-bench";
  static char* qtArgv[] = {name, nullptr};
  QApplication app(qtArgc, qtArgv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
