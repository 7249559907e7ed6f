#include "scaleform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "accessibility.h"
#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "namedescform.h"
#include "questions.h"
#include "uitext.h"
#include "windowplacement.h"

namespace ubic {

namespace {

// The class icons: bad, neutral and good, in that order.
QIcon ClassIcon(int valueClass) {
  static const QColor colours[] = {QColor(Qt::red), QColor(Qt::gray), QColor(0, 128, 0)};
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(colours[valueClass].darker(150));
  painter.setBrush(colours[valueClass]);
  painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
  return QIcon(pixmap);
}

// "2 options and 1 entered rule": what a deleted value is taken from.
std::string ValueUseText(const edits::TValueUse& use) {
  std::vector<std::string> parts;
  if (use.Options > 0) {
    parts.push_back(
        Format(use.Options == 1 ? ubicstr::OptionCount : ubicstr::OptionsCount, use.Options));
  }
  if (use.Rules > 0) {
    parts.push_back(
        Format(use.Rules == 1 ? ubicstr::EnteredRuleCount : ubicstr::EnteredRulesCount, use.Rules));
  }
  return parts.size() == 2 ? parts[0] + FromQString(QObject::tr(" and ")) + parts[1]
                           : parts.front();
}

// Reports every change of a name typed in place, so that OK can follow it before the edit ends.
class TNameTypingDelegate : public QStyledItemDelegate {
 public:
  TNameTypingDelegate(std::function<void(int, const QString&)> typed, QObject* parent)
      : QStyledItemDelegate(parent), FTyped(std::move(typed)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && index.column() == 0) {
      connect(edit, &QLineEdit::textEdited, edit,
              [typed = FTyped, row = index.row()](const QString& text) { typed(row, text); });
    }
    return editor;
  }

 private:
  std::function<void(int, const QString&)> FTyped;
};

// The value list, which can end an open in-place edit and keep its text.
class TValueListView : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

  void EndEdit() {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor || state() != EditingState) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
};

}  // namespace

