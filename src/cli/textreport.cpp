#include "textreport.h"

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

}  // namespace

std::string FormatTextReport(TReport& report, const TTextReportLayout& layout,
                             const TDateTime& startTime) {
  const TPoint pageSize{layout.Width, layout.Height};
  TTextFormatter formatter(&report, pageSize);
  formatter.SetClock([startTime] { return startTime; });
  formatter.Execute();
  if (layout.Raw) return formatter.PagesText("\r\n");

  TTextOnlyFormatter textOnly(&report, pageSize);
  textOnly.SetClock([startTime] { return startTime; });
  textOnly.Execute();
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

}  // namespace ubic::cli
