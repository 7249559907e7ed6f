#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ubic {

// Weights and other arrays of numbers.
using floatarray = std::vector<double>;

// Raised for a text that is not a number and for a format that does not fit its arguments.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The decimal separator of the user's locale (LC_NUMERIC).
char LocaleDecimalSeparator();

// Fixed-point text with Digits decimals and the locale's decimal separator.
std::string FloatToText(double value, int digits);
// Accepts "." and the locale's decimal separator alike; surrounding blanks are ignored.
double TextToFloat(const std::string& text);
// A signed decimal integer; surrounding blanks are ignored. A text that is no integer, or one
// beyond the integer range, raises EConvertError.
int TextToInt(const std::string& text);
// Shortest general text, up to 15 significant digits, "." whatever the locale: 0.5, 100,
// 33.3333333333333, 1E-6; E-notation only below 0.00001 or beyond 15 integer digits.
std::string FloatToPlainText(double value);
// Entries as FloatToPlainText joined by ";", and back.
std::string FloatArrayToText(const floatarray& values);
floatarray TextToFloatArray(const std::string& text);

// Character at a 1-based position, '\0' outside the text.
char CharAt(const std::string& text, int position);
int CountChar(const std::string& text, char c);
// The rest of Text from a 1-based position.
std::string TextFrom(const std::string& text, int position);
// The part before / after the first occurrence of Sub; the whole text if Sub does not occur.
std::string TextBefore(const std::string& text, const std::string& sub);
std::string TextAfter(const std::string& text, const std::string& sub);
// Characters from 1-based position From to position To, both included.
std::string TextRange(const std::string& text, int from, int to);
std::string ReplaceChar(std::string text, char oldChar, char newChar);
// Every occurrence of Old replaced, scanning left to right without rescanning replacements.
std::string ReplaceText(const std::string& text, const std::string& oldText,
                        const std::string& newText);
// Trims Text and splits it at the first blank: First gets the part before, Text the rest after
// it. Without a blank First gets the whole text and Text becomes empty.
void SplitWord(std::string& text, std::string& first);
// Splits Text at the first Delimiter the same way, without trimming.
void SplitAt(std::string& text, char delimiter, std::string& first);
// The lines of Text, ended by CR, LF or CR LF; a last line without an end counts as well.
std::vector<std::string> SplitLines(std::string_view text);
// Text with every control character (codes below 32 and 127) replaced by a blank, for output
// that must neither break lines nor reach a terminal's control sequences.
std::string BlankControls(std::string text);
// The extension of the file name with its dot; empty when the last part of the path has none.
std::string FileExtension(const std::string& fileName);
// FileName unchanged if it has an extension, otherwise with Extension appended.
std::string DefaultExtension(const std::string& fileName, const std::string& extension);
void SwapInt(int& a, int& b);
std::string Trim(const std::string& text);

// One argument of Format: an integer, a floating-point number or a text.
class TFormatArg {
 public:
  TFormatArg(int value) : FValue(static_cast<long long>(value)) {}
  TFormatArg(long long value) : FValue(value) {}
  TFormatArg(double value) : FValue(value) {}
  TFormatArg(const std::string& value) : FValue(std::string_view(value)) {}
  TFormatArg(const char* value) : FValue(std::string_view(value)) {}
  const std::variant<long long, double, std::string_view>& Value() const { return FValue; }

 private:
  std::variant<long long, double, std::string_view> FValue;
};

// printf-like formatting of the program's message texts: %d, %s, %f (two decimals unless a
// precision is given, the locale's decimal separator), %%, with optional "-", width and
// precision. An argument that is missing or of the wrong kind raises EConvertError.
std::string FormatArgs(std::string_view format, const std::vector<TFormatArg>& args);

template <class... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatArgs(format, {TFormatArg(args)...});
}

}  // namespace ubic
