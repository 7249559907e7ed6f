#pragma once

#include <QWidget>

#include "document/undohistory.h"
#include "optiongrid.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;

namespace ubic {

class TMainForm;
class TReportTargets;
class TUbicDocument;
class TValueEditor;
enum class TEditCommand;

// What the Options and Evaluation pages share: a grid of options by attributes and the value
// editor in the bar above it, also driven by single key presses.
class TGridPage : public QWidget {
  Q_OBJECT

 public:
  TGridPage(TUbicDocument& document, TMainForm& mainForm, TGridKind kind);

  // Gives the grid the keyboard focus, as the page becomes the active one.
  void FocusGrid();
  // Rebuilds the grid from the model.
  void Build();
  // Empties the grid, whose rows point at attributes that may go; Build fills it again.
  void ReleaseAttributes();
  // Before the model changes on the shown page: Build comes back to the current cell.
  void KeepCurrentCell() { FGrid->KeepCurrent(); }
  // Makes the cell of what an edit concerns current: its option's column, its attribute's row.
  void ShowFocus(const TEditFocus& focus);
  // Stores the value that item Index of the value editor stands for in the current cell.
  void ValueEditorChange(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Shows the value editor for the current cell when Editable, hidden otherwise.
  void UpdateValueEditor(bool editable);
  // Whether the key chose a value of the current attribute; the key is then consumed.
  bool ValueKey(const QString& text);
  virtual void AfterValueKey() {}
  // Whether a character typed on the grid was taken care of here. One that begins a value's name
  // passes on to the grid, which opens the cell's editor with it; the others are refused.
  virtual bool TypedOnGrid(const QKeyEvent& key);
  // A message for the user in the main window's status bar.
  void Say(const QString& message) const;

  TUbicDocument& FDocument;
  TMainForm& FMainForm;
  TOptionGrid* FGrid;
  TValueEditor* FValueEditor;

 private:
  // Stores the value-set text Codes in Cell, when it names an option's value.
  void SetValue(TGridCell cell, const std::string& codes);
  // Stores weights given as "name=weight" joined by ";" in Cell, when it names an option's value.
  void SetWeights(TGridCell cell, const std::string& text);
  // A set typed into a cell as the names of its values, joined by ";", or weights.
  void TextEntered(TGridCell cell, const QString& text);

 signals:
  // The current cell moved: the window's commands follow.
  void StateChanged();
};

// The Options page: options named and described by the values of the basic attributes, and the
// commands that add, delete and move options through the main window's option clipboard.
class TOptionsPage : public TGridPage {
 public:
  TOptionsPage(TUbicDocument& document, TMainForm& mainForm);

  // The page's Edit menu, which the document window shows while the page is active.
  QMenu* PageMenu() const { return FOptEditMenu; }
  // Part of the document window's refresh.
  void UpdateControls();
  void EditCommand(TEditCommand command);

  // The button adds after the current option, the menu before it.
  void OptAddBtnClick();
  void OptAddClick();
  void OptDeleteClick();
  void OptCutClick();
  void OptCopyClick();
  void OptPasteClick();
  void OptDuplicateClick();
  void OptImportClick();
  void OptExportOptionsClick();
  void OptExportClick();
  void OptNameEditChange(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void AfterValueKey() override;
  // A character typed on an option's name begins its new name.
  bool TypedOnGrid(const QKeyEvent& key) override;

 private:
  QAction* NewOptionAction(const QString& caption, const QString& hint, const QKeySequence& key,
                           void (TOptionsPage::*handler)());
  void AddOption(bool after);
  // Enter in the name editor: the grid takes the keys again, on the option's first value.
  void NameEntered();
  // The current option, -1 when the current column names none.
  int CurrentOption() const;

  QLineEdit* FOptNameEdit;
  QAction* FOptAdd;
  QAction* FOptDelete;
  QAction* FOptCut;
  QAction* FOptCopy;
  QAction* FOptPaste;
  QAction* FOptDuplicate;
  QAction* FOptImport;
  QAction* FOptExportOptions;
  QAction* FOptExport;
  QMenu* FOptEditMenu;
  QPushButton* FOptAddBtn;
  QString FNameOnEntry;
  int FNameColumn = -1;
};

// The Evaluation page: every attribute's values, the aggregate ones evaluated when the page is
// built; basic values can be changed here too.
class TEvaluationPage : public TGridPage {
 public:
  // ReportTargets: the targets the window's reports answer, which the Target dialog keeps.
  TEvaluationPage(TUbicDocument& document, TMainForm& mainForm, TReportTargets& reportTargets);

  // The page's Edit menu, which the document window shows while the page is active.
  QMenu* PageMenu() const { return FEvalEditMenu; }
  void UpdateControls();
  // Each analyses the current option, the first when no option column is current.
  void SensitivityBtnClick();
  void ExplainBtnClick();
  // A solution chosen in the dialog becomes a new option after the current one, shown.
  void TargetBtnClick();
  // How the grid evaluates uncertain values: a choice of this run, which neither the model nor
  // its file keep.
  TEvaluationMethod Method() const { return FGrid->Cells().Method(); }

 private:
  QPushButton* NewAnalysisButton(const QString& caption, const QString& hint,
                                 void (TEvaluationPage::*handler)());
  int AnalysedOption() const;

  TReportTargets& FReportTargets;
  QPushButton* FSensitivityBtn;
  QPushButton* FExplainBtn;
  QPushButton* FTargetBtn;
  QComboBox* FMethodBox;
  QMenu* FEvalEditMenu;
};

}  // namespace ubic
