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

#include "accessibility.h"
#include "document/edits.h"
#include "mainform.h"
#include "modeltree.h"
#include "uitext.h"

namespace ubic {

namespace {

// The panel of four radars leaves a pixel between them.
constexpr int RadarGap = 1;

void AddNodes(QTreeWidgetItem* parentItem, const TUbicAttribute* attribute) {
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
  // The panel leaves a gap between its radars; with nothing to draw, the graphs say why.
  if (FGraphs.Visible() == TGraphKind::FourRadars && FGraphs.Empty() == TEmptyGraph::None) {
    DrawFourCharts(painter, rect(), FGraphs.FourRadars(), RadarGap);
  } else {
    FGraphs.DrawFitted(painter, rect(), size());
  }
}

TGraphsPage::TGraphsPage(TUbicDocument& document, TMainForm& mainForm)
    : FDocument(document), FMainForm(mainForm) {
  FGraphShowAll =
      NewGraphAction(QObject::tr("&Show all options"), QObject::tr("All options|show all options"),
                     QKeySequence("Ctrl+A"));
  FGraphHideAll = NewGraphAction(QObject::tr("&Hide all options"),
                                 QObject::tr("Hide options|Hide all options"), {});
  FGraphNamedValues =
      NewGraphAction(QObject::tr("&Named values"), QObject::tr("Name values|Show name with value"),
                     QKeySequence("Ctrl+I"));
  FGraphNamedOptions =
      NewGraphAction(QObject::tr("Named &options"),
                     QObject::tr("Na options|Show names with option"), QKeySequence("Ctrl+V"));
  FGraphFourOptions = NewGraphAction(QObject::tr("&4 options"),
                                     QObject::tr("Show 4 options|Show four options on graph"),
                                     QKeySequence("Ctrl+4"));
  FGraphDistributions = NewGraphAction(
      QObject::tr("&Distributions"),
      QObject::tr("Distributions|Show each option's probabilities of the attribute's values"), {});
  FGraphCopy = NewGraphAction(QObject::tr("&Copy graph"), QObject::tr("Copy|Copy graph"),
                              QKeySequence("Ctrl+C"));
  // The frame owns Ctrl+C and Ctrl+V and passes them on (EditCommand); here they are only shown.
  for (QAction* action : {FGraphNamedOptions, FGraphCopy}) {
    removeAction(action);
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  for (QAction* action :
       {FGraphNamedValues, FGraphNamedOptions, FGraphFourOptions, FGraphDistributions}) {
    action->setCheckable(true);
  }
  connect(FGraphShowAll, &QAction::triggered, this, [this] { ShowAllOptions(true); });
  connect(FGraphHideAll, &QAction::triggered, this, [this] { ShowAllOptions(false); });
  const auto invert = [this](bool TGraphSettings::*setting) {
    FSettings.*setting = !(FSettings.*setting);
    DrawGraphs();
    emit StateChanged();
  };
  connect(FGraphNamedValues, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::NamedValues); });
  connect(FGraphNamedOptions, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::NamedOptions); });
  connect(FGraphFourOptions, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::FourOptions); });
  connect(FGraphDistributions, &QAction::triggered, this,
          [invert] { invert(&TGraphSettings::Distributions); });
  connect(FGraphCopy, &QAction::triggered, this,
          [this] { FMainForm.RunCommand([this] { CopyGraph(); }); });

  FGraphMenu = new QMenu(QObject::tr("&Graph"), this);
  FGraphMenu->addActions({FGraphShowAll, FGraphHideAll});
  FGraphMenu->addSeparator();
  FGraphMenu->addActions(
      {FGraphNamedValues, FGraphNamedOptions, FGraphFourOptions, FGraphDistributions});
  FGraphMenu->addSeparator();
  FGraphMenu->addAction(FGraphCopy);
  FGraphPopupMenu = new QMenu(this);
  FGraphPopupMenu->addActions(
      {PopupAction(FGraphShowAll, QObject::tr("&Show all options"),
                   QObject::tr("All options|Show all options")),
       PopupAction(FGraphHideAll, QObject::tr("&Hide all options"), FGraphHideAll->statusTip())});
  FGraphPopupMenu->addSeparator();
  FGraphPopupMenu->addActions(
      {PopupAction(FGraphNamedValues, QObject::tr("&Named values"), QObject::tr("Named values")),
       PopupAction(FGraphNamedOptions, QObject::tr("Named options"), QObject::tr("Named options")),
       PopupAction(FGraphFourOptions, QObject::tr("&Four (4) options"),
                   FGraphFourOptions->statusTip()),
       PopupAction(FGraphDistributions, QObject::tr("&Distributions"),
                   FGraphDistributions->statusTip())});
  FGraphPopupMenu->addSeparator();
  FGraphPopupMenu->addAction(
      PopupAction(FGraphCopy, QObject::tr("&Copy graph"), FGraphCopy->statusTip()));

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  FLeftPages = new QTabWidget(splitter);
  FGraphTree = new QTreeWidget(FLeftPages);
  FGraphTree->setHeaderHidden(true);
  FGraphTree->setContextMenuPolicy(Qt::CustomContextMenu);
  FLeftPages->addTab(FGraphTree, QObject::tr("&Attributes"));
  FOptionList = new QListWidget(FLeftPages);
  FOptionList->setContextMenuPolicy(Qt::CustomContextMenu);
  FLeftPages->addTab(FOptionList, QObject::tr("Op&tions"));
  FLeftPages->setTabToolTip(0, QObject::tr("The attributes drawn, ticked in the order chosen"));
  FLeftPages->setTabToolTip(1, QObject::tr("The options drawn"));
  Describe(
      FGraphTree, QObject::tr("Attributes"),
      QObject::tr(
          "Tick up to six attributes to draw: one gives bars, two a scatter plot, more radars"));
  Describe(FOptionList, QObject::tr("Options"),
           QObject::tr("Tick the options to draw; the current one leads the radars"));
  FGraphView = new TGraphView(FGraphs, splitter);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({250, 750});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  connect(FGraphTree, &QTreeWidget::itemChanged, this, &TGraphsPage::GraphTreeChange);
  connect(FOptionList, &QListWidget::itemChanged, this, &TGraphsPage::OptionListChange);
  connect(FOptionList, &QListWidget::currentRowChanged, this, [this] {
    if (FFilling) return;
    DrawGraphs();
    emit StateChanged();
  });
  for (QWidget* control : std::initializer_list<QWidget*>{FGraphTree, FOptionList, FGraphView}) {
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control](const QPoint& position) { ShowPopup(control, position); });
  }
  NameObjects({{FLeftPages, "LeftPages"},
               {FGraphTree, "GraphTree"},
               {FOptionList, "OptionList"},
               {FGraphView, "GraphView"},
               {FGraphShowAll, "GraphShowAll"},
               {FGraphHideAll, "GraphHideAll"},
               {FGraphNamedValues, "GraphNamedValues"},
               {FGraphNamedOptions, "GraphNamedOptions"},
               {FGraphFourOptions, "GraphFourOptions"},
               {FGraphDistributions, "GraphDistributions"},
               {FGraphCopy, "GraphCopy"},
               {FGraphMenu, "GraphMenu"},
               {FGraphPopupMenu, "GraphPopupMenu"}});
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
      control == FGraphView ? control : static_cast<QAbstractScrollArea*>(control)->viewport();
  FGraphPopupMenu->exec(viewport->mapToGlobal(position));
}

