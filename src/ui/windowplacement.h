#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace ubic {

// How a window opens. Unless told otherwise it opens where, as large and in the state (maximised
// or not) it was last left, in this run or an earlier one, and at its own size the first time.
struct TPlacement {
  // The key of the window's place in the user's settings; empty: nothing is remembered.
  QString Key;
  // The window's size without its frame while nothing is remembered, instead of its own size: a
  // size the user gave the window outlasts its content.
  std::function<QSize()> Size;
  // Where the window's frame opens, given the frame's size, instead of the remembered place.
  std::function<QPoint(const QSize&)> Place;
};

// Opens Window as Placement says, and never larger than its screen's available area nor beyond
// it; the place is remembered whenever the window closes.
void KeepPlacement(QWidget* window, TPlacement placement);

// A dialog at least as wide as the title its frame shows, placed as KeepPlacement does. Dialog's
// layout must be in place: it gets the strut that keeps the title whole, which only a vertical
// box or a form layout adds as a row.
void KeepDialog(QDialog* dialog, TPlacement placement);
inline void KeepDialog(QDialog* dialog, const QString& key) {
  KeepDialog(dialog, TPlacement{key, {}, {}});
}

// Rect moved, and shrunk where it is larger, so that it lies within Available.
QRect FitRect(const QRect& rect, const QRect& available);

// Where a frame of Size goes beside Anchor without covering it: to its right when there is room,
// else to its left, below or above, top or left edges aligned; failing all, at the right edge
// of Available.
QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QRect& available);

// Anchor moved left just enough for a frame of Size to fit to its right within Available, when
// that frame would find no room beside it otherwise and both fit side by side at all.
QRect MakeRoomBeside(const QRect& anchor, const QSize& size, const QRect& available);

// The width a window needs for its frame to show Title whole, with the program's name that
// follows it, beside the frame's buttons.
int TitleWidth(const QWidget& window, const QString& title);

// The frame the window system draws around Window; before Window is first shown, that of
// another window of the program.
QMargins FrameMargins(const QWidget& window);

// The area of Window's screen that windows may take.
QRect AvailableArea(const QWidget& window);

}  // namespace ubic
