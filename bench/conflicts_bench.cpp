// Rule conflicts of a function of 1,000 entered rules: three inputs of ten values each.
#include <benchmark/benchmark.h>

#include "bench_models.h"
#include "model/conflicts.h"

namespace ubic::bench {
namespace {

struct TConflictFunction {
  TUbicModel Model;
  TUbicFunction* Function;

  // Values at random make conflicts by the thousand; the sum of the inputs makes none.
  explicit TConflictFunction(bool monotone) {
    auto top = MakeAttribute("Top", 10);
    for (int i = 0; i < 3; ++i) top->AddInput(MakeAttribute("x" + std::to_string(i), 10));
    std::mt19937 random(7);
    Function = FillFunction(*top, [&](const TUbicFunction& f, int r) {
      if (!monotone) return int(random() % 10);
      return (f.RuleInput(0, r) + f.RuleInput(1, r) + f.RuleInput(2, r)) / 3;
    });
    Model.Root()->AddInput(std::move(top));
  }
};

void BM_RuleConflicts(benchmark::State& state) {
  const TConflictFunction function(state.range(0) != 0);
  std::size_t found = 0;
  for (auto _ : state) {
    const std::vector<TRuleConflict> conflicts = RuleConflicts(*function.Function);
    found = conflicts.size();
    benchmark::DoNotOptimize(conflicts);
  }
  state.counters["conflicts"] = static_cast<double>(found);
}
BENCHMARK(BM_RuleConflicts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
