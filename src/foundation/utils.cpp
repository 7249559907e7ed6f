#include "utils.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "translation.h"

namespace ubic {
namespace {

// Text of a double in the C locale, by to_chars.
std::string CharsOf(double value, std::chars_format format, int precision) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, result.ptr);
}

// Decimal number syntax: optional sign, digits with at most one ".", at least one digit,
// optional exponent.
bool IsDecimalNumber(const std::string& text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == exponentStart) return false;
  }
  return i == text.size();
}

std::string WithLocaleSeparator(std::string text) {
  return ReplaceChar(std::move(text), '.', LocaleDecimalSeparator());
}

}  // namespace

char LocaleDecimalSeparator() {
  const char* point = std::localeconv()->decimal_point;
  return (point != nullptr && point[0] != '\0' && point[1] == '\0') ? point[0] : '.';
}

std::string FloatToText(double value, int digits) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e18) {
    return WithLocaleSeparator(FloatToPlainText(value));
  }
  return WithLocaleSeparator(CharsOf(value, std::chars_format::fixed, std::max(digits, 0)));
}

double TextToFloat(const std::string& text) {
  std::string plain = ReplaceChar(Trim(text), LocaleDecimalSeparator(), '.');
  if (IsDecimalNumber(plain)) {
    const std::size_t start = plain[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(plain.data() + start, plain.data() + plain.size(), value);
    if (result.ec == std::errc() && result.ptr == plain.data() + plain.size()) return value;
  }
  throw EConvertError("'" + text + "' is not a valid floating point value");
}

int TextToInt(const std::string& text) {
  const std::string plain = Trim(text);
  const char* end = plain.data() + plain.size();
  // from_chars takes a minus sign but no plus sign.
  const std::size_t start = plain.size() > 1 && plain[0] == '+' && plain[1] != '-' ? 1 : 0;
  int value = 0;
  const auto result = std::from_chars(plain.data() + start, end, value);
  if (result.ec == std::errc() && result.ptr == end) return value;
  throw EConvertError("'" + text + "' is not a valid integer value");
}

std::string FloatToPlainText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // d.dddddddddddddde[+-]x: fifteen significant digits, correctly rounded.
  const std::string scientific = CharsOf(value, std::chars_format::scientific, 14);
  const bool negative = scientific[0] == '-';
  const std::size_t ePos = scientific.find('e');
  std::string digits = scientific.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0));
  digits.erase(1, 1);  // the point after the first digit
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(scientific.c_str() + ePos + 1);

  std::string text = negative ? "-" : "";
  if (exponent < -5 || exponent >= 15) {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text.append(".").append(digits, 1);
    text.append("E").append(std::to_string(exponent));
  } else if (exponent < 0) {
    text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else {
    if (digits.size() < static_cast<std::size_t>(exponent) + 1) digits.resize(exponent + 1, '0');
    text += digits.substr(0, exponent + 1);
    if (digits.size() > static_cast<std::size_t>(exponent) + 1) {
      text.append(".").append(digits, static_cast<std::size_t>(exponent) + 1);
    }
  }
  return text;
}

std::string FloatArrayToText(const floatarray& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += ';';
    text += FloatToPlainText(values[i]);
  }
  return text;
}

floatarray TextToFloatArray(const std::string& text) {
  floatarray values;
  if (text.empty()) return values;
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find(';', start);
    values.push_back(TextToFloat(text.substr(start, end - start)));
    if (end == std::string::npos) return values;
    start = end + 1;
  }
}

char CharAt(const std::string& text, int position) {
  if (position < 1 || static_cast<std::size_t>(position) > text.size()) return '\0';
  return text[position - 1];
}

int CountChar(const std::string& text, char c) {
  return static_cast<int>(std::count(text.begin(), text.end(), c));
}

std::string TextFrom(const std::string& text, int position) {
  return TextRange(text, position, static_cast<int>(text.size()));
}

std::string TextBefore(const std::string& text, const std::string& sub) {
  const auto pos = text.find(sub);
  return pos == std::string::npos ? text : text.substr(0, pos);
}

std::string TextAfter(const std::string& text, const std::string& sub) {
  const auto pos = text.find(sub);
  return pos == std::string::npos ? text : text.substr(pos + sub.size());
}

std::string TextRange(const std::string& text, int from, int to) {
  from = std::max(from, 1);
  to = std::min(to, static_cast<int>(text.size()));
  if (from > to) return {};
  return text.substr(from - 1, to - from + 1);
}

std::string ReplaceChar(std::string text, char oldChar, char newChar) {
  std::replace(text.begin(), text.end(), oldChar, newChar);
  return text;
}

std::string ReplaceText(const std::string& text, const std::string& oldText,
                        const std::string& newText) {
  if (oldText.empty()) return text;
  std::string result;
  std::size_t start = 0;
  for (auto pos = text.find(oldText); pos != std::string::npos; pos = text.find(oldText, start)) {
    result.append(text, start, pos - start).append(newText);
    start = pos + oldText.size();
  }
  return result.append(text, start, std::string::npos);
}

