#pragma once

#include <QWidget>
#include <vector>

#include "charts/modelgraphs.h"
#include "document/attributeref.h"

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace ubic {

class TMainForm;
class TUbicAttribute;
class TUbicDocument;
enum class TEditCommand;

// The area of the Graphs page that shows the visible graph, or a hint when there is none.
class TGraphView : public QWidget {
 public:
  TGraphView(const TModelGraphs& graphs, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TModelGraphs& FGraphs;
};

// The Graphs page: up to six attributes chosen in a tree with tick boxes, the options shown in a
// check list, and the chart that the number of chosen attributes calls for.
class TGraphsPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int MaxChartAttributes = 6;

  TGraphsPage(TUbicDocument& document, TMainForm& mainForm);

  // The chosen attributes in the order they were chosen, as the model now has them.
  std::vector<const TUbicAttribute*> ChartAttributes() const;
  const TModelGraphs& Graphs() const { return FGraphs; }
  const TGraphSettings& Settings() const { return FSettings; }
  // The page's Graph menu, which the document window shows while the page is active.
  QMenu* PageMenu() const { return FGraphMenu; }
  // Why the page has no graph to show, as the model now is; None when it has one.
  TEmptyGraph EmptyReason() const;
  // The size the chart is drawn at on the page; a report fits the chart as the page shows it.
  QSize ShownSize() const;

  // Reads the model anew and draws.
  void Build();
  // Empties the attribute tree, whose nodes point at attributes that may go; Build fills it, and
  // the chosen attributes that the model still has stay chosen.
  void ReleaseAttributes();
  void DrawGraphs();
  // Part of the document window's refresh: tick marks and enablement of both menus.
  void UpdateControls();
  void EditCommand(TEditCommand command);

  // Chooses Attribute when it is not chosen, else drops it; the earliest go beyond six.
  void ToggleAttribute(const TUbicAttribute* attribute);
  void ShowAllOptions(bool shown);
  void CopyGraph();

 signals:
  // What the page offers changed: the window's commands follow.
  void StateChanged();

 private:
  QAction* NewGraphAction(const QString& caption, const QString& hint, const QKeySequence& key);
  // The pop-up's counterpart of Action: its own caption, the same command.
  QAction* PopupAction(QAction* action, const QString& caption, const QString& hint);
  void FillTree();
  void FillOptionList();
  void ShowTicks();
  void KeepChosen();
  void GraphTreeChange(QTreeWidgetItem* item);
  void OptionListChange(QListWidgetItem* item);
  void ShowPopup(QWidget* control, const QPoint& position);

  TUbicDocument& FDocument;
  TMainForm& FMainForm;
  QTabWidget* FLeftPages;
  QTreeWidget* FGraphTree;
  QListWidget* FOptionList;
  TGraphView* FGraphView;
  QAction* FGraphShowAll;
  QAction* FGraphHideAll;
  QAction* FGraphNamedValues;
  QAction* FGraphNamedOptions;
  QAction* FGraphFourOptions;
  QAction* FGraphDistributions;
  QAction* FGraphCopy;
  QMenu* FGraphMenu;
  QMenu* FGraphPopupMenu;
  // Kept by name and place: Undo and Redo replace every attribute, and the choice outlives them.
  std::vector<TAttributeRef> FChartAttributes;
  TGraphSettings FSettings;
  TModelGraphs FGraphs;
  // Keeps the lists' own change signals out while the page writes into them.
  bool FFilling = false;
  std::vector<std::pair<QAction*, QAction*>> FPopupActions;
};

}  // namespace ubic
