// Reading a model file must take time linear in its size: per megabyte the same for a file of
// about 1 MB and one of about 20 MB.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_models.h"
#include "files/modelfile.h"

namespace ubic::bench {
namespace {

// Ten aggregates of twenty basic attributes each; every basic attribute has a value for every
// option. Returns the file's size.
std::uintmax_t WriteModel(const std::string& fileName, int options) {
  SaveToFile(*GroupedModel(10, 20, options), fileName);
  return std::filesystem::file_size(fileName);
}

void BM_LoadModelFile(benchmark::State& state) {
  const std::string fileName = (std::filesystem::temp_directory_path() /
                                ("ubic-bench-" + std::to_string(state.range(0)) + ".ubm"))
                                   .string();
  const std::uintmax_t size = WriteModel(fileName, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TUbicModel model;
    LoadFromFile(model, fileName);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  state.counters["megabytes"] = static_cast<double>(size) / (1 << 20);
  std::filesystem::remove(fileName);
}
// About 1 MB and about 20 MB.
BENCHMARK(BM_LoadModelFile)->Arg(200)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
