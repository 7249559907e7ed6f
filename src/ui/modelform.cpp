#include "modelform.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "accessibility.h"
#include "document/edits.h"
#include "files/modelio.h"
#include "foundation/utils.h"
#include "functform.h"
#include "graphspage.h"
#include "mainform.h"
#include "model/conflicts.h"
#include "model/ubicstr.h"
#include "modeltree.h"
#include "optionspage.h"
#include "scaleform.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr int ModelPage = 0;
constexpr int OptionsPageIndex = 1;
constexpr int EvaluationPageIndex = 2;
constexpr int GraphsPageIndex = 3;
// Rule tables up to this size are made without a word; up to the second limit after a warning.
constexpr int SmallTableRules = 200;
constexpr int LargestTableRules = 1000;

// Qt reads "[*]" in a window title as the place of its modified mark; ours is literal text.
QString LiteralTitle(QString title) {
  return title.replace("[*]", "[*][*]");
}

// Written only when different, so that typing keeps the cursor where it is; a new text shows
// its beginning.
void ShowText(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  edit->setText(text);
  edit->setCursorPosition(0);
}

// Every page's menu begins with Undo and Redo, as the Model page's does.
void BeginWithUndo(QMenu* menu, const QList<QAction*>& undoActions) {
  QAction* first = menu->actions().value(0);
  menu->insertActions(first, undoActions);
  if (first) menu->insertSeparator(first);
}

// Triggers an action when the watched widget is clicked.
class TClickFilter : public QObject {
 public:
  TClickFilter(QAction* action, QObject* parent) : QObject(parent), FAction(action) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && FAction->isEnabled()) FAction->trigger();
    return QObject::eventFilter(watched, event);
  }

 private:
  QAction* FAction;
};

}  // namespace

TModelForm::TModelForm(TMainForm& mainForm, std::unique_ptr<TUbicDocument> document)
    : FMainForm(mainForm), FDocument(std::move(document)) {
  setMinimumSize(400, 200);
  CreateModelActions();
  FFunctForm = new TFunctForm(this);
  connect(FFunctForm, &TFunctForm::ReportRequested, this,
          [this](TUbicFunction& function, const TUbicAttribute& attribute) {
            FMainForm.ShowFunctionReport(function, attribute);
          });
  FScaleForm = new TScaleForm(FMainForm.Questions(), this);
  FPageControl = new QTabWidget(this);
  FPageControl->addTab(CreateModelPage(), QObject::tr("&Model"));
  FOptionsPage = new TOptionsPage(Document(), FMainForm);
  FPageControl->addTab(FOptionsPage, QObject::tr("&Options"));
  FEvaluationPage = new TEvaluationPage(Document(), FMainForm, FReportTargets);
  FPageControl->addTab(FEvaluationPage, QObject::tr("Eva&luation"));
  FGraphsPage = new TGraphsPage(Document(), FMainForm);
  FPageControl->addTab(FGraphsPage, QObject::tr("&Graphs"));
  // The tabs' tips are what assistive technology says of the pages.
  FPageControl->setTabToolTip(ModelPage,
                              QObject::tr("The attribute tree, scales and utility functions"));
  FPageControl->setTabToolTip(OptionsPageIndex,
                              QObject::tr("The options by the values of basic attributes"));
  FPageControl->setTabToolTip(EvaluationPageIndex,
                              QObject::tr("The options evaluated on every attribute"));
  FPageControl->setTabToolTip(GraphsPageIndex,
                              QObject::tr("Graphs of chosen attributes and options"));
  for (QMenu* menu :
       {FOptionsPage->PageMenu(), FEvaluationPage->PageMenu(), FGraphsPage->PageMenu()}) {
    BeginWithUndo(menu, FMainForm.UndoActions());
  }
  connect(FPageControl, &QTabWidget::currentChanged, this, &TModelForm::PageChange);
  FStatusBar = new QStatusBar(this);
  FStatusBar->setSizeGripEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FPageControl);
  layout->addWidget(FStatusBar);
  for (TGridPage* page : GridPages()) {
    connect(page, &TGridPage::StateChanged, this, &TModelForm::UpdateControls);
  }
  connect(FGraphsPage, &TGraphsPage::StateChanged, this, &TModelForm::UpdateControls);
  NameObjects({{FPageControl, "PageControl"},
               {FOptionsPage, "OptionsPage"},
               {FEvaluationPage, "EvaluationPage"},
               {FGraphsPage, "GraphsPage"},
               {FModTreeView, "ModTreeView"},
               {FModNameEdit, "ModNameEdit"},
               {FModDescEdit, "ModDescEdit"},
               {FModScaleBtn, "ModScaleBtn"},
               {FModScaleCombo, "ModScaleCombo"},
               {FModFunctGroup, "ModFunctGroup"},
               {FModFunctBtn, "ModFunctBtn"},
               {FModFunctText, "ModFunctText"},
               {FStatusBar, "StatusBar"},
               {FModAdd, "ModAdd"},
               {FModDelete, "ModDelete"},
               {FModCut, "ModCut"},
               {FModCopy, "ModCopy"},
               {FModPaste, "ModPaste"},
               {FModDuplicate, "ModDuplicate"},
               {FModUp, "ModUp"},
               {FModDown, "ModDown"},
               {FModScale, "ModScale"},
               {FModDelScale, "ModDelScale"},
               {FModFunct, "ModFunct"},
               {FModDelFunct, "ModDelFunct"},
               {FModEditMenu, "ModEditMenu"},
               {FModPopupMenu, "ModPopupMenu"},
               {FFunctForm, "FunctForm"},
               {FScaleForm, "ScaleForm"}});

  FModTreeView->Fill(*Model().Root());
  if (FModTreeView->topLevelItemCount() > 0) {
    FModTreeView->setCurrentItem(FModTreeView->topLevelItem(0));
  }
  FDocument->AddObserver(this);
}

