#include "optiongrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "model/scale.h"
#include "model/valuetext.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr int TextInset = 2;
constexpr int CellMargin = 4;
const QColor BadColor = Qt::red;
const QColor GoodColor(0, 128, 0);

int ScaleCount(const TUbicAttribute& attribute) {
  return attribute.Scale() ? attribute.Scale()->Count() : 0;
}

QString ValueName(const TUbicAttribute& attribute, int index) {
  return ToQString(ubic::ValueText(attribute.Scale(), index));
}

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

void TOptionGridModel::Rebuild(const TUbicModel& model, std::vector<TUbicAttribute*> attributes) {
  beginResetModel();
  FModel = &model;
  FAttributes = std::move(attributes);
  endResetModel();
}

TUbicAttribute* TOptionGridModel::AttributeOfRow(int row) const {
  const int index = row - 2;
  if (index < 0 || index >= static_cast<int>(FAttributes.size())) return nullptr;
  return FAttributes[static_cast<std::size_t>(index)];
}

void TOptionGridModel::CellChanged(TGridCell cell) {
  const QModelIndex changed = index(cell.Row - 1, cell.Col - 1);
  emit dataChanged(changed, changed);
}

int TOptionGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(FAttributes.size()) + 1;
}

int TOptionGridModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !FModel) return 0;
  return std::max(1, FModel->OptionCount());
}

QString TOptionGridModel::ValueText(const TUbicAttribute& attribute, int option) const {
  if (FKind == TGridKind::Options) {
    const int value = attribute.OptionValue(option);
    return value < 0 ? QString("*") : ValueName(attribute, value);
  }
  return ToQString(ValueSetText(attribute.Scale(), attribute.OptionText(option)));
}

QVariant TOptionGridModel::ValueColor(const TUbicAttribute& attribute, int option) const {
  const int first = attribute.OptionValue(option);
  if (first < 0) return {};
  switch (ValueClassOf(attribute.Scale(), first)) {
    case TValueClass::Bad:
      return BadColor;
    case TValueClass::Good:
      return GoodColor;
    default:
      return {};
  }
}

QString TOptionGridModel::CellText(TGridCell cell) const {
  if (!FModel || cell.Row < 1) return {};
  const int option = cell.Col - 1;
  if (cell.Col == 0) return headerData(cell.Row - 1, Qt::Vertical, Qt::DisplayRole).toString();
  if (option >= FModel->OptionCount()) return {};
  if (cell.Row == 1) return ToQString(FModel->Options()[option]);
  const TUbicAttribute* attribute = AttributeOfRow(cell.Row);
  return attribute ? ValueText(*attribute, option) : QString();
}

int TOptionGridModel::WidestHeaderText(const QFont& bold) const {
  const QFontMetrics metrics(bold);
  int widest = 0;
  for (int row = 0; row < rowCount(); ++row) {
    widest = std::max(widest, metrics.horizontalAdvance(
                                  headerData(row, Qt::Vertical, Qt::DisplayRole).toString()));
  }
  return widest;
}

QVariant TOptionGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TGridCell cell{index.row() + 1, index.column() + 1};
  const TUbicAttribute* attribute = AttributeOfRow(cell.Row);
  const bool hasOption = FModel && index.column() < FModel->OptionCount();
  switch (role) {
    case Qt::DisplayRole:
      return CellText(cell);
    case BoldRole:
      return cell.Row == 1 ||
             (FKind == TGridKind::Evaluation && attribute && !attribute->IsBasic());
    case Qt::ForegroundRole:
      return attribute && hasOption ? ValueColor(*attribute, index.column()) : QVariant();
    default:
      return {};
  }
}

QVariant TOptionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation == Qt::Horizontal) return {};
  if (section == 0) return QString("Option");
  const TUbicAttribute* attribute = AttributeOfRow(section + 1);
  if (!attribute) return {};
  const QString name = ToQString(attribute->GetName());
  // Two blanks for every ancestor, the hidden root included.
  return FKind == TGridKind::Evaluation ? QString(2 * attribute->Level(), ' ') + name : name;
}

void TOptionCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  background.text.clear();
  QStyle* style = background.widget ? background.widget->style() : nullptr;
  if (style) style->drawControl(QStyle::CE_ItemViewItem, &background, painter, background.widget);

  const bool selected = option.state & QStyle::State_Selected;
  const QVariant color = index.data(Qt::ForegroundRole);
  painter->save();
  painter->setFont(index.data(TOptionGridModel::BoldRole).toBool() ? BoldFont(option.font)
                                                                   : option.font);
  painter->setPen(selected          ? option.palette.color(QPalette::HighlightedText)
                  : color.isValid() ? color.value<QColor>()
                                    : option.palette.color(QPalette::Text));
  const QRect text = option.rect.adjusted(TextInset, TextInset, 0, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

TOptionGrid::TOptionGrid(TGridKind kind, QWidget* parent)
    : QTableView(parent), FKind(kind), FCells(new TOptionGridModel(kind, this)) {
  setModel(FCells);
  setItemDelegate(new TOptionCellDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->setFont(BoldFont(font()));
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void TOptionGrid::Build(const TUbicModel& model) {
  const TGridCell current = FReleasedAt.value_or(Current());
  FReleasedAt.reset();
  std::vector<TUbicAttribute*> attributes;
  if (FKind == TGridKind::Evaluation) {
    model.Root()->CollectAttributes(attributes);
  } else {
    model.Root()->CollectBasicAttributes(attributes);
  }
  FCells->Rebuild(model, std::move(attributes));

  const int rowHeight = QFontMetrics(font()).height() + CellMargin;
  verticalHeader()->setDefaultSectionSize(rowHeight);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  horizontalHeader()->setFixedHeight(rowHeight);
  const QFont bold = BoldFont(font());
  verticalHeader()->setFixedWidth(FCells->WidestHeaderText(bold) + CellMargin);
  if (FFittedOptions != model.OptionCount()) {
    FitOptionColumns(bold);
    FFittedOptions = model.OptionCount();
  }
  SetCurrent(
      {std::min(current.Row, GridRowCount() - 1), std::min(current.Col, GridColCount() - 1)});
}

void TOptionGrid::Release(const TUbicModel& model) {
  if (!FReleasedAt) FReleasedAt = Current();
  FCells->Rebuild(model, {});
}

void TOptionGrid::FitOptionColumns(const QFont& bold) {
  // Measuring the first rows is enough to read the names and results at a glance, and keeps
  // the build of a grid of thousands of attributes fast.
  constexpr int MeasuredRows = 100;
  constexpr int WidestColumn = 240;
  const QFontMetrics metrics(bold);
  const int rows = std::min(FCells->rowCount(), MeasuredRows);
  for (int column = 0; column < FCells->columnCount(); ++column) {
    int widest = horizontalHeader()->defaultSectionSize() - 2 * CellMargin;
    for (int row = 0; row < rows; ++row) {
      widest = std::max(widest, metrics.horizontalAdvance(FCells->CellText({row + 1, column + 1})));
    }
    setColumnWidth(column, std::min(widest + 2 * CellMargin, WidestColumn));
  }
}

TGridCell TOptionGrid::Current() const {
  const QModelIndex index = currentIndex();
  if (!index.isValid()) return {};
  return {index.row() + 1, index.column() + 1};
}

void TOptionGrid::SetCurrent(TGridCell cell) {
  setCurrentIndex(FCells->index(std::max(0, cell.Row - 1), std::max(0, cell.Col - 1)));
}

void TOptionGrid::ShowOptionColumn(bool hasOptions) {
  QHeaderView* header = horizontalHeader();
  if (!hasOptions) {
    header->setSectionResizeMode(QHeaderView::Fixed);
    setColumnWidth(0, 0);
  } else {
    header->setSectionResizeMode(QHeaderView::Interactive);
    if (columnWidth(0) == 0) setColumnWidth(0, header->defaultSectionSize());
  }
}

void ShowValueChoices(QComboBox* editor, const TUbicAttribute& attribute, int option) {
  const QSignalBlocker blocker(editor);
  editor->clear();
  const int count = ScaleCount(attribute);
  for (int v = 0; v < count; ++v) editor->addItem(ValueName(attribute, v));
  editor->addItem("*");
  const int value = attribute.OptionValue(option);
  editor->setCurrentIndex(value < 0 ? count : value);
}

int ChosenValue(const QComboBox* editor, int index) {
  return index >= editor->count() - 1 ? -1 : index;
}

}  // namespace ubic
