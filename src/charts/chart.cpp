#include "chart.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "chartstyle.h"

namespace ubic {

void TChartSeries::AddBar(double length, const QString& label, QColor color) {
  FPoints.push_back({QPointF(length, 0), {}, 0, label, color});
}

void TChartSeries::AddBubble(QPointF centre, double radius, const QString& label, QColor color) {
  FPoints.push_back({centre, centre, radius, label, color});
}

void TChartSeries::AddArrow(QPointF from, QPointF to, const QString& label, QColor color) {
  FPoints.push_back({from, to, 0, label, color});
}

void TChartSeries::AddRadar(double position, const QString& label, QColor color) {
  FPoints.push_back({QPointF(position, 0), {}, 0, label, color});
}

int TChart::AddSeries(TSeriesKind kind, QColor color) {
  FSeries.emplace_back(kind, color);
  return SeriesCount() - 1;
}

void TChart::Clear() {
  FTitle.clear();
  FLegend.clear();
  for (TChartSeries& series : FSeries) series.Clear();
}

void TChart::Draw(QPainter& painter, const QRectF& rect) const {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setClipRect(rect, Qt::IntersectClip);
  const TChartStyle style(painter);
  const QRectF body = ChartBody(style, rect);
  DrawChartTitle(painter, style, body, FTitle);
  DrawLegend(painter, style, FLegend,
             LayOutLegend(painter.device(), style, FLegend,
                          BelowTitle(painter.device(), style, body, FTitle)));
  const QRectF plot = PlotArea(painter.device(), style, rect);
  if (FKind == TChartKind::Radar) {
    DrawRadarChart(painter, style, *this, plot);
  } else {
    DrawCartesianChart(painter, style, *this, plot);
  }
  painter.restore();
}

QRectF TChart::LegendArea(const QPaintDevice& device, const QRectF& rect) const {
  const TChartStyle style(&device);
  return LayOutLegend(&device, style, FLegend, ChartBody(style, rect)).Area;
}

TRadarLabels TChart::RadarLabels(const QPaintDevice& device, const QRectF& rect) const {
  const TChartStyle style(&device);
  return LayOutRadarLabels(&device, style, *this, PlotArea(&device, style, rect));
}

QRectF TChart::PlotArea(const QPaintDevice* device, const TChartStyle& style,
                        const QRectF& rect) const {
  QRectF plot = BelowTitle(device, style, ChartBody(style, rect), FTitle);
  const TLegendLayout legend = LayOutLegend(device, style, FLegend, plot);
  if (!legend.Area.isEmpty()) plot.setBottom(legend.Area.top() - style.Px(6));
  return plot;
}

TChartStyle::TChartStyle(const QPainter& painter) : TChartStyle(painter.device()) {}

TChartStyle::TChartStyle(const QPaintDevice* device) {
  if (device != nullptr && device->logicalDpiY() > 0) Unit = device->logicalDpiY() / 96.0;
  LabelFont = QFont(QStringLiteral("DejaVu Sans"));
  LabelFont.setPointSizeF(8);
  // Fonts measured on the device itself, so that a picture replayed elsewhere keeps its widths.
  LabelFont.setHintingPreference(QFont::PreferNoHinting);
  BoldFont = LabelFont;
  BoldFont.setBold(true);
  TitleFont = BoldFont;
  TitleFont.setPointSizeF(10);
}

QRectF ChartBody(const TChartStyle& style, const QRectF& rect) {
  const double margin = style.Px(6);
  return rect.adjusted(margin, margin, -margin, -margin);
}

QRectF BelowTitle(const QPaintDevice* device, const TChartStyle& style, const QRectF& body,
                  const QString& title) {
  if (title.trimmed().isEmpty()) return body;
  const QFontMetricsF metrics(style.TitleFont, device);
  return body.adjusted(0, metrics.height() + style.Px(4), 0, 0);
}

void DrawChartTitle(QPainter& painter, const TChartStyle& style, const QRectF& body,
                    const QString& title) {
  if (title.trimmed().isEmpty()) return;
  painter.setFont(style.TitleFont);
  painter.setPen(style.Text);
  const QFontMetricsF metrics(style.TitleFont, painter.device());
  const QRectF line(body.left(), body.top(), body.width(), metrics.height());
  painter.drawText(line, Qt::AlignCenter, metrics.elidedText(title, Qt::ElideRight, line.width()));
}

namespace {

// The coloured sample in front of a legend entry's text.
double LegendSampleWidth(const TChartStyle& style) {
  return style.Px(16);
}

double LegendTextGap(const TChartStyle& style) {
  return style.Px(4);
}

double LegendEntryGap(const TChartStyle& style) {
  return style.Px(14);
}

}  // namespace

TLegendLayout LayOutLegend(const QPaintDevice* device, const TChartStyle& style,
                           const std::vector<TLegendItem>& items, const QRectF& body) {
  TLegendLayout layout;
  if (items.empty() || body.width() <= 0) return layout;
  const QFontMetricsF metrics(style.LabelFont, device);
  const double lead = LegendSampleWidth(style) + LegendTextGap(style);
  // Rows of (entry, width), filled from the left while the entries fit.
  std::vector<std::vector<std::pair<std::size_t, double>>> rows(1);
  double used = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const QString text =
        metrics.elidedText(items[i].Text, Qt::ElideRight, std::max(0.0, body.width() - lead));
    const double width = lead + metrics.horizontalAdvance(text);
    const double needed = rows.back().empty() ? width : used + LegendEntryGap(style) + width;
    if (!rows.back().empty() && needed > body.width()) {
      rows.emplace_back();
      used = width;
    } else {
      used = needed;
    }
    rows.back().emplace_back(i, width);
    layout.Texts.push_back(text);
  }
  const double line = metrics.height();
  const double height = static_cast<double>(rows.size()) * line;
  layout.Area = QRectF(body.left(), body.bottom() - height, body.width(), height);
  layout.Entries.resize(items.size());
  double top = layout.Area.top();
  for (const auto& row : rows) {
    double width = LegendEntryGap(style) * static_cast<double>(row.size() - 1);
    for (const auto& entry : row) width += entry.second;
    double left = body.center().x() - width / 2;
    for (const auto& [index, entryWidth] : row) {
      layout.Entries[index] = QRectF(left, top, entryWidth, line);
      left += entryWidth + LegendEntryGap(style);
    }
    top += line;
  }
  return layout;
}

