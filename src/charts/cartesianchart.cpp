// Charts with a bottom and a left axis: stacked horizontal bars, bubbles and arrows.

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "chart.h"
#include "chartstyle.h"

namespace ubic {
namespace {

struct TAxisScale {
  double Maximum = 1;
  double Step = 1;
};

// A step of 1, 2 or 5 times a power of ten near Wanted.
double NiceStep(double wanted) {
  if (wanted <= 0) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(wanted)));
  const double fraction = wanted / power;
  if (fraction <= 1) return power;
  if (fraction <= 2) return 2 * power;
  if (fraction <= 5) return 5 * power;
  return 10 * power;
}

TAxisScale ScaleOf(const TChartAxis& axis, double dataMaximum) {
  if (!axis.Automatic && axis.Maximum > 0) {
    // Value scales are short; every value gets its tick when there is room for its label.
    return {axis.Maximum, axis.Maximum <= 12 ? 1 : NiceStep(axis.Maximum / 8)};
  }
  const double maximum = dataMaximum > 0 ? dataMaximum : 1;
  const double step = NiceStep(maximum / 5);
  return {std::ceil(maximum / step - 1e-9) * step, step};
}

QString TickText(const TChartAxis& axis, double value) {
  if (axis.LabelText) return axis.LabelText(value);
  return QString::number(value, 'g', 6);
}

std::vector<double> Ticks(const TAxisScale& scale) {
  std::vector<double> ticks;
  const int count = static_cast<int>(std::floor(scale.Maximum / scale.Step + 1e-9));
  for (int i = 0; i <= count; ++i) ticks.push_back(i * scale.Step);
  return ticks;
}

const TChartSeries* FirstBarSeries(const TChart& chart) {
  for (int i = 0; i < chart.SeriesCount(); ++i) {
    if (chart.Series(i).Kind() == TSeriesKind::HorizontalBar) return &chart.Series(i);
  }
  return nullptr;
}

// The largest values the marks reach on the bottom and the left axis.
QPointF DataMaximum(const TChart& chart) {
  std::vector<double> stacks;
  QPointF maximum(0, 0);
  for (int s = 0; s < chart.SeriesCount(); ++s) {
    const TChartSeries& series = chart.Series(s);
    const auto& points = series.Points();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TChartPoint& p = points[i];
      if (series.Kind() == TSeriesKind::HorizontalBar) {
        if (stacks.size() <= i) stacks.resize(i + 1, 0.0);
        stacks[i] += std::max(0.0, p.Value.x());
        maximum.rx() = std::max(maximum.x(), stacks[i]);
      } else {
        maximum.rx() = std::max({maximum.x(), p.Value.x() + p.Radius, p.End.x()});
        maximum.ry() = std::max({maximum.y(), p.Value.y() + p.Radius, p.End.y()});
      }
    }
  }
  return maximum;
}

class TCartesianPainter {
 public:
  TCartesianPainter(QPainter& painter, const TChartStyle& style, const TChart& chart)
      : FPainter(painter),
        FStyle(style),
        FChart(chart),
        FMetrics(style.LabelFont, painter.device()),
        FBars(FirstBarSeries(chart)) {
    const QPointF data = DataMaximum(chart);
    FX = ScaleOf(chart.BottomAxis(), data.x());
    FY = ScaleOf(chart.LeftAxis(), data.y());
  }

  void Draw(const QRectF& rect) {
    FLeftLabelWidth = LeftLabelWidth(rect.width());
    FPlot = PlotArea(rect);
    if (FPlot.width() < FStyle.Px(8) || FPlot.height() < FStyle.Px(8)) return;
    DrawWall();
    DrawBottomAxis(rect);
    DrawLeftAxis(rect);
    FPainter.save();
    FPainter.setClipRect(FPlot.adjusted(-FStyle.Px(12), -FStyle.Px(12), FStyle.Px(12), 0),
                         Qt::IntersectClip);
    DrawBars();
    for (int s = 0; s < FChart.SeriesCount(); ++s) DrawMarks(FChart.Series(s));
    FPainter.restore();
  }

 private:
  double X(double value) const { return FPlot.left() + value / FX.Maximum * FPlot.width(); }
  double Y(double value) const { return FPlot.bottom() - value / FY.Maximum * FPlot.height(); }
  double LineHeight() const { return FMetrics.height(); }
  double TickLength() const { return FStyle.Px(4); }
  int Categories() const { return FBars ? static_cast<int>(FBars->Points().size()) : 0; }

  double LeftLabelWidth(double available) const {
    double width = 0;
    if (FBars) {
      for (const TChartPoint& p : FBars->Points()) {
        width = std::max(width, FMetrics.horizontalAdvance(p.Label));
      }
      return std::min(width, available * 0.35);
    }
    for (double tick : Ticks(FY)) {
      width = std::max(width, FMetrics.horizontalAdvance(TickText(FChart.LeftAxis(), tick)));
    }
    return std::min(width, available * 0.3);
  }

