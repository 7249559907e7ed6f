#include "namedescform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace ubic {

TNameDescEditForm::TNameDescEditForm(QWidget* parent) : QDialog(parent) {
  NameEdit = new QLineEdit(this);
  DescEdit = new QLineEdit(this);
  DescEdit->setMinimumWidth(320);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow("&Value", NameEdit);
  layout->addRow("&Description", DescEdit);
  layout->addRow(buttons);
}

}  // namespace ubic