QSize TGraphsPage::ShownSize() const {
  return FGraphView->size();
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
  FGraphTree->clear();
  FFilling = filling;
}

void TGraphsPage::FillTree() {
  FGraphTree->clear();
  const TUbicAttribute* root = FDocument.Model().Root();
  for (int i = 0; i < root->InputCount(); ++i) {
    AddNodes(FGraphTree->invisibleRootItem(), root->Input(i));
  }
  FGraphTree->expandAll();
  KeepChosen();
  ShowTicks();
}

void TGraphsPage::KeepChosen() {
  // Attributes deleted since they were chosen drop out; the others are kept as they are now,
  // under the names and at the places they have now.
  std::vector<TAttributeRef> present;
  for (const TUbicAttribute* chosen : ChartAttributes()) present.emplace_back(*chosen);
  FChartAttributes = std::move(present);
}

std::vector<const TUbicAttribute*> TGraphsPage::ChartAttributes() const {
  return FindAll(FDocument.Model(), FChartAttributes);
}

TEmptyGraph TGraphsPage::EmptyReason() const {
  return EmptyGraphReason(FDocument.Model(), static_cast<int>(ChartAttributes().size()));
}

void TGraphsPage::ShowTicks() {
  const bool filling = std::exchange(FFilling, true);
  const std::vector<const TUbicAttribute*> chosen = ChartAttributes();
  for (QTreeWidgetItemIterator it(FGraphTree); *it; ++it) {
    auto* item = static_cast<TAttributeItem*>(*it);
    const bool ticked = std::find(chosen.begin(), chosen.end(), item->Attribute()) != chosen.end();
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
  }
  FFilling = filling;
}

