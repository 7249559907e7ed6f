#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QToolBar>

#include "aboutbox.h"
#include "files/subtree.h"
#include "graphspage.h"
#include "helpform.h"
#include "modelform.h"
#include "previewform.h"
#include "print/chartgraphs.h"
#include "print/printpreview.h"
#include "recentfiles.h"
#include "rptform.h"
#include "uitext.h"
#include "windowplacement.h"

// The icons live in the ui library, which the linker would leave out unless asked for.
static void InitResources() {
  Q_INIT_RESOURCE(ui);
}

namespace ubic {

TMainForm::TMainForm(TQuestions& questions, QStringList commandLineFiles)
    : FQuestions(questions), FCommandLineFiles(std::move(commandLineFiles)) {
  InitResources();
  QApplication::setWindowIcon(QIcon(":/icons/ubic.svg"));
  setWindowTitle("Ubic");
  MdiArea = new QMdiArea(this);
  MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(MdiArea);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  statusBar();
  connect(MdiArea, &QMdiArea::subWindowActivated, this, [this] {
    MergeMenus();
    UpdateActions();
  });
  FAboutBox = std::make_unique<TAboutBox>(this);
  FRptForm = std::make_unique<TRptForm>(this);
  FPreviewForm = std::make_unique<TPreviewForm>(FQuestions, this);
  UpdateActions();
  resize(1000, 660);
  KeepPlacement(this, TPlacement{"MainForm", {}, {}});
}

TMainForm::~TMainForm() {
  // The document windows go first, while the frame is whole, and without telling it.
  MdiArea->disconnect(this);
  for (QMdiSubWindow* window : MdiArea->findChildren<QMdiSubWindow*>()) {
    window->disconnect(this);
    delete window;
  }
}

void TMainForm::CreateActions() {
  const auto make = [this](const QString& caption, const QString& hint, const QKeySequence& key,
                           void (TMainForm::*handler)()) {
    auto* action = new QAction(caption, this);
    SetHint(action, hint);
    action->setShortcut(key);
    if (handler)
      connect(action, &QAction::triggered, this,
              [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
    return action;
  };
  FileNew = make("&New", "New file|Open a new, empty file", QKeySequence("Ctrl+N"),
                 &TMainForm::FileNewClick);
  FileNew->setIcon(QIcon(":/icons/file-new.svg"));
  FileOpen =
      make("&Open", "Open|Open saved file", QKeySequence("Ctrl+O"), &TMainForm::FileOpenClick);
  FileOpen->setIcon(QIcon(":/icons/file-open.svg"));
  FileClose = make("&Close", "Close|Close file", {}, &TMainForm::FileCloseClick);
  FileSave = make("&Save", "Save|Save file", QKeySequence("Ctrl+S"), &TMainForm::FileSaveClick);
  FileSave->setIcon(QIcon(":/icons/file-save.svg"));
  FileSaveAs = make("Save &As...", "Save as...|Save file under a different name", {},
                    &TMainForm::FileSaveAsClick);
  FileReport =
      make("&Report...", "Report|Make report", QKeySequence("Ctrl+P"), &TMainForm::FileReportClick);
  FileReport->setIcon(QIcon(":/icons/file-report.svg"));
  FileReport->setIconText("Report");
  FileExit = make("E&xit", "Exit|Close all files and exit application", {}, nullptr);
  connect(FileExit, &QAction::triggered, this, &QWidget::close);

  WindowCascade = make("&Cascade", "Cascade", {}, nullptr);
  connect(WindowCascade, &QAction::triggered, MdiArea, &QMdiArea::cascadeSubWindows);
  WindowTileHorizontal = make("Tile &Horizontally", "Tile Horizontally", {}, nullptr);
  connect(WindowTileHorizontal, &QAction::triggered, MdiArea, &QMdiArea::tileSubWindows);
  WindowTileVertical = make("Tile &Vertikally", "Tile Vertically", {}, nullptr);
  connect(WindowTileVertical, &QAction::triggered, MdiArea, &QMdiArea::tileSubWindows);
  WindowMinimizeAll = make("&Minimize All", "Minimize All", {}, nullptr);
  connect(WindowMinimizeAll, &QAction::triggered, this, [this] {
    for (QMdiSubWindow* window : MdiArea->subWindowList()) window->showMinimized();
  });
  WindowArrangeIcons = make("&Arrange Icons", "Arrange All", {}, nullptr);
  connect(WindowArrangeIcons, &QAction::triggered, MdiArea, &QMdiArea::tileSubWindows);

  HelpContents = make("&Help...", "Help|Open the user manual at its contents",
                      QKeySequence(Qt::Key_F1), &TMainForm::HelpContentsClick);
  HelpAbout = make("&About...", "About|Program information and version number", {},
                   &TMainForm::HelpAboutClick);

  EditCut = make("Cu&t", "Cut|Cuts the selection and puts it on the Clipboard",
                 QKeySequence("Ctrl+X"), nullptr);
  EditCopy = make("&Copy", "Copy|Copies the selection and puts it on the Clipboard",
                  QKeySequence("Ctrl+C"), nullptr);
  EditPaste = make("&Paste", "Paste|Inserts Clipboard contents", QKeySequence("Ctrl+V"), nullptr);
  connect(EditCut, &QAction::triggered, this, [this] { EditCommandClick(TEditCommand::Cut); });
  connect(EditCopy, &QAction::triggered, this, [this] { EditCommandClick(TEditCommand::Copy); });
  connect(EditPaste, &QAction::triggered, this, [this] { EditCommandClick(TEditCommand::Paste); });
  // Bound to their keys, in no menu.
  addActions({EditCut, EditCopy, EditPaste});

  EditUndo = make("&Undo", "Undo|Takes back the last edit", QKeySequence("Ctrl+Z"), nullptr);
  EditRedo =
      make("&Redo", "Redo|Makes the edit taken back again", QKeySequence("Ctrl+Shift+Z"), nullptr);
  EditRedo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  for (QAction* action : {EditUndo, EditRedo}) {
    connect(action, &QAction::triggered, this, [this, action] {
      if (TModelForm* document = ActiveDocument()) document->UndoStep(action == EditRedo);
    });
  }
  addActions({EditUndo, EditRedo});
}

void TMainForm::CreateMenus() {
  FileMenu = new QMenu("&File", this);
  FileMenu->menuAction()->setStatusTip("File related commands");
  FileMenu->addActions({FileNew, FileOpen, FileClose, FileSave, FileSaveAs});
  FileMenu->addSeparator();
  FileMenu->addAction(FileReport);
  FileMenu->addSeparator();
  FileMenu->addAction(FileExit);
  RecentFiles = new TRecentFiles(FileMenu, FileExit, FQuestions, [this](const QString& file) {
    RunCommand([this, file] { CreateDocument(file.toStdString()); });
  });

  ViewMenu = new QMenu("&View", this);
  ViewMenu->menuAction()->setStatusTip("Window related commands");
  connect(ViewMenu, &QMenu::aboutToShow, this, &TMainForm::FillViewMenu);
  FillViewMenu();

  HelpMenu = new QMenu("&Help", this);
  HelpMenu->menuAction()->setStatusTip("Help topics");
  HelpMenu->addActions({HelpContents, HelpAbout});
  MergeMenus();
}

void TMainForm::CreateToolBar() {
  QToolBar* toolBar = addToolBar("Tool bar");
  toolBar->setObjectName("ToolBar");
  toolBar->setMovable(false);
  toolBar->setIconSize(QSize(24, 24));
  toolBar->addActions({FileNew, FileOpen, FileSave, FileReport});
}

void TMainForm::FillViewMenu() {
  ViewMenu->clear();
  ViewMenu->addActions({WindowCascade, WindowTileHorizontal, WindowTileVertical, WindowMinimizeAll,
                        WindowArrangeIcons});
  const std::vector<TModelForm*> documents = Documents();
  if (!documents.empty()) ViewMenu->addSeparator();
  const TModelForm* active = ActiveDocument();
  for (std::size_t i = 0; i < documents.size(); ++i) {
    TModelForm* document = documents[i];
    const QString caption = document->Caption().replace('&', "&&");
    QAction* item = ViewMenu->addAction(QString("&%1 %2").arg(i + 1).arg(caption));
    item->setCheckable(true);
    item->setChecked(document == active);
    connect(item, &QAction::triggered, this,
            [this, document] { MdiArea->setActiveSubWindow(SubWindowOf(document)); });
  }
}

void TMainForm::MergeMenus() {
  TModelForm* document = ActiveDocument();
  QList<QMenu*> menus = {FileMenu, ViewMenu, HelpMenu};
  if (QMenu* pageMenu = document ? document->PageMenu() : nullptr) menus.insert(1, pageMenu);
  QList<QAction*> wanted;
  for (QMenu* menu : menus) wanted << menu->menuAction();
  if (menuBar()->actions() == wanted) return;
  menuBar()->clear();
  for (QMenu* menu : menus) menuBar()->addMenu(menu);
}

void TMainForm::UpdateActions() {
  const bool active = ActiveDocument() != nullptr;
  FileClose->setEnabled(!MdiArea->subWindowList().isEmpty());
  FileSave->setEnabled(active);
  FileSaveAs->setEnabled(active);
  FileReport->setEnabled(active);
  TModelForm* document = ActiveDocument();
  const TUndoHistory* history = document ? &document->History() : nullptr;
  EditUndo->setEnabled(history && history->CanUndo());
  EditUndo->setText(ToQString("&Undo " + (history ? history->UndoName() : "")).trimmed());
  EditRedo->setEnabled(history && history->CanRedo());
  EditRedo->setText(ToQString("&Redo " + (history ? history->RedoName() : "")).trimmed());
}

void TMainForm::DocumentChanged(TModelForm* document) {
  if (document == ActiveDocument()) MergeMenus();
  UpdateActions();
}

QMdiSubWindow* TMainForm::SubWindowOf(const TModelForm* document) const {
  for (QMdiSubWindow* window : MdiArea->subWindowList()) {
    if (window->widget() == document) return window;
  }
  return nullptr;
}

TModelForm* TMainForm::ActiveDocument() const {
  QMdiSubWindow* window = MdiArea->currentSubWindow();
  return window ? qobject_cast<TModelForm*>(window->widget()) : nullptr;
}

std::vector<TModelForm*> TMainForm::Documents() const {
  std::vector<TModelForm*> documents;
  for (QMdiSubWindow* window : MdiArea->subWindowList()) {
    if (auto* document = qobject_cast<TModelForm*>(window->widget())) documents.push_back(document);
  }
  return documents;
}

TModelForm* TMainForm::CreateDocument(const std::string& fileName) {
  std::unique_ptr<TUbicDocument> opened;
  if (!fileName.empty() && QFileInfo(QString::fromStdString(fileName)).isFile()) {
    std::string remarks;
    opened = TUbicDocument::Open(fileName, remarks);
    if (!remarks.empty()) FQuestions.Warn(Cp1250ToUtf8(remarks));
    RecentFiles->Add(QString::fromStdString(fileName));
  } else {
    opened = std::make_unique<TUbicDocument>();
  }
  TModelForm* form = std::make_unique<TModelForm>(*this, std::move(opened)).release();
  QMdiSubWindow* window = MdiArea->addSubWindow(form);
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(form, &QWidget::windowTitleChanged, window, [this] { UpdateActions(); });
  connect(window, &QObject::destroyed, this, [this] {
    MergeMenus();
    UpdateActions();
  });
  window->showMaximized();
  MdiArea->setActiveSubWindow(window);
  form->UpdateControls();
  return form;
}

void TMainForm::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    FQuestions.Error(Cp1250ToUtf8(error.what()));
  }
}

void TMainForm::CopySubtreeToClipboard(const TUbicAttribute& attribute) {
  FSubtreeClipboard = DuplicateSubtree(attribute);
  QApplication::clipboard()->setText(ToQString(attribute.GetName()));
}

void TMainForm::CopyOptionToClipboard(const TUbicModel& model, int index,
                                      const std::vector<TUbicAttribute*>& attributes) {
  FOptionClipboard = ubic::CopyOptionToClipboard(model, index, attributes);
}

std::string TMainForm::TypedText(QLineEdit* edit, const QString& text) {
  bool replaced = false;
  std::string converted = FromQString(text, &replaced);
  if (replaced) {
    // The edit shows what the model holds.
    const int cursor = edit->cursorPosition();
    edit->setText(ToQString(converted));
    edit->setCursorPosition(std::min(cursor, static_cast<int>(edit->text().size())));
    NoteReplacedCharacters();
  }
  return converted;
}

void TMainForm::NoteReplacedCharacters() {
  if (FReplacedNoted) return;
  FReplacedNoted = true;
  statusBar()->showMessage(
      "Characters that a model text cannot hold (outside Windows-1250) were replaced by \"?\".");
}

void TMainForm::EditCommandClick(TEditCommand command) {
  QWidget* focus = QApplication::focusWidget();
  if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
    if (command == TEditCommand::Cut) edit->cut();
    if (command == TEditCommand::Copy) edit->copy();
    if (command == TEditCommand::Paste) edit->paste();
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) {
    if (command == TEditCommand::Cut) text->cut();
    if (command == TEditCommand::Copy) text->copy();
    if (command == TEditCommand::Paste) text->paste();
  } else if (TModelForm* document = ActiveDocument()) {
    RunCommand([document, command] { document->EditCommand(command); });
  }
}

