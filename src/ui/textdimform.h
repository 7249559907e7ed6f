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

  // The page size chosen, in characters.
  int TextWidth() const;
  int TextHeight() const;

 private:
  QSpinBox* FEditWidth;
  QSpinBox* FEditHeight;
  QPushButton* FOKBtn;
  QPushButton* FCancelBtn;
};

}  // namespace ubic
