#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/flagset.h"
#include "model/distribution.h"
#include "model/model.h"
#include "model/target.h"
#include "reports/datetimeformat.h"
#include "reports/drawing.h"
#include "reports/fonts.h"
#include "reports/report.h"

namespace ubic {

// The sections of a model report, in the order they are printed.
enum TReportSection : std::uint16_t {
  rsTree = 1,
  rsScales = 2,
  rsScaleDescriptions = 4,
  rsRules = 8,
  rsWeights = 16,
  rsEvaluation = 32,
  rsGraphs = 64,
  // What if each single basic value were one step lower or higher; printed after the evaluation.
  rsSensitivity = 128,
  // The pairs of entered rules that no monotone table can hold both.
  rsConflicts = 256,
  // What it would take for options to reach targets: the questions come with the report.
  rsTargets = 512,
  // Why the selected options have their values.
  rsExplanation = 1024,
};

using TReportSections = TFlagSet<TReportSection>;

constexpr TReportSections operator|(TReportSection a, TReportSection b) {
  return TReportSections(a) | TReportSections(b);
}

// The section a command line names: "tree", "scales", "descriptions", "rules", "weights",
// "evaluation", "graphs", "sensitivity", "conflicts" or "explanation"; none for another name.
// The targets are asked for otherwise, since the section needs its questions.
std::optional<TReportSection> ReportSectionNamed(std::string_view name);
// The names of those of Sections that a command line can name, in the order of the report,
// separated by ", ".
std::string ReportSectionNames(TReportSections sections);
// Every section a command line can name.
TReportSections NamedReportSections();

// Every section but the graphs, which only the desktop program can draw.
constexpr TReportSections AllTextSections() {
  return rsTree | rsScales | rsScaleDescriptions | rsRules | rsWeights | rsEvaluation;
}

// The graphs a report can show, supplied by the desktop program, which has the charts.
class TReportGraphs {
 public:
  virtual ~TReportGraphs() = default;
  // Whether a graph is there to be printed; without one the report has no graph section.
  virtual bool Available() const = 0;
  // Draws the graphs into Rect of Canvas, the canvas of the formatter that lays the report out.
  virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
};

// How a report looks beyond its content.
struct TReportStyle {
  TFont Font;
  TPen Pen;
  // When the report was made, printed in its page header.
  TDateTime Created = TDateTime::Now();
  TDateFormats DateFormats = LocaleDateFormats();
  // Whether the tables of options are made anew to fit the width of every page they are laid
  // out on; without it they keep five options each, however wide, and a text report is made as
  // wide as they need.
  bool FitPageWidth = false;
  // How the evaluation section evaluates uncertain values: a choice of the run, like the rest of
  // this style, not a part of the model.
  TEvaluationMethod Method = TEvaluationMethod::Sets;
};

// A report of the chosen sections of Model, titled with the model's name; nil when there is no
// model or no section. Graphs,
// when given, must live as long as the report is laid out.
// The weights of the functions are computed anew on the way. The targets section answers
// Targets, questions about Model's options and attributes.
std::unique_ptr<TReport> MakeModelReport(const TUbicModel* model, TReportSections sections,
                                         const TReportStyle& style,
                                         const TReportGraphs* graphs = nullptr,
                                         const std::vector<TTargetQuestion>& targets = {});
// A report of the decision rules of Function, the copy of Attribute's function being edited,
// titled with the name of Attribute's model.
std::unique_ptr<TReport> MakeFunctionReport(const TUbicFunction* function,
                                            const TUbicAttribute* attribute,
                                            const TReportStyle& style);

// The characters that draw the attribute tree in front of Attribute's name.
std::string TreePrefix(const TUbicAttribute& attribute);
// The characters that draw the tree on the further lines of Attribute's row: the vertical lines
// that pass by, and the one down to its first input.
std::string TreeContinuation(const TUbicAttribute& attribute);

}  // namespace ubic