void TMainForm::FileNewClick() {
  CreateDocument({});
}

void TMainForm::FileOpenClick() {
  const auto choice =
      FQuestions.ChooseOpenFile({"Open file",
                                 {"Decision models Ubic (*.ubm)", "Models jKIV (*.xml)",
                                  "KIV ASCII Interchange  (*.kvx)", "All files (*.*)"},
                                 "ubm",
                                 {}});
  if (choice) CreateDocument(choice->FileName);
}

void TMainForm::FileCloseClick() {
  if (QMdiSubWindow* window = MdiArea->currentSubWindow()) window->close();
}

void TMainForm::FileSaveClick() {
  if (TModelForm* document = ActiveDocument()) document->SaveModel();
}

void TMainForm::FileSaveAsClick() {
  if (TModelForm* document = ActiveDocument()) document->SaveModelAs();
}

void TMainForm::HelpContentsClick() {
  if (!FHelpForm) FHelpForm = std::make_unique<THelpForm>();
  FHelpForm->ShowContents();
}

void TMainForm::HelpAboutClick() {
  FAboutBox->exec();
}

void TMainForm::FileReportClick() {
  TModelForm* document = ActiveDocument();
  if (document == nullptr || FRptForm->exec() != QDialog::Accepted) return;
  const TReportSections sections = FRptForm->Sections();
  if (sections.Empty()) return;
  ShowInPreview([document, sections](TPrintPreview& preview, const TReportStyle& style) {
    TUbicModel& model = document->Model();
    // The graph section shows the Graphs page's chart, fitted as the page shows it.
    TGraphsPage& graphsPage = document->GraphsPage();
    if (sections.Contains(rsGraphs)) graphsPage.Build();
    const QSize shown = graphsPage.ShownSize();
    auto graphs = std::make_shared<TChartReportGraphs>(graphsPage.Graphs(),
                                                       shown.isEmpty() ? QSize(640, 480) : shown);
    if (auto report = MakeModelReport(&model, sections, style, graphs.get()))
      preview.AddReport(std::move(report), std::move(graphs));
  });
}

