#include "modeltree.h"

#include <QDropEvent>
#include <QIcon>
#include <QPersistentModelIndex>
#include <QSignalBlocker>
#include <array>
#include <cmath>

#include "uitext.h"

namespace ubic {

TAttributeIcon AttributeIcon(const TUbicAttribute& attribute) {
  if (attribute.IsBasic()) {
    return attribute.Scale() ? TAttributeIcon::BasicWithScale : TAttributeIcon::BasicWithoutScale;
  }
  if (const TUbicFunction* function = attribute.Funct()) {
    return std::fabs(function->Determinedness() - 1) <= 1e-100 ? TAttributeIcon::FunctionDetermined
                                                               : TAttributeIcon::FunctionPartial;
  }
  return attribute.CanHaveFunction() ? TAttributeIcon::FunctionPossible
                                     : TAttributeIcon::FunctionImpossible;
}

const QIcon& IconOf(TAttributeIcon icon) {
  static const std::array<QIcon, 6> icons = {
      QIcon(":/icons/attribute-basic.svg"),         QIcon(":/icons/attribute-basic-scale.svg"),
      QIcon(":/icons/attribute-function-new.svg"),  QIcon(":/icons/attribute-function-full.svg"),
      QIcon(":/icons/attribute-function-part.svg"), QIcon(":/icons/attribute-function-none.svg"),
  };
  return icons[static_cast<std::size_t>(icon)];
}

QString IconDescription(TAttributeIcon icon) {
  switch (icon) {
    case TAttributeIcon::BasicWithoutScale:
      return QObject::tr("Basic attribute without a scale");
    case TAttributeIcon::BasicWithScale:
      return QObject::tr("Basic attribute");
    case TAttributeIcon::FunctionPossible:
      return QObject::tr("Aggregate attribute without a utility function");
    case TAttributeIcon::FunctionDetermined:
      return QObject::tr("Aggregate attribute with a fully determined utility function");
    case TAttributeIcon::FunctionPartial:
      return QObject::tr("Aggregate attribute with a partly determined utility function");
    case TAttributeIcon::FunctionImpossible:
      return QObject::tr("Aggregate attribute that cannot have a utility function yet");
  }
  return {};
}

QVariant TAttributeItem::data(int column, int role) const {
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQString(FAttribute->GetName());
    case Qt::DecorationRole:
      return IconOf(AttributeIcon(*FAttribute));
    case Qt::StatusTipRole:
      return ToQString(FAttribute->GetDescription());
    case Qt::AccessibleDescriptionRole:
      return IconDescription(AttributeIcon(*FAttribute));
    default:
      return QTreeWidgetItem::data(column, role);
  }
}

TModelTreeView::TModelTreeView(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setMouseTracking(true);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::InternalMove);
  setContextMenuPolicy(Qt::CustomContextMenu);
}

TAttributeItem* TModelTreeView::SelectedItem() const {
  return static_cast<TAttributeItem*>(currentItem());
}

TAttributeItem* TModelTreeView::ItemAt(const QPoint& position) const {
  return static_cast<TAttributeItem*>(itemAt(position));
}

TAttributeItem* TModelTreeView::ItemAtPath(const std::vector<int>& path) const {
  QTreeWidgetItem* item = nullptr;
  for (const int index : path) {
    QTreeWidgetItem* next = item ? item->child(index) : topLevelItem(index);
    if (!next) break;
    item = next;
  }
  return static_cast<TAttributeItem*>(item);
}

std::vector<int> TModelTreeView::PathOf(QTreeWidgetItem* item) const {
  std::vector<int> path;
  for (; item; item = item->parent()) {
    QTreeWidgetItem* parent = item->parent();
    path.insert(path.begin(), parent ? parent->indexOfChild(item) : indexOfTopLevelItem(item));
  }
  return path;
}

