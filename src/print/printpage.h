#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPicture>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

class QPainter;

namespace ubic {

// A text laid out once with the font it was measured with: its glyphs keep their positions when
// the page is replayed at any scale, so that it keeps the width the layout gave it.
struct TPageText {
  QString Text;
  QPointF Origin;
  QList<QGlyphRun> Runs;
  QColor Color;
  std::optional<QRectF> Clip;
  // The width the text was measured with, in page dots.
  double Width = 0;
};

struct TPageLine {
  QLineF Line;
  QPen Pen;
};

struct TPagePicture {
  QPicture Picture;
};

using TPageItem = std::variant<TPageText, TPageLine, TPagePicture>;

// One printed page recorded as a list of drawing commands in printer dots, replayed for the
// screen, the printer, PDF, SVG and images alike.
class TPrintPage {
 public:
  TPrintPage(QSize size, int dotsPerInch) : FSize(size), FDotsPerInch(dotsPerInch) {}

  // The whole sheet in dots.
  QSize Size() const { return FSize; }
  int DotsPerInch() const { return FDotsPerInch; }
  const std::vector<TPageItem>& Items() const { return FItems; }

  void Add(TPageItem item) { FItems.push_back(std::move(item)); }

  // Draws the page in its own dots onto Painter, whose transform decides the scale.
  void Replay(QPainter& painter) const;
  // Draws the page at its real size on Painter's device, scaled from the page's resolution to
  // the device's.
  void Print(QPainter& painter) const;
  // Draws the page stretched into Target, a rectangle of Painter's coordinates.
  void Render(QPainter& painter, const QRectF& target) const;

 private:
  QSize FSize;
  int FDotsPerInch;
  std::vector<TPageItem> FItems;
};

}  // namespace ubic
