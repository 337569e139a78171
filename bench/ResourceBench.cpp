// Opening and validating the resource file, and reading one resource,
// against reading the file's bytes into memory (the floor).
#include <benchmark/benchmark.h>

#include "codec/FileBytes.h"
#include "framework/ResourceFork.h"
#include "tests/support/Program.h"

namespace {

void ResourceOpen_Korvane(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fw::ResourceFork::Open(korvane::test::RealResourceFile()));
}

void ResourceOpenAndRead_Korvane(benchmark::State& state) {
  for (auto _ : state) {
    auto fork = fw::ResourceFork::Open(korvane::test::RealResourceFile());
    benchmark::DoNotOptimize(fork->GetResource("wstr", 140));
  }
}

void ReadBytes_Baseline(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(codec::ReadFile(korvane::test::RealResourceFile()));
}

}  // namespace

BENCHMARK(ResourceOpen_Korvane)->Name("ResourceOpen/korvane")->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBytes_Baseline)->Name("ResourceOpen/baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(ResourceOpenAndRead_Korvane)->Name("ResourceOpenAndGetResource/korvane")->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBytes_Baseline)->Name("ResourceOpenAndGetResource/baseline")->Unit(benchmark::kMillisecond);
