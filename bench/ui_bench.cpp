// The desktop program on a model of 1,000 attributes, offscreen: opening it with its tree, and
// the refresh that runs on every keystroke in the name field.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "bench_models.h"
#include "files/modelfile.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/questions.h"

using namespace ubic;

namespace {

// CAR = f(G1..G111), Gi = f(Hi1, Hi2), Hij = f(three basic attributes): 1,000 attributes, 333
// functions.
std::string WriteLargeModel(const QTemporaryDir& folder) {
  TUbicModel model;
  auto top = bench::MakeAttribute("CAR", 3);
  const auto average = [](const TUbicFunction& f, int r) {
    int sum = 0;
    for (int i = 0; i < f.InputCount(); ++i) sum += f.RuleInput(i, r);
    return sum / f.InputCount();
  };
  for (int g = 1; g <= 111; ++g) {
    auto group = bench::MakeAttribute("G" + std::to_string(g), 3);
    for (int h = 1; h <= 2; ++h) {
      auto part = bench::MakeAttribute("H" + std::to_string(g) + "." + std::to_string(h), 3);
      for (int b = 1; b <= 3; ++b) part->AddInput(bench::MakeAttribute("B" + std::to_string(b), 3));
      bench::FillFunction(*part, average);
      group->AddInput(std::move(part));
    }
    bench::FillFunction(*group, average);
    top->AddInput(std::move(group));
  }
  model.Root()->AddInput(std::move(top));
  const std::string fileName = folder.filePath("large.ubm").toStdString();
  SaveToFile(model, fileName);
  return fileName;
}

struct TBenchWindow {
  TScriptedQuestions Questions;
  TMainForm Main{Questions, {}};
  QTemporaryDir Folder;
  std::string FileName = WriteLargeModel(Folder);

  void CloseAll() {
    for (TModelForm* document : Main.Documents()) document->AllowClose();
    Main.MdiArea->closeAllSubWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

TBenchWindow& Window() {
  static TBenchWindow window;
  return window;
}

void BM_OpenLargeModelAndFillTree(benchmark::State& state) {
  TBenchWindow& window = Window();
  window.Main.show();
  for (auto _ : state) {
    TModelForm* document = window.Main.CreateDocument(window.FileName);
    benchmark::DoNotOptimize(document);
    state.PauseTiming();
    window.CloseAll();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenLargeModelAndFillTree)->Unit(benchmark::kMillisecond);

void BM_UpdateControlsOnLargeModel(benchmark::State& state) {
  TBenchWindow& window = Window();
  window.Main.show();
  TModelForm* document = window.Main.CreateDocument(window.FileName);
  // A basic attribute deep in the tree whose parent has a function: the scale list is filtered.
  document->SelectAttribute(document->Model().FindAttribute("H111.2")->Input(2));
  for (auto _ : state) document->UpdateControls();
  window.CloseAll();
}
BENCHMARK(BM_UpdateControlsOnLargeModel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
