#include "datetimeformat.h"

#include <langinfo.h>
#include <locale.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "foundation/cp1250.h"

namespace ubic {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Upper(text[at + i]) != word[i]) return false;
  }
  return true;
}

std::string Digits(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

// Nested formats (DDDDD, T, C) may name each other; a locale's format never nests deeper than
// this, and a deeper nesting shows nothing rather than recursing forever.
constexpr int kMaxNesting = 3;

class TDateTimeWriter {
 public:
  TDateTimeWriter(std::string_view pattern, const TDateTime& time, const TDateFormats& formats,
                  int nesting)
      : FPattern(pattern),
        FTime(time),
        FFormats(formats),
        FNesting(nesting),
        FTwelveHour(HasAmPm(pattern)) {}

  std::string Write() {
    while (FAt < FPattern.size()) {
      const char c = FPattern[FAt];
      if (c == '"' || c == '\'') {
        CopyQuoted(c);
      } else if (!IsLetter(c)) {
        FOut += c;
        ++FAt;
      } else if (!WriteAmPm()) {
        WriteElement();
      }
    }
    return FOut;
  }

 private:
  static bool HasAmPm(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern[i] == '"' || pattern[i] == '\'') {
        const std::size_t close = pattern.find(pattern[i], i + 1);
        if (close == std::string_view::npos) return false;
        i = close;
      } else if (AmPmLength(pattern, i) > 0) {
        return true;
      }
    }
    return false;
  }

  // The length of the AM/PM element at At, 0 if there is none.
  static std::size_t AmPmLength(std::string_view pattern, std::size_t at) {
    if (StartsWithNoCase(pattern, at, "AM/PM")) return 5;
    if (StartsWithNoCase(pattern, at, "AMPM")) return 4;
    if (StartsWithNoCase(pattern, at, "A/P")) return 3;
    return 0;
  }

  void CopyQuoted(char quote) {
    const std::size_t close = FPattern.find(quote, FAt + 1);
    const std::size_t end = close == std::string_view::npos ? FPattern.size() : close;
    FOut += FPattern.substr(FAt + 1, end - FAt - 1);
    FAt = end == FPattern.size() ? end : end + 1;
  }

  bool WriteAmPm() {
    const std::size_t length = AmPmLength(FPattern, FAt);
    if (length == 0) return false;
    const bool morning = FTime.Hour < 12;
    const bool lower = FPattern[FAt] == 'a';
    if (length == 4) {
      FOut += morning ? FFormats.AmText : FFormats.PmText;
    } else if (length == 5) {
      FOut += lower ? (morning ? "am" : "pm") : (morning ? "AM" : "PM");
    } else {
      FOut += lower ? (morning ? "a" : "p") : (morning ? "A" : "P");
    }
    FAt += length;
    return true;
  }

  void WriteElement() {
    char letter = Upper(FPattern[FAt]);
    int count = 0;
    while (FAt < FPattern.size() && Upper(FPattern[FAt]) == letter) {
      ++FAt;
      ++count;
    }
    if (letter == 'M' && FLastLetter == 'H') letter = 'N';
    FLastLetter = letter;
    switch (letter) {
      case 'D':
        WriteDay(count);
        break;
      case 'M':
        WriteMonth(count);
        break;
      case 'Y':
        FOut += count <= 2 ? Digits(FTime.Year % 100, 2) : Digits(FTime.Year, 4);
        break;
      case 'H':
        FOut += Digits(Hour(), count == 1 ? 1 : 2);
        break;
      case 'N':
        FOut += Digits(FTime.Minute, count == 1 ? 1 : 2);
        break;
      case 'S':
        FOut += Digits(FTime.Second, count == 1 ? 1 : 2);
        break;
      case 'Z':
        FOut += Digits(FTime.Millisecond, count < 3 ? 1 : 3);
        break;
      case 'T':
        WriteNested(count == 1 ? FFormats.ShortTime : FFormats.LongTime);
        break;
      case 'C':
        WriteNested(FFormats.ShortDate);
        FOut += ' ';
        WriteNested(FFormats.LongTime);
        break;
      default:
        FOut.append(static_cast<std::size_t>(count), FPattern[FAt - 1]);
        break;
    }
  }

  int Hour() const {
    if (!FTwelveHour) return FTime.Hour;
    const int hour = FTime.Hour % 12;
    return hour == 0 ? 12 : hour;
  }

  void WriteDay(int count) {
    switch (count) {
      case 1:
      case 2:
        FOut += Digits(FTime.Day, count);
        break;
      case 3:
        FOut += FFormats.ShortDayNames[FTime.DayOfWeek()];
        break;
      case 4:
        FOut += FFormats.LongDayNames[FTime.DayOfWeek()];
        break;
      case 5:
        WriteNested(FFormats.ShortDate);
        break;
      default:
        WriteNested(FFormats.LongDate);
        break;
    }
  }

  void WriteMonth(int count) {
    const int month = (FTime.Month - 1 + 12) % 12;
    switch (count) {
      case 1:
      case 2:
        FOut += Digits(FTime.Month, count);
        break;
      case 3:
        FOut += FFormats.ShortMonthNames[month];
        break;
      default:
        FOut += FFormats.LongMonthNames[month];
        break;
    }
  }

  void WriteNested(const std::string& pattern) {
    if (FNesting >= kMaxNesting) return;
    FOut += TDateTimeWriter(pattern, FTime, FFormats, FNesting + 1).Write();
  }

  std::string_view FPattern;
  const TDateTime& FTime;
  const TDateFormats& FFormats;
  int FNesting;
  bool FTwelveHour;
  std::size_t FAt = 0;
  char FLastLetter = 0;
  std::string FOut;
};

