#include "elements.h"

#include "boxes.h"
#include "foundation/checkedint.h"
#include "macros.h"
#include "reporterror.h"

namespace ubic {

// --- TRpt ---

TRpt::TRpt(TRpt* owner) : FOwner(owner) {}

TReport* TRpt::Report() {
  return FOwner != nullptr ? FOwner->Report() : nullptr;
}

TFormatter* TRpt::Formatter() const {
  return FOwner != nullptr ? FOwner->Formatter() : nullptr;
}

const TFont* TRpt::GetFont() const {
  if (FFont) return &*FFont;
  return FOwner != nullptr ? FOwner->GetFont() : nullptr;
}

const TPen* TRpt::GetPen() const {
  if (FPen) return &*FPen;
  return FOwner != nullptr ? FOwner->GetPen() : nullptr;
}

TFormatter& TRpt::CheckedFormatter() const {
  TFormatter* formatter = Formatter();
  if (formatter == nullptr) throw EReportError("Report element without a formatter");
  return *formatter;
}

std::unique_ptr<TBox> TRpt::MakeBox() {
  std::unique_ptr<TBox> box = CreateBox();
  box->Layout();
  return box;
}

std::unique_ptr<TBox> TRpt::MakeBoxWidth(int width) {
  std::unique_ptr<TBox> box = CreateBox();
  box->LayoutWidth(width);
  return box;
}

void TRpt::CheckFont() {
  if (FFont) return;
  const TFont* inherited = GetFont();
  if (inherited == nullptr) throw EReportError("Report font is undefined");
  FFont = *inherited;
}

void TRpt::FontSize(TFontOp op, int points) {
  CheckFont();
  switch (op) {
    case foAdd:
      FFont->Size = CheckedAdd(FFont->Size, points);
      break;
    case foRemove:
      FFont->Size = CheckedSubtract(FFont->Size, points);
      break;
    case foSet:
      FFont->Size = points;
      break;
  }
}

void TRpt::FontStyle(TFontOp op, TFontStyles styles) {
  CheckFont();
  switch (op) {
    case foAdd:
      FFont->Style = FFont->Style | styles;
      break;
    case foRemove:
      FFont->Style = FFont->Style.Without(styles);
      break;
    case foSet:
      FFont->Style = styles;
      break;
  }
}

void TRpt::SetBold(bool on) {
  FontStyle(on ? foAdd : foRemove, fsBold);
}

void TRpt::FontColor(TColor color) {
  CheckFont();
  FFont->Color = color;
}

// --- Leaves ---

std::unique_ptr<TBox> TRptElement::CreateBox() {
  return std::make_unique<TBox>(this);
}

TRptLiner::TRptLiner(TRpt* owner) : TRptElement(owner) {
  SetContentAlign(kVertical, caEnd);
}

TRptLiner::~TRptLiner() {
  if (FPartner != nullptr) FPartner->FPartner = nullptr;
  if (FBox != nullptr) FBox->FLiner = nullptr;
}

void TRptLiner::SetPartner(TRptLiner* liner) {
  if (liner == FPartner) return;
  if (FPartner != nullptr) FPartner->FPartner = nullptr;
  FPartner = liner;
  if (liner == nullptr) return;
  if (liner->FPartner != nullptr) liner->FPartner->FPartner = nullptr;
  liner->FPartner = this;
}

std::unique_ptr<TBox> TRptLiner::CreateBox() {
  return std::make_unique<TLinerBox>(this);
}

TRptText::TRptText(TRpt* owner, const std::string& text) : TRptElement(owner), FText(text) {}

std::unique_ptr<TBox> TRptText::CreateBox() {
  return std::make_unique<TTextBox>(this);
}

TRptMacro::TRptMacro(TRpt* owner, const std::string& text)
    : TRptText(owner, NormalizeMacro(text)) {}

void TRptMacro::SetText(const std::string& text) {
  TRptText::SetText(NormalizeMacro(text));
}

std::string TRptMacro::GetText() const {
  return ExpandMacro(Text(), Formatter());
}

TRptTree::TRptTree(TRpt* owner, const std::string& prefix) : TRptText(owner, prefix) {
  SetAlign(kVertical, baFill);
}

std::unique_ptr<TBox> TRptTree::CreateBox() {
  return std::make_unique<TTreeBox>(this);
}

void TRptField::SetBox(std::unique_ptr<TBox> box) {
  if (box != nullptr && box->Owner() != this) {
    throw EReportError("TRptField: the box of a column must be the field's own");
  }
  FBox = std::move(box);
}

TRptDraw::TRptDraw(TRpt* owner, TDrawCallback callback, std::unique_ptr<TParam> param)
    : TRptElement(owner), FCallback(std::move(callback)), FParam(std::move(param)) {}

std::unique_ptr<TBox> TRptDraw::CreateBox() {
  return std::make_unique<TDrawBox>(this);
}

}  // namespace ubic
