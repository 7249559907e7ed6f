#include "modeltree.h"

#include <QDropEvent>
#include <QIcon>
#include <QPersistentModelIndex>
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

QVariant TAttributeItem::data(int column, int role) const {
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQString(FAttribute->GetName());
    case Qt::DecorationRole:
      return IconOf(AttributeIcon(*FAttribute));
    case Qt::StatusTipRole:
      return ToQString(FAttribute->GetDescription());
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
