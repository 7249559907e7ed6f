#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QToolBar>

#include "aboutbox.h"
#include "files/modelio.h"
#include "files/subtree.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "graphspage.h"
#include "helpform.h"
#include "mdilayout.h"
#include "model/ubicstr.h"
#include "modelform.h"
#include "optionspage.h"
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
namespace {

// Opens the document of FileName; an error that does not name the file yet is told as one of it.
std::unique_ptr<TUbicDocument> OpenNamingTheFile(const std::string& fileName,
                                                 std::string& remarks) {
  try {
    return TUbicDocument::Open(fileName, remarks);
  } catch (const std::exception& error) {
    const std::string name = Utf8ToCp1250(fileName);
    const std::string message = error.what();
    if (message.find(name) != std::string::npos) throw;
    throw EFileError(FromQString(
        QObject::tr("Cannot open file \"%1\": %2").arg(ToQString(name), ToQString(message))));
  }
}

// The name of an edit in the user's language: the edits mark their names in their own context.
QString EditName(const std::string& name) {
  return QCoreApplication::translate("ubic::edits", name.c_str());
}

}  // namespace

void NameApplication() {
  QApplication::setApplicationName("Ubic");
}

TMainForm::TMainForm(TQuestions& questions, QStringList commandLineFiles)
    : FQuestions(questions), FCommandLineFiles(std::move(commandLineFiles)) {
  InitResources();
  QApplication::setWindowIcon(QIcon(":/icons/ubic.svg"));
  setWindowTitle("Ubic");
  FMdiArea = new QMdiArea(this);
  FMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(FMdiArea);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  statusBar();
  connect(FMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    MergeMenus();
    UpdateActions();
    // Asked once the activation is over, so that the question finds the window in front.
    if (window)
      QMetaObject::invokeMethod(this, &TMainForm::OfferReloadOfActiveDocument,
                                Qt::QueuedConnection);
  });
  FAboutBox = std::make_unique<TAboutBox>(this);
  FRptForm = std::make_unique<TRptForm>(this);
  FPreviewForm = std::make_unique<TPreviewForm>(FQuestions, this);
  NameObjects({{FFileNew, "FileNew"},
               {FFileOpen, "FileOpen"},
               {FFileClose, "FileClose"},
               {FFileSave, "FileSave"},
               {FFileSaveAs, "FileSaveAs"},
               {FFileReport, "FileReport"},
               {FFileExit, "FileExit"},
               {FWindowCascade, "WindowCascade"},
               {FWindowTileHorizontal, "WindowTileHorizontal"},
               {FWindowTileVertical, "WindowTileVertical"},
               {FWindowMinimizeAll, "WindowMinimizeAll"},
               {FWindowArrangeIcons, "WindowArrangeIcons"},
               {FHelpContents, "HelpContents"},
               {FHelpAbout, "HelpAbout"},
               {FEditCut, "EditCut"},
               {FEditCopy, "EditCopy"},
               {FEditPaste, "EditPaste"},
               {FEditUndo, "EditUndo"},
               {FEditRedo, "EditRedo"},
               {FMdiArea, "MdiArea"},
               {FFileMenu, "FileMenu"},
               {FViewMenu, "ViewMenu"},
               {FHelpMenu, "HelpMenu"},
               {FRecentFiles, "RecentFiles"}});
  UpdateActions();
  resize(1000, 660);
  KeepPlacement(this, TPlacement{"MainForm", {}, {}});
}

