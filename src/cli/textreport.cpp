#include "textreport.h"

#include <algorithm>

#include "reports/textformatter.h"

namespace ubic::cli {
namespace {

void LayOut(TTextFormatter& formatter, const TDateTime& startTime) {
  formatter.SetClock([startTime] { return startTime; });
  formatter.Execute();
}

// The longest line of the report laid out on pages without a right edge.
int WidestLine(TReport& report, int height, const TDateTime& startTime) {
  TTextFormatter unbounded(&report, {0, height});
  LayOut(unbounded, startTime);
  return unbounded.WidestLine();
}

}  // namespace

TTextReport FormatTextReport(TReport& report, const TTextReportLayout& layout,
                             const TDateTime& startTime) {
  const int width = layout.Width.has_value()
                        ? *layout.Width
                        : std::max(kLeastReportWidth, WidestLine(report, layout.Height, startTime));
  const TPoint pageSize{width, layout.Height};
  TTextFormatter formatter(&report, pageSize);
  LayOut(formatter, startTime);
  TTextReport result;
  result.Width = width;
  result.CutLines = formatter.CutLineCount();
  if (result.CutLines > 0) result.WholeWidth = WidestLine(report, layout.Height, startTime);
  result.Text = layout.Raw ? formatter.PagesText("\r\n") : formatter.Utf8PagesText("\n");
  return result;
}

}  // namespace ubic::cli
