#include "bench/RatioReporter.h"

#include <cstdio>
#include <set>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs)
    if (run.run_type == Run::RT_Iteration && run.iterations > 0)
      nanos_[run.run_name.function_name] = run.GetAdjustedRealTime() *
                                     (run.time_unit == benchmark::kMillisecond ? 1e6
                                      : run.time_unit == benchmark::kMicrosecond ? 1e3 : 1.0);
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::set<std::string> figures;
  for (const auto& [name, ns] : nanos_) {
    auto slash = name.rfind("/korvane");
    if (slash != std::string::npos) figures.insert(name.substr(0, slash));
  }
  std::printf("\n%-44s %12s %12s %8s\n", "figure", "korvane", "baseline", "ratio");
  for (const auto& f : figures) {
    double k = nanos_[f + "/korvane"];
    auto b = nanos_.find(f + "/baseline");
    if (b == nanos_.end()) {
      std::printf("%-44s %10.3f ms %12s %8s\n", f.c_str(), k / 1e6, "-", "-");
    } else {
      std::printf("%-44s %10.3f ms %9.3f ms %7.2fx\n", f.c_str(), k / 1e6, b->second / 1e6, k / b->second);
    }
  }
}
