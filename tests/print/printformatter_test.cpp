#include "print/printformatter.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <map>

#include "print/chartgraphs.h"
#include "print_fixture.h"
#include "reports/report.h"

namespace ubic::test {
namespace {

std::unique_ptr<TReport> NumberedReport(int lines) {
  auto report = std::make_unique<TReport>();
  TRptLine* header = report->PageHeader().AddLine();
  header->AddText("Page ");
  header->AddMacro("PAGE");
  for (int i = 1; i <= lines; ++i) report->AddLine()->AddText("line " + std::to_string(i));
  return report;
}

// The number each page's header shows, from its texts.
std::vector<int> HeaderNumbers(const std::vector<std::unique_ptr<TPrintPage>>& pages) {
  std::vector<int> numbers;
  for (const auto& page : pages) {
    const QStringList texts = TextsOf(*page);
    const qsizetype at = texts.indexOf(QStringLiteral("Page "));
    numbers.push_back(at >= 0 && at + 1 < texts.size() ? texts[at + 1].toInt() : -1);
  }
  return numbers;
}

TEST(PrintFormatterPages, BreakNumberAndKeepOnlyTheRange) {
  const auto printer = MakePrinter();
  auto report = NumberedReport(300);
  TPrintFormatter whole(report.get(), *printer, TPageMargins());
  whole.SetFirstPageNumber(4);
  whole.Execute();
  const auto& pages = whole.Pages();
  ASSERT_GE(pages.size(), 4U);
  const std::vector<int> numbers = HeaderNumbers(pages);
  for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], static_cast<int>(i) + 4);
  // Every line is on exactly one page, in order.
  QStringList lines;
  for (const auto& page : pages) {
    for (const QString& text : TextsOf(*page)) {
      if (text.startsWith(QLatin1String("line "))) lines.append(text);
    }
  }
  ASSERT_EQ(lines.size(), 300);
  EXPECT_EQ(lines.back(), QStringLiteral("line 300"));

  TPrintFormatter range(report.get(), *printer, TPageMargins());
  range.SetFirstPageNumber(4);
  range.SetFromPage(2);
  range.SetToPage(3);
  range.Execute();
  EXPECT_EQ(HeaderNumbers(range.Pages()), (std::vector<int>{5, 6}));
  // Handing over leaves the formatter without pages.
  const auto taken = range.HandOverPages();
  EXPECT_EQ(taken.size(), 2U);
  EXPECT_TRUE(range.Pages().empty());
}

TEST(PrintFormatterPages, SheetMarginsAndOrientation) {
  const auto printer = MakePrinter();
  auto report = NumberedReport(300);
  TPageMargins huge;
  huge.Top = {400, suMillimetres};
  TPrintFormatter endless(report.get(), *printer, huge);
  EXPECT_EQ(endless.PageSize().Y, 0);
  endless.Execute();
  EXPECT_EQ(endless.Pages().size(), 1U);

  report->SetOrientation(orLandscape);
  TPrintFormatter landscape(report.get(), *printer, TPageMargins());
  EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Landscape);
  landscape.Execute();
  const QSize sheet = landscape.Pages().front()->Size();
  EXPECT_GT(sheet.width(), sheet.height());
  // 25 mm left and 20 mm right of a 297 mm sheet at 1200 dots per inch.
  EXPECT_EQ(landscape.Origin().X, 1181);
  EXPECT_EQ(landscape.PageSize().X, sheet.width() - 1181 - 945);
}

TEST(PrintFormatterUnits, FollowThePrinterResolution) {
  const auto printer = MakePrinter();
  auto report = NumberedReport(1);
  TPrintFormatter formatter(report.get(), *printer, TPageMargins());
  ASSERT_EQ(formatter.PixelsPerInch(), 1200);
  EXPECT_EQ(formatter.SpecToUnits({25.4F, suMillimetres}), 1200);
  EXPECT_EQ(formatter.SpecToUnits({0.5F, suInches}), 600);
  EXPECT_EQ(formatter.SpecToUnits({72.27F, suPoints}), 1200);
  EXPECT_EQ(formatter.SpecToUnits({2, suRelative}), -1);
  EXPECT_EQ(formatter.SpecToUnits({3, suDigits}), 3 * formatter.TextWidth("9"));
  // A 10-point font is about 167 dots high at 1200 dots per inch.
  EXPECT_NEAR(formatter.TextHeight("Wg"), 10 * 1200 / 72 * 1.16, 20);
  EXPECT_GT(formatter.TextWidth("WWW"), formatter.TextWidth("iii"));
  EXPECT_EQ(formatter.TreeWidth("ab"), formatter.TextWidth("X") * 2 * 2);
}

