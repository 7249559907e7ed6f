#include "modelreport.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <vector>

#include "evaluationtables.h"
#include "explanationtables.h"
#include "foundation/utils.h"
#include "model/conflicts.h"
#include "model/distributionevaluator.h"
#include "model/explain.h"
#include "model/sensitivity.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "model/valuetext.h"
#include "reportparts.h"
#include "reports/paragraph.h"
#include "reports/tables.h"
#include "reports/treechars.h"
#include "reporttexts.h"

namespace ubic {
namespace {

constexpr const char* kRulesTitle = ubicstr::RulesTableTitle;
constexpr const char* kConflictsTitle = ubicstr::ConflictsTitle;

// The frame of every model report: the page header with the program's name, the report's
// creation time between two fills and the page number, ruled below.
// A report titled with the model's name, which its documents (a PDF file, a print job) carry.
std::unique_ptr<TReport> NewModelReport(const TReportStyle& style, const std::string& modelName) {
  auto report = std::make_unique<TReport>();
  report->SetTitle(modelName);
  report->SetFont(style.Font);
  report->SetPen(style.Pen);
  TRptLine& line = *report->PageHeader().AddLine();
  line.BeginRule(caEnd);
  TRptText& name = *line.AddText("Ubic");
  name.SetBold(true);
  name.FontSize(foAdd, 2);
  name.SetContentAlign(kVertical, caEnd);
  line.AddFill();
  line.AddText(FormatDateTime("ddddd tt", style.Created, style.DateFormats));
  line.AddFill();
  line.AddText(Translated(ubicstr::PageCaption));
  TRptMacro& page = *line.AddMacro("PAGE");
  page.FontSize(foAdd, 2);
  page.SetContentAlign(kVertical, caEnd);
  line.EndRule();
  // The larger texts make the line as high as they are, instead of reaching above it into the
  // margin; the others sit at its foot beside them.
  for (TRptText* larger : {&name, static_cast<TRptText*>(&page)}) {
    larger->SetHeight({1.0F, suRelative});
  }
  for (int i = 0; i < line.Count(); ++i) line.GetItem(i)->SetAlign(kVertical, baEnd);
  report->PageHeader().AddSpace(0.5F);
  return report;
}

// A text that may hold line breaks, a paragraph of the group per line of the text, so that a
// line too long for the page breaks further.
void AddLinesOf(TRptGroup& group, const std::string& text) {
  std::string rest = ReplaceText(ReplaceText(text, "\r\n", "\n"), "\r", "\n");
  std::string line;
  do {
    SplitAt(rest, '\n', line);
    group.AddParagraph()->Runs().AddText(line);
  } while (!rest.empty());
}

TRptCell& AddAttributeCell(TRptRow& row, const TUbicAttribute& attribute) {
  return AddAttributeCell(row, TreePrefix(attribute), attribute.GetName(), !attribute.IsBasic());
}

// A weight in percent, 0 where the function has none for the input.
double WeightAt(const floatarray& weights, int index) {
  return index >= 0 && index < static_cast<int>(weights.size()) ? weights[index] : 0.0;
}

// The compact decision rules of one attribute's function, grouped by value, a rule between the
// groups; with the inputs' weights, computed beforehand, when there is a function.
void AddRuleTable(TRptSection& section, const TUbicAttribute& attribute,
                  const TUbicFunction* function) {
  const int n = attribute.InputCount();
  TRptTable& table = AddTable(section, section.Title(), n + 2);
  std::vector<std::string> headings{" "};
  for (int i = 0; i < n; ++i) headings.push_back(attribute.Input(i)->GetName());
  headings.push_back(attribute.GetName());
  AddHeadingRow(table, headings);
  if (function == nullptr) {
    section.AddLine()->AddText(Translated(ubicstr::UndefinedScale));
    return;
  }
  TRptRow& weights = *table.AddRow();
  weights.BeginRule(caEnd);
  weights.NewCell()->AddText(" ");
  const floatarray localWeights = function->CalcWeights(true).Local;
  for (int i = 0; i < n; ++i) {
    weights.NewCell()->AddText(FloatToText(WeightAt(localWeights, i), 0) + "%");
  }
  weights.NewCell()->AddText(" ");
  weights.EndRule();
  table.AddSpace(0.1F);

  const TUbicScale* scale = attribute.Scale();
  TStrList boxes;
  int rule = 0;
  bool complete = true;
  for (int value = 0; scale != nullptr && value < scale->Count(); ++value) {
    complete = function->CompactRules(value, boxes) && complete;
    for (int b = 0; b < boxes.Count(); ++b) {
      const bool lastOfValue = b + 1 == boxes.Count();
      TRptRow& row = *table.AddRow();
      if (lastOfValue) row.BeginRule(caEnd);
      AddNumberText(*row.NewCell(), std::to_string(++rule));
      const std::string& box = boxes[b];
      for (int i = 0; i < n; ++i) {
        AddValueParagraph(*row.NewCell(),
                          IntervalRuns(attribute.Input(i)->Scale(), ValueIndexOf(box[i]),
                                       ValueIndexOf(box[n + i])));
      }
      AddValueParagraph(*row.NewCell(), IntervalRuns(scale, value, value));
      if (lastOfValue) row.EndRule();
    }
  }
  if (!complete) section.AddLine()->AddText(Translated(ubicstr::IncompleteRules));
}

class TModelReportBuilder {
 public:
  TModelReportBuilder(const TUbicModel& model, const TReportStyle& style)
      : FModel(model),
        FReport(NewModelReport(style, model.DisplayName())),
        FFitPageWidth(style.FitPageWidth),
        FMethod(style.Method) {
    model.Root()->CollectAttributes(FAttributes);
  }

