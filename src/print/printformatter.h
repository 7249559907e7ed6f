#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <memory>
#include <string>
#include <vector>

#include "printpage.h"
#include "reports/formatter.h"

class QPrinter;

namespace ubic {

// The font family that stands for the report font's default.
inline constexpr const char* kReportFontFamily = "DejaVu Sans";

// The Qt font of a report font at a resolution: its point size becomes a pixel size in dots.
QFont ReportQFont(const TFont& font, int dotsPerInch);
QPen ReportQPen(const TPen& pen);

struct TPageMargins {
  TSizeSpec Left{25, suMillimetres};
  TSizeSpec Top{20, suMillimetres};
  TSizeSpec Right{20, suMillimetres};
  TSizeSpec Bottom{20, suMillimetres};
};

// Lays a report out in the dots of a printer and records every page within the page range as a
// TPrintPage of the printer's whole sheet; the margins place the page body on it.
class TPrintFormatter : public TFormatter {
 public:
  // Sets the printer's orientation from the report's before reading its page size.
  TPrintFormatter(TReport* report, QPrinter& printer, const TPageMargins& margins);
  ~TPrintFormatter() override;

  int PixelsPerInch() const { return FPixelsPerInch; }
  const std::vector<std::unique_ptr<TPrintPage>>& Pages() const { return FPages; }
  // The finished pages, which now belong to the caller; the formatter keeps none.
  std::vector<std::unique_ptr<TPrintPage>> HandOverPages();

  void SetFont(const TFont* font) override;
  void SetPen(const TPen* pen) override;
  void BeginFormat() override;
  void NewPage() override;
  void EndPage() override;

  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  int TreeWidth(const std::string& prefix) override;
  int SpecToUnits(const TSizeSpec& spec) override;
  void DrawText(const TRect& rect, const std::string& text) override;
  void DrawTextClipped(const TRect& rect, const TRect& clipRect, const std::string& text) override;
  void DrawTree(const TRect& rect, const std::string& prefix) override;
  void DrawLiner(const TRect& beginRect, const TRect& endRect, int count) override;
  void DrawPicture(const TRect& rect, const TDrawCallback& callback, const TParam* param) override;

  // A straight line in the current element's pen.
  void Line(int x1, int y1, int x2, int y2);

 private:
  void SelectCurrentFont();
  void AddText(const TRect& rect, const std::string& text, std::optional<QRectF> clip);
  void DrawTreeColumn(char code, int x, int width, const TRect& rect);
  TPrintPage& CurrentPage();

  QSize FSheet;
  int FPixelsPerInch;
  QFont FFont;
  QFontMetricsF FMetrics{FFont};
  QColor FFontColor;
  QPen FPen;
  std::unique_ptr<TPrintPage> FPage;
  std::vector<std::unique_ptr<TPrintPage>> FPages;
};

}  // namespace ubic
