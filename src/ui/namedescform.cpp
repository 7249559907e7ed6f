#include "namedescform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "accessibility.h"
#include "uitext.h"
#include "windowplacement.h"

namespace ubic {

TNameDescEditForm::TNameDescEditForm(QWidget* parent)
    : QDialog(parent), FNameEdit(new QLineEdit(this)), FDescEdit(new QLineEdit(this)) {
  NameObjects({{FNameEdit, "NameEdit"}, {FDescEdit, "DescEdit"}});
  FDescEdit->setMinimumWidth(320);
  Describe(FNameEdit, {}, "The name of the value");
  Describe(FDescEdit, {}, "What the value means");
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  Describe(ok, {}, "Keep the name and the description");
  Describe(buttons->addButton("&Cancel", QDialogButtonBox::RejectRole), {},
           "Leave the value as it was");
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
