#include "namedescform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "uitext.h"
#include "windowplacement.h"

namespace ubic {

TNameDescEditForm::TNameDescEditForm(QWidget* parent)
    : QDialog(parent), FNameEdit(new QLineEdit(this)), FDescEdit(new QLineEdit(this)) {
  NameObjects({{FNameEdit, "NameEdit"}, {FDescEdit, "DescEdit"}});
  FDescEdit->setMinimumWidth(320);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow("&Value", FNameEdit);
  layout->addRow("&Description", FDescEdit);
  layout->addRow(buttons);
  KeepDialog(this, "NameDescEditForm");
}

void TNameDescEditForm::SetTexts(const QString& name, const QString& description) {
  FNameEdit->setText(name);
  FDescEdit->setText(description);
  FNameEdit->setFocus();
}

QString TNameDescEditForm::Name() const {
  return FNameEdit->text();
}

QString TNameDescEditForm::Description() const {
  return FDescEdit->text();
}

}  // namespace ubic
