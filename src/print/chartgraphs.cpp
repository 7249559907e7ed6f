#include "chartgraphs.h"

#include "paintercanvas.h"

namespace ubic {

void TChartReportGraphs::Draw(TCanvas& canvas, const TRect& rect) const {
  auto& painterCanvas = dynamic_cast<TPainterCanvas&>(canvas);
  FGraphs.DrawFitted(painterCanvas.Painter(),
                     QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Bottom)), FControl);
}

}  // namespace ubic
