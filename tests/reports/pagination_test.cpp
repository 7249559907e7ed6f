#include <gtest/gtest.h>

#include <string>

#include "test_reports.h"

namespace ubic {
namespace {

using test::AddLines;
using test::AddPageNumberHeader;
using test::Format;

TEST(Pagination, EndlessPageNeverBreaks) {
  TReport report;
  AddLines(report, "L", 3);
  TRptSection* section = report.AddSection("S");
  section->SetKeep(TRptGroup::kKeepNewPage);
  AddLines(*section, "s", 2);
  EXPECT_EQ(Format(report, {10, 0}), "L1\nL2\nL3\ns1\ns2\n");
}

TEST(Pagination, KeepWhole) {
  {
    // A section that fits on a page of its own moves there whole.
    TReport report;
    AddLines(report, "intro", 1);
    AddLines(*report.AddSection("S"), "s", 3);
    EXPECT_EQ(Format(report, {10, 3}), "intro1\n\fs1\ns2\ns3\n");
  }
  {
    // One taller than a page starts on a new page and is then split child by child.
    TReport report;
    AddLines(report, "intro", 1);
    AddLines(*report.AddSection("S"), "s", 5);
    EXPECT_EQ(Format(report, {10, 3}), "intro1\n\fs1\ns2\ns3\n\fs4\ns5\n");
  }
}

TEST(Pagination, KeepNewPage) {
  {
    // At the very top nothing is on the page yet, so no empty first page is left.
    TReport report;
    TRptSection* section = report.AddSection("S");
    section->SetKeep(TRptGroup::kKeepNewPage);
    AddLines(*section, "s", 2);
    EXPECT_EQ(Format(report, {10, 5}), "s1\ns2\n");
  }
  {
    // Only a group that is split consults the keep rules of its children.
    TReport report;
    AddLines(report, "intro", 1);
    TRptSection* section = report.AddSection("S");
    section->SetKeep(TRptGroup::kKeepNewPage);
    AddLines(*section, "s", 2);
    EXPECT_EQ(Format(report, {10, 3}), "intro1\ns1\ns2\n");
    EXPECT_EQ(Format(report, {10, 2}), "intro1\n\fs1\ns2\n");
  }
}

TEST(Pagination, KeepNoneSplitsAnywhere) {
  TReport report;
  AddLines(report, "intro", 1);
  TRptSection* section = report.AddSection("S");
  section->SetKeep(TRptGroup::kKeepNone);
  AddLines(*section, "s", 4);
  EXPECT_EQ(Format(report, {10, 3}), "intro1\ns1\ns2\n\fs3\ns4\n");
}

TEST(Pagination, PositiveKeepHoldsTheFirstChildrenTogether) {
  TReport report;
  AddLines(report, "intro", 2);
  TRptSection* section = report.AddSection("S");
  section->SetKeep(2);
  AddLines(*section, "s", 4);
  EXPECT_EQ(Format(report, {10, 3}), "intro1\nintro2\n\fs1\ns2\ns3\n\fs4\n");
}

TEST(Pagination, PageRangeKeepsPageNumbers) {
  TReport report;
  AddPageNumberHeader(report);
  AddLines(report, "L", 5);
  auto formatter = test::MakeFormatter(report, {10, 2});
  formatter->SetFromPage(2);
  formatter->SetToPage(3);
  formatter->Execute();
  EXPECT_EQ(formatter->PageCount(), 5);
  EXPECT_EQ(test::Pages(*formatter), "Page 2\nL2\n\fPage 3\nL3\n");

  formatter->SetFromPage(4);
  formatter->SetToPage(-1);
  formatter->SetFirstPageNumber(10);
  formatter->Execute();
  EXPECT_EQ(test::Pages(*formatter), "Page 13\nL4\n\fPage 14\nL5\n");
}

TEST(Pagination, RunningHeadersOfNestedSectionsAndTables) {
  TReport report;
  AddPageNumberHeader(report);
  TRptSection* section = report.AddSection("Alpha");
  section->SetKeep(TRptGroup::kKeepNone);
  TRptLine* sectionHeader = section->RunningHeader().AddLine();
  sectionHeader->AddText("cont. ");
  sectionHeader->AddMacro("section title");
  AddLines(*section, "a", 3);
  TRptTable* table = section->AddTable("Tab");
  table->SetKeep(TRptGroup::kKeepNone);
  TRptLine* tableHeader = table->RunningHeader().AddLine();
  tableHeader->AddText("table ");
  tableHeader->AddMacro("TABLE NUMBERS");
  table->AddField("");
  for (int i = 1; i <= 4; ++i) table->AddRow()->NewCell()->AddText("t" + std::to_string(i));
  AddLines(*section, "b", 2);

  EXPECT_EQ(Format(report, {20, 4}),
            "Page 1\na1\na2\na3\n"
            "\fPage 2\ntable 1.1\nt1\nt2\n"
            "\fPage 3\ntable 1.1\nt3\nt4\n"
            "\fPage 4\ncont. Alpha\nb1\nb2\n");
}

TEST(Pagination, PageFooterFollowsTheBody) {
  TReport report;
  report.PageFooter().AddLine()->AddText("foot");
  AddLines(report, "L", 3);
  EXPECT_EQ(Format(report, {10, 3}), "L1\nL2\nfoot\n\fL3\nfoot\n");
}

TEST(Pagination, TallLineOverflowsItsOwnPage) {
  TReport report;
  AddLines(report, "intro", 1);
  TRptLine* tall = report.AddLine();
  tall->AddText("tall");
  tall->SetHeight({3.0F, suUnits});
  AddLines(report, "after", 1);
  EXPECT_EQ(Format(report, {10, 2}), "intro1\n\ftall\n\fafter1\n");
}

TEST(Pagination, AbortStopsPlacingAndMarksTheOutput) {
  TReport report;
  AddLines(report, "L", 5);
  auto formatter = test::MakeFormatter(report, {10, 2});
  formatter->SetOnNewPage([](TFormatter& sender, int pageNo, int, int, int) {
    if (pageNo == 2) sender.Abort();
  });
  formatter->Execute();
  EXPECT_TRUE(formatter->Aborted());
  // The box being placed when the abort came is still placed and its page ended.
  EXPECT_EQ(test::Pages(*formatter), "L1\nL2\n\fL3\n*** ABORTED ***\n");
  EXPECT_EQ(formatter->PageCount(), 2);
}

TEST(Pagination, ProgressCountsEveryBox) {
  TReport report;
  AddLines(report, "L", 3);
  auto formatter = test::MakeFormatter(report, {10, 2});
  int newPages = 0;
  int lastDone = 0;
  int total = 0;
  formatter->SetOnNewPage([&](TFormatter&, int pageNo, int boxesOnPage, int, int) {
    ++newPages;
    EXPECT_EQ(pageNo, newPages);
    EXPECT_EQ(boxesOnPage, 0);
  });
  formatter->SetOnProgress([&](TFormatter&, int, int, int totalBoxes, int boxesDone) {
    EXPECT_GE(boxesDone, lastDone);
    lastDone = boxesDone;
    total = totalBoxes;
  });
  formatter->Execute();
  EXPECT_EQ(newPages, 2);
  // The report, three lines and their texts.
  EXPECT_EQ(total, 7);
  EXPECT_EQ(lastDone, total);
}

TEST(Pagination, FormFeedsOnlyBetweenPages) {
  TReport report;
  AddLines(report, "L", 4);
  auto formatter = test::MakeFormatter(report, {10, 2});
  formatter->Execute();
  const std::string text = formatter->PagesText();
  EXPECT_EQ(text, "L1\r\nL2\r\n\fL3\r\nL4\r\n");
}

}  // namespace
}  // namespace ubic
