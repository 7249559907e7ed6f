#pragma once

#include <QDialog>
#include <memory>

#include "model/attribute.h"
#include "model/function.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace ubic {

class TRuleTableModel;
class TWeiForm;

// The editor of an aggregate attribute's decision rules. It works on its own copy of the
// function, which the caller hands to the document as one edit after OK.
class TFunctForm : public QDialog {
  Q_OBJECT

 public:
  explicit TFunctForm(QWidget* parent = nullptr);
  ~TFunctForm() override;

  // Edits a copy of Function, the attribute's function or a new one for it.
  void Setup(const TUbicAttribute* attribute, const TUbicFunction& function);
  TUbicFunction* EditedFunction() const { return FEditedFunction.get(); }
  // The index of the rule the cursor is on.
  int CurrentRule() const;
  void SetCurrentRule(int rule);

  // Applies value box item Index to the current rule, as a choice in the box does.
  void ValueComboChange(int index);
  void DeleteRule();
  // After the weights dialog applied its weights to the edited function.
  void WeightsChanged();
  void UseWeightsClick();
  void WeightsBtnClick();

  // Present while weights are available for the attribute.
  TWeiForm* WeiForm() const { return FWeiForm.get(); }

 signals:
  // The report button: the decision rules of the edited function are to be shown.
  void ReportRequested(TUbicFunction& function, const TUbicAttribute& attribute);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  // Whether the key was one of the editor's own: digits, Delete and Escape.
  bool HandleKey(const QKeyEvent& key);
  void Refill();
  void Synchronize();
  // The function's statistics and its conflicts: the partners of Rule when it has any.
  void ShowStatus(int rule);
  void AfterRuleChange();

  QComboBox* FValueCombo;
  QPushButton* FDeleteBtn;
  QPushButton* FReportBtn;
  QPushButton* FWeightsBtn;
  QCheckBox* FUseWeightsCheck;
  QTableView* FRuleGrid;
  QLabel* FStatusLine;
  // Shown while the function has conflicts: those of the current rule, or which rules conflict.
  QLabel* FConflictLine;
  QPushButton* FOkBtn;
  QPushButton* FCancelBtn;
  const TUbicAttribute* FAttribute = nullptr;
  std::unique_ptr<TUbicFunction> FEditedFunction;
  const TUbicScale* FScale = nullptr;
  std::unique_ptr<TWeiForm> FWeiForm;
  TRuleTableModel* FRuleModel;
  bool FUpdating = false;
  int FIntervalLow = 0;
  int FIntervalHigh = 0;
};

}  // namespace ubic