  std::unique_ptr<TReport> Take() { return std::move(FReport); }

  void AddTree() {
    AddAttributeTable(ubicstr::TreeTitle, ubicstr::DescriptionHeading,
                      [](TRptCell& cell, const TUbicAttribute& attribute) {
                        AddLinesOf(cell, attribute.GetDescription());
                      });
  }

  void AddScales() {
    AddAttributeTable(ubicstr::ScalesTitle, ubicstr::ScaleHeading,
                      [](TRptCell& cell, const TUbicAttribute& attribute) {
                        TRptLine& line = cell.AddParagraph()->Runs();
                        const TUbicScale* scale = attribute.Scale();
                        if (scale == nullptr) line.AddText(Translated(ubicstr::UndefinedScale));
                        for (int v = 0; scale != nullptr && v < scale->Count(); ++v) {
                          if (v > 0) line.AddText("; ");
                          AddValueRuns(line, {ValueRun(scale, v)});
                        }
                      });
  }

  void AddScaleDescriptions() {
    for (const TUbicAttribute* attribute : FAttributes) {
      TRptSection& section = AddHeadedSection(*FReport, attribute->GetName(), attribute->GetName(),
                                              TRptGroup::kKeepWhole, 0.3F);
      if (!attribute->GetDescription().empty()) {
        AddLinesOf(section, attribute->GetDescription());
        section.AddSpace(0.3F);
      }
      if (const TUbicDiscreteScale* scale = attribute->DiscreteScale()) {
        TRptTable& table = AddTable(section, attribute->GetName(), 3);
        for (int v = 0; v < scale->Count(); ++v) {
          TRptRow& row = *table.AddRow();
          AddNumberText(*row.NewCell(), std::to_string(v + 1) + ".");
          AddValueParagraph(*row.NewCell(), {ValueRun(scale, v)});
          AddLinesOf(*row.NewCell(), scale->ValueDescription(v));
        }
      } else {
        section.AddLine()->AddText(Translated(ubicstr::UndefinedScale));
      }
      FReport->AddEmptyLine();
    }
  }

  void AddRules() {
    std::string heading = Translated(kRulesTitle);
    for (const TUbicAttribute* attribute : FAttributes) {
      if (attribute->IsBasic()) continue;
      TRptSection& section = AddHeadedSection(*FReport, kRulesTitle, heading);
      heading.clear();
      AddRuleTable(section, *attribute, attribute->Funct());
      section.AddEmptyLine();
    }
  }

  void AddWeights() {
    TRptSection& section =
        AddHeadedSection(*FReport, ubicstr::WeightsTitle, Translated(ubicstr::WeightsTitle));
    TRptTable& table = AddTable(section, "Average weights", 5);
    AddHeadingRow(table,
                  {Translated(ubicstr::AttributeHeading), Translated(ubicstr::LocalHeading),
                   Translated(ubicstr::GlobalHeading), Translated(ubicstr::LocalNormHeading),
                   Translated(ubicstr::GlobalNormHeading)},
                  1);
    for (int i = 0; i < FModel.Root()->InputCount(); ++i) {
      AddWeightRows(table, *FModel.Root()->Input(i), 1.0, 1.0);
    }
    section.AddEmptyLine();
  }

