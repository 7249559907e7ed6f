#include "pagesetup.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace ubic {

bool TPageSetupDialog::Execute(QPrinter& printer, QWidget* parent) {
  printer.setFullPage(false);
  printer.setPageMargins(Margins, QPageLayout::Millimeter);
  QPageSetupDialog dialog(&printer, parent);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted) Margins = printer.pageLayout().margins(QPageLayout::Millimeter);
  printer.setFullPage(true);
  return accepted;
}

bool MarginsFitPage(const QPrinter& printer, const QMarginsF& margins) {
  const QSizeF page = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
  return margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
         margins.bottom() >= 0 && margins.left() + margins.right() < page.width() &&
         margins.top() + margins.bottom() < page.height();
}

}  // namespace ubic
