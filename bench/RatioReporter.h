// Prints the console report, then one table that sets each Korvane figure
// beside its baseline: benchmarks named "<figure>/korvane" and
// "<figure>/baseline" form a pair.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::map<std::string, double> nanos_;  // per iteration, by benchmark name
};
