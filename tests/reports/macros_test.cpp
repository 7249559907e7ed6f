#include <gtest/gtest.h>

#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "reports/macros.h"
#include "test_reports.h"

namespace ubic {
namespace {

using test::FixedTime;

std::string Expand(const std::string& macro, const TFormatter* formatter) {
  return ExpandMacro(NormalizeMacro(macro), formatter);
}

TEST(Macros, StoredTrimmedInUpperCase) {
  TReport report;
  TRptMacro macro(&report, "  page ");
  EXPECT_EQ(macro.Text(), "PAGE");
  macro.SetText("\tSection Title ");
  EXPECT_EQ(macro.Text(), "SECTION TITLE");
  macro.SetText(
      "\xE8"
      "as");
  EXPECT_EQ(macro.Text(),
            "\xC8"
            "AS");
  EXPECT_EQ(macro.GetText(), "<Unknown Formatter>");
  macro.SetText("  ");
  EXPECT_EQ(macro.GetText(), "");
}

TEST(Macros, KeywordsAndArguments) {
  TReport report;
  report.SetTitle("Annual report");
  auto formatter = test::MakeFormatter(report, {40, 0});
  EXPECT_EQ(Expand("title", formatter.get()), "Annual report");
  EXPECT_EQ(Expand("date", formatter.get()), "03/05/24");
  EXPECT_EQ(Expand("date short", formatter.get()), "03/05/24");
  EXPECT_EQ(Expand("Date Long", formatter.get()), "Tuesday, 03/05/2024");
  EXPECT_EQ(Expand("date dd.mm.yyyy hh:mm", formatter.get()), "05.03.2024 14:07");
  EXPECT_EQ(Expand("time", formatter.get()), "14:07");
  EXPECT_EQ(Expand("time long", formatter.get()), "14:07:09");
  EXPECT_EQ(Expand("datetime", formatter.get()), "03/05/24 14:07");
  EXPECT_EQ(Expand("datetime long", formatter.get()), "Tuesday, 03/05/2024 14:07:09");
  EXPECT_EQ(Expand("datetime hh 'h'", formatter.get()), "14 H");
  EXPECT_EQ(Expand("section numbers", formatter.get()), "");
  EXPECT_EQ(Expand("table title", formatter.get()), "");
  EXPECT_EQ(Expand(" no such thing ", formatter.get()), "[NO SUCH THING]");
  EXPECT_EQ(Expand("", formatter.get()), "");
  EXPECT_EQ(Expand("page", nullptr), "<Unknown Formatter>");
}

TEST(Macros, InPageHeadersAndSections) {
  TReport report;
  report.SetTitle("R");
  TRptLine* header = report.PageHeader().AddLine();
  header->AddMacro("title");
  header->AddText(" p.");
  header->AddMacro("pageS");
  TRptSection* outer = report.AddSection("Outer");
  outer->SetKeep(TRptGroup::kKeepNone);
  outer->RunningHeader().AddMacro("section title");
  TRptLine* line = outer->AddLine();
  line->AddText("on page ");
  line->AddMacro("page");
  TRptSection* inner = outer->AddSection("Inner");
  inner->SetKeep(TRptGroup::kKeepNone);
  inner->RunningHeader().AddMacro("section numbers");
  test::AddLines(*inner, "x", 3);
  test::AddLines(*outer, "y", 1);
  auto formatter = test::MakeFormatter(report, {20, 3});
  formatter->SetFirstPageNumber(7);
  formatter->Execute();
  // Header macros show the page and section they were made for; a body macro is expanded again
  // when its page is drawn.
  EXPECT_EQ(test::Pages(*formatter),
            "R p.7\non page 7\nx1\n"
            "\fR p.8\n1.1\nx2\n"
            "\fR p.9\n1.1\nx3\n"
            "\fR p.10\nOuter\ny1\n");
}

TEST(DateTimePatterns, Letters) {
  const TDateFormats formats;
  const auto format = [&](const char* pattern, const TDateTime& time = FixedTime()) {
    return FormatDateTime(pattern, time, formats);
  };
  EXPECT_EQ(format("D.M.YY"), "5.3.24");
  EXPECT_EQ(format("DD.MM.YYYY"), "05.03.2024");
  EXPECT_EQ(format("dd.mm.yyyy"), "05.03.2024");
  EXPECT_EQ(format("DDD DDDD"), "Tue Tuesday");
  EXPECT_EQ(format("MMM MMMM"), "Mar March");
  EXPECT_EQ(format("DDDDD|DDDDDD"), "03/05/24|Tuesday, 03/05/2024");
  EXPECT_EQ(format("Y YYYY"), "24 2024");
  EXPECT_EQ(format("HH:MM"), "14:07");
  EXPECT_EQ(format("H:M"), "14:7");
  EXPECT_EQ(format("HH:MM DD.MM"), "14:07 05.03");
  EXPECT_EQ(format("MM HH MM"), "03 14 07");
  EXPECT_EQ(format("N NN S SS"), "7 07 9 09");
  EXPECT_EQ(format("Z ZZZ"), "42 042");
  EXPECT_EQ(format("T|TT|C"), "14:07|14:07:09|03/05/24 14:07:09");
  EXPECT_EQ(format("H AM/PM"), "2 PM");
  EXPECT_EQ(format("hh am/pm"), "02 pm");
  EXPECT_EQ(format("H A/P"), "2 P");
  EXPECT_EQ(format("HH AMPM"), "02 PM");
  EXPECT_EQ(format("H AM/PM", TDateTime{2024, 1, 1, 0, 30}), "12 AM");
  EXPECT_EQ(format("H AM/PM", TDateTime{2024, 1, 1, 12, 30}), "12 PM");
  EXPECT_EQ(format("\"D\" D 'HH' X-Q"), "D 5 HH X-Q");
  EXPECT_EQ(format("'open"), "open");

  TDateFormats looping;
  looping.ShortDate = "DDDDD";
  EXPECT_EQ(FormatDateTime("<DDDDD>", FixedTime(), looping), "<>");
}

TEST(DateTimePatterns, DayOfWeek) {
  EXPECT_EQ(FixedTime().DayOfWeek(), 2);
  EXPECT_EQ((TDateTime{2000, 1, 1}).DayOfWeek(), 6);
  EXPECT_EQ((TDateTime{1900, 1, 1}).DayOfWeek(), 1);
  EXPECT_EQ((TDateTime{2024, 12, 31}).DayOfWeek(), 2);
}

TEST(DateTimePatterns, FromStrftimeFormats) {
  EXPECT_EQ(StrftimeToPattern("%d.%m.%Y"), "DD.MM.YYYY");
  EXPECT_EQ(StrftimeToPattern("%m/%d/%y"), "MM/DD/YY");
  EXPECT_EQ(StrftimeToPattern("%T"), "HH:NN:SS");
  EXPECT_EQ(StrftimeToPattern("%I:%M:%S %p"), "HH:NN:SS AMPM");
  EXPECT_EQ(StrftimeToPattern("%-d. %B %Y %Z"), "D. MMMM YYYY ");
  EXPECT_EQ(StrftimeToPattern("%d de %B"), "DD\" de \"MMMM");
  EXPECT_EQ(StrftimeToPattern("100%% %a"), "100% DDD");
  EXPECT_EQ(StrftimeToPattern("%"), "");
}

// Sets LC_ALL for the scope.
class TLocaleEnvironment {
 public:
  explicit TLocaleEnvironment(const char* locale) {
    if (const char* old = std::getenv("LC_ALL")) FOld = old;
    setenv("LC_ALL", locale, 1);
  }
  TLocaleEnvironment(const TLocaleEnvironment&) = delete;
  TLocaleEnvironment& operator=(const TLocaleEnvironment&) = delete;
  ~TLocaleEnvironment() {
    if (FOld) {
      setenv("LC_ALL", FOld->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }

 private:
  std::optional<std::string> FOld;
};

TEST(DateTimePatterns, FormatsOfTheUsersLocale) {
  {
    const TLocaleEnvironment c("C");
    const TDateFormats formats = LocaleDateFormats();
    EXPECT_EQ(formats.ShortDate, "MM/DD/YY");
    EXPECT_EQ(formats.LongDate, "DDDD, MM/DD/YYYY");
    EXPECT_EQ(formats.ShortTime, "HH:NN");
    EXPECT_EQ(formats.LongTime, "HH:NN:SS");
    EXPECT_EQ(formats.LongDayNames[0], "Sunday");
    EXPECT_EQ(formats.ShortMonthNames[11], "Dec");
  }
  const TLocaleEnvironment german("de_DE.UTF-8");
  const locale_t available = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (available == static_cast<locale_t>(nullptr)) GTEST_SKIP() << "no German locale here";
  freelocale(available);
  const TDateFormats formats = LocaleDateFormats();
  EXPECT_EQ(formats.ShortDate, "DD.MM.YYYY");
  EXPECT_EQ(formats.LongDate, "DDDD, DD.MM.YYYY");
  EXPECT_EQ(formats.ShortTime, "HH:NN");
  // Names come in Windows-1250, like every text of a report.
  EXPECT_EQ(formats.LongMonthNames[2], "M\xE4rz");
  EXPECT_EQ(FormatDateTime(formats.LongDate, FixedTime(), formats), "Dienstag, 05.03.2024");
}

}  // namespace
}  // namespace ubic
