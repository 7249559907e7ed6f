#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPaintDevice;
class QPainter;

namespace ubic {

struct TChartStyle;

// The kinds of series a chart can hold. Bars, bubbles and arrows share a chart with two axes;
// a radar chart holds one background series, whose points name the spokes, and value series.
enum class TSeriesKind { HorizontalBar, Bubble, Arrow, RadarBackground, RadarLine };

// One mark of a series. Bars use Value.x() as their length; bubbles their centre and Radius (in
// units of the left axis); arrows run from Value to End; radar points use Value.x() as the
// distance from the centre, 0 to 1.
struct TChartPoint {
  QPointF Value;
  QPointF End;
  double Radius = 0;
  QString Label;
  QColor Color;
};

class TChartSeries {
 public:
  TChartSeries(TSeriesKind kind, QColor color) : FKind(kind), FColor(color) {}

  TSeriesKind Kind() const { return FKind; }
  // The colour of the lines of a radar series; marks carry their own colours.
  QColor Color() const { return FColor; }
  const std::vector<TChartPoint>& Points() const { return FPoints; }
  bool IsEmpty() const { return FPoints.empty(); }

  void Clear() { FPoints.clear(); }
  void AddBar(double length, const QString& label, QColor color);
  void AddBubble(QPointF centre, double radius, const QString& label, QColor color);
  void AddArrow(QPointF from, QPointF to, const QString& label, QColor color);
  void AddRadar(double position, const QString& label, QColor color);

 private:
  TSeriesKind FKind;
  QColor FColor;
  std::vector<TChartPoint> FPoints;
};

// An axis of a chart with bars, bubbles or arrows. It always starts at 0; its maximum is fixed or
// follows the data. LabelText, when set, turns the value of a tick into its label.
struct TChartAxis {
  QString Title;
  bool Automatic = true;
  double Maximum = 1;
  std::function<QString(double)> LabelText;

  void SetFixedMaximum(double maximum) {
    Automatic = false;
    Maximum = maximum;
  }
};

enum class TChartKind { Cartesian, Radar };

// How a legend entry shows its colour: as a bar, a mark or a line of a polygon.
enum class TLegendMark { Box, Dot, Line };

// A text a chart places by a mark or a spoke, and the box it takes.
struct TPlacedLabel {
  QRectF Box;
  QString Text;
};

// Where a radar chart puts the names at the ends of its spokes and the labels of its points.
struct TRadarLabels {
  std::vector<TPlacedLabel> Names;
  std::vector<TPlacedLabel> Points;
};

// One entry of a chart's legend: what the marks of Color mean.
struct TLegendItem {
  QColor Color;
  QString Text;
  TLegendMark Mark = TLegendMark::Box;
  bool operator==(const TLegendItem&) const = default;
};

// A chart that draws itself with QPainter on any paint device: a widget, an image, an SVG file, a
// picture or a printer page. Sizes of fonts and pens follow the device's resolution.
class TChart {
 public:
  explicit TChart(TChartKind kind) : FKind(kind) {}

  TChartKind Kind() const { return FKind; }
  const QString& Title() const { return FTitle; }
  void SetTitle(const QString& title) { FTitle = title; }
  TChartAxis& BottomAxis() { return FBottomAxis; }
  const TChartAxis& BottomAxis() const { return FBottomAxis; }
  TChartAxis& LeftAxis() { return FLeftAxis; }
  const TChartAxis& LeftAxis() const { return FLeftAxis; }

  // Returns the index of the new series.
  int AddSeries(TSeriesKind kind, QColor color);
  int SeriesCount() const { return static_cast<int>(FSeries.size()); }
  TChartSeries& Series(int index) { return FSeries.at(static_cast<std::size_t>(index)); }
  const TChartSeries& Series(int index) const {
    return FSeries.at(static_cast<std::size_t>(index));
  }
  // The legend, drawn in rows below the chart.
  const std::vector<TLegendItem>& Legend() const { return FLegend; }
  void SetLegend(std::vector<TLegendItem> legend) { FLegend = std::move(legend); }
  // Empties every series, the title and the legend; the series and the axes stay.
  void Clear();

  void Draw(QPainter& painter, const QRectF& rect) const;
  // Where Draw puts the legend on Device when the chart is drawn into Rect; empty without one.
  QRectF LegendArea(const QPaintDevice& device, const QRectF& rect) const;
  // Where Draw puts the texts of a radar chart on Device when the chart is drawn into Rect.
  TRadarLabels RadarLabels(const QPaintDevice& device, const QRectF& rect) const;

 private:
  // The room for the chart itself: Rect less the margin, the title and the legend.
  QRectF PlotArea(const QPaintDevice* device, const TChartStyle& style, const QRectF& rect) const;

  TChartKind FKind;
  QString FTitle;
  TChartAxis FBottomAxis;
  TChartAxis FLeftAxis;
  std::vector<TChartSeries> FSeries;
  std::vector<TLegendItem> FLegend;
};

}  // namespace ubic