TModelForm::~TModelForm() {
  FDocument->RemoveObserver(this);
  // The nodes point into the model: they go first, without refreshing a window that is going.
  FModTreeView->blockSignals(true);
  FModTreeView->clear();
}

QAction* TModelForm::NewModelAction(const QString& caption, const QString& hint,
                                    const QKeySequence& key, void (TModelForm::*handler)()) {
  QAction* action = NewOwnAction(this, caption, hint, key);
  if (handler) {
    connect(action, &QAction::triggered, this,
            [this, handler] { FMainForm.RunCommand([this, handler] { (this->*handler)(); }); });
  }
  return action;
}

void TModelForm::CreateModelActions() {
  FModAdd = NewModelAction(QObject::tr("&Add attribute"), QObject::tr("Add|Add new attribute"),
                           QKeySequence("Ctrl+Ins"), &TModelForm::ModAddBtnClick);
  FModDelete = NewModelAction(QObject::tr("&Delete subtree or item"),
                              QObject::tr("Delete|Delete subtree or item"),
                              QKeySequence("Ctrl+Del"), &TModelForm::ModDeleteBtnClick);
  FModCut = NewModelAction(QObject::tr("Cu&t"), QObject::tr("Cut|Cut subtree or item"),
                           QKeySequence("Ctrl+X"), &TModelForm::ModCutBtnClick);
  FModCopy = NewModelAction(QObject::tr("&Copy"), QObject::tr("Copy|Copy subtree or item"),
                            QKeySequence("Ctrl+C"), &TModelForm::ModCopyBtnClick);
  FModPaste = NewModelAction(QObject::tr("&Paste"), QObject::tr("Paste|Paste subtree or item"),
                             QKeySequence("Ctrl+V"), &TModelForm::ModPasteBtnClick);
  // The frame's Cut, Copy and Paste own these keys and pass them on (EditCommand), so that they
  // act on the edit fields as well; here the keys are only shown.
  for (QAction* action : {FModCut, FModCopy, FModPaste}) {
    removeAction(action);
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  FModDuplicate =
      NewModelAction(QObject::tr("Dup&licate"), QObject::tr("Duplicate|Duplicate subtree or item"),
                     QKeySequence("Ctrl+2"), &TModelForm::ModDuplicateBtnClick);
  FModUp =
      NewModelAction(QObject::tr("Move &up"), QObject::tr("Move up|Move subtree or item upwards"),
                     QKeySequence("Ctrl+Up"), &TModelForm::ModUpBtnClick);
  FModDown = NewModelAction(QObject::tr("Move d&own"),
                            QObject::tr("Move down|Move subtree or item downwards"),
                            QKeySequence("Ctrl+Down"), &TModelForm::ModDownBtnClick);
  // Ctrl+Z belongs to Undo, so Scale... has no key.
  FModScale = NewModelAction(QObject::tr("S&cale..."), QObject::tr("Scale|Change scale"), {},
                             &TModelForm::ModScaleClick);
  FModDelScale = NewModelAction(QObject::tr("Delete domai&n"), QObject::tr("Delete scale"), {},
                                &TModelForm::ModDelScaleClick);
  FModFunct = NewModelAction(QObject::tr("&Utility function..."),
                             QObject::tr("Utility function|Change utility function"),
                             QKeySequence("Ctrl+F"), &TModelForm::ModFunctClick);
  FModDelFunct = NewModelAction(QObject::tr("Delete function"), QObject::tr("Delete function"), {},
                                &TModelForm::ModDelFunctClick);

  FModEditMenu = new QMenu(QObject::tr("&Edit"), this);
  FModEditMenu->menuAction()->setStatusTip(QObject::tr("Edit model structure"));
  FModEditMenu->addActions(FMainForm.UndoActions());
  FModEditMenu->addSeparator();
  FModPopupMenu = new QMenu(this);
  for (QMenu* menu : {FModEditMenu, FModPopupMenu}) {
    menu->addActions({FModAdd, FModDelete});
    menu->addSeparator();
    menu->addActions({FModCut, FModCopy, FModPaste, FModDuplicate});
    menu->addSeparator();
    menu->addActions({FModUp, FModDown});
  }
  FModEditMenu->addSeparator();
  FModEditMenu->addActions({FModScale, FModDelScale});
  FModEditMenu->addSeparator();
  FModEditMenu->addActions({FModFunct, FModDelFunct});
}

QWidget* TModelForm::CreateModelPage() {
  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->setChildrenCollapsible(false);
  splitter->setObjectName("ModSplitter");

  auto* treePanel = new QWidget(splitter);
  auto* treeLayout = new QHBoxLayout(treePanel);
  FModTreeView = new TModelTreeView(treePanel);
  FModTreeView->CanDrop = [this](TAttributeItem* target) { return ModTreeViewCanDrop(target); };
  FModTreeView->Drop = [this](TAttributeItem* target) {
    FMainForm.RunCommand([this, target] { ModTreeViewDragDrop(target); });
  };
  Describe(
      FModTreeView, QObject::tr("Attributes"),
      QObject::tr("The attribute tree of the model; each attribute's inputs are its children"));
  connect(FModTreeView, &QTreeWidget::currentItemChanged, this, [this] { UpdateControls(); });
  connect(FModTreeView, &QWidget::customContextMenuRequested, this, &TModelForm::ModTreeViewPopup);
  treeLayout->addWidget(FModTreeView, 1);
  auto* buttons = new QVBoxLayout;
  for (QAction* action :
       {FModAdd, FModDelete, FModCut, FModCopy, FModPaste, FModDuplicate, FModUp, FModDown}) {
    auto* button = new QPushButton(action->toolTip(), treePanel);
    button->setToolTip(action->toolTip());
    button->setStatusTip(action->statusTip());
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    buttons->addWidget(button);
    FModButtons.push_back(button);
  }
  buttons->addStretch();
  treeLayout->addLayout(buttons);

  auto* attributePanel = new QWidget(splitter);
  // The panel keeps room for its fields however far the splitter is dragged.
  attributePanel->setMinimumWidth(201);
  auto* panel = new QVBoxLayout(attributePanel);

  auto* attributeGroup = new QGroupBox(QObject::tr("Attribute"), attributePanel);
  auto* attributeLayout = new QFormLayout(attributeGroup);
  FModNameEdit = new QLineEdit(attributeGroup);
  FModDescEdit = new QLineEdit(attributeGroup);
  Describe(FModNameEdit, {}, QObject::tr("The name of the selected attribute"));
  Describe(FModDescEdit, {}, QObject::tr("The description of the selected attribute"));
  attributeLayout->addRow(QObject::tr("&Name"), FModNameEdit);
  attributeLayout->addRow(QObject::tr("De&scription"), FModDescEdit);
  connect(FModNameEdit, &QLineEdit::textEdited, this, &TModelForm::ModNameEditChange);
  connect(FModDescEdit, &QLineEdit::textEdited, this, &TModelForm::ModDescEditChange);

  auto* scaleGroup = new QGroupBox(QObject::tr("S&cale"), attributePanel);
  auto* scaleLayout = new QHBoxLayout(scaleGroup);
  FModScaleBtn = new QPushButton(QObject::tr("Scale..."), scaleGroup);
  SetHint(FModScaleBtn, QObject::tr("Scale|Change scale"));
  connect(FModScaleBtn, &QPushButton::clicked, this,
          [this] { FMainForm.RunCommand([this] { ModScaleClick(); }); });
  FModScaleCombo = new QComboBox(scaleGroup);
  FModScaleCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  FModScaleCombo->setMinimumContentsLength(12);
  Describe(FModScaleCombo, QObject::tr("Scale"),
           QObject::tr("The scale of the selected attribute, chosen among the model's scales"));
  connect(FModScaleCombo, &QComboBox::activated, this, [this](int index) {
    FMainForm.RunCommand([this, index] { ModScaleComboChange(index); });
  });
  scaleLayout->addWidget(FModScaleBtn);
  scaleLayout->addWidget(FModScaleCombo, 1);

  FModFunctGroup = new QGroupBox(QObject::tr("&Utility function"), attributePanel);
  auto* functLayout = new QHBoxLayout(FModFunctGroup);
  FModFunctBtn = new QPushButton(QObject::tr("Function..."), FModFunctGroup);
  SetHint(FModFunctBtn, QObject::tr("Utility function|Change utility function"));
  connect(FModFunctBtn, &QPushButton::clicked, FModFunct, &QAction::trigger);
  // Wrapped, so that the conflicts and what fills the open rules, said last, stay in sight.
  FModFunctText = new QLabel(FModFunctGroup);
  FModFunctText->setTextFormat(Qt::PlainText);
  FModFunctText->setWordWrap(true);
  FModFunctText->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  FModFunctText->installEventFilter(new TClickFilter(FModFunct, FModFunctText));
  functLayout->addWidget(FModFunctBtn);
  functLayout->addWidget(FModFunctText, 1);

  panel->addWidget(attributeGroup);
  panel->addWidget(scaleGroup);
  panel->addWidget(FModFunctGroup);
  panel->addStretch();
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  return splitter;
}

// Documents

QString TModelForm::Caption() const {
  return ToQString(Format(ubicstr::DocumentCaption, Model().DisplayName(),
                          Document().Modified() ? "*" : "", FileName()));
}

bool TModelForm::SaveModel() {
  if (FileName().empty()) return SaveDialog(Cp1250ToUtf8(Model().DisplayName()) + ".ubm");
  if (!MayWriteOwnFile()) return false;
  Document().Save();
  FMainForm.AddRecentFile(FileName());
  return true;
}

bool TModelForm::MayWriteOwnFile() {
  TQuestions& questions = FMainForm.Questions();
  if (!FMainForm.MayWriteFile(*this, FileName())) return false;
  // A file this window did not read or write, such as the own file beside a foreign one it was
  // read from, may hold another model.
  if (Document().WouldReplaceOtherFile(FileName())) {
    return questions.Confirm(Utf8Message(ubicstr::OverwriteFile, FileName()), true) == TAnswer::Yes;
  }
  if (!Document().FileChangedOnDisk()) return true;
  if (questions.WarnYesNo(Utf8Message(ubicstr::FileChangedOnDisk, FileName())) == TAnswer::Yes) {
    return true;
  }
  // The user has seen this change and keeps both: coming back to the window asks no more.
  Document().KeepAgainstDisk();
  return false;
}

bool TModelForm::SaveModelAs() {
  return SaveDialog(FileName().empty() ? Cp1250ToUtf8(Model().DisplayName()) + ".ubm" : FileName());
}

bool TModelForm::SaveDialog(const std::string& proposedName) {
  TQuestions& questions = FMainForm.Questions();
  // The file written, and the own file that the window holds afterwards, may not be another
  // window's.
  const auto mayWrite = [this](const TFileChoice& choice) {
    return FMainForm.MayWriteFile(*this, choice.FileName) &&
           FMainForm.MayWriteFile(*this, WithOwnExtension(choice.FileName));
  };
  const auto choice =
      ChooseFileToWrite(questions,
                        {QObject::tr("Save file").toStdString(),
                         {QObject::tr("Decision model Ubic (*.ubm)").toStdString(),
                          QObject::tr("Model jKIV (*.xml)").toStdString(),
                          QObject::tr("KIV ASCII Interchange (*.kvx)").toStdString(),
                          QObject::tr("All files (*.*)").toStdString()},
                         "ubm",
                         proposedName},
                        mayWrite);
  if (!choice) return false;
  // The filter entry chosen decides the format; under "All files" the name's extension does.
  const TModelFormat format = choice->FilterIndex == 1   ? TModelFormat::Own
                              : choice->FilterIndex == 2 ? TModelFormat::Jkiv
                              : choice->FilterIndex == 3 ? TModelFormat::Kvx
                                                         : FormatOfFile(choice->FileName);
  // What the format loses is told before anything is written, so that the user can still keep
  // the file as it is.
  // The own format loses nothing, and is not written twice for it.
  const std::string remarks =
      format == TModelFormat::Own ? std::string() : ExportModel(Model(), format).Remarks;
  if (!remarks.empty() && questions.WarnOkCancel(Utf8Message(
                              ubicstr::ExportLosses, Cp1250ToUtf8(remarks))) != TAnswer::Ok) {
    return false;
  }
  Document().SaveAs(choice->FileName, format);
  FMainForm.AddRecentFile(choice->FileName);
  return true;
}

bool TModelForm::CloseQuery() {
  if (!Document().Modified()) return true;
  // The model's name is Windows-1250, the file name already UTF-8.
  const std::string name = Cp1250ToUtf8(Model().DisplayName());
  const std::string question = FileName().empty()
                                   ? Utf8Message(ubicstr::SaveModelAs, name)
                                   : Utf8Message(ubicstr::SaveModelAsFile, name, FileName());
  switch (FMainForm.Questions().Confirm(question, true)) {
    case TAnswer::Yes: {
      // A failed write or a cancelled save dialog keeps the window: nothing is lost.
      bool saved = false;
      FMainForm.RunCommand([this, &saved] { saved = SaveModel(); });
      return saved;
    }
    case TAnswer::No:
      return true;
    default:
      return false;
  }
}

void TModelForm::closeEvent(QCloseEvent* event) {
  if (FCloseAllowed || CloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// Refresh

QMenu* TModelForm::PageMenu() const {
  switch (FPageControl->currentIndex()) {
    case ModelPage:
      return FModEditMenu;
    case OptionsPageIndex:
      return FOptionsPage->PageMenu();
    case EvaluationPageIndex:
      return FEvaluationPage->PageMenu();
    case GraphsPageIndex:
      return FGraphsPage->PageMenu();
    default:
      return nullptr;
  }
}

void TModelForm::PageChange(int page) {
  FMainForm.RunCommand([this] { BuildPage(); });
  if (page == OptionsPageIndex) FOptionsPage->FocusGrid();
  if (page == EvaluationPageIndex) FEvaluationPage->FocusGrid();
  UpdateControls();
}

void TModelForm::BuildPage() {
  switch (FPageControl->currentIndex()) {
    case OptionsPageIndex:
      FOptionsPage->Build();
      break;
    case EvaluationPageIndex:
      FEvaluationPage->Build();
      break;
    case GraphsPageIndex:
      FGraphsPage->Build();
      break;
    default:
      break;
  }
}

void TModelForm::UpdateControls() {
  if (FUpdating) return;
  FUpdating = true;
  struct TUpdatingEnd {
    bool& Flag;
    ~TUpdatingEnd() { Flag = false; }
  } updatingEnd{FUpdating};
  setWindowTitle(LiteralTitle(Caption()));
  FStatusBar->showMessage(ToQString(Model().Statistics().Text()));
  UpdateModelPage();
  // The keys of the Model page's commands belong to the page's menu on the other pages.
  if (FPageControl->currentIndex() != ModelPage) {
    for (QAction* action : actions()) action->setEnabled(false);
  }
  // A page's grid or tree is read from the model only while the page is shown: the others may
  // still name attributes deleted since.
  switch (FPageControl->currentIndex()) {
    case OptionsPageIndex:
      FOptionsPage->UpdateControls();
      break;
    case EvaluationPageIndex:
      FEvaluationPage->UpdateControls();
      break;
    case GraphsPageIndex:
      FGraphsPage->UpdateControls();
      break;
    default:
      break;
  }
  FMainForm.DocumentChanged(this);
}

void TModelForm::UpdateModelPage() {
  const TUbicAttribute* attribute = SelectedAttribute();
  const TUbicAttribute* parent = attribute ? attribute->Parent() : nullptr;
  const int index = parent ? parent->IndexOfInput(attribute) : -1;
  const TUbicAttribute* root = Model().Root();
  const bool several =
      root->InputCount() > 1 || (root->InputCount() == 1 && !root->Input(0)->IsBasic());
  FModAdd->setEnabled(attribute);
  FModDelete->setEnabled(attribute && several);
  // Cutting the only top-level attribute would leave a model to which nothing can be added.
  FModCut->setEnabled(attribute && several && !(parent == root && root->InputCount() == 1));
  FModCopy->setEnabled(attribute);
  FModPaste->setEnabled(attribute && FMainForm.SubtreeClipboard());
  FModDuplicate->setEnabled(attribute);
  FModUp->setEnabled(attribute && index > 0);
  FModDown->setEnabled(attribute && parent && index < parent->InputCount() - 1);
  FModScale->setEnabled(attribute);
  FModDelScale->setEnabled(attribute && attribute->Scale());
  FModFunct->setEnabled(attribute && !attribute->IsBasic() &&
                        (attribute->Funct() || attribute->CanHaveFunction()));
  FModDelFunct->setEnabled(attribute && !attribute->IsBasic() && attribute->Funct());
  FModScaleBtn->setEnabled(attribute);
  FModFunctBtn->setEnabled(FModFunct->isEnabled());

  ShowText(FModNameEdit, attribute ? ToQString(attribute->GetName()) : QString());
  ShowText(FModDescEdit, attribute ? ToQString(attribute->GetDescription()) : QString());
  FModNameEdit->setEnabled(attribute);
  FModDescEdit->setEnabled(attribute);
  FModScaleCombo->setEnabled(attribute);
  UpdateScaleChoices(attribute);
  FModFunctGroup->setVisible(attribute && !attribute->IsBasic());
  UpdateFunctionText(attribute);
}

void TModelForm::UpdateFunctionText(const TUbicAttribute* attribute) {
  if (!FFunctionTextStale && attribute == FFunctionTextFor) return;
  FFunctionTextStale = false;
  FFunctionTextFor = attribute;
  const TUbicFunction* function = attribute ? attribute->Funct() : nullptr;
  FModFunctText->setText(
      function ? ToQString(FunctionSummary(*function, RuleConflicts(*function).size()))
               : ToQString(Translated(ubicstr::UndefinedScale)));
}

void TModelForm::UpdateScaleChoices(const TUbicAttribute* attribute) {
  if (!FScaleChoicesStale && attribute == FScaleChoicesFor) return;
  FScaleChoicesStale = false;
  FScaleChoicesFor = attribute;
  const TUbicScale* filter =
      attribute && attribute->AffectsFunction() ? attribute->Scale() : nullptr;
  FScaleChoices.clear();
  FModScaleCombo->clear();
  for (const TScaleChoice& choice : Model().ScaleChoices(attribute, filter)) {
    FModScaleCombo->addItem(ToQString(choice.Text));
    FScaleChoices.push_back(choice.Scale);
  }
  // The attribute's own scale is met first, right after "<undefined>".
  FModScaleCombo->setCurrentIndex(attribute && attribute->Scale() ? 1 : 0);
}

// Edits

void TModelForm::Run(const TEdit& edit) {
  Document().Run(edit);
}

void TModelForm::UndoStep(bool redo) {
  FMainForm.RunCommand([this, redo] {
    if (redo) {
      Document().Redo();
    } else {
      Document().Undo();
    }
  });
}

void TModelForm::DocumentChanging() {
  // Nodes whose attributes go must not be selected, or the view would read them as it updates.
  FSelectionBefore = FModTreeView->PathOf(FModTreeView->currentItem());
  const QSignalBlocker blocker(FModTreeView);
  FModTreeView->setCurrentItem(nullptr);
  FModTreeView->clearSelection();
  // A hidden page is built again when it is shown; showing it reads its cells first.
  FGraphsPage->ReleaseAttributes();
  for (TGridPage* page : GridPages()) {
    if (FPageControl->currentWidget() != page) {
      page->ReleaseAttributes();
    } else {
      page->KeepCurrentCell();
    }
  }
}

std::array<TGridPage*, 2> TModelForm::GridPages() const {
  return {FOptionsPage, FEvaluationPage};
}

void TModelForm::DocumentChanged(const TDocumentChange& change) {
  using TKind = TDocumentChange::TKind;
  // An edit that concerns no attribute leaves the selection where it was.
  std::vector<int> selection = change.Focus.Attribute;
  if (selection.empty()) selection = FSelectionBefore;
  if (change.Kind == TKind::Replaced) {
    FModTreeView->Fill(*Model().Root());
  } else if (change.Kind == TKind::Edited) {
    FModTreeView->Synchronize(*Model().Root());
  }
  if (change.Kind != TKind::Saved) {
    FScaleChoicesStale = true;
    FFunctionTextStale = true;
    TAttributeItem* focus = FModTreeView->ItemAtPath(selection);
    if (!focus && !FModTreeView->currentItem()) focus = FModTreeView->ItemAtPath({0});
    if (focus) {
      const QSignalBlocker blocker(FModTreeView);
      FModTreeView->setCurrentItem(focus);
    }
    BuildPage();
    for (TGridPage* page : GridPages()) {
      if (FPageControl->currentWidget() == page) page->ShowFocus(change.Focus);
    }
  }
  UpdateControls();
}

// Selection

const TUbicAttribute* TModelForm::SelectedAttribute() const {
  const TAttributeItem* item = FModTreeView->SelectedItem();
  return item ? item->Attribute() : nullptr;
}

TAttributeItem* TModelForm::ItemOf(const TUbicAttribute* attribute) const {
  for (QTreeWidgetItemIterator it(FModTreeView); *it; ++it) {
    auto* item = static_cast<TAttributeItem*>(*it);
    if (item->Attribute() == attribute) return item;
  }
  return nullptr;
}

void TModelForm::SelectAttribute(const TUbicAttribute* attribute) {
  FModTreeView->setCurrentItem(ItemOf(attribute));
}

void TModelForm::ModTreeViewPopup(const QPoint& position) {
  if (TAttributeItem* item = FModTreeView->ItemAt(position)) FModTreeView->setCurrentItem(item);
  FModPopupMenu->exec(FModTreeView->viewport()->mapToGlobal(position));
}

void TModelForm::EditCommand(TEditCommand command) {
  if (FPageControl->currentIndex() == OptionsPageIndex) FOptionsPage->EditCommand(command);
  if (FPageControl->currentIndex() == GraphsPageIndex) FGraphsPage->EditCommand(command);
  if (FPageControl->currentIndex() != ModelPage) return;
  QAction* action = command == TEditCommand::Cut    ? FModCut
                    : command == TEditCommand::Copy ? FModCopy
                                                    : FModPaste;
  if (action->isEnabled()) action->trigger();
}

// Editing the attribute

void TModelForm::ModNameEditChange(const QString& text) {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (FUpdating || !attribute) return;
  FMainForm.RunCommand(
      [&] { Run(edits::RenameAttribute(*attribute, FMainForm.TypedText(FModNameEdit, text))); });
}

void TModelForm::ModDescEditChange(const QString& text) {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (FUpdating || !attribute) return;
  FMainForm.RunCommand(
      [&] { Run(edits::DescribeAttribute(*attribute, FMainForm.TypedText(FModDescEdit, text))); });
}

void TModelForm::ModScaleComboChange(int index) {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (FUpdating || !attribute || index < 0 || index >= static_cast<int>(FScaleChoices.size())) {
    return;
  }
  const TUbicScale* chosen = FScaleChoices[index];
  if (chosen != attribute->Scale()) Run(edits::ChooseScale(*attribute, chosen));
}

void TModelForm::ModDelScaleClick() {
  ModScaleComboChange(0);
}

void TModelForm::ModDelFunctClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (attribute && attribute->Funct()) Run(edits::DeleteFunction(*attribute));
}

void TModelForm::ModFunctClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (!attribute || attribute->IsBasic()) return;
  TUbicFunction fresh;
  if (!attribute->Funct()) {
    if (!attribute->CanHaveFunction() || !MayCreateFunction(*attribute)) return;
    fresh.Initialize(attribute);
  }
  FFunctForm->Setup(attribute, attribute->Funct() ? *attribute->Funct() : fresh);
  if (FFunctForm->exec() == QDialog::Accepted) {
    Run(edits::SetFunction(*attribute, *FFunctForm->EditedFunction()));
  }
}

void TModelForm::ModScaleClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (!attribute) return;
  FScaleForm->SetDefaultScale(Model().LastScale());
  FScaleForm->Setup(attribute);
  if (FScaleForm->exec() == QDialog::Accepted)
    Run(edits::EditScale(*attribute, FScaleForm->Change()));
}

