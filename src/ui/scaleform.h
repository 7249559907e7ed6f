#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "model/attribute.h"
#include "model/function.h"
#include "model/scale.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ubic {

class TNameDescEditForm;
class TQuestions;

// The editor of an attribute's scale. It edits a new scale and copies of the functions that
// depend on it; only the attribute's option values follow in place, and the caller restores
// them on Cancel.
class TScaleForm : public QDialog {
  Q_OBJECT

 public:
  TScaleForm(TQuestions& questions, QWidget* parent = nullptr);
  ~TScaleForm() override;

  // The scale new attributes copy: set before Setup, read back after OK.
  TUbicScale* DefaultScale() const { return FDefaultScale; }
  void SetDefaultScale(TUbicScale* scale) { FDefaultScale = scale; }
  void Setup(TUbicAttribute* attribute);
  const TUbicDiscreteScale* NewScale() const { return FNewScale.get(); }
  const TUbicFunction* OwnFunction() const { return FOwnFunction.get(); }
  const TUbicFunction* ParentFunction() const { return FParentFunction.get(); }
  // After OK: the attribute gets the new scale and the adapted functions, which are completed
  // anew against the new scale.
  void TakeResults(TUbicAttribute& attribute);
  // After Cancel: the adapted functions go.
  void DiscardResults();

  int SelectedIndex() const;
  void SelectValue(int index);

  void AddClick();
  void DeleteClick();
  void EditClick();
  void EditInPlaceClick();
  void BadClick();
  void NeutralClick();
  void GoodClick();
  void UpClick();
  void DownClick();
  void OrderComboChange(int index);
  void OkClick();

  QComboBox* OrderCombo;
  QTreeWidget* ValueList;
  QCheckBox* DefaultCheck;
  QPushButton* OkBtn;
  QPushButton* CancelBtn;
  QAction* AddAction;
  QAction* DeleteAction;
  QAction* EditAction;
  QAction* EditInPlaceAction;
  QAction* BadAction;
  QAction* NeutralAction;
  QAction* GoodAction;
  QAction* UpAction;
  QAction* DownAction;
  QMenu* PopupMenu;
  TNameDescEditForm* NameDescEditForm;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  QAction* NewAction(const QString& caption, const QString& hint, const QKeySequence& key,
                     void (TScaleForm::*handler)());
  QPushButton* NewButton(const QString& caption, const QString& hint, QAction* action);
  void FillList(int selected);
  void ShowRow(int index);
  void UpdateIcons();
  void UpdateEnablement();
  void ValueListEdited(QTreeWidgetItem* item, int column);
  void MoveValue(int offset);
  // Changes the class of the selected value through the thresholds.
  void ChangeClass(const std::function<void(int)>& change);

  TQuestions& FQuestions;
  TUbicAttribute* FAttribute = nullptr;
  TUbicScale* FOrigScale = nullptr;
  TUbicScale* FDefaultScale = nullptr;
  std::unique_ptr<TUbicDiscreteScale> FNewScale;
  std::unique_ptr<TUbicFunction> FOwnFunction;
  std::unique_ptr<TUbicFunction> FParentFunction;
  bool FUpdating = false;
};

}  // namespace ubic
