#include "mdilayout.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <vector>

namespace ubic {

namespace {

std::vector<QMdiSubWindow*> Windows(const QMdiArea& area, bool minimised) {
  std::vector<QMdiSubWindow*> windows;
  for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
    if (window->isVisible() && window->isMinimized() == minimised) windows.push_back(window);
  }
  return windows;
}

// Where ArrangeIcons puts each of Icons: rows along the bottom of the area, from the left.
std::vector<QPoint> IconPlaces(const QMdiArea& area, const std::vector<QMdiSubWindow*>& icons) {
  const int width = area.viewport()->width();
  std::vector<QPoint> places;
  int x = 0;
  int bottom = area.viewport()->height();
  for (const QMdiSubWindow* icon : icons) {
    if (x > 0 && x + icon->width() > width) {
      bottom -= icon->height();
      x = 0;
    }
    places.emplace_back(x, bottom - icon->height());
    x += icon->width();
  }
  return places;
}

// The height of the strip the icons take at the bottom.
int IconStripHeight(const QMdiArea& area) {
  const std::vector<QPoint> places = IconPlaces(area, Windows(area, true));
  if (places.empty()) return 0;
  return area.viewport()->height() - places.back().y();
}

}  // namespace

void TileSubWindows(QMdiArea& area, TTiling tiling) {
  const std::vector<QMdiSubWindow*> windows = Windows(area, false);
  if (windows.empty()) return;
  const int count = static_cast<int>(windows.size());
  const QRect free = area.viewport()->rect().adjusted(0, 0, 0, -IconStripHeight(area));
  const int length = tiling == TTiling::Rows ? free.height() : free.width();
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* window = windows[static_cast<std::size_t>(i)];
    if (window->isMaximized()) window->showNormal();
    // Shares handed out so that the tiles meet exactly and fill the whole length.
    const int start = length * i / count;
    const int end = length * (i + 1) / count;
    window->setGeometry(tiling == TTiling::Rows
                            ? QRect(free.left(), free.top() + start, free.width(), end - start)
                            : QRect(free.left() + start, free.top(), end - start, free.height()));
  }
}

void ArrangeIcons(QMdiArea& area) {
  const std::vector<QMdiSubWindow*> icons = Windows(area, true);
  const std::vector<QPoint> places = IconPlaces(area, icons);
  for (std::size_t i = 0; i < icons.size(); ++i) icons[i]->move(places[i]);
}

}  // namespace ubic
