#include "pageexport.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <stdexcept>

#include "foundation/checkedint.h"
#include "foundation/cp1250.h"

namespace ubic {

namespace {

std::runtime_error CannotWrite(const QString& fileName) {
  return std::runtime_error(
      Utf8ToCp1250(QObject::tr("Cannot write %1.").arg(fileName).toStdString()));
}

}  // namespace

QImage PageImage(const TPrintPage& page, int zoom, double screenDpi) {
  const double scale = zoom / 100.0 * screenDpi / page.DotsPerInch();
  const QSize size(std::max(1, RoundHalfToEven(page.Size().width() * scale)),
                   std::max(1, RoundHalfToEven(page.Size().height() * scale)));
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMetre = RoundHalfToEven(screenDpi * zoom / 100.0 / 0.0254);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  page.Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

QByteArray PageSvg(const TPrintPage& page) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(page.DotsPerInch());
  generator.setSize(page.Size());
  generator.setViewBox(QRect(QPoint(0, 0), page.Size()));
  generator.setTitle(QObject::tr("Ubic report page"));
  {
    QPainter painter(&generator);
    page.Replay(painter);
  }
  return buffer.data();
}

void SavePageSvg(const TPrintPage& page, const QString& fileName) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) throw CannotWrite(fileName);
  file.write(PageSvg(page));
  if (!file.commit()) throw CannotWrite(fileName);
}

void SavePageImage(const TPrintPage& page, const QString& fileName, int zoom, double screenDpi) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) throw CannotWrite(fileName);
  const QByteArray format = fileName.section('.', -1).toLower().toLatin1();
  if (!PageImage(page, zoom, screenDpi).save(&file, format.constData()) || !file.commit()) {
    throw CannotWrite(fileName);
  }
}

std::unique_ptr<QMimeData> PageMimeData(const TPrintPage& page, int zoom, double screenDpi) {
  auto data = std::make_unique<QMimeData>();
  data->setData(QStringLiteral("image/svg+xml"), PageSvg(page));
  data->setImageData(PageImage(page, zoom, screenDpi));
  return data;
}

}  // namespace ubic
