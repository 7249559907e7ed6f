#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/checkedint.h"
#include "reports/boxes.h"
#include "reports/reporterror.h"
#include "test_reports.h"

namespace ubic {
namespace {

using test::Format;

// The boxes of the report's items after the report's box was made for a page Width wide.
struct TLaidOut {
  std::unique_ptr<TTextFormatter> Formatter;
  std::unique_ptr<TBox> Box;

  TBox& Item(int index) const { return *static_cast<TBoxGroup&>(*Box).GetBox(index); }
  TBox& Child(int item, int index) const {
    return *static_cast<TBoxGroup&>(Item(item)).GetBox(index);
  }
};

TLaidOut LayOut(TReport& report, int width) {
  TLaidOut laidOut{test::MakeFormatter(report, {width, 0}), nullptr};
  laidOut.Box = laidOut.Formatter->MakeReportBox();
  return laidOut;
}

TEST(BoxMeasuring, EmptyGroup) {
  TReport report;
  const TLaidOut laidOut = LayOut(report, 0);
  EXPECT_EQ(laidOut.Box->Extent(), (TPoint{0, 0}));
  EXPECT_EQ(laidOut.Box->Size(), (TPoint{0, 0}));
  EXPECT_EQ(laidOut.Box->BoxCount(), 1);
  EXPECT_EQ(Format(report, {10, 5}), "");
}

TEST(BoxMeasuring, EmptyTextKeepsItsHeight) {
  TReport report;
  report.AddText("a");
  report.AddText("");
  report.AddText("b");
  const TLaidOut laidOut = LayOut(report, 0);
  EXPECT_EQ(laidOut.Item(1).Extent(), (TPoint{0, 0}));
  EXPECT_EQ(laidOut.Item(1).Size(), (TPoint{0, 1}));
  EXPECT_EQ(Format(report, {10, 0}), "a\n\nb\n");

  // A line is as high as its children's content, which is why an empty line holds a blank.
  TReport lines;
  lines.AddLine()->AddText("a");
  lines.AddLine()->AddText("");
  lines.AddEmptyLine();
  lines.AddLine()->AddText("b");
  EXPECT_EQ(LayOut(lines, 0).Box->BoxCount(), 9);
  EXPECT_EQ(Format(lines, {10, 0}), "a\n\nb\n");
}

TEST(BoxMeasuring, RelativeSizesRoundHalvesToEven) {
  TReport report;
  TRptLine* line = report.AddLine();
  line->AddText("abc")->SetWidth({2.0F, suRelative});
  line->AddText("abcde")->SetWidth({0.5F, suRelative});
  line->AddText("abcdefg")->SetWidth({0.5F, suRelative});
  line->SetHeight({2.5F, suRelative});
  const TLaidOut laidOut = LayOut(report, 0);
  EXPECT_EQ(laidOut.Child(0, 0).Size().X, 6);
  EXPECT_EQ(laidOut.Child(0, 1).Size().X, 2);
  EXPECT_EQ(laidOut.Child(0, 2).Size().X, 4);
  EXPECT_EQ(laidOut.Item(0).Size(), (TPoint{12, 2}));
}

TEST(BoxMeasuring, TextPieces) {
  TReport report;
  TRptText* text = report.AddText("abcdef");
  TTextBox box(text);
  const auto piece = [&](int start, int length) {
    box.SetStart(start);
    box.SetLength(length);
    return box.GetText();
  };
  EXPECT_EQ(piece(1, -1), "abcdef");
  EXPECT_EQ(piece(3, -1), "cdef");
  EXPECT_EQ(piece(2, 3), "bcd");
  EXPECT_EQ(piece(5, 9), "ef");
  EXPECT_EQ(piece(1, 0), "");
  EXPECT_EQ(piece(7, -1), "");
}

TEST(SpaceDistribution, LeftoverUnitsGoToRandomFillsTheSameEveryRun) {
  TReport report;
  TRptLine* line = report.AddLine();
  for (int i = 0; i < 3; ++i) line->AddFill();
  const TLaidOut laidOut = LayOut(report, 7);
  int total = 0;
  int threes = 0;
  for (int i = 0; i < 3; ++i) {
    const int width = laidOut.Child(0, i).Size().X;
    EXPECT_TRUE(width == 2 || width == 3) << width;
    total += width;
    threes += width == 3 ? 1 : 0;
  }
  EXPECT_EQ(total, 7);
  EXPECT_EQ(threes, 1);

  TReport gaps;
  TRptLine* spaced = gaps.AddLine();
  for (const char* text : {"a", "b", "c", "d"}) {
    spaced->AddText(text);
    if (*text != 'd') spaced->AddFill();
  }
  auto formatter = test::MakeFormatter(gaps, {40, 0});
  formatter->Execute();
  const std::string first = formatter->PagesText();
  formatter->Execute();
  EXPECT_EQ(formatter->PagesText(), first);
  EXPECT_EQ(test::Format(gaps, {40, 0}), test::Pages(*formatter));
  EXPECT_EQ(first.size(), 42U);
}

TEST(SpaceDistribution, NegativeSharesAndOverflow) {
  TReport report;
  TRptLine* withFill = report.AddLine();
  withFill->AddText("abc");
  withFill->AddFill();
  withFill->AddText("def");
  TRptLine* withoutFill = report.AddLine();
  withoutFill->AddText("abc");
  withoutFill->AddText("def");
  const TLaidOut laidOut = LayOut(report, 4);
  EXPECT_EQ(laidOut.Child(0, 1).Size().X, -2);
  EXPECT_EQ(laidOut.Child(0, 2).Pos().X, 1);
  EXPECT_EQ(laidOut.Child(1, 1).Pos().X, 3);
  // Text beyond the page width is cut at the page edge.
  EXPECT_EQ(Format(report, {4, 0}), "adef\nabcd\n");
}

TEST(Alignment, ContentAndCrossAlignment) {
  TReport report;
  report.AddLine()->AddText("ab");
  report.AddLine()->AddText("ab");
  report.AddLine()->AddText("ab");
  report.GetItem(1)->SetContentAlign(kHorizontal, caCenter);
  report.GetItem(2)->SetContentAlign(kHorizontal, caEnd);
  TRptLine* tall = report.AddLine();
  tall->SetHeight({3.0F, suUnits});
  for (TBoxAlign align : {baBegin, baCenter, baEnd}) {
    tall->AddText(align == baBegin    ? "a"
                  : align == baCenter ? "b"
                                      : "c")
        ->SetAlign(kVertical, align);
  }
  EXPECT_EQ(Format(report, {7, 0}), "ab\n  ab\n     ab\na\n b\n  c\n");

  // Without a page width the items of a vertical group keep their own widths.
  TReport narrow;
  TRptSection* column = narrow.AddSection("S");
  column->SetWidth({6.0F, suUnits});
  for (TBoxAlign align : {baBegin, baCenter, baEnd})
    column->AddText("xy")->SetAlign(kHorizontal, align);
  EXPECT_EQ(Format(narrow, {0, 0}), "xy\n  xy\n    xy\n");
}

TEST(Alignment, FillAcrossTakesTheGroupSize) {
  TReport report;
  TRptSection* section = report.AddSection("S");
  section->SetWidth({5.0F, suUnits});
  TRptText* text = section->AddText("x");
  text->SetAlign(kHorizontal, baFill);
  text->SetClip(true);
  const TLaidOut laidOut = LayOut(report, 0);
  const TBox& box = laidOut.Child(0, 0);
  EXPECT_EQ(box.Size(), (TPoint{5, 1}));
  // Stretched, but not measured again inside.
  EXPECT_EQ(box.Extent(), (TPoint{1, 1}));
}

TEST(Positioning, NestedOffsetsAddUpOnce) {
  TReport report;
  TRptElement* element = report.AddFill();
  THorizontalBox outer(element);
  auto inner = std::make_unique<TVerticalBox>(element);
  auto leaf = std::make_unique<TBox>(element);
  leaf->SetPos(kHorizontal, 5);
  leaf->SetPos(kVertical, 6);
  inner->Add(std::move(leaf));
  inner->SetPos(kHorizontal, 3);
  inner->SetPos(kVertical, 4);
  outer.Add(std::move(inner));
  outer.SetPosition({10, 20});
  const auto& placedInner = static_cast<const TBoxGroup&>(*outer.GetBox(0));
  EXPECT_EQ(placedInner.Pos(), (TPoint{13, 24}));
  EXPECT_EQ(placedInner.GetBox(0)->Pos(), (TPoint{18, 30}));
  EXPECT_EQ(outer.BoxCount(), 3);

  std::unique_ptr<TBox> taken = outer.Extract(0);
  EXPECT_EQ(outer.GetBox(0), nullptr);
  EXPECT_EQ(outer.BoxCount(), 1);
  outer.MeasureBounds();
  EXPECT_EQ(outer.Extent(), (TPoint{0, 0}));
}

TEST(Positioning, OriginShiftsThePage) {
  TReport report;
  report.AddLine()->AddText("x");
  auto formatter = test::MakeFormatter(report, {3, 0}, {2, 0});
  formatter->Execute();
  EXPECT_EQ(formatter->PagesText("\n"), "  x\n");
  EXPECT_EQ(formatter->Page(0).Width(), 5);
}

TEST(BoxFaults, OwnershipAndOverflow) {
  EXPECT_EQ(test::FaultOf([] { TBox box(nullptr); }), "Creating TBox with nil TRpt");
  TReport report;
  TPageBox page(&report);
  EXPECT_EQ(test::FaultOf([&] { page.Add(std::make_unique<TBox>(&report)); }),
            "TPageBox does not own its boxes");
  EXPECT_THROW(page.Extract(0), EReportError);

  report.AddText("wide")->SetWidth({3e9F, suUnits});
  auto formatter = test::MakeFormatter(report, {10, 0});
  EXPECT_THROW(formatter->Execute(), EIntOverflow);
  EXPECT_EQ(formatter->StackDepth(), 0);
  EXPECT_FALSE(formatter->Formatting());

  TReport sum;
  TRptLine* line = sum.AddLine();
  line->AddText("a")->SetWidth({2e9F, suUnits});
  line->AddText("b")->SetWidth({2e9F, suUnits});
  EXPECT_THROW(test::MakeFormatter(sum, {0, 0})->Execute(), EIntOverflow);
}

}  // namespace
}  // namespace ubic
