#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/attributeref.h"
#include "model/distribution.h"
#include "model/model.h"

namespace ubic {

// The Options grid shows the basic attributes; the Evaluation grid every attribute, indented by
// level, with the evaluated results. Both show whole value sets, and weights as they were entered;
// the Evaluation grid shows what the "prob" and "fuzzy" methods make of them when one is chosen.
enum class TGridKind { Options, Evaluation };

// Grid coordinates as the user counts them: row 0 and column 0 are fixed, row 1 holds the option
// names, row r >= 2 attribute r - 2, column c >= 1 option c - 1.
struct TGridCell {
  int Row = 1;
  int Col = 1;
};

// The cells of a grid, read from the model whenever they are painted: the grid holds no data.
// Row 0 is the horizontal header, which numbers the options; column 0 the vertical one.
class TOptionGridModel : public QAbstractTableModel {
 public:
  static constexpr int BoldRole = Qt::UserRole;

  TOptionGridModel(TGridKind kind, QObject* parent) : QAbstractTableModel(parent), FKind(kind) {}

  void Rebuild(const TUbicModel& model, std::vector<const TUbicAttribute*> attributes);
  // How the Evaluation grid evaluates; the next Rebuild shows it.
  void SetMethod(TEvaluationMethod method) { FMethod = method; }
  TEvaluationMethod Method() const { return FMethod; }
  const std::vector<const TUbicAttribute*>& Attributes() const { return FAttributes; }
  // The attribute of a grid row, nil for rows 0 and 1 and beyond the last.
  const TUbicAttribute* AttributeOfRow(int row) const;
  void CellChanged(TGridCell cell);

  QString CellText(TGridCell cell) const;
  // Column 0's texts, each as wide as it is drawn in bold.
  int WidestHeaderText(const QFont& bold) const;
  // Whether the cell holds a value the user may type: an option's value on an attribute of the
  // Options grid, or on a basic attribute of the Evaluation grid.
  bool IsValueCell(TGridCell cell) const;
  // The option names and the texts of column 0, which the columns are fitted to.
  std::vector<std::string> Names() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // A result of the method: its text and the class all its values of positive weight share.
  struct TResult {
    QString Text;
    TValueClass Class = TValueClass::Neutral;
  };

  // Evaluates every option by the method, when it is not "sets".
  void EvaluateByMethod();
  const TResult* ResultOf(int row, int option) const;
  QString ValueText(int row, int option) const;
  TValueClass ValueClass(int row, int option) const;

  TGridKind FKind;
  TEvaluationMethod FMethod = TEvaluationMethod::Sets;
  const TUbicModel* FModel = nullptr;
  std::vector<const TUbicAttribute*> FAttributes;
  // Option by option, row by row (the rows' attributes are in pre-order, as the evaluator's).
  std::vector<TResult> FResults;
};

// Draws a cell's text 2 pixels in from its top-left corner, bold or coloured as the cell says.
// The view asks only for the cells it shows. A text too long for its column ends in an ellipsis
// and shows whole as the cell's tool tip.
class TOptionCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
};

class TOptionGrid : public QTableView {
 public:
  // A text typed into a value cell, given when the cell's editor closes with it.
  using TTextEntered = std::function<void(TGridCell cell, const QString& text)>;

  explicit TOptionGrid(TGridKind kind, TTextEntered textEntered, QWidget* parent = nullptr);

  TOptionGridModel& Cells() { return *FCells; }
  const TOptionGridModel& Cells() const { return *FCells; }
  // Reads the model anew and keeps the current cell where it still exists: on the row of the
  // attribute it was on, when the model still has that attribute.
  void Build(const TUbicModel& model);
  // Remembers the current cell before the model changes, while the attributes of its rows are
  // still there; the next Build comes back to it.
  void KeepCurrent();
  // Empties the grid, whose rows point at attributes that may go; the next Build comes back to
  // the current cell.
  void Release(const TUbicModel& model);
  // The row of Attribute, none when the grid does not show it.
  std::optional<int> RowOf(const TUbicAttribute* attribute) const;
  TGridCell Current() const;
  void SetCurrent(TGridCell cell);
  int GridRowCount() const { return FCells->rowCount() + 1; }
  int GridColCount() const { return FCells->columnCount() + 1; }
  // Without options the one column left is hidden and cannot be resized.
  void ShowOptionColumn(bool hasOptions);

 protected:
  // The typed text goes to the document once the editor is gone, not into the cells' model.
  void commitData(QWidget* editor) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  // Fits the option columns to their names and values; the user may resize them after.
  void FitOptionColumns(const QFont& bold);

  TGridKind FKind;
  TTextEntered FTextEntered;
  std::optional<std::pair<TGridCell, QString>> FEntered;
  // The names the columns were last fitted for: a grid keeps the widths the user chose until
  // options or attributes come, go or are renamed.
  std::vector<std::string> FFittedNames;
  // The current cell before the model changed, and the attribute of its row.
  struct TKeptCell {
    TGridCell Cell;
    std::optional<TAttributeRef> Row;
  };
  std::optional<TKeptCell> FKept;
  // Both belong to the view, which needs them until it is gone.
  TOptionGridModel* FCells;
};

}  // namespace ubic
