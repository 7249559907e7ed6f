#include "previewform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "accessibility.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "print/pageexport.h"
#include "print/printpreview.h"
#include "print/printsink.h"
#include "print/reportpdf.h"
#include "questions.h"
#include "textdimform.h"
#include "uitext.h"
#include "windowplacement.h"

// The preview's icons, which the linker would leave out of the ui library unless asked for.
static void InitPrintResources() {
  Q_INIT_RESOURCE(print);
}

namespace ubic {

namespace {

constexpr const char* kZoomItems[] = {"200%",
                                      "175%",
                                      "150%",
                                      "125%",
                                      "100%",
                                      "75%",
                                      "50%",
                                      QT_TRANSLATE_NOOP("QObject", "Page width"),
                                      QT_TRANSLATE_NOOP("QObject", "Page height"),
                                      QT_TRANSLATE_NOOP("QObject", "Whole page")};
constexpr int kFitWidthItem = 7;
constexpr int kFitHeightItem = 8;
constexpr int kFitPageItem = 9;

enum TSaveKind { skText = 1, skSvg, skPng, skBmp, skPdf };
constexpr const char* kSaveFilters[] = {QT_TRANSLATE_NOOP("QObject", "Text File (*.txt)"),
                                        QT_TRANSLATE_NOOP("QObject", "SVG Picture (*.svg)"),
                                        QT_TRANSLATE_NOOP("QObject", "PNG Image (*.png)"),
                                        QT_TRANSLATE_NOOP("QObject", "Bitmap (*.bmp)"),
                                        QT_TRANSLATE_NOOP("QObject", "PDF Document (*.pdf)")};

// While it lives, the print dialog's own question before it prints over a file is answered Yes
// and never shown: the program asks its own once the dialog has closed, with the buttons and the
// title of its other questions, and no box of the dialog's is left to take the focus away.
class TDialogOverwriteAnswer : public QObject {
 public:
  explicit TDialogOverwriteAnswer(const QDialog& dialog) : FDialog(dialog) {
    qApp->installEventFilter(this);
  }
  TDialogOverwriteAnswer(const TDialogOverwriteAnswer&) = delete;
  TDialogOverwriteAnswer& operator=(const TDialogOverwriteAnswer&) = delete;
  ~TDialogOverwriteAnswer() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The show event comes before the box reaches the screen.
    if (event->type() != QEvent::Show) return false;
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && box->parentWidget() == &FDialog && box->icon() == QMessageBox::Question) {
      box->setAttribute(Qt::WA_DontShowOnScreen);
      QMetaObject::invokeMethod(
          box, [box] { box->done(QMessageBox::Yes); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  const QDialog& FDialog;
};

}  // namespace

TPreviewForm::TPreviewForm(TQuestions& questions, QWidget* parent)
    : QDialog(parent),
      FQuestions(questions),
      FTextDim(new TTextDimForm(this)),
      FPreview(new TPrintPreview(this)),
      FZoomTimer(new QTimer(this)) {
  InitPrintResources();
  setWindowTitle(QObject::tr("Report Preview"));
  CreateActions();
  auto* statusBar = new QStatusBar(this);
  CreateLayout(statusBar);
  NameObjects({{FTextDim, "TextDim"},
               {FPreview, "Preview"},
               {FPrintBtn, "PrintBtn"},
               {FPageSetupBtn, "PageSetupBtn"},
               {FPrevBtn, "PrevBtn"},
               {FNextBtn, "NextBtn"},
               {FSaveBtn, "SaveBtn"},
               {FCloseBtn, "CloseBtn"},
               {FCancelBtn, "CancelBtn"},
               {FCopyBtn, "CopyBtn"},
               {FZoomBox, "ZoomBox"},
               {FStatusBar, "StatusBar"},
               {FProgressMsg, "ProgressMsg"},
               {FProgressBar, "ProgressBar"}});
  FZoomTimer->setInterval(10);
  FZoomTimer->setSingleShot(true);
  connect(FZoomTimer, &QTimer::timeout, this, &TPreviewForm::ShowZoom);
  connect(FPreview, &TPrintPreview::PageChanged, this, &TPreviewForm::UpdateStatus);
  connect(FPreview, &TPrintPreview::ZoomChanged, FZoomTimer, qOverload<>(&QTimer::start));
  FPreview->installEventFilter(this);
  FZoomBox->installEventFilter(this);
  FPreview->SetOnPrintPage([this](int printed, int total) {
    ShowProgress(QObject::tr("Printing page %1 of %2").arg(printed).arg(total), printed, total);
  });
  FPreview->SetOnPagePrinted([this](int printed, int total) {
    if (printed == total) HideProgress();
  });
  FPreview->SetOnProgress([this](TFormatter&, int, int, int total, int done) {
    ShowProgress(QObject::tr("Formatting"), done, total);
  });
  FPageSetup.Margins = QMarginsF(20, 15, 10, 10);
  FPreview->SetMargins(20, 15, 10, 10);
  HideProgress();
  resize(800, 900);
  KeepPlacement(this, TPlacement{"PreviewForm", {}, {}});
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::CreateActions() {
  const auto make = [this](const QString& hint, const QString& icon, auto slot) {
    auto* action = new QAction(QIcon(icon), hint, this);
    action->setToolTip(hint);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  FPrintBtn =
      make(QObject::tr("Print..."), ":/icons/file-report.svg", &TPreviewForm::PrintBtnClick);
  FPageSetupBtn = make(QObject::tr("Page setup..."), ":/icons/preview-page-setup.svg",
                       &TPreviewForm::PageSetupBtnClick);
  FPrevBtn = make(QObject::tr("Previous page"), ":/icons/preview-previous.svg",
                  [this] { FPreview->PrevPage(); });
  FNextBtn =
      make(QObject::tr("Next page"), ":/icons/preview-next.svg", [this] { FPreview->NextPage(); });
  FSaveBtn =
      make(QObject::tr("Save report..."), ":/icons/file-save.svg", &TPreviewForm::SaveBtnClick);
  FCloseBtn = make(QObject::tr("Close preview"), ":/icons/preview-close.svg", &QDialog::accept);
  FCancelBtn =
      make(QObject::tr("Cancel"), ":/icons/preview-cancel.svg", [this] { FPreview->Abort(); });
  FCopyBtn = make(QObject::tr("Copy"), ":/icons/preview-copy.svg", &TPreviewForm::CopyBtnClick);
  FZoomBox = new QComboBox(this);
  FZoomBox->setEditable(true);
  FZoomBox->setInsertPolicy(QComboBox::NoInsert);
  FZoomBox->setToolTip(QObject::tr("Zoom"));
  Describe(FZoomBox, QObject::tr("Zoom"),
           QObject::tr("The size of the page on the screen, in percent or to fit"));
  Describe(FZoomBox->lineEdit(), QObject::tr("Zoom"),
           QObject::tr("The size of the page on the screen, in percent"));
  for (const char* item : kZoomItems) FZoomBox->addItem(QObject::tr(item));
  FZoomBox->setEditText("25%");
  connect(FZoomBox, &QComboBox::activated, this, &TPreviewForm::ZoomBoxChoose);
  connect(FZoomBox->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    FZoomBox->hidePopup();
    focusNextChild();
  });
}

void TPreviewForm::CreateLayout(QStatusBar* statusBar) {
  auto* toolBar = new QToolBar(this);
  toolBar->addActions({FPrintBtn, FPageSetupBtn});
  toolBar->addSeparator();
  toolBar->addActions({FPrevBtn, FNextBtn});
  toolBar->addWidget(FZoomBox);
  toolBar->addSeparator();
  toolBar->addActions({FSaveBtn, FCopyBtn, FCloseBtn, FCancelBtn});
  FStatusBar = new QLabel(this);
  FProgressMsg = new QLabel(this);
  FProgressBar = new QProgressBar(this);
  FProgressBar->setRange(0, 100);
  statusBar->addWidget(FStatusBar);
  statusBar->addWidget(FProgressMsg);
  statusBar->addWidget(FProgressBar, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar);
  layout->addWidget(FPreview, 1);
  layout->addWidget(statusBar);
}

void TPreviewForm::PrepareShow() {
  HideProgress();
  UpdateStatus();
}

void TPreviewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only now is the preview as wide as the window lets it be.
  FPreview->FitWidth();
  ShowZoom();
  // The paging keys work at once, even when the zoom box had the focus when the window closed.
  FPreview->setFocus();
}

void TPreviewForm::ShowPreview() {
  PrepareShow();
  exec();
}

void TPreviewForm::UpdateStatus() {
  const int pages = FPreview->PageCount();
  const int current = FPreview->CurrentPage();
  FStatusBar->setText(QObject::tr("Page %1/%2").arg(current).arg(pages));
  FPrintBtn->setEnabled(pages > 0);
  FSaveBtn->setEnabled(pages > 0);
  FCopyBtn->setEnabled(pages > 0);
  FPrevBtn->setEnabled(current > 1);
  FNextBtn->setEnabled(current < pages);
}

void TPreviewForm::ShowProgress(const QString& message, int position, int maximum) {
  FProgressMsg->setText(message);
  FProgressBar->setMaximum(std::max(1, maximum));
  FProgressBar->setValue(std::min(position, std::max(1, maximum)));
  FProgressMsg->setVisible(true);
  FProgressBar->setVisible(true);
  FCancelBtn->setVisible(true);
  FCloseBtn->setVisible(false);
  QApplication::processEvents();
}

void TPreviewForm::HideProgress() {
  FProgressMsg->setVisible(false);
  FProgressBar->setVisible(false);
  FCancelBtn->setVisible(false);
  FCloseBtn->setVisible(true);
}

void TPreviewForm::Run(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    HideProgress();
    FQuestions.Error(error.what());
  }
  HideProgress();
  UpdateStatus();
}

void TPreviewForm::PrintBtnClick() {
  QPrinter& printer = FPreview->Printer();
  QPrintDialog dialog(&printer, this);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintSelection |
                    QAbstractPrintDialog::PrintCollateCopies);
  dialog.setMinMax(1, FPreview->PageCount());
  dialog.setFromTo(1, FPreview->PageCount());
  printer.setCopyCount(1);
  {
    const TDialogOverwriteAnswer answer(dialog);
    if (dialog.exec() != QDialog::Accepted) return;
  }
  if (!MayPrintTo(printer.outputFileName())) return;
  // The dialogs may have left no window active: the preview takes the keys again, so that
  // Escape reaches it while the pages print.
  activateWindow();
  FPreview->setFocus();
  FPreview->SetCopies(printer.copyCount());
  FPreview->SetCollate(printer.collateCopies());
  // The preview prints the copies itself.
  printer.setCopyCount(1);
  Run([this, &dialog] {
    FPreview->UpdatePrinter();
    switch (dialog.printRange()) {
      case QAbstractPrintDialog::Selection:
        FPreview->PrintRange(FPreview->CurrentPage(), FPreview->CurrentPage());
        break;
      case QAbstractPrintDialog::PageRange:
        FPreview->PrintRange(dialog.fromPage(), dialog.toPage());
        break;
      default:
        FPreview->PrintRange(1, -1);
        break;
    }
    if (FPreview->Aborted()) FQuestions.Inform(QObject::tr("Printing aborted.").toStdString());
  });
}

bool TPreviewForm::MayPrintTo(const QString& fileName) {
  return fileName.isEmpty() || !QFileInfo::exists(fileName) ||
         FQuestions.Confirm(Format(ubicstr::OverwriteFile, fileName.toStdString()), true) ==
             TAnswer::Yes;
}

void TPreviewForm::PageSetupBtnClick() {
  QPrinter& printer = FPreview->Printer();
  const TPageMargins& margins = FPreview->Margins();
  FPageSetup.Margins =
      QMarginsF(margins.Left.Value, margins.Top.Value, margins.Right.Value, margins.Bottom.Value);
  const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
  if (!FPageSetup.Execute(printer, this)) return;
  if (!MarginsFitPage(printer, FPageSetup.Margins)) {
    FQuestions.Error(QObject::tr("The margins leave no room on the page.").toStdString());
    return;
  }
  Run([this, &printer, orientation] {
    if (printer.pageLayout().orientation() != orientation) {
      const TOrientation chosen =
          printer.pageLayout().orientation() == QPageLayout::Landscape ? orLandscape : orPortrait;
      for (int i = 0; i < FPreview->ReportCount(); ++i)
        FPreview->GetReport(i).SetOrientation(chosen);
    }
    const QMarginsF chosen = FPageSetup.Margins;
    FPreview->SetMargins(chosen.left(), chosen.top(), chosen.right(), chosen.bottom());
  });
}

void TPreviewForm::SaveBtnClick() {
  if (FPreview->CurrentPage() == 0) return;
  TFileDialogSpec spec;
  spec.Title = QObject::tr("Save to File").toStdString();
  for (const char* filter : kSaveFilters) spec.Filters.push_back(QObject::tr(filter).toStdString());
  const std::optional<TFileChoice> choice = ChooseFileToWrite(FQuestions, spec);
  if (!choice) return;
  if (choice->FilterIndex == skText && FTextDim->exec() != QDialog::Accepted) return;
  Run([this, &choice] { SaveTo(choice->FileName, choice->FilterIndex); });
}

void TPreviewForm::SaveTo(const std::string& fileName, int filterIndex) {
  const TPrintPage* page = FPreview->CurrentPrintPage();
  if (page == nullptr || filterIndex < skText || filterIndex > skPdf) return;
  const QString name = QString::fromStdString(fileName);
  const double screenDpi = FPreview->logicalDpiX();
  switch (filterIndex) {
    case skText:
      FPreview->SaveAsText(name.toStdString(), FTextDim->TextWidth(), FTextDim->TextHeight());
      break;
    case skSvg:
      SavePageSvg(*page, name);
      break;
    case skPng:
    case skBmp:
      SavePageImage(*page, name, FPreview->Zoom(), screenDpi);
      break;
    case skPdf: {
      std::vector<const TPrintPage*> pages;
      for (int n = 1; n <= FPreview->PageCount(); ++n) pages.push_back(&FPreview->GetPage(n));
      WritePdf(name, pages, DocumentTitle(FPreview->GetReport(0)));
      break;
    }
  }
}

void TPreviewForm::CopyBtnClick() {
  const TPrintPage* page = FPreview->CurrentPrintPage();
  if (page == nullptr) return;
  QApplication::clipboard()->setMimeData(
      PageMimeData(*page, FPreview->Zoom(), FPreview->logicalDpiX()).release());
}

void TPreviewForm::ZoomBoxChoose(int index) {
  switch (index) {
    case kFitWidthItem:
      FPreview->FitWidth();
      break;
    case kFitHeightItem:
      FPreview->FitHeight();
      break;
    case kFitPageItem:
      FPreview->FitPage();
      break;
    default:
      FPreview->SetZoom(FZoomBox->itemText(index).remove('%').toInt());
      break;
  }
  FZoomTimer->start();
}

void TPreviewForm::ZoomBoxExit() {
  QString text = FZoomBox->currentText();
  bool valid = false;
  const int zoom = text.remove('%').trimmed().toInt(&valid);
  if (!valid || zoom < 1) {
    FQuestions.Error(QObject::tr("'%1' is not a valid integer value").arg(text).toStdString());
    ShowZoom();
    return;
  }
  // Leaving the box as it shows the zoom keeps a fit chosen there, which follows the window.
  if (zoom != FPreview->Zoom()) FPreview->SetZoom(zoom);
  FZoomTimer->start();
}

void TPreviewForm::ShowZoom() {
  FZoomTimer->stop();
  FZoomBox->setEditText(QString("%1%").arg(FPreview->Zoom()));
}

bool TPreviewForm::HandleKey(const QKeyEvent& event) {
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  const int key = event.key();
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
    const bool down = key == Qt::Key_PageDown;
    if (shift) {
      Run([this, down] {
        FPreview->SetFirstPageNumber(FPreview->FirstPageNumber() + (down ? 1 : -1));
      });
    } else if (ctrl) {
      FPreview->SetCurrentPage(down ? FPreview->PageCount() : 1);
    } else {
      FPreview->SetCurrentPage(FPreview->CurrentPage() + (down ? 1 : -1));
    }
    return true;
  }
  if (key == Qt::Key_Home || key == Qt::Key_End) {
    FPreview->SetCurrentPage(key == Qt::Key_Home ? 1 : FPreview->PageCount());
    return true;
  }
  // Escape stops a running print; otherwise it closes the preview, from the zoom box too.
  if (key == Qt::Key_Escape) {
    if (FCancelBtn->isVisible()) {
      FPreview->Abort();
    } else {
      reject();
    }
    return true;
  }
  return false;
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FZoomBox && event->type() == QEvent::FocusOut) ZoomBoxExit();
  // The page view would scroll and the zoom box would pick another zoom with the paging keys;
  // here they page whichever of the two has the focus.
  if ((watched == FPreview || watched == FZoomBox) && event->type() == QEvent::KeyPress &&
      HandleKey(static_cast<const QKeyEvent&>(*event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TPreviewForm::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(*event)) QDialog::keyPressEvent(event);
}

}  // namespace ubic
