#include "windowplacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "recentfiles.h"

namespace ubic {

namespace {

constexpr char kPlacementGroup[] = "Windows/";

// The middle of the window Window belongs to, or of the screen, for a frame of Size.
QPoint CentredPlace(const QWidget& window, const QSize& size) {
  const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  const QRect over =
      parent && parent->isVisible() ? parent->frameGeometry() : AvailableArea(window);
  return over.center() - QPoint(size.width() / 2, size.height() / 2);
}

// Opens its window where Placement says, inside the screen, and remembers where it was left.
// Only the program's own showing and hiding count: a window the user minimises and restores
// stays where it is.
class TPlacementKeeper : public QObject {
 public:
  TPlacementKeeper(QWidget* window, TPlacement placement)
      : QObject(window), FWindow(window), FPlacement(std::move(placement)) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != FWindow || event->spontaneous()) return false;
    if (event->type() == QEvent::Show) Open();
    if (event->type() == QEvent::Hide) Remember();
    return false;
  }

 private:
  QString Key() const { return kPlacementGroup + FPlacement.Key; }

  // Runs before the window is on the screen and before a dialog would centre itself, which it
  // no longer does once moved here.
  void Open() {
    const QByteArray saved =
        FPlacement.Key.isEmpty() ? QByteArray() : UserSettings().value(Key()).toByteArray();
    const bool restored = !saved.isEmpty() && FWindow->restoreGeometry(saved);
    // The window system fits a maximised window to the screen.
    if (FWindow->isMaximized() || FWindow->isFullScreen()) return;
    const QMargins margins = FrameMargins(*FWindow);
    const QSize frameSize =
        (FPlacement.Size && !restored ? FPlacement.Size() : FWindow->size()).grownBy(margins);
    const QPoint place = FPlacement.Place ? FPlacement.Place(frameSize)
                         : restored       ? FWindow->pos()
                                          : CentredPlace(*FWindow, frameSize);
    const QRect frame = FitRect({place, frameSize}, AvailableArea(*FWindow));
    FWindow->resize(frame.size().shrunkBy(margins));
    FWindow->move(frame.topLeft());
  }

  void Remember() {
    if (!FPlacement.Key.isEmpty()) UserSettings().setValue(Key(), FWindow->saveGeometry());
  }

  QWidget* FWindow;
  TPlacement FPlacement;
};

// Keeps a dialog at least as wide as its title: through a strut in its layout, or through its
// minimum width when it sets its minimum size itself and its layout leaves that alone.
class TTitleKeeper : public QObject {
 public:
  explicit TTitleKeeper(QDialog* dialog)
      : QObject(dialog), FDialog(dialog), FOwnMinimumWidth(dialog->minimumWidth()) {
    // Before the first showing only the dialog's own code can have set a minimum size.
    if (FOwnMinimumWidth == 0) {
      FStrut = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
      dialog->layout()->addItem(FStrut);
    }
    dialog->installEventFilter(this);
    Fit();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == FDialog && event->type() == QEvent::WindowTitleChange) Fit();
    return false;
  }

 private:
  void Fit() {
    const int width = TitleWidth(*FDialog, FDialog->windowTitle());
    if (FStrut) {
      FStrut->changeSize(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
      FDialog->layout()->invalidate();
    } else {
      FDialog->setMinimumWidth(std::max(FOwnMinimumWidth, width));
    }
  }

  QDialog* FDialog;
  int FOwnMinimumWidth;
  QSpacerItem* FStrut = nullptr;
};

}  // namespace

void KeepPlacement(QWidget* window, TPlacement placement) {
  new TPlacementKeeper(window, std::move(placement));
}

void KeepDialog(QDialog* dialog, TPlacement placement) {
  new TTitleKeeper(dialog);
  KeepPlacement(dialog, std::move(placement));
}

QRect FitRect(const QRect& rect, const QRect& available) {
  if (!available.isValid()) return rect;
  QRect fitted(rect.topLeft(), rect.size().boundedTo(available.size()));
  fitted.moveRight(std::min(fitted.right(), available.right()));
  fitted.moveBottom(std::min(fitted.bottom(), available.bottom()));
  fitted.moveLeft(std::max(fitted.left(), available.left()));
  fitted.moveTop(std::max(fitted.top(), available.top()));
  return fitted;
}

QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QRect& available) {
  const QRect sides[] = {
      {QPoint(anchor.right() + 1, anchor.top()), size},
      {QPoint(anchor.left() - size.width(), anchor.top()), size},
      {QPoint(anchor.left(), anchor.bottom() + 1), size},
      {QPoint(anchor.left(), anchor.top() - size.height()), size},
  };
  for (const QRect& side : sides) {
    // Slid along the anchor's side into the screen, it still has to keep clear of the anchor.
    const QRect fitted = FitRect(side, available);
    if (fitted.size() == size && !fitted.intersects(anchor)) return fitted.topLeft();
  }
  return FitRect({QPoint(available.right() + 1 - size.width(), anchor.top()), size}, available)
      .topLeft();
}

QRect MakeRoomBeside(const QRect& anchor, const QSize& size, const QRect& available) {
  const bool roomy = !QRect(PlaceBeside(anchor, size, available), size).intersects(anchor);
  if (roomy || anchor.width() + size.width() > available.width()) return anchor;
  return anchor.translated(available.right() + 1 - size.width() - (anchor.right() + 1), 0);
}

int TitleWidth(const QWidget& window, const QString& title) {
  // The frame shows the program's name after the title, as Qt hands it on, in a bold face of
  // about the program's size; the icon, the buttons and the frame's edges take about four
  // title-bar squares.
  const QString name = QGuiApplication::applicationDisplayName();
  const QString shown = title.isEmpty() || title.endsWith(name) ? title : title + " \u2014 " + name;
  QFont font = window.font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(shown) + 4 * (metrics.height() + 8);
}

QMargins FrameMargins(const QWidget& window) {
  if (const QWindow* handle = window.windowHandle(); handle && !handle->frameMargins().isNull()) {
    return handle->frameMargins();
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    const QWindow* handle = other->windowHandle();
    if (other != &window && other->isVisible() && handle && !handle->frameMargins().isNull()) {
      return handle->frameMargins();
    }
  }
  return {};
}

QRect AvailableArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace ubic
