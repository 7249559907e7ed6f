#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <unistd.h>

#include "foundation/textfile.h"
#include "test_reports.h"

namespace ubic {
namespace {

// A formatter with its first page open, for drawing by hand.
std::unique_ptr<TTextFormatter> OpenPage(TReport& report, const TPoint& pageSize) {
  auto formatter = test::MakeFormatter(report, pageSize);
  formatter->MakeReportBox();
  formatter->BeginFormat();
  formatter->NewPage();
  return formatter;
}

std::string Finish(TTextFormatter& formatter) {
  formatter.EndPage();
  formatter.EndFormat();
  return test::Pages(formatter);
}

TEST(TextDrawing, TextOutsideThePageIsDropped) {
  TReport report;
  auto formatter = OpenPage(report, {6, 2});
  formatter->DrawText({-2, 0, 3, 0}, "abcdef");
  formatter->DrawText({4, 1, 9, 1}, "123456");
  formatter->DrawText({0, -1, 5, -1}, "above");
  formatter->DrawText({0, 3, 5, 2}, "upside");
  formatter->DrawText({INT_MAX - 1, 1, INT_MAX, 1}, "far");
  formatter->DrawText({INT_MIN, 1, INT_MIN + 3, 1}, "near");
  // Rows below the page are added, as an overflowing box needs them.
  formatter->DrawText({1, 3, 2, 3}, "xy");
  EXPECT_EQ(Finish(*formatter), "cdef\n    12\n\n xy\n");
}

TEST(TextDrawing, ControlCharactersAreWrittenAsBlanks) {
  TReport report;
  auto formatter = OpenPage(report, {0, 0});
  formatter->DrawText({0, 0, 9, 0}, "a\tb\fc\x1B[2Jd");
  formatter->DrawTextClipped({0, 1, 3, 1}, {0, 1, 3, 1},
                             "\r\n\x7F"
                             "e");
  EXPECT_EQ(Finish(*formatter), "a b c [2Jd\n   e\n");
}

// Only what shows is counted as cut: blanks and clipped text beyond the edge are not.
TEST(TextDrawing, LinesCutAtTheRightEdgeAreCounted) {
  TReport report;
  auto formatter = OpenPage(report, {6, 0});
  formatter->DrawText({4, 0, 9, 0}, "123456");
  formatter->DrawText({0, 1, 9, 1}, "ab \t     ");
  formatter->DrawTextClipped({0, 2, 9, 2}, {0, 2, 5, 2}, "clipped at");
  formatter->DrawLiner({3, 3, 2, 3}, {7, 3, 6, 3}, 1);
  formatter->DrawText({0, 4, 5, 4}, "fits");
  formatter->EndPage();
  formatter->NewPage();
  formatter->DrawText({6, 0, 6, 0}, "x");
  EXPECT_EQ(formatter->CutLineCount(), 3);
  EXPECT_EQ(formatter->WidestLine(), 6);

  auto unbounded = OpenPage(report, {0, 0});
  unbounded->DrawText({4, 0, 9, 0}, "123456");
  unbounded->DrawText({0, 1, 9, 1}, "ab        ");
  EXPECT_EQ(unbounded->CutLineCount(), 0);
  unbounded->EndPage();
  EXPECT_EQ(unbounded->WidestLine(), 10);
}

TEST(TextDrawing, LinesOfAPageWithoutWidthGrow) {
  TReport report;
  auto formatter = OpenPage(report, {0, 0});
  formatter->DrawText({3, 1, 5, 1}, "abc");
  formatter->DrawText({0, 1, 1, 1}, "xy");
  formatter->DrawText({-1, 0, 0, 0}, "12");
  EXPECT_EQ(Finish(*formatter), "2\nxy abc\n");
}

TEST(TextDrawing, ClippedText) {
  TReport report;
  auto formatter = OpenPage(report, {20, 0});
  formatter->DrawTextClipped({0, 0, 9, 0}, {2, 0, 5, 0}, "abcdefghij");
  formatter->DrawTextClipped({0, 1, 9, 1}, {0, 2, 9, 3}, "hidden");
  formatter->DrawTextClipped({0, 2, 9, 2}, {0, 2, 9, 3}, "shown");
  formatter->DrawPicture({1, 3, 5, 4}, nullptr, nullptr);
  EXPECT_EQ(Finish(*formatter), "  cdef\n\nshown\n *Grap\n\n");
}

TEST(TextDrawing, RulesOnlyWithinOneRow) {
  TReport report;
  auto formatter = OpenPage(report, {0, 0});
  formatter->DrawLiner({2, 0, 1, 0}, {6, 0, 5, 0}, 1);
  formatter->DrawLiner({0, 1, -1, 1}, {4, 1, 3, 1}, 2);
  formatter->DrawLiner({0, 2, 0, 2}, {4, 3, 3, 3}, 1);
  formatter->DrawLiner({5, 2, 5, 2}, {4, 2, 3, 2}, 1);
  EXPECT_EQ(Finish(*formatter), "  ----\n====\n");
}

TEST(TextDrawing, SizesInCharactersAndLines) {
  TReport report;
  TTextFormatter formatter(&report, {80, 60});
  const auto units = [&](float value, TSizeUnit kind) {
    return formatter.SpecToUnits({value, kind});
  };
  EXPECT_EQ(units(3.0F, suRelative), -1);
  EXPECT_EQ(units(2.5F, suUnits), 2);
  EXPECT_EQ(units(3.5F, suLines), 4);
  EXPECT_EQ(units(25.4F, suMillimetres), 10);
  EXPECT_EQ(units(1.5F, suInches), 15);
  EXPECT_EQ(units(72.27F, suPoints), 10);
  EXPECT_EQ(units(4.0F, suEms), 4);
  EXPECT_EQ(units(6.0F, static_cast<TSizeUnit>(5)), 6);
  EXPECT_EQ(units(6.0F, static_cast<TSizeUnit>(200)), 6);
  EXPECT_EQ(formatter.TreeWidth("abc"), 6);
  formatter.SetTreeIndent(-3);
  EXPECT_EQ(formatter.TreeWidth("abc"), 0);
}

TEST(TextOutput, WritePagesToAFile) {
  TReport report;
  test::AddLines(report, "L", 3);
  auto formatter = test::MakeFormatter(report, {10, 2}, {0, 1});
  formatter->Execute();
  ASSERT_EQ(formatter->PageCount(), 2);
  // Drawing already starts below the top margin, which the file writes once more.
  EXPECT_EQ(formatter->PagesText(), "\r\n\r\nL1\r\nL2\r\n\f\r\n\r\nL3\r\n");

  const auto fileName = std::filesystem::temp_directory_path() /
                        ("ubic-report-" + std::to_string(::getpid()) + ".txt");
  formatter->WritePages(fileName.string());
  std::ifstream file(fileName, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
  std::filesystem::remove(fileName);
  EXPECT_EQ(written, formatter->PagesText());
  EXPECT_THROW(formatter->WritePages("/nonexistent-folder/report.txt"), EFileError);
}

TEST(TextOutput, PagesWithoutLinesAreSkipped) {
  TReport report;
  test::AddLines(report, "L", 3);
  TRptSection* picture = report.AddSection("P");
  picture->SetKeep(TRptGroup::kKeepNewPage);
  picture->AddText("");
  auto formatter = test::MakeFormatter(report, {10, 3});
  formatter->Execute();
  EXPECT_EQ(formatter->PageCount(), 2);
  EXPECT_EQ(formatter->PagesText("\n"), "L1\nL2\nL3\n");
}

}  // namespace
}  // namespace ubic
