#include <gtest/gtest.h>

#include <cmath>

#include "model/valuecode.h"
#include "modelreports/modelreport.h"
#include "reports/groups.h"
#include "reports/paragraph.h"
#include "reports/tables.h"
#include "reports/textformatter.h"

namespace ubic {
namespace {

std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name, int values,
                                              TScaleOrder order = TScaleOrder::Ascending) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->SetOrder(order);
  for (int v = 0; v < values; ++v) scale->AddValue(name + std::to_string(v));
  attribute->SetScale(std::move(scale));
  return attribute;
}

void AddMinimumFunction(TUbicAttribute& attribute) {
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  for (int r = 0; r < function->RuleCount(); ++r) {
    int value = function->RuleInput(0, r);
    for (int i = 1; i < function->InputCount(); ++i)
      value = std::min(value, function->RuleInput(i, r));
    function->SetRuleValue(r, value);
    function->SetRuleEntered(r, true);
  }
  attribute.SetFunct(std::move(function));
}

// Top(A(A1, A2), B) with a minimum function on Top and none on A.
struct TSample {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* A;

  explicit TSample(int options = 2) {
    auto top = MakeAttribute("Top", 3);
    auto a = MakeAttribute("A", 3);
    a->AddInput(MakeAttribute("A1", 2));
    a->AddInput(MakeAttribute("A2", 2, TScaleOrder::None));
    A = a.get();
    top->AddInput(std::move(a));
    top->AddInput(MakeAttribute("B", 3));
    AddMinimumFunction(*top);
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
    for (int k = 0; k < options; ++k) {
      Model.AddOption("o" + std::to_string(k));
      A->SetOptionText(k, "2");
      Top->Input(1)->SetOptionText(k, k % 2 == 0 ? "01" : "");
    }
    Model.EvaluateAll();
  }
};

std::vector<std::string> Lines(TReport& report) {
  TTextFormatter formatter(&report, {70, 0});
  formatter.Execute();
  std::vector<std::string> lines;
  for (int p = 0; p < formatter.PageCount(); ++p) {
    for (int l = 0; l < formatter.Page(p).Count(); ++l) lines.push_back(formatter.Page(p)[l]);
  }
  return lines;
}

TReportStyle FixedStyle() {
  TReportStyle style;
  style.Created = {2026, 12, 8, 9, 5, 7, 0};
  style.DateFormats = TDateFormats{};
  return style;
}

std::vector<std::string> ReportLines(TSample& sample, TReportSections sections) {
  return Lines(*MakeModelReport(&sample.Model, sections, FixedStyle()));
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ModelReport, FrameAndTree) {
  TSample sample;
  EXPECT_EQ(MakeModelReport(&sample.Model, {}, FixedStyle()), nullptr);
  EXPECT_EQ(MakeModelReport(nullptr, rsTree, FixedStyle()), nullptr);
  EXPECT_EQ(TreePrefix(*sample.Top), "");
  EXPECT_EQ(TreePrefix(*sample.A), "\xC3");
  EXPECT_EQ(TreePrefix(*sample.Top->Input(1)), "\xC0");
  EXPECT_EQ(TreePrefix(*sample.A->Input(1)), "\xB3\xC0");
  EXPECT_EQ(TreePrefix(*sample.A->Input(0)), "\xB3\xC3");

  const std::vector<std::string> lines = ReportLines(sample, rsTree);
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[0].substr(0, 4), "Ubic");
  EXPECT_NE(lines[0].find("12/08/26 09:05:07"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[0].substr(lines[0].size() - 6), "Page 1");
  EXPECT_TRUE(Contains(lines, "Tree of attributes"));
  EXPECT_TRUE(Contains(lines,
                       "\xC3\xC4"
                       "A"));
  EXPECT_TRUE(Contains(lines,
                       "\xB3 \xC0\xC4"
                       "A2"));
}