void SplitWord(std::string& text, std::string& first) {
  text = Trim(text);
  SplitAt(text, ' ', first);
}

void SplitAt(std::string& text, char delimiter, std::string& first) {
  const auto pos = text.find(delimiter);
  if (pos == std::string::npos) {
    first = std::exchange(text, std::string());
  } else {
    first = text.substr(0, pos);
    text.erase(0, pos + 1);
  }
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  // Model files run to tens of megabytes: one pass to count the lines, one to cut them, and no
  // search that tries each character against a set.
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
  auto start = text.begin();
  while (start != text.end()) {
    const auto end = std::find_if(start, text.end(), isLineEnd);
    lines.emplace_back(start, end);
    if (end == text.end()) break;
    start = end + (*end == '\r' && end + 1 != text.end() && end[1] == '\n' ? 2 : 1);
  }
  return lines;
}

std::string BlankControls(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
  }
  return text;
}

std::string FileExtension(const std::string& fileName) {
  const auto slash = fileName.find_last_of('/');
  const auto dot = fileName.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return hasExtension ? fileName.substr(dot) : std::string();
}

std::string DefaultExtension(const std::string& fileName, const std::string& extension) {
  return FileExtension(fileName).empty() ? fileName + extension : fileName;
}

void SwapInt(int& a, int& b) {
  std::swap(a, b);
}

std::string Trim(const std::string& text) {
  // Blanks and control characters at both ends.
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

namespace {

[[noreturn]] void FormatError(std::string_view format) {
  throw EConvertError("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

struct TFormatSpec {
  bool LeftAlign = false;
  int Width = 0;
  int Precision = -1;
  char Type = 0;
};

// Parses what follows a "%" at Pos (flags, width, precision) and leaves Pos on its type character.
TFormatSpec ParseSpec(std::string_view format, std::size_t& pos) {
  TFormatSpec spec;
  auto number = [&](int& target) {
    target = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
      target = std::min(target * 10 + (format[pos++] - '0'), 1000);
    }
  };
  if (pos < format.size() && format[pos] == '-') {
    spec.LeftAlign = true;
    ++pos;
  }
  number(spec.Width);
  if (pos < format.size() && format[pos] == '.') {
    ++pos;
    number(spec.Precision);
  }
  if (pos >= format.size()) FormatError(format);
  spec.Type = format[pos];
  return spec;
}

// An integer with at least MinDigits digits after its sign, as "%.2d" asks.
std::string IntegerText(long long value, int minDigits) {
  std::string text = std::to_string(value);
  const std::size_t signLength = value < 0 ? 1 : 0;
  const std::size_t digits = text.size() - signLength;
  if (minDigits > 0 && digits < static_cast<std::size_t>(minDigits)) {
    text.insert(signLength, static_cast<std::size_t>(minDigits) - digits, '0');
  }
  return text;
}

std::string FormatOne(const TFormatSpec& spec, const TFormatArg& arg, std::string_view format) {
  const auto& value = arg.Value();
  switch (spec.Type) {
    case 'd':
    case 'D':
      if (const auto* integer = std::get_if<long long>(&value)) {
        return IntegerText(*integer, spec.Precision);
      }
      break;
    case 'f':
    case 'F':
      if (const auto* real = std::get_if<double>(&value)) {
        return FloatToText(*real, spec.Precision < 0 ? 2 : spec.Precision);
      }
      break;
    case 's':
    case 'S':
      if (const auto* text = std::get_if<std::string_view>(&value)) {
        return std::string(spec.Precision < 0 ? *text : text->substr(0, spec.Precision));
      }
      break;
    default:
      break;
  }
  FormatError(format);
}

}  // namespace

std::string FormatArgs(std::string_view english, const std::vector<TFormatArg>& args) {
  // The messages of ubicstr are all formatted here, so that they reach the user in his language.
  const std::string translated = Translated(english);
  const std::string_view format = translated;
  std::string result;
  std::size_t next = 0;
  for (std::size_t pos = 0; pos < format.size(); ++pos) {
    if (format[pos] != '%') {
      result += format[pos];
      continue;
    }
    ++pos;
    if (pos < format.size() && format[pos] == '%') {
      result += '%';
      continue;
    }
    const TFormatSpec spec = ParseSpec(format, pos);
    if (next >= args.size()) FormatError(format);
    std::string text = FormatOne(spec, args[next++], format);
    const std::size_t padding =
        text.size() < static_cast<std::size_t>(spec.Width) ? spec.Width - text.size() : 0;
    if (spec.LeftAlign) {
      result += text + std::string(padding, ' ');
    } else {
      result += std::string(padding, ' ') + text;
    }
  }
  return result;
}

}  // namespace ubic