  void AddEvaluation() {
    std::vector<std::string> options;
    for (int k = 0; k < FModel.OptionCount(); ++k) options.push_back(FModel.Options()[k]);
    std::vector<TEvaluationLine> lines;
    for (const TUbicAttribute* attribute : FAttributes) {
      TEvaluationLine& line = lines.emplace_back(
          TEvaluationLine{TreePrefix(*attribute), attribute->GetName(), !attribute->IsBasic(), {}});
      if (FMethod != TEvaluationMethod::Sets) continue;
      for (int k = 0; k < FModel.OptionCount(); ++k) {
        line.Values.push_back(ValueSetRuns(attribute->Scale(), attribute->OptionText(k), "; "));
      }
    }
    if (FMethod != TEvaluationMethod::Sets) AddMethodResults(lines);
    FReport->Add(std::make_unique<TRptEvaluation>(
        FReport.get(), std::move(options), std::move(lines), FFitPageWidth,
        FMethod != TEvaluationMethod::Sets ? EvaluationMethodName(FMethod) : ""));
  }

  // The results of the method, one "name=weight" run per value in its class's colour; the lines
  // are those of FAttributes.
  void AddMethodResults(std::vector<TEvaluationLine>& lines) const {
    TDistributionEvaluator evaluator(*FModel.Root(), FMethod);
    std::vector<std::size_t> indices;
    std::vector<std::vector<std::string>> names;
    for (const TUbicAttribute* attribute : FAttributes) {
      const auto& evaluated = evaluator.Attributes();
      indices.push_back(static_cast<std::size_t>(
          std::find(evaluated.begin(), evaluated.end(), attribute) - evaluated.begin()));
      names.push_back(ValueNames(attribute->Scale()));
    }
    for (int k = 0; k < FModel.OptionCount(); ++k) {
      evaluator.Evaluate(k);
      for (std::size_t a = 0; a < lines.size(); ++a) {
        const auto weights = evaluator.Weights(indices[a]);
        TValueRuns& runs = lines[a].Values.emplace_back();
        for (std::size_t v = 0; v < weights.size(); ++v) {
          std::string text;
          AppendDistributionText(text, {names[a][v]}, &weights[v], 1);
          if (text.empty()) continue;
          if (!runs.empty()) runs.push_back({"; "});
          runs.push_back({text, ValueClassOf(FAttributes[a]->Scale(), static_cast<int>(v))});
        }
        if (runs.empty()) runs.push_back({"*"});
      }
    }
  }

  // Per option, a row of its top-level values as they are and a row per changed basic value,
  // each changed result shown good when it is better and bad when it is worse.
  void AddSensitivity() {
    for (int k = 0; k < FModel.OptionCount(); ++k) {
      const TSensitivity sensitivity = ComputeSensitivity(FModel, k);
      TRptSection& section = AddHeadedSection(*FReport, ubicstr::SensitivityTitle,
                                              k == 0 ? Translated(ubicstr::SensitivityTitle) : "");
      TRptTable& table =
          AddTable(section, "Sensitivity", 3 + static_cast<int>(sensitivity.TopLevel.size()));
      std::vector<std::string> headings{FModel.Options()[k], Translated(ubicstr::FromHeading),
                                        Translated(ubicstr::ToHeading)};
      for (const TUbicAttribute* top : sensitivity.TopLevel) headings.push_back(top->GetName());
      AddHeadingRow(table, headings);
      AddSensitivityRow(table, sensitivity, nullptr, -1, -1, sensitivity.Baseline);
      for (const TSensitivityRow& change : sensitivity.Rows) {
        AddSensitivityRow(table, sensitivity, change.Attribute, change.From, change.To,
                          change.Results);
      }
      AddWeightsRemark(section, k);
      section.AddEmptyLine();
    }
  }

  // The analyses read weights as sets: a line says so under an option's analysis.
  void AddWeightsRemark(TRptSection& section, int k) const {
    const std::string remark = ReducedWeightsRemark(FModel, k);
    if (!remark.empty()) section.AddLine()->AddText(remark);
  }

