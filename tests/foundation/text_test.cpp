#include <gtest/gtest.h>
#include <iconv.h>

#include <clocale>
#include <cwctype>
#include <string>

#include "foundation/cp1250.h"
#include "foundation/textcompare.h"

namespace ubic {
namespace {

std::string Byte(int b) {
  return std::string(1, static_cast<char>(b));
}

// Windows-1250 letters used below.
const std::string kCh = "\xE8", kCH = "\xC8";  // č Č
const std::string kSh = "\x9A", kSH = "\x8A";  // š Š
const std::string kZh = "\x9E", kZH = "\x8E";  // ž Ž
const std::string kAa = "\xE1", kAA = "\xC1";  // á Á
const std::string kOe = "\xF6";                // ö

TEST(TextComparison, IgnoresCaseIncludingAccentedLetters) {
  EXPECT_EQ(AnsiCompareText(kCh, kCH), 0);
  EXPECT_EQ(AnsiCompareText(kSh + "ola " + kZh + "aba", kSH + "OLA " + kZH + "ABA"), 0);
  EXPECT_EQ(AnsiCompareText(kAa + "b", kAA + "B"), 0);
  EXPECT_TRUE(AnsiSameText("Model", "mODEL"));
  EXPECT_FALSE(AnsiSameText("Model", "Models"));
  EXPECT_EQ(AnsiUpperCase("a" + kCh + kSh + kZh + kAa + "z"), "A" + kCH + kSH + kZH + kAA + "Z");
  EXPECT_EQ(AnsiLowerCase("A" + kCH + kSH + kZH + kAA + "Z"), "a" + kCh + kSh + kZh + kAa + "z");
}

TEST(TextComparison, OrdersTheSlovenianAlphabet) {
  // Letters with a caron follow their base letter as letters of their own.
  EXPECT_LT(AnsiCompareText("c", kCh), 0);
  EXPECT_LT(AnsiCompareText(kCH, "d"), 0);
  EXPECT_LT(AnsiCompareText("cz", kCh + "a"), 0);
  EXPECT_LT(AnsiCompareText("sz", kSh + "a"), 0);
  EXPECT_LT(AnsiCompareText(kSH, "t"), 0);
  EXPECT_LT(AnsiCompareText("zz", kZh), 0);
  // Other accents only break ties with the base letter.
  EXPECT_LT(AnsiCompareText(kAa, "b"), 0);
  EXPECT_LT(AnsiCompareText(kAa + "b", "ac"), 0);
  EXPECT_LT(AnsiCompareText("a", kAa), 0);
  EXPECT_GT(AnsiCompareText(kOe + "z", "o"), 0);
  // Punctuation, digits, letters; a prefix first.
  EXPECT_LT(AnsiCompareText("-", "0"), 0);
  EXPECT_LT(AnsiCompareText("9", "a"), 0);
  EXPECT_LT(AnsiCompareText("1z", "A1"), 0);
  EXPECT_LT(AnsiCompareText("ab", "abc"), 0);
  EXPECT_GT(AnsiCompareText("b", "Abc"), 0);
}

TEST(TextComparison, CaseConversionAgreesWithTheCLibrary) {
  const std::string saved = std::setlocale(LC_CTYPE, nullptr);
  ASSERT_NE(std::setlocale(LC_CTYPE, "de_DE.UTF-8"), nullptr);
  auto toCp1250 = [](std::wint_t code, int fallback) {
    for (int b = 0; b < 256; ++b) {
      if (Cp1250ToUnicode(static_cast<unsigned char>(b)) == static_cast<char32_t>(code)) return b;
    }
    return fallback;
  };
  for (int b = 0; b < 256; ++b) {
    const auto code = static_cast<std::wint_t>(Cp1250ToUnicode(static_cast<unsigned char>(b)));
    const int upper = toCp1250(std::towupper(code), b);
    const int lower = toCp1250(std::towlower(code), b);
    EXPECT_EQ(AnsiUpperCase(Byte(b)), Byte(upper)) << "byte " << b;
    EXPECT_EQ(AnsiLowerCase(Byte(b)), Byte(lower)) << "byte " << b;
    EXPECT_EQ(AnsiCompareText(Byte(b), Byte(upper)), 0) << "byte " << b;
    if (upper != lower) {
      EXPECT_GT(AnsiCompareText(Byte(b), "9"), 0) << "byte " << b;
    }
  }
  std::setlocale(LC_CTYPE, saved.c_str());
}

TEST(Cp1250Conversion, AgreesWithIconvForEveryHighByte) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  int unassigned = 0;
  for (int b = 0x80; b <= 0xFF; ++b) {
    char in = static_cast<char>(b);
    char out[8];
    char* inPtr = &in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (result == static_cast<std::size_t>(-1)) {
      // Unassigned in the code page: kept as the C1 control of the same number.
      ++unassigned;
      EXPECT_EQ(Cp1250ToUnicode(static_cast<unsigned char>(b)), static_cast<char32_t>(b));
      EXPECT_EQ(Cp1250ToUtf8(Byte(b)), "\xC2" + Byte(b)) << "byte " << b;
    } else {
      EXPECT_EQ(Cp1250ToUtf8(Byte(b)), std::string(out, outPtr)) << "byte " << b;
    }
  }
  iconv_close(cd);
  EXPECT_EQ(unassigned, 5);
}

TEST(Cp1250Conversion, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  bool replaced = true;
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all), &replaced), all);
  EXPECT_FALSE(replaced);
}

TEST(Cp1250Conversion, UnmappableAndMalformedTextBecomesQuestionMarks) {
  bool replaced = true;
  EXPECT_EQ(Utf8ToCp1250("\xE2\x82\xAC \xC4\x8D\xC5\xA1\xC5\xBE", &replaced), "\x80 \xE8\x9A\x9E");
  EXPECT_FALSE(replaced);

  EXPECT_EQ(Utf8ToCp1250("a\xE4\xB8\xADz", &replaced), "a?z");  // U+4E2D
  EXPECT_TRUE(replaced);
  EXPECT_EQ(Utf8ToCp1250("\xC2\x80", &replaced), "?");  // a C1 control the code page does not use
  EXPECT_TRUE(replaced);

  for (const std::string malformed :
       {"\xFF", "\x80", "\xC4", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    replaced = false;
    const std::string converted = Utf8ToCp1250("x" + malformed + "y", &replaced);
    EXPECT_TRUE(replaced) << converted;
    EXPECT_EQ(converted.front(), 'x');
    EXPECT_EQ(converted.back(), 'y');
    EXPECT_EQ(converted.find_first_not_of('?', 1), converted.size() - 1) << converted;
  }
  EXPECT_EQ(Utf8ToCp1250("x\xC4"), "x?");
}

}  // namespace
}  // namespace ubic
