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

bool StartsWith(const std::string& text, std::string_view keyword) {
  return text.compare(0, keyword.size(), keyword) == 0;
}

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
  if (StartsWith(macro, "PAGE")) {
    const int page =
        CheckedAdd(formatter->PageNo(), CheckedSubtract(formatter->FirstPageNumber(), 1));
    return std::to_string(page);
  }
  if (StartsWith(macro, "TITLE")) return formatter->Report().Title();
  if (StartsWith(macro, "SECTION")) {
    return SectionText(formatter->CurrentSection(), argument("SECTION"));
  }
  if (StartsWith(macro, "TABLE")) return SectionText(formatter->CurrentTable(), argument("TABLE"));
  if (StartsWith(macro, "DATETIME")) {
    return DateTimeText({formats.ShortDate, formats.ShortTime},
                        {formats.LongDate, formats.LongTime}, argument("DATETIME"), *formatter);
  }
  if (StartsWith(macro, "DATE")) {
    return DateTimeText({formats.ShortDate}, {formats.LongDate}, argument("DATE"), *formatter);
  }
  if (StartsWith(macro, "TIME")) {
    return DateTimeText({formats.ShortTime}, {formats.LongTime}, argument("TIME"), *formatter);
  }
  return "[" + macro + "]";
}

}  // namespace ubic
