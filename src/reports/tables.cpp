#include "tables.h"

#include <algorithm>
#include <vector>

#include "boxes.h"
#include "foundation/checkedint.h"
#include "paragraph.h"
#include "reporterror.h"

namespace ubic {
namespace {

constexpr const char* kCellOwnerError = "Owner of TRptCell must be TRptRow";
constexpr const char* kRowOwnerError = "Owner of TRptRow must be TRptTable";

template <class T>
T& OwnerAs(TRpt* owner, const char* error) {
  auto* typed = dynamic_cast<T*>(owner);
  if (typed == nullptr) throw EReportError(error);
  return *typed;
}

// Checked before the element is built, so that a misplaced one never exists.
template <class T>
TRpt* RequireOwner(TRpt* owner, const char* error) {
  return &OwnerAs<T>(owner, error);
}

// Sets Measuring for the lifetime of the scope.
class TMeasuring {
 public:
  explicit TMeasuring(bool& flag) : FFlag(flag) { FFlag = true; }
  TMeasuring(const TMeasuring&) = delete;
  TMeasuring& operator=(const TMeasuring&) = delete;
  ~TMeasuring() { FFlag = false; }

 private:
  bool& FFlag;
};

// Total taken from parts that have Room each, in proportion to their room and never more than
// it; what rounding leaves goes one unit each to the parts whose exact share lost most.
std::vector<long long> Share(const std::vector<long long>& room, long long total) {
  long long roomSum = 0;
  for (const long long r : room) roomSum += r;
  std::vector<long long> shares(room.size(), 0);
  if (roomSum <= 0) return shares;
  total = std::min(total, roomSum);
  long long given = 0;
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < room.size(); ++i) {
    shares[i] = total * room[i] / roomSum;
    given += shares[i];
    order.push_back(i);
  }
  const auto lost = [&](std::size_t i) { return total * room[i] % roomSum; };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return lost(a) > lost(b); });
  for (std::size_t i = 0; given < total; i = (i + 1) % order.size()) {
    const std::size_t part = order[i];
    if (shares[part] < room[part]) {
      ++shares[part];
      ++given;
    }
  }
  return shares;
}

}  // namespace

// --- TRptCell ---

TRptCell::TRptCell(TRpt* owner) : TRptHVGroup(RequireOwner<TRptRow>(owner, kCellOwnerError)) {}

void TRptCell::SetColumns(int first, int last) {
  FFirstColumn = first;
  FLastColumn = last;
}

TRptTable* TRptCell::Table() const {
  return OwnerAs<TRptRow>(Owner(), kCellOwnerError).Table();
}

int TRptCell::ColumnsWidth() const {
  const TRptTable* table = Table();
  int width = 0;
  for (int column = FFirstColumn; column <= FLastColumn; ++column) {
    width = CheckedAdd(width, table->ColumnWidth(column));
  }
  return width;
}

int TRptCell::NaturalWidth() {
  const TMeasuring measuring(FMeasuring);
  return MakeBox()->Size().X;
}

int TRptCell::MinimumWidth(bool breakingWords) {
  if (!IsVertical()) return NaturalWidth();
  const TMeasuring measuring(FMeasuring);
  int widest = 0;
  for (int i = 0; i < Count(); ++i) {
    TRpt* item = GetItem(i);
    auto* paragraph = dynamic_cast<TRptParagraph*>(item);
    if (paragraph == nullptr) {
      widest = std::max(widest, item->MakeBox()->Size().X);
    } else if (!breakingWords) {
      widest = std::max(widest, paragraph->WidestWord());
    }
  }
  return widest;
}

bool TRptCell::HasParagraph() const {
  for (int i = 0; i < Count(); ++i) {
    if (dynamic_cast<const TRptParagraph*>(GetItem(i)) != nullptr) return true;
  }
  return false;
}

std::unique_ptr<TBox> TRptCell::MakeBox() {
  if (FMeasuring) return TRptGroup::MakeBox();
  return MakeBoxWidth(ColumnsWidth());
}

// --- TRptRow ---

TRptRow::TRptRow(TRpt* owner) : TRptLine(RequireOwner<TRptTable>(owner, kRowOwnerError)) {}

TRptTable* TRptRow::Table() const {
  return &OwnerAs<TRptTable>(Owner(), kRowOwnerError);
}

