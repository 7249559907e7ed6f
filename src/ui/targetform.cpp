#include "targetform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "accessibility.h"
#include "document/reporttargets.h"
#include "files/modelsnapshot.h"
#include "files/targettable.h"
#include "model/valuetext.h"
#include "uitext.h"
#include "windowplacement.h"

namespace ubic {
namespace {

// The aggregate attributes a target can be set for, in the order of the tree.
std::vector<const TUbicAttribute*> TargetAttributes(const TUbicModel& model) {
  std::vector<const TUbicAttribute*> attributes;
  for (const TUbicAttribute* attribute : PreOrderAttributes(model)) {
    if (!attribute->IsBasic() && attribute->Scale() != nullptr) attributes.push_back(attribute);
  }
  return attributes;
}

// The value at the good end of the scale.
int BestValue(const TUbicScale& scale) {
  return scale.Order() == TScaleOrder::Descending ? 0 : scale.Count() - 1;
}

QString Counted(int count, const QString& singular, const QString& plural) {
  return QString("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QString OutcomeText(const TTargetAnswer& answer) {
  switch (answer.Outcome) {
    case TTargetOutcome::Reached:
      return QObject::tr("The option already reaches the target.");
    case TTargetOutcome::Unreachable:
      return QObject::tr("No change reaches the target.");
    case TTargetOutcome::Reachable:
      break;
  }
  return QObject::tr("Changing %1 reaches the target, in these ways:")
      .arg(Counted(answer.ChangeCount, QObject::tr("basic value"), QObject::tr("basic values")));
}

}  // namespace

TTargetForm::TTargetForm(const TUbicModel& model, int option, TReportTargets& reportTargets,
                         QWidget* parent)
    : QDialog(parent),
      FModel(model),
      FReportTargets(reportTargets),
      FAttributes(TargetAttributes(model)),
      FAttributeCombo(new QComboBox(this)),
      FDirectionCombo(new QComboBox(this)),
      FValueCombo(new QComboBox(this)),
      FOutcomeLabel(new QLabel(this)),
      FSolutionList(new QListWidget(this)),
      FMoreLabel(new QLabel(this)),
      FReportCheck(new QCheckBox(QObject::tr("Answer in the &report"), this)),
      FReportLabel(new QLabel(this)),
      FAddOptionBtn(new QPushButton(QObject::tr("Add as &new option"), this)),
      FCloseBtn(new QPushButton(QObject::tr("Close"), this)) {
  FQuestion.Option = option;
  setWindowTitle(QObject::tr("Target for %1").arg(ToQString(model.Options()[option])));
  for (const TUbicAttribute* attribute : FAttributes) {
    FAttributeCombo->addItem(ToQString(attribute->GetName()));
  }
  FDirectionCombo->addItems({QObject::tr("at least"), QObject::tr("at most")});
  SetHint(FAddOptionBtn,
          QObject::tr("Add as new option|A copy of the option with the chosen solution's "
                      "values, after the option"));
  SetHint(FReportCheck,
          QObject::tr("Answer in the report|Answer this target in the report's Targets section"));

  // A box is otherwise read out by the item it shows, not by its label.
  Describe(FAttributeCombo, QObject::tr("Attribute"),
           QObject::tr("The attribute whose value is the target"));
  Describe(FDirectionCombo, QObject::tr("Direction"),
           QObject::tr("Whether the target is a lowest or a highest value"));
  Describe(FValueCombo, QObject::tr("Target value"),
           QObject::tr("The value the attribute is to reach"));
  Describe(FSolutionList, QObject::tr("Solutions"),
           QObject::tr("The smallest changes of the option that reach the target"));
  Describe(FCloseBtn, {}, QObject::tr("Close the target"));

  // A long solution wraps at its blanks rather than scroll sideways; its tip holds it whole.
  FSolutionList->setWordWrap(true);
  FSolutionList->setResizeMode(QListView::Adjust);
  FSolutionList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* target = new QHBoxLayout;
  target->addWidget(FDirectionCombo);
  target->addWidget(FValueCombo, 1);
  auto* targetLabel = new QLabel(QObject::tr("&Target:"), this);
  targetLabel->setBuddy(FDirectionCombo);
  auto* form = new QFormLayout;
  form->addRow(QObject::tr("&Attribute:"), FAttributeCombo);
  form->addRow(targetLabel, target);
  auto* report = new QHBoxLayout;
  report->addWidget(FReportCheck);
  report->addWidget(FReportLabel, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(FAddOptionBtn, QDialogButtonBox::AcceptRole);
  buttons->addButton(FCloseBtn, QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(FOutcomeLabel);
  layout->addWidget(FSolutionList, 1);
  layout->addWidget(FMoreLabel);
  AddWeightsRemark(*layout, model, option, this);
  layout->addLayout(report);
  layout->addWidget(buttons);
  NameObjects({{FAttributeCombo, "AttributeCombo"},
               {FDirectionCombo, "DirectionCombo"},
               {FValueCombo, "ValueCombo"},
               {FOutcomeLabel, "OutcomeLabel"},
               {FSolutionList, "SolutionList"},
               {FMoreLabel, "MoreLabel"},
               {FReportCheck, "ReportCheck"},
               {FReportLabel, "ReportLabel"},
               {FAddOptionBtn, "AddOptionBtn"},
               {FCloseBtn, "CloseBtn"}});

  connect(FAttributeCombo, &QComboBox::currentIndexChanged, this, &TTargetForm::AttributeChange);
  connect(FDirectionCombo, &QComboBox::currentIndexChanged, this, &TTargetForm::TargetChange);
  connect(FValueCombo, &QComboBox::currentIndexChanged, this, &TTargetForm::TargetChange);
  connect(FSolutionList, &QListWidget::currentRowChanged, this,
          [this](int row) { FAddOptionBtn->setEnabled(row >= 0); });
  connect(FSolutionList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(FReportCheck, &QCheckBox::clicked, this, &TTargetForm::ReportCheckClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  AttributeChange();
  resize(560, 400);
  KeepDialog(this, "TargetForm");
}

const TTargetSolution* TTargetForm::ChosenSolution() const {
  const int row = FSolutionList->currentRow();
  return row >= 0 && row < static_cast<int>(FAnswer.Solutions.size()) ? &FAnswer.Solutions[row]
                                                                      : nullptr;
}

void TTargetForm::AttributeChange() {
  const int index = FAttributeCombo->currentIndex();
  const TUbicAttribute* attribute = index >= 0 ? FAttributes[index] : nullptr;
  const QSignalBlocker blocker(FValueCombo);
  FValueCombo->clear();
  if (attribute != nullptr) {
    const TUbicScale& scale = *attribute->Scale();
    for (int v = 0; v < scale.Count(); ++v) FValueCombo->addItem(ToQString(ValueText(&scale, v)));
    FValueCombo->setCurrentIndex(BestValue(scale));
  }
  TargetChange();
}

void TTargetForm::TargetChange() {
  const int index = FAttributeCombo->currentIndex();
  FQuestion.Attribute = index >= 0 ? FAttributes[index] : nullptr;
  FQuestion.Direction =
      FDirectionCombo->currentIndex() == 0 ? TTargetDirection::AtLeast : TTargetDirection::AtMost;
  FQuestion.Value = FValueCombo->currentIndex();
  FAnswer = FQuestion.Attribute != nullptr ? FindTargetChanges(FQuestion) : TTargetAnswer{};
  ShowAnswer();
  ShowReportState();
}

void TTargetForm::ShowAnswer() {
  FOutcomeLabel->setText(FQuestion.Attribute != nullptr
                             ? OutcomeText(FAnswer)
                             : QObject::tr("The model has no aggregate attribute with a scale."));
  FSolutionList->clear();
  for (const TTargetSolution& solution : FAnswer.Solutions) {
    const QString text = QString::fromStdString(TargetSolutionText(solution));
    FSolutionList->addItem(text);
    FSolutionList->item(FSolutionList->count() - 1)->setToolTip(text);
  }
  FSolutionList->setCurrentRow(FAnswer.Solutions.empty() ? -1 : 0);
  FAddOptionBtn->setEnabled(!FAnswer.Solutions.empty());
  FMoreLabel->setText(
      Counted(FAnswer.More, QObject::tr("more solution"), QObject::tr("more solutions")));
  FMoreLabel->setVisible(FAnswer.More > 0);
}

void TTargetForm::ReportCheckClick(bool checked) {
  if (FQuestion.Attribute == nullptr) return;
  if (checked) {
    FReportTargets.Add(FModel, FQuestion);
  } else {
    FReportTargets.Remove(FModel, FQuestion);
  }
  ShowReportState();
}

void TTargetForm::ShowReportState() {
  FReportCheck->setEnabled(FQuestion.Attribute != nullptr);
  FReportCheck->setChecked(FQuestion.Attribute != nullptr &&
                           FReportTargets.Contains(FModel, FQuestion));
  const auto kept = static_cast<int>(FReportTargets.Questions(FModel).size());
  FReportLabel->setText(QObject::tr("Targets kept for the report: %1").arg(kept));
}

}  // namespace ubic
