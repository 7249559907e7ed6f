// Sensitivity of one option of a model of 1,000 attributes and 100 options: every basic value
// moved down and up, each change carried to the top-level attributes.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_models.h"
#include "model/sensitivity.h"

namespace ubic::bench {
namespace {

constexpr int kAttributes = 1'000;
constexpr int kOptions = 100;

// Three top-level attributes, aggregates of three inputs each below them, every scale of three
// values and every rule entered at random; every option a random single value on each basic one.
struct TSensitivityModel {
  TUbicModel Model;

  TSensitivityModel() {
    std::mt19937 random(18);
    std::vector<TUbicAttribute*> open{Model.Root()};
    for (int built = 0, next = 0; built < kAttributes; ++next) {
      for (int i = 0; i < 3 && built < kAttributes; ++i, ++built) {
        auto attribute = MakeAttribute("a" + std::to_string(built), 3);
        open.push_back(attribute.get());
        open[next]->AddInput(std::move(attribute));
      }
    }
    std::vector<TUbicAttribute*> all;
    Model.Root()->CollectAttributes(all);
    for (TUbicAttribute* attribute : all) {
      if (!attribute->IsBasic()) {
        FillFunction(*attribute,
                     [&random](const TUbicFunction&, int) { return int(random() % 3); });
      }
    }
    for (int k = 0; k < kOptions; ++k) {
      Model.AddOption("o" + std::to_string(k));
      for (TUbicAttribute* attribute : all) {
        if (attribute->IsBasic()) attribute->SetOptionValue(k, int(random() % 3));
      }
    }
  }
};

void BM_SensitivityOfOneOption(benchmark::State& state) {
  const TSensitivityModel model;
  std::size_t rows = 0;
  for (auto _ : state) {
    const TSensitivity sensitivity = ComputeSensitivity(model.Model, kOptions / 2);
    rows = sensitivity.Rows.size();
    benchmark::DoNotOptimize(sensitivity);
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_SensitivityOfOneOption)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
