#pragma once

#include <QSize>

#include "charts/modelgraphs.h"
#include "modelreports/modelreport.h"

namespace ubic {

// The graph section of a report: the visible chart of a document's Graphs page, drawn fitted to
// the proportions of the control that shows it.
class TChartReportGraphs : public TReportGraphs {
 public:
  TChartReportGraphs(const TModelGraphs& graphs, QSize control)
      : FGraphs(graphs), FControl(control) {}

  bool Available() const override { return FGraphs.Visible() != TGraphKind::None; }
  // Canvas must be the painter canvas of a print formatter.
  void Draw(TCanvas& canvas, const TRect& rect) const override;

 private:
  const TModelGraphs& FGraphs;
  QSize FControl;
};

}  // namespace ubic
