#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "reports/boxes.h"
#include "reports/reporterror.h"
#include "test_reports.h"

namespace ubic {
namespace {

using test::FaultOf;

TEST(ElementFonts, InheritedUntilChanged) {
  TReport report;
  TRptLine* line = report.AddLine();
  TRptText* text = line->AddText("x");
  EXPECT_EQ(text->GetFont(), nullptr);
  EXPECT_EQ(FaultOf([&] { text->CheckFont(); }), "Report font is undefined");

  TFont serif;
  serif.Family = "Serif";
  TPen wide;
  wide.Width = 2;
  report.SetFont(serif);
  report.SetPen(wide);
  EXPECT_EQ(text->GetFont(), &*report.GetOwnFont());
  EXPECT_EQ(text->GetPen()->Width, 2);

  line->FontSize(foAdd, 2);
  line->SetBold(true);
  line->FontStyle(foAdd, fsItalic | fsUnderline);
  line->FontColor(clRed);
  EXPECT_EQ(report.GetOwnFont()->Size, 10);
  const TFont* font = text->GetFont();
  EXPECT_EQ(font, &*line->GetOwnFont());
  EXPECT_EQ(font->Family, "Serif");
  EXPECT_EQ(font->Size, 12);
  EXPECT_EQ(font->Color, 255U);
  EXPECT_EQ(font->Style, fsBold | fsItalic | TFontStyles(fsUnderline));

  line->FontStyle(foRemove, fsItalic);
  line->SetBold(false);
  EXPECT_EQ(font->Style, TFontStyles(fsUnderline));
  line->FontStyle(foSet, fsStrikeOut);
  line->FontSize(foRemove, 4);
  EXPECT_EQ(font->Style, TFontStyles(fsStrikeOut));
  EXPECT_EQ(font->Size, 8);
  line->FontSize(foSet, 14);
  EXPECT_EQ(font->Size, 14);

  line->SetFont(std::nullopt);
  EXPECT_EQ(text->GetFont()->Size, 10);
  EXPECT_EQ(RgbColor(0, 128, 0), clGreen);
}

TEST(ElementConstruction, DefaultsOfTheConstructionOperations) {
  TReport report;
  EXPECT_EQ(report.Keep(), TRptGroup::kKeepNone);
  EXPECT_EQ(report.Report(), &report);
  EXPECT_EQ(report.NextTableNumber(), 1);
  EXPECT_EQ(report.AddLine()->AddText("t")->Report(), &report);

  TRptLine* space = report.AddSpace(0.5F);
  EXPECT_EQ(space->GetHeight(), (TSizeSpec{0.5F, suRelative}));
  ASSERT_EQ(space->Count(), 1);
  EXPECT_EQ(static_cast<TRptText*>(space->GetItem(0))->Text(), " ");

  TRptElement* fill = space->AddFill();
  EXPECT_EQ(fill->GetWidth(), (TSizeSpec{0.0F, suUnits}));
  EXPECT_EQ(fill->Align(kHorizontal), baFill);
  EXPECT_EQ(space->AddTree("-")->Align(kVertical), baFill);
  EXPECT_EQ(space->BeginRule(caBegin)->ContentAlign(kVertical), caBegin);
  EXPECT_EQ(TRptLiner(&report).ContentAlign(kVertical), caEnd);

  TRptDraw* draw = report.AddDraw(nullptr, std::make_unique<TParam>(7));
  EXPECT_EQ(draw->Param()->Value(), 7);
  draw->SetParam(nullptr);
  EXPECT_EQ(draw->Param(), nullptr);

  report.SetItem(0, std::make_unique<TRptText>(nullptr, "replaced"));
  EXPECT_EQ(static_cast<TRptText*>(report.GetItem(0))->Text(), "replaced");
  EXPECT_EQ(report.GetItem(0)->Owner(), &report);
  EXPECT_EQ(FaultOf([&] { report.Add(nullptr); }), "TRptGroup: an item cannot be nil");
}

TEST(ElementConstruction, SectionAndTableNumbers) {
  TReport report;
  report.AddSection("one");
  TRptSection* two = report.AddSection("two");
  EXPECT_EQ(report.SectionCounter(), 2);
  two->AddSection("a");
  two->AddSection("b");
  TRptSection* inner = two->AddSection("c");
  EXPECT_EQ(inner->Number(), 3);
  EXPECT_EQ(inner->GetNumbers(), "2.3");
  EXPECT_EQ(inner->AddSection("d")->GetNumbers(), "2.3.1");

  EXPECT_EQ(two->AddTable("t")->Number(), 1);
  EXPECT_EQ(inner->AddTable("u")->Number(), 2);
  EXPECT_EQ(report.AddTable("v")->GetNumbers(), "3");
  EXPECT_EQ(report.NextTableNumber(), 4);
  // Tables outside a report are not numbered.
  TRptSection loose(nullptr, "loose");
  EXPECT_EQ(loose.AddTable("w")->Number(), 0);

  // A cleared group numbers its sections afresh and has no rule left open.
  two->BeginRule(caEnd);
  two->Clear();
  EXPECT_EQ(two->Count(), 0);
  EXPECT_EQ(two->OpenLiner(), nullptr);
  EXPECT_EQ(two->AddSection("again")->Number(), 1);
  EXPECT_EQ(report.SectionCounter(), 2);
}

TEST(ElementConstruction, ProgrammingErrors) {
  TReport report;
  TRptTable* table = report.AddTable("T");
  TRptRow* row = table->AddRow();
  EXPECT_EQ(FaultOf([&] { TRptCell cell(&report); }), "Owner of TRptCell must be TRptRow");
  EXPECT_EQ(FaultOf([&] { TRptRow wrong(row); }), "Owner of TRptRow must be TRptTable");
  EXPECT_EQ(FaultOf([&] { row->NewMultiCell(0); }), "Too few columns for NewMultiCell: 0");
  EXPECT_EQ(FaultOf([&] { row->NewMultiCell(-2); }), "Too few columns for NewMultiCell: -2");
  EXPECT_EQ(row->Count(), 0);
  EXPECT_EQ(FaultOf([&] { table->ColumnWidth(0); }), "TRptTable: column 0 is not laid out");
  EXPECT_EQ(FaultOf([&] { report.AddLine()->MakeBox(); }), "Report element without a formatter");
}

TEST(ElementConstruction, ItemNotifications) {
  TReport report;
  test::AddLines(report, "L", 3);
  std::vector<int> seen;
  report.SetOnItem([&](TRptGroup& sender, int index, int count) {
    EXPECT_EQ(&sender, &report);
    EXPECT_EQ(count, 3);
    seen.push_back(index);
  });
  test::Format(report, {10, 0});
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
}

}  // namespace
}  // namespace ubic
