#include <gtest/gtest.h>

#include <QPrinter>

#include "modelreports/modelreport.h"
#include "print/printformatter.h"
#include "print_fixture.h"

namespace ubic::test {
namespace {

constexpr int kOptions = 9;

// More than five options, with names so long that together they are far wider than a page.
struct TWideModel : TChartModel {
  TWideModel() {
    while (Model.OptionCount() < kOptions) Model.AddOption("");
    for (int k = 0; k < kOptions; ++k) {
      Model.SetOptionName(k, OptionName(k).toStdString());
      Set(k, "0", "1", "2", "0");
    }
  }

  static QString OptionName(int k) { return QStringLiteral("Long option name %1").arg(k); }
};

std::unique_ptr<TReport> EvaluationReport(TUbicModel& model, bool fitPageWidth) {
  TReportStyle style;
  style.FitPageWidth = fitPageWidth;
  return MakeModelReport(&model, TReportSections(rsEvaluation), style);
}

TPageMargins SideMargins(float left, float right) {
  TPageMargins margins;
  margins.Left = {left, suMillimetres};
  margins.Right = {right, suMillimetres};
  return margins;
}

// The report's pages on A4 and what they show of the evaluation tables.
struct TEvaluationPages {
  QStringList Texts;
  // One heading "Attribute" begins every table.
  int Tables = 0;
  // How far the texts reach beyond the right edge of the page body, in dots. Texts measure in
  // fractions of a dot, and the page header's last text ends at the edge.
  double Overflow = 0;

  TEvaluationPages(TReport& report, const TPageMargins& margins) {
    const auto printer = MakePrinter();
    TPrintFormatter formatter(&report, *printer, margins);
    formatter.Execute();
    const double right = formatter.Origin().X + formatter.PageSize().X;
    for (const auto& page : formatter.Pages()) {
      for (const TPageItem& item : page->Items()) {
        const auto* text = std::get_if<TPageText>(&item);
        if (text == nullptr) continue;
        Texts.append(text->Text);
        Overflow = std::max(Overflow, text->Origin.x() + text->Width - right);
      }
    }
    Tables = static_cast<int>(Texts.count(QStringLiteral("Attribute")));
  }

  // Each name once, whole or broken into lines, which are drawn one after the other.
  bool ShowsEveryOption() const {
    const QString all = Texts.join(QLatin1Char(' ')) + QLatin1Char(' ');
    for (int k = 0; k < kOptions; ++k) {
      if (all.count(TWideModel::OptionName(k) + QLatin1Char(' ')) != 1) return false;
    }
    return true;
  }
};

TEST(PrintedEvaluation, TablesHoldOnlyTheOptionsThatFitThePage) {
  TWideModel model;
  const auto report = EvaluationReport(model.Model, true);

  // Five options to a table at most, however wide the page.
  const TEvaluationPages a4(*report, TPageMargins());
  EXPECT_TRUE(a4.ShowsEveryOption());
  EXPECT_LT(a4.Overflow, 1);
  EXPECT_GE(a4.Tables, 2);

  // A narrower body takes more tables.
  const TEvaluationPages narrow(*report, SideMargins(25, 60));
  EXPECT_TRUE(narrow.ShowsEveryOption());
  EXPECT_LT(narrow.Overflow, 1);
  EXPECT_GT(narrow.Tables, a4.Tables);
  EXPECT_LT(narrow.Tables, kOptions);

  // The same report on a landscape sheet is laid out anew into fewer, wider tables.
  report->SetOrientation(orLandscape);
  const TEvaluationPages landscape(*report, TPageMargins());
  EXPECT_TRUE(landscape.ShowsEveryOption());
  EXPECT_LT(landscape.Overflow, 1);
  EXPECT_LT(landscape.Tables, a4.Tables);
}

TEST(PrintedEvaluation, AnOptionTooWideForThePageHasATableOfItsOwn) {
  TWideModel model;
  const auto report = EvaluationReport(model.Model, true);
  const TEvaluationPages tiny(*report, SideMargins(25, 150));
  EXPECT_TRUE(tiny.ShowsEveryOption());
  EXPECT_EQ(tiny.Tables, kOptions);
}

TEST(PrintedEvaluation, FiveOptionsThatFitStayOneTable) {
  TGraphModel model;
  const auto report = EvaluationReport(model.Model, true);
  const TEvaluationPages pages(*report, TPageMargins());
  EXPECT_EQ(pages.Tables, 1);
  for (const char* name : {"o1", "o2", "o3", "o4", "o5"}) {
    EXPECT_EQ(pages.Texts.count(QString::fromLatin1(name)), 1) << name;
  }
}

// Without fitting, the tables keep five options each, as a text report widened to its tables
// wants them; on a narrow page their names and values break into lines instead.
TEST(PrintedEvaluation, UnfittedTablesKeepFiveOptions) {
  TWideModel model;
  const auto report = EvaluationReport(model.Model, false);
  const TEvaluationPages narrow(*report, SideMargins(25, 60));
  EXPECT_EQ(narrow.Tables, 2);
  EXPECT_TRUE(narrow.ShowsEveryOption());
  EXPECT_LT(narrow.Overflow, 1);
}

}  // namespace
}  // namespace ubic::test