  QRectF PlotArea(const QRectF& rect) const {
    const double gap = FStyle.Px(4);
    const double titleHeight = LineHeight() + gap;
    double left = rect.left() + FLeftLabelWidth + TickLength() + gap;
    if (!FChart.LeftAxis().Title.isEmpty()) left += titleHeight;
    double bottom = rect.bottom() - LineHeight() - TickLength() - gap;
    if (!FChart.BottomAxis().Title.isEmpty()) bottom -= titleHeight;
    const double lastLabel =
        FMetrics.horizontalAdvance(TickText(FChart.BottomAxis(), FX.Maximum)) / 2;
    const double right = rect.right() - std::max(gap, lastLabel + FStyle.Px(2));
    const double top = rect.top() + LineHeight() / 2;
    return QRectF(QPointF(left, top), QPointF(right, bottom));
  }

  void DrawWall() {
    FPainter.fillRect(FPlot, FStyle.Wall);
    FPainter.setPen(QPen(FStyle.Grid, FStyle.Px(1)));
    for (double tick : Ticks(FX))
      FPainter.drawLine(QPointF(X(tick), FPlot.top()), QPointF(X(tick), FPlot.bottom()));
    if (!FBars) {
      for (double tick : Ticks(FY))
        FPainter.drawLine(QPointF(FPlot.left(), Y(tick)), QPointF(FPlot.right(), Y(tick)));
    }
    FPainter.setPen(QPen(FStyle.Frame, FStyle.Px(1)));
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawRect(FPlot);
  }

  void DrawBottomAxis(const QRectF& rect) {
    FPainter.setFont(FStyle.LabelFont);
    FPainter.setPen(FStyle.Text);
    const double top = FPlot.bottom() + TickLength();
    double lastRight = -1e300;
    for (double tick : Ticks(FX)) {
      const double x = X(tick);
      FPainter.drawLine(QPointF(x, FPlot.bottom()), QPointF(x, top));
      const QString text = TickText(FChart.BottomAxis(), tick);
      const double width = FMetrics.horizontalAdvance(text);
      if (text.trimmed().isEmpty() || x - width / 2 < lastRight + FStyle.Px(4)) continue;
      FPainter.drawText(QRectF(x - width / 2, top, width, LineHeight()), Qt::AlignCenter, text);
      lastRight = x + width / 2;
    }
    const QString& title = FChart.BottomAxis().Title;
    if (title.isEmpty()) return;
    const QRectF line(FPlot.left(), top + LineHeight() + FStyle.Px(4), FPlot.width(), LineHeight());
    FPainter.setFont(FStyle.BoldFont);
    FPainter.drawText(line.intersected(rect), Qt::AlignCenter,
                      QFontMetricsF(FStyle.BoldFont, FPainter.device())
                          .elidedText(title, Qt::ElideRight, line.width()));
  }

