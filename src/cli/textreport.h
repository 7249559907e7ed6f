#pragma once

#include <string>

#include "reports/datetimeformat.h"
#include "reports/report.h"

namespace ubic::cli {

struct TTextReportLayout {
  int Width = 80;
  // 0: one endless page.
  int Height = 0;
  // The bytes the desktop program saves (Windows-1250, code-page-437 tree characters, CR LF)
  // instead of UTF-8 with box-drawing characters and LF.
  bool Raw = false;
};

// Lays the report out in pages of characters and returns them as text, a form feed between pages.
std::string FormatTextReport(TReport& report, const TTextReportLayout& layout,
                             const TDateTime& startTime);

}  // namespace ubic::cli
