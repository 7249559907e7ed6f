#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <optional>
#include <vector>

#include "model/model.h"

class QComboBox;

namespace ubic {

// The Options grid shows the basic attributes with single values; the Evaluation grid every
// attribute, indented by level, with value sets and the evaluated results.
enum class TGridKind { Options, Evaluation };

// Grid coordinates as the user counts them: row 0 and column 0 are fixed, row 1 holds the option
// names, row r >= 2 attribute r - 2, column c >= 1 option c - 1.
struct TGridCell {
  int Row = 1;
  int Col = 1;
};

// The cells of a grid, read from the model whenever they are painted: the grid holds no data.
// Row 0 is the horizontal header, column 0 the vertical one.
class TOptionGridModel : public QAbstractTableModel {
 public:
  static constexpr int BoldRole = Qt::UserRole;

  TOptionGridModel(TGridKind kind, QObject* parent) : QAbstractTableModel(parent), FKind(kind) {}

  void Rebuild(const TUbicModel& model, std::vector<TUbicAttribute*> attributes);
  const std::vector<TUbicAttribute*>& Attributes() const { return FAttributes; }
  // The attribute of a grid row, nil for rows 0 and 1 and beyond the last.
  TUbicAttribute* AttributeOfRow(int row) const;
  void CellChanged(TGridCell cell);

  QString CellText(TGridCell cell) const;
  // Column 0's texts, each as wide as it is drawn in bold.
  int WidestHeaderText(const QFont& bold) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString ValueText(const TUbicAttribute& attribute, int option) const;
  QVariant ValueColor(const TUbicAttribute& attribute, int option) const;

  TGridKind FKind;
  const TUbicModel* FModel = nullptr;
  std::vector<TUbicAttribute*> FAttributes;
};

// Draws a cell's text 2 pixels in from its top-left corner, bold or coloured as the cell says.
// The view asks only for the cells it shows.
class TOptionCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

class TOptionGrid : public QTableView {
 public:
  explicit TOptionGrid(TGridKind kind, QWidget* parent = nullptr);

  TOptionGridModel& Cells() { return *FCells; }
  const TOptionGridModel& Cells() const { return *FCells; }
  // Reads the model anew and keeps the current cell where it still exists.
  void Build(const TUbicModel& model);
  // Empties the grid, whose rows point at attributes that may go; the next Build comes back to
  // the current cell.
  void Release(const TUbicModel& model);
  TGridCell Current() const;
  void SetCurrent(TGridCell cell);
  int GridRowCount() const { return FCells->rowCount() + 1; }
  int GridColCount() const { return FCells->columnCount() + 1; }
  // Without options the one column left is hidden and cannot be resized.
  void ShowOptionColumn(bool hasOptions);

 private:
  // Fits the option columns to their names and first values; the user may resize them after.
  void FitOptionColumns(const QFont& bold);

  TGridKind FKind;
  // The options the columns were last fitted for: a grid keeps the widths the user chose until
  // options come or go.
  int FFittedOptions = -1;
  // The current cell when the grid was emptied.
  std::optional<TGridCell> FReleasedAt;
  // Both belong to the view, which needs them until it is gone.
  TOptionGridModel* FCells;
};

// The value names of Attribute followed by "*", with the option's value chosen ("*" when it has
// none).
void ShowValueChoices(QComboBox* editor, const TUbicAttribute& attribute, int option);
// The value index that item Index of such a list stands for: -1 for "*".
int ChosenValue(const QComboBox* editor, int index);

}  // namespace ubic
