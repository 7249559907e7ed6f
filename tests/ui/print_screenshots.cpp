// The pictures of the manual's printing chapter: the Create Report dialog, the preview at two
// zoom levels, a sensitivity report and the Text Dimensions dialog.

#include "print_screenshots.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>

#include "childnamed.h"
#include "print/printpreview.h"
#include "ui/modelform.h"
#include "ui/previewform.h"
#include "ui/rptform.h"
#include "ui/textdimform.h"

namespace ubic {

bool SavePrintScreenshots(TMainForm& mainForm, TModelForm& document, const TSaveShot& save) {
  TRptForm& rptForm = mainForm.RptForm();
  rptForm.show();
  bool written = save(&rptForm, "report-dialog.png");
  rptForm.hide();

  TPreviewForm& preview = mainForm.PreviewForm();
  TReportStyle style;
  style.Font = rptForm.ReportFont();
  style.FitPageWidth = true;
  // A fixed time in the page header, so that pictures made again differ only where the program
  // does.
  style.Created = {2026, 12, 9, 10, 30, 0, 0};
  preview.Preview().AddReport(MakeModelReport(&document.Model(), AllTextSections(), style));
  preview.resize(760, 820);
  preview.show();
  preview.PrepareShow();
  written = save(&preview, "preview-fit-width.png") && written;
  preview.Preview().NextPage();
  QComboBox* zoomBox = Child<QComboBox>(&preview, "ZoomBox");
  zoomBox->activated(2);  // "150%"
  // The zoom box shows the new zoom once its timer has fired.
  const QString zoomText = QString("%1%").arg(preview.Preview().Zoom());
  while (zoomBox->currentText() != zoomText) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  written = save(&preview, "preview-150.png") && written;
  preview.hide();
  preview.Preview().Clear();

  // Shown anew, the preview fits the sensitivity report to its width again.
  preview.Preview().AddReport(MakeModelReport(&document.Model(), rsSensitivity, style));
  preview.show();
  preview.PrepareShow();
  written = save(&preview, "preview-sensitivity.png") && written;
  preview.hide();
  preview.Preview().Clear();

  auto* textDim = Child<TTextDimForm>(&preview, "TextDim");
  textDim->show();
  written = save(textDim, "text-dimensions.png") && written;
  textDim->hide();
  return written;
}

}  // namespace ubic
