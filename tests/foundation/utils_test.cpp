#include "foundation/utils.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "foundation/translation.h"

namespace ubic {
namespace {

TEST(FloatText, PlainTextIsShortestWithAPoint) {
  EXPECT_EQ(FloatToPlainText(0.5), "0.5");
  EXPECT_EQ(FloatToPlainText(100), "100");
  EXPECT_EQ(FloatToPlainText(100.0 / 3), "33.3333333333333");
  EXPECT_EQ(FloatToPlainText(200.0 / 3), "66.6666666666667");
  EXPECT_EQ(FloatToPlainText(1e-6), "1E-6");
  EXPECT_EQ(FloatToPlainText(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatToPlainText(0.00001), "0.00001");
  EXPECT_EQ(FloatToPlainText(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToPlainText(1e15), "1E15");
  EXPECT_EQ(FloatToPlainText(-2.5), "-2.5");
  EXPECT_EQ(FloatToPlainText(0), "0");
  EXPECT_EQ(FloatToPlainText(0.1 + 0.2), "0.3");
  EXPECT_EQ(FloatToText(2.0 / 3, 3), "0.667");
  EXPECT_EQ(FloatToText(-1, 0), "-1");
}

TEST(FloatText, ArraysJoinWithSemicolons) {
  EXPECT_EQ(FloatArrayToText({50, 25, 25}), "50;25;25");
  const double third = 100.0 / 3;
  EXPECT_EQ(FloatArrayToText({third, third, third}),
            "33.3333333333333;33.3333333333333;33.3333333333333");
  EXPECT_EQ(FloatArrayToText({}), "");

  EXPECT_EQ(TextToFloatArray("50;25;25"), (floatarray{50, 25, 25}));
  EXPECT_TRUE(TextToFloatArray("").empty());
  EXPECT_THROW(TextToFloatArray("1;x"), EConvertError);
}

TEST(IntegerText, TextToIntAcceptsOnlySignedDecimalsInRange) {
  EXPECT_EQ(TextToInt("42"), 42);
  EXPECT_EQ(TextToInt(" -7 "), -7);
  EXPECT_EQ(TextToInt("+3"), 3);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "-", "+", "+-1", "1.5", "12a", "0x10", "2147483648"}) {
    try {
      TextToInt(bad);
      ADD_FAILURE() << "no error for '" << bad << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(FloatText, TextToFloatAcceptsOnlyDecimalNumbers) {
  EXPECT_EQ(TextToFloat("2.5"), 2.5);
  EXPECT_EQ(TextToFloat(" -1e3 "), -1000);
  EXPECT_EQ(TextToFloat("+4"), 4);
  EXPECT_EQ(TextToFloat(".5"), 0.5);
  for (const char* bad :
       {"abc", "", " ", "1.2.3", "0x10", "inf", "nan", "1,5", "1e", "--1", "1 2"}) {
    EXPECT_THROW(TextToFloat(bad), EConvertError) << "'" << bad << "'";
  }
}

class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr); }
  void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }
};

TEST_F(CommaLocale, FileNumbersKeepThePointAndScreenNumbersTakeTheComma) {
  ASSERT_EQ(LocaleDecimalSeparator(), ',');
  EXPECT_EQ(TextToFloat("1.5"), 1.5);
  EXPECT_EQ(TextToFloat("1,5"), 1.5);
  EXPECT_EQ(FloatToPlainText(0.5), "0.5");
  EXPECT_EQ(FloatToPlainText(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatArrayToText({50, 12.5, 37.5}), "50;12.5;37.5");
  EXPECT_EQ(TextToFloatArray("50;12.5;37.5"), (floatarray{50, 12.5, 37.5}));
  EXPECT_EQ(FloatToText(1.5, 2), "1,50");
  EXPECT_EQ(Format("%f|%.1f", 1.5, 2.25), "1,50|2,2");
}

TEST(FormatText, FillsTheDirectives) {
  EXPECT_EQ(Format("%d attributes", 12), "12 attributes");
  EXPECT_EQ(Format("Scale '%s' of %s", "size", std::string("car")), "Scale 'size' of car");
  EXPECT_EQ(Format("%f", 1.0), "1.00");
  EXPECT_EQ(Format("%.3f", 2.0 / 3), "0.667");
  EXPECT_EQ(Format("[%5d]", 42), "[   42]");
  EXPECT_EQ(Format("%-5s|", "ab"), "ab   |");
  EXPECT_EQ(Format("%.2s", "abcdef"), "ab");
  EXPECT_EQ(Format("100%%"), "100%");
  EXPECT_EQ(Format("%d%%", -3), "-3%");
  EXPECT_EQ(Format("%d.%.2d", 1, 2), "1.02");
  EXPECT_EQ(Format("[%5.3d]", -7), "[ -007]");
  EXPECT_EQ(Format("%.2d", 123), "123");
}

TEST(FormatText, MismatchedArgumentsRaise) {
  EXPECT_THROW(Format("%d and %d", 1), EConvertError);
  EXPECT_THROW(Format("%d", "x"), EConvertError);
  EXPECT_THROW(Format("%s", 5), EConvertError);
  EXPECT_THROW(Format("%f", 5), EConvertError);
  EXPECT_THROW(Format("%d", 1.5), EConvertError);
  EXPECT_THROW(Format("%x", 1), EConvertError);
  EXPECT_THROW(Format("ends in %", 1), EConvertError);
}

// A catalogue as the desktop program installs one: it knows a single text.
std::string GermanCatalogue(const char* english) {
  return std::string(english) == "%d of %s options" ? "%d von %s Varianten" : english;
}

TEST(FormatText, FormatsInTheLanguageOfTheInstalledCatalogue) {
  SetTextCatalogue(&GermanCatalogue);
  EXPECT_EQ(Format("%d of %s options", 2, "5"), "2 von 5 Varianten");
  EXPECT_EQ(Format("%d options", 2), "2 options");
  EXPECT_EQ(Translated("%d of %s options"), "%d von %s Varianten");
  SetTextCatalogue(nullptr);
  EXPECT_EQ(Format("%d of %s options", 2, "5"), "2 of 5 options");
}

TEST(TextFunctions, PositionsAreOneBased) {
  EXPECT_EQ(CharAt("abc", 1), 'a');
  EXPECT_EQ(CharAt("abc", 3), 'c');
  EXPECT_EQ(CharAt("abc", 0), '\0');
  EXPECT_EQ(CharAt("abc", 4), '\0');
  EXPECT_EQ(CountChar("a;b;c", ';'), 2);
  EXPECT_EQ(TextFrom("abcdef", 3), "cdef");
  EXPECT_EQ(TextFrom("abc", 4), "");
  EXPECT_EQ(TextRange("abcdef", 2, 4), "bcd");
  EXPECT_EQ(TextRange("abc", 2, 9), "bc");
  EXPECT_EQ(TextRange("abc", 3, 2), "");
}

TEST(TextFunctions, SearchAndReplace) {
  EXPECT_EQ(TextBefore("key=value=x", "="), "key");
  EXPECT_EQ(TextAfter("key=value=x", "="), "value=x");
  EXPECT_EQ(TextAfter("a::b", "::"), "b");
  EXPECT_EQ(TextBefore("plain", "="), "plain");
  EXPECT_EQ(TextAfter("plain", "="), "plain");
  EXPECT_EQ(ReplaceChar("a.b.c", '.', ','), "a,b,c");
  EXPECT_EQ(ReplaceText("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceText("aaaa", "aa", "a"), "aa");
  EXPECT_EQ(ReplaceText("abcabc", "bc", ""), "aa");
  EXPECT_EQ(ReplaceText("abc", "x", "y"), "abc");
}

TEST(TextFunctions, SplittingConsumesTheText) {
  std::string text = "  first second  third ";
  std::string first;
  SplitWord(text, first);
  EXPECT_EQ(first, "first");
  EXPECT_EQ(text, "second  third");
  text = "single";
  SplitWord(text, first);
  EXPECT_EQ(first, "single");
  EXPECT_EQ(text, "");

  text = "a;b;c";
  SplitAt(text, ';', first);
  EXPECT_EQ(first, "a");
  EXPECT_EQ(text, "b;c");
  SplitAt(text, ';', first);
  SplitAt(text, ';', first);
  EXPECT_EQ(first, "c");
  EXPECT_EQ(text, "");
  text = ";x";
  SplitAt(text, ';', first);
  EXPECT_EQ(first, "");
  EXPECT_EQ(text, "x");
}

TEST(TextFunctions, LinesEndInAnyConvention) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
  // An end at the very end makes no empty last line; ends in a row make empty lines.
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\n\r\r\nb"), (Lines{"a", "", "", "", "b"}));
  EXPECT_EQ(SplitLines("\r"), (Lines{""}));
  EXPECT_EQ(SplitLines(""), Lines{});
  // Other control characters stay in the line.
  EXPECT_EQ(SplitLines(std::string("x\0\ty", 4)), (Lines{std::string("x\0\ty", 4)}));
}

TEST(TextFunctions, DefaultExtensionOnlyWhenThereIsNone) {
  EXPECT_EQ(DefaultExtension("dir.x/file", ".ubm"), "dir.x/file.ubm");
  EXPECT_EQ(DefaultExtension("file.ubm", ".kvx"), "file.ubm");
  EXPECT_EQ(DefaultExtension("model", ".ubm"), "model.ubm");
}

}  // namespace
}  // namespace ubic
