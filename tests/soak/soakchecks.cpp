#include "soakchecks.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <filesystem>

#include "childnamed.h"
#include "files/modelfile.h"
#include "foundation/textfile.h"
#include "model/consistency.h"
#include "model/valuecode.h"
#include "ui/graphspage.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/modeltree.h"
#include "ui/optionspage.h"
#include "ui/uitext.h"

namespace ubic::soak {

namespace {

constexpr int OptionsPageIndex = 1;
constexpr int EvaluationPageIndex = 2;
constexpr int GraphsPageIndex = 3;

std::string Quoted(const QString& text) {
  return "\"" + text.toStdString() + "\"";
}

// Whether saving would change the file: the document's own promise, read off the disk.

std::string TitleFault(const TModelForm& document) {
  QString expected = ToQString(document.Model().DisplayName()) + " [" +
                     (document.Document().Modified() ? "*" : "") +
                     QString::fromStdString(document.FileName()) + "]";
  // The window shows a doubled "[*]" as the text "[*]".
  QString shown = document.windowTitle();
  shown.replace("[*][*]", "[*]");
  if (shown == expected) return {};
  return "the title is " + Quoted(shown) + " instead of " + Quoted(expected);
}

std::string NodeFault(const QTreeWidgetItem* parent, const TUbicAttribute& attribute) {
  if (parent->childCount() != attribute.InputCount()) {
    return "the tree shows " + std::to_string(parent->childCount()) + " inputs of \"" +
           attribute.GetName() + "\" instead of " + std::to_string(attribute.InputCount());
  }
  for (int i = 0; i < attribute.InputCount(); ++i) {
    const auto* item = static_cast<const TAttributeItem*>(parent->child(i));
    const TUbicAttribute* input = attribute.Input(i);
    if (item->Attribute() != input) {
      return "node " + Quoted(item->text(0)) + " stands for another attribute than \"" +
             input->GetName() + "\"";
    }
    if (item->text(0) != ToQString(input->GetName())) {
      return "the tree shows " + Quoted(item->text(0)) + " for \"" + input->GetName() + "\"";
    }
    if (std::string fault = NodeFault(item, *input); !fault.empty()) return fault;
  }
  return {};
}

// What both grids show for Attribute's value of Option: the names of all its values; "*" for
// none.
QString ExpectedValue(const TUbicAttribute& attribute, int option) {
  const std::string text = attribute.OptionText(option);
  const TUbicDiscreteScale* scale = attribute.DiscreteScale();
  if (text.empty() || text == "*" || !scale) return "*";
  QStringList names;
  for (const char code : text) {
    const int value = ValueIndexOf(code);
    // A code of no value: the consistency check has told already.
    if (value < 0 || value >= scale->Count()) return "?";
    names << ToQString(scale->ValueName(value));
  }
  return names.join(";");
}

std::string GridFault(TOptionGrid& grid, TGridKind kind, const TUbicModel& model) {
  std::vector<const TUbicAttribute*> rows;
  if (kind == TGridKind::Options) {
    model.Root()->CollectBasicAttributes(rows);
  } else {
    model.Root()->CollectAttributes(rows);
  }
  const TOptionGridModel& cells = grid.Cells();
  if (cells.Attributes() != rows) return "the grid's rows are not the model's attributes";
  const int options = model.OptionCount();
  if (grid.GridRowCount() != static_cast<int>(rows.size()) + 2 ||
      grid.GridColCount() != std::max(2, options + 1)) {
    return "the grid has " + std::to_string(grid.GridRowCount()) + " rows and " +
           std::to_string(grid.GridColCount()) + " columns";
  }
  for (int k = 0; k < options; ++k) {
    const QString name = cells.CellText({1, k + 1});
    if (name != ToQString(model.Options()[k])) {
      return "the grid names option " + std::to_string(k) + " " + Quoted(name);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const int row = static_cast<int>(r) + 2;
      const QString shown = cells.CellText({row, k + 1});
      const QString expected = ExpectedValue(*rows[r], k);
      if (shown != expected) {
        return "the grid shows " + Quoted(shown) + " for \"" + rows[r]->GetName() + "\", option " +
               std::to_string(k) + ", instead of " + Quoted(expected);
      }
    }
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const QString header = cells.CellText({static_cast<int>(r) + 2, 0}).trimmed();
    if (header != ToQString(rows[r]->GetName()).trimmed()) {
      return "the grid's row " + std::to_string(r + 2) + " is headed " + Quoted(header);
    }
  }
  return {};
}

std::string OptionListFault(const QListWidget& list, const TUbicModel& model) {
  if (list.count() != model.OptionCount()) return "the graphs list the wrong number of options";
  for (int k = 0; k < list.count(); ++k) {
    const QListWidgetItem* item = list.item(k);
    if (item->text() != ToQString(model.Options()[k]) ||
        (item->checkState() == Qt::Checked) != model.OptionSelected(k)) {
      return "the graphs show option " + std::to_string(k) + " as " + Quoted(item->text());
    }
  }
  return {};
}

std::string HistoryFault(const TMainForm& main, const TModelForm& document) {
  const TUndoHistory& history = document.History();
  if (Child<QAction>(&main, "EditUndo")->isEnabled() != history.CanUndo() ||
      Child<QAction>(&main, "EditRedo")->isEnabled() != history.CanRedo()) {
    return "Undo or Redo is enabled against the history";
  }
  return {};
}

}  // namespace

std::string DocumentFault(const TMainForm& main, const TModelForm& document,
                          const std::optional<std::string>& fileText) {
  const TUbicModel& model = document.Model();
  if (const std::vector<std::string> errors = ConsistencyErrors(model); !errors.empty()) {
    return "inconsistent model: " + errors.front();
  }
  if (document.Document().Modified() != (!fileText || *fileText != ModelFileText(model))) {
    return std::string("the document says it is ") +
           (document.Document().Modified() ? "modified" : "unmodified") +
           " against the model that \"" + document.FileName() + "\" stands for";
  }
  std::string fault = TitleFault(document);
  if (fault.empty())
    fault = NodeFault(Child<TModelTreeView>(&document, "ModTreeView")->invisibleRootItem(),
                      *model.Root());
  if (fault.empty()) fault = HistoryFault(main, document);
  if (!fault.empty()) return fault;
  switch (Child<QTabWidget>(&document, "PageControl")->currentIndex()) {
    case OptionsPageIndex:
      return GridFault(*Child<TOptionGrid>(Child<TOptionsPage>(&document, "OptionsPage"), "Grid"),
                       TGridKind::Options, model);
    case EvaluationPageIndex:
      return GridFault(
          *Child<TOptionGrid>(Child<TEvaluationPage>(&document, "EvaluationPage"), "Grid"),
          TGridKind::Evaluation, model);
    case GraphsPageIndex:
      return OptionListFault(
          *Child<QListWidget>(Child<TGraphsPage>(&document, "GraphsPage"), "OptionList"), model);
    default:
      return {};
  }
}

}  // namespace ubic::soak
