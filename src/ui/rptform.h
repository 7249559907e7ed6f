#pragma once

#include <QDialog>

#include "modelreports/modelreport.h"

class QListWidget;
class QPushButton;

namespace ubic {

// "Create Report": the sections of a model report and the report font, which stays chosen while
// the program runs.
class TRptForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRptForm(QWidget* parent = nullptr);

  // The ticked sections.
  TReportSections Sections() const;
  const TFont& ReportFont() const { return FReportFont; }
  void SetReportFont(const TFont& font) { FReportFont = font; }

 private:
  void FontBtnClick();

  QListWidget* FRptList;
  QPushButton* FOKBtn;
  QPushButton* FCancelBtn;
  QPushButton* FFontBtn;

  TFont FReportFont;
};

// The report font's default: a sans-serif of the East European character set, 13 pixels high on
// a screen of 96 dots per inch.
TFont DefaultReportFont();

}  // namespace ubic
