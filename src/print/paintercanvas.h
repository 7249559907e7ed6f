#pragma once

#include <QPainter>

#include "reports/drawing.h"

namespace ubic {

// The canvas that picture callbacks of printed reports receive: a painter in page dots.
class TPainterCanvas : public TCanvas {
 public:
  explicit TPainterCanvas(QPainter& painter) : FPainter(painter) {}
  QPainter& Painter() const { return FPainter; }

 private:
  QPainter& FPainter;
};

}  // namespace ubic
