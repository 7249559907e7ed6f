#include "graphspage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <utility>

#include "document/edits.h"
#include "mainform.h"
#include "modeltree.h"
#include "uitext.h"

namespace ubic {

namespace {

// The panel of four radars leaves a pixel between them.
constexpr int RadarGap = 1;

void AddNodes(QTreeWidgetItem* parentItem, TUbicAttribute* attribute) {
  auto* item = new TAttributeItem(attribute);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(0, Qt::Unchecked);
  parentItem->addChild(item);
  for (int i = 0; i < attribute->InputCount(); ++i) AddNodes(item, attribute->Input(i));
}

}  // namespace

TGraphView::TGraphView(const TModelGraphs& graphs, QWidget* parent)
    : QWidget(parent), FGraphs(graphs) {
  setAutoFillBackground(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
}

void TGraphView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  switch (FGraphs.Visible()) {
    case TGraphKind::None:
      painter.drawText(rect(), Qt::AlignCenter, "GRAPH: Select attributes and options");
      break;
    case TGraphKind::FourRadars:
      DrawFourCharts(painter, rect(), FGraphs.FourRadars(), RadarGap);
      break;
    default:
      FGraphs.DrawFitted(painter, rect(), size());
  }
}

TGraphsPage::TGraphsPage(TUbicDocument& document, TMainForm& mainForm)
    : FDocument(document), FMainForm(mainForm) {
  GraphShowAll =
      NewGraphAction("&Show all options", "All options|show all options", QKeySequence("Ctrl+A"));
  GraphHideAll =
      NewGraphAction("&Hide all options", "Hide options|Hide all options", QKeySequence("Ctrl+N"));
  GraphNamedValues =
      NewGraphAction("&Named values", "Name values|Show name with value", QKeySequence("Ctrl+I"));
  GraphNamedOptions =
      NewGraphAction("Named &options", "Na options|Show names with option", QKeySequence("Ctrl+V"));
  GraphFourOptions = NewGraphAction("&4 options", "Show 4 options|Show four options on graph",
                                    QKeySequence("Ctrl+4"));
  GraphCopy = NewGraphAction("&Copy graph", "Copy|Copy graph", QKeySequence("Ctrl+C"));
  // The frame owns Ctrl+C and Ctrl+V and passes them on (EditCommand); here they are only shown.
  for (QAction* action : {GraphNamedOptions, GraphCopy}) {
    removeAction(action);
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  for (QAction* action : {GraphNamedValues, GraphNamedOptions, GraphFourOptions}) {
    action->setCheckable(true);
  }
  connect(GraphShowAll, &QAction::triggered, this, [this] { ShowAllOptions(true); });
  connect(GraphHideAll, &QAction::triggered, this, [this] { ShowAllOptions(false); });
  const auto invert = [this](bool TGraphSettings::*setting) {
    FSettings.*setting = !(FSettings.*setting);
    DrawGraphs();
    emit StateChanged();
  };
  connect(GraphNamedValues, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::NamedValues); });
  connect(GraphNamedOptions, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::NamedOptions); });
  connect(GraphFourOptions, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::FourOptions); });
  connect(GraphCopy, &QAction::triggered, this,
          [this] { FMainForm.RunCommand([this] { CopyGraph(); }); });

  GraphMenu = new QMenu("&Graph", this);
  GraphMenu->addActions({GraphShowAll, GraphHideAll});
  GraphMenu->addSeparator();
  GraphMenu->addActions({GraphNamedValues, GraphNamedOptions, GraphFourOptions});
  GraphMenu->addSeparator();
  GraphMenu->addAction(GraphCopy);
  GraphPopupMenu = new QMenu(this);
  GraphPopupMenu->addActions(
      {PopupAction(GraphShowAll, "&Prikaži vse variante", "Vse variante|Prikaži vse variante"),
       PopupAction(GraphHideAll, "&Hide all options", GraphHideAll->statusTip())});
  GraphPopupMenu->addSeparator();
  GraphPopupMenu->addActions(
      {PopupAction(GraphNamedValues, "&Named values", "Named values"),
       PopupAction(GraphNamedOptions, "Named options", "Named options"),
       PopupAction(GraphFourOptions, "&Four (4) options", GraphFourOptions->statusTip())});
  GraphPopupMenu->addSeparator();
  GraphPopupMenu->addAction(PopupAction(GraphCopy, "&Copy graph", GraphCopy->statusTip()));

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  LeftPages = new QTabWidget(splitter);
  GraphTree = new QTreeWidget(LeftPages);
  GraphTree->setHeaderHidden(true);
  GraphTree->setContextMenuPolicy(Qt::CustomContextMenu);
  LeftPages->addTab(GraphTree, "&Attributes");
  OptionList = new QListWidget(LeftPages);
  OptionList->setContextMenuPolicy(Qt::CustomContextMenu);
  LeftPages->addTab(OptionList, "Op&tions");
  GraphView = new TGraphView(FGraphs, splitter);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({250, 750});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  connect(GraphTree, &QTreeWidget::itemChanged, this, &TGraphsPage::GraphTreeChange);
  connect(OptionList, &QListWidget::itemChanged, this, &TGraphsPage::OptionListChange);
  connect(OptionList, &QListWidget::currentRowChanged, this, [this] {
    if (FFilling) return;
    DrawGraphs();
    emit StateChanged();
  });
  for (QWidget* control : std::initializer_list<QWidget*>{GraphTree, OptionList, GraphView}) {
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control](const QPoint& position) { ShowPopup(control, position); });
  }
}

