#include "explanationtables.h"

#include "reportparts.h"
#include "reports/paragraph.h"
#include "reports/tables.h"
#include "reporttexts.h"

namespace ubic {
namespace {

constexpr const char* kExplanationTitle = ubicstr::ExplanationTitle;
constexpr int kColumns = 4;

TRptParagraph& AddWrapped(TRptGroup& group, const TValueRuns& runs) {
  TRptParagraph& paragraph = *group.AddParagraph();
  AddValueRuns(paragraph.Runs(), runs);
  return paragraph;
}

}  // namespace

TRptExplanation::TRptExplanation(TRpt* owner, std::vector<TOptionExplanation> options)
    : TRptVerticalGroup(owner), FOptions(std::move(options)) {
  SetTitle(kExplanationTitle);
  // Every option is a section of its own, which may go on another page.
  SetKeep(kKeepNone);
}

std::unique_ptr<TBox> TRptExplanation::MakeBox() {
  MakeSections(std::nullopt);
  return TRptVerticalGroup::MakeBox();
}

std::unique_ptr<TBox> TRptExplanation::MakeBoxWidth(int width) {
  MakeSections(width > 0 ? std::optional<int>(width) : std::nullopt);
  return TRptVerticalGroup::MakeBoxWidth(width);
}

void TRptExplanation::MakeSections(const std::optional<int>& width) {
  const std::vector<int> widths = MeasureColumns(width);
  Clear();
  for (std::size_t k = 0; k < FOptions.size(); ++k) AddOptionSection(FOptions[k], k == 0, widths);
}

std::vector<int> TRptExplanation::MeasureColumns(const std::optional<int>& width) {
  Clear();
  TRptTable& table = AddTable(*AddSection(kExplanationTitle));
  for (const TOptionExplanation& option : FOptions) AddRows(table, option);
  if (width) {
    table.MakeBoxWidth(*width);
  } else {
    table.MakeBox();
  }
  std::vector<int> widths;
  for (int c = 0; c < kColumns; ++c) widths.push_back(table.ColumnWidth(c));
  return widths;
}

void TRptExplanation::AddOptionSection(const TOptionExplanation& option, bool first,
                                       const std::vector<int>& widths) {
  TRptSection& section =
      AddHeadedSection(*this, kExplanationTitle, first ? Translated(kExplanationTitle) : "");
  TRptTable& table = AddTable(section);
  for (int c = 0; c < kColumns; ++c) {
    table.GetField(c)->SetWidth({static_cast<float>(widths[static_cast<std::size_t>(c)]), suUnits});
  }
  AddRows(table, option);
  for (const TValueRuns& points : option.Points) AddWrapped(section, points);
  section.AddEmptyLine();
}

TRptTable& TRptExplanation::AddTable(TRptSection& section) {
  return ubic::AddTable(section, kExplanationTitle, kColumns);
}

void TRptExplanation::AddRows(TRptTable& table, const TOptionExplanation& option) {
  AddHeadingRow(table,
                {option.Option, Translated(ubicstr::ValueHeading),
                 Translated(ubicstr::DecidedByHeading), Translated(ubicstr::OneStepHeading)});
  for (const TExplanationRow& line : option.Rows) {
    TRptRow& row = *table.AddRow();
    AddWrapped(*row.NewCell(), {{line.Attribute}});
    AddWrapped(*row.NewCell(), line.Value);
    TRptCell& rules = *row.NewCell();
    for (const std::string& rule : line.Rules) AddWrapped(rules, {{rule}});
    TRptCell& steps = *row.NewCell();
    for (const TValueRuns& step : line.Steps) AddWrapped(steps, step);
  }
}

}  // namespace ubic