TEST(ModelReport, TreeGoesOnBesideDescriptionsOfSeveralLines) {
  TSample sample;
  sample.Top->SetDescription("one\r\ntwo");
  sample.A->SetDescription("a\nb\rc");
  sample.A->Input(1)->SetDescription("x\r\ny");
  const std::vector<std::string> lines = ReportLines(sample, rsTree);
  const auto first = std::find(lines.begin(), lines.end(), "Tree of attributes");
  ASSERT_GE(std::distance(first, lines.end()), 11);
  EXPECT_EQ(std::vector<std::string>(first + 2, first + 11),
            (std::vector<std::string>{"Top        one", "\xB3          two",
                                      "\xC3\xC4"
                                      "A        a",
                                      "\xB3 \xB3        b", "\xB3 \xB3        c",
                                      "\xB3 \xC3\xC4"
                                      "A1",
                                      "\xB3 \xC0\xC4"
                                      "A2     x",
                                      "\xB3          y",
                                      "\xC0\xC4"
                                      "B"}));
}

// Every text element below Group whose text is Text.
void FindTexts(const TRptGroup& group, const std::string& text,
               std::vector<const TRptText*>& found) {
  for (int i = 0; i < group.Count(); ++i) {
    if (const auto* item = dynamic_cast<const TRptText*>(group.GetItem(i))) {
      if (item->Text() == text) found.push_back(item);
    } else if (const auto* paragraph = dynamic_cast<const TRptParagraph*>(group.GetItem(i))) {
      // Its lines are made when it is laid out, from its runs.
      FindTexts(paragraph->Runs(), text, found);
    } else if (const auto* inner = dynamic_cast<const TRptGroup*>(group.GetItem(i))) {
      FindTexts(*inner, text, found);
    }
  }
}

const TRptText& OnlyText(const TRptGroup& group, const std::string& text) {
  std::vector<const TRptText*> found;
  FindTexts(group, text, found);
  EXPECT_EQ(found.size(), 1u) << text;
  return *found.at(0);
}

// Graphs that are there to print and draw nothing.
class TBlankGraphs : public TReportGraphs {
 public:
  bool Available() const override { return true; }
  void Draw(TCanvas&, const TRect&) const override {}
};

TEST(ModelReport, TheGraphSectionIsHeadedChart) {
  TSample sample;
  const TBlankGraphs graphs;
  EXPECT_FALSE(Contains(Lines(*MakeModelReport(&sample.Model, rsGraphs, FixedStyle())), "Chart"));
  const std::unique_ptr<TReport> report =
      MakeModelReport(&sample.Model, rsGraphs, FixedStyle(), &graphs);
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(Contains(Lines(*report), "Chart"));
}

TEST(ModelReport, ValuesAreColouredByTheirClass) {
  TSample sample;
  const std::unique_ptr<TReport> report = MakeModelReport(&sample.Model, rsScales, FixedStyle());
  const TRptText& bad = OnlyText(*report, "Top0");
  EXPECT_EQ(bad.GetFont()->Color, 255u);
  EXPECT_TRUE(bad.GetFont()->Style.Contains(fsBold));
  EXPECT_FALSE(bad.GetFont()->Style.Contains(fsItalic));
  EXPECT_FALSE(OnlyText(*report, "Top1").GetOwnFont().has_value());
  const TRptText& good = OnlyText(*report, "Top2");
  EXPECT_EQ(good.GetFont()->Color, 32768u);
  EXPECT_TRUE(good.GetFont()->Style.Contains(fsBold));
  EXPECT_TRUE(good.GetFont()->Style.Contains(fsItalic));
  // The unordered scale of A2 has neither bad nor good values.
  for (const char* value : {"A20", "A21"}) {
    EXPECT_FALSE(OnlyText(*report, value).GetOwnFont().has_value());
  }
}

