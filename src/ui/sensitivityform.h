#pragma once

#include <QDialog>

class QTableWidget;

namespace ubic {

class TUbicModel;

// What if: the values of the top-level attributes when each single value of one option's basic
// attributes is one step lower or higher. A result better than the option's own is green, a
// worse one red. The model is only read.
class TSensitivityForm : public QDialog {
 public:
  TSensitivityForm(const TUbicModel& model, int option, QWidget* parent = nullptr);

 private:
  QTableWidget* FTable;
};

}  // namespace ubic