QAction* TGraphsPage::NewGraphAction(const QString& caption, const QString& hint,
                                     const QKeySequence& key) {
  QAction* action = NewOwnAction(this, caption, hint, key);
  return action;
}

QAction* TGraphsPage::PopupAction(QAction* action, const QString& caption, const QString& hint) {
  auto* popup = new QAction(caption, this);
  SetHint(popup, hint);
  popup->setCheckable(action->isCheckable());
  connect(popup, &QAction::triggered, action, &QAction::trigger);
  FPopupActions.emplace_back(action, popup);
  return popup;
}

void TGraphsPage::ShowPopup(QWidget* control, const QPoint& position) {
  const QWidget* viewport =
      control == GraphView ? control : static_cast<QAbstractScrollArea*>(control)->viewport();
  GraphPopupMenu->exec(viewport->mapToGlobal(position));
}

void TGraphsPage::Build() {
  FFilling = true;
  FillTree();
  FillOptionList();
  FFilling = false;
  DrawGraphs();
}

void TGraphsPage::ReleaseAttributes() {
  const bool filling = std::exchange(FFilling, true);
  GraphTree->clear();
  FFilling = filling;
}

void TGraphsPage::FillTree() {
  GraphTree->clear();
  TUbicAttribute* root = FDocument.Model().Root();
  for (int i = 0; i < root->InputCount(); ++i) {
    AddNodes(GraphTree->invisibleRootItem(), root->Input(i));
  }
  GraphTree->expandAll();
  // Attributes deleted since they were chosen drop out.
  std::vector<TUbicAttribute*> present;
  root->CollectAttributes(present);
  std::erase_if(FChartAttributes, [&present](const TUbicAttribute* chosen) {
    return std::find(present.begin(), present.end(), chosen) == present.end();
  });
  ShowTicks();
}

void TGraphsPage::ShowTicks() {
  const bool filling = std::exchange(FFilling, true);
  for (QTreeWidgetItemIterator it(GraphTree); *it; ++it) {
    auto* item = static_cast<TAttributeItem*>(*it);
    const bool chosen = std::find(FChartAttributes.begin(), FChartAttributes.end(),
                                  item->Attribute()) != FChartAttributes.end();
    item->setCheckState(0, chosen ? Qt::Checked : Qt::Unchecked);
  }
  FFilling = filling;
}

