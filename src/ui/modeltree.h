#pragma once

#include <QTreeWidget>
#include <functional>
#include <vector>

#include "model/attribute.h"

namespace ubic {

// The icons of the model tree, by what the attribute is and how far its function is defined.
enum class TAttributeIcon {
  BasicWithoutScale = 0,
  BasicWithScale = 1,
  FunctionPossible = 2,
  FunctionDetermined = 3,
  FunctionPartial = 4,
  FunctionImpossible = 5,
};
TAttributeIcon AttributeIcon(const TUbicAttribute& attribute);
const QIcon& IconOf(TAttributeIcon icon);
// What the icon shows, in words: the node's description for assistive technology.
QString IconDescription(TAttributeIcon icon);

// A node of the model tree. Its text, icon and status hint are read from its attribute whenever
// the tree paints, so that they never lag behind the model.
class TAttributeItem : public QTreeWidgetItem {
 public:
  explicit TAttributeItem(const TUbicAttribute* attribute) : FAttribute(attribute) {}
  const TUbicAttribute* Attribute() const { return FAttribute; }
  QVariant data(int column, int role) const override;
  // Tells the tree that the attribute's texts changed.
  void Refresh() { emitDataChanged(); }

 private:
  const TUbicAttribute* FAttribute;
};

// The tree of the Model page. Nodes are moved only within the tree; the document window decides
// whether a drop is allowed and carries it out.
class TModelTreeView : public QTreeWidget {
 public:
  explicit TModelTreeView(QWidget* parent = nullptr);

  // Whether the selected node may be dropped on Target (nil: empty space), and the drop itself.
  std::function<bool(TAttributeItem* target)> CanDrop;
  std::function<void(TAttributeItem* target)> Drop;

  TAttributeItem* SelectedItem() const;
  TAttributeItem* ItemAt(const QPoint& position) const;
  // The node of the attribute at Path (its index on each level from the top), or of the deepest
  // one on the path that has a node; nil for an empty path.
  TAttributeItem* ItemAtPath(const std::vector<int>& path) const;
  // The index of Item on each level from the top; empty for nil.
  std::vector<int> PathOf(QTreeWidgetItem* item) const;

  // Builds the nodes of Root's inputs anew.
  void Fill(const TUbicAttribute& root);
  // Brings the nodes in line with the tree below Root after an edit: nodes of attributes that
  // are still there stay with their expanded state, new subtrees come expanded, and the rest go.
  // Signals are blocked meanwhile, since nodes may name attributes that are gone.
  void Synchronize(const TUbicAttribute& root);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool AcceptsDrop(const QDropEvent* event) const;
  void SynchronizeChildren(QTreeWidgetItem* parent, const TUbicAttribute& attribute);
};

}  // namespace ubic
