#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <array>

class QPainter;

namespace ubic {

class TChart;

// The four radars of a panel, top-left, top-right, bottom-left, bottom-right.
using TFourCharts = std::array<const TChart*, 4>;

// The four quarters of Rect: halves by integer division, the right and lower ones Gap further on.
// The panel on the screen leaves a gap of 1; report pages none.
std::array<QRect, 4> Quarters(const QRect& rect, int gap);
// Rect with its right or bottom edge moved in so that it has the proportions of a control of
// Control's size (each side at least 1); the top-left corner stays.
QRect FitToProportions(const QRect& rect, QSize control);

void DrawFourCharts(QPainter& painter, const QRect& rect, const TFourCharts& charts, int gap);

// Images are Size in device-independent pixels, drawn at the given device pixel ratio.
QImage ChartImage(const TChart& chart, QSize size, qreal pixelRatio = 1.0);
QImage FourChartsImage(const TFourCharts& charts, QSize size, QColor background,
                       qreal pixelRatio = 1.0);
QByteArray ChartSvg(const TChart& chart, QSize size);

// A single chart goes to the clipboard as SVG and as an image; the panel of four as an image of
// the panel painted on its background colour.
void CopyChartToClipboard(const TChart& chart, QSize size, qreal pixelRatio = 1.0);
void CopyFourChartsToClipboard(const TFourCharts& charts, QSize size, QColor background,
                               qreal pixelRatio = 1.0);

}  // namespace ubic
