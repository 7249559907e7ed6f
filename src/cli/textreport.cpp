#include "textreport.h"

#include <algorithm>

#include "foundation/cp1250.h"
#include "reports/textformatter.h"
#include "reports/treechars.h"

namespace ubic::cli {
namespace {

// Lays a report out exactly as the text formatter does but leaves out tree prefixes and rules.
// Where its pages differ from the text formatter's, a character is part of a tree or a rule.
class TTextOnlyFormatter : public TTextFormatter {
 public:
  using TTextFormatter::TTextFormatter;
  void DrawTree(const TRect&, const std::string&) override {}
  void DrawLiner(const TRect&, const TRect&, int) override {}
};

// The Unicode character of a code-page-437 box-drawing code that trees and rules are made of.
char32_t BoxCharacter(char code) {
  switch (code) {
    case kTreeVertical:
      return U'\u2502';
    case kTreeBranch:
      return U'\u251C';
    case kTreeLastBranch:
      return U'\u2514';
    case kTreeHorizontal:
      return U'\u2500';
    case '\xCD':
      return U'\u2550';
    default:
      return Cp1250ToUnicode(static_cast<unsigned char>(code));
  }
}

std::string Utf8Line(const std::string& full, const std::string& textOnly) {
  std::string line;
  for (std::size_t i = 0; i < full.size(); ++i) {
    const char textChar = i < textOnly.size() ? textOnly[i] : ' ';
    AppendUtf8(line, full[i] != textChar ? BoxCharacter(full[i])
                                         : Cp1250ToUnicode(static_cast<unsigned char>(full[i])));
  }
  return line;
}

template <class Formatter>
void LayOut(Formatter& formatter, const TDateTime& startTime) {
  formatter.SetClock([startTime] { return startTime; });
  formatter.Execute();
}

// The longest line of the report laid out on pages without a right edge.
int WidestLine(TReport& report, int height, const TDateTime& startTime) {
  TTextFormatter unbounded(&report, {0, height});
  LayOut(unbounded, startTime);
  return unbounded.WidestLine();
}

std::string Utf8Pages(TReport& report, const TTextFormatter& formatter, const TPoint& pageSize,
                      const TDateTime& startTime) {
  TTextOnlyFormatter textOnly(&report, pageSize);
  LayOut(textOnly, startTime);
  std::string text;
  for (int p = 0; p < formatter.PageCount(); ++p) {
    if (p > 0) text += '\f';
    const TTextPage& page = formatter.Page(p);
    const TTextPage& plain = textOnly.Page(p);
    for (int l = 0; l < page.Count(); ++l) {
      text += Utf8Line(page[l], l < plain.Count() ? plain[l] : std::string()) + "\n";
    }
  }
  return text;
}

}  // namespace

TTextReport FormatTextReport(TReport& report, const TTextReportLayout& layout,
                             const TDateTime& startTime) {
  const int width = layout.Width.has_value()
                        ? *layout.Width
                        : std::max(kLeastReportWidth, WidestLine(report, layout.Height, startTime));
  const TPoint pageSize{width, layout.Height};
  TTextFormatter formatter(&report, pageSize);
  LayOut(formatter, startTime);
  TTextReport result;
  result.Width = width;
  result.CutLines = formatter.CutLineCount();
  if (result.CutLines > 0) result.WholeWidth = WidestLine(report, layout.Height, startTime);
  result.Text =
      layout.Raw ? formatter.PagesText("\r\n") : Utf8Pages(report, formatter, pageSize, startTime);
  return result;
}

}  // namespace ubic::cli
