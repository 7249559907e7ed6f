// Registering and unregistering model objects must take constant time: the time per scale value
// stays flat between 10k and 100k live objects.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench_models.h"
#include "model/scale.h"

namespace {

void BM_CreateDestroyScaleValues(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    std::vector<std::unique_ptr<ubic::TUbicScaleValue>> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      values.push_back(std::make_unique<ubic::TUbicScaleValue>("v"));
    }
    values.clear();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}
BENCHMARK(BM_CreateDestroyScaleValues)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A model of Count attributes: aggregates with three inputs each, every attribute with a scale
// of three values and every aggregate with its 27-rule function.
void BuildModel(ubic::TUbicModel& model, int count) {
  std::vector<ubic::TUbicAttribute*> open{model.Root()};
  int built = 0;
  for (std::size_t next = 0; built < count; ++next) {
    ubic::TUbicAttribute* parent = open[next];
    for (int i = 0; i < 3 && built < count; ++i, ++built) {
      auto attribute = ubic::bench::MakeAttribute("a" + std::to_string(built), 3);
      open.push_back(attribute.get());
      parent->AddInput(std::move(attribute));
    }
  }
  std::vector<ubic::TUbicAttribute*> all;
  model.Root()->CollectAttributes(all);
  for (ubic::TUbicAttribute* attribute : all) {
    if (attribute->IsBasic()) continue;
    auto function = std::make_unique<ubic::TUbicFunction>();
    function->Initialize(attribute);
    attribute->SetFunct(std::move(function));
  }
}

void BM_BuildAndDestroyModel(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ubic::TUbicModel model;
    BuildModel(model, count);
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BuildAndDestroyModel)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

// The same 10,000 attributes as ten models of 1,000 or one model of 10,000: the memory touched is
// the same, so the processor's caches favour neither, and what remains is the model's size.
void BM_BuildAndDestroy10kAttributes(benchmark::State& state) {
  const int models = static_cast<int>(state.range(0));
  const int count = 10'000 / models;
  for (auto _ : state) {
    std::vector<std::unique_ptr<ubic::TUbicModel>> built;
    for (int m = 0; m < models; ++m) {
      built.push_back(std::make_unique<ubic::TUbicModel>());
      BuildModel(*built.back(), count);
    }
  }
  state.SetItemsProcessed(state.iterations() * 10'000);
  state.SetLabel(std::to_string(models) + " x " + std::to_string(count) + " attributes");
}
BENCHMARK(BM_BuildAndDestroy10kAttributes)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
