#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "charts/modelgraphs.h"
#include "document/document.h"
#include "model/target.h"
#include "modelreports/modelreport.h"
#include "print/chartgraphs.h"
#include "print/printformatter.h"
#include "print/reportpdf.h"
#include "print_fixture.h"
#include "reports/textformatter.h"

namespace ubic::test {
namespace {

// A print formatter that notes what it draws outside the page body.
class TBoundsFormatter : public TPrintFormatter {
 public:
  using TPrintFormatter::TPrintFormatter;

  const std::vector<std::string>& Outside() const { return FOutside; }

  void DrawText(const TRect& rect, const std::string& text) override {
    Check(rect, text);
    TPrintFormatter::DrawText(rect, text);
  }
  void DrawTextClipped(const TRect& rect, const TRect& clipRect, const std::string& text) override {
    Check(rect, text);
    TPrintFormatter::DrawTextClipped(rect, clipRect, text);
  }
  void DrawTree(const TRect& rect, const std::string& prefix) override {
    Check(rect, "tree " + prefix);
    TPrintFormatter::DrawTree(rect, prefix);
  }
  void DrawLiner(const TRect& beginRect, const TRect& endRect, int count) override {
    Check(beginRect, "rule");
    Check(endRect, "rule");
    TPrintFormatter::DrawLiner(beginRect, endRect, count);
  }
  void DrawPicture(const TRect& rect, const TDrawCallback& callback, const TParam* param) override {
    Check(rect, "picture");
    TPrintFormatter::DrawPicture(rect, callback, param);
  }

 private:
  void Check(const TRect& rect, const std::string& what) {
    if (rect.Right < rect.Left) return;
    if (rect.Left < Origin().X || rect.Right >= Origin().X + PageSize().X ||
        rect.Top < Origin().Y || rect.Bottom >= Origin().Y + PageSize().Y) {
      FOutside.push_back("page " + std::to_string(PageNo()) + ": " + what + " at (" +
                         std::to_string(rect.Left) + ", " + std::to_string(rect.Top) + ", " +
                         std::to_string(rect.Right) + ", " + std::to_string(rect.Bottom) + ")");
    }
  }

  std::vector<std::string> FOutside;
};

// Far larger than the examples, with long names, descriptions and value names: four groups of
// four basic attributes under one top, every rule entered as the mean of its inputs, twelve
// options with long names.
std::unique_ptr<TUbicModel> LargeModel() {
  auto model = std::make_unique<TUbicModel>();
  const auto attribute = [](const std::string& name) {
    auto made = std::make_unique<TUbicAttribute>(name);
    made->SetDescription(name +
                         " as the panel judged it from the written application, the interview, "
                         "the references and the group exercise of the second round");
    auto scale = std::make_unique<TUbicDiscreteScale>();
    for (const char* value : {"far below what the post requires", "somewhat below the post",
                              "as the post requires", "well beyond what the post requires"}) {
      scale->AddValue(value);
    }
    scale->SetValueDescription(0, "Not to be considered further, whatever the other criteria say");
    made->SetScale(std::move(scale));
    return made;
  };
  const auto fill = [](TUbicAttribute& aggregate) {
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(&aggregate);
    for (int r = 0; r < function->RuleCount(); ++r) {
      int sum = 0;
      for (int i = 0; i < aggregate.InputCount(); ++i) sum += function->RuleInput(i, r);
      function->SetRuleValue(r, sum / aggregate.InputCount());
      function->SetRuleEntered(r, true);
    }
    aggregate.SetFunct(std::move(function));
  };
  auto top = attribute("Overall suitability of the applicant for the position");
  for (int g = 1; g <= 4; ++g) {
    auto group = attribute("Group of criteria number " + std::to_string(g));
    for (int b = 1; b <= 4; ++b) {
      group->AddInput(attribute("Criterion " + std::to_string(g) + "." + std::to_string(b) +
                                " of the assessment"));
    }
    fill(*group);
    top->AddInput(std::move(group));
  }
  fill(*top);
  model->Root()->AddInput(std::move(top));
  std::vector<TUbicAttribute*> basics;
  model->Root()->CollectBasicAttributes(basics);
  for (int k = 0; k < 12; ++k) {
    model->AddOption("Applicant with a rather long name, number " + std::to_string(k + 1));
    for (std::size_t b = 0; b < basics.size(); ++b) {
      basics[b]->SetOptionValue(k, static_cast<int>((k + b) % 4));
    }
  }
  model->EvaluateAll();
  return model;
}

struct TPageSetup {
  const char* Name;
  QPageSize::PageSizeId Size;
  TOrientation Orientation;
};

constexpr TPageSetup kPageSetups[] = {{"A4 portrait", QPageSize::A4, orPortrait},
                                      {"A4 landscape", QPageSize::A4, orLandscape},
                                      {"Letter", QPageSize::Letter, orPortrait}};

// The whole report of a model, every section in it: the targets ask whether the first option
// can reach the best value of the first top-level attribute, the graph shows the top attributes.
class TWholeReport {
 public:
  explicit TWholeReport(const TUbicModel& model) {
    std::vector<const TUbicAttribute*> top;
    for (int i = 0; i < model.Root()->InputCount(); ++i) top.push_back(model.Root()->Input(i));
    FGraphs.Update(model, top, -1, TGraphSettings());
    const TUbicAttribute* first = top.front();
    TTargetQuestion question;
    question.Attribute = first;
    question.Value = first->Scale()->Count() - 1;
    question.Limit = 3;
    TReportStyle style;
    style.FitPageWidth = true;
    FReport = MakeModelReport(&model, NamedReportSections() | rsTargets, style, &FChartGraphs,
                              {question});
  }

