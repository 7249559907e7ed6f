// Explanation of one option on a model of 1,000 attributes: groups of four basic attributes with
// full rule tables below one top.
#include <benchmark/benchmark.h>

#include "bench_models.h"
#include "model/explain.h"

namespace ubic::bench {
namespace {

void BM_ExplainOneOption(benchmark::State& state) {
  TUbicModel model;
  BuildReportModel(model, 1'000);
  std::size_t steps = 0;
  for (auto _ : state) {
    const TExplanation explanation = ExplainOption(model, 7);
    steps = 0;
    for (const TAggregateExplanation& aggregate : explanation.Aggregates) {
      steps += aggregate.Steps.size();
    }
    benchmark::DoNotOptimize(explanation);
  }
  state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(BM_ExplainOneOption)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