bool TModelForm::MayCreateFunction(const TUbicAttribute& attribute) {
  const int rules = attribute.RuleCount();
  if (rules < 0) return false;
  if (rules <= SmallTableRules) return true;
  const std::string name = attribute.GetName();
  if (rules <= LargestTableRules) {
    return FMainForm.Questions().WarnYesNo(
               Cp1250ToUtf8(Format(ubicstr::TableVeryLarge, rules, name))) == TAnswer::Yes;
  }
  FMainForm.Questions().Error(Cp1250ToUtf8(Format(ubicstr::TableTooLarge, rules, name)));
  return false;
}

// Editing the tree

TAnswer TModelForm::Ask(const std::string& text) {
  return FMainForm.Questions().Confirm(Cp1250ToUtf8(text));
}

bool TModelForm::ConfirmFunctionLoss(const std::vector<const TUbicAttribute*>& lost,
                                     const char* question) {
  return lost.empty() || Ask(Format(question, lost.front()->GetName())) == TAnswer::Yes;
}

void TModelForm::ModAddBtnClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (!attribute || !ConfirmFunctionLoss(edits::FunctionsLostByAdding(*attribute),
                                         ubicstr::AddWillDeleteFunction)) {
    return;
  }
  Run(edits::AddAttribute(*attribute));
  // The new attribute's name is typed over at once.
  FModNameEdit->setFocus();
  FModNameEdit->selectAll();
}

void TModelForm::ModDeleteBtnClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (!attribute) return;
  const std::vector<const TUbicAttribute*> lost = edits::FunctionsLostByDeleting(*attribute);
  std::string question;
  if (attribute->IsBasic()) {
    question = Format(ubicstr::DeleteMainAttribute, attribute->GetName());
    if (!lost.empty())
      question.append("\r").append(Format(ubicstr::AlsoDeleteFunction, lost[0]->GetName()));
  } else {
    question = Format(ubicstr::DeleteAllSubattributes, attribute->GetName());
    if (!lost.empty()) question += "\r" + Translated(ubicstr::AlsoDeleteOwnFunction);
  }
  if (Ask(question) == TAnswer::Yes) Run(edits::DeleteAttribute(*attribute));
}

void TModelForm::ModCopyBtnClick() {
  if (const TUbicAttribute* attribute = SelectedAttribute()) {
    FMainForm.CopySubtreeToClipboard(*attribute);
    UpdateControls();
  }
}

void TModelForm::ModCutBtnClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (!attribute) return;
  ModCopyBtnClick();
  if (!ConfirmFunctionLoss(edits::FunctionsLostByCutting(*attribute),
                           ubicstr::CutWillDeleteFunction)) {
    return;
  }
  Run(edits::CutAttribute(*attribute));
}