  // Per function with conflicts, a row per conflict: the rule whose inputs are better, the one it
  // falls below and the inputs that make them comparable.
  void AddConflicts() {
    std::string heading = kConflictsTitle;
    for (const TUbicAttribute* attribute : FAttributes) {
      const TUbicFunction* function = attribute->Funct();
      if (function == nullptr) continue;
      const std::vector<TRuleConflict> conflicts = RuleConflicts(*function);
      if (conflicts.empty()) continue;
      TRptSection& section = AddHeadedSection(*FReport, kConflictsTitle, heading);
      heading.clear();
      TRptTable& table = AddTable(section, kConflictsTitle, 3);
      AddHeadingRow(table, {attribute->GetName(), Translated(ubicstr::BetterHeading),
                            Translated(ubicstr::InHeading)});
      for (const TRuleConflict& conflict : conflicts) {
        TRptRow& row = *table.AddRow();
        AddRuleCell(row, *function, conflict.Better);
        AddRuleCell(row, *function, conflict.Worse);
        row.NewCell()->AddParagraph()->Runs().AddText(InputNames(*function, conflict.Inputs));
      }
      section.AddEmptyLine();
    }
    if (heading.empty()) return;
    TRptSection& section = AddHeadedSection(*FReport, kConflictsTitle, heading);
    section.AddLine()->AddText(Translated(ubicstr::NoRuleConflicts));
    section.AddEmptyLine();
  }

  // Per question its target and the solutions, a row per changed basic attribute.
  void AddTargets(const std::vector<TTargetQuestion>& questions) {
    std::string heading = Translated(ubicstr::TargetsTitle);
    for (const TTargetQuestion& question : questions) {
      TRptSection& section = AddHeadedSection(*FReport, ubicstr::TargetsTitle, heading);
      heading.clear();
      const TUbicAttribute& attribute = *question.Attribute;
      TRptLine& title = section.AddParagraph()->Runs();
      title.AddText(FModel.Options()[question.Option] + ": " + attribute.GetName() +
                    Translated(question.Direction == TTargetDirection::AtLeast
                                   ? ubicstr::TargetAtLeast
                                   : ubicstr::TargetAtMost));
      AddValueRuns(title, {ValueRun(attribute.Scale(), question.Value)});
      const TTargetAnswer answer = FindTargetChanges(question);
      if (answer.Outcome == TTargetOutcome::Reached)
        section.AddLine()->AddText(Translated(ubicstr::TargetReached));
      if (answer.Outcome == TTargetOutcome::Unreachable) {
        section.AddLine()->AddText(Translated(ubicstr::TargetUnreachable));
      }
      if (!answer.Solutions.empty()) AddSolutionTable(section, answer);
      if (answer.More > 0) section.AddLine()->AddText(Format(ubicstr::MoreSolutions, answer.More));
      AddWeightsRemark(section, question.Option);
      section.AddEmptyLine();
    }
  }

  // Per selected option a row per aggregate attribute: its value, the rules that decided it and
  // the inputs whose one step changes it; then the option's strong and weak points.
  void AddExplanations() {
    std::vector<TOptionExplanation> options;
    for (int k = 0; k < FModel.OptionCount(); ++k) {
      if (!FModel.OptionSelected(k)) continue;
      const TExplanation explanation = ExplainOption(FModel, k);
      TOptionExplanation& option = options.emplace_back();
      option.Option = FModel.Options()[k];
      for (const TAggregateExplanation& aggregate : explanation.Aggregates) {
        option.Rows.push_back(ExplanationRow(aggregate));
      }
      for (const auto& [title, basics] : {std::pair{ubicstr::StrongPoints, &explanation.Strong},
                                          {ubicstr::WeakPoints, &explanation.Weak}}) {
        if (!basics->empty()) option.Points.push_back(PointRuns(Translated(title), *basics, k));
      }
      if (std::string remark = ReducedWeightsRemark(FModel, k); !remark.empty()) {
        option.Points.push_back({{std::move(remark)}});
      }
    }
    if (!options.empty()) {
      FReport->Add(std::make_unique<TRptExplanation>(FReport.get(), std::move(options)));
    }
  }

