#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/valuetext.h"
#include "reports/groups.h"

namespace ubic {

// One attribute's row of the evaluation results: the tree characters before its name, the name,
// and its value for every option.
struct TEvaluationLine {
  std::string Tree;
  std::string Name;
  bool Aggregate = false;
  std::vector<TValueRuns> Values;
};

// The evaluation results: every option's values beside the attribute tree, five options at
// most to a table, each table under its own section. A report meant for pages of a fixed width
// sets FitWidth; then every layout at a width makes the tables anew with only as many options
// as fit in that width (one at least), so that another paper, orientation or margin gives
// other tables. The lines are copies, so the report does not depend on the model it came from.
// Results of a method other than "sets" have its name in their heading.
class TRptEvaluation : public TRptVerticalGroup {
 public:
  TRptEvaluation(TRpt* owner, std::vector<std::string> options, std::vector<TEvaluationLine> lines,
                 bool fitWidth, const std::string& method = {});

  std::unique_ptr<TBox> MakeBox() override;
  std::unique_ptr<TBox> MakeBoxWidth(int width) override;

 private:
  void MakeTables(const std::optional<int>& width);
  // How many of the options from First on go into one table Width units wide.
  int OptionsThatFit(const std::vector<int>& edges, int first, int width) const;
  // The right edge of every column of Table, laid out at its natural width.
  static std::vector<int> MeasureColumnEdges(TRptTable& table);
  TRptTable& AddOptionsTable(int first, int count);

  std::vector<std::string> FOptions;
  std::vector<TEvaluationLine> FLines;
  bool FFitWidth;
  std::string FHeading;
};

}  // namespace ubic
