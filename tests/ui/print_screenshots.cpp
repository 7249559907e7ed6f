// Writes the pictures of the manual's printing chapter: the Create Report dialog, the preview at
// two zoom levels and the Text Dimensions dialog, grabbed offscreen.
//
//   print_screenshots FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <iostream>

#include "print/printpreview.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/previewform.h"
#include "ui/questions.h"
#include "ui/rptform.h"
#include "ui/textdimform.h"

namespace {

bool Save(QWidget* widget, const QDir& folder, const char* name) {
  QApplication::processEvents();
  const QString file = folder.filePath(name);
  if (widget->grab().save(file)) return true;
  std::cerr << "cannot write " << file.toStdString() << "\n";
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: print_screenshots FOLDER\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  ubic::TScriptedQuestions questions;
  ubic::TMainForm mainForm(questions, {});
  ubic::TModelForm* document = mainForm.CreateDocument(UBIC_EXAMPLES_DIR "/car.ubm");

  ubic::TRptForm& rptForm = mainForm.RptForm();
  rptForm.show();
  bool written = Save(&rptForm, folder, "report-dialog.png");
  rptForm.hide();

  ubic::TPreviewForm& preview = mainForm.PreviewForm();
  ubic::TReportStyle style;
  style.Font = rptForm.ReportFont();
  document->Model().EvaluateAll();
  preview.Preview().AddReport(
      ubic::MakeModelReport(&document->Model(), ubic::AllTextSections(), style));
  preview.resize(760, 820);
  preview.show();
  preview.PrepareShow();
  written = Save(&preview, folder, "preview-fit-width.png") && written;
  preview.Preview().NextPage();
  preview.ZoomBox->activated(2);  // "150%"
  QEventLoop wait;
  QTimer::singleShot(50, &wait, &QEventLoop::quit);
  wait.exec();
  written = Save(&preview, folder, "preview-150.png") && written;
  preview.hide();

  preview.TextDim->show();
  written = Save(preview.TextDim, folder, "text-dimensions.png") && written;
  return written ? 0 : 1;
}