TEST(ModelReport, DecisionRulesAndWeights) {
  TSample sample;
  auto b = MakeAttribute("C", 2);
  b->AddInput(MakeAttribute("C1", 2));
  AddMinimumFunction(*b);
  sample.Model.Root()->AddInput(std::move(b));
  const std::vector<std::string> lines = ReportLines(sample, rsRules | rsWeights);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Decision rules (table)"), 1);
  EXPECT_TRUE(Contains(lines, "<undefined>"));
  // The minimum of A and B: value 0 when either is 0, two boxes ruled off from value 1.
  EXPECT_TRUE(Contains(lines, "1  *     B0    Top0"));
  EXPECT_TRUE(Contains(lines,
                       "2\xC4\xC4"
                       "A0\xC4\xC4\xC4\xC4*\xC4\xC4\xC4\xC4\xC4Top0"));
  EXPECT_TRUE(Contains(lines, "3  >=A1  B1    Top1"));
  EXPECT_TRUE(Contains(lines,
                       "5\xC4\xC4"
                       "A2\xC4\xC4\xC4\xC4"
                       "B2\xC4\xC4\xC4\xC4Top2"));
  EXPECT_TRUE(Contains(lines,
                       " \xC4\xC4"
                       "50%\xC4\xC4\xC4"
                       "50%\xC4\xC4\xC4 \xC4\xC4\xC4"));
  // Inputs of A, which has no function, have no weights: "?" and the factors pass unchanged.
  EXPECT_TRUE(Contains(lines,
                       "\xB3 \xC3\xC4"
                       "A1     ?"));
  EXPECT_TRUE(Contains(lines,
                       "\xC3\xC4"
                       "A         50.0    50.0       50.0        50.0"));
  EXPECT_TRUE(Contains(lines,
                       "\xC0\xC4"
                       "C1       100.0   100.0      100.0       100.0"));
}

// A function of inputs with scales of different sizes: the output's value is the rounded sum of
// the inputs' positions on their scales, each from 0 to 1, times Slopes.
void AddSumFunction(TUbicAttribute& attribute, const std::vector<double>& slopes) {
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  const int last = attribute.Scale()->Count() - 1;
  for (int r = 0; r < function->RuleCount(); ++r) {
    double sum = 0;
    for (int i = 0; i < function->InputCount(); ++i) {
      sum += slopes[i] * function->RuleInput(i, r) / (attribute.Input(i)->Scale()->Count() - 1);
    }
    function->SetRuleValue(r, std::min(last, static_cast<int>(std::lround(sum))));
    function->SetRuleEntered(r, true);
  }
  attribute.SetFunct(std::move(function));
}

TEST(ModelReport, GlobalNormalisedWeightsMultiplyTheNormalisedOnes) {
  TUbicModel model;
  auto top = MakeAttribute("Top", 3);
  auto x = MakeAttribute("X", 3);
  x->AddInput(MakeAttribute("X1", 2));
  x->AddInput(MakeAttribute("X2", 5));
  AddSumFunction(*x, {2, 1});
  top->AddInput(std::move(x));
  top->AddInput(MakeAttribute("Y", 4));
  AddSumFunction(*top, {1, 2});
  model.Root()->AddInput(std::move(top));
  const std::unique_ptr<TReport> report = MakeModelReport(&model, rsWeights, FixedStyle());
  const std::vector<std::string> lines = Lines(*report);
  // The scales' sizes make the normalised weights differ from the local ones; the global
  // columns multiply each kind along the path (X1: 90.3% of 46.4%, 78.9% of 39.4%).
  const std::vector<std::string> expected = {
      "\xC3\xC4X         46.4    46.4       39.4        39.4",
      "\xB3 \xC3\xC4X1      90.3    41.9       78.9        31.0",
      "\xB3 \xC0\xC4X2       9.7     4.5       21.1         8.3",
      "\xC0\xC4Y         53.6    53.6       60.6        60.6"};
  const auto first = std::find(lines.begin(), lines.end(), "Top");
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(std::vector<std::string>(first + 1, first + 5), expected);
}

TEST(ModelReport, EvaluationInBlocksOfFive) {
  TSample sample(7);
  const std::vector<std::string> lines = ReportLines(sample, rsEvaluation);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Evaluation results"), 1);
  int headings = 0;
  for (const std::string& line : lines) headings += line.rfind("Attribute", 0) == 0 ? 1 : 0;
  EXPECT_EQ(headings, 2);
  EXPECT_TRUE(Contains(lines,
                       "\xC0\xC4"
                       "B        B0; B1      *   B0; B1      *   B0; B1"));
  EXPECT_TRUE(Contains(lines,
                       "\xC0\xC4"
                       "B        *   B0; B1"));
  // A is an aggregate without a function: its values are undefined.
  EXPECT_TRUE(Contains(lines,
                       "\xC3\xC4"
                       "A        *   *"));
}

