#include "optionspage.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "accessibility.h"
#include "document/document.h"
#include "document/edits.h"
#include "explainform.h"
#include "foundation/utils.h"
#include "mainform.h"
#include "model/distribution.h"
#include "model/ubicstr.h"
#include "model/valuetext.h"
#include "optionsfiles.h"
#include "sensitivityform.h"
#include "targetform.h"
#include "uitext.h"
#include "valueeditor.h"

namespace ubic {

namespace {

// Long enough to be read, short enough not to stand for a later key.
constexpr int MessageTimeout = 10000;

// A key that types a character: no command key is held with it.
bool IsTyping(const QKeyEvent& key) {
  const QString text = key.text();
  if (text.isEmpty() ||
      (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    return false;
  }
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

// One place in the bar for editors shown one at a time, as wide with none of them shown: the
// buttons after it stay where they are.
QWidget* EditorSlot(std::initializer_list<QWidget*> editors) {
  auto* slot = new QWidget;
  auto* layout = new QGridLayout(slot);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* editor : editors) {
    QSizePolicy policy = editor->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    editor->setSizePolicy(policy);
    layout->addWidget(editor, 0, 0);
  }
  return slot;
}

bool SomeValueStartsWith(const TUbicAttribute& attribute, const QString& text) {
  const int count = attribute.Scale() ? attribute.Scale()->Count() : 0;
  for (int v = 0; v < count; ++v) {
    if (ToQString(ValueText(attribute.Scale(), v)).startsWith(text, Qt::CaseInsensitive)) {
      return true;
    }
  }
  return false;
}

}  // namespace

// Pages with a grid

TGridPage::TGridPage(TUbicDocument& document, TMainForm& mainForm, TGridKind kind)
    : FDocument(document), FMainForm(mainForm) {
  FGrid = new TOptionGrid(
      kind,
      [this](TGridCell cell, const QString& text) {
        FMainForm.RunCommand([this, cell, &text] { TextEntered(cell, text); });
      },
      this);
  if (kind == TGridKind::Options) {
    Describe(FGrid, QObject::tr("Options"),
             QObject::tr(
                 "A column per option, a row per basic attribute; type a value's number or name"));
  } else {
    Describe(FGrid, QObject::tr("Evaluation"),
             QObject::tr(
                 "A column per option, a row per attribute with the evaluated values; basic values "
                 "may be typed"));
  }
  FValueEditor = new TValueEditor(this);
  FValueEditor->setVisible(false);
  Describe(FValueEditor, QObject::tr("Value"),
           QObject::tr(
               "The value of the current option on the current attribute; a value set when several "
               "are ticked"));
  connect(FValueEditor, &QComboBox::activated, this,
          [this](int index) { FMainForm.RunCommand([this, index] { ValueEditorChange(index); }); });
  connect(FValueEditor, &TValueEditor::SetToggled, this, [this](const std::string& codes) {
    FMainForm.RunCommand([this, &codes] { SetValue(FGrid->Current(), codes); });
  });
  connect(FValueEditor, &TValueEditor::WeightsEntered, this, [this](const std::string& text) {
    FMainForm.RunCommand([this, &text] { SetWeights(FGrid->Current(), text); });
  });
  connect(FGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { emit StateChanged(); });
  // The page sees the keys of its grid and value editor before they do.
  FGrid->installEventFilter(this);
  FValueEditor->installEventFilter(this);
  NameObjects({{FGrid, "Grid"}, {FValueEditor, "ValueEditor"}});
}

void TGridPage::FocusGrid() {
  FGrid->setFocus();
}

void TGridPage::Build() {
  FGrid->Build(FDocument.Model());
}

void TGridPage::ReleaseAttributes() {
  FGrid->Release(FDocument.Model());
}

void TGridPage::ShowFocus(const TEditFocus& focus) {
  TGridCell cell = FGrid->Current();
  if (focus.Option >= 0) cell.Col = focus.Option + 1;
  const TUbicAttribute* attribute = AttributeAt(FDocument.Model(), focus.Attribute);
  if (attribute != nullptr && AttributePath(attribute) == focus.Attribute) {
    if (const std::optional<int> row = FGrid->RowOf(attribute)) cell.Row = *row;
  }
  FGrid->SetCurrent({std::min(cell.Row, FGrid->GridRowCount() - 1),
                     std::min(cell.Col, FGrid->GridColCount() - 1)});
}

void TGridPage::UpdateValueEditor(bool editable) {
  const TGridCell cell = FGrid->Current();
  const TUbicAttribute* attribute = FGrid->Cells().AttributeOfRow(cell.Row);
  const bool visible = editable && attribute && cell.Col >= 1;
  FValueEditor->setVisible(visible);
  if (visible) FValueEditor->Show(*attribute, cell.Col - 1);
}

void TGridPage::ValueEditorChange(int index) {
  SetValue(FGrid->Current(), FValueEditor->SingleChoice(index));
}

void TGridPage::SetValue(TGridCell cell, const std::string& codes) {
  if (!FGrid->Cells().IsValueCell(cell)) return;
  FDocument.Run(
      edits::SetOptionValue(*FGrid->Cells().AttributeOfRow(cell.Row), cell.Col - 1, codes));
}

void TGridPage::SetWeights(TGridCell cell, const std::string& text) {
  if (!FGrid->Cells().IsValueCell(cell)) return;
  FDocument.Run(
      edits::SetOptionWeights(*FGrid->Cells().AttributeOfRow(cell.Row), cell.Col - 1, text));
}

void TGridPage::TextEntered(TGridCell cell, const QString& text) {
  if (!FGrid->Cells().IsValueCell(cell)) return;
  const TUbicAttribute& attribute = *FGrid->Cells().AttributeOfRow(cell.Row);
  const std::string typed = FromQString(text);
  if (IsWeightsText(typed)) {
    SetWeights(cell, typed);
    return;
  }
  const TParsedValueSet parsed = ParseValueSet(attribute.Scale(), typed);
  if (parsed.Unknown) {
    Say(ToQString(Format(ubicstr::UnknownAttributeValue, attribute.GetName(), *parsed.Unknown)));
    return;
  }
  SetValue(cell, parsed.Codes);
}

bool TGridPage::TypedOnGrid(const QKeyEvent& key) {
  const TGridCell cell = FGrid->Current();
  const TUbicAttribute* attribute = FGrid->Cells().AttributeOfRow(cell.Row);
  if (!FValueEditor->isVisible() || !attribute || !IsTyping(key)) return false;
  if (SomeValueStartsWith(*attribute, key.text())) return false;
  Say(QObject::tr("No value of \"%1\" starts with \"%2\"")
          .arg(ToQString(attribute->GetName()), key.text()));
  return true;
}

void TGridPage::Say(const QString& message) const {
  FMainForm.statusBar()->showMessage(message, MessageTimeout);
}

bool TGridPage::ValueKey(const QString& text) {
  if (!FValueEditor->isVisible() || text.size() != 1) return false;
  const int last = FValueEditor->count() - 1;
  const int index = text == "*" ? last : text[0].unicode() - '1';
  // The digits go as far as the scale's values; "*" is the last item.
  if (index < 0 || index > last || (index == last && text != "*")) return false;
  FMainForm.RunCommand([this, index] { ValueEditorChange(index); });
  AfterValueKey();
  return true;
}

bool TGridPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (ValueKey(key->text()) || (watched == FGrid && TypedOnGrid(*key))) return true;
  }
  return QWidget::eventFilter(watched, event);
}

