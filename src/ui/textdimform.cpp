#include "textdimform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "windowplacement.h"

namespace ubic {

namespace {

QSpinBox* AddSizeRow(QGridLayout& grid, int row, const QString& caption, int value,
                     QWidget* parent) {
  auto* edit = new QSpinBox(parent);
  edit->setRange(0, 10'000);
  edit->setValue(value);
  auto* label = new QLabel(caption, parent);
  label->setBuddy(edit);
  grid.addWidget(label, row, 0);
  grid.addWidget(edit, row, 1);
  grid.addWidget(new QLabel("characters", parent), row, 2);
  return edit;
}

}  // namespace

TTextDimForm::TTextDimForm(QWidget* parent)
    : QDialog(parent),
      OKBtn(new QPushButton("OK", this)),
      CancelBtn(new QPushButton("Cancel", this)) {
  setWindowTitle("Text Dimensions");
  auto* grid = new QGridLayout;
  EditWidth = AddSizeRow(*grid, 0, "&Width", 80, this);
  EditHeight = AddSizeRow(*grid, 1, "&Height", 0, this);
  OKBtn->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  KeepDialog(this, "TextDimForm");
}

}  // namespace ubic
