#include "optionspage.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "document/edits.h"
#include "document/document.h"
#include "mainform.h"
#include "model/valuecode.h"
#include "optionsfiles.h"
#include "sensitivityform.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr char NewOptionName[] = "New";

}  // namespace

// Pages with a grid

TGridPage::TGridPage(TUbicDocument& document, TMainForm& mainForm, TGridKind kind)
    : FDocument(document), FMainForm(mainForm) {
  Grid = new TOptionGrid(kind, this);
  ValueEditor = new QComboBox(this);
  ValueEditor->setMinimumContentsLength(16);
  ValueEditor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ValueEditor->setVisible(false);
  connect(ValueEditor, &QComboBox::activated, this, [this](int index) {
    FMainForm.RunCommand([this, index] { ValueEditorChange(index); });
  });
  connect(Grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { emit StateChanged(); });
  // The page sees the keys of its grid and value editor before they do.
  Grid->installEventFilter(this);
  ValueEditor->installEventFilter(this);
}

void TGridPage::Build() {
  Grid->Build(FDocument.Model());
}

void TGridPage::UpdateValueEditor(bool editable) {
  const TGridCell cell = Grid->Current();
  const TUbicAttribute* attribute = Grid->Cells().AttributeOfRow(cell.Row);
  const bool visible = editable && attribute && cell.Col >= 1;
  ValueEditor->setVisible(visible);
  if (visible) ShowValueChoices(ValueEditor, *attribute, cell.Col - 1);
}

void TGridPage::ValueEditorChange(int index) {
  const TGridCell cell = Grid->Current();
  TUbicAttribute* attribute = Grid->Cells().AttributeOfRow(cell.Row);
  const int option = cell.Col - 1;
  if (!attribute || option < 0 || option >= FDocument.Model().OptionCount()) {
    return;
  }
  const int value = ChosenValue(ValueEditor, index);
  const bool valid = attribute->Scale() && value >= 0 && value < attribute->Scale()->Count();
  FDocument.Run(edits::SetOptionValue(*attribute, option, valid ? std::string(1, ValueCode(value)) : ""));
}

bool TGridPage::ValueKey(const QString& text) {
  if (!ValueEditor->isVisible() || text.size() != 1) return false;
  const int last = ValueEditor->count() - 1;
  const int index = text == "*" ? last : text[0].unicode() - '1';
  // The digits go as far as the scale's values; "*" is the last item.
  if (index < 0 || index > last || (index == last && text != "*")) return false;
  FMainForm.RunCommand([this, index] { ValueEditorChange(index); });
  AfterValueKey();
  return true;
}

bool TGridPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && ValueKey(static_cast<QKeyEvent*>(event)->text())) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// The Options page