// The Options page

TOptionsPage::TOptionsPage(TUbicDocument& document, TMainForm& mainForm)
    : TGridPage(document, mainForm, TGridKind::Options) {
  FOptAdd = NewOptionAction(QObject::tr("&Add option"), QObject::tr("Add|Add new option"),
                            QKeySequence("Ctrl+Ins"), &TOptionsPage::OptAddClick);
  FOptDelete = NewOptionAction(QObject::tr("&Delete option"), QObject::tr("Delete|Delete option"),
                               QKeySequence("Ctrl+Del"), &TOptionsPage::OptDeleteClick);
  FOptCut = NewOptionAction(QObject::tr("Cu&t"), QObject::tr("Cut|Cut option"),
                            QKeySequence("Ctrl+X"), &TOptionsPage::OptCutClick);
  FOptCopy = NewOptionAction(QObject::tr("&Copy"), QObject::tr("Copy|Copy option"),
                             QKeySequence("Ctrl+C"), &TOptionsPage::OptCopyClick);
  FOptPaste = NewOptionAction(QObject::tr("&Paste"), QObject::tr("Paste|Paste option"),
                              QKeySequence("Ctrl+V"), &TOptionsPage::OptPasteClick);
  // The frame's Cut, Copy and Paste own these keys and pass them on (EditCommand).
  for (QAction* action : {FOptCut, FOptCopy, FOptPaste}) {
    removeAction(action);
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  FOptDuplicate =
      NewOptionAction(QObject::tr("Dup&licate"), QObject::tr("Duplicate|Duplicate option"), {},
                      &TOptionsPage::OptDuplicateClick);
  FOptEditMenu = new QMenu(QObject::tr("&Edit"), this);
  FOptEditMenu->addActions({FOptAdd, FOptDelete});
  FOptEditMenu->addSeparator();
  FOptEditMenu->addActions({FOptCut, FOptCopy, FOptPaste, FOptDuplicate});
  FOptImport = NewOptionAction(QObject::tr("&Import options..."),
                               QObject::tr("Import|Import options from a CSV file"), {},
                               &TOptionsPage::OptImportClick);
  FOptExportOptions = NewOptionAction(
      QObject::tr("Export &options..."),
      QObject::tr("Export options|Write the options to a CSV file that Import reads"), {},
      &TOptionsPage::OptExportOptionsClick);
  FOptExport = NewOptionAction(QObject::tr("E&xport evaluation..."),
                               QObject::tr("Export|Write the evaluation results to a CSV file"), {},
                               &TOptionsPage::OptExportClick);
  FOptEditMenu->addSeparator();
  FOptEditMenu->addActions({FOptImport, FOptExportOptions, FOptExport});

  FOptNameEdit = new QLineEdit(this);
  FOptNameEdit->setVisible(false);
  Describe(FOptNameEdit, QObject::tr("Option name"), QObject::tr("The name of the current option"));
  FOptNameEdit->installEventFilter(this);
  connect(FOptNameEdit, &QLineEdit::textEdited, this, &TOptionsPage::OptNameEditChange);

  auto* bar = new QHBoxLayout;
  bar->addWidget(EditorSlot({FOptNameEdit, FValueEditor}), 1);
  FOptAddBtn = new QPushButton(QObject::tr("Add"), this);
  SetHint(FOptAddBtn, FOptAdd->toolTip() + "|" + FOptAdd->statusTip());
  connect(FOptAddBtn, &QPushButton::clicked, this,
          [this] { FMainForm.RunCommand([this] { OptAddBtnClick(); }); });
  bar->addWidget(FOptAddBtn);
  for (QAction* action : {FOptDelete, FOptCut, FOptCopy, FOptPaste, FOptDuplicate}) {
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
  layout->addWidget(FGrid, 1);
  NameObjects({{FOptNameEdit, "OptNameEdit"},
               {FOptAdd, "OptAdd"},
               {FOptDelete, "OptDelete"},
               {FOptCut, "OptCut"},
               {FOptCopy, "OptCopy"},
               {FOptPaste, "OptPaste"},
               {FOptDuplicate, "OptDuplicate"},
               {FOptImport, "OptImport"},
               {FOptExportOptions, "OptExportOptions"},
               {FOptExport, "OptExport"},
               {FOptEditMenu, "OptEditMenu"},
               {FOptAddBtn, "OptAddBtn"}});
}

QAction* TOptionsPage::NewOptionAction(const QString& caption, const QString& hint,
                                       const QKeySequence& key, void (TOptionsPage::*handler)()) {
  QAction* action = NewOwnAction(this, caption, hint, key);
  connect(action, &QAction::triggered, this,
          [this, handler] { FMainForm.RunCommand([this, handler] { (this->*handler)(); }); });
  return action;
}

int TOptionsPage::CurrentOption() const {
  const int option = FGrid->Current().Col - 1;
  return option >= 0 && option < FDocument.Model().OptionCount() ? option : -1;
}

void TOptionsPage::UpdateControls() {
  const int options = FDocument.Model().OptionCount();
  const bool hasOptions = options > 0;
  const bool pastable = !FMainForm.OptionClipboard().empty();
  FOptAdd->setEnabled(true);
  for (QAction* action : {FOptDelete, FOptCut, FOptCopy, FOptDuplicate})
    action->setEnabled(hasOptions);
  FOptPaste->setEnabled(pastable);

  FGrid->ShowOptionColumn(hasOptions);
  const TGridCell cell = FGrid->Current();
  const bool naming = hasOptions && cell.Row == 1 && cell.Col >= 1;
  FOptNameEdit->setVisible(naming);
  if (naming) {
    const QString name = FGrid->Cells().CellText(cell);
    if (FOptNameEdit->text() != name) FOptNameEdit->setText(name);
    // A name shown for another option is the one Escape goes back to.
    if (cell.Col != FNameColumn) FNameOnEntry = name;
  }
  FNameColumn = naming ? cell.Col : -1;
  UpdateValueEditor(hasOptions && cell.Row != 1);
}

void TOptionsPage::EditCommand(TEditCommand command) {
  QAction* action = command == TEditCommand::Cut    ? FOptCut
                    : command == TEditCommand::Copy ? FOptCopy
                                                    : FOptPaste;
  if (action->isEnabled()) action->trigger();
}

void TOptionsPage::AddOption(bool after) {
  int position = std::max(0, FGrid->Current().Col - 1);
  if (after && position < FDocument.Model().OptionCount()) ++position;
  // The grid moves onto the new option as the document shows where the edit went.
  FDocument.Run(edits::AddOption(position, FromQString(QObject::tr("New"))));
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
  FMainForm.CopyOptionToClipboard(FDocument.Model(), option, FGrid->Cells().Attributes());
  emit StateChanged();
}

void TOptionsPage::OptCutClick() {
  OptCopyClick();
  OptDeleteClick();
}

void TOptionsPage::OptPasteClick() {
  const std::vector<std::string>& copied = FMainForm.OptionClipboard();
  if (copied.empty()) return;
  FDocument.Run(edits::PasteOption(std::max(0, FGrid->Current().Col - 1), copied));
}

void TOptionsPage::OptDuplicateClick() {
  OptCopyClick();
  OptPasteClick();
}

void TOptionsPage::OptImportClick() {
  ImportOptionsFile(FDocument, FMainForm.Questions());
}

void TOptionsPage::OptExportOptionsClick() {
  ExportOptionsFile(FDocument.Model(), FMainForm.Questions());
}

void TOptionsPage::OptExportClick() {
  ExportEvaluationFile(FDocument.Model(), FMainForm.Questions());
}

void TOptionsPage::OptNameEditChange(const QString& text) {
  const int option = CurrentOption();
  if (option < 0 || FGrid->Current().Row != 1) return;
  FMainForm.RunCommand(
      [&] { FDocument.Run(edits::RenameOption(option, FMainForm.TypedText(FOptNameEdit, text))); });
}

bool TOptionsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FOptNameEdit) return TGridPage::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn) FNameOnEntry = FOptNameEdit->text();
  if (event->type() != QEvent::KeyPress) return false;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
      FOptNameEdit->setText(FNameOnEntry);
      OptNameEditChange(FNameOnEntry);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      NameEntered();
      return true;
    default:
      return false;
  }
}

