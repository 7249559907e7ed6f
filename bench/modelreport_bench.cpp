// The text report of a model grows linearly with the model: time per attribute about the same for
// 20 and for 200 attributes, both with 50 options.
#include <benchmark/benchmark.h>

#include "bench_models.h"
#include "cli/textreport.h"
#include "modelreports/modelreport.h"

namespace ubic::bench {
namespace {

// Groups of four basic attributes under aggregates with a full rule table, below one top.
void BuildReportModel(TUbicModel& model, int attributes) {
  auto top = MakeAttribute("Top", 3);
  int count = 1;
  for (int g = 0; count + 5 <= attributes; ++g, count += 5) {
    auto group = MakeAttribute("Group " + std::to_string(g), 3);
    for (int b = 0; b < 4; ++b) group->AddInput(MakeAttribute("Basic " + std::to_string(b), 3));
    FillFunction(*group, [](const TUbicFunction& f, int r) {
      return (f.RuleInput(0, r) + f.RuleInput(1, r) + f.RuleInput(2, r) + f.RuleInput(3, r)) / 4;
    });
    top->AddInput(std::move(group));
  }
  model.Root()->AddInput(std::move(top));
  std::vector<TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  for (int k = 0; k < 50; ++k) {
    model.AddOption("Option " + std::to_string(k));
    for (std::size_t b = 0; b < basic.size(); ++b) basic[b]->SetOptionValue(k, (k + b) % 3);
  }
  model.EvaluateAll();
}

void BM_TextReport(benchmark::State& state) {
  TUbicModel model;
  BuildReportModel(model, static_cast<int>(state.range(0)));
  const int attributes = model.Statistics().Attributes;
  TReportStyle style;
  style.Created = {2026, 1, 1, 0, 0, 0, 0};
  for (auto _ : state) {
    const std::unique_ptr<TReport> report =
        MakeModelReport(&model, AllTextSections(), style);
    benchmark::DoNotOptimize(cli::FormatTextReport(*report, {80, 60, false}, style.Created));
  }
  state.SetItemsProcessed(state.iterations() * attributes);
  state.counters["attributes"] = attributes;
}
BENCHMARK(BM_TextReport)->Arg(21)->Arg(201)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
