#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/valuetext.h"
#include "reports/groups.h"

namespace ubic {

// One aggregate attribute's row of an option's explanation.
struct TExplanationRow {
  std::string Attribute;
  TValueRuns Value;
  // The rules that decided the value, each with where it came from.
  std::vector<std::string> Rules;
  // The inputs whose one step changes the value, each with the step and the value it gives.
  std::vector<TValueRuns> Steps;
};

// Why one option has its values: a row per aggregate attribute, then its strong and weak points,
// a line each.
struct TOptionExplanation {
  std::string Option;
  std::vector<TExplanationRow> Rows;
  std::vector<TValueRuns> Points;
};

// The explanations of the options, each under its own section with a table of its own. Every
// layout at a width makes the tables anew with the same columns for all options, fitted to the
// width: the texts break into lines inside their cells instead of running past the page. The
// explanations are copies, so the report does not depend on the model it came from.
class TRptExplanation : public TRptVerticalGroup {
 public:
  TRptExplanation(TRpt* owner, std::vector<TOptionExplanation> options);

  std::unique_ptr<TBox> MakeBox() override;
  std::unique_ptr<TBox> MakeBoxWidth(int width) override;

 private:
  void MakeSections(const std::optional<int>& width);
  // The widths of the columns of one table of all options, laid out at Width.
  std::vector<int> MeasureColumns(const std::optional<int>& width);
  void AddOptionSection(const TOptionExplanation& option, bool first,
                        const std::vector<int>& widths);
  static TRptTable& AddTable(TRptSection& section);
  static void AddRows(TRptTable& table, const TOptionExplanation& option);

  std::vector<TOptionExplanation> FOptions;
};

}  // namespace ubic