// The pattern elements of the strftime conversions that have one.
std::string_view ConversionPattern(char conversion) {
  switch (conversion) {
    case 'd':
      return "DD";
    case 'e':
      return "D";
    case 'm':
      return "MM";
    case 'y':
      return "YY";
    case 'Y':
    case 'G':
      return "YYYY";
    case 'H':
    case 'I':
      return "HH";
    case 'k':
    case 'l':
      return "H";
    case 'M':
      return "NN";
    case 'S':
      return "SS";
    case 'p':
    case 'P':
      return "AMPM";
    case 'a':
      return "DDD";
    case 'A':
      return "DDDD";
    case 'b':
    case 'h':
      return "MMM";
    case 'B':
      return "MMMM";
    case 'D':
      return "MM/DD/YY";
    case 'F':
      return "YYYY-MM-DD";
    case 'T':
      return "HH:NN:SS";
    case 'R':
      return "HH:NN";
    case 'r':
      return "HH:NN:SS AMPM";
    case 'n':
    case 't':
      return " ";
    case '%':
      return "%";
    default:
      return "";
  }
}

// A number without its leading zero: "DD" becomes "D" under the "-" flag.
std::string_view Unpadded(std::string_view element, bool unpadded) {
  if (unpadded && element.size() == 2 && element[0] == element[1]) return element.substr(1);
  return element;
}

bool IsConversionModifier(char c) {
  return c == '-' || c == '_' || c == '0' || c == '^' || c == '#' || c == 'E' || c == 'O';
}

// Literal text of a strftime format, quoted when it holds letters that would read as elements.
void AppendLiteral(std::string& pattern, std::string_view literal) {
  bool hasLetter = false;
  for (const char c : literal) hasLetter = hasLetter || IsLetter(c);
  if (hasLetter) {
    pattern += '"';
    pattern += literal;
    pattern += '"';
  } else {
    pattern += literal;
  }
}

// The long time pattern without its seconds and the separator before them.
std::string WithoutSeconds(std::string pattern) {
  const std::size_t seconds = pattern.find("SS");
  if (seconds == std::string::npos) return pattern;
  std::size_t from = seconds;
  if (from > 0 && !IsLetter(pattern[from - 1]) && pattern[from - 1] != ' ') --from;
  pattern.erase(from, seconds + 2 - from);
  return pattern;
}

