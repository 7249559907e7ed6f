#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;

namespace ubic {

class TChart;
struct TLegendItem;

// Fonts, pens and spacing of a chart, scaled to the resolution of the device it is drawn on, so
// that a chart on a 600 dpi printer page looks like the one on the screen.
struct TChartStyle {
  explicit TChartStyle(const QPainter& painter);
  explicit TChartStyle(const QPaintDevice* device);

  // One screen pixel at 96 dpi, in device units.
  double Unit = 1;
  QFont LabelFont;
  QFont BoldFont;
  QFont TitleFont;
  QColor Wall{248, 248, 250};
  QColor Grid{214, 214, 220};
  QColor Frame{110, 110, 120};
  QColor Text{20, 20, 20};

  double Px(double pixels) const { return pixels * Unit; }
};

// Rect less the chart's margin all round: the room for the title, the chart and the legend.
QRectF ChartBody(const TChartStyle& style, const QRectF& rect);
// The room left in Body below the title, which takes a line at its top unless it is blank.
QRectF BelowTitle(const QPaintDevice* device, const TChartStyle& style, const QRectF& body,
                  const QString& title);
// Draws the title centred at the top of Body.
void DrawChartTitle(QPainter& painter, const TChartStyle& style, const QRectF& body,
                    const QString& title);

// The legend's entries in rows at the bottom of Body, each row centred; an entry too wide for a
// row has its text shortened.
struct TLegendLayout {
  QRectF Area;
  std::vector<QRectF> Entries;
  std::vector<QString> Texts;
};
TLegendLayout LayOutLegend(const QPaintDevice* device, const TChartStyle& style,
                           const std::vector<TLegendItem>& items, const QRectF& body);
void DrawLegend(QPainter& painter, const TChartStyle& style, const std::vector<TLegendItem>& items,
                const TLegendLayout& layout);

// Keeps labels of marks apart: a label that would cover one placed before moves by Step until it
// is free, a few times at most; the same text in the same place is not placed twice.
class TLabelPlacer {
 public:
  std::optional<QRectF> Place(QRectF box, const QString& text, double step);
  // Keeps labels off Box, which something else of the chart takes.
  void Reserve(const QRectF& box);
  // Places the first of Candidates that lies within Bounds and covers nothing placed or reserved
  // before; none when every one would.
  std::optional<QRectF> PlaceFree(const std::vector<QRectF>& candidates, const QRectF& bounds);

 private:
  struct TPlaced {
    QRectF Box;
    QString Text;
  };
  bool Covers(const QRectF& box) const;

  std::vector<TPlaced> FPlaced;
};

// A label on a pale box, so that lines of the chart do not run through its letters.
void DrawLabelBox(QPainter& painter, const TChartStyle& style, const QRectF& box,
                  const QString& text, const QFont& font);

void DrawCartesianChart(QPainter& painter, const TChartStyle& style, const TChart& chart,
                        const QRectF& rect);
void DrawRadarChart(QPainter& painter, const TChartStyle& style, const TChart& chart,
                    const QRectF& rect);
struct TRadarLabels;
TRadarLabels LayOutRadarLabels(const QPaintDevice* device, const TChartStyle& style,
                               const TChart& chart, const QRectF& rect);

}  // namespace ubic
