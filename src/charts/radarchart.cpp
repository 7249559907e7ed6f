// Radar charts: one spoke per point of the background series, value series as closed polygons.

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>

#include "chart.h"
#include "chartstyle.h"

namespace ubic {
namespace {

constexpr int kRings = 4;
// The first value of a scale sits on a small inner ring rather than in the centre, so that the
// lowest values of all spokes do not meet in one point with their labels piled on each other.
constexpr double kInnerShare = 0.22;

// Which way a name moves off the end of a spoke along one direction: fully away from the web,
// unless the spoke runs nearly across that direction.
double Outward(double component) {
  if (std::abs(component) < 0.2) return 0;
  return component < 0 ? -1 : 1;
}

// Places round a marker at At for a label of Size, nearest first: beside, above or below it, then
// on the diagonals, then all of them once more a line further off.
std::vector<QRectF> LabelCandidates(QPointF at, QSizeF size, double gap) {
  std::vector<QRectF> boxes;
  for (const double distance : {gap, gap + size.height()}) {
    const double diagonal = distance * 0.7;
    const double w = size.width();
    const double h = size.height();
    for (const QPointF topLeft : {QPointF(at.x() + distance, at.y() - h / 2),
                                  QPointF(at.x() - distance - w, at.y() - h / 2),
                                  QPointF(at.x() - w / 2, at.y() - distance - h),
                                  QPointF(at.x() - w / 2, at.y() + distance),
                                  QPointF(at.x() + diagonal, at.y() - diagonal - h),
                                  QPointF(at.x() + diagonal, at.y() + diagonal),
                                  QPointF(at.x() - diagonal - w, at.y() - diagonal - h),
                                  QPointF(at.x() - diagonal - w, at.y() + diagonal)}) {
      boxes.emplace_back(topLeft, size);
    }
  }
  return boxes;
}

// The geometry of a radar chart in its rectangle: the web and where its texts go.
class TRadarWeb {
 public:
  TRadarWeb(const QPaintDevice* device, const TChartStyle& style, const TChart& chart,
            const QRectF& rect)
      : FDevice(device), FStyle(style), FChart(chart), FRect(rect) {
    for (int s = 0; s < chart.SeriesCount(); ++s) {
      if (chart.Series(s).Kind() == TSeriesKind::RadarBackground) {
        FBackground = &chart.Series(s);
        break;
      }
    }
    if (!FBackground || FBackground->IsEmpty()) return;
    const QFontMetricsF metrics(style.BoldFont, device);
    FNameWidth = std::min(NameWidth(metrics) + style.Px(6), rect.width() * 0.28);
    FRadius = std::min(rect.width() / 2 - FNameWidth, rect.height() / 2 - metrics.height() * 1.3);
    FCentre = rect.center();
  }

  bool IsEmpty() const { return FBackground == nullptr || FRadius < FStyle.Px(10); }
  int Spokes() const { return static_cast<int>(FBackground->Points().size()); }

  // Spokes start at the top and go round clockwise; Position 0 is the inner ring, 1 the rim.
  QPointF At(int spoke, double position) const {
    const double inner = FRadius * kInnerShare;
    return FCentre +
           Direction(spoke) * (inner + std::clamp(position, 0.0, 1.0) * (FRadius - inner));
  }

  // The radar series, each drawn as one polygon.
  std::vector<const TChartSeries*> Lines() const {
    std::vector<const TChartSeries*> lines;
    for (int s = 0; s < FChart.SeriesCount(); ++s) {
      if (FChart.Series(s).Kind() == TSeriesKind::RadarLine) lines.push_back(&FChart.Series(s));
    }
    return lines;
  }

  int PointCount(const TChartSeries& series) const {
    return std::min(Spokes(), static_cast<int>(series.Points().size()));
  }

  QPointF PointAt(const TChartSeries& series, int index) const {
    return At(index, series.Points()[static_cast<std::size_t>(index)].Value.x());
  }

  double MarkerRadius() const { return FStyle.Px(3.5); }

  // Attribute names sit beyond the ends of the spokes, on the side the spoke points to.
  std::vector<TPlacedLabel> Names() const {
    const QFontMetricsF metrics(FStyle.BoldFont, FDevice);
    std::vector<TPlacedLabel> names;
    for (int i = 0; i < Spokes(); ++i) {
      const QPointF d = Direction(i);
      const QString text = metrics.elidedText(
          FBackground->Points()[static_cast<std::size_t>(i)].Label, Qt::ElideRight, FNameWidth);
      const double width = metrics.horizontalAdvance(text);
      QRectF box(0, 0, width, metrics.height());
      box.moveCenter(FCentre + d * (FRadius + FStyle.Px(5)));
      box.translate(Outward(d.x()) * width / 2, Outward(d.y()) * metrics.height() / 2);
      names.push_back({box, text});
    }
    return names;
  }

