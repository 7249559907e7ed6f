#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/checkedint.h"
#include "foundation/utils.h"
#include "reports/boxes.h"
#include "reports/reporterror.h"
#include "test_reports.h"

namespace ubic {
namespace {

class TRecordingCanvas : public TCanvas {};

// A device formatter as a graphic one would be written: it measures in the selected font (a
// character as wide as the font's size, a line twice as high) and records what it draws.
class TRecordingFormatter : public TFormatter {
 public:
  explicit TRecordingFormatter(TReport* report) : TFormatter(report, {0, 0}, {0, 0}) {}

  std::vector<std::string> Drawn;
  TRecordingCanvas Canvas;

  void SetFont(const TFont* font) override { FFont = font != nullptr ? *font : TFont{}; }
  void SetPen(const TPen* pen) override { FPen = pen != nullptr ? *pen : TPen{}; }
  int TextWidth(const std::string& text) override {
    UseCurrentFont();
    return static_cast<int>(text.size()) * FFont.Size;
  }
  int TextHeight(const std::string&) override {
    UseCurrentFont();
    return 2 * FFont.Size;
  }
  int TreeWidth(const std::string& prefix) override { return TextWidth(prefix) * TreeIndent(); }
  int SpecToUnits(const TSizeSpec& spec) override {
    if (spec.Kind == suRelative) return -1;
    const double unit = spec.Kind == suLines ? LineHeight() : 1.0;
    return RoundHalfToEven(spec.Value * unit);
  }
  void DrawText(const TRect& rect, const std::string& text) override {
    UseCurrentFont();
    Drawn.push_back(Format("text %d,%d-%d,%d %s %d%s", rect.Left, rect.Top, rect.Right, rect.Bottom,
                           text, FFont.Size, FFont.Style.Contains(fsBold) ? " bold" : ""));
  }
  void DrawTextClipped(const TRect& rect, const TRect&, const std::string& text) override {
    DrawText(rect, text);
  }
  void DrawTree(const TRect& rect, const std::string& prefix) override { DrawText(rect, prefix); }
  void DrawLiner(const TRect& beginRect, const TRect& endRect, int count) override {
    UseCurrentPen();
    Drawn.push_back(Format("rule %d-%d at %d, %d lines, pen %d", beginRect.Left, endRect.Right,
                           beginRect.Top, count, FPen.Width));
  }
  void DrawPicture(const TRect& rect, const TDrawCallback& callback, const TParam* param) override {
    callback(Canvas, rect, param);
  }

 private:
  TFont FFont;
  TPen FPen;
};

TFont FontOfSize(int size) {
  TFont font;
  font.Size = size;
  return font;
}

TEST(DeviceFormatter, MeasuresAndDrawsInTheCurrentFont) {
  TReport report;
  report.SetFont(FontOfSize(10));
  report.AddLine()->AddText("ab");
  TRptLine* bold = report.AddLine();
  bold->SetBold(true);
  bold->FontSize(foAdd, 2);
  bold->AddText("cd");
  bold->AddText("e")->FontSize(foSet, 5);
  TRecordingFormatter formatter(&report);
  formatter.Execute();
  // Lines follow the font of the line being made: 20 and 24 units high.
  EXPECT_EQ(formatter.Drawn, (std::vector<std::string>{
                                 "text 0,0-19,19 ab 10",
                                 "text 0,20-23,43 cd 12 bold",
                                 "text 24,20-28,29 e 5 bold",
                             }));
}

TEST(DeviceFormatter, RulesUseTheLinePen) {
  TReport report;
  report.SetFont(FontOfSize(1));
  report.SetPen(TPen{});
  TRptLine* line = report.AddLine();
  TPen thick;
  thick.Width = 3;
  line->SetPen(thick);
  line->BeginRule(caEnd)->SetLineCount(2);
  line->AddText("abc");
  line->EndRule();
  TRecordingFormatter formatter(&report);
  formatter.Execute();
  EXPECT_EQ(formatter.Drawn, (std::vector<std::string>{
                                 "rule 0-2 at 1, 2 lines, pen 3",
                                 "text 0,0-2,1 abc 1",
                             }));
}

TEST(DeviceFormatter, PictureCallbackGetsTheDeviceCanvas) {
  TReport report;
  report.SetFont(FontOfSize(10));
  const TCanvas* seenCanvas = nullptr;
  TRect seenRect;
  int seenValue = 0;
  TRptDraw* picture = report.AddDraw(
      [&](TCanvas& canvas, const TRect& rect, const TParam* param) {
        seenCanvas = &canvas;
        seenRect = rect;
        seenValue = param->Value();
      },
      std::make_unique<TParam>(5));
  picture->SetWidth({30.0F, suUnits});
  picture->SetHeight({40.0F, suUnits});
  TRecordingFormatter formatter(&report);
  formatter.Execute();
  EXPECT_EQ(seenCanvas, &formatter.Canvas);
  EXPECT_EQ(seenRect, (TRect{0, 0, 29, 39}));
  EXPECT_EQ(seenValue, 5);
}

TEST(FormatterStack, ContextFollowsTheStackWhileFormatting) {
  TReport report;
  TRptSection* section = report.AddSection("S");
  TRptTable* table = section->AddTable("T");
  auto formatter = test::MakeFormatter(report, {10, 0});
  formatter->Push(&report);
  formatter->Push(table);
  EXPECT_EQ(formatter->CurrentTable(), nullptr);
  formatter->Pop();
  formatter->Pop();

  formatter->BeginFormat();
  formatter->Push(&report);
  formatter->Push(section);
  formatter->Push(table);
  EXPECT_EQ(formatter->CurrentSection(), section);
  EXPECT_EQ(formatter->CurrentTable(), table);
  EXPECT_EQ(formatter->RunningHeaderGroup(), &table->RunningHeader());
  EXPECT_EQ(formatter->PageHeaderGroup(), &report.PageHeader());
  EXPECT_EQ(&formatter->Current(), table);
  formatter->Pop();
  EXPECT_EQ(formatter->CurrentTable(), nullptr);
  EXPECT_EQ(formatter->RunningHeaderGroup(), &section->RunningHeader());
  formatter->Pop();
  formatter->Pop();
  formatter->EndFormat();
}

TEST(FormatterStack, Faults) {
  TReport report;
  auto formatter = test::MakeFormatter(report, {10, 0});
  EXPECT_EQ(test::FaultOf([&] { formatter->Pop(); }), "Formatter: Report stack underflow");
  EXPECT_EQ(test::FaultOf([&] { formatter->Current(); }), "Formatter: Undefined current report");
  EXPECT_EQ(test::FaultOf([&] { formatter->Push(nullptr); }), "Formatter: Pushing nil report");
}

TEST(FormatterRun, ClockAndFormatterOfTheReport) {
  TReport report;
  int ticks = 0;
  {
    TTextFormatter formatter(&report, {10, 0});
    formatter.SetClock([&] {
      ++ticks;
      return TDateTime{2000, 1, 1, 0, 0, ticks};
    });
    EXPECT_EQ(formatter.StartTime().Second, 1);
    formatter.Execute();
    EXPECT_EQ(formatter.StartTime().Second, 2);
    EXPECT_EQ(report.Formatter(), &formatter);
  }
  // A formatter leaves no dangling pointer behind in its report.
  EXPECT_EQ(report.Formatter(), nullptr);
}

}  // namespace
}  // namespace ubic
