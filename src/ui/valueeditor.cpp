#include "valueeditor.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStylePainter>
#include <algorithm>

#include "model/attribute.h"
#include "model/valuecode.h"
#include "model/valuetext.h"
#include "uitext.h"

namespace ubic {

namespace {

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
  const int last = count() - 1;
  for (int i = 0; i < last; ++i) {
    const bool checked = FCodes.find(ValueCode(i)) != std::string::npos;
    setItemData(i, checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  }
  setItemData(last, FCodes.empty() ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  if (!view()->isVisible()) {
    const int first = attribute.OptionValue(option);
    setCurrentIndex(first < 0 ? last : first);
  }
  FText = ToQString(ValueSetText(attribute.Scale(), FCodes));
  update();
}

std::string TValueEditor::SingleChoice(int index) const {
  return index >= 0 && index < count() - 1 ? std::string(1, ValueCode(index)) : std::string();
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
    if (!IsToggle(*mouse)) return false;
    if (type == QEvent::MouseButtonRelease) {
      Toggle(view()->indexAt(mouse->position().toPoint()).row());
    }
    return true;
  }
  if (watched == view() && type == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    Toggle(view()->currentIndex().row());
    return true;
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

void TValueEditor::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText = FText;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace ubic
