#include "formatter.h"

#include <algorithm>

#include "boxes.h"
#include "foundation/checkedint.h"
#include "report.h"
#include "reporterror.h"
#include "tables.h"

namespace ubic {

TFormatter::TFormatter(TReport* report, const TPoint& origin, const TPoint& pageSize)
    : FReport(report),
      FOrigin(origin),
      FPageSize(pageSize),
      FClock(TDateTime::Now),
      FStartTime(FClock()),
      FDateFormats(LocaleDateFormats()),
      FPageBox(std::make_unique<TPageBox>(report)) {}

TFormatter::~TFormatter() {
  // The report outlives its formatters; it must not keep pointing at this one.
  if (FReport->Formatter() == this) FReport->SetFormatter(nullptr);
}

void TFormatter::SetClock(TClock clock) {
  FClock = std::move(clock);
  FStartTime = FClock();
}

void TFormatter::SetTreeIndent(int value) {
  FTreeIndent = std::max(0, value);
}

int TFormatter::LineHeight() {
  if (FLineHeight == -1) ComputeLineHeight();
  return FLineHeight;
}

TRpt& TFormatter::Current() const {
  if (FStack.empty()) throw EReportError("Formatter: Undefined current report");
  return *FStack.back();
}

void TFormatter::SetFont(const TFont*) {}

void TFormatter::SetPen(const TPen*) {}

void TFormatter::ComputeLineHeight() {
  FLineHeight = TextHeight("Wg");
}

void TFormatter::ResetLineHeight() {
  FLineHeight = -1;
}

void TFormatter::Push(TRpt* element) {
  if (element == nullptr) throw EReportError("Formatter: Pushing nil report");
  const TRpt* previous = FStack.empty() ? nullptr : FStack.back();
  FStack.push_back(element);
  if (element != previous) {
    if (element->GetOwnFont()) FFontValid = false;
    if (element->GetOwnPen()) FPenValid = false;
  }
  if (FFormatting) UpdateContext();
}

void TFormatter::Pop() {
  if (FStack.empty()) throw EReportError("Formatter: Report stack underflow");
  const TRpt* removed = FStack.back();
  FStack.pop_back();
  if (FStack.empty()) {
    ForgetDeviceState();
  } else if (removed != FStack.back()) {
    if (removed->GetOwnFont()) FFontValid = false;
    if (removed->GetOwnPen()) FPenValid = false;
  }
  if (FFormatting) UpdateContext();
}

void TFormatter::UseCurrentFont() {
  // The stack rules miss an element that inherits its font from an owner not on the stack, so
  // the font itself is compared too.
  const TFont* font = Current().GetFont();
  if (FFontValid && font == FSelectedFont) return;
  SetFont(font);
  FSelectedFont = font;
  FFontValid = true;
}

void TFormatter::UseCurrentPen() {
  const TPen* pen = Current().GetPen();
  if (FPenValid && pen == FSelectedPen) return;
  SetPen(pen);
  FSelectedPen = pen;
  FPenValid = true;
}

void TFormatter::ForgetDeviceState() {
  FFontValid = false;
  FPenValid = false;
}

void TFormatter::UpdateContext() {
  std::size_t kept = 0;
  while (kept < FContexts.size() && kept < FStack.size() &&
         FContexts[kept].Element == FStack[kept]) {
    ++kept;
  }
  FContexts.resize(kept);
  for (std::size_t i = kept; i < FStack.size(); ++i) {
    TStackContext context = i > 0 ? FContexts[i - 1] : TStackContext{};
    TRpt* element = FStack[i];
    context.Element = element;
    if (auto* report = dynamic_cast<TReport*>(element)) {
      context.Report = report;
    } else if (auto* table = dynamic_cast<TRptTable*>(element)) {
      context.Table = table;
      context.RunningHeader = &table->RunningHeader();
    } else if (auto* section = dynamic_cast<TRptSection*>(element)) {
      context.Section = section;
      context.RunningHeader = &section->RunningHeader();
    }
    FContexts.push_back(context);
  }
  const TReport* report = FContexts.empty() ? nullptr : FContexts.back().Report;
  if (report != nullptr) {
    FPageHeaderGroup = &report->PageHeader();
    FPageFooterGroup = &report->PageFooter();
  }
}

std::unique_ptr<TBox> TFormatter::MakeGroupBox(TRptGroup& group) {
  return FPageSize.X > 0 ? group.MakeBoxWidth(FPageSize.X) : group.MakeBox();
}

std::unique_ptr<TBox> TFormatter::MakeReportBox() {
  FReport->SetFormatter(this);
  std::unique_ptr<TBox> box = MakeGroupBox(*FReport);
  FTotalBoxes = box->BoxCount();
  return box;
}

void TFormatter::BeginFormat() {
  FPageNo = 0;
  FStartTime = FClock();
  FPageHeaderGroup = &FReport->PageHeader();
  FPageFooterGroup = &FReport->PageFooter();
  FContexts.clear();
  ForgetDeviceState();
  ResetLineHeight();
  FBoxesDone = 0;
  FBoxesOnPage = 0;
  FFormatting = true;
}

void TFormatter::EndFormat() {
  FFormatting = false;
}

bool TFormatter::PageInRange(int page) const {
  if (page < FFromPage) return false;
  return FToPage < 1 || page <= FToPage;
}

void TFormatter::NewPage() {
  FPageNo = CheckedAdd(FPageNo, 1);
  DropPageBoxes();
  // A page without an imposed width or height takes the size of its content.
  FPageBox->StartPage(FOrigin,
                      {FPageSize.X > 0 ? FPageSize.X : -1, FPageSize.Y >= 1 ? FPageSize.Y : -1});
  FRemaining = FPageSize.Y;
  FBoxesOnPage = 0;
  AddHeaderBox(FPageHeaderGroup, FHeaderBox, true);
  AddHeaderBox(RunningHeaderGroup(), FRunningBox, true);
  AddHeaderBox(FPageFooterGroup, FFooterBox, false);
  Notify(FOnNewPage);
}

void TFormatter::AddHeaderBox(TRptGroup* group, std::unique_ptr<TBox>& box, bool addToPage) {
  if (group == nullptr) return;
  box = MakeGroupBox(*group);
  if (addToPage) FPageBox->Add(*box);
  FRemaining = CheckedSubtract(FRemaining, box->Size().Y);
}

void TFormatter::EndPage() {
  if (PageInRange(FPageNo)) {
    if (FFooterBox) FPageBox->Add(*FFooterBox);
    FPageBox->FinishPage();
  }
  // The page's boxes are freed or belong to the next page now.
  DropPageBoxes();
}

void TFormatter::DropPageBoxes() {
  FPageBox->ForgetBoxes();
  FHeaderBox.reset();
  FFooterBox.reset();
  FRunningBox.reset();
}

void TFormatter::PageBreak() {
  if (FBoxesOnPage == 0) return;
  EndPage();
  NewPage();
}

bool TFormatter::Fits(int height) const {
  return FPageSize.Y < 1 || height <= FRemaining;
}

bool TFormatter::CanSplit(const TBox& box) const {
  const auto* group = dynamic_cast<const TBoxGroup*>(&box);
  return group != nullptr && group->IsVertical();
}

int TFormatter::HeightOfFirst(const TBox& box, int count) const {
  const auto& group = static_cast<const TBoxGroup&>(box);
  int height = 0;
  for (int i = 0; i < std::min(count, group.Count()); ++i) {
    if (const TBox* child = group.GetBox(i)) height = CheckedAdd(height, child->Size().Y);
  }
  return height;
}

bool TFormatter::EnsureRoom(TBox& box) {
  const auto* report = dynamic_cast<const TReport*>(box.Owner());
  if (report != nullptr && report->Align(kVertical) == baFill) return false;
  int height = box.Size().Y;
  const int keep = box.Keep();
  if (keep == TRptGroup::kKeepNewPage) {
    PageBreak();
  } else if (keep == TRptGroup::kKeepWhole || !CanSplit(box)) {
    if (!Fits(height)) PageBreak();
  } else if (keep != TRptGroup::kKeepNone) {
    // The first Keep children start on a page that holds them; the rest may follow on the next
    // pages like those of a group that may be split anywhere.
    if (!Fits(HeightOfFirst(box, keep))) PageBreak();
  }
  return Fits(height);
}

void TFormatter::Place(TBox& box) {
  if (FAborted) return;
  const TCurrentElement current(*this, box.Owner());
  if (!EnsureRoom(box) && CanSplit(box)) {
    const auto& group = static_cast<const TBoxGroup&>(box);
    for (int i = 0; i < group.Count(); ++i) {
      if (TBox* child = group.GetBox(i)) Place(*child);
    }
    FBoxesOnPage = CheckedAdd(FBoxesOnPage, 1);
    FBoxesDone = CheckedAdd(FBoxesDone, 1);
  } else {
    FPageBox->Add(box);
    const int count = box.BoxCount();
    FBoxesOnPage = CheckedAdd(FBoxesOnPage, count);
    FBoxesDone = CheckedAdd(FBoxesDone, count);
    FRemaining = CheckedSubtract(FRemaining, box.Size().Y);
  }
  Notify(FOnProgress);
}

void TFormatter::Notify(const TPageEvent& handler) {
  if (handler) handler(*this, FPageNo, FBoxesOnPage, FTotalBoxes, FBoxesDone);
}

void TFormatter::Execute() {
  FAborted = false;
  FLayoutRandom.Seed(TLayoutRandom::kDefaultSeed);
  try {
    const std::unique_ptr<TBox> box = MakeReportBox();
    if (FAborted) return;
    BeginFormat();
    NewPage();
    Place(*box);
    EndPage();
    EndFormat();
  } catch (...) {
    AbandonRun();
    throw;
  }
}

void TFormatter::AbandonRun() {
  FStack.clear();
  FContexts.clear();
  DropPageBoxes();
  ForgetDeviceState();
  ResetLineHeight();
  FFormatting = false;
}

}  // namespace ubic
