// Writes the inputs of the command-line benchmark: a model of 20 basic and 10 aggregate
// attributes and an options file of many single-valued options for it.
#include <cstdio>
#include <fstream>
#include <string>

#include "bench_models.h"
#include "files/modelfile.h"

using namespace ubic;

namespace {

// A10 = f(B19, B20); A(i) = f(B(2i-1), B(2i), A(i+1)): a chain of aggregates with 27-rule tables.
std::unique_ptr<TUbicAttribute> MakeChain(int level) {
  auto aggregate = bench::MakeAttribute("A" + std::to_string(level), 3);
  aggregate->AddInput(bench::MakeAttribute("B" + std::to_string(2 * level - 1), 3));
  aggregate->AddInput(bench::MakeAttribute("B" + std::to_string(2 * level), 3));
  if (level < 10) aggregate->AddInput(MakeChain(level + 1));
  bench::FillFunction(*aggregate, [](const TUbicFunction& f, int r) {
    int sum = 0;
    for (int i = 0; i < f.InputCount(); ++i) sum += f.RuleInput(i, r);
    return sum / f.InputCount();
  });
  return aggregate;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make-cli-inputs MODEL.ubm OPTIONS.csv COUNT\n");
    return 2;
  }
  TUbicModel model;
  model.Root()->AddInput(MakeChain(1));
  SaveToFile(model, argv[1]);

  std::ofstream csv(argv[2], std::ios::binary);
  csv << "Option";
  for (int b = 1; b <= 20; ++b) csv << ",B" << b;
  csv << "\n";
  const int count = std::stoi(argv[3]);
  for (int k = 0; k < count; ++k) {
    csv << "Option " << k;
    for (int b = 1; b <= 20; ++b) csv << ",v" << (k * 7 + b * 13) % 3;
    csv << "\n";
  }
  return csv.good() ? 0 : 1;
}