// The columns of Image that hold ink.
std::pair<int, int> InkColumns(const QImage& image) {
  int first = image.width();
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

TEST(PrintFormatterText, KeepsItsMeasuredWidthAtEveryScale) {
  const auto printer = MakePrinter();
  auto report = std::make_unique<TReport>();
  const std::string text = "Odlo\xE8itveni model WWW iii";
  report->AddLine()->AddText(text);
  TPrintFormatter formatter(report.get(), *printer, TPageMargins());
  formatter.Execute();
  const int measured = formatter.TextWidth(text);
  const TPrintPage& page = *formatter.Pages().front();
  const auto found = std::find_if(page.Items().begin(), page.Items().end(), [](const auto& item) {
    return std::holds_alternative<TPageText>(item);
  });
  ASSERT_NE(found, page.Items().end());
  const auto& item = std::get<TPageText>(*found);
  EXPECT_EQ(item.Text.toStdString(), "Odlo\xC4\x8Ditveni model WWW iii");
  EXPECT_NEAR(item.Width, measured, 1.0);
  // Drawn at a quarter and at a tenth of the dots (as on a screen at two zooms), the text spans
  // the measured width in both.
  for (const double scale : {0.25, 0.1}) {
    const auto [first, last] = InkColumns(RenderPage(page, scale));
    ASSERT_GE(last, first);
    EXPECT_NEAR(last - first + 1, measured * scale, measured * scale * 0.03 + 2) << scale;
    EXPECT_NEAR(first, item.Origin.x() * scale, 3) << scale;
  }
}

TEST(PrintFormatterTree, VerticalLinesOfConsecutiveRowsJoin) {
  TGraphModel model;
  const auto printer = MakePrinter();
  const auto report = MakeModelReport(&model.Model, TReportSections(rsTree), TReportStyle());
  TPrintFormatter formatter(report.get(), *printer, TPageMargins());
  formatter.Execute();
  std::map<double, std::vector<QLineF>> verticals;
  for (const TPageItem& item : formatter.Pages().front()->Items()) {
    const auto* line = std::get_if<TPageLine>(&item);
    if (line != nullptr && line->Line.x1() == line->Line.x2()) {
      verticals[line->Line.x1()].push_back(line->Line);
    }
  }
  ASSERT_FALSE(verticals.empty());
  int joins = 0;
  for (auto& [x, lines] : verticals) {
    std::sort(lines.begin(), lines.end(),
              [](const QLineF& a, const QLineF& b) { return a.y1() < b.y1(); });
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const double gap = lines[i].y1() - lines[i - 1].y2();
      EXPECT_LE(gap, 0) << "at x " << x;
      ++joins;
    }
  }
  EXPECT_GT(joins, 0);
}

TEST(PrintFormatterTree, OtherCharacterSetsDrawCharacters) {
  TGraphModel model;
  const auto printer = MakePrinter();
  const auto report = MakeModelReport(&model.Model, TReportSections(rsTree), TReportStyle());
  TPrintFormatter formatter(report.get(), *printer, TPageMargins());
  formatter.SetTreeCharSet(tcAscii);
  formatter.Execute();
  const TPrintPage& page = *formatter.Pages().front();
  const QStringList texts = TextsOf(page);
  // Three branches under Top, each followed by one horizontal line up to the name (TreeIndent 2).
  EXPECT_EQ(texts.count("+"), 3);
  EXPECT_EQ(texts.count("-"), 3);
  const auto vertical =
      std::count_if(page.Items().begin(), page.Items().end(), [](const auto& item) {
        const auto* line = std::get_if<TPageLine>(&item);
        return line != nullptr && line->Line.x1() == line->Line.x2();
      });
  EXPECT_EQ(vertical, 0);
}

TEST(PrintFormatterGraphs, TheGraphSectionHasAPageOfItsOwn) {
  TGraphModel model;
  TModelGraphs graphs;
  ASSERT_EQ(graphs.Update(model.Model, {model.Top}, -1, {}), TGraphKind::Bar);
  const TChartReportGraphs reportGraphs(graphs, QSize(400, 300));
  const auto printer = MakePrinter();
  const auto report =
      MakeModelReport(&model.Model, rsTree | rsGraphs, TReportStyle(), &reportGraphs);
  TPrintFormatter formatter(report.get(), *printer, TPageMargins());
  formatter.Execute();
  const auto& pages = formatter.Pages();
  ASSERT_EQ(pages.size(), 2U);
  const auto hasPicture = [](const TPrintPage& page) {
    return std::any_of(page.Items().begin(), page.Items().end(),
                       [](const auto& item) { return std::holds_alternative<TPagePicture>(item); });
  };
  EXPECT_FALSE(hasPicture(*pages[0]));
  EXPECT_TRUE(TextsOf(*pages[0]).contains(QStringLiteral("Top")));
  ASSERT_TRUE(hasPicture(*pages[1]));
  EXPECT_FALSE(TextsOf(*pages[1]).contains(QStringLiteral("Top")));
  // The chart's bars lie in the body between the margins, at every resolution of the device.
  for (const double scale : {0.08, 0.2}) {
    const QImage image = RenderPage(*pages[1], scale);
    const int bodyRight = qRound((formatter.Origin().X + formatter.PageSize().X) * scale);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).saturation() > 60) ++(x <= bodyRight + 1 ? inside : outside);
      }
    }
    EXPECT_GT(inside, 200) << scale;
    EXPECT_EQ(outside, 0) << scale;
  }
}

}  // namespace
}  // namespace ubic::test
