#include "reportparts.h"

#include "reports/paragraph.h"

namespace ubic {
namespace {

constexpr TColor kBadColor = 255;
constexpr TColor kGoodColor = 32768;

}  // namespace

TRptSection& AddHeadedSection(TRptGroup& parent, const std::string& title,
                              const std::string& heading, int keep, float space) {
  TRptSection& section = *parent.AddSection(title);
  section.SetKeep(keep);
  TRptLine& line = *section.AddLine();
  line.AddText(heading);
  line.SetBold(true);
  line.FontSize(foAdd, 1);
  section.AddSpace(space);
  return section;
}

TRptTable& AddTable(TRptSection& section, const std::string& title, int columns) {
  TRptTable& table = *section.AddTable(title);
  table.SetKeep(TRptGroup::kKeepNone);
  for (int c = 0; c < columns; ++c) table.AddField(" ")->SetWidth({1.0F, suRelative});
  return table;
}

TRptText& AddNumberText(TRptGroup& group, const std::string& text) {
  TRptText& number = *group.AddText(text);
  number.SetContentAlign(kHorizontal, caEnd);
  return number;
}

void AddHeadingRow(TRptTable& table, const std::vector<std::string>& headings,
                   std::size_t rightAlignedFrom) {
  TRptRow& row = *table.AddRow();
  row.SetBold(true);
  row.BeginRule(caEnd);
  for (std::size_t c = 0; c < headings.size(); ++c) {
    TRptCell& cell = *row.NewCell();
    if (c >= rightAlignedFrom) {
      TRptLine& runs = cell.AddParagraph()->Runs();
      runs.SetAlign(kHorizontal, baEnd);
      runs.AddText(headings[c]);
    } else if (headings[c].find_first_not_of(' ') == std::string::npos) {
      cell.AddText(headings[c]);
    } else {
      // A long heading breaks into lines rather than widen its column past the page.
      cell.AddParagraph()->Runs().AddText(headings[c]);
    }
  }
  row.EndRule();
  table.AddSpace(0.1F);
}

void AddValueRuns(TRptGroup& line, const TValueRuns& runs) {
  for (const TValueRun& run : runs) {
    TRptText& text = *line.AddText(run.Text);
    if (run.Class == TValueClass::Bad) {
      text.FontStyle(foAdd, fsBold);
      text.FontColor(kBadColor);
    } else if (run.Class == TValueClass::Good) {
      text.FontStyle(foAdd, fsBold | fsItalic);
      text.FontColor(kGoodColor);
    }
  }
}

void AddValueParagraph(TRptCell& cell, const TValueRuns& runs) {
  AddValueRuns(cell.AddParagraph()->Runs(), runs);
}

TRptCell& AddAttributeCell(TRptRow& row, const std::string& tree, const std::string& name,
                           bool aggregate) {
  TRptCell& cell = *row.NewCell();
  TRptLine& line = *cell.AddLine();
  line.AddTree(tree);
  TRptText& text = *line.AddText(name);
  if (aggregate) text.SetBold(true);
  return cell;
}

}  // namespace ubic
