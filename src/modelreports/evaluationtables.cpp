#include "evaluationtables.h"

#include <algorithm>

#include "foundation/checkedint.h"
#include "reportparts.h"
#include "reporttexts.h"

namespace ubic {
namespace {

constexpr const char* kEvaluationTitle = ubicstr::EvaluationTitle;
constexpr int kMostOptionsPerTable = 5;

}  // namespace

TRptEvaluation::TRptEvaluation(TRpt* owner, std::vector<std::string> options,
                               std::vector<TEvaluationLine> lines, bool fitWidth,
                               const std::string& method)
    : TRptVerticalGroup(owner),
      FOptions(std::move(options)),
      FLines(std::move(lines)),
      FFitWidth(fitWidth),
      FHeading(method.empty() ? Translated(kEvaluationTitle)
                              : Translated(kEvaluationTitle) + " (" + method + ")") {
  SetTitle(kEvaluationTitle);
  // Its tables are sections of their own, which may go on different pages.
  SetKeep(kKeepNone);
  MakeTables(std::nullopt);
}

std::unique_ptr<TBox> TRptEvaluation::MakeBox() {
  if (FFitWidth) MakeTables(std::nullopt);
  return TRptVerticalGroup::MakeBox();
}

std::unique_ptr<TBox> TRptEvaluation::MakeBoxWidth(int width) {
  if (FFitWidth) MakeTables(width > 0 ? std::optional<int>(width) : std::nullopt);
  return TRptVerticalGroup::MakeBoxWidth(width);
}

void TRptEvaluation::MakeTables(const std::optional<int>& width) {
  const int options = static_cast<int>(FOptions.size());
  std::vector<int> edges;
  if (width && options > 0) {
    Clear();
    edges = MeasureColumnEdges(AddOptionsTable(0, options));
  }
  Clear();
  for (int first = 0; first < options;) {
    const int count = width ? OptionsThatFit(edges, first, *width)
                            : std::min(kMostOptionsPerTable, options - first);
    AddOptionsTable(first, count);
    first += count;
  }
}

std::vector<int> TRptEvaluation::MeasureColumnEdges(TRptTable& table) {
  // Laying the table out places its columns, each as wide as its widest cell; the columns of a
  // table of fewer options are as wide, only placed differently.
  table.MakeBox();
  std::vector<int> edges;
  for (int c = 0; c < table.FieldCount(); ++c) {
    edges.push_back(CheckedAdd(table.ColumnX(c), table.ColumnWidth(c)));
  }
  return edges;
}

int TRptEvaluation::OptionsThatFit(const std::vector<int>& edges, int first, int width) const {
  const int options = static_cast<int>(FOptions.size());
  // Option K is column K + 1; its part of a table's width is its column and the space before it.
  const auto part = [&edges](int k) {
    return CheckedSubtract(edges[static_cast<std::size_t>(k) + 1],
                           edges[static_cast<std::size_t>(k)]);
  };
  int used = CheckedAdd(edges.front(), part(first));
  int count = 1;
  while (count < kMostOptionsPerTable && first + count < options) {
    used = CheckedAdd(used, part(first + count));
    if (used > width) break;
    ++count;
  }
  return count;
}

TRptTable& TRptEvaluation::AddOptionsTable(int first, int count) {
  TRptSection& section =
      AddHeadedSection(*this, kEvaluationTitle, first == 0 ? FHeading : std::string());
  TRptTable& table = ubic::AddTable(section, kEvaluationTitle, count + 1);
  std::vector<std::string> headings{Translated(ubicstr::AttributeHeading)};
  headings.insert(headings.end(), FOptions.begin() + first, FOptions.begin() + first + count);
  AddHeadingRow(table, headings);
  for (const TEvaluationLine& line : FLines) {
    TRptRow& row = *table.AddRow();
    AddAttributeCell(row, line.Tree, line.Name, line.Aggregate);
    for (int k = first; k < first + count; ++k) {
      AddValueParagraph(*row.NewCell(), line.Values[static_cast<std::size_t>(k)]);
    }
  }
  section.AddEmptyLine();
  return table;
}

}  // namespace ubic
