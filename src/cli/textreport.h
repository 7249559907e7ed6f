#pragma once

#include <optional>
#include <string>

#include "reports/datetimeformat.h"
#include "reports/report.h"

namespace ubic::cli {

// The narrowest page a report is laid out on when no width is asked for.
inline constexpr int kLeastReportWidth = 80;

struct TTextReportLayout {
  // Characters per line; 0: lines as long as their text; unset: as wide as the widest line
  // needs, kLeastReportWidth at least, so that nothing is cut.
  std::optional<int> Width;
  // 0: one endless page.
  int Height = 0;
  // The bytes of the older text reports (Windows-1250, code-page-437 tree characters, CR LF)
  // instead of UTF-8 with box-drawing characters and LF, as the desktop program saves them.
  bool Raw = false;
};

struct TTextReport {
  // The pages, a form feed between them.
  std::string Text;
  // Characters per line of the pages.
  int Width = 0;
  // The lines cut at the right edge of their page, and the width that would show them whole.
  int CutLines = 0;
  int WholeWidth = 0;
};

// Lays the report out in pages of characters.
TTextReport FormatTextReport(TReport& report, const TTextReportLayout& layout,
                             const TDateTime& startTime);

}  // namespace ubic::cli