TScaleForm::TScaleForm(TQuestions& questions, QWidget* parent)
    : QDialog(parent), FQuestions(questions) {
  setMinimumSize(300, 300);
  FNameDescEditForm = new TNameDescEditForm(this);
  FOrderCombo = new QComboBox(this);
  FOrderCombo->addItems(
      {QObject::tr("not ordered"), QObject::tr("ascending"), QObject::tr("descending")});
  SetHint(FOrderCombo, QObject::tr("Scale order"));
  FOrderCombo->setAccessibleName(QObject::tr("Order"));
  connect(FOrderCombo, &QComboBox::activated, this, &TScaleForm::OrderComboChange);

  FValueList = new TValueListView(this);
  FValueList->setColumnCount(2);
  FValueList->setHeaderLabels({QObject::tr("Value"), QObject::tr("Description")});
  FValueList->setColumnWidth(0, 221);
  FValueList->setColumnWidth(1, 220);
  FValueList->setRootIsDecorated(false);
  Describe(FValueList, QObject::tr("Values"),
           QObject::tr("The values of the scale, from the first to the last"));
  FValueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FValueList->setContextMenuPolicy(Qt::CustomContextMenu);
  FValueList->setItemDelegate(new TNameTypingDelegate(
      [this](int index, const QString& name) { NameTyped(index, name); }, FValueList));
  connect(FValueList, &QTreeWidget::currentItemChanged, this, [this] { UpdateEnablement(); });
  connect(FValueList, &QTreeWidget::itemChanged, this, &TScaleForm::ValueListEdited);
  connect(FValueList, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
    if (QTreeWidgetItem* item = FValueList->itemAt(position)) FValueList->setCurrentItem(item);
    FPopupMenu->popup(FValueList->viewport()->mapToGlobal(position));
  });

  FAddAction = NewAction(QObject::tr("&Add value"), QObject::tr("Add|Add new value"),
                         QKeySequence("Ctrl+Ins"), &TScaleForm::AddClick);
  FDeleteAction = NewAction(QObject::tr("&Delete value"), QObject::tr("Delete|Delete value"),
                            QKeySequence("Ctrl+Del"), &TScaleForm::DeleteClick);
  FEditAction = NewAction(QObject::tr("&Edit value and description..."),
                          QObject::tr("Edit...|Edit value and description..."),
                          QKeySequence("Ctrl+F2"), &TScaleForm::EditClick);
  FEditInPlaceAction =
      NewAction(QObject::tr("Edit &value"), QObject::tr("Edit value...|Edit value..."),
                QKeySequence("F2"), &TScaleForm::EditInPlaceClick);
  FBadAction = NewAction(QObject::tr("&Bad value"), QObject::tr("Bad value|Set value class as bad"),
                         {}, &TScaleForm::BadClick);
  FNeutralAction = NewAction(QObject::tr("&Neutral value"),
                             QObject::tr("Neutral value|Set value class as neutral"), {},
                             &TScaleForm::NeutralClick);
  FGoodAction =
      NewAction(QObject::tr("&Good value"), QObject::tr("Good value|Set value class as good"), {},
                &TScaleForm::GoodClick);
  FUpAction =
      NewAction(QObject::tr("Move &up"), QObject::tr("Move up|Move subtree or item upwards"),
                QKeySequence("Ctrl+Up"), &TScaleForm::UpClick);
  FDownAction =
      NewAction(QObject::tr("Move d&own"), QObject::tr("Move down|Move subtree or item downwards"),
                QKeySequence("Ctrl+Down"), &TScaleForm::DownClick);
  FPopupMenu = new QMenu(this);
  FPopupMenu->addActions({FAddAction, FDeleteAction});
  FPopupMenu->addSeparator();
  FPopupMenu->addActions({FEditAction, FEditInPlaceAction});
  FPopupMenu->addSeparator();
  FPopupMenu->addActions({FBadAction, FNeutralAction, FGoodAction});
  FPopupMenu->addSeparator();
  FPopupMenu->addActions({FUpAction, FDownAction});

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(NewButton(QObject::tr("Add"), QObject::tr("Add|Add new value"), FAddAction));
  buttons->addWidget(
      NewButton(QObject::tr("Delete"), QObject::tr("Delete|Delete value"), FDeleteAction));
  buttons->addWidget(
      NewButton(QObject::tr("Edit..."), QObject::tr("Edit...|Edit description..."), FEditAction));
  auto* bad = NewButton(QObject::tr("Bad"), QObject::tr("Bad|Set value class as bad"), FBadAction);
  bad->setIcon(ClassIcon(0));
  buttons->addWidget(bad);
  auto* neutral = NewButton(QObject::tr("Neutral"),
                            QObject::tr("Neutral|Set value class as neutral"), FNeutralAction);
  neutral->setIcon(ClassIcon(1));
  buttons->addWidget(neutral);
  auto* good =
      NewButton(QObject::tr("Good"), QObject::tr("Good|Set value class as good"), FGoodAction);
  good->setIcon(ClassIcon(2));
  buttons->addWidget(good);
  buttons->addWidget(NewButton(QObject::tr("Up"), QObject::tr("Move up|Move upwards"), FUpAction));
  buttons->addWidget(
      NewButton(QObject::tr("Down"), QObject::tr("Move down|Move value downwards"), FDownAction));
  buttons->addStretch(1);

  FDefaultCheck = new QCheckBox(QObject::tr("Default value for new attributes"), this);
  Describe(FDefaultCheck, {}, QObject::tr("New attributes get a copy of this scale"));
  FProblemLabel = new QLabel(this);
  FProblemLabel->setWordWrap(true);
  FProblemLabel->setStyleSheet("color: #b00000");
  FOkBtn = new QPushButton(QObject::tr("&OK"), this);
  FOkBtn->setDefault(true);
  FCancelBtn = new QPushButton(QObject::tr("&Cancel"), this);
  Describe(FOkBtn, {}, QObject::tr("Keep the scale"));
  Describe(FCancelBtn, {}, QObject::tr("Leave the scale as it was"));
  connect(FOkBtn, &QPushButton::clicked, this, &TScaleForm::OkClick);
  connect(FCancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* middle = new QHBoxLayout;
  middle->addWidget(FValueList, 1);
  middle->addLayout(buttons);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(FDefaultCheck, 1);
  bottom->addWidget(FOkBtn);
  bottom->addWidget(FCancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FOrderCombo);
  layout->addLayout(middle, 1);
  layout->addWidget(FProblemLabel);
  layout->addLayout(bottom);
  NameObjects({{FNameDescEditForm, "NameDescEditForm"},
               {FOrderCombo, "OrderCombo"},
               {FValueList, "ValueList"},
               {FDefaultCheck, "DefaultCheck"},
               {FProblemLabel, "ProblemLabel"},
               {FOkBtn, "OkBtn"},
               {FCancelBtn, "CancelBtn"},
               {FAddAction, "AddAction"},
               {FDeleteAction, "DeleteAction"},
               {FEditAction, "EditAction"},
               {FEditInPlaceAction, "EditInPlaceAction"},
               {FBadAction, "BadAction"},
               {FNeutralAction, "NeutralAction"},
               {FGoodAction, "GoodAction"},
               {FUpAction, "UpAction"},
               {FDownAction, "DownAction"},
               {FPopupMenu, "PopupMenu"}});
  resize(600, 360);
  KeepDialog(this, "ScaleForm");
}

