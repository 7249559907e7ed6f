// Undo must stay quick on a large model: one snapshot of a model with about 1,000 attributes and
// 100 options, and one undo or redo of an edit to it.
#include <benchmark/benchmark.h>

#include "bench_models.h"
#include "files/modelsnapshot.h"

namespace ubic::bench {
namespace {

constexpr int kOptions = 100;

// Forty aggregates of twenty-four basic attributes each below one top attribute: 1,001 in all.
std::unique_ptr<TUbicModel> LargeModel() {
  return GroupedModel(40, 24, kOptions);
}

void BM_Snapshot(benchmark::State& state) {
  const auto model = LargeModel();
  for (auto _ : state) {
    TModelSnapshot snapshot(*model);
    benchmark::DoNotOptimize(snapshot);
  }
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMillisecond);

// Each iteration undoes the edit and redoes it: two steps.
void BM_UndoRedo(benchmark::State& state) {
  const auto model = LargeModel();
  TUndoHistory history(*model);
  model->FirstAttribute()->SetName("Renamed");
  history.Record(*model, "Rename attribute");
  for (auto _ : state) {
    history.Undo(*model);
    history.Redo(*model);
  }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench

BENCHMARK_MAIN();