void TOptionsPage::NameEntered() {
  // The option's values are typed next, as digits on the grid.
  const TGridCell cell = FGrid->Current();
  FGrid->setFocus();
  if (FGrid->GridRowCount() > 2) FGrid->SetCurrent({2, cell.Col});
}

bool TOptionsPage::TypedOnGrid(const QKeyEvent& key) {
  if (FGrid->Current().Row != 1 || CurrentOption() < 0 || !IsTyping(key)) {
    return TGridPage::TypedOnGrid(key);
  }
  // Escape goes back to the name the bar showed before.
  FOptNameEdit->setFocus();
  FOptNameEdit->setText(key.text());
  OptNameEditChange(key.text());
  return true;
}

void TOptionsPage::AfterValueKey() {
  const TGridCell cell = FGrid->Current();
  if (cell.Row < FGrid->GridRowCount() - 1) FGrid->SetCurrent({cell.Row + 1, cell.Col});
}

// The Evaluation page

TEvaluationPage::TEvaluationPage(TUbicDocument& document, TMainForm& mainForm,
                                 TReportTargets& reportTargets)
    : TGridPage(document, mainForm, TGridKind::Evaluation), FReportTargets(reportTargets) {
  FSensitivityBtn =
      NewAnalysisButton(QObject::tr("&Sensitivity..."),
                        QObject::tr("Sensitivity|What if each single value of the option were "
                                    "one step lower or higher"),
                        &TEvaluationPage::SensitivityBtnClick);
  FExplainBtn =
      NewAnalysisButton(QObject::tr("&Explain..."),
                        QObject::tr("Explain|Why the option has its values: the rules that decided "
                                    "them, its strong and weak points"),
                        &TEvaluationPage::ExplainBtnClick);
  FTargetBtn = NewAnalysisButton(
      QObject::tr("&Target..."),
      QObject::tr("Target|What it would take for the option to reach a value of an attribute"),
      &TEvaluationPage::TargetBtnClick);
  FMethodBox = NewMethodBox(this);
  FMethodBox->setFocusPolicy(Qt::NoFocus);
  connect(FMethodBox, &QComboBox::activated, this, [this](int index) {
    FGrid->Cells().SetMethod(static_cast<TEvaluationMethod>(FMethodBox->itemData(index).toInt()));
    Build();
  });
  // The document window puts Undo and Redo into it.
  FEvalEditMenu = new QMenu(QObject::tr("&Edit"), this);
  auto* bar = new QHBoxLayout;
  // The buttons stay where they are whether the value editor is shown or not.
  bar->addWidget(EditorSlot({FValueEditor}), 1);
  auto* methodLabel = new QLabel(QObject::tr("Method:"), this);
  methodLabel->setBuddy(FMethodBox);
  bar->addWidget(methodLabel);
  bar->addWidget(FMethodBox);
  bar->addWidget(FSensitivityBtn);
  bar->addWidget(FExplainBtn);
  bar->addWidget(FTargetBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(FGrid, 1);
  NameObjects({{FSensitivityBtn, "SensitivityBtn"},
               {FExplainBtn, "ExplainBtn"},
               {FTargetBtn, "TargetBtn"},
               {FMethodBox, "MethodBox"},
               {FEvalEditMenu, "EvalEditMenu"}});
}

QPushButton* TEvaluationPage::NewAnalysisButton(const QString& caption, const QString& hint,
                                                void (TEvaluationPage::*handler)()) {
  auto* button = new QPushButton(caption, this);
  SetHint(button, hint);
  button->setFocusPolicy(Qt::NoFocus);
  connect(button, &QPushButton::clicked, this,
          [this, handler] { FMainForm.RunCommand([this, handler] { (this->*handler)(); }); });
  return button;
}

void TEvaluationPage::UpdateControls() {
  const TUbicAttribute* attribute = FGrid->Cells().AttributeOfRow(FGrid->Current().Row);
  const bool hasOptions = FDocument.Model().OptionCount() > 0;
  UpdateValueEditor(hasOptions && attribute && attribute->IsBasic());
  FSensitivityBtn->setEnabled(hasOptions);
  FExplainBtn->setEnabled(hasOptions);
  FTargetBtn->setEnabled(hasOptions);
}

int TEvaluationPage::AnalysedOption() const {
  return std::clamp(FGrid->Current().Col - 1, 0, FDocument.Model().OptionCount() - 1);
}

void TEvaluationPage::SensitivityBtnClick() {
  if (FDocument.Model().OptionCount() == 0) return;
  TSensitivityForm form(FDocument.Model(), AnalysedOption(), this);
  form.exec();
}

void TEvaluationPage::ExplainBtnClick() {
  if (FDocument.Model().OptionCount() == 0) return;
  TExplainForm form(FDocument.Model(), AnalysedOption(), this);
  form.exec();
}

void TEvaluationPage::TargetBtnClick() {
  if (FDocument.Model().OptionCount() == 0) return;
  const int option = AnalysedOption();
  TTargetForm form(FDocument.Model(), option, FReportTargets, this);
  if (form.exec() != QDialog::Accepted || form.ChosenSolution() == nullptr) return;
  const std::string name =
      FDocument.Model().Options()[option] + FromQString(QObject::tr(" (target)"));
  FDocument.Run(edits::AddChangedOption(option, name, form.ChosenSolution()->Changes));
}

}  // namespace ubic