TScaleForm::~TScaleForm() = default;

QAction* TScaleForm::NewAction(const QString& caption, const QString& hint, const QKeySequence& key,
                               void (TScaleForm::*handler)()) {
  QAction* action = NewOwnAction(this, caption, hint, key);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

// A button that runs an action and follows its enablement, with a hint of its own.
QPushButton* TScaleForm::NewButton(const QString& caption, const QString& hint, QAction* action) {
  auto* button = new QPushButton(caption, this);
  SetHint(button, hint);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, action, &QAction::trigger);
  connect(action, &QAction::changed, button,
          [button, action] { button->setEnabled(action->isEnabled()); });
  return button;
}

void TScaleForm::Setup(const TUbicAttribute* attribute) {
  FAttribute = attribute;
  setWindowTitle(QObject::tr("Scale %1").arg(ToQString(attribute->GetName())));
  FOrigScale = attribute->Scale();
  FNewScale = std::make_unique<TUbicDiscreteScale>();
  if (FOrigScale) {
    FNewScale->Assign(*FOrigScale);
  } else {
    FNewScale->AddValue(FromQString(QObject::tr("new value")));
  }
  FOrderCombo->setCurrentIndex(static_cast<int>(FNewScale->Order()));
  FillList(0);
  FDefaultCheck->setChecked(FOrigScale && FOrigScale == FDefaultScale);
  FSteps.clear();
  UpdateEnablement();
}

edits::TScaleChange TScaleForm::Change() const {
  auto result = std::make_shared<TUbicDiscreteScale>();
  result->Assign(*FNewScale);
  return {FSteps, std::move(result), FDefaultCheck->isChecked()};
}

void TScaleForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (FNewScale && FNewScale->Count() == 1) EditInPlaceClick();
}

void TScaleForm::done(int result) {
  if (result != Accepted) FNewScale.reset();
  QDialog::done(result);
}

int TScaleForm::SelectedIndex() const {
  QTreeWidgetItem* item = FValueList->currentItem();
  return item ? FValueList->indexOfTopLevelItem(item) : -1;
}

void TScaleForm::SelectValue(int index) {
  if (QTreeWidgetItem* item = FValueList->topLevelItem(index)) {
    FValueList->setCurrentItem(item);
    FValueList->setFocus();
  }
}

void TScaleForm::ShowRow(int index) {
  const bool updating = std::exchange(FUpdating, true);
  QTreeWidgetItem* item = FValueList->topLevelItem(index);
  item->setText(0, ToQString(FNewScale->ValueName(index)));
  item->setText(1, ToQString(FNewScale->ValueDescription(index)));
  FUpdating = updating;
}

void TScaleForm::FillList(int selected) {
  FUpdating = true;
  FValueList->clear();
  for (int i = 0; i < FNewScale->Count(); ++i) {
    auto* item = new QTreeWidgetItem(FValueList);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    ShowRow(i);
  }
  FUpdating = false;
  UpdateIcons();
  SelectValue(selected);
}

void TScaleForm::UpdateIcons() {
  const bool updating = std::exchange(FUpdating, true);
  for (int i = 0; i < FNewScale->Count(); ++i) {
    const int valueClass = FNewScale->IsGood(i) ? 2 : FNewScale->IsBad(i) ? 0 : 1;
    FValueList->topLevelItem(i)->setIcon(0, ClassIcon(valueClass));
  }
  FUpdating = updating;
}

void TScaleForm::UpdateEnablement() {
  if (FUpdating || !FNewScale) return;
  const int index = SelectedIndex();
  const bool selected = index >= 0;
  const bool classes = selected && FNewScale->IsOrdered();
  FDeleteAction->setEnabled(selected && FNewScale->Count() > 2);
  FEditAction->setEnabled(selected);
  FEditInPlaceAction->setEnabled(selected);
  FBadAction->setEnabled(classes);
  FNeutralAction->setEnabled(classes);
  FGoodAction->setEnabled(classes);
  FUpAction->setEnabled(index > 0);
  FDownAction->setEnabled(selected && index < FNewScale->Count() - 1);
  ShowProblem(FNewScale->AcceptanceProblem());
}

void TScaleForm::ShowProblem(const std::string& problem) {
  const QString text = ToQString(problem);
  FOkBtn->setEnabled(problem.empty());
  FOkBtn->setToolTip(text);
  FProblemLabel->setText(text);
  FProblemLabel->setVisible(!problem.empty());
}

void TScaleForm::NameTyped(int index, const QString& name) {
  if (!FNewScale || index < 0 || index >= FNewScale->Count()) return;
  TUbicDiscreteScale typed;
  typed.Assign(*FNewScale);
  typed.SetValueName(index, FromQString(name));
  ShowProblem(typed.AcceptanceProblem());
}

