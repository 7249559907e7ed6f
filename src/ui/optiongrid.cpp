#include "optiongrid.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <unordered_map>
#include <utility>

#include "model/distributionevaluator.h"
#include "model/scale.h"
#include "model/valuecode.h"
#include "model/valuetext.h"
#include "uitext.h"
#include "valuecolours.h"

namespace ubic {

namespace {

constexpr int TextInset = 2;
constexpr int CellMargin = 4;

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

void TOptionGridModel::Rebuild(const TUbicModel& model,
                               std::vector<const TUbicAttribute*> attributes) {
  beginResetModel();
  FModel = &model;
  FAttributes = std::move(attributes);
  EvaluateByMethod();
  endResetModel();
}

void TOptionGridModel::EvaluateByMethod() {
  FResults.clear();
  if (FKind != TGridKind::Evaluation || FMethod == TEvaluationMethod::Sets || FAttributes.empty()) {
    return;
  }
  TDistributionEvaluator evaluator(*FModel->Root(), FMethod);
  const std::vector<const TUbicAttribute*>& evaluated = evaluator.Attributes();
  std::unordered_map<const TUbicAttribute*, std::size_t> indexOf;
  for (std::size_t a = 0; a < evaluated.size(); ++a) indexOf.emplace(evaluated[a], a);
  std::vector<std::vector<std::string>> names;
  for (const TUbicAttribute* attribute : FAttributes)
    names.push_back(ValueNames(attribute->Scale()));
  FResults.resize(FAttributes.size() * static_cast<std::size_t>(FModel->OptionCount()));
  auto result = FResults.begin();
  for (int k = 0; k < FModel->OptionCount(); ++k) {
    evaluator.Evaluate(k);
    for (std::size_t row = 0; row < FAttributes.size(); ++row, ++result) {
      const auto weights = evaluator.Weights(indexOf.at(FAttributes[row]));
      std::string text;
      std::string codes;
      AppendDistributionText(text, names[row], weights.data(), static_cast<int>(weights.size()));
      for (std::size_t v = 0; v < weights.size(); ++v) {
        if (weights[v] > 0) codes += ValueCode(static_cast<int>(v));
      }
      result->Text = text.empty() ? QString("*") : ToQString(text);
      result->Class = SetClassOf(FAttributes[row]->Scale(), codes);
    }
  }
}

const TOptionGridModel::TResult* TOptionGridModel::ResultOf(int row, int option) const {
  const std::size_t index =
      static_cast<std::size_t>(option) * FAttributes.size() + static_cast<std::size_t>(row - 2);
  return index < FResults.size() ? &FResults[index] : nullptr;
}

const TUbicAttribute* TOptionGridModel::AttributeOfRow(int row) const {
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

QString TOptionGridModel::ValueText(int row, int option) const {
  if (const TResult* result = ResultOf(row, option)) return result->Text;
  const TUbicAttribute& attribute = *AttributeOfRow(row);
  return ToQString(attribute.IsBasic()
                       ? EnteredValueText(attribute, option)
                       : ValueSetText(attribute.Scale(), attribute.OptionText(option)));
}

TValueClass TOptionGridModel::ValueClass(int row, int option) const {
  if (const TResult* result = ResultOf(row, option)) return result->Class;
  // A set of bad and good values is neither; weights count as the set of their values.
  const TUbicAttribute& attribute = *AttributeOfRow(row);
  return SetClassOf(attribute.Scale(), attribute.OptionText(option));
}

QString TOptionGridModel::CellText(TGridCell cell) const {
  if (!FModel || cell.Row < 1) return {};
  const int option = cell.Col - 1;
  if (cell.Col == 0) return headerData(cell.Row - 1, Qt::Vertical, Qt::DisplayRole).toString();
  if (option >= FModel->OptionCount()) return {};
  if (cell.Row == 1) return ToQString(FModel->Options()[option]);
  return AttributeOfRow(cell.Row) ? ValueText(cell.Row, option) : QString();
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

bool TOptionGridModel::IsValueCell(TGridCell cell) const {
  const TUbicAttribute* attribute = AttributeOfRow(cell.Row);
  return attribute && FModel && cell.Col >= 1 && cell.Col <= FModel->OptionCount() &&
         (FKind == TGridKind::Options || attribute->IsBasic());
}

std::vector<std::string> TOptionGridModel::Names() const {
  std::vector<std::string> names;
  if (FModel) {
    const TStrList& options = FModel->Options();
    for (int k = 0; k < options.Count(); ++k) names.push_back(options[k]);
  }
  for (const TUbicAttribute* attribute : FAttributes) names.push_back(attribute->GetName());
  return names;
}

Qt::ItemFlags TOptionGridModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  const bool editable = index.isValid() && IsValueCell({index.row() + 1, index.column() + 1});
  return editable ? flags | Qt::ItemIsEditable : flags;
}

QVariant TOptionGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TGridCell cell{index.row() + 1, index.column() + 1};
  const TUbicAttribute* attribute = AttributeOfRow(cell.Row);
  const bool hasOption = FModel && index.column() < FModel->OptionCount();
  switch (role) {
    case Qt::DisplayRole:
      return CellText(cell);
    case Qt::EditRole:
      // A basic value is edited as entered, whatever the method shows of it.
      return attribute && attribute->IsBasic() && hasOption
                 ? ToQString(EnteredValueText(*attribute, index.column()))
                 : CellText(cell);
    case BoldRole:
      return cell.Row == 1 ||
             (FKind == TGridKind::Evaluation && attribute && !attribute->IsBasic());
    case Qt::ForegroundRole:
      return attribute && hasOption ? ClassColour(ValueClass(cell.Row, index.column()))
                                    : QVariant();
    case Qt::AccessibleDescriptionRole:
      return attribute && hasOption ? ClassDescription(ValueClass(cell.Row, index.column()))
                                    : QVariant();
    default:
      return {};
  }
}

QVariant TOptionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  // The options are numbered above their names: Duplicate and Paste give names twice, and the
  // numbers still tell the options apart and count them.
  if (orientation == Qt::Horizontal) {
    return FModel && section < FModel->OptionCount() ? QString::number(section + 1) : QString();
  }
  if (section == 0) return QObject::tr("Option");
  const TUbicAttribute* attribute = AttributeOfRow(section + 1);
  if (!attribute) return {};
  const QString name = ToQString(attribute->GetName());
  // Two blanks for every ancestor, the hidden root included.
  return FKind == TGridKind::Evaluation ? QString(2 * attribute->Level(), ' ') + name : name;
}

namespace {

// A text cut off at the column's edge would read as another value: the ellipsis says there is
// more, which the cell's tip shows. Most values are short words, so the text is measured only
// when even its widest glyphs might not fit: scrolling paints thousands of cells.
QString FittedText(const QFontMetrics& metrics, const QString& text, int width) {
  if (static_cast<qsizetype>(metrics.maxWidth()) * text.size() <= width) return text;
  return metrics.elidedText(text, Qt::ElideRight, width);
}

}  // namespace

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
                    FittedText(painter->fontMetrics(), index.data(Qt::DisplayRole).toString(),
                               text.width()));
  painter->restore();
}