  void AddGraphs(const TReportGraphs& graphs) {
    FReport->SetAlign(kVertical, baFill);
    TRptSection& section = AddHeadedSection(
        *FReport, ubicstr::ChartTitle, Translated(ubicstr::ChartTitle), TRptGroup::kKeepNewPage);
    section.SetAlign(kVertical, baFill);
    TRptDraw& picture = *section.AddDraw(
        [&graphs](TCanvas& canvas, const TRect& rect, const TParam*) { graphs.Draw(canvas, rect); },
        std::make_unique<TParam>(0));
    picture.SetWidth({0.0F, suUnits});
    picture.SetHeight({0.0F, suUnits});
    picture.SetAlign(kHorizontal, baFill);
    picture.SetAlign(kVertical, baFill);
    section.AddEmptyLine();
  }

 private:
  static TExplanationRow ExplanationRow(const TAggregateExplanation& aggregate) {
    const TUbicAttribute& attribute = *aggregate.Attribute;
    TExplanationRow row;
    row.Attribute = attribute.GetName();
    row.Value = ValueSetRuns(attribute.Scale(), aggregate.Value, "; ");
    if (attribute.Funct() == nullptr) row.Rules.emplace_back(Translated(ubicstr::UndefinedScale));
    for (const TDecidingRule& rule : aggregate.Rules) {
      row.Rules.push_back(RuleText(*attribute.Funct(), rule.Rule) + " (" + RuleOriginText(rule) +
                          ")");
    }
    for (const TInputStep& step : aggregate.Steps) {
      const TUbicAttribute& input = *attribute.Input(step.Input);
      TValueRuns& runs = row.Steps.emplace_back();
      runs.push_back({input.GetName() + ": "});
      runs.push_back(ValueRun(input.Scale(), step.From));
      runs.push_back({" -> "});
      runs.push_back(ValueRun(input.Scale(), step.To));
      runs.push_back({Translated(ubicstr::Gives)});
      const TValueRuns result = ValueSetRuns(attribute.Scale(), step.Result, "; ");
      runs.insert(runs.end(), result.begin(), result.end());
    }
    return row;
  }

  static TValueRuns PointRuns(const std::string& title,
                              const std::vector<const TUbicAttribute*>& basics, int option) {
    TValueRuns runs{{title}};
    for (std::size_t b = 0; b < basics.size(); ++b) {
      runs.push_back({(b > 0 ? ", " : "") + basics[b]->GetName() + " "});
      const TValueRuns values =
          ValueSetRuns(basics[b]->Scale(), basics[b]->OptionText(option), "; ");
      runs.insert(runs.end(), values.begin(), values.end());
    }
    return runs;
  }

  static void AddSolutionTable(TRptSection& section, const TTargetAnswer& answer) {
    TRptTable& table = AddTable(section, "Targets", 4);
    AddHeadingRow(table,
                  {Translated(ubicstr::SolutionHeading), Translated(ubicstr::AttributeHeading),
                   Translated(ubicstr::FromHeading), Translated(ubicstr::ToHeading)});
    for (std::size_t s = 0; s < answer.Solutions.size(); ++s) {
      for (const TBasicChange& change : answer.Solutions[s].Changes) {
        TRptRow& row = *table.AddRow();
        AddNumberText(*row.NewCell(), std::to_string(s + 1));
        row.NewCell()->AddText(change.Attribute->GetName());
        const TUbicScale* scale = change.Attribute->Scale();
        AddValueParagraph(*row.NewCell(), ValueSetRuns(scale, change.From, "; "));
        AddValueParagraph(*row.NewCell(), {ValueRun(scale, change.To)});
      }
    }
  }

  // A rule's input values and its value, each value in its class's colours.
  static void AddRuleCell(TRptRow& row, const TUbicFunction& function, int rule) {
    TRptGroup& line = row.NewCell()->AddParagraph()->Runs();
    TValueRuns runs;
    for (int i = 0; i < function.InputCount(); ++i) {
      if (i > 0) runs.push_back({"; ", TValueClass::Neutral});
      runs.push_back(
          ValueRun(function.Attribute()->Input(i)->Scale(), function.RuleInput(i, rule)));
    }
    runs.push_back({" -> ", TValueClass::Neutral});
    const TValueRuns value = IntervalRuns(function.Attribute()->Scale(), function.RuleLow(rule),
                                          function.RuleHigh(rule));
    runs.insert(runs.end(), value.begin(), value.end());
    AddValueRuns(line, runs);
  }

