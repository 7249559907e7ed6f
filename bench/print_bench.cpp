// The printed report of a model of 200 attributes with 50 options: laid out and shown in the
// preview well under a second, written as PDF well under two.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include "bench_models.h"
#include "modelreports/modelreport.h"
#include "print/printpreview.h"
#include "print/reportpdf.h"

namespace ubic::bench {
namespace {

constexpr int kAttributes = 200;

std::unique_ptr<TReport> FullReport(TUbicModel& model) {
  TReportStyle style;
  style.Created = {2026, 1, 1, 0, 0, 0, 0};
  // As the desktop program prints it: the evaluation tables fitted to the page.
  style.FitPageWidth = true;
  return MakeModelReport(&model, AllTextSections(), style);
}

void BM_PreviewLayOutAndShow(benchmark::State& state) {
  TUbicModel model;
  BuildReportModel(model, kAttributes);
  TPrintPreview preview;
  preview.resize(800, 900);
  for (auto _ : state) {
    preview.Clear();
    preview.AddReport(FullReport(model));
    preview.FitWidth();
    benchmark::DoNotOptimize(preview.grab());
  }
  state.counters["pages"] = preview.PageCount();
}
BENCHMARK(BM_PreviewLayOutAndShow)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state) {
  TUbicModel model;
  BuildReportModel(model, kAttributes);
  TPrintPreview preview;
  preview.AddReport(FullReport(model));
  std::vector<const TPrintPage*> pages;
  for (int n = 1; n <= preview.PageCount(); ++n) pages.push_back(&preview.GetPage(n));
  const QTemporaryDir dir;
  for (auto _ : state) WritePdf(dir.filePath("report.pdf"), pages, "Report");
  state.counters["pages"] = static_cast<double>(pages.size());
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