void TGraphsPage::FillOptionList() {
  const TUbicModel& model = FDocument.Model();
  // The items are updated in place: a change of one of them is what calls for this.
  while (FOptionList->count() > model.OptionCount())
    delete FOptionList->takeItem(FOptionList->count() - 1);
  while (FOptionList->count() < model.OptionCount()) {
    auto* item = new QListWidgetItem(FOptionList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  }
  for (int k = 0; k < model.OptionCount(); ++k) {
    QListWidgetItem* item = FOptionList->item(k);
    item->setText(ToQString(model.Options()[k]));
    item->setCheckState(model.OptionSelected(k) ? Qt::Checked : Qt::Unchecked);
  }
}

void TGraphsPage::GraphTreeChange(QTreeWidgetItem* item) {
  if (FFilling) return;
  FGraphTree->setCurrentItem(item);
  ToggleAttribute(static_cast<TAttributeItem*>(item)->Attribute());
}

void TGraphsPage::ToggleAttribute(const TUbicAttribute* attribute) {
  KeepChosen();
  const TUbicModel& model = FDocument.Model();
  const auto chosen =
      std::find_if(FChartAttributes.begin(), FChartAttributes.end(),
                   [&](const TAttributeRef& ref) { return ref.Refers(model, *attribute); });
  if (chosen != FChartAttributes.end()) {
    FChartAttributes.erase(chosen);
  } else {
    FChartAttributes.emplace_back(*attribute);
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
  selection.at(FOptionList->row(item)) = item->checkState() == Qt::Checked ? '1' : '0';
  FMainForm.RunCommand([&] { FDocument.Run(edits::SelectOptions(selection)); });
}

void TGraphsPage::ShowAllOptions(bool shown) {
  FDocument.Run(
      edits::SelectOptions(std::string(FDocument.Model().OptionCount(), shown ? '1' : '0')));
}

void TGraphsPage::DrawGraphs() {
  FGraphs.Update(FDocument.Model(), ChartAttributes(), FOptionList->currentRow(), FSettings);
  FGraphView->update();
}

void TGraphsPage::UpdateControls() {
  FGraphNamedValues->setChecked(FSettings.NamedValues);
  FGraphNamedOptions->setChecked(FSettings.NamedOptions);
  FGraphFourOptions->setChecked(FSettings.FourOptions);
  FGraphDistributions->setChecked(FSettings.Distributions);
  FGraphFourOptions->setEnabled(ChartAttributes().size() > 2);
  FGraphCopy->setEnabled(FGraphs.Visible() != TGraphKind::None);
  for (const auto& [action, popup] : FPopupActions) {
    popup->setChecked(action->isChecked());
    popup->setEnabled(action->isEnabled());
  }
}

void TGraphsPage::EditCommand(TEditCommand command) {
  QAction* action = command == TEditCommand::Copy    ? FGraphCopy
                    : command == TEditCommand::Paste ? FGraphNamedOptions
                                                     : nullptr;
  if (action && action->isEnabled()) action->trigger();
}

void TGraphsPage::CopyGraph() {
  const qreal ratio = FGraphView->devicePixelRatioF();
  switch (FGraphs.Visible()) {
    case TGraphKind::None:
      return;
    case TGraphKind::FourRadars:
      CopyFourChartsToClipboard(FGraphs.FourRadars(), FGraphView->size(),
                                FGraphView->palette().color(QPalette::Window), ratio);
      return;
    case TGraphKind::Bar:
      CopyChartToClipboard(FGraphs.Bar(), FGraphView->size(), ratio);
      return;
    case TGraphKind::Distribution:
      CopyChartToClipboard(FGraphs.Distribution(), FGraphView->size(), ratio);
      return;
    case TGraphKind::Scatter:
      CopyChartToClipboard(FGraphs.Scatter(), FGraphView->size(), ratio);
      return;
    case TGraphKind::Radar:
      CopyChartToClipboard(FGraphs.Radar(), FGraphView->size(), ratio);
      return;
  }
}

}  // namespace ubic