  static void AddSensitivityRow(TRptTable& table, const TSensitivity& sensitivity,
                                const TUbicAttribute* attribute, int from, int to,
                                const std::vector<std::string>& results) {
    TRptRow& row = *table.AddRow();
    row.NewCell()->AddParagraph()->Runs().AddText(attribute != nullptr ? attribute->GetName() : "");
    for (const int value : {from, to}) {
      TRptGroup& line = row.NewCell()->AddParagraph()->Runs();
      if (attribute != nullptr) AddValueRuns(line, {ValueRun(attribute->Scale(), value)});
    }
    for (std::size_t t = 0; t < results.size(); ++t) {
      const TUbicScale* scale = sensitivity.TopLevel[t]->Scale();
      TValueRuns runs = ValueSetRuns(scale, results[t], "; ");
      const TValueChange change = CompareValues(scale, sensitivity.Baseline[t], results[t]);
      for (TValueRun& run : runs) run.Class = ChangeClass(change);
      AddValueParagraph(*row.NewCell(), runs);
    }
  }

  static TValueClass ChangeClass(TValueChange change) {
    if (change == TValueChange::Better) return TValueClass::Good;
    return change == TValueChange::Worse ? TValueClass::Bad : TValueClass::Neutral;
  }

  // A headed section of one table: a row per attribute, its name in the first column, the
  // second filled by Fill.
  void AddAttributeTable(const std::string& title, const std::string& secondHeading,
                         const std::function<void(TRptCell&, const TUbicAttribute&)>& fill) {
    TRptSection& section = AddHeadedSection(*FReport, title, Translated(title));
    TRptTable& table = AddTable(section, title, 2);
    AddHeadingRow(table, {Translated(ubicstr::AttributeHeading), Translated(secondHeading)});
    for (const TUbicAttribute* attribute : FAttributes) {
      TRptRow& row = *table.AddRow();
      TRptCell& names = AddAttributeCell(row, *attribute);
      TRptCell& second = *row.NewCell();
      fill(second, *attribute);
      // Beside the further lines of a cell the tree goes on.
      for (int l = 1; l < second.Count(); ++l) {
        names.AddLine()->AddTree(TreeContinuation(*attribute));
      }
    }
    section.AddEmptyLine();
  }

  // The weights of Attribute and its inputs; G and N are the products of the local and of the
  // normalised local weights along the path from the top.
  void AddWeightRows(TRptTable& table, const TUbicAttribute& attribute, double g, double n) {
    TRptRow& row = *table.AddRow();
    AddAttributeCell(row, attribute);
    const TUbicAttribute* parent = attribute.Parent();
    double local = 1.0;
    double normalised = 1.0;
    if (parent != nullptr && parent->Funct() != nullptr) {
      const int i = parent->IndexOfInput(&attribute);
      const TLocalWeights& weights = LocalWeightsOf(*parent->Funct());
      local = WeightAt(weights.Local, i) / 100;
      normalised = WeightAt(weights.Normalised, i) / 100;
      for (const double percent :
           {100 * local, 100 * local * g, 100 * normalised, 100 * normalised * n}) {
        AddNumberText(*row.NewCell(), FloatToText(percent, 1));
      }
    } else if (parent != FModel.Root()) {
      row.NewCell()->AddText("?");
    }
    for (int i = 0; i < attribute.InputCount(); ++i) {
      AddWeightRows(table, *attribute.Input(i), g * local, n * normalised);
    }
  }

  // Every input of a function shows its weights: they are computed once for all of them.
  const TLocalWeights& LocalWeightsOf(const TUbicFunction& function) {
    auto known = FLocalWeights.find(&function);
    if (known == FLocalWeights.end()) {
      known = FLocalWeights.emplace(&function, function.CalcWeights(true)).first;
    }
    return known->second;
  }