void TMainForm::ShowFunctionReport(TUbicFunction& function, const TUbicAttribute& attribute) {
  ShowInPreview([&function, &attribute](TPrintPreview& preview, const TReportStyle& style) {
    preview.AddReport(MakeFunctionReport(&function, &attribute, style));
  });
}

void TMainForm::ShowInPreview(
    const std::function<void(TPrintPreview&, const TReportStyle&)>& addReports) {
  TPrintPreview& preview = FPreviewForm->Preview();
  preview.Clear();
  {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    TReportStyle style;
    style.Font = FRptForm->ReportFont();
    style.FitPageWidth = true;
    addReports(preview, style);
  }
  FPreviewForm->ShowPreview();
  preview.Clear();
}

void TMainForm::OpenCommandLineFiles() {
  const QStringList files = std::exchange(FCommandLineFiles, {});
  for (const QString& file : files) {
    if (QFileInfo(file).isFile()) RunCommand([this, &file] { CreateDocument(file.toStdString()); });
  }
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !FCommandLineFiles.isEmpty()) {
    // Opened after the activation has been handled, so that the frame is ready for them.
    QMetaObject::invokeMethod(this, &TMainForm::OpenCommandLineFiles, Qt::QueuedConnection);
  }
  return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Every document is asked first; one refusal keeps the program and all documents.
  for (TModelForm* document : Documents()) {
    if (!document->CloseQuery()) {
      event->ignore();
      return;
    }
  }
  for (TModelForm* document : Documents()) document->AllowClose();
  MdiArea->closeAllSubWindows();
  if (FHelpForm) FHelpForm->close();
  event->accept();
}

}  // namespace ubic