void DrawLegend(QPainter& painter, const TChartStyle& style, const std::vector<TLegendItem>& items,
                const TLegendLayout& layout) {
  painter.setFont(style.LabelFont);
  for (std::size_t i = 0; i < items.size() && i < layout.Entries.size(); ++i) {
    const QRectF& entry = layout.Entries[i];
    const TLegendItem& item = items[i];
    const QRectF sample(entry.left(), entry.top(), LegendSampleWidth(style), entry.height());
    const QPointF centre = sample.center();
    switch (item.Mark) {
      case TLegendMark::Box:
        painter.fillRect(sample.adjusted(0, sample.height() * 0.2, 0, -sample.height() * 0.2),
                         item.Color);
        break;
      case TLegendMark::Dot:
        painter.setPen(QPen(item.Color.darker(150), style.Px(1)));
        painter.setBrush(item.Color);
        painter.drawEllipse(centre, style.Px(4.5), style.Px(4.5));
        break;
      case TLegendMark::Line:
        painter.setPen(QPen(item.Color, style.Px(2), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(sample.left(), centre.y()), QPointF(sample.right(), centre.y()));
        break;
    }
    painter.setPen(style.Text);
    painter.drawText(entry.adjusted(LegendSampleWidth(style) + LegendTextGap(style), 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, layout.Texts[i]);
  }
}

std::optional<QRectF> TLabelPlacer::Place(QRectF box, const QString& text, double step) {
  const bool repeated = std::any_of(FPlaced.begin(), FPlaced.end(), [&](const TPlaced& placed) {
    return placed.Box == box && placed.Text == text;
  });
  if (repeated) return std::nullopt;
  for (int tries = 0; step != 0 && tries < 6 && Covers(box); ++tries) box.translate(0, step);
  FPlaced.push_back({box, text});
  return box;
}

void TLabelPlacer::Reserve(const QRectF& box) {
  FPlaced.push_back({box, {}});
}

std::optional<QRectF> TLabelPlacer::PlaceFree(const std::vector<QRectF>& candidates,
                                              const QRectF& bounds) {
  for (const QRectF& box : candidates) {
    if (!bounds.contains(box) || Covers(box)) continue;
    FPlaced.push_back({box, {}});
    return box;
  }
  return std::nullopt;
}

bool TLabelPlacer::Covers(const QRectF& box) const {
  return std::any_of(FPlaced.begin(), FPlaced.end(),
                     [&box](const TPlaced& placed) { return placed.Box.intersects(box); });
}

void DrawLabelBox(QPainter& painter, const TChartStyle& style, const QRectF& box,
                  const QString& text, const QFont& font) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 200));
  painter.drawRoundedRect(box, style.Px(2), style.Px(2));
  painter.setFont(font);
  painter.setPen(style.Text);
  painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace ubic
