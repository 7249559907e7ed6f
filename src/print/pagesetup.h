#pragma once

#include <QMarginsF>

class QPrinter;
class QWidget;

namespace ubic {

// The platform's page-setup dialog on a printer, with the margins in millimetres: on OK the
// printer takes the chosen paper and orientation and Margins the chosen margins.
class TPageSetupDialog {
 public:
  // Left, top, right and bottom in millimetres.
  QMarginsF Margins{10, 10, 10, 10};

  bool Execute(QPrinter& printer, QWidget* parent);
};

// Whether margins in millimetres leave room on the printer's page.
bool MarginsFitPage(const QPrinter& printer, const QMarginsF& margins);

}  // namespace ubic
