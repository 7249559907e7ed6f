#include "scaleform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "namedescform.h"
#include "questions.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr const char* NewValueName = "new value";

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
  NameDescEditForm = new TNameDescEditForm(this);
  OrderCombo = new QComboBox(this);
  OrderCombo->addItems({"not ordered", "ascending", "descending"});
  SetHint(OrderCombo, "Scale order");
  connect(OrderCombo, &QComboBox::activated, this, &TScaleForm::OrderComboChange);

  ValueList = new TValueListView(this);
  ValueList->setColumnCount(2);
  ValueList->setHeaderLabels({"Value", "Description"});
  ValueList->setColumnWidth(0, 221);
  ValueList->setColumnWidth(1, 220);
  ValueList->setRootIsDecorated(false);
  ValueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ValueList->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ValueList, &QTreeWidget::currentItemChanged, this, [this] { UpdateEnablement(); });
  connect(ValueList, &QTreeWidget::itemChanged, this, &TScaleForm::ValueListEdited);
  connect(ValueList, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
    if (QTreeWidgetItem* item = ValueList->itemAt(position)) ValueList->setCurrentItem(item);
    PopupMenu->popup(ValueList->viewport()->mapToGlobal(position));
  });

  AddAction =
      NewAction("&Add value", "Add|Add new value", QKeySequence("Ctrl+Ins"), &TScaleForm::AddClick);
  DeleteAction = NewAction("&Delete value", "Delete|Delete value", QKeySequence("Ctrl+Del"),
                           &TScaleForm::DeleteClick);
  EditAction = NewAction("&Edit value and description...", "Edit...|Edit value and description...",
                         QKeySequence("Ctrl+F2"), &TScaleForm::EditClick);
  EditInPlaceAction = NewAction("Edit &value", "Edit value...|Edit value...", QKeySequence("F2"),
                                &TScaleForm::EditInPlaceClick);
  BadAction =
      NewAction("&Bad value", "Bad value|Set value class as bad", {}, &TScaleForm::BadClick);
  NeutralAction = NewAction("&Neutral value", "Neutral value|Set value class as neutral", {},
                            &TScaleForm::NeutralClick);
  GoodAction =
      NewAction("&Good value", "Good value|Set value class as good", {}, &TScaleForm::GoodClick);
  UpAction = NewAction("Move &up", "Move up|Move subtree or item upwards", QKeySequence("Ctrl+Up"),
                       &TScaleForm::UpClick);
  DownAction = NewAction("Move d&own", "Move down|Move subtree or item downwards",
                         QKeySequence("Ctrl+Down"), &TScaleForm::DownClick);
  PopupMenu = new QMenu(this);
  PopupMenu->addActions({AddAction, DeleteAction});
  PopupMenu->addSeparator();
  PopupMenu->addActions({EditAction, EditInPlaceAction});
  PopupMenu->addSeparator();
  PopupMenu->addActions({BadAction, NeutralAction, GoodAction});
  PopupMenu->addSeparator();
  PopupMenu->addActions({UpAction, DownAction});

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(NewButton("Add", "Add|Add new value", AddAction));
  buttons->addWidget(NewButton("Delete", "Delete|Delete value", DeleteAction));
  buttons->addWidget(NewButton("Edit...", "Edit...|Edit description...", EditAction));
  auto* bad = NewButton("Bad", "Bad|Set value class as bad", BadAction);
  bad->setIcon(ClassIcon(0));
  buttons->addWidget(bad);
  auto* neutral = NewButton("Neutral", "Neutral|Set value class as neutral", NeutralAction);
  neutral->setIcon(ClassIcon(1));
  buttons->addWidget(neutral);
  auto* good = NewButton("Good", "Good|Set value class as good", GoodAction);
  good->setIcon(ClassIcon(2));
  buttons->addWidget(good);
  buttons->addWidget(NewButton("Up", "Move up|Move upwards", UpAction));
  buttons->addWidget(NewButton("Down", "Move down|Move value downwards", DownAction));
  buttons->addStretch(1);

  DefaultCheck = new QCheckBox("Default value for new attributes", this);
  OkBtn = new QPushButton("&OK", this);
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  connect(OkBtn, &QPushButton::clicked, this, &TScaleForm::OkClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* middle = new QHBoxLayout;
  middle->addWidget(ValueList, 1);
  middle->addLayout(buttons);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(DefaultCheck, 1);
  bottom->addWidget(OkBtn);
  bottom->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(OrderCombo);
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);
  resize(600, 360);
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

void TScaleForm::Setup(TUbicAttribute* attribute) {
  FAttribute = attribute;
  setWindowTitle("Scale " + ToQString(attribute->GetName()));
  FOrigScale = attribute->Scale();
  FNewScale = std::make_unique<TUbicDiscreteScale>();
  if (FOrigScale) {
    FNewScale->Assign(*FOrigScale);
  } else {
    FNewScale->AddValue(NewValueName);
  }
  OrderCombo->setCurrentIndex(static_cast<int>(FNewScale->Order()));
  FillList(0);
  DefaultCheck->setChecked(FOrigScale && FOrigScale == FDefaultScale);
  FSteps.clear();
  UpdateEnablement();
}

edits::TScaleChange TScaleForm::Change() const {
  auto result = std::make_shared<TUbicDiscreteScale>();
  result->Assign(*FNewScale);
  return {FSteps, std::move(result), DefaultCheck->isChecked()};
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
  QTreeWidgetItem* item = ValueList->currentItem();
  return item ? ValueList->indexOfTopLevelItem(item) : -1;
}

