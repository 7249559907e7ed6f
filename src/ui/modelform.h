#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/reporttargets.h"
#include "model/model.h"
#include "questions.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidgetItem;

namespace ubic {

class TAttributeItem;
class TFunctForm;
class TScaleForm;
class TMainForm;
class TModelTreeView;
class TEvaluationPage;
class TGraphsPage;
class TGridPage;
class TOptionsPage;
enum class TEditCommand;

// A document window: the view of one document, with its pages. Commands change the model only
// by running edits through the document; every page refreshes when the document says it changed.
class TModelForm : public QWidget, private TDocumentObserver {
  Q_OBJECT

 public:
  // The window over Document, for the window's whole life.
  TModelForm(TMainForm& mainForm, std::unique_ptr<TUbicDocument> document);
  ~TModelForm() override;

  TUbicDocument& Document() const { return *FDocument; }
  const TUbicModel& Model() const { return FDocument->Model(); }
  TMainForm& MainForm() const { return FMainForm; }
  const std::string& FileName() const { return FDocument->FileName(); }
  // The title as the user reads it: model name, "*" when modified, and the file name.
  QString Caption() const;

  // Both return whether the model was written.
  bool SaveModel();
  bool SaveModelAs();
  // Asks whether to save a modified model; returns whether the window may close.
  bool CloseQuery();
  // Lets the window close without asking again, after the frame has asked every document.
  void AllowClose() { FCloseAllowed = true; }

  // The document's edits, for Undo and Redo.
  const TUndoHistory& History() const { return FDocument->History(); }
  // Runs Edit through the document; the window and its pages follow when the document tells.
  void Run(const TEdit& edit);
  // Takes the last edit back, or with Redo makes the last one taken back again; the tree and the
  // pages are read anew from the restored model and the edited attribute is selected.
  void UndoStep(bool redo);

  // The single refresh after every change.
  void UpdateControls();
  // The menu the frame shows between File and View for the active page; nil for none.
  QMenu* PageMenu() const;
  // The Graphs page, whose chart a report shows as the page shows it.
  TGraphsPage& GraphsPage() const { return *FGraphsPage; }
  TEvaluationPage& EvaluationPage() const { return *FEvaluationPage; }
  // The targets the window's reports answer, kept by the Target dialog of the Evaluation page.
  const TReportTargets& ReportTargets() const { return FReportTargets; }
  // The frame's Cut, Copy and Paste when no edit field has the focus.
  void EditCommand(TEditCommand command);

  const TUbicAttribute* SelectedAttribute() const;
  TAttributeItem* ItemOf(const TUbicAttribute* attribute) const;
  void SelectAttribute(const TUbicAttribute* attribute);

  // Whether the selected node may be dropped on Target (nil: empty space), and the drop.
  bool ModTreeViewCanDrop(const TAttributeItem* target) const;
  void ModTreeViewDragDrop(TAttributeItem* target);
  // Asks what the size of a new rule table calls for; whether a function may be made.
  bool MayCreateFunction(const TUbicAttribute& attribute);

  void ModAddBtnClick();
  void ModDeleteBtnClick();
  void ModCutBtnClick();
  void ModCopyBtnClick();
  void ModPasteBtnClick();
  void ModDuplicateBtnClick();
  void ModUpBtnClick();
  void ModDownBtnClick();
  void ModDelScaleClick();
  void ModDelFunctClick();
  void ModFunctClick();
  void ModScaleClick();
  void ModScaleComboChange(int index);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* CreateModelPage();
  // Builds the page that became active, then refreshes.
  void PageChange(int page);
  void CreateModelActions();
  QAction* NewModelAction(const QString& caption, const QString& hint, const QKeySequence& key,
                          void (TModelForm::*handler)());

  void DocumentChanging() override;
  void DocumentChanged(const TDocumentChange& change) override;
  // Whether Save may write the window's file: asks before it replaces a file the window did not
  // read or write, or one that changed on disk meanwhile, and refuses another window's file.
  bool MayWriteOwnFile();
  bool SaveDialog(const std::string& proposedName);
  void MoveSelected(int offset);
  // Asks a confirmation of a Windows-1250 text.
  TAnswer Ask(const std::string& text);
  // Asks before a command deletes the functions of Lost, filling Question with the name of the
  // first; true also when Lost is empty.
  bool ConfirmFunctionLoss(const std::vector<const TUbicAttribute*>& lost, const char* question);
  // Builds the page shown anew from the model.
  void BuildPage();
  std::array<TGridPage*, 2> GridPages() const;

  void UpdateModelPage();
  void UpdateScaleChoices(const TUbicAttribute* attribute);
  void UpdateFunctionText(const TUbicAttribute* attribute);
  void ModNameEditChange(const QString& text);
  void ModDescEditChange(const QString& text);
  void ModTreeViewPopup(const QPoint& position);

  TMainForm& FMainForm;
  std::unique_ptr<TUbicDocument> FDocument;
  TReportTargets FReportTargets;
  QTabWidget* FPageControl;
  TOptionsPage* FOptionsPage;
  TEvaluationPage* FEvaluationPage;
  TGraphsPage* FGraphsPage;
  TModelTreeView* FModTreeView;
  QLineEdit* FModNameEdit;
  QLineEdit* FModDescEdit;
  QPushButton* FModScaleBtn;
  QComboBox* FModScaleCombo;
  QGroupBox* FModFunctGroup;
  QPushButton* FModFunctBtn;
  QLabel* FModFunctText;
  QStatusBar* FStatusBar;
  QAction* FModAdd;
  QAction* FModDelete;
  QAction* FModCut;
  QAction* FModCopy;
  QAction* FModPaste;
  QAction* FModDuplicate;
  QAction* FModUp;
  QAction* FModDown;
  QAction* FModScale;
  QAction* FModDelScale;
  QAction* FModFunct;
  QAction* FModDelFunct;
  QMenu* FModEditMenu;
  QMenu* FModPopupMenu;
  TFunctForm* FFunctForm;
  TScaleForm* FScaleForm;
  // Set while the refresh writes into the controls: their change events then do nothing.
  bool FUpdating = false;
  bool FCloseAllowed = false;
  // The scale list is rebuilt only when the selection or the scales changed.
  const TUbicAttribute* FScaleChoicesFor = nullptr;
  bool FScaleChoicesStale = true;
  std::vector<const TUbicScale*> FScaleChoices;
  // The function's text counts its conflicts, too dear to find on every keystroke: it is made
  // anew only when the selection or the model changed.
  const TUbicAttribute* FFunctionTextFor = nullptr;
  bool FFunctionTextStale = true;
  std::vector<QPushButton*> FModButtons;
  // The selected attribute's path when the document began to change.
  std::vector<int> FSelectionBefore;
};

}  // namespace ubic
