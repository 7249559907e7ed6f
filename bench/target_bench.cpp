// Target analysis on a model of 60 basic attributes with scales of 3 to 7 values in a tree of
// depth 4: what the top attribute needs to reach each of its values from either side, for options
// of known values and for options whose values are mostly undefined.
#include <benchmark/benchmark.h>

#include "bench_models.h"
#include "model/target.h"

namespace ubic::bench {
namespace {

// Top of 3 inputs, each of 5 aggregates of 4 basic attributes: 60 basic attributes; scales of up
// to 7 values where the tables stay within 1,000 rules. Every rule
// is the rounded mean of its inputs on the attribute's scale, so that the tables are monotone
// and every value can be reached, with a random step here and there.
struct TTargetModel {
  TUbicModel Model;
  TUbicAttribute* Top = nullptr;
  std::mt19937 Random{60};

  TTargetModel() {
    auto top = MakeAttribute("Top", 5);
    for (int g = 0; g < 3; ++g) {
      auto group = MakeAttribute("g" + std::to_string(g), 3 + int(Random() % 5));
      for (int s = 0; s < 5; ++s) {
        auto sub =
            MakeAttribute("s" + std::to_string(g) + std::to_string(s), 3 + int(Random() % 2));
        for (int b = 0; b < 4; ++b) sub->AddInput(MakeAttribute("b", 3 + int(Random() % 3)));
        Fill(*sub);
        group->AddInput(std::move(sub));
      }
      Fill(*group);
      top->AddInput(std::move(group));
    }
    Fill(*top);
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
    // One option of random values and one at the worst value everywhere, which has far to go;
    // one with no value known, whose solutions are countless ways of fixing enough values, and
    // one with every other value unknown.
    Model.AddOption("random");
    Model.AddOption("worst");
    Model.AddOption("unknown");
    Model.AddOption("half unknown");
    std::vector<TUbicAttribute*> basics;
    Model.Root()->CollectBasicAttributes(basics);
    for (TUbicAttribute* basic : basics) {
      basic->SetOptionValue(0, int(Random() % unsigned(basic->Scale()->Count())));
      basic->SetOptionValue(1, 0);
      basic->SetOptionText(2, "*");
    }
    for (std::size_t b = 0; b < basics.size(); b += 2) {
      basics[b]->SetOptionText(3, "*");
      basics[b + 1]->SetOptionValue(3, int(Random() % unsigned(basics[b + 1]->Scale()->Count())));
    }
  }

  void Fill(TUbicAttribute& attribute) {
    FillFunction(attribute, [this](const TUbicFunction& f, int r) {
      const TUbicAttribute& a = *f.Attribute();
      double sum = 0;
      for (int i = 0; i < a.InputCount(); ++i) {
        sum += double(f.RuleInput(i, r)) / (a.Input(i)->Scale()->Count() - 1);
      }
      const int top = a.Scale()->Count() - 1;
      const int value = int(sum / a.InputCount() * top + 0.5) + int(Random() % 3) - 1;
      return std::clamp(value, 0, top);
    });
  }
};

void BM_TargetAnalysis(benchmark::State& state) {
  TTargetModel model;
  const auto direction = state.range(1) != 0 ? TTargetDirection::AtMost : TTargetDirection::AtLeast;
  const TTargetQuestion question{int(state.range(2)), model.Top, direction, int(state.range(0)),
                                 20};
  TTargetAnswer answer;
  for (auto _ : state) {
    answer = FindTargetChanges(question);
    benchmark::DoNotOptimize(answer);
  }
  state.counters["changes"] = answer.ChangeCount;
  state.counters["solutions"] = double(answer.Solutions.size() + std::size_t(answer.More));
}
BENCHMARK(BM_TargetAnalysis)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench
