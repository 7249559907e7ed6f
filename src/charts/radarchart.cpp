// Radar charts: one spoke per point of the background series, value series as closed polygons.

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart.h"
#include "chartstyle.h"

namespace ubic {
namespace {

constexpr int kRings = 4;

// Which way a name moves off the end of a spoke along one direction: fully away from the web,
// unless the spoke runs nearly across that direction.
double Outward(double component) {
  if (std::abs(component) < 0.2) return 0;
  return component < 0 ? -1 : 1;
}

class TRadarPainter {
 public:
  TRadarPainter(QPainter& painter, const TChartStyle& style, const TChart& chart)
      : FPainter(painter), FStyle(style), FChart(chart) {
    for (int s = 0; s < chart.SeriesCount(); ++s) {
      if (chart.Series(s).Kind() == TSeriesKind::RadarBackground) {
        FBackground = &chart.Series(s);
        break;
      }
    }
  }

  void Draw(const QRectF& rect) {
    if (!FBackground || FBackground->IsEmpty()) return;
    const QFontMetricsF metrics(FStyle.BoldFont, FPainter.device());
    FNameWidth = std::min(NameWidth(metrics) + FStyle.Px(6), rect.width() * 0.28);
    const double lineHeight = metrics.height();
    FRadius = std::min(rect.width() / 2 - FNameWidth, rect.height() / 2 - lineHeight * 1.3);
    if (FRadius < FStyle.Px(10)) return;
    FCentre = rect.center();
    DrawWeb();
    DrawNames(metrics);
    // Lines first, so that no line hides the markers and labels of another series.
    for (auto draw :
         {&TRadarPainter::DrawLine, &TRadarPainter::DrawMarkers, &TRadarPainter::DrawPointLabels}) {
      for (int s = 0; s < FChart.SeriesCount(); ++s) {
        if (FChart.Series(s).Kind() == TSeriesKind::RadarLine) (this->*draw)(FChart.Series(s));
      }
    }
  }

 private:
  int Spokes() const { return static_cast<int>(FBackground->Points().size()); }

  // Spokes start at the top and go round clockwise.
  QPointF Direction(int spoke) const {
    const double angle = 2 * std::numbers::pi * spoke / Spokes() - std::numbers::pi / 2;
    return {std::cos(angle), std::sin(angle)};
  }

  QPointF At(int spoke, double position) const {
    return FCentre + Direction(spoke) * (std::clamp(position, 0.0, 1.0) * FRadius);
  }

  double NameWidth(const QFontMetricsF& metrics) const {
    double width = 0;
    for (const TChartPoint& p : FBackground->Points()) {
      width = std::max(width, metrics.horizontalAdvance(p.Label));
    }
    return width;
  }

  void DrawWeb() {
    QPolygonF outline;
    for (int i = 0; i < Spokes(); ++i) outline << At(i, 1);
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(FStyle.Wall);
    FPainter.drawPolygon(outline);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(FStyle.Grid, FStyle.Px(1)));
    for (int ring = 1; ring < kRings; ++ring) {
      QPolygonF polygon;
      for (int i = 0; i < Spokes(); ++i) polygon << At(i, static_cast<double>(ring) / kRings);
      FPainter.drawPolygon(polygon);
    }
    for (int i = 0; i < Spokes(); ++i) FPainter.drawLine(FCentre, At(i, 1));
    FPainter.setPen(QPen(FStyle.Frame, FStyle.Px(1)));
    FPainter.drawPolygon(outline);
  }

  // Attribute names sit beyond the ends of the spokes, on the side the spoke points to.
  void DrawNames(const QFontMetricsF& metrics) {
    FPainter.setFont(FStyle.BoldFont);
    FPainter.setPen(FStyle.Text);
    for (int i = 0; i < Spokes(); ++i) {
      const QPointF d = Direction(i);
      const QPointF end = FCentre + d * (FRadius + FStyle.Px(5));
      const QString text = metrics.elidedText(
          FBackground->Points()[static_cast<std::size_t>(i)].Label, Qt::ElideRight, FNameWidth);
      const double width = metrics.horizontalAdvance(text);
      QRectF box(0, 0, width, metrics.height());
      box.moveCenter(end);
      box.translate(Outward(d.x()) * width / 2, Outward(d.y()) * metrics.height() / 2);
      FPainter.drawText(box, Qt::AlignCenter, text);
    }
  }

  int PointCount(const TChartSeries& series) const {
    return std::min(Spokes(), static_cast<int>(series.Points().size()));
  }

  QPointF PointAt(const TChartSeries& series, int index) const {
    return At(index, series.Points()[static_cast<std::size_t>(index)].Value.x());
  }

  void DrawLine(const TChartSeries& series) {
    QPolygonF line;
    for (int i = 0; i < PointCount(series); ++i) line << PointAt(series, i);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(series.Color(), FStyle.Px(2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (line.size() == Spokes()) {
      FPainter.drawPolygon(line);
    } else {
      FPainter.drawPolyline(line);
    }
  }

  void DrawMarkers(const TChartSeries& series) {
    const double radius = FStyle.Px(3.5);
    FPainter.setPen(QPen(series.Color(), FStyle.Px(1)));
    for (int i = 0; i < PointCount(series); ++i) {
      FPainter.setBrush(series.Points()[static_cast<std::size_t>(i)].Color);
      FPainter.drawEllipse(PointAt(series, i), radius, radius);
    }
  }

  // Labels sit to the right of their markers.
  void DrawPointLabels(const TChartSeries& series) {
    const QFontMetricsF metrics(FStyle.LabelFont, FPainter.device());
    for (int i = 0; i < PointCount(series); ++i) {
      const QString& label = series.Points()[static_cast<std::size_t>(i)].Label;
      if (label.trimmed().isEmpty()) continue;
      const QString text = metrics.elidedText(label, Qt::ElideRight, FRadius);
      QRectF box(0, 0, metrics.horizontalAdvance(text) + FStyle.Px(4), metrics.height());
      box.moveCenter(PointAt(series, i));
      box.moveLeft(PointAt(series, i).x() + FStyle.Px(5));
      // A value set of one value puts the same label twice on the same marker; the first values
      // of several spokes meet at the centre, where their labels stack downwards.
      if (const std::optional<QRectF> placed = FLabels.Place(box, text, box.height())) {
        DrawLabelBox(FPainter, FStyle, *placed, text, FStyle.LabelFont);
      }
    }
  }

  QPainter& FPainter;
  const TChartStyle& FStyle;
  const TChart& FChart;
  const TChartSeries* FBackground = nullptr;
  QPointF FCentre;
  double FRadius = 0;
  double FNameWidth = 0;
  TLabelPlacer FLabels;
};

}  // namespace

void DrawRadarChart(QPainter& painter, const TChartStyle& style, const TChart& chart,
                    const QRectF& rect) {
  TRadarPainter(painter, style, chart).Draw(rect);
}

}  // namespace ubic
