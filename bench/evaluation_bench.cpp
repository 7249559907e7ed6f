// Evaluation of many single-valued options through a 1000-rule table: the evaluation that finds
// each option's rule by its index against the scan of every rule.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench_models.h"
#include "model/distributionevaluator.h"
#include "model/valuecode.h"

namespace ubic::bench {
namespace {

constexpr int kOptions = 100'000;

// Top = f(Quality, Price); Quality = g(A, B, C) with three inputs of ten values: 1000 rules.
struct TEvaluationModel {
  TUbicModel Model;
  TUbicAttribute* Quality = nullptr;

  TEvaluationModel() {
    std::mt19937 random(7);
    auto top = MakeAttribute("Top", 4);
    auto quality = MakeAttribute("Quality", 5);
    for (const char* name : {"A", "B", "C"}) quality->AddInput(MakeAttribute(name, 10));
    Quality = quality.get();
    FillFunction(*quality, [&random](const TUbicFunction&, int) { return int(random() % 5); });
    top->AddInput(std::move(quality));
    top->AddInput(MakeAttribute("Price", 5));
    FillFunction(*top, [&random](const TUbicFunction&, int) { return int(random() % 4); });
    TUbicAttribute* topPtr = top.get();
    Model.Root()->AddInput(std::move(top));

    for (int k = 0; k < kOptions; ++k) {
      Model.AddOption("o" + std::to_string(k));
      for (int i = 0; i < 3; ++i) Quality->Input(i)->SetOptionValue(k, int(random() % 10));
      topPtr->Input(1)->SetOptionValue(k, int(random() % 5));
    }
  }
};

TEvaluationModel& SharedModel() {
  static TEvaluationModel model;
  return model;
}

// Two aggregate attributes per option.
void BM_EvaluateAll(benchmark::State& state) {
  TEvaluationModel& m = SharedModel();
  for (auto _ : state) m.Model.EvaluateAll();
  state.counters["aggregate_evaluations_per_second"] = benchmark::Counter(
      2.0 * kOptions * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateAll)->Unit(benchmark::kMillisecond);

// The limit of EvaluateAll on this machine with option values held as they are: the same entries
// read and written, with the rule lookup left out (each result is the first input's text).
void BM_EvaluateAllMemoryFloor(benchmark::State& state) {
  TEvaluationModel& m = SharedModel();
  const std::vector<TUbicAttribute*> aggregates{m.Model.FirstAttribute(), m.Quality};
  m.Model.EvaluateAll();  // the aggregates' lists get their entries
  for (auto _ : state) {
    for (TUbicAttribute* aggregate : aggregates) {
      std::vector<const TStrList*> inputs;
      for (int i = 0; i < aggregate->InputCount(); ++i) {
        inputs.push_back(&aggregate->Input(i)->OptionValues());
      }
      aggregate->OptionValues().UpdateRange(0, kOptions, [&inputs](int k, std::string& result) {
        std::size_t length = 0;
        for (const TStrList* input : inputs) length += (*input)[k].size();
        result.assign(length > 0 ? 1 : 0, (*inputs[0])[k][0]);
      });
    }
  }
  state.counters["aggregate_evaluations_per_second"] = benchmark::Counter(
      2.0 * kOptions * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateAllMemoryFloor)->Unit(benchmark::kMillisecond);

// The same options by probabilities, with weights over two values on A and C: every aggregate's
// distribution made from its inputs', option by option, as ubic-cli evaluate --method prob does.
void BM_EvaluateProb(benchmark::State& state) {
  static const auto weighted = [] {
    auto m = std::make_unique<TEvaluationModel>();
    for (int k = 0; k < kOptions; ++k) {
      for (const int i : {0, 2}) {
        TUbicAttribute& input = *m->Quality->Input(i);
        const int low = std::min(input.OptionValue(k), 8);
        input.SetOptionWeighted(k, {{ValueCode(low), ValueCode(low + 1)}, {0.3, 0.7}});
      }
    }
    return m;
  }();
  TDistributionEvaluator evaluator(*weighted->Model.Root(), TEvaluationMethod::Prob);
  for (auto _ : state) {
    for (int k = 0; k < kOptions; ++k) {
      evaluator.Evaluate(k);
      benchmark::DoNotOptimize(evaluator.Weights(0).data());
    }
  }
  state.counters["options_per_second"] = benchmark::Counter(
      double(kOptions) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateProb)->Unit(benchmark::kMillisecond);

// The 1000-rule table alone, per option: by index, and by scanning every rule.
template <bool Scan>
void EvaluateQuality(benchmark::State& state) {
  TEvaluationModel& m = SharedModel();
  const TUbicFunction& function = *m.Quality->Funct();
  std::vector<std::string_view> inputs(3);
  int k = 0;
  for (auto _ : state) {
    for (int i = 0; i < 3; ++i) inputs[i] = m.Quality->Input(i)->OptionValues()[k];
    benchmark::DoNotOptimize(Scan ? function.EvaluateByRuleScan(inputs)
                                  : function.Evaluate(inputs));
    k = (k + 1) % kOptions;
  }
  state.SetItemsProcessed(state.iterations());
}
void BM_EvaluateTableByIndex(benchmark::State& state) {
  EvaluateQuality<false>(state);
}
void BM_EvaluateTableByRuleScan(benchmark::State& state) {
  EvaluateQuality<true>(state);
}
BENCHMARK(BM_EvaluateTableByIndex);
BENCHMARK(BM_EvaluateTableByRuleScan);

}  // namespace
}  // namespace ubic::bench
