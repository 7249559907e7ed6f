// The text report of a model grows linearly with the model: time per attribute about the same for
// 20 and for 200 attributes, both with 50 options.
#include <benchmark/benchmark.h>

#include "bench_models.h"
#include "cli/textreport.h"
#include "modelreports/modelreport.h"

namespace ubic::bench {
namespace {

void BM_TextReport(benchmark::State& state) {
  TUbicModel model;
  BuildReportModel(model, static_cast<int>(state.range(0)));
  const int attributes = model.Statistics().Attributes;
  TReportStyle style;
  style.Created = {2026, 1, 1, 0, 0, 0, 0};
  for (auto _ : state) {
    const std::unique_ptr<TReport> report = MakeModelReport(&model, AllTextSections(), style);
    benchmark::DoNotOptimize(cli::FormatTextReport(*report, {80, 60, false}, style.Created));
  }
  state.SetItemsProcessed(state.iterations() * attributes);
  state.counters["attributes"] = attributes;
}
BENCHMARK(BM_TextReport)->Arg(21)->Arg(201)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