// Top = min(A, B), A undefined, B weighted 1:3 on B0 and B1 for the first option: "prob" and
// "fuzzy" print the weights of the values and name the method; "sets" prints the sets.
TEST(ModelReport, EvaluationByAMethod) {
  TSample sample(2);
  sample.Top->Input(1)->SetOptionWeighted(0, {"01", {1, 3}});
  const auto rowOf = [](const std::vector<std::string>& lines, const std::string& start) {
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.rfind(start, 0) == 0;
    });
    return found != lines.end() ? *found : std::string();
  };
  const auto lines = [&](TEvaluationMethod method) {
    TReportStyle style = FixedStyle();
    style.Method = method;
    return Lines(*MakeModelReport(&sample.Model, rsEvaluation, style));
  };
  const std::vector<std::string> prob = lines(TEvaluationMethod::Prob);
  EXPECT_TRUE(Contains(prob, "Evaluation results (prob)"));
  EXPECT_NE(rowOf(prob, "Top").find("Top0=0.5; Top1=0.5 "), std::string::npos)
      << rowOf(prob, "Top");
  EXPECT_NE(rowOf(prob,
                  "\xC3\xC4"
                  "A")
                .find("A0=0.3333; A1=0.3333; A2=0.3333"),
            std::string::npos);
  const std::vector<std::string> fuzzy = lines(TEvaluationMethod::Fuzzy);
  EXPECT_TRUE(Contains(fuzzy, "Evaluation results (fuzzy)"));
  EXPECT_NE(rowOf(fuzzy, "Top").find("Top0=1; Top1=1 "), std::string::npos) << rowOf(fuzzy, "Top");
  const std::vector<std::string> sets = lines(TEvaluationMethod::Sets);
  EXPECT_TRUE(Contains(sets, "Evaluation results"));
  EXPECT_NE(rowOf(sets, "Top").find("Top0; Top1 "), std::string::npos) << rowOf(sets, "Top");
}

// The analyses work on plain values; under an option with weights they say which they reduced.
TEST(ModelReport, AnalysesSayWhichWeightsTheyReadAsSets) {
  TSample sample(2);
  sample.Top->Input(1)->SetOptionWeighted(1, {"01", {1, 3}});
  const std::string remark = "The weights of \"B\" count here as the sets of their values.";
  const std::vector<std::string> lines = ReportLines(sample, rsSensitivity | rsExplanation);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), remark), 2);
  // The first option's sensitivity table, which has no weights, ends without it.
  const auto firstEnd = std::find(lines.begin(), lines.end(), "");
  ASSERT_NE(firstEnd, lines.end());
  EXPECT_EQ(std::find(lines.begin(), firstEnd, remark), firstEnd);
  EXPECT_EQ(*(firstEnd + 3), remark);
}

TEST(FunctionReport, OneTableOfTheEditedFunction) {
  TSample sample;
  const std::vector<std::string> lines =
      Lines(*MakeFunctionReport(sample.Top->Funct(), sample.Top, FixedStyle()));
  EXPECT_TRUE(Contains(lines, "Decision rules"));
  EXPECT_TRUE(Contains(lines, "1  *     B0    Top0"));
  const std::vector<std::string> none = Lines(*MakeFunctionReport(nullptr, sample.A, FixedStyle()));
  EXPECT_TRUE(Contains(none, "<undefined>"));
}

TEST(ModelReport, ReportsAreTitledWithTheModelsName) {
  TSample sample;
  sample.Top->SetName("Car");
  EXPECT_EQ(MakeModelReport(&sample.Model, rsTree, FixedStyle())->Title(), "Car");
  // A rule table of an inner attribute still names the model.
  EXPECT_EQ(MakeFunctionReport(nullptr, sample.A->Input(0), FixedStyle())->Title(), "Car");
  EXPECT_EQ(MakeFunctionReport(nullptr, nullptr, FixedStyle())->Title(), "");
}

const std::string kIncomplete = "The list is incomplete: the table is too large to search whole.";

