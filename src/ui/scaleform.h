#pragma once

#include <QDialog>
#include <memory>

#include "document/edits.h"
#include "model/attribute.h"
#include "model/function.h"
#include "model/scale.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ubic {

class TNameDescEditForm;
class TQuestions;

// The editor of an attribute's scale. It edits a new scale and notes the values it inserts and
// deletes, which the caller hands to the document as one edit after OK; the model is not touched
// meanwhile.
class TScaleForm : public QDialog {
  Q_OBJECT

 public:
  TScaleForm(TQuestions& questions, QWidget* parent = nullptr);
  ~TScaleForm() override;

  // The scale new attributes copy, set before Setup; the change says whether it is the new one.
  void SetDefaultScale(const TUbicScale* scale) { FDefaultScale = scale; }
  void Setup(const TUbicAttribute* attribute);
  const TUbicDiscreteScale* NewScale() const { return FNewScale.get(); }
  // After OK: what was done to the scale.
  edits::TScaleChange Change() const;

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
  // OK waits for an acceptable scale, and the dialog says what keeps it back.
  void ShowProblem(const std::string& problem);
  // The problem of the scale with the name being typed in place for the value at Index.
  void NameTyped(int index, const QString& name);
  void ValueListEdited(QTreeWidgetItem* item, int column);
  void MoveValue(int offset);
  void ChangeClass(TValueClass valueClass);

  TQuestions& FQuestions;
  QComboBox* FOrderCombo;
  QTreeWidget* FValueList;
  QCheckBox* FDefaultCheck;
  QLabel* FProblemLabel;
  QPushButton* FOkBtn;
  QPushButton* FCancelBtn;
  QAction* FAddAction;
  QAction* FDeleteAction;
  QAction* FEditAction;
  QAction* FEditInPlaceAction;
  QAction* FBadAction;
  QAction* FNeutralAction;
  QAction* FGoodAction;
  QAction* FUpAction;
  QAction* FDownAction;
  QMenu* FPopupMenu;
  TNameDescEditForm* FNameDescEditForm;
  const TUbicAttribute* FAttribute = nullptr;
  const TUbicScale* FOrigScale = nullptr;
  const TUbicScale* FDefaultScale = nullptr;
  std::unique_ptr<TUbicDiscreteScale> FNewScale;
  std::vector<edits::TScaleChange::TStep> FSteps;
  bool FUpdating = false;
};

}  // namespace ubic
