#include "printformatter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>

#include "foundation/checkedint.h"
#include "foundation/cp1250.h"
#include "paintercanvas.h"
#include "reports/report.h"

namespace ubic {

namespace {

QColor ToQColor(TColor color) {
  return {RedOf(color), GreenOf(color), BlueOf(color)};
}

QString ToUnicode(const std::string& cp1250) {
  return QString::fromStdString(Cp1250ToUtf8(cp1250));
}

Qt::PenStyle ToQPenStyle(TPenStyle style) {
  switch (style) {
    case psDash:
      return Qt::DashLine;
    case psDot:
      return Qt::DotLine;
    case psDashDot:
      return Qt::DashDotLine;
    case psDashDotDot:
      return Qt::DashDotDotLine;
    case psClear:
      return Qt::NoPen;
    case psSolid:
      break;
  }
  return Qt::SolidLine;
}

// A picture that reports the resolution of the page it is recorded for, so that what draws
// into it sizes its fonts and pens for that page.
class TDotsPicture : public QPicture {
 public:
  TDotsPicture(QSize size, int dotsPerInch) : FSize(size), FDotsPerInch(dotsPerInch) {}

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return FSize.width();
      case PdmHeight:
        return FSize.height();
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return FDotsPerInch;
      default:
        return QPicture::metric(metric);
    }
  }

 private:
  QSize FSize;
  int FDotsPerInch;
};