namespace {

// The node of Attribute and its subtree, built apart so that a large tree joins the view once.
TAttributeItem* NewSubtreeItem(const TUbicAttribute* attribute) {
  auto* item = new TAttributeItem(attribute);
  for (int i = 0; i < attribute->InputCount(); ++i) {
    item->addChild(NewSubtreeItem(attribute->Input(i)));
  }
  return item;
}

void ExpandSubtree(QTreeWidgetItem* item) {
  item->setExpanded(true);
  for (int i = 0; i < item->childCount(); ++i) ExpandSubtree(item->child(i));
}

// The expanded states of a subtree in pre-order, to be restored after the subtree has moved.
void CollectExpanded(const QTreeWidgetItem* item, std::vector<bool>& states) {
  states.push_back(item->isExpanded());
  for (int i = 0; i < item->childCount(); ++i) CollectExpanded(item->child(i), states);
}

void RestoreExpanded(QTreeWidgetItem* item, const std::vector<bool>& states, std::size_t& next) {
  item->setExpanded(states[next++]);
  for (int i = 0; i < item->childCount(); ++i) RestoreExpanded(item->child(i), states, next);
}

}  // namespace

void TModelTreeView::Fill(const TUbicAttribute& root) {
  const QSignalBlocker blocker(this);
  clear();
  QList<QTreeWidgetItem*> items;
  for (int i = 0; i < root.InputCount(); ++i) items.append(NewSubtreeItem(root.Input(i)));
  addTopLevelItems(items);
  expandAll();
}

void TModelTreeView::Synchronize(const TUbicAttribute& root) {
  {
    const QSignalBlocker blocker(this);
    SynchronizeChildren(invisibleRootItem(), root);
  }
  viewport()->update();
}

void TModelTreeView::SynchronizeChildren(QTreeWidgetItem* parent, const TUbicAttribute& attribute) {
  for (int i = 0; i < attribute.InputCount(); ++i) {
    const TUbicAttribute* input = attribute.Input(i);
    int found = -1;
    for (int j = i; j < parent->childCount() && found < 0; ++j) {
      if (static_cast<TAttributeItem*>(parent->child(j))->Attribute() == input) found = j;
    }
    if (found == i) {
      SynchronizeChildren(parent->child(i), *input);
    } else if (found > i) {
      // A node that moved up within its level keeps its subtree and expanded states.
      std::vector<bool> expanded;
      CollectExpanded(parent->child(found), expanded);
      QTreeWidgetItem* item = parent->takeChild(found);
      parent->insertChild(i, item);
      std::size_t next = 0;
      RestoreExpanded(item, expanded, next);
      SynchronizeChildren(item, *input);
    } else {
      QTreeWidgetItem* item = NewSubtreeItem(input);
      parent->insertChild(i, item);
      ExpandSubtree(item);
      if (parent != invisibleRootItem()) parent->setExpanded(true);
    }
  }
  while (parent->childCount() > attribute.InputCount()) {
    delete parent->takeChild(parent->childCount() - 1);
  }
}

bool TModelTreeView::AcceptsDrop(const QDropEvent* event) const {
  return event->source() == this && CanDrop && CanDrop(ItemAt(event->position().toPoint()));
}

void TModelTreeView::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() == this) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void TModelTreeView::dragMoveEvent(QDragMoveEvent* event) {
  // The base class scrolls and paints the drop indicator; the decision is ours.
  QTreeWidget::dragMoveEvent(event);
  if (AcceptsDrop(event)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void TModelTreeView::dropEvent(QDropEvent* event) {
  // The model is changed by the document window, node by node; Qt's own move must not run.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (!AcceptsDrop(event) || !Drop) return;
  // The questions of the drop are asked once the drag has ended, not inside it.
  const QPersistentModelIndex target = indexAt(event->position().toPoint());
  QMetaObject::invokeMethod(
      this,
      [this, target, onEmptySpace = !target.isValid()] {
        if (!onEmptySpace && !target.isValid()) return;
        Drop(static_cast<TAttributeItem*>(itemFromIndex(target)));
      },
      Qt::QueuedConnection);
}

}  // namespace ubic
