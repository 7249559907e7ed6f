#include "chartexport.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <memory>

#include "chart.h"

namespace ubic {
namespace {

QImage BlankImage(QSize size, qreal pixelRatio, QColor background) {
  QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(background);
  return image;
}

void PutOnClipboard(std::unique_ptr<QMimeData> data) {
  QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard takes it over
}

}  // namespace

std::array<QRect, 4> Quarters(const QRect& rect, int gap) {
  const int width = rect.width() / 2;
  const int height = rect.height() / 2;
  const int right = rect.left() + width + gap;
  const int lower = rect.top() + height + gap;
  return {QRect(rect.left(), rect.top(), width, height), QRect(right, rect.top(), width, height),
          QRect(rect.left(), lower, width, height), QRect(right, lower, width, height)};
}

QRect FitToProportions(const QRect& rect, QSize control) {
  const double w = std::max(1, control.width());
  const double h = std::max(1, control.height());
  const double width = rect.width();
  const double height = rect.height();
  QRect fitted = rect;
  const double fittedHeight = h * width / w;
  if (height >= fittedHeight) {
    fitted.setBottom(rect.bottom() - static_cast<int>(height - fittedHeight));
  } else {
    fitted.setRight(rect.right() - static_cast<int>(width - height * w / h));
  }
  return fitted;
}

void DrawFourCharts(QPainter& painter, const QRect& rect, const TFourCharts& charts, int gap) {
  const std::array<QRect, 4> quarters = Quarters(rect, gap);
  for (std::size_t i = 0; i < charts.size(); ++i) {
    if (charts[i] != nullptr) charts[i]->Draw(painter, quarters[i]);
  }
}

QImage ChartImage(const TChart& chart, QSize size, qreal pixelRatio) {
  QImage image = BlankImage(size, pixelRatio, Qt::white);
  QPainter painter(&image);
  chart.Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

QImage FourChartsImage(const TFourCharts& charts, QSize size, QColor background, qreal pixelRatio) {
  QImage image = BlankImage(size, pixelRatio, background);
  QPainter painter(&image);
  DrawFourCharts(painter, QRect(QPoint(0, 0), size), charts, 1);
  return image;
}

QByteArray ChartSvg(const TChart& chart, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(96);
  {
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    chart.Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  return buffer.data();
}

void CopyChartToClipboard(const TChart& chart, QSize size, qreal pixelRatio) {
  auto data = std::make_unique<QMimeData>();
  data->setData(QStringLiteral("image/svg+xml"), ChartSvg(chart, size));
  data->setImageData(ChartImage(chart, size, pixelRatio));
  PutOnClipboard(std::move(data));
}

void CopyFourChartsToClipboard(const TFourCharts& charts, QSize size, QColor background,
                               qreal pixelRatio) {
  auto data = std::make_unique<QMimeData>();
  data->setImageData(FourChartsImage(charts, size, background, pixelRatio));
  PutOnClipboard(std::move(data));
}

}  // namespace ubic