void TScaleForm::SelectValue(int index) {
  if (QTreeWidgetItem* item = ValueList->topLevelItem(index)) {
    ValueList->setCurrentItem(item);
    ValueList->setFocus();
  }
}

void TScaleForm::ShowRow(int index) {
  const bool updating = std::exchange(FUpdating, true);
  QTreeWidgetItem* item = ValueList->topLevelItem(index);
  item->setText(0, ToQString(FNewScale->ValueName(index)));
  item->setText(1, ToQString(FNewScale->ValueDescription(index)));
  FUpdating = updating;
}

void TScaleForm::FillList(int selected) {
  FUpdating = true;
  ValueList->clear();
  for (int i = 0; i < FNewScale->Count(); ++i) {
    auto* item = new QTreeWidgetItem(ValueList);
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
    ValueList->topLevelItem(i)->setIcon(0, ClassIcon(valueClass));
  }
  FUpdating = updating;
}

void TScaleForm::UpdateEnablement() {
  if (FUpdating || !FNewScale) return;
  const int index = SelectedIndex();
  const bool selected = index >= 0;
  const bool classes = selected && FNewScale->IsOrdered();
  DeleteAction->setEnabled(selected && FNewScale->Count() > 2);
  EditAction->setEnabled(selected);
  EditInPlaceAction->setEnabled(selected);
  BadAction->setEnabled(classes);
  NeutralAction->setEnabled(classes);
  GoodAction->setEnabled(classes);
  UpAction->setEnabled(index > 0);
  DownAction->setEnabled(selected && index < FNewScale->Count() - 1);
  OkBtn->setEnabled(FNewScale->Count() >= 2);
}

void TScaleForm::AddClick() {
  const int position = SelectedIndex() + 1;
  try {
    FNewScale->InsertValue(position, NewValueName);
  } catch (const EUbicError& error) {
    FQuestions.Error(Cp1250ToUtf8(error.what()));
    return;
  }
  FSteps.push_back({true, position});
  FUpdating = true;
  auto* item = new QTreeWidgetItem;
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  ValueList->insertTopLevelItem(position, item);
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
  FNewScale->DeleteValue(index);
  FSteps.push_back({false, index});
  FUpdating = true;
  delete ValueList->takeTopLevelItem(index);
  FUpdating = false;
  SelectValue(std::min(index, FNewScale->Count() - 1));
  UpdateIcons();
  UpdateEnablement();
}

void TScaleForm::EditClick() {
  const int index = SelectedIndex();
  if (index < 0) return;
  NameDescEditForm->setWindowTitle(QString("Arranging %1. of attribute value %2")
                                       .arg(index + 1)
                                       .arg(ToQString(FAttribute->GetName())));
  NameDescEditForm->NameEdit->setText(ToQString(FNewScale->ValueName(index)));
  NameDescEditForm->DescEdit->setText(ToQString(FNewScale->ValueDescription(index)));
  NameDescEditForm->NameEdit->setFocus();
  if (NameDescEditForm->exec() != QDialog::Accepted) return;
  FNewScale->SetValueName(index, FromQString(NameDescEditForm->NameEdit->text()));
  FNewScale->SetValueDescription(index, FromQString(NameDescEditForm->DescEdit->text()));
  ShowRow(index);
}

void TScaleForm::EditInPlaceClick() {
  if (QTreeWidgetItem* item = ValueList->currentItem()) ValueList->editItem(item, 0);
}

void TScaleForm::ValueListEdited(QTreeWidgetItem* item, int column) {
  // A name still being edited when Cancel closed the editor arrives after the scale is gone.
  if (FUpdating || column != 0 || !FNewScale) return;
  const int index = ValueList->indexOfTopLevelItem(item);
  if (index < 0) return;
  FNewScale->SetValueName(index, FromQString(item->text(0)));
  ShowRow(index);
}

void TScaleForm::OrderComboChange(int index) {
  const auto order = static_cast<TScaleOrder>(index);
  if (FUpdating || index < 0 || order == FNewScale->Order()) return;
  FNewScale->SetOrder(order);
  FNewScale->ResetThresholds();
  FillList(std::max(SelectedIndex(), 0));
  UpdateEnablement();
}

void TScaleForm::ChangeClass(const std::function<void(int)>& change) {
  const int index = SelectedIndex();
  if (index < 0) return;
  change(index);
  UpdateIcons();
  UpdateEnablement();
}

void TScaleForm::BadClick() {
  ChangeClass([this](int index) { FNewScale->SetBadThreshold(index); });
}

void TScaleForm::GoodClick() {
  ChangeClass([this](int index) { FNewScale->SetGoodThreshold(index); });
}

void TScaleForm::NeutralClick() {
  ChangeClass([this](int index) {
    TUbicDiscreteScale& scale = *FNewScale;
    if (scale.Order() == TScaleOrder::Ascending) {
      scale.SetBadThreshold(std::min(scale.BadThreshold(), index - 0.5));
      scale.SetGoodThreshold(std::max(scale.GoodThreshold(), index + 0.5));
    } else {
      scale.SetBadThreshold(std::max(scale.BadThreshold(), index + 0.5));
      scale.SetGoodThreshold(std::min(scale.GoodThreshold(), index - 0.5));
    }
  });
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
  static_cast<TValueListView*>(ValueList)->EndEdit();
  OkBtn->setFocus();
  if (FNewScale->Count() < 2) return;
  accept();
}

}  // namespace ubic
