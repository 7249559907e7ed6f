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
  Describe(FNameEdit, {}, QObject::tr("The name of the value"));
  Describe(FDescEdit, {}, QObject::tr("What the value means"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QObject::tr("&OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  Describe(ok, {}, QObject::tr("Keep the name and the description"));
  Describe(buttons->addButton(QObject::tr("&Cancel"), QDialogButtonBox::RejectRole), {},
           QObject::tr("Leave the value as it was"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow(QObject::tr("&Value"), FNameEdit);
  layout->addRow(QObject::tr("&Description"), FDescEdit);
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
