#pragma once

#include <QDialog>
#include <memory>

#include "print/pagesetup.h"

class QAction;
class QComboBox;
class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;

namespace ubic {

class TPrintPreview;
class TQuestions;
class TTextDimForm;

// "Report Preview": the formatted pages with printing, page setup, zoom, paging, saving and
// copying.
class TPreviewForm : public QDialog {
  Q_OBJECT

 public:
  TPreviewForm(TQuestions& questions, QWidget* parent = nullptr);
  ~TPreviewForm() override;

  TPrintPreview& Preview() const { return *FPreview; }
  // Fits the page width and shows the window modally.
  void ShowPreview();
  // Brings the window up to date without showing it (ShowPreview does this first).
  void PrepareShow();
  void UpdateStatus();
  // Saves to FileName, taken as it is, as the filter entry (from 1) says: text, SVG, PNG, BMP or
  // PDF.
  void SaveTo(const std::string& fileName, int filterIndex);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateActions();
  void CreateLayout(QStatusBar* statusBar);
  bool HandleKey(const QKeyEvent& event);
  void PrintBtnClick();
  // Whether the print may go to FileName (none for a printer): Yes to the question whether to
  // replace a file of that name.
  bool MayPrintTo(const QString& fileName);
  void PageSetupBtnClick();
  void SaveBtnClick();
  void CopyBtnClick();
  void ZoomBoxChoose(int index);
  void ZoomBoxExit();
  void ShowZoom();
  void ShowProgress(const QString& message, int position, int maximum);
  void HideProgress();
  // Runs a command; an error it raises is shown to the user and ends it.
  void Run(const std::function<void()>& command);

  TQuestions& FQuestions;
  TTextDimForm* FTextDim;
  TPrintPreview* FPreview;
  QAction* FPrintBtn;
  QAction* FPageSetupBtn;
  QAction* FPrevBtn;
  QAction* FNextBtn;
  QAction* FSaveBtn;
  QAction* FCloseBtn;
  QAction* FCancelBtn;
  QAction* FCopyBtn;
  QComboBox* FZoomBox;
  QLabel* FStatusBar;
  QLabel* FProgressMsg;
  QProgressBar* FProgressBar;
  QTimer* FZoomTimer;
  TPageSetupDialog FPageSetup;
};

}  // namespace ubic