void TScaleForm::AddClick() {
  const int position = SelectedIndex() + 1;
  try {
    FNewScale->InsertValue(position, FromQString(QObject::tr("new value")));
  } catch (const EUbicError& error) {
    FQuestions.Error(Cp1250ToUtf8(error.what()));
    return;
  }
  FSteps.push_back({true, position});
  FUpdating = true;
  auto* item = new QTreeWidgetItem;
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  FValueList->insertTopLevelItem(position, item);
  ShowRow(position);
  FUpdating = false;
  SelectValue(position);
  UpdateIcons();
  UpdateEnablement();
  EditInPlaceClick();
}

void TScaleForm::DeleteClick() {
  const int index = SelectedIndex();
  if (index < 0 || FNewScale->Count() <= 2) return;
  // The options and rules lose the value only after OK, but that is too late to ask.
  const edits::TValueUse use = edits::UseLostByDeletingValue(*FAttribute, FSteps, index);
  if ((use.Options > 0 || use.Rules > 0) &&
      FQuestions.Confirm(Cp1250ToUtf8(Format(ubicstr::DeleteUsedValue, FNewScale->ValueName(index),
                                             ValueUseText(use)))) != TAnswer::Yes) {
    return;
  }
  FNewScale->DeleteValue(index);
  FSteps.push_back({false, index});
  FUpdating = true;
  delete FValueList->takeTopLevelItem(index);
  FUpdating = false;
  SelectValue(std::min(index, FNewScale->Count() - 1));
  UpdateIcons();
  UpdateEnablement();
}

void TScaleForm::EditClick() {
  const int index = SelectedIndex();
  if (index < 0) return;
  FNameDescEditForm->setWindowTitle(QObject::tr("Arranging %1. of attribute value %2")
                                        .arg(index + 1)
                                        .arg(ToQString(FAttribute->GetName())));
  FNameDescEditForm->SetTexts(ToQString(FNewScale->ValueName(index)),
                              ToQString(FNewScale->ValueDescription(index)));
  if (FNameDescEditForm->exec() != QDialog::Accepted) return;
  FNewScale->SetValueName(index, FromQString(FNameDescEditForm->Name()));
  FNewScale->SetValueDescription(index, FromQString(FNameDescEditForm->Description()));
  ShowRow(index);
  UpdateEnablement();
}

void TScaleForm::EditInPlaceClick() {
  if (QTreeWidgetItem* item = FValueList->currentItem()) FValueList->editItem(item, 0);
}

void TScaleForm::ValueListEdited(QTreeWidgetItem* item, int column) {
  // A name still being edited when Cancel closed the editor arrives after the scale is gone.
  if (FUpdating || column != 0 || !FNewScale) return;
  const int index = FValueList->indexOfTopLevelItem(item);
  if (index < 0) return;
  FNewScale->SetValueName(index, FromQString(item->text(0)));
  ShowRow(index);
  UpdateEnablement();
}

void TScaleForm::OrderComboChange(int index) {
  const auto order = static_cast<TScaleOrder>(index);
  if (FUpdating || index < 0 || order == FNewScale->Order()) return;
  FNewScale->ChangeOrder(order);
  FillList(std::max(SelectedIndex(), 0));
  UpdateEnablement();
}

void TScaleForm::ChangeClass(TValueClass valueClass) {
  const int index = SelectedIndex();
  if (index < 0) return;
  FNewScale->SetValueClass(index, valueClass);
  UpdateIcons();
  UpdateEnablement();
}

void TScaleForm::BadClick() {
  ChangeClass(TValueClass::Bad);
}

void TScaleForm::GoodClick() {
  ChangeClass(TValueClass::Good);
}

void TScaleForm::NeutralClick() {
  ChangeClass(TValueClass::Neutral);
}

void TScaleForm::MoveValue(int offset) {
  const int index = SelectedIndex();
  const int other = index + offset;
  if (index < 0 || other < 0 || other >= FNewScale->Count()) return;
  if (offset < 0) {
    FNewScale->MoveValueUp(index);
  } else {
    FNewScale->MoveValueDown(index);
  }
  ShowRow(index);
  ShowRow(other);
  SelectValue(other);
  UpdateEnablement();
}

void TScaleForm::UpClick() {
  MoveValue(-1);
}

void TScaleForm::DownClick() {
  MoveValue(1);
}

void TScaleForm::OkClick() {
  // An open in-place edit ends first, so that its text is kept.
  static_cast<TValueListView*>(FValueList)->EndEdit();
  FOkBtn->setFocus();
  // The name just ended may be one the scale can not take.
  if (!FNewScale->AcceptanceProblem().empty()) return;
  accept();
}

}  // namespace ubic