TOptionsPage::TOptionsPage(TUbicDocument& document, TMainForm& mainForm)
    : TGridPage(document, mainForm, TGridKind::Options) {
  OptAdd = NewOptionAction("&Add option", "Add|Add new option", QKeySequence("Ctrl+Ins"),
                           &TOptionsPage::OptAddClick);
  OptDelete = NewOptionAction("&Delete option", "Delete|Delete option", QKeySequence("Ctrl+Del"),
                              &TOptionsPage::OptDeleteClick);
  OptCut =
      NewOptionAction("Cu&t", "Cut|Cut option", QKeySequence("Ctrl+X"), &TOptionsPage::OptCutClick);
  OptCopy = NewOptionAction("&Copy", "Copy|Copy option", QKeySequence("Ctrl+C"),
                            &TOptionsPage::OptCopyClick);
  OptPaste = NewOptionAction("&Paste", "Paste|Paste option", QKeySequence("Ctrl+V"),
                             &TOptionsPage::OptPasteClick);
  // The frame's Cut, Copy and Paste own these keys and pass them on (EditCommand).
  for (QAction* action : {OptCut, OptCopy, OptPaste}) {
    removeAction(action);
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  OptDuplicate = NewOptionAction("Dup&licate", "Duplicate|Duplicate option", {},
                                 &TOptionsPage::OptDuplicateClick);
  OptEditMenu = new QMenu("&Edit", this);
  OptEditMenu->addActions({OptAdd, OptDelete});
  OptEditMenu->addSeparator();
  OptEditMenu->addActions({OptCut, OptCopy, OptPaste, OptDuplicate});
  OptImport = NewOptionAction("&Import options...", "Import|Import options from a CSV file",
                              {}, &TOptionsPage::OptImportClick);
  OptExport =
      NewOptionAction("E&xport evaluation...", "Export|Write the evaluation results to a CSV file",
                      {}, &TOptionsPage::OptExportClick);
  OptEditMenu->addSeparator();
  OptEditMenu->addActions({OptImport, OptExport});

  OptNameEdit = new QLineEdit(this);
  OptNameEdit->setVisible(false);
  OptNameEdit->installEventFilter(this);
  connect(OptNameEdit, &QLineEdit::textEdited, this, &TOptionsPage::OptNameEditChange);

  auto* bar = new QHBoxLayout;
  bar->addWidget(OptNameEdit, 1);
  bar->addWidget(ValueEditor, 1);
  OptAddBtn = new QPushButton("Add", this);
  SetHint(OptAddBtn, OptAdd->toolTip() + "|" + OptAdd->statusTip());
  connect(OptAddBtn, &QPushButton::clicked, this,
          [this] { FMainForm.RunCommand([this] { OptAddBtnClick(); }); });
  bar->addWidget(OptAddBtn);
  for (QAction* action : {OptDelete, OptCut, OptCopy, OptPaste, OptDuplicate}) {
    auto* button = new QPushButton(action->toolTip(), this);
    SetHint(button, action->toolTip() + "|" + action->statusTip());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    bar->addWidget(button);
  }
  for (QPushButton* button : findChildren<QPushButton*>()) button->setFocusPolicy(Qt::NoFocus);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(Grid, 1);
}

QAction* TOptionsPage::NewOptionAction(const QString& caption, const QString& hint,
                                       const QKeySequence& key, void (TOptionsPage::*handler)()) {
  QAction* action = NewOwnAction(this, caption, hint, key);
  connect(action, &QAction::triggered, this, [this, handler] {
    FMainForm.RunCommand([this, handler] { (this->*handler)(); });
  });
  return action;
}

int TOptionsPage::CurrentOption() const {
  const int option = Grid->Current().Col - 1;
  return option >= 0 && option < FDocument.Model().OptionCount() ? option : -1;
}

void TOptionsPage::UpdateControls() {
  const int options = FDocument.Model().OptionCount();
  const bool hasOptions = options > 0;
  const bool pastable = !FMainForm.OptionClipboard().empty();
  OptAdd->setEnabled(true);
  for (QAction* action : {OptDelete, OptCut, OptCopy, OptDuplicate}) action->setEnabled(hasOptions);
  OptPaste->setEnabled(pastable);

  Grid->ShowOptionColumn(hasOptions);
  const TGridCell cell = Grid->Current();
  const bool naming = hasOptions && cell.Row == 1 && cell.Col >= 1;
  OptNameEdit->setVisible(naming);
  if (naming) {
    const QString name = Grid->Cells().CellText(cell);
    if (OptNameEdit->text() != name) OptNameEdit->setText(name);
    // A name shown for another option is the one Escape goes back to.
    if (cell.Col != FNameColumn) FNameOnEntry = name;
  }
  FNameColumn = naming ? cell.Col : -1;
  UpdateValueEditor(hasOptions && cell.Row != 1);
  if (FOptionAdded && cell.Col < Grid->GridColCount() - 1) {
    Grid->SetCurrent({cell.Row, cell.Col + 1});
  }
  FOptionAdded = false;
}

void TOptionsPage::EditCommand(TEditCommand command) {
  QAction* action = command == TEditCommand::Cut    ? OptCut
                    : command == TEditCommand::Copy ? OptCopy
                                                    : OptPaste;
  if (action->isEnabled()) action->trigger();
}

void TOptionsPage::AddOption(bool after) {
  int position = std::max(0, Grid->Current().Col - 1);
  if (after && position < FDocument.Model().OptionCount()) ++position;
  FOptionAdded = after;
  FDocument.Run(edits::AddOption(position, NewOptionName));
}

void TOptionsPage::OptAddBtnClick() {
  AddOption(true);
}

void TOptionsPage::OptAddClick() {
  AddOption(false);
}

void TOptionsPage::OptDeleteClick() {
  const int option = CurrentOption();
  if (option < 0) return;
  FDocument.Run(edits::DeleteOption(option));
}

void TOptionsPage::OptCopyClick() {
  const int option = CurrentOption();
  if (option < 0) return;
  FMainForm.CopyOptionToClipboard(FDocument.Model(), option, Grid->Cells().Attributes());
  emit StateChanged();
}

void TOptionsPage::OptCutClick() {
  OptCopyClick();
  OptDeleteClick();
}

void TOptionsPage::OptPasteClick() {
  const std::vector<std::string>& copied = FMainForm.OptionClipboard();
  if (copied.empty()) return;
  FDocument.Run(edits::PasteOption(std::max(0, Grid->Current().Col - 1), copied));
}

void TOptionsPage::OptDuplicateClick() {
  OptCopyClick();
  OptPasteClick();
}

void TOptionsPage::OptImportClick() {
  ImportOptionsFile(FDocument, FMainForm.Questions());
}

void TOptionsPage::OptExportClick() {
  ExportEvaluationFile(FDocument.Model(), FMainForm.Questions());
}

void TOptionsPage::OptNameEditChange(const QString& text) {
  const int option = CurrentOption();
  if (option < 0 || Grid->Current().Row != 1) return;
  FMainForm.RunCommand(
      [&] { FDocument.Run(edits::RenameOption(option, FMainForm.TypedText(OptNameEdit, text))); });
}

bool TOptionsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != OptNameEdit) return TGridPage::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn) FNameOnEntry = OptNameEdit->text();
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    OptNameEdit->setText(FNameOnEntry);
    OptNameEditChange(FNameOnEntry);
    return true;
  }
  return false;
}

