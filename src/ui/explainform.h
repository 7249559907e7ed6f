#pragma once

#include <QDialog>
#include <QString>

class QAction;
class QPushButton;
class QTreeWidget;

namespace ubic {

class TUbicModel;

// Why one option has its values: the attribute tree with the option's values, coloured by their
// class, beside every aggregate the rules that decided it and the inputs whose one step would
// change it; the option's strong points (good basic values) and weak points (bad ones) marked.
// The model is only read.
class TExplainForm : public QDialog {
 public:
  TExplainForm(const TUbicModel& model, int option, QWidget* parent = nullptr);

 private:
  // Puts the whole explanation on the clipboard as plain text.
  void CopyBtnClick();

  QTreeWidget* FTree;
  QAction* FCopy;
  QPushButton* FCopyBtn;
  QPushButton* FCloseBtn;
  QString FText;
};

}  // namespace ubic
