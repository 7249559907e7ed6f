#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/attribute.h"
#include "model/model.h"
#include "questions.h"

class QAction;
class QMdiArea;
class QMenu;
class QMdiSubWindow;

class QLineEdit;

namespace ubic {

enum class TEditCommand { Cut, Copy, Paste };

class TAboutBox;
class TPreviewForm;
class TPrintPreview;
class TRptForm;
struct TReportStyle;
class THelpForm;
class TModelForm;
class TRecentFiles;

// Names the program for Qt: the application name only. Qt appends a display name to every window
// title that does not end with it, and the frame's title begins with the program's name already
// ("Ubic - [Car [car.ubm]]"), which would then read twice.
void NameApplication();

// The frame of the program: menus, tool bar and status bar around the document windows, and the
// clipboard of subtrees that all documents share.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Questions are asked through Questions, which must outlive the window.
  TMainForm(TQuestions& questions, QStringList commandLineFiles);
  ~TMainForm() override;

  TQuestions& Questions() const { return FQuestions; }

  // A new document window with the model of FileName, or a new model when FileName is empty or
  // names no file. When that fails the window is gone again and the error passes on. A file
  // that a window holds already is not opened twice: that window comes to the front.
  TModelForm* CreateDocument(const std::string& fileName);
  // The document window other than Except whose file FileName names; nil if none.
  TModelForm* DocumentHolding(const std::string& fileName,
                              const TModelForm* except = nullptr) const;
  // Whether Writer may write FileName: not while another window holds it, which the user is told.
  bool MayWriteFile(const TModelForm& writer, const std::string& fileName) const;
  // Offers to read the active document's file anew when another program changed it on disk.
  void OfferReloadOfActiveDocument();
  // The document window the frame's commands act on, nil if none.
  TModelForm* ActiveDocument() const;
  std::vector<TModelForm*> Documents() const;

  // The copied subtree shared by all documents, nil while nothing was copied.
  const TUbicAttribute* SubtreeClipboard() const { return FSubtreeClipboard.get(); }
  // Keeps a detached copy of Attribute's subtree and puts its name on the system clipboard.
  void CopySubtreeToClipboard(const TUbicAttribute& attribute);
  // The copied option shared by all documents: its name, then its value texts on the rows of the
  // Options page it came from; empty while nothing was copied.
  const std::vector<std::string>& OptionClipboard() const { return FOptionClipboard; }
  void CopyOptionToClipboard(const TUbicModel& model, int index,
                             const std::vector<const TUbicAttribute*>& attributes);

  // Runs a command; an error it raises is shown to the user and ends it.
  void RunCommand(const std::function<void()>& command);
  // Called by a document window after its refresh: merges its page menu when it is active.
  void DocumentChanged(TModelForm* document);
  // Says once per run, in the status bar, that typed characters were replaced.
  void NoteReplacedCharacters();
  // Turns what was typed into Edit into a model text; Edit then shows what could not be kept.
  std::string TypedText(QLineEdit* edit, const QString& text);

  // Undo and Redo, which the document windows put into their pages' menus.
  QList<QAction*> UndoActions() const { return {FEditUndo, FEditRedo}; }
  // Puts FileName first in the File menu's list of recent files.
  void AddRecentFile(const std::string& fileName);

  // The rule editor's report: the decision rules of Function, the copy being edited of
  // Attribute's function, in the preview.
  void ShowFunctionReport(TUbicFunction& function, const TUbicAttribute& attribute);
  TRptForm& RptForm() const { return *FRptForm; }
  TPreviewForm& PreviewForm() const { return *FPreviewForm; }
  // Opens the files named on the command line; only the first activation finds any.
  void OpenCommandLineFiles();
  // Opens the files that a later start of the program was given, and comes to the front.
  void OpenFilesOfAnotherStart(const QStringList& files);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FileNewClick();
  void FileOpenClick();
  void FileCloseClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void HelpContentsClick();
  void HelpAboutClick();
  // Reports on the active document's model in the sections the user ticks, in the preview.
  void FileReportClick();
  // Shows in the preview, modally, the reports that AddReports gives it in the report font.
  void ShowInPreview(const std::function<void(TPrintPreview&, const TReportStyle&)>& addReports);
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void UpdateActions();
  void MergeMenus();
  void FillViewMenu();
  QMdiSubWindow* SubWindowOf(const TModelForm* document) const;
  // Brings Document's window to the front.
  void Activate(TModelForm* document);
  void OpenFiles(const QStringList& files);
  // The edit-field commands act on the focused edit, else on the active document's page.
  void EditCommandClick(TEditCommand command);

  TQuestions& FQuestions;
  QStringList FCommandLineFiles;
  QAction* FFileNew;
  QAction* FFileOpen;
  QAction* FFileClose;
  QAction* FFileSave;
  QAction* FFileSaveAs;
  QAction* FFileReport;
  QAction* FFileExit;
  QAction* FWindowCascade;
  QAction* FWindowTileHorizontal;
  QAction* FWindowTileVertical;
  QAction* FWindowMinimizeAll;
  QAction* FWindowArrangeIcons;
  QAction* FHelpContents;
  QAction* FHelpAbout;
  // Bound to their keys, in no menu: they act on the focused edit, else on the active page.
  QAction* FEditCut;
  QAction* FEditCopy;
  QAction* FEditPaste;
  // Undo and Redo of the active document's edits, named after the step they take.
  QAction* FEditUndo;
  QAction* FEditRedo;
  QMdiArea* FMdiArea;
  QMenu* FFileMenu;
  QMenu* FViewMenu;
  QMenu* FHelpMenu;
  // The File menu's list of the files last opened or saved.
  TRecentFiles* FRecentFiles;
  std::unique_ptr<TUbicAttribute> FSubtreeClipboard;
  std::vector<std::string> FOptionClipboard;
  bool FReplacedNoted = false;
  // While the reload question is asked, the activations it causes ask nothing.
  bool FOfferingReload = false;
  std::unique_ptr<TAboutBox> FAboutBox;
  std::unique_ptr<TRptForm> FRptForm;
  std::unique_ptr<TPreviewForm> FPreviewForm;
  std::unique_ptr<THelpForm> FHelpForm;
};

}  // namespace ubic