void TOptionsPage::AfterValueKey() {
  const TGridCell cell = Grid->Current();
  if (cell.Row < Grid->GridRowCount() - 1) Grid->SetCurrent({cell.Row + 1, cell.Col});
}

// The Evaluation page

TEvaluationPage::TEvaluationPage(TUbicDocument& document, TMainForm& mainForm)
    : TGridPage(document, mainForm, TGridKind::Evaluation) {
  auto* bar = new QHBoxLayout;
  bar->addWidget(ValueEditor);
  SensitivityBtn = new QPushButton("&Sensitivity...", this);
  SetHint(SensitivityBtn,
          "Sensitivity|What if each single value of the option were one step "
          "lower or higher");
  SensitivityBtn->setFocusPolicy(Qt::NoFocus);
  connect(SensitivityBtn, &QPushButton::clicked, this,
          [this] { FMainForm.RunCommand([this] { SensitivityBtnClick(); }); });
  bar->addWidget(SensitivityBtn);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(Grid, 1);
}

void TEvaluationPage::UpdateControls() {
  const TUbicAttribute* attribute = Grid->Cells().AttributeOfRow(Grid->Current().Row);
  UpdateValueEditor(FDocument.Model().OptionCount() > 0 && attribute && attribute->IsBasic());
  SensitivityBtn->setEnabled(FDocument.Model().OptionCount() > 0);
}

void TEvaluationPage::SensitivityBtnClick() {
  const int options = FDocument.Model().OptionCount();
  if (options == 0) return;
  const int option = std::clamp(Grid->Current().Col - 1, 0, options - 1);
  TSensitivityForm form(FDocument.Model(), option, this);
  form.exec();
}


}  // namespace ubic