// The short date with a four-digit year.
std::string WithLongYear(std::string pattern) {
  const std::size_t year = pattern.find('Y');
  if (year == std::string::npos) return pattern;
  std::size_t end = year;
  while (end < pattern.size() && pattern[end] == 'Y') ++end;
  pattern.replace(year, end - year, "YYYY");
  return pattern;
}

class TLocaleTexts {
 public:
  static constexpr int kCategories = LC_TIME_MASK | LC_CTYPE_MASK;

  // The character set of the names is the locale's LC_CTYPE.
  TLocaleTexts() : FLocale(newlocale(kCategories, "", static_cast<locale_t>(nullptr))) {
    if (FLocale == static_cast<locale_t>(nullptr)) {
      FLocale = newlocale(kCategories, "C", static_cast<locale_t>(nullptr));
    }
    FUtf8 = std::string_view(nl_langinfo_l(CODESET, FLocale)) == "UTF-8";
  }
  TLocaleTexts(const TLocaleTexts&) = delete;
  TLocaleTexts& operator=(const TLocaleTexts&) = delete;
  ~TLocaleTexts() { freelocale(FLocale); }

  std::string Get(nl_item item) const {
    const std::string_view text = nl_langinfo_l(item, FLocale);
    return FUtf8 ? Utf8ToCp1250(text) : std::string(text);
  }

 private:
  locale_t FLocale;
  bool FUtf8 = false;
};

}  // namespace

int TDateTime::DayOfWeek() const {
  static constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  const int year = Month < 3 ? Year - 1 : Year;
  const int result =
      (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[(Month - 1 + 12) % 12] + Day) % 7;
  return result < 0 ? result + 7 : result;
}

TDateTime TDateTime::Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto sinceEpoch =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(sinceEpoch.count() % 1000)};
}

std::string StrftimeToPattern(std::string_view format) {
  std::string pattern;
  std::size_t at = 0;
  while (at < format.size()) {
    const std::size_t percent = format.find('%', at);
    AppendLiteral(pattern, format.substr(at, percent - at));
    if (percent == std::string_view::npos) break;
    at = percent + 1;
    bool unpadded = false;
    while (at < format.size() && IsConversionModifier(format[at])) {
      unpadded = unpadded || format[at] == '-';
      ++at;
    }
    if (at < format.size()) pattern += Unpadded(ConversionPattern(format[at++]), unpadded);
  }
  return pattern;
}

TDateFormats LocaleDateFormats() {
  const TLocaleTexts texts;
  TDateFormats formats;
  formats.ShortDate = StrftimeToPattern(texts.Get(D_FMT));
  formats.LongDate = "DDDD, " + WithLongYear(formats.ShortDate);
  formats.LongTime = StrftimeToPattern(texts.Get(T_FMT));
  formats.ShortTime = WithoutSeconds(formats.LongTime);
  for (int i = 0; i < 7; ++i) {
    formats.ShortDayNames[i] = texts.Get(ABDAY_1 + i);
    formats.LongDayNames[i] = texts.Get(DAY_1 + i);
  }
  for (int i = 0; i < 12; ++i) {
    formats.ShortMonthNames[i] = texts.Get(ABMON_1 + i);
    formats.LongMonthNames[i] = texts.Get(MON_1 + i);
  }
  const std::string am = texts.Get(AM_STR);
  const std::string pm = texts.Get(PM_STR);
  if (!am.empty()) formats.AmText = am;
  if (!pm.empty()) formats.PmText = pm;
  return formats;
}

std::string FormatDateTime(std::string_view pattern, const TDateTime& time,
                           const TDateFormats& formats) {
  return TDateTimeWriter(pattern, time, formats, 0).Write();
}

}  // namespace ubic
