#include "pagesetup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QtGlobal>
#include <memory>

namespace ubic {

namespace {

QtMessageHandler OuterHandler = nullptr;

void DropNonNativeWarning(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type == QtWarningMsg && message.startsWith("QPageSetupDialog: Cannot be used on non-native"))
    return;
  OuterHandler(type, context, message);
}

// Qt's page-setup dialog warns on standard error when its printer writes PDF files, the only
// printer of a machine without one, though it serves that printer well. The warning says
// nothing to the user, so it is dropped while the dialog is made; every other message passes.
std::unique_ptr<QPageSetupDialog> MakeDialog(QPrinter& printer, QWidget* parent) {
  OuterHandler = qInstallMessageHandler(DropNonNativeWarning);
  auto dialog = std::make_unique<QPageSetupDialog>(&printer, parent);
  qInstallMessageHandler(OuterHandler);
  return dialog;
}

}  // namespace

bool TPageSetupDialog::Execute(QPrinter& printer, QWidget* parent) {
  printer.setFullPage(false);
  printer.setPageMargins(Margins, QPageLayout::Millimeter);
  const std::unique_ptr<QPageSetupDialog> dialog = MakeDialog(printer, parent);
  const bool accepted = dialog->exec() == QDialog::Accepted;
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
