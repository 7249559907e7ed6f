#include "macros.h"

#include <string_view>
#include <vector>

#include "formatter.h"
#include "foundation/checkedint.h"
#include "foundation/textcompare.h"
#include "foundation/utils.h"
#include "report.h"
#include "tables.h"

namespace ubic {
namespace {

std::string SectionText(const TRptSection* section, const std::string& argument) {
  if (section == nullptr) return {};
  if (argument == "TITLE") return section->Title();
  if (argument == "NUMBERS") return section->GetNumbers();
  return std::to_string(section->Number());
}

// The start time in the form the argument asks for: the short or the long form (patterns whose
// texts are joined by a blank), or the argument itself as the pattern.
std::string DateTimeText(const std::vector<std::string>& shortForm,
                         const std::vector<std::string>& longForm, const std::string& argument,
                         const TFormatter& formatter) {
  const auto format = [&](const std::string& pattern) {
    return FormatDateTime(pattern, formatter.StartTime(), formatter.DateFormats());
  };
  if (argument != "SHORT" && argument != "LONG" && !argument.empty()) return format(argument);
  std::string text;
  for (const std::string& pattern : argument == "LONG" ? longForm : shortForm) {
    if (!text.empty()) text += ' ';
    text += format(pattern);
  }
  return text;
}

}  // namespace

std::string NormalizeMacro(const std::string& text) {
  return AnsiUpperCase(Trim(text));
}

std::string ExpandMacro(const std::string& macro, const TFormatter* formatter) {
  if (macro.empty()) return {};
  if (formatter == nullptr) return "<Unknown Formatter>";
  const TDateFormats& formats = formatter->DateFormats();
  const auto argument = [&](std::string_view keyword) {
    return Trim(macro.substr(keyword.size()));
  };
  if (macro.starts_with("PAGE")) {
    const int page =
        CheckedAdd(formatter->PageNo(), CheckedSubtract(formatter->FirstPageNumber(), 1));
    return std::to_string(page);
  }
  if (macro.starts_with("TITLE")) return formatter->Report().Title();
  if (macro.starts_with("SECTION")) {
    return SectionText(formatter->CurrentSection(), argument("SECTION"));
  }
  if (macro.starts_with("TABLE")) return SectionText(formatter->CurrentTable(), argument("TABLE"));
  if (macro.starts_with("DATETIME")) {
    return DateTimeText({formats.ShortDate, formats.ShortTime},
                        {formats.LongDate, formats.LongTime}, argument("DATETIME"), *formatter);
  }
  if (macro.starts_with("DATE")) {
    return DateTimeText({formats.ShortDate}, {formats.LongDate}, argument("DATE"), *formatter);
  }
  if (macro.starts_with("TIME")) {
    return DateTimeText({formats.ShortTime}, {formats.LongTime}, argument("TIME"), *formatter);
  }
  return "[" + macro + "]";
}

}  // namespace ubic