void TGraphsPage::FillOptionList() {
  const TUbicModel& model = FDocument.Model();
  // The items are updated in place: a change of one of them is what calls for this.
  while (OptionList->count() > model.OptionCount()) delete OptionList->takeItem(OptionList->count() - 1);
  while (OptionList->count() < model.OptionCount()) {
    auto* item = new QListWidgetItem(OptionList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  }
  for (int k = 0; k < model.OptionCount(); ++k) {
    QListWidgetItem* item = OptionList->item(k);
    item->setText(ToQString(model.Options()[k]));
    item->setCheckState(model.OptionSelected(k) ? Qt::Checked : Qt::Unchecked);
  }
}

void TGraphsPage::GraphTreeChange(QTreeWidgetItem* item) {
  if (FFilling) return;
  GraphTree->setCurrentItem(item);
  ToggleAttribute(static_cast<TAttributeItem*>(item)->Attribute());
}

void TGraphsPage::ToggleAttribute(const TUbicAttribute* attribute) {
  const auto chosen = std::find(FChartAttributes.begin(), FChartAttributes.end(), attribute);
  if (chosen != FChartAttributes.end()) {
    FChartAttributes.erase(chosen);
  } else {
    FChartAttributes.push_back(attribute);
  }
  while (FChartAttributes.size() > MaxChartAttributes)
    FChartAttributes.erase(FChartAttributes.begin());
  ShowTicks();
  DrawGraphs();
  emit StateChanged();
}

namespace {

// The selection of every option: "1" where it is shown.
std::string Selection(const TUbicModel& model) {
  std::string selection;
  for (int k = 0; k < model.OptionCount(); ++k) selection += model.OptionSelected(k) ? '1' : '0';
  return selection;
}

}  // namespace

void TGraphsPage::OptionListChange(QListWidgetItem* item) {
  if (FFilling) return;
  std::string selection = Selection(FDocument.Model());
  selection.at(OptionList->row(item)) = item->checkState() == Qt::Checked ? '1' : '0';
  FMainForm.RunCommand([&] { FDocument.Run(edits::SelectOptions(selection)); });
}

void TGraphsPage::ShowAllOptions(bool shown) {
  FDocument.Run(edits::SelectOptions(std::string(FDocument.Model().OptionCount(), shown ? '1' : '0')));
}

void TGraphsPage::DrawGraphs() {
  FGraphs.Update(FDocument.Model(), FChartAttributes, OptionList->currentRow(), FSettings);
  GraphView->update();
}

void TGraphsPage::UpdateControls() {
  GraphNamedValues->setChecked(FSettings.NamedValues);
  GraphNamedOptions->setChecked(FSettings.NamedOptions);
  GraphFourOptions->setChecked(FSettings.FourOptions);
  GraphFourOptions->setEnabled(FChartAttributes.size() > 2);
  GraphCopy->setEnabled(FGraphs.Visible() != TGraphKind::None);
  for (const auto& [action, popup] : FPopupActions) {
    popup->setChecked(action->isChecked());
    popup->setEnabled(action->isEnabled());
  }
}

void TGraphsPage::EditCommand(TEditCommand command) {
  QAction* action = command == TEditCommand::Copy    ? GraphCopy
                    : command == TEditCommand::Paste ? GraphNamedOptions
                                                     : nullptr;
  if (action && action->isEnabled()) action->trigger();
}

void TGraphsPage::CopyGraph() {
  const qreal ratio = GraphView->devicePixelRatioF();
  switch (FGraphs.Visible()) {
    case TGraphKind::None:
      return;
    case TGraphKind::FourRadars:
      CopyFourChartsToClipboard(FGraphs.FourRadars(), GraphView->size(),
                                GraphView->palette().color(QPalette::Window), ratio);
      return;
    case TGraphKind::Bar:
      CopyChartToClipboard(FGraphs.Bar(), GraphView->size(), ratio);
      return;
    case TGraphKind::Scatter:
      CopyChartToClipboard(FGraphs.Scatter(), GraphView->size(), ratio);
      return;
    case TGraphKind::Radar:
      CopyChartToClipboard(FGraphs.Radar(), GraphView->size(), ratio);
      return;
  }
}

}  // namespace ubic
