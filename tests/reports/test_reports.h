#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reports/report.h"
#include "reports/reporterror.h"
#include "reports/tables.h"
#include "reports/textformatter.h"

namespace ubic::test {

// The text of the engine fault raised by Action, whose message names the engine.
template <class Action>
std::string FaultOf(Action action) {
  try {
    action();
  } catch (const EReportError& error) {
    EXPECT_EQ(std::string(error.what()), error.Text() + " (REPORTS)");
    return error.Text();
  }
  return "no fault";
}

// Tuesday, 5 March 2024, 14:07:09.042.
inline TDateTime FixedTime() {
  return {2024, 3, 5, 14, 7, 9, 42};
}

// A text formatter that does not depend on the clock or the machine's locale.
inline std::unique_ptr<TTextFormatter> MakeFormatter(TReport& report, const TPoint& pageSize,
                                                     const TPoint& origin = {}) {
  auto formatter = std::make_unique<TTextFormatter>(&report, pageSize, origin);
  formatter->SetClock(FixedTime);
  formatter->SetDateFormats(TDateFormats{});
  formatter->SetTreeCharSet(tcAscii);
  return formatter;
}

// The pages of a run, lines ended by "\n", pages separated by form feeds; single rules shown as
// "-" and double ones as "=" to keep expectations readable.
inline std::string Pages(const TTextFormatter& formatter) {
  std::string text = formatter.PagesText("\n");
  for (char& c : text) {
    if (c == '\xC4') c = '-';
    if (c == '\xCD') c = '=';
  }
  return text;
}

inline std::string Format(TReport& report, const TPoint& pageSize) {
  auto formatter = MakeFormatter(report, pageSize);
  formatter->Execute();
  return Pages(*formatter);
}

// Count lines "<prefix>1" to "<prefix>Count", each a line of Group.
inline void AddLines(TRptGroup& group, const std::string& prefix, int count) {
  for (int i = 1; i <= count; ++i) group.AddLine()->AddText(prefix + std::to_string(i));
}

// A line "Page <n>" in the report's page header.
inline void AddPageNumberHeader(TReport& report) {
  TRptLine* line = report.PageHeader().AddLine();
  line->AddText("Page ");
  line->AddMacro("PAGE");
}

}  // namespace ubic::test