  // Each value's label once, where it covers no name, no marker and no other label; a label that
  // finds no such place is left out rather than drawn over another.
  std::vector<TPlacedLabel> PointLabels(const std::vector<TPlacedLabel>& names) const {
    TLabelPlacer placer;
    for (const TPlacedLabel& name : names) placer.Reserve(name.Box);
    const double marker = MarkerRadius() + FStyle.Px(1);
    for (const TChartSeries* series : Lines()) {
      for (int i = 0; i < PointCount(*series); ++i) {
        placer.Reserve(
            QRectF(PointAt(*series, i) - QPointF(marker, marker), QSizeF(2 * marker, 2 * marker)));
      }
    }
    const QFontMetricsF metrics(FStyle.LabelFont, FDevice);
    std::vector<TPlacedLabel> labels;
    // What has a label already: a value set of one value has the same point in both series.
    std::vector<std::tuple<int, double, QString>> labelled;
    for (const TChartSeries* series : Lines()) {
      for (int i = 0; i < PointCount(*series); ++i) {
        const TChartPoint& point = series->Points()[static_cast<std::size_t>(i)];
        if (point.Label.trimmed().isEmpty()) continue;
        const std::tuple<int, double, QString> key{i, point.Value.x(), point.Label};
        if (std::find(labelled.begin(), labelled.end(), key) != labelled.end()) continue;
        labelled.push_back(key);
        const QString text = metrics.elidedText(point.Label, Qt::ElideRight, FRadius);
        const QSizeF size(metrics.horizontalAdvance(text) + FStyle.Px(4), metrics.height());
        const auto candidates = LabelCandidates(PointAt(*series, i), size, marker + FStyle.Px(1));
        if (const std::optional<QRectF> box = placer.PlaceFree(candidates, FRect)) {
          labels.push_back({*box, text});
        }
      }
    }
    return labels;
  }

 private:
  QPointF Direction(int spoke) const {
    const double angle = 2 * std::numbers::pi * spoke / Spokes() - std::numbers::pi / 2;
    return {std::cos(angle), std::sin(angle)};
  }

  double NameWidth(const QFontMetricsF& metrics) const {
    double width = 0;
    for (const TChartPoint& p : FBackground->Points()) {
      width = std::max(width, metrics.horizontalAdvance(p.Label));
    }
    return width;
  }

  const QPaintDevice* FDevice;
  const TChartStyle& FStyle;
  const TChart& FChart;
  QRectF FRect;
  const TChartSeries* FBackground = nullptr;
  QPointF FCentre;
  double FRadius = 0;
  double FNameWidth = 0;
};

class TRadarPainter {
 public:
  TRadarPainter(QPainter& painter, const TChartStyle& style, const TChart& chart,
                const QRectF& rect)
      : FPainter(painter), FStyle(style), FWeb(painter.device(), style, chart, rect) {}

  void Draw() {
    if (FWeb.IsEmpty()) return;
    DrawWeb();
    const std::vector<TPlacedLabel> names = FWeb.Names();
    FPainter.setFont(FStyle.BoldFont);
    FPainter.setPen(FStyle.Text);
    for (const TPlacedLabel& name : names) FPainter.drawText(name.Box, Qt::AlignCenter, name.Text);
    // Lines first, so that no line hides the markers and labels of another series.
    for (const TChartSeries* series : FWeb.Lines()) DrawLine(*series);
    for (const TChartSeries* series : FWeb.Lines()) DrawMarkers(*series);
    for (const TPlacedLabel& label : FWeb.PointLabels(names)) {
      DrawLabelBox(FPainter, FStyle, label.Box, label.Text, FStyle.LabelFont);
    }
  }

 private:
  QPolygonF Ring(double position) const {
    QPolygonF ring;
    for (int i = 0; i < FWeb.Spokes(); ++i) ring << FWeb.At(i, position);
    return ring;
  }

  // The rings mark the inner ring of the first values, the rim of the last, and quarters between.
  void DrawWeb() {
    const QPolygonF outline = Ring(1);
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(FStyle.Wall);
    FPainter.drawPolygon(outline);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(FStyle.Grid, FStyle.Px(1)));
    for (int ring = 1; ring < kRings; ++ring) FPainter.drawPolygon(Ring(1.0 * ring / kRings));
    for (int i = 0; i < FWeb.Spokes(); ++i) FPainter.drawLine(FWeb.At(i, 0), FWeb.At(i, 1));
    FPainter.setPen(QPen(FStyle.Frame, FStyle.Px(1)));
    FPainter.drawPolygon(Ring(0));
    FPainter.drawPolygon(outline);
  }

  void DrawLine(const TChartSeries& series) {
    QPolygonF line;
    for (int i = 0; i < FWeb.PointCount(series); ++i) line << FWeb.PointAt(series, i);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(series.Color(), FStyle.Px(2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (line.size() == FWeb.Spokes()) {
      FPainter.drawPolygon(line);
    } else {
      FPainter.drawPolyline(line);
    }
  }

  void DrawMarkers(const TChartSeries& series) {
    FPainter.setPen(QPen(series.Color(), FStyle.Px(1)));
    for (int i = 0; i < FWeb.PointCount(series); ++i) {
      FPainter.setBrush(series.Points()[static_cast<std::size_t>(i)].Color);
      FPainter.drawEllipse(FWeb.PointAt(series, i), FWeb.MarkerRadius(), FWeb.MarkerRadius());
    }
  }

  QPainter& FPainter;
  const TChartStyle& FStyle;
  TRadarWeb FWeb;
};

}  // namespace

void DrawRadarChart(QPainter& painter, const TChartStyle& style, const TChart& chart,
                    const QRectF& rect) {
  TRadarPainter(painter, style, chart, rect).Draw();
}

TRadarLabels LayOutRadarLabels(const QPaintDevice* device, const TChartStyle& style,
                               const TChart& chart, const QRectF& rect) {
  const TRadarWeb web(device, style, chart, rect);
  if (web.IsEmpty()) return {};
  TRadarLabels labels{web.Names(), {}};
  labels.Points = web.PointLabels(labels.Names);
  return labels;
}

}  // namespace ubic
