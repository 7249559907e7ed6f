#include "valueeditor.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <utility>

#include "model/attribute.h"
#include "model/distribution.h"
#include "model/valuecode.h"
#include "model/valuetext.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr int NameColumn = 0;
constexpr int WeightColumn = 1;

// Hands a typed weight to the editor instead of the list's model: the weight belongs to the
// option, and the list shows it again once the document has it.
class TWeightDelegate : public QStyledItemDelegate {
 public:
  using TEntered = std::function<void(int row, const QString& text)>;
  TWeightDelegate(TEntered entered, QObject* parent)
      : QStyledItemDelegate(parent), FEntered(std::move(entered)) {}
  void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                    const QModelIndex& index) const override {
    FEntered(index.row(), editor->property("text").toString());
  }

 private:
  TEntered FEntered;
};

QStringList Choices(const TUbicAttribute& attribute) {
  QStringList names;
  const int count = attribute.Scale() ? attribute.Scale()->Count() : 0;
  for (int v = 0; v < count; ++v) names << ToQString(ValueText(attribute.Scale(), v));
  names << "*";
  return names;
}

}  // namespace

TValueEditor::TValueEditor(QWidget* parent) : QComboBox(parent) {
  setMinimumContentsLength(16);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  // A list of names with their weights beside them.
  qobject_cast<QStandardItemModel*>(model())->setColumnCount(2);
  auto* list = new QTableView;
  list->horizontalHeader()->hide();
  list->verticalHeader()->hide();
  list->setShowGrid(false);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  setView(list);
  list->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
  list->horizontalHeader()->setSectionResizeMode(WeightColumn, QHeaderView::Fixed);
  list->setColumnWidth(WeightColumn, fontMetrics().horizontalAdvance("0.00000"));
  auto* weights =
      new TWeightDelegate([this](int row, const QString& text) { WeightEdited(row, text); }, list);
  list->setItemDelegateForColumn(WeightColumn, weights);
  // The Enter that closed the editor passes on to the list after it, and must still be refused.
  connect(weights, &QAbstractItemDelegate::closeEditor, this, [this] {
    QMetaObject::invokeMethod(
        this, [this] { FEditingWeight = false; }, Qt::QueuedConnection);
  });
  // Ahead of the list's own handling, which would close it on every click.
  view()->viewport()->installEventFilter(this);
  view()->installEventFilter(this);
}

void TValueEditor::Show(const TUbicAttribute& attribute, int option) {
  const QSignalBlocker blocker(this);
  const QStringList names = Choices(attribute);
  QStringList shown;
  for (int i = 0; i < count(); ++i) shown << itemText(i);
  // The list stays while the user checks values in it, so that it can stay open.
  if (shown != names) {
    clear();
    addItems(names);
  }
  const std::string text = attribute.OptionText(option);
  FCodes = text == "*" ? std::string() : text;
  FWeights = attribute.OptionWeightsOf(option).value_or(std::vector<double>());
  FNames = ValueNames(attribute.Scale());
  const int last = count() - 1;
  for (int i = 0; i < last; ++i) {
    const auto found = FCodes.find(ValueCode(i));
    const bool checked = found != std::string::npos;
    setItemData(i, checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    const QString weight = checked && found < FWeights.size()
                               ? QString::fromStdString(WeightsField({FWeights[found]}))
                               : QString();
    model()->setData(model()->index(i, WeightColumn), weight);
  }
  setItemData(last, FCodes.empty() ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  if (!view()->isVisible()) {
    const int first = attribute.OptionValue(option);
    setCurrentIndex(first < 0 ? last : first);
  }
  FText = ToQString(EnteredValueText(attribute, option));
  update();
}

std::string TValueEditor::SingleChoice(int index) const {
  return index >= 0 && index < count() - 1 ? std::string(1, ValueCode(index)) : std::string();
}

bool TValueEditor::EditsWeight(const QMouseEvent& event) {
  const QModelIndex index = view()->indexAt(event.position().toPoint());
  if (!index.isValid() || index.column() != WeightColumn || index.row() >= count() - 1) {
    return false;
  }
  if (event.type() == QEvent::MouseButtonRelease) {
    FEditingWeight = true;
    view()->edit(index);
  }
  return true;
}

bool TValueEditor::IsToggle(const QMouseEvent& event) const {
  if (event.modifiers() & Qt::ControlModifier) return true;
  // The check box sits in front of the item's name, set in by the style about as much as it is
  // wide.
  const QModelIndex index = view()->indexAt(event.position().toPoint());
  const int box = 2 * style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4;
  return index.isValid() && event.position().x() < view()->visualRect(index).left() + box;
}

bool TValueEditor::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == view()->viewport() &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
       type == QEvent::MouseButtonDblClick)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (EditsWeight(*mouse)) return true;
    if (!IsToggle(*mouse)) return false;
    if (type == QEvent::MouseButtonRelease) {
      Toggle(view()->indexAt(mouse->position().toPoint()).row());
    }
    return true;
  }
  // The list's own handling of Enter comes with the shortcut check, before the key press.
  if (FEditingWeight && type == QEvent::ShortcutOverride) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      event->accept();
      return true;
    }
  }
  if (watched == view() && type == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Enter in a weight's editor ends the edit, not the list.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && FEditingWeight) {
      return true;
    }
    if (key == Qt::Key_Space) {
      Toggle(view()->currentIndex().row());
      return true;
    }
    // Home and End go to the first and the last value, as in a list, not along the row.
    if (key == Qt::Key_Home || key == Qt::Key_End) {
      view()->setCurrentIndex(model()->index(key == Qt::Key_Home ? 0 : count() - 1, NameColumn));
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void TValueEditor::Toggle(int index) {
  if (index < 0 || index >= count()) return;
  std::string codes;
  // "*" empties the set, whether it was checked or not: a set holds at least one value.
  if (index < count() - 1) {
    codes = FCodes;
    const char code = ValueCode(index);
    const auto found = codes.find(code);
    if (found == std::string::npos) {
      codes += code;
      std::sort(codes.begin(), codes.end(),
                [](char a, char b) { return ValueIndexOf(a) < ValueIndexOf(b); });
    } else {
      codes.erase(found, 1);
    }
  }
  emit SetToggled(codes);
}

void TValueEditor::WeightEdited(int index, const QString& weight) {
  std::string text;
  for (int v = 0; v < static_cast<int>(FNames.size()); ++v) {
    std::string entry;
    if (v == index) {
      // An emptied weight takes the value out.
      const QString typed = weight.trimmed();
      entry = typed.isEmpty() ? std::string("0") : FromQString(typed);
    } else if (const auto found = FCodes.find(ValueCode(v)); found != std::string::npos) {
      entry = WeightsField({found < FWeights.size() ? FWeights[found] : 1.0});
    } else {
      continue;
    }
    if (!text.empty()) text += ';';
    text += FNames[static_cast<std::size_t>(v)] + "=" + entry;
  }
  emit WeightsEntered(text);
}

void TValueEditor::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText = FText;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace ubic
