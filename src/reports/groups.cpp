#include "groups.h"

#include "boxes.h"
#include "formatter.h"
#include "foundation/checkedint.h"
#include "paragraph.h"
#include "report.h"
#include "reporterror.h"
#include "tables.h"

namespace ubic {

// --- TRptGroup ---

TRptGroup::TRptGroup(TRpt* owner) : TRpt(owner) {
  SetWidth({1.0F, suRelative});
  SetHeight({1.0F, suRelative});
}

TRpt* TRptGroup::GetItem(int index) const {
  return static_cast<TRpt*>(FItems.Get(index));
}

void TRptGroup::SetItem(int index, std::unique_ptr<TRpt> item) {
  if (item == nullptr) throw EReportError("TRptGroup: an item cannot be nil");
  if (GetItem(index) == FOpenLiner) FOpenLiner = nullptr;
  item->FOwner = this;
  FItems.Put(index, item.release());
}

void TRptGroup::Add(std::unique_ptr<TRpt> item) {
  if (item == nullptr) throw EReportError("TRptGroup: an item cannot be nil");
  item->FOwner = this;
  FItems.AddOwned(std::move(item));
}

void TRptGroup::Clear() {
  FItems.Clear();
  FOpenLiner = nullptr;
  FSectionCounter = 0;
}

std::unique_ptr<TBox> TRptGroup::CreateBox() {
  return NewGroupBox();
}

std::unique_ptr<TBoxGroup> TRptGroup::NewGroupBox() {
  if (IsVertical()) return std::make_unique<TVerticalBox>(this);
  return std::make_unique<THorizontalBox>(this);
}

std::unique_ptr<TBoxGroup> TRptGroup::MakeItemsBox(const std::optional<int>& width) {
  EndRule();
  std::unique_ptr<TBoxGroup> box = NewGroupBox();
  BeginGroup();
  for (int i = 0; i < Count(); ++i) {
    if (FOnItem) FOnItem(*this, i, Count());
    TRpt* item = GetItem(i);
    box->Add(width && IsVertical() ? item->MakeBoxWidth(*width) : item->MakeBox());
  }
  if (width) {
    box->LayoutWidth(*width);
  } else {
    box->Layout();
  }
  EndGroup();
  return box;
}

std::unique_ptr<TBox> TRptGroup::MakeBox() {
  return MakeItemsBox(std::nullopt);
}

std::unique_ptr<TBox> TRptGroup::MakeBoxWidth(int width) {
  return MakeItemsBox(width);
}

TRptText* TRptGroup::AddText(const std::string& text) {
  return AddNew<TRptText>(text);
}

TRptMacro* TRptGroup::AddMacro(const std::string& text) {
  return AddNew<TRptMacro>(text);
}

TRptTree* TRptGroup::AddTree(const std::string& prefix) {
  return AddNew<TRptTree>(prefix);
}

TRptElement* TRptGroup::AddFill() {
  auto* fill = AddNew<TRptElement>();
  fill->SetWidth({0.0F, suUnits});
  fill->SetAlign(kHorizontal, baFill);
  return fill;
}

TRptDraw* TRptGroup::AddDraw(TDrawCallback callback, std::unique_ptr<TParam> param) {
  return AddNew<TRptDraw>(std::move(callback), std::move(param));
}

TRptLiner* TRptGroup::BeginRule(TContentAlign vpos) {
  EndRule();
  auto* begin = AddNew<TRptLinerBegin>();
  begin->SetContentAlign(kVertical, vpos);
  FOpenLiner = begin;
  return begin;
}

TRptLiner* TRptGroup::EndRule() {
  if (FOpenLiner == nullptr) return nullptr;
  TRptLiner* begin = FOpenLiner;
  FOpenLiner = nullptr;
  auto* end = AddNew<TRptLinerEnd>();
  end->SetPartner(begin);
  end->SetLineCount(begin->LineCount());
  end->SetLineWidth(begin->GetLineWidth());
  end->SetContentAlign(kVertical, begin->ContentAlign(kVertical));
  return end;
}

TRptLine* TRptGroup::AddLine() {
  return AddNew<TRptLine>();
}

TRptLine* TRptGroup::AddEmptyLine() {
  TRptLine* line = AddLine();
  line->AddText(" ");
  return line;
}

TRptLine* TRptGroup::AddSpace(float factor) {
  TRptLine* line = AddEmptyLine();
  line->SetHeight({factor, suRelative});
  return line;
}

TRptSection* TRptGroup::AddSection(const std::string& title) {
  FSectionCounter = CheckedAdd(FSectionCounter, 1);
  auto* section = AddNew<TRptSection>(title);
  section->SetNumber(FSectionCounter);
  return section;
}

TRptTable* TRptGroup::AddTable(const std::string& title) {
  auto* table = AddNew<TRptTable>(title);
  if (TReport* report = Report()) table->SetNumber(report->TakeTableNumber());
  return table;
}

TRptParagraph* TRptGroup::AddParagraph() {
  return AddNew<TRptParagraph>();
}

// --- Horizontal groups ---

void TRptHorizontalGroup::BeginGroup() {
  TFormatter& formatter = CheckedFormatter();
  const TCurrentElement current(formatter, this);
  formatter.ComputeLineHeight();
}

void TRptHorizontalGroup::EndGroup() {
  CheckedFormatter().ResetLineHeight();
}

// --- TRptSection ---

TRptSection::TRptSection(TRpt* owner, const std::string& title)
    : TRptVerticalGroup(owner), FRunningHeader(std::make_unique<TRptHVGroup>(this)) {
  SetTitle(title);
}

std::string TRptSection::GetNumbers() const {
  std::string numbers = std::to_string(FNumber);
  for (const TRpt* owner = Owner(); owner != nullptr; owner = owner->Owner()) {
    if (const auto* section = dynamic_cast<const TRptSection*>(owner)) {
      numbers.insert(0, std::to_string(section->Number()) + ".");
    }
  }
  return numbers;
}

}  // namespace ubic