TRptCell* TRptRow::NewMultiCell(int span) {
  if (span < 1) throw EReportError("Too few columns for NewMultiCell: " + std::to_string(span));
  auto* cell = AddNew<TRptCell>();
  const int first = FNextColumn;
  FNextColumn = CheckedAdd(FNextColumn, span);
  cell->SetColumns(first, FNextColumn - 1);
  TRptTable* table = Table();
  while (table->FieldCount() < FNextColumn) table->AddField("");
  return cell;
}

TRptCell* TRptRow::NewCell() {
  TRptCell* cell = NewMultiCell(1);
  const TRptField* field = Table()->GetField(cell->FirstColumn());
  cell->CopyAlignment(*field);
  cell->SetWidth(field->GetWidth());
  cell->SetHeight(field->GetHeight());
  cell->SetFont(field->GetOwnFont());
  cell->SetPen(field->GetOwnPen());
  return cell;
}

std::unique_ptr<TBox> TRptRow::MakeBox() {
  std::unique_ptr<TBoxGroup> box = MakeItemsBox(std::nullopt);
  const TRptTable* table = Table();
  int x = 0;
  for (int i = 0; i < box->Count(); ++i) {
    TBox* child = box->GetBox(i);
    if (const auto* cell = dynamic_cast<const TRptCell*>(child->Owner())) {
      x = table->ColumnX(cell->FirstColumn());
    }
    child->SetPos(kHorizontal, x);
    x = CheckedAdd(x, child->Size().X);
  }
  box->MeasureBounds();
  return box;
}

std::unique_ptr<TBox> TRptRow::MakeBoxWidth(int width) {
  std::unique_ptr<TBox> box = MakeBox();
  box->SetSize(kHorizontal, width);
  return box;
}

// --- TRptTable ---

TRptTable::TRptTable(TRpt* owner, const std::string& title)
    : TRptSection(owner, title), FFields(std::make_unique<TRptLine>(this)) {}

TRptField* TRptTable::AddField(const std::string& title) {
  if (!FSeparator.empty() && FieldCount() > 0) FFields->AddText(FSeparator);
  auto field = std::make_unique<TRptField>(FFields.get(), title);
  TRptField* result = field.get();
  FFields->Add(std::move(field));
  return result;
}

TRptRow* TRptTable::AddRow() {
  return AddNew<TRptRow>();
}

int TRptTable::FieldCount() const {
  int count = 0;
  for (int i = 0; i < FFields->Count(); ++i) {
    if (dynamic_cast<const TRptField*>(FFields->GetItem(i)) != nullptr) ++count;
  }
  return count;
}

TRptField* TRptTable::GetField(int index) const {
  if (index < 0) return nullptr;
  for (int i = 0; i < FFields->Count(); ++i) {
    auto* field = dynamic_cast<TRptField*>(FFields->GetItem(i));
    if (field != nullptr && index-- == 0) return field;
  }
  return nullptr;
}

TBox& TRptTable::ColumnBox(int index) const {
  const TRptField* field = GetField(index);
  if (field == nullptr || field->Box() == nullptr) {
    throw EReportError("TRptTable: column " + std::to_string(index) + " is not laid out");
  }
  return *field->Box();
}

int TRptTable::ColumnWidth(int index) const {
  return ColumnBox(index).Size().X;
}

void TRptTable::SetColumnWidth(int index, int width) {
  ColumnBox(index).SetSize(kHorizontal, width);
}

int TRptTable::ColumnX(int index) const {
  return ColumnBox(index).Pos().X;
}

void TRptTable::LayoutColumns(int width) {
  // The Fields line is laid out like any other line, so that separators and fill fields take
  // their part; only the positions and widths of its boxes are kept.
  std::unique_ptr<TBox> made = width > 0 ? FFields->MakeBoxWidth(width) : FFields->MakeBox();
  auto& fieldsBox = static_cast<TBoxGroup&>(*made);
  if (WidenColumnsToCells(fieldsBox)) {
    if (width > 0) {
      fieldsBox.LayoutWidth(width);
    } else {
      fieldsBox.Layout();
    }
  }
  if (width > 0 && ShrinkColumnsToWidth(fieldsBox, width)) fieldsBox.LayoutWidth(width);
  for (int i = 0; i < fieldsBox.Count(); ++i) {
    if (auto* field = dynamic_cast<TRptField*>(fieldsBox.GetBox(i)->Owner())) {
      field->SetBox(fieldsBox.Extract(i));
    }
  }
}