  TReport& Report() const { return *FReport; }

 private:
  TModelGraphs FGraphs;
  TChartReportGraphs FChartGraphs{FGraphs, QSize(640, 480)};
  std::unique_ptr<TReport> FReport;
};

std::unique_ptr<TUbicDocument> OpenExample(const char* name) {
  std::string remarks;
  return TUbicDocument::Open(std::string(UBIC_EXAMPLES_DIR "/") + name, remarks);
}

// Every drawn text, rule, tree and picture of the report lies within the page body; the
// formatter's pages are left for the caller.
std::unique_ptr<TBoundsFormatter> CheckPages(TReport& report, QPrinter& printer,
                                             const std::string& what) {
  auto formatter = std::make_unique<TBoundsFormatter>(&report, printer, TPageMargins());
  formatter->Execute();
  EXPECT_GT(formatter->Pages().size(), 1u) << what;
  EXPECT_TRUE(formatter->Outside().empty())
      << what << ": " << formatter->Outside().size() << " items outside, first "
      << formatter->Outside().front() << " in the body (" << formatter->Origin().X << ", "
      << formatter->Origin().Y << ") + (" << formatter->PageSize().X << ", "
      << formatter->PageSize().Y << ")";
  return formatter;
}

// The words pdftotext finds in File beyond the left or right margin, in points.
QStringList WordsOutsideMargins(const QString& file, double left, double right) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), file, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(60000)) << "pdftotext (poppler-utils) must be installed";
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  static const QRegularExpression kWord(QString::fromLatin1(
      R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
  QStringList outside;
  int words = 0;
  for (auto match = kWord.globalMatch(html); match.hasNext(); ++words) {
    const QRegularExpressionMatch word = match.next();
    // Glyph boxes may reach a hair past the advance the layout measured.
    if (word.captured(1).toDouble() < left - 0.5 || word.captured(2).toDouble() > right + 0.5) {
      outside.append(word.captured(3));
    }
  }
  EXPECT_GT(words, 100);
  return outside;
}

TEST(ReportFit, EverySectionStaysWithinThePrintableArea) {
  const std::unique_ptr<TUbicModel> large = LargeModel();
  std::vector<std::unique_ptr<TUbicDocument>> examples;
  std::vector<std::pair<std::string, const TUbicModel*>> models{{"large model", large.get()}};
  for (const char* name : {"applicant.ubm", "car.ubm", "home.ubm"}) {
    examples.push_back(OpenExample(name));
    models.emplace_back(name, &examples.back()->Model());
  }
  for (const auto& [name, model] : models) {
    const TWholeReport whole(*model);
    for (const TPageSetup& setup : kPageSetups) {
      const auto printer = MakePrinter();
      printer->setPageSize(QPageSize(setup.Size));
      whole.Report().SetOrientation(setup.Orientation);
      CheckPages(whole.Report(), *printer, name + " on " + setup.Name);
    }
  }
}

// The words that the PDF file holds lie within the margins, as the layout placed them.
TEST(ReportFit, ThePdfKeepsEveryWordWithinTheMargins) {
  const std::unique_ptr<TUbicModel> large = LargeModel();
  const TWholeReport whole(*large);
  const auto printer = MakePrinter();
  const auto formatter = CheckPages(whole.Report(), *printer, "large model");
  std::vector<const TPrintPage*> pages;
  for (const auto& page : formatter->Pages()) pages.push_back(page.get());
  const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("large.pdf"));
  WritePdf(file, pages, QStringLiteral("large"));
  const double points = 72.0 / formatter->PixelsPerInch();
  const double left = formatter->Origin().X * points;
  const double right = (formatter->Origin().X + formatter->PageSize().X) * points;
  EXPECT_EQ(WordsOutsideMargins(file, left, right), QStringList());
}

// Laid out as text 80 characters wide, the sections whose texts break cut no line.
TEST(ReportFit, TheTextExportAtEightyCharactersCutsNoLine) {
  const std::unique_ptr<TUbicModel> large = LargeModel();
  std::vector<std::unique_ptr<TUbicDocument>> examples;
  std::vector<const TUbicModel*> models{large.get()};
  for (const char* name : {"applicant.ubm", "car.ubm", "home.ubm"}) {
    examples.push_back(OpenExample(name));
    models.push_back(&examples.back()->Model());
  }
  for (const TUbicModel* model : models) {
    TReportStyle style;
    style.FitPageWidth = true;
    const auto report = MakeModelReport(model,
                                        rsRules | rsTree | rsScales | rsScaleDescriptions |
                                            rsEvaluation | rsConflicts | rsExplanation,
                                        style);
    TTextFormatter text(report.get(), {80, 0});
    text.Execute();
    EXPECT_EQ(text.CutLineCount(), 0) << model->DisplayName() << "\n" << text.PagesText("\n");
    EXPECT_LE(text.WidestLine(), 80);
  }
}

}  // namespace
}  // namespace ubic::test
