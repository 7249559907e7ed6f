#include "printpage.h"

#include <QPainter>

namespace ubic {

namespace {

void DrawItem(QPainter& painter, const TPageText& text) {
  painter.save();
  if (text.Clip) painter.setClipRect(*text.Clip, Qt::IntersectClip);
  painter.setPen(text.Color);
  for (const QGlyphRun& run : text.Runs) painter.drawGlyphRun(text.Origin, run);
  painter.restore();
}

void DrawItem(QPainter& painter, const TPageLine& line) {
  painter.setPen(line.Pen);
  painter.drawLine(line.Line);
}

void DrawItem(QPainter& painter, const TPagePicture& picture) {
  painter.save();
  // A picture replays scaled from its own resolution to the device's; its commands are in page
  // dots already.
  const QPaintDevice* device = painter.device();
  painter.scale(static_cast<double>(picture.Picture.logicalDpiX()) / device->logicalDpiX(),
                static_cast<double>(picture.Picture.logicalDpiY()) / device->logicalDpiY());
  painter.drawPicture(0, 0, picture.Picture);
  painter.restore();
}

}  // namespace

void TPrintPage::Replay(QPainter& painter) const {
  painter.save();
  for (const TPageItem& item : FItems) {
    std::visit([&painter](const auto& each) { DrawItem(painter, each); }, item);
  }
  painter.restore();
}

void TPrintPage::Print(QPainter& painter) const {
  painter.save();
  const double scale = static_cast<double>(painter.device()->logicalDpiX()) / FDotsPerInch;
  painter.scale(scale, scale);
  Replay(painter);
  painter.restore();
}

void TPrintPage::Render(QPainter& painter, const QRectF& target) const {
  if (FSize.isEmpty()) return;
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / FSize.width(), target.height() / FSize.height());
  Replay(painter);
  painter.restore();
}

}  // namespace ubic