  const TUbicModel& FModel;
  std::unique_ptr<TReport> FReport;
  bool FFitPageWidth;
  TEvaluationMethod FMethod;
  std::vector<const TUbicAttribute*> FAttributes;
  std::unordered_map<const TUbicFunction*, TLocalWeights> FLocalWeights;
};

// The name of the model Attribute belongs to: that of the first top-level attribute, as the
// model calls itself.
std::string ModelNameOf(const TUbicAttribute* attribute) {
  if (attribute == nullptr) return {};
  const TUbicAttribute* root = attribute;
  while (root->Parent() != nullptr) root = root->Parent();
  return root->InputCount() > 0 ? root->Input(0)->GetName() : std::string();
}

// The one table of the sections' names, in the order of the report.
constexpr std::pair<std::string_view, TReportSection> kSectionNames[] = {
    {"tree", rsTree},
    {"scales", rsScales},
    {"descriptions", rsScaleDescriptions},
    {"rules", rsRules},
    {"weights", rsWeights},
    {"evaluation", rsEvaluation},
    {"sensitivity", rsSensitivity},
    {"conflicts", rsConflicts},
    {"explanation", rsExplanation},
    {"graphs", rsGraphs}};

}  // namespace

std::optional<TReportSection> ReportSectionNamed(std::string_view name) {
  const auto* found = std::find_if(std::begin(kSectionNames), std::end(kSectionNames),
                                   [name](const auto& entry) { return entry.first == name; });
  if (found == std::end(kSectionNames)) return std::nullopt;
  return found->second;
}

std::string ReportSectionNames(TReportSections sections) {
  std::string names;
  for (const auto& [name, section] : kSectionNames) {
    if (!sections.Contains(section)) continue;
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

TReportSections NamedReportSections() {
  TReportSections sections;
  for (const auto& entry : kSectionNames) sections = sections | entry.second;
  return sections;
}

std::string TreePrefix(const TUbicAttribute& attribute) {
  const TUbicAttribute* parent = attribute.Parent();
  if (parent == nullptr) return {};
  auto isLast = [](const TUbicAttribute& child, const TUbicAttribute& of) {
    return of.IndexOfInput(&child) == of.InputCount() - 1;
  };
  std::string prefix(1, isLast(attribute, *parent) ? kTreeLastBranch : kTreeBranch);
  for (const TUbicAttribute* q = parent; q->Parent() != nullptr; q = q->Parent()) {
    prefix.insert(prefix.begin(), isLast(*q, *q->Parent()) ? kTreeEmpty : kTreeVertical);
  }
  // The first column is the hidden root's.
  return prefix.substr(1);
}

std::string TreeContinuation(const TUbicAttribute& attribute) {
  std::string continuation = TreePrefix(attribute);
  for (char& c : continuation) {
    if (c == kTreeBranch) c = kTreeVertical;
    if (c == kTreeLastBranch) c = kTreeEmpty;
  }
  if (attribute.InputCount() > 0) continuation += kTreeVertical;
  return continuation;
}

std::unique_ptr<TReport> MakeModelReport(const TUbicModel* model, TReportSections sections,
                                         const TReportStyle& style, const TReportGraphs* graphs,
                                         const std::vector<TTargetQuestion>& targets) {
  if (model == nullptr || sections.Empty()) return nullptr;
  TModelReportBuilder builder(*model, style);
  if (sections.Contains(rsTree)) builder.AddTree();
  if (sections.Contains(rsScales)) builder.AddScales();
  if (sections.Contains(rsScaleDescriptions)) builder.AddScaleDescriptions();
  if (sections.Contains(rsRules)) builder.AddRules();
  if (sections.Contains(rsWeights)) builder.AddWeights();
  if (sections.Contains(rsEvaluation)) builder.AddEvaluation();
  if (sections.Contains(rsSensitivity)) builder.AddSensitivity();
  if (sections.Contains(rsConflicts)) builder.AddConflicts();
  if (sections.Contains(rsTargets)) builder.AddTargets(targets);
  if (sections.Contains(rsExplanation)) builder.AddExplanations();
  if (sections.Contains(rsGraphs) && graphs != nullptr && graphs->Available()) {
    builder.AddGraphs(*graphs);
  }
  return builder.Take();
}

std::unique_ptr<TReport> MakeFunctionReport(const TUbicFunction* function,
                                            const TUbicAttribute* attribute,
                                            const TReportStyle& style) {
  std::unique_ptr<TReport> report = NewModelReport(style, ModelNameOf(attribute));
  if (attribute != nullptr) {
    TRptSection& section =
        AddHeadedSection(*report, ubicstr::RulesTitle, Translated(ubicstr::RulesTitle));
    AddRuleTable(section, *attribute, function);
  }
  return report;
}

}  // namespace ubic
