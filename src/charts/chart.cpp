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
  for (TChartSeries& series : FSeries) series.Clear();
}

void TChart::Draw(QPainter& painter, const QRectF& rect) const {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setClipRect(rect, Qt::IntersectClip);
  const TChartStyle style(painter);
  const QRectF body = DrawChartTitle(painter, style, rect, FTitle);
  if (FKind == TChartKind::Radar) {
    DrawRadarChart(painter, style, *this, body);
  } else {
    DrawCartesianChart(painter, style, *this, body);
  }
  painter.restore();
}

TChartStyle::TChartStyle(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
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

QRectF DrawChartTitle(QPainter& painter, const TChartStyle& style, const QRectF& rect,
                      const QString& title) {
  const double margin = style.Px(6);
  QRectF body = rect.adjusted(margin, margin, -margin, -margin);
  if (title.trimmed().isEmpty()) return body;
  painter.setFont(style.TitleFont);
  painter.setPen(style.Text);
  const QFontMetricsF metrics(style.TitleFont, painter.device());
  const QRectF line(body.left(), body.top(), body.width(), metrics.height());
  painter.drawText(line, Qt::AlignCenter, metrics.elidedText(title, Qt::ElideRight, line.width()));
  body.setTop(line.bottom() + style.Px(4));
  return body;
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
