#pragma once

// The inputs of the command-line benchmarks: a model of 20 basic and 11 aggregate attributes whose
// tables reach 1000 rules, and an options file of many single-valued options for it.
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "bench_models.h"
#include "files/modelfile.h"

namespace ubic::bench {

// An aggregate of Count values whose rules rise with the sum of the inputs' values.
inline std::unique_ptr<TUbicAttribute> MakeAggregate(
    const std::string& name, int count, std::vector<std::unique_ptr<TUbicAttribute>> inputs) {
  auto aggregate = MakeAttribute(name, count);
  for (auto& input : inputs) aggregate->AddInput(std::move(input));
  FillFunction(*aggregate, [count](const TUbicFunction& f, int r) {
    double sum = 0;
    for (int i = 0; i < f.InputCount(); ++i) {
      sum += double(f.RuleInput(i, r)) / (f.Attribute()->Input(i)->Scale()->Count() - 1);
    }
    return int(sum / f.InputCount() * (count - 1) + 0.5);
  });
  return aggregate;
}

template <class... Inputs>
std::vector<std::unique_ptr<TUbicAttribute>> List(Inputs... inputs) {
  std::vector<std::unique_ptr<TUbicAttribute>> list;
  (list.push_back(std::move(inputs)), ...);
  return list;
}

// A1 over A2, A3, A4 of ten values each (1000 rules); below them A5 to A11 and B1 to B20.
inline std::unique_ptr<TUbicAttribute> MakeBenchTree() {
  int basic = 0;
  auto b = [&basic](int count) { return MakeAttribute("B" + std::to_string(++basic), count); };
  auto a2 = MakeAggregate("A2", 10,
                          List(MakeAggregate("A5", 4, List(b(3), b(3), b(3))),
                               MakeAggregate("A6", 4, List(b(3), b(4))), b(5)));
  auto a3 = MakeAggregate("A3", 10,
                          List(MakeAggregate("A7", 5, List(b(3), b(3), b(4))),
                               MakeAggregate("A8", 3, List(b(2), b(3))), b(4)));
  auto a4 = MakeAggregate("A4", 10,
                          List(MakeAggregate("A9", 4, List(b(3), b(3), b(3))),
                               MakeAggregate("A10", 3, List(b(5), b(5))),
                               MakeAggregate("A11", 4, List(b(2), b(3), b(4)))));
  return MakeAggregate("A1", 5, List(std::move(a2), std::move(a3), std::move(a4)));
}

// Writes the model to ModelFile and Count options with a random value on every basic attribute
// to OptionsFile; with Weighted, every other basic attribute holds weights over two neighbouring
// values instead. False if the options could not be written.
inline bool WriteCliInputs(const std::string& modelFile, const std::string& optionsFile, int count,
                           bool weighted = false) {
  TUbicModel model;
  model.Root()->AddInput(MakeBenchTree());
  SaveToFile(model, modelFile);

  std::vector<TUbicAttribute*> basics;
  model.Root()->CollectBasicAttributes(basics);
  std::ofstream csv(optionsFile, std::ios::binary);
  csv << "Option";
  for (const TUbicAttribute* attribute : basics) csv << ',' << attribute->GetName();
  csv << '\n';
  std::mt19937 random(13);
  for (int k = 0; k < count; ++k) {
    csv << "Option " << k;
    for (std::size_t a = 0; a < basics.size(); ++a) {
      const unsigned values = static_cast<unsigned>(basics[a]->Scale()->Count());
      if (weighted && a % 2 == 0) {
        const unsigned low = random() % (values - 1);
        csv << ",v" << low << '=' << 1 + random() % 9 << ";v" << low + 1 << "=0."
            << random() % 9 + 1;
      } else {
        csv << ",v" << random() % values;
      }
    }
    csv << '\n';
  }
  return csv.good();
}

}  // namespace ubic::bench
