#pragma once

#include <QDialog>

class QLineEdit;

namespace ubic {

// A name and a description, edited together.
class TNameDescEditForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNameDescEditForm(QWidget* parent = nullptr);

  // Shows Name and Description for editing, the focus on the name.
  void SetTexts(const QString& name, const QString& description);
  QString Name() const;
  QString Description() const;

 private:
  QLineEdit* FNameEdit;
  QLineEdit* FDescEdit;
};

}  // namespace ubic
