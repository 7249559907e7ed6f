#include "textdimform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "accessibility.h"
#include "uitext.h"
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
  grid.addWidget(new QLabel(QObject::tr("characters"), parent), row, 2);
  return edit;
}

}  // namespace

TTextDimForm::TTextDimForm(QWidget* parent)
    : QDialog(parent),
      FOKBtn(new QPushButton(QObject::tr("OK"), this)),
      FCancelBtn(new QPushButton(QObject::tr("Cancel"), this)) {
  setWindowTitle(QObject::tr("Text Dimensions"));
  auto* grid = new QGridLayout;
  FEditWidth = AddSizeRow(*grid, 0, QObject::tr("&Width"), 80, this);
  FEditHeight = AddSizeRow(*grid, 1, QObject::tr("&Height"), 0, this);
  Describe(FEditWidth, {}, QObject::tr("Characters on a line of the text file"));
  Describe(FEditHeight, {},
           QObject::tr("Lines on a page of the text file; 0 for pages without end"));
  Describe(FOKBtn, {}, QObject::tr("Write the text file"));
  Describe(FCancelBtn, {}, QObject::tr("Write no text file"));
  FOKBtn->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(FOKBtn);
  buttons->addWidget(FCancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  NameObjects({{FEditWidth, "EditWidth"},
               {FEditHeight, "EditHeight"},
               {FOKBtn, "OKBtn"},
               {FCancelBtn, "CancelBtn"}});
  connect(FOKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(FCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  KeepDialog(this, "TextDimForm");
}

int TTextDimForm::TextWidth() const {
  return FEditWidth->value();
}

int TTextDimForm::TextHeight() const {
  return FEditHeight->value();
}

}  // namespace ubic
