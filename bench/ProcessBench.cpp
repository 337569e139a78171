// Runs two programs alternately, N times each, and prints the median wall
// time and peak memory of each and their ratio.
//   korvane_process_bench <runs> <name> <program> <baseline-program>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
  double millis;
  long peakKiB;
};

Sample RunOnce(const char* program) {
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", program, status);
    std::exit(1);
  }
  return {ms, usage.ru_maxrss};
}

template <class F>
double Median(std::vector<Sample> samples, F field) {
  std::vector<double> v;
  for (const auto& s : samples) v.push_back(field(s));
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s <runs> <name> <program> <baseline-program>\n", argv[0]);
    return 2;
  }
  int runs = std::max(1, std::atoi(argv[1]));
  RunOnce(argv[3]);  // warm the file cache for both
  RunOnce(argv[4]);
  std::vector<Sample> program, baseline;
  for (int i = 0; i < runs; ++i) {
    program.push_back(RunOnce(argv[3]));
    baseline.push_back(RunOnce(argv[4]));
  }
  auto ms = [](const Sample& s) { return s.millis; };
  auto kib = [](const Sample& s) { return static_cast<double>(s.peakKiB); };
  double pm = Median(program, ms), bm = Median(baseline, ms);
  double pk = Median(program, kib), bk = Median(baseline, kib);
  std::printf("%-44s %10.3f ms %9.3f ms %7.2fx\n", (std::string(argv[2]) + " wall time").c_str(), pm, bm, pm / bm);
  std::printf("%-44s %9.1f MiB %8.1f MiB %7.2fx\n", (std::string(argv[2]) + " peak memory").c_str(), pk / 1024,
              bk / 1024, pk / bk);
  return 0;
}