TMainForm::~TMainForm() {
  // The document windows go first, while the frame is whole, and without telling it.
  FMdiArea->disconnect(this);
  for (QMdiSubWindow* window : FMdiArea->findChildren<QMdiSubWindow*>()) {
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
  FFileNew = make(QObject::tr("&New"), QObject::tr("New file|Open a new, empty file"),
                  QKeySequence("Ctrl+N"), &TMainForm::FileNewClick);
  FFileNew->setIcon(QIcon(":/icons/file-new.svg"));
  FFileOpen = make(QObject::tr("&Open"), QObject::tr("Open|Open saved file"),
                   QKeySequence("Ctrl+O"), &TMainForm::FileOpenClick);
  FFileOpen->setIcon(QIcon(":/icons/file-open.svg"));
  FFileClose = make(QObject::tr("&Close"), QObject::tr("Close|Close file"), QKeySequence("Ctrl+W"),
                    &TMainForm::FileCloseClick);
  FFileClose->setShortcuts({QKeySequence("Ctrl+W"), QKeySequence("Ctrl+F4")});
  FFileSave = make(QObject::tr("&Save"), QObject::tr("Save|Save file"), QKeySequence("Ctrl+S"),
                   &TMainForm::FileSaveClick);
  FFileSave->setIcon(QIcon(":/icons/file-save.svg"));
  FFileSaveAs =
      make(QObject::tr("Save &As..."), QObject::tr("Save as...|Save file under a different name"),
           {}, &TMainForm::FileSaveAsClick);
  FFileReport = make(QObject::tr("&Report..."), QObject::tr("Report|Make report"),
                     QKeySequence("Ctrl+P"), &TMainForm::FileReportClick);
  FFileReport->setIcon(QIcon(":/icons/file-report.svg"));
  FFileReport->setIconText(QObject::tr("Report"));
  FFileExit = make(QObject::tr("E&xit"), QObject::tr("Exit|Close all files and exit application"),
                   {}, nullptr);
  connect(FFileExit, &QAction::triggered, this, &QWidget::close);

  FWindowCascade = make(QObject::tr("&Cascade"), QObject::tr("Cascade"), {}, nullptr);
  connect(FWindowCascade, &QAction::triggered, FMdiArea, &QMdiArea::cascadeSubWindows);
  FWindowTileHorizontal =
      make(QObject::tr("Tile &Horizontally"), QObject::tr("Tile Horizontally"), {}, nullptr);
  connect(FWindowTileHorizontal, &QAction::triggered, this,
          [this] { TileSubWindows(*FMdiArea, TTiling::Rows); });
  FWindowTileVertical =
      make(QObject::tr("Tile &Vertically"), QObject::tr("Tile Vertically"), {}, nullptr);
  connect(FWindowTileVertical, &QAction::triggered, this,
          [this] { TileSubWindows(*FMdiArea, TTiling::Columns); });
  FWindowMinimizeAll = make(QObject::tr("&Minimize All"), QObject::tr("Minimize All"), {}, nullptr);
  connect(FWindowMinimizeAll, &QAction::triggered, this, [this] {
    for (QMdiSubWindow* window : FMdiArea->subWindowList()) window->showMinimized();
  });
  FWindowArrangeIcons =
      make(QObject::tr("&Arrange Icons"), QObject::tr("Arrange All"), {}, nullptr);
  connect(FWindowArrangeIcons, &QAction::triggered, this, [this] { ArrangeIcons(*FMdiArea); });

  FHelpContents =
      make(QObject::tr("&Help..."), QObject::tr("Help|Open the user manual at its contents"),
           QKeySequence(Qt::Key_F1), &TMainForm::HelpContentsClick);
  FHelpAbout =
      make(QObject::tr("&About..."), QObject::tr("About|Program information and version number"),
           {}, &TMainForm::HelpAboutClick);

  FEditCut =
      make(QObject::tr("Cu&t"), QObject::tr("Cut|Cuts the selection and puts it on the Clipboard"),
           QKeySequence("Ctrl+X"), nullptr);
  FEditCopy = make(QObject::tr("&Copy"),
                   QObject::tr("Copy|Copies the selection and puts it on the Clipboard"),
                   QKeySequence("Ctrl+C"), nullptr);
  FEditPaste = make(QObject::tr("&Paste"), QObject::tr("Paste|Inserts Clipboard contents"),
                    QKeySequence("Ctrl+V"), nullptr);
  connect(FEditCut, &QAction::triggered, this, [this] { EditCommandClick(TEditCommand::Cut); });
  connect(FEditCopy, &QAction::triggered, this, [this] { EditCommandClick(TEditCommand::Copy); });
  connect(FEditPaste, &QAction::triggered, this, [this] { EditCommandClick(TEditCommand::Paste); });
  // Bound to their keys, in no menu.
  addActions({FEditCut, FEditCopy, FEditPaste});

  FEditUndo = make(QObject::tr("&Undo"), QObject::tr("Undo|Takes back the last edit"),
                   QKeySequence("Ctrl+Z"), nullptr);
  FEditRedo = make(QObject::tr("&Redo"), QObject::tr("Redo|Makes the edit taken back again"),
                   QKeySequence("Ctrl+Shift+Z"), nullptr);
  FEditRedo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  for (QAction* action : {FEditUndo, FEditRedo}) {
    connect(action, &QAction::triggered, this, [this, action] {
      if (TModelForm* document = ActiveDocument()) document->UndoStep(action == FEditRedo);
    });
  }
  addActions({FEditUndo, FEditRedo});
}

void TMainForm::CreateMenus() {
  FFileMenu = new QMenu(QObject::tr("&File"), this);
  FFileMenu->menuAction()->setStatusTip(QObject::tr("File related commands"));
  FFileMenu->addActions({FFileNew, FFileOpen, FFileClose, FFileSave, FFileSaveAs});
  FFileMenu->addSeparator();
  FFileMenu->addAction(FFileReport);
  FFileMenu->addSeparator();
  FFileMenu->addAction(FFileExit);
  FRecentFiles = new TRecentFiles(FFileMenu, FFileExit, FQuestions, [this](const QString& file) {
    RunCommand([this, file] { CreateDocument(file.toStdString()); });
  });

  FViewMenu = new QMenu(QObject::tr("&View"), this);
  FViewMenu->menuAction()->setStatusTip(QObject::tr("Window related commands"));
  FViewMenu->setToolTipsVisible(true);
  connect(FViewMenu, &QMenu::aboutToShow, this, &TMainForm::FillViewMenu);
  FillViewMenu();

  FHelpMenu = new QMenu(QObject::tr("&Help"), this);
  FHelpMenu->menuAction()->setStatusTip(QObject::tr("Help topics"));
  FHelpMenu->addActions({FHelpContents, FHelpAbout});
  MergeMenus();
}

void TMainForm::CreateToolBar() {
  QToolBar* toolBar = addToolBar(QObject::tr("Tool bar"));
  toolBar->setObjectName("ToolBar");
  toolBar->setMovable(false);
  toolBar->setIconSize(QSize(24, 24));
  toolBar->addActions({FFileNew, FFileOpen, FFileSave, FFileReport});
}

void TMainForm::FillViewMenu() {
  FViewMenu->clear();
  FViewMenu->addActions({FWindowCascade, FWindowTileHorizontal, FWindowTileVertical,
                         FWindowMinimizeAll, FWindowArrangeIcons});
  const std::vector<TModelForm*> documents = Documents();
  if (!documents.empty()) FViewMenu->addSeparator();
  const TModelForm* active = ActiveDocument();
  // A long model name or path must not make the menu as wide as the screen: the middle goes,
  // so that the name's beginning and the file's name stay, and the whole caption is the tip.
  constexpr int WidestCaption = 80;
  const QFontMetrics metrics(FViewMenu->font());
  for (std::size_t i = 0; i < documents.size(); ++i) {
    TModelForm* document = documents[i];
    const QString caption = document->Caption();
    const QString shown =
        metrics.elidedText(caption, Qt::ElideMiddle, WidestCaption * metrics.averageCharWidth());
    QAction* item =
        FViewMenu->addAction(QString("&%1 %2").arg(i + 1).arg(QString(shown).replace('&', "&&")));
    if (shown != caption) item->setToolTip(caption);
    item->setCheckable(true);
    item->setChecked(document == active);
    connect(item, &QAction::triggered, this,
            [this, document] { FMdiArea->setActiveSubWindow(SubWindowOf(document)); });
  }
}

void TMainForm::MergeMenus() {
  TModelForm* document = ActiveDocument();
  QList<QMenu*> menus = {FFileMenu, FViewMenu, FHelpMenu};
  if (QMenu* pageMenu = document ? document->PageMenu() : nullptr) menus.insert(1, pageMenu);
  QList<QAction*> wanted;
  for (QMenu* menu : menus) wanted << menu->menuAction();
  if (menuBar()->actions() == wanted) return;
  menuBar()->clear();
  for (QMenu* menu : menus) menuBar()->addMenu(menu);
}

void TMainForm::UpdateActions() {
  const bool active = ActiveDocument() != nullptr;
  FFileClose->setEnabled(!FMdiArea->subWindowList().isEmpty());
  FFileSave->setEnabled(active);
  FFileSaveAs->setEnabled(active);
  FFileReport->setEnabled(active);
  TModelForm* document = ActiveDocument();
  const TUndoHistory* history = document ? &document->History() : nullptr;
  FEditUndo->setEnabled(history && history->CanUndo());
  FEditUndo->setText(
      QObject::tr("&Undo %1").arg(history ? EditName(history->UndoName()) : QString()).trimmed());
  FEditRedo->setEnabled(history && history->CanRedo());
  FEditRedo->setText(
      QObject::tr("&Redo %1").arg(history ? EditName(history->RedoName()) : QString()).trimmed());
}

void TMainForm::DocumentChanged(TModelForm* document) {
  if (document == ActiveDocument()) MergeMenus();
  UpdateActions();
}

QMdiSubWindow* TMainForm::SubWindowOf(const TModelForm* document) const {
  for (QMdiSubWindow* window : FMdiArea->subWindowList()) {
    if (window->widget() == document) return window;
  }
  return nullptr;
}

TModelForm* TMainForm::ActiveDocument() const {
  QMdiSubWindow* window = FMdiArea->currentSubWindow();
  return window ? qobject_cast<TModelForm*>(window->widget()) : nullptr;
}

std::vector<TModelForm*> TMainForm::Documents() const {
  std::vector<TModelForm*> documents;
  for (QMdiSubWindow* window : FMdiArea->subWindowList()) {
    if (auto* document = qobject_cast<TModelForm*>(window->widget())) documents.push_back(document);
  }
  return documents;
}

TModelForm* TMainForm::DocumentHolding(const std::string& fileName,
                                       const TModelForm* except) const {
  for (TModelForm* document : Documents()) {
    if (document != except && document->Document().HoldsFile(fileName)) return document;
  }
  return nullptr;
}

bool TMainForm::MayWriteFile(const TModelForm& writer, const std::string& fileName) const {
  const TModelForm* holder = DocumentHolding(fileName, &writer);
  if (holder == nullptr) return true;
  FQuestions.Error(
      Utf8Message(ubicstr::FileOpenInOtherWindow, fileName, holder->windowTitle().toStdString()));
  return false;
}

void TMainForm::Activate(TModelForm* document) {
  if (QMdiSubWindow* window = SubWindowOf(document)) {
    if (window->isMinimized()) window->showNormal();
    FMdiArea->setActiveSubWindow(window);
  }
}

void TMainForm::OfferReloadOfActiveDocument() {
  TModelForm* document = ActiveDocument();
  if (FOfferingReload || document == nullptr || !document->Document().DiskChangeToOffer()) return;
  FOfferingReload = true;
  const auto done = qScopeGuard([this] { FOfferingReload = false; });
  TUbicDocument& file = document->Document();
  if (FQuestions.Confirm(Utf8Message(ubicstr::ReloadChangedFile, file.FileName())) ==
      TAnswer::Yes) {
    RunCommand([&file] { file.Reload(); });
  } else {
    file.KeepAgainstDisk();
  }
}

TModelForm* TMainForm::CreateDocument(const std::string& fileName) {
  // The document's file is the own one of that name, also for a foreign file.
  if (TModelForm* holder =
          fileName.empty() ? nullptr : DocumentHolding(WithOwnExtension(fileName))) {
    AddRecentFile(fileName);
    Activate(holder);
    return holder;
  }
  std::unique_ptr<TUbicDocument> opened;
  if (!fileName.empty() && QFileInfo(QString::fromStdString(fileName)).isFile()) {
    std::string remarks;
    opened = OpenNamingTheFile(fileName, remarks);
    if (!remarks.empty()) FQuestions.Warn(Cp1250ToUtf8(remarks));
    AddRecentFile(fileName);
  } else {
    opened = std::make_unique<TUbicDocument>();
  }
  TModelForm* form = std::make_unique<TModelForm>(*this, std::move(opened)).release();
  QMdiSubWindow* window = FMdiArea->addSubWindow(form);
  window->setAttribute(Qt::WA_DeleteOnClose);
  // File > Close takes Ctrl+W and Ctrl+F4 however the windows are arranged; the window's own
  // menu would claim them too while it is maximised, and then neither would close it.
  for (QAction* action : window->systemMenu()->actions()) action->setShortcuts({});
  connect(form, &QWidget::windowTitleChanged, window, [this] { UpdateActions(); });
  connect(window, &QObject::destroyed, this, [this] {
    MergeMenus();
    UpdateActions();
  });
  window->showMaximized();
  FMdiArea->setActiveSubWindow(window);
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

void TMainForm::AddRecentFile(const std::string& fileName) {
  FRecentFiles->Add(QString::fromStdString(fileName));
}

void TMainForm::CopySubtreeToClipboard(const TUbicAttribute& attribute) {
  FSubtreeClipboard = DuplicateSubtree(attribute);
  QApplication::clipboard()->setText(ToQString(attribute.GetName()));
}

void TMainForm::CopyOptionToClipboard(const TUbicModel& model, int index,
                                      const std::vector<const TUbicAttribute*>& attributes) {
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
  statusBar()->showMessage(QObject::tr(
      "Characters that a model text cannot hold (outside Windows-1250) were replaced by \"?\"."));
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
      FQuestions.ChooseOpenFile({QObject::tr("Open file").toStdString(),
                                 {QObject::tr("Decision models Ubic (*.ubm)").toStdString(),
                                  QObject::tr("Models jKIV (*.xml)").toStdString(),
                                  QObject::tr("KIV ASCII Interchange  (*.kvx)").toStdString(),
                                  QObject::tr("All files (*.*)").toStdString()},
                                 "ubm",
                                 {}});
  if (choice) CreateDocument(choice->FileName);
}

void TMainForm::FileCloseClick() {
  if (QMdiSubWindow* window = FMdiArea->currentSubWindow()) window->close();
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
  if (document == nullptr) return;
  FRptForm->SetEmptyGraph(document->GraphsPage().EmptyReason());
  FRptForm->SetMethod(document->EvaluationPage().Method());
  if (FRptForm->exec() != QDialog::Accepted) return;
  const TReportSections sections = FRptForm->Sections();
  if (sections.Empty()) return;
  const TEvaluationMethod method = FRptForm->Method();
  ShowInPreview(
      [document, sections, method](TPrintPreview& preview, const TReportStyle& pageStyle) {
        TReportStyle style = pageStyle;
        style.Method = method;
        const TUbicModel& model = document->Model();
        // The graph section shows the Graphs page's chart, fitted as the page shows it.
        TGraphsPage& graphsPage = document->GraphsPage();
        if (sections.Contains(rsGraphs)) graphsPage.Build();
        const QSize shown = graphsPage.ShownSize();
        auto graphs = std::make_shared<TChartReportGraphs>(
            graphsPage.Graphs(), shown.isEmpty() ? QSize(640, 480) : shown);
        if (auto report = MakeModelReport(&model, sections, style, graphs.get(),
                                          document->ReportTargets().Questions(model)))
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

void TMainForm::OpenCommandLineFiles() { OpenFiles(std::exchange(FCommandLineFiles, {})); }

void TMainForm::OpenFilesOfAnotherStart(const QStringList& files) {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  OpenFiles(files);
}

void TMainForm::OpenFiles(const QStringList& files) {
  for (const QString& file : files) {
    // Named in full, as the Open dialog names files: the title says where the file is.
    const QFileInfo info(file);
    if (info.isFile()) {
      RunCommand([this, &info] { CreateDocument(info.absoluteFilePath().toStdString()); });
    }
  }
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    // Opened after the activation has been handled, so that the frame is ready for them.
    if (!FCommandLineFiles.isEmpty()) {
      QMetaObject::invokeMethod(this, &TMainForm::OpenCommandLineFiles, Qt::QueuedConnection);
    }
    // Coming back from another program, the active document's file may have changed.
    QMetaObject::invokeMethod(this, &TMainForm::OfferReloadOfActiveDocument, Qt::QueuedConnection);
  }
  return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Every document is asked first; one refusal keeps the program and all documents.
  for (TModelForm* document : Documents()) {
    // The document asked about comes to the front, so that the user sees what the question is
    // about.
    if (document->Document().Modified()) FMdiArea->setActiveSubWindow(SubWindowOf(document));
    if (!document->CloseQuery()) {
      event->ignore();
      return;
    }
  }
  for (TModelForm* document : Documents()) document->AllowClose();
  FMdiArea->closeAllSubWindows();
  if (FHelpForm) FHelpForm->close();
  event->accept();
}

}  // namespace ubic