void TModelForm::ModPasteBtnClick() {
  const TUbicAttribute* attribute = SelectedAttribute();
  const TUbicAttribute* clipboard = FMainForm.SubtreeClipboard();
  if (!attribute || !clipboard) return;
  if (!ConfirmFunctionLoss(edits::FunctionsLostByAdding(*attribute),
                           ubicstr::PasteWillDeleteFunction)) {
    return;
  }
  Run(edits::PasteAttribute(*attribute, *clipboard));
}

void TModelForm::ModDuplicateBtnClick() {
  if (const TUbicAttribute* attribute = SelectedAttribute()) {
    Run(edits::DuplicateAttribute(*attribute));
  }
}

void TModelForm::MoveSelected(int offset) {
  const TUbicAttribute* attribute = SelectedAttribute();
  if (!attribute) return;
  const TUbicAttribute* parent = attribute->Parent();
  const int index = parent->IndexOfInput(attribute);
  if (index + offset < 0 || index + offset >= parent->InputCount()) return;
  Run(edits::MoveAttribute(*attribute, offset));
}

void TModelForm::ModUpBtnClick() {
  MoveSelected(-1);
}

void TModelForm::ModDownBtnClick() {
  MoveSelected(1);
}

bool TModelForm::ModTreeViewCanDrop(const TAttributeItem* target) const {
  const TUbicAttribute* dragged = SelectedAttribute();
  return dragged && edits::CanDrag(*dragged, target ? target->Attribute() : nullptr);
}

void TModelForm::ModTreeViewDragDrop(TAttributeItem* target) {
  if (!ModTreeViewCanDrop(target)) return;
  const TUbicAttribute* dragged = SelectedAttribute();
  const TUbicAttribute* onto = target ? target->Attribute() : nullptr;
  const std::vector<const TUbicAttribute*> lost = edits::FunctionsLostByDragging(*dragged, onto);
  const std::string question =
      lost.size() == 2
          ? Format(ubicstr::MoveWillDeleteFunctions, lost[0]->GetName(), lost[1]->GetName())
      : lost.size() == 1 ? Format(ubicstr::MoveWillDeleteFunction, lost[0]->GetName())
                         : std::string();
  if (!question.empty() && Ask(question) != TAnswer::Yes) return;
  Run(edits::DragAttribute(*dragged, onto));
}

}  // namespace ubic
