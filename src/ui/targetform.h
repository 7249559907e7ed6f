#pragma once

#include <QDialog>
#include <vector>

#include "model/target.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ubic {

class TReportTargets;
class TUbicModel;

// What it would take for one option to reach a value of an aggregate attribute: the ways of
// changing the fewest basic values, found anew whenever the target changes. The model is only
// read; a solution chosen to become a new option closes the dialog as accepted, and the target
// asked can be kept among the report's.
class TTargetForm : public QDialog {
 public:
  TTargetForm(const TUbicModel& model, int option, TReportTargets& reportTargets,
              QWidget* parent = nullptr);

  // The target as chosen.
  const TTargetQuestion& Question() const { return FQuestion; }
  // The solution the user chose to add as a new option; nil while none is chosen.
  const TTargetSolution* ChosenSolution() const;

 private:
  // Fills the value list with the attribute's values, the best one chosen.
  void AttributeChange();
  // Reads the target from the controls and lists its solutions.
  void TargetChange();
  void ShowAnswer();
  void ReportCheckClick(bool checked);
  void ShowReportState();

  const TUbicModel& FModel;
  TReportTargets& FReportTargets;
  std::vector<const TUbicAttribute*> FAttributes;
  TTargetQuestion FQuestion;
  TTargetAnswer FAnswer;

  QComboBox* FAttributeCombo;
  QComboBox* FDirectionCombo;
  QComboBox* FValueCombo;
  QLabel* FOutcomeLabel;
  QListWidget* FSolutionList;
  QLabel* FMoreLabel;
  QCheckBox* FReportCheck;
  QLabel* FReportLabel;
  QPushButton* FAddOptionBtn;
  QPushButton* FCloseBtn;
};

}  // namespace ubic
