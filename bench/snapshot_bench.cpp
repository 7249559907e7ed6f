// Undo must stay quick on a large model: one snapshot of a model with about 1,000 attributes and
// 100 options, one undo or redo of an edit to it, and one edit run through the document (the
// edit, the evaluation, the undo step and the modified mark).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench_models.h"
#include "document/document.h"
#include "document/edits.h"
#include "files/modelfile.h"
#include "files/modelsnapshot.h"

namespace ubic::bench {
namespace {

constexpr int kOptions = 100;

// Forty aggregates of twenty-four basic attributes each below one top attribute: 1,001 in all.
std::unique_ptr<TUbicModel> LargeModel() {
  return GroupedModel(40, 24, kOptions);
}

void BM_Snapshot(benchmark::State& state) {
  const auto model = LargeModel();
  for (auto _ : state) {
    TModelSnapshot snapshot(*model);
    benchmark::DoNotOptimize(snapshot);
  }
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMillisecond);

// Each iteration undoes the edit and redoes it: two steps.
void BM_UndoRedo(benchmark::State& state) {
  const auto model = LargeModel();
  TUndoHistory history(*model);
  model->FirstAttribute()->SetName("Renamed");
  history.Record(*model, "Rename attribute");
  for (auto _ : state) {
    history.Undo(*model);
    history.Redo(*model);
  }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

// Each iteration renames an attribute through a document whose file holds the model: the name
// typed last is a step of its own, so that every run records a snapshot.
void BM_DocumentEdit(benchmark::State& state) {
  const std::string fileName = "/tmp/ubic-bench-document.ubm";
  SaveToFile(*LargeModel(), fileName);
  std::string remarks;
  const auto document = TUbicDocument::Open(fileName, remarks);
  int count = 0;
  for (auto _ : state) {
    document->CloseStep();
    document->Run(edits::RenameAttribute(*document->Model().FirstAttribute(),
                                         "Renamed " + std::to_string(++count % 2)));
  }
  std::remove(fileName.c_str());
}
BENCHMARK(BM_DocumentEdit)->Unit(benchmark::kMillisecond);

// Opening a document: reading the file, evaluating the model and settling the modified mark,
// beside reading the model alone.
void BM_OpenDocument(benchmark::State& state) {
  const std::string fileName = "/tmp/ubic-bench-open.ubm";
  SaveToFile(*LargeModel(), fileName);
  std::string remarks;
  for (auto _ : state) benchmark::DoNotOptimize(TUbicDocument::Open(fileName, remarks));
  std::remove(fileName.c_str());
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

void BM_LoadAndEvaluate(benchmark::State& state) {
  const std::string fileName = "/tmp/ubic-bench-load.ubm";
  SaveToFile(*LargeModel(), fileName);
  for (auto _ : state) {
    TUbicModel model;
    LoadFromFile(model, fileName);
    model.EvaluateAll();
  }
  std::remove(fileName.c_str());
}
BENCHMARK(BM_LoadAndEvaluate)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench

BENCHMARK_MAIN();
