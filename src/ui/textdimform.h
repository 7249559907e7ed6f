#pragma once

#include <QDialog>

class QSpinBox;
class QPushButton;

namespace ubic {

// "Text Dimensions": the page size of a text export in characters; a height of 0 makes one
// endless page.
class TTextDimForm : public QDialog {
  Q_OBJECT

 public:
  explicit TTextDimForm(QWidget* parent = nullptr);

  QSpinBox* EditWidth;
  QSpinBox* EditHeight;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};

}  // namespace ubic
