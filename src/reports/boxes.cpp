#include "boxes.h"

#include <algorithm>
#include <climits>

#include "elements.h"
#include "formatter.h"
#include "foundation/checkedint.h"
#include "groups.h"
#include "reporterror.h"

namespace ubic {
namespace {

// The last unit of a run of Length units from Start: a rectangle's right or bottom edge.
int LastUnit(int start, int length) {
  return CheckedAdd(start, CheckedSubtract(length, 1));
}

TPoint Offset(const TPoint& point, const TPoint& by) {
  return {CheckedAdd(point.X, by.X), CheckedAdd(point.Y, by.Y)};
}

[[noreturn]] void PageOwnsNothing() {
  throw EReportError("TPageBox does not own its boxes");
}

}  // namespace

// --- TBox ---

TBox::TBox(TRpt* owner) : FOwner(owner) {
  if (owner == nullptr) throw EReportError("Creating TBox with nil TRpt");
  CopyAlignment(*owner);
  if (const auto* group = dynamic_cast<const TRptGroup*>(owner)) FKeep = group->Keep();
}

TFormatter& TBox::Formatter() const {
  return FOwner->CheckedFormatter();
}

int TBox::ContentOffset(int dir) const {
  switch (ContentAlign(dir)) {
    case caCenter:
      return CheckedSubtract(FSize[dir], FExtent[dir]) / 2;
    case caEnd:
      return CheckedSubtract(FSize[dir], FExtent[dir]);
    default:
      return 0;
  }
}

TRect TBox::BoxRect() const {
  return {FPos.X, FPos.Y, LastUnit(FPos.X, FSize.X), LastUnit(FPos.Y, FSize.Y)};
}

TRect TBox::ContentRect() const {
  const int left = CheckedAdd(FPos.X, ContentOffset(kHorizontal));
  const int top = CheckedAdd(FPos.Y, ContentOffset(kVertical));
  return {left, top, LastUnit(left, FExtent.X), LastUnit(top, FExtent.Y)};
}

void TBox::DrawBox() {
  const TCurrentElement current(Formatter(), FOwner);
  Draw();
}

void TBox::Layout() {
  {
    TFormatter& formatter = Formatter();
    const TCurrentElement current(formatter, FOwner);
    FSize.Y = formatter.SpecToUnits(FOwner->GetHeight());
    FSize.X = formatter.SpecToUnits(FOwner->GetWidth());
  }
  Measure();
  ResolveRelativeSizes();
}

void TBox::LayoutWidth(int width) {
  Layout();
  FSize.X = width;
}

void TBox::ResolveRelativeSizes() {
  if (FSize.X < 0 && FOwner->WidthIsRelative()) {
    FSize.X = RoundHalfToEven(FExtent.X * static_cast<double>(FOwner->GetWidth().Value));
  }
  if (FSize.Y < 0 && FOwner->HeightIsRelative()) {
    FSize.Y = RoundHalfToEven(FExtent.Y * static_cast<double>(FOwner->GetHeight().Value));
  }
}

// --- Leaves ---

TTextBox::TTextBox(TRptText* owner) : TBox(owner), FTextOwner(owner) {}

std::string TTextBox::GetText() const {
  const std::string text = FMadeText ? *FMadeText : FTextOwner->GetText();
  const auto start = static_cast<std::size_t>(std::max(FStart, 1) - 1);
  if (FLength == 0 || start >= text.size()) return {};
  return FLength < 0 ? text.substr(start) : text.substr(start, static_cast<std::size_t>(FLength));
}

void TTextBox::Measure() {
  FMadeText.reset();
  if (Formatter().Formatting()) FMadeText = FTextOwner->GetText();
  const std::string text = GetText();
  if (text.empty()) {
    SetExtent({});
    return;
  }
  TFormatter& formatter = Formatter();
  const TCurrentElement current(formatter, Owner());
  SetExtent({formatter.TextWidth(text), formatter.TextHeight(text)});
}

void TTextBox::Draw() {
  if (FTextOwner->Clip()) {
    Formatter().DrawTextClipped(ContentRect(), BoxRect(), GetText());
  } else {
    Formatter().DrawText(ContentRect(), GetText());
  }
}

void TTreeBox::Measure() {
  const std::string prefix = GetText();
  TFormatter& formatter = Formatter();
  const TCurrentElement current(formatter, Owner());
  SetExtent({formatter.TreeWidth(prefix), Size().Y});
}

void TTreeBox::Draw() {
  Formatter().DrawTree(ContentRect(), GetText());
}

TLinerBox::TLinerBox(TRptLiner* owner) : TBox(owner), FLiner(owner) {
  owner->FBox = this;
}

TLinerBox::~TLinerBox() {
  if (FLiner != nullptr && FLiner->FBox == this) FLiner->FBox = nullptr;
}

void TLinerBox::Measure() {
  TFormatter& formatter = Formatter();
  const TCurrentElement current(formatter, Owner());
  SetExtent({0, std::max(1, formatter.SpecToUnits(FLiner->GetLineWidth()))});
}

void TLinerBox::Draw() {
  // The begin liner draws the whole rule, once its partner's box of the same layout exists.
  if (dynamic_cast<const TRptLinerBegin*>(FLiner) == nullptr) return;
  const TRptLiner* partner = FLiner->Partner();
  if (partner == nullptr || partner->Box() == nullptr) return;
  Formatter().DrawLiner(ContentRect(), partner->Box()->ContentRect(), FLiner->LineCount());
}

TDrawBox::TDrawBox(TRptDraw* owner) : TBox(owner), FDraw(owner) {}

void TDrawBox::Draw() {
  if (FDraw->Callback()) Formatter().DrawPicture(ContentRect(), FDraw->Callback(), FDraw->Param());
}

// --- TBoxGroup ---

TBoxGroup::TBoxGroup(TRpt* owner, bool ownsBoxes) : TBox(owner), FBoxes(ownsBoxes) {}

template <class Visit>
void TBoxGroup::ForEachBox(Visit visit) const {
  for (int i = 0; i < Count(); ++i) {
    if (TBox* box = GetBox(i)) visit(*box);
  }
}

TBox* TBoxGroup::GetBox(int index) const {
  return static_cast<TBox*>(FBoxes.Get(index));
}

void TBoxGroup::SetBox(int index, std::unique_ptr<TBox> box) {
  FBoxes.Get(index);
  FBoxes.Put(index, box.release());
}

void TBoxGroup::Add(std::unique_ptr<TBox> box) {
  FBoxes.AddOwned(std::move(box));
}

void TBoxGroup::Insert(int index, std::unique_ptr<TBox> box) {
  if (index < 0 || index > Count()) ListIndexError(index);
  FBoxes.Insert(index, box.release());
}

std::unique_ptr<TBox> TBoxGroup::Extract(int index) {
  if (!FBoxes.OwnsObjects()) PageOwnsNothing();
  return std::unique_ptr<TBox>(static_cast<TBox*>(FBoxes.ExtractItem(index)));
}

int TBoxGroup::BoxCount() const {
  int count = 1;
  ForEachBox([&](const TBox& box) { count = CheckedAdd(count, box.BoxCount()); });
  return count;
}

void TBoxGroup::Measure() {
  const int main = MainDir();
  const int cross = CrossDir();
  TPoint extent;
  ForEachBox([&](const TBox& box) {
    extent[main] = CheckedAdd(extent[main], box.Size()[main]);
    extent[cross] = std::max(extent[cross], box.Extent()[cross]);
  });
  SetExtent(extent);
}

void TBoxGroup::MeasureBounds() {
  bool any = false;
  TRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  ForEachBox([&](const TBox& box) {
    const TRect rect = box.BoxRect();
    any = true;
    bounds.Left = std::min(bounds.Left, rect.Left);
    bounds.Top = std::min(bounds.Top, rect.Top);
    bounds.Right = std::max(bounds.Right, rect.Right);
    bounds.Bottom = std::max(bounds.Bottom, rect.Bottom);
  });
  if (!any) {
    SetExtent({});
    return;
  }
  SetExtent({CheckedAdd(CheckedSubtract(bounds.Right, bounds.Left), 1),
             CheckedAdd(CheckedSubtract(bounds.Bottom, bounds.Top), 1)});
}

void TBoxGroup::SetPosition(const TPoint& pos) {
  TBox::SetPosition(pos);
  ForEachBox([&](TBox& box) { box.SetPosition(Offset(pos, box.Pos())); });
}

void TBoxGroup::Layout() {
  ResetPositions();
  TBox::Layout();
  Arrange();
}

void TBoxGroup::LayoutWidth(int width) {
  Layout();
  SetSize(kHorizontal, width);
  Arrange();
}

void TBoxGroup::Arrange() {
  DistributeSpace();
  AlignCross();
  StackBoxes();
}

void TBoxGroup::Draw() {
  ForEachBox([](TBox& box) { box.DrawBox(); });
}

void TBoxGroup::ResetPositions() {
  ForEachBox([](TBox& box) {
    box.SetPos(kHorizontal, 0);
    box.SetPos(kVertical, 0);
  });
}

void TBoxGroup::DistributeSpace() {
  const int main = MainDir();
  std::vector<TBox*> fills;
  ForEachBox([&](TBox& box) {
    if (box.Align(main) == baFill) fills.push_back(&box);
  });
  if (fills.empty()) return;
  const int spare = CheckedSubtract(Size()[main], Extent()[main]);
  const int count = static_cast<int>(fills.size());
  for (TBox* fill : fills) fill->SetSize(main, CheckedAdd(fill->Size()[main], spare / count));
  GiveOneUnitEach(fills, spare % count);
  for (TBox* fill : fills) {
    if (auto* group = dynamic_cast<TBoxGroup*>(fill)) {
      group->ResetPositions();
      group->Arrange();
    }
  }
  for (TBox* fill : fills) fill->MeasureBounds();
  Measure();
}

void TBoxGroup::GiveOneUnitEach(const std::vector<TBox*>& fills, int units) {
  const int main = MainDir();
  const int count = static_cast<int>(fills.size());
  for (int i = 0; i < units; ++i) {
    TBox* lucky = fills[static_cast<std::size_t>(Formatter().LayoutRandom().Next(count))];
    lucky->SetSize(main, CheckedAdd(lucky->Size()[main], 1));
  }
}

void TBoxGroup::AlignCross() {
  const int cross = CrossDir();
  const int room = Size()[cross];
  ForEachBox([&](TBox& box) {
    switch (box.Align(cross)) {
      case baFill:
        box.SetPos(cross, 0);
        box.SetSize(cross, room);
        break;
      case baCenter:
        box.SetPos(cross, CheckedSubtract(room, box.Size()[cross]) / 2);
        break;
      case baEnd:
        box.SetPos(cross, CheckedSubtract(room, box.Size()[cross]));
        break;
      default:
        box.SetPos(cross, 0);
        break;
    }
  });
  Measure();
}

void TBoxGroup::StackBoxes() {
  const int main = MainDir();
  const int cross = CrossDir();
  TPoint offset{ContentOffset(kHorizontal), ContentOffset(kVertical)};
  ForEachBox([&](TBox& box) {
    box.SetPos(main, offset[main]);
    offset[main] = CheckedAdd(offset[main], box.Size()[main]);
    box.SetPos(cross, CheckedAdd(box.Pos()[cross], offset[cross]));
  });
}

// --- TPageBox ---

void TPageBox::Add(std::unique_ptr<TBox>) {
  PageOwnsNothing();
}

void TPageBox::Insert(int, std::unique_ptr<TBox>) {
  PageOwnsNothing();
}

void TPageBox::SetBox(int, std::unique_ptr<TBox>) {
  PageOwnsNothing();
}

void TPageBox::StartPage(const TPoint& origin, const TPoint& size) {
  ClearBoxes();
  SetPos(kHorizontal, origin.X);
  SetPos(kVertical, origin.Y);
  SetSize(size);
}

void TPageBox::FinishPage() {
  Measure();
  if (Size().X < 0) SetSize(kHorizontal, Extent().X);
  if (Size().Y < 0) SetSize(kVertical, Extent().Y);
  DistributeSpace();
  StackBoxes();
  SetPosition(Pos());
  Draw();
}

}  // namespace ubic