TEST(FunctionReport, RulesCutShortBySearchAreMarkedIncomplete) {
  TSample sample;
  EXPECT_FALSE(Contains(Lines(*MakeFunctionReport(sample.Top->Funct(), sample.Top, FixedStyle())),
                        kIncomplete));
  // One rule entered in the middle of a huge table: every box around it admits the value, far
  // too many to visit.
  auto top = MakeAttribute("Top", 2);
  top->AddInput(MakeAttribute("X", kMaxScaleValues));
  top->AddInput(MakeAttribute("Y", kMaxScaleValues));
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(top.get());
  const int middle = 100 * kMaxScaleValues + 100;
  function->SetRuleValue(middle, 0);
  function->SetRuleEntered(middle, true);
  const std::vector<std::string> lines =
      Lines(*MakeFunctionReport(function.get(), top.get(), FixedStyle()));
  EXPECT_TRUE(Contains(lines,
                       "1\xC4\xC4*\xC4\xC4\xC4\xC4*\xC4\xC4\xC4\xC4"
                       "Top0"));
  EXPECT_TRUE(Contains(lines, kIncomplete));
}

// The lines of a report, one after another, for a failing check to show.
std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(ModelReport, ConflictsOfEveryFunction) {
  TSample sample;
  EXPECT_TRUE(Contains(ReportLines(sample, rsConflicts), "No rule conflicts."));
  // B1 with A0 gives more than B2 with A0: the better B is worth less.
  sample.Top->Funct()->SetRuleValue(1, 2);
  const std::vector<std::string> lines = ReportLines(sample, rsConflicts);
  EXPECT_TRUE(Contains(lines, "Rule conflicts"));
  EXPECT_TRUE(Contains(lines, "A0; B2 -> Top0  A0; B1 -> Top2      B")) << Joined(lines);
  EXPECT_FALSE(Contains(lines, "No rule conflicts."));
}

TEST(ModelReport, TargetsWithTheirSolutions) {
  TSample sample;
  // A has no function, so Top = min(A, B) may always be Top0; B undefined makes o1 any value.
  const std::vector<TTargetQuestion> questions{{1, sample.Top, TTargetDirection::AtMost, 0, 20},
                                               {0, sample.Top, TTargetDirection::AtLeast, 1, 20},
                                               {0, sample.Top, TTargetDirection::AtLeast, 0, 20}};
  const std::vector<std::string> lines =
      Lines(*MakeModelReport(&sample.Model, rsTargets, FixedStyle(), nullptr, questions));
  EXPECT_TRUE(Contains(lines, "Targets"));
  EXPECT_TRUE(Contains(lines, "o1: Top at most Top0"));
  EXPECT_TRUE(Contains(lines, "       1  B          *     B0")) << Joined(lines);
  EXPECT_TRUE(Contains(lines, "o0: Top at least Top1"));
  EXPECT_TRUE(Contains(lines, "No change of basic values reaches it."));
  EXPECT_TRUE(Contains(lines, "Reached already."));
}

TEST(ModelReport, ExplanationOfTheSelectedOptions) {
  TSample sample(3);
  sample.Model.SetOptionSelected(1, false);
  sample.Top->Input(1)->SetOptionText(2, "1");
  const std::vector<std::string> lines = ReportLines(sample, rsExplanation);
  EXPECT_TRUE(Contains(lines, "Explanation")) << Joined(lines);
  // o2: A has no function, so Top = min(A, B1) matches every value of A.
  // The page is 70 characters wide: the rules and the steps break between words, and the
  // columns of o0, which has no steps, stand where those of o2 stand.
  EXPECT_TRUE(Contains(lines, "Top  Top0; Top1  A0; B1 -> Top0 (rule 2,         B: B1 -> B0 gives"))
      << Joined(lines);
  EXPECT_TRUE(Contains(lines, "                 entered)                        Top0"));
  EXPECT_TRUE(Contains(lines, "                 A2; B1 -> Top1 (rule 8,"));
  EXPECT_TRUE(Contains(lines, "A    *           <undefined>"));
  std::vector<std::size_t> stepColumns;
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), 70u) << line;
    if (line.find("Decided by") != std::string::npos) stepColumns.push_back(line.find("One step"));
  }
  EXPECT_EQ(stepColumns, std::vector<std::size_t>(2, 49));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Explanation"), 1);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) { return line.rfind("o1", 0) == 0; }),
            0);
}

}  // namespace
}  // namespace ubic