bool TOptionCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip) {
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }
  const QString text = index.data(Qt::DisplayRole).toString();
  const QFont font =
      index.data(TOptionGridModel::BoldRole).toBool() ? BoldFont(option.font) : option.font;
  if (TextInset + QFontMetrics(font).horizontalAdvance(text) > option.rect.width()) {
    QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
  } else {
    QToolTip::hideText();
  }
  return true;
}

TOptionGrid::TOptionGrid(TGridKind kind, TTextEntered textEntered, QWidget* parent)
    : QTableView(parent),
      FKind(kind),
      FTextEntered(std::move(textEntered)),
      FCells(new TOptionGridModel(kind, this)) {
  setModel(FCells);
  setItemDelegate(new TOptionCellDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A value is typed into its cell as in a spreadsheet; the page's keys come first.
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->setFont(BoldFont(font()));
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void TOptionGrid::Build(const TUbicModel& model) {
  TGridCell current = FKept ? FKept->Cell : Current();
  const std::optional<TAttributeRef> row = FKept ? FKept->Row : std::nullopt;
  FKept.reset();
  std::vector<const TUbicAttribute*> attributes;
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
  std::vector<std::string> names = FCells->Names();
  if (names != FFittedNames) {
    FitOptionColumns(bold);
    FFittedNames = std::move(names);
  }
  // The viewport moves right of a wider attribute column now, not when the grid is next resized.
  updateGeometries();
  if (row) {
    if (const std::optional<int> now = RowOf(row->Find(model))) current.Row = *now;
  }
  SetCurrent(
      {std::min(current.Row, GridRowCount() - 1), std::min(current.Col, GridColCount() - 1)});
}

void TOptionGrid::commitData(QWidget* editor) {
  const auto* edit = qobject_cast<QLineEdit*>(editor);
  // The editor covers its cell.
  const QModelIndex index = indexAt(editor->geometry().center());
  if (edit && index.isValid()) {
    FEntered.emplace(TGridCell{index.row() + 1, index.column() + 1}, edit->text());
  }
}

void TOptionGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableView::closeEditor(editor, hint);
  if (!FEntered) return;
  const auto [cell, text] = *std::exchange(FEntered, std::nullopt);
  FTextEntered(cell, text);
}

void TOptionGrid::KeepCurrent() {
  if (FKept) return;
  const TGridCell cell = Current();
  const TUbicAttribute* attribute = FCells->AttributeOfRow(cell.Row);
  FKept = TKeptCell{cell, attribute ? std::optional(TAttributeRef(*attribute)) : std::nullopt};
}

void TOptionGrid::Release(const TUbicModel& model) {
  KeepCurrent();
  FCells->Rebuild(model, {});
}

std::optional<int> TOptionGrid::RowOf(const TUbicAttribute* attribute) const {
  const std::vector<const TUbicAttribute*>& attributes = FCells->Attributes();
  const auto found = std::find(attributes.begin(), attributes.end(), attribute);
  if (attribute == nullptr || found == attributes.end()) return std::nullopt;
  return static_cast<int>(found - attributes.begin()) + 2;
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

}  // namespace ubic
