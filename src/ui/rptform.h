#pragma once

#include <QDialog>

#include "charts/modelgraphs.h"
#include "modelreports/modelreport.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace ubic {

// "Create Report": the sections of a model report and the report font, which stays chosen while
// the program runs.
class TRptForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRptForm(QWidget* parent = nullptr);

  // The ticked sections that can be printed.
  TReportSections Sections() const;
  // Why the document's Graphs page has no graph, if it has none: the Graphs entry is then
  // disabled and unticked, with the reason as its tip, and takes the user's tick back once there
  // is a graph again.
  void SetEmptyGraph(TEmptyGraph reason);
  // How the evaluation section evaluates uncertain values; the dialog offers the Evaluation page's
  // choice.
  TEvaluationMethod Method() const;
  void SetMethod(TEvaluationMethod method);
  const TFont& ReportFont() const { return FReportFont; }
  void SetReportFont(const TFont& font) { FReportFont = font; }

 private:
  void FontBtnClick();

  QListWidget* FRptList;
  QComboBox* FMethodBox;
  QPushButton* FOKBtn;
  QPushButton* FCancelBtn;
  QPushButton* FFontBtn;

  TFont FReportFont;
  // The Graphs entry's tick while the entry is disabled.
  Qt::CheckState FGraphsTick = Qt::Checked;
};

// The report font's default: a sans-serif of the East European character set, 13 pixels high on
// a screen of 96 dots per inch.
TFont DefaultReportFont();

}  // namespace ubic
