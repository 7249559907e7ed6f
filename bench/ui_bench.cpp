// The desktop program on a model of 1,000 attributes, offscreen: opening it with its tree, the
// refresh that runs on every keystroke in the name field, undo and redo, and the Evaluation grid
// with 200 options.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <optional>
#include <random>

#include "bench_models.h"
#include "childnamed.h"
#include "files/modelfile.h"
#include "files/modelio.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/optionspage.h"
#include "ui/questions.h"
#include "ui/recentfiles.h"

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
    Child<QMdiArea>(&Main, "MdiArea")->closeAllSubWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

// The window shared by the benchmarks; main closes it while the application still exists.
std::optional<TBenchWindow>& SharedWindow() {
  static std::optional<TBenchWindow> window;
  return window;
}

TBenchWindow& Window() {
  std::optional<TBenchWindow>& window = SharedWindow();
  if (!window) window.emplace();
  return *window;
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

// Undo and redo of one rename on the large model with 100 options, the tree built anew each
// time; each iteration takes two steps.
void BM_UndoRedoOnLargeModel(benchmark::State& state) {
  TBenchWindow& window = Window();
  window.Main.show();
  TModelForm* document = window.Main.CreateDocument(window.FileName);
  document->Run({"Add options", [](TUbicModel& model) {
                   for (int k = 0; k < 100; ++k) model.AddOption("Option " + std::to_string(k));
                   for (TUbicAttribute* attribute : PreOrderAttributes(model)) {
                     for (int k = 0; attribute->InputCount() == 0 && k < 100; ++k) {
                       attribute->SetOptionValue(k, k % 3);
                     }
                   }
                   return TEditFocus{};
                 }});
  Child<QLineEdit>(document, "ModNameEdit")->setText("Renamed");
  if (!document->History().CanUndo()) state.SkipWithError("nothing to undo");
  for (auto _ : state) {
    document->UndoStep(false);
    document->UndoStep(true);
  }
  window.CloseAll();
}
BENCHMARK(BM_UndoRedoOnLargeModel)->Unit(benchmark::kMillisecond);

// Paints the visible part of a grid, as the screen would.
void PaintGrid(TOptionGrid* grid, QImage& image) {
  grid->viewport()->render(&image);
}

// 200 options of Model, every basic value drawn at random, the same ones every time.
TEditFocus AddRandomOptions(TUbicModel& model) {
  constexpr int Options = 200;
  std::vector<TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  std::mt19937 random(16);
  std::uniform_int_distribution<int> value(-1, 2);
  for (int k = 0; k < Options; ++k) {
    model.AddOption("Option " + std::to_string(k + 1));
    for (TUbicAttribute* attribute : basic) attribute->SetOptionValue(k, value(random));
  }
  return {};
}

// The large model with its 200 options.
TModelForm* OpenWithOptions(TBenchWindow& window) {
  TModelForm* document = window.Main.CreateDocument(window.FileName);
  document->Document().Run(TEdit("Add options", AddRandomOptions));
  return document;
}

// Showing the Evaluation page of 1,000 attributes and 200 options: evaluation, the grid and the
// painting of what fits into the window.
void BM_BuildEvaluationGrid(benchmark::State& state) {
  TBenchWindow& window = Window();
  window.Main.show();
  TModelForm* document = OpenWithOptions(window);
  TGridPage* page = Child<TEvaluationPage>(document, "EvaluationPage");
  Child<QTabWidget>(document, "PageControl")->setCurrentWidget(page);
  TOptionGrid* grid = Child<TOptionGrid>(page, "Grid");
  QImage image(grid->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  // The document's model is the document's to change: the same model evaluates beside it.
  const TOpenedModel evaluated = OpenModel(window.FileName);
  AddRandomOptions(*evaluated.Model);
  for (auto _ : state) {
    evaluated.Model->EvaluateAll();
    page->Build();
    PaintGrid(grid, image);
  }
  window.CloseAll();
}
BENCHMARK(BM_BuildEvaluationGrid)->Unit(benchmark::kMillisecond);

// One page of scrolling in both directions: only the cells that come into view are drawn.
void BM_ScrollEvaluationGrid(benchmark::State& state) {
  TBenchWindow& window = Window();
  window.Main.show();
  TModelForm* document = OpenWithOptions(window);
  TGridPage* page = Child<TEvaluationPage>(document, "EvaluationPage");
  Child<QTabWidget>(document, "PageControl")->setCurrentWidget(page);
  TOptionGrid* grid = Child<TOptionGrid>(page, "Grid");
  QScrollBar* down = grid->verticalScrollBar();
  QScrollBar* right = grid->horizontalScrollBar();
  QImage image(grid->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    down->setValue((down->value() + down->pageStep()) % (down->maximum() + 1));
    right->setValue((right->value() + right->pageStep()) % (right->maximum() + 1));
    PaintGrid(grid, image);
  }
  const QSize shown = grid->viewport()->size();
  state.counters["cells shown"] = (grid->rowAt(shown.height() - 1) - grid->rowAt(0) + 1) *
                                  (grid->columnAt(shown.width() - 1) - grid->columnAt(0) + 1);
  window.CloseAll();
}
BENCHMARK(BM_ScrollEvaluationGrid)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // Recent files and other settings go to a folder of this run, never the user's own.
  const QTemporaryDir settings;
  ubic::KeepSettingsIn(settings.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  SharedWindow().reset();
  benchmark::Shutdown();
  return 0;
}
