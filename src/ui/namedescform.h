#pragma once

#include <QDialog>

class QLineEdit;

namespace ubic {

// A name and a description, edited together.
class TNameDescEditForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNameDescEditForm(QWidget* parent = nullptr);

  QLineEdit* NameEdit;
  QLineEdit* DescEdit;
};

}  // namespace ubic