  void DrawLeftAxis(const QRectF& rect) {
    FPainter.setFont(FStyle.LabelFont);
    FPainter.setPen(FStyle.Text);
    const double right = FPlot.left() - TickLength();
    const double width = right - rect.left();
    if (FBars) {
      DrawCategoryLabels(right);
    } else {
      double lastTop = 1e300;
      for (double tick : Ticks(FY)) {
        const double y = Y(tick);
        FPainter.drawLine(QPointF(right, y), QPointF(FPlot.left(), y));
        const QString text = TickText(FChart.LeftAxis(), tick);
        if (text.trimmed().isEmpty() || y + LineHeight() / 2 > lastTop) continue;
        const QRectF box(rect.left(), y - LineHeight() / 2, width - FStyle.Px(2), LineHeight());
        FPainter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                          FMetrics.elidedText(text, Qt::ElideRight, box.width()));
        lastTop = y - LineHeight() / 2;
      }
    }
    const QString& title = FChart.LeftAxis().Title;
    if (title.isEmpty()) return;
    FPainter.save();
    FPainter.setFont(FStyle.BoldFont);
    FPainter.translate(rect.left(), FPlot.center().y());
    FPainter.rotate(-90);
    const QRectF line(-FPlot.height() / 2, 0, FPlot.height(), LineHeight());
    FPainter.drawText(line, Qt::AlignCenter,
                      QFontMetricsF(FStyle.BoldFont, FPainter.device())
                          .elidedText(title, Qt::ElideRight, line.width()));
    FPainter.restore();
  }

  double BandHeight() const { return FPlot.height() / std::max(1, Categories()); }

  void DrawCategoryLabels(double right) {
    const double band = BandHeight();
    const int every = std::max(1, static_cast<int>(std::ceil(LineHeight() / band)));
    const double width = FLeftLabelWidth + FStyle.Px(2);
    for (int i = 0; i < Categories(); i += every) {
      const QRectF box(right - width, FPlot.top() + band * i + band / 2 - LineHeight() / 2,
                       width - FStyle.Px(2), LineHeight());
      const QString& label = FBars->Points()[static_cast<std::size_t>(i)].Label;
      FPainter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                        FMetrics.elidedText(label, Qt::ElideRight, box.width()));
    }
  }

  // Bar series are stacked: every series continues where the previous ones ended.
  void DrawBars() {
    const double band = BandHeight();
    const double thickness = std::max(band * 0.7, std::min(band, FStyle.Px(1)));
    std::vector<double> stacks(static_cast<std::size_t>(Categories()), 0.0);
    FPainter.setPen(Qt::NoPen);
    for (int s = 0; s < FChart.SeriesCount(); ++s) {
      const TChartSeries& series = FChart.Series(s);
      if (series.Kind() != TSeriesKind::HorizontalBar) continue;
      const auto& points = series.Points();
      for (std::size_t i = 0; i < points.size() && i < stacks.size(); ++i) {
        const double length = std::max(0.0, points[i].Value.x());
        const double top = FPlot.top() + band * static_cast<double>(i) + (band - thickness) / 2;
        FPainter.fillRect(
            QRectF(QPointF(X(stacks[i]), top), QPointF(X(stacks[i] + length), top + thickness)),
            points[i].Color);
        stacks[i] += length;
      }
    }
  }

  void DrawMarks(const TChartSeries& series) {
    if (series.Kind() == TSeriesKind::Bubble) {
      for (const TChartPoint& p : series.Points()) DrawBubble(p);
    } else if (series.Kind() == TSeriesKind::Arrow) {
      for (const TChartPoint& p : series.Points()) DrawArrow(p);
    }
  }

  void DrawBubble(const TChartPoint& p) {
    const QPointF centre(X(p.Value.x()), Y(p.Value.y()));
    const double radius = std::max(p.Radius / FY.Maximum * FPlot.height(), FStyle.Px(6));
    FPainter.setPen(QPen(p.Color.darker(150), FStyle.Px(1)));
    FPainter.setBrush(p.Color);
    FPainter.drawEllipse(centre, radius, radius);
    DrawMarkLabel(centre + QPointF(radius, -radius), p.Label);
  }

  void DrawArrow(const TChartPoint& p) {
    const QPointF from(X(p.Value.x()), Y(p.Value.y()));
    const QPointF to(X(p.End.x()), Y(p.End.y()));
    const QLineF line(from, to);
    FPainter.setPen(QPen(p.Color, FStyle.Px(2), Qt::SolidLine, Qt::RoundCap));
    FPainter.drawLine(line);
    if (line.length() > 0) {
      const QPointF along = (from - to) / line.length();
      const QPointF across(-along.y(), along.x());
      const double size = FStyle.Px(9);
      QPainterPath head;
      head.moveTo(to);
      head.lineTo(to + along * size + across * size * 0.45);
      head.lineTo(to + along * size - across * size * 0.45);
      head.closeSubpath();
      FPainter.fillPath(head, p.Color);
    }
    FPainter.setBrush(p.Color);
    FPainter.setPen(Qt::NoPen);
    FPainter.drawEllipse(from, FStyle.Px(3), FStyle.Px(3));
    DrawMarkLabel(to + QPointF(FStyle.Px(4), -FStyle.Px(4)), p.Label);
  }

  // Labels of bubbles and arrows are bold; one that would cover an earlier label moves up.
  void DrawMarkLabel(QPointF bottomLeft, const QString& label) {
    if (label.trimmed().isEmpty()) return;
    const QFontMetricsF metrics(FStyle.BoldFont, FPainter.device());
    QRectF box(0, 0, metrics.horizontalAdvance(label) + FStyle.Px(4), metrics.height());
    box.moveBottomLeft(bottomLeft);
    if (box.right() > FPlot.right()) box.moveRight(FPlot.right());
    const std::optional<QRectF> placed = FLabels.Place(box, label, -box.height());
    if (!placed) return;
    box = *placed;
    if (box.top() < FPlot.top()) box.moveTop(FPlot.top());
    DrawLabelBox(FPainter, FStyle, box, label, FStyle.BoldFont);
  }

  QPainter& FPainter;
  const TChartStyle& FStyle;
  const TChart& FChart;
  QFontMetricsF FMetrics;
  const TChartSeries* FBars;
  TAxisScale FX;
  TAxisScale FY;
  QRectF FPlot;
  double FLeftLabelWidth = 0;
  TLabelPlacer FLabels;
};

}  // namespace

void DrawCartesianChart(QPainter& painter, const TChartStyle& style, const TChart& chart,
                        const QRectF& rect) {
  TCartesianPainter(painter, style, chart).Draw(rect);
}

}  // namespace ubic
