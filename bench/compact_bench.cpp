// Compact rules of a table of three inputs with ten values each (1000 rules), for every value.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_models.h"

namespace ubic::bench {
namespace {

template <class Rule>
void CompactEveryValue(benchmark::State& state, Rule rule) {
  auto attribute = MakeAttribute("Top", 10);
  for (const char* name : {"A", "B", "C"}) attribute->AddInput(MakeAttribute(name, 10));
  const TUbicFunction* function = FillFunction(*attribute, rule);
  TStrList boxes;
  std::size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (int v = 0; v < 10; ++v) {
      function->CompactRules(v, boxes);
      total += boxes.Count();
    }
  }
  state.counters["boxes"] = static_cast<double>(total);
}

// Every rule has the same value: one box covers the whole table.
void BM_CompactRulesOneValue(benchmark::State& state) {
  CompactEveryValue(state, [](const TUbicFunction&, int) { return 3; });
}
BENCHMARK(BM_CompactRulesOneValue)->Unit(benchmark::kMillisecond);

// The value grows with the sum of the inputs: many boxes for every value.
void BM_CompactRulesMonotone(benchmark::State& state) {
  CompactEveryValue(state, [](const TUbicFunction& f, int r) {
    return std::min(9, (f.RuleInput(0, r) + f.RuleInput(1, r) + f.RuleInput(2, r)) / 3);
  });
}
BENCHMARK(BM_CompactRulesMonotone)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