QPageLayout::Orientation ToPageOrientation(TOrientation orientation) {
  return orientation == orLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QFont ReportQFont(const TFont& font, int dotsPerInch) {
  QFont result(font.Family.empty() ? QString::fromLatin1(kReportFontFamily)
                                   : ToUnicode(font.Family));
  const double pixels = static_cast<double>(font.Size) * dotsPerInch / 72.0;
  result.setPixelSize(std::max(1, RoundHalfToEven(pixels)));
  // Unhinted, so that the widths scale with the page on every device.
  result.setHintingPreference(QFont::PreferNoHinting);
  result.setBold(font.Style.Contains(fsBold));
  result.setItalic(font.Style.Contains(fsItalic));
  result.setUnderline(font.Style.Contains(fsUnderline));
  result.setStrikeOut(font.Style.Contains(fsStrikeOut));
  return result;
}

QPen ReportQPen(const TPen& pen) {
  QPen result(ToQColor(pen.Color));
  result.setStyle(ToQPenStyle(pen.Style));
  // The thinnest lines stay one device pixel wide at every zoom.
  if (pen.Width <= 1) {
    result.setCosmetic(true);
    result.setWidth(1);
  } else {
    result.setWidth(pen.Width);
  }
  return result;
}

TPrintFormatter::TPrintFormatter(TReport* report, QPrinter& printer, const TPageMargins& margins)
    : TFormatter(report, {0, 0}, {0, 0}), FPixelsPerInch(printer.resolution()) {
  printer.setFullPage(true);
  printer.setPageOrientation(ToPageOrientation(report->Orientation()));
  FSheet = printer.pageLayout().fullRectPixels(FPixelsPerInch).size();
  SetFont(report->GetFont());
  SetPen(report->GetPen());
  const TPoint origin{SpecToUnits(margins.Left), SpecToUnits(margins.Top)};
  SetOrigin(origin);
  SetPageSize({std::max(0, FSheet.width() - SpecToUnits(margins.Right) - origin.X),
               std::max(0, FSheet.height() - SpecToUnits(margins.Bottom) - origin.Y)});
}

TPrintFormatter::~TPrintFormatter() = default;

std::vector<std::unique_ptr<TPrintPage>> TPrintFormatter::HandOverPages() {
  return std::exchange(FPages, {});
}

void TPrintFormatter::SetFont(const TFont* font) {
  const TFont chosen = font != nullptr ? *font : TFont();
  FFont = ReportQFont(chosen, FPixelsPerInch);
  FMetrics = QFontMetricsF(FFont);
  FFontColor = ToQColor(chosen.Color);
}

void TPrintFormatter::SetPen(const TPen* pen) {
  FPen = ReportQPen(pen != nullptr ? *pen : TPen());
}

void TPrintFormatter::BeginFormat() {
  TFormatter::BeginFormat();
  FPages.clear();
  FPage.reset();
}

void TPrintFormatter::NewPage() {
  TFormatter::NewPage();
  FPage = std::make_unique<TPrintPage>(FSheet, FPixelsPerInch);
}

void TPrintFormatter::EndPage() {
  TFormatter::EndPage();
  if (PageInRange(PageNo()) && FPage) FPages.push_back(std::move(FPage));
  FPage.reset();
}

TPrintPage& TPrintFormatter::CurrentPage() {
  // Drawing outside a page (a formatter driven by hand) gets a page of its own.
  if (!FPage) FPage = std::make_unique<TPrintPage>(FSheet, FPixelsPerInch);
  return *FPage;
}

void TPrintFormatter::SelectCurrentFont() {
  // Outside a run (margins in digits, say) the report's own font stays selected.
  if (StackDepth() > 0) UseCurrentFont();
}

int TPrintFormatter::TextWidth(const std::string& text) {
  SelectCurrentFont();
  return RoundHalfToEven(FMetrics.horizontalAdvance(ToUnicode(text)));
}

int TPrintFormatter::TextHeight(const std::string&) {
  SelectCurrentFont();
  return RoundHalfToEven(FMetrics.height());
}

int TPrintFormatter::TreeWidth(const std::string& prefix) {
  if (prefix.size() > static_cast<std::size_t>(INT_MAX)) throw EIntOverflow();
  return CheckedMultiply(CheckedMultiply(TextWidth("X"), TreeIndent()),
                         static_cast<int>(prefix.size()));
}

int TPrintFormatter::SpecToUnits(const TSizeSpec& spec) {
  const double value = spec.Value;
  const double dots = FPixelsPerInch;
  switch (spec.Kind) {
    case suRelative:
      return -1;
    case suLines:
      return RoundHalfToEven(value * LineHeight());
    case suMillimetres:
      return RoundHalfToEven(dots * value / 25.4);
    case suInches:
      return RoundHalfToEven(dots * value);
    case suPoints:
      return RoundHalfToEven(dots * value / 72.27);
    case suDigits:
      return RoundHalfToEven(TextWidth("9") * value);
    case suEms:
      return RoundHalfToEven(TextWidth("M") * value);
    default:
      return RoundHalfToEven(value);
  }
}

void TPrintFormatter::AddText(const TRect& rect, const std::string& text,
                              std::optional<QRectF> clip) {
  if (text.empty()) return;
  UseCurrentFont();
  TPageText item;
  item.Text = ToUnicode(text);
  QTextLayout layout(item.Text, FFont);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  item.Origin = QPointF(rect.Left, rect.Top);
  item.Runs = layout.glyphRuns();
  item.Color = FFontColor;
  item.Clip = clip;
  item.Width = line.naturalTextWidth();
  CurrentPage().Add(std::move(item));
}

void TPrintFormatter::DrawText(const TRect& rect, const std::string& text) {
  AddText(rect, text, std::nullopt);
}

void TPrintFormatter::DrawTextClipped(const TRect& rect, const TRect& clipRect,
                                      const std::string& text) {
  AddText(rect, text,
          QRectF(clipRect.Left, clipRect.Top, clipRect.Right - clipRect.Left + 1,
                 clipRect.Bottom - clipRect.Top + 1));
}

void TPrintFormatter::Line(int x1, int y1, int x2, int y2) {
  UseCurrentPen();
  CurrentPage().Add(TPageLine{QLineF(x1, y1, x2, y2), FPen});
}

void TPrintFormatter::DrawTreeColumn(char code, int x, int width, const TRect& rect) {
  const int middle = (rect.Top + rect.Bottom) / 2;
  const int centre = x + width / 2;
  if (TreeCharSet() != tcBoxDrawing) {
    const std::string mapped(1, MapTreeChar(TreeCharSet(), code));
    DrawText({x, rect.Top, x + width - 1, rect.Bottom}, mapped);
    if (code != kTreeLastBranch && code != kTreeBranch) return;
    const std::string horizontal(1, MapTreeChar(TreeCharSet(), kTreeHorizontal));
    const int step = width / TreeIndent();
    for (int k = 1; k < TreeIndent(); ++k) {
      DrawText({x + k * step, rect.Top, x + (k + 1) * step - 1, rect.Bottom}, horizontal);
    }
    return;
  }
  const bool down = code == kTreeVertical || code == kTreeBranch;
  const bool right = code == kTreeLastBranch || code == kTreeBranch;
  if (code == kTreeHorizontal) Line(x, middle, x + width, middle);
  // Two dots beyond the row, so that the lines of consecutive rows join.
  if (down || right) Line(centre, rect.Top - 2, centre, middle);
  if (down) Line(centre, middle, centre, rect.Bottom + 2);
  if (right) Line(centre, middle, x + width, middle);
}

void TPrintFormatter::DrawTree(const TRect& rect, const std::string& prefix) {
  if (prefix.empty()) return;
  if (prefix.size() > static_cast<std::size_t>(INT_MAX)) throw EIntOverflow();
  const int count = static_cast<int>(prefix.size());
  const int width = (rect.Right - rect.Left + 1) / count;
  for (int i = 0; i < count; ++i) {
    DrawTreeColumn(prefix[static_cast<std::size_t>(i)], rect.Left + i * width, width, rect);
  }
}

void TPrintFormatter::DrawLiner(const TRect& beginRect, const TRect& endRect, int count) {
  if (count < 1) return;
  const int beginStep = (beginRect.Bottom - beginRect.Top + 1) / count;
  const int endStep = (endRect.Bottom - endRect.Top + 1) / count;
  for (int k = 0; k < count; ++k) {
    Line(beginRect.Left, beginRect.Top + k * beginStep, endRect.Right, endRect.Top + k * endStep);
  }
}

void TPrintFormatter::DrawPicture(const TRect& rect, const TDrawCallback& callback,
                                  const TParam* param) {
  if (!callback) return;
  TDotsPicture picture(FSheet, FPixelsPerInch);
  {
    QPainter painter(&picture);
    TPainterCanvas canvas(painter);
    callback(canvas, rect, param);
  }
  CurrentPage().Add(TPagePicture{picture});
}

}  // namespace ubic