std::vector<TBox*> TRptTable::RelativeColumns(TBoxGroup& fieldsBox) {
  std::vector<TBox*> columns;
  for (int i = 0; i < fieldsBox.Count(); ++i) {
    TBox* box = fieldsBox.GetBox(i);
    if (dynamic_cast<const TRptField*>(box->Owner()) == nullptr) continue;
    columns.push_back(box->Owner()->WidthIsRelative() ? box : nullptr);
  }
  return columns;
}

template <class Visit>
void TRptTable::ForEachSingleCell(const std::vector<TBox*>& columns, Visit visit) {
  for (int i = 0; i < Count(); ++i) {
    auto* row = dynamic_cast<TRptRow*>(GetItem(i));
    if (row == nullptr) continue;
    for (int j = 0; j < row->Count(); ++j) {
      auto* cell = dynamic_cast<TRptCell*>(row->GetItem(j));
      if (cell == nullptr || cell->FirstColumn() != cell->LastColumn()) continue;
      const int column = cell->FirstColumn();
      if (column < 0 || column >= static_cast<int>(columns.size())) continue;
      if (columns[static_cast<std::size_t>(column)] != nullptr) visit(column, *cell);
    }
  }
}

bool TRptTable::WidenColumnsToCells(TBoxGroup& fieldsBox) {
  const std::vector<TBox*> columns = RelativeColumns(fieldsBox);
  bool grew = false;
  ForEachSingleCell(columns, [&](int column, TRptCell& cell) {
    TBox* columnBox = columns[static_cast<std::size_t>(column)];
    const int natural = cell.NaturalWidth();
    if (natural > columnBox->Size().X) {
      columnBox->SetSize(kHorizontal, natural);
      grew = true;
    }
  });
  return grew;
}

bool TRptTable::ShrinkColumnsToWidth(TBoxGroup& fieldsBox, int width) {
  const long long excess = static_cast<long long>(fieldsBox.Extent().X) - width;
  if (excess <= 0) return false;
  const std::vector<TBox*> columns = RelativeColumns(fieldsBox);
  // What each column needs when its paragraphs break only at blanks, and when they break words.
  std::vector<long long> least(columns.size(), 0);
  std::vector<long long> floor(columns.size(), 1);
  std::vector<bool> wraps(columns.size(), false);
  ForEachSingleCell(columns, [&](int column, TRptCell& cell) {
    const auto c = static_cast<std::size_t>(column);
    least[c] = std::max<long long>(least[c], cell.MinimumWidth(false));
    floor[c] = std::max<long long>(floor[c], cell.MinimumWidth(true));
    wraps[c] = wraps[c] || cell.HasParagraph();
  });
  // First the columns give what their paragraphs can give without breaking a word; only when
  // that is not enough do they break words, down to what their other items need.
  std::vector<long long> slack(columns.size(), 0);
  std::vector<long long> breaking(columns.size(), 0);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (columns[c] == nullptr || !wraps[c]) continue;
    least[c] = std::min<long long>(least[c], columns[c]->Size().X);
    slack[c] = columns[c]->Size().X - least[c];
    breaking[c] = std::max(0LL, least[c] - floor[c]);
  }
  const std::vector<long long> first = Share(slack, excess);
  long long taken = 0;
  for (const long long cut : first) taken += cut;
  const std::vector<long long> second = Share(breaking, excess - taken);
  bool shrunk = false;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const long long cut = first[c] + second[c];
    if (cut == 0) continue;
    columns[c]->SetSize(kHorizontal, static_cast<int>(columns[c]->Size().X - cut));
    shrunk = true;
  }
  return shrunk;
}

std::unique_ptr<TBox> TRptTable::MakeBox() {
  LayoutColumns(-1);
  return TRptGroup::MakeBox();
}

std::unique_ptr<TBox> TRptTable::MakeBoxWidth(int width) {
  LayoutColumns(width);
  return TRptGroup::MakeBoxWidth(width);
}

}  // namespace ubic
